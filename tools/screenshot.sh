#!/usr/bin/env bash
# Builds the optimised program, runs it on a virtual screen, drives it with the mouse and the
# keyboard until the planets have drawn their retrograde loops, and writes docs/screenshot.png.
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ "${1:-}" != "--drive" ]; then
    [ -f build/release/build.ninja ] || cmake --preset release >/dev/null
    cmake --build --preset release --target vantor -j "${VANTOR_JOBS:-2}"
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    cp data/vantor.csv "$folder/"
    mkdir -p docs
    # A virtual screen started at the same moment by other work can take the display number
    # xvfb-run chose; a second try takes another.
    for try in 1 2 3; do
        if xvfb-run -a -s "-screen 0 1024x768x24" "$0" --drive "$folder" "$root/docs/screenshot.png"; then
            break
        fi
        [ "$try" -lt 3 ] || exit 1
        sleep 2
    done
    echo "wrote docs/screenshot.png"
    exit 0
fi

folder=$2
out=$3
(cd "$folder" && exec "$root/build/release/bin/vantor") &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantor 2.00$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# No window manager: the window has no frame, and its client area is the bottom 456 pixels.
left=$X
top=$((Y + HEIGHT - 456))
sleep 1

# Moves the pointer to a place of the client area given in twips (15 to a pixel).
point() {
    xdotool mousemove $((left + $1 / 15)) $((top + $2 / 15))
    sleep 0.1
}
click() {
    point "$1" "$2"
    xdotool click 1
    sleep 0.3
}

# Places: the frame's place plus the control's place in it plus about half its size.
click $((120 + 1320 + 200)) $((1380 + 225 + 120))  # Top View
click $((120 + 150 + 300)) $((1380 + 1500 + 120))  # Inferior
click $((120 + 1305 + 105)) $((1380 + 1500 + 120)) # its line of sight
click $((120 + 1800 + 120)) $((1380 + 1500 + 120)) # its orbit
click $((120 + 2955 + 157)) $((1380 + 1455 + 157)) # its trail
click $((120 + 1800 + 105)) $((1380 + 1800 + 120)) # the Earth's orbit
click $((120 + 150 + 300)) $((1380 + 2100 + 97))   # Superior
click $((120 + 1305 + 105)) $((1380 + 2100 + 97))  # its line of sight
click $((120 + 1800 + 105)) $((1380 + 2100 + 97))  # its orbit
click $((120 + 2955 + 105)) $((1380 + 2100 + 97))  # its trail

# The stars by their key, then time runs forward in steps of 3 days for about two and a half
# years, long enough for each planet to draw a retrograde loop, and stops.
xdotool windowfocus --sync "$window"
xdotool key ctrl+e
sleep 1
xdotool key ctrl+shift+Right
sleep "${VANTOR_SCREENSHOT_SECONDS:-30}"
xdotool key Escape
sleep 0.5

# The pointer on the window's bare background leaves the hint line empty.
point 6000 6700
sleep 0.5
import -window "$window" "$out"
