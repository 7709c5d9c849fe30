#!/bin/sh
# Shared by the screenshot scripts: runs the program on a virtual screen of 1280 x 900 with an
# appointment file and settings, waits until a moment and takes the whole screen as a picture.
#
#   take.sh PROGRAM DATAFILE INIFILE PICTURE SECONDS_SINCE_1970
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/../../scripts/install-deps.sh" xvfb xauth imagemagick
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"
cp "$2" "$work/Notavi/notavi.dat"
cp "$3" "$work/Notavi/notavi.ini"
cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
"$program" &
pid=\$!
sleep \$(( $5 - \$(date +%s) ))
import -window root "$4"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
