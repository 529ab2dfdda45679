<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (%2)</source>
        <comment>A duty, then the draft notice</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <comment>A duty, who stands it, the draft notice</comment>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>A duty, then who stands it</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Duties of %1</source>
        <comment>A soldier&apos;s rank and name</comment>
        <translation>Dienste von %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: calendrix [--data DIR] [FILE.cxr]
       calendrix COMMAND [options]

Without a command, opens the duty roster program on the unit in DIR
(default: the current folder), and shows FILE.cxr in the print preview.

Commands:
  init DIR     create an empty unit in DIR (existing files are kept;
               with --repair, damaged ones are set aside and made anew)
  demo DIR     create an example unit in DIR
  make OUT.cxr make a roster datafile from the unit (--data DIR)
  print F.cxr  print a roster datafile&apos;s remarks and roster to PDF
  export F.cxr export a roster datafile as calendars, a spreadsheet or CSV
  import FILE  import soldiers, absences, holidays or work schedules from
               CSV, a workbook (.xlsx) or a calendar (.ics)
  export-personnel OUT.csv|OUT.xlsx
               write the soldiers with the columns import reads
  candidates F.cxr
               who could stand a period of a duty, in the run&apos;s order
  replace F.cxr
               give a period to another soldier (--next or --by NAME)
  swap F.cxr   two soldiers of a duty trade their periods
  undo         take back the last roster run, import, replace or swap
  history      list the changes that can be taken back
  fairness     how evenly the duties fall: a table, CSV or a PDF with charts

Run &apos;calendrix COMMAND --help&apos; for the options of a command;
&apos;calendrix --version&apos; prints the version.
</source>
        <translation>Aufruf: calendrix [--data DIR] [FILE.cxr]
       calendrix BEFEHL [Optionen]

Ohne Befehl wird das Dienstplanprogramm für die Einheit in DIR geöffnet
(Vorgabe: der aktuelle Ordner) und FILE.cxr in der Druckvorschau gezeigt.

Befehle:
  init DIR     eine leere Einheit in DIR anlegen (vorhandene Dateien bleiben;
               mit --repair werden beschädigte beiseitegelegt und neu erstellt)
  demo DIR     eine Beispieleinheit in DIR anlegen
  make OUT.cxr aus der Einheit eine Dienstplandatei erstellen (--data DIR)
  print F.cxr  Bemerkungen und Dienstplan einer Dienstplandatei als PDF drucken
  export F.cxr eine Dienstplandatei als Kalender, Arbeitsmappe oder CSV exportieren
  import FILE  Soldaten, Abwesenheiten, Feiertage oder Dienstzeitpläne aus
               CSV, einer Arbeitsmappe (.xlsx) oder einem Kalender (.ics) importieren
  export-personnel OUT.csv|OUT.xlsx
               die Soldaten mit den Spalten schreiben, die import liest
  candidates F.cxr
               wer einen Zeitraum eines Dienstes übernehmen könnte, in der Reihenfolge der Erstellung
  replace F.cxr
               einen Zeitraum einem anderen Soldaten geben (--next oder --by NAME)
  swap F.cxr   zwei Soldaten eines Dienstes tauschen ihre Zeiträume
  undo         die letzte Dienstplanerstellung, den letzten Import, Ersatz oder Tausch zurücknehmen
  history      die Änderungen auflisten, die zurückgenommen werden können
  fairness     wie gleichmäßig die Dienste verteilt sind: Tabelle, CSV oder PDF mit Diagrammen

