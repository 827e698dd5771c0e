#!/usr/bin/env bash
# A short run of every fuzz target (30 seconds each by default, QUORLEX_FUZZ_SECONDS to change): what CI
# runs. Long sessions: scripts/fuzz-long.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/fuzz-long.sh "${QUORLEX_FUZZ_SECONDS:-30}"
