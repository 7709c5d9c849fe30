#!/bin/sh
# Takes docs/screenshots/hauptfenster.png again: the program on a virtual screen of 1280 x 900 with
# the appointment file and settings beside this script. The view is evaluated for the day the
# script runs; the committed picture was taken on 07.12.2026.
#
#   docs/screenshots/hauptfenster.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/src/notavi/notavi}
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"
cp "$here/hauptfenster.dat" "$work/Notavi/notavi.dat"
cp "$here/hauptfenster.ini" "$work/Notavi/notavi.ini"
cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
"$program" &
pid=\$!
sleep 3
import -window root "$here/hauptfenster.png"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
