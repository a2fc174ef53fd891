#!/usr/bin/env bash
# Printing (Ctrl+P) where the PDF printer is the only one: the print dialog proposes
# "<project>-<table>-<language>.pdf" in the base folder, and "Drucken" writes it there.
source "$2/tests/desktop/desktop_support.sh" "$1" "$2"

# No print server: the PDF printer is the only printer, whatever the machine has.
export CUPS_SERVER="$DESKTOP_WORK/no-print-server"
desktop_start
project=$(copy_demo Demo)
start_editor main "$project"

send main ctrl+p
wait_window '^Drucken' >/dev/null
keys Return
pdf="$DESKTOP_BASE/Demo-Betriebstexte-Sprache1.pdf"
wait_for "$pdf" sh -c "head -c 4 '$pdf' | grep -q '%PDF'"
exit 0
