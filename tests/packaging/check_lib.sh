# Shared by the packaging checks (sourced): a scratch folder removed on exit,
# and failures counted so that one run reports all of them.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Ends the check: status 1 after any failure, else the message.
finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "$1"
}
