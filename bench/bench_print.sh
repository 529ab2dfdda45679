#!/usr/bin/env bash
# Times "calendrix print" (both reports into one PDF) on the example units,
# and in the same run the floor: the same cells read with SQLite alone and
# painted as plain drawText calls onto a PDF (bench_print_floor). CPU seconds
# (user + sys) and peak memory, the median of three runs of each (nine for
# the company), taken in turn so that the load of the machine falls on both
# alike.
# Usage: bench/bench_print.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
floor=$build/bench/bench_print_floor
scales=${*:-company battalion brigade division}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
run() { # out command...; appends "cpuSeconds kb" to out, to the microsecond
    local out=$1
    shift
    python3 -c '
import os, resource, sys
pid = os.fork()
if pid == 0:
    null = os.open(os.devnull, os.O_WRONLY)
    os.dup2(null, 1)
    os.dup2(null, 2)
    os.execvp(sys.argv[1], sys.argv[1:])
_, _, usage = os.wait4(pid, 0)
print("%.4f %d" % (usage.ru_utime + usage.ru_stime, usage.ru_maxrss))' "$@" >>"$out"
}
median() { # file column
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'
}
printf '%-10s %6s %12s %8s %8s %8s %8s %7s\n' scale pages datafileRows cpuS peakMB floorS floorMB ratio
for scale in $scales; do
    "$bin" demo "$work/$scale" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null
    "$bin" make "$work/$scale/roster.cxr" --data "$work/$scale" >/dev/null
    rows=$(sqlite3 "$work/$scale/roster.cxr" "select count(*) from storeage")
    : >"$work/print" && : >"$work/floor"
    # A company prints in a tenth of a second: nine of each steady its median.
    runs=3
    [[ $scale == company ]] && runs=9
    for ((i = 0; i < runs; ++i)); do
        run "$work/print" "$bin" print "$work/$scale/roster.cxr" --data "$work/$scale" --pdf "$work/$scale.pdf" \
            --replace
        run "$work/floor" "$floor" "$work/$scale/roster.cxr" "$work/$scale-floor.pdf"
    done
    seconds=$(median "$work/print" 1) kb=$(median "$work/print" 2)
    floorSeconds=$(median "$work/floor" 1) floorKb=$(median "$work/floor" 2)
    pages=$(pdfinfo "$work/$scale.pdf" | awk '/^Pages:/ {print $2}')
    ratio=$(awk -v a="$seconds" -v b="$floorSeconds" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    seconds=$(printf '%.3f' "$seconds") floorSeconds=$(printf '%.3f' "$floorSeconds")
    printf '%-10s %6s %12s %8s %8s %8s %8s %7s\n' "$scale" "$pages" "$rows" "$seconds" "$((kb / 1024))" \
        "$floorSeconds" "$((floorKb / 1024))" "$ratio"
done
