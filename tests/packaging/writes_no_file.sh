#!/usr/bin/env bash
# The program writes no file. It runs twice on a virtual display of its own:
# as built, until its window shows, and with the in-process driver (family
# switch, search, row copy, calculation, result copy). Each time HOME, the
# XDG config, cache, data and runtime folders, TMPDIR and the working folder
# are fresh and empty, and SIGTERM ends the program. Afterwards every one of
# those folders must still be empty. Where strace can trace, any open for
# writing and any creation or change of a file outside /dev, /proc and the X
# and D-Bus sockets fails the test as well.
#   writes_no_file.sh <sectionbook> <driven program>
set -u
PROGRAM=$(readlink -f "$1")
DRIVEN=$(readlink -f "$2")
if [ "${3:-}" != "--on-display" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$PROGRAM" "$DRIVEN" --on-display
fi

. "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"

tracing=0
if ! command -v strace >/dev/null 2>&1; then
    echo "strace is not installed: only the folders are checked"
elif ! why=$(strace -f -qq -e trace=%file -o /dev/null true 2>&1); then
    echo "ptrace is refused here (strace said: ${why:-nothing}): only the folders are checked"
else
    echo "strace can trace here: opens for writing and file changes are checked as well"
    tracing=1
fi

# Calls of the trace that write or change a file, or try to, outside what a
# display client may touch; a mkdir that finds its folder there creates
# nothing. The first quoted argument is the path; resumed halves of
# interrupted calls carry none (their first half was seen).
writes_in_trace() {
    awk -v runtime="$2" '
    {
        rest = $0
        if (match(rest, /^[0-9]+ +/)) rest = substr(rest, RLENGTH + 1)
        if (rest ~ /^<\.\.\. /) next
        call = rest
        sub(/\(.*/, "", call)
        write = 0
        if (call ~ /^(open|openat|openat2)$/) {
            if (rest ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE/) write = 1
        } else if (call ~ /^(creat|mkdir|mkdirat|mknod|mknodat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)$/) {
            write = 1
        }
        if (!write) next
        if (call ~ /^mkdir(at)?$/ && / = -1 EEXIST /) next
        path = ""
        if (match(rest, /"([^"\\]|\\.)*"/)) path = substr(rest, RSTART + 1, RLENGTH - 2)
        if (path ~ /^\/(dev|proc)\// || path ~ /^\/tmp\/\.X11-unix\// || path ~ /^\/(var\/)?run\/dbus\// || path == runtime "/bus") next
        print
    }' "$1"
}

# run_case <name> <program> window|driven
run_case() {
    local name="$1" prog="$2" mode="$3"
    local dir="$WORK/$name" out="$WORK/$name.out" log="$WORK/$name.trace"
    local folders=(home config cache data runtime tmp cwd) f
    for f in "${folders[@]}"; do mkdir -p "$dir/$f"; done
    chmod 700 "$dir/runtime"
    local cmd=(env QT_QPA_PLATFORM=xcb HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_CACHE_HOME="$dir/cache"
               XDG_DATA_HOME="$dir/data" XDG_RUNTIME_DIR="$dir/runtime" TMPDIR="$dir/tmp")
    if [ "$tracing" = 1 ]; then
        cmd+=(strace -f -qq -e signal=none -e trace=%file -o "$log")
    fi
    (cd "$dir/cwd" && exec "${cmd[@]}" "$prog") >"$out" 2>&1 &
    local launcher=$! pid=$!
    if [ "$tracing" = 1 ]; then
        # The traced program is strace's child; its first traced call names it.
        pid=""
        for _ in $(seq 1 100); do
            pid=$(awk 'NR == 1 && /execve\(/ { print $1 }' "$log" 2>/dev/null)
            [ -n "$pid" ] && break
            sleep 0.05
        done
        if [ -z "$pid" ]; then
            fail "$name: the traced program did not start"
            sed "s/^/  $name| /" "$out"
            kill "$launcher" 2>/dev/null
            wait "$launcher"
            return
        fi
    fi

    local ready=0
    for _ in $(seq 1 600); do
        if [ "$mode" = window ]; then
            xdotool search --name "型钢手册" >/dev/null 2>&1 && { ready=1; sleep 1; break; }
        else
            grep -q "^driven: \(ok\|FAILED\)" "$out" 2>/dev/null && { ready=1; break; }
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [ "$ready" = 1 ] || fail "$name: the program did not come up"
    kill -TERM "$pid" 2>/dev/null
    wait "$launcher"
    local rc=$?
    sed "s/^/  $name| /" "$out"
    [ "$rc" -eq 0 ] || fail "$name: status $rc after SIGTERM"
    if [ "$mode" = driven ] && ! grep -q "^driven: ok" "$out"; then
        fail "$name: the drive did not show every step's effect"
    fi

    for f in "${folders[@]}"; do
        if [ -n "$(find "$dir/$f" -mindepth 1 -print -quit)" ]; then
            fail "$name: the $f folder is no longer empty:"
            find "$dir/$f" -mindepth 1 | sed 's/^/    /'
        fi
    done

    if [ "$tracing" = 1 ]; then
        local calls
        calls=$(grep -c . "$log" 2>/dev/null || true)
        if ! grep -q "execve(\"$prog\"" "$log" 2>/dev/null; then
            fail "$name: the trace does not show the program starting"
        fi
        local writes
        writes=$(writes_in_trace "$log" "$dir/runtime")
        if [ -n "$writes" ]; then
            fail "$name: the program opened files for writing or changed them:"
            echo "$writes" | sed 's/^/    /'
        fi
        echo "$name: status $rc after SIGTERM; $calls file calls traced"
    else
        echo "$name: status $rc after SIGTERM"
    fi
}

run_case program "$PROGRAM" window
run_case driven "$DRIVEN" driven

finish "no file written"
