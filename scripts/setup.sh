#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) when it is missing, then
# configures and builds. Usage: scripts/setup.sh [BUILD_DIR] [extra cmake args]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-charts-dev libqt6opengl6-dev libgl-dev libqt6sql6-sqlite
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev libplist-dev
  python3 xvfb xauth
  desktop-file-utils appstream clang-format
  dpkg-dev file lintian man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${1:-"$here/build"}
shift || true
cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
