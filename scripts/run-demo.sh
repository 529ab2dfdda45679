#!/usr/bin/env bash
# Installs what is missing, builds, and opens Calendrix on an example unit
# (made once in build/demo-unit; pass another folder to use that instead).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh default
unit="${1:-build/demo-unit}"
if [ ! -e "$unit/Datafile32.mdb" ]; then
    build/src/calendrix demo "$unit" --scale company
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start this from a desktop session (or under xvfb-run)." >&2
    exit 1
fi
exec build/src/calendrix --data "$unit"