&apos;calendrix BEFEHL --help&apos; zeigt die Optionen eines Befehls;
&apos;calendrix --version&apos; zeigt die Version.
</translation>
    </message>
    <message>
        <source>Printing %1: duty %2 of %3</source>
        <translation>Druck von %1: Dienst %2 von %3</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Usage: calendrix %1</source>
        <translation>Aufruf: calendrix %1</translation>
    </message>
    <message>
        <source>--data needs a folder: --data DIR</source>
        <translation>--data braucht einen Ordner: --data DIR</translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers</source>
        <extracomment>%1 is a folder, %2 a number of soldiers</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignments that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignments that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %1: Summary and %n duty sheets</source>
        <translation>
            <numerusform>%1 geschrieben: Übersicht und %n Dienstblatt</numerusform>
            <numerusform>%1 geschrieben: Übersicht und %n Dienstblätter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %1: %n assignments</source>
        <translation>
            <numerusform>%1 geschrieben: %n Einteilung</numerusform>
            <numerusform>%1 geschrieben: %n Einteilungen</numerusform>
        </translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>%1 Run &apos;%2&apos;: it sets damaged files aside and makes them anew.</source>
        <translation>%1 Führen Sie &apos;%2&apos; aus: Es legt beschädigte Dateien beiseite und erstellt sie neu.</translation>
    </message>
    <message>
        <source>Create an empty unit.</source>
        <translation>Eine leere Einheit anlegen.</translation>
    </message>
    <message>
        <source>The unit folder; created when missing.</source>
        <translation>Der Ordner der Einheit; wird angelegt, wenn er fehlt.</translation>
    </message>
    <message>
        <source>Set every unit file that is missing or damaged aside as NAME.damaged-YYYYMMDD-HHMMSS and make it anew; sound files are not touched.</source>
        <translation>Jede fehlende oder beschädigte Datei der Einheit als NAME.damaged-YYYYMMDD-HHMMSS beiseitelegen und neu erstellen; intakte Dateien bleiben unberührt.</translation>
    </message>
    <message>
        <source>set aside %1 as %2: %3</source>
        <translation>%1 beiseitegelegt als %2: %3</translation>
    </message>
    <message>
        <source>created %1</source>
        <translation>angelegt  %1</translation>
    </message>
    <message>
        <source>kept    %1</source>
        <extracomment>the spaces line the names up under those of &quot;created %1&quot;</extracomment>
        <translation>behalten  %1</translation>
    </message>
    <message>
        <source>Create an example unit.</source>
        <translation>Eine Beispieleinheit anlegen.</translation>
    </message>
    <message>
        <source>A new or empty folder for the example unit.</source>
        <translation>Ein neuer oder leerer Ordner für die Beispieleinheit.</translation>
    </message>
    <message>
        <source>company (about 150 soldiers, 10 duties), battalion (800, 30) brigade (4000, 80) or division (20000, 80).</source>
        <translation>company (Kompanie, etwa 150 Soldaten, 10 Dienste), battalion (Bataillon, 800, 30), brigade (Brigade, 4000, 80) oder division (Division, 20000, 80).</translation>
    </message>
    <message>
        <source>Seed of the example; the same seed gives the same unit.</source>
        <translation>Startwert des Beispiels; derselbe Startwert ergibt dieselbe Einheit.</translation>
    </message>
    <message>
        <source>First scheduled day, YYYY-MM-DD (default: tomorrow).</source>
        <translation>Erster geplanter Tag, JJJJ-MM-TT (Vorgabe: morgen).</translation>
    </message>
    <message>
        <source>demo needs exactly one folder: calendrix demo DIR</source>
        <translation>demo braucht genau einen Ordner: calendrix demo DIR</translation>
    </message>
    <message>
        <source>--scale must be company, battalion, brigade or division, not &apos;%1&apos;</source>
        <translation>--scale muss company, battalion, brigade oder division sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from must be a date YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--from muss ein Datum JJJJ-MM-TT sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from must be %1 or earlier, so that every duty&apos;s 36 periods end by 9999-12-31, not &apos;%2&apos;</source>
        <translation>--from muss %1 oder früher sein, damit die 36 Zeiträume jedes Dienstes bis 9999-12-31 enden, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Example unit in %1: %2 soldiers, %3 duties, %4 periods, %5 absences, %6 holidays</source>
        <extracomment>%1 is the folder; an example unit always has many of each</extracomment>
        <translation>Beispieleinheit in %1: %2 Soldaten, %3 Dienste, %4 Zeiträume, %5 Abwesenheiten, %6 Feiertage</translation>
    </message>
    <message>
        <source>QUESTION: %1 No (give --replace to replace it)</source>
        <extracomment>%1 asks whether to replace a file; the command line answers it</extracomment>
        <translation>FRAGE: %1 Nein (mit --replace wird sie ersetzt)</translation>
    </message>
    <message>
        <source>Make a roster datafile from the unit, as File &gt; Make New Datafile does.</source>
        <translation>Aus der Einheit eine Dienstplandatei erstellen, wie es Datei &gt; Neue Dienstplandatei erstellen tut.</translation>
    </message>
    <message>
        <source>The roster datafile to make.</source>
        <translation>Die zu erstellende Dienstplandatei.</translation>
    </message>
    <message>
        <source>The unit folder (default: the current folder).</source>
        <translation>Der Ordner der Einheit (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Replace OUT.cxr when it exists.</source>
        <translation>OUT.cxr ersetzen, wenn sie vorhanden ist.</translation>
    </message>
    <message>
        <source>Make a draft: the same roster, marked as a draft, with the counters and assignment dates left as they are.</source>
        <translation>Einen Entwurf erstellen: derselbe Dienstplan, als Entwurf gekennzeichnet; Zähler und Einteilungsdaten bleiben unverändert.</translation>
    </message>
    <message>
        <source>Print a roster datafile&apos;s remarks and roster into one PDF file, with the unit&apos;s layouts Remarks.rpt and Roster.rpt, as File &gt; Open/Print Rosters does.</source>
        <translation>Die Bemerkungen und den Dienstplan einer Dienstplandatei in eine PDF-Datei drucken, mit den Vorlagen Remarks.rpt und Roster.rpt der Einheit, wie es Datei &gt; Dienstpläne öffnen/drucken tut.</translation>
    </message>
    <message>
        <source>The roster datafile to print.</source>
        <translation>Die zu druckende Dienstplandatei.</translation>
    </message>
    <message>
        <source>The unit folder with the layouts (default: the current folder).</source>
        <translation>Der Ordner der Einheit mit den Vorlagen (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <translation>Die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>a4 (default) or letter.</source>
        <translation>a4 (Vorgabe) oder letter.</translation>
    </message>
    <message>
        <source>Replace OUT.pdf when it exists.</source>
        <translation>OUT.pdf ersetzen, wenn sie vorhanden ist.</translation>
    </message>
    <message>
        <source>print needs exactly one datafile: calendrix print FILE.cxr --pdf OUT.pdf</source>
        <translation>print braucht genau eine Dienstplandatei: calendrix print FILE.cxr --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>print needs the file to write: --pdf OUT.pdf</source>
        <translation>print braucht die zu schreibende Datei: --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper muss a4 oder letter sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>QUESTION: %1 already exists. Replace? No (give --replace to replace it)</source>
        <translation>FRAGE: %1 ist bereits vorhanden. Ersetzen? Nein (mit --replace wird sie ersetzt)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>printed %1</source>
        <translation>%1 gedruckt</translation>
    </message>
    <message>
        <source>Printing &apos;%1&apos; needs more memory than there is.</source>
        <translation>Der Druck von &apos;%1&apos; braucht mehr Speicher, als vorhanden ist.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be printed: %2.</source>
        <translation>&apos;%1&apos; kann nicht gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (try calendrix --help)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (siehe calendrix --help)</translation>
    </message>
    <message>
        <source>The unit folder.</source>
        <translation>Der Ordner der Einheit.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; does not exist.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; does not exist.</source>
        <translation>Der Ordner der Einheit &apos;%1&apos; ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; a unit is kept in a folder.</source>
        <translation>&apos;%1&apos; ist kein Ordner; eine Einheit wird in einem Ordner geführt.</translation>
    </message>
    <message>
        <source>The duty, as the roster names it.</source>
        <translation>Der Dienst, wie ihn der Dienstplan nennt.</translation>
    </message>
    <message>
        <source>The period: its column on the roster, from 1.</source>
        <translation>Der Zeitraum: seine Spalte im Dienstplan, ab 1.</translation>
    </message>
    <message>
        <source>The period that holds this day (YYYY-MM-DD).</source>
        <translation>Der Zeitraum, der diesen Tag enthält (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <source>Why, as the roster&apos;s remarks will tell it.</source>
        <translation>Der Grund, wie ihn die Bemerkungen des Dienstplans nennen werden.</translation>
    </message>
    <message>
        <source>give one roster datafile: calendrix %1</source>
        <translation>geben Sie eine Dienstplandatei an: calendrix %1</translation>
    </message>
    <message>
        <source>give the duty: --duty NAME</source>
        <translation>geben Sie den Dienst an: --duty NAME</translation>
    </message>
    <message>
        <source>give the period either by --period N or by --day DATE</source>
        <translation>geben Sie den Zeitraum entweder mit --period N oder mit --day DATE an</translation>
    </message>
    <message>
        <source>give the period: --period N</source>
        <translation>geben Sie den Zeitraum an: --period N</translation>
    </message>
    <message>
        <source>--period takes a column number from 1</source>
        <translation>--period erwartet eine Spaltennummer ab 1</translation>
    </message>
    <message>
        <source>--day takes a date as YYYY-MM-DD</source>
        <translation>--day erwartet ein Datum als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>duty &apos;%1&apos;, period %2 (%3 to %4, %5)</source>
        <translation>Dienst &apos;%1&apos;, Zeitraum %2 (%3 bis %4, %5)</translation>
    </message>
    <message>
        <source>holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>normal day</source>
        <translation>Werktag</translation>
    </message>
    <message>
        <source>%1: %2 off, %3 on</source>
        <extracomment>%1 is a duty&apos;s period, %2 the soldier taken off it, %3 the one who stands it now</extracomment>
        <translation>%1: %2 abgelöst, %3 eingeteilt</translation>
    </message>
    <message>
        <source>Changed the draft; its counters are not kept, and no undo takes it back.</source>
        <translation>Entwurf geändert; seine Zähler werden nicht geführt, und kein Rückgängigmachen nimmt es zurück.</translation>
    </message>
    <message>
        <source>Changed; &apos;calendrix undo&apos; takes it back.</source>
        <translation>Geändert; &apos;calendrix undo&apos; nimmt es zurück.</translation>
    </message>
    <message>
        <source>List the soldiers qualified for a period of a duty on a roster, in the order the roster run would take them as the counters stand now: lowest counter of the period&apos;s day class, then the highest rank, then the name. Each line tells whether the soldier is free, and if not, why.</source>
        <translation>Die für einen Zeitraum eines Dienstes befähigten Soldaten auflisten, in der Reihenfolge, in der die Dienstplanerstellung sie beim jetzigen Zählerstand nehmen würde: niedrigster Zähler der Tagesart des Zeitraums, dann höchster Dienstgrad, dann Name. Jede Zeile sagt, ob der Soldat frei ist, und wenn nicht, warum.</translation>
    </message>
    <message>
        <source>The roster datafile.</source>
        <translation>Die Dienstplandatei.</translation>
    </message>
    <message>
        <source>%1, a draft</source>
        <translation>%1, ein Entwurf</translation>
    </message>
    <message>
        <source>Soldier	Rank	Count	HCount	State</source>
        <extracomment>the headings of a table whose columns are separated by tabs: the soldier, his rank, his normal and his holiday counter, and whether he is free</extracomment>
        <translation>Soldat	Dienstgrad	Zähler	FZähler	Stand</translation>
    </message>
    <message>
        <source>stands it</source>
        <translation>hat ihn</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Take the soldier who stands a period of a duty off it and give it to the first free candidate (--next) or to the soldier named (--by). His counter of the period&apos;s day class goes down by one, the other&apos;s up by one, and the assignment dates and the roster follow.</source>
        <translation>Den Soldaten, der einen Zeitraum eines Dienstes hat, davon abziehen und den Zeitraum dem ersten freien Kandidaten (--next) oder dem genannten Soldaten (--by) geben. Sein Zähler der Tagesart des Zeitraums sinkt um eins, der des anderen steigt um eins; Einteilungsdaten und Dienstplan folgen.</translation>
    </message>
    <message>
        <source>Give the period to the first free candidate.</source>
        <translation>Den Zeitraum dem ersten freien Kandidaten geben.</translation>
    </message>
    <message>
        <source>Give the period to this soldier.</source>
        <translation>Den Zeitraum diesem Soldaten geben.</translation>
    </message>
    <message>
        <source>give either --next or --by NAME</source>
        <translation>geben Sie entweder --next oder --by NAME an</translation>
    </message>
    <message>
        <source>The soldiers of two periods of a duty trade them. Their counters change only where the two periods&apos; day classes differ.</source>
        <translation>Die Soldaten zweier Zeiträume eines Dienstes tauschen diese. Ihre Zähler ändern sich nur, wo sich die Tagesarten der beiden Zeiträume unterscheiden.</translation>
    </message>
    <message>
        <source>The other period: its column on the roster.</source>
        <translation>Der andere Zeitraum: seine Spalte im Dienstplan.</translation>
    </message>
    <message>
        <source>give the other period: --with-period M, a column number from 1</source>
        <translation>geben Sie den anderen Zeitraum an: --with-period M, eine Spaltennummer ab 1</translation>
    </message>
    <message>
        <source>%1 It was skipped.</source>
        <translation>%1 Die Datei wurde übersprungen.</translation>
    </message>
    <message>
        <source>QUESTION: %1 [y/N] </source>
        <extracomment>y and yes are the answers read as Yes, whatever the language</extracomment>
        <translation>FRAGE: %1 [j/N] </translation>
    </message>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Take back the last roster run kept in the unit&apos;s history folder, as Tools &gt; Undo Last Roster Run does: the counters, assignment dates and duty headers become what they were before it, and its datafile is moved into the history folder.</source>
        <translation>Die letzte im Verlaufsordner der Einheit geführte Dienstplanerstellung zurücknehmen, wie es Extras &gt; Letzte Dienstplanerstellung rückgängig tut: Zähler, Einteilungsdaten und Dienstköpfe werden wieder, wie sie vorher waren, und ihre Dienstplandatei wird in den Verlaufsordner verschoben.</translation>
    </message>
    <message>
        <source>Do not ask.</source>
        <translation>Nicht fragen.</translation>
    </message>
    <message>
        <source>Undo even when counters or assignment dates were changed after the run.</source>
        <translation>Auch rückgängig machen, wenn Zähler oder Einteilungsdaten nach der Erstellung geändert wurden.</translation>
    </message>
    <message>
        <source>Undo %1?</source>
        <translation>Rückgängig machen: %1?</translation>
    </message>
    <message>
        <source>%1 %2 Undoing it anyway loses those changes.</source>
        <extracomment>%1 is the question, %2 what was changed since</extracomment>
        <translation>%1 %2 Wird trotzdem rückgängig gemacht, gehen diese Änderungen verloren.</translation>
    </message>
    <message>
        <source>QUESTION: %1 No (give --yes to undo it)</source>
        <translation>FRAGE: %1 Nein (mit --yes wird es rückgängig gemacht)</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that import anyway.</source>
        <extracomment>%1 says what was changed since</extracomment>
        <translation>%1 Nichts wurde rückgängig gemacht; mit --force wird dieser Import trotzdem rückgängig gemacht.</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that change anyway.</source>
        <translation>%1 Nichts wurde rückgängig gemacht; mit --force wird diese Änderung trotzdem rückgängig gemacht.</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that run anyway.</source>
        <translation>%1 Nichts wurde rückgängig gemacht; mit --force wird diese Erstellung trotzdem rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>%1 Those changes are lost.</source>
        <translation>%1 Diese Änderungen sind verloren.</translation>
    </message>
    <message>
        <source>Its datafile is kept as %1</source>
        <translation>Ihre Dienstplandatei wird als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>List the roster runs that can be taken back, the unit&apos;s last run first: time, datafile, duties and periods filled.</source>
        <translation>Die Dienstplanerstellungen auflisten, die zurückgenommen werden können, die letzte der Einheit zuerst: Zeit, Dienstplandatei, Dienste und besetzte Zeiträume.</translation>
    </message>
    <message>
        <source>swap on duty &apos;%1&apos;: %2 and %3 trade periods %4 and %5</source>
        <extracomment>%1 is a duty, %2 and %3 soldiers, %4 and %5 the periods&apos; columns on the roster</extracomment>
        <translation>Tausch im Dienst &apos;%1&apos;: %2 und %3 tauschen die Zeiträume %4 und %5</translation>
    </message>
    <message>
        <source>replace on duty &apos;%1&apos;: period %2, %3 by %4</source>
        <extracomment>%1 is a duty, %2 the period&apos;s column, %3 the soldier taken off it, %4 the one who took it</extracomment>
        <translation>Ersatz im Dienst &apos;%1&apos;: Zeitraum %2, %3 durch %4</translation>
    </message>
    <message>
        <source>import of soldiers: %1 added, %2 updated</source>
        <translation>Import von Soldaten: %1 hinzugefügt, %2 aktualisiert</translation>
    </message>
    <message>
        <source>import of absences: %1 added</source>
        <translation>Import von Abwesenheiten: %1 hinzugefügt</translation>
    </message>
    <message>
        <source>import of holidays: %1 added</source>
        <translation>Import von Feiertagen: %1 hinzugefügt</translation>
    </message>
    <message>
        <source>import of work schedules: %1 added</source>
        <translation>Import von Dienstzeitplänen: %1 hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n duties</source>
        <translation>
            <numerusform>%n Dienst</numerusform>
            <numerusform>%n Dienste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n periods filled</source>
        <translation>
            <numerusform>%n Zeitraum besetzt</numerusform>
            <numerusform>%n Zeiträume besetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>Termin %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>REFUSED</source>
        <translation>ABGELEHNT</translation>
    </message>
    <message>
        <source>add</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>update</source>
        <translation>aktualisieren</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>Import soldiers, absences, holidays or work schedules from a CSV file, a workbook (.xlsx) or, for holidays, a calendar (.ics). Columns are found by their titles: soldiers Name, Rank, Section and one per qualification (its title in Setup, or Q1 to Q15); absences Name, From, To, Reason; holidays Name, From, To; work schedules Duty, From, To. Nothing is imported while a row is refused, and an import is taken back by &apos;calendrix undo&apos;.</source>
        <translation>Soldaten, Abwesenheiten, Feiertage oder Dienstzeitpläne aus einer CSV-Datei, einer Arbeitsmappe (.xlsx) oder, für Feiertage, einem Kalender (.ics) importieren. Spalten werden an ihren Überschriften erkannt, die englisch bleiben: Soldaten Name, Rank, Section und eine je Befähigung (ihr Titel in der Einrichtung oder Q1 bis Q15); Abwesenheiten Name, From, To, Reason; Feiertage Name, From, To; Dienstzeitpläne Duty, From, To. Solange eine Zeile abgelehnt wird, wird nichts importiert; ein Import wird mit &apos;calendrix undo&apos; zurückgenommen.</translation>
    </message>
    <message>
        <source>The file to import; it is only read.</source>
        <translation>Die zu importierende Datei; sie wird nur gelesen.</translation>
    </message>
    <message>
        <source>The file lists soldiers.</source>
        <translation>Die Datei führt Soldaten auf.</translation>
    </message>
    <message>
        <source>The file lists absences.</source>
        <translation>Die Datei führt Abwesenheiten auf.</translation>
    </message>
    <message>
        <source>The file lists holidays.</source>
        <translation>Die Datei führt Feiertage auf.</translation>
    </message>
    <message>
        <source>The file lists work schedules.</source>
        <translation>Die Datei führt Dienstzeitpläne auf.</translation>
    </message>
    <message>
        <source>Update soldiers already in the unit.</source>
        <translation>Soldaten aktualisieren, die schon in der Einheit sind.</translation>
    </message>
    <message>
        <source>Say what would be imported; change nothing.</source>
        <translation>Sagen, was importiert würde; nichts ändern.</translation>
    </message>
    <message>
        <source>The workbook&apos;s sheet to read (default: the first).</source>
        <translation>Das zu lesende Blatt der Arbeitsmappe (Vorgabe: das erste).</translation>
    </message>
    <message>
        <source>A calendar&apos;s repeating holidays are taken for N years (default 2).</source>
        <translation>Wiederkehrende Feiertage eines Kalenders werden für N Jahre übernommen (Vorgabe 2).</translation>
    </message>
    <message>
        <source>give one file to import: calendrix %1</source>
        <translation>geben Sie eine zu importierende Datei an: calendrix %1</translation>
    </message>
    <message>
        <source>give one of --soldiers, --absences, --holidays and --schedule</source>
        <translation>geben Sie eine von --soldiers, --absences, --holidays und --schedule an</translation>
    </message>
    <message>
        <source>say what the file lists: --soldiers, --absences, --holidays or --schedule</source>
        <translation>geben Sie an, was die Datei aufführt: --soldiers, --absences, --holidays oder --schedule</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 50</source>
        <translation>--years erwartet eine Anzahl Jahre von 1 bis 50</translation>
    </message>
    <message>
        <source>a calendar (.ics) holds holidays: give --holidays</source>
        <translation>ein Kalender (.ics) enthält Feiertage: geben Sie --holidays an</translation>
    </message>
    <message>
        <source>Read the sheet &apos;%1&apos;.</source>
        <translation>Das Blatt &apos;%1&apos; wurde gelesen.</translation>
    </message>
    <message>
        <source>Nothing was imported.
%1</source>
        <translation>Nichts wurde importiert.
%1</translation>
    </message>
    <message>
        <source>%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.</source>
        <translation>%1 hinzuzufügen, %2 zu aktualisieren, %3 unverändert, %4 ausgelassen, %5 abgelehnt.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it was added to Setup&apos;s list.</source>
        <translation>Der Zug &apos;%1&apos; ist neu; er wurde der Liste in der Einrichtung hinzugefügt.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it would be added to Setup&apos;s list.</source>
        <translation>Der Zug &apos;%1&apos; ist neu; er würde der Liste in der Einrichtung hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing was imported: mend the refused rows and import the file again.</source>
        <translation>Nichts wurde importiert: berichtigen Sie die abgelehnten Zeilen und importieren Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Write the unit&apos;s soldiers into a CSV file or a workbook (.xlsx) with the columns that &apos;calendrix import --soldiers&apos; reads: edited in a spreadsheet program, the file is imported back with --update.</source>
        <translation>Die Soldaten der Einheit in eine CSV-Datei oder eine Arbeitsmappe (.xlsx) schreiben, mit den Spalten, die &apos;calendrix import --soldiers&apos; liest: in einer Tabellenkalkulation bearbeitet, wird die Datei mit --update zurück importiert.</translation>
    </message>
    <message>
        <source>The file to write: OUT.csv or OUT.xlsx.</source>
        <translation>Die zu schreibende Datei: OUT.csv oder OUT.xlsx.</translation>
    </message>
    <message>
        <source>Write over OUT when it exists.</source>
        <translation>OUT überschreiben, wenn sie vorhanden ist.</translation>
    </message>
    <message>
        <source>give one file to write: calendrix %1</source>
        <translation>geben Sie eine zu schreibende Datei an: calendrix %1</translation>
    </message>
    <message>
        <source>the file to write ends in .csv or .xlsx</source>
        <translation>die zu schreibende Datei endet auf .csv oder .xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another file to write.</source>
        <translation>&apos;%1&apos; ist eine der eigenen Dateien der Einheit; wählen Sie eine andere zu schreibende Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists; give --replace to write over it.</source>
        <translation>&apos;%1&apos; ist vorhanden; mit --replace wird sie überschrieben.</translation>
    </message>
    <message>
        <source>Export a roster datafile as calendars (iCalendar), a spreadsheet (xlsx) or CSV, as File &gt; Export Roster does. Give one or more of --ics, --xlsx and --csv.</source>
        <translation>Eine Dienstplandatei als Kalender (iCalendar), Arbeitsmappe (xlsx) oder CSV exportieren, wie es Datei &gt; Dienstplan exportieren tut. Geben Sie eines oder mehrere von --ics, --xlsx und --csv an.</translation>
    </message>
    <message>
        <source>The roster datafile to export; it is only read.</source>
        <translation>Die zu exportierende Dienstplandatei; sie wird nur gelesen.</translation>
    </message>
    <message>
        <source>The unit folder, whose own files are never written over (default: the current folder).</source>
        <translation>Der Ordner der Einheit, deren eigene Dateien nie überschrieben werden (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Replace files of the export that exist.</source>
        <translation>Vorhandene Dateien des Exports ersetzen.</translation>
    </message>
    <message>
        <source>A folder for calendars: all.ics with every assignment and one .ics file per soldier who stands a duty; made when missing.</source>
        <translation>Ein Ordner für Kalender: all.ics mit jeder Einteilung und eine .ics-Datei je Soldat, der einen Dienst hat; wird angelegt, wenn er fehlt.</translation>
    </message>
    <message>
        <source>A spreadsheet: a summary and one sheet per duty.</source>
        <translation>Eine Arbeitsmappe: eine Übersicht und ein Blatt je Dienst.</translation>
    </message>
    <message>
        <source>Comma-separated values, one row per assignment.</source>
        <translation>Kommagetrennte Werte, eine Zeile je Einteilung.</translation>
    </message>
    <message>
        <source>export needs exactly one datafile: calendrix %1</source>
        <translation>export braucht genau eine Dienstplandatei: calendrix %1</translation>
    </message>
    <message>
        <source>--%1 may be given once</source>
        <translation>--%1 darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>--%1 needs a name: --%1 %2</source>
        <translation>--%1 braucht einen Namen: --%1 %2</translation>
    </message>
    <message>
        <source>export needs at least one of --ics DIR, --xlsx OUT.xlsx and --csv OUT.csv</source>
        <translation>export braucht mindestens eines von --ics DIR, --xlsx OUT.xlsx und --csv OUT.csv</translation>
    </message>
    <message>
        <source>%1 already exists. Replace? No (give --replace to replace it)</source>
        <translation>%1 ist bereits vorhanden. Ersetzen? Nein (mit --replace wird sie ersetzt)</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more files of the export already exist. Replace them? No (give --replace to replace them)</source>
        <extracomment>%1 is a file</extracomment>
        <translation>
            <numerusform>%1 und %n weitere Datei des Exports sind bereits vorhanden. Ersetzen? Nein (mit --replace werden sie ersetzt)</numerusform>
            <numerusform>%1 und %n weitere Dateien des Exports sind bereits vorhanden. Ersetzen? Nein (mit --replace werden sie ersetzt)</numerusform>
        </translation>
    </message>
    <message>
        <source>QUESTION: %1</source>
        <translation>FRAGE: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be exported: %2.</source>
        <translation>&apos;%1&apos; kann nicht exportiert werden: %2.</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <extracomment>headings of the fairness table; the figures are lined up under them</extracomment>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Normal min/med/max</source>
        <translation>Werktag min/med/max</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>Holiday min/med/max</source>
        <translation>Feiertag min/med/max</translation>
    </message>
    <message>
        <source>Next in line</source>
        <translation>Nächste an der Reihe</translation>
    </message>
    <message>
        <source>%1 (holiday %2)</source>
        <extracomment>%1 is a duty, %2 the spread of its counters</extracomment>
        <translation>%1 (Feiertag %2)</translation>
    </message>
    <message>
        <source>%1 (normal %2)</source>
        <translation>%1 (Werktag %2)</translation>
    </message>
    <message>
        <source>Largest spread: %1</source>
        <translation>Größte Spanne: %1</translation>
    </message>
    <message>
        <source>Qualified, yet without any duty: none</source>
        <translation>Befähigt, aber ohne jeden Dienst: keine</translation>
    </message>
    <message>
        <source>Qualified, yet without any duty: %1: %2</source>
        <translation>Befähigt, aber ohne jeden Dienst: %1: %2</translation>
    </message>
    <message>
        <source>Show how evenly the duties fall: per duty the qualified soldiers, the lowest, median and highest counter, normal and holiday, and who is next in line; per soldier the totals. Without --csv or --pdf a table goes to standard output.</source>
        <translation>Zeigen, wie gleichmäßig die Dienste verteilt sind: je Dienst die befähigten Soldaten, der niedrigste, mittlere und höchste Zähler, Werktag und Feiertag, und wer als Nächstes an der Reihe ist; je Soldat die Summen. Ohne --csv oder --pdf geht eine Tabelle auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Write the duties into OUT.csv and the soldiers into OUT-soldiers.csv.</source>
        <translation>Die Dienste in OUT.csv und die Soldaten in OUT-soldiers.csv schreiben.</translation>
    </message>
    <message>
        <source>Write the fairness report with its charts into OUT.pdf.</source>
        <translation>Den Gerechtigkeitsbericht mit seinen Diagrammen in OUT.pdf schreiben.</translation>
    </message>
    <message>
        <source>Replace files that exist.</source>
        <translation>Vorhandene Dateien ersetzen.</translation>
    </message>
    <message>
        <source>fairness takes no file name; give --csv OUT.csv or --pdf OUT.pdf</source>
        <translation>fairness nimmt keinen Dateinamen; geben Sie --csv OUT.csv oder --pdf OUT.pdf an</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 braucht einen Namen</translation>
    </message>
    <message>
        <source>--csv and --pdf must name different files</source>
        <translation>--csv und --pdf müssen verschiedene Dateien nennen</translation>
    </message>
    <message>
        <source>The fairness report needs more memory than there is.</source>
        <translation>Der Gerechtigkeitsbericht braucht mehr Speicher, als vorhanden ist.</translation>
    </message>
    <message>
        <source>init needs exactly one folder: %1</source>
        <translation>init braucht genau einen Ordner: %1</translation>
    </message>
    <message>
        <source>make needs exactly one datafile: %1</source>
        <translation>make braucht genau eine Dienstplandatei: %1</translation>
    </message>
    <message>
        <source>undo takes no file: %1</source>
        <translation>undo nimmt keine Datei: %1</translation>
    </message>
    <message>
        <source>history takes no file: %1</source>
        <translation>history nimmt keine Datei: %1</translation>
    </message>
    <message>
        <source>Imported; &apos;calendrix undo&apos; takes it back.</source>
        <translation>Importiert; &apos;calendrix undo&apos; nimmt es zurück.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>The command did its work, but its output could not be written in full: %1.</source>
        <translation>Der Befehl hat seine Arbeit getan, aber seine Ausgabe konnte nicht vollständig geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The output could not be written in full: %1.</source>
        <translation>Die Ausgabe konnte nicht vollständig geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Nothing is kept to undo: no roster run, import, replace or swap.</source>
        <translation>Es gibt nichts rückgängig zu machen: keinen Dienstplanlauf, keinen Import, keinen Ersatz und keinen Tausch.</translation>
    </message>
    <message>
        <source>No changes are kept for undo.</source>
        <translation>Es werden keine Änderungen zum Rückgängigmachen geführt.</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0, not &apos;%1&apos;</source>
        <translation>--seed muss eine ganze Zahl ab 0 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the window and the commands print, fairness, export, export-personnel, import and init are in %1, which cannot be started: %2. Reinstall Calendrix.</source>
        <translation>das Fenster und die Befehle print, fairness, export, export-personnel, import und init liegen in %1, das nicht gestartet werden kann: %2. Installieren Sie Calendrix neu.</translation>
    </message>
</context>
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
        <source>Make Draft</source>
        <translation>Entwurf erstellen</translation>
    </message>
    <message>
        <source>Comparing %1 with the draft...</source>
        <translation>%1 wird mit dem Entwurf verglichen...</translation>
    </message>
    <message>
        <source>Make It Count</source>
        <translation>Zählend erstellen</translation>
    </message>
    <message>
        <source>Undo %1?

The counters and assignment dates become what they were before it.</source>
        <translation>%1 rückgängig machen?

Zähler und Zuteilungsdaten erhalten wieder ihren vorherigen Stand.</translation>
    </message>
    <message>
        <source>Nothing is kept to undo: no roster run, import, replace or swap.</source>
        <translation>Es gibt nichts rückgängig zu machen: keinen Dienstplanlauf, keinen Import, keinen Ersatz und keinen Tausch.</translation>
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
    <name>FairnessReport</name>
    <message>
        <source>Holiday %L1 / %2 / %L3</source>
        <comment>Lowest, median and highest counter</comment>
        <translation>Feiertag %L1 / %2 / %L3</translation>
    </message>
    <message>
        <source>Normal %L1 / %2 / %L3</source>
        <comment>Lowest, median and highest counter</comment>
        <translation>Werktag %L1 / %2 / %L3</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Counters per duty</source>
        <translation>Zähler je Dienst</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Holiday   line: minimum to maximum, box: middle half, bar: median</source>
        <translation>Feiertag   Linie: Minimum bis Maximum, Kasten: mittlere Hälfte, Strich: Median</translation>
    </message>
    <message>
        <source>no qualified soldier</source>
        <translation>kein befähigter Soldat</translation>
    </message>
    <message>
        <source>Largest spread: %1</source>
        <translation>Größte Spanne: %1</translation>
    </message>
    <message>
        <source>How many soldiers stand at each normal counter (%L1 qualified; minimum %L2, median %3, mean %4, maximum %L5).</source>
        <translation>Wie viele Soldaten auf jedem Werktagszähler stehen (%L1 befähigt; Minimum %L2, Median %3, Mittelwert %4, Maximum %L5).</translation>
    </message>
    <message numerus="yes">
        <source>Counters %L1 to %L2 from left to right; the highest bar is %Ln soldiers.</source>
        <translation>
            <numerusform>Zähler %L1 bis %L2 von links nach rechts; der höchste Balken ist %Ln Soldat.</numerusform>
            <numerusform>Zähler %L1 bis %L2 von links nach rechts; der höchste Balken sind %Ln Soldaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Soldiers by their total</source>
        <translation>Soldaten nach ihrer Summe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rank</source>
        <comment>Heading of a narrow column</comment>
        <translation>DG</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Holiday</source>
        <comment>Heading of a narrow column</comment>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Fairness – %1</source>
        <comment>The unit&apos;s name</comment>
        <translation>Dienstgerechtigkeit – %1</translation>
    </message>
    <message>
        <source>Largest spread of holiday counters: %1 (%L2).</source>
        <translation>Größte Spanne der Feiertagszähler: %1 (%L2).</translation>
    </message>
    <message>
        <source>Largest spread of normal counters: %1 (%L2).</source>
        <translation>Größte Spanne der Werktagszähler: %1 (%L2).</translation>
    </message>
    <message>
        <source>Every qualified soldier has stood a duty since his counters began.</source>
        <translation>Jeder befähigte Soldat hat seit Beginn seiner Zähler einen Dienst geleistet.</translation>
    </message>
    <message numerus="yes">
        <source>Qualified, yet without any duty (%Ln): %1.</source>
        <translation>
            <numerusform>Befähigt, aber ohne jeden Dienst (%Ln): %1.</numerusform>
            <numerusform>Befähigt, aber ohne jeden Dienst (%Ln): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <comment>The report&apos;s title, then the day it was printed</comment>
        <translation>%1, gedruckt am %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln soldiers (%L1 qualified for a duty), %L2 duties.</source>
        <translation>
            <numerusform>%Ln Soldat (%L1 für einen Dienst befähigt), %L2 Dienste.</numerusform>
            <numerusform>%Ln Soldaten (%L1 für einen Dienst befähigt), %L2 Dienste.</numerusform>
        </translation>
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
    <name>NoticeText</name>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilung, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignments that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignments that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments</extracomment>
        <translation>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
            <numerusform>%n Kalender in %1 geschrieben: all.ics und einer für jeden von %2 Soldaten, mit %3 Einteilungen, die der Dienstplan nicht mehr enthält, als abgesagt.</numerusform>
        </translation>
    </message>
    <message>
        <source>An earlier roster run or undo that did not finish could not be settled; nothing was changed.
%1</source>
        <translation>Eine frühere, nicht abgeschlossene Dienstplanerstellung oder Rücknahme konnte nicht bereinigt werden; nichts wurde geändert.
%1</translation>
    </message>
    <message>
        <source>Cannot open: %1 (&apos;%2&apos;)</source>
        <extracomment>%1 is why (such as &quot;the disk is full&quot;), %2 the file; keep &quot; (&apos;%2&apos;)&quot; as it is</extracomment>
        <translation>Öffnen nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot check: %1 (&apos;%2&apos;)</source>
        <translation>Prüfen nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot create: %1 (&apos;%2&apos;)</source>
        <translation>Anlegen nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>reading the layout of %3: %1 (&apos;%2&apos;)</source>
        <translation>beim Lesen des Aufbaus von %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>reading the table header: %1 (&apos;%2&apos;)</source>
        <translation>beim Lesen des Tabellenkopfs: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot add the table %3: %1 (&apos;%2&apos;)</source>
        <translation>Die Tabelle %3 kann nicht hinzugefügt werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot start writing: %1 (&apos;%2&apos;)</source>
        <translation>Schreiben kann nicht beginnen: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot save the changes: %1 (&apos;%2&apos;)</source>
        <translation>Die Änderungen können nicht gespeichert werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot prepare a statement: %1 (&apos;%2&apos;)</source>
        <translation>Eine Anweisung kann nicht vorbereitet werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot write to %3: %1 (&apos;%2&apos;)</source>
        <translation>In %3 kann nicht geschrieben werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read %3: %1 (&apos;%2&apos;)</source>
        <translation>%3 kann nicht gelesen werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot add a row to %3: %1 (&apos;%2&apos;)</source>
        <translation>Zu %3 kann keine Zeile hinzugefügt werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot save a row of %3: %1 (&apos;%2&apos;)</source>
        <translation>Eine Zeile von %3 kann nicht gespeichert werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot delete a row of %3: %1 (&apos;%2&apos;)</source>
        <translation>Eine Zeile von %3 kann nicht gelöscht werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot copy &apos;%3&apos; into the folder &apos;%4&apos;: %1</source>
        <translation>&apos;%3&apos; kann nicht in den Ordner &apos;%4&apos; kopiert werden: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link to a file that does not exist, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist eine Verknüpfung auf eine nicht vorhandene Datei, keine %2 von Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an empty file, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist eine leere Datei, keine %2 von Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a database file, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist keine Datenbankdatei, keine %2 von Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a Calendrix %2, not a Calendrix %3.</source>
        <extracomment>%1 is a file, %2 and %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist eine %2 von Calendrix, keine %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is another program&apos;s database, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist die Datenbank eines anderen Programms, keine %2 von Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a Calendrix %3.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist %2, keine %3 von Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was made by a newer version of Calendrix.</source>
        <translation>&apos;%1&apos; wurde mit einer neueren Version von Calendrix erstellt.</translation>
    </message>
    <message>
        <source>The table %1 is missing from &apos;%2&apos;.</source>
        <translation>In &apos;%2&apos; fehlt die Tabelle %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: its table %2 does not have the layout of a %3.</source>
        <extracomment>%1 is a file, %2 a table, %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; ist beschädigt: ihre Tabelle %2 hat nicht den Aufbau einer %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: its table header has no row.</source>
        <translation>&apos;%1&apos; ist beschädigt: ihr Tabellenkopf hat keine Zeile.</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is damaged (%3).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 what is wrong</extracomment>
        <translation>Die %1 &apos;%2&apos; ist beschädigt (%3).</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is damaged and cannot be copied (%3).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 what is wrong</extracomment>
        <translation>Die %1 &apos;%2&apos; ist beschädigt und kann nicht kopiert werden (%3).</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; does not exist.</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file</extracomment>
        <translation>Die %1 &apos;%2&apos; ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>Die %1 &apos;%2&apos; kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read (no permission).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file</extracomment>
        <translation>Die %1 &apos;%2&apos; kann nicht gelesen werden (keine Berechtigung).</translation>
    </message>
    <message>
        <source>Cannot read the header of &apos;%1&apos;.</source>
        <translation>Der Kopf von &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Keine Datenbank ist geöffnet.</translation>
    </message>
    <message>
        <source>A transaction is already open.</source>
        <translation>Eine Transaktion ist bereits offen.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; is not part of a %2 (&apos;%3&apos;).</source>
        <extracomment>%1 is a table, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %3 the file</extracomment>
        <translation>Die Tabelle &apos;%1&apos; gehört nicht zu einer %2 (&apos;%3&apos;).</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; is not part of a %2.</source>
        <extracomment>%1 is a table, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>Die Tabelle &apos;%1&apos; gehört nicht zu einer %2.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: its database is not open.</source>
        <translation>&apos;%1&apos; kann nicht geöffnet werden: seine Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cannot write to &apos;%1&apos;: its database is not open.</source>
        <translation>In &apos;%1&apos; kann nicht geschrieben werden: seine Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The database connection is not SQLite.</source>
        <translation>Die Datenbankverbindung ist nicht SQLite.</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Die Datensatzgruppe ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <source>The record is deleted.</source>
        <translation>Der Datensatz ist gelöscht.</translation>
    </message>
    <message>
        <source>The record was deleted from %1 by someone else.</source>
        <translation>Der Datensatz wurde von jemand anderem aus %1 gelöscht.</translation>
    </message>
    <message>
        <source>The table %1 has no field number %2.</source>
        <translation>Die Tabelle %1 hat kein Feld Nummer %2.</translation>
    </message>
    <message>
        <source>The table %1 has no field &apos;%2&apos;.</source>
        <translation>Die Tabelle %1 hat kein Feld &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>A field was changed without add-new or edit.</source>
        <translation>Ein Feld wurde ohne Neuanlage oder Bearbeitung geändert.</translation>
    </message>
    <message>
        <source>Update without add-new or edit.</source>
        <translation>Aktualisierung ohne Neuanlage oder Bearbeitung.</translation>
    </message>
    <message>
        <source>The field %1 is assigned by the store and cannot be changed.</source>
        <translation>Das Feld %1 wird vom Speicher vergeben und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for the field %2.</source>
        <translation>&apos;%1&apos; ist kein gültiger Wert für das Feld %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date. Type a date as the lists show it, for example %2 (%3).</source>
        <extracomment>%2 is an example date as the lists show it, %3 its pattern</extracomment>
        <translation>&apos;%1&apos; ist kein Datum. Geben Sie ein Datum so ein, wie die Listen es zeigen, zum Beispiel %2 (%3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a table name or a query of the form &quot;SELECT * FROM table ORDER BY field Asc|Desc, ...&quot;.</source>
        <translation>&apos;%1&apos; ist kein Tabellenname und keine Abfrage der Form &quot;SELECT * FROM table ORDER BY field Asc|Desc, ...&quot;.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; does not exist.</source>
        <translation>Der Ordner der Einheit &apos;%1&apos; ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; a unit is kept in a folder.</source>
        <translation>&apos;%1&apos; ist kein Ordner; eine Einheit wird in einem Ordner geführt.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be written (no permission).</source>
        <translation>In den Ordner der Einheit &apos;%1&apos; kann nicht geschrieben werden (keine Berechtigung).</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be written (is the disk full?).</source>
        <translation>In den Ordner der Einheit &apos;%1&apos; kann nicht geschrieben werden (ist der Datenträger voll?).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; the unit&apos;s lock file must be a file of its own. Remove it, and the unit can be opened.</source>
        <translation>&apos;%1&apos; ist eine Verknüpfung; die Sperrdatei der Einheit muss eine eigene Datei sein. Entfernen Sie sie, dann kann die Einheit geöffnet werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not the unit&apos;s lock file. Remove it, and the unit can be opened.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; ist %2, nicht die Sperrdatei der Einheit. Entfernen Sie es, dann kann die Einheit geöffnet werden.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be locked: %2</source>
        <translation>Der Ordner der Einheit &apos;%1&apos; kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is already open in another copy of Calendrix (process %2 on %3).</source>
        <translation>Die Einheit in &apos;%1&apos; ist bereits in einem anderen Calendrix geöffnet (Prozess %2 auf %3).</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is already open in another copy of Calendrix (process %2 on this computer).</source>
        <translation>Die Einheit in &apos;%1&apos; ist bereits in einem anderen Calendrix geöffnet (Prozess %2 auf diesem Rechner).</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is in use by another program.</source>
        <translation>Die Einheit in &apos;%1&apos; wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>The counter of %1 for %2 would be %3, beyond the largest counter (32767). Lower the counters of this duty in Assignment Counters.</source>
        <translation>Der Zähler von %1 für %2 wäre %3, über dem größten Zähler (32767). Senken Sie die Zähler dieses Dienstes unter Einteilungszähler.</translation>
    </message>
    <message>
        <source>The Normal counter of %1 for %2 is %3, outside the range 0–32767. Correct it in Assignment Counters.</source>
        <translation>Der Werktagszähler von %1 für %2 ist %3, außerhalb des Bereichs 0–32767. Berichtigen Sie ihn unter Einteilungszähler.</translation>
    </message>
    <message>
        <source>The Holiday counter of %1 for %2 is %3, outside the range 0–32767. Correct it in Assignment Counters.</source>
        <translation>Der Feiertagszähler von %1 für %2 ist %3, außerhalb des Bereichs 0–32767. Berichtigen Sie ihn unter Einteilungszähler.</translation>
    </message>
    <message>
        <source>A work-schedule period of %1 has no valid From date; correct or remove it on the Duty tab.</source>
        <translation>Ein Zeitraum im Dienstzeitplan von %1 hat kein gültiges Von-Datum; berichtigen oder entfernen Sie ihn auf der Registerkarte Dienst.</translation>
    </message>
    <message>
        <source>A work-schedule period of %1 has no valid To date; correct or remove it on the Duty tab.</source>
        <translation>Ein Zeitraum im Dienstzeitplan von %1 hat kein gültiges Bis-Datum; berichtigen oder entfernen Sie ihn auf der Registerkarte Dienst.</translation>
    </message>
    <message>
        <source>The datafile copied from the roster template template.tem has no header row for the first duty.</source>
        <translation>Die aus der Dienstplanvorlage template.tem kopierte Dienstplandatei hat keine Kopfzeile für den ersten Dienst.</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot rename &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; kann nicht in &apos;%2&apos; umbenannt werden: %3</translation>
    </message>
    <message>
        <source>Cannot rename &apos;%1&apos; beside &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; kann neben &apos;%2&apos; nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; ist %2, keine Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is empty</source>
        <translation>&apos;%1&apos; ist leer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a text file</source>
        <translation>&apos;%1&apos; ist keine Textdatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read as an option file: %2</source>
        <translation>&apos;%1&apos; kann nicht als Optionsdatei gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number that a switch can have</source>
        <translation>&apos;%1&apos; enthält keine Zahl, die ein Schalter haben kann</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a folder, so no roster run can be kept there for undo.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; ist %2, kein Ordner, daher kann dort keine Dienstplanerstellung zum Rückgängigmachen aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Neither the remarks nor the roster of &apos;%2&apos; could be printed.
%1</source>
        <translation>Weder die Bemerkungen noch der Dienstplan von &apos;%2&apos; konnten gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>The remarks of &apos;%2&apos; could not be printed.
%1</source>
        <translation>Die Bemerkungen von &apos;%2&apos; konnten nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>The roster of &apos;%2&apos; could not be printed.
%1</source>
        <translation>Der Dienstplan von &apos;%2&apos; konnte nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; needs more memory than there is.</source>
        <translation>Die Vorlage &apos;%1&apos; braucht mehr Speicher, als vorhanden ist.</translation>
    </message>
    <message>
        <source>The layout &apos;%2&apos; cannot be used: %1.</source>
        <translation>Die Vorlage &apos;%2&apos; kann nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>Cannot make a file beside &apos;%1&apos;: %2</source>
        <translation>Neben &apos;%1&apos; kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot make a file beside &apos;%1&apos;.</source>
        <translation>Neben &apos;%1&apos; kann keine Datei angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos; to the disk: %2</source>
        <translation>&apos;%1&apos; kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists.</source>
        <translation>&apos;%1&apos; ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: the PDF cannot be started.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden: das PDF kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: the PDF cannot be finished.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden: das PDF kann nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Cannot remove &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;: %2</source>
        <translation>Der Ordner &apos;%1&apos; kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another name.</source>
        <translation>&apos;%1&apos; ist eine der eigenen Dateien der Einheit; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the datafile or a file of the unit; choose another name for the PDF.</source>
        <translation>&apos;%1&apos; ist die Dienstplandatei oder eine Datei der Einheit; wählen Sie einen anderen Namen für das PDF.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file of the unit; choose another name for the export.</source>
        <translation>&apos;%1&apos; ist eine Datei der Einheit; wählen Sie einen anderen Namen für den Export.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is a draft: nothing in it was counted. Its calendar events and sheets say &quot;%2&quot;; the CSV has no place for it.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; ist ein Entwurf: nichts darin wurde gezählt. Ihre Kalendertermine und Blätter sagen &quot;%2&quot;; die CSV-Datei hat dafür keinen Platz.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; does not say on which day its periods end (it was made by an earlier version); each assignment is exported as one day.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; sagt nicht, an welchem Tag ihre Zeiträume enden (sie wurde mit einer früheren Version erstellt); jede Einteilung wird als ein Tag exportiert.</translation>
    </message>
    <message>
        <source>The export was stopped; nothing was written.</source>
        <translation>Der Export wurde abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Exporting &apos;%1&apos; needs more memory than there is.</source>
        <translation>Der Export von &apos;%1&apos; braucht mehr Speicher, als vorhanden ist.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: Summary and %n duty sheets.</source>
        <extracomment>%1 is the workbook written</extracomment>
        <translation>
            <numerusform>%1 geschrieben: Übersicht und %n Dienstblatt.</numerusform>
            <numerusform>%1 geschrieben: Übersicht und %n Dienstblätter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n assignments.</source>
        <extracomment>%1 is the CSV file written</extracomment>
        <translation>
            <numerusform>%1 geschrieben: %n Einteilung.</numerusform>
            <numerusform>%1 geschrieben: %n Einteilungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No name was given for the roster datafile.</source>
        <translation>Für die Dienstplandatei wurde kein Name angegeben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another name for the roster.</source>
        <translation>&apos;%1&apos; ist eine der eigenen Dateien der Einheit; wählen Sie einen anderen Namen für den Dienstplan.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to replace %1?</source>
        <translation>Die Datei ist bereits vorhanden.  Wollen Sie %1 ersetzen?</translation>
    </message>
    <message>
        <source>Sorry you have encountered error number %1</source>
        <translation>Leider ist der Fehler Nummer %1 aufgetreten</translation>
    </message>
    <message>
        <source>An earlier roster run that did not finish could not be settled.
%1</source>
        <translation>Eine frühere, nicht abgeschlossene Dienstplanerstellung konnte nicht bereinigt werden.
%1</translation>
    </message>
    <message>
        <source>The roster could not be made; nothing was changed.
%1</source>
        <translation>Der Dienstplan konnte nicht erstellt werden; nichts wurde geändert.
%1</translation>
    </message>
    <message>
        <source>No qualified soldier is available for %1 on %2</source>
        <extracomment>%1 is a duty, %2 the first day of its period</extracomment>
        <translation>Kein befähigter Soldat ist für %1 am %2 verfügbar</translation>
    </message>
    <message>
        <source>SoldierName=&apos;%1&apos; could not add points for %2</source>
        <extracomment>%1 is a soldier, %2 a duty; SoldierName is a field name and stays</extracomment>
        <translation>SoldierName=&apos;%1&apos;: für %2 konnten keine Punkte gezählt werden</translation>
    </message>
    <message>
        <source>%1 is greater than the 36 columns</source>
        <translation>%1 ist größer als die 36 Spalten</translation>
    </message>
    <message>
        <source>Number of Holidays exceeds 99 maximum</source>
        <translation>Die Zahl der Feiertage übersteigt das Höchstmaß von 99</translation>
    </message>
    <message>
        <source>Could not locate %1 in output datafile</source>
        <translation>%1 wurde in der erstellten Dienstplandatei nicht gefunden</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the files of a roster run or undo that did not finish and cannot be settled without the working database; it is kept as &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; nennt die Dateien einer nicht abgeschlossenen Dienstplanerstellung oder Rücknahme, die ohne die Arbeitsdatenbank nicht bereinigt werden kann; sie wird als &apos;%2&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 Run &apos;%2&apos;: it sets it aside and makes the folder anew.</source>
        <extracomment>%1 says why (whole sentences), %2 is the repair command</extracomment>
        <translation>%1 Führen Sie &apos;%2&apos; aus: Es legt sie beiseite und erstellt den Ordner neu.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was %2, not a record of an unfinished roster run; it was set aside as &apos;%3&apos;.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 where it was set aside</extracomment>
        <translation>&apos;%1&apos; war %2, keine Aufzeichnung einer nicht abgeschlossenen Dienstplanerstellung; es wurde als &apos;%3&apos; beiseitegelegt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was %2, not a record of an unfinished undo; it was set aside as &apos;%3&apos;.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 where it was set aside</extracomment>
        <translation>&apos;%1&apos; war %2, keine Aufzeichnung einer nicht abgeschlossenen Rücknahme; es wurde als &apos;%3&apos; beiseitegelegt.</translation>
    </message>
    <message>
        <source>A record of an unfinished roster run, &apos;%1&apos;, could not be read and was removed.</source>
        <translation>Eine Aufzeichnung einer nicht abgeschlossenen Dienstplanerstellung, &apos;%1&apos;, konnte nicht gelesen werden und wurde entfernt.</translation>
    </message>
    <message>
        <source>A record of an unfinished undo, &apos;%1&apos;, could not be read and was removed.</source>
        <translation>Eine Aufzeichnung einer nicht abgeschlossenen Rücknahme, &apos;%1&apos;, konnte nicht gelesen werden und wurde entfernt.</translation>
    </message>
    <message>
        <source>The roster run that was replacing &apos;%1&apos; did not finish; the file is as it was before that run, and so are the counters.</source>
        <translation>Die Dienstplanerstellung, die &apos;%1&apos; ersetzte, wurde nicht abgeschlossen; die Datei ist wie vor dieser Erstellung, ebenso die Zähler.</translation>
    </message>
    <message>
        <source>The roster run that was replacing &apos;%1&apos; did not finish; the counters are as they were before that run. The file it replaced is kept as &apos;%2&apos;.</source>
        <translation>Die Dienstplanerstellung, die &apos;%1&apos; ersetzte, wurde nicht abgeschlossen; die Zähler sind wie vor dieser Erstellung. Die ersetzte Datei wird als &apos;%2&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>The roster run that was making &apos;%1&apos; did not finish; the file was removed and the counters are as they were before that run.</source>
        <translation>Die Dienstplanerstellung, die &apos;%1&apos; anlegte, wurde nicht abgeschlossen; die Datei wurde entfernt, und die Zähler sind wie vor dieser Erstellung.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the roster run it took back.</source>
        <translation>Eine nicht abgeschlossene Rücknahme wurde zu Ende geführt: die Zähler sind wie vor der zurückgenommenen Dienstplanerstellung.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the roster run it took back.
%1</source>
        <translation>Eine nicht abgeschlossene Rücknahme wurde zu Ende geführt: die Zähler sind wie vor der zurückgenommenen Dienstplanerstellung.
%1</translation>
    </message>
    <message>
        <source>An undo that did not finish was abandoned: the counters and the roster datafile are as they were before it.</source>
        <translation>Eine nicht abgeschlossene Rücknahme wurde verworfen: Zähler und Dienstplandatei sind wie vor ihr.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; does not exist.</source>
        <translation>Die Vorlage &apos;%1&apos; ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is not a file.</source>
        <translation>Die Vorlage &apos;%1&apos; ist keine Datei.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be read: %2.</source>
        <translation>Die Vorlage &apos;%1&apos; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is larger than %2 MB, more than a layout may be.</source>
        <translation>Die Vorlage &apos;%1&apos; ist größer als %2 MB, mehr als eine Vorlage sein darf.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is not a text file (UTF-8).</source>
        <translation>Die Vorlage &apos;%1&apos; ist keine Textdatei (UTF-8).</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is empty.</source>
        <translation>Die Vorlage &apos;%1&apos; ist leer.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; does not say what it prints: its [layout] section needs report = roster or report = remarks.</source>
        <translation>Die Vorlage &apos;%1&apos; sagt nicht, was sie druckt: ihr Abschnitt [layout] braucht report = roster oder report = remarks.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be filled in: a text would be larger than %2 MB.</source>
        <translation>Die Vorlage &apos;%1&apos; kann nicht ausgefüllt werden: ein Text wäre größer als %2 MB.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be filled in: %2.</source>
        <translation>Die Vorlage &apos;%1&apos; kann nicht ausgefüllt werden: %2.</translation>
    </message>
    <message>
        <source>No layout is set.</source>
        <translation>Keine Vorlage ist festgelegt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; reads data file %2, which is not set.</source>
        <translation>Die Vorlage &apos;%1&apos; liest die Datendatei %2, die nicht festgelegt ist.</translation>
    </message>
    <message>
        <source>There is nothing to write into &apos;%1&apos;.</source>
        <translation>Es gibt nichts, was in &apos;%1&apos; geschrieben werden könnte.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: this is a layout in the old HTML form, which this version no longer reads; run &apos;calendrix init DIR --repair&apos; with DIR the unit folder (%3) to set it aside and install the new one.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: dies ist eine Vorlage in der alten HTML-Form, die diese Version nicht mehr liest; führen Sie &apos;calendrix init DIR --repair&apos; aus, mit DIR als Ordner der Einheit (%3), um sie beiseitezulegen und die neue einzurichten.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a section name must stand in [ ].</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: ein Abschnittsname muss in [ ] stehen.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: there is no section [%3]; the sections are %4.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: es gibt keinen Abschnitt [%3]; die Abschnitte sind %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: &apos;%3&apos; is neither a [section] nor a key = value.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: &apos;%3&apos; ist weder ein [Abschnitt] noch ein Schlüssel = Wert.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a key must follow a [section].</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: ein Schlüssel muss auf einen [Abschnitt] folgen.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: [%3] has no key &apos;%4&apos;; its keys are %5.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: [%3] hat keinen Schlüssel &apos;%4&apos;; seine Schlüssel sind %5.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: &apos;%3&apos; is set twice (first in line %4).</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: &apos;%3&apos; ist zweimal gesetzt (zuerst in Zeile %4).</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: report must be roster or remarks, not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: report muss roster oder remarks sein, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the data file must be a number from 0 upwards.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Datendatei muss eine Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the orientation must be portrait or landscape, not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Ausrichtung muss portrait oder landscape sein, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the paper must be default, a3, a4, a5, letter or legal, not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: das Papier muss default, a3, a4, a5, letter oder legal sein, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the margins must be 0 to 50 millimetres: one for all sides, or left, top, right, bottom.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Ränder müssen 0 bis 50 Millimeter betragen: einer für alle Seiten oder links, oben, rechts, unten.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the margins are one number for all sides, or four: left, top, right, bottom.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Ränder sind eine Zahl für alle Seiten oder vier: links, oben, rechts, unten.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a font is a size in points from 3 to 72, then bold or italic if wanted, not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: eine Schrift ist eine Größe in Punkt von 3 bis 72, dann nach Wunsch bold oder italic, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the roster has no column &apos;%3&apos;; it has %4.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: der Dienstplan hat keine Spalte &apos;%3&apos;; er hat %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the remarks list has no column &apos;%3&apos;; it has %4.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Bemerkungsliste hat keine Spalte &apos;%3&apos;; sie hat %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the column &apos;%3&apos; is shown twice.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: die Spalte &apos;%3&apos; wird zweimal gezeigt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: at least one column must be shown.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: mindestens eine Spalte muss gezeigt werden.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a mark is drawn bold, italic, in a colour (#606060) and on a tint (tint #e4e4e4), not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: eine Markierung wird bold, italic, in einer Farbe (#606060) und auf einem Farbton (tint #e4e4e4) gezeichnet, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a shade is a colour (#d9d9d9) or none, not &apos;%3&apos;.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: eine Schattierung ist eine Farbe (#d9d9d9) oder none, nicht &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: sections are nested more than %3 deep.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: Abschnitte sind tiefer als %3 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: %3.</source>
        <translation>Die Vorlage &apos;%1&apos; hat einen Fehler in Zeile %2: %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; choose another name for the roster.</source>
        <translation>&apos;%1&apos; ist ein Ordner; wählen Sie einen anderen Namen für den Dienstplan.</translation>
    </message>
    <message>
        <source>Cannot keep &apos;%1&apos; while it is replaced: %2</source>
        <translation>&apos;%1&apos; kann während des Ersetzens nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Cannot put &apos;%3&apos; back in place of &apos;%1&apos;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %3 the file kept aside</extracomment>
        <translation>&apos;%3&apos; kann nicht an die Stelle von &apos;%1&apos; zurückgelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>Der Ordner &apos;%1&apos; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read: %1 (&apos;%2&apos;)</source>
        <translation>Lesen nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>The row could not be saved.</source>
        <translation>Die Zeile konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>There is no unit open: its files could not be opened.</source>
        <translation>Keine Einheit ist geöffnet: ihre Dateien konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There is no unit open: the unit&apos;s files in %1 could not be opened.</source>
        <translation>Keine Einheit ist geöffnet: die Dateien der Einheit in %1 konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is damaged: duty &apos;%2&apos; has &apos;%3&apos; as the date of column %4.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; ist beschädigt: Dienst &apos;%2&apos; hat &apos;%3&apos; als Datum der Spalte %4.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is damaged: duty &apos;%2&apos; has &apos;%3&apos; as the last day of column %4.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; ist beschädigt: Dienst &apos;%2&apos; hat &apos;%3&apos; als letzten Tag der Spalte %4.</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos; was stopped.</source>
        <translation>Das Lesen von &apos;%1&apos; wurde abgebrochen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in use by another program, %3 (process %2); close it there and try again.</source>
        <translation>&apos;%1&apos; wird von einem anderen Programm benutzt, %3 (Prozess %2); schließen Sie sie dort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in use by another program (process %2); close it there and try again.</source>
        <translation>&apos;%1&apos; wird von einem anderen Programm benutzt (Prozess %2); schließen Sie sie dort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run of another unit.</source>
        <translation>&apos;%1&apos; ist eine Dienstplanerstellung einer anderen Einheit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the unit&apos;s last roster run; nothing was undone.</source>
        <translation>&apos;%1&apos; ist nicht die letzte Dienstplanerstellung der Einheit; nichts wurde rückgängig gemacht.</translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers were changed after that run.</source>
        <translation>
            <numerusform>Die Zähler von %n Soldaten wurden nach dieser Erstellung geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten wurden nach dieser Erstellung geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The assignment dates of %n soldiers were changed after that run.</source>
        <translation>
            <numerusform>Die Einteilungsdaten von %n Soldaten wurden nach dieser Erstellung geändert.</numerusform>
            <numerusform>Die Einteilungsdaten von %n Soldaten wurden nach dieser Erstellung geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldier were changed after that run.</source>
        <extracomment>%2 is a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach dieser Erstellung geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach dieser Erstellung geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldiers were changed after that run.</source>
        <extracomment>%2 is a number of soldiers</extracomment>
        <translation>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach dieser Erstellung geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach dieser Erstellung geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers were changed after that replace or swap.</source>
        <translation>
            <numerusform>Die Zähler von %n Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The assignment dates of %n soldiers were changed after that replace or swap.</source>
        <translation>
            <numerusform>Die Einteilungsdaten von %n Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
            <numerusform>Die Einteilungsdaten von %n Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldier were changed after that replace or swap.</source>
        <extracomment>%2 is a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldiers were changed after that replace or swap.</source>
        <extracomment>%2 is a number of soldiers</extracomment>
        <translation>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
            <numerusform>Die Zähler von %n Soldaten und die Einteilungsdaten von %2 Soldaten wurden nach diesem Ersatz oder Tausch geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster datafile of that run, &apos;%1&apos;, is no longer there.</source>
        <translation>Die Dienstplandatei dieser Erstellung, &apos;%1&apos;, ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no longer the roster datafile that run made; it stays where it is.</source>
        <translation>&apos;%1&apos; ist nicht mehr die Dienstplandatei, die diese Erstellung angelegt hat; sie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>Cannot keep &apos;%1&apos; in &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; kann nicht in &apos;%2&apos; aufbewahrt werden: %3</translation>
    </message>
    <message>
        <source>Cannot put &apos;%1&apos; back as &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; kann nicht als &apos;%2&apos; zurückgelegt werden: %3</translation>
    </message>
    <message>
        <source>Cannot write: %1 (&apos;%2&apos;)</source>
        <translation>Schreiben nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot restore: %1 (&apos;%2&apos;)</source>
        <translation>Wiederherstellen nicht möglich: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read the counters of: %1 (&apos;%2&apos;)</source>
        <translation>Die Zähler können nicht gelesen werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read the assignment dates of: %1 (&apos;%2&apos;)</source>
        <translation>Die Einteilungsdaten können nicht gelesen werden: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the datafile; choose another name for the export.</source>
        <translation>&apos;%1&apos; ist die Dienstplandatei; wählen Sie einen anderen Namen für den Export.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two exports; choose one name for each.</source>
        <translation>&apos;%1&apos; ist für zwei Exporte angegeben; wählen Sie für jeden einen eigenen Namen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; calendars are written into a folder.</source>
        <translation>&apos;%1&apos; ist kein Ordner; Kalender werden in einen Ordner geschrieben.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be made.</source>
        <translation>Der Ordner &apos;%1&apos; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The example unit cannot start after %1: its periods would run past %2.</source>
        <translation>Die Beispieleinheit kann nicht nach %1 beginnen: ihre Zeiträume würden über %2 hinausreichen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already holds a unit; the example unit needs a new or empty folder.</source>
        <translation>&apos;%1&apos; enthält bereits eine Einheit; die Beispieleinheit braucht einen neuen oder leeren Ordner.</translation>
    </message>
    <message>
        <source>The file has no column &apos;%1&apos;.</source>
        <translation>Die Datei hat keine Spalte &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters.</source>
        <translation>Der Name &apos;%1&apos; ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in the file twice; the first is on line %2.</source>
        <translation>&apos;%1&apos; steht zweimal in der Datei; das erste Mal in Zeile %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a rank: give its abbreviation, such as PV2, or its code, such as B.</source>
        <translation>&apos;%1&apos; ist kein Dienstgrad: geben Sie seine Abkürzung an, etwa PV2, oder seinen Kennbuchstaben, etwa B.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is neither yes nor no.</source>
        <translation>&apos;%1&apos; in der Spalte &apos;%2&apos; ist weder ja noch nein.</translation>
    </message>
    <message>
        <source>The last day, %2, comes before the first day, %1.</source>
        <translation>Der letzte Tag, %2, liegt vor dem ersten Tag, %1.</translation>
    </message>
    <message>
        <source>The soldier &apos;%1&apos; is already in the unit.</source>
        <translation>Der Soldat &apos;%1&apos; ist bereits in der Einheit.</translation>
    </message>
    <message>
        <source>There is no soldier &apos;%1&apos; in the unit.</source>
        <translation>In der Einheit gibt es keinen Soldaten &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>There is no duty &apos;%1&apos; in the unit.</source>
        <translation>In der Einheit gibt es keinen Dienst &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already absent on some of the days from %2 to %3; the row is left out.</source>
        <translation>&apos;%1&apos; ist an einigen der Tage von %2 bis %3 bereits abwesend; die Zeile wird ausgelassen.</translation>
    </message>
    <message>
        <source>A holiday already falls on some of the days from %2 to %3; &apos;%1&apos; is left out.</source>
        <translation>Auf einige der Tage von %2 bis %3 fällt bereits ein Feiertag; &apos;%1&apos; wird ausgelassen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; from %2 to %3 ended before today; the row is left out.</source>
        <translation>&apos;%1&apos; von %2 bis %3 endete vor heute; die Zeile wird ausgelassen.</translation>
    </message>
    <message>
        <source>The soldiers, absences, holidays or work schedules were changed after that import.</source>
        <translation>Die Soldaten, Abwesenheiten, Feiertage oder Dienstzeitpläne wurden nach diesem Import geändert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file; a workbook (.xlsx) is read from a file.</source>
        <translation>&apos;%1&apos; ist keine Datei; eine Arbeitsmappe (.xlsx) wird aus einer Datei gelesen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a workbook (.xlsx): it is not a zip archive.</source>
        <translation>&apos;%1&apos; ist keine Arbeitsmappe (.xlsx): sie ist kein ZIP-Archiv.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a workbook (.xlsx): it holds no workbook part.</source>
        <translation>&apos;%1&apos; ist keine Arbeitsmappe (.xlsx): sie enthält keinen Arbeitsmappenteil.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has no sheet.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; hat kein Blatt.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has no sheet named &apos;%2&apos;; its sheets are %3.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; hat kein Blatt namens &apos;%2&apos;; ihre Blätter sind %3.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 is missing.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; ist beschädigt: ihr Teil %2 fehlt.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 unpacks to more than %3 MB.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; kann nicht gelesen werden: ihr Teil %2 wird entpackt größer als %3 MB.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 is packed far more densely than a workbook&apos;s data can be.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; kann nicht gelesen werden: ihr Teil %2 ist weit dichter gepackt, als die Daten einer Arbeitsmappe sein können.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 cannot be unpacked.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; ist beschädigt: ihr Teil %2 kann nicht entpackt werden.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 declares a document type, which a workbook never does.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; kann nicht gelesen werden: ihr Teil %2 erklärt einen Dokumenttyp, was eine Arbeitsmappe nie tut.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 is not well-formed XML at line %3: %4</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; ist beschädigt: ihr Teil %2 ist in Zeile %3 kein wohlgeformtes XML: %4</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: cell %3 of sheet &apos;%2&apos; lies outside the largest sheet, which ends at %4.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; kann nicht gelesen werden: Zelle %3 des Blatts &apos;%2&apos; liegt außerhalb des größten Blatts, das bei %4 endet.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: sheet &apos;%2&apos; holds more than %3 cells.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; kann nicht gelesen werden: das Blatt &apos;%2&apos; enthält mehr als %3 Zellen.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: cell %3 of sheet &apos;%2&apos; holds &apos;%4&apos;, which is not a value of its type.</source>
        <translation>Die Arbeitsmappe &apos;%1&apos; ist beschädigt: Zelle %3 des Blatts &apos;%2&apos; enthält &apos;%4&apos;, keinen Wert ihres Typs.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2.</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large to read: files of up to %2 MB are read.</source>
        <translation>&apos;%1&apos; ist zu groß zum Lesen: Dateien bis %2 MB werden gelesen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a text file: it holds binary data at line %2.</source>
        <translation>&apos;%1&apos; ist keine Textdatei: sie enthält Binärdaten in Zeile %2.</translation>
    </message>
    <message>
        <source>Line %2 of &apos;%1&apos; has more than %3 columns.</source>
        <translation>Zeile %2 von &apos;%1&apos; hat mehr als %3 Spalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds more than %3 cells (the last read at line %2); split it into smaller files.</source>
        <translation>&apos;%1&apos; enthält mehr als %3 Zellen (die letzte gelesen in Zeile %2); teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ends inside quotes: a quoted field of the row at line %2 is never closed.</source>
        <translation>&apos;%1&apos; endet innerhalb von Anführungszeichen: ein Feld in Anführungszeichen der Zeile ab Zeile %2 wird nie geschlossen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a calendar (iCalendar file).</source>
        <translation>&apos;%1&apos; ist kein Kalender (iCalendar-Datei).</translation>
    </message>
    <message>
        <source>The events of &apos;%1&apos; repeat more than %2 times in all; it cannot be read.</source>
        <translation>Die Termine von &apos;%1&apos; wiederholen sich insgesamt mehr als %2 Mal; die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a calendar: only holidays are imported from a calendar (.ics).</source>
        <translation>&apos;%1&apos; ist ein Kalender: aus einem Kalender (.ics) werden nur Feiertage importiert.</translation>
    </message>
    <message>
        <source>Absent from %1 to %2.</source>
        <translation>Abwesend von %1 bis %2.</translation>
    </message>
    <message>
        <source>On duty %1 from %2 to %3.</source>
        <translation>Im Dienst %1 von %2 bis %3.</translation>
    </message>
    <message>
        <source>On a duty of another roster from %1 to %2.</source>
        <translation>In einem Dienst eines anderen Dienstplans von %1 bis %2.</translation>
    </message>
    <message>
        <source>Already on this duty in an overlapping period, from %1 to %2.</source>
        <translation>Bereits in diesem Dienst in einem überlappenden Zeitraum, von %1 bis %2.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%2&apos; has no duty &apos;%1&apos;.</source>
        <translation>Die Dienstplandatei &apos;%2&apos; hat keinen Dienst &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Duty &apos;%1&apos; has no period %2 on this roster.</source>
        <translation>Der Dienst &apos;%1&apos; hat in diesem Dienstplan keinen Zeitraum %2.</translation>
    </message>
    <message>
        <source>Nobody stands duty &apos;%1&apos; from %2 to %3.</source>
        <translation>Niemand hat den Dienst &apos;%1&apos; von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 is not qualified for duty &apos;%2&apos;, or has no row for it on this roster.</source>
        <translation>%1 ist für den Dienst &apos;%2&apos; nicht befähigt oder hat dafür keine Zeile in diesem Dienstplan.</translation>
    </message>
    <message>
        <source>%2 cannot take that period. %1</source>
        <extracomment>%1 says why (a whole sentence), %2 is the soldier</extracomment>
        <translation>%2 kann diesen Zeitraum nicht übernehmen. %1</translation>
    </message>
    <message>
        <source>No qualified soldier is free for duty &apos;%1&apos; from %2 to %3.</source>
        <translation>Kein befähigter Soldat ist für den Dienst &apos;%1&apos; von %2 bis %3 frei.</translation>
    </message>
    <message>
        <source>%1 already stands that period.</source>
        <translation>%1 hat diesen Zeitraum bereits.</translation>
    </message>
    <message>
        <source>A period of duty &apos;%1&apos; cannot be swapped with itself.</source>
        <translation>Ein Zeitraum des Dienstes &apos;%1&apos; kann nicht mit sich selbst getauscht werden.</translation>
    </message>
    <message>
        <source>The roster datafile could not be changed; nothing was changed.
%1</source>
        <translation>Die Dienstplandatei konnte nicht geändert werden; nichts wurde geändert.
%1</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; was changed after that change.</source>
        <translation>Die Dienstplandatei &apos;%1&apos; wurde nach dieser Änderung geändert.</translation>
    </message>
    <message>
        <source>The replace or swap, or its undo, that was changing &apos;%1&apos; did not finish; the file is as it was before it, and so are the counters.</source>
        <translation>Der Ersatz oder Tausch oder seine Rücknahme, der &apos;%1&apos; änderte, wurde nicht abgeschlossen; die Datei ist wie vorher, ebenso die Zähler.</translation>
    </message>
    <message>
        <source>The replace or swap, or its undo, that was changing &apos;%1&apos; did not finish; the counters are as they were before it. The file it replaced is kept as &apos;%2&apos;.</source>
        <translation>Der Ersatz oder Tausch oder seine Rücknahme, der &apos;%1&apos; änderte, wurde nicht abgeschlossen; die Zähler sind wie vorher. Die ersetzte Datei wird als &apos;%2&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files, not a roster datafile to change.</source>
        <translation>&apos;%1&apos; ist eine der eigenen Dateien der Einheit, keine zu ändernde Dienstplandatei.</translation>
    </message>
    <message>
        <source>The roster datafile as it was before the change, &apos;%1&apos;, is missing; the change cannot be undone.</source>
        <translation>Die Dienstplandatei, wie sie vor der Änderung war, &apos;%1&apos;, fehlt; die Änderung kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>die Datei ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the file cannot be written (read-only)</source>
        <translation>die Datei kann nicht geschrieben werden (schreibgeschützt)</translation>
    </message>
    <message>
        <source>a disk error occurred</source>
        <translation>ein Datenträgerfehler ist aufgetreten</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the change breaks a rule of the file</source>
        <translation>die Änderung verletzt eine Regel der Datei</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>die Datei ist keine Datenbank</translation>
    </message>
    <message>
        <source>personnel database</source>
        <translation>Personaldatenbank</translation>
    </message>
    <message>
        <source>working database</source>
        <translation>Arbeitsdatenbank</translation>
    </message>
    <message>
        <source>roster template</source>
        <translation>Dienstplanvorlage</translation>
    </message>
    <message>
        <source>roster datafile</source>
        <translation>Dienstplandatei</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>eine Verknüpfung auf %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>eine Verknüpfung ins Leere</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message numerus="yes">
        <source>the roster run of %1, which made &apos;%2&apos; (%n duties, %3 period filled)</source>
        <extracomment>%1 is a date and time, %2 a datafile, %3 a number of periods (here 1)</extracomment>
        <translation>
            <numerusform>die Dienstplanerstellung vom %1, die &apos;%2&apos; anlegte (%n Dienst, %3 Zeitraum besetzt)</numerusform>
            <numerusform>die Dienstplanerstellung vom %1, die &apos;%2&apos; anlegte (%n Dienste, %3 Zeitraum besetzt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the roster run of %1, which made &apos;%2&apos; (%n duties, %3 periods filled)</source>
        <extracomment>%1 is a date and time, %2 a datafile, %3 a number of periods</extracomment>
        <translation>
            <numerusform>die Dienstplanerstellung vom %1, die &apos;%2&apos; anlegte (%n Dienst, %3 Zeiträume besetzt)</numerusform>
            <numerusform>die Dienstplanerstellung vom %1, die &apos;%2&apos; anlegte (%n Dienste, %3 Zeiträume besetzt)</numerusform>
        </translation>
    </message>
    <message>
        <source>the replace of %1 in &apos;%2&apos;: %3 by %4 on duty &apos;%5&apos;, period %6</source>
        <translation>der Ersatz vom %1 in &apos;%2&apos;: %3 durch %4 im Dienst &apos;%5&apos;, Zeitraum %6</translation>
    </message>
    <message>
        <source>the swap of %1 in &apos;%2&apos;: %3 and %4 trade periods %5 and %6 of duty &apos;%7&apos;</source>
        <translation>der Tausch vom %1 in &apos;%2&apos;: %3 und %4 tauschen die Zeiträume %5 und %6 des Dienstes &apos;%7&apos;</translation>
    </message>
    <message>
        <source>the import of soldiers of %1 from &apos;%2&apos; (%3 added, %4 updated)</source>
        <translation>der Import von Soldaten vom %1 aus &apos;%2&apos; (%3 hinzugefügt, %4 aktualisiert)</translation>
    </message>
    <message>
        <source>the import of absences of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>der Import von Abwesenheiten vom %1 aus &apos;%2&apos; (%3 hinzugefügt)</translation>
    </message>
    <message>
        <source>the import of holidays of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>der Import von Feiertagen vom %1 aus &apos;%2&apos; (%3 hinzugefügt)</translation>
    </message>
    <message>
        <source>the import of work schedules of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>der Import von Dienstzeitplänen vom %1 aus &apos;%2&apos; (%3 hinzugefügt)</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>HINWEIS</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the roster datafile that change was made in but another file under its name, as in a copy of the unit: an undo takes back the counters and assignment dates alone and leaves it as it is.</source>
        <translation>&apos;%1&apos; ist nicht die Dienstplandatei, in der diese Änderung vorgenommen wurde, sondern eine andere Datei unter ihrem Namen, wie in einer Kopie der Einheit: Eine Rücknahme setzt nur die Zähler und Zuteilungsdaten zurück und lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; that change was made in is no longer there: an undo takes back the counters and assignment dates alone.</source>
        <translation>Die Dienstplandatei &apos;%1&apos;, in der diese Änderung vorgenommen wurde, ist nicht mehr vorhanden: Eine Rücknahme setzt nur die Zähler und Zuteilungsdaten zurück.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of absences has: Name (or Soldier), From, To and Remark (or Reason).</source>
        <translation>Die Spalte &apos;%1&apos; gehört zu keiner der Spalten einer Datei mit Abwesenheiten: Name (oder Soldier), From, To und Remark (oder Reason).</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of holidays has: Title (or Name, Holiday, Summary), From and To.</source>
        <translation>Die Spalte &apos;%1&apos; gehört zu keiner der Spalten einer Datei mit Feiertagen: Title (oder Name, Holiday, Summary), From und To.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of work schedules has: Duty, From and To.</source>
        <translation>Die Spalte &apos;%1&apos; gehört zu keiner der Spalten einer Datei mit Dienstzeiten: Duty, From und To.</translation>
    </message>
    <message numerus="yes">
        <source>%n events with a time of day were skipped.</source>
        <translation>
            <numerusform>%n Termin mit Uhrzeit wurde übersprungen.</numerusform>
            <numerusform>%n Termine mit Uhrzeit wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that ended before today were skipped.</source>
        <translation>
            <numerusform>%n Termin, der vor heute endete, wurde übersprungen.</numerusform>
            <numerusform>%n Termine, die vor heute endeten, wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file, and only a file is ever written over.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; ist %2, keine Datei, und überschrieben wird stets nur eine Datei.</translation>
    </message>
    <message>
        <source>%4 stands duty &apos;%1&apos; from %2 to %3 now, not %5: the roster datafile has changed since it was read.</source>
        <translation>Den Dienst &apos;%1&apos; von %2 bis %3 hat jetzt %4, nicht %5: Die Dienstplandatei wurde geändert, seit sie gelesen wurde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a date. Write a day as 2027-03-26 or as %3.</source>
        <extracomment>%3 is 26 March 2027 in the short form of the clerk&apos;s language, which the import reads as well as the form given here</extracomment>
        <translation>&apos;%1&apos; in der Spalte &apos;%2&apos; ist kein Datum. Schreiben Sie einen Tag als 2027-03-26 oder als %3.</translation>
    </message>
    <message>
        <source>Duty &apos;%1&apos; has no period on %2 on this roster.</source>
        <translation>Der Dienst &apos;%1&apos; hat in diesem Dienstplan keinen Zeitraum am %2.</translation>
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
        <source>The column &apos;%1&apos; is none of those a file of soldiers has: Name (or Soldier), Rank, Section (or Comment, Platoon) and the titles of the qualifications in Setup (or Q1 to Q15).</source>
        <translation>Die Spalte &apos;%1&apos; gehört zu keiner der Spalten einer Datei mit Soldaten: Name (oder Soldier), Rank, Section (oder Comment, Platoon) und die Titel der Befähigungen in der Einrichtung (oder Q1 bis Q15).</translation>
    </message>
    <message>
        <source>Two duties are named &apos;%1&apos;. A roster keeps a duty&apos;s counters, periods and rows by its name: give each duty a name of its own on the Duty tab.</source>
        <translation>Zwei Dienste heißen &apos;%1&apos;. Ein Dienstplan führt die Zähler, Zeiträume und Zeilen eines Dienstes unter seinem Namen: geben Sie jedem Dienst auf der Registerkarte Dienst einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; could hold any of the qualifications %2, whose titles in Setup read the same: head it with the number of the one it holds (such as %3), or give each qualification a title of its own.</source>
        <extracomment>%2 lists qualifications by number (&quot;Q2, Q5&quot;), %3 is the first of them</extracomment>
        <translation>Die Spalte &apos;%1&apos; könnte jede der Befähigungen %2 enthalten, deren Titel in der Einrichtung gleich lauten: Überschreiben Sie sie mit der Nummer der Befähigung, die sie enthält (etwa %3), oder geben Sie jeder Befähigung einen eigenen Titel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import of another unit.</source>
        <translation>&apos;%1&apos; ist ein Import einer anderen Einheit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap of another unit.</source>
        <translation>&apos;%1&apos; ist ein Ersatz oder Tausch einer anderen Einheit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; ist ein Import, der zurückgenommen oder nicht zu Ende geführt wurde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; ist ein Ersatz oder Tausch, der zurückgenommen oder nicht zu Ende geführt wurde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; ist eine Dienstplanerstellung, die zurückgenommen oder nicht zu Ende geführt wurde.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; ist ein Import, der nicht mehr zurückgenommen werden kann: eine spätere Änderung der Einheit fehlt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; ist ein Ersatz oder Tausch, der nicht mehr zurückgenommen werden kann: eine spätere Änderung der Einheit fehlt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; ist eine Dienstplanerstellung, die nicht mehr zurückgenommen werden kann: eine spätere Änderung der Einheit fehlt.</translation>
    </message>
    <message>
        <source>The import could not be undone; nothing was changed.</source>
        <translation>Der Import konnte nicht rückgängig gemacht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The replace or swap could not be undone; nothing was changed.</source>
        <translation>Der Ersatz oder Tausch konnte nicht rückgängig gemacht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The roster run could not be undone; nothing was changed.</source>
        <translation>Der Dienstplanlauf konnte nicht rückgängig gemacht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The import was undone, but a file could not be removed.</source>
        <translation>Der Import wurde rückgängig gemacht, aber eine Datei konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The replace or swap was undone, but a file could not be removed.</source>
        <translation>Der Ersatz oder Tausch wurde rückgängig gemacht, aber eine Datei konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The roster run was undone, but a file could not be removed.</source>
        <translation>Der Dienstplanlauf wurde rückgängig gemacht, aber eine Datei konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The unit&apos;s last change cannot be undone: its file in the history folder &apos;%1&apos; is missing or cannot be read. No earlier change is undone before it.</source>
        <translation>Die letzte Änderung der Einheit kann nicht rückgängig gemacht werden: Ihre Datei im Verlaufsordner „%1“ fehlt oder ist nicht lesbar. Keine frühere Änderung wird vor ihr rückgängig gemacht.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the replace or swap it took back.</source>
        <translation>Eine nicht abgeschlossene Rücknahme wurde zu Ende geführt: die Zähler sind wie vor dem zurückgenommenen Ersatz oder Tausch.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the replace or swap it took back.
%1</source>
        <translation>Eine nicht abgeschlossene Rücknahme wurde zu Ende geführt: die Zähler sind wie vor dem zurückgenommenen Ersatz oder Tausch.
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change kept by Calendrix for undo.</source>
        <translation>&apos;%1&apos; ist keine von Calendrix zum Rückgängigmachen aufbewahrte Änderung.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change kept by Calendrix for undo, or it is damaged.</source>
        <translation>&apos;%1&apos; ist keine von Calendrix zum Rückgängigmachen aufbewahrte Änderung, oder sie ist beschädigt.</translation>
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
    <name>Report</name>
    <message>
        <source>Duty roster</source>
        <translation>Dienstplan</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>A title or footer, then the draft notice</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>The reports, then the datafile they print</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>Two reports printed in one file</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>DRAFT — not counted</source>
        <comment>Printed on every page of a draft roster, whose duties were not counted</comment>
        <translation>ENTWURF — nicht angerechnet</translation>
    </message>
    <message>
        <source>Duty roster, %1 to %2</source>
        <translation>Dienstplan, %1 bis %2</translation>
    </message>
    <message>
        <source>Duty roster, %1, %2 to %3</source>
        <translation>Dienstplan, %1, %2 bis %3</translation>
    </message>
    <message>
        <source>Duty roster, %1</source>
        <translation>Dienstplan, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>A roster&apos;s title, then the draft notice</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>How a date is printed on the reports: a QDate format, e.g. d. MMM yyyy. MMM is the short month name of the language.</comment>
        <translation>d. MMM yyyy</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>On duty</source>
        <translation>Im Dienst</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>{{file}} · printed {{printed}}</source>
        <extracomment>The {{tags}} are filled in when printing: keep them as they are.</extracomment>
        <translation>{{file}} · gedruckt am {{printed}}</translation>
    </message>
    <message>
        <source>{{duty}} · page {{page}} of {{pages}}</source>
        <translation>{{duty}} · Seite {{page}} von {{pages}}</translation>
    </message>
    <message>
        <source>No soldier is qualified for this duty.</source>
        <translation>Kein Soldat ist für diesen Dienst befähigt.</translation>
    </message>
    <message>
        <source>This datafile holds no duties.</source>
        <translation>Diese Dienstplandatei enthält keine Dienste.</translation>
    </message>
    <message>
        <source>Changed after the run in {{changedPeriods}} of its periods (R replaced, S swapped); see the remarks list.</source>
        <translation>Nach der Erstellung in {{changedPeriods}} seiner Zeiträume geändert (R ersetzt, S getauscht); siehe Bemerkungsliste.</translation>
    </message>
    <message>
        <source>Changed after the run</source>
        <translation>Nach der Erstellung geändert</translation>
    </message>
    <message>
        <source>{{period}}: {{on}} instead of {{off}} ({{#replace}}replaced{{/replace}}{{#swap}}swapped{{/swap}} on {{made}}){{#reason}} — {{reason}}{{/reason}}</source>
        <translation>{{period}}: {{on}} statt {{off}} ({{#replace}}ersetzt{{/replace}}{{#swap}}getauscht{{/swap}} am {{made}}){{#reason}} — {{reason}}{{/reason}}</translation>
    </message>
    <message>
        <source>{{organization}} · {{dateRange}} · {{soldierCount}} soldiers · {{columnCount}} periods</source>
        <extracomment>The {{tags}} are filled in when printing: keep them as they are.</extracomment>
        <translation>{{organization}} · {{dateRange}} · {{soldierCount}} Soldaten · {{columnCount}} Zeiträume</translation>
    </message>
    <message>
        <source>/. on duty · A absent · D on another duty at the same time · numbers: free, waiting in line, the highest is next · shaded: holiday · R replaced · S swapped</source>
        <extracomment>The marks /. A D R S are those of the datafile: keep them as they are.</extracomment>
        <translation>/. im Dienst · A abwesend · D zur selben Zeit in einem anderen Dienst · Zahlen: frei, in der Reihe wartend, die höchste ist als Nächste dran · schattiert: Feiertag · R ersetzt · S getauscht</translation>
    </message>
    <message>
        <source>Changed after the run in {{changedPeriods}} of its periods; see the remarks list.</source>
        <translation>Nach der Erstellung in {{changedPeriods}} seiner Zeiträume geändert; siehe die Bemerkungsliste.</translation>
    </message>
    <message>
        <source>{{organization}} · remarks and days on duty · {{dateRange}}</source>
        <translation>{{organization}} · Bemerkungen und Diensttage · {{dateRange}}</translation>
    </message>
    <message>
        <source>{{file}} · remarks · printed {{printed}}</source>
        <translation>{{file}} · Bemerkungen · gedruckt am {{printed}}</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message numerus="yes">
        <source>Stopped after %1 of %2 duties: %n pages.</source>
        <translation>
            <numerusform>Nach %1 von %2 Diensten angehalten: %n Seite.</numerusform>
            <numerusform>Nach %1 von %2 Diensten angehalten: %n Seiten.</numerusform>
        </translation>
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
    <name>SpreadsheetExport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment>The name of the first sheet; at most 31 characters</comment>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Duty</source>
        <comment>The name of a sheet whose duty has no name</comment>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisationselement</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Einteilungen</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>The organization, then the draft notice</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Dienstgrad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>until</source>
        <comment>Beside the last days of the periods</comment>
        <translation>bis</translation>
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
    <message>
        <source>Sorts the counters by the counter it names: holiday or normal, lowest first.</source>
        <translation>Sortiert die Zähler nach dem genannten Zähler: Feiertag oder Normal, der niedrigste zuerst.</translation>
    </message>
    <message>
        <source>Reading the counters...</source>
        <translation>Zähler werden gelesen...</translation>
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
    <message>
        <source>Reading the counters...</source>
        <translation>Zähler werden gelesen...</translation>
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
        <source>The sheet &apos;%1&apos; was read.</source>
        <translation>Das Tabellenblatt „%1“ wurde gelesen.</translation>
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
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
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
    <message>
        <source>Removes the chosen period from the duty&apos;s work schedule.</source>
        <translation>Entfernt den gewählten Zeitraum aus den Dienstzeiten des Dienstes.</translation>
    </message>
    <message>
        <source>Removes the chosen absence of the soldier.</source>
        <translation>Entfernt die gewählte Abwesenheit des Soldaten.</translation>
    </message>
    <message>
        <source>A day picked, or days dragged across, become a period of the duty&apos;s work schedule.</source>
        <translation>Ein gewählter Tag oder mehrere überstrichene Tage werden ein Zeitraum der Dienstzeiten des Dienstes.</translation>
    </message>
    <message>
        <source>A day picked, or days dragged across, become an absence of the soldier.</source>
        <translation>Ein gewählter Tag oder mehrere überstrichene Tage werden eine Abwesenheit des Soldaten.</translation>
    </message>
    <message>
        <source>Change Roster</source>
        <translation>Dienstplan ändern</translation>
    </message>
    <message>
        <source>Another duty is named &apos;%1&apos; already. A roster keeps a duty&apos;s counters, periods and rows by its name: give each duty a name of its own.</source>
        <translation>Ein anderer Dienst heißt bereits &apos;%1&apos;. Ein Dienstplan führt die Zähler, Zeiträume und Zeilen eines Dienstes unter seinem Namen: geben Sie jedem Dienst einen eigenen Namen.</translation>
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
    <message>
        <source>Finding who can stand %1 on %2...</source>
        <translation>Es wird ermittelt, wer %1 am %2 leisten kann...</translation>
    </message>
    <message>
        <source>Giving %3 the period of %1 on %2...</source>
        <translation>%3 erhält %1 am %2...</translation>
    </message>
    <message>
        <source>Swapping two periods of %1...</source>
        <translation>Zwei Zeiträume von %1 werden getauscht...</translation>
    </message>
    <message>
        <source>The roster was not changed. %1 Open it again with File &gt; Change Roster to see it as it is now.</source>
        <translation>Der Dienstplan wurde nicht geändert. %1 Öffnen Sie ihn erneut mit Datei &gt; Dienstplan ändern, um ihn so zu sehen, wie er jetzt ist.</translation>
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
