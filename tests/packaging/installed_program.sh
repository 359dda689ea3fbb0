#!/usr/bin/env bash
# Installs into a fresh prefix (with a blank and a dollar sign in its path,
# which the menu entry must quote and escape) and checks what a desktop gets: exactly the program, its
# entry and its icon at every hicolor size; an entry that desktop-file-validate
# accepts without a remark and that starts the installed program; the
# installed program running from / under the offscreen platform and ending
# on SIGTERM, reading nothing of the source or build tree, and showing on a
# display the same window, pictures included, as the program in the build.
#   installed_program.sh <cmake> <build dir> <built sectionbook> <source dir>
set -u
if [ "${5:-}" != "--on-display" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@" --on-display
fi
CMAKE="$1"
BUILD=$(readlink -f "$2")
BUILT=$(readlink -f "$3")
SOURCE=$(readlink -f "$4")
SIZES=(16 22 24 32 48 64 128 256)

. "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"

PREFIX="$WORK/fresh prefix \$HOME"
if ! "$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log"
    fail "cmake --install failed"
    exit 1
fi
PROGRAM="$PREFIX/bin/sectionbook"
ENTRY="$PREFIX/share/applications/sectionbook.desktop"

# Exactly these files, nothing else.
expected="$WORK/expected" installed="$WORK/installed"
{
    echo "bin/sectionbook"
    echo "share/applications/sectionbook.desktop"
    for n in "${SIZES[@]}"; do echo "share/icons/hicolor/${n}x${n}/apps/sectionbook.png"; done
    echo "share/icons/hicolor/scalable/apps/sectionbook.svg"
} | sort >"$expected"
(cd "$PREFIX" && find . -type f | sed 's|^\./||' | sort) >"$installed"
if ! diff -u "$expected" "$installed"; then fail "the installed files are not the program, its entry and its icons"; fi
[ -x "$PROGRAM" ] || fail "the installed program is not executable"
cmp -s "$BUILT" "$PROGRAM" || fail "the installed program differs from the built one"

for n in "${SIZES[@]}"; do
    icon="$PREFIX/share/icons/hicolor/${n}x${n}/apps/sectionbook.png"
    [ -f "$icon" ] || continue
    size=$(identify -format "%wx%h" "$icon" 2>&1)
    [ "$size" = "${n}x${n}" ] || fail "the ${n}x${n} icon is $size"
    # Transparent round corners, an opaque tile under the section.
    alpha=$(convert "$icon" -alpha extract -format "%[fx:p{0,0}] %[fx:p{w/2,h/2}]" info: 2>&1)
    [ "$alpha" = "0 1" ] || fail "the ${n}x${n} icon has corner and centre opacity $alpha, not 0 1"
done
svg="$PREFIX/share/icons/hicolor/scalable/apps/sectionbook.svg"
grep -q '<svg' "$svg" && grep -q 'viewBox="0 0 256 256"' "$svg" || fail "the scalable icon is not a 256 by 256 SVG"

# The menu entry.
if [ -f "$ENTRY" ]; then
    remarks=$(desktop-file-validate "$ENTRY" 2>&1)
    rc=$?
    if [ "$rc" -ne 0 ] || [ -n "$remarks" ]; then fail "desktop-file-validate (status $rc): $remarks"; fi
    value() { sed -n "s/^$1=//p" "$ENTRY" | head -n1; }
    [ "$(value Type)" = Application ] || fail "Type is $(value Type)"
    [ "$(value Name)" = "型钢手册" ] || fail "Name is $(value Name)"
    [[ "$(value GenericName)" =~ ^[A-Za-z][A-Za-z\ -]+$ ]] || fail "GenericName is not English: $(value GenericName)"
    [[ ";$(value Categories)" == *";Engineering;"* ]] || fail "Categories lack Engineering: $(value Categories)"
    [ "$(value Icon)" = sectionbook ] || fail "Icon is $(value Icon)"
    [ "$(value TryExec)" = "$PROGRAM" ] || fail "TryExec is $(value TryExec)"
    # The program Exec names, read by the entry rules: string escapes first,
    # then a quoted first argument with its backslash escapes.
    exec_value=$(value Exec)
    unescaped="" i=0
    while [ $i -lt ${#exec_value} ]; do
        c=${exec_value:i:1}
        if [ "$c" = '\' ]; then
            i=$((i + 1))
            case "${exec_value:i:1}" in s) c=" " ;; n) c=$'\n' ;; t) c=$'\t' ;; r) c=$'\r' ;; *) c=${exec_value:i:1} ;; esac
        fi
        unescaped+=$c
        i=$((i + 1))
    done
    started=""
    if [ "${unescaped:0:1}" = '"' ]; then
        i=1
        while [ $i -lt ${#unescaped} ] && [ "${unescaped:i:1}" != '"' ]; do
            c=${unescaped:i:1}
            if [ "$c" = '\' ]; then i=$((i + 1)); c=${unescaped:i:1}; fi
            started+=$c
            i=$((i + 1))
        done
    else
        started=${unescaped%% *}
    fi
    started=${started//%%/%}
    [ "$started" = "$PROGRAM" ] || fail "Exec starts \"$started\", not the installed program ($(value Exec))"
else
    fail "no menu entry installed"
fi

# From /, offscreen: runs until SIGTERM, then status 0.
tracing=0
if command -v strace >/dev/null 2>&1 && strace -f -qq -e trace=%file -o /dev/null true >/dev/null 2>&1; then
    tracing=1
else
    echo "strace cannot trace here: what the installed program reads is not checked"
fi
trace=()
[ "$tracing" = 1 ] && trace=(strace -f -qq -e signal=none -e trace=%file -o "$WORK/offscreen.trace")
(cd / && exec env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "${trace[@]}" "$PROGRAM") >"$WORK/offscreen.out" 2>&1 &
launcher=$!
sleep 3
pid=$launcher
if [ "$tracing" = 1 ]; then pid=$(awk 'NR == 1 && /execve\(/ { print $1 }' "$WORK/offscreen.trace"); fi
if [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null; then
    wait "$launcher"
    fail "the installed program, started from / offscreen, ended on its own with status $?"
    cat "$WORK/offscreen.out"
else
    kill -TERM "$pid"
    wait "$launcher"
    rc=$?
    [ "$rc" -eq 0 ] || fail "the installed program ended with status $rc after SIGTERM"
    echo "installed program from / offscreen: status $rc after SIGTERM"
fi
if [ "$tracing" = 1 ]; then
    tree=$(grep -F -e "\"$SOURCE/" -e "\"$BUILD/" "$WORK/offscreen.trace" | grep -v "execve(" | head -n 5)
    [ -z "$tree" ] || fail "the installed program reaches into the source or build tree:"$'\n'"$tree"
fi

# On a display: the installed program started from / shows the window the
# built program shows, compared above the status bar (whose clock moves).
shoot() {  # shoot <program> <folder to start in> <png>
    local pid wid
    (cd "$2" && exec env QT_QPA_PLATFORM=xcb "$1") >/dev/null 2>&1 &
    pid=$!
    wid=$(timeout 60 xdotool search --sync --name "型钢手册" | head -n1)
    sleep 1
    [ -n "$wid" ] && import -window "$wid" "$3"
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
}
shoot "$BUILT" "$(dirname "$BUILT")" "$WORK/built.png"
shoot "$PROGRAM" / "$WORK/installed.png"
if [ -f "$WORK/built.png" ] && [ -f "$WORK/installed.png" ]; then
    cp "$WORK/installed.png" "$BUILD/installed_window.png"
    read -r w h < <(identify -format "%w %h\n" "$WORK/built.png")
    crop="${w}x$((h - 28))+0+0"
    convert "$WORK/built.png" -crop "$crop" +repage "$WORK/built-top.png"
    convert "$WORK/installed.png" -crop "$crop" +repage "$WORK/installed-top.png"
    differ=$(compare -metric AE "$WORK/built-top.png" "$WORK/installed-top.png" null: 2>&1)
    [ "$differ" = 0 ] || fail "the installed window differs from the built one in $differ pixels"
    echo "installed window (${w}x$h) matches the built one above the status bar; saved to $BUILD/installed_window.png"
else
    fail "no screenshot of the window"
fi

finish "installed and checked in $PREFIX"
