#!/bin/sh
# The window with one line of 20 MB outside every block: the time from starting notavi until its
# line-error box stands on a virtual screen (the box quotes the first 150 characters of the line).
#
#   bench/window_long_line.sh [path/to/notavi] [megabytes]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/ci/src/notavi/notavi}
megabytes=${2:-20}
sh "$here/scripts/install-deps.sh" xvfb xauth xdotool openbox
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Notavi"
"$(dirname "$program")/../cli/notavi-cli" --standarddatei > "$work/Notavi/notavi.dat"
head -c $((megabytes * 1024 * 1024)) /dev/zero | tr '\0' 'x' >> "$work/Notavi/notavi.dat"
printf '\r\n' >> "$work/Notavi/notavi.dat"
cat > "$work/take.sh" <<SCRIPT
#!/bin/sh
openbox >/dev/null 2>&1 &
sleep 1
start=\$(date +%s%3N)
"$program" &
pid=\$!
xdotool search --sync --name '^Warnung\$' >/dev/null
echo "Meldung nach \$((\$(date +%s%3N) - start)) ms (Zeile von $megabytes MB)"
kill \$pid
SCRIPT
chmod +x "$work/take.sh"
XDG_DATA_HOME="$work" xvfb-run -a -s "-screen 0 1280x900x24" "$work/take.sh"
