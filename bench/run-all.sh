#!/usr/bin/env bash
# Makes the example units from company to division (seed 1, from 2027-01-04,
# MAKES roster runs each so that counters and history have grown as in use),
# then prints one table per item: every benchmark of bench/ that the build
# holds, run on each unit with its lines passed through as they come, and the
# program's own commands timed on the same units (CPU seconds user+sys,
# median of three, and the peak memory of the three).
#
# Usage: bench/run-all.sh [build] [scales...]
#   MAKES=3             roster runs made on each unit before the benchmarks
#   BENCH_WORK=DIR      keep the units in DIR (made if missing) instead of a
#                       temporary folder; units already there are reused
#
# How each benchmark is called (the third field below):
#   unit   NAME UNIT DATAFILE, a script NAME BUILD UNIT DATAFILE, on the unit
#          as it was made, put back after the one before
#   scale  NAME SCALE, a script NAME BUILD SCALE: the benchmark makes its own
#          unit of that size
#   make   NAME CALENDRIX --scales SCALE
# A benchmark that is not in the build (or not in bench/) is skipped with a note.
set -uo pipefail
build=${1:-build}
shift || true
scales=${*:-company battalion brigade division}
makes=${MAKES:-3}
bin=$build/src/calendrix
here=$(cd "$(dirname "$0")" && pwd)
if [[ -n ${BENCH_WORK:-} ]]; then
    work=$BENCH_WORK
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
export QT_QPA_PLATFORM=offscreen
[[ -x $bin ]] || { echo "no program at $bin: build the target calendrix first" >&2; exit 2; }

benches=(
    "1 reading a datafile|bench_read.sh|scale"
    "1 reading a datafile|bench_preview|unit"
    "2 history and undo|bench_history.sh|scale"
    "3 make|bench_make|make"
    "4 export|bench_export.sh|scale"
    "5 fairness|bench_fairness|scale"
    "6 print|bench_print.sh|scale"
    "7 a unit held by another program|bench_held.sh|unit"
)

datafile() { echo "$work/$1/r$makes.cxr"; }
# The unit as it was made. Each benchmark and each command that changes the
# unit gets it back in its own place: the history names its datafiles by
# their paths, so an undo on a copy elsewhere would take the original's.
restore() {
    rm -rf "${work:?}/$1"
    cp -a "$work/$1.kept" "$work/$1"
}

echo "== the units (MAKES=$makes)"
for scale in $scales; do
    unit=$work/$scale
    if [[ ! -d $work/$scale.kept ]]; then
        rm -rf "$unit"
        "$bin" demo "$unit" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null || exit 1
        for ((i = 1; i <= makes; ++i)); do
            "$bin" make "$unit/r$i.cxr" --data "$unit" >/dev/null 2>&1 || { echo "$scale: make $i failed" >&2; exit 1; }
        done
        cp -a "$unit" "$work/$scale.kept"
    fi
    restore "$scale"
    printf '%-10s %s, %s counter rows, %s datafile rows, history %s\n' "$scale" "$(du -sh "$unit" | cut -f1)" \
        "$(sqlite3 "$unit/Memory.mdb" 'select count(*) from Memory' 2>/dev/null || echo '?')" \
        "$(sqlite3 "$(datafile "$scale")" 'select count(*) from storeage')" "$(du -sh "$unit/history" | cut -f1)"
done

# Where a benchmark is, or nothing.
find_bench() {
    if [[ $1 == *.sh ]]; then
        [[ -x $here/$1 ]] && echo "$here/$1"
    else
        [[ -x $build/bench/$1 ]] && echo "$build/bench/$1"
    fi
}

# Runs one benchmark on one unit, as its style says.
run_bench() { # name, path, style, scale
    local name=$1 path=$2 style=$3 scale=$4 status
    case $style in
    unit)
        restore "$scale"
        if [[ $name == *.sh ]]; then
            "$path" "$build" "$work/$scale" "$(datafile "$scale")"
        else
            "$path" "$work/$scale" "$(datafile "$scale")"
        fi
        ;;
    scale)
        if [[ $name == *.sh ]]; then
            "$path" "$build" "$scale"
        else
            "$path" "$scale"
        fi
        ;;
    make) "$path" "$bin" --scales "$scale" ;;
    esac
    status=$?
    if [[ $status -ne 0 ]]; then echo "($name exited with status $status)"; fi
}

item=
for entry in "${benches[@]}"; do
    IFS='|' read -r title name style <<<"$entry"
    if [[ $title != "$item" ]]; then
        item=$title
        printf '\n== item %s\n' "$title"
    fi
    path=$(find_bench "$name") || true
    if [[ -z $path ]]; then
        echo "-- $name: not in this build, skipped"
        continue
    fi
    for scale in $scales; do
        echo "-- $name, $scale"
        # Qt's offscreen platform says what it cannot do; that is no figure.
        run_bench "$name" "$path" "$style" "$scale" 2>&1 |
            grep -v -E '^(This plugin does not support|QStandardPaths: )'
    done
done

# The commands themselves, the unit put back before each run of those that
# change it.
cpu() { # label, scale, changes (yes/no), command...: one line of the table
    local label=$1 scale=$2 changes=$3 times=() peak=0 status=0
    shift 3
    for _ in 1 2 3; do
        [[ $changes == yes ]] && restore "$scale"
        /usr/bin/time -f '%U %S %M' -o "$work/t" "$@" </dev/null >/dev/null 2>&1 || status=$?
        read -r user sys kb < <(tail -1 "$work/t")
        times+=("$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')")
        ((kb > peak)) && peak=$kb
    done
    [[ $changes == yes ]] && restore "$scale"
    printf '%-10s %-22s %8s %8s %6s\n' "$scale" "$label" "$(printf '%s\n' "${times[@]}" | sort -g | sed -n 2p)" \
        "$((peak / 1024))" "$status"
}
echo
echo "== the commands (CPU seconds, median of 3; peak MB; exit status)"
printf '%-10s %-22s %8s %8s %6s\n' unit command cpuS peakMB status
for scale in $scales; do
    f=$(datafile "$scale")
    u=$work/$scale
    # Exports replace what the size before left, which would be timed too.
    out=$work/out
    rm -rf "$out"
    mkdir -p "$out"
    cpu make "$scale" yes "$bin" make "$u/next.cxr" --data "$u"
    cpu "print (both reports)" "$scale" no "$bin" print "$f" --data "$u" --pdf "$out/p.pdf" --replace
    cpu "export --csv" "$scale" no "$bin" export "$f" --csv "$out/x.csv" --replace
    cpu "export, all three" "$scale" no "$bin" export "$f" --ics "$out/ics" --xlsx "$out/x.xlsx" --csv "$out/x.csv" \
        --replace
    cpu history "$scale" no "$bin" history --data "$u"
    cpu "undo --yes" "$scale" yes "$bin" undo --yes --data "$u"
    cpu "fairness (table)" "$scale" no "$bin" fairness --data "$u"
done
