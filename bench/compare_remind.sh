#!/bin/sh
# notavi-cli against remind(1) on the same pseudo-random appointments (N = 1,000, 10,000, 100,000):
# the year view against remind's calendar of twelve months, the 8-day view against its calendar of
# one week. Runs alternate between the two programs; the table shows the medians of the whole
# processes (wall clock and processor time) and how many times faster notavi-cli is.
#
#   bench/compare_remind.sh
#   RUNS=7 SIZES="1000 10000" NOTAVI_GEN_REMIND=/path/to/gen_remind.py bench/compare_remind.sh
set -eu
cd "$(dirname "$0")/.."
REPO=$PWD
GEN=${NOTAVI_GEN_REMIND:-$REPO/../shared/bench/gen_remind.py}
RUNS=${RUNS:-5}
SIZES=${SIZES:-1000 10000 100000}
if [ ! -f "$GEN" ]; then
    echo "gen_remind.py nicht gefunden: $GEN (NOTAVI_GEN_REMIND setzen)" >&2
    exit 2
fi

sh "$REPO/scripts/install-deps.sh" remind

cmake --preset release >/dev/null
cmake --build --preset release --target notavi-cli >/dev/null
CLI=$REPO/build/release/src/cli/notavi-cli

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The info lines of a file the program wrote, when notavi-cli can write one.
INFO=""
if "$CLI" --standarddatei >"$WORK/default.dat" 2>/dev/null && head -n 1 "$WORK/default.dat" | grep -q '^\*' &&
    grep -q '^@ E N D E' "$WORK/default.dat"; then
    INFO="--info-from $WORK/default.dat"
fi

for n in $SIZES; do
    # shellcheck disable=SC2086
    python3 "$GEN" -n "$n" --format planner $INFO -o "$WORK/planner-$n.dat"
    python3 "$GEN" -n "$n" --format remind -o "$WORK/remind-$n.rem"
done

python3 - "$CLI" "$WORK" "$RUNS" "$SIZES" "${INFO:+yes}" <<'EOF'
import os, resource, statistics, subprocess, sys, time

cli, work, runs, sizes, info = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4].split(), sys.argv[5]

def run(cmd):
    """Wall-clock and processor milliseconds of one whole process writing to /dev/null."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    wall = (time.perf_counter() - start) * 1000
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000
    return wall, cpu

def lines(cmd):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout.count(b"\n")

views = [("Jahr", "4", ["-s12"]), ("8 Tage", "0", ["-s+1"])]
print(f"notavi-cli gegen remind, {runs} Laeufe im Wechsel, Mediane"
      f"{'' if info else ' (Infozeilen ohne --info-from)'}; Last {os.getloadavg()[0]:.2f}")
print(f"{'N':>7} {'Ansicht':>7} {'notavi ms':>10} {'(CPU)':>8} {'remind ms':>10} {'(CPU)':>8} "
      f"{'Faktor':>7} {'Zeilen notavi/remind':>21}")
for n in sizes:
    for name, view, remind_view in views:
        ours = [cli, "--datei", f"{work}/planner-{n}.dat", "--datum", "01.01.2025", "--ansicht", view,
                "--farbe", "nie"]
        theirs = ["remind"] + remind_view + [f"{work}/remind-{n}.rem", "1", "Jan", "2025"]
        a, b = [], []
        for _ in range(runs):
            a.append(run(ours))
            b.append(run(theirs))
        med = lambda xs, i: statistics.median(x[i] for x in xs)
        print(f"{n:>7} {name:>7} {med(a, 0):>10.1f} {med(a, 1):>8.1f} {med(b, 0):>10.1f} {med(b, 1):>8.1f} "
              f"{med(b, 0) / med(a, 0):>6.0f}x {lines(ours):>10}/{lines(theirs):<10}", flush=True)
EOF
