<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>DatafileReading</name>
    <message>
        <source>Reading %1...</source>
        <translation>Leser %1...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Open/Print Rosters</source>
        <translation>Åpne/skriv ut vaktlister</translation>
    </message>
</context>
<context>
    <name>DraftAndUndo</name>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cell: the unit&apos;s data changed after the draft was made.</source>
        <translation>Den gjeldende vaktlisten «%1» avviker fra utkastet i %2 celle: avdelingens data ble endret etter at utkastet ble laget.</translation>
    </message>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cells: the unit&apos;s data changed after the draft was made.</source>
        <translation>Den gjeldende vaktlisten «%1» avviker fra utkastet i %2 celler: avdelingens data ble endret etter at utkastet ble laget.</translation>
    </message>
    <message>
        <source>These files were skipped.</source>
        <translation>Disse filene ble hoppet over.</translation>
    </message>
    <message>
        <source>Undo %1?

The rows it added are deleted and the soldiers it updated become what they were before it.</source>
        <translation>Angre %1?

Radene som ble lagt til, slettes, og soldatene som ble oppdatert, får tilbake det de hadde før.</translation>
    </message>
    <message>
        <source>Undo %1?

The counters and assignment dates become what they were before it, and so does its roster datafile.</source>
        <translation>Angre %1?

Tellere og tildelingsdatoer blir som før, og det samme gjør vaktlistens datafil.</translation>
    </message>
    <message>
        <source>Undo %1?

The counters, assignment dates and duty headers become what they were before it, and its datafile is moved into the unit&apos;s history folder.</source>
        <translation>Angre %1?

Tellere, tildelingsdatoer og vakthoder blir som før, og datafilen flyttes til avdelingens historikkmappe.</translation>
    </message>
    <message>
        <source>Undoing it anyway loses those changes.</source>
        <translation>Angrer du likevel, går disse endringene tapt.</translation>
    </message>
    <message>
        <source>The roster run could not be undone; nothing was changed.</source>
        <translation>Vaktlistekjøringen kunne ikke angres; ingenting ble endret.</translation>
    </message>
    <message>
        <source>The unit&apos;s last roster run cannot be undone: its file in the history folder &apos;%1&apos; is missing or cannot be read. No earlier run is undone before it.</source>
        <translation>Avdelingens siste vaktlistekjøring kan ikke angres: filen i historikkmappen «%1» mangler eller kan ikke leses. Ingen tidligere kjøring angres før den.</translation>
    </message>
    <message>
        <source>There is no roster run to undo.</source>
        <translation>Det finnes ingen vaktlistekjøring å angre.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Ingenting ble angret.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Angret: %1.</translation>
    </message>
    <message>
        <source>Those changes are lost.</source>
        <translation>Disse endringene er tapt.</translation>
    </message>
    <message>
        <source>Its datafile is kept as &apos;%1&apos;.</source>
        <translation>Datafilen beholdes som «%1».</translation>
    </message>
    <message>
        <source>The roster run was undone, but a file could not be removed.</source>
        <translation>Vaktlistekjøringen ble angret, men en fil kunne ikke fjernes.</translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>(error %1)</source>
        <translation>(feil %1)</translation>
    </message>
</context>
<context>
    <name>ExportRoster</name>
    <message>
        <source>Export Roster</source>
        <translation>Eksporter vaktliste</translation>
    </message>
    <message>
        <source>The roster cannot be exported.</source>
        <translation>Vaktlisten kan ikke eksporteres.</translation>
    </message>
    <message>
        <source>Folder for the calendars</source>
        <translation>Mappe for kalenderne</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Regneark (*.xlsx)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommaseparerte verdier (*.csv)</translation>
    </message>
    <message>
        <source>Export %1 as:</source>
        <translation>Eksporter %1 som:</translation>
    </message>
    <message>
        <source>&amp;Calendars (.ics)...</source>
        <translation>&amp;Kalendere (.ics)...</translation>
    </message>
    <message>
        <source>&amp;Spreadsheet (.xlsx)...</source>
        <translation>&amp;Regneark (.xlsx)...</translation>
    </message>
    <message>
        <source>CS&amp;V (.csv)...</source>
        <translation>CS&amp;V (.csv)...</translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation>%1 finnes allerede. Erstatte?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the calendars already exist in %1. Replace them?</source>
        <translation>
            <numerusform>%n av kalenderne finnes allerede i %1. Erstatte den?</numerusform>
            <numerusform>%n av kalenderne finnes allerede i %1. Erstatte dem?</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporting %1...</source>
        <translation>Eksporterer %1...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang must be de, nb or en, not &apos;%1&apos;</source>
        <translation>--lang må være de, nb eller en, ikke «%1»</translation>
    </message>
    <message>
        <source>the window needs a display, and none could be opened; the other commands work without one (see calendrix --help)</source>
        <translation>Programvinduet trenger en skjerm, og ingen kunne åpnes; de andre kommandoene virker uten (se calendrix --help)</translation>
    </message>
