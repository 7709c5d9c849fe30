#!/bin/sh
# Takes docs/screenshots/alarm.png again: the program on a virtual screen of 1280 x 900 with the
# appointment file and settings of hauptfenster.sh, and one appointment of the day whose alarm goes
# off a minute or two after the start; the picture shows its alarm window over the main window.
#
#   docs/screenshots/alarm.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/src/notavi/notavi}
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"

# The alarm at the next whole minute, or the one after when that is less than 15 seconds away.
now=$(date +%s)
alarm=$(( (now / 60 + 1) * 60 ))
[ $(( alarm - now )) -ge 15 ] || alarm=$(( alarm + 60 ))
line="$(date -d "@$alarm" +%d.%m.%Y) ~$(date -d "@$alarm" +%H:%M)~ Zahnarzt Dr. Weber, Karteikarte mitnehmen"
sed "/^Einmalige Termine:/a $line\r" "$here/hauptfenster.dat" > "$work/Notavi/notavi.dat"
cp "$here/hauptfenster.ini" "$work/Notavi/notavi.ini"

cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
"$program" &
pid=\$!
sleep \$(( $alarm - \$(date +%s) + 3 ))
import -window root "$here/alarm.png"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
