<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>DatafileReading</name>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open/Print Rosters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DraftAndUndo</name>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cell: the unit&apos;s data changed after the draft was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster that counts, &apos;%1&apos;, differs from the draft in %2 cells: the unit&apos;s data changed after the draft was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1?

The rows it added are deleted and the soldiers it updated become what they were before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1?

The counters and assignment dates become what they were before it, and so does its roster datafile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1?

The counters, assignment dates and duty headers become what they were before it, and its datafile is moved into the unit&apos;s history folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing it anyway loses those changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster run could not be undone; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s last roster run cannot be undone: its file in the history folder &apos;%1&apos; is missing or cannot be read. No earlier run is undone before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no roster run to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those changes are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its datafile is kept as &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster run was undone, but a file could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>(error %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportRoster</name>
    <message>
        <source>Export Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster cannot be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for the calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export %1 as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calendars (.ics)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spreadsheet (.xlsx)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS&amp;V (.csv)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of the calendars already exist in %1. Replace them?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Exporting %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang must be de, nb or en, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintDestination</name>
    <message>
        <source>Print – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunMessenger</name>
    <message>
        <source>Making the roster...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>Calendrix datafiles (*.cxr)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetDialogs</name>
    <message>
        <source>QUESTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make It Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make this roster again as one that counts, into a file of your choice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::AboutDialog</name>
    <message>
        <source>Version %1, %2-bit edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::CountersDialog</name>
    <message>
        <source>Assignment Counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assignment counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::DatesDialog</name>
    <message>
        <source>Assignment Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::FairnessWindow</name>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: minimum %2, median %3, mean %4, maximum %5, spread %6.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one above the minimum: %1.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next in line: %1.&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fairness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counters per duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers at each counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures of the duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers&apos; counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a soldier to see his counters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counters per duty (whiskers: lowest to highest; box: the middle half; line: median)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: lowest %3, median %4, highest %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many soldiers stand at each counter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No soldier is qualified for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n qualified.&lt;br&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Print Preview – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::FindBar</name>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next name (Return, F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find box (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::HelpWindow</name>
    <message>
        <source>Calendrix Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it does not exist.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: it is not a file.
Run &apos;%2&apos; to put a new one in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &apos;%1&apos; cannot be read: %2.
Run &apos;%3&apos; to put a new one in its place.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::ImportDialog</name>
    <message>
        <source>Refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 event with a time of day or ended before today was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 events with a time of day or ended before today were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet &apos;%1&apos; was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text with a byte-order mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was read as Windows-1252 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was read as UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its columns are separated by tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its columns are separated by semicolons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its columns are separated by commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has one column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The soldiers of &apos;%1&apos; were imported: %2 added, %3 updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The absences of &apos;%1&apos; were imported: %2 added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The holidays of &apos;%1&apos; were imported: %2 added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work-schedule periods of &apos;%1&apos; were imported: %2 added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools &gt; Undo Last Roster Run takes the import back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update soldiers already in the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What the file lists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists and calendars (*.csv *.txt *.xlsx *.ics);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;Calendars (*.ics);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files. Choose a file that another program wrote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be imported from this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be imported while a row is refused: mend the file and choose it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it will be added to Setup&apos;s list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit changed since the preview; nothing was imported. The preview shows the file as it would be imported now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::ImportPreviewModel</name>
    <message>
        <source>Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make New Datafile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make &amp;Draft...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open/Print Rosters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Roster...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Roster...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ounters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;ates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Consolidate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bsence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Last Roster Run...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fairness...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifications:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Schedule:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personnel Absence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duties and soldiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nature of Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendrix - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists of the other tables are shown; the roster cannot be made until this is put right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Empty Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an empty unit in %1, or choose another folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the damaged file under a new name beside it (%1) and create an empty one in its place, or choose another folder? Nothing is deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the damaged files under new names beside them (%1) and create empty ones in their place, or choose another folder? Nothing is deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Aside and Create Empty Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add a duty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add a soldier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add the work-schedule period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add the absence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the duty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the soldier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the work-schedule period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the absence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot sort the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 setting could not be saved, so it stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the new assignment dates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot change the roster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the lists again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your choice of language cannot be kept: the settings file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendrix will speak %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::MonthView</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 days can be taken at once. The period runs from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::RecordSetModel</name>
    <message>
        <source>&quot;%1&quot; takes a whole number from %2 to %3; %4 was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be after &quot;%2&quot;: %3 was typed, and the period ends on %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be before &quot;%2&quot;: %3 was typed, and the period starts on %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::ReportPreview</name>
    <message>
        <source>Print Preview – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole P&amp;age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out duty %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 duties: %3 pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; needs more memory than there is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::RosterChangeDialog</name>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Roster – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This roster is a draft: a change is made to its datafile only, and no counter changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the period whose soldier cannot stand it. A replace or swap changes the counters as the roster run would have, and Tools &gt; Undo takes the last change back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;wap...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who stands %1 on %2 instead of %3? The soldiers are listed in the order the roster run would take them now; the first free one is picked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stands this period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With which period of %1 does %2 trade %3? Each soldier must be free on the other&apos;s days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods to trade with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster was not changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualification %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program must be restarted for changes to take effect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calendrix::SoldierTotalsModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assignment dates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
