# Shared by the install checks: a scratch folder removed on exit, the
# desktop id and MIME type, and the two checks that collect failures in
# $fehler instead of stopping at the first.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=org.example.pennoria
typ=application/x-pennoria-tvl
fehler=0
pruefe() {
    if ! "$@"; then
        echo "FEHLER: $*"
        fehler=1
    fi
}
gleich() {
    if [ "$1" != "$2" ]; then
        echo "FEHLER: $3: erwartet \"$2\", erhalten \"$1\""
        fehler=1
    fi
}
