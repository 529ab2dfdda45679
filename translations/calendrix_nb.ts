<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
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
        <translation>Vakter for %1</translation>
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
        <translation>Bruk: calendrix [--data DIR] [FILE.cxr]
       calendrix KOMMANDO [valg]

Uten kommando åpnes vaktlisteprogrammet for avdelingen i DIR
(standard: gjeldende mappe), og FILE.cxr vises i forhåndsvisningen.

Kommandoer:
  init DIR     opprett en tom avdeling i DIR (eksisterende filer beholdes;
               med --repair legges skadde til side og lages på nytt)
  demo DIR     opprett en eksempelavdeling i DIR
  make OUT.cxr lag en vaktlistefil fra avdelingen (--data DIR)
  print F.cxr  skriv ut merknadene og vaktlisten i en vaktlistefil til PDF
  export F.cxr eksporter en vaktlistefil som kalendere, regneark eller CSV
  import FILE  importer soldater, fravær, helligdager eller arbeidsplaner fra
               CSV, en arbeidsbok (.xlsx) eller en kalender (.ics)
  export-personnel OUT.csv|OUT.xlsx
               skriv soldatene med kolonnene som import leser
  candidates F.cxr
               hvem som kan ta en periode av en vakt, i kjøringens rekkefølge
  replace F.cxr
               gi en periode til en annen soldat (--next eller --by NAME)
  swap F.cxr   to soldater i en vakt bytter perioder
  undo         ta tilbake siste vaktlistekjøring, import, erstatning eller bytte
  history      list endringene som kan tas tilbake
  fairness     hvor jevnt vaktene fordeles: tabell, CSV eller PDF med diagrammer

