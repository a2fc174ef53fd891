#!/usr/bin/env bash
# How much of src/ the whole test suite executes: builds with --coverage into build-coverage/
# (or $TAVOLIN_COVERAGE_DIR), runs every test and prints gcovr's line and branch summary.
# Slow (a build of its own plus the full suite), so it is not part of .ci/run. The full
# report goes to build-coverage/coverage.txt: gcovr, run as root, replaced /dev/null by a file.
# Extra arguments go to cmake, e.g. -DCMAKE_CXX_COMPILER_LAUNCHER=ccache.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVOLIN_COVERAGE_DIR:-$top/build-coverage}
jobs=${TAVOLIN_JOBS:-$(nproc)}

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage" \
      -DCMAKE_SHARED_LINKER_FLAGS="--coverage" -DTAVOLIN_BENCH=OFF "$@" >/dev/null
cmake --build "$build" --parallel "$jobs"

# Counts of an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete

status=0
start=$(date +%s)
(cd "$build" && ctest --output-on-failure --parallel "$jobs" --timeout 600) || status=$?
echo "Test suite: $(( $(date +%s) - start )) s wall time"

gcovr --root "$top" --filter "$top/src/" --object-directory "$build" \
      --gcov-ignore-parse-errors -j "$jobs" --txt "$build/coverage.txt" --print-summary
exit "$status"
