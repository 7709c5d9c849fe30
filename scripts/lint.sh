#!/bin/sh
# The lint step: clang-format in check mode over all sources, then clang-tidy (settings in
# .clang-tidy) over the given source folders, two files at a time. Prints only the findings and
# fails on any. Needs build/ci/compile_commands.json (cmake --preset ci).
set -u
[ $# -gt 0 ] || set -- src/core src/cli
root=$(pwd)
if ! find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror; then
    echo "lint: clang-format findings (make format corrects them)"
    exit 1
fi
pattern=""
for folder in "$@"; do
    pattern="$pattern${pattern:+|}$folder"
done
log=$(mktemp)
database=$(mktemp -d)
trap 'rm -f "$log"; rm -rf "$database"' EXIT
# The desktop program's files are compiled with g++'s precompiled Qt headers, which clang cannot
# read: its copy of the compile commands leaves them out (every file includes what it uses).
sed -e 's# -Winvalid-pch##g' -e 's# -include [^ ]*/cmake_pch\.hxx##g' build/ci/compile_commands.json \
    >"$database/compile_commands.json"
# -Wno-unknown-warning-option: the database holds g++'s flags, some of which clang does not know.
if run-clang-tidy -j2 -p "$database" -quiet -extra-arg=-Wno-unknown-warning-option "^$root/($pattern)/" \
    >"$log" 2>&1; then
    exit 0
fi
sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -v -e '^clang-tidy' -e 'warnings\? generated\.$' -e '^Suppressed' \
    -e '^Use -header-filter' -e '^Running clang-tidy'
echo "lint: clang-tidy findings in $*"
exit 1
