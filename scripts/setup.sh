# Shared set-up for ./run and ./test: installs the Debian packages Quorlex needs when any is missing, and
# the decimal-comma locale the number tests check against. Sourced, not run.

QUORLEX_BUILD_PACKAGES=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-svg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev libfast-float-dev
    locales
    fonts-liberation
)

# What the reliability checks need beyond a build: clang 14 with its sanitizer and libFuzzer runtimes (the
# fuzz targets), llvm-symbolizer (readable sanitizer stacks), clang-tidy, clang-format and cppcheck, and
# fast_float's headers, which the fuzz project's number texts read with. Only the check scripts install
# these; ./test and ./run do not need them.
QUORLEX_CHECK_PACKAGES=(
    clang-14 libclang-rt-14-dev llvm-14 libfast-float-dev
    clang-tidy-14 clang-format-14
    cppcheck
)

# What the Windows cross build needs: MinGW-w64's compiler for 64-bit Windows, GoogleTest's sources and
# CLI11's and fast_float's headers to build for that target, Wine to run the results, this machine's
# compiler for the command line's case driver, and groff and zip for the package. Only
# scripts/windows-check.sh installs these.
QUORLEX_WINDOWS_PACKAGES=(
    cmake make g++
    g++-mingw-w64-x86-64-posix
    googletest libcli11-dev libfast-float-dev
    wine64
    groff-base zip
)

# What the web page needs: Debian's Emscripten (which brings clang and Node.js) to build the engine module,
# Debian's Terser to minify the page's scripts (the single file must stay within 150 KB gzipped), and
# Python's http.server for ./run web. The browser tests add Chromium and Firefox ESR, and npm where
# Node.js came without it (scripts/web-check.sh).
QUORLEX_WEB_PACKAGES=(
    cmake make
    emscripten nodejs
    terser
    python3
)
QUORLEX_WEB_TEST_PACKAGES=(
    chromium
    firefox-esr
)

quorlex_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "quorlex: need root (or sudo) to run: $*" >&2
        return 1
    fi
}

# Installs the given packages that are not installed yet; does nothing when all are present.
quorlex_ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "quorlex: installing ${missing[*]}"
    quorlex_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    quorlex_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Generates de_DE.UTF-8 when the machine lacks it: the number tests prove that a decimal-comma locale
# changes none of the program's numbers.
quorlex_ensure_test_locale() {
    if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        return 0
    fi
    echo "quorlex: generating the de_DE.UTF-8 locale for the tests"
    quorlex_as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "quorlex: could not generate de_DE.UTF-8" >&2
}

quorlex_configure_and_build() {
    local build_type="$1"
    shift
    cmake -S . -B build -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
    cmake --build build -j"$(nproc)"
}

# Builds the web preset into build-web/: the engine module, build-web/site/ and build-web/quorlex.html.
# Debian's em++ finds its JavaScript tools only with NODE_PATH set.
quorlex_build_web() {
    export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
    cmake --preset web >/dev/null
    cmake --build build-web -j"$(nproc)"
}

# What the web tests need beyond a web build: Chromium, Firefox ESR, npm where Node.js came without it,
# and playwright-core, puppeteer-core and axe-core from tests/web's lock file (npm ci with no install
# scripts: neither driver downloads a browser).
quorlex_ensure_web_test_tools() {
    quorlex_ensure_packages "${QUORLEX_WEB_PACKAGES[@]}" "${QUORLEX_WEB_TEST_PACKAGES[@]}"
    # Node.js from elsewhere brings its own npm, which Debian's npm package would conflict with.
    command -v npm >/dev/null 2>&1 || quorlex_ensure_packages npm
    if [ ! -d tests/web/node_modules/playwright-core ] || [ ! -d tests/web/node_modules/puppeteer-core ] ||
        [ tests/web/package-lock.json -nt tests/web/node_modules ]; then
        (cd tests/web && npm ci --ignore-scripts --no-audit --no-fund)
    fi
}

# Starts a virtual X server of the given size (e.g. 1024x768) on a display number nobody uses, exports
# DISPLAY, sets QUORLEX_XVFB_PID, and waits until the server answers. The caller stops it (kill the pid).
quorlex_start_xvfb() {
    local size="$1"
    local display_number=90
    while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
        display_number=$((display_number + 1))
    done
    export DISPLAY=":$display_number"
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    QUORLEX_XVFB_PID=$!
    local _
    for _ in $(seq 50); do
        xdotool getmouselocation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "quorlex: the virtual X server on $DISPLAY did not start" >&2
    return 1
}

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/quorlex-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
