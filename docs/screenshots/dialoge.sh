#!/bin/sh
# Draws docs/screenshots/termin-eingeben.png (the entry dialog with an appointment every two weeks,
# a period and an alarm) and terminblock-ermitteln.png (the block choice) again. The dialogs are
# drawn by the program's own widgets on Qt's offscreen screen, without a desktop's window frame,
# on the fixed day 15.06.2025.
#
#   docs/screenshots/dialoge.sh [path/to/notavi-dialog-shots]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/dev/tools/notavi-dialog-shots}
QT_QPA_PLATFORM=offscreen "$program" "$here"
