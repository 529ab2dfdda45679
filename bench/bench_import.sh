#!/usr/bin/env bash
# Times "calendrix import --soldiers" of 20,000 soldiers with 15
# qualification columns into an empty unit, from a CSV file and from a
# workbook (written by openpyxl), CPU seconds (user + sys) and peak memory,
# the median of three, each on a fresh unit; beside it the floor of the
# sqlite3 shell importing the same CSV file into a table of its own.
# Usage: bench/bench_import.sh [build] [soldiers]
set -euo pipefail
build=${1:-build}
count=${2:-20000}
bin=$build/src/calendrix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" "$count" <<'PY'
import random, sys
import openpyxl
work, count = sys.argv[1], int(sys.argv[2])
random.seed(1)
ranks = ['PV1', 'PV2', 'PFC', 'SPC', 'CPL', 'SGT', 'SSG', '2LT', '1LT', 'CPT']
header = ['Name', 'Rank', 'Section'] + ['Q%d' % k for k in range(1, 16)]
rows = [['Soldier %05d, %s.' % (i, chr(65 + i % 26)), random.choice(ranks), 'Platoon %d' % (i % 40)] +
        [random.choice(['x', '']) for _ in range(15)] for i in range(count)]
with open(work + '/soldiers.csv', 'w', newline='') as f:
    f.write(';'.join(header) + '\n')
    for r in rows:
        f.write(';'.join('"%s"' % c if ',' in c else c for c in r) + '\n')
wb = openpyxl.Workbook(write_only=True)
ws = wb.create_sheet('Soldiers')
ws.append(header)
for r in rows:
    ws.append([c if c != '' else None for c in r])
wb.save(work + '/soldiers.xlsx')
PY

run() { # out command...; appends "cpuSeconds peakMB" to out
    local out=$1
    shift
    /usr/bin/time -f '%U %S %M' -o "$work/t" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    awk '{ printf "%.3f %d\n", $1 + $2, $3 / 1024 }' "$work/t" >>"$out"
}
median() { sort -n -k1 "$1" | sed -n 2p; }
fresh() {
    rm -rf "$work/unit"
    "$bin" init "$work/unit" >/dev/null
}

printf '%-22s %8s %8s\n' what cpuS peakMB
for file in soldiers.csv soldiers.xlsx; do
    for mode in --dry-run ""; do
        : >"$work/m"
        for _ in 1 2 3; do
            fresh
            run "$work/m" "$bin" import "$work/$file" --soldiers --data "$work/unit" $mode
        done
        printf '%-22s %8s %8s\n' "$file ${mode:-import}" $(median "$work/m")
    done
done
: >"$work/m"
for _ in 1 2 3; do
    rm -f "$work/floor.db"
    run "$work/m" sqlite3 "$work/floor.db" ".mode csv" ".separator ;" ".import $work/soldiers.csv s"
done
printf '%-22s %8s %8s\n' "floor: sqlite3 .import" $(median "$work/m")
