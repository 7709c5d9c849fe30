#!/bin/sh
# Takes docs/screenshots/schriftart.png again: the font dialog of the main window ("Format",
# "Schrift..."), with the colour of the text below the font, on a screen of 1280 x 900.
#
#   docs/screenshots/schriftart.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/ci/src/notavi/notavi}
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick xdotool openbox
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"
cp "$here/hauptfenster.dat" "$work/Notavi/notavi.dat"
cp "$here/hauptfenster.ini" "$work/Notavi/notavi.ini"
cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
openbox >/dev/null 2>&1 &
"$program" &
pid=\$!
sleep 3
xdotool key alt+f
sleep 0.5
xdotool key s
sleep 1.5
import -window root "$here/schriftart.png"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
