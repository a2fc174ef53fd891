<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>About</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tavolin Texteditor für Quon und Orbex</source>
        <translation>Tavolin text editor for Quon and Orbex</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Versioninfo...</source>
        <translation>Version information...</translation>
    </message>
</context>
<context>
    <name>CharSet</name>
    <message>
        <source>Die Schriftdatei kann nicht geschrieben werden.</source>
        <translation>The font file cannot be written.</translation>
    </message>
    <message>
        <source>Die Zeichensatzdatei kann nicht geschrieben werden.</source>
        <translation>The character set file cannot be written.</translation>
    </message>
    <message>
        <source>Die Pixeldatei</source>
        <translation>The pixel file</translation>
    </message>
    <message>
        <source>Die Pixeldatei &quot;%1&quot; ist %2; ein Zeichensatz hat %3 Bytes.</source>
        <translation>The pixel file &quot;%1&quot; is %2; a character set has %3 bytes.</translation>
    </message>
    <message>
        <source>mit %1 Bytes %2</source>
        <translation>%2 with %1 bytes</translation>
    </message>
    <message>
        <source>zu kurz</source>
        <translation>too short</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>Die Pixeldatei kann nicht geschrieben werden.</source>
        <translation>The pixel file cannot be written.</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Abgebrochen; keine Anzeige war fertig.
</source>
        <translation>Aborted; no display was finished.
</translation>
    </message>
    <message>
        <source>Abgebrochen; fertig waren: %1
</source>
        <translation>Aborted; finished were: %1
</translation>
    </message>
    <message>
        <source>Übertragung zu %1 von %2 Anzeigen fehlgeschlagen.</source>
        <translation>Download to %1 of %2 displays failed.</translation>
    </message>
    <message>
        <source>Übertragung beendet: %1.
</source>
        <translation>Download finished: %1.
</translation>
    </message>
    <message>
        <source>readback liest eine Anzeige: nur ein --port.</source>
        <translation>readback reads one display: only one --port.</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>Projekt mit einer Anzeige vergleichen</source>
        <translation>compare a project with a display</translation>
    </message>
    <message>
        <source>Zeichensätze umwandeln und als Bild zeichnen</source>
        <translation>convert character sets and draw them as images</translation>
    </message>
    <message>
        <source>Meldungslisten als PDF-Datei schreiben</source>
        <translation>write message lists as a PDF file</translation>
    </message>
    <message>
        <source>Projektordner anzeigen (Konfiguration, Textdateien, zu lange Zeilen)</source>
        <translation>show a project folder (configuration, text files, lines too long)</translation>
    </message>
    <message>
        <source>Meldungstext &lt;-&gt; RTF-Dokument des Editors</source>
        <translation>message text &lt;-&gt; the editor&apos;s RTF document</translation>
    </message>
    <message>
        <source>Systemeinstellungen der Anzeige prüfen, anzeigen und ändern</source>
        <translation>check, show and change the display&apos;s system settings</translation>
    </message>
    <message>
        <source>simulierte Anzeige an einer Pseudo-Schnittstelle</source>
        <translation>simulated display on a pseudo-terminal port</translation>
    </message>
    <message>
        <source>Projekt zur Anzeige übertragen</source>
        <translation>download a project to the display</translation>
    </message>
    <message>
        <source>Anzeige in ein neues Projekt auslesen</source>
        <translation>read a display back into a new project</translation>
    </message>
    <message>
        <source>Zwei Projekte vergleichen</source>
        <translation>compare two projects</translation>
    </message>
    <message>
        <source>Textdateien der Anzeige normalisieren, exportieren, importieren, zusammenführen</source>
        <translation>normalize, export, import and merge text files of the display</translation>
    </message>
    <message>
        <source>Texte für Übersetzer: XLIFF und CSV exportieren, importieren, Stand</source>
        <translation>Texts for translators: export and import XLIFF and CSV, status</translation>
    </message>
</context>
<context>
    <name>CompareCommand</name>
    <message>
        <source>Angeschlossen an: %1
</source>
        <translation>Connected to: %1
</translation>
    </message>
    <message>
        <source>Die Schnittstelle fehlt (--port).</source>
        <translation>The port is missing (--port).</translation>
    </message>
    <message>
        <source>Ungültige Auswahl: %1 (0 bis 1023)</source>
        <translation>Invalid selection: %1 (0 to 1023)</translation>
    </message>
    <message>
        <source>Aufruf: tavolin-cli compare PROJEKTORDNER --port SCHNITTSTELLE [--select MASKE] [--json]

Liest die Anzeige in den Speicher (es wird nichts geschrieben, das Projekt bleibt,
wie es ist) und vergleicht sie mit dem, was ein Download des Projekts senden würde:
Systemeinstellungen, Meldungen je Sprache (nur im Projekt, nur in der Anzeige,
verschieden, mit beiden Texten in der Export-Schreibweise) und den Zeichensatz.
  --port    Schnittstelle (&quot;/dev/ttyUSB0&quot;, &quot;COM3&quot; oder die von &quot;tavolin-cli simulate&quot;)
  --select  was verglichen wird, wie bei download (1 Systemeinstellungen, 2 Zeichensatz,
            4 Sprache 1, 8 Sprache 2); ohne: der gespeicherte Wert &quot;Übertragen&quot;
  --json    das Ergebnis als JSON
Exit-Code 0: gleich, 1: verschieden, 2: Fehler (Aufruf, Projekt, Übertragung);
Ctrl+C bricht ab (Exit-Code 130, nach SIGTERM 143).
</source>
        <translation>Usage: tavolin-cli compare PROJECT_FOLDER --port PORT [--select MASK] [--json]

Reads the display into memory (nothing is written, the project stays as it is)
and compares it with what a download of the project would send: system settings,
messages per language (only in the project, only on the display, different, with
both texts in the export notation) and the character set.
  --port    port (&quot;/dev/ttyUSB0&quot;, &quot;COM3&quot; or the one of &quot;tavolin-cli simulate&quot;)
  --select  what is compared, as for download (1 system settings, 2 character set,
            4 language 1, 8 language 2); without: the stored value &quot;Übertragen&quot;
  --json    the result as JSON
Exit code 0: equal, 1: different, 2: error (call, project, transfer);
Ctrl+C aborts (exit code 130, after SIGTERM 143).
</translation>
    </message>
</context>
<context>
    <name>CompareRows</name>
    <message>
        <source>anderes Projekt</source>
        <translation>other project</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>dieses Projekt</source>
        <translation>this project</translation>
    </message>
    <message>
        <source>(nicht vorhanden)</source>
        <translation>(not there)</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Aufruf: tavolin-cli diff PROJEKT_A PROJEKT_B [--json] [--bak]

Zeigt, was sich zwischen zwei Projektordnern unterscheidet: den Anzeigetyp und die
übrigen Angaben in tavolin.cfg, die Systemeinstellungen (entschlüsselt, etwa
&quot;Helligkeit: 80% -&gt; 50%&quot;), je Texttabelle und Sprache die neuen, entfernten und
geänderten Meldungen in der Export-Schreibweise und jedes geänderte Zeichen des
Zeichensatzes als 5 x 7 Punktebild (alt, neu).
  --json  das Ergebnis als JSON
  --bak   PROJEKT_B mit den Texten seiner .bak-Dateien (dem Stand vor dem letzten
          Speichern); &quot;diff P P --bak&quot; zeigt, was das letzte Speichern geändert hat
Exit-Code 0: gleich, 1: verschieden, 2: Fehler (Aufruf, Projekt).
</source>
        <translation>Usage: tavolin-cli diff PROJECT_A PROJECT_B [--json] [--bak]

Shows what differs between two project folders: the display type and the
other entries of tavolin.cfg, the system settings (decoded, such as
&quot;Helligkeit: 80% -&gt; 50%&quot;), per text table and language the added, removed and
changed messages in the export notation, and every changed character of the
character set as a 5 x 7 dot picture (old, new).
  --json  the result as JSON
  --bak   PROJECT_B with the texts of its .bak files (as before the last save);
          &quot;diff P P --bak&quot; shows what the last save changed
Exit code 0: equal, 1: different, 2: error (usage, project).
</translation>
    </message>
</context>
<context>
    <name>DisplayCompare</name>
    <message>
        <source>Betriebstexte Sprache %1</source>
        <translation>Operating messages language %1</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache %1</source>
        <translation>Diagnostic messages language %1</translation>
    </message>
    <message>
        <source>Systemeinstellungen: gleich
</source>
        <translation>System settings: equal
</translation>
    </message>
    <message>
        <source>Systemeinstellungen: verschieden
  Projekt:
</source>
        <translation>System settings: different
  Project:
</translation>
    </message>
    <message>
        <source>  Anzeige:
</source>
        <translation>  Display:
</translation>
    </message>
    <message>
        <source>: gleich
</source>
        <translation>: equal
</translation>
    </message>
    <message>
        <source>: verschieden
</source>
        <translation>: different
</translation>
    </message>
    <message>
        <source>  nur im Projekt: </source>
        <translation>  only in the project: </translation>
    </message>
    <message>
        <source>  nur in der Anzeige: </source>
        <translation>  only on the display: </translation>
    </message>
    <message>
        <source>  Meldung %1 verschieden
</source>
        <translation>  Message %1 different
</translation>
    </message>
    <message>
        <source>    Projekt: </source>
        <translation>    Project: </translation>
    </message>
    <message>
        <source>    Anzeige: </source>
        <translation>    Display: </translation>
    </message>
    <message>
        <source>Zeichensatz: gleich
</source>
        <translation>Character set: equal
</translation>
    </message>
    <message>
        <source>Zeichensatz: verschieden bei den Codes (hex) </source>
        <translation>Character set: different at the codes (hex) </translation>
    </message>
    <message>
        <source>Diagnosetexte: nicht verglichen (eine Anzeige sendet sie nicht zurück)
</source>
        <translation>Diagnostic messages: not compared (a display does not send them back)
</translation>
    </message>
    <message>
        <source>Projekt und Anzeige stimmen überein.
</source>
        <translation>Project and display match.
</translation>
    </message>
    <message>
        <source>Projekt und Anzeige sind verschieden.
</source>
        <translation>Project and display differ.
</translation>
    </message>
</context>
<context>
    <name>DisplayCompareDialog</name>
    <message>
        <source>Anzeige vergleichen</source>
        <translation>Compare display</translation>
    </message>
    <message>
        <source>Projekt und Anzeige stimmen überein.</source>
        <translation>Project and display match.</translation>
    </message>
    <message>
        <source>Projekt und Anzeige sind verschieden.</source>
        <translation>Project and display differ.</translation>
    </message>
    <message>
        <source>Systemeinstellungen: gleich</source>
        <translation>System settings: equal</translation>
    </message>
    <message>
        <source>Systemeinstellungen: verschieden</source>
        <translation>System settings: different</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>: gleich</source>
        <translation>: equal</translation>
    </message>
    <message>
        <source>: verschieden</source>
        <translation>: different</translation>
    </message>
    <message>
        <source>Meldung %1: nur im Projekt</source>
        <translation>Message %1: only in the project</translation>
    </message>
    <message>
        <source>Meldung %1: nur in der Anzeige</source>
        <translation>Message %1: only on the display</translation>
    </message>
    <message>
        <source>Meldung %1: verschieden</source>
        <translation>Message %1: different</translation>
    </message>
    <message>
        <source>Projekt: </source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>Anzeige: </source>
        <translation>Display: </translation>
    </message>
    <message>
        <source>Zeichensatz: gleich</source>
        <translation>Character set: equal</translation>
    </message>
    <message>
        <source>Zeichensatz: verschieden bei den Codes (hex) </source>
        <translation>Character set: different at the codes (hex) </translation>
    </message>
    <message>
        <source>Diagnosetexte: nicht verglichen (eine Anzeige sendet sie nicht zurück)</source>
        <translation>Diagnostic messages: not compared (a display does not send them back)</translation>
    </message>
    <message>
        <source>Meldung zeigen</source>
        <translation>Show message</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DisplaySimulator</name>
    <message>
        <source>Betriebstexte Sprache 1</source>
        <translation>Operating messages language 1</translation>
    </message>
    <message>
        <source>Betriebstexte Sprache 2</source>
        <translation>Operating messages language 2</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache 1</source>
        <translation>Diagnostic messages language 1</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache 2</source>
        <translation>Diagnostic messages language 2</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Ein Zeichensatz hat %1 Bytes, diese Datei %2.</source>
        <translation>A character set has %1 bytes, this file %2.</translation>
    </message>
    <message>
        <source>%1 Kennung angefragt</source>
        <translation>%1 identification requested</translation>
    </message>
    <message>
        <source>%1 Zeichensatz folgt</source>
        <translation>%1 character set follows</translation>
    </message>
    <message>
        <source>%1 Textdatei folgt für %2</source>
        <translation>%1 text file follows for %2</translation>
    </message>
    <message>
        <source>%1 Zeichensatz angefordert, wird gesendet</source>
        <translation>%1 character set requested, sending it</translation>
    </message>
    <message>
        <source>%1 Textdatei angefordert: %2, %3 Bytes werden gesendet</source>
        <translation>%1 text file requested: %2, sending %3 bytes</translation>
    </message>
    <message>
        <source>%1 Ziel: %2</source>
        <translation>%1 target: %2</translation>
    </message>
    <message>
        <source>%1 Unbekannter Befehl, nicht beachtet</source>
        <translation>%1 unknown command, ignored</translation>
    </message>
    <message>
        <source>Zeichensatz empfangen (%1 Bytes, Prüfsumme richtig)</source>
        <translation>Character set received (%1 bytes, checksum correct)</translation>
    </message>
    <message>
        <source>Zeichensatz mit falscher Prüfsumme empfangen, nicht übernommen</source>
        <translation>Character set received with a wrong checksum, not taken</translation>
    </message>
    <message>
        <source>Textdatei empfangen: %1, %2 Bytes</source>
        <translation>Text file received: %1, %2 bytes</translation>
    </message>
</context>
<context>
    <name>DotEditor</name>
    <message>
        <source>Punkteditor</source>
        <translation>Dot editor</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Kein Platz für eine neue Meldung !</source>
        <translation>No room for a new message!</translation>
    </message>
    <message>
        <source>Möchten Sie wirklich eine Meldung löschen ?</source>
        <translation>Do you really want to delete one message?</translation>
    </message>
    <message>
        <source>Möchten Sie wirklich mehrere Meldungen löschen ?</source>
        <translation>Do you really want to delete several messages?</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Eine der eingefügten Meldungen gibt es schon.<byte value="xd"/>Soll sie ersetzt werden ?</source>
        <translation>One of the pasted messages already exists.<byte value="xd"/>Shall it be replaced?</translation>
    </message>
    <message>
        <source>%1 der eingefügten Meldungen gibt es schon.<byte value="xd"/>Sollen sie ersetzt werden ?</source>
        <translation>%1 of the pasted messages already exist.<byte value="xd"/>Shall they be replaced?</translation>
    </message>
    <message>
        <source>Neue Meldung %1</source>
        <translation>New message %1</translation>
    </message>
    <message>
        <source>Meldung %1 löschen</source>
        <translation>Delete message %1</translation>
    </message>
    <message>
        <source>%1 Meldungen löschen</source>
        <translation>Delete %1 messages</translation>
    </message>
    <message>
        <source>Meldung %1 ausschneiden</source>
        <translation>Cut message %1</translation>
    </message>
    <message>
        <source>%1 Meldungen ausschneiden</source>
        <translation>Cut %1 messages</translation>
    </message>
    <message>
        <source>Meldung %1 einfügen</source>
        <translation>Paste message %1</translation>
    </message>
    <message>
        <source>%1 Meldungen einfügen</source>
        <translation>Paste %1 messages</translation>
    </message>
    <message>
        <source>Zeichensatz importieren</source>
        <translation>Import character set</translation>
    </message>
