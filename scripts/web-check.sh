#!/usr/bin/env bash
# Builds the web page (preset web, into build-web/) and runs its browser tests in Debian's Chromium,
# installing what is missing first: Emscripten, Chromium, npm, and playwright-core and axe-core from the
# lock file in tests/web (npm ci; playwright-core downloads no browser).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_packages "${QUORLEX_WEB_PACKAGES[@]}" "${QUORLEX_WEB_TEST_PACKAGES[@]}"
# Node.js from elsewhere brings its own npm, which Debian's npm package would conflict with.
command -v npm >/dev/null 2>&1 || quorlex_ensure_packages npm
quorlex_build_web
if [ ! -d tests/web/node_modules/playwright-core ] || [ tests/web/package-lock.json -nt tests/web/node_modules ]; then
    (cd tests/web && npm ci --ignore-scripts --no-audit --no-fund)
fi
cd tests/web
QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" node --test --test-concurrency=1 \
    page.test.mjs offline.test.mjs hostile.test.mjs