Kjør &apos;calendrix KOMMANDO --help&apos; for valgene til en kommando;
&apos;calendrix --version&apos; viser versjonen.
</translation>
    </message>
    <message>
        <source>Printing %1: duty %2 of %3</source>
        <translation>Skriver ut %1: vakt %2 av %3</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Vis denne hjelpen.</translation>
    </message>
    <message>
        <source>Usage: calendrix %1</source>
        <translation>Bruk: calendrix %1</translation>
    </message>
    <message>
        <source>--data needs a folder: --data DIR</source>
        <translation>--data krever en mappe: --data DIR</translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldat</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers</source>
        <extracomment>%1 is a folder, %2 a number of soldiers</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldater</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldater</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldat, med %3 tildeling som vaktlisten ikke lenger har, som avlyst</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldat, med %3 tildeling som vaktlisten ikke lenger har, som avlyst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldater, med %3 tildeling som vaktlisten ikke lenger har, som avlyst</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldater, med %3 tildeling som vaktlisten ikke lenger har, som avlyst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignments that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldat, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldat, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignments that the roster no longer has as cancelled</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments</extracomment>
        <translation>
            <numerusform>skrev %n kalender i %1: all.ics og én for hver av %2 soldater, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst</numerusform>
            <numerusform>skrev %n kalendere i %1: all.ics og én for hver av %2 soldater, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %1: Summary and %n duty sheets</source>
        <translation>
            <numerusform>skrev %1: Oversikt og %n vaktark</numerusform>
            <numerusform>skrev %1: Oversikt og %n vaktark</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>wrote %1: %n assignments</source>
        <translation>
            <numerusform>skrev %1: %n tildeling</numerusform>
            <numerusform>skrev %1: %n tildelinger</numerusform>
        </translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>skrev %1</translation>
    </message>
    <message>
        <source>%1 Run &apos;%2&apos;: it sets damaged files aside and makes them anew.</source>
        <translation>%1 Kjør &apos;%2&apos;: den legger skadde filer til side og lager dem på nytt.</translation>
    </message>
    <message>
        <source>Create an empty unit.</source>
        <translation>Opprett en tom avdeling.</translation>
    </message>
    <message>
        <source>The unit folder; created when missing.</source>
        <translation>Avdelingens mappe; opprettes hvis den mangler.</translation>
    </message>
    <message>
        <source>Set every unit file that is missing or damaged aside as NAME.damaged-YYYYMMDD-HHMMSS and make it anew; sound files are not touched.</source>
        <translation>Legg hver fil i avdelingen som mangler eller er skadet, til side som NAME.damaged-YYYYMMDD-HHMMSS og lag den på nytt; hele filer røres ikke.</translation>
    </message>
    <message>
        <source>set aside %1 as %2: %3</source>
        <translation>la %1 til side som %2: %3</translation>
    </message>
    <message>
        <source>created %1</source>
        <translation>opprettet %1</translation>
    </message>
    <message>
        <source>kept    %1</source>
        <extracomment>the spaces line the names up under those of &quot;created %1&quot;</extracomment>
        <translation>beholdt   %1</translation>
    </message>
    <message>
        <source>Create an example unit.</source>
        <translation>Opprett en eksempelavdeling.</translation>
    </message>
    <message>
        <source>A new or empty folder for the example unit.</source>
        <translation>En ny eller tom mappe for eksempelavdelingen.</translation>
    </message>
    <message>
        <source>company (about 150 soldiers, 10 duties), battalion (800, 30) brigade (4000, 80) or division (20000, 80).</source>
        <translation>company (kompani, om lag 150 soldater, 10 vakter), battalion (bataljon, 800, 30), brigade (brigade, 4000, 80) eller division (divisjon, 20000, 80).</translation>
    </message>
    <message>
        <source>Seed of the example; the same seed gives the same unit.</source>
        <translation>Startverdi for eksempelet; samme startverdi gir samme avdeling.</translation>
    </message>
    <message>
        <source>First scheduled day, YYYY-MM-DD (default: tomorrow).</source>
        <translation>Første planlagte dag, ÅÅÅÅ-MM-DD (standard: i morgen).</translation>
    </message>
    <message>
        <source>demo needs exactly one folder: calendrix demo DIR</source>
        <translation>demo krever nøyaktig én mappe: calendrix demo DIR</translation>
    </message>
    <message>
        <source>--scale must be company, battalion, brigade or division, not &apos;%1&apos;</source>
        <translation>--scale må være company, battalion, brigade eller division, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from must be a date YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--from må være en dato ÅÅÅÅ-MM-DD, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--from must be %1 or earlier, so that every duty&apos;s 36 periods end by 9999-12-31, not &apos;%2&apos;</source>
        <translation>--from må være %1 eller tidligere, slik at hver vakts 36 perioder slutter innen 9999-12-31, ikke &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Example unit in %1: %2 soldiers, %3 duties, %4 periods, %5 absences, %6 holidays</source>
        <extracomment>%1 is the folder; an example unit always has many of each</extracomment>
        <translation>Eksempelavdeling i %1: %2 soldater, %3 vakter, %4 perioder, %5 fravær, %6 helligdager</translation>
    </message>
    <message>
        <source>QUESTION: %1 No (give --replace to replace it)</source>
        <extracomment>%1 asks whether to replace a file; the command line answers it</extracomment>
        <translation>SPØRSMÅL: %1 Nei (gi --replace for å erstatte den)</translation>
    </message>
    <message>
        <source>Make a roster datafile from the unit, as File &gt; Make New Datafile does.</source>
        <translation>Lag en vaktlistefil fra avdelingen, slik Fil &gt; Lag ny vaktlistefil gjør.</translation>
    </message>
    <message>
        <source>The roster datafile to make.</source>
        <translation>Vaktlistefilen som skal lages.</translation>
    </message>
    <message>
        <source>The unit folder (default: the current folder).</source>
        <translation>Avdelingens mappe (standard: gjeldende mappe).</translation>
    </message>
    <message>
        <source>Replace OUT.cxr when it exists.</source>
        <translation>Erstatt OUT.cxr hvis den finnes.</translation>
    </message>
    <message>
        <source>Make a draft: the same roster, marked as a draft, with the counters and assignment dates left as they are.</source>
        <translation>Lag et utkast: den samme vaktlisten, merket som utkast, med tellere og tildelingsdatoer uendret.</translation>
    </message>
    <message>
        <source>Print a roster datafile&apos;s remarks and roster into one PDF file, with the unit&apos;s layouts Remarks.rpt and Roster.rpt, as File &gt; Open/Print Rosters does.</source>
        <translation>Skriv ut merknadene og vaktlisten i en vaktlistefil til én PDF-fil, med avdelingens oppsett Remarks.rpt og Roster.rpt, slik Fil &gt; Åpne/skriv ut vaktlister gjør.</translation>
    </message>
    <message>
        <source>The roster datafile to print.</source>
        <translation>Vaktlistefilen som skal skrives ut.</translation>
    </message>
    <message>
        <source>The unit folder with the layouts (default: the current folder).</source>
        <translation>Avdelingens mappe med oppsettene (standard: gjeldende mappe).</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <translation>PDF-filen som skal skrives.</translation>
    </message>
    <message>
        <source>a4 (default) or letter.</source>
        <translation>a4 (standard) eller letter.</translation>
    </message>
    <message>
        <source>Replace OUT.pdf when it exists.</source>
        <translation>Erstatt OUT.pdf hvis den finnes.</translation>
    </message>
    <message>
        <source>print needs exactly one datafile: calendrix print FILE.cxr --pdf OUT.pdf</source>
        <translation>print krever nøyaktig én vaktlistefil: calendrix print FILE.cxr --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>print needs the file to write: --pdf OUT.pdf</source>
        <translation>print krever filen som skal skrives: --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper må være a4 eller letter, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>QUESTION: %1 already exists. Replace? No (give --replace to replace it)</source>
        <translation>SPØRSMÅL: %1 finnes allerede. Erstatte? Nei (gi --replace for å erstatte den)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leser %1...</translation>
    </message>
    <message>
        <source>printed %1</source>
        <translation>skrev ut %1</translation>
    </message>
    <message>
        <source>Printing &apos;%1&apos; needs more memory than there is.</source>
        <translation>Utskrift av &apos;%1&apos; krever mer minne enn det finnes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be printed: %2.</source>
        <translation>&apos;%1&apos; kan ikke skrives ut: %2.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (try calendrix --help)</source>
        <translation>ukjent kommando &apos;%1&apos; (prøv calendrix --help)</translation>
    </message>
    <message>
        <source>The unit folder.</source>
        <translation>Avdelingens mappe.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; does not exist.</source>
        <translation>Vaktlistefilen &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; does not exist.</source>
        <translation>Avdelingsmappen &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; a unit is kept in a folder.</source>
        <translation>&apos;%1&apos; er ikke en mappe; en avdeling lagres i en mappe.</translation>
    </message>
    <message>
        <source>The duty, as the roster names it.</source>
        <translation>Vakten, slik vaktlisten kaller den.</translation>
    </message>
    <message>
        <source>The period: its column on the roster, from 1.</source>
        <translation>Perioden: dens kolonne i vaktlisten, fra 1.</translation>
    </message>
    <message>
        <source>The period that holds this day (YYYY-MM-DD).</source>
        <translation>Perioden som inneholder denne dagen (ÅÅÅÅ-MM-DD).</translation>
    </message>
    <message>
        <source>Why, as the roster&apos;s remarks will tell it.</source>
        <translation>Hvorfor, slik vaktlistens merknader vil si det.</translation>
    </message>
    <message>
        <source>give one roster datafile: calendrix %1</source>
        <translation>oppgi én vaktlistefil: calendrix %1</translation>
    </message>
    <message>
        <source>give the duty: --duty NAME</source>
        <translation>oppgi vakten: --duty NAME</translation>
    </message>
    <message>
        <source>give the period either by --period N or by --day DATE</source>
        <translation>oppgi perioden enten med --period N eller med --day DATE</translation>
    </message>
    <message>
        <source>give the period: --period N</source>
        <translation>oppgi perioden: --period N</translation>
    </message>
    <message>
        <source>--period takes a column number from 1</source>
        <translation>--period tar et kolonnenummer fra 1</translation>
    </message>
    <message>
        <source>--day takes a date as YYYY-MM-DD</source>
        <translation>--day tar en dato som ÅÅÅÅ-MM-DD</translation>
    </message>
    <message>
        <source>duty &apos;%1&apos;, period %2 (%3 to %4, %5)</source>
        <translation>vakt &apos;%1&apos;, periode %2 (%3 til %4, %5)</translation>
    </message>
    <message>
        <source>holiday</source>
        <translation>helligdag</translation>
    </message>
    <message>
        <source>normal day</source>
        <translation>vanlig dag</translation>
    </message>
    <message>
        <source>%1: %2 off, %3 on</source>
        <extracomment>%1 is a duty&apos;s period, %2 the soldier taken off it, %3 the one who stands it now</extracomment>
        <translation>%1: %2 av, %3 på</translation>
    </message>
    <message>
        <source>Changed the draft; its counters are not kept, and no undo takes it back.</source>
        <translation>Utkastet er endret; tellerne føres ikke, og ingen angring tar det tilbake.</translation>
    </message>
    <message>
        <source>Changed; &apos;calendrix undo&apos; takes it back.</source>
        <translation>Endret; &apos;calendrix undo&apos; tar det tilbake.</translation>
    </message>
    <message>
        <source>List the soldiers qualified for a period of a duty on a roster, in the order the roster run would take them as the counters stand now: lowest counter of the period&apos;s day class, then the highest rank, then the name. Each line tells whether the soldier is free, and if not, why.</source>
        <translation>List soldatene som er kvalifisert for en periode av en vakt i en vaktliste, i den rekkefølgen vaktlistekjøringen ville tatt dem slik tellerne står nå: laveste teller for periodens dagtype, så høyeste grad, så navnet. Hver linje sier om soldaten er ledig, og hvis ikke, hvorfor.</translation>
    </message>
    <message>
        <source>The roster datafile.</source>
        <translation>Vaktlistefilen.</translation>
    </message>
    <message>
        <source>%1, a draft</source>
        <translation>%1, et utkast</translation>
    </message>
    <message>
        <source>Soldier	Rank	Count	HCount	State</source>
        <extracomment>the headings of a table whose columns are separated by tabs: the soldier, his rank, his normal and his holiday counter, and whether he is free</extracomment>
        <translation>Soldat	Grad	Teller	HTeller	Status</translation>
    </message>
    <message>
        <source>stands it</source>
        <translation>har den</translation>
    </message>
    <message>
        <source>free</source>
        <translation>ledig</translation>
    </message>
    <message>
        <source>Take the soldier who stands a period of a duty off it and give it to the first free candidate (--next) or to the soldier named (--by). His counter of the period&apos;s day class goes down by one, the other&apos;s up by one, and the assignment dates and the roster follow.</source>
        <translation>Ta soldaten som har en periode av en vakt, av den og gi den til den første ledige kandidaten (--next) eller til soldaten som nevnes (--by). Hans teller for periodens dagtype går ned med én, den andres opp med én, og tildelingsdatoene og vaktlisten følger.</translation>
    </message>
    <message>
        <source>Give the period to the first free candidate.</source>
        <translation>Gi perioden til den første ledige kandidaten.</translation>
    </message>
    <message>
        <source>Give the period to this soldier.</source>
        <translation>Gi perioden til denne soldaten.</translation>
    </message>
    <message>
        <source>give either --next or --by NAME</source>
        <translation>oppgi enten --next eller --by NAME</translation>
    </message>
    <message>
        <source>The soldiers of two periods of a duty trade them. Their counters change only where the two periods&apos; day classes differ.</source>
        <translation>Soldatene i to perioder av en vakt bytter dem. Tellerne deres endres bare der de to periodenes dagtyper er ulike.</translation>
    </message>
    <message>
        <source>The other period: its column on the roster.</source>
        <translation>Den andre perioden: dens kolonne i vaktlisten.</translation>
    </message>
    <message>
        <source>give the other period: --with-period M, a column number from 1</source>
        <translation>oppgi den andre perioden: --with-period M, et kolonnenummer fra 1</translation>
    </message>
    <message>
        <source>%1 It was skipped.</source>
        <translation>%1 Filen ble hoppet over.</translation>
    </message>
    <message>
        <source>QUESTION: %1 [y/N] </source>
        <extracomment>y and yes are the answers read as Yes, whatever the language</extracomment>
        <translation>SPØRSMÅL: %1 [j/N] </translation>
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
        <translation>Ta tilbake den siste vaktlistekjøringen i avdelingens historikkmappe, slik Verktøy &gt; Angre siste vaktlistekjøring gjør: tellere, tildelingsdatoer og vakthoder blir som de var før den, og vaktlistefilen flyttes til historikkmappen.</translation>
    </message>
    <message>
        <source>Do not ask.</source>
        <translation>Ikke spør.</translation>
    </message>
    <message>
        <source>Undo even when counters or assignment dates were changed after the run.</source>
        <translation>Angre selv om tellere eller tildelingsdatoer ble endret etter kjøringen.</translation>
    </message>
    <message>
        <source>Undo %1?</source>
        <translation>Angre %1?</translation>
    </message>
    <message>
        <source>%1 %2 Undoing it anyway loses those changes.</source>
        <extracomment>%1 is the question, %2 what was changed since</extracomment>
        <translation>%1 %2 Angres det likevel, går disse endringene tapt.</translation>
    </message>
    <message>
        <source>QUESTION: %1 No (give --yes to undo it)</source>
        <translation>SPØRSMÅL: %1 Nei (gi --yes for å angre)</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that import anyway.</source>
        <extracomment>%1 says what was changed since</extracomment>
        <translation>%1 Ingenting ble angret; gi --force for å angre importen likevel.</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that change anyway.</source>
        <translation>%1 Ingenting ble angret; gi --force for å angre endringen likevel.</translation>
    </message>
    <message>
        <source>%1 Nothing was undone; give --force to undo that run anyway.</source>
        <translation>%1 Ingenting ble angret; gi --force for å angre kjøringen likevel.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Angret: %1.</translation>
    </message>
    <message>
        <source>%1 Those changes are lost.</source>
        <translation>%1 Disse endringene er tapt.</translation>
    </message>
    <message>
        <source>Its datafile is kept as %1</source>
        <translation>Vaktlistefilen er beholdt som %1</translation>
    </message>
    <message>
        <source>List the roster runs that can be taken back, the unit&apos;s last run first: time, datafile, duties and periods filled.</source>
        <translation>List vaktlistekjøringene som kan tas tilbake, avdelingens siste kjøring først: tid, vaktlistefil, vakter og besatte perioder.</translation>
    </message>
    <message>
        <source>swap on duty &apos;%1&apos;: %2 and %3 trade periods %4 and %5</source>
        <extracomment>%1 is a duty, %2 and %3 soldiers, %4 and %5 the periods&apos; columns on the roster</extracomment>
        <translation>bytte i vakt &apos;%1&apos;: %2 og %3 bytter periode %4 og %5</translation>
    </message>
    <message>
        <source>replace on duty &apos;%1&apos;: period %2, %3 by %4</source>
        <extracomment>%1 is a duty, %2 the period&apos;s column, %3 the soldier taken off it, %4 the one who took it</extracomment>
        <translation>erstatning i vakt &apos;%1&apos;: periode %2, %3 med %4</translation>
    </message>
    <message>
        <source>import of soldiers: %1 added, %2 updated</source>
        <translation>import av soldater: %1 lagt til, %2 oppdatert</translation>
    </message>
    <message>
        <source>import of absences: %1 added</source>
        <translation>import av fravær: %1 lagt til</translation>
    </message>
    <message>
        <source>import of holidays: %1 added</source>
        <translation>import av helligdager: %1 lagt til</translation>
    </message>
    <message>
        <source>import of work schedules: %1 added</source>
        <translation>import av arbeidsplaner: %1 lagt til</translation>
    </message>
    <message numerus="yes">
        <source>%n duties</source>
        <translation>
            <numerusform>%n vakt</numerusform>
            <numerusform>%n vakter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n periods filled</source>
        <translation>
            <numerusform>%n periode besatt</numerusform>
            <numerusform>%n perioder besatt</numerusform>
        </translation>
    </message>
    <message>
        <source>the file</source>
        <translation>filen</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>hendelse %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linje %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rad %1</translation>
    </message>
    <message>
        <source>REFUSED</source>
        <translation>AVVIST</translation>
    </message>
    <message>
        <source>add</source>
        <translation>legg til</translation>
    </message>
    <message>
        <source>update</source>
        <translation>oppdater</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>uendret</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>utelatt</translation>
    </message>
    <message>
        <source>Import soldiers, absences, holidays or work schedules from a CSV file, a workbook (.xlsx) or, for holidays, a calendar (.ics). Columns are found by their titles: soldiers Name, Rank, Section and one per qualification (its title in Setup, or Q1 to Q15); absences Name, From, To, Reason; holidays Name, From, To; work schedules Duty, From, To. Nothing is imported while a row is refused, and an import is taken back by &apos;calendrix undo&apos;.</source>
        <translation>Importer soldater, fravær, helligdager eller arbeidsplaner fra en CSV-fil, en arbeidsbok (.xlsx) eller, for helligdager, en kalender (.ics). Kolonnene finnes ved overskriftene, som forblir engelske: soldater Name, Rank, Section og én per kvalifikasjon (tittelen i Oppsett, eller Q1 til Q15); fravær Name, From, To, Reason; helligdager Name, From, To; arbeidsplaner Duty, From, To. Ingenting importeres så lenge en rad avvises, og en import tas tilbake med &apos;calendrix undo&apos;.</translation>
    </message>
    <message>
        <source>The file to import; it is only read.</source>
        <translation>Filen som skal importeres; den blir bare lest.</translation>
    </message>
    <message>
        <source>The file lists soldiers.</source>
        <translation>Filen lister soldater.</translation>
    </message>
    <message>
        <source>The file lists absences.</source>
        <translation>Filen lister fravær.</translation>
    </message>
    <message>
        <source>The file lists holidays.</source>
        <translation>Filen lister helligdager.</translation>
    </message>
    <message>
        <source>The file lists work schedules.</source>
        <translation>Filen lister arbeidsplaner.</translation>
    </message>
    <message>
        <source>Update soldiers already in the unit.</source>
        <translation>Oppdater soldater som allerede er i avdelingen.</translation>
    </message>
    <message>
        <source>Say what would be imported; change nothing.</source>
        <translation>Si hva som ville blitt importert; endre ingenting.</translation>
    </message>
    <message>
        <source>The workbook&apos;s sheet to read (default: the first).</source>
        <translation>Arket i arbeidsboken som skal leses (standard: det første).</translation>
    </message>
    <message>
        <source>A calendar&apos;s repeating holidays are taken for N years (default 2).</source>
        <translation>En kalenders gjentakende helligdager tas med for N år (standard 2).</translation>
    </message>
    <message>
        <source>give one file to import: calendrix %1</source>
        <translation>oppgi én fil som skal importeres: calendrix %1</translation>
    </message>
    <message>
        <source>give one of --soldiers, --absences, --holidays and --schedule</source>
        <translation>oppgi én av --soldiers, --absences, --holidays og --schedule</translation>
    </message>
    <message>
        <source>say what the file lists: --soldiers, --absences, --holidays or --schedule</source>
        <translation>si hva filen lister: --soldiers, --absences, --holidays eller --schedule</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 50</source>
        <translation>--years tar et antall år fra 1 til 50</translation>
    </message>
    <message>
        <source>a calendar (.ics) holds holidays: give --holidays</source>
        <translation>en kalender (.ics) inneholder helligdager: gi --holidays</translation>
    </message>
    <message>
        <source>Read the sheet &apos;%1&apos;.</source>
        <translation>Leste arket &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Nothing was imported.
%1</source>
        <translation>Ingenting ble importert.
