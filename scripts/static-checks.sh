#!/usr/bin/env bash
# The static checks over every C++ file under src/, tests/, bench/ and fuzz/ (found afresh each run, so new
# files are covered without listing them): clang-format, clang-tidy (.clang-tidy) and cppcheck
# (scripts/cppcheck.supp holds the answered findings); and over src/, that no name of the window system's
# headers (scripts/windows-names.txt) stands anywhere in it. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

# MinGW-w64's headers for the files only Windows builds compile.
quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}" "${QUORLEX_CHECK_PACKAGES[@]}" g++-mingw-w64-x86-64-posix

jobs="${QUORLEX_JOBS:-2}"
root="$PWD"
log_dir=build-tidy/logs
# tests/web/node_modules holds the browser tests' npm packages, some of which carry C sources of their own.
mapfile -t sources < <(find src tests bench fuzz -path tests/web/node_modules -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -v 'Windows\.cpp$')
# The system calls of Windows (src/.../*Windows.cpp) are compiled by the Windows build alone; clang-tidy
# reads them as MinGW-w64 compiles them.
mapfile -t windows_units < <(printf '%s\n' "${sources[@]}" | grep 'Windows\.cpp$')
status=0

# A macro of <windows.h> would replace our name wherever it stands, namespaces and all, so the program's own
# code keeps clear of those names, comments included.
mapfile -t program_sources < <(printf '%s\n' "${sources[@]}" | grep '^src/')
echo "== window-system names (${#program_sources[@]} files)"
names_status=0
grep -nwE -f <(grep -vE '^[[:space:]]*(#|$)' scripts/windows-names.txt) "${program_sources[@]}" || names_status=$?
if [ "$names_status" -ne 1 ]; then
    echo "window-system names: the lines above use a name of scripts/windows-names.txt; say it in our own words" >&2
    status=1
fi

echo "== clang-format (${#sources[@]} files)"
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
    echo "clang-format: run clang-format-14 -i on the files above" >&2
    status=1
fi

# Compilation databases: the program, its tests and benchmarks as clang sees them (with the files Qt's moc
# generates, which tests include), and the fuzz project. Configuring is enough; nothing is compiled.
cmake -S . -B build-tidy -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON >/dev/null
cmake --build build-tidy --target autogen -j"$jobs" >/dev/null
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
mkdir -p "$log_dir"

# A source file that no target compiles would escape clang-tidy unnoticed.
for unit in "${units[@]}"; do
    if ! grep -qF "\"$root/$unit\"" build-tidy/compile_commands.json build-fuzz/compile_commands.json; then
        echo "static checks: $unit is compiled by no target, so it cannot be checked" >&2
        status=1
    fi
done

echo "== clang-tidy (${#units[@]} translation units)"
tidy_one() {
    local unit="$1" database=build-tidy
    case "$unit" in fuzz/*) database=build-fuzz ;; esac
    clang-tidy-14 -p "$database" --quiet "$unit" >"$log_dir/$(echo "$unit" | tr / _).log" 2>&1 ||
        { grep -E '(warning|error):' "$log_dir/$(echo "$unit" | tr / _).log" | grep -v 'warnings generated' || true; return 1; }
}
export -f tidy_one
export log_dir
if ! printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} bash -c 'tidy_one "$1"' _ {}; then
    echo "clang-tidy: findings above (logs in $log_dir/)" >&2
    status=1
fi

echo "== clang-tidy for Windows (${#windows_units[@]} translation units)"
mingw_cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
for unit in "${windows_units[@]}"; do
    log="$log_dir/$(echo "$unit" | tr / _).log"
    if ! clang-tidy-14 --quiet "$unit" -- --target=x86_64-w64-mingw32 -std=c++20 -I src \
        -isystem "$mingw_cxx" -isystem "$mingw_cxx/x86_64-w64-mingw32" -isystem /usr/x86_64-w64-mingw32/include \
        >"$log" 2>&1; then
        grep -E '(warning|error):' "$log" | grep -v 'warnings generated' || true
        echo "clang-tidy: findings above (log in $log)" >&2
        status=1
    fi
done

echo "== cppcheck"
if ! cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
    -I src -I fuzz -I tests --library=qt --library=googletest -i "$root/tests/web/node_modules" \
    --inline-suppr --suppress=missingIncludeSystem --suppressions-list=scripts/cppcheck.supp \
    --error-exitcode=1 -j"$jobs" --quiet --template='{file}:{line}: {severity} [{id}] {message}' \
    "$root/src" "$root/tests" "$root/bench" "$root/fuzz"; then
    echo "cppcheck: findings above; fix them or answer them in scripts/cppcheck.supp" >&2
    status=1
fi

if [ "$status" -eq 0 ]; then
    echo "static checks: clean"
fi
exit "$status"
