#!/bin/sh
# notavi-cli --sortieren and --verstrichene as whole processes over a generated appointment file,
# printing the file (as without --schreiben) to /dev/null; the median of the runs.
#
#   bench/editor_tools_cli.sh [build dir] [lines] [runs]
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
lines=${2:-10000}
runs=${3:-11}
cli=$build/src/cli/notavi-cli
generator=$build/tools/notavi-gen
[ -x "$cli" ] && [ -x "$generator" ] || { echo "build notavi-cli and notavi-gen in $build first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$lines" > "$work/notavi.dat"

median_ms() {
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$cli" "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
    done | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

echo "lines: $lines, runs: $runs (median, ms)"
echo "--sortieren:    $(median_ms --sortieren --datei "$work/notavi.dat")"
echo "--verstrichene: $(median_ms --verstrichene --datum 01.06.2025 --datei "$work/notavi.dat")"
echo "view (week):    $(median_ms --datei "$work/notavi.dat" --datum 01.06.2025 --ansicht 0 --farbe nie)"