</context>
<context>
    <name>PrintDestination</name>
    <message>
        <source>Print – %1</source>
        <translation>Skriv ut – %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation>%1 finnes allerede. Erstatte?</translation>
    </message>
</context>
<context>
    <name>RunMessenger</name>
    <message>
        <source>Making the roster...</source>
        <translation>Lager vaktlisten...</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>Calendrix datafiles (*.cxr)</source>
        <translation>Calendrix-datafiler (*.cxr)</translation>
    </message>
</context>
<context>
    <name>WidgetDialogs</name>
    <message>
        <source>QUESTION</source>
        <translation>SPØRSMÅL</translation>
    </message>
    <message>
        <source>&amp;Make It Count</source>
        <translation>&amp;Gjør gjeldende</translation>
    </message>
    <message>
        <source>Make this roster again as one that counts, into a file of your choice</source>
        <translation>Lag denne vaktlisten på nytt som gjeldende, i en fil du velger</translation>
    </message>
</context>
<context>
    <name>calendrix::AboutDialog</name>
    <message>
        <source>Version %1, %2-bit edition</source>
        <translation>Versjon %1, %2-biters utgave</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Calendrix</translation>
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
        <translation>Tildelingstellere</translation>
    </message>
    <message>
        <source>Assignment counters</source>
        <translation>Tildelingstellere</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Merke</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sorter etter</translation>
    </message>
</context>
<context>
    <name>calendrix::DatesDialog</name>
    <message>
        <source>Assignment Dates</source>
        <translation>Tildelingsdatoer</translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation>Tildelingsdatoer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>So&amp;rter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
</context>
<context>
    <name>calendrix::FairnessWindow</name>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: minimum %2, median %3, mean %4, maximum %5, spread %6.&lt;br&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: minimum %2, median %3, gjennomsnitt %4, maksimum %5, spredning %6.&lt;br&gt;</translation>
    </message>
    <message>
        <source>More than one above the minimum: %1.&lt;br&gt;</source>
        <translation>Mer enn én over minimum: %1.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Next in line: %1.&lt;br&gt;</source>
        <translation>Neste i rekken: %1.&lt;br&gt;</translation>
    </message>
    <message>
        <source>Fairness</source>
        <translation>Rettferdighet</translation>
    </message>
    <message>
        <source>Counters per duty</source>
        <translation>Tellere per vakt</translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation>&amp;Vakt:</translation>
    </message>
    <message>
        <source>Soldiers at each counter</source>
        <translation>Soldater per tellerstand</translation>
    </message>
    <message>
        <source>Figures of the duty</source>
        <translation>Tall for vakten</translation>
    </message>
    <message>
        <source>Soldiers&apos; counters</source>
        <translation>Soldatenes tellere</translation>
    </message>
    <message>
        <source>Double-click a soldier to see his counters.</source>
        <translation>Dobbeltklikk på en soldat for å se tellerne hans.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation>Lagre &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Counters per duty (whiskers: lowest to highest; box: the middle half; line: median)</source>
        <translation>Tellere per vakt (værhår: laveste til høyeste; boks: midtre halvdel; linje: median)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
    <message>
        <source>%1, %2: lowest %3, median %4, highest %5</source>
        <translation>%1, %2: laveste %3, median %4, høyeste %5</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Tellerstand</translation>
    </message>
    <message>
        <source>How many soldiers stand at each counter: %1</source>
        <translation>Hvor mange soldater som står på hver tellerstand: %1</translation>
    </message>
    <message>
        <source>No soldier is qualified for %1.</source>
        <translation>Ingen soldat er kvalifisert for %1.</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldater</translation>
    </message>
    <message numerus="yes">
        <source>%n qualified.&lt;br&gt;</source>
        <translation>
            <numerusform>%n kvalifisert.&lt;br&gt;</numerusform>
            <numerusform>%n kvalifiserte.&lt;br&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview – %1</source>
        <translation>Forhåndsvisning – %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation>Skriveren kan ikke startes.</translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation>Skriveren kunne ikke fullføre %1.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;inn</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom u&amp;t</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Tilpass &amp;bredde</translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation>&amp;Hele siden</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
