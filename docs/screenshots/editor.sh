#!/bin/sh
# Takes docs/screenshots/editor.png again: the editor with its calendar panel on the appointment
# file and settings beside this script, for the day given (the committed picture: 07.12.2026).
# The window is painted by the program itself, so no X server is needed.
#
#   docs/screenshots/editor.sh [path/to/editor_screenshot] [TT.MM.JJJJ]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/ci/bench/editor_screenshot}
day=${2:-07.12.2026}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/editor.dat" "$work/notavi.dat"
cp "$here/editor.ini" "$work/notavi.ini"
: > "$work/notavi.por"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" "$work" "$here/editor.png" "$day"