</context>
<context>
    <name>EditableFont</name>
    <message>
        <source>Die Zeichensatzdatei &quot;%1&quot; ist beschädigt: %2.</source>
        <translation>The character set file &quot;%1&quot; is damaged: %2.</translation>
    </message>
    <message>
        <source>sie ist mit %1 Bytes zu kurz</source>
        <translation>at %1 bytes it is too short</translation>
    </message>
    <message>
        <source>die Daten des Zeichens %1 liegen außerhalb der Datei</source>
        <translation>the data of character %1 lie outside the file</translation>
    </message>
    <message>
        <source>der Schriftname liegt außerhalb der Datei</source>
        <translation>the font name lies outside the file</translation>
    </message>
    <message>
        <source>Die Zeichensatzdatei</source>
        <translation>The character set file</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>&amp;Ersetzen durch:</source>
        <translation>Rep&amp;lace with:</translation>
    </message>
    <message>
        <source>&amp;Groß-/Kleinschreibung</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>Nur ganze &amp;Wörter</source>
        <translation>&amp;Whole words only</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>&amp;Alle ersetzen</source>
        <translation>Replace &amp;all</translation>
    </message>
    <message>
        <source>Angezeigte Tabelle</source>
        <translation>Shown table</translation>
    </message>
    <message>
        <source>Alle Tabellen</source>
        <translation>All tables</translation>
    </message>
    <message>
        <source>Beide Sprachen</source>
        <translation>Both languages</translation>
    </message>
    <message>
        <source>Sprache1</source>
        <translation>Language 1</translation>
    </message>
    <message>
        <source>Sprache2</source>
        <translation>Language 2</translation>
    </message>
    <message>
        <source>&amp;Suchen nach:</source>
        <translation>&amp;Find what:</translation>
    </message>
    <message>
        <source>Weitersuchen</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suchen schließen (Esc)</source>
        <translation>Close find (Esc)</translation>
    </message>
    <message>
        <source>Meldung 1023, Sprache2</source>
        <translation>Message 1023, language 2</translation>
    </message>
</context>
<context>
    <name>FindCommands</name>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Nicht gefunden.</source>
        <translation>Not found.</translation>
    </message>
    <message>
        <source>Meldung %1, Sprache%2</source>
        <translation>Message %1, language %2</translation>
    </message>
    <message>
        <source>1 Stelle ersetzt.</source>
        <translation>1 occurrence replaced.</translation>
    </message>
    <message>
        <source>%1 Stellen ersetzt.</source>
        <translation>%1 occurrences replaced.</translation>
    </message>
</context>
<context>
    <name>FolderSwap</name>
    <message>
        <source>Das Projekt kann nicht nach &quot;%1&quot; gespeichert werden:<byte value="xd"/>%2</source>
        <translation>The project cannot be saved to &quot;%1&quot;:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; lässt sich nicht anlegen.</source>
        <translation>The folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>Der alte Inhalt von &quot;%1&quot; liegt noch in &quot;%2&quot;; er ließ sich nicht in den Papierkorb verschieben.</source>
        <translation>The old content of &quot;%1&quot; is still in &quot;%2&quot;; it could not be moved to the trash.</translation>
    </message>
</context>
<context>
    <name>FontCommand</name>
    <message>
        <source>%1 Dateinamen erwartet, %2 angegeben.

%3</source>
        <translation>%1 file names expected, %2 given.

%3</translation>
    </message>
    <message>
        <source>Ungültiger Schriftname &quot;%1&quot;: erlaubt sind 1 bis 63 Zeichen aus ASCII.</source>
        <translation>Invalid font name &quot;%1&quot;: 1 to 63 ASCII characters are allowed.</translation>
    </message>
    <message>
        <source>Das Zeichen &quot;%1&quot; (U+%2) hat keinen Platz im Zeichensatz.</source>
        <translation>The character &quot;%1&quot; (U+%2) has no place in the character set.</translation>
    </message>
    <message>
        <source>Entweder --text TEXT oder --sheet angeben.</source>
        <translation>Give either --text TEXT or --sheet.</translation>
    </message>
    <message>
        <source>--out BILD.png fehlt.</source>
        <translation>--out IMAGE.png is missing.</translation>
    </message>
    <message>
        <source>--dot erwartet eine Zahl von 1 bis 32, nicht &quot;%1&quot;.</source>
        <translation>--dot expects a number from 1 to 32, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Das Bild &quot;%1&quot; kann nicht erzeugt werden: %2</source>
        <translation>The image &quot;%1&quot; cannot be created: %2</translation>
    </message>
    <message>
        <source>Das Bild kann nicht geschrieben werden.</source>
        <translation>The image cannot be written.</translation>
    </message>
    <message>
        <source>Unbekannte Aktion: &quot;%1&quot;

%2</source>
        <translation>Unknown action: &quot;%1&quot;

%2</translation>
    </message>
    <message>
        <source>Aufruf:
  tavolin-cli font to-fnt QUELLE.pix ZIEL.fnt [--face NAME]
  tavolin-cli font to-pix QUELLE.fnt ZIEL.pix
  tavolin-cli font to-fon QUELLE.fnt ZIEL.fon
  tavolin-cli font render QUELLE.pix|QUELLE.fix (--text TEXT | --sheet) --out BILD.png [--dot N]
  tavolin-cli font textconv QUELLE.pix|QUELLE.fix

to-fnt  wandelt eine Pixeldatei (.pix oder .fix) in die editierbare Schriftdatei;
        NAME ist der Schriftname darin (ohne Angabe der Dateiname des Ziels).
to-pix  wandelt eine editierbare Schriftdatei zurück in eine Pixeldatei.
to-fon  erzeugt aus einer editierbaren Schriftdatei die Windows-Schriftdatei (.FON)
        und gibt ihren Schriftnamen aus.
render  zeichnet einen Text so, wie das Display ihn zeigt, als PNG-Bild. TEXT ist
        gewöhnlicher Text im Windows-Zeichensatz; \n beginnt eine neue Zeile.
        --sheet zeichnet stattdessen alle 224 Zeichen mit ihren Codes (16 je Zeile).
        --dot N: Kantenlänge eines Displaypunkts in Bildpunkten (Vorgabe 2).
        Das Bild darf höchstens 16384 Bildpunkte breit und hoch und 40 Millionen
        Bildpunkte groß werden; ein vorhandenes BILD.png bleibt bei einem Fehler.
