#!/bin/sh
# Large and hostile appointment files at full size: each kind at a quarter, half and all of its size,
# loaded like the main window loads notavi.dat and evaluated in the 8-day view (notavi-probe). Prints
# processor time of load and evaluation, peak memory (MB) after the load and at the end, and whether the
# time grows in proportion to the size (ratio of the full to the quarter size: 4 is linear).
#
#   bench/hostile_input.sh            (builds the release preset first)
set -eu
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target notavi-probe >/dev/null
PROBE=$PWD/build/release/tools/notavi-probe
WORK=$(mktemp -d)
trap 'chmod -R u+rwx "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT

# make KIND SCALE DIR: writes DIR/notavi.dat; SCALE 1, 2 or 4 (quarter, half, full size).
make_file() {
    mkdir -p "$3"
    python3 - "$1" "$2" "$3/notavi.dat" <<'EOF'
import sys
kind, scale, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
info = b"\r\n".join([b"*", b"*    Notavi 9.00"] + [b"*"] * 9) + b"\r\n"
weekly = "Wöchentliche Termine:".encode("cp1252") + b"\r\n"
with open(path, "wb") as f:
    if kind == "100mb":            # 100 MB of one-time appointments of 100 bytes
        f.write(info + b"Einmalige Termine:\r\n")
        line = b"15.03.2025 " + b"z" * 80 + b" %06d\r\n"
        for i in range(250_000 * scale):
            f.write(line % (i % 1_000_000))
    elif kind == "2m-lines":       # 2 million weekly lines, each with an entry in the 8-day view
        f.write(info + weekly)
        f.write(b"Mo Sport\r\n" * (500_000 * scale))
    elif kind == "10mb-line":      # one appointment line of 10 MB
        f.write(info + b"Einmalige Termine:\r\n01.01.2025 " + b"x" * (2_500_000 * scale) + b"\r\n")
    elif kind == "nul":            # 10 MB of NUL bytes and nothing else
        f.write(b"\0" * (2_500_000 * scale))
    elif kind == "lone-cr":        # 2 million lines ended by a lone CR
        f.write(info.replace(b"\r\n", b"\r") + weekly.replace(b"\r\n", b"\r"))
        f.write(b"Di x\0y\r" * (500_000 * scale))
    elif kind == "no-end-lines":   # 100 000 blocks, none with an end line
        f.write(info + b"GEB\r\n01.01.2000 Name\r\n" * (25_000 * scale))
EOF
}

value() { # value KEY LINE
    printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p"
}

printf '%-13s %9s %10s %8s %10s %8s %10s %10s %9s\n' kind size_mb lines status load_ms eval_ms load_peak_mb peak_mb "t(4)/t(1)"
for kind in 100mb 2m-lines 10mb-line nul lone-cr no-end-lines; do
    first=""
    for scale in 1 2 4; do
        dir=$WORK/$kind-$scale
        make_file "$kind" "$scale" "$dir"
        bytes=$(wc -c <"$dir/notavi.dat")
        out=$("$PROBE" "$dir" 0 01.01.2025)
        rm -f "$dir/notavi.dat"
        total=$(echo "$(value load_ms "$out") + $(value evaluate_ms "$out")" | bc)
        [ -z "$first" ] && first=$total
        ratio=""
        [ "$scale" = 4 ] && ratio=$(echo "scale=1; $total / $first" | bc)
        printf '%-13s %9.1f %10s %8s %10s %8s %10.0f %10.0f %9s\n' "$kind" \
            "$(echo "$bytes / 1000000" | bc -l)" "$(value lines "$out")" "$(value status "$out")" \
            "$(value load_ms "$out")" "$(value evaluate_ms "$out")" \
            "$(echo "$(value load_peak_kb "$out") * 1.024 / 1000" | bc -l)" "$(echo "$(value peak_kb "$out") * 1.024 / 1000" | bc -l)" "$ratio"
    done
done

# Refused: a folder in place of the file, and a file without read permission (root reads it all the same).
mkdir -p "$WORK/folder/notavi.dat"
printf '%-13s %s\n' folder "$("$PROBE" "$WORK/folder" 0)"
mkdir -p "$WORK/unreadable" && echo x >"$WORK/unreadable/notavi.dat" && chmod 000 "$WORK/unreadable/notavi.dat"
if [ "$(id -u)" -eq 0 ]; then
    printf '%-13s %s\n' unreadable "(skipped: running as root, which reads every file)"
else
    printf '%-13s %s\n' unreadable "$("$PROBE" "$WORK/unreadable" 0)"
fi

# Special files and links in place of notavi.dat, timed by wall clock (ms): a pipe nobody writes to
# (it hung open() for ever), a link to a file (loaded through it) and a
# dangling link (a load failure, never a new default file). notavi-cli runs under a timeout of 10 s.
CLI_BUILD=$PWD/build/release/src/cli/notavi-cli
cmake --build --preset release --target notavi-cli >/dev/null
now_ms() { echo $(($(date +%s%N) / 1000000)); }
timed() { # timed LABEL COMMAND...: prints the label, the time and the first line of the output
    start=$(now_ms)
    out=$(timeout 10 "$@" 2>&1 | head -n 1) || true
    printf '%-22s %6s ms  %s\n' "$1" "$(($(now_ms) - start))" "$out"
}
mkdir -p "$WORK/fifo" && mkfifo "$WORK/fifo/notavi.dat"
timed "fifo (window load)" "$PROBE" "$WORK/fifo" 0
timed "fifo (notavi-cli)" "$CLI_BUILD" --datei "$WORK/fifo/notavi.dat" --farbe nie
make_file 2m-lines 1 "$WORK/linked/real"
mkdir -p "$WORK/linked/base" && ln -s ../real/notavi.dat "$WORK/linked/base/notavi.dat"
timed "link to a file" "$PROBE" "$WORK/linked/base" 0 01.01.2025
mkdir -p "$WORK/dangling" && ln -s "$WORK/not-mounted/notavi.dat" "$WORK/dangling/notavi.dat"
timed "dangling link" "$PROBE" "$WORK/dangling" 0
[ -e "$WORK/not-mounted" ] && echo "dangling link: a file was created behind it" >&2
true
