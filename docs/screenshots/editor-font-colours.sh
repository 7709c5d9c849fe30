#!/bin/sh
# Takes docs/screenshots/editor-font-colours.png again: the editor as editor.sh takes it, on a
# screen of 1280 x 1024, its text in a font and on a background colour of the user's own.
#
#   docs/screenshots/editor-font-colours.sh [path/to/notavi]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exec sh "$here/editor.sh" "${1:-$here/../../build/ci/src/notavi/notavi}" "$here/editor-font-colours.ini" \
    "$here/editor-font-colours.png" 1280x1024
