#!/usr/bin/env bash
# Runs the program on the current (virtual) display, waits for its window,
# saves a screenshot and ends the program with SIGTERM. A program that ends
# on its own before any window appears reports its own status.
set -uo pipefail
APP="$1"; SHOT="$2"
"$APP" &
PID=$!
for _ in $(seq 1 100); do
    if ! kill -0 "$PID" 2>/dev/null; then
        wait "$PID"; rc=$?
        echo "sectionbook ended with status $rc before showing a window"
        exit "$rc"
    fi
    if xdotool search --name "型钢手册" >/dev/null 2>&1; then break; fi
    sleep 0.1
done
xdotool search --sync --name "型钢手册" >/dev/null
sleep 1
import -window root "$SHOT"
echo "$SHOT"
kill -TERM "$PID"
wait "$PID"
