#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs every test there; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
scripts/build.sh build-sanitize -DVIRE_SANITIZE=ON -DVIRE_BENCH=OFF
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/../scripts/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
