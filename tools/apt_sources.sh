# Sourced by setup.sh: the Debian archive as this machine's own apt
# configuration gives it, mirror and keyring included.

# Writes a deb-src list ($1) for this Debian release from the machine's apt
# sources (deb822 *.sources and one-line *.list and sources.list, where apt's
# configuration says they are): every enabled entry that serves the release,
# its updates or its security suite with the main component, with its own
# URIs and Signed-By. Fails, naming the files it looked for, when there is none.
write_debian_sources() {
    local out="$1" codename SL="" SP="" files=() f
    codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || codename=bookworm
    eval "$(apt-config shell SL Dir::Etc::sourcelist/f SP Dir::Etc::sourceparts/d)"
    SL="${SL:-/etc/apt/sources.list}"; SP="${SP:-/etc/apt/sources.list.d/}"
    for f in "$SP"*.sources; do [ -f "$f" ] && files+=("$f"); done
    for f in "$SL" "$SP"*.list; do [ -f "$f" ] && files+=("$f"); done
    : > "$out"
    if [ ${#files[@]} -gt 0 ]; then
        awk -v cn="$codename" -f - "${files[@]}" > "$out" <<'AWK'
function wanted(list,    n, s, i, keep) {
    n = split(list, s, /[ \t]+/); keep = ""
    for (i = 1; i <= n; i++)
        if (s[i] == cn || s[i] == cn "-updates" || s[i] == cn "-security") keep = keep " " s[i]
    return keep
}
function hasmain(list) { return (" " list " ") ~ /[ \t]main[ \t]/ }
function emit(uris, suites, signed) {
    print "Types: deb-src"; print "URIs: " uris; print "Suites:" suites; print "Components: main"
    if (signed != "") print "Signed-By:" signed
    print ""
}
function flush(    keep) {
    keep = wanted(f["suites"])
    if (f["uris"] != "" && (" " f["types"] " ") ~ / deb(-src)? / && tolower(f["enabled"]) != "no" && keep != "" && hasmain(f["components"]))
        emit(f["uris"], keep, f["signed-by"])
    delete f; last = ""
}
FNR == 1 { if (deb822) flush(); deb822 = (FILENAME ~ /\.sources$/) }
deb822 && /^#/ { next }
deb822 && /^[ \t]*$/ { flush(); next }
deb822 && /^[ \t]/ { if (last != "") f[last] = f[last] (last == "signed-by" ? "\n" $0 : " " $0); next }
deb822 {
    i = index($0, ":"); if (i == 0) next
    last = tolower(substr($0, 1, i - 1)); v = substr($0, i + 1); sub(/^[ \t]+/, "", v); sub(/[ \t]+$/, "", v)
    f[last] = (last == "signed-by" && v != "") ? " " v : v
    next
}
!deb822 && /^[ \t]*deb(-src)?[ \t]/ {
    line = $0; sub(/#.*/, "", line); opts = ""
    if (match(line, /\[[^]]*\]/)) { opts = substr(line, RSTART + 1, RLENGTH - 2); line = substr(line, 1, RSTART - 1) " " substr(line, RSTART + RLENGTH) }
    n = split(line, w, /[ \t]+/); j = (w[1] == "") ? 2 : 1
    uri = w[j + 1]; keep = wanted(w[j + 2]); comps = ""
    for (k = j + 3; k <= n; k++) comps = comps " " w[k]
    signed = ""
    m = split(opts, o, /[ \t]+/)
    for (k = 1; k <= m; k++) if (o[k] ~ /^signed-by=/) { signed = " " substr(o[k], 11) }
    if (uri != "" && keep != "" && hasmain(comps)) emit(uri, keep, signed)
}
END { if (deb822) flush() }
AWK
    fi
    if [ ! -s "$out" ]; then
        echo "setup: no Debian archive for $codename (suite $codename, component main) in the machine's apt sources;" >&2
        echo "setup: looked in $SL and ${SP}*.sources, ${SP}*.list (read: ${files[*]:-none})." >&2
        return 1
    fi
}
