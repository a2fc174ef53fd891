#!/usr/bin/env bash
# Projects under git: the .gitattributes and git config lines the README gives, a merge of
# two branches through "texts merge" as the merge driver, git diff through the textconv
# commands, and "tavolin-cli diff" with its exit codes.
source "$2/tests/support/CliScript.sh"
: >"$work/gitconfig"
export PATH="$bin:$PATH" GIT_CONFIG_GLOBAL="$work/gitconfig" GIT_CONFIG_NOSYSTEM=1

# Changes one message (or header line) of a display text file: its export line replaced by sed.
edit() {
    local file="$1"; shift
    tavolin-cli texts export "$file" >"$work/edit.json"
    sed -i "$@" "$work/edit.json"
    tavolin-cli texts import "$work/edit.json" "$file"
}

repo="$work/repo"
mkdir "$repo" && cd "$repo"
git init -q -b main
git config user.name Test && git config user.email test@example.invalid
cp "$demo"/* .
# As the README says.
cat >.gitattributes <<'ATTR'
Sprache?.txt     -text diff=tavolin-texts merge=tavolin-texts
DiagSprache?.txt -text diff=tavolin-texts merge=tavolin-texts
*.pix            -text diff=tavolin-font
ATTR
git config diff.tavolin-texts.textconv "tavolin-cli texts textconv"
git config merge.tavolin-texts.name "Meldungstexte je Nummer"
git config merge.tavolin-texts.driver "tavolin-cli texts merge %O %A %B"
git config diff.tavolin-font.textconv "tavolin-cli font textconv"
git add -A && git commit -qm base

git checkout -qb theirs
edit Sprache1.txt -e 's/"Handbetrieb aktiv"/"Handbetrieb theirs"/' \
                  -e 's/"Produktwechsel\\nF/"Wechsel theirs\\nF/' \
                  -e 's/"Helligkeit: 80%"/"Helligkeit: 50%"/' \
                  -e 's/^  \]$/  ,{"number": 900, "text": "Neu theirs"}\n  ]/'
grep -q '"Neu theirs"' "$work/edit.json" || fail "test set-up: message 900 not added"
git commit -qam theirs
git checkout -q main
edit Sprache1.txt -e 's/"Anlage gestoppt\\n/"Anlage ours\\n/' \
                  -e 's/"Produktwechsel\\nF/"Wechsel ours\\nF/'
git commit -qam ours

# The textconv shows the changed message by number.
git diff HEAD~1 -- Sprache1.txt >"$work/gitdiff"
grep -q '^-3    Anlage gestoppt↵Start mit Taste F1$' "$work/gitdiff" || { cat "$work/gitdiff"; fail "git diff: old line"; }
grep -q '^+3    Anlage ours↵Start mit Taste F1$' "$work/gitdiff" || fail "git diff: new line"

# Two changes of message 6: a conflict, ours kept, the rest merged, git stops.
status=0
git merge theirs >"$work/merge.out" 2>&1 || status=$?
[ "$status" -ne 0 ] || { cat "$work/merge.out"; fail "merge: no conflict reported"; }
grep -q 'Konflikt bei Meldung 6:' "$work/merge.out" || { cat "$work/merge.out"; fail "merge: conflict list"; }
grep -q '  Ihre:     Wechsel theirs' "$work/merge.out" || fail "merge: theirs in the list"
grep -q 'CONFLICT (content): Merge conflict in Sprache1.txt' "$work/merge.out" || fail "merge: git's conflict"
tavolin-cli texts export Sprache1.txt >"$work/merged.json"
for expected in '"Helligkeit: 50%"' '"text": "Handbetrieb theirs"' '"text": "Anlage ours\nStart' \
                '"text": "Wechsel ours\n' '{"number": 900, "text": "Neu theirs"}'; do
    grep -qF "$expected" "$work/merged.json" || fail "merged file lacks $expected"
done
! grep -q '<<<<<<<\|>>>>>>>' Sprache1.txt || fail "conflict markers in the file"
tavolin-cli texts normalize Sprache1.txt "$work/normal.txt"
cmp Sprache1.txt "$work/normal.txt" || fail "the merged file is not as saving writes it"
git merge --abort

# Without the conflict git merges on its own.
git checkout -qb clean HEAD~1
edit Sprache1.txt -e 's/"Einrichtbetrieb\\n/"Einrichten\\n/'
git commit -qam clean
git merge -q --no-edit theirs >"$work/merge.out" 2>&1 || { cat "$work/merge.out"; fail "clean merge failed"; }
tavolin-cli texts export Sprache1.txt | grep -qF '"Handbetrieb theirs"' || fail "clean merge lost theirs"
tavolin-cli texts export Sprache1.txt | grep -qF '"Einrichten\n' || fail "clean merge lost ours"

# A changed glyph shows in git diff with its code.
printf '\x1f' | dd of=demo.pix bs=1 seek=$(((0x41 - 32) * 7)) conv=notrunc status=none
git diff -- demo.pix >"$work/gitdiff"
grep -q '^+41 #####$' "$work/gitdiff" || { cat "$work/gitdiff"; fail "git diff of the character set"; }

# diff: 0 equal, 1 different, 2 errors; --json carries the same.
cd "$work"
cp -r "$demo" same
tavolin-cli diff "$demo" same >out || fail "diff of equal projects: exit $?"
[ ! -s out ] || fail "diff of equal projects printed something"
expect 1 '' diff "$demo" "$repo"
for expected in 'Helligkeit: 80% → 50%' 'Meldung 2 geändert:' '    neu: Handbetrieb theirs' \
                'Meldung 900 neu:' 'Code 41 (hex)   alt     neu'; do
    grep -qF "$expected" "$work/out" || { cat "$work/out"; fail "diff lacks $expected"; }
done
expect 1 '' diff "$demo" "$repo" --json
grep -q '"key": "brightness"' "$work/out" && grep -q '"code": 65' "$work/out" && grep -q '"number": 900' "$work/out" \
    || fail "diff --json"
for args in "$demo" "$demo $work/missing" "$demo same --unknown"; do
    # shellcheck disable=SC2086
    expect 2 '' diff $args
    [ -s "$work/err" ] || fail "diff $args: no message"
done

# A merge whose result does not fit the display's 60,000 bytes is refused; OURS stays.
line=$(printf 'x%.0s' $(seq 100))
: >base.txt
for n in $(seq 0 511); do printf '%-5s%s\n\r' "$n" "$line"; done >ours.txt
for n in $(seq 512 1023); do printf '%-5s%s\n\r' "$n" "$line"; done >theirs.txt
cp ours.txt ours.before
expect 2 'Fehler bei Dateispeichern' texts merge base.txt ours.txt theirs.txt
cmp ours.txt ours.before || fail "oversized merge changed OURS"
expect 2 '' texts merge base.txt ours.txt
echo ok
