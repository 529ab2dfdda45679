#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
# scripts/test.sh --asan runs the same suite under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
[ "${1:-}" = "--asan" ] && preset=asan
scripts/deps.sh
scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