%1</translation>
    </message>
    <message>
        <source>%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.</source>
        <translation>%1 å legge til, %2 å oppdatere, %3 uendret, %4 utelatt, %5 avvist.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it was added to Setup&apos;s list.</source>
        <translation>Troppen &apos;%1&apos; er ny; den ble lagt til i listen i Oppsett.</translation>
    </message>
    <message>
        <source>The section &apos;%1&apos; is new; it would be added to Setup&apos;s list.</source>
        <translation>Troppen &apos;%1&apos; er ny; den ville blitt lagt til i listen i Oppsett.</translation>
    </message>
    <message>
        <source>Nothing was imported: mend the refused rows and import the file again.</source>
        <translation>Ingenting ble importert: rett de avviste radene og importer filen på nytt.</translation>
    </message>
    <message>
        <source>Write the unit&apos;s soldiers into a CSV file or a workbook (.xlsx) with the columns that &apos;calendrix import --soldiers&apos; reads: edited in a spreadsheet program, the file is imported back with --update.</source>
        <translation>Skriv avdelingens soldater til en CSV-fil eller en arbeidsbok (.xlsx) med kolonnene som &apos;calendrix import --soldiers&apos; leser: redigert i et regneark, importeres filen tilbake med --update.</translation>
    </message>
    <message>
        <source>The file to write: OUT.csv or OUT.xlsx.</source>
        <translation>Filen som skal skrives: OUT.csv eller OUT.xlsx.</translation>
    </message>
    <message>
        <source>Write over OUT when it exists.</source>
        <translation>Skriv over OUT hvis den finnes.</translation>
    </message>
    <message>
        <source>give one file to write: calendrix %1</source>
        <translation>oppgi én fil som skal skrives: calendrix %1</translation>
    </message>
    <message>
        <source>the file to write ends in .csv or .xlsx</source>
        <translation>filen som skal skrives, ender på .csv eller .xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another file to write.</source>
        <translation>&apos;%1&apos; er en av avdelingens egne filer; velg en annen fil å skrive.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists; give --replace to write over it.</source>
        <translation>&apos;%1&apos; finnes; gi --replace for å skrive over den.</translation>
    </message>
    <message>
        <source>Export a roster datafile as calendars (iCalendar), a spreadsheet (xlsx) or CSV, as File &gt; Export Roster does. Give one or more of --ics, --xlsx and --csv.</source>
        <translation>Eksporter en vaktlistefil som kalendere (iCalendar), et regneark (xlsx) eller CSV, slik Fil &gt; Eksporter vaktliste gjør. Gi én eller flere av --ics, --xlsx og --csv.</translation>
    </message>
    <message>
        <source>The roster datafile to export; it is only read.</source>
        <translation>Vaktlistefilen som skal eksporteres; den blir bare lest.</translation>
    </message>
    <message>
        <source>The unit folder, whose own files are never written over (default: the current folder).</source>
        <translation>Avdelingens mappe, der egne filer aldri skrives over (standard: gjeldende mappe).</translation>
    </message>
    <message>
        <source>Replace files of the export that exist.</source>
        <translation>Erstatt eksportfiler som finnes.</translation>
    </message>
    <message>
        <source>A folder for calendars: all.ics with every assignment and one .ics file per soldier who stands a duty; made when missing.</source>
        <translation>En mappe for kalendere: all.ics med alle tildelinger og én .ics-fil per soldat som har en vakt; opprettes hvis den mangler.</translation>
    </message>
    <message>
        <source>A spreadsheet: a summary and one sheet per duty.</source>
        <translation>Et regneark: en oversikt og ett ark per vakt.</translation>
    </message>
    <message>
        <source>Comma-separated values, one row per assignment.</source>
        <translation>Kommaseparerte verdier, én rad per tildeling.</translation>
    </message>
    <message>
        <source>export needs exactly one datafile: calendrix %1</source>
        <translation>export krever nøyaktig én vaktlistefil: calendrix %1</translation>
    </message>
    <message>
        <source>--%1 may be given once</source>
        <translation>--%1 kan bare gis én gang</translation>
    </message>
    <message>
        <source>--%1 needs a name: --%1 %2</source>
        <translation>--%1 krever et navn: --%1 %2</translation>
    </message>
    <message>
        <source>export needs at least one of --ics DIR, --xlsx OUT.xlsx and --csv OUT.csv</source>
        <translation>export krever minst én av --ics DIR, --xlsx OUT.xlsx og --csv OUT.csv</translation>
    </message>
    <message>
        <source>%1 already exists. Replace? No (give --replace to replace it)</source>
        <translation>%1 finnes allerede. Erstatte? Nei (gi --replace for å erstatte den)</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more files of the export already exist. Replace them? No (give --replace to replace them)</source>
        <extracomment>%1 is a file</extracomment>
        <translation>
            <numerusform>%1 og %n fil til i eksporten finnes allerede. Erstatte dem? Nei (gi --replace for å erstatte dem)</numerusform>
            <numerusform>%1 og %n filer til i eksporten finnes allerede. Erstatte dem? Nei (gi --replace for å erstatte dem)</numerusform>
        </translation>
    </message>
    <message>
        <source>QUESTION: %1</source>
        <translation>SPØRSMÅL: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be exported: %2.</source>
        <translation>&apos;%1&apos; kan ikke eksporteres: %2.</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <extracomment>headings of the fairness table; the figures are lined up under them</extracomment>
        <translation>Soldater</translation>
    </message>
    <message>
        <source>Normal min/med/max</source>
        <translation>Vanlig min/med/maks</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Spenn</translation>
    </message>
    <message>
        <source>Holiday min/med/max</source>
        <translation>Helligdag min/med/maks</translation>
    </message>
    <message>
        <source>Next in line</source>
        <translation>Neste i køen</translation>
    </message>
    <message>
        <source>%1 (holiday %2)</source>
        <extracomment>%1 is a duty, %2 the spread of its counters</extracomment>
        <translation>%1 (helligdag %2)</translation>
    </message>
    <message>
        <source>%1 (normal %2)</source>
        <translation>%1 (vanlig %2)</translation>
    </message>
    <message>
        <source>Largest spread: %1</source>
        <translation>Største spenn: %1</translation>
    </message>
    <message>
        <source>Qualified, yet without any duty: none</source>
        <translation>Kvalifisert, men uten noen vakt: ingen</translation>
    </message>
    <message>
        <source>Qualified, yet without any duty: %1: %2</source>
        <translation>Kvalifisert, men uten noen vakt: %1: %2</translation>
    </message>
    <message>
        <source>Show how evenly the duties fall: per duty the qualified soldiers, the lowest, median and highest counter, normal and holiday, and who is next in line; per soldier the totals. Without --csv or --pdf a table goes to standard output.</source>
        <translation>Vis hvor jevnt vaktene fordeles: per vakt de kvalifiserte soldatene, laveste, median og høyeste teller, vanlig og helligdag, og hvem som står for tur; per soldat summene. Uten --csv eller --pdf skrives en tabell til standard utdata.</translation>
    </message>
    <message>
        <source>Write the duties into OUT.csv and the soldiers into OUT-soldiers.csv.</source>
        <translation>Skriv vaktene til OUT.csv og soldatene til OUT-soldiers.csv.</translation>
    </message>
    <message>
        <source>Write the fairness report with its charts into OUT.pdf.</source>
        <translation>Skriv rettferdighetsrapporten med diagrammene til OUT.pdf.</translation>
    </message>
    <message>
        <source>Replace files that exist.</source>
        <translation>Erstatt filer som finnes.</translation>
    </message>
    <message>
        <source>fairness takes no file name; give --csv OUT.csv or --pdf OUT.pdf</source>
        <translation>fairness tar ikke noe filnavn; gi --csv OUT.csv eller --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 krever et navn</translation>
    </message>
    <message>
        <source>--csv and --pdf must name different files</source>
        <translation>--csv og --pdf må angi forskjellige filer</translation>
    </message>
    <message>
        <source>The fairness report needs more memory than there is.</source>
        <translation>Rettferdighetsrapporten krever mer minne enn det finnes.</translation>
    </message>
    <message>
        <source>init needs exactly one folder: %1</source>
        <translation>init trenger nøyaktig én mappe: %1</translation>
    </message>
    <message>
        <source>make needs exactly one datafile: %1</source>
        <translation>make trenger nøyaktig én vaktlistefil: %1</translation>
    </message>
    <message>
        <source>undo takes no file: %1</source>
        <translation>undo tar ingen fil: %1</translation>
    </message>
    <message>
        <source>history takes no file: %1</source>
        <translation>history tar ingen fil: %1</translation>
    </message>
    <message>
        <source>Imported; &apos;calendrix undo&apos; takes it back.</source>
        <translation>Importert; &apos;calendrix undo&apos; tar det tilbake.</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Ingenting å importere.</translation>
    </message>
    <message>
        <source>The command did its work, but its output could not be written in full: %1.</source>
        <translation>Kommandoen gjorde jobben sin, men utdataene kunne ikke skrives helt: %1.</translation>
    </message>
    <message>
        <source>The output could not be written in full: %1.</source>
        <translation>Utdataene kunne ikke skrives helt: %1.</translation>
    </message>
    <message>
        <source>Nothing is kept to undo: no roster run, import, replace or swap.</source>
        <translation>Ingenting er lagret å angre: ingen vaktlistekjøring, import, erstatning eller bytte.</translation>
    </message>
    <message>
        <source>No changes are kept for undo.</source>
        <translation>Ingen endringer er lagret for angring.</translation>
    </message>
    <message>
        <source>--seed must be a whole number from 0, not &apos;%1&apos;</source>
        <translation>--seed må være et heltall fra 0, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the window and the commands print, fairness, export, export-personnel, import and init are in %1, which cannot be started: %2. Reinstall Calendrix.</source>
        <translation>vinduet og kommandoene print, fairness, export, export-personnel, import og init ligger i %1, som ikke kan startes: %2. Installer Calendrix på nytt.</translation>
    </message>
</context>
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
        <source>Make Draft</source>
        <translation>Lag utkast</translation>
    </message>
    <message>
        <source>Comparing %1 with the draft...</source>
        <translation>Sammenligner %1 med utkastet...</translation>
    </message>
    <message>
        <source>Make It Count</source>
        <translation>Gjør gjeldende</translation>
    </message>
    <message>
        <source>Undo %1?

The counters and assignment dates become what they were before it.</source>
        <translation>Angre %1?

Tellere og tildelingsdatoer blir som før.</translation>
    </message>
    <message>
        <source>Nothing is kept to undo: no roster run, import, replace or swap.</source>
        <translation>Ingenting er lagret å angre: ingen vaktlistekjøring, import, erstatning eller bytte.</translation>
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
    <name>FairnessReport</name>
    <message>
        <source>Holiday %L1 / %2 / %L3</source>
        <comment>Lowest, median and highest counter</comment>
        <translation>Helligdag %L1 / %2 / %L3</translation>
    </message>
    <message>
        <source>Normal %L1 / %2 / %L3</source>
        <comment>Lowest, median and highest counter</comment>
        <translation>Hverdag %L1 / %2 / %L3</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>side %1 av %2</translation>
    </message>
    <message>
        <source>Counters per duty</source>
        <translation>Tellere per vakt</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>Holiday   line: minimum to maximum, box: middle half, bar: median</source>
        <translation>Helligdag   linje: minimum til maksimum, boks: midtre halvdel, strek: median</translation>
    </message>
    <message>
        <source>no qualified soldier</source>
        <translation>ingen kvalifisert soldat</translation>
    </message>
    <message>
        <source>Largest spread: %1</source>
        <translation>Største spredning: %1</translation>
    </message>
    <message>
        <source>How many soldiers stand at each normal counter (%L1 qualified; minimum %L2, median %3, mean %4, maximum %L5).</source>
        <translation>Hvor mange soldater som står på hver hverdagsteller (%L1 kvalifisert; minimum %L2, median %3, gjennomsnitt %4, maksimum %L5).</translation>
    </message>
    <message numerus="yes">
        <source>Counters %L1 to %L2 from left to right; the highest bar is %Ln soldiers.</source>
        <translation>
            <numerusform>Tellere %L1 til %L2 fra venstre mot høyre; den høyeste søylen er %Ln soldat.</numerusform>
            <numerusform>Tellere %L1 til %L2 fra venstre mot høyre; den høyeste søylen er %Ln soldater.</numerusform>
        </translation>
    </message>
    <message>
        <source>Soldiers by their total</source>
        <translation>Soldater etter sum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Rank</source>
        <comment>Heading of a narrow column</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Tropp</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Vakter</translation>
    </message>
    <message>
        <source>Holiday</source>
        <comment>Heading of a narrow column</comment>
        <translation>Helligd.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Fairness – %1</source>
        <comment>The unit&apos;s name</comment>
        <translation>Rettferdig fordeling – %1</translation>
    </message>
    <message>
        <source>Largest spread of holiday counters: %1 (%L2).</source>
        <translation>Største spredning i helligdagstellerne: %1 (%L2).</translation>
    </message>
    <message>
        <source>Largest spread of normal counters: %1 (%L2).</source>
        <translation>Største spredning i hverdagstellerne: %1 (%L2).</translation>
    </message>
    <message>
        <source>Every qualified soldier has stood a duty since his counters began.</source>
        <translation>Hver kvalifiserte soldat har gått en vakt siden tellerne hans startet.</translation>
    </message>
    <message numerus="yes">
        <source>Qualified, yet without any duty (%Ln): %1.</source>
        <translation>
            <numerusform>Kvalifisert, men uten noen vakt (%Ln): %1.</numerusform>
            <numerusform>Kvalifisert, men uten noen vakt (%Ln): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <comment>The report&apos;s title, then the day it was printed</comment>
        <translation>%1, skrevet ut %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln soldiers (%L1 qualified for a duty), %L2 duties.</source>
        <translation>
            <numerusform>%Ln soldat (%L1 kvalifisert for en vakt), %L2 vakter.</numerusform>
            <numerusform>%Ln soldater (%L1 kvalifisert for en vakt), %L2 vakter.</numerusform>
        </translation>
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
    <name>NoticeText</name>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldat.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldater.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldater.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldat, med %3 tildeling som vaktlisten ikke lenger har, som avlyst.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldat, med %3 tildeling som vaktlisten ikke lenger har, som avlyst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldater, med %3 tildeling som vaktlisten ikke lenger har, som avlyst.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldater, med %3 tildeling som vaktlisten ikke lenger har, som avlyst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignments that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers (here 1), %3 of assignments</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldat, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldat, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignments that the roster no longer has as cancelled.</source>
        <extracomment>%1 is a folder, %2 a number of soldiers, %3 of assignments</extracomment>
        <translation>
            <numerusform>Skrev %n kalender i %1: all.ics og én for hver av %2 soldater, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst.</numerusform>
            <numerusform>Skrev %n kalendere i %1: all.ics og én for hver av %2 soldater, med %3 tildelinger som vaktlisten ikke lenger har, som avlyst.</numerusform>
        </translation>
    </message>
    <message>
        <source>An earlier roster run or undo that did not finish could not be settled; nothing was changed.
