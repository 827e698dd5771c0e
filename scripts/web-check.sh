#!/usr/bin/env bash
# Builds the web page (preset web, into build-web/) and runs its browser tests, the files ctest runs, in
# Debian's Chromium and then in Debian's Firefox ESR, installing what is missing first: Emscripten,
# Chromium, Firefox ESR, npm, and playwright-core, puppeteer-core and axe-core from the lock file in
# tests/web (npm ci; neither driver downloads a browser).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_web_test_tools
quorlex_build_web
cd tests/web
for browser in chromium firefox; do
    echo "quorlex: the web page's tests in $browser"
    QUORLEX_BROWSER="$browser" QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" node --test --test-concurrency=1 \
        page.test.mjs offline.test.mjs update.test.mjs hostile.test.mjs fire.test.mjs faults.test.mjs exact.test.mjs
done
