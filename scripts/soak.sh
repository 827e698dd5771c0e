#!/usr/bin/env bash
# The window soak: many Compute commands through the window offscreen (tests/soak/WindowSoak.cpp), twice.
#
#  1. The release build (build/): 100,000 commands; the peak resident memory after 1,000 commands and after
#     all of them. Fails when it grew by more than 1 MB.
#  2. The sanitizer build (build-asan/, as scripts/sanitize.sh makes it): a shorter run under
#     AddressSanitizer with LeakSanitizer; counts the leak reports at exit and those with a frame in our
#     code (src/ or tests/). Fails on any leak that scripts/lsan.supp does not suppress.
#
#   scripts/soak.sh                      100000 commands, then 20000 under the sanitizers
#   QUORLEX_SOAK_COMMANDS=20000 QUORLEX_SOAK_SANITIZED_COMMANDS=1000 scripts/soak.sh
#
# Not part of ./test or CI: it takes about a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}"

commands="${QUORLEX_SOAK_COMMANDS:-100000}"
sanitized_commands="${QUORLEX_SOAK_SANITIZED_COMMANDS:-20000}"
checkpoint=1000
limit_kb=1024
jobs="${QUORLEX_JOBS:-2}"
log_dir=build/soak
status=0

export QT_QPA_PLATFORM=offscreen

echo "== release build: $commands commands"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target window_soak -j"$jobs" >/dev/null
mkdir -p "$log_dir"
if ! build/tests/soak/window_soak "$commands" "$((commands < checkpoint ? commands : checkpoint))" | tee "$log_dir/release.log"; then
    echo "soak: a run-time error reached the window's top level" >&2
    status=1
fi
growth=$(sed -n 's/^window soak: peak RSS growth .*: \(-\?[0-9]*\) kB$/\1/p' "$log_dir/release.log")
if [ -z "$growth" ]; then
    echo "soak: no memory figures in $log_dir/release.log" >&2
    status=1
elif [ "$growth" -gt "$limit_kb" ]; then
    echo "soak: peak RSS grew by $growth kB, more than $limit_kb kB" >&2
    status=1
else
    echo "soak: peak RSS growth $growth kB (limit $limit_kb kB)"
fi

echo "== sanitizer build: $sanitized_commands commands under AddressSanitizer and LeakSanitizer"
# The same configuration as scripts/sanitize.sh, so that neither script rebuilds the other's work.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DQUORLEX_SANITIZE=ON -DQUORLEX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-asan --target window_soak -j"$jobs" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
sanitized_log="$log_dir/sanitized.log"
sanitized_status=0
build-asan/tests/soak/window_soak "$sanitized_commands" "$((sanitized_commands < checkpoint ? sanitized_commands : checkpoint))" >"$sanitized_log" 2>&1 || sanitized_status=$?
grep '^window soak' "$sanitized_log" || true

# Each leak report is a "Direct leak" or "Indirect leak" line followed by its stack, up to a blank line.
read -r leaks ours < <(awk -v root="$PWD/" '
    /^(Direct|Indirect) leak/ { inLeak = 1; leaks++; mine = 0; next }
    inLeak && /^$/ { inLeak = 0; if (mine) ours++; next }
    inLeak && (index($0, root "src/") || index($0, root "tests/")) { mine = 1 }
    END { if (inLeak && mine) ours++; print leaks + 0, ours + 0 }' "$sanitized_log")
echo "soak: LeakSanitizer: $leaks leak reports, $ours in our code"
if [ "$leaks" -gt 0 ] || [ "$sanitized_status" -ne 0 ]; then
    echo "soak: the sanitizer run failed (exit $sanitized_status); see $sanitized_log" >&2
    grep -E 'ERROR|SUMMARY|runtime error' "$sanitized_log" | head -5 >&2 || true
    status=1
fi

exit "$status"