</context>
<context>
    <name>calendrix::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Søk:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Del av et navn</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Find the next name (Return, F3)</source>
        <translation>Finn neste navn (Enter, F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Close the find box (Escape)</source>
        <translation>Lukk søkefeltet (Esc)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Ikke funnet</translation>
    </message>
</context>
<context>
    <name>calendrix::HelpWindow</name>
    <message>
        <source>Calendrix Help</source>
        <translation>Calendrix-hjelp</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjelpetekst</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it does not exist.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation>Hjelpefilen «%1» kan ikke leses: den finnes ikke.
Kjør «%2» for å legge en ny på plass.</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it is not a file.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation>Hjelpefilen «%1» kan ikke leses: den er ikke en fil.
Kjør «%2» for å legge en ny på plass.</translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: %2.
Run &apos;%3&apos; to put a new one in its place.</source>
        <translation>Hjelpefilen «%1» kan ikke leses: %2.
Kjør «%3» for å legge en ny på plass.</translation>
    </message>
</context>
<context>
    <name>calendrix::ImportDialog</name>
    <message>
        <source>Refused</source>
        <translation>Avvist</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Utelatt</translation>
    </message>
    <message>
        <source>To add</source>
        <translation>Legges til</translation>
    </message>
    <message>
        <source>To update</source>
        <translation>Oppdateres</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Uendret</translation>
    </message>
    <message>
        <source>%1 event with a time of day or ended before today was skipped.</source>
        <translation>%1 hendelse med klokkeslett eller avsluttet før i dag ble hoppet over.</translation>
    </message>
    <message>
        <source>%1 events with a time of day or ended before today were skipped.</source>
        <translation>%1 hendelser med klokkeslett eller avsluttet før i dag ble hoppet over.</translation>
    </message>
    <message>
        <source>The sheet &apos;%1&apos; was read.</source>
        <translation>Arket «%1» ble lest.</translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text with a byte-order mark.</source>
        <translation>Filen ble lest som UTF-8-tekst med byte-rekkefølgemerke.</translation>
    </message>
    <message>
        <source>The file was read as Windows-1252 text.</source>
        <translation>Filen ble lest som Windows-1252-tekst.</translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text.</source>
        <translation>Filen ble lest som UTF-8-tekst.</translation>
    </message>
    <message>
        <source>Its columns are separated by tabs.</source>
        <translation>Kolonnene er skilt med tabulatorer.</translation>
    </message>
    <message>
        <source>Its columns are separated by semicolons.</source>
        <translation>Kolonnene er skilt med semikolon.</translation>
    </message>
    <message>
        <source>Its columns are separated by commas.</source>
        <translation>Kolonnene er skilt med komma.</translation>
    </message>
    <message>
        <source>It has one column.</source>
        <translation>Den har én kolonne.</translation>
    </message>
    <message>
        <source>The soldiers of &apos;%1&apos; were imported: %2 added, %3 updated.</source>
        <translation>Soldatene fra «%1» ble importert: %2 lagt til, %3 oppdatert.</translation>
    </message>
    <message>
        <source>The absences of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Fraværene fra «%1» ble importert: %2 lagt til.</translation>
    </message>
    <message>
        <source>The holidays of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Helligdagene fra «%1» ble importert: %2 lagt til.</translation>
    </message>
    <message>
        <source>The work-schedule periods of &apos;%1&apos; were imported: %2 added.</source>
        <translation>Arbeidsplanperiodene fra «%1» ble importert: %2 lagt til.</translation>
    </message>
    <message>
        <source>Tools &gt; Undo Last Roster Run takes the import back.</source>
        <translation>Verktøy &gt; Angre siste vaktlistekjøring tar importen tilbake.</translation>
    </message>
    <message>
        <source>&amp;Update soldiers already in the unit</source>
        <translation>&amp;Oppdater soldater som allerede er i avdelingen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldater</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Fravær</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Helligdager</translation>
    </message>
    <message>
        <source>Work schedules</source>
        <translation>Arbeidsplaner</translation>
    </message>
    <message>
        <source>C&amp;hoose File...</source>
        <translation>&amp;Velg fil...</translation>
    </message>
    <message>
        <source>&amp;What the file lists:</source>
        <translation>Hva filen &amp;lister:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fil:</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Ark:</translation>
    </message>
    <message>
        <source>Lists and calendars (*.csv *.txt *.xlsx *.ics);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;Calendars (*.ics);;All files (*)</source>
        <translation>Lister og kalendere (*.csv *.txt *.xlsx *.ics);;CSV-filer (*.csv *.txt);;Arbeidsbøker (*.xlsx);;Kalendere (*.ics);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Lists (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;All files (*)</source>
        <translation>Lister (*.csv *.txt *.xlsx);;CSV-filer (*.csv *.txt);;Arbeidsbøker (*.xlsx);;Alle filer (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files. Choose a file that another program wrote.</source>
        <translation>«%1» er en av avdelingens egne filer. Velg en fil som et annet program har skrevet.</translation>
    </message>
    <message>
        <source>Choose the file to import.</source>
        <translation>Velg filen som skal importeres.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Nothing can be imported from this file.</source>
        <translation>Ingenting kan importeres fra denne filen.</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Hendelse</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.</source>
        <translation>%1 legges til, %2 oppdateres, %3 uendret, %4 utelatt, %5 avvist.</translation>
    </message>
    <message>
        <source>Nothing can be imported while a row is refused: mend the file and choose it again.</source>
        <translation>Ingenting kan importeres så lenge en rad er avvist: rett filen og velg den på nytt.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it will be added to Setup&apos;s list.</source>
        <translation>Laget «%1» er nytt; det legges til i listen i Oppsett.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Ingenting ble importert.</translation>
    </message>
    <message>
        <source>The unit changed since the preview; nothing was imported. The preview shows the file as it would be imported now.</source>
        <translation>Avdelingen er endret siden forhåndsvisningen; ingenting ble importert. Forhåndsvisningen viser filen slik den ville blitt importert nå.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>Hva importen ville gjøre</translation>
    </message>
</context>
<context>
    <name>calendrix::ImportPreviewModel</name>
    <message>
        <source>Duty</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Hva som skjer</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Hvorfor</translation>
    </message>
</context>
<context>
    <name>calendrix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Make New Datafile...</source>
        <translation>&amp;Ny datafil...</translation>
    </message>
    <message>
        <source>Make &amp;Draft...</source>
        <translation>Lag &amp;utkast...</translation>
    </message>
    <message>
        <source>&amp;Open/Print Rosters...</source>
        <translation>&amp;Åpne/skriv ut vaktlister...</translation>
    </message>
    <message>
        <source>E&amp;xport Roster...</source>
        <translation>E&amp;ksporter vaktliste...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Change Roster...</source>
        <translation>&amp;Endre vaktliste...</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation>&amp;Oppsett...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Verktøy</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>&amp;Tildeling</translation>
    </message>
    <message>
        <source>C&amp;ounters...</source>
        <translation>&amp;Tellere...</translation>
    </message>
    <message>
        <source>D&amp;ates...</source>
        <translation>&amp;Datoer...</translation>
    </message>
    <message>
        <source>&amp;Consolidate</source>
        <translation>&amp;Slå sammen</translation>
    </message>
    <message>
        <source>A&amp;bsence</source>
        <translation>&amp;Fravær</translation>
    </message>
    <message>
        <source>&amp;Undo Last Roster Run...</source>
        <translation>&amp;Angre siste vaktlistekjøring...</translation>
    </message>
    <message>
        <source>&amp;Fairness...</source>
        <translation>&amp;Rettferdighet...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Innhold...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;Om Calendrix...</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Vakter</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldater</translation>
    </message>
    <message>
        <source>Work schedule</source>
        <translation>Arbeidsplan</translation>
    </message>
    <message>
        <source>Absences</source>
        <translation>Fravær</translation>
    </message>
    <message>
        <source>Qualifications:</source>
        <translation>Kvalifikasjoner:</translation>
    </message>
    <message>
        <source>Work Schedule:</source>
        <translation>Arbeidsplan:</translation>
    </message>
    <message>
        <source>Personnel Absence:</source>
        <translation>Personellfravær:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Fj&amp;ern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>So&amp;rter</translation>
    </message>
    <message>
        <source>Duties and soldiers</source>
        <translation>Vakter og soldater</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Personell</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Nature of Duty</source>
        <translation>Vaktens art</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisasjon</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Calendrix - %1</source>
        <translation>Calendrix - %1</translation>
    </message>
    <message>
        <source>The lists of the other tables are shown; the roster cannot be made until this is put right.</source>
        <translation>Listene i de andre tabellene vises; vaktlisten kan ikke lages før dette er rettet.</translation>
    </message>
    <message>
        <source>Create Empty Unit</source>
        <translation>Opprett tom avdeling</translation>
    </message>
    <message>
        <source>Create an empty unit in %1, or choose another folder?</source>
        <translation>Opprette en tom avdeling i %1, eller velge en annen mappe?</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 som %2</translation>
    </message>
    <message>
        <source>Keep the damaged file under a new name beside it (%1) and create an empty one in its place, or choose another folder? Nothing is deleted.</source>
        <translation>Beholde den skadde filen under et nytt navn ved siden av (%1) og opprette en tom i stedet, eller velge en annen mappe? Ingenting slettes.</translation>
    </message>
    <message>
        <source>Keep the damaged files under new names beside them (%1) and create empty ones in their place, or choose another folder? Nothing is deleted.</source>
        <translation>Beholde de skadde filene under nye navn ved siden av (%1) og opprette tomme i stedet, eller velge en annen mappe? Ingenting slettes.</translation>
    </message>
    <message>
        <source>Keep Aside and Create Empty Unit</source>
        <translation>Legg til side og opprett tom avdeling</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEIL</translation>
    </message>
    <message>
        <source>Choose Folder...</source>
        <translation>Velg mappe...</translation>
    </message>
    <message>
        <source>Unit folder</source>
        <translation>Avdelingsmappe</translation>
    </message>
    <message>
        <source>Cannot add a duty.</source>
        <translation>Kan ikke legge til en vakt.</translation>
    </message>
    <message>
        <source>Cannot add a soldier.</source>
        <translation>Kan ikke legge til en soldat.</translation>
    </message>
    <message>
        <source>Cannot add the work-schedule period.</source>
        <translation>Kan ikke legge til arbeidsplanperioden.</translation>
    </message>
    <message>
        <source>Cannot add the absence.</source>
        <translation>Kan ikke legge til fraværet.</translation>
    </message>
    <message>
        <source>Cannot delete the duty.</source>
        <translation>Kan ikke slette vakten.</translation>
    </message>
    <message>
        <source>Cannot delete the soldier.</source>
        <translation>Kan ikke slette soldaten.</translation>
    </message>
    <message>
        <source>Cannot delete the work-schedule period.</source>
        <translation>Kan ikke slette arbeidsplanperioden.</translation>
    </message>
    <message>
        <source>Cannot delete the absence.</source>
        <translation>Kan ikke slette fraværet.</translation>
    </message>
    <message>
        <source>Cannot save the changes.</source>
        <translation>Kan ikke lagre endringene.</translation>
    </message>
    <message>
        <source>Cannot sort the lists.</source>
        <translation>Kan ikke sortere listene.</translation>
    </message>
    <message>
        <source>The %1 setting could not be saved, so it stays as it was.</source>
        <translation>Innstillingen «%1» kunne ikke lagres, så den forblir som den var.</translation>
    </message>
    <message>
        <source>Cannot read the new assignment dates.</source>
        <translation>Kan ikke lese de nye tildelingsdatoene.</translation>
    </message>
    <message>
        <source>Cannot change the roster.</source>
        <translation>Kan ikke endre vaktlisten.</translation>
    </message>
    <message>
        <source>Cannot read the lists again.</source>
        <translation>Kan ikke lese listene på nytt.</translation>
    </message>
    <message>
        <source>Your choice of language cannot be kept: the settings file cannot be written.</source>
        <translation>Språkvalget ditt kan ikke lagres: innstillingsfilen kan ikke skrives.</translation>
    </message>
    <message>
        <source>Calendrix will speak %1 from its next start.</source>
        <translation>Calendrix bruker %1 fra neste oppstart.</translation>
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
        <translation>Høyst %1 dager kan tas med på én gang. Perioden går fra %2 til %3.</translation>
    </message>
</context>
<context>
    <name>calendrix::RecordSetModel</name>
    <message>
        <source>&quot;%1&quot; takes a whole number from %2 to %3; %4 was typed.</source>
        <translation>«%1» tar et heltall fra %2 til %3; %4 ble skrevet inn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be after &quot;%2&quot;: %3 was typed, and the period ends on %4.</source>
        <translation>«%1» kan ikke være etter «%2»: %3 ble skrevet inn, og perioden slutter %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be before &quot;%2&quot;: %3 was typed, and the period starts on %4.</source>
        <translation>«%1» kan ikke være før «%2»: %3 ble skrevet inn, og perioden begynner %4.</translation>
    </message>
</context>
<context>
    <name>calendrix::ReportPreview</name>
    <message>
        <source>Print Preview – %1</source>
        <translation>Forhåndsvisning – %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Lagre som &amp;PDF...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;inn</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom u&amp;t</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Tilpass &amp;bredde</translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation>&amp;Hele siden</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>av %1</translation>
    </message>
    <message>
        <source>Laying out duty %1 of %2...</source>
        <translation>Setter opp vakt %1 av %2...</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 duties: %3 pages.</source>
        <translation>Stoppet etter %1 av %2 vakter: %3 sider.</translation>
    </message>
    <message>
        <source>1 page.</source>
        <translation>1 side.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages.</source>
        <translation>
            <numerusform>%n side.</numerusform>
            <numerusform>%n sider.</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>Skriver ut %1...</translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation>Skriveren kan ikke startes.</translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation>Skriveren kunne ikke fullføre %1.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Skriver %1...</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; needs more memory than there is.</source>
        <translation>Oppsettet «%1» trenger mer minne enn det finnes.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used: %2.</source>
        <translation>Oppsettet «%1» kan ikke brukes: %2.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used.</source>
        <translation>Oppsettet «%1» kan ikke brukes.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
</context>
<context>
    <name>calendrix::RosterChangeDialog</name>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Begrunnelse:</translation>
    </message>
    <message>
        <source>Change Roster – %1</source>
        <translation>Endre vaktliste – %1</translation>
    </message>
    <message>
        <source>This roster is a draft: a change is made to its datafile only, and no counter changes.</source>
        <translation>Denne vaktlisten er et utkast: en endring gjøres bare i datafilen, og ingen teller endres.</translation>
    </message>
    <message>
        <source>Pick the period whose soldier cannot stand it. A replace or swap changes the counters as the roster run would have, and Tools &gt; Undo takes the last change back.</source>
        <translation>Velg perioden som soldaten ikke kan stå. En erstatning eller et bytte endrer tellerne slik vaktlistekjøringen ville ha gjort, og Verktøy &gt; Angre tar den siste endringen tilbake.</translation>
    </message>
    <message>
        <source>&amp;Duty:</source>
        <translation>&amp;Vakt:</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioder</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dager</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Stands</source>
        <translation>Står</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>&amp;Erstatt...</translation>
    </message>
    <message>
        <source>S&amp;wap...</source>
        <translation>&amp;Bytt...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstatt</translation>
    </message>
    <message>
        <source>Who stands %1 on %2 instead of %3? The soldiers are listed in the order the roster run would take them now; the first free one is picked.</source>
        <translation>Hvem står %1 %2 i stedet for %3? Soldatene står i den rekkefølgen vaktlistekjøringen ville tatt dem nå; den første ledige velges.</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Kandidater</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>Soldat</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Ledig</translation>
    </message>
    <message>
        <source>Stands this period</source>
        <translation>Står denne perioden</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Bytt</translation>
    </message>
    <message>
        <source>With which period of %1 does %2 trade %3? Each soldier must be free on the other&apos;s days.</source>
        <translation>Hvilken periode av %1 bytter %2 %3 mot? Hver soldat må være ledig på den andres dager.</translation>
    </message>
    <message>
        <source>Periods to trade with</source>
        <translation>Perioder å bytte med</translation>
    </message>
    <message>
        <source>The roster was not changed.</source>
        <translation>Vaktlisten ble ikke endret.</translation>
    </message>
    <message>
        <source>The roster was not changed. %1</source>
        <translation>Vaktlisten ble ikke endret. %1</translation>
    </message>
</context>
<context>
    <name>calendrix::SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Setup pages</source>
        <translation>Sider i oppsettet</translation>
    </message>
    <message>
        <source>Qualification %1</source>
        <translation>Kvalifikasjon %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Qualifications</source>
        <translation>Kvalifikasjoner</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Oppdater</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>So&amp;rter</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Helligdager</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Fj&amp;ern</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Betegnelse</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Program must be restarted for changes to take effect</source>
        <translation>Programmet må startes på nytt for at endringene skal tre i kraft</translation>
    </message>
</context>
<context>
    <name>calendrix::SoldierTotalsModel</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Vakter</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation>Tildelingsdatoer</translation>
    </message>
</context>
</TS>
