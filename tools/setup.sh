#!/usr/bin/env bash
# Idempotent set-up on Debian 12: installs missing packages and fetches
# SQLite's csv.c (the CSV virtual-table module) into the build tree.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${SB_BUILD_DIR:-$ROOT/build}"
. "$ROOT/tools/apt_sources.sh"

PKGS=(build-essential cmake pkg-config
      qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
      libsqlite3-dev libzip-dev zipcmp zipmerge ziptool
      libgtest-dev libgmock-dev libbenchmark-dev
      fonts-wqy-microhei xvfb xdotool xclip imagemagick xauth
      dpkg-dev xz-utils ca-certificates
      desktop-file-utils strace python3)

missing=()
for p in "${PKGS[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# csv.c from Debian's own sqlite3 source package, matching the installed library.
CSV="$BUILD/third_party/sqlite-csv/csv.c"
if [ ! -s "$CSV" ]; then
    W="$BUILD/third_party/apt-src"
    mkdir -p "$W/parts" "$W/lists/partial" "$W/cache/archives/partial" "$(dirname "$CSV")"
    # The archive and keyring are the ones the machine's own apt sources
    # name, so the fetch goes to the same mirror, with the same trust, as apt.
    write_debian_sources "$W/parts/sqlite-src.sources" || {
        echo "setup: or put SQLite's ext/misc/csv.c at $CSV yourself." >&2
        exit 1
    }
    APTOPT=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$W/parts"
            -o "Dir::State::Lists=$W/lists" -o "Dir::Cache=$W/cache"
            -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
    apt-get "${APTOPT[@]}" -qq update
    VER=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
    (cd "$W" && apt-get "${APTOPT[@]}" -qq source --download-only --tar-only "sqlite3=$VER")
    TARBALL=$(ls "$W"/sqlite3_*.orig.tar.xz | head -n1)
    tar -xJf "$TARBALL" -C "$(dirname "$CSV")" --wildcards --strip-components=3 '*/ext/misc/csv.c'
    test -s "$CSV"
    echo "setup: fetched $CSV"
fi
