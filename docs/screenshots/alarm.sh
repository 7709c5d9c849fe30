#!/bin/sh
# Takes docs/screenshots/alarm.png again: the program with the appointment file and settings of
# hauptfenster.sh and one appointment of the day whose alarm goes off a minute or two after the
# start; the picture shows its alarm window over the main window.
#
#   docs/screenshots/alarm.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/src/notavi/notavi}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The alarm at the next whole minute, or the one after when that is less than 25 seconds away.
now=$(date +%s)
alarm=$(( (now / 60 + 1) * 60 ))
[ $(( alarm - now )) -ge 25 ] || alarm=$(( alarm + 60 ))
line="$(date -d "@$alarm" +%d.%m.%Y) ~$(date -d "@$alarm" +%H:%M)~ Zahnarzt Dr. Weber, Karteikarte mitnehmen"
sed "/^Einmalige Termine:/a $line\r" "$here/hauptfenster.dat" > "$work/notavi.dat"
sh "$here/take.sh" "$program" "$work/notavi.dat" "$here/hauptfenster.ini" "$here/alarm.png" $(( alarm + 3 ))
