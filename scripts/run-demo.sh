#!/usr/bin/env bash
# Quick start, first command: installs what is missing, builds and starts the editor on the demo project.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/bootstrap.sh"
bash "$top/scripts/build.sh"
build=${TAVOLIN_BUILD_DIR:-$top/build}

# The demo is edited in a scratch copy so that the bundled project stays pristine.
demo=${TAVOLIN_DEMO_DIR:-$HOME/TavolinProjekte/Demo}
if [ ! -e "$demo/tavolin.cfg" ]; then
  mkdir -p "$demo"
  cp -r "$top/examples/Demo/." "$demo/"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor inside Xvfb (nothing will be visible)." >&2
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$build/bin/tavolin" "$demo"
fi
exec "$build/bin/tavolin" "$demo"
