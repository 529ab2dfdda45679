#!/usr/bin/env bash
# Installs what is missing, checks that the tracked sources are formatted as
# .clang-format says, builds and runs the whole test suite, in one or more
# configurations (CMake presets), printing how long each stage took.
#
#   scripts/test.sh            all three, as CI runs them:
#                                werror  the default build, warnings as errors (build-werror/)
#                                asan    AddressSanitizer + UBSan, leaks checked (build-asan/)
#                                nogui   without Qt Widgets, warnings as errors (build-nogui/)
#   scripts/test.sh --default  only the default build (build/)
#   scripts/test.sh --werror | --asan | --nogui
#                              only that one; several may be given
set -euo pipefail
cd "$(dirname "$0")/.."

presets=()
for arg in "$@"; do
    case "$arg" in
        --default | --werror | --asan | --nogui) presets+=("${arg#--}") ;;
        -h | --help)
            sed -n '2,/^set -/p' "$0" | sed '$d; s/^# \{0,1\}//'
            exit 0
            ;;
        *)
            echo "scripts/test.sh: unknown option '$arg' (try --help)" >&2
            exit 2
            ;;
    esac
done
[ ${#presets[@]} -eq 0 ] && presets=(werror asan nogui)

clock() { date +%s; }
took() { # start
    local s=$(($(clock) - $1))
    printf '%dm%02ds' $((s / 60)) $((s % 60))
}
stage() { # name, command...
    local name=$1 start
    shift
    start=$(clock)
    echo "== $name"
    if "$@"; then
        echo "== $name: done in $(took "$start")"
    else
        echo "== $name: FAILED after $(took "$start")"
        exit 1
    fi
}

# The tracked files only: a build folder or a scratch file is no one's to format.
format_check() {
    git ls-files -z 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' |
        xargs -0 clang-format --dry-run --Werror
}

all=$(clock)
stage "packages" scripts/deps.sh
stage "format" format_check
export QT_QPA_PLATFORM=offscreen
for preset in "${presets[@]}"; do
    stage "$preset: build" scripts/build.sh "$preset"
    stage "$preset: tests" ctest --preset "$preset"
done
echo "== all done in $(took "$all")"
