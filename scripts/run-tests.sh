#!/usr/bin/env bash
# Quick start, second command: installs what is missing, builds and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/bootstrap.sh"
bash "$top/scripts/build.sh"
cd "${TAVOLIN_BUILD_DIR:-$top/build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
