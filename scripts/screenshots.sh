#!/usr/bin/env bash
# Takes the README's screenshots: the program on an example unit under a
# virtual X server. Needs xvfb, imagemagick, xdotool and python3-xlib (for
# the pointer in the pictures) and LibreOffice Calc (for the exported
# spreadsheet; all installed if missing).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for p in xvfb xauth imagemagick xdotool python3-xlib libreoffice-calc-nogui; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get install -y -qq --no-install-recommends $missing
fi
scripts/build.sh default
unit=$(mktemp -d)/unit
build/src/calendrix demo "$unit" --scale company --seed 1 >/dev/null
# A first roster, so that the counters and assignment dates have rows.
build/src/calendrix make "$(dirname "$unit")/first.cxr" --data "$unit" >/dev/null 2>&1

timeout 120 xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
    build/src/calendrix --data "$1" &
    pid=$!
    for i in $(seq 50); do xdotool search --name "^Calendrix - " >/dev/null 2>&1 && break; sleep 0.2; done
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
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Down Down Down Down Return
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
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Down Down Return
    for i in $(seq 30); do d=$(xdotool search --onlyvisible --name "^Open" 2>/dev/null | head -1); [ -n "$d" ] && break; sleep 0.2; done
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$d")"
    xdotool windowfocus --sync "$d" key ctrl+a type "$(dirname "$1")/first.cxr"
    xdotool key Return
    shoot "Print Preview – Remarks – first.cxr" remarks-preview
    shoot "Print Preview – Duty roster – first.cxr" roster-preview
    # File > Make Draft: the name typed into the save dialog, "Finished"
    # answered, then the draft in the print preview of the roster.
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Down Return
    for i in $(seq 30); do d=$(xdotool search --onlyvisible --name "^Save As" 2>/dev/null | head -1); [ -n "$d" ] && break; sleep 0.2; done
    sleep 0.8
    xdotool windowfocus --sync "$d" key ctrl+a type "$(dirname "$1")/march-draft.cxr"
    xdotool key Return
    for i in $(seq 50); do f=$(xdotool search --onlyvisible --name "^Calendrix\$" 2>/dev/null | head -1); [ -n "$f" ] && break; sleep 0.2; done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$f")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1
    sleep 0.3
    xdotool key Return
    shoot "Print Preview – Duty roster – march-draft.cxr" draft-preview
    kill $pid
' _ "$unit"

