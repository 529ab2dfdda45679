#!/usr/bin/env bash
# The run history's cost on the example units after four counted runs: the
# size of the newest entry and of the older ones, oldest first (the first run
# adds every counter row, the second changes most of them), the history
# folder, and the processor time (user + system, median of three) of
# "calendrix history" and "calendrix undo", beside the floor measured in the
# same run: the sqlite3 shell restoring the rows the newest run changed, in
# one transaction, from a file of its own that holds them as tables. Each
# undo and floor runs on a fresh copy of the unit; the undo also moves the
# run's datafile into history/, which the floor does not. Then the same undo
# and floor without the program's start, each in a process that has already
# started (bench_undo), the median of nine: at a company the start of a Qt
# program is most of what "calendrix undo" costs.
# Usage: bench/bench_history.sh [build] [scales...]
set -euo pipefail
build=${1:-build}
shift || true
bin=$build/src/calendrix
inProcess=$build/bench/bench_undo
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
        # bash's own time gives milliseconds, where GNU time gives hundredths.
        local TIMEFORMAT='%3U %3S'
        { time "$@" >/dev/null 2>&1; } 2>"$work/time"
        t+=("$(awk '{ printf "%.3f", $1 + $2 }' "$work/time")")
    done
    printf '%s\n' "${t[@]}" | sort -n | sed -n 2p
}

# The floor's own record of what the newest run changed, made by the sqlite3
# shell from the working database before and after that run: the rows it
# changed or removed as they were, and the keys of the rows it changed or added.
floorEntry() {
    local before=$1 after=$2 out=$3
    rm -f "$out"
    {
        printf "ATTACH '%s' AS b;\nATTACH '%s' AS a;\n" "$before" "$after"
        for t in Memory Dates Header; do
            printf 'CREATE TABLE "before_%s" AS SELECT * FROM b."%s" EXCEPT SELECT * FROM a."%s";\n' "$t" "$t" "$t"
            printf 'CREATE TABLE "keys_%s" AS SELECT ID FROM (SELECT * FROM a."%s" EXCEPT SELECT * FROM b."%s");\n' "$t" "$t" "$t"
        done
        printf "CREATE TABLE sequences AS SELECT * FROM b.sqlite_sequence WHERE name IN ('Memory', 'Dates', 'Header');\n"
    } | sqlite3 "$out"
}

restoreSql() {
    local entry=$1
    printf "ATTACH '%s' AS kept;\nBEGIN;\n" "$entry"
    for t in Memory Dates Header; do
        printf 'DELETE FROM main."%s" WHERE ID IN (SELECT ID FROM kept."keys_%s");\n' "$t" "$t"
        printf 'INSERT OR REPLACE INTO main."%s" SELECT * FROM kept."before_%s";\n' "$t" "$t"
    done
    printf "DELETE FROM main.sqlite_sequence WHERE name IN ('Memory', 'Dates', 'Header');\n"
    printf "INSERT INTO main.sqlite_sequence SELECT * FROM kept.sequences;\nCOMMIT;\n"
}

# The median of nine figures that a command prints, each on a fresh copy.
medianPrinted() {
    local t=()
    for _ in 1 2 3 4 5 6 7 8 9; do
        fresh
        t+=("$("$@")")
    done
    printf '%s\n' "${t[@]}" | sort -n | sed -n 5p
}

printf '%-9s %9s %20s %9s %8s %8s %8s %7s %9s %9s %8s\n' scale newestKB olderKB folderKB historyS undoS floorS ratio \
    inUndoS inFloorS inRatio
for scale in $scales; do
    unit=$work/$scale
    "$bin" demo "$unit" --scale "$scale" --seed 1 --from 2027-01-04 >/dev/null
    for r in 1 2 3 4; do
        [ "$r" = 4 ] && cp "$unit/Memory.mdb" "$work/before.mdb"
        "$bin" make "$unit/r$r.cxr" --data "$unit" >/dev/null 2>&1
    done
    floorEntry "$work/before.mdb" "$unit/Memory.mdb" "$work/floor.mdb"
    newest=$(ls "$unit/history"/run-*.mdb | sort | tail -1)
    newestKb=$(($(stat -c %s "$newest") / 1024))
    olderKb=$(ls "$unit/history"/run-*.mdb | sort | head -n -1 | xargs stat -c %s |
        awk '{ printf "%s%d", (NR > 1 ? "," : ""), $1 / 1024 }')
    folderKb=$(du -sk "$unit/history" | cut -f1)
    noop() { :; }
    historyS=$(median noop "$bin" history --data "$unit")
    # The copy's datafile is the run's own file under a second name, so that
    # the undo moves it into history/ as it would in the unit itself: a copy
    # of the file would be told apart and left where it is.
    fresh() {
        rm -rf "$work/copy"
        cp -a "$unit" "$work/copy"
        ln -f "$unit/r4.cxr" "$work/copy/r4.cxr"
    }
    undoS=$(median fresh "$bin" undo --yes --data "$work/copy")
    restoreSql "$work/floor.mdb" >"$work/restore.sql"
    floorS=$(median fresh sqlite3 "$work/copy/Memory.mdb" ".read $work/restore.sql")
    ratio=$(awk -v a="$undoS" -v b="$floorS" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    inUndoS=$(medianPrinted "$inProcess" undo "$work/copy")
    inFloorS=$(medianPrinted "$inProcess" floor "$work/copy/Memory.mdb" "$work/restore.sql")
    inRatio=$(awk -v a="$inUndoS" -v b="$inFloorS" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    printf '%-9s %9s %20s %9s %8s %8s %8s %7s %9s %9s %8s\n' "$scale" "$newestKb" "$olderKb" "$folderKb" \
        "$historyS" "$undoS" "$floorS" "$ratio" "$inUndoS" "$inFloorS" "$inRatio"
done
