#!/bin/sh
# Takes docs/screenshots/editor.png again: the program starts on a virtual screen of 1280 x 900 with
# a window manager, the appointment file and settings beside this script; Ctrl+E opens the editor
# with its calendar panel, and the screen is taken. Other settings, picture and screen size make
# the other pictures of the editor.
#
#   docs/screenshots/editor.sh [path/to/notavi [settings.ini picture.png [WIDTHxHEIGHT]]]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/ci/src/notavi/notavi}
settings=${2:-$here/editor.ini}
picture=${3:-$here/editor.png}
screen=${4:-1280x900}
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick xdotool openbox
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"
cp "$here/editor.dat" "$work/Notavi/notavi.dat"
cp "$settings" "$work/Notavi/notavi.ini"
cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
openbox >/dev/null 2>&1 &
sleep 1
"$program" &
pid=\$!
window=\$(xdotool search --sync --name '^Notavi\$' | head -n 1)
xdotool windowactivate --sync "\$window"
sleep 1
xdotool key ctrl+e
xdotool search --sync --name '^Termineditor\$' >/dev/null
sleep 2
import -window root "$picture"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 ${screen}x24" "$work/take.sh"
