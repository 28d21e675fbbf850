#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core
  p7zip-full fp-utils file nsis zip unzip
  # The fuzz targets: clang with its runtime libraries, libFuzzer among them.
  clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
