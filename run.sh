#!/usr/bin/env bash
# Sets up, builds and starts SectionBook. Without a display the program runs
# under xvfb-run and a screenshot of its window is saved to build/screenshot.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="$ROOT/build"
bash "$ROOT/tools/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2 --target sectionbook
APP="$BUILD/app/sectionbook"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$APP" "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$ROOT/tools/headless_run.sh" "$APP" "$BUILD/screenshot.png"
