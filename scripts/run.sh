#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --gui
build=build/run
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
program="$build/zetqvtool"
if [ ! -x "$program" ]; then
    echo "The libraries are built; the program itself is not part of the tree yet."
    exit 0
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop session here. Start it under Xvfb with:"
    echo "  xvfb-run -a -s '-screen 0 1280x1100x24' $program"
    exit 1
fi
exec "$program" "$@"
