#!/usr/bin/env bash
# Installs what is missing, checks that the tracked sources are formatted as
# .clang-format says, builds and runs the whole test suite, in one or more
# configurations (CMake presets), printing how long each stage took.
#
#   scripts/test.sh            all five, as CI runs them:
#                                werror  the default build, warnings as errors (build-werror/)
#                                asan    AddressSanitizer + UBSan, leaks checked (build-asan/)
#                                nogui   without Qt Widgets, warnings as errors (build-nogui/)
#                                unused  no function or file of src/ that only tests use
#                                        (scripts/unused-code.sh, build-unused/)
#                                fuzz    the file readers' libFuzzer targets (clang, build-fuzz/),
#                                        each run for 30 s from its seed corpus in tests/fuzz/
#   scripts/test.sh --default  only the default build (build/)
#   scripts/test.sh --werror | --asan | --nogui | --unused | --fuzz
#                              only that one; several may be given
set -euo pipefail
cd "$(dirname "$0")/.."

presets=()
for arg in "$@"; do
    case "$arg" in
        --default | --werror | --asan | --nogui | --unused | --fuzz) presets+=("${arg#--}") ;;
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
[ ${#presets[@]} -eq 0 ] && presets=(werror asan nogui unused fuzz)

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

# Only the fuzz targets and the libraries they need; each runs on a copy of
# its seed corpus (libFuzzer adds the inputs it finds) and fails on a crash,
# a leak, an input taking over 10 s or a use of over 1 GB.
fuzz_targets() {
    local source
    for source in tests/fuzz/fuzz_*.cpp; do
        source=${source##*/}
        echo "${source%.cpp}"
    done
}
fuzz_build() {
    cmake --preset fuzz >/dev/null
    # shellcheck disable=SC2046
    cmake --build --preset fuzz --target $(fuzz_targets)
}
fuzz_run() {
    local target kind corpus
    for target in $(fuzz_targets); do
        kind=${target#fuzz_}
        corpus=build-fuzz/corpus/$kind
        rm -rf "$corpus" && mkdir -p "$corpus" && cp tests/fuzz/"$kind"/* "$corpus"/
        if ! build-fuzz/tests/fuzz/"$target" -max_total_time=30 -rss_limit_mb=1024 -timeout=10 \
            -artifact_prefix=build-fuzz/"$target"- -print_final_stats=1 "$corpus" >build-fuzz/"$target".log 2>&1; then
            tail -n 60 build-fuzz/"$target".log
            echo "$target failed: the input is build-fuzz/$target-*, the whole log build-fuzz/$target.log"
            return 1
        fi
        echo "$target: $(grep -E '^Done' build-fuzz/"$target".log)"
    done
}

all=$(clock)
stage "packages" scripts/deps.sh
stage "format" format_check
export QT_QPA_PLATFORM=offscreen
for preset in "${presets[@]}"; do
    if [ "$preset" = unused ]; then
        stage "unused code" scripts/unused-code.sh
        continue
    fi
    if [ "$preset" = fuzz ]; then
        stage "fuzz: build" fuzz_build
        stage "fuzz: runs" fuzz_run
        continue
    fi
    stage "$preset: build" scripts/build.sh "$preset"
    stage "$preset: tests" ctest --preset "$preset"
done
echo "== all done in $(took "$all")"
