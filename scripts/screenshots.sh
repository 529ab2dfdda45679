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
# A first roster, so that the counters and assignment dates have rows.
build/src/calendrix make "$(dirname "$unit")/first.cxr" --data "$unit" >/dev/null 2>&1

timeout 120 xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
    build/src/calendrix --data "$1" &
    pid=$!
    for i in $(seq 50); do xdotool search --name "^Calendrix$" >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    import -window root docs/roster-tab.png
    # The "Duty" tab sits at the left end of the tab bar.
    xdotool mousemove 26 32 click 1
    sleep 0.5
    import -window root docs/duty-tab.png
    # Each dialog from its menu (menus are driven by keys once open).
    shoot() { # window name, file
        for i in $(seq 30); do w=$(xdotool search --name "^$1\$" 2>/dev/null | head -1); [ -n "$w" ] && break; sleep 0.2; done
        [ -n "$w" ] || { echo "no window $1" >&2; return; }
        sleep 0.8
        eval "$(xdotool getwindowgeometry --shell "$w")"
        import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "docs/$2.png"
        xdotool windowfocus --sync "$w" key Escape
        sleep 0.5
    }
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Down Down Return
    shoot "Setup" setup-dialog
    xdotool mousemove 59 8 click 1; sleep 0.4; xdotool key Down Right Return
    shoot "Assignment Counters" counters-dialog
    xdotool mousemove 59 8 click 1; sleep 0.4; xdotool key Down Right Down Return
    shoot "Assignment Dates" dates-dialog
    xdotool mousemove 102 8 click 1; sleep 0.4; xdotool key Down Down Return
    shoot "About" about-dialog
    xdotool mousemove 102 8 click 1; sleep 0.4; xdotool key Down Return
    shoot "Calendrix Help" help-window
    # File > Open/Print Rosters: the datafile typed into the open dialog,
    # then the two print previews, remarks first.
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Down Return
    for i in $(seq 30); do d=$(xdotool search --onlyvisible --name "^Open" 2>/dev/null | head -1); [ -n "$d" ] && break; sleep 0.2; done
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$d")"
    xdotool windowfocus --sync "$d" key ctrl+a type "$(dirname "$1")/first.cxr"
    xdotool key Return
    shoot "Print Preview – Remarks – first.cxr" remarks-preview
    shoot "Print Preview – Duty roster – first.cxr" roster-preview
    kill $pid
' _ "$unit"
# The printed roster itself: the first roster page and the first remarks page.
pdf=$(dirname "$unit")/first.pdf
build/src/calendrix print "$(dirname "$unit")/first.cxr" --data "$unit" --pdf "$pdf" >/dev/null 2>&1
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
for i in $(seq "$pages"); do
    pdfinfo -f "$i" -l "$i" "$pdf" | grep -q "size: *842" && { first=$i; break; }
done
pdftoppm -r 110 -png -singlefile -f "$first" -l "$first" "$pdf" docs/roster-print
pdftoppm -r 80 -png -singlefile -f 1 -l 1 "$pdf" docs/remarks-print
ls docs/*.png
