#!/usr/bin/env bash
# Configures (once) and builds into the given folder; further arguments go to CMake.
#   scripts/build.sh [--target NAME]... [--log FILE] DIR [CMake arguments]
# --target builds only NAME and what it needs (default: everything).
# --log says one line per phase and appends the tools' output to FILE, whose
# end is shown if a step fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/logged.sh"
targets=() log=
while [ $# -gt 0 ]; do
  case $1 in
    --target) targets+=("$2"); shift 2 ;;
    --log) log=$2; shift 2 ;;
    *) break ;;
  esac
done
dir=${1:-build}
shift || true

step() {   # step <what it does> <command>...
  if [ -n "$log" ]; then
    echo "$1"
    logged "$log" "${@:2}"
  else
    "${@:2}"
  fi
}

if [ ! -f "$root/$dir/CMakeCache.txt" ] && [ ! -f "$dir/CMakeCache.txt" ]; then
  gen=()
  command -v ninja >/dev/null 2>&1 && gen=(-G Ninja)
  step "Configuring $dir/" cmake -S "$root" -B "$dir" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
fi
# Paths below the tree's root are hashed relative to it, so another clone of
# the tree (CI's fresh one) reuses what this one compiled. With debug
# information ccache also hashes the build folder's own path unless told not
# to; the price is that a reused object's debug information names the folder
# it was first compiled in.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR-1}
# What ccache did in this build alone (the machine's counters are shared).
export CCACHE_STATSLOG=$(cd "$dir" && pwd)/ccache-stats.log
rm -f "$CCACHE_STATSLOG"

build=(cmake --build "$dir" -j "$(nproc)")
[ ${#targets[@]} -eq 0 ] || build+=(--target "${targets[@]}")
what=${targets[*]:-everything}
if [ -n "$log" ] && [ -f "$dir/build.ninja" ]; then
  # Ninja's dry run counts the steps without running any.
  steps=$(ninja -C "$dir" -n "${targets[@]}" | grep -c '^\[' || true)
  if [ "$steps" -eq 0 ]; then
    echo "Building ${what// /, }: up to date"
  else
    step "Building ${what// /, }: $steps steps" "${build[@]}"
  fi
else
  step "Building ${what// /, }" "${build[@]}"
fi

if [ -z "$log" ] && [ -s "$CCACHE_STATSLOG" ]; then
  # "Hits: 30 / 36 (83.33%)" of ccache's summary, as one line.
  hits=$(ccache --show-log-stats 2>/dev/null | sed -n 's/^ *Hits: *\([0-9]*\) *\/ *\([0-9]*\).*/\1 of \2/p')
  [ -z "$hits" ] || echo "ccache: $hits compilations from the cache"
fi
