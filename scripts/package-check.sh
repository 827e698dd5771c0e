#!/usr/bin/env bash
# Checks Quorlex's desktop integration and its Debian package: validates the desktop entry, the AppStream
# metadata and the manual pages, builds the .deb with CPack, checks its file list and control fields,
# installs it, starts the installed program on a virtual X server, checks that its window appears, runs the
# installed quorlex-convert and its bash completion, and removes the package again.
#
#   scripts/package-check.sh          (needs root or sudo for the install step)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

app_id=io.github.quorlex.Quorlex
quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}" desktop-file-utils appstream dpkg-dev xvfb xdotool
quorlex_configure_and_build Release

echo "== desktop entry"
desktop-file-validate "packaging/$app_id.desktop"
echo "== AppStream metadata"
appstreamcli validate --no-net "build/packaging/$app_id.metainfo.xml"
echo "== manual pages"
for page in packaging/quorlex.1 packaging/quorlex-convert.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || true)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings" >&2
        exit 1
    fi
done
bash -n packaging/quorlex-convert.bash-completion

echo "== Debian package"
rm -f build/quorlex_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/quorlex_*_*.deb)
echo "built $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/quorlex
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    ./usr/share/man/man1/quorlex.1.gz
    ./usr/share/doc/quorlex/copyright
    ./usr/bin/quorlex-convert
    ./usr/share/man/man1/quorlex-convert.1.gz
    ./usr/share/bash-completion/completions/quorlex-convert
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
status=0
for path in "${expected[@]}"; do
    if ! grep -qxF "$path" <<<"$contents"; then
        echo "missing from the package: $path" >&2
        status=1
    fi
done
if grep -qE '\.(a|h|cpp)$|/test_|bench_|render-icon|case_driver' <<<"$contents"; then
    echo "the package holds build files:" >&2
    grep -E '\.(a|h|cpp)$|/test_|bench_|render-icon|case_driver' <<<"$contents" >&2
    status=1
fi
echo "files: $(grep -c -v '/$' <<<"$contents")"

field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
[ "$(field Package)" = quorlex ] || { echo "Package field: $(field Package)" >&2; status=1; }
[ "$(field Version)" = "$version" ] || { echo "Version field: $(field Version), not $version" >&2; status=1; }
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation; do
    if ! field Depends | grep -q "$dependency"; then
        echo "Depends lacks $dependency: $(field Depends)" >&2
        status=1
    fi
done
echo "Depends: $(field Depends)"
[ "$status" -eq 0 ] || exit "$status"

echo "== install, start, remove"
quorlex_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
removed=0
remove_package() {
    if [ "$removed" -eq 0 ]; then
        quorlex_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorlex >/dev/null || true
        removed=1
    fi
}

app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${QUORLEX_XVFB_PID:-}" ] && kill "$QUORLEX_XVFB_PID" 2>/dev/null || true
    remove_package
}
trap cleanup EXIT
quorlex_start_xvfb 1024x768

QT_QPA_PLATFORM=xcb /usr/bin/quorlex &
app_pid=$!
if ! window=$(timeout 20 xdotool search --sync --name '^Units of Measure Conversion, Version - '"$version"'$'); then
    echo "the installed program showed no window" >&2
    exit 1
fi
echo "the installed program's window appeared: $(xdotool getwindowname "$window")"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=

echo "== the installed command line"
converted=$(printf 'plot,fuel_load\n1,12.5\n' | /usr/bin/quorlex-convert --csv - --column fuel_load ton/ac Mg/ha)
[ "$converted" = $'plot,fuel_load,fuel_load [Mg/ha]\n1,12.5,28.0212789048614' ] ||
    { echo "quorlex-convert wrote: $converted" >&2; exit 1; }
[ "$(/usr/bin/quorlex-convert --version)" = "quorlex-convert $version" ] ||
    { echo "quorlex-convert --version: $(/usr/bin/quorlex-convert --version)" >&2; exit 1; }
man -w quorlex-convert >/dev/null
completions=$(bash -c 'source /usr/share/bash-completion/completions/quorlex-convert
    COMP_WORDS=(quorlex-convert --list Fu); COMP_CWORD=2; _quorlex_convert; printf "%s " "${COMPREPLY[@]}"
    COMP_WORDS=(quorlex-convert 1 ton/a); COMP_CWORD=2; _quorlex_convert; printf "%s " "${COMPREPLY[@]}"
    COMP_WORDS=(quorlex-convert --dec); COMP_CWORD=1; _quorlex_convert; printf "%s " "${COMPREPLY[@]}"')
[ "$completions" = "FuelLoad ton/ac-ft ton/ac-in ton/ac --decimal-comma " ] ||
    { echo "the bash completion offered: $completions" >&2; exit 1; }
echo "quorlex-convert converts, and completes: $completions"
remove_package
if dpkg-query -W -f='${Status}' quorlex 2>/dev/null | grep -q 'install ok installed'; then
    echo "quorlex is still installed" >&2
    exit 1
fi
echo "package check passed"
