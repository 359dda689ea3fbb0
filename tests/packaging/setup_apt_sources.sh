#!/usr/bin/env bash
# The set-up takes the Debian archive and its keyring from the machine's own
# apt sources and nowhere else. apt is pointed at made-up source folders
# (APT_CONFIG), and the private deb-src list written from them is compared
# with what they say; without a Debian entry the set-up stops and names the
# files it looked for. No package host is written in the set-up itself.
#   setup_apt_sources.sh <source dir>
set -u
SOURCE="$1"
. "$SOURCE/tools/apt_sources.sh"
. "$(dirname "${BASH_SOURCE[0]}")/check_lib.sh"
cn=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
cn=${cn:-bookworm}

# machine <name>: an apt configuration whose sources live in $WORK/<name>.
machine() {
    mkdir -p "$WORK/$1/parts"
    printf 'Dir::Etc::SourceList "%s";\nDir::Etc::SourceParts "%s";\n' "$WORK/$1/sources.list" "$WORK/$1/parts" >"$WORK/$1/apt.conf"
}

# A deb822 file: a release stanza, a security stanza with an inline key,
# a disabled one and another vendor's; a one-line list beside it.
machine mixed
cat >"$WORK/mixed/parts/debian.sources" <<EOF
# the machine's own archive
Types: deb
URIs: file:/srv/mirror/debian
Suites: $cn $cn-updates $cn-backports
Components: main contrib
Signed-By: /srv/keys/archive.gpg

Types: deb deb-src
URIs: file:/srv/mirror/debian-security
Suites: $cn-security
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPLaceholderKeyText
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
Enabled: no
URIs: file:/srv/disabled/debian
Suites: $cn
Components: main

Types: deb
URIs: file:/srv/vendor/repo
Suites: nodistro
Components: main
EOF
cat >"$WORK/mixed/parts/local.list" <<EOF
# deb file:/srv/commented/debian $cn main
deb [arch=amd64 signed-by=/srv/keys/local.gpg] file:/srv/local/debian $cn main non-free
deb file:/srv/nomain/debian $cn contrib
EOF
cat >"$WORK/mixed.expected" <<EOF
Types: deb-src
URIs: file:/srv/mirror/debian
Suites: $cn $cn-updates
Components: main
Signed-By: /srv/keys/archive.gpg

Types: deb-src
URIs: file:/srv/mirror/debian-security
Suites: $cn-security
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPLaceholderKeyText
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb-src
URIs: file:/srv/local/debian
Suites: $cn
Components: main
Signed-By: /srv/keys/local.gpg

EOF
if ! APT_CONFIG="$WORK/mixed/apt.conf" write_debian_sources "$WORK/mixed.out" 2>"$WORK/mixed.err"; then
    fail "mixed sources: no list written: $(cat "$WORK/mixed.err")"
elif ! diff -u "$WORK/mixed.expected" "$WORK/mixed.out"; then
    fail "mixed sources: the private list is not what the machine's sources say"
fi

# The classic sources.list alone, without a keyring option.
machine classic
echo "deb file:/srv/classic/debian $cn main" >"$WORK/classic/sources.list"
printf 'Types: deb-src\nURIs: file:/srv/classic/debian\nSuites: %s\nComponents: main\n\n' "$cn" >"$WORK/classic.expected"
if ! APT_CONFIG="$WORK/classic/apt.conf" write_debian_sources "$WORK/classic.out" 2>"$WORK/classic.err"; then
    fail "sources.list: no list written: $(cat "$WORK/classic.err")"
elif ! diff -u "$WORK/classic.expected" "$WORK/classic.out"; then
    fail "sources.list: the private list is not what it says"
fi

# No Debian entry at all (only another vendor), and no sources at all: the
# set-up stops and says where it looked.
machine vendor
printf 'Types: deb\nURIs: file:/srv/vendor/repo\nSuites: nodistro\nComponents: main\n' >"$WORK/vendor/parts/vendor.sources"
machine empty
for m in vendor empty; do
    if APT_CONFIG="$WORK/$m/apt.conf" write_debian_sources "$WORK/$m.out" 2>"$WORK/$m.err"; then
        fail "$m: a list was written without a Debian entry: $(cat "$WORK/$m.out")"
    else
        said=$(cat "$WORK/$m.err")
        echo "$m: $said"
        [[ "$said" == *"$WORK/$m/sources.list"* && "$said" == *"$WORK/$m/parts/"* ]] ||
            fail "$m: the message does not name the files looked for"
    fi
done

# No package host in the set-up.
hosts=$(grep -n -E '[a-z]+://' "$SOURCE/tools/setup.sh" "$SOURCE/tools/apt_sources.sh")
[ -z "$hosts" ] || fail "the set-up names a package host: $hosts"

finish "the set-up reads the archive from the machine's own sources"
