#!/usr/bin/env bash
# Times "calendrix export" on the example units, each format alone and all
# three in one call, beside the floors from the same run (bench_export_floor:
# the same cells read with SQLite and the same files written with stdio,
# libxlsxwriter and libical) and the program's reading of the datafile
# alone. Processor seconds (user + system) of the whole process, median of
# three runs; peak memory of the export of all three.
# Usage: bench/bench_export.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
floor=$build/bench/bench_export_floor
scales=${*:-company battalion brigade}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-10s %11s %6s %7s %7s %7s %7s %7s %7s %7s %7s\n' scale assignments files read ics xlsx csv csvFloor \
    all3 allFloor allMB
median() { # command...; prints "cpu-seconds kb" of the median of three runs
    for i in 1 2 3; do
        /usr/bin/time -f '%U %S %M' -o "$work/t" "$@" >/dev/null 2>&1
        awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$work/t"
    done | sort -n | sed -n 2p
}
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/r1.cxr" --data "$work/$scale" >/dev/null
    f="$work/$scale/r1.cxr"
    out="$work/out-$scale"
    read -r read _ < <(median "$floor" "$f" "$out-floor" read)
    read -r ics _ < <(median "$bin" export "$f" --data "$work/$scale" --ics "$out/ics" --replace)
    read -r xlsx _ < <(median "$bin" export "$f" --data "$work/$scale" --xlsx "$out.xlsx" --replace)
    read -r csv _ < <(median "$bin" export "$f" --data "$work/$scale" --csv "$out.csv" --replace)
    read -r csvFloor _ < <(median "$floor" "$f" "$out-floor" csv)
    read -r all allKb < <(median "$bin" export "$f" --data "$work/$scale" --ics "$out/all" --xlsx "$out-all.xlsx" \
        --csv "$out-all.csv" --replace)
    read -r allFloor _ < <(median "$floor" "$f" "$out-floor" all)
    assignments=$(($(wc -l <"$out.csv") - 1))
    files=$(find "$out/all" -name '*.ics' | wc -l)
    cmp -s "$out.csv" "$out-floor/floor.csv" || echo "WARNING: the floor's CSV differs from the export's" >&2
    printf '%-10s %11s %6s %7s %7s %7s %7s %7s %7s %7s %7s\n' "$scale" "$assignments" "$files" "$read" "$ics" \
        "$xlsx" "$csv" "$csvFloor" "$all" "$allFloor" "$((allKb / 1024))"
done
