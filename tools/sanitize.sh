#!/usr/bin/env bash
# Builds and runs the whole suite under AddressSanitizer and UBSan in
# build-asan/. Not part of every CI run: it takes several minutes here.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/tools/setup.sh"
BUILD="$ROOT/build-asan"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DSB_SANITIZE=ON -DSB_BUILD_BENCH=OFF \
      -DSB_CSV_SOURCE="$ROOT/build/third_party/sqlite-csv/csv.c" >/dev/null
cmake --build "$BUILD" -j2
cd "$BUILD"
# The toolkit's libraries keep memory until exit; leaks are not what this run looks for.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
