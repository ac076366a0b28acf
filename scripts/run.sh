#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs the host
# application with the sample installation. With a display it opens the
# window; without one it plays the built-in tour headless and leaves its
# screenshots in out/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# One compiler cache for every checkout of the project on this machine.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo
bin="$root/build/release/bin"
out="$root/out/screenshots"
mkdir -p "$out"
export QT_ENABLE_HIGHDPI_SCALING=0
if [ -x "$bin/quarn" ]; then
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/quarn" --project "$bin/Projects/sample.json" "$@"
  fi
  export QT_QPA_PLATFORM=offscreen
  exec "$bin/quarn" --project "$bin/Projects/sample.json" --tour --screenshots "$out" "$@"
fi
# Before the host application exists: the platform demo.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/platform_demo" "$@"
fi
export QT_QPA_PLATFORM=offscreen
"$bin/platform_demo" --png "$out/platform-demo.png"
echo "screenshot: $out/platform-demo.png"
