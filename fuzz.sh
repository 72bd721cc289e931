#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), starting from the generated seed corpus. Targets
# may follow the seconds (./fuzz.sh 600 vcard csv); all of them by default.
# A crash stops the run; its input is kept under build-fuzz/crashes/<target>/
# (copy it to fuzz/regressions/<target>/ once fixed, so the tests replay it).
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(decoder wav csv vcard sheet multistatus http challenge)
source scripts/deps.sh clang libclang-rt-14-dev

dir=build-fuzz
if [ ! -f "$dir/CMakeCache.txt" ]; then
  gen=()
  command -v ninja >/dev/null 2>&1 && gen=(-G Ninja)
  CXX=clang++ cmake -S . -B "$dir" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVIRE_FUZZ=ON -DVIRE_BENCH=OFF
fi
cmake --build "$dir" -j "$(nproc)" --target make_corpus "${targets[@]/#/fuzz_}"

"$dir/fuzz/make_corpus" "$dir/seeds"
status=0
for t in "${targets[@]}"; do
  work="$dir/corpus-run/$t"
  crashes="$dir/crashes/$t"
  mkdir -p "$work" "$crashes"
  # A target with framing tokens to try has them in fuzz/<target>.dict.
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
  echo "== fuzz_$t for ${seconds}s"
  # An image's cost grows with its record count (up to 2,032 records, each
  # decoded and encoded twice); favouring the inputs that run fast keeps the
  # fuzzer from spending nearly all its time on the largest books.
  if ! QT_QPA_PLATFORM=offscreen "$dir/fuzz/fuzz_$t" \
      -max_len=524288 -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
      -entropic_scale_per_exec_time=1 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "${dict[@]}" \
      "$work" "$dir/seeds/$t" fuzz/regressions/$t; then
    echo "fuzz_$t found a failure; see $crashes/" >&2
    status=1
  fi
done
exit $status
