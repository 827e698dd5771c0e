#!/usr/bin/env bash
# Measures the web page's size and speed in Debian's Chromium and prints a Markdown table for
# docs/performance.md. Builds the web preset first (scripts/web-check.sh installs what it needs).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

quorlex_build_web >/dev/null
cd tests/web
QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" node speed.mjs
# A CSV file converted in the page beside the command line; needs build/quorlex-convert.
QUORLEX_WEB_BUILD_DIR="$PWD/../../build-web" QUORLEX_CONVERT="$PWD/../../build/quorlex-convert" node file-speed.mjs
