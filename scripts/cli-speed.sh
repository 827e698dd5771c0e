#!/usr/bin/env bash
# How fast quorlex-convert converts a column, beside other ways of doing it, and how much memory it takes.
# Makes a 1,000,000-row delimited file (an id and a value column) and times, in the same run:
#   - quorlex-convert converting the value column from tons per acre to megagrams per hectare, in the
#     default mode (the window's automatic places) and with -g (the general text);
#   - mawk (Debian's awk) printing the id, the value and the value times the factor with %.15g;
#   - GNU units converting 10,000 of the values read from standard input, scaled to a million;
#   - Python's csv module reading the rows and writing the value times the factor.
# Each is run QUORLEX_SPEED_RUNS times (default 5); the median CPU time (user + system) counts, as the
# machine may be shared; elapsed times are shown too. Then it makes a file of over 200 MB and reports the
# peak memory (RSS) of converting it from a file and from standard input. Nothing it makes is kept.
#
#   scripts/cli-speed.sh                  the figures for docs/performance.md
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_packages g++ cmake make libcli11-dev libfast-float-dev mawk units python3 time
runs="${QUORLEX_SPEED_RUNS:-5}"
rows=1000000
from=ton/ac
to=Mg/ha

build_dir=build-speed
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DQUORLEX_BUILD_APP=OFF -DQUORLEX_BUILD_TESTS=OFF \
    -DQUORLEX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j"${QUORLEX_JOBS:-2}" --target quorlex-convert >/dev/null
convert="$PWD/$build_dir/quorlex-convert"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
factor=$("$convert" --factor "$from" "$to")

# Values as plot sheets hold them: 0 to 200 with one to four decimals.
make_rows() {
    mawk -v n="$1" 'BEGIN { srand(20261208); print "id,value"
        for (i = 1; i <= n; i++) printf "%d,%.*f\n", i, i % 4 + 1, rand() * 200 }'
}
make_rows "$rows" >"$work/rows.csv"
size_mb=$(du -m "$work/rows.csv" | cut -f1)

# 10,000 values as GNU units reads them: "You have" and "You want" on alternate lines.
mawk -F, 'NR > 1 && NR <= 10001 { print $2 " ton/acre"; print "Mg/hectare" }' "$work/rows.csv" >"$work/units.in"
cat >"$work/multiply.py" <<PYTHON
import csv, sys
reader = csv.reader(open(sys.argv[1], newline=""))
writer = csv.writer(sys.stdout, lineterminator="\n")
header = next(reader)
writer.writerow(header + ["value [$to]"])
for row in reader:
    writer.writerow(row + [format(float(row[1]) * $factor, ".15g")])
PYTHON

# The median of the runs of a command: "CPU elapsed" in seconds.
measure() {
    local i
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f "%U %S %e" -o "$work/time" "$@" >/dev/null
        mawk '{ printf "%.3f %.3f\n", $1 + $2, $3 }' "$work/time"
    done | sort -n | mawk -v runs="$runs" 'NR == int((runs + 1) / 2) { print }'
}

declare -A cpu elapsed
record() {
    local name="$1" scale="$2"
    shift 2
    read -r c e < <(measure "$@")
    cpu[$name]=$(mawk -v c="$c" -v s="$scale" 'BEGIN { printf "%.3f", c * s }')
    elapsed[$name]=$(mawk -v e="$e" -v s="$scale" 'BEGIN { printf "%.3f", e * s }')
}
record default 1 "$convert" --csv "$work/rows.csv" --column value "$from" "$to"
record general 1 "$convert" -g --csv "$work/rows.csv" --column value "$from" "$to"
record mawk 1 mawk -F, -v f="$factor" -v to="$to" \
    'NR == 1 { print $0 ",value [" to "]"; next } { printf "%s,%s,%.15g\n", $1, $2, $2 * f }' "$work/rows.csv"
record units 100 sh -c 'units -t <"$1"' units "$work/units.in"
record python 1 python3 "$work/multiply.py" "$work/rows.csv"

echo "$rows rows ($size_mb MB), $from to $to (factor $factor), median of $runs runs"
printf '%-32s %10s %10s %12s\n' "" "CPU s" "us/row" "elapsed s"
for name in default general mawk units python; do
    case $name in
    default) label="quorlex-convert" ;;
    general) label="quorlex-convert -g" ;;
    mawk) label="mawk %.15g" ;;
    units) label="GNU units (x100 of 10,000)" ;;
    python) label="Python csv" ;;
    esac
    printf '%-32s %10s %10s %12s\n' "$label" "${cpu[$name]}" \
        "$(mawk -v c="${cpu[$name]}" -v n="$rows" 'BEGIN { printf "%.3f", c * 1e6 / n }')" "${elapsed[$name]}"
done
ratio() { mawk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
echo "CPU ratios: mawk / default $(ratio "${cpu[mawk]}" "${cpu[default]}"), mawk / -g $(ratio "${cpu[mawk]}" "${cpu[general]}"),"
echo "  units / default $(ratio "${cpu[units]}" "${cpu[default]}"), python / default $(ratio "${cpu[python]}" "${cpu[default]}"),"
echo "  python / -g $(ratio "${cpu[python]}" "${cpu[general]}"), default / -g $(ratio "${cpu[default]}" "${cpu[general]}")"
echo "elapsed ratios: mawk / default $(ratio "${elapsed[mawk]}" "${elapsed[default]}"), mawk / -g $(ratio "${elapsed[mawk]}" "${elapsed[general]}")"

# Memory: a file of over 200 MB, converted from the file and from standard input.
make_rows 14000000 >"$work/large.csv"
large_mb=$(du -m "$work/large.csv" | cut -f1)
/usr/bin/time -f "%M" -o "$work/rss-file" "$convert" --csv "$work/large.csv" --column value "$from" "$to" >/dev/null
/usr/bin/time -f "%M" -o "$work/rss-stdin" "$convert" --csv - --column value "$from" "$to" <"$work/large.csv" >/dev/null
tail -n +2 "$work/large.csv" | cut -d, -f2 >"$work/large.values"
/usr/bin/time -f "%M" -o "$work/rss-lines" "$convert" "$from" "$to" <"$work/large.values" >/dev/null
echo "peak RSS converting $large_mb MB: $(($(cat "$work/rss-file") / 1024)) MB from the file," \
    "$(($(cat "$work/rss-stdin") / 1024)) MB from standard input," \
    "$(($(cat "$work/rss-lines") / 1024)) MB for the values alone, one per line (goal: at most 16 MB)"
