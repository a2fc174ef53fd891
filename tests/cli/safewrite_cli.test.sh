#!/usr/bin/env bash
# The one way a project is written, from the command line: one writer at a time, nothing
# read is dropped, devices and pipes are written through, and a project that is not whole
# is not transferred.
source "$2/tests/support/CliScript.sh"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# Two writers at once: both changes arrive, or the second is told the project is open.
project p
for round in $(seq 20); do
    # Each round changes both values from what the last round left.
    if [ $((round % 2)) -eq 1 ]; then bright=50% select=bcd shown=BCD; else bright=80% select=binaer shown=Binär; fi
    s1=0 s2=0
    run settings set "$work/p" brightness=$bright 2>"$work/e1" & first=$!
    run settings set "$work/p" selection=$select 2>"$work/e2" & second=$!
    wait "$first" || s1=$?
    wait "$second" || s2=$?
    [ "$s1" -eq 0 ] || [ "$s2" -eq 0 ]
    run settings show "$work/p" >"$work/show"
    for pair in "$s1 e1 Helligkeit: $bright" "$s2 e2 Meldetextauswahl: $shown"; do
        read -r status err expected <<<"$pair"
        if [ "$status" -eq 0 ]; then
            grep -qF "$expected" "$work/show" || fail "round $round lost \"$expected\""
        else
            [ "$status" -eq 1 ] && grep -q "ist in Tavolin auf .* (Prozess [0-9]*) geöffnet" "$work/$err" \
                || { echo "round $round: exit $status" >&2; cat "$work/$err" >&2; exit 1; }
            # The refused change is made again, so that the next round starts from both.
            run settings set "$work/p" brightness=$bright selection=$select
        fi
    done
done
[ ! -e "$work/p/.tavolin.lock" ]

# The editor holds the lock while the project is open: writers are refused, naming it;
# readers take no lock. Once the editor is gone, its lock is taken over.
run settings set "$work/p" brightness=50%
run texts export "$demo/Sprache1.txt" >"$work/in.json"
"$1/tavolin" "$work/p" 2>/dev/null & editor=$!
for _ in $(seq 100); do [ -e "$work/p/.tavolin.lock" ] && break; sleep 0.2; done
expect 1 "Das Projekt \"$work/p\" ist in Tavolin auf $(hostname) (Prozess $editor) geöffnet." \
    settings set "$work/p" brightness=20%
expect 1 "(Prozess $editor)" texts import "$work/in.json" "$work/p/Sprache1.txt"
run settings show "$work/p" | grep -q 'Helligkeit: 50%'
run print "$work/p" --language 1 --pdf "$work/p.pdf" >/dev/null
kill -KILL "$editor"
wait "$editor" || true
[ -e "$work/p/.tavolin.lock" ]
run settings set "$work/p" brightness=20%
run settings show "$work/p" | grep -q 'Helligkeit: 20%'

# A rewrite keeps what reading left out, unless --force; the previous backup stays.
project d
printf '1    eins\n\r2000 hoch\n\r2    zwei\0 danach\n\r' >"$work/d/Sprache1.txt"
cp "$work/d/Sprache1.txt" "$work/d.orig"
expect 1 'nicht überschrieben' settings set "$work/d" brightness=50%
grep -q 'Zeile 2: Die Meldungsnummer 2000' "$work/err"
grep -q 'Zeile 3: Ein Nullbyte' "$work/err"
cmp "$work/d.orig" "$work/d/Sprache1.txt"
[ ! -e "$work/d/Sprache1.bak" ]
run settings set "$work/d" brightness=50% --force 2>/dev/null
cmp "$work/d.orig" "$work/d/Sprache1.bak"

# A device, a pipe or a link to one takes the bytes; the node stays what it was. A link to
# a file replaces the file and stays a link.
mkfifo "$work/fifo"
timeout 30 cat "$work/fifo" >"$work/from-fifo" & reader=$!
run texts import "$work/in.json" "$work/fifo"
wait "$reader"
[ -p "$work/fifo" ] && cmp "$work/from-fifo" <(run texts normalize "$demo/Sprache1.txt" /proc/self/fd/1)
ln -s "$work/fifo" "$work/fifo-link"
timeout 30 cat "$work/fifo" >"$work/from-fifo" & reader=$!
run print "$demo" --language 1 --pdf "$work/fifo-link" >/dev/null
wait "$reader"
[ -p "$work/fifo" ] && [ -L "$work/fifo-link" ] && [ "$(head -c 4 "$work/from-fifo")" = '%PDF' ]
run font render "$demo/demo.pix" --sheet --out /proc/self/fd/1 | cat >"$work/sheet.png"
[ "$(head -c 4 "$work/sheet.png" | tail -c 3)" = PNG ]
echo alt >"$work/real.txt"
ln -s real.txt "$work/link.txt"
run texts normalize "$demo/Sprache1.txt" "$work/link.txt"
[ -L "$work/link.txt" ] && cmp "$work/real.txt" <(run texts normalize "$demo/Sprache1.txt" /proc/self/fd/1)

# What is not whole is not sent, naming the file; a port named twice is refused.
project nopix
rm "$work/nopix/demo.pix"
expect 1 "$work/nopix/demo.pix" download "$work/nopix" --port tcp://127.0.0.1:9 --select 2
project short
head -c 1535 "$demo/tavolin.cfg" >"$work/short/tavolin.cfg"
expect 2 "$work/short/tavolin.cfg" compare "$work/short" --port tcp://127.0.0.1:9
touch "$work/anzeige-echt"
ln -s anzeige-echt "$work/anzeige"
expect 2 'doppelt angegeben' download "$demo" --port "$work/anzeige" --port "$work/anzeige-echt" --select 5
expect 2 'doppelt angegeben' download "$demo" --port tcp://Server:4001 --port rfc2217://server:4001 --select 5
echo OK
