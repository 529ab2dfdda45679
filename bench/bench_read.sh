#!/usr/bin/env bash
# Reads each example unit's datafile as print, export and the preview do
# (bench_read: RosterData::read) beside its floor, the sqlite3 shell scanning
# the same cells, in the same run: CPU seconds (user + sys) and peak memory,
# medians of three runs. Then the peak memory of "calendrix print" and
# "calendrix export" (all three formats) on the same datafile, one run each.
# Usage: bench/bench_read.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
reader=$build/bench/bench_read
scales=${*:-brigade division}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
measure() { # command...; prints "cpu-seconds kb"
    /usr/bin/time -f '%U %S %M' -o "$work/t" "$@" >/dev/null 2>&1
    awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$work/t"
}
median3() { # command...; prints the median "cpu-seconds kb" of three runs (each column alone)
    for _ in 1 2 3; do measure "$@"; done >"$work/runs"
    printf '%s %s\n' "$(cut -d' ' -f1 "$work/runs" | sort -n | sed -n 2p)" \
        "$(cut -d' ' -f2 "$work/runs" | sort -n | sed -n 2p)"
}
printf '%-9s %8s %8s %7s %8s %7s %7s %8s %8s\n' scale rows readS readMB floorS floorMB ratio printMB exportMB
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/r1.cxr" --data "$work/$scale" >/dev/null
    f="$work/$scale/r1.cxr"
    rows=$(sqlite3 "$f" "select count(*) from storeage")
    read -r readS readKb < <(median3 "$reader" "$f")
    read -r floorS floorKb < <(median3 sqlite3 "$f" "select * from storeage")
    read -r _ printKb < <(measure "$bin" print "$f" --data "$work/$scale" --pdf "$work/$scale.pdf")
    read -r _ exportKb < <(measure "$bin" export "$f" --ics "$work/$scale-ics" --xlsx "$work/$scale.xlsx" \
        --csv "$work/$scale.csv" --replace)
    # A floor under the 10 ms that time shows has no ratio.
    ratio=$(awk -v a="$readS" -v b="$floorS" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')
    printf '%-9s %8s %8s %7s %8s %7s %7s %8s %8s\n' "$scale" "$rows" "$readS" "$((readKb / 1024))" "$floorS" \
        "$((floorKb / 1024))" "$ratio" "$((printKb / 1024))" "$((exportKb / 1024))"
done
