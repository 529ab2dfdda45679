#!/usr/bin/env bash
# Lists the code of src/ that neither program reaches: functions that only
# tests call (or nothing calls), and source files that no program links.
# It builds calendrix and calendrix-gui alone into build-unused/, without
# optimisation so that no call is inlined away, with each function in a
# section of its own, and asks the linker which sections of our libraries it
# dropped and which of their files it never took. What both programs leave
# out is listed. Exits 1 when something is found, 0 when nothing is.
# Usage: scripts/unused-code.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-unused}

# Functions that are there for tests by design: the seam through which a test
# puts its own dialogs in place of the message boxes.
kept='^calendrix::UserDialogs::setInstance\('

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="-ffunction-sections" >/dev/null
cmake --build "$build" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in calendrix calendrix-gui; do
    # The program's own link, once more, with the linker telling what it
    # drops and takes; its output goes to the work folder.
    link=$(ninja -C "$build" -t commands "src/$program" | tail -n 1)
    flags="-Wl,--gc-sections -Wl,--print-gc-sections -Wl,-Map=$work/$program.map"
    link=${link/ -o src\/$program / -o $work/$program $flags }
    (cd "$build" && eval "$link") >"$work/$program.log" 2>&1
    # Functions of our own files, each in a section named for it, beside
    # the file that holds it. A section with a group signature ("[...]") is
    # an inline function or a template, which a header may define for its
    # callers alone.
    sed -n "s/.*removing unused section '\.text\.\([^'[]*\)' in file '[^']*\(libcalendrix_[a-z]*\.a([^)]*)\)'.*/\2 \1/p" \
        "$work/$program.log" | sort -u >"$work/$program.dropped"
    # The files of our libraries that the link took.
    grep -o 'libcalendrix_[a-z]*\.a([^)]*)' "$work/$program.map" | sort -u >"$work/$program.taken"
done

found=0
# A function is left out when each program either dropped it or never took
# its file.
functions=$(cat "$work"/*.dropped | sort -u | while read -r member symbol; do
    for program in calendrix calendrix-gui; do
        if grep -qxF "$member" "$work/$program.taken" && ! grep -qxF "$member $symbol" "$work/$program.dropped"; then
            continue 2
        fi
    done
    echo "$symbol"
done | c++filt | grep '^calendrix::' | grep -Ev "$kept" | sort || true)
if [ -n "$functions" ]; then
    found=1
    echo "Functions that no program calls:"
    while read -r line; do echo "  $line"; done <<<"$functions"
fi
members=()
for lib in $(find "$build/src" -name 'libcalendrix_*.a' | sort); do
    name=$(basename "$lib")
    for member in $(ar t "$lib"); do
        entry="$name($member)"
        # moc's file of a library without a class of its own holds nothing.
        if [ "$member" != mocs_compilation.cpp.o ] &&
            ! grep -qxF "$entry" "$work/calendrix.taken" "$work/calendrix-gui.taken"; then
            members+=("$entry")
        fi
    done
done
if [ ${#members[@]} -gt 0 ]; then
    found=1
    echo "Files that no program links:"
    printf '  %s\n' "${members[@]}"
fi
[ "$found" = 0 ] && echo "No code of src/ is left out of both programs."
exit "$found"
