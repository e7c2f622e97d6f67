#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it. Arguments go to the
# program: `bash scripts/run.sh site.txt` runs that script unattended and exits with its result.
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
bash scripts/deps.sh --gui
build=build/run
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
program="$PWD/$build/zetqvtool"
if [ ! -x "$program" ]; then
    echo "The libraries are built; the program itself is not part of the tree yet."
    exit 0
fi
# Script names are taken from where the script was started.
cd "$here"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ $# -eq 0 ]; then
    echo "No desktop session here. Start it under Xvfb with:"
    echo "  xvfb-run -a -s '-screen 0 1280x1100x24' $program"
    echo "A script runs without one: bash scripts/run.sh site.txt"
    exit 1
fi
# Without a desktop the program runs a script on Qt's offscreen platform by itself.
exec "$program" "$@"
