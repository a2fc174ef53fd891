#!/usr/bin/env bash
# Configures and builds into build/ (or $TAVOLIN_BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVOLIN_BUILD_DIR:-$top/build}
# A compiler cache, where the machine has one, makes a rebuild from a fresh clone quick.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${TAVOLIN_BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
