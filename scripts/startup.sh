#!/usr/bin/env bash
# Start-up measurement: the time from starting a process to its window being mapped on a virtual X server,
# and the process's peak resident memory, for Quorlex (build/quorlex) and for a bare Qt window with the
# same kinds of controls built from this tree (tests/startup/bare_window.cpp). Both are measured in the
# same run, alternately (the order swaps every round), by tests/startup/StartupTimer.cpp, which watches the
# X server from outside and leaves each program half a second to paint before ending it.
#
#   scripts/startup.sh          20 rounds
#   scripts/startup.sh 50       50 rounds
#
# Prints both medians and the ratios; exits 1 when a ratio misses its goal (time at most 1.3, peak
# memory at most 1.2). Not part of ./test or CI: the figures depend on the machine's load.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

rounds="${1:-20}"
time_goal=1.3
memory_goal=1.2

quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}" xvfb libxcb1-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target quorlex bare_window startup_timer -j"${QUORLEX_JOBS:-2}" >/dev/null

log_dir=build/startup
mkdir -p "$log_dir"

# A virtual X server of our own: it picks a free display number itself and writes it down once it is ready;
# it does not reset between one program and the next, when no client is connected.
rm -f "$log_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$log_dir/display" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$log_dir/display" ] && break
    sleep 0.1
done
if ! [ -s "$log_dir/display" ]; then
    echo "startup: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(cat "$log_dir/display")"
export QT_QPA_PLATFORM=xcb

: >"$log_dir/quorlex.txt"
: >"$log_dir/bare_window.txt"

measure() {
    local name="$1" program="$2"
    build/tests/startup/startup_timer "$program" >>"$log_dir/$name.txt"
}

# One round of each first, not counted: the libraries come into the page cache.
build/tests/startup/startup_timer build/quorlex >/dev/null
build/tests/startup/startup_timer build/tests/startup/bare_window >/dev/null

for round in $(seq "$rounds"); do
    if [ $((round % 2)) -eq 1 ]; then
        measure quorlex build/quorlex
        measure bare_window build/tests/startup/bare_window
    else
        measure bare_window build/tests/startup/bare_window
        measure quorlex build/quorlex
    fi
done

# The median of one column (2: milliseconds, 4: kB) of a file of timer lines.
median() {
    awk -v column="$2" '{ print $column }' "$1" | sort -g |
        awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

program_ms=$(median "$log_dir/quorlex.txt" 2)
bare_ms=$(median "$log_dir/bare_window.txt" 2)
program_kb=$(median "$log_dir/quorlex.txt" 4)
bare_kb=$(median "$log_dir/bare_window.txt" 4)
time_ratio=$(awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')
memory_ratio=$(awk -v a="$program_kb" -v b="$bare_kb" 'BEGIN { printf "%.2f", a / b }')

printf '%-12s %22s %20s\n' "" "start to mapped (ms)" "peak RSS (kB)"
printf '%-12s %22s %20s\n' quorlex "$program_ms" "$program_kb"
printf '%-12s %22s %20s\n' bare_window "$bare_ms" "$bare_kb"
printf '%-12s %22s %20s\n' ratio "$time_ratio (goal $time_goal)" "$memory_ratio (goal $memory_goal)"
echo "medians of $rounds rounds; every run in $log_dir/"

status=0
if awk -v r="$time_ratio" -v g="$time_goal" 'BEGIN { exit !(r > g) }'; then
    echo "startup: the start-up time ratio $time_ratio misses its goal of $time_goal" >&2
    status=1
fi
if awk -v r="$memory_ratio" -v g="$memory_goal" 'BEGIN { exit !(r > g) }'; then
    echo "startup: the peak memory ratio $memory_ratio misses its goal of $memory_goal" >&2
    status=1
fi
exit "$status"
