#!/usr/bin/env bash
# The program runs its window under the offscreen platform until SIGTERM,
# then ends with status 0.
set -u
QT_QPA_PLATFORM=offscreen "$1" &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "program ended on its own with status $?"
    exit 1
fi
kill -TERM "$pid"
wait "$pid"
rc=$?
echo "status after SIGTERM: $rc"
exit "$rc"