# A roster made from the menu in a unit whose run has something to say: a
# duty that needs every qualification, which nobody holds. The message box
# is taken with the pointer on it, two seconds after it came up, then
# answered with Return, as is "Finished" after it.
unit2=$(dirname "$unit")/unit-message
cp -r "$unit" "$unit2"
rm -f "$unit2"/*.lock "$unit2"/.*.lock 2>/dev/null || true
qs=$(seq -s, -f "Q%g" 15); ones=$(printf ",1%.0s" $(seq 15)); ones=${ones#,}
sqlite3 "$unit2/Datafile32.mdb" \
    "INSERT INTO DutyDates (DutyName, Organization, $qs) VALUES ('Bomb Disposal', 'HQ', $ones);
     INSERT INTO WorkSchedule (DutyName, \"From\", \"To\") VALUES ('Bomb Disposal', date('now', '+7 day'), date('now', '+7 day'));"
# Pastes the X pointer, as it is on the screen, into a picture of the screen.
cat > "$(dirname "$unit")/pointer.py" <<'PY'
import sys
from Xlib import display
from Xlib.ext import xfixes
d = display.Display()
d.xfixes_query_version()
c = d.xfixes_get_cursor_image(d.screen().root)
pixels = bytearray()
for argb in c.cursor_image:
    pixels += bytes(((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, (argb >> 24) & 255))
with open(sys.argv[1], "wb") as f:
    f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (c.width, c.height))
    f.write(pixels)
print("%+d%+d" % (c.x - c.xhot, c.y - c.yhot))
PY
timeout 120 xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
    set -e
    build/src/calendrix --data "$1" &
    pid=$!
    find_window() { # name; waits for it
        for i in $(seq 50); do w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1); [ -n "$w" ] && break; sleep 0.2; done
        [ -n "$w" ] || { echo "no window $1" >&2; kill $pid; exit 1; }
        echo "$w"
    }
    find_window "^Calendrix - " >/dev/null
    sleep 1
    xdotool mousemove 20 8 click 1; sleep 0.4; xdotool key Down Return
    d=$(find_window "^Save As")
    sleep 0.8
    xdotool windowfocus --sync "$d" key ctrl+a type "$(dirname "$1")/message.cxr"
    xdotool key Return
    box=$(find_window "^INFORMATION$")
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3))
    sleep 0.3
    shot=$(dirname "$1")/run-message-screen.png
    import -window root "$shot"
    at=$(/usr/bin/python3 "$2" "$(dirname "$1")/pointer.pam")
    convert "$shot" "$(dirname "$1")/pointer.pam" -geometry "$at" -composite docs/run-message.png
    # With no window manager the keys go to the window under the pointer,
    # once a click on its text has made it the active one.
    answer() { # window: Return, as a person at the keyboard
        eval "$(xdotool getwindowgeometry --shell "$1")"
        xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1
        sleep 0.3
        xdotool key Return
    }
    answer "$box"
    # The run goes on to its end.
    done_box=$(find_window "^Calendrix$")
    sleep 0.5
    answer "$done_box"
    find_window "^Calendrix - " >/dev/null
    [ -f "$(dirname "$1")/message.cxr" ] || { echo "no roster made" >&2; kill $pid; exit 1; }
    kill $pid
' _ "$unit2" "$(dirname "$unit")/pointer.py"

# The fairness window on the example battalion after three rosters over the
# same weeks (the later ones find soldiers taken by the earlier ones, so the
# counters drift apart): Tools > Fairness..., the last item of Tools, after Undo Last Roster Run.
unit3=$(dirname "$unit")/battalion
build/src/calendrix demo "$unit3" --scale battalion --seed 1 >/dev/null
for i in 1 2 3; do
    build/src/calendrix make "$(dirname "$unit")/battalion-$i.cxr" --data "$unit3" >/dev/null 2>&1 || true
done
timeout 120 xvfb-run -a -s "-screen 0 1280x860x24" bash -c '
    build/src/calendrix --data "$1" &
    pid=$!
    for i in $(seq 50); do xdotool search --name "^Calendrix - " >/dev/null 2>&1 && break; sleep 0.2; done
    sleep 1
    xdotool mousemove 59 8 click 1; sleep 0.4; xdotool key Down Down Down Down Down Return
    for i in $(seq 100); do w=$(xdotool search --onlyvisible --name "^Fairness\$" 2>/dev/null | head -1); [ -n "$w" ] && break; sleep 0.2; done
    [ -n "$w" ] || { echo "no window Fairness" >&2; kill $pid; exit 1; }
    xdotool windowmove --sync "$w" 0 0 windowsize --sync "$w" 1240 840
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$w")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/fairness-window.png
    kill $pid
' _ "$unit3"

# The main window in German and in Norwegian Bokmål.
for lang in de nb; do
    timeout 60 xvfb-run -a -s "-screen 0 1100x760x24" bash -c '
        build/src/calendrix --lang "$2" --data "$1" &
        pid=$!
        for i in $(seq 50); do xdotool search --name "^Calendrix - " >/dev/null 2>&1 && break; sleep 0.2; done
        sleep 1
        import -window root "docs/roster-tab-$2.png"
        kill $pid
    ' _ "$unit" "$lang"
done

# The printed roster itself: the first roster page and the first remarks page.
pdf=$(dirname "$unit")/first.pdf
build/src/calendrix print "$(dirname "$unit")/first.cxr" --data "$unit" --pdf "$pdf" >/dev/null 2>&1
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
for i in $(seq "$pages"); do
    pdfinfo -f "$i" -l "$i" "$pdf" | grep -q "size: *842" && { first=$i; break; }
done
pdftoppm -r 110 -png -singlefile -f "$first" -l "$first" "$pdf" docs/roster-print
pdftoppm -r 80 -png -singlefile -f 1 -l 1 "$pdf" docs/remarks-print
# The exported spreadsheet as a spreadsheet program shows and prints it:
# LibreOffice Calc converts it to PDF (page 1 is the Summary, page 2 the
# first duty's first page), with a profile of its own.
xlsx=$(dirname "$unit")/first.xlsx
build/src/calendrix export "$(dirname "$unit")/first.cxr" --data "$unit" --xlsx "$xlsx" >/dev/null
HOME=$(dirname "$unit")/office timeout 180 soffice --headless --convert-to pdf --outdir "$(dirname "$unit")/office" \
    "$xlsx" >/dev/null 2>&1
pdftoppm -r 80 -png -singlefile -f 2 -l 2 "$(dirname "$unit")/office/first.pdf" docs/export-xlsx
ls docs/*.png
