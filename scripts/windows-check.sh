#!/usr/bin/env bash
# The part of Quorlex below the window, for 64-bit Windows: cross-builds the error, number and engine
# libraries, quorlex-convert.exe and their GoogleTest programs with MinGW-w64 into build-windows/
# (cmake --preset windows-cross), checks that every program needs only DLLs that come with Windows, runs
# each GoogleTest program once under Wine and the command line's cases through quorlex-convert.exe, and
# packs build-windows/quorlex-convert-VERSION-windows-x64.zip. A skipped test fails the check: the
# decimal-comma locale test, above all, has to run there. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

start=$SECONDS
quorlex_ensure_packages "${QUORLEX_WINDOWS_PACKAGES[@]}"

build=build-windows
jobs="${QUORLEX_JOBS:-$(nproc)}"
# The command line's case driver runs here and starts the .exe through Wine, so it is built for this machine.
mkdir -p "$build/host"
host_driver="$PWD/$build/host/cli_case_driver"
if [ ! -x "$host_driver" ] || [ tests/cli/CaseDriver.cpp -nt "$host_driver" ]; then
    c++ -std=c++20 -O2 -Wall -Wextra -o "$host_driver" tests/cli/CaseDriver.cpp
fi
cmake --preset windows-cross -DQUORLEX_HOST_CASE_DRIVER="$host_driver" >/dev/null
cmake --build --preset windows-cross -j"$jobs"

# The value of one variable in the build's CMake cache.
cache_value() {
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}

echo "== DLLs the programs need"
# Windows' own DLLs; anything else (libstdc++-6.dll, libwinpthread-1.dll, ...) would have to be shipped.
system_dlls='^(kernel32|msvcrt|ucrtbase|api-ms-win-.*|advapi32|shell32|user32|ole32|ws2_32)\.dll$'
mapfile -t programs < <(find "$build" \( -path "$build/wine-prefix" -o -path "$build/quorlex-convert-*" \
    -o -name CMakeFiles \) -prune -o -name '*.exe' -print | sort)
if [ "${#programs[@]}" -eq 0 ]; then
    echo "windows check: the build made no programs" >&2
    exit 1
fi
status=0
for program in "${programs[@]}"; do
    mapfile -t dlls < <(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
    echo "$program: ${dlls[*]}"
    for dll in "${dlls[@]}"; do
        if ! echo "$dll" | tr '[:upper:]' '[:lower:]' | grep -qE "$system_dlls"; then
            echo "windows check: $program needs $dll, which Windows does not have" >&2
            status=1
        fi
    done
done
[ "$status" -eq 0 ] || exit "$status"

echo "== tests under Wine"
# A persistent wineserver spares every later start of a program the server's start-up. wineboot then makes
# the prefix the emulator command names when there is none, and starts the session's own processes
# (services, devices, the desktop) with no terminal: started by the first test, they would hold on to that
# test's output, and ctest would wait for them until the test's time ran out.
IFS=';' read -ra emulator <<<"$(cache_value CMAKE_CROSSCOMPILING_EMULATOR)"
WINEPREFIX="$(cache_value QUORLEX_WINEPREFIX)"
wineserver="$(dirname "$(cache_value QUORLEX_WINE)")/wineserver"
export WINEPREFIX
mkdir -p "$WINEPREFIX"
stop_wineserver() {
    "$wineserver" -k >/dev/null 2>&1 || true
    "$wineserver" -w >/dev/null 2>&1 || true
}
trap stop_wineserver EXIT
# Fails when a server for this prefix is still running from an interrupted run; that one serves as well.
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
boot_start=$SECONDS
"${emulator[@]}" wineboot </dev/null >"$build/wineboot.log" 2>&1
echo "started Wine in $WINEPREFIX in $((SECONDS - boot_start)) s"

ctest --preset windows-cross --output-on-failure -j"$jobs"

# Every GoogleTest program ends with "[  PASSED  ] N tests." when all its cases passed, the case driver
# with "N cases, 0 failed".
log="$build/Testing/Temporary/LastTest.log"
cases=$(grep -hoE '^\[  PASSED  \] [0-9]+ test' "$log" | awk '{ sum += $4 } END { print sum + 0 }')
cli_cases=$(grep -hoE '^[0-9]+ cases, 0 failed' "$log" | awk '{ sum += $1 } END { print sum + 0 }')
if [ "$cli_cases" -eq 0 ]; then
    echo "windows check: the command line's cases did not run" >&2
    exit 1
fi

echo "== package"
# The program, its manual as plain text (UTF-8, Windows line endings, no hyphenation) and the license.
version=$(cache_value CMAKE_PROJECT_VERSION)
package="$build/quorlex-convert-$version-windows-x64"
rm -rf "$package" "$package.zip"
mkdir -p "$package"
cp "$build/quorlex-convert.exe" "$package/"
groff -t -man -Tutf8 -P-cbou -rHY=0 packaging/quorlex-convert.1 | sed 's/$/\r/' >"$package/quorlex-convert.txt"
sed 's/$/\r/' LICENSE >"$package/LICENSE.txt"
(cd "$build" && zip -qrX "$(basename "$package").zip" "$(basename "$package")")
unzip -l "$package.zip"
test_programs=$(printf '%s\n' "${programs[@]}" | grep -c '/test_[^/]*\.exe$')
echo "windows check passed in $((SECONDS - start)) s: $cases GoogleTest cases in $test_programs programs and" \
    "$cli_cases command-line cases through quorlex-convert.exe under Wine"
