#!/bin/sh
# Takes docs/screenshots/skin-*.png again: for each of the four skins the program starts on a
# virtual screen of 1280 x 900 with the appointment file and settings of hauptfenster.sh, the skin
# is chosen through the keyboard (Format, Skins) and the screen is taken. The view is evaluated for
# the day the script runs.
#
#   docs/screenshots/skins.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/src/notavi/notavi}
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick xdotool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The skins in the order of the menu: the number of steps down from the first item.
for skin in classic:0 modern:1 sillau:2 gruelb:3; do
    name=${skin%%:*}
    steps=${skin##*:}
    rm -rf "$work/Notavi"
    mkdir -p "$work/Notavi"
    cp "$here/hauptfenster.dat" "$work/Notavi/notavi.dat"
    cp "$here/hauptfenster.ini" "$work/Notavi/notavi.ini"
    cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
"$program" &
pid=\$!
sleep 3
window=\$(xdotool search --sync --name '^Notavi\$' | head -n 1)
xdotool windowfocus --sync "\$window"
xdotool key --delay 150 alt+f k
for step in \$(seq 1 $steps); do xdotool key Down; done
xdotool key Return
sleep 1
import -window root "$here/skin-$name.png"
kill \$pid
SCRIPT
    chmod +x "$work/take.sh"
    XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
done
