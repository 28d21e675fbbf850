#!/usr/bin/env bash
# Configures (once) and builds one of the three builds: native, win64 or win32.
# Usage: scripts/build.sh native|native-asan|win64|win32|fuzz [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1; shift
# QB_BUILD_TAG keeps separate build folders for work that runs side by side.
build="$root/build/${QB_BUILD_TAG:+$QB_BUILD_TAG-}$kind"
# Paths inside the tree reach the compiler cache relative to it, so every clone and work
# tree of the project shares one cache.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
case "$kind" in
  native)      args=(-DCMAKE_BUILD_TYPE=Debug) ;;
  native-asan) args=(-DCMAKE_BUILD_TYPE=Debug -DQB_SANITIZE=ON) ;;
  win64)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
  win32)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake") ;;
  # The libFuzzer targets of fuzz/, built with clang; by default all of them.
  fuzz)        args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQB_FUZZ=ON)
               [ $# -gt 0 ] || set -- qb_fuzz ;;
  *) echo "unknown build: $kind" >&2; exit 2 ;;
esac
# The test programs are built with Debian's GoogleTest sources when they are there.
if [ -d /usr/src/googletest ]; then args+=(-DQB_GTEST_DIR=/usr/src/googletest); fi
# Configured once; again when a folder configured before the test programs became optional
# has not been told where GoogleTest is.
if [ ! -f "$build/build.ninja" ] ||
   { [ -d /usr/src/googletest ] && ! grep -q '^QB_GTEST_DIR:PATH=/' "$build/CMakeCache.txt"; }; then
  cmake -S "$root" -B "$build" -G Ninja "${args[@]}" >/dev/null
fi
cmake --build "$build" -- "$@"
