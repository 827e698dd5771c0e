#!/usr/bin/env bash
# Builds Quorlex with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# every ctest test there (GoogleTest and Qt Test alike). Any sanitizer report fails its test, and any failed
# test makes this script exit non-zero.
#
#   scripts/sanitize.sh            configure, build, run every test
#   scripts/sanitize.sh -R Engine  extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}"
quorlex_ensure_test_locale

build_dir=build-asan
jobs="${QUORLEX_JOBS:-2}"

# Debug keeps the assertions on (the conversion matrix checks every index); -O1 keeps the run quick.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DQUORLEX_SANITIZE=ON -DQUORLEX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j"$jobs"

# halt_on_error with -fno-sanitize-recover: the first report ends the test with a non-zero status.
# The leak suppressions cover only leaks inside Qt and the font and X libraries; each is commented there.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen

ctest --test-dir "$build_dir" --output-on-failure -j"$jobs" "$@"
