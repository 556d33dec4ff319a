#!/usr/bin/env bash
# Builds the game and starts it in the directory it was called from, where the game keeps its
# data file 3DZendrix.dat.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
repo=$PWD
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target 3dzendrix
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "3D-Zendrix needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    echo "Start it from a desktop session, or run it under a virtual X server such as xvfb-run." >&2
    exit 1
fi
cd "$caller"
exec "$repo/build/dev/app/3dzendrix" "$@"
