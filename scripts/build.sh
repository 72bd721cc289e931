#!/usr/bin/env bash
# Configures (once) and builds into the given folder; further arguments go to CMake.
set -euo pipefail
dir=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/$dir/CMakeCache.txt" ] && [ ! -f "$dir/CMakeCache.txt" ]; then
  gen=()
  command -v ninja >/dev/null 2>&1 && gen=(-G Ninja)
  cmake -S "$root" -B "$dir" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
fi
# Paths below the tree's root are hashed relative to it, so another clone of
# the tree (CI's fresh one) reuses what this one compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
cmake --build "$dir" -j "$(nproc)"
