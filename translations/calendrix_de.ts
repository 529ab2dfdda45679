<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DatafileReading</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Open/Print Rosters</source>
        <translation>Dienstpläne öffnen/drucken</translation>
    </message>
</context>
<context>
    <name>DraftAndUndo</name>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cell: the unit&apos;s data changed after the draft was made.</source>
        <translation>Der zählende Dienstplan „%1“ weicht in %2 Feld vom Entwurf ab: Die Daten der Einheit wurden nach dem Entwurf geändert.</translation>
    </message>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cells: the unit&apos;s data changed after the draft was made.</source>
        <translation>Der zählende Dienstplan „%1“ weicht in %2 Feldern vom Entwurf ab: Die Daten der Einheit wurden nach dem Entwurf geändert.</translation>
    </message>
    <message>
        <source>These files were skipped.</source>
        <translation>Diese Dateien wurden übersprungen.</translation>
    </message>
    <message>
        <source>Undo %1?

The rows it added are deleted and the soldiers it updated become what they were before it.</source>
        <translation>%1 rückgängig machen?

Die dabei hinzugefügten Zeilen werden gelöscht, und die dabei geänderten Soldaten erhalten wieder ihren vorherigen Stand.</translation>
    </message>
    <message>
        <source>Undo %1?

The counters and assignment dates become what they were before it, and so does its roster datafile.</source>
        <translation>%1 rückgängig machen?

Zähler und Zuteilungsdaten erhalten wieder ihren vorherigen Stand, ebenso die Datendatei des Dienstplans.</translation>
    </message>
    <message>
        <source>Undo %1?

The counters, assignment dates and duty headers become what they were before it, and its datafile is moved into the unit&apos;s history folder.</source>
        <translation>%1 rückgängig machen?

Zähler, Zuteilungsdaten und Dienstköpfe erhalten wieder ihren vorherigen Stand, und die Datendatei wird in den Verlaufsordner der Einheit verschoben.</translation>
    </message>
    <message>
        <source>Undoing it anyway loses those changes.</source>
        <translation>Wird trotzdem rückgängig gemacht, gehen diese Änderungen verloren.</translation>
    </message>
    <message>
        <source>The roster run could not be undone; nothing was changed.</source>
        <translation>Der Dienstplanlauf konnte nicht rückgängig gemacht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The unit&apos;s last roster run cannot be undone: its file in the history folder &apos;%1&apos; is missing or cannot be read. No earlier run is undone before it.</source>
        <translation>Der letzte Dienstplanlauf der Einheit kann nicht rückgängig gemacht werden: Seine Datei im Verlaufsordner „%1“ fehlt oder ist nicht lesbar. Kein früherer Lauf wird vor ihm rückgängig gemacht.</translation>
    </message>
    <message>
        <source>There is no roster run to undo.</source>
        <translation>Es gibt keinen Dienstplanlauf, der rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Es wurde nichts rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Those changes are lost.</source>
        <translation>Diese Änderungen sind verloren.</translation>
    </message>
    <message>
        <source>Its datafile is kept as &apos;%1&apos;.</source>
        <translation>Die Datendatei bleibt als „%1“ erhalten.</translation>
    </message>
    <message>
        <source>The roster run was undone, but a file could not be removed.</source>
        <translation>Der Dienstplanlauf wurde rückgängig gemacht, aber eine Datei konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>(error %1)</source>
        <translation>(Fehler %1)</translation>
    </message>