%1</source>
        <translation>En tidligere vaktlistekjøring eller angring som ikke ble fullført, kunne ikke ryddes opp; ingenting ble endret.
%1</translation>
    </message>
    <message>
        <source>Cannot open: %1 (&apos;%2&apos;)</source>
        <extracomment>%1 is why (such as &quot;the disk is full&quot;), %2 the file; keep &quot; (&apos;%2&apos;)&quot; as it is</extracomment>
        <translation>Kan ikke åpne: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot check: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke kontrollere: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot create: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke opprette: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>reading the layout of %3: %1 (&apos;%2&apos;)</source>
        <translation>ved lesing av oppbyggingen av %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>reading the table header: %1 (&apos;%2&apos;)</source>
        <translation>ved lesing av tabellhodet: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot add the table %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke legge til tabellen %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot start writing: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke begynne å skrive: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot save the changes: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lagre endringene: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot prepare a statement: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke forberede en setning: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot write to %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke skrive til %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lese %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot add a row to %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke legge til en rad i %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot save a row of %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lagre en rad i %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot delete a row of %3: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke slette en rad i %3: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot copy &apos;%3&apos; into the folder &apos;%4&apos;: %1</source>
        <translation>Kan ikke kopiere &apos;%3&apos; til mappen &apos;%4&apos;: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link to a file that does not exist, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er en lenke til en fil som ikke finnes, ikke en %2 fra Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an empty file, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er en tom fil, ikke en %2 fra Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a database file, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er ikke en databasefil, ikke en %2 fra Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a Calendrix %2, not a Calendrix %3.</source>
        <extracomment>%1 is a file, %2 and %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er en %2 fra Calendrix, ikke en %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is another program&apos;s database, not a Calendrix %2.</source>
        <extracomment>%1 is a file, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er et annet programs database, ikke en %2 fra Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a Calendrix %3.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er %2, ikke en %3 fra Calendrix.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was made by a newer version of Calendrix.</source>
        <translation>&apos;%1&apos; ble laget av en nyere versjon av Calendrix.</translation>
    </message>
    <message>
        <source>The table %1 is missing from &apos;%2&apos;.</source>
        <translation>Tabellen %1 mangler i &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: its table %2 does not have the layout of a %3.</source>
        <extracomment>%1 is a file, %2 a table, %3 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>&apos;%1&apos; er skadet: tabellen %2 har ikke oppbyggingen til en %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: its table header has no row.</source>
        <translation>&apos;%1&apos; er skadet: tabellhodet har ingen rad.</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is damaged (%3).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 what is wrong</extracomment>
        <translation>Filen &apos;%2&apos; (%1) er skadet (%3).</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is damaged and cannot be copied (%3).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 what is wrong</extracomment>
        <translation>Filen &apos;%2&apos; (%1) er skadet og kan ikke kopieres (%3).</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; does not exist.</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file</extracomment>
        <translation>Filen &apos;%2&apos; (%1) finnes ikke.</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file, %3 the system&apos;s reason</extracomment>
        <translation>Filen &apos;%2&apos; (%1) kan ikke leses: %3</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read (no permission).</source>
        <extracomment>%1 is a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %2 the file</extracomment>
        <translation>Filen &apos;%2&apos; (%1) kan ikke leses (ingen tilgang).</translation>
    </message>
    <message>
        <source>Cannot read the header of &apos;%1&apos;.</source>
        <translation>Kan ikke lese hodet til &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Ingen database er åpen.</translation>
    </message>
    <message>
        <source>A transaction is already open.</source>
        <translation>En transaksjon er allerede åpen.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; is not part of a %2 (&apos;%3&apos;).</source>
        <extracomment>%1 is a table, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;, %3 the file</extracomment>
        <translation>Tabellen &apos;%1&apos; hører ikke til en %2 (&apos;%3&apos;).</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; is not part of a %2.</source>
        <extracomment>%1 is a table, %2 a file&apos;s kind: &quot;personnel database&quot;, &quot;working database&quot;, &quot;roster template&quot; or &quot;roster datafile&quot;</extracomment>
        <translation>Tabellen &apos;%1&apos; hører ikke til en %2.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: its database is not open.</source>
        <translation>Kan ikke åpne &apos;%1&apos;: databasen er ikke åpen.</translation>
    </message>
    <message>
        <source>Cannot write to &apos;%1&apos;: its database is not open.</source>
        <translation>Kan ikke skrive til &apos;%1&apos;: databasen er ikke åpen.</translation>
    </message>
    <message>
        <source>The database connection is not SQLite.</source>
        <translation>Databasetilkoblingen er ikke SQLite.</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Postsettet er ikke åpent.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Ingen gjeldende post.</translation>
    </message>
    <message>
        <source>The record is deleted.</source>
        <translation>Posten er slettet.</translation>
    </message>
    <message>
        <source>The record was deleted from %1 by someone else.</source>
        <translation>Posten ble slettet fra %1 av noen andre.</translation>
    </message>
    <message>
        <source>The table %1 has no field number %2.</source>
        <translation>Tabellen %1 har ikke felt nummer %2.</translation>
    </message>
    <message>
        <source>The table %1 has no field &apos;%2&apos;.</source>
        <translation>Tabellen %1 har ikke feltet &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>A field was changed without add-new or edit.</source>
        <translation>Et felt ble endret uten ny post eller redigering.</translation>
    </message>
    <message>
        <source>Update without add-new or edit.</source>
        <translation>Oppdatering uten ny post eller redigering.</translation>
    </message>
    <message>
        <source>The field %1 is assigned by the store and cannot be changed.</source>
        <translation>Feltet %1 tildeles av lageret og kan ikke endres.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for the field %2.</source>
        <translation>&apos;%1&apos; er ikke en gyldig verdi for feltet %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date. Type a date as the lists show it, for example %2 (%3).</source>
        <extracomment>%2 is an example date as the lists show it, %3 its pattern</extracomment>
        <translation>&apos;%1&apos; er ikke en dato. Skriv en dato slik listene viser den, for eksempel %2 (%3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a table name or a query of the form &quot;SELECT * FROM table ORDER BY field Asc|Desc, ...&quot;.</source>
        <translation>&apos;%1&apos; er ikke et tabellnavn eller en spørring på formen &quot;SELECT * FROM table ORDER BY field Asc|Desc, ...&quot;.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; does not exist.</source>
        <translation>Avdelingsmappen &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; a unit is kept in a folder.</source>
        <translation>&apos;%1&apos; er ikke en mappe; en avdeling lagres i en mappe.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be written (no permission).</source>
        <translation>Avdelingsmappen &apos;%1&apos; kan ikke skrives til (ingen tilgang).</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be written (is the disk full?).</source>
        <translation>Avdelingsmappen &apos;%1&apos; kan ikke skrives til (er disken full?).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link; the unit&apos;s lock file must be a file of its own. Remove it, and the unit can be opened.</source>
        <translation>&apos;%1&apos; er en lenke; avdelingens låsefil må være en egen fil. Fjern den, så kan avdelingen åpnes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not the unit&apos;s lock file. Remove it, and the unit can be opened.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; er %2, ikke avdelingens låsefil. Fjern den, så kan avdelingen åpnes.</translation>
    </message>
    <message>
        <source>The unit folder &apos;%1&apos; cannot be locked: %2</source>
        <translation>Avdelingsmappen &apos;%1&apos; kan ikke låses: %2</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is already open in another copy of Calendrix (process %2 on %3).</source>
        <translation>Avdelingen i &apos;%1&apos; er allerede åpen i en annen kopi av Calendrix (prosess %2 på %3).</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is already open in another copy of Calendrix (process %2 on this computer).</source>
        <translation>Avdelingen i &apos;%1&apos; er allerede åpen i en annen kopi av Calendrix (prosess %2 på denne datamaskinen).</translation>
    </message>
    <message>
        <source>The unit in &apos;%1&apos; is in use by another program.</source>
        <translation>Avdelingen i &apos;%1&apos; brukes av et annet program.</translation>
    </message>
    <message>
        <source>The counter of %1 for %2 would be %3, beyond the largest counter (32767). Lower the counters of this duty in Assignment Counters.</source>
        <translation>Telleren til %1 for %2 ville blitt %3, over den største telleren (32767). Senk tellerne for denne vakten under Tildelingstellere.</translation>
    </message>
    <message>
        <source>The Normal counter of %1 for %2 is %3, outside the range 0–32767. Correct it in Assignment Counters.</source>
        <translation>Den vanlige telleren til %1 for %2 er %3, utenfor området 0–32767. Rett den under Tildelingstellere.</translation>
    </message>
    <message>
        <source>The Holiday counter of %1 for %2 is %3, outside the range 0–32767. Correct it in Assignment Counters.</source>
        <translation>Helligdagstelleren til %1 for %2 er %3, utenfor området 0–32767. Rett den under Tildelingstellere.</translation>
    </message>
    <message>
        <source>A work-schedule period of %1 has no valid From date; correct or remove it on the Duty tab.</source>
        <translation>En periode i arbeidsplanen for %1 har ingen gyldig Fra-dato; rett eller fjern den i fanen Vakt.</translation>
    </message>
    <message>
        <source>A work-schedule period of %1 has no valid To date; correct or remove it on the Duty tab.</source>
        <translation>En periode i arbeidsplanen for %1 har ingen gyldig Til-dato; rett eller fjern den i fanen Vakt.</translation>
    </message>
    <message>
        <source>The datafile copied from the roster template template.tem has no header row for the first duty.</source>
        <translation>Vaktlistefilen som ble kopiert fra vaktlistemalen template.tem, har ingen hoderad for den første vakten.</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Kan ikke lese &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot rename &apos;%1&apos; to &apos;%2&apos;: %3</source>
        <translation>Kan ikke gi &apos;%1&apos; nytt navn til &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>Cannot rename &apos;%1&apos; beside &apos;%2&apos;.</source>
        <translation>Kan ikke gi &apos;%1&apos; nytt navn ved siden av &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2</source>
        <translation>&apos;%1&apos; kan ikke leses: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; er %2, ikke en fil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is empty</source>
        <translation>&apos;%1&apos; er tom</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a text file</source>
        <translation>&apos;%1&apos; er ikke en tekstfil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read as an option file: %2</source>
        <translation>&apos;%1&apos; kan ikke leses som en valgfil: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no number that a switch can have</source>
        <translation>&apos;%1&apos; inneholder ikke noe tall som en bryter kan ha</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a folder, so no roster run can be kept there for undo.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; er %2, ikke en mappe, så ingen vaktlistekjøring kan lagres der for angring.</translation>
    </message>
    <message>
        <source>Neither the remarks nor the roster of &apos;%2&apos; could be printed.
%1</source>
        <translation>Verken merknadene eller vaktlisten i &apos;%2&apos; kunne skrives ut.
%1</translation>
    </message>
    <message>
        <source>The remarks of &apos;%2&apos; could not be printed.
%1</source>
        <translation>Merknadene i &apos;%2&apos; kunne ikke skrives ut.
%1</translation>
    </message>
    <message>
        <source>The roster of &apos;%2&apos; could not be printed.
%1</source>
        <translation>Vaktlisten i &apos;%2&apos; kunne ikke skrives ut.
%1</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; needs more memory than there is.</source>
        <translation>Oppsettet &apos;%1&apos; krever mer minne enn det finnes.</translation>
    </message>
    <message>
        <source>The layout &apos;%2&apos; cannot be used: %1.</source>
        <translation>Oppsettet &apos;%2&apos; kan ikke brukes: %1.</translation>
    </message>
    <message>
        <source>Cannot make a file beside &apos;%1&apos;: %2</source>
        <translation>Kan ikke lage en fil ved siden av &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot make a file beside &apos;%1&apos;.</source>
        <translation>Kan ikke lage en fil ved siden av &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Kan ikke skrive &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos; to the disk: %2</source>
        <translation>Kan ikke skrive &apos;%1&apos; til disken: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists.</source>
        <translation>&apos;%1&apos; finnes allerede.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>Filen &apos;%1&apos; kan ikke skrives: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: the PDF cannot be started.</source>
        <translation>Filen &apos;%1&apos; kan ikke skrives: PDF-en kan ikke startes.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: the PDF cannot be finished.</source>
        <translation>Filen &apos;%1&apos; kan ikke skrives: PDF-en kan ikke fullføres.</translation>
    </message>
    <message>
        <source>Cannot remove &apos;%1&apos;: %2</source>
        <translation>Kan ikke fjerne &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;: %2</source>
        <translation>Kan ikke opprette mappen &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another name.</source>
        <translation>&apos;%1&apos; er en av avdelingens egne filer; velg et annet navn.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the datafile or a file of the unit; choose another name for the PDF.</source>
        <translation>&apos;%1&apos; er vaktlistefilen eller en fil i avdelingen; velg et annet navn for PDF-en.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a file of the unit; choose another name for the export.</source>
        <translation>&apos;%1&apos; er en fil i avdelingen; velg et annet navn for eksporten.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is a draft: nothing in it was counted. Its calendar events and sheets say &quot;%2&quot;; the CSV has no place for it.</source>
        <translation>Vaktlistefilen &apos;%1&apos; er et utkast: ingenting i den ble telt. Kalenderhendelsene og arkene sier &quot;%2&quot;; CSV-filen har ikke plass til det.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; does not say on which day its periods end (it was made by an earlier version); each assignment is exported as one day.</source>
        <translation>Vaktlistefilen &apos;%1&apos; sier ikke hvilken dag periodene slutter (den ble laget av en tidligere versjon); hver tildeling eksporteres som én dag.</translation>
    </message>
    <message>
        <source>The export was stopped; nothing was written.</source>
        <translation>Eksporten ble stoppet; ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Exporting &apos;%1&apos; needs more memory than there is.</source>
        <translation>Eksport av &apos;%1&apos; krever mer minne enn det finnes.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: Summary and %n duty sheets.</source>
        <extracomment>%1 is the workbook written</extracomment>
        <translation>
            <numerusform>Skrev %1: Oversikt og %n vaktark.</numerusform>
            <numerusform>Skrev %1: Oversikt og %n vaktark.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %1: %n assignments.</source>
        <extracomment>%1 is the CSV file written</extracomment>
        <translation>
            <numerusform>Skrev %1: %n tildeling.</numerusform>
            <numerusform>Skrev %1: %n tildelinger.</numerusform>
        </translation>
    </message>
    <message>
        <source>No name was given for the roster datafile.</source>
        <translation>Det ble ikke gitt noe navn på vaktlistefilen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files; choose another name for the roster.</source>
        <translation>&apos;%1&apos; er en av avdelingens egne filer; velg et annet navn for vaktlisten.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to replace %1?</source>
        <translation>Filen finnes allerede.  Vil du erstatte %1?</translation>
    </message>
    <message>
        <source>Sorry you have encountered error number %1</source>
        <translation>Beklager, feil nummer %1 har oppstått</translation>
    </message>
    <message>
        <source>An earlier roster run that did not finish could not be settled.
%1</source>
        <translation>En tidligere vaktlistekjøring som ikke ble fullført, kunne ikke ryddes opp.
%1</translation>
    </message>
    <message>
        <source>The roster could not be made; nothing was changed.
%1</source>
        <translation>Vaktlisten kunne ikke lages; ingenting ble endret.
%1</translation>
    </message>
    <message>
        <source>No qualified soldier is available for %1 on %2</source>
        <extracomment>%1 is a duty, %2 the first day of its period</extracomment>
        <translation>Ingen kvalifisert soldat er tilgjengelig for %1 den %2</translation>
    </message>
    <message>
        <source>SoldierName=&apos;%1&apos; could not add points for %2</source>
        <extracomment>%1 is a soldier, %2 a duty; SoldierName is a field name and stays</extracomment>
        <translation>SoldierName=&apos;%1&apos;: kunne ikke legge til poeng for %2</translation>
    </message>
    <message>
        <source>%1 is greater than the 36 columns</source>
        <translation>%1 er større enn de 36 kolonnene</translation>
    </message>
    <message>
        <source>Number of Holidays exceeds 99 maximum</source>
        <translation>Antall helligdager overstiger maksimum på 99</translation>
    </message>
    <message>
        <source>Could not locate %1 in output datafile</source>
        <translation>Fant ikke %1 i den lagde vaktlistefilen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the files of a roster run or undo that did not finish and cannot be settled without the working database; it is kept as &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; viser til filene fra en vaktlistekjøring eller angring som ikke ble fullført og ikke kan ryddes opp uten arbeidsdatabasen; den er beholdt som &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1 Run &apos;%2&apos;: it sets it aside and makes the folder anew.</source>
        <extracomment>%1 says why (whole sentences), %2 is the repair command</extracomment>
        <translation>%1 Kjør &apos;%2&apos;: den legger den til side og lager mappen på nytt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was %2, not a record of an unfinished roster run; it was set aside as &apos;%3&apos;.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 where it was set aside</extracomment>
        <translation>&apos;%1&apos; var %2, ikke en oppføring av en uferdig vaktlistekjøring; den ble lagt til side som &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was %2, not a record of an unfinished undo; it was set aside as &apos;%3&apos;.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;..., %3 where it was set aside</extracomment>
        <translation>&apos;%1&apos; var %2, ikke en oppføring av en uferdig angring; den ble lagt til side som &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>A record of an unfinished roster run, &apos;%1&apos;, could not be read and was removed.</source>
        <translation>En oppføring av en uferdig vaktlistekjøring, &apos;%1&apos;, kunne ikke leses og ble fjernet.</translation>
    </message>
    <message>
        <source>A record of an unfinished undo, &apos;%1&apos;, could not be read and was removed.</source>
        <translation>En oppføring av en uferdig angring, &apos;%1&apos;, kunne ikke leses og ble fjernet.</translation>
    </message>
    <message>
        <source>The roster run that was replacing &apos;%1&apos; did not finish; the file is as it was before that run, and so are the counters.</source>
        <translation>Vaktlistekjøringen som erstattet &apos;%1&apos;, ble ikke fullført; filen er som før kjøringen, og det samme er tellerne.</translation>
    </message>
    <message>
        <source>The roster run that was replacing &apos;%1&apos; did not finish; the counters are as they were before that run. The file it replaced is kept as &apos;%2&apos;.</source>
        <translation>Vaktlistekjøringen som erstattet &apos;%1&apos;, ble ikke fullført; tellerne er som før kjøringen. Filen den erstattet, er beholdt som &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The roster run that was making &apos;%1&apos; did not finish; the file was removed and the counters are as they were before that run.</source>
        <translation>Vaktlistekjøringen som lagde &apos;%1&apos;, ble ikke fullført; filen ble fjernet, og tellerne er som før kjøringen.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the roster run it took back.</source>
        <translation>En angring som ikke ble fullført, er gjort ferdig: tellerne er som før vaktlistekjøringen den tok tilbake.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the roster run it took back.
%1</source>
        <translation>En angring som ikke ble fullført, er gjort ferdig: tellerne er som før vaktlistekjøringen den tok tilbake.
%1</translation>
    </message>
    <message>
        <source>An undo that did not finish was abandoned: the counters and the roster datafile are as they were before it.</source>
        <translation>En angring som ikke ble fullført, ble forkastet: tellerne og vaktlistefilen er som før den.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; does not exist.</source>
        <translation>Oppsettet &apos;%1&apos; finnes ikke.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is not a file.</source>
        <translation>Oppsettet &apos;%1&apos; er ikke en fil.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be read: %2.</source>
        <translation>Oppsettet &apos;%1&apos; kan ikke leses: %2.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is larger than %2 MB, more than a layout may be.</source>
        <translation>Oppsettet &apos;%1&apos; er større enn %2 MB, mer enn et oppsett kan være.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is not a text file (UTF-8).</source>
        <translation>Oppsettet &apos;%1&apos; er ikke en tekstfil (UTF-8).</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; is empty.</source>
        <translation>Oppsettet &apos;%1&apos; er tomt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; does not say what it prints: its [layout] section needs report = roster or report = remarks.</source>
        <translation>Oppsettet &apos;%1&apos; sier ikke hva det skriver ut: seksjonen [layout] trenger report = roster eller report = remarks.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be filled in: a text would be larger than %2 MB.</source>
        <translation>Oppsettet &apos;%1&apos; kan ikke fylles ut: en tekst ville blitt større enn %2 MB.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; cannot be filled in: %2.</source>
        <translation>Oppsettet &apos;%1&apos; kan ikke fylles ut: %2.</translation>
    </message>
    <message>
        <source>No layout is set.</source>
        <translation>Ingen oppsett er angitt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; reads data file %2, which is not set.</source>
        <translation>Oppsettet &apos;%1&apos; leser datafil %2, som ikke er angitt.</translation>
    </message>
    <message>
        <source>There is nothing to write into &apos;%1&apos;.</source>
        <translation>Det er ingenting å skrive til &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: this is a layout in the old HTML form, which this version no longer reads; run &apos;calendrix init DIR --repair&apos; with DIR the unit folder (%3) to set it aside and install the new one.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: dette er et oppsett i den gamle HTML-formen, som denne versjonen ikke lenger leser; kjør &apos;calendrix init DIR --repair&apos; med DIR som avdelingsmappen (%3) for å legge det til side og installere det nye.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a section name must stand in [ ].</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: et seksjonsnavn må stå i [ ].</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: there is no section [%3]; the sections are %4.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: det finnes ingen seksjon [%3]; seksjonene er %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: &apos;%3&apos; is neither a [section] nor a key = value.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: &apos;%3&apos; er verken en [seksjon] eller en nøkkel = verdi.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a key must follow a [section].</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: en nøkkel må følge etter en [seksjon].</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: [%3] has no key &apos;%4&apos;; its keys are %5.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: [%3] har ingen nøkkel &apos;%4&apos;; nøklene er %5.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: &apos;%3&apos; is set twice (first in line %4).</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: &apos;%3&apos; er satt to ganger (først i linje %4).</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: report must be roster or remarks, not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: report må være roster eller remarks, ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the data file must be a number from 0 upwards.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: datafilen må være et tall fra 0 og oppover.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the orientation must be portrait or landscape, not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: retningen må være portrait eller landscape, ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the paper must be default, a3, a4, a5, letter or legal, not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: papiret må være default, a3, a4, a5, letter eller legal, ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the margins must be 0 to 50 millimetres: one for all sides, or left, top, right, bottom.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: margene må være 0 til 50 millimeter: én for alle sider, eller venstre, topp, høyre, bunn.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the margins are one number for all sides, or four: left, top, right, bottom.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: margene er ett tall for alle sider, eller fire: venstre, topp, høyre, bunn.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a font is a size in points from 3 to 72, then bold or italic if wanted, not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: en skrift er en størrelse i punkter fra 3 til 72, deretter bold eller italic om ønsket, ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the roster has no column &apos;%3&apos;; it has %4.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: vaktlisten har ingen kolonne &apos;%3&apos;; den har %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the remarks list has no column &apos;%3&apos;; it has %4.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: merknadslisten har ingen kolonne &apos;%3&apos;; den har %4.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: the column &apos;%3&apos; is shown twice.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: kolonnen &apos;%3&apos; vises to ganger.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: at least one column must be shown.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: minst én kolonne må vises.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a mark is drawn bold, italic, in a colour (#606060) and on a tint (tint #e4e4e4), not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: et merke tegnes bold, italic, i en farge (#606060) og på en bakgrunnstone (tint #e4e4e4), ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: a shade is a colour (#d9d9d9) or none, not &apos;%3&apos;.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: en skygge er en farge (#d9d9d9) eller none, ikke &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: sections are nested more than %3 deep.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: seksjonene er nøstet mer enn %3 nivåer dypt.</translation>
    </message>
    <message>
        <source>The layout &apos;%1&apos; has an error in line %2: %3.</source>
        <translation>Oppsettet &apos;%1&apos; har en feil i linje %2: %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder; choose another name for the roster.</source>
        <translation>&apos;%1&apos; er en mappe; velg et annet navn for vaktlisten.</translation>
    </message>
    <message>
        <source>Cannot keep &apos;%1&apos; while it is replaced: %2</source>
        <translation>Kan ikke beholde &apos;%1&apos; mens den erstattes: %2</translation>
    </message>
    <message>
        <source>Cannot put &apos;%3&apos; back in place of &apos;%1&apos;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason, %3 the file kept aside</extracomment>
        <translation>Kan ikke legge &apos;%3&apos; tilbake i stedet for &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>Kan ikke opprette mappen &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot create &apos;%1&apos;.</source>
        <translation>Kan ikke opprette &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lese: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>The row could not be saved.</source>
        <translation>Raden kunne ikke lagres.</translation>
    </message>
    <message>
        <source>There is no unit open: its files could not be opened.</source>
        <translation>Ingen avdeling er åpen: filene kunne ikke åpnes.</translation>
    </message>
    <message>
        <source>There is no unit open: the unit&apos;s files in %1 could not be opened.</source>
        <translation>Ingen avdeling er åpen: avdelingens filer i %1 kunne ikke åpnes.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is damaged: duty &apos;%2&apos; has &apos;%3&apos; as the date of column %4.</source>
        <translation>Vaktlistefilen &apos;%1&apos; er skadet: vakt &apos;%2&apos; har &apos;%3&apos; som dato for kolonne %4.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; is damaged: duty &apos;%2&apos; has &apos;%3&apos; as the last day of column %4.</source>
        <translation>Vaktlistefilen &apos;%1&apos; er skadet: vakt &apos;%2&apos; har &apos;%3&apos; som siste dag for kolonne %4.</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos; was stopped.</source>
        <translation>Lesingen av &apos;%1&apos; ble stoppet.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in use by another program, %3 (process %2); close it there and try again.</source>
        <translation>&apos;%1&apos; brukes av et annet program, %3 (prosess %2); lukk den der og prøv igjen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in use by another program (process %2); close it there and try again.</source>
        <translation>&apos;%1&apos; brukes av et annet program (prosess %2); lukk den der og prøv igjen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run of another unit.</source>
        <translation>&apos;%1&apos; er en vaktlistekjøring fra en annen avdeling.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the unit&apos;s last roster run; nothing was undone.</source>
        <translation>&apos;%1&apos; er ikke avdelingens siste vaktlistekjøring; ingenting ble angret.</translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers were changed after that run.</source>
        <translation>
            <numerusform>Tellerne til %n soldat ble endret etter den kjøringen.</numerusform>
            <numerusform>Tellerne til %n soldater ble endret etter den kjøringen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The assignment dates of %n soldiers were changed after that run.</source>
        <translation>
            <numerusform>Tildelingsdatoene til %n soldat ble endret etter den kjøringen.</numerusform>
            <numerusform>Tildelingsdatoene til %n soldater ble endret etter den kjøringen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldier were changed after that run.</source>
        <extracomment>%2 is a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>Tellerne til %n soldat og tildelingsdatoene til %2 soldat ble endret etter den kjøringen.</numerusform>
            <numerusform>Tellerne til %n soldater og tildelingsdatoene til %2 soldat ble endret etter den kjøringen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldiers were changed after that run.</source>
        <extracomment>%2 is a number of soldiers</extracomment>
        <translation>
            <numerusform>Tellerne til %n soldat og tildelingsdatoene til %2 soldater ble endret etter den kjøringen.</numerusform>
            <numerusform>Tellerne til %n soldater og tildelingsdatoene til %2 soldater ble endret etter den kjøringen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers were changed after that replace or swap.</source>
        <translation>
            <numerusform>Tellerne til %n soldat ble endret etter den erstatningen eller byttet.</numerusform>
            <numerusform>Tellerne til %n soldater ble endret etter den erstatningen eller byttet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The assignment dates of %n soldiers were changed after that replace or swap.</source>
        <translation>
            <numerusform>Tildelingsdatoene til %n soldat ble endret etter den erstatningen eller byttet.</numerusform>
            <numerusform>Tildelingsdatoene til %n soldater ble endret etter den erstatningen eller byttet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldier were changed after that replace or swap.</source>
        <extracomment>%2 is a number of soldiers (here 1)</extracomment>
        <translation>
            <numerusform>Tellerne til %n soldat og tildelingsdatoene til %2 soldat ble endret etter den erstatningen eller byttet.</numerusform>
            <numerusform>Tellerne til %n soldater og tildelingsdatoene til %2 soldat ble endret etter den erstatningen eller byttet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The counters of %n soldiers and the assignment dates of %2 soldiers were changed after that replace or swap.</source>
        <extracomment>%2 is a number of soldiers</extracomment>
        <translation>
            <numerusform>Tellerne til %n soldat og tildelingsdatoene til %2 soldater ble endret etter den erstatningen eller byttet.</numerusform>
            <numerusform>Tellerne til %n soldater og tildelingsdatoene til %2 soldater ble endret etter den erstatningen eller byttet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The roster datafile of that run, &apos;%1&apos;, is no longer there.</source>
        <translation>Vaktlistefilen fra den kjøringen, &apos;%1&apos;, finnes ikke lenger.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no longer the roster datafile that run made; it stays where it is.</source>
        <translation>&apos;%1&apos; er ikke lenger vaktlistefilen den kjøringen lagde; den blir der den er.</translation>
    </message>
    <message>
        <source>Cannot keep &apos;%1&apos; in &apos;%2&apos;: %3</source>
        <translation>Kan ikke beholde &apos;%1&apos; i &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>Cannot put &apos;%1&apos; back as &apos;%2&apos;: %3</source>
        <translation>Kan ikke legge &apos;%1&apos; tilbake som &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>Cannot write: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke skrive: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot restore: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke gjenopprette: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read the counters of: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lese tellerne: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Cannot read the assignment dates of: %1 (&apos;%2&apos;)</source>
        <translation>Kan ikke lese tildelingsdatoene: %1 (&apos;%2&apos;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the datafile; choose another name for the export.</source>
        <translation>&apos;%1&apos; er vaktlistefilen; velg et annet navn for eksporten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two exports; choose one name for each.</source>
        <translation>&apos;%1&apos; er angitt for to eksporter; velg ett navn for hver.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder; calendars are written into a folder.</source>
        <translation>&apos;%1&apos; er ikke en mappe; kalendere skrives til en mappe.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be made.</source>
        <translation>Mappen &apos;%1&apos; kan ikke lages.</translation>
    </message>
    <message>
        <source>The example unit cannot start after %1: its periods would run past %2.</source>
        <translation>Eksempelavdelingen kan ikke starte etter %1: periodene ville gått forbi %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already holds a unit; the example unit needs a new or empty folder.</source>
        <translation>&apos;%1&apos; inneholder allerede en avdeling; eksempelavdelingen trenger en ny eller tom mappe.</translation>
    </message>
    <message>
        <source>The file has no column &apos;%1&apos;.</source>
        <translation>Filen har ingen kolonne &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Navnet er tomt.</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters.</source>
        <translation>Navnet &apos;%1&apos; er lengre enn %2 tegn.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is in the file twice; the first is on line %2.</source>
        <translation>&apos;%1&apos; står to ganger i filen; den første er på linje %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a rank: give its abbreviation, such as PV2, or its code, such as B.</source>
        <translation>&apos;%1&apos; er ikke en grad: oppgi forkortelsen, som PV2, eller koden, som B.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is neither yes nor no.</source>
        <translation>&apos;%1&apos; i kolonnen &apos;%2&apos; er verken ja eller nei.</translation>
    </message>
    <message>
        <source>The last day, %2, comes before the first day, %1.</source>
        <translation>Den siste dagen, %2, kommer før den første dagen, %1.</translation>
    </message>
    <message>
        <source>The soldier &apos;%1&apos; is already in the unit.</source>
        <translation>Soldaten &apos;%1&apos; er allerede i avdelingen.</translation>
    </message>
    <message>
        <source>There is no soldier &apos;%1&apos; in the unit.</source>
        <translation>Det finnes ingen soldat &apos;%1&apos; i avdelingen.</translation>
    </message>
    <message>
        <source>There is no duty &apos;%1&apos; in the unit.</source>
        <translation>Det finnes ingen vakt &apos;%1&apos; i avdelingen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already absent on some of the days from %2 to %3; the row is left out.</source>
        <translation>&apos;%1&apos; er allerede fraværende noen av dagene fra %2 til %3; raden utelates.</translation>
    </message>
    <message>
        <source>A holiday already falls on some of the days from %2 to %3; &apos;%1&apos; is left out.</source>
        <translation>En helligdag faller allerede på noen av dagene fra %2 til %3; &apos;%1&apos; utelates.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; from %2 to %3 ended before today; the row is left out.</source>
        <translation>&apos;%1&apos; fra %2 til %3 sluttet før i dag; raden utelates.</translation>
    </message>
    <message>
        <source>The soldiers, absences, holidays or work schedules were changed after that import.</source>
        <translation>Soldatene, fraværene, helligdagene eller arbeidsplanene ble endret etter den importen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file; a workbook (.xlsx) is read from a file.</source>
        <translation>&apos;%1&apos; er ikke en fil; en arbeidsbok (.xlsx) leses fra en fil.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a workbook (.xlsx): it is not a zip archive.</source>
        <translation>&apos;%1&apos; er ikke en arbeidsbok (.xlsx): den er ikke et zip-arkiv.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a workbook (.xlsx): it holds no workbook part.</source>
        <translation>&apos;%1&apos; er ikke en arbeidsbok (.xlsx): den inneholder ingen arbeidsbokdel.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has no sheet.</source>
        <translation>Arbeidsboken &apos;%1&apos; har ingen ark.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has no sheet named &apos;%2&apos;; its sheets are %3.</source>
        <translation>Arbeidsboken &apos;%1&apos; har ikke noe ark med navnet &apos;%2&apos;; arkene er %3.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 is missing.</source>
        <translation>Arbeidsboken &apos;%1&apos; er skadet: delen %2 mangler.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 unpacks to more than %3 MB.</source>
        <translation>Arbeidsboken &apos;%1&apos; kan ikke leses: delen %2 pakkes ut til mer enn %3 MB.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 is packed far more densely than a workbook&apos;s data can be.</source>
        <translation>Arbeidsboken &apos;%1&apos; kan ikke leses: delen %2 er pakket langt tettere enn data i en arbeidsbok kan være.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 cannot be unpacked.</source>
        <translation>Arbeidsboken &apos;%1&apos; er skadet: delen %2 kan ikke pakkes ut.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: its part %2 declares a document type, which a workbook never does.</source>
        <translation>Arbeidsboken &apos;%1&apos; kan ikke leses: delen %2 erklærer en dokumenttype, noe en arbeidsbok aldri gjør.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: its part %2 is not well-formed XML at line %3: %4</source>
        <translation>Arbeidsboken &apos;%1&apos; er skadet: delen %2 er ikke velformet XML på linje %3: %4</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: cell %3 of sheet &apos;%2&apos; lies outside the largest sheet, which ends at %4.</source>
        <translation>Arbeidsboken &apos;%1&apos; kan ikke leses: celle %3 i arket &apos;%2&apos; ligger utenfor det største arket, som slutter ved %4.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; cannot be read: sheet &apos;%2&apos; holds more than %3 cells.</source>
        <translation>Arbeidsboken &apos;%1&apos; kan ikke leses: arket &apos;%2&apos; inneholder mer enn %3 celler.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; is damaged: cell %3 of sheet &apos;%2&apos; holds &apos;%4&apos;, which is not a value of its type.</source>
        <translation>Arbeidsboken &apos;%1&apos; er skadet: celle %3 i arket &apos;%2&apos; inneholder &apos;%4&apos;, som ikke er en verdi av sin type.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2.</source>
        <translation>&apos;%1&apos; kan ikke leses: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large to read: files of up to %2 MB are read.</source>
        <translation>&apos;%1&apos; er for stor til å leses: filer på opptil %2 MB leses.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a text file: it holds binary data at line %2.</source>
        <translation>&apos;%1&apos; er ikke en tekstfil: den inneholder binære data på linje %2.</translation>
    </message>
    <message>
        <source>Line %2 of &apos;%1&apos; has more than %3 columns.</source>
        <translation>Linje %2 i &apos;%1&apos; har mer enn %3 kolonner.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds more than %3 cells (the last read at line %2); split it into smaller files.</source>
        <translation>&apos;%1&apos; inneholder mer enn %3 celler (den siste lest på linje %2); del den i mindre filer.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ends inside quotes: a quoted field of the row at line %2 is never closed.</source>
        <translation>&apos;%1&apos; slutter inne i anførselstegn: et felt i anførselstegn i raden på linje %2 lukkes aldri.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a calendar (iCalendar file).</source>
        <translation>&apos;%1&apos; er ikke en kalender (iCalendar-fil).</translation>
    </message>
    <message>
        <source>The events of &apos;%1&apos; repeat more than %2 times in all; it cannot be read.</source>
        <translation>Hendelsene i &apos;%1&apos; gjentas mer enn %2 ganger i alt; den kan ikke leses.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a calendar: only holidays are imported from a calendar (.ics).</source>
        <translation>&apos;%1&apos; er en kalender: bare helligdager importeres fra en kalender (.ics).</translation>
    </message>
    <message>
        <source>Absent from %1 to %2.</source>
        <translation>Fraværende fra %1 til %2.</translation>
    </message>
    <message>
        <source>On duty %1 from %2 to %3.</source>
        <translation>På vakt %1 fra %2 til %3.</translation>
    </message>
    <message>
        <source>On a duty of another roster from %1 to %2.</source>
        <translation>På en vakt i en annen vaktliste fra %1 til %2.</translation>
    </message>
    <message>
        <source>Already on this duty in an overlapping period, from %1 to %2.</source>
        <translation>Allerede på denne vakten i en overlappende periode, fra %1 til %2.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%2&apos; has no duty &apos;%1&apos;.</source>
        <translation>Vaktlistefilen &apos;%2&apos; har ingen vakt &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Duty &apos;%1&apos; has no period %2 on this roster.</source>
        <translation>Vakten &apos;%1&apos; har ingen periode %2 i denne vaktlisten.</translation>
    </message>
    <message>
        <source>Nobody stands duty &apos;%1&apos; from %2 to %3.</source>
        <translation>Ingen har vakten &apos;%1&apos; fra %2 til %3.</translation>
    </message>
    <message>
        <source>%1 is not qualified for duty &apos;%2&apos;, or has no row for it on this roster.</source>
        <translation>%1 er ikke kvalifisert for vakten &apos;%2&apos;, eller har ingen rad for den i denne vaktlisten.</translation>
    </message>
    <message>
        <source>%2 cannot take that period. %1</source>
        <extracomment>%1 says why (a whole sentence), %2 is the soldier</extracomment>
        <translation>%2 kan ikke ta den perioden. %1</translation>
    </message>
    <message>
        <source>No qualified soldier is free for duty &apos;%1&apos; from %2 to %3.</source>
        <translation>Ingen kvalifisert soldat er ledig for vakten &apos;%1&apos; fra %2 til %3.</translation>
    </message>
    <message>
        <source>%1 already stands that period.</source>
        <translation>%1 har allerede den perioden.</translation>
    </message>
    <message>
        <source>A period of duty &apos;%1&apos; cannot be swapped with itself.</source>
        <translation>En periode av vakten &apos;%1&apos; kan ikke byttes med seg selv.</translation>
    </message>
    <message>
        <source>The roster datafile could not be changed; nothing was changed.
%1</source>
        <translation>Vaktlistefilen kunne ikke endres; ingenting ble endret.
%1</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; was changed after that change.</source>
        <translation>Vaktlistefilen &apos;%1&apos; ble endret etter den endringen.</translation>
    </message>
    <message>
        <source>The replace or swap, or its undo, that was changing &apos;%1&apos; did not finish; the file is as it was before it, and so are the counters.</source>
        <translation>Erstatningen eller byttet, eller angringen av den, som endret &apos;%1&apos;, ble ikke fullført; filen er som før, og det samme er tellerne.</translation>
    </message>
    <message>
        <source>The replace or swap, or its undo, that was changing &apos;%1&apos; did not finish; the counters are as they were before it. The file it replaced is kept as &apos;%2&apos;.</source>
        <translation>Erstatningen eller byttet, eller angringen av den, som endret &apos;%1&apos;, ble ikke fullført; tellerne er som før. Filen den erstattet, er beholdt som &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one of the unit&apos;s own files, not a roster datafile to change.</source>
        <translation>&apos;%1&apos; er en av avdelingens egne filer, ikke en vaktlistefil som kan endres.</translation>
    </message>
    <message>
        <source>The roster datafile as it was before the change, &apos;%1&apos;, is missing; the change cannot be undone.</source>
        <translation>Vaktlistefilen slik den var før endringen, &apos;%1&apos;, mangler; endringen kan ikke angres.</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>filen er låst av et annet program</translation>
    </message>
    <message>
        <source>the file cannot be written (read-only)</source>
        <translation>filen kan ikke skrives (skrivebeskyttet)</translation>
    </message>
    <message>
        <source>a disk error occurred</source>
        <translation>det oppstod en diskfeil</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>filen er skadet</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken er full</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>filen kan ikke åpnes</translation>
    </message>
    <message>
        <source>the change breaks a rule of the file</source>
        <translation>endringen bryter en regel i filen</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>filen er ikke en database</translation>
    </message>
    <message>
        <source>personnel database</source>
        <translation>personaldatabase</translation>
    </message>
    <message>
        <source>working database</source>
        <translation>arbeidsdatabase</translation>
    </message>
    <message>
        <source>roster template</source>
        <translation>vaktlistemal</translation>
    </message>
    <message>
        <source>roster datafile</source>
        <translation>vaktlistefil</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>en lenke til %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>en mappe</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>en FIFO (navngitt rør)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>en enhet</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>en socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>en fil</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>en lenke til ingenting</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ikke en vanlig fil</translation>
    </message>
    <message numerus="yes">
        <source>the roster run of %1, which made &apos;%2&apos; (%n duties, %3 period filled)</source>
        <extracomment>%1 is a date and time, %2 a datafile, %3 a number of periods (here 1)</extracomment>
        <translation>
            <numerusform>vaktlistekjøringen %1, som lagde &apos;%2&apos; (%n vakt, %3 periode besatt)</numerusform>
            <numerusform>vaktlistekjøringen %1, som lagde &apos;%2&apos; (%n vakter, %3 periode besatt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the roster run of %1, which made &apos;%2&apos; (%n duties, %3 periods filled)</source>
        <extracomment>%1 is a date and time, %2 a datafile, %3 a number of periods</extracomment>
        <translation>
            <numerusform>vaktlistekjøringen %1, som lagde &apos;%2&apos; (%n vakt, %3 perioder besatt)</numerusform>
            <numerusform>vaktlistekjøringen %1, som lagde &apos;%2&apos; (%n vakter, %3 perioder besatt)</numerusform>
        </translation>
    </message>
    <message>
        <source>the replace of %1 in &apos;%2&apos;: %3 by %4 on duty &apos;%5&apos;, period %6</source>
        <translation>erstatningen %1 i &apos;%2&apos;: %3 med %4 i vakt &apos;%5&apos;, periode %6</translation>
    </message>
    <message>
        <source>the swap of %1 in &apos;%2&apos;: %3 and %4 trade periods %5 and %6 of duty &apos;%7&apos;</source>
        <translation>byttet %1 i &apos;%2&apos;: %3 og %4 bytter periode %5 og %6 av vakt &apos;%7&apos;</translation>
    </message>
    <message>
        <source>the import of soldiers of %1 from &apos;%2&apos; (%3 added, %4 updated)</source>
        <translation>importen av soldater %1 fra &apos;%2&apos; (%3 lagt til, %4 oppdatert)</translation>
    </message>
    <message>
        <source>the import of absences of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>importen av fravær %1 fra &apos;%2&apos; (%3 lagt til)</translation>
    </message>
    <message>
        <source>the import of holidays of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>importen av helligdager %1 fra &apos;%2&apos; (%3 lagt til)</translation>
    </message>
    <message>
        <source>the import of work schedules of %1 from &apos;%2&apos; (%3 added)</source>
        <translation>importen av arbeidsplaner %1 fra &apos;%2&apos; (%3 lagt til)</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <translation>INFORMASJON</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVARSEL</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEIL</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not the roster datafile that change was made in but another file under its name, as in a copy of the unit: an undo takes back the counters and assignment dates alone and leaves it as it is.</source>
        <translation>&apos;%1&apos; er ikke vaktlistefilen den endringen ble gjort i, men en annen fil med samme navn, som i en kopi av enheten: en angring tar bare tilbake tellerne og tildelingsdatoene og lar filen være som den er.</translation>
    </message>
    <message>
        <source>The roster datafile &apos;%1&apos; that change was made in is no longer there: an undo takes back the counters and assignment dates alone.</source>
        <translation>Vaktlistefilen &apos;%1&apos; som den endringen ble gjort i, finnes ikke lenger: en angring tar bare tilbake tellerne og tildelingsdatoene.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of absences has: Name (or Soldier), From, To and Remark (or Reason).</source>
        <translation>Kolonnen &apos;%1&apos; er ingen av dem en fil med fravær har: Name (eller Soldier), From, To og Remark (eller Reason).</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of holidays has: Title (or Name, Holiday, Summary), From and To.</source>
        <translation>Kolonnen &apos;%1&apos; er ingen av dem en fil med helligdager har: Title (eller Name, Holiday, Summary), From og To.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is none of those a file of work schedules has: Duty, From and To.</source>
        <translation>Kolonnen &apos;%1&apos; er ingen av dem en fil med arbeidsplaner har: Duty, From og To.</translation>
    </message>
    <message numerus="yes">
        <source>%n events with a time of day were skipped.</source>
        <translation>
            <numerusform>%n hendelse med klokkeslett ble hoppet over.</numerusform>
            <numerusform>%n hendelser med klokkeslett ble hoppet over.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that ended before today were skipped.</source>
        <translation>
            <numerusform>%n hendelse som sluttet før i dag, ble hoppet over.</numerusform>
            <numerusform>%n hendelser som sluttet før i dag, ble hoppet over.</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, not a file, and only a file is ever written over.</source>
        <extracomment>%1 is a path, %2 what is there: &quot;a folder&quot;, &quot;a device&quot;, &quot;a link to a file&quot;...</extracomment>
        <translation>&apos;%1&apos; er %2, ikke en fil, og bare en fil blir noen gang skrevet over.</translation>
    </message>
    <message>
        <source>%4 stands duty &apos;%1&apos; from %2 to %3 now, not %5: the roster datafile has changed since it was read.</source>
        <translation>%4 har vakten &apos;%1&apos; fra %2 til %3 nå, ikke %5: vaktlistefilen er endret siden den ble lest.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a date. Write a day as 2027-03-26 or as %3.</source>
        <extracomment>%3 is 26 March 2027 in the short form of the clerk&apos;s language, which the import reads as well as the form given here</extracomment>
        <translation>&apos;%1&apos; i kolonnen &apos;%2&apos; er ikke en dato. Skriv en dag som 2027-03-26 eller som %3.</translation>
    </message>
    <message>
        <source>Duty &apos;%1&apos; has no period on %2 on this roster.</source>
        <translation>Vakten &apos;%1&apos; har ingen periode den %2 i denne vaktlisten.</translation>
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
        <source>The column &apos;%1&apos; is none of those a file of soldiers has: Name (or Soldier), Rank, Section (or Comment, Platoon) and the titles of the qualifications in Setup (or Q1 to Q15).</source>
        <translation>Kolonnen &apos;%1&apos; er ingen av dem en fil med soldater har: Name (eller Soldier), Rank, Section (eller Comment, Platoon) og titlene på kvalifikasjonene i Oppsett (eller Q1 til Q15).</translation>
    </message>
    <message>
        <source>Two duties are named &apos;%1&apos;. A roster keeps a duty&apos;s counters, periods and rows by its name: give each duty a name of its own on the Duty tab.</source>
        <translation>To vakter heter &apos;%1&apos;. En vaktliste holder tellerne, periodene og radene til en vakt etter navnet: gi hver vakt et eget navn i fanen Vakt.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; could hold any of the qualifications %2, whose titles in Setup read the same: head it with the number of the one it holds (such as %3), or give each qualification a title of its own.</source>
        <extracomment>%2 lists qualifications by number (&quot;Q2, Q5&quot;), %3 is the first of them</extracomment>
        <translation>Kolonnen &apos;%1&apos; kan gjelde hvilken som helst av kvalifikasjonene %2, som har samme tittel i Oppsett: gi den overskriften med nummeret til den den gjelder (for eksempel %3), eller gi hver kvalifikasjon en egen tittel.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import of another unit.</source>
        <translation>&apos;%1&apos; er en import fra en annen avdeling.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap of another unit.</source>
        <translation>&apos;%1&apos; er en erstatning eller et bytte fra en annen avdeling.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; er en import som er tatt tilbake, eller som ikke ble fullført.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; er en erstatning eller et bytte som er tatt tilbake, eller som ikke ble fullført.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run that was taken back, or that did not finish.</source>
        <translation>&apos;%1&apos; er en vaktlistekjøring som er tatt tilbake, eller som ikke ble fullført.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an import that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; er en import som ikke lenger kan tas tilbake: en senere endring i avdelingen mangler.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a replace or swap that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; er en erstatning eller et bytte som ikke lenger kan tas tilbake: en senere endring i avdelingen mangler.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a roster run that can no longer be taken back: a later change of the unit is missing.</source>
        <translation>&apos;%1&apos; er en vaktlistekjøring som ikke lenger kan tas tilbake: en senere endring i avdelingen mangler.</translation>
    </message>
    <message>
        <source>The import could not be undone; nothing was changed.</source>
        <translation>Importen kunne ikke angres; ingenting ble endret.</translation>
    </message>
    <message>
        <source>The replace or swap could not be undone; nothing was changed.</source>
        <translation>Erstatningen eller byttet kunne ikke angres; ingenting ble endret.</translation>
    </message>
    <message>
        <source>The roster run could not be undone; nothing was changed.</source>
        <translation>Vaktlistekjøringen kunne ikke angres; ingenting ble endret.</translation>
    </message>
    <message>
        <source>The import was undone, but a file could not be removed.</source>
        <translation>Importen ble angret, men en fil kunne ikke fjernes.</translation>
    </message>
    <message>
        <source>The replace or swap was undone, but a file could not be removed.</source>
        <translation>Erstatningen eller byttet ble angret, men en fil kunne ikke fjernes.</translation>
    </message>
    <message>
        <source>The roster run was undone, but a file could not be removed.</source>
        <translation>Vaktlistekjøringen ble angret, men en fil kunne ikke fjernes.</translation>
    </message>
    <message>
        <source>The unit&apos;s last change cannot be undone: its file in the history folder &apos;%1&apos; is missing or cannot be read. No earlier change is undone before it.</source>
        <translation>Avdelingens siste endring kan ikke angres: filen i historikkmappen «%1» mangler eller kan ikke leses. Ingen tidligere endring angres før den.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the replace or swap it took back.</source>
        <translation>En angring som ikke ble fullført, er gjort ferdig: tellerne er som før erstatningen eller byttet den tok tilbake.</translation>
    </message>
    <message>
        <source>An undo that did not finish has been completed: the counters are as they were before the replace or swap it took back.
%1</source>
        <translation>En angring som ikke ble fullført, er gjort ferdig: tellerne er som før erstatningen eller byttet den tok tilbake.
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change kept by Calendrix for undo.</source>
        <translation>&apos;%1&apos; er ikke en endring lagret av Calendrix for angring.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change kept by Calendrix for undo, or it is damaged.</source>
        <translation>&apos;%1&apos; er ikke en endring lagret av Calendrix for angring, eller den er skadet.</translation>
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
    <name>Report</name>
    <message>
        <source>Duty roster</source>
        <translation>Vaktliste</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Merknader</translation>
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
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>DRAFT — not counted</source>
        <comment>Printed on every page of a draft roster, whose duties were not counted</comment>
        <translation>UTKAST — ikke medregnet</translation>
    </message>
    <message>
        <source>Duty roster, %1 to %2</source>
        <translation>Vaktliste, %1 til %2</translation>
    </message>
    <message>
        <source>Duty roster, %1, %2 to %3</source>
        <translation>Vaktliste, %1, %2 til %3</translation>
    </message>
    <message>
        <source>Duty roster, %1</source>
        <translation>Vaktliste, %1</translation>
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
        <translation>Grad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Merknader</translation>
    </message>
    <message>
        <source>On duty</source>
        <translation>På vakt</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dager</translation>
    </message>
    <message>
        <source>{{file}} · printed {{printed}}</source>
        <extracomment>The {{tags}} are filled in when printing: keep them as they are.</extracomment>
        <translation>{{file}} · skrevet ut {{printed}}</translation>
    </message>
    <message>
        <source>{{duty}} · page {{page}} of {{pages}}</source>
        <translation>{{duty}} · side {{page}} av {{pages}}</translation>
    </message>
    <message>
        <source>No soldier is qualified for this duty.</source>
        <translation>Ingen soldat er kvalifisert for denne vakten.</translation>
    </message>
    <message>
        <source>This datafile holds no duties.</source>
        <translation>Denne vaktlistefilen inneholder ingen vakter.</translation>
    </message>
    <message>
        <source>Changed after the run in {{changedPeriods}} of its periods (R replaced, S swapped); see the remarks list.</source>
        <translation>Endret etter kjøringen i {{changedPeriods}} av periodene (R erstattet, S byttet); se merknadslisten.</translation>
    </message>
    <message>
        <source>Changed after the run</source>
        <translation>Endret etter kjøringen</translation>
    </message>
    <message>
        <source>{{period}}: {{on}} instead of {{off}} ({{#replace}}replaced{{/replace}}{{#swap}}swapped{{/swap}} on {{made}}){{#reason}} — {{reason}}{{/reason}}</source>
        <translation>{{period}}: {{on}} i stedet for {{off}} ({{#replace}}erstattet{{/replace}}{{#swap}}byttet{{/swap}} {{made}}){{#reason}} — {{reason}}{{/reason}}</translation>
    </message>
    <message>
        <source>{{organization}} · {{dateRange}} · {{soldierCount}} soldiers · {{columnCount}} periods</source>
        <extracomment>The {{tags}} are filled in when printing: keep them as they are.</extracomment>
        <translation>{{organization}} · {{dateRange}} · {{soldierCount}} soldater · {{columnCount}} perioder</translation>
    </message>
    <message>
        <source>/. on duty · A absent · D on another duty at the same time · numbers: free, waiting in line, the highest is next · shaded: holiday · R replaced · S swapped</source>
        <extracomment>The marks /. A D R S are those of the datafile: keep them as they are.</extracomment>
        <translation>/. på vakt · A fraværende · D på en annen vakt samtidig · tall: ledig, venter i kø, den høyeste står for tur · skyggelagt: helligdag · R erstattet · S byttet</translation>
    </message>
    <message>
        <source>Changed after the run in {{changedPeriods}} of its periods; see the remarks list.</source>
        <translation>Endret etter kjøringen i {{changedPeriods}} av periodene; se merknadslisten.</translation>
    </message>
    <message>
        <source>{{organization}} · remarks and days on duty · {{dateRange}}</source>
        <translation>{{organization}} · merknader og vaktdager · {{dateRange}}</translation>
    </message>
    <message>
        <source>{{file}} · remarks · printed {{printed}}</source>
        <translation>{{file}} · merknader · skrevet ut {{printed}}</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message numerus="yes">
        <source>Stopped after %1 of %2 duties: %n pages.</source>
        <translation>
            <numerusform>Stoppet etter %1 av %2 vakter: %n side.</numerusform>
            <numerusform>Stoppet etter %1 av %2 vakter: %n sider.</numerusform>
        </translation>
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
    <name>SpreadsheetExport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment>The name of the first sheet; at most 31 characters</comment>
        <translation>Oversikt</translation>
    </message>
    <message>
        <source>Duty</source>
        <comment>The name of a sheet whose duty has no name</comment>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Vakt</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisasjon</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioder</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Første dag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Siste dag</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <translation>Soldater</translation>
    </message>
    <message>
        <source>Assignments</source>
        <translation>Tildelinger</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>The organization, then the draft notice</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>until</source>
        <comment>Beside the last days of the periods</comment>
        <translation>til</translation>
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
    <message>
        <source>Sorts the counters by the counter it names: holiday or normal, lowest first.</source>
        <translation>Sorterer tellerne etter telleren den nevner: helligdag eller vanlig, den laveste først.</translation>
    </message>
    <message>
        <source>Reading the counters...</source>
        <translation>Leser tellerne...</translation>
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
    <message>
        <source>Reading the counters...</source>
        <translation>Leser tellerne...</translation>
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
        <source>The sheet &apos;%1&apos; was read.</source>
        <translation>Arket «%1» ble lest.</translation>
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
    <message>
        <source>Reading %1...</source>
        <translation>Leser %1...</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importerer %1...</translation>
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
    <message>
        <source>Removes the chosen period from the duty&apos;s work schedule.</source>
        <translation>Fjerner den valgte perioden fra vaktens arbeidsplan.</translation>
    </message>
    <message>
        <source>Removes the chosen absence of the soldier.</source>
        <translation>Fjerner soldatens valgte fravær.</translation>
    </message>
    <message>
        <source>A day picked, or days dragged across, become a period of the duty&apos;s work schedule.</source>
        <translation>En valgt dag, eller dager dratt over, blir en periode i vaktens arbeidsplan.</translation>
    </message>
    <message>
        <source>A day picked, or days dragged across, become an absence of the soldier.</source>
        <translation>En valgt dag, eller dager dratt over, blir et fravær for soldaten.</translation>
    </message>
    <message>
        <source>Change Roster</source>
        <translation>Endre vaktliste</translation>
    </message>
    <message>
        <source>Another duty is named &apos;%1&apos; already. A roster keeps a duty&apos;s counters, periods and rows by its name: give each duty a name of its own.</source>
        <translation>En annen vakt heter allerede &apos;%1&apos;. En vaktliste holder tellerne, periodene og radene til en vakt etter navnet: gi hver vakt et eget navn.</translation>
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
    <message>
        <source>Finding who can stand %1 on %2...</source>
        <translation>Finner hvem som kan stå %1 %2...</translation>
    </message>
    <message>
        <source>Giving %3 the period of %1 on %2...</source>
        <translation>Gir %3 perioden %1 %2...</translation>
    </message>
    <message>
        <source>Swapping two periods of %1...</source>
        <translation>Bytter to perioder av %1...</translation>
    </message>
    <message>
        <source>The roster was not changed. %1 Open it again with File &gt; Change Roster to see it as it is now.</source>
        <translation>Vaktlisten ble ikke endret. %1 Åpne den igjen med Fil &gt; Endre vaktliste for å se den slik den er nå.</translation>
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
