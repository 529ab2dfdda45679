#!/usr/bin/env bash
# Takes the README's screenshots: the program on an example unit under a
# virtual X server. Needs xvfb, imagemagick and xdotool (installed if missing).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for p in xvfb xauth imagemagick xdotool; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get install -y -qq $missing
fi
scripts/build.sh default
unit=$(mktemp -d)/unit
build/src/calendrix demo "$unit" --scale company --seed 1 >/dev/null

xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
    build/src/calendrix --data "$1" &
    pid=$!
    for i in $(seq 50); do xdotool search --name "^Calendrix$" >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    import -window root docs/roster-tab.png
    # The "Duty" tab sits at the left end of the tab bar.
    xdotool mousemove 26 32 click 1
    sleep 0.5
    import -window root docs/duty-tab.png
    kill $pid
' _ "$unit"
echo "docs/roster-tab.png docs/duty-tab.png"
