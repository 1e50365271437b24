#!/usr/bin/env bash
# Builds the browser edition: build/web/vantor.html, one self-contained page that runs offline
# by double-click. Installs what is missing first (Debian's emscripten, the woff2 packer, and the
# system's Chromium with the pinned browser driver, which put the window's first frame into the
# page).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten python3 fonttools woff2 cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
command -v chromium >/dev/null || missing+=(chromium)
command -v npm >/dev/null || missing+=(npm)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "web: installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The page's font: Liberation Sans 2 from Debian's fonts-liberation2 (SIL Open Font License, its
# notice in data/fonts/OFL.txt), unpacked here rather than installed, so that the desktop's font
# stays as it is; cut down to the Latin characters and renamed "Vantor Sans" (the licence keeps
# the original name for the unchanged font), then packed as WOFF2.
fonts=build/web/fonts
if [ ! -f "$fonts/VantorSans-Bold.woff2" ] || [ window/web/subsetfont.py -nt "$fonts/VantorSans-Bold.woff2" ]; then
    rm -rf "$fonts" && mkdir -p "$fonts/deb"
    (cd "$fonts/deb" && apt-get download fonts-liberation2 >/dev/null 2>&1 ||
        { $sudo apt-get update -qq && apt-get download fonts-liberation2 >/dev/null; })
    dpkg-deb -x "$fonts"/deb/fonts-liberation2_*.deb "$fonts/deb/x"
    for face in Regular Bold; do
        /usr/bin/python3 window/web/subsetfont.py \
            "$fonts/deb/x/usr/share/fonts/truetype/liberation2/LiberationSans-$face.ttf" \
            "$fonts/VantorSans-$face.ttf" "Vantor Sans" 2>/dev/null
        woff2_compress "$fonts/VantorSans-$face.ttf" >/dev/null 2>&1
    done
    rm -rf "$fonts/deb"
fi

[ -d tests/web/node_modules/playwright-core ] ||
    (cd tests/web && npm ci --no-audit --no-fund --ignore-scripts >/dev/null)

# Debian's emscripten runs the machine's node; its own JavaScript modules live here.
export NODE_PATH=/usr/share/nodejs
[ -f build/web/build.ninja ] || cmake --preset web >/dev/null
cmake --build --preset web
echo "web: $(pwd)/build/web/vantor.html ($(stat -c %s build/web/vantor.html) bytes)"
