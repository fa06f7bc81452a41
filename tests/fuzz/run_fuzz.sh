#!/bin/sh
# Builds the fuzz targets with clang in their own build folder and runs each
# for a bounded time. Fails on a crash, a sanitizer report, a leak or an
# allocation far beyond the input.
# usage: run_fuzz.sh <build dir> [seconds per target]
set -eu
src=$(cd "$(dirname "$0")" && pwd)
build=${1:-$src/build}
seconds=${2:-${FUZZ_SECONDS:-35}}

command -v clang++ >/dev/null || { echo "clang++ is missing (scripts/setup.sh installs it)"; exit 1; }
generator=""
command -v ninja >/dev/null && generator="-G Ninja"
if [ ! -f "$build/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    cmake -S "$src" -B "$build" $generator -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2

for kind in settings bd annotations; do
    mkdir -p "$build/seeds/$kind" "$build/corpus/$kind"
done
mkdir -p "$build/artifacts"
"$build/make_seeds" "$build/seeds/settings" "$build/seeds/bd" "$build/seeds/annotations"

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

run() {
    name=$1
    kind=$2
    shift 2
    echo "== $name for ${seconds}s"
    "$build/$name" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -malloc_limit_mb=64 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "$@" \
        "$build/corpus/$kind" "$build/seeds/$kind"
}

run fuzz_settings_reader settings
run fuzz_bd_reader bd
run fuzz_annotations_reader annotations -dict="$src/annotations.dict"
echo "fuzzing found nothing"
