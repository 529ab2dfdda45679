#!/usr/bin/env bash
# Times "calendrix print" (both reports into one PDF) on the example units,
# and in the same run the floor: the same cells painted as plain drawText
# calls onto a PDF (bench_print_floor). Wall time from process start.
# Usage: bench/bench_print.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
floor=$build/bench/bench_print_floor
scales=${*:-company battalion brigade}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
printf '%-10s %6s %12s %8s %8s %8s %8s %7s\n' scale pages datafileRows seconds peakMB floorS floorMB ratio
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/roster.cxr" --data "$work/$scale" >/dev/null
    rows=$(sqlite3 "$work/$scale/roster.cxr" "select count(*) from storeage")
    /usr/bin/time -f '%e %M' -o "$work/time" "$bin" print "$work/$scale/roster.cxr" --data "$work/$scale" \
        --pdf "$work/$scale.pdf" >/dev/null 2>&1
    read -r seconds kb <"$work/time"
    /usr/bin/time -f '%e %M' -o "$work/floor" "$floor" "$work/$scale/roster.cxr" "$work/$scale-floor.pdf" 2>/dev/null
    read -r floorSeconds floorKb <"$work/floor"
    pages=$(pdfinfo "$work/$scale.pdf" | awk '/^Pages:/ {print $2}')
    ratio=$(awk -v a="$seconds" -v b="$floorSeconds" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    printf '%-10s %6s %12s %8s %8s %8s %8s %7s\n' "$scale" "$pages" "$rows" "$seconds" "$((kb / 1024))" \
        "$floorSeconds" "$((floorKb / 1024))" "$ratio"
done
