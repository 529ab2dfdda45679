#!/usr/bin/env bash
# The run history's cost on the example units after four counted runs: the
# size of the newest entry (which keeps the whole tables until the next run)
# and of the older ones, oldest first (only what their runs changed: the
# second run of a unit changes most counter rows), the history folder, and
# the processor time (user + system, median of three) of "calendrix history"
# and "calendrix undo", beside the floor measured in the same run: the
# sqlite3 shell restoring the rows the newest run changed from its entry, in
# one transaction. Each undo and floor runs on a fresh copy of the unit.
# Usage: bench/bench_history.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
scales=${*:-brigade division}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Processor seconds of a command, median of three; $1 a function run before each.
median() {
    local prepare=$1
    shift
    local t=()
    for _ in 1 2 3; do
        "$prepare"
        /usr/bin/time -f '%U %S' -o "$work/time" "$@" >/dev/null 2>&1
        t+=("$(awk '{ printf "%.3f", $1 + $2 }' "$work/time")")
    done
    printf '%s\n' "${t[@]}" | sort -n | sed -n 2p
}

restoreSql() {
    local entry=$1
    printf "ATTACH '%s' AS kept;\nBEGIN;\n" "$entry"
    for t in Memory Dates Header; do
        printf 'DELETE FROM main."%s" WHERE ID IN (SELECT t.ID FROM kept.changed c CROSS JOIN main."%s" t ON t.ID BETWEEN c.First AND c.Last WHERE c.Tbl = '"'"'%s'"'"');\n' "$t" "$t" "$t"
        printf 'INSERT OR REPLACE INTO main."%s" SELECT * FROM kept."before_%s";\n' "$t" "$t"
    done
    printf "DELETE FROM main.sqlite_sequence WHERE name IN ('Memory', 'Dates', 'Header');\n"
    printf "INSERT INTO main.sqlite_sequence SELECT * FROM kept.sequences;\nCOMMIT;\n"
}

printf '%-9s %9s %20s %9s %8s %8s %8s %7s\n' scale newestKB olderKB folderKB historyS undoS floorS ratio
for scale in $scales; do
    unit=$work/$scale
    "$bin" demo "$unit" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null
    for r in 1 2 3 4; do
        "$bin" make "$unit/r$r.cxr" --data "$unit" >/dev/null
    done
    newest=$(ls "$unit/history"/run-*.mdb | sort | tail -1)
    newestKb=$(($(stat -c %s "$newest") / 1024))
    olderKb=$(ls "$unit/history"/run-*.mdb | sort | head -n -1 | xargs stat -c %s |
        awk '{ printf "%s%d", (NR > 1 ? "," : ""), $1 / 1024 }')
    folderKb=$(du -sk "$unit/history" | cut -f1)
    noop() { :; }
    historyS=$(median noop "$bin" history --data "$unit")
    fresh() {
        rm -rf "$work/copy"
        cp -a "$unit" "$work/copy"
    }
    undoS=$(median fresh "$bin" undo --yes --data "$work/copy")
    restoreSql "$work/copy/history/$(basename "$newest")" >"$work/restore.sql"
    floorS=$(median fresh sqlite3 "$work/copy/Memory.mdb" ".read $work/restore.sql")
    ratio=$(awk -v a="$undoS" -v b="$floorS" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    printf '%-9s %9s %20s %9s %8s %8s %8s %7s\n' "$scale" "$newestKb" "$olderKb" "$folderKb" "$historyS" \
        "$undoS" "$floorS" "$ratio"
done
