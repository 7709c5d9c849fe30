#!/bin/sh
# Installs what the build needs from Debian's packages; quiet and quick when all is there.
# With package names as arguments it installs those instead (the tools of single scripts:
# remind for the comparison, xvfb and imagemagick for the screenshot).
set -eu
PACKAGES="cmake ninja-build g++ make pkg-config qt6-base-dev qt6-translations-l10n libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev fonts-liberation clang-format clang-tidy poppler-utils"
[ $# -gt 0 ] && PACKAGES="$*"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installiere fehlende Pakete:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
