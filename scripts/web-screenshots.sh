#!/usr/bin/env bash
# Takes the README's screenshots of the web page (phone width light and dark, desktop width) into docs/
# with headless Chromium. Needs a web build in build-web/ (scripts/web-check.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
cd tests/web
QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" node screenshots.mjs ../../docs
