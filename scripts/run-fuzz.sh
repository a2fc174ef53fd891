#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ and runs each
# for SECONDS seconds (default 600), one after the other. The demo project's files seed
# every target; findings and the growing corpus stay in build-fuzz/fuzz/<target>.run/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build=${TAVOLIN_FUZZ_BUILD_DIR:-$top/build-fuzz}
bash "$top/scripts/bootstrap.sh"
# libFuzzer needs clang and its runtime; neither is needed for the ordinary build.
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'ok installed'; then
    [ "$(id -u)" -eq 0 ] && sudo_cmd=() || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends clang libclang-rt-14-dev
fi
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVOLIN_FUZZ=ON -DTAVOLIN_TESTS=OFF -DTAVOLIN_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_all --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
status=0
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name=$(basename "$target")
    work="$build/fuzz/$name.run"
    mkdir -p "$work/corpus"
    echo "== $name (${seconds}s)"
    (cd "$work" && "$target" -max_total_time="$seconds" -max_len=70000 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 corpus "$top/examples/Demo") || status=1
done
exit $status
