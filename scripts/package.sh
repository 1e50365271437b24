#!/usr/bin/env bash
# Builds the Debian package of Vantor into build/package. With --check, also checks it the way
# Debian does: lintian (no error, warning or info, beyond the package's own overrides),
# desktop-file-validate and appstreamcli (no message at all); then installs it with apt, starts
# the installed program under a virtual X server in an empty home folder, checks that its window
# appears and that the shipped star catalogue loads there, closes it through its close request
# and expects exit status 0.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--check" ]; then
    scripts/deps.sh lintian desktop-file-utils appstream
else
    scripts/deps.sh
fi

# Debian's own hardened compiler and linker flags (fortified functions, read-only relocations).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DVANTOR_BUILD_TESTS=OFF -DVANTOR_BUILD_BENCH=OFF >/dev/null
cmake --build build/package --target vantor
rm -f build/package/vantor_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/vantor_*.deb)
echo "package: $deb"
[ "${1:-}" = "--check" ] || exit 0

# Lintian, as root, first says that it would rather not run as root: only its findings count.
lintian --fail-on error,warning,info --display-level '>=info' "$deb" 2> >(grep -v 'root privileges' >&2)
messages=$(desktop-file-validate packaging/vantor.desktop)
[ -z "$messages" ] || { echo "$messages"; exit 1; }
appstreamcli validate --no-net --strict packaging/vantor.metainfo.xml
echo "package: lintian, desktop-file-validate and appstreamcli find nothing"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get install -y -qq "./$deb" >/dev/null
[ -x /usr/bin/vantor ] && [ -f /usr/share/vantor/vantor.csv ] \
    && [ -f /usr/share/applications/vantor.desktop ] \
    && [ -f /usr/share/icons/hicolor/256x256/apps/vantor.png ]

cmake -S . -B build/dev-tools -G Ninja -DVANTOR_BUILD_BENCH=OFF >/dev/null
cmake --build build/dev-tools --target vantor_xclose >/dev/null
xclose=$PWD/build/dev-tools/bin/vantor_xclose

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cat >"$home/run.sh" <<SCRIPT
#!/usr/bin/env bash
set -u
cd "$home"
HOME="$home" /usr/bin/vantor & pid=\$!
window=\$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantor 2.00\$' | head -1)
[ -n "\$window" ] || { echo "no window"; kill \$pid; exit 1; }
sleep 0.5
# In the home folder, where no catalogue lies, "Load Stars to Ecliptic" (Ctrl+E) reads the
# shipped one: no message box may come up. "Save Mercator" (Ctrl+S) then writes into the home.
eval \$(xdotool getwindowgeometry --shell "\$window")
xdotool mousemove \$(( X + 400 )) \$(( Y + HEIGHT - 10 )); sleep 0.1; xdotool click 1; sleep 0.3
xdotool key ctrl+e; sleep 1
if xdotool search --onlyvisible --name '^Vantor\$' >/dev/null; then
    echo "a message box came up when loading the shipped catalogue"; kill \$pid; exit 1
fi
xdotool key ctrl+s; sleep 1
[ -f "$home/mersave.bmp" ] || { echo "no mersave.bmp in the home folder"; kill \$pid; exit 1; }
"$xclose" "\$window"
timeout 10 tail --pid=\$pid -f /dev/null || { echo "still running"; kill \$pid; exit 1; }
wait \$pid
SCRIPT
chmod +x "$home/run.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$home/run.sh"
echo "package: installed program started and closed with status 0"
