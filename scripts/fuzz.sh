#!/bin/sh
# Runs every libFuzzer harness for SECONDS (default 60) each, one after the other.
# The seeds in fuzz/corpus/<harness> stay as they are; what the fuzzer finds goes to
# build/fuzz/corpus/<harness>, crashing inputs to build/fuzz/artifacts/. Fails on the first crash.
set -eu
SECONDS_EACH=${1:-60}
cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_appointment_file fuzz_line_options fuzz_settings_file
mkdir -p build/fuzz/artifacts
for harness in appointment_file line_options settings_file; do
    work=build/fuzz/corpus/$harness
    mkdir -p "$work"
    echo "== fuzz_$harness: $SECONDS_EACH s"
    log=build/fuzz/$harness.log
    if ! build/fuzz/fuzz/fuzz_$harness "$work" "fuzz/corpus/$harness" -dict="fuzz/$harness.dict" \
        -max_total_time="$SECONDS_EACH" -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$harness: Fehler gefunden, siehe $log und build/fuzz/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "   $runs Durchläufe, $speed pro Sekunde, Korpus $(ls "$work" | wc -l) Dateien"
done
