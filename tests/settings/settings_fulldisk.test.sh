#!/usr/bin/env bash
# "tavolin-cli settings set" when the disk fills up: a failure, and the project's text file
# (and its backup) stay as they were.
set -euo pipefail
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
cleanup() { mountpoint -q "$work/full" 2>/dev/null && umount "$work/full"; rm -rf "$work"; }
trap cleanup EXIT
cp -r "$demo" "$work/p"
cp "$demo/Sprache1.txt" "$work/before"

# A write that fails half-way (file size limit, then a really full file system) leaves the
# text file as it was.
status=0
(trap '' XFSZ; ulimit -f 1; "$cli" settings set "$work/p" brightness=20% 2>"$work/err" >/dev/null) || status=$?
[ "$status" -eq 1 ] && [ -s "$work/err" ]
cmp "$work/before" "$work/p/Sprache1.txt"
if [ "$(id -u)" -eq 0 ] && mkdir "$work/full" && mount -t tmpfs -o size=64k tmpfs "$work/full" 2>/dev/null; then
    cp -r "$work/p" "$work/full/p"
    rm -f "$work/full/p/Sprache1.bak"
    head -c 100000 /dev/zero >"$work/full/filler" 2>/dev/null || true
    status=0
    timeout 60 "$cli" settings set "$work/full/p" brightness=20% 2>"$work/err" >/dev/null || status=$?
    [ "$status" -eq 1 ] && [ -s "$work/err" ]
    cmp "$work/before" "$work/full/p/Sprache1.txt"
else
    echo "no tmpfs here: only the file size limit was tried" >&2
fi
echo OK
