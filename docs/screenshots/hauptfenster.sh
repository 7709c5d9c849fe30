#!/bin/sh
# Takes docs/screenshots/hauptfenster.png again: the program on a virtual screen of 1280 x 900 with
# the appointment file and settings beside this script. The view is evaluated for the day the
# script runs; the committed picture was taken on 07.12.2026.
#
#   docs/screenshots/hauptfenster.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/src/notavi/notavi}
sh "$here/take.sh" "$program" "$here/hauptfenster.dat" "$here/hauptfenster.ini" "$here/hauptfenster.png" \
    $(( $(date +%s) + 3 ))
