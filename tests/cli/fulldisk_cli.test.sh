#!/usr/bin/env bash
# Every writer of the command line on a really full file system: exit 1, a message naming
# the file and the system's reason, the old file as it was, no temporary file left.
# As root (CI) the disk is a 64 KiB tmpfs filled to the last block; otherwise each run
# gets a 1 KiB file size limit with SIGXFSZ ignored.
source "$2/tests/support/CliScript.sh"
full="$work/full"
mkdir "$full"
mounted=0
if [ "$(id -u)" -eq 0 ] && [ -z "${TAVOLIN_TEST_NO_MOUNT:-}" ] && mount -t tmpfs -o size=64k tavolin-test "$full" 2>/dev/null; then
    mounted=1
fi
trap '[ "$mounted" -eq 0 ] || umount "$full"; rm -rf "$work"' EXIT

# Prepares the files every writer will try to replace, and the sources they read.
"$cli" texts export "$demo/Sprache1.txt" >"$work/in.json"
"$cli" font to-fnt "$demo/demo.pix" "$work/in.fnt"
cp -r "$demo" "$work/demo"
old=$(head -c 3000 /dev/zero | tr '\0' o)
for name in T.txt I.txt F.fnt P.pix N.fon M.txt R.png X.xlf; do printf '%s' "$old" >"$full/$name"; done

if [ "$mounted" -eq 1 ]; then
    reason='kein Platz mehr auf dem Datenträger'
    dd if=/dev/zero of="$full/.filler" bs=4k 2>/dev/null || true
else
    reason='Datei zu groß für das Dateisystem'
    limited() { ( trap '' XFSZ; ulimit -f 1; exec "$@" ); }
    via=limited
fi

check() {
    local file="$1"; shift
    expect "${code:-1}" "$full/$file: $reason" "$@"
    [ "$(cat "$full/$file")" = "$old" ] || fail "$file was changed by: $*"
}

check T.txt texts normalize "$demo/Sprache1.txt" "$full/T.txt"
check I.txt texts import "$work/in.json" "$full/I.txt"
# The merge driver's failures are told apart from conflicts (exit 1).
code=2 check M.txt texts merge "$demo/Sprache1.txt" "$demo/Sprache1.txt" "$demo/Sprache1.txt" -o "$full/M.txt"
check F.fnt font to-fnt "$demo/demo.pix" "$full/F.fnt"
check P.pix font to-pix "$work/in.fnt" "$full/P.pix"
check N.fon font to-fon "$work/in.fnt" "$full/N.fon"
check R.png font render "$demo/demo.pix" --sheet --out "$full/R.png"
check X.xlf translate export "$work/demo" -o "$full/X.xlf" --source-lang de --target-lang en
[ ! -e "$work/demo/Uebersetzung.json" ] || fail "a failed export changed the project's record"
rm -f "$full/.filler"
[ "$(ls -A "$full" | tr '\n' ' ')" = "F.fnt I.txt M.txt N.fon P.pix R.png T.txt X.xlf " ] || fail "left behind: $(ls -A "$full")"
echo OK
