#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, if any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config fontconfig
    qtbase5-dev libqt5svg5-dev libqt5sql5-sqlite libsqlite3-dev qttools5-dev-tools qttools5-dev qttranslations5-l10n
    libbenchmark-dev
    xvfb xauth x11-apps imagemagick poppler-utils
    fonts-dejavu-core fonts-liberation2 fonts-noto-cjk
    clang libclang-rt-14-dev clang-format clang-tidy python3
    dpkg-dev desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
