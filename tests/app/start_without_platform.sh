#!/usr/bin/env bash
# Without any platform the program says it could not start and ends with 1.
set -u
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
rc=$?
echo "status $rc, said: $err"
[ "$rc" -eq 1 ] && [[ "$err" == *"加载模块失败！"* ]]
