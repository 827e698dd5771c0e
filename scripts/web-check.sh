#!/usr/bin/env bash
# Builds the web page (preset web, into build-web/) and runs its browser tests in Debian's Chromium,
# installing what is missing first: Emscripten, Chromium, npm, and playwright-core and axe-core from the
# lock file in tests/web (npm ci; playwright-core downloads no browser).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_ensure_web_test_tools
quorlex_build_web
cd tests/web
QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" node --test --test-concurrency=1 \
    page.test.mjs offline.test.mjs update.test.mjs hostile.test.mjs
