#!/usr/bin/env bash
# Times "calendrix export" on the example units: each format alone and all
# three in one call. Wall time and peak memory of the whole process, best
# of two runs. Usage: bench/bench_export.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
scales=${*:-company battalion brigade}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%-10s %11s %7s %11s %11s %11s %11s %8s\n' scale assignments files ics xlsx csv all3 peakMB
best() { # command...; prints "seconds kb" of the faster of two runs
    local s1 k1 s2 k2
    /usr/bin/time -f '%e %M' -o "$work/t1" "$@" >/dev/null 2>&1
    /usr/bin/time -f '%e %M' -o "$work/t2" "$@" >/dev/null 2>&1
    read -r s1 k1 <"$work/t1"
    read -r s2 k2 <"$work/t2"
    awk -v a="$s1" -v b="$s2" -v ka="$k1" -v kb="$k2" 'BEGIN { if (a <= b) print a, ka; else print b, kb }'
}
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/roster.cxr" --data "$work/$scale" >/dev/null
    f="$work/$scale/roster.cxr"
    out="$work/out-$scale"
    read -r ics icsKb < <(best "$bin" export "$f" --ics "$out/ics" --replace)
    read -r xlsx xlsxKb < <(best "$bin" export "$f" --xlsx "$out.xlsx" --replace)
    read -r csv csvKb < <(best "$bin" export "$f" --csv "$out.csv" --replace)
    read -r all allKb < <(best "$bin" export "$f" --ics "$out/all" --xlsx "$out-all.xlsx" --csv "$out-all.csv" --replace)
    assignments=$(($(wc -l <"$out.csv") - 1))
    files=$(find "$out/all" -name '*.ics' | wc -l)
    peak=$(printf '%s\n' "$icsKb" "$xlsxKb" "$csvKb" "$allKb" | sort -n | tail -1)
    printf '%-10s %11s %7s %10ss %10ss %10ss %10ss %8s\n' "$scale" "$assignments" "$files" "$ics" "$xlsx" "$csv" \
        "$all" "$((peak / 1024))"
done
