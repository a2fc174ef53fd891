#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark; each prints its own figures and targets.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TAVOLIN_BUILD_DIR=${TAVOLIN_BUILD_DIR:-$top/build-bench}
export TAVOLIN_BUILD_TYPE=Release
bash "$top/scripts/bootstrap.sh"
bash "$top/scripts/build.sh"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
for b in "$TAVOLIN_BUILD_DIR"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@" || status=1
done
exit $status
