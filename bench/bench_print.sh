#!/usr/bin/env bash
# Times "calendrix print" (both reports into one PDF) on the example units.
# Usage: bench/bench_print.sh [build/src/calendrix] [scales...]
set -euo pipefail
bin=${1:-build/src/calendrix}
shift || true
scales=${*:-company battalion brigade}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-10s %8s %10s %8s %12s\n' scale pages seconds peakMB datafileRows
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/roster.cxr" --data "$work/$scale" >/dev/null
    rows=$(sqlite3 "$work/$scale/roster.cxr" "select count(*) from storeage")
    /usr/bin/time -f '%e %M' -o "$work/time" "$bin" print "$work/$scale/roster.cxr" --data "$work/$scale" \
        --pdf "$work/$scale.pdf" >/dev/null 2>&1
    read -r seconds kb <"$work/time"
    pages=$(pdfinfo "$work/$scale.pdf" | awk '/^Pages:/ {print $2}')
    printf '%-10s %8s %10s %8s %12s\n' "$scale" "$pages" "$seconds" "$((kb / 1024))" "$rows"
done
