#!/usr/bin/env bash
# "tavolin-cli settings set" when the disk fills up (a file size limit, then a really full
# file system): a failure, and the project's text file stays as it was.
set -euo pipefail
cli="$1/tavolin-cli"
work=$(mktemp -d)
cleanup() { mountpoint -q "$work/full" && umount "$work/full"; rm -rf "$work"; }
trap cleanup EXIT
demo="$2/examples/Demo"
cp -r "$demo" "$work/p"
fails_and_keeps() { # PROJECT: settings set on it fails and leaves its text file as it was
    local status=0
    "$cli" settings set "$1" brightness=20% 2>"$work/err" >/dev/null || status=$?
    [ "$status" -eq 1 ] && [ -s "$work/err" ] && cmp "$demo/Sprache1.txt" "$1/Sprache1.txt"
}
(trap '' XFSZ; ulimit -f 1; fails_and_keeps "$work/p")
mkdir "$work/full"
if mount -t tmpfs -o size=64k tmpfs "$work/full" 2>/dev/null; then
    cp -r "$demo" "$work/full/p"
    head -c 100000 /dev/zero >"$work/full/filler" 2>/dev/null || true
    fails_and_keeps "$work/full/p"
else
    echo "no tmpfs here (not root?): only the file size limit was tried" >&2
fi
echo OK
