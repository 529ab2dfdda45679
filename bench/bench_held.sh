#!/usr/bin/env bash
# How long a command takes to give up on a unit that another program holds:
# the sqlite3 shell keeps a write transaction open (BEGIN EXCLUSIVE) on the
# file the command needs, and the command is timed until it exits. The floor,
# from the same run, is the same program refused by the folder lock of a
# second copy, which it checks before it opens any database. Wall seconds
# (a wait is no CPU time), median of three.
# Usage: bench/bench_held.sh [build] [UNIT DATAFILE]; without a unit, the
# example company is made.
set -euo pipefail
build=${1:-build}
bin=$build/src/calendrix
work=$(mktemp -d)
holder=
cleanup() {
    exec 3>&- 2>/dev/null || true
    [[ -n $holder ]] && wait "$holder" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if [[ $# -ge 3 ]]; then
    unit=$2
    datafile=$3
else
    unit=$work/company
    datafile=$unit/r1.cxr
    "$bin" demo "$unit" --scale company --seed 1 --from 2027-01-04 >/dev/null
    "$bin" make "$datafile" --data "$unit" >/dev/null
fi
median() { # command...: the median wall seconds of three runs, and the last exit status
    local times=() status
    for _ in 1 2 3; do
        status=0
        /usr/bin/time -f '%e' -o "$work/t" "$@" >/dev/null 2>"$work/err" || status=$?
        times+=("$(tail -1 "$work/t")")
    done
    printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)" "$status"
}
hold() { # file: the sqlite3 shell writes to it and keeps the transaction open
    mkfifo "$work/fifo"
    sqlite3 "$1" <"$work/fifo" >"$work/held" 2>&1 &
    holder=$!
    exec 3>"$work/fifo"
    echo "BEGIN EXCLUSIVE; SELECT 'held';" >&3
    until grep -qs held "$work/held"; do sleep 0.05; done
}
release() {
    exec 3>&-
    wait "$holder" || true
    holder=
    rm -f "$work/fifo" "$work/held"
}

exec 4>>"$unit/.calendrix.lock"
flock 4
read -r floor _ < <(median "$bin" make "$work/floor.cxr" --data "$unit")
exec 4>&-

printf '%-8s %-16s %8s %6s %8s %7s  %s\n' command held seconds status floorS ratio says
run() { # name, held file, command...
    local name=$1 file=$2 seconds status
    shift 2
    hold "$file"
    read -r seconds status < <(median "$@")
    release
    printf '%-8s %-16s %8s %6s %8s %7s  %s\n' "$name" "$(basename "$file")" "$seconds" "$status" "$floor" \
        "$(awk -v a="$seconds" -v b="$floor" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')" \
        "$(grep -o -m1 -E 'in use by another program[^;.]*|locked by another program' "$work/err" || true)"
}
run make "$unit/Datafile32.mdb" "$bin" make "$work/held.cxr" --data "$unit"
run history "$unit/Memory.mdb" "$bin" history --data "$unit"
run export "$datafile" "$bin" export "$datafile" --csv "$work/held.csv" --replace
run print "$datafile" "$bin" print "$datafile" --data "$unit" --pdf "$work/held.pdf" --replace