</context>
<context>
    <name>ExportRoster</name>
    <message>
        <source>Export Roster</source>
        <translation>Dienstplan exportieren</translation>
    </message>
    <message>
        <source>The roster cannot be exported.</source>
        <translation>Der Dienstplan kann nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Folder for the calendars</source>
        <translation>Ordner für die Kalender</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Tabellen (*.xlsx)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Export %1 as:</source>
        <translation>%1 exportieren als:</translation>
    </message>
    <message>
        <source>&amp;Calendars (.ics)...</source>
        <translation>&amp;Kalender (.ics)...</translation>
    </message>
    <message>
        <source>&amp;Spreadsheet (.xlsx)...</source>
        <translation>&amp;Tabelle (.xlsx)...</translation>
    </message>
    <message>
        <source>CS&amp;V (.csv)...</source>
        <translation>CS&amp;V (.csv)...</translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the calendars already exist in %1. Replace them?</source>
        <translation>
            <numerusform>%n der Kalender ist bereits in %1 vorhanden. Ersetzen?</numerusform>
            <numerusform>%n der Kalender sind bereits in %1 vorhanden. Ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporting %1...</source>
        <translation>%1 wird exportiert...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang must be de, nb or en, not &apos;%1&apos;</source>
        <translation>--lang muss de, nb oder en sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the window needs a display, and none could be opened; the other commands work without one (see calendrix --help)</source>
        <translation>Das Programmfenster braucht einen Bildschirm, und es konnte keiner geöffnet werden; die übrigen Befehle arbeiten ohne (siehe calendrix --help)</translation>
    </message>
</context>
<context>
    <name>PrintDestination</name>
    <message>
        <source>Print – %1</source>
        <translation>Drucken – %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>RunMessenger</name>
    <message>
        <source>Making the roster...</source>
        <translation>Der Dienstplan wird erstellt...</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>Calendrix datafiles (*.cxr)</source>
        <translation>Calendrix-Datendateien (*.cxr)</translation>
    </message>
</context>
<context>
    <name>WidgetDialogs</name>
    <message>
        <source>QUESTION</source>
        <translation>FRAGE</translation>
    </message>
    <message>
        <source>&amp;Make It Count</source>
        <translation>&amp;Zählend erstellen</translation>
    </message>
    <message>
        <source>Make this roster again as one that counts, into a file of your choice</source>
        <translation>Diesen Dienstplan erneut als zählenden Dienstplan in eine Datei Ihrer Wahl erstellen</translation>
    </message>
</context>
<context>
    <name>calendrix::AboutDialog</name>
    <message>
        <source>Version %1, %2-bit edition</source>
        <translation>Version %1, %2-Bit-Ausgabe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Calendrix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>calendrix::CountersDialog</name>
    <message>
        <source>Assignment Counters</source>
        <translation>Zuteilungszähler</translation>
    </message>
    <message>
        <source>Assignment counters</source>
        <translation>Zuteilungszähler</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
