#!/bin/sh
# Time from starting notavi until its window shows the evaluated view, on a generated appointment
# file with every block. The program reports the moment of the view's first paint when
# NOTAVI_MEASURE_STARTUP is set, and quits.
#
#   bench/startup_time.sh [path/to/notavi] [runs] [lines] [tab]
#
# tab is the view the program starts with (0 week ... 4 year, as "Terminansicht" in notavi.ini).
#
# Without a display it runs under xvfb-run when that is installed, else on Qt's offscreen platform.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/release/src/notavi/notavi}
runs=${2:-5}
lines=${3:-400}
tab=${4:-0}
target_ms=${NOTAVI_STARTUP_TARGET_MS:-500}

[ -x "$program" ] || { echo "notavi not found: $program (build it first, e.g. cmake --preset release)" >&2; exit 2; }
generator=$(dirname "$program")/../../tools/notavi-gen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/Notavi"
if [ -x "$generator" ]; then
    "$generator" "$lines" > "$work/data/Notavi/notavi.dat"
fi
printf '[Terminansicht]\r\nTerminansicht=%s\r\n' "$tab" > "$work/data/Notavi/notavi.ini"

run_once() {
    start=$(date +%s%3N)
    shown=$(XDG_DATA_HOME="$work/data" NOTAVI_MEASURE_STARTUP=1 "$@" "$program" 2>/dev/null |
        sed -n 's/^notavi-startup-shown //p')
    [ -n "$shown" ] || { echo "notavi reported no start-up time" >&2; exit 1; }
    echo $((shown - start))
}

if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
    # One X server for all runs, so that its own start-up is not counted.
    if [ -z "${NOTAVI_UNDER_XVFB:-}" ]; then
        NOTAVI_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$program" "$runs" "$lines" "$tab"
    fi
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

times=""
i=0
while [ "$i" -lt "$runs" ]; do
    times="$times $(run_once env)"
    i=$((i + 1))
done
median=$(printf '%s\n' $times | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "Start bis zur ausgewerteten Ansicht (ms):$times"
echo "Median: $median ms (Ziel: unter $target_ms ms; Datei mit $(wc -l < "$work/data/Notavi/notavi.dat") Zeilen, Ansicht $tab)"
[ "$median" -lt "$target_ms" ]
