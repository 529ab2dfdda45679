#!/usr/bin/env bash
# Installs what is missing, builds, and opens Calendrix on an example unit
# (made once in build/demo-unit; pass another folder to use that instead).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# The program alone: the test programs are scripts/test.sh's to build. The
# same build/ serves "scripts/test.sh --default", which builds the rest.
cmake --preset default >/dev/null
cmake --build --preset default --target calendrix
unit="${1:-build/demo-unit}"
if [ ! -e "$unit/Datafile32.mdb" ]; then
    build/src/calendrix demo "$unit" --scale company
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start this from a desktop session (or under xvfb-run)." >&2
    exit 1
fi
exec build/src/calendrix --data "$unit"