</context>
<context>
    <name>calendrix::DatesDialog</name>
    <message>
        <source>Assignment Dates</source>
        <translation>Zuteilungsdaten</translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation>Zuteilungsdaten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>calendrix::FairnessWindow</name>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: minimum %2, median %3, mean %4, maximum %5, spread %6.&lt;br&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: Minimum %2, Median %3, Mittelwert %4, Maximum %5, Spannweite %6.&lt;br&gt;</translation>
    </message>
    <message>
        <source>More than one above the minimum: %1.&lt;br&gt;</source>
        <translation>Mehr als eins über dem Minimum: %1.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Next in line: %1.&lt;br&gt;</source>
        <translation>Als Nächste an der Reihe: %1.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Fairness</source>
        <translation>Gerechtigkeit</translation>
    </message>
    <message>
        <source>Counters per duty</source>
        <translation>Zähler je Dienst</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>Di&amp;enst:</translation>
    </message>
    <message>
        <source>Soldiers at each counter</source>
        <translation>Soldaten je Zählerstand</translation>
    </message>
    <message>
        <source>Figures of the duty</source>
        <translation>Kennzahlen des Dienstes</translation>
    </message>
    <message>
        <source>Soldiers&apos; counters</source>
        <translation>Zähler der Soldaten</translation>
    </message>
    <message>
        <source>Double-click a soldier to see his counters.</source>
        <translation>Doppelklick auf einen Soldaten zeigt seine Zähler.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation>&amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Counters per duty (whiskers: lowest to highest; box: the middle half; line: median)</source>
        <translation>Zähler je Dienst (Antennen: niedrigster bis höchster; Kasten: mittlere Hälfte; Linie: Median)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>%1, %2: lowest %3, median %4, highest %5</source>
        <translation>%1, %2: niedrigster %3, Median %4, höchster %5</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zählerstand</translation>
    </message>
    <message>
        <source>How many soldiers stand at each counter: %1</source>
        <translation>Wie viele Soldaten auf jedem Zählerstand stehen: %1</translation>
    </message>
    <message>
        <source>No soldier is qualified for %1.</source>
        <translation>Kein Soldat ist für %1 befähigt.</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message numerus="yes">
        <source>%n qualified.&lt;br&gt;</source>
        <translation>
            <numerusform>%n befähigt.&lt;br&gt;</numerusform>
            <numerusform>%n befähigt.&lt;br&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview – %1</source>
        <translation>Druckvorschau – %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation>Der Drucker kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation>Der Drucker konnte %1 nicht fertigstellen.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Breite einpassen</translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>calendrix::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Find the next name (Return, F3)</source>
        <translation>Den nächsten Namen suchen (Eingabe, F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find box (Escape)</source>
        <translation>Die Suche schließen (Esc)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>calendrix::HelpWindow</name>
    <message>
        <source>Calendrix Help</source>
        <translation>Calendrix-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it does not exist.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation>Die Hilfedatei „%1“ kann nicht gelesen werden: Sie ist nicht vorhanden.
Führen Sie „%2“ aus, um eine neue an ihre Stelle zu setzen.</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it is not a file.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation>Die Hilfedatei „%1“ kann nicht gelesen werden: Sie ist keine Datei.
Führen Sie „%2“ aus, um eine neue an ihre Stelle zu setzen.</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: %2.
Run &apos;%3&apos; to put a new one in its place.</source>
        <translation>Die Hilfedatei „%1“ kann nicht gelesen werden: %2.
Führen Sie „%3“ aus, um eine neue an ihre Stelle zu setzen.</translation>
    </message>
</context>
<context>
    <name>calendrix::ImportDialog</name>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>To add</source>
        <translation>Hinzuzufügen</translation>
    </message>
    <message>
        <source>To update</source>
        <translation>Zu aktualisieren</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>%1 event with a time of day or ended before today was skipped.</source>
        <translation>%1 Termin mit Uhrzeit oder vor heute beendet wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 events with a time of day or ended before today were skipped.</source>
        <translation>%1 Termine mit Uhrzeit oder vor heute beendet wurden übersprungen.</translation>
    </message>
    <message>
        <source>The sheet &apos;%1&apos; was read.</source>
        <translation>Das Tabellenblatt „%1“ wurde gelesen.</translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text with a byte-order mark.</source>
        <translation>Die Datei wurde als UTF-8-Text mit Byte-Order-Mark gelesen.</translation>
    </message>
    <message>
        <source>The file was read as Windows-1252 text.</source>
        <translation>Die Datei wurde als Windows-1252-Text gelesen.</translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text.</source>
        <translation>Die Datei wurde als UTF-8-Text gelesen.</translation>
    </message>
    <message>
        <source>Its columns are separated by tabs.</source>
        <translation>Ihre Spalten sind durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Its columns are separated by semicolons.</source>
        <translation>Ihre Spalten sind durch Semikolons getrennt.</translation>
    </message>
    <message>
        <source>Its columns are separated by commas.</source>
        <translation>Ihre Spalten sind durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>It has one column.</source>
        <translation>Sie hat eine Spalte.</translation>
    </message>
    <message>
        <source>The soldiers of &apos;%1&apos; were imported: %2 added, %3 updated.</source>
        <translation>Die Soldaten aus „%1“ wurden importiert: %2 hinzugefügt, %3 aktualisiert.</translation>
    </message>
    <message>
        <source>The absences of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Die Abwesenheiten aus „%1“ wurden importiert: %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>The holidays of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Die Feiertage aus „%1“ wurden importiert: %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>The work-schedule periods of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Die Dienstzeiträume aus „%1“ wurden importiert: %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>Tools &gt; Undo Last Roster Run takes the import back.</source>
        <translation>Extras &gt; Letzten Dienstplanlauf rückgängig machen nimmt den Import zurück.</translation>
    </message>
    <message>
        <source>&amp;Update soldiers already in the unit</source>
        <translation>&amp;Bereits erfasste Soldaten aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Abwesenheiten</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Work schedules</source>
        <translation>Dienstzeiten</translation>
    </message>
    <message>
        <source>C&amp;hoose File...</source>
        <translation>Datei aus&amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;What the file lists:</source>
        <translation>Was die Datei auf&amp;führt:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Tabellenblatt:</translation>
    </message>
    <message>
        <source>Lists and calendars (*.csv *.txt *.xlsx *.ics);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;Calendars (*.ics);;All files (*)</source>
        <translation>Listen und Kalender (*.csv *.txt *.xlsx *.ics);;CSV-Dateien (*.csv *.txt);;Arbeitsmappen (*.xlsx);;Kalender (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Lists (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;All files (*)</source>
        <translation>Listen (*.csv *.txt *.xlsx);;CSV-Dateien (*.csv *.txt);;Arbeitsmappen (*.xlsx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files. Choose a file that another program wrote.</source>
        <translation>„%1“ ist eine der eigenen Dateien der Einheit. Wählen Sie eine Datei, die ein anderes Programm geschrieben hat.</translation>
    </message>
    <message>
        <source>Choose the file to import.</source>
        <translation>Wählen Sie die Datei, die importiert werden soll.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Nothing can be imported from this file.</source>
        <translation>Aus dieser Datei kann nichts importiert werden.</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.</source>
        <translation>%1 hinzuzufügen, %2 zu aktualisieren, %3 unverändert, %4 ausgelassen, %5 abgelehnt.</translation>
    </message>
    <message>
        <source>Nothing can be imported while a row is refused: mend the file and choose it again.</source>
        <translation>Solange eine Zeile abgelehnt ist, kann nichts importiert werden: Berichtigen Sie die Datei und wählen Sie sie erneut.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it will be added to Setup&apos;s list.</source>
        <translation>Die Gruppe „%1“ ist neu; sie wird der Liste in der Einrichtung hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The unit changed since the preview; nothing was imported. The preview shows the file as it would be imported now.</source>
        <translation>Die Einheit wurde seit der Vorschau geändert; es wurde nichts importiert. Die Vorschau zeigt die Datei so, wie sie jetzt importiert würde.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>Was der Import bewirken würde</translation>
    </message>
</context>
<context>
    <name>calendrix::ImportPreviewModel</name>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>calendrix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Make New Datafile...</source>
        <translation>&amp;Neue Datendatei erstellen...</translation>
    </message>
    <message>
        <source>Make &amp;Draft...</source>
        <translation>&amp;Entwurf erstellen...</translation>
    </message>
    <message>
        <source>&amp;Open/Print Rosters...</source>
        <translation>Dienstpläne ö&amp;ffnen/drucken...</translation>
    </message>
    <message>
        <source>E&amp;xport Roster...</source>
        <translation>Dienstplan e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Change Roster...</source>
        <translation>Dienstplan &amp;ändern...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>Ein&amp;richtung...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>&amp;Zuteilung</translation>
    </message>
    <message>
        <source>C&amp;ounters...</source>
        <translation>&amp;Zähler...</translation>
    </message>
    <message>
        <source>D&amp;ates...</source>
        <translation>&amp;Daten...</translation>
    </message>
    <message>
        <source>&amp;Consolidate</source>
        <translation>Zusammen&amp;fassen</translation>
    </message>
    <message>
        <source>A&amp;bsence</source>
        <translation>&amp;Abwesenheit</translation>
    </message>
    <message>
        <source>&amp;Undo Last Roster Run...</source>
        <translation>Letzten Dienstplanlauf &amp;rückgängig machen...</translation>
    </message>
    <message>
        <source>&amp;Fairness...</source>
        <translation>&amp;Gerechtigkeit...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;Über Calendrix...</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Work schedule</source>
        <translation>Dienstzeiten</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Abwesenheiten</translation>
    </message>
    <message>
        <source>Qualifications:</source>
        <translation>Befähigungen:</translation>
    </message>
    <message>
        <source>Work Schedule:</source>
        <translation>Dienstzeiten:</translation>
    </message>
    <message>
        <source>Personnel Absence:</source>
        <translation>Abwesenheit des Personals:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Duties and soldiers</source>
        <translation>Dienste und Soldaten</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Nature of Duty</source>
        <translation>Art des Dienstes</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Calendrix - %1</source>
        <translation>Calendrix - %1</translation>
    </message>
    <message>
        <source>The lists of the other tables are shown; the roster cannot be made until this is put right.</source>
        <translation>Die Listen der übrigen Tabellen werden angezeigt; der Dienstplan kann erst erstellt werden, wenn dies behoben ist.</translation>
    </message>
    <message>
        <source>Create Empty Unit</source>
        <translation>Leere Einheit anlegen</translation>
    </message>
    <message>
        <source>Create an empty unit in %1, or choose another folder?</source>
        <translation>Eine leere Einheit in %1 anlegen oder einen anderen Ordner wählen?</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>Keep the damaged file under a new name beside it (%1) and create an empty one in its place, or choose another folder? Nothing is deleted.</source>
        <translation>Die beschädigte Datei unter neuem Namen daneben aufbewahren (%1) und an ihrer Stelle eine leere anlegen, oder einen anderen Ordner wählen? Es wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>Keep the damaged files under new names beside them (%1) and create empty ones in their place, or choose another folder? Nothing is deleted.</source>
        <translation>Die beschädigten Dateien unter neuen Namen daneben aufbewahren (%1) und an ihrer Stelle leere anlegen, oder einen anderen Ordner wählen? Es wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>Keep Aside and Create Empty Unit</source>
        <translation>Aufbewahren und leere Einheit anlegen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Choose Folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>Unit folder</source>
        <translation>Ordner der Einheit</translation>
    </message>
    <message>
        <source>Cannot add a duty.</source>
        <translation>Der Dienst kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Cannot add a soldier.</source>
        <translation>Der Soldat kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Cannot add the work-schedule period.</source>
        <translation>Der Dienstzeitraum kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Cannot add the absence.</source>
        <translation>Die Abwesenheit kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Cannot delete the duty.</source>
        <translation>Der Dienst kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot delete the soldier.</source>
        <translation>Der Soldat kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot delete the work-schedule period.</source>
        <translation>Der Dienstzeitraum kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot delete the absence.</source>
        <translation>Die Abwesenheit kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot save the changes.</source>
        <translation>Die Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot sort the lists.</source>
        <translation>Die Listen können nicht sortiert werden.</translation>
    </message>
    <message>
        <source>The %1 setting could not be saved, so it stays as it was.</source>
        <translation>Die Einstellung „%1“ konnte nicht gespeichert werden und bleibt daher, wie sie war.</translation>
    </message>
    <message>
        <source>Cannot read the new assignment dates.</source>
        <translation>Die neuen Zuteilungsdaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot change the roster.</source>
        <translation>Der Dienstplan kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Cannot read the lists again.</source>
        <translation>Die Listen können nicht erneut gelesen werden.</translation>
    </message>
    <message>
        <source>Your choice of language cannot be kept: the settings file cannot be written.</source>
        <translation>Ihre Sprachwahl kann nicht gespeichert werden: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Calendrix will speak %1 from its next start.</source>
        <translation>Calendrix verwendet ab dem nächsten Start %1.</translation>
    </message>
</context>
<context>
    <name>calendrix::MonthView</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>At most %1 days can be taken at once. The period runs from %2 to %3.</source>
        <translation>Es können höchstens %1 Tage auf einmal übernommen werden. Der Zeitraum reicht vom %2 bis zum %3.</translation>
    </message>
</context>
<context>
    <name>calendrix::RecordSetModel</name>
    <message>
        <source>&quot;%1&quot; takes a whole number from %2 to %3; %4 was typed.</source>
        <translation>„%1“ nimmt eine ganze Zahl von %2 bis %3 auf; eingegeben wurde %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be after &quot;%2&quot;: %3 was typed, and the period ends on %4.</source>
        <translation>„%1“ kann nicht nach „%2“ liegen: Eingegeben wurde %3, und der Zeitraum endet am %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be before &quot;%2&quot;: %3 was typed, and the period starts on %4.</source>
        <translation>„%1“ kann nicht vor „%2“ liegen: Eingegeben wurde %3, und der Zeitraum beginnt am %4.</translation>
    </message>
</context>
<context>
    <name>calendrix::ReportPreview</name>
    <message>
        <source>Print Preview – %1</source>
        <translation>Druckvorschau – %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Breite einpassen</translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Laying out duty %1 of %2...</source>
        <translation>Dienst %1 von %2 wird gesetzt...</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 duties: %3 pages.</source>
        <translation>Nach %1 von %2 Diensten angehalten: %3 Seiten.</translation>
    </message>
    <message>
        <source>1 page.</source>
        <translation>1 Seite.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages.</source>
        <translation>
            <numerusform>%n Seite.</numerusform>
            <numerusform>%n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>%1 wird gedruckt...</translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation>Der Drucker kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation>Der Drucker konnte %1 nicht fertigstellen.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; needs more memory than there is.</source>
        <translation>Das Layout „%1“ benötigt mehr Speicher als vorhanden.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used: %2.</source>
        <translation>Das Layout „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used.</source>
        <translation>Das Layout „%1“ kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>calendrix::RosterChangeDialog</name>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Change Roster – %1</source>
        <translation>Dienstplan ändern – %1</translation>
    </message>
    <message>
        <source>This roster is a draft: a change is made to its datafile only, and no counter changes.</source>
        <translation>Dieser Dienstplan ist ein Entwurf: Eine Änderung betrifft nur seine Datendatei, und kein Zähler ändert sich.</translation>
    </message>
    <message>
        <source>Pick the period whose soldier cannot stand it. A replace or swap changes the counters as the roster run would have, and Tools &gt; Undo takes the last change back.</source>
        <translation>Wählen Sie den Zeitraum, dessen Soldat ihn nicht leisten kann. Ersetzen oder Tauschen ändert die Zähler so, wie es der Dienstplanlauf getan hätte, und Extras &gt; Rückgängig nimmt die letzte Änderung zurück.</translation>
    </message>
    <message>
        <source>&amp;Duty:</source>
        <translation>&amp;Dienst:</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Stands</source>
        <translation>Leistet</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>S&amp;wap...</source>
        <translation>&amp;Tauschen...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Who stands %1 on %2 instead of %3? The soldiers are listed in the order the roster run would take them now; the first free one is picked.</source>
        <translation>Wer leistet %1 am %2 anstelle von %3? Die Soldaten stehen in der Reihenfolge, in der der Dienstplanlauf sie jetzt nehmen würde; der erste freie wird gewählt.</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Kandidaten</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>Soldat</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Stands this period</source>
        <translation>Leistet diesen Zeitraum</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>With which period of %1 does %2 trade %3? Each soldier must be free on the other&apos;s days.</source>
        <translation>Gegen welchen Zeitraum von %1 tauscht %2 den Zeitraum %3? Jeder Soldat muss an den Tagen des anderen frei sein.</translation>
    </message>
    <message>
        <source>Periods to trade with</source>
        <translation>Zeiträume zum Tauschen</translation>
    </message>
    <message>
        <source>The roster was not changed.</source>
        <translation>Der Dienstplan wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The roster was not changed. %1</source>
        <translation>Der Dienstplan wurde nicht geändert. %1</translation>
    </message>
</context>
<context>
    <name>calendrix::SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Setup pages</source>
        <translation>Seiten der Einrichtung</translation>
    </message>
    <message>
        <source>Qualification %1</source>
        <translation>Befähigung %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Qualifications</source>
        <translation>Befähigungen</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Program must be restarted for changes to take effect</source>
        <translation>Das Programm muss neu gestartet werden, damit die Änderungen wirksam werden</translation>
    </message>
</context>
<context>
    <name>calendrix::SoldierTotalsModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation>Zuteilungsdaten</translation>
    </message>
</context>
</TS>