textconv  gibt alle 224 Zeichen als Punktebilder in Text aus (# leuchtet, . aus),
        jede Zeile mit dem Code (hex) davor: für git diff.
</source>
        <translation>Usage:
  tavolin-cli font to-fnt SOURCE.pix TARGET.fnt [--face NAME]
  tavolin-cli font to-pix SOURCE.fnt TARGET.pix
  tavolin-cli font to-fon SOURCE.fnt TARGET.fon
  tavolin-cli font render SOURCE.pix|SOURCE.fix (--text TEXT | --sheet) --out IMAGE.png [--dot N]
  tavolin-cli font textconv SOURCE.pix|SOURCE.fix

to-fnt  converts a pixel file (.pix or .fix) into the editable font file;
        NAME is the font name in it (without: the file name of the target).
to-pix  converts an editable font file back into a pixel file.
to-fon  makes the Windows font file (.FON) from an editable font file
        and prints its font name.
render  draws a text as the display shows it, as a PNG image. TEXT is
        ordinary text in the Windows character set; \n starts a new line.
        --sheet draws all 224 characters with their codes instead (16 per line).
        --dot N: edge length of one display dot in pixels (default 2).
        The image may be at most 16384 pixels wide and high and 40 million
        pixels large; an existing IMAGE.png stays as it is on an error.
textconv  prints all 224 characters as dot pictures in text (# lit, . dark),
        each line with the code (hex) in front: for git diff.
</translation>
    </message>
</context>
<context>
    <name>FontEditorWindow</name>
    <message>
        <source>In den Text einfügen</source>
        <translation>Insert into the text</translation>
    </message>
    <message>
        <source>Fügt das gewählte Zeichen als Grafikzeichen in den bearbeiteten Text ein (auch Doppelklick oder Eingabetaste in der Übersicht).</source>
        <translation>Inserts the chosen character as a graphics character into the edited text (also double-click or Enter in the overview).</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Leeren</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Umkehren</source>
        <translation>&amp;Invert</translation>
    </message>
    <message>
        <source>&amp;Zeichensatz</source>
        <translation>&amp;Character set</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Punkte ändern</source>
        <translation>Change dots</translation>
    </message>
    <message>
        <source>Pfeiltasten wählen ein Zeichen, Tab wechselt zu den Punkten, Leertaste schaltet einen Punkt.</source>
        <translation>Arrow keys choose a character, Tab moves to the dots, Space toggles a dot.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zeichensatz bearbeiten - %1[*]</source>
        <translation>Edit character set - %1[*]</translation>
    </message>
    <message>
        <source>Gespeichert.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Zeichensatz bearbeiten</source>
        <translation>Edit character set</translation>
    </message>
    <message>
        <source>Die Änderungen am Zeichensatz &quot;%1&quot; sind noch nicht gespeichert.

Möchten Sie die Änderungen speichern?</source>
        <translation>The changes to the character set &quot;%1&quot; are not saved yet.

Do you want to save the changes?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zeichen kopiert.</source>
        <translation>Character copied.</translation>
    </message>
    <message>
        <source>In der Zwischenablage ist kein Zeichen.</source>
        <translation>There is no character on the clipboard.</translation>
    </message>
    <message>
        <source>Zeichen einfügen</source>
        <translation>Paste character</translation>
    </message>
    <message>
        <source>Zeichen leeren</source>
        <translation>Clear character</translation>
    </message>
    <message>
        <source>Zeichen umkehren</source>
        <translation>Invert character</translation>
    </message>
    <message>
        <source>Zeichencode %1 hex (%2)</source>
        <translation>Character code %1 hex (%2)</translation>
    </message>
    <message>
        <source>
Taste: %1</source>
        <translation>
Key: %1</translation>
    </message>
</context>
<context>
    <name>FontFileBuilder</name>
    <message>
        <source>Die Zeichensatzdatei &quot;%1&quot; ist beschädigt: sie ist mit %2 Bytes zu kurz.</source>
        <translation>The character set file &quot;%1&quot; is damaged: at %2 bytes it is too short.</translation>
    </message>
    <message>
        <source>Die Zeichensatzdatei &quot;%1&quot; ist beschädigt: die Daten des Zeichens %2 liegen außerhalb der Datei.</source>
        <translation>The character set file &quot;%1&quot; is damaged: the data of character %2 lie outside the file.</translation>
    </message>
    <message>
        <source>Die Schriftdatei kann nicht geschrieben werden.</source>
        <translation>The font file cannot be written.</translation>
    </message>
</context>
<context>
    <name>GlyphGrid</name>
    <message>
        <source>Zeichenübersicht</source>
        <translation>Character overview</translation>
    </message>
</context>
<context>
    <name>GlyphSet</name>
    <message>
        <source>Die Zeichensatzdatei kann nicht geschrieben werden.</source>
        <translation>The character set file cannot be written.</translation>
    </message>
</context>
<context>
    <name>GotoMessage</name>
    <message>
        <source>Gehe zu Meldung</source>
        <translation>Go to Message</translation>
    </message>
    <message>
        <source>Meldungsnummer:</source>
        <translation>Message number:</translation>
    </message>
    <message>
        <source>Die Tabelle enthält keine Meldung.</source>
        <translation>The table holds no message.</translation>
    </message>
    <message>
        <source>Meldung %1 gibt es nicht. OK geht zur nächsten, Meldung %2.</source>
        <translation>There is no message %1. OK goes to the next one, message %2.</translation>
    </message>
    <message>
        <source>Meldung %1 gibt es nicht. OK geht zur letzten, Meldung %2.</source>
        <translation>There is no message %1. OK goes to the last one, message %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Tavolin Hilfe</source>
        <translation>Tavolin Help</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Die Hilfedatei<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>wurde nicht gefunden.</source>
        <translation>The help file<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>was not found.</translation>
    </message>
</context>
<context>
    <name>Import1</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Projektname</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Möchten Sie die Datei<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>überschreiben ?</source>
        <translation>Do you want to overwrite the file<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>?</translation>
    </message>
    <message>
        <source>Die Datei<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>kann nicht gelesen werden.</source>
        <translation>The file<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>cannot be read.</translation>
    </message>
    <message>
        <source>Der Ordner<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>kann nicht angelegt werden.</source>
        <translation>The folder<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>cannot be created.</translation>
    </message>
    <message>
        <source>Die Datei<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>kann nicht in den Papierkorb verschoben werden und wurde deshalb nicht ersetzt.</source>
        <translation>The file<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>cannot be moved to the trash and was therefore not replaced.</translation>
    </message>
    <message>
        <source>Die Datei<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>konnte nicht nach<byte value="xd"/>&quot;%2&quot;<byte value="xd"/>kopiert werden.</source>
        <translation>The file<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>could not be copied to<byte value="xd"/>&quot;%2&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Die bisherige Datei liegt im Papierkorb.</source>
        <translation><byte value="xd"/>The previous file is in the trash.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Rastend</source>
        <translation>Latching</translation>
    </message>
    <message>
        <source>Tastend</source>
        <translation>Momentary</translation>
    </message>
    <message>
        <source>Extern</source>
        <translation>External</translation>
    </message>
    <message>
        <source>Intern</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Blinkend</source>
        <translation>Blinking</translation>
    </message>
</context>
<context>
    <name>Laden</name>
    <message>
        <source>Übertragen</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Angeschlossen an:</source>
        <translation>Connected to:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read back</translation>
    </message>
</context>
<context>
    <name>Letzteprjdialog</name>
    <message>
        <source>zuletzt bearbeitete Projekte</source>
        <translation>Recently edited projects</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Das Projekt<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>gibt es nicht mehr; es wurde aus der Liste entfernt.</source>
        <translation>The project<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>no longer exists; it was removed from the list.</translation>
    </message>
    <message>
        <source>Der Anzeigentyp &quot;%1&quot; des Projekts<byte value="xd"/>&quot;%2&quot;<byte value="xd"/>ist unbekannt.<byte value="xd"/>Öffnen Sie das Projekt mit &quot;Öffnen/Neu...&quot; und wählen Sie dort einen Anzeigentyp.</source>
        <translation>The display type &quot;%1&quot; of the project<byte value="xd"/>&quot;%2&quot;<byte value="xd"/>is unknown.<byte value="xd"/>Open the project with &quot;Open/New...&quot; and choose a display type there.</translation>
    </message>
</context>
<context>
    <name>Loeschen</name>
    <message>
        <source>Projekt Löschen</source>
        <translation>Delete Project</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Öffnen/Neu...</source>
        <translation>&amp;Open/New...</translation>
    </message>
    <message>
        <source>&amp;zuletzt bearbeitet...</source>
        <translation>&amp;Recently edited...</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern unter...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Löschen...</source>
        <translation>Delete...</translation>
    </message>
    <message>
        <source>Übertragen...</source>
        <translation>Download...</translation>
    </message>
    <message>
        <source>Anzeige vergleichen...</source>
        <translation>Compare display...</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Druckvorschau...</source>
        <translation>Print preview...</translation>
    </message>
    <message>
        <source>Als PDF speichern...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Sprache1</source>
        <translation>Language 1</translation>
    </message>
    <message>
        <source>Sprache2</source>
        <translation>Language 2</translation>
    </message>
    <message>
        <source>&amp;Optionen...</source>
        <translation>Op&amp;tions...</translation>
    </message>
    <message>
        <source>&amp;Beenden               Alt+F4</source>
        <translation>E&amp;xit               Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Betriebstexte</source>
        <translation>Operating messages</translation>
    </message>
    <message>
        <source>Diagnosetexte</source>
        <translation>Diagnostic messages</translation>
    </message>
    <message>
        <source>Neue Meldung</source>
        <translation>New message</translation>
    </message>
    <message>
        <source>Vorherige Meldung</source>
        <translation>Previous message</translation>
    </message>
    <message>
        <source>Nächste Meldung</source>
        <translation>Next message</translation>
    </message>
    <message>
        <source>Sprache wechseln</source>
        <translation>Switch language</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Blink ein</source>
        <translation>Blink on</translation>
    </message>
    <message>
        <source>Blink aus</source>
        <translation>Blink off</translation>
    </message>
    <message>
        <source>Grafik ein</source>
        <translation>Graphics on</translation>
    </message>
    <message>
        <source>Grafik aus</source>
        <translation>Graphics off</translation>
    </message>
    <message>
        <source>Zeichensatz editieren</source>
        <translation>Edit character set</translation>
    </message>
    <message>
        <source>Zeichensatz importieren</source>
        <translation>Import character set</translation>
    </message>
    <message>
        <source>Systemeinstellungen...</source>
        <translation>System settings...</translation>
    </message>
    <message>
        <source>&amp;Hilfe    F1</source>
        <translation>&amp;Help    F1</translation>
    </message>
    <message>
        <source>Inf&amp;o...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Zeichensatzeditieren</source>
        <translation>Edit character set</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zeichensatz:</source>
        <translation>Character set:</translation>
    </message>
    <message>
        <source>An mehrere Anzeigen übertragen...</source>
        <translation>Download to several displays...</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Suchen...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Rückwärts suchen</source>
        <translation>Find previous</translation>
    </message>
    <message>
        <source>&amp;Ersetzen...</source>
        <translation>R&amp;eplace...</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Gehe zu Meldung...</source>
        <translation>&amp;Go to message...</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>Für Übersetzung exportieren...</source>
        <translation>Export for translation...</translation>
    </message>
    <message>
        <source>Übersetzung importieren...</source>
        <translation>Import translation...</translation>
    </message>
    <message>
        <source>Mit Projekt vergleichen...</source>
        <translation>Compare with project...</translation>
    </message>
    <message>
        <source>Übersetzungsstand</source>
        <translation>Translation status</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Systemeinstellungen ändern</source>
        <translation>Change system settings</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>MessageCellPainter</name>
    <message>
        <source>Sprache %1:%2</source>
        <translation>Language %1:%2</translation>
    </message>
</context>
<context>
    <name>MessageListPrint</name>
    <message>
        <source>Der Drucker lässt sich nicht öffnen; es wurde nichts gedruckt.</source>
        <translation>The printer cannot be opened; nothing was printed.</translation>
    </message>
    <message>
        <source>Anzeigetype: </source>
        <translation>Display type: </translation>
    </message>
    <message>
        <source>Sprache %1: %2</source>
        <translation>Language %1: %2</translation>
    </message>
    <message>
        <source>Zeichensatz: </source>
        <translation>Character set: </translation>
    </message>
    <message>
        <source>Meld.Nr</source>
        <translation>Msg.No</translation>
    </message>
    <message>
        <source>Meldetext</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Sprache %1 gibt es nicht; gedruckt werden Sprache 1 und 2.</source>
        <translation>There is no language %1; languages 1 and 2 can be printed.</translation>
    </message>
    <message>
        <source>Die Tabelle enthält keine Meldungen; es gibt nichts zu drucken.</source>
        <translation>The table holds no messages; there is nothing to print.</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht vollständig geschrieben werden: %1</source>
        <translation>The PDF file could not be written completely: %1</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht geschrieben werden.</source>
        <translation>The PDF file could not be written.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fehler bei Dateispeichern</source>
        <translation>Error saving file</translation>
    </message>
    <message>
        <source>Fehler bei Datenlesen</source>
        <translation>Error reading data</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; existiert nicht.</source>
        <translation>The project &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Der Anzeigentyp &quot;%1&quot; ist unbekannt.</source>
        <translation>The display type &quot;%1&quot; is unknown.</translation>
    </message>
</context>
<context>
    <name>ModuleInfo</name>
    <message>
        <source>Zeichensatzeditor</source>
        <translation>Character set editor</translation>
    </message>
</context>
<context>
    <name>MultiDownloadDialog</name>
    <message>
        <source>An mehrere Anzeigen übertragen</source>
        <translation>Download to Several Displays</translation>
    </message>
    <message>
        <source>&amp;Schnittstellen (eine je Zeile, z. B. /dev/ttyUSB0, tcp://RECHNER:PORT, rfc2217://RECHNER:PORT):</source>
        <translation>&amp;Ports (one per line, e.g. /dev/ttyUSB0, tcp://HOST:PORT, rfc2217://HOST:PORT):</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Ü&amp;bertragen</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Übertragung läuft...</source>
        <translation>Download running...</translation>
    </message>
    <message>
        <source>%1 von %2 Anzeigen haben alles erhalten.</source>
        <translation>%1 of %2 displays received everything.</translation>
    </message>
</context>
<context>
    <name>Neuemld</name>
    <message>
        <source>Neue Meldung </source>
        <translation>New message </translation>
    </message>
    <message>
        <source>Meldungsnummer:</source>
        <translation>Message number:</translation>
    </message>
    <message>
        <source>Diese Meldung existiert schon !</source>
        <translation>This message already exists!</translation>
    </message>
</context>
<context>
    <name>Optionen</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Startbild anzeigen</source>
        <translation>Show start screen</translation>
    </message>
</context>
<context>
    <name>PathBox</name>
    <message>
        <source>Pfad:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>&amp;Durchsuchen...</source>
        <translation>&amp;Browse...</translation>
    </message>
</context>
<context>
    <name>PixImage</name>
    <message>
        <source>Das Bild wäre %1 × %2 Bildpunkte groß; erlaubt sind höchstens %3 Bildpunkte Breite und Höhe und %4 Millionen Bildpunkte. Bitte den Text kürzen oder --dot verkleinern.</source>
        <translation>The image would be %1 × %2 pixels; at most %3 pixels width and height and %4 million pixels are allowed. Please shorten the text or make --dot smaller.</translation>
    </message>
    <message>
        <source>Für ein Bild von %1 × %2 Bildpunkten reicht der Arbeitsspeicher nicht.</source>
        <translation>There is not enough memory for an image of %1 × %2 pixels.</translation>
    </message>
</context>
<context>
    <name>PreviewDock</name>
    <message>
        <source>Anzeigevorschau</source>
        <translation>Display preview</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>wie der Anzeigetyp</source>
        <translation>as the display type</translation>
    </message>
    <message>
        <source>LED rot</source>
        <translation>LED red</translation>
    </message>
    <message>
        <source>LED grün</source>
        <translation>LED green</translation>
    </message>
    <message>
        <source>LED bernstein</source>
        <translation>LED amber</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>&amp;Zeilen:</source>
        <translation>&amp;Lines:</translation>
    </message>
    <message>
        <source>&amp;Punktabstand:</source>
        <translation>&amp;Dot pitch:</translation>
    </message>
    <message>
        <source>&amp;Aussehen:</source>
        <translation>&amp;Appearance:</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Bitte mit --pdf die PDF-Datei angeben, die geschrieben werden soll.</source>
        <translation>Please give the PDF file to write with --pdf.</translation>
    </message>
    <message>
        <source>--language muss 1 oder 2 sein, nicht &quot;%1&quot;.</source>
        <translation>--language must be 1 or 2, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--table muss betrieb oder diagnose sein, nicht &quot;%1&quot;.</source>
        <translation>--table must be betrieb or diagnose, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--page-size muss A4 oder Letter sein, nicht &quot;%1&quot;.</source>
        <translation>--page-size must be A4 or Letter, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Der Anzeigetyp &quot;%1&quot; hat keine Sprache 2.</source>
        <translation>The display type &quot;%1&quot; has no language 2.</translation>
    </message>
    <message>
        <source>Der Anzeigetyp &quot;%1&quot; hat keine Diagnosetexte.</source>
        <translation>The display type &quot;%1&quot; has no diagnostic messages.</translation>
    </message>
    <message>
        <source>Der Standardzeichensatz &quot;%1&quot; fehlt.</source>
        <translation>The standard character set &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>Zu lang für eine Seite und daher nicht in &quot;%1&quot;: Meldung %2</source>
        <translation>Too long for one page and therefore not in &quot;%1&quot;: message %2</translation>
    </message>
    <message>
        <source>%1: %2 Seiten
</source>
        <translation>%1: %2 pages
</translation>
    </message>
    <message>
        <source>Aufruf:
  tavolin-cli print PROJEKTORDNER --language 1|2 [--table betrieb|diagnose]
                    --pdf AUSGABE.pdf [--page-size A4|Letter]
</source>
        <translation>Usage:
  tavolin-cli print PROJECT_FOLDER --language 1|2 [--table betrieb|diagnose]
                    --pdf OUTPUT.pdf [--page-size A4|Letter]
</translation>
    </message>
    <message>
        <source>Schreibt die Meldungsliste einer Sprache als PDF-Datei, mit denselben Seiten wie
&quot;Als PDF speichern...&quot; im Editor: Kopf mit Textdatei, Zeichensatz und Anzeigetyp,
jede Meldung mit Nummer und Text in den Zeichen der Anzeige, Seitennummern.
--table wählt Betriebs- (Vorgabe) oder Diagnosetexte, --page-size das Papier (A4).
Eine Meldung, die nicht auf eine leere Seite passt, wird genannt und ausgelassen;
der Rest wird geschrieben, der Befehl endet dann mit Fehlerstatus 1.
</source>
        <translation>Writes the message list of one language as a PDF file, with the same pages as
&quot;Save as PDF...&quot; in the editor: header with text file, character set and display
type, each message with number and text in the characters of the display, page
numbers. --table chooses operating (betrieb, default) or diagnostic (diagnose)
messages, --page-size the paper (A4).
A message that does not fit on an empty page is named and left out; the rest is
written, and the command then ends with exit status 1.
</translation>
    </message>
    <message>
        <source>Bitte genau einen Projektordner angeben.</source>
        <translation>Please give exactly one project folder.</translation>
    </message>
    <message>
        <source>Die Textdatei &quot;%1&quot; fehlt; es wird kein PDF geschrieben.</source>
        <translation>The text file &quot;%1&quot; is missing; no PDF is written.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Meldung %1 ist zu lang für eine Seite und wurde nicht gedruckt; alle anderen Meldungen wurden gedruckt.</source>
        <translation>Message %1 is too long for one page and was not printed; all other messages were printed.</translation>
    </message>
    <message>
        <source>Druckvorschau - </source>
        <translation>Print preview - </translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ProjectCommand</name>
    <message>
        <source>Aufruf:
  tavolin-cli project info ORDNER [--json]

info  zeigt die Konfiguration eines Projektordners (tavolin.cfg) mit dem Anzeigetyp
      und für jede Textdatei, die der Anzeigetyp hat, die Zahl der Meldungen und
      die Zeilen, die länger sind als eine Zeile der Anzeige (Blink- und
      Grafikschalter zählen nicht mit). --json gibt dasselbe als JSON aus.
</source>
        <translation>Usage:
  tavolin-cli project info FOLDER [--json]

info  shows the configuration of a project folder (tavolin.cfg) with the display
      type and, for each text file the display type has, the number of messages
      and the lines longer than a line of the display (blink and graphics
      switches do not count). --json prints the same as JSON.
</translation>
    </message>
    <message>
        <source>zweite Sprache</source>
        <translation>second language</translation>
    </message>
    <message>
        <source>Diagnosetexte</source>
        <translation>Diagnostic messages</translation>
    </message>
    <message>
        <source>SPS-Adressen</source>
        <translation>PLC addresses</translation>
    </message>
    <message>
        <source>keine Übertragungsantwort</source>
        <translation>no transfer reply</translation>
    </message>
    <message>
        <source>CTS-Handshake</source>
        <translation>CTS handshake</translation>
    </message>
    <message>
        <source>keine Infoabfrage</source>
        <translation>no info query</translation>
    </message>
    <message>
        <source>Betriebstexte Sprache%1</source>
        <translation>Operating messages language %1</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache%1</source>
        <translation>Diagnostic messages language %1</translation>
    </message>
    <message>
        <source>kein Dateiname in tavolin.cfg</source>
        <translation>no file name in tavolin.cfg</translation>
    </message>
    <message>
        <source>Ein Projektordner erwartet.

%1</source>
        <translation>One project folder expected.

%1</translation>
    </message>
    <message>
        <source>Den Projektordner &quot;%1&quot; gibt es nicht.</source>
        <translation>The project folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Ordner.</source>
        <translation>&quot;%1&quot; is not a folder.</translation>
    </message>
    <message>
        <source>Projektordner: %1
</source>
        <translation>Project folder: %1
</translation>
    </message>
    <message>
        <source>Konfiguration: %1 (%2 Bytes)
</source>
        <translation>Configuration: %1 (%2 bytes)
</translation>
    </message>
    <message>
        <source>Konfiguration: %1 fehlt; es gilt die Standardkonfiguration
</source>
        <translation>Configuration: %1 is missing; the standard configuration applies
</translation>
    </message>
    <message>
        <source>Anzeigetyp: %1 (%2, %3 Zeichen je Zeile, %4 Tasten, Flags 0x%5%6)
</source>
        <translation>Display type: %1 (%2, %3 characters per line, %4 keys, flags 0x%5%6)
</translation>
    </message>
    <message>
        <source>Anzeigetyp: &quot;%1&quot; – unbekannter Anzeigetyp
</source>
        <translation>Display type: &quot;%1&quot; – unknown display type
</translation>
    </message>
    <message>
        <source> – Fehler: %1
</source>
        <translation> – error: %1
</translation>
    </message>
    <message>
        <source> (fehlt)
</source>
        <translation> (missing)
</translation>
    </message>
    <message>
        <source>, %1 Meldungen, %2 Kopfzeilen
</source>
        <translation>, %1 messages, %2 header lines
</translation>
    </message>
    <message>
        <source>  Warnung: länger als %1 Bytes, nur der Anfang wurde gelesen
</source>
        <translation>  Warning: longer than %1 bytes, only the beginning was read
</translation>
    </message>
    <message>
        <source>  Zu lange Zeilen (mehr als %1 Zeichen):
</source>
        <translation>  Lines too long (more than %1 characters):
</translation>
    </message>
    <message>
        <source>    Meldung %1, Zeile %2: %3 Zeichen: %4
</source>
        <translation>    Message %1, line %2: %3 characters: %4
</translation>
    </message>
    <message>
        <source>Nicht alle Textdateien konnten gelesen werden.
</source>
        <translation>Not all text files could be read.
</translation>
    </message>
    <message>
        <source>Unbekannter Unterbefehl &quot;%1&quot;.

%2</source>
        <translation>Unknown subcommand &quot;%1&quot;.

%2</translation>
    </message>
</context>
<context>
    <name>ProjectCompareWindow</name>
    <message>
        <source>Mit Projekt vergleichen</source>
        <translation>Compare with project</translation>
    </message>
    <message>
        <source>&amp;Texte aus den .bak-Dateien (Stand vor dem letzten Speichern)</source>
        <translation>&amp;Texts from the .bak files (as before the last save)</translation>
    </message>
    <message>
        <source>Ü&amp;bernehmen</source>
        <translation>&amp;Take over</translation>
    </message>
    <message>
        <source>Die Meldung des anderen Projekts in dieses Projekt übernehmen (Rückgängig: Strg+Z)</source>
        <translation>Take the message of the other project into this project (undo: Ctrl+Z)</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Einstellungen, tavolin.cfg und Zeichensatz:</source>
        <translation>Settings, tavolin.cfg and character set:</translation>
    </message>
    <message>
        <source>Links: dieses Projekt (%1), rechts: %2%3</source>
        <translation>Left: this project (%1), right: %2%3</translation>
    </message>
    <message>
        <source> (.bak)</source>
        <translation> (.bak)</translation>
    </message>
    <message>
        <source>%1: %2 verschieden</source>
        <translation>%1: %2 different</translation>
    </message>
    <message>
        <source>Gleich.</source>
        <translation>Equal.</translation>
    </message>
    <message>
        <source>Meldung %1 übernehmen</source>
        <translation>Take over message %1</translation>
    </message>
    <message>
        <source>Kein Platz für eine neue Meldung !</source>
        <translation>No room for a new message!</translation>
    </message>
</context>
<context>
    <name>ProjectConfig</name>
    <message>
        <source>Betriebstexte Sprache 1</source>
        <translation>Operating messages language 1</translation>
    </message>
    <message>
        <source>Betriebstexte Sprache 2</source>
        <translation>Operating messages language 2</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache 1</source>
        <translation>Diagnostic messages language 1</translation>
    </message>
    <message>
        <source>Diagnosetexte Sprache 2</source>
        <translation>Diagnostic messages language 2</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>Anzeigetyp</source>
        <translation>Display type</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Die Verknüpfung zeigt auf keine Datei.</source>
        <translation>The link points to no file.</translation>
    </message>
    <message>
        <source> (leer)</source>
        <translation> (empty)</translation>
    </message>
    <message>
        <source>Die Datei ist mit %1 Bytes kürzer als die %2 Bytes einer Projektkonfiguration.</source>
        <translation>At %1 bytes the file is shorter than the %2 bytes of a project configuration.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: nicht jedes Feld enthält einen abgeschlossenen Text.</source>
        <translation>The file is damaged: not every field holds a terminated text.</translation>
    </message>
    <message>
        <source> Aus der Standardkonfiguration genommen: </source>
        <translation> Taken from the standard configuration: </translation>
    </message>
    <message>
        <source>. Die Datei bleibt unverändert, bis das Projekt gespeichert wird.</source>
        <translation>. The file stays unchanged until the project is saved.</translation>
    </message>
    <message>
        <source>Der Dateiname &quot;%1&quot; in %2 (%3) führt aus dem Projektordner hinaus; erlaubt ist nur ein Name ohne Ordner.</source>
        <translation>The file name &quot;%1&quot; in %2 (%3) leads out of the project folder; only a name without a folder is allowed.</translation>
    </message>
</context>
<context>
    <name>ProjectController</name>
    <message>
        <source>Beim Öffnen des Projekts wurde nicht alles gelesen:<byte value="xd"/><byte value="xd"/></source>
        <translation>Not everything was read when opening the project:<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Projekt wurde geändert.<byte value="xd"/><byte value="xd"/>Möchten Sie die Änderungen speicher?</source>
        <translation>%1<byte value="xd"/>The project was changed.<byte value="xd"/><byte value="xd"/>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht gespeichert.</source>
        <translation>The project was not saved.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Name für einen Zeichensatz.</source>
        <translation>&quot;%1&quot; is not a valid name for a character set.</translation>
    </message>
    <message>
        <source>Den Zeichensatz &quot;%1&quot; gibt es im Projekt nicht.<byte value="xd"/>Ein neuer Zeichensatz wird angelegt.<byte value="xd"/><byte value="xd"/>Möchten Sie das?</source>
        <translation>The character set &quot;%1&quot; does not exist in the project.<byte value="xd"/>A new character set will be created.<byte value="xd"/><byte value="xd"/>Do you want that?</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>&quot;%1.pix&quot;<byte value="xd"/>Pixeldatei wurde geändert.<byte value="xd"/><byte value="xd"/>Möchten Sie die Änderungen speicher?</source>
        <translation>&quot;%1.pix&quot;<byte value="xd"/>The pixel file was changed.<byte value="xd"/><byte value="xd"/>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Zeichensatz %1 wählen</source>
        <translation>Choose character set %1</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Das Projekt schreibgeschützt öffnen?</source>
        <translation><byte value="xd"/><byte value="xd"/>Open the project read-only?</translation>
    </message>
    <message>
        <source>Übertragung mit Fehlern beendet.</source>
        <translation>Download ended with errors.</translation>
    </message>
    <message>
        <source>Übertragung beendet: %1.</source>
        <translation>Download finished: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Das Projekt ist schreibgeschützt geöffnet.</source>
        <translation><byte value="xd"/>The project is open read-only.</translation>
    </message>
</context>
<context>
    <name>ProjectDiff</name>
    <message>
        <source>Anzeigetyp</source>
        <translation>Display type</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>Datei Sprache 1</source>
        <translation>File language 1</translation>
    </message>
    <message>
        <source>Datei Sprache 2</source>
        <translation>File language 2</translation>
    </message>
    <message>
        <source>Datei Diagnose Sprache 1</source>
        <translation>File diagnostic language 1</translation>
    </message>
    <message>
        <source>Datei Diagnose Sprache 2</source>
        <translation>File diagnostic language 2</translation>
    </message>
    <message>
        <source>Meldetextauswahl</source>
        <translation>Message selection</translation>
    </message>
    <message>
        <source>Interner Zeichensatz</source>
        <translation>Internal character set</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Scrollzeit</source>
        <translation>Scroll time</translation>
    </message>
    <message>
        <source>Blink-Ein</source>
        <translation>Blink on</translation>
    </message>
    <message>
        <source>Blink-Aus</source>
        <translation>Blink off</translation>
    </message>
    <message>
        <source>SPS-Adresse Tasten</source>
        <translation>PLC address keys</translation>
    </message>
    <message>
        <source>SPS-Adresse LEDs</source>
        <translation>PLC address LEDs</translation>
    </message>
    <message>
        <source>TeilnehmerNr</source>
        <translation>Station no.</translation>
    </message>
    <message>
        <source>Weitere Zeile</source>
        <translation>Further line</translation>
    </message>
    <message>
        <source>Einstellungszeilen</source>
        <translation>Settings lines</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Taste F%1</source>
        <translation>Key F%1</translation>
    </message>
    <message>
        <source>Systemeinstellungen:
</source>
        <translation>System settings:
</translation>
    </message>
    <message>
        <source>  Kopfzeilen alt: </source>
        <translation>  Header lines old: </translation>
    </message>
    <message>
        <source>
  Kopfzeilen neu: </source>
        <translation>
  Header lines new: </translation>
    </message>
    <message>
        <source>  Meldung %1 neu:
</source>
        <translation>  Message %1 added:
</translation>
    </message>
    <message>
        <source>    neu: </source>
        <translation>    new: </translation>
    </message>
    <message>
        <source>  Meldung %1 entfernt:
</source>
        <translation>  Message %1 removed:
</translation>
    </message>
    <message>
        <source>    alt: </source>
        <translation>    old: </translation>
    </message>
    <message>
        <source>  Meldung %1 geändert:
</source>
        <translation>  Message %1 changed:
</translation>
    </message>
    <message>
        <source>Zeichensatz:
</source>
        <translation>Character set:
</translation>
    </message>
    <message>
        <source>  Code %1 (hex)   alt     neu
</source>
        <translation>  Code %1 (hex)   old     new
</translation>
    </message>
    <message>
        <source>Im Projekt &quot;%1&quot; gibt es keine Sicherung (.bak).</source>
        <translation>The project &quot;%1&quot; has no backup (.bak).</translation>
    </message>
</context>
<context>
    <name>ProjectFileCommands</name>
    <message>
        <source>Das Projekt <byte value="xd"/>&quot;%1&quot;<byte value="xd"/> besteht bereits.<byte value="xd"/>Möchten Sie sie ersetzen?</source>
        <translation>The project <byte value="xd"/>&quot;%1&quot;<byte value="xd"/> already exists.<byte value="xd"/>Do you want to replace it?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist eine Datei, kein Projektordner.</source>
        <translation>&quot;%1&quot; is a file, not a project folder.</translation>
    </message>
    <message>
        <source>Möchten Sie Projekt <byte value="xd"/>&quot;%1&quot;<byte value="xd"/> wirklich löschen ?</source>
        <translation>Do you really want to delete the project <byte value="xd"/>&quot;%1&quot;<byte value="xd"/>?</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Es gibt keinen Papierkorb: der Ordner wird endgültig gelöscht.</source>
        <translation><byte value="xd"/><byte value="xd"/>There is no trash: the folder will be deleted for good.</translation>
    </message>
    <message>
        <source>Das Projekt <byte value="xd"/>&quot;%1&quot;<byte value="xd"/> konnte nicht gelöscht werden:<byte value="xd"/>%2</source>
        <translation>The project <byte value="xd"/>&quot;%1&quot;<byte value="xd"/> could not be deleted:<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>ProjectFind</name>
    <message>
        <source>In Meldung %1 ersetzen</source>
        <translation>Replace in message %1</translation>
    </message>
    <message>
        <source>Alle ersetzen</source>
        <translation>Replace all</translation>
    </message>
</context>
<context>
    <name>ProjectFolders</name>
    <message>
        <source>Der Projektname &quot;%1&quot; ist ungültig.<byte value="xd"/>Er darf nicht leer sein, nicht mit einem Punkt beginnen und keines der Zeichen \ / : * ? &quot; &lt; &gt; | enthalten.</source>
        <translation>The project name &quot;%1&quot; is invalid.<byte value="xd"/>It must not be empty, must not begin with a dot and must not contain any of the characters \ / : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist zu lang (höchstens %1 Zeichen):<byte value="xd"/>&quot;%2&quot;</source>
        <translation>The project path is too long (at most %1 characters):<byte value="xd"/>&quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>ProjectHistory</name>
    <message>
        <source>Meldung %1 bearbeiten</source>
        <translation>Edit message %1</translation>
    </message>
    <message>
        <source>Zeichen ändern</source>
        <translation>Change character</translation>
    </message>
</context>
<context>
    <name>ProjectLock</name>
    <message>
        <source>Das Projekt &quot;%1&quot; ist in Tavolin auf %2 (Prozess %3) geöffnet.</source>
        <translation>The project &quot;%1&quot; is open in Tavolin on %2 (process %3).</translation>
    </message>
    <message>
        <source>einem anderen Rechner</source>
        <translation>another computer</translation>
    </message>
</context>
<context>
    <name>ProjectSession</name>
    <message>
        <source> (Beriebstexte) </source>
        <translation> (Operating messages) </translation>
    </message>
    <message>
        <source> (Diagnosetexte) </source>
        <translation> (Diagnostic messages) </translation>
    </message>
    <message>
        <source>Die Zeichensatzdatei fehlt. Angezeigt wird der Startzeichensatz; das Projekt gilt als geändert, bis es gespeichert ist.</source>
        <translation>The character set file is missing. The starter set is shown; the project counts as changed until it is saved.</translation>
    </message>
    <message>
        <source>Das Projekt ist schreibgeschützt geöffnet und wird nicht gespeichert.</source>
        <translation>The project is open read-only and is not saved.</translation>
    </message>
    <message>
        <source>Im Projektordner &quot;%1&quot; kann keine Sperrdatei angelegt werden (schreibgeschützter Datenträger?).</source>
        <translation>No lock file can be made in the project folder &quot;%1&quot; (a read-only medium?).</translation>
    </message>
    <message>
        <source>Die Projektkonfiguration &quot;%1&quot; konnte nicht vollständig gelesen werden; ein solches Projekt wird nicht übertragen. Im Editor öffnen, prüfen und speichern.</source>
        <translation>The project configuration &quot;%1&quot; could not be read completely; such a project is not transferred. Open it in the editor, check it and save it.</translation>
    </message>
    <message>
        <source>Die Zeichensatzdatei &quot;%1&quot; des Projekts fehlt; es wird nichts übertragen.</source>
        <translation>The project&apos;s character set file &quot;%1&quot; is missing; nothing is transferred.</translation>
    </message>
    <message>
        <source> (schreibgeschützt)</source>
        <translation> (read-only)</translation>
    </message>
</context>
<context>
    <name>ProjectTranslation</name>
    <message>
        <source>Der Anzeigetyp &quot;%1&quot; hat nur eine Sprache; es gibt nichts zu übersetzen.</source>
        <translation>The display type &quot;%1&quot; has only one language; there is nothing to translate.</translation>
    </message>
    <message>
        <source>Ausgangs- und Zielsprache müssen 1 und 2 oder 2 und 1 sein.</source>
        <translation>Source and target language must be 1 and 2 or 2 and 1.</translation>
    </message>
    <message>
        <source>Der Anzeigetyp &quot;%1&quot; hat keine Diagnosetexte.</source>
        <translation>The display type &quot;%1&quot; has no diagnostic texts.</translation>
    </message>
    <message>
        <source>Unbekannte Tabelle &quot;%1&quot; (operating, diagnostic oder all).</source>
        <translation>Unknown table &quot;%1&quot; (operating, diagnostic or all).</translation>
    </message>
    <message>
        <source>Unbekanntes Format &quot;%1&quot; (xliff oder csv).</source>
        <translation>Unknown format &quot;%1&quot; (xliff or csv).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Sprachcode (wie &quot;de&quot;, &quot;en&quot; oder &quot;en-GB&quot;).</source>
        <translation>&quot;%1&quot; is no language code (like &quot;de&quot;, &quot;en&quot; or &quot;en-GB&quot;).</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; gibt es nicht.</source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kann nicht gelesen werden: %2</source>
        <translation>&quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist zu groß für eine Übersetzung.</source>
        <translation>&quot;%1&quot; is too large for a translation.</translation>
    </message>
</context>
<context>
    <name>Projekt_offnen</name>
    <message>
        <source>Sprache1:</source>
        <translation>Language 1:</translation>
    </message>
    <message>
        <source>Sprache2:</source>
        <translation>Language 2:</translation>
    </message>
    <message>
        <source>Diagnosesprache1:</source>
        <translation>Diagnostic language 1:</translation>
    </message>
    <message>
        <source>Diagnosesprache2:</source>
        <translation>Diagnostic language 2:</translation>
    </message>
    <message>
        <source>Projekt Öffnen/Neu</source>
        <translation>Open/New Project</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Anzeigentyp</source>
        <translation>Display type</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Referenz Projekt:</source>
        <translation>Reference project:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Anzeige &amp;Lesen</source>
        <translation>&amp;Read display</translation>
    </message>
    <message>
        <source>Der Dateiname &quot;%1&quot; ist ungültig.<byte value="xd"/>Er darf keines der Zeichen \ / : * ? &quot; &lt; &gt; | enthalten.</source>
        <translation>The file name &quot;%1&quot; is invalid.<byte value="xd"/>It must not contain any of the characters \ / : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie einen Anzeigentyp aus.</source>
        <translation>Please choose a display type.</translation>
    </message>
</context>
<context>
    <name>ReadWarnings</name>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>… und %1 weitere Hinweise.</source>
        <translation>… and %1 more notes.</translation>
    </message>
</context>
<context>
    <name>RecycleBin</name>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>No folder given.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Der Papierkorb lässt sich nicht anlegen.</source>
        <translation>The trash cannot be created.</translation>
    </message>
    <message>
        <source>Der Papierkorb liegt auf einem anderen Laufwerk.</source>
        <translation>The trash is on another drive.</translation>
    </message>
    <message>
        <source>Einige Dateien ließen sich nicht entfernen.</source>
        <translation>Some files could not be removed.</translation>
    </message>
</context>
<context>
    <name>RtfCommand</name>
    <message>
        <source>Aufruf:
  tavolin-cli rtf from-message --standard-face NAME --graphics-face NAME &lt; Meldung &gt; RTF
  tavolin-cli rtf to-message &lt; RTF &gt; Meldung

from-message  wandelt einen Meldungstext (Displaycodes, Zeilenwechsel 0x0D, Attribute
              0x0E/0x0F Blinken, 0x10/0x12 Grafik) in das RTF-Dokument des Editors.
              NAME sind die Schriftnamen des Standard- und des Grafikzeichensatzes.
to-message    wandelt ein RTF-Dokument zurück in einen Meldungstext.
Beide lesen die Standardeingabe und schreiben die Standardausgabe, Byte für Byte.
</source>
        <translation>Usage:
  tavolin-cli rtf from-message --standard-face NAME --graphics-face NAME &lt; MESSAGE &gt; RTF
  tavolin-cli rtf to-message &lt; RTF &gt; MESSAGE

from-message  converts a message text (display codes, line break 0x0D, attributes
              0x0E/0x0F blink, 0x10/0x12 graphics) into the editor&apos;s RTF document.
              NAME are the font names of the standard and the graphics character set.
to-message    converts an RTF document back into a message text.
Both read standard input and write standard output, byte for byte.
</translation>
    </message>
    <message>
        <source>Die Standardeingabe konnte nicht gelesen werden.</source>
        <translation>Standard input could not be read.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe: %1

%2</source>
        <translation>Unknown argument: %1

%2</translation>
    </message>
    <message>
        <source>Angabe fehlt: %1 NAME

%2</source>
        <translation>Argument missing: %1 NAME

%2</translation>
    </message>
    <message>
        <source>Ungültiger Schriftname &quot;%1&quot;: erlaubt sind Zeichen bis 0xFF außer Steuerzeichen, \ { } und ;.</source>
        <translation>Invalid font name &quot;%1&quot;: characters up to 0xFF are allowed except control characters, \ { } and ;.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Unbekannte Aktion: &quot;%1&quot;

%2</source>
        <translation>Unknown action: &quot;%1&quot;

%2</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Es ist keine Schnittstelle eingestellt (Optionen, &quot;Schnittstelle&quot;).</source>
        <translation>No port is set (Options, &quot;Port&quot;).</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source> Bekannt sind: %1.</source>
        <translation> Known are: %1.</translation>
    </message>
    <message>
        <source>der Standardeingabe</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>Fehler beim Lesen %1: %2</source>
        <translation>Error reading %1: %2</translation>
    </message>
    <message>
        <source>Die Eingabe aus %1 ist länger als 16 MB.</source>
        <translation>The input from %1 is longer than 16 MB.</translation>
    </message>
    <message>
        <source>apply braucht --type ANZEIGETYP und keine weiteren Angaben.</source>
        <translation>apply needs --type DISPLAY_TYPE and no other arguments.</translation>
    </message>
    <message>
        <source>In &quot;%1&quot; gibt es keine lesbare %2; das ist kein Projektordner.</source>
        <translation>There is no readable %2 in &quot;%1&quot;; this is not a project folder.</translation>
    </message>
    <message>
        <source>show braucht genau einen Projektordner.</source>
        <translation>show needs exactly one project folder.</translation>
    </message>
    <message>
        <source>Anzeigetyp: %1 (%2 Tasten%3)
</source>
        <translation>Display type: %1 (%2 keys%3)
</translation>
    </message>
    <message>
        <source>, SPS-Adressen</source>
        <translation>, PLC addresses</translation>
    </message>
    <message>
        <source>Meldetextauswahl: %1
</source>
        <translation>Message selection: %1
</translation>
    </message>
    <message>
        <source>Binär</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>Interner Zeichensatz: %1
</source>
        <translation>Internal character set: %1
</translation>
    </message>
    <message>
        <source>Helligkeit: %1
</source>
        <translation>Brightness: %1
</translation>
    </message>
    <message>
        <source>Scrollzeit: %1 Sek.
Blink-Ein: %2 Sek.
Blink-Aus: %3 Sek.
</source>
        <translation>Scroll time: %1 s
Blink on: %2 s
Blink off: %3 s
</translation>
    </message>
    <message>
        <source>Drucker: %1
</source>
        <translation>Printer: %1
</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>SPS Adressen: Tast %1, LED %2, TeilnehmerNr %3
</source>
        <translation>PLC addresses: key %1, LED %2, station no. %3
</translation>
    </message>
    <message>
        <source>Weitere Zeilen:
  </source>
        <translation>Other lines:
  </translation>
    </message>
    <message>
        <source>Der Anzeigetyp hat keine Tasten.</source>
        <translation>The display type has no keys.</translation>
    </message>
    <message>
        <source>Taste &quot;%1&quot; gibt es nicht; der Anzeigetyp hat die Tasten 1 bis %2.</source>
        <translation>There is no key &quot;%1&quot;; the display type has the keys 1 to %2.</translation>
    </message>
    <message>
        <source>Unbekanntes Wort &quot;%1&quot; für Tasten; erlaubt sind rastend, tastend, extern, intern, grün, rot, blinkend, ruhig.</source>
        <translation>Unknown word &quot;%1&quot; for keys; allowed are rastend, tastend, extern, intern, grün, rot, blinkend, ruhig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Angabe NAME=WERT.</source>
        <translation>&quot;%1&quot; is no NAME=VALUE argument.</translation>
    </message>
    <message>
        <source>Ungültiger Wert &quot;%1&quot; für %2; erlaubt: %3.</source>
        <translation>Invalid value &quot;%1&quot; for %2; allowed: %3.</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Sekunden 0,0 bis 9,9</source>
        <translation>seconds 0,0 to 9,9</translation>
    </message>
    <message>
        <source>Der Anzeigetyp %1 hat keine SPS-Adressen.</source>
        <translation>The display type %1 has no PLC addresses.</translation>
    </message>
    <message>
        <source>bis zu %1 Zeichen aus 0-9 , : . beginnend mit einer Ziffer</source>
        <translation>up to %1 characters of 0-9 , : . beginning with a digit</translation>
    </message>
    <message>
        <source>Zeile &quot;%1&quot;: %2</source>
        <translation>Line &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Unbekannte Einstellung &quot;%1&quot;.</source>
        <translation>Unknown setting &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>set braucht einen Projektordner und mindestens eine Angabe NAME=WERT.</source>
        <translation>set needs a project folder and at least one NAME=VALUE argument.</translation>
    </message>
    <message>
        <source>Unbekannter Unterbefehl &quot;%1&quot;.

%2</source>
        <translation>Unknown subcommand &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Tasten:
  </source>
        <translation>Keys:
  </translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Aufruf:
  tavolin-cli settings apply --type ANZEIGETYP [--in DATEI]
  tavolin-cli settings show PROJEKTORDNER [--json]
  tavolin-cli settings set PROJEKTORDNER NAME=WERT... [--force]

apply  liest Einstellungszeilen (eine je Zeile, Bytes wie in der Textdatei) aus DATEI
       oder der Standardeingabe und gibt die Zeilen aus, die &quot;OK&quot; im Dialog
       Systemeinstellungen für diesen Anzeigetyp daraus macht.
show   zeigt, was der Dialog Systemeinstellungen für das Projekt anzeigt.
set    ändert Einstellungen wie der Dialog und speichert Sprache 1 des Projekts
       (die vorige Datei bleibt als .bak). Ging beim Lesen etwas verloren (siehe
       Warnungen), schreibt set die Datei nur mit --force. NAME=WERT:
         selection=binaer|bcd        charset=ibm|cpm       printer=ein|aus
         brightness=20%|30%|40%|50%|80%|100%
         scroll=3,2  blinkon=0,3  blinkoff=0,2            (Sekunden)
         keyaddress=100  ledaddress=120  station=3        (leer: station=)
         key:3=rastend,extern  key:1-8=rot  key:alle=tastend
           Wörter: rastend tastend extern intern grün rot blinkend ruhig
         other+=ZEILE (weitere Zeile anhängen)  other= (weitere Zeilen leeren)
</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger ganzzahliger Wert.</source>
        <translation>&apos;%1&apos; is not a valid integer value.</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>Aufruf: tavolin-cli simulate [--link PFAD] [--type ANZEIGETYP] [--store ORDNER]
                             [--load ORDNER] [--realtime]

Eine simulierte Anzeige an einer Pseudo-Schnittstelle: Download und Auslesen lassen
sich damit ohne Gerät ausprobieren. Die erste Ausgabezeile nennt die Schnittstelle,
jeder empfangene Befehl erscheint auf stderr. Ende mit Ctrl+C (oder SIGTERM).
  --link      legt zusätzlich einen symbolischen Link PFAD auf die Schnittstelle an
  --type      Anzeigetyp, nach dem sie sich meldet (ohne: &quot;Quon 3&quot;)
  --store     schreibt beim Beenden, was sie hält, in ORDNER: E0.txt .. E3.txt
              (Texte wie empfangen) und glyphs.pix (Zeichensatz)
  --load      hält von Anfang an die Dateien aus ORDNER (wie --store sie schreibt)
  --realtime  überträgt mit 9600 Baud wie ein Gerät; ohne: viermal so schnell
</source>
        <translation>Usage: tavolin-cli simulate [--link PATH] [--type DISPLAY_TYPE] [--store FOLDER]
                            [--load FOLDER] [--realtime]

A simulated display on a pseudo-terminal port: download and read-back can be tried
with it without a device. The first output line names the port, each command
received appears on stderr. Stop with Ctrl+C (or SIGTERM).
  --link      also makes a symbolic link PATH to the port
  --type      display type it reports itself as (without: &quot;Quon 3&quot;)
  --store     on exit, writes what it holds into FOLDER: E0.txt .. E3.txt
              (texts as received) and glyphs.pix (character set)
  --load      holds the files from FOLDER from the start (as --store writes them)
  --realtime  transfers at 9600 baud like a device; without: four times as fast
</translation>
    </message>
    <message>
        <source>Unerwartete Angabe: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>This is not a folder.</translation>
    </message>
    <message>
        <source>Der Link kann nicht angelegt werden, dort liegt schon eine Datei: %1</source>
        <translation>The link cannot be created, there is a file there already: %1</translation>
    </message>
    <message>
        <source>Der Link kann nicht angelegt werden: %1</source>
        <translation>The link cannot be created: %1</translation>
    </message>
    <message>
        <source>Simulierte Anzeige &quot;%1&quot; an %2%3 (Ende mit Ctrl+C)
</source>
        <translation>Simulated display &quot;%1&quot; on %2%3 (stop with Ctrl+C)
</translation>
    </message>
    <message>
        <source>Simulierte Anzeige beendet.
</source>
        <translation>Simulated display stopped.
</translation>
    </message>
    <message>
        <source>Simulierte Anzeige beendet, Inhalt gespeichert in %1
</source>
        <translation>Simulated display stopped, content saved in %1
</translation>
    </message>
</context>
<context>
    <name>SimulatedDisplay</name>
    <message>
        <source>Die simulierte Anzeige gibt es unter diesem Betriebssystem nicht.</source>
        <translation>The simulated display is not available on this operating system.</translation>
    </message>
    <message>
        <source>Simulierte Anzeige</source>
        <translation>Simulated display</translation>
    </message>
    <message>
        <source>Die simulierte Anzeige kann keine Schnittstelle anlegen.</source>
        <translation>The simulated display cannot create a port.</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>%1 &quot;%2&quot; kann nicht gelesen werden: %3</source>
        <translation>%1 &quot;%2&quot; cannot be read: %3</translation>
    </message>
    <message>
        <source>ist keine gewöhnliche Datei</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>mit %1 Bytes zu groß (höchstens %2)</source>
        <translation>too large at %1 bytes (at most %2)</translation>
    </message>
    <message>
        <source>mit mehr als %1 Bytes zu groß</source>
        <translation>too large at more than %1 bytes</translation>
    </message>
</context>
<context>
    <name>Speichernunter</name>
    <message>
        <source>Projekt Speichern unter</source>
        <translation>Save Project As</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Pfad an, unter dem das Projekt gespeichert wird.</source>
        <translation>Please give the path to save the project in.</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Die Standardausgabe kann nicht geschrieben werden.
</source>
        <translation>Standard output cannot be written.
</translation>
    </message>
    <message>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Nur ein Projektordner kann geöffnet werden: %1</source>
        <translation>Only one project folder can be opened: %1</translation>
    </message>
    <message>
        <source>Aufruf: tavolin [PROJEKTORDNER]

Startet den Editor für die Meldungstexte. Mit einem Projektordner (oder dessen
Datei tavolin.cfg) öffnet er dieses Projekt sofort, sonst zeigt er das Startbild.

Optionen:
  -h, --help    diese Hilfe zeigen
  --version     die Version zeigen
  --lang de|en  Sprache der Oberfläche (ohne: Englisch, wenn das System Englisch
                spricht, sonst Deutsch)

Die Befehle ohne Fenster bietet tavolin-cli (tavolin-cli --help).
</source>
        <translation>Usage: tavolin [PROJECT_FOLDER]

Starts the editor for the message texts. With a project folder (or its file
tavolin.cfg) it opens this project at once, otherwise it shows the start screen.

Options:
  -h, --help    show this help
  --version     show the version
  --lang de|en  language of the user interface (without: English when the system
                speaks English, otherwise German)

tavolin-cli offers the commands without a window (tavolin-cli --help).
</translation>
    </message>
</context>
<context>
    <name>Startdialog</name>
    <message>
        <source>Tavolin Editor</source>
        <translation>Tavolin Editor</translation>
    </message>
    <message>
        <source>Diesen  Bildschirm beim &amp;Start anzeigen</source>
        <translation>Show this screen at &amp;start</translation>
    </message>
    <message>
        <source>&amp;Neues Projekt</source>
        <translation>&amp;New project</translation>
    </message>
    <message>
        <source>&amp;Zuletzt bearbeitete Projekte</source>
        <translation>&amp;Recently edited projects</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Meldetexte für Quon- und Orbex-Anzeigen</source>
        <translation>Message texts for Quon and Orbex displays</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Blink</source>
        <translation>Blink</translation>
    </message>
    <message>
        <source>Grafikzeichensatz</source>
        <translation>Graphics character set</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Datei zu groß für das Dateisystem</source>
        <translation>file too large for the file system</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfads ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>ist ein Ordner</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>Datenträger ist schreibgeschützt</source>
        <translation>the device is read-only</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Geräts</source>
        <translation>input/output error of the device</translation>
    </message>
    <message>
        <source>ist schon vorhanden</source>
        <translation>exists already</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>Ordner ist nicht leer</source>
        <translation>folder is not empty</translation>
    </message>
    <message>
        <source>Gerät oder Datei ist belegt</source>
        <translation>device or file is busy</translation>
    </message>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>zu viele symbolische Verknüpfungen</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>liegt auf einem anderen Datenträger</source>
        <translation>is on another device</translation>
    </message>
    <message>
        <source>ungültige Angabe</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>Datei ist in Benutzung</source>
        <translation>file is in use</translation>
    </message>
    <message>
        <source>kein passendes Gerät (keine serielle Schnittstelle)</source>
        <translation>no suitable device (not a serial port)</translation>
    </message>
    <message>
        <source>der Empfänger hat die Verbindung beendet</source>
        <translation>the receiver closed the connection</translation>
    </message>
    <message>
        <source>ungültiger Dateizugriff</source>
        <translation>invalid file access</translation>
    </message>
    <message>
        <source>nicht genug Arbeitsspeicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>unbekannter Fehler des Systems</source>
        <translation>unknown system error</translation>
    </message>
</context>
<context>
    <name>SystemSettings</name>
    <message>
        <source>Die Zeile &quot;%1&quot; muss mit einem Buchstaben oder einer Ziffer (A-Z, a-z, 0-9) beginnen. Sonst liest die Anzeige sie und alle Einstellungen danach als Meldungstext.</source>
        <translation>The line &quot;%1&quot; must begin with a letter or a digit (A-Z, a-z, 0-9). Otherwise the display reads it and all settings after it as message text.</translation>
    </message>
    <message>
        <source>Die Zeile &quot;%1&quot; enthält ein Steuerzeichen (%2), das in einer Textdatei nicht stehen kann.</source>
        <translation>The line &quot;%1&quot; contains a control character (%2) that cannot stand in a text file.</translation>
    </message>
</context>
<context>
    <name>Systemeinstellungen</name>
    <message>
        <source>Systemeinstellungen</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>&amp;Allgemein</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Tastatur Einstellungen</source>
        <translation>&amp;Keyboard settings</translation>
    </message>
    <message>
        <source>&amp;Weitere</source>
        <translation>&amp;Other</translation>
    </message>
    <message>
        <source>Meldetextauswahl</source>
        <translation>Message selection</translation>
    </message>
    <message>
        <source>&amp;Binär</source>
        <translation>&amp;Binary</translation>
    </message>
    <message>
        <source>B&amp;CD</source>
        <translation>B&amp;CD</translation>
    </message>
    <message>
        <source>Interne Zeichensatz</source>
        <translation>Internal character set</translation>
    </message>
    <message>
        <source>CP&amp;M</source>
        <translation>CP&amp;M</translation>
    </message>
    <message>
        <source>&amp;IBM</source>
        <translation>&amp;IBM</translation>
    </message>
    <message>
        <source>&amp;Helligkeit:</source>
        <translation>B&amp;rightness:</translation>
    </message>
    <message>
        <source>&amp;Drucker Ein</source>
        <translation>&amp;Printer on</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Sc&amp;rollzeit:</source>
        <translation>&amp;Scroll time:</translation>
    </message>
    <message>
        <source>Blink-&amp;Ein:</source>
        <translation>Blink o&amp;n:</translation>
    </message>
    <message>
        <source>Blink-A&amp;us:</source>
        <translation>Blink o&amp;ff:</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>SPS Adressen</source>
        <translation>PLC addresses</translation>
    </message>
    <message>
        <source>Ta&amp;st:</source>
        <translation>K&amp;ey:</translation>
    </message>
    <message>
        <source>&amp;LED:</source>
        <translation>&amp;LED:</translation>
    </message>
    <message>
        <source>Teilnehmer&amp;Nr:</source>
        <translation>S&amp;tation no.:</translation>
    </message>
    <message>
        <source>E&amp;xtrern</source>
        <translation>E&amp;xternal</translation>
    </message>
    <message>
        <source>&amp;Intern</source>
        <translation>&amp;Internal</translation>
    </message>
    <message>
        <source>&amp;Grün</source>
        <translation>Gree&amp;n</translation>
    </message>
    <message>
        <source>&amp;Rot</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>Blinken &amp;ein</source>
        <translation>&amp;Blinking on</translation>
    </message>
    <message>
        <source>Blinken a&amp;us</source>
        <translation>Blinking o&amp;ff</translation>
    </message>
    <message>
        <source>Ra&amp;stend</source>
        <translation>&amp;Latching</translation>
    </message>
    <message>
        <source>&amp;Tastend</source>
        <translation>&amp;Momentary</translation>
    </message>
    <message>
        <source>A&amp;lles Wählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Zeile &quot;%1&quot;: %2</source>
        <translation>Line &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TempFile</name>
    <message>
        <source>Der temporäre Ordner &quot;%1&quot; kann nicht angelegt werden.</source>
        <translation>The temporary folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>Im temporären Ordner &quot;%1&quot; kann nichts angelegt werden.</source>
        <translation>Nothing can be created in the temporary folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Im temporären Ordner &quot;%1&quot; kann keine Datei angelegt werden.</source>
        <translation>No file can be created in the temporary folder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TextExchange</name>
    <message>
        <source>: Die Meldungsnummer %1 liegt nicht zwischen 0 und %2.</source>
        <translation>: The message number %1 is not between 0 and %2.</translation>
    </message>
    <message>
        <source>: Meldung %1 kommt doppelt vor.</source>
        <translation>: Message %1 occurs twice.</translation>
    </message>
    <message>
        <source>, Meldung %1: </source>
        <translation>, message %1: </translation>
    </message>
    <message>
        <source>Die Datei enthält keine Meldung und keine Kopfzeile.</source>
        <translation>The file contains no message and no header line.</translation>
    </message>
    <message>
        <source>CSV Zeile %1: Anführungszeichen nicht geschlossen.</source>
        <translation>CSV line %1: quotation mark not closed.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht in UTF-8 geschrieben.</source>
        <translation>The file is not written in UTF-8.</translation>
    </message>
    <message>
        <source>Kein gültiges JSON (Stelle %1: %2).</source>
        <translation>No valid JSON (position %1: %2).</translation>
    </message>
    <message>
        <source>Die JSON-Datei enthält kein Objekt mit &quot;messages&quot;.</source>
        <translation>The JSON file contains no object with &quot;messages&quot;.</translation>
    </message>
    <message>
        <source>Die JSON-Datei hat nicht das Format &quot;%1&quot;.</source>
        <translation>The JSON file is not in the format &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die JSON-Datei enthält keine Liste &quot;messages&quot;.</source>
        <translation>The JSON file contains no list &quot;messages&quot;.</translation>
    </message>
    <message>
        <source>&quot;header&quot; muss eine Liste von Texten sein.</source>
        <translation>&quot;header&quot; must be a list of texts.</translation>
    </message>
    <message>
        <source>Kopfzeile %1</source>
        <translation>Header line %1</translation>
    </message>
    <message>
        <source>: kein Text.</source>
        <translation>: no text.</translation>
    </message>
    <message>
        <source>Eintrag %1 von &quot;messages&quot;</source>
        <translation>Entry %1 of &quot;messages&quot;</translation>
    </message>
    <message>
        <source>: erwartet wird {&quot;number&quot;: Zahl, &quot;text&quot;: Text}.</source>
        <translation>: expected is {&quot;number&quot;: number, &quot;text&quot;: text}.</translation>
    </message>
    <message>
        <source>CSV Zeile %1</source>
        <translation>CSV line %1</translation>
    </message>
    <message>
        <source>: zwei Spalten erwartet (Nummer und Text), %1 gefunden.</source>
        <translation>: two columns expected (number and text), %1 found.</translation>
    </message>
    <message>
        <source>: &quot;%1&quot; ist keine Meldungsnummer.</source>
        <translation>: &quot;%1&quot; is no message number.</translation>
    </message>
    <message>
        <source>CSV Zeile %1: Nach dem schließenden Anführungszeichen muss ein Komma oder das Zeilenende folgen (ein Anführungszeichen im Text wird verdoppelt: &quot;&quot;).</source>
        <translation>CSV line %1: a closing quote must be followed by a comma or the end of the line (a quote in the text is doubled: &quot;&quot;).</translation>
    </message>
    <message>
        <source>CSV Zeile %1: Anführungszeichen in einem Feld, das nicht in Anführungszeichen steht (ein solches Feld steht ganz in Anführungszeichen, jedes Anführungszeichen darin verdoppelt: &quot;&quot;).</source>
        <translation>CSV line %1: a quote in a field that is not in quotes (such a field is put in quotes as a whole, each quote in it doubled: &quot;&quot;).</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>
Die Texte von Sprache%1 sind zu lang: die Anzeige nimmt höchstens %2 Bytes je Sprache an. Bitte Meldungen kürzen oder löschen.</source>
        <translation>
The texts of language %1 are too long: the display takes at most %2 bytes per language. Please shorten or delete messages.</translation>
    </message>
    <message>
        <source>Das Zeichen %1 kann in einer Textdatei nicht stehen.</source>
        <translation>The character %1 cannot stand in a text file.</translation>
    </message>
    <message>
        <source>Eine leere letzte Zeile kann in einer Textdatei nicht stehen.</source>
        <translation>An empty last line cannot stand in a text file.</translation>
    </message>
    <message>
        <source>Der Text von Meldung 0 darf nicht mit &quot;*&quot; beginnen: die Textdatei liest eine solche erste Zeile als Kopfzeile der Systemeinstellungen, und der Text ginge beim Speichern verloren.</source>
        <translation>The text of message 0 must not begin with &quot;*&quot;: the text file reads such a first line as a header line of the system settings, and the text would be lost on saving.</translation>
    </message>
    <message>
        <source>Eine Kopfzeile muss mit einem Buchstaben oder einer Ziffer beginnen.</source>
        <translation>A header line must begin with a letter or a digit.</translation>
    </message>
    <message>
        <source>Das Zeichen %1 kann in einer Kopfzeile nicht stehen.</source>
        <translation>The character %1 cannot stand in a header line.</translation>
    </message>
    <message>
        <source>Ein Ordner dieses Namens ist bereits vorhanden.</source>
        <translation>A folder of this name exists already.</translation>
    </message>
    <message>
        <source>Der Text nach dem Dateiende-Zeichen {x1A} wurde nicht gelesen: „%1“.</source>
        <translation>The text after the end-of-file character {x1A} was not read: “%1”.</translation>
    </message>
    <message>
        <source>Die Meldungsnummer %1 ist größer als %2; die Meldung wurde nicht gelesen.</source>
        <translation>The message number %1 is greater than %2; the message was not read.</translation>
    </message>
    <message>
        <source>Text vor der ersten Meldungsnummer wurde nicht gelesen.</source>
        <translation>Text before the first message number was not read.</translation>
    </message>
    <message>
        <source>Meldung %1 steht schon in Zeile %2; ihr Text von dort wurde ersetzt.</source>
        <translation>Message %1 already stands in line %2; its text from there was replaced.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ hat weder Meldungsnummer noch Text und wurde nicht gelesen.</source>
        <translation>The line “%1” has neither a message number nor text and was not read.</translation>
    </message>
    <message>
        <source>Im Nummernfeld „%1“ wurde nur die Nummer %2 gelesen; der Rest ging verloren.</source>
        <translation>Only the number %2 was read in the number field “%1”; the rest was lost.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Meldungsnummer; die Zeile wurde ohne diese Zeichen als weitere Zeile der Meldung davor gelesen.</source>
        <translation>“%1” is no message number; the line was read without these characters as another line of the message before it.</translation>
    </message>
    <message>
        <source>Die Kopfzeile „%1“ beginnt nicht mit einem Buchstaben oder einer Ziffer und wurde nicht gelesen.</source>
        <translation>The header line “%1” does not begin with a letter or a digit and was not read.</translation>
    </message>
    <message>
        <source>Ein Nullbyte beendet hier den Text; die folgenden %1 Bytes wurden nicht gelesen.</source>
        <translation>A null byte ends the text here; the following %1 bytes were not read.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Textdatei.</source>
        <translation>This is a folder, not a text file.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Die Datei ist länger als %1 Bytes; die Anzeige nimmt nur so viel an. Der Rest ab hier wurde nicht gelesen.</source>
        <translation>The file is longer than %1 bytes; the display takes only that much. The rest from here on was not read.</translation>
    </message>
</context>
<context>
    <name>TextMerge</name>
    <message>
        <source>(nicht vorhanden)</source>
        <translation>(not there)</translation>
    </message>
    <message>
        <source>Konflikt in den Kopfzeilen:
</source>
        <translation>Conflict in the header lines:
</translation>
    </message>
    <message>
        <source>Konflikt bei Meldung %1:
</source>
        <translation>Conflict at message %1:
</translation>
    </message>
    <message>
        <source>  Basis:    </source>
        <translation>  Base:     </translation>
    </message>
    <message>
        <source>  Unsere:   </source>
        <translation>  Ours:     </translation>
    </message>
    <message>
        <source>  Ihre:     </source>
        <translation>  Theirs:   </translation>
    </message>
    <message>
        <source>Konflikte: %1; die Datei enthält dort jeweils unsere Fassung.
</source>
        <translation>Conflicts: %1; the file holds our version of each.
</translation>
    </message>
</context>
<context>
    <name>TextNotation</name>
    <message>
        <source>Ein Zeilenumbruch ist hier nicht erlaubt.</source>
        <translation>A line break is not allowed here.</translation>
    </message>
    <message>
        <source>&quot;{&quot; ohne &quot;}&quot; an Stelle %1 (ein &quot;{&quot; als Zeichen wird &quot;{{&quot; geschrieben).</source>
        <translation>&quot;{&quot; without &quot;}&quot; at position %1 (a &quot;{&quot; as a character is written &quot;{{&quot;).</translation>
    </message>
    <message>
        <source>Das Byte {%1} kann in einer Textdatei nicht stehen.</source>
        <translation>The byte {%1} cannot stand in a text file.</translation>
    </message>
    <message>
        <source>Unbekannte Markierung {%1} an Stelle %2.</source>
        <translation>Unknown mark {%1} at position %2.</translation>
    </message>
    <message>
        <source>Das Zeichen &quot;%1&quot; (U+%2) an Stelle %3 gibt es auf der Anzeige nicht.</source>
        <translation>The character &quot;%1&quot; (U+%2) at position %3 does not exist on the display.</translation>
    </message>
</context>
<context>
    <name>TextsCommand</name>
    <message>
        <source>Die Datei &quot;%1&quot; gibt es nicht.</source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Datei.</source>
        <translation>&quot;%1&quot; is not a file.</translation>
    </message>
    <message>
        <source>%1 Dateinamen erwartet, %2 angegeben.

%3</source>
        <translation>%1 file names expected, %2 given.

%3</translation>
    </message>
    <message>
        <source>Unbekanntes Format &quot;%1&quot; (json oder csv).</source>
        <translation>Unknown format &quot;%1&quot; (json or csv).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kann nicht gelesen werden: %2</source>
        <translation>&quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist zu groß für eine Textdatei der Anzeige.</source>
        <translation>&quot;%1&quot; is too large for a text file of the display.</translation>
    </message>
    <message>
        <source>Unbekannter Unterbefehl &quot;%1&quot;.

%2</source>
        <translation>Unknown subcommand &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Aufruf:
  tavolin-cli texts normalize EIN.txt AUS.txt [--force]
  tavolin-cli texts export EIN.txt [--format json|csv]
  tavolin-cli texts import EIN.json|EIN.csv AUS.txt [--format json|csv]
  tavolin-cli texts textconv EIN.txt
  tavolin-cli texts merge BASIS.txt UNSERE.txt IHRE.txt [-o AUS.txt]

normalize  liest eine Textdatei der Anzeige und schreibt sie so, wie das Speichern
           im Editor sie schreibt (Kopfzeilen und Meldungen, Zeilenende LF CR).
           Was beim Lesen verloren geht, steht als Warnung auf stderr; über die
           Eingabe selbst schreibt normalize dann nur mit --force.
export     gibt die Kopfzeilen und Meldungen einer Textdatei als JSON (Vorgabe)
           oder CSV in UTF-8 aus, zum Übersetzen und für die Versionsverwaltung.
           Markierungen im Text: {blink}...{/blink} Blinken, {gfx}...{/gfx}
           Grafikzeichen, {{ ein &quot;{&quot;, {xHH} ein Byte ohne druckbares Zeichen;
           ein Zeilenumbruch beginnt eine neue Zeile der Meldung.
import     macht aus einem solchen Export wieder eine Textdatei der Anzeige.
           Das Format ergibt sich aus der Dateiendung, sonst aus --format.
textconv   gibt eine Textdatei in UTF-8 aus, eine Meldung je Zeile mit ihrer
           Nummer (Zeilenumbrüche als ↵), Kopfzeilen mit &quot;*&quot;: für git diff.
merge      führt zwei Fassungen (UNSERE, IHRE) einer Textdatei mit ihrer
           gemeinsamen BASIS je Meldung zusammen, als Merge-Treiber für git (%O %A %B).
           Das Ergebnis ersetzt UNSERE.txt (oder geht nach AUS.txt). Bei Meldungen,
           die beide Seiten verschieden geändert haben, bleibt unsere Fassung; sie
           stehen mit Basis, unserer und ihrer Fassung auf stderr, Exit-Code 1.
           Exit-Code 2: Fehler (Aufruf, Datei, Ergebnis zu groß für die Anzeige).

AUS.txt wird nur ersetzt, wenn alles geschrieben werden konnte.
</source>
        <translation>Usage:
  tavolin-cli texts normalize IN.txt OUT.txt [--force]
  tavolin-cli texts export IN.txt [--format json|csv]
  tavolin-cli texts import IN.json|IN.csv OUT.txt [--format json|csv]
  tavolin-cli texts textconv IN.txt
  tavolin-cli texts merge BASE.txt OURS.txt THEIRS.txt [-o OUT.txt]

normalize  reads a text file of the display and writes it as saving in the
           editor writes it (header lines and messages, line end LF CR).
           What is lost on reading is shown as a warning on stderr; normalize then
           writes over the input itself only with --force.
export     prints the header lines and messages of a text file as JSON (default)
           or CSV in UTF-8, for translating and for version control.
           Marks in the text: {blink}...{/blink} blinking, {gfx}...{/gfx}
           graphics characters, {{ a &quot;{&quot;, {xHH} a byte without a printable character;
           a line break starts a new line of the message.
import     turns such an export back into a text file of the display.
           The format follows from the file extension, otherwise from --format.
textconv   prints a text file in UTF-8, one message per line with its number
           (line breaks as ↵), header lines with &quot;*&quot;: for git diff.
merge      merges two versions (OURS, THEIRS) of a text file with their common
           BASE message by message, as a merge driver for git (%O %A %B).
           The result replaces OURS.txt (or goes to OUT.txt). Where both sides
           changed a message differently, our version stays; such messages are
           listed with base, ours and theirs on stderr, exit code 1.
           Exit code 2: error (usage, file, result too large for the display).

OUT.txt is replaced only when everything could be written.
</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>fertig</source>
        <translation>finished</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>aborted</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 ist doppelt angegeben.</source>
        <translation>The port %1 is given twice.</translation>
    </message>
    <message>
        <source>Es ist keine Schnittstelle angegeben.</source>
        <translation>No port is given.</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>keine gültige Netzwerkadresse (tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT)</source>
        <translation>not a valid network address (tcp://HOST:PORT or rfc2217://HOST:PORT)</translation>
    </message>
    <message>
        <source>Verbindung abgelehnt</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>Rechner &quot;%1&quot; nicht gefunden</source>
        <translation>host &quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>keine Antwort innerhalb von %1 s</source>
        <translation>no answer within %1 s</translation>
    </message>
    <message>
        <source>Verbindung vom Server beendet</source>
        <translation>connection closed by the server</translation>
    </message>
    <message>
        <source>der Server lehnt die COM-PORT-OPTION (RFC 2217) ab</source>
        <translation>the server refuses the COM-PORT-OPTION (RFC 2217)</translation>
    </message>
    <message>
        <source>der Server beantwortet die COM-PORT-OPTION (RFC 2217) nicht innerhalb von %1 s</source>
        <translation>the server does not answer the COM-PORT-OPTION (RFC 2217) within %1 s</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>Angeschlossen an: %1</source>
        <translation>Connected to: %1</translation>
    </message>
    <message>
        <source>Aufruf: tavolin-cli readback NEUER_PROJEKTORDNER --type ANZEIGETYP [--port SCHNITTSTELLE]

Liest Zeichensatz und Betriebstexte einer Anzeige in ein neues Projekt.
Der Ordner darf noch nicht existieren (oder muss leer sein); er wird erst angelegt,
wenn alles gelesen und gespeichert ist.
Ctrl+C bricht ab (Exit-Code 130, nach SIGTERM 143); dann bleibt nichts zurück.
Ein Zeichensatz, der nicht vollständig oder mit falscher Prüfsumme ankommt, bleibt
leer; das Projekt wird trotzdem gespeichert, der Aufruf endet mit Exit-Code 1.
</source>
        <translation>Usage: tavolin-cli readback NEW_PROJECT_FOLDER --type DISPLAY_TYPE [--port PORT]

Reads the character set and operating messages of a display into a new project.
The folder must not exist yet (or must be empty); it is created only when
everything has been read and saved.
Ctrl+C aborts (exit code 130, after SIGTERM 143); then nothing is left behind.
A character set that arrives incomplete or with a wrong checksum stays empty;
the project is saved anyway, and the call ends with exit code 1.
</translation>
    </message>
    <message>
        <source>Ein Projektordner erwartet.

%1</source>
        <translation>One project folder expected.

%1</translation>
    </message>
    <message>
        <source>Ungültige Auswahl: %1 (0 bis 1023)</source>
        <translation>Invalid selection: %1 (0 to 1023)</translation>
    </message>
    <message>
        <source>Die Auswahl %1%2 überträgt beim Anzeigetyp &quot;%3&quot; nichts%4.</source>
        <translation>The selection %1%2 downloads nothing for the display type &quot;%3&quot;%4.</translation>
    </message>
    <message>
        <source> (gespeicherter Wert &quot;Übertragen&quot;)</source>
        <translation> (stored value &quot;Übertragen&quot;)</translation>
    </message>
    <message>
        <source>: sie enthält keines der Bits 1, 2, 4, 8, 16, 32</source>
        <translation>: it contains none of the bits 1, 2, 4, 8, 16, 32</translation>
    </message>
    <message>
        <source>: %1 hat dieser Anzeigetyp nicht</source>
        <translation>: this display type does not have %1</translation>
    </message>
    <message>
        <source>Übertragung mit Fehlern beendet.</source>
        <translation>Download ended with errors.</translation>
    </message>
    <message>
        <source>Übertragung beendet: %1.
</source>
        <translation>Download finished: %1.
</translation>
    </message>
    <message>
        <source>Ein neuer Projektordner erwartet.

%1</source>
        <translation>One new project folder expected.

%1</translation>
    </message>
    <message>
        <source>Der Anzeigetyp fehlt (--type).</source>
        <translation>The display type is missing (--type).</translation>
    </message>
    <message>
        <source>Der Projektordner existiert bereits: %1</source>
        <translation>The project folder exists already: %1</translation>
    </message>
    <message>
        <source>Projekt gelesen: %1
</source>
        <translation>Project read: %1
</translation>
    </message>
    <message>
        <source>Auslesen mit Fehlern beendet.</source>
        <translation>Read-back ended with errors.</translation>
    </message>
    <message>
        <source>Aufruf: tavolin-cli download PROJEKTORDNER [--port SCHNITTSTELLE]... [--select MASKE]

Überträgt Systemeinstellungen, Zeichensatz und Texte eines Projekts zur Anzeige.
  --port    Schnittstelle (&quot;COM3&quot;, &quot;/dev/ttyUSB0&quot;), oder eine Anzeige an einem
            Geräteserver: &quot;tcp://RECHNER:PORT&quot; (TCP, Bytes unverändert) oder
            &quot;rfc2217://RECHNER:PORT&quot; (Telnet, stellt 9600 8N1 am Server ein);
            ohne: der Wert &quot;Schnittstelle&quot;. Mehrmals angegeben: alle Anzeigen
            gleichzeitig, je Schnittstelle eine Fortschrittszeile, am Ende eine
            Tabelle; Exit-Code 0 nur, wenn jede Anzeige alles erhalten hat.
  --select  Auswahl wie im Dialog &quot;Übertragen&quot;: 1 Systemeinstellungen, 2 Zeichensatz,
            4 Sprache 1, 8 Sprache 2, 16/32 Diagnosesprache 1/2 (Summe);
            ohne: der gespeicherte Wert &quot;Übertragen&quot;, leer 1023 (alles).
            Sprache 1 bringt die Systemeinstellungen mit; was der Anzeigetyp nicht
            hat, entfällt. Bleibt nichts übrig, endet der Aufruf mit Exit-Code 2.
Vor dem ersten Byte wird die Pixeldatei des Projekts geprüft, wenn der Zeichensatz
übertragen wird: fehlt sie oder ist sie nicht 1568 Bytes groß, wird nichts gesendet.
Ctrl+C bricht die Übertragung ab (Exit-Code 130, nach SIGTERM 143), bei mehreren
Anzeigen alle; die Meldung nennt die, die schon fertig waren.
</source>
        <translation>Usage: tavolin-cli download PROJECT_FOLDER [--port PORT]... [--select MASK]

Downloads the system settings, character set and texts of a project to the display.
  --port    port (&quot;COM3&quot;, &quot;/dev/ttyUSB0&quot;), or a display on a device server:
            &quot;tcp://HOST:PORT&quot; (TCP, bytes unchanged) or &quot;rfc2217://HOST:PORT&quot;
            (Telnet, sets 9600 8N1 on the server);
            without: the stored value &quot;Schnittstelle&quot;. Given more than once: all
            displays at the same time, one progress line per port, a table at the
            end; exit code 0 only when every display received everything.
  --select  selection as in the &quot;Download&quot; dialog: 1 system settings, 2 character set,
            4 language 1, 8 language 2, 16/32 diagnostic language 1/2 (sum);
            without: the stored value &quot;Übertragen&quot;, empty 1023 (everything).
            Language 1 brings the system settings along; what the display type does
            not have is left out. If nothing remains, the call ends with exit code 2.
Before the first byte the pixel file of the project is checked when the character set
is downloaded: if it is missing or not 1568 bytes large, nothing is sent.
Ctrl+C aborts the download (exit code 130, after SIGTERM 143), for several displays
all of them; the message names those that were finished already.
</translation>
    </message>
    <message>
        <source>eine Verknüpfung</source>
        <translation>a link</translation>
    </message>
    <message>
        <source>eine Datei</source>
        <translation>a file</translation>
    </message>
    <message>
        <source>eine benannte Pipe (FIFO)</source>
        <translation>a named pipe (FIFO)</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>eine Gerätedatei</source>
        <translation>a device file</translation>
    </message>
    <message>
        <source>%1 ist %2, kein Ordner; das neue Projekt braucht einen neuen oder leeren Ordner.</source>
        <translation>%1 is %2, not a folder; the new project needs a new or empty folder.</translation>
    </message>
</context>
<context>
    <name>TransferProtocol</name>
    <message>
        <source>Systemeinstellungen</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>Sprache 1</source>
        <translation>Language 1</translation>
    </message>
    <message>
        <source>Sprache 2</source>
        <translation>Language 2</translation>
    </message>
    <message>
        <source>Diagnosesprache 1</source>
        <translation>Diagnostic language 1</translation>
    </message>
    <message>
        <source>Diagnosesprache 2</source>
        <translation>Diagnostic language 2</translation>
    </message>
    <message>
        <source>Andere Sprache muss wieder prog. werden</source>
        <translation>The other language must be programmed again</translation>
    </message>
    <message>
        <source>Handshake-Fehler</source>
        <translation>Handshake error</translation>
    </message>
    <message>
        <source>Meld. Nr zu groß</source>
        <translation>Msg. no. too large</translation>
    </message>
    <message>
        <source>Meld. Nr vertauscht</source>
        <translation>Msg. no. out of order</translation>
    </message>
    <message>
        <source>TAB erwartet</source>
        <translation>TAB expected</translation>
    </message>
    <message>
        <source>Gartenzaun nicht gefunden</source>
        <translation>Hash sign not found</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Fehler in Zahlenfeld</source>
        <translation>Error in number field</translation>
    </message>
    <message>
        <source>Textspeicher voll</source>
        <translation>Text memory full</translation>
    </message>
    <message>
        <source>Die Texte von Sprache %1 sind zu groß für die Übertragung (höchstens %2 Bytes) !</source>
        <translation>The texts of language %1 are too large for the download (at most %2 bytes)!</translation>
    </message>
    <message>
        <source>Warte auf Anzeige (Versuch %1 von %2)...</source>
        <translation>Waiting for the display (attempt %1 of %2)...</translation>
    </message>
    <message>
        <source>Zeichensatz wird geladen...</source>
        <translation>Downloading character set...</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Sprache1 wird geladen...</source>
        <translation>Downloading language 1...</translation>
    </message>
    <message>
        <source>Sprache2 wird geladen...</source>
        <translation>Downloading language 2...</translation>
    </message>
    <message>
        <source>Diagnose-Sprache1 wird geladen...</source>
        <translation>Downloading diagnostic language 1...</translation>
    </message>
    <message>
        <source>Diagnose-Sprache2 wird geladen...</source>
        <translation>Downloading diagnostic language 2...</translation>
    </message>
    <message>
        <source>Systemeinstellungen werden geladen...</source>
        <translation>Downloading system settings...</translation>
    </message>
    <message>
        <source>Zeichensatz wird gelesen...</source>
        <translation>Reading character set...</translation>
    </message>
    <message>
        <source>Der Zeichensatz wurde nicht richtig empfangen (%1 von %2 Bytes); seine Zeichen bleiben leer.</source>
        <translation>The character set was not received correctly (%1 of %2 bytes); its characters stay empty.</translation>
    </message>
    <message>
        <source>Der Zeichensatz wurde nicht richtig empfangen (Prüfsumme falsch); seine Zeichen bleiben leer.</source>
        <translation>The character set was not received correctly (wrong checksum); its characters stay empty.</translation>
    </message>
    <message>
        <source>Der Zeichensatz wurde nicht richtig empfangen; die Anzeige kann nicht verglichen werden.</source>
        <translation>The character set was not received correctly; the display cannot be compared.</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>Sprache1 wird gelesen...</source>
        <translation>Reading language 1...</translation>
    </message>
    <message>
        <source>Sprache2 wird gelesen...</source>
        <translation>Reading language 2...</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>Schnittstellen Fehler !</source>
        <translation>Port error!</translation>
    </message>
    <message>
        <source>Übertragung durch Anwender abgebrochen !</source>
        <translation>Transfer aborted by the user!</translation>
    </message>
    <message>
        <source>Buffer zur klein !!</source>
        <translation>Buffer too small!!</translation>
    </message>
    <message>
        <source>Anzeige nicht angeschloßen !</source>
        <translation>Display not connected!</translation>
    </message>
    <message>
        <source>Fehler bei der Übertragung !</source>
        <translation>Error during the transfer!</translation>
    </message>
    <message>
        <source>Fehler bei der Übertragung</source>
        <translation>Error during the transfer</translation>
    </message>
    <message>
        <source>Timeout Fehler</source>
        <translation>Timeout error</translation>
    </message>
    <message>
        <source>Übertragungsfehler</source>
        <translation>Transfer error</translation>
    </message>
    <message>
        <source>Kein Info !</source>
        <translation>No info!</translation>
    </message>
</context>
<context>
    <name>TranslateCommand</name>
    <message>
        <source>Aufruf:
  tavolin-cli translate export PROJEKT -o DATEI.xlf|DATEI.csv [--table operating|diagnostic|all]
                               [--source 1 --target 2] [--source-lang de --target-lang en]
                               [--format xliff|csv]
  tavolin-cli translate import PROJEKT DATEI.xlf|DATEI.csv [--source 1 --target 2]
                               [--format xliff|csv] [--force]
  tavolin-cli translate status PROJEKT [--source 1 --target 2] [--json]

export  schreibt die Meldungen für einen Übersetzer: XLIFF 1.2 (Vorgabe) oder CSV
        (UTF-8, für Tabellenkalkulationen), eine Einheit je Zeile der Anzeige mit
        der Zeilenlänge der Anzeige. Die Kopfzeilen (Systemeinstellungen) bleiben
        draußen. Die Sprachcodes merkt sich das Projekt in &quot;Uebersetzung.json&quot;;
        beim ersten Export müssen sie angegeben werden. -o - schreibt auf stdout.
import  prüft die zurückgegebene Datei zuerst ganz: unbekannte Kennungen, zu lange
        Zeilen, Zeichen, die die Anzeige nicht hat, und Ausgangstexte, die sich seit
        dem Export geändert haben. Enthält der Bericht einen Fehler, wird nichts
        geschrieben; mit --force wird übernommen, was passt (Zeichen, die die
        Anzeige nicht hat, werden durch das nächstliegende ersetzt).
status  zählt je Tabelle die Meldungen mit fehlender, veralteter oder zu langer
        Übersetzung.

--source und --target sind die Sprachnummern (Sprache1, Sprache2); Vorgabe 1 nach 2.
</source>
        <translation>Usage:
  tavolin-cli translate export PROJECT -o FILE.xlf|FILE.csv [--table operating|diagnostic|all]
                               [--source 1 --target 2] [--source-lang de --target-lang en]
                               [--format xliff|csv]
  tavolin-cli translate import PROJECT FILE.xlf|FILE.csv [--source 1 --target 2]
                               [--format xliff|csv] [--force]
  tavolin-cli translate status PROJECT [--source 1 --target 2] [--json]

export  writes the messages for a translator: XLIFF 1.2 (default) or CSV
        (UTF-8, for spreadsheets), one unit per display line with the display&apos;s
        line length. The header lines (system settings) stay out. The project
        keeps the language codes in &quot;Uebersetzung.json&quot;; the first export
        must give them. -o - writes to stdout.
import  checks the returned file as a whole first: unknown ids, lines too long,
        characters the display does not have, and source texts changed since
        the export. While the report holds an error nothing is written; with
        --force what fits is taken (characters the display does not have are
        replaced by the nearest one).
status  counts per table the messages with a missing, outdated or too long
        translation.

--source and --target are the language numbers (Sprache1, Sprache2); default 1 to 2.
</translation>
    </message>
    <message>
        <source>%1 muss 1 oder 2 sein, nicht &quot;%2&quot;.</source>
        <translation>%1 must be 1 or 2, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 Namen erwartet, %2 angegeben.

%3</source>
        <translation>%1 names expected, %2 given.

%3</translation>
    </message>
    <message>
        <source>-o DATEI fehlt.</source>
        <translation>-o FILE is missing.</translation>
    </message>
    <message>
        <source>Das Projekt nennt seine Sprachen noch nicht: bitte mit --source-lang und --target-lang angeben (z. B. de und en).</source>
        <translation>The project does not name its languages yet: please give --source-lang and --target-lang (e.g. de and en).</translation>
    </message>
    <message>
        <source>Die Übersetzungsdatei kann nicht geschrieben werden.</source>
        <translation>The translation file cannot be written.</translation>
    </message>
    <message>
        <source>Nichts übernommen: &quot;%1&quot; enthält Fehler (siehe oben). Mit --force wird übernommen, was passt.</source>
        <translation>Nothing taken: &quot;%1&quot; contains errors (see above). With --force, what fits is taken.</translation>
    </message>
    <message>
        <source>Nichts übernommen: beim Lesen des Projekts ging Inhalt verloren (siehe Warnungen). Mit --force wird trotzdem gespeichert.</source>
        <translation>Nothing taken: reading the project lost content (see warnings). With --force it is saved anyway.</translation>
    </message>
    <message>
        <source>%1: %2 Meldungen, %3 ohne Übersetzung, %4 veraltet, %5 zu lang
</source>
        <translation>%1: %2 messages, %3 without translation, %4 outdated, %5 too long
</translation>
    </message>
    <message>
        <source>Betriebstexte</source>
        <translation>Operating texts</translation>
    </message>
    <message>
        <source>Diagnosetexte</source>
        <translation>Diagnostic texts</translation>
    </message>
    <message>
        <source>Unbekannter Unterbefehl &quot;%1&quot;.

%2</source>
        <translation>Unknown subcommand &quot;%1&quot;.

%2</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>Betriebstexte</source>
        <translation>Operating texts</translation>
    </message>
    <message>
        <source>Diagnosetexte</source>
        <translation>Diagnostic texts</translation>
    </message>
    <message>
        <source>%1, Meldung %2, Zeile %3</source>
        <translation>%1, message %2, line %3</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; des Projekts ist beschädigt; sie kann gelöscht werden, dann gelten alle Übersetzungen als aktuell.</source>
        <translation>The project file &quot;%1&quot; is damaged; it may be deleted, then every translation counts as current.</translation>
    </message>
    <message>
        <source>%1 (U+%2) wird %3</source>
        <translation>%1 (U+%2) becomes %3</translation>
    </message>
    <message>
        <source>%1: Die Kennung %2 gehört zu keiner Zeile des Projekts.</source>
        <translation>%1: The id %2 belongs to no line of the project.</translation>
    </message>
    <message>
        <source>%1: %2 kommt in der Datei doppelt vor.</source>
        <translation>%1: %2 occurs twice in the file.</translation>
    </message>
    <message>
        <source>%1: Der Ausgangstext wurde seit dem Export geändert (jetzt %2); die Übersetzung wird nicht übernommen.</source>
        <translation>%1: The source text changed since the export (now %2); the translation is not taken.</translation>
    </message>
    <message>
        <source>%1: Zeichen, die die Anzeige nicht hat: %2.</source>
        <translation>%1: characters the display does not have: %2.</translation>
    </message>
    <message>
        <source>%1: %2 hat %3 Zeichen, eine Zeile der Anzeige %4.</source>
        <translation>%1: %2 has %3 characters, a display line %4.</translation>
    </message>
    <message>
        <source>%1, Meldung %2: %3</source>
        <translation>%1, message %2: %3</translation>
    </message>
    <message>
        <source>Fehler (%1):
</source>
        <translation>Errors (%1):
</translation>
    </message>
    <message>
        <source>Nicht übernommen (%1):
</source>
        <translation>Not taken (%1):
</translation>
    </message>
    <message>
        <source>Übernommen (%1):
</source>
        <translation>Taken (%1):
</translation>
    </message>
    <message>
        <source>%1 Zeilen übernommen, %2 unverändert, %3 ohne Übersetzung, %4 abgelehnt.
</source>
        <translation>%1 lines taken, %2 unchanged, %3 without translation, %4 refused.
</translation>
    </message>
</context>
<context>
    <name>TranslationCommands</name>
    <message>
        <source>Für Übersetzung exportieren</source>
        <translation>Export for translation</translation>
    </message>
    <message>
        <source>Sprachcodes von Sprache1 und Sprache2 (wie &quot;de en&quot;):</source>
        <translation>Language codes of Sprache1 and Sprache2 (like &quot;de en&quot;):</translation>
    </message>
    <message>
        <source>Bitte zwei Sprachcodes angeben, durch ein Leerzeichen getrennt.</source>
        <translation>Please give two language codes separated by a space.</translation>
    </message>
    <message>
        <source>XLIFF (*.xlf *.xliff);;CSV (*.csv)</source>
        <translation>XLIFF (*.xlf *.xliff);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>Die Übersetzungsdatei kann nicht geschrieben werden.</source>
        <translation>The translation file cannot be written.</translation>
    </message>
    <message>
        <source>Exportiert: %1</source>
        <translation>Exported: %1</translation>
    </message>
    <message>
        <source>Übersetzung importieren</source>
        <translation>Import translation</translation>
    </message>
    <message>
        <source>Übersetzungen (*.xlf *.xliff *.csv);;Alle Dateien (*)</source>
        <translation>Translations (*.xlf *.xliff *.csv);;All files (*)</translation>
    </message>
    <message>
        <source>%1: %2 ohne Übersetzung, %3 veraltet, %4 zu lang</source>
        <translation>%1: %2 without translation, %3 outdated, %4 too long</translation>
    </message>
    <message>
        <source>Betriebstexte</source>
        <translation>Operating texts</translation>
    </message>
    <message>
        <source>Diagnosetexte</source>
        <translation>Diagnostic texts</translation>
    </message>
</context>
<context>
    <name>TranslationFile</name>
    <message>
        <source>Zeile %1: ungültiger Code &quot;%2&quot;.</source>
        <translation>Line %1: invalid code &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Kein gültiges XLIFF (Zeile %1: %2).</source>
        <translation>No valid XLIFF (line %1: %2).</translation>
    </message>
    <message>
        <source>Die Datei ist kein XLIFF (kein Element &lt;xliff&gt;).</source>
        <translation>The file is no XLIFF (no element &lt;xliff&gt;).</translation>
    </message>
    <message>
        <source>CSV: die Spalte &quot;%1&quot; fehlt.</source>
        <translation>CSV: the column &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>CSV Zeile %1</source>
        <translation>CSV line %1</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Zeile zum Übersetzen.</source>
        <translation>The file contains no line to translate.</translation>
    </message>
</context>
<context>
    <name>TranslationReportDialog</name>
    <message>
        <source>Übersetzung importieren</source>
        <translation>Import translation</translation>
    </message>
    <message>
        <source>Fehler (%1)</source>
        <translation>Errors (%1)</translation>
    </message>
    <message>
        <source>Wird übernommen (%1)</source>
        <translation>Will be taken (%1)</translation>
    </message>
    <message>
        <source>Übernehmen, was passt</source>
        <translation>Take what fits</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Zu übernehmen: %2 Zeilen; unverändert: %3; ohne Übersetzung: %4.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;To take: %2 lines; unchanged: %3; without translation: %4.</translation>
    </message>
    <message>
        <source>Fehler in der Datei: %1. &quot;Übernehmen, was passt&quot; lässt davon %2 Zeilen aus; Zeichen, die die Anzeige nicht hat, werden durch das nächstliegende ersetzt.</source>
        <translation>Errors in the file: %1. &quot;Take what fits&quot; leaves out %2 lines of them; characters the display does not have are replaced by the nearest one.</translation>
    </message>
</context>
<context>
    <name>Uebertragen</name>
    <message>
        <source>Systemeinstellungen</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Zeichensatz</source>
        <translation>Character set</translation>
    </message>
    <message>
        <source>Sprache 1</source>
        <translation>Language 1</translation>
    </message>
    <message>
        <source>Sprache 2</source>
        <translation>Language 2</translation>
    </message>
    <message>
        <source>Diagnosespache 1</source>
        <translation>Diagnostic language 1</translation>
    </message>
    <message>
        <source>Diagnosesprache 2</source>
        <translation>Diagnostic language 2</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Zur Anzeige übertragen</source>
        <translation>Download to the display</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Versioninfo</name>
    <message>
        <source>Versioninfo</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>Modulname</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Hersteller und Copyright bei</source>
        <translation>Manufacturer and copyright holder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>Kein Projekt geöffnet</source>
        <translation>No project open</translation>
    </message>
    <message>
        <source>Keine Meldung gewählt</source>
        <translation>No message chosen</translation>
    </message>
    <message>
        <source>Meldung %1, Sprache%2</source>
        <translation>Message %1, language %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>%1 ist mehrfach angegeben.</source>
        <translation>%1 is given more than once.</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 nimmt keinen Wert.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Aufruf: tavolin-cli BEFEHL [ARGUMENTE...]

Befehle:
</source>
        <translation>Usage: tavolin-cli COMMAND [ARGUMENTS...]

Commands:
</translation>
    </message>
    <message>
        <source>
&apos;tavolin-cli BEFEHL --help&apos; zeigt die Hilfe eines Befehls.
</source>
        <translation>
&apos;tavolin-cli COMMAND --help&apos; shows the help of a command.
</translation>
    </message>
    <message>
        <source>Die Standardausgabe kann nicht geschrieben werden: %1</source>
        <translation>Standard output cannot be written: %1</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1
</source>
        <translation>Unknown command: %1
</translation>
    </message>
    <message>
        <source>Warnung: </source>
        <translation>Warning: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; wird nicht überschrieben: beim Lesen ging Inhalt verloren (siehe Warnungen). Mit --force wird die Datei trotzdem so geschrieben.</source>
        <translation>&quot;%1&quot; is not overwritten: content was lost on reading (see warnings). With --force the file is written like this anyway.</translation>
    </message>
</context>
</TS>
