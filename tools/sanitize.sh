#!/usr/bin/env bash
# Builds and runs the suites under AddressSanitizer and UBSan in build-asan/,
# stopping at the first error.
#   bash tools/sanitize.sh              the whole suite; leaks are not checked,
#                                       since the toolkit's libraries keep
#                                       memory until exit (several minutes)
#   bash tools/sanitize.sh --no-window  the suites that need no window, with
#                                       leaks checked; CI runs this every time
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MODE="${1:-all}"
case "$MODE" in
    all | --no-window) ;;
    *) echo "usage: bash tools/sanitize.sh [--no-window]" >&2; exit 2 ;;
esac
bash "$ROOT/tools/setup.sh"
BUILD="$ROOT/build-asan"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DSB_SANITIZE=ON -DSB_BUILD_BENCH=OFF \
      -DSB_CSV_SOURCE="$ROOT/build/third_party/sqlite-csv/csv.c" >/dev/null
UBSAN="print_stacktrace=1:halt_on_error=1"

if [ "$MODE" = all ]; then
    cmake --build "$BUILD" -j2
    cd "$BUILD"
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS="$UBSAN" \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
    exit 0
fi

cmake --build "$BUILD" -j2 --target sb_windowless_suites
mapfile -t suites <"$BUILD/windowless_suites.txt"
[ ${#suites[@]} -gt 0 ] || { echo "sanitize: no suites listed in $BUILD/windowless_suites.txt" >&2; exit 1; }
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
export UBSAN_OPTIONS="$UBSAN"
export LSAN_OPTIONS="exitcode=23"
# Two at a time; each suite's output is kept and shown when it fails.
LOGS=$(mktemp -d)
trap 'rm -rf "$LOGS"' EXIT
run_suite() {
    local suite="$1" log
    log="$LOGS/$(basename "$suite").log"
    if (cd "$(dirname "$suite")" && "$suite" --gtest_brief=1) >"$log" 2>&1; then
        echo "sanitized: $(basename "$suite") passed"
    else
        local rc=$?
        cat "$log"
        echo "sanitized: $(basename "$suite") FAILED with status $rc"
        return 1
    fi
}
export -f run_suite
export LOGS
printf '%s\n' "${suites[@]}" | xargs -P 2 -I{} bash -c 'run_suite "$1"' _ {}
echo "sanitized: ${#suites[@]} suites without a window, leaks checked"
