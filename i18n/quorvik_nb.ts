<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AboutForm.ui</name>
    <message>
        <source>Copyright © Aldmar. Programming utility for Aldmar 406 MHz personal locator beacons; for use by authorised service technicians only.</source>
        <translation>Copyright © Aldmar. Programmeringsverktøy for Aldmar 406 MHz personlige nødpeilesendere; kun for autoriserte serviceteknikere.</translation>
    </message>
    <message>
        <source>Application version :</source>
        <translation>Programversjon :</translation>
    </message>
    <message>
        <source>Qt build version :</source>
        <translation>Qt-byggversjon :</translation>
    </message>
    <message>
        <source>Qt runtime version :</source>
        <translation>Qt-kjøretidsversjon :</translation>
    </message>
    <message>
        <source>Third-Party Licenses</source>
        <translation>Tredjepartslisenser</translation>
    </message>
    <message>
        <source> uses open source components as part of the product.</source>
        <translation type="vanished"> bruker komponenter med åpen kildekode som en del av produktet.</translation>
    </message>
    <message>
        <source>To see their respecitve terms and licenses, select the component from the dropdown below.</source>
        <translation>For å se vilkår og lisenser, velg komponenten fra nedtrekkslisten nedenfor.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Juridisk</translation>
    </message>
    <message>
        <source>Languages: English, Norsk bokmål, Deutsch (Settings → Options → Language).</source>
        <translation>Språk: English, norsk bokmål, Deutsch (Innstillinger → Alternativer → Språk).</translation>
    </message>
    <message>
        <source>%1 uses open source components as part of the product.</source>
        <translation>%1 bruker komponenter med åpen kildekode som en del av produktet.</translation>
    </message>
</context>
<context>
    <name>AldmarPageIndicator</name>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
</context>
<context>
    <name>AldmarScrollView</name>
    <message>
        <source>Scroll</source>
        <translation>Rull</translation>
    </message>
</context>
<context>
    <name>AldmarTableView</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n rad</numerusform>
            <numerusform>%n rader</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplay</name>
    <message>
        <source>Duplicate ID</source>
        <translation>Duplisert ID</translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation type="vanished">Ikke lagret: </translation>
    </message>
    <message>
        <source>Reports imported, but not saved</source>
        <translation>Rapporter importert, men ikke lagret</translation>
    </message>
    <message>
        <source>The imported reports are shown, but the database could not be written:&lt;br&gt;%1&lt;br&gt;It is tried again every few seconds.&lt;br&gt;&amp;nbsp;</source>
        <translation>De importerte rapportene vises, men databasen kunne ikke skrives:&lt;br&gt;%1&lt;br&gt;Det prøves igjen med noen sekunders mellomrom.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Reports imported</source>
        <translation>Rapporter importert</translation>
    </message>
    <message>
        <source>%1 new and %2 updated reports imported.&lt;br&gt;%3 reports could not be imported (see the log).&lt;br&gt;&amp;nbsp;</source>
        <translation>%1 nye og %2 oppdaterte rapporter importert.&lt;br&gt;%3 rapporter kunne ikke importeres (se loggen).&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Could not open imports file&lt;br&gt;&amp;nbsp;</source>
        <translation>Kunne ikke åpne importfilen&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Invalid imports file&lt;br&gt;&amp;nbsp;</source>
        <translation>Ugyldig importfil&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Unsupported imports file version.&lt;br&gt;You might need to update </source>
        <translation type="vanished">Importfilens versjon støttes ikke.&lt;br&gt;Du må kanskje oppdatere </translation>
    </message>
    <message>
        <source>.&lt;br&gt;&amp;nbsp;</source>
        <translation type="vanished">.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Unknown error&lt;br&gt;&amp;nbsp;</source>
        <translation>Ukjent feil&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Failed to import reports&lt;br&gt;&amp;nbsp;</source>
        <translation>Kunne ikke importere rapporter&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>No reports to export</source>
        <translation>Ingen rapporter å eksportere</translation>
    </message>
    <message>
        <source>Could not open export file</source>
        <translation>Kunne ikke åpne eksportfilen</translation>
    </message>
    <message>
        <source>Could not write to export file</source>
        <translation>Kunne ikke skrive til eksportfilen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Failed to export reports</source>
        <translation>Kunne ikke eksportere rapporter</translation>
    </message>
    <message>
        <source>Import reports from file</source>
        <translation>Importer rapporter fra fil</translation>
    </message>
    <message>
        <source> Reports (*.tlr)</source>
        <translation type="vanished"> Rapporter (*.tlr)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle filer (*.*)</translation>
    </message>
    <message>
        <source>Export reports to file</source>
        <translation>Eksporter rapporter til fil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Unsupported imports file version.&lt;br&gt;You might need to update %1.&lt;br&gt;&amp;nbsp;</source>
        <translation>Importfilens versjon støttes ikke.&lt;br&gt;Du må kanskje oppdatere %1.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Ikke lagret: %1</translation>
    </message>
    <message>
        <source>%1 Reports (*.tlr)</source>
        <translation>%1-rapporter (*.tlr)</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplayForm.ui</name>
    <message>
        <source>PROGRAMMED BEACONS LIST</source>
        <translation>LISTE OVER PROGRAMMERTE NØDPEILESENDERE</translation>
    </message>
    <message>
        <source>Double click report row or click view report button to see details</source>
        <translation>Dobbeltklikk på en rapportrad eller klikk på Vis rapport for å se detaljer</translation>
    </message>
    <message>
        <source>This station</source>
        <translation>Denne stasjonen</translation>
    </message>
    <message>
        <source>All stations</source>
        <translation>Alle stasjoner</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Søk...</translation>
    </message>
    <message>
        <source>Search programmed beacons</source>
        <translation>Søk i programmerte nødpeilesendere</translation>
    </message>
    <message>
        <source>Programmed beacons</source>
        <translation>Programmerte nødpeilesendere</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Vis rapport</translation>
    </message>
    <message>
        <source>Export all reports</source>
        <translation>Eksporter alle rapporter</translation>
    </message>
    <message>
        <source>Export PDF report</source>
        <translation>Eksporter PDF-rapport</translation>
    </message>
    <message>
        <source>Import reports</source>
        <translation>Importer rapporter</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingle</name>
    <message>
        <source>C/S Serial ID:</source>
        <translation>C/S-serie-ID:</translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Radiokallesignal:</translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation>MMSI / kallesignal:</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>MMSI-nummer:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nasjonal ID:</translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation>C/S TAC-nr.:</translation>
    </message>
    <message>
        <source>Beacon no:</source>
        <translation>Nødpeilesender nr.:</translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation>Bruk deltaposisjon:</translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation>Nødpeilesender nr.:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="vanished"> minutter</translation>
    </message>
    <message>
        <source>Additional Data:</source>
        <translation>Tilleggsdata:</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Tilleggsdata</translation>
    </message>
    <message>
        <source>PDF report created</source>
        <translation>PDF-rapport opprettet</translation>
    </message>
    <message>
        <source>Display the created report in external PDF viewer?&lt;br&gt;&amp;nbsp;</source>
        <translation>Vise den opprettede rapporten i et eksternt PDF-program?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Remove Beacon</source>
        <translation>Fjern nødpeilesender</translation>
    </message>
    <message>
        <source>Do you really want to remove this beacon completely?&lt;br&gt;&amp;nbsp;</source>
        <translation>Vil du virkelig fjerne denne nødpeilesenderen helt?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Note not saved</source>
        <translation>Notatet ble ikke lagret</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutter</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingleForm.ui</name>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation>Meldingen lagret i denne nødpeilesenderen består ikke kontrollen: programmer den på nytt</translation>
    </message>
    <message>
        <source>Inspect the message</source>
        <translation>Undersøk meldingen</translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation>NØDPEILESENDERINFO</translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation>AIS-bruker-ID:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batteriets utløpsdato:</translation>
    </message>
    <message>
        <source>Battery Type:</source>
        <translation>Batteritype:</translation>
    </message>
    <message>
        <source>Last Test Result:</source>
        <translation>Siste testresultat:</translation>
    </message>
    <message>
        <source>Time activated:</source>
        <translation>Tid aktivert:</translation>
    </message>
    <message>
        <source>No of Self Tests performed:</source>
        <translation>Antall utførte selvtester:</translation>
    </message>
    <message>
        <source>No of Extended&lt;br&gt;Self Tests performed:</source>
        <translation>Antall utførte utvidede&lt;br&gt;selvtester:</translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation>PROGRAMMERINGSINFO</translation>
    </message>
    <message>
        <source>Programmed:</source>
        <translation>Programmert:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategori:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Tilleggsdata</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Other Info:</source>
        <translation>Annen info:</translation>
    </message>
    <message>
        <source>Duplicate ID reason:</source>
        <translation>Årsak til duplisert ID:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15 hex ID:</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopier til utklippstavlen</translation>
    </message>
    <message>
        <source>Copy 15 Hex Id to clipboard</source>
        <translation>Kopier 15 hex ID til utklippstavlen</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Undersøk</translation>
    </message>
    <message>
        <source>Inspect the 15 Hex Id</source>
        <translation>Undersøk 15 hex ID</translation>
    </message>
    <message>
        <source>Hex Id Checksum:</source>
        <translation>Hex ID-kontrollsum:</translation>
    </message>
    <message>
        <source>Copy Hex Id Checksum to clipboard</source>
        <translation>Kopier hex ID-kontrollsum til utklippstavlen</translation>
    </message>
    <message>
        <source>ADDITIONAL INFO</source>
        <translation>TILLEGGSINFO</translation>
    </message>
    <message>
        <source>Additional info</source>
        <translation>Tilleggsinfo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Make Report</source>
        <translation>Lag rapport</translation>
    </message>
    <message>
        <source>Labeling Guide</source>
        <translation>Merkeveiledning</translation>
    </message>
    <message>
        <source>Remove Report</source>
        <translation>Fjern rapport</translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplay</name>
    <message>
        <source>Beacon / Serial No:</source>
        <translation>Nødpeilesender / serienr.:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15 hex ID:</translation>
    </message>
    <message>
        <source>The beacon of this log is not known</source>
        <translation>Nødpeilesenderen til denne loggen er ukjent</translation>
    </message>
    <message>
        <source>Exported to </source>
        <translation type="vanished">Eksportert til </translation>
    </message>
    <message>
        <source>Not exported yet: </source>
        <translation type="vanished">Ikke eksportert ennå: </translation>
    </message>
    <message>
        <source> exists</source>
        <translation type="vanished"> finnes</translation>
    </message>
    <message>
        <source>Could not write </source>
        <translation type="vanished">Kunne ikke skrive </translation>
    </message>
    <message>
        <source>Boot log export exists</source>
        <translation>Eksport av oppstartslogg finnes</translation>
    </message>
    <message>
        <source>An earlier boot log export is named %1.&lt;br&gt;Replace it with this log?&lt;br&gt;No keeps it and saves this log under a new name.&lt;br&gt;&amp;nbsp;</source>
        <translation>En tidligere eksport av oppstartsloggen heter %1.&lt;br&gt;Erstatte den med denne loggen?&lt;br&gt;Nei beholder den og lagrer denne loggen under et nytt navn.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Not exported yet: %1 exists</source>
        <translation>Ikke eksportert ennå: %1 finnes</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Kunne ikke skrive %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Eksportert til %1</translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplayForm.ui</name>
    <message>
        <source>BEACON LOG</source>
        <translation>NØDPEILESENDERLOGG</translation>
    </message>
    <message>
        <source>Boot counters</source>
        <translation>Oppstartstellere</translation>
    </message>
    <message>
        <source>Boot log entries</source>
        <translation>Oppstartsloggoppføringer</translation>
    </message>
</context>
<context>
    <name>BeaconReadForm.ui</name>
    <message>
        <source>BEACON READBACK</source>
        <translation>UTLESING AV NØDPEILESENDER</translation>
    </message>
    <message>
        <source>Read progress</source>
        <translation>Leseframdrift</translation>
    </message>
</context>
<context>
    <name>BeaconReadPage</name>
    <message>
        <source>LOG READBACK</source>
        <translation>UTLESING AV LOGG</translation>
    </message>
    <message>
        <source>BEACON READBACK</source>
        <translation>UTLESING AV NØDPEILESENDER</translation>
    </message>
</context>
<context>
    <name>DatabaseIfc</name>
    <message>
        <source>%1 could not be read: %2. No beacons are shown; nothing will be written to it until it can be read.</source>
        <translation>%1 kunne ikke leses: %2. Ingen nødpeilesendere vises; ingenting skrives til den før den kan leses.</translation>
    </message>
    <message>
        <source>%1 could not be read whole. %2</source>
        <translation>%1 kunne ikke leses helt. %2</translation>
    </message>
    <message>
        <source>%1 beacon records could be read and are shown.</source>
        <translation>%1 nødpeilesenderposter kunne leses og vises.</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>Den skadde filen er beholdt som %1.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside; it is not overwritten.</source>
        <translation>Den skadde filen kunne ikke settes til side; den blir ikke overskrevet.</translation>
    </message>
    <message>
        <source>The last good copy is %1.</source>
        <translation>Siste gode kopi er %1.</translation>
    </message>
    <message>
        <source>There is no earlier good copy.</source>
        <translation>Det finnes ingen tidligere god kopi.</translation>
    </message>
    <message>
        <source>Check the list of programmed beacons. The next change saves what was read; if beacons are missing, put the last good copy back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation>Kontroller listen over programmerte nødpeilesendere. Neste endring lagrer det som ble lest; hvis nødpeilesendere mangler, legg tilbake siste gode kopi med «Gjenopprett fra sikkerhetskopi» på siden Alternativer.</translation>
    </message>
    <message>
        <source>%1 is not there, though good copies of it are: it was removed or moved. The last good copy is %2. If the beacons it holds are missing here, put it back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation>%1 finnes ikke, selv om det finnes gode kopier av den: den er fjernet eller flyttet. Siste gode kopi er %2. Hvis nødpeilesenderne den inneholder mangler her, legg den tilbake med «Gjenopprett fra sikkerhetskopi» på siden Alternativer.</translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2) on another computer, %3; a lock from another computer is not broken from here. If that program is no longer running, remove %4</source>
        <translation>databasen er i bruk av %1 (prosess %2) på en annen datamaskin, %3; en lås fra en annen datamaskin brytes ikke herfra. Hvis det programmet ikke lenger kjører, fjern %4</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>et annet program</translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2 on %3) and was not released within %4 s</source>
        <translation>databasen er i bruk av %1 (prosess %2 på %3) og ble ikke frigitt innen %4 s</translation>
    </message>
    <message>
        <source>the database is in use by another program and was not released within %1 s</source>
        <translation>databasen er i bruk av et annet program og ble ikke frigitt innen %1 s</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be created (is the folder writable?)</source>
        <translation>låsefilen %1 kan ikke opprettes (er mappen skrivbar?)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>it cannot be read first (%1)</source>
        <translation>den kan ikke leses først (%1)</translation>
    </message>
    <message>
        <source>%1 disappeared while the program was running (removed or moved by another program). The %2 beacon records read before are written back with the changes since.</source>
        <translation>%1 forsvant mens programmet kjørte (fjernet eller flyttet av et annet program). De %2 nødpeilesenderpostene som ble lest før, skrives tilbake med endringene siden.</translation>
    </message>
    <message>
        <source>it is damaged and could not be kept aside</source>
        <translation>den er skadet og kunne ikke settes til side</translation>
    </message>
    <message>
        <source>There is no database folder.</source>
        <translation>Det finnes ingen databasemappe.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan ikke leses: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>filen finnes ikke</translation>
    </message>
    <message>
        <source>%1 is not a whole database: %2</source>
        <translation>%1 er ikke en hel database: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: %2</source>
        <translation>%1 ble ikke gjenopprettet: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: the current database could not be kept aside as %2 (%3)</source>
        <translation>%1 ble ikke gjenopprettet: gjeldende database kunne ikke settes til side som %2 (%3)</translation>
    </message>
    <message>
        <source>%1 was not restored: %2 could not be written (%3)</source>
        <translation>%1 ble ikke gjenopprettet: %2 kunne ikke skrives (%3)</translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: the beacon was programmed again meanwhile by another program, and the newer programming is shown now. Write the note again if it still applies.</source>
        <translation>Notatet om nødpeilesender %1 ble ikke lagret: nødpeilesenderen ble programmert på nytt i mellomtiden av et annet program, og den nyere programmeringen vises nå. Skriv notatet på nytt hvis det fortsatt gjelder.</translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: another program removed the beacon from the database meanwhile.</source>
        <translation>Notatet om nødpeilesender %1 ble ikke lagret: et annet program fjernet nødpeilesenderen fra databasen i mellomtiden.</translation>
    </message>
</context>
<context>
    <name>DocumentNotice</name>
    <message>
        <source>No program could open the file</source>
        <translation>Ingen programmer kunne åpne filen</translation>
    </message>
    <message>
        <source>The file was saved to:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;No program on this computer opened it. Choose Open to show its folder.&lt;br&gt;&amp;nbsp;</source>
        <translation>Filen ble lagret i:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Ingen programmer på denne datamaskinen åpnet den. Velg Åpne for å vise mappen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>File not created</source>
        <translation>Filen ble ikke opprettet</translation>
    </message>
    <message>
        <source>Could not write %1:&lt;br&gt;%2&lt;br&gt;&amp;nbsp;</source>
        <translation>Kunne ikke skrive %1:&lt;br&gt;%2&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>DuplicateGuard</name>
    <message>
        <source>database of this station</source>
        <translation>databasen til denne stasjonen</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation type="vanished">Nødpeilesender</translation>
    </message>
    <message>
        <source>, programmed %1</source>
        <translation type="vanished">, programmert %1</translation>
    </message>
    <message>
        <source>, date of programming unknown</source>
        <translation type="vanished">, programmeringsdato ukjent</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation type="vanished"> kl. %1</translation>
    </message>
    <message>
        <source> by %1</source>
        <translation type="vanished"> av %1</translation>
    </message>
    <message>
        <source>Beacon %1</source>
        <translation>Nødpeilesender %1</translation>
    </message>
    <message>
        <source>%1, programmed %2 at %3 by %4</source>
        <translation>%1, programmert %2 på %3 av %4</translation>
    </message>
    <message>
        <source>%1, programmed %2 at %3</source>
        <translation>%1, programmert %2 på %3</translation>
    </message>
    <message>
        <source>%1, programmed %2 by %3</source>
        <translation>%1, programmert %2 av %3</translation>
    </message>
    <message>
        <source>%1, programmed %2</source>
        <translation>%1, programmert %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown at %2 by %3</source>
        <translation>%1, programmeringsdato ukjent, på %2 av %3</translation>
    </message>
    <message>
        <source>%1, date of programming unknown at %2</source>
        <translation>%1, programmeringsdato ukjent, på %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown by %2</source>
        <translation>%1, programmeringsdato ukjent, av %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown</source>
        <translation>%1, programmeringsdato ukjent</translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialog</name>
    <message>
        <source>Hex ID not checked</source>
        <translation>Hex ID ikke kontrollert</translation>
    </message>
    <message>
        <source>Hex ID already in use</source>
        <translation>Hex ID allerede i bruk</translation>
    </message>
    <message>
        <source>Hex ID %1 could not be checked against the other stations:</source>
        <translation>Hex ID %1 kunne ikke kontrolleres mot de andre stasjonene:</translation>
    </message>
    <message>
        <source>Hex ID %1 is already carried by:</source>
        <translation>Hex ID %1 brukes allerede av:</translation>
    </message>
    <message>
        <source>Give a reason first</source>
        <translation>Oppgi en årsak først</translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialogForm.ui</name>
    <message>
        <source>Hex ID already in use</source>
        <translation>Hex ID allerede i bruk</translation>
    </message>
    <message>
        <source>Two beacons with one hex ID confuse rescuers and registration authorities. Nothing has been written to the PLB. Program it anyway only for a good reason: the reason is stored with the beacon&apos;s record, printed on its programming report and written to the log.</source>
        <translation>To nødpeilesendere med samme hex ID forvirrer redningstjenesten og registreringsmyndighetene. Ingenting er skrevet til PLB-en. Programmer den likevel bare med god grunn: årsaken lagres i nødpeilesenderens post, skrives ut på programmeringsrapporten og skrives til loggen.</translation>
    </message>
    <message>
        <source>Reason for programming this hex ID anyway</source>
        <translation>Årsak til å programmere denne hex ID-en likevel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Program anyway</source>
        <translation>Programmer likevel</translation>
    </message>
</context>
<context>
    <name>EpirbApp</name>
    <message>
        <source>Database of programmed beacons damaged</source>
        <translation>Databasen over programmerte nødpeilesendere er skadet</translation>
    </message>
    <message>
        <source>Plan refused, nothing written</source>
        <translation>Planen ble avvist, ingenting skrevet</translation>
    </message>
    <message>
        <source>No folder for the custom country list</source>
        <translation>Ingen mappe for den egendefinerte landlisten</translation>
    </message>
    <message>
        <source>File is not a country code list</source>
        <translation>Filen er ikke en landkodeliste</translation>
    </message>
</context>
<context>
    <name>EpirbQMLProxy</name>
    <message>
        <source>No documents folder is available.</source>
        <translation>Ingen dokumentmappe er tilgjengelig.</translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation>Etiketten kunne ikke lages.</translation>
    </message>
</context>
<context>
    <name>FirstTimeSetup</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Høyst %1 tegn</translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation>Bare sifre, høyst %1</translation>
    </message>
</context>
<context>
    <name>FirstTimeSetupForm.ui</name>
    <message>
        <source>Welcome to</source>
        <translation type="vanished">Velkommen til</translation>
    </message>
    <message>
        <source>Please fill in information about your self below.</source>
        <translation>Fyll inn opplysninger om deg selv nedenfor.</translation>
    </message>
    <message>
        <source>This will be printed on programming reports.</source>
        <translation>Dette skrives ut på programmeringsrapporter.</translation>
    </message>
    <message>
        <source>Operator Name:</source>
        <translation>Operatørnavn:</translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation>Prog.stasjon:</translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation>Forhandlernr.:</translation>
    </message>
    <message>
        <source>These settings can be changed from the options screen later.</source>
        <translation>Disse innstillingene kan endres senere i skjermbildet Alternativer.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Velkommen til %1</translation>
    </message>
</context>
<context>
    <name>IdentityRules</name>
    <message>
        <source>MMSI (last %1 digits) / Call sign:</source>
        <translation>MMSI (siste %1 sifre) / kallesignal:</translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Radiokallesignal:</translation>
    </message>
    <message>
        <source>MMSI number (last %1 digits):</source>
        <translation>MMSI-nummer (siste %1 sifre):</translation>
    </message>
    <message>
        <source>Beacon number (0-%1):</source>
        <translation>Nødpeilesendernummer (0-%1):</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation>Nasjonalt ID-nummer</translation>
    </message>
    <message>
        <source>National Data</source>
        <translation>Nasjonale data</translation>
    </message>
    <message>
        <source>Enter the MMSI</source>
        <translation>Skriv inn MMSI</translation>
    </message>
    <message>
        <source>The MMSI takes digits only</source>
        <translation>MMSI kan bare inneholde sifre</translation>
    </message>
    <message>
        <source>Enter the last 4 digits of the MMSI</source>
        <translation>Skriv inn de siste 4 sifrene i MMSI</translation>
    </message>
    <message>
        <source>MMSI %1 does not start with %2, the MID of the country chosen</source>
        <translation>MMSI %1 begynner ikke med %2, MID for det valgte landet</translation>
    </message>
    <message>
        <source>The MMSI needs 6 digits: its last 6, or all 9</source>
        <translation>MMSI trenger 6 sifre: de siste 6, eller alle 9</translation>
    </message>
    <message>
        <source>Enter 3 to 6 letters or digits</source>
        <translation>Skriv inn 3 til 6 bokstaver eller sifre</translation>
    </message>
    <message>
        <source>A radio call sign is up to 4 letters or digits, then up to 3 digits</source>
        <translation>Et radiokallesignal er opptil 4 bokstaver eller sifre, deretter opptil 3 sifre</translation>
    </message>
    <message>
        <source>This protocol has no MMSI</source>
        <translation>Denne protokollen har ingen MMSI</translation>
    </message>
    <message>
        <source>Beacon number must be 0 to %1</source>
        <translation>Nødpeilesendernummeret må være 0 til %1</translation>
    </message>
    <message>
        <source>Not a valid %1</source>
        <translation>Ikke en gyldig %1</translation>
    </message>
    <message>
        <source>identity</source>
        <translation>identitet</translation>
    </message>
    <message>
        <source>Serial number must be 1 to %1</source>
        <translation>Serienummeret må være 1 til %1</translation>
    </message>
    <message>
        <source>National ID must be 0 to %1</source>
        <translation>Nasjonal ID må være 0 til %1</translation>
    </message>
    <message>
        <source>National data must be 0 to %1</source>
        <translation>Nasjonale data må være 0 til %1</translation>
    </message>
    <message>
        <source>Unknown field</source>
        <translation>Ukjent felt</translation>
    </message>
    <message>
        <source>Enter the 5 digits of the serial number on the beacon&apos;s label</source>
        <translation>Skriv inn de 5 sifrene i serienummeret på nødpeilesenderens etikett</translation>
    </message>
    <message>
        <source>Serial numbers above %1 are not handled for this beacon</source>
        <translation>Serienumre over %1 håndteres ikke for denne nødpeilesenderen</translation>
    </message>
    <message>
        <source>Enter the battery expiry as month and year (MM/YYYY)</source>
        <translation>Skriv inn batteriets utløpsdato som måned og år (MM/YYYY)</translation>
    </message>
    <message>
        <source>No enabled protocol fits country %1: check the protocol settings</source>
        <translation>Ingen aktivert protokoll passer for land %1: kontroller protokollinnstillingene</translation>
    </message>
    <message>
        <source>This protocol is not enabled: choose another, or check the protocol settings</source>
        <translation>Denne protokollen er ikke aktivert: velg en annen, eller kontroller protokollinnstillingene</translation>
    </message>
    <message>
        <source>%1 is not allowed for country %2</source>
        <translation>%1 er ikke tillatt for land %2</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Beacon number</source>
        <translation>Nødpeilesendernummer</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>National data</source>
        <translation>Nasjonale data</translation>
    </message>
    <message>
        <source>Protocol %1 cannot be programmed</source>
        <translation>Protokoll %1 kan ikke programmeres</translation>
    </message>
    <message>
        <source>%1 is not a protocol of the %2</source>
        <translation>%1 er ikke en protokoll for %2</translation>
    </message>
    <message>
        <source>%1 is a test protocol: test protocols are not allowed</source>
        <translation>%1 er en testprotokoll: testprotokoller er ikke tillatt</translation>
    </message>
    <message>
        <source>Country %1 is not in the country list</source>
        <translation>Land %1 er ikke i landlisten</translation>
    </message>
    <message>
        <source>Serial protocols for USA cannot be programmed with Quorvik</source>
        <translation>Serieprotokoller for USA kan ikke programmeres med Quorvik</translation>
    </message>
    <message>
        <source>Serial No: the beacon&apos;s serial number is missing</source>
        <translation>Serienr.: nødpeilesenderens serienummer mangler</translation>
    </message>
    <message>
        <source>%1: %2 does not carry it</source>
        <translation>%1: %2 har den ikke</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>none entered</source>
        <translation>ingen angitt</translation>
    </message>
    <message>
        <source>Serial number %1 is not the beacon&apos;s own, and custom protocol serial numbers are not enabled in options</source>
        <translation>Serienummer %1 er ikke nødpeilesenderens eget, og egendefinerte protokollserienumre er ikke aktivert i Alternativer</translation>
    </message>
    <message>
        <source>Beacon number 1 is the second EPIRB on board, but the record is marked as the first</source>
        <translation>Nødpeilesendernummer 1 er den andre EPIRB-en om bord, men posten er merket som den første</translation>
    </message>
    <message>
        <source>The message to write does not decode</source>
        <translation>Meldingen som skal skrives, kan ikke dekodes</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Landkode</translation>
    </message>
    <message>
        <source>The message to write has a wrong BCH code</source>
        <translation>Meldingen som skal skrives, har feil BCH-kode</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Kallesignal</translation>
    </message>
    <message>
        <source>TAC</source>
        <translation>TAC</translation>
    </message>
    <message>
        <source>National ID</source>
        <translation>Nasjonal ID</translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation>Bruk deltaposisjon</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
</context>
<context>
    <name>LabelingPage_BlockRLSForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>MERKEVEILEDNING</translation>
    </message>
    <message>
        <source>RLS marker to block</source>
        <translation>RLS-merke som skal dekkes</translation>
    </message>
    <message>
        <source>Block the indicated RLS marker with the orange circle sticker.</source>
        <translation>Dekk det angitte RLS-merket med det oransje runde klistremerket.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_BoxCountryForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>MERKEVEILEDNING</translation>
    </message>
    <message>
        <source>Country name</source>
        <translation>Landnavn</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Forhåndsvisning:</translation>
    </message>
    <message>
        <source>Country label preview</source>
        <translation>Forhåndsvisning av landetikett</translation>
    </message>
    <message>
        <source>Country label on the PLB box</source>
        <translation>Landetikett på PLB-esken</translation>
    </message>
    <message>
        <source>Print the above country label using a label printer with 9mm height and 65mm width.</source>
        <translation>Skriv ut landetiketten ovenfor med en etikettskriver med 9 mm høyde og 65 mm bredde.</translation>
    </message>
    <message>
        <source>Place the country label as indicated on the PLB box.</source>
        <translation>Plasser landetiketten som vist på PLB-esken.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ContactInfoForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>MERKEVEILEDNING</translation>
    </message>
    <message>
        <source>Contact information:</source>
        <translation>Kontaktinformasjon:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Forhåndsvisning:</translation>
    </message>
    <message>
        <source>Contact label preview</source>
        <translation>Forhåndsvisning av kontaktetikett</translation>
    </message>
    <message>
        <source>Enter the contact information above to make the label.</source>
        <translation>Skriv inn kontaktinformasjonen ovenfor for å lage etiketten.</translation>
    </message>
    <message>
        <source>Location 2 on the PLB</source>
        <translation>Plassering 2 på PLB-en</translation>
    </message>
    <message>
        <source>Relevant registration authority might supply their own contact label.</source>
        <translation>Den aktuelle registreringsmyndigheten kan levere sin egen kontaktetikett.</translation>
    </message>
    <message>
        <source>Enter the correct contact information to rescue services above.</source>
        <translation>Skriv inn riktig kontaktinformasjon til redningstjenesten ovenfor.</translation>
    </message>
    <message>
        <source>Print the contact information label using a label printer with 18mm height and 44mm width.</source>
        <translation>Skriv ut kontaktinformasjonsetiketten med en etikettskriver med 18 mm høyde og 44 mm bredde.</translation>
    </message>
    <message>
        <source>Place the contact information label at location 2 on the PLB.</source>
        <translation>Plasser kontaktinformasjonsetiketten på plassering 2 på PLB-en.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProgrammingForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>MERKEVEILEDNING</translation>
    </message>
    <message>
        <source>Programming label preview</source>
        <translation>Forhåndsvisning av programmeringsetikett</translation>
    </message>
    <message>
        <source>Location 1 on the PLB</source>
        <translation>Plassering 1 på PLB-en</translation>
    </message>
    <message>
        <source>Print the above programming information label using a label printer with 9mm height and 41 mm width.</source>
        <translation>Skriv ut programmeringsinformasjonsetiketten ovenfor med en etikettskriver med 9 mm høyde og 41 mm bredde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Print with high quality and no halftones for best result</source>
        <translation>&lt;b&gt;MERK:&lt;/b&gt; Skriv ut med høy kvalitet og uten halvtoner for best resultat</translation>
    </message>
    <message>
        <source>Place the programming information label at location 1 on the PLB.</source>
        <translation>Plasser programmeringsinformasjonsetiketten på plassering 1 på PLB-en.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProtectionForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>MERKEVEILEDNING</translation>
    </message>
    <message>
        <source>UV protection films over the labels</source>
        <translation>UV-beskyttelsesfilmer over etikettene</translation>
    </message>
    <message>
        <source>Place the transparent UV protection films over the two labels at the indicated positions.</source>
        <translation>Plasser de gjennomsiktige UV-beskyttelsesfilmene over de to etikettene på de angitte stedene.</translation>
    </message>
</context>
<context>
    <name>MainScene</name>
    <message>
        <source>Failed to graphics backend</source>
        <translation>Kunne ikke laste grafikkmotoren</translation>
    </message>
    <message>
        <source>Could not load the graphics backend. Application will terminate.</source>
        <translation>Kunne ikke laste grafikkmotoren. Programmet avsluttes.</translation>
    </message>
    <message>
        <source>Failed to load main window</source>
        <translation>Kunne ikke laste hovedvinduet</translation>
    </message>
    <message>
        <source>Could not load the main window. Application will terminate.</source>
        <translation>Kunne ikke laste hovedvinduet. Programmet avsluttes.</translation>
    </message>
</context>
<context>
    <name>Main_StartProg</name>
    <message>
        <source>PROGRAM </source>
        <translation type="vanished">PROGRAMMER </translation>
    </message>
    <message>
        <source>Cannot open communication port</source>
        <translation>Kan ikke åpne kommunikasjonsporten</translation>
    </message>
    <message>
        <source>Cannot open communication port.&lt;br&gt;Ensure that KAV-12 is connected.&lt;br&gt;Select port in the Settings-&gt;Options menu.&lt;br&gt;&amp;nbsp;</source>
        <translation>Kan ikke åpne kommunikasjonsporten.&lt;br&gt;Kontroller at KAV-12 er tilkoblet.&lt;br&gt;Velg port i menyen Innstillinger-&gt;Alternativer.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>PROGRAM %1</source>
        <translation>PROGRAMMER %1</translation>
    </message>
</context>
<context>
    <name>Main_StartProgForm.ui</name>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation>Nødpeilesender</translation>
    </message>
    <message>
        <source>GET STARTED</source>
        <translation>KOM I GANG</translation>
    </message>
</context>
<context>
    <name>MenuBarForm.ui</name>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporter</translation>
    </message>
    <message>
        <source>Readback</source>
        <translation>Utlesing</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logg</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekod</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Exit Programming</source>
        <translation>Avslutt programmering</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
<context>
    <name>Menubar</name>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Programming in progress</source>
        <translation>Programmering pågår</translation>
    </message>
    <message>
        <source>The PLB is being programmed. Stopping now can leave it half programmed.&lt;br&gt;Stop programming?&lt;br&gt;&amp;nbsp;</source>
        <translation>PLB-en programmeres. Stopper du nå, kan den bli halvveis programmert.&lt;br&gt;Stoppe programmeringen?&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>MenubarButtonForm.ui</name>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
</context>
<context>
    <name>MessageDecode</name>
    <message>
        <source>The compared input cannot be decoded: </source>
        <translation type="vanished">Sammenligningsinndata kan ikke dekodes: </translation>
    </message>
    <message>
        <source>Same beacon: every field both show is the same.</source>
        <translation>Samme nødpeilesender: alle felt som begge viser, er like.</translation>
    </message>
    <message numerus="yes">
        <source>Same 15-hex ID, but %n field(s) differ (marked).</source>
        <translation>
            <numerusform>Samme 15 hex ID, men %n felt er ulikt (merket).</numerusform>
            <numerusform>Samme 15 hex ID, men %n felt er ulike (merket).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not the same beacon: %n field(s) differ (marked).</source>
        <translation>
            <numerusform>Ikke samme nødpeilesender: %n felt er ulikt (merket).</numerusform>
            <numerusform>Ikke samme nødpeilesender: %n felt er ulike (merket).</numerusform>
        </translation>
    </message>
    <message>
        <source>The compared input cannot be decoded: %1</source>
        <translation>Sammenligningsinndata kan ikke dekodes: %1</translation>
    </message>
</context>
<context>
    <name>MessageDecodeForm.ui</name>
    <message>
        <source>differs</source>
        <translation>ulik</translation>
    </message>
    <message>
        <source>DECODE A HEX ID OR MESSAGE</source>
        <translation>DEKOD EN HEX ID ELLER MELDING</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Hex ID or message (spaces are ignored):</source>
        <translation>Hex ID eller melding (mellomrom ignoreres):</translation>
    </message>
    <message>
        <source>e.g. 9C6F40C0E4003D5</source>
        <translation>f.eks. 9C6F40C0E4003D5</translation>
    </message>
    <message>
        <source>Compare with (another hex ID or message):</source>
        <translation>Sammenlign med (en annen hex ID eller melding):</translation>
    </message>
    <message>
        <source>the label, the registration or the beacon</source>
        <translation>etiketten, registreringen eller nødpeilesenderen</translation>
    </message>
    <message>
        <source>Beacon on the adapter</source>
        <translation>Nødpeilesender på adapteren</translation>
    </message>
    <message>
        <source>Read the beacon on the programming adapter and compare with its message</source>
        <translation>Les nødpeilesenderen på programmeringsadapteren og sammenlign med meldingen</translation>
    </message>
    <message>
        <source>This beacon record</source>
        <translation>Denne nødpeilesenderposten</translation>
    </message>
    <message>
        <source>Compare with the message of the beacon this page was opened from</source>
        <translation>Sammenlign med meldingen til nødpeilesenderen denne siden ble åpnet fra</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Kopier som tekst</translation>
    </message>
    <message>
        <source>Copy as JSON</source>
        <translation>Kopier som JSON</translation>
    </message>
    <message>
        <source>BITS</source>
        <translation>BITER</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Biter</translation>
    </message>
</context>
<context>
    <name>MessageDecoder</name>
    <message>
        <source>Enter a 15-digit hex ID, or a message of 22 or 30 hex digits (without sync) or of 28 or 36 hex digits (with the sync FFFE2F).</source>
        <translation>Skriv inn en 15-sifret hex ID, eller en melding på 22 eller 30 hex-sifre (uten synk) eller på 28 eller 36 hex-sifre (med synk FFFE2F).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not hexadecimal</source>
        <translation>&quot;%1&quot; er ikke heksadesimal</translation>
    </message>
    <message>
        <source>expected 15, 22, 28, 30 or 36 hex digits, got %1</source>
        <translation>forventet 15, 22, 28, 30 eller 36 hex-sifre, fikk %1</translation>
    </message>
    <message>
        <source>message does not start with the sync FFFE2F (or FFFED0)</source>
        <translation>meldingen begynner ikke med synk FFFE2F (eller FFFED0)</translation>
    </message>
    <message>
        <source>bit 25 marks a long message: 36 hex digits expected (30 without sync)</source>
        <translation>bit 25 angir lang melding: 36 hex-sifre forventet (30 uten synk)</translation>
    </message>
    <message>
        <source>bit 25 marks a short message: 28 hex digits expected (22 without sync)</source>
        <translation>bit 25 angir kort melding: 28 hex-sifre forventet (22 uten synk)</translation>
    </message>
    <message>
        <source>Only hex digits 0-9 and A-F can be decoded. %1</source>
        <translation>Bare hex-sifrene 0-9 og A-F kan dekodes. %1</translation>
    </message>
    <message>
        <source>Cannot decode this: %1. %2</source>
        <translation>Kan ikke dekode dette: %1. %2</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Biter</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>orbitography</source>
        <translation>orbitografi</translation>
    </message>
    <message>
        <source>ELT aviation user</source>
        <translation>ELT-luftfartsbruker</translation>
    </message>
    <message>
        <source>maritime user (MMSI)</source>
        <translation>maritim bruker (MMSI)</translation>
    </message>
    <message>
        <source>serial user</source>
        <translation>seriebruker</translation>
    </message>
    <message>
        <source>national user</source>
        <translation>nasjonal bruker</translation>
    </message>
    <message>
        <source>spare (reserved)</source>
        <translation>reserve (reservert)</translation>
    </message>
    <message>
        <source>radio call sign user</source>
        <translation>radiokallesignalbruker</translation>
    </message>
    <message>
        <source>test user</source>
        <translation>testbruker</translation>
    </message>
    <message>
        <source>user protocol %1: %2</source>
        <translation>brukerprotokoll %1: %2</translation>
    </message>
    <message>
        <source>standard location, EPIRB MMSI</source>
        <translation>standard posisjon, EPIRB MMSI</translation>
    </message>
    <message>
        <source>standard location, ELT 24-bit aircraft address</source>
        <translation>standard posisjon, ELT 24-biters flyadresse</translation>
    </message>
    <message>
        <source>standard location, ELT serial</source>
        <translation>standard posisjon, ELT serie</translation>
    </message>
    <message>
        <source>standard location, ELT aircraft operator</source>
        <translation>standard posisjon, ELT flyoperatør</translation>
    </message>
    <message>
        <source>standard location, EPIRB serial</source>
        <translation>standard posisjon, EPIRB serie</translation>
    </message>
    <message>
        <source>standard location, PLB serial</source>
        <translation>standard posisjon, PLB serie</translation>
    </message>
    <message>
        <source>national location, ELT</source>
        <translation>nasjonal posisjon, ELT</translation>
    </message>
    <message>
        <source>ELT(DT) location</source>
        <translation>ELT(DT)-posisjon</translation>
    </message>
    <message>
        <source>national location, EPIRB</source>
        <translation>nasjonal posisjon, EPIRB</translation>
    </message>
    <message>
        <source>national location, PLB</source>
        <translation>nasjonal posisjon, PLB</translation>
    </message>
    <message>
        <source>standard location, ship security</source>
        <translation>standard posisjon, skipssikkerhet</translation>
    </message>
    <message>
        <source>RLS location</source>
        <translation>RLS-posisjon</translation>
    </message>
    <message>
        <source>standard location, test</source>
        <translation>standard posisjon, test</translation>
    </message>
    <message>
        <source>national location, test</source>
        <translation>nasjonal posisjon, test</translation>
    </message>
    <message>
        <source>location protocol %1: %2</source>
        <translation>posisjonsprotokoll %1: %2</translation>
    </message>
    <message>
        <source>%1 (not a country code: outside 200-799)</source>
        <translation>%1 (ikke en landkode: utenfor 200-799)</translation>
    </message>
    <message>
        <source>%1 (not in the country list)</source>
        <translation>%1 (ikke i landlisten)</translation>
    </message>
    <message>
        <source>valid (%1)</source>
        <translation>gyldig (%1)</translation>
    </message>
    <message>
        <source>invalid: holds %1, computed %2</source>
        <translation>ugyldig: inneholder %1, beregnet %2</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>not supported by this program</source>
        <translation>støttes ikke av dette programmet</translation>
    </message>
    <message>
        <source>Protocol number</source>
        <translation>Protokollnummer</translation>
    </message>
    <message>
        <source>Protocol code</source>
        <translation>Protokollkode</translation>
    </message>
    <message>
        <source>Or, as a long message</source>
        <translation>Eller, som lang melding</translation>
    </message>
    <message>
        <source>%1 (protocol number %2)</source>
        <translation>%1 (protokollnummer %2)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>long (144 bits)</source>
        <translation>lang (144 biter)</translation>
    </message>
    <message>
        <source>short (112 bits)</source>
        <translation>kort (112 biter)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Test or real</source>
        <translation>Test eller reell</translation>
    </message>
    <message>
        <source>test protocol</source>
        <translation>testprotokoll</translation>
    </message>
    <message>
        <source>real</source>
        <translation>reell</translation>
    </message>
    <message>
        <source>Frame synchronisation</source>
        <translation>Rammesynkronisering</translation>
    </message>
    <message>
        <source>self-test (FFFED0)</source>
        <translation>selvtest (FFFED0)</translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation>standard / ingen posisjon</translation>
    </message>
    <message>
        <source>default / no position (short message)</source>
        <translation>standard / ingen posisjon (kort melding)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>BCH-1</source>
        <translation>BCH-1</translation>
    </message>
    <message>
        <source>BCH-2</source>
        <translation>BCH-2</translation>
    </message>
    <message>
        <source>none (short message)</source>
        <translation>ingen (kort melding)</translation>
    </message>
    <message>
        <source>a spare location protocol defines no registration ID: the hex ID shown is bits 26-85 as given</source>
        <translation>en reserve posisjonsprotokoll definerer ingen registrerings-ID: hex ID-en som vises, er bit 26-85 som gitt</translation>
    </message>
    <message>
        <source>position bits not defaulted: the registration ID is %1</source>
        <translation>posisjonsbitene er ikke satt til standard: registrerings-ID-en er %1</translation>
    </message>
    <message>
        <source>15-hex ID (bits 26-85, no registration ID)</source>
        <translation>15 hex ID (bit 26-85, ingen registrerings-ID)</translation>
    </message>
    <message>
        <source>15-hex ID (location bits defaulted)</source>
        <translation>15 hex ID (posisjonsbiter satt til standard)</translation>
    </message>
    <message>
        <source>Hex ID checksum</source>
        <translation>Hex ID-kontrollsum</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Kan ikke leses</translation>
    </message>
    <message>
        <source> (added: not in the input)</source>
        <translation> (lagt til: ikke i inndata)</translation>
    </message>
    <message>
        <source>Bit synchronisation</source>
        <translation>Bitsynkronisering</translation>
    </message>
    <message>
        <source>Format flag (1 long)</source>
        <translation>Formatflagg (1 lang)</translation>
    </message>
    <message>
        <source>Protocol flag (1 user)</source>
        <translation>Protokollflagg (1 bruker)</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Landkode</translation>
    </message>
    <message>
        <source>User protocol code</source>
        <translation>Brukerprotokollkode</translation>
    </message>
    <message>
        <source>Location protocol code</source>
        <translation>Posisjonsprotokollkode</translation>
    </message>
    <message>
        <source>National use</source>
        <translation>Nasjonal bruk</translation>
    </message>
</context>
<context>
    <name>MiscConfig</name>
    <message>
        <source>Failed to install custom country list:&lt;br&gt;&lt;br&gt;</source>
        <translation type="vanished">Kunne ikke installere egendefinert landliste:&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>No devices found</source>
        <translation>Ingen enheter funnet</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Høyst %1 tegn</translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation>Bare sifre, høyst %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>I/T</translation>
    </message>
    <message>
        <source>No backups</source>
        <translation>Ingen sikkerhetskopier</translation>
    </message>
    <message>
        <source>Replace the database of programmed beacons by the copy %1?&lt;br&gt;&lt;br&gt;The database in use now is kept aside, not deleted.&lt;br&gt;&amp;nbsp;</source>
        <translation>Erstatte databasen over programmerte nødpeilesendere med kopien %1?&lt;br&gt;&lt;br&gt;Databasen som er i bruk nå, settes til side, ikke slettet.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Databasen er gjenopprettet</translation>
    </message>
    <message>
        <source>Database not restored</source>
        <translation>Databasen ble ikke gjenopprettet</translation>
    </message>
    <message>
        <source>The programmed beacons are now those of %1 (%2 beacons).</source>
        <translation>De programmerte nødpeilesenderne er nå de fra %1 (%2 nødpeilesendere).</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Gjenopprett fra sikkerhetskopi</translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation>Last inn landfil...</translation>
    </message>
    <message>
        <source>Country File (Country.txt)</source>
        <translation>Landfil (Country.txt)</translation>
    </message>
    <message>
        <source>Failed to install Country.txt</source>
        <translation>Kunne ikke installere Country.txt</translation>
    </message>
    <message>
        <source>Failed to install custom country list:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&amp;nbsp;</source>
        <translation>Kunne ikke installere egendefinert landliste:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>MiscConfigForm.ui</name>
    <message>
        <source>OPTIONS</source>
        <translation>ALTERNATIVER</translation>
    </message>
    <message>
        <source>Fill out the proper information in the input fields</source>
        <translation>Fyll ut riktige opplysninger i inndatafeltene</translation>
    </message>
    <message>
        <source>Select COM port:</source>
        <translation>Velg COM-port:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operatør:</translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation>Prog.stasjon:</translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation>Forhandlernr.:</translation>
    </message>
    <message>
        <source>Allow serial override:</source>
        <translation>Tillat overstyring av serienummer:</translation>
    </message>
    <message>
        <source>Default contact information:</source>
        <translation>Standard kontaktinformasjon:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Forhåndsvisning:</translation>
    </message>
    <message>
        <source>Custom country list:</source>
        <translation>Egendefinert landliste:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation>Last inn landfil...</translation>
    </message>
    <message>
        <source>Database backup:</source>
        <translation>Sikkerhetskopi av database:</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Gjenopprett fra sikkerhetskopi</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Språk:</translation>
    </message>
</context>
<context>
    <name>OSSLicenseModel</name>
    <message>
        <source>-- Select License --</source>
        <translation>-- Velg lisens --</translation>
    </message>
</context>
<context>
    <name>PageIdentifierTextForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation>IDENTIFISER NØDPEILESENDER</translation>
    </message>
    <message>
        <source>This is the default tooltip text</source>
        <translation>Dette er standard verktøytipstekst</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
</context>
<context>
    <name>PopupMenuForm.ui</name>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
</context>
<context>
    <name>ProductionBatch</name>
    <message>
        <source>Plan %1 complete: %2 beacons programmed</source>
        <translation>Plan %1 fullført: %2 nødpeilesendere programmert</translation>
    </message>
    <message>
        <source>Batch ended (%1): %2 of %3 beacons left</source>
        <translation>Serien avsluttet (%1): %2 av %3 nødpeilesendere gjenstår</translation>
    </message>
    <message>
        <source>Serial number %1 is not in the plan</source>
        <translation>Serienummer %1 er ikke i planen</translation>
    </message>
    <message>
        <source>Serial number %1 is programmed already</source>
        <translation>Serienummer %1 er allerede programmert</translation>
    </message>
    <message>
        <source>; nothing written without the technician&apos;s word</source>
        <translation type="vanished">; ingenting skrives uten teknikerens samtykke</translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="vanished">Skriving avvist: </translation>
    </message>
    <message>
        <source>the port %1 cannot be used: %2</source>
        <translation>porten %1 kan ikke brukes: %2</translation>
    </message>
    <message>
        <source>the record %1 cannot be written (%2): beacon %3 is not recorded; the batch is stopped</source>
        <translation>posten %1 kan ikke skrives (%2): nødpeilesender %3 er ikke registrert; serien er stoppet</translation>
    </message>
    <message>
        <source>%1; nothing written without the technician&apos;s word</source>
        <translation>%1; ingenting skrives uten teknikerens samtykke</translation>
    </message>
    <message>
        <source>Write refused: %1</source>
        <translation>Skriving avvist: %1</translation>
    </message>
</context>
<context>
    <name>ProductionPlanModel</name>
    <message>
        <source>left</source>
        <translation>gjenstår</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>skriver</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>feilet</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>avvist</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>ikke lagret</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>avviker</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Hex ID</source>
        <translation>Hex ID</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Årsak</translation>
    </message>
</context>
<context>
    <name>ProductionTransfer</name>
    <message>
        <source>Plan %1 refused, nothing written</source>
        <translation>Plan %1 avvist, ingenting skrevet</translation>
    </message>
    <message>
        <source>Plan %1: %2 done, %3 failed, %4 left of %5</source>
        <translation>Plan %1: %2 ferdige, %3 feilet, %4 gjenstår av %5</translation>
    </message>
    <message>
        <source>Connect the next beacon</source>
        <translation>Koble til neste nødpeilesender</translation>
    </message>
    <message>
        <source>Production plan</source>
        <translation>Produksjonsplan</translation>
    </message>
</context>
<context>
    <name>ProductionTransferForm.ui</name>
    <message>
        <source>PRODUCTION PROGRAMMING</source>
        <translation>PRODUKSJONSPROGRAMMERING</translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>TAC no:</source>
        <translation>TAC-nr.:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Landkode:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batteriets utløpsdato:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Close App</source>
        <translation>Lukk programmet</translation>
    </message>
</context>
<context>
    <name>ProgBeaconList</name>
    <message>
        <source>Beacon Type</source>
        <translation>Peilesendertype</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Battery Expiry</source>
        <translation>Batteriutløp</translation>
    </message>
    <message>
        <source>Prog Date</source>
        <translation>Prog.dato</translation>
    </message>
</context>
<context>
    <name>Prog_10_Summary</name>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Radiokallesignal:</translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation>MMSI / kallesignal:</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nasjonal ID:</translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation>Tilleggsdata:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>C/S Serial ID:</source>
        <translation>C/S-serie-ID:</translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation>C/S TAC-nr.:</translation>
    </message>
    <message>
        <source>Identity:</source>
        <translation>Identitet:</translation>
    </message>
    <message>
        <source>the message does not decode</source>
        <translation>meldingen kan ikke dekodes</translation>
    </message>
    <message>
        <source>Copy hex ID to clipboard</source>
        <translation>Kopier hex ID til utklippstavlen</translation>
    </message>
    <message>
        <source>Inspect the hex ID</source>
        <translation>Undersøk hex ID-en</translation>
    </message>
    <message>
        <source>Copy checksum to clipboard</source>
        <translation>Kopier kontrollsum til utklippstavlen</translation>
    </message>
</context>
<context>
    <name>Prog_10_SummaryForm.ui</name>
    <message>
        <source>VERIFY PROGRAMMING DATA</source>
        <translation>VERIFISER PROGRAMMERINGSDATA</translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation>NØDPEILESENDERINFO</translation>
    </message>
    <message>
        <source>Beacon / Serial No:</source>
        <translation>Nødpeilesender / serienr.:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batteriets utløpsdato:</translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation>PROGRAMMERINGSINFO</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Landkode:</translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation>Bruk deltaposisjon:</translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation>Nødpeilesender nr.:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Other Info:</source>
        <translation>Annen info:</translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation>AIS-bruker-ID:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15 hex ID:</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopier til utklippstavlen</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Undersøk</translation>
    </message>
    <message>
        <source>Hex ID Checksum:</source>
        <translation>Hex ID-kontrollsum:</translation>
    </message>
</context>
<context>
    <name>Prog_11_Transfer</name>
    <message>
        <source>Programmer placed on the </source>
        <translation type="vanished">Programmereren plassert på </translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation>PLB-en ble programmert, men ikke lagret i databasen</translation>
    </message>
    <message>
        <source>The PLB is programmed and verified, but it could not be saved in the database:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Open the labelling guide now?&lt;br&gt;&amp;nbsp;</source>
        <translation>PLB-en er programmert og verifisert, men kunne ikke lagres i databasen:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Åpne merkeveiledningen nå?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Programmer placed on the %1</source>
        <translation>Programmereren plassert på %1</translation>
    </message>
</context>
<context>
    <name>Prog_11_TransferForm.ui</name>
    <message>
        <source>TRANSFER DATA</source>
        <translation>OVERFØR DATA</translation>
    </message>
</context>
<context>
    <name>Prog_1_EpirbSelect</name>
    <message>
        <source>SELECT </source>
        <translation type="vanished">VELG </translation>
    </message>
    <message>
        <source>SELECT %1</source>
        <translation>VELG %1</translation>
    </message>
</context>
<context>
    <name>Prog_1_IdentifyForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation>IDENTIFISER NØDPEILESENDER</translation>
    </message>
</context>
<context>
    <name>Prog_2_Identified</name>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation>Verifiser serienr. mot den fysiske etiketten på nødpeilesenderen.</translation>
    </message>
    <message>
        <source>This version of %1 does not handle&lt;br&gt;serial numbers above %2 for this beacon - please update.</source>
        <translation>Denne versjonen av %1 håndterer ikke&lt;br&gt;serienumre over %2 for denne peilesenderen – oppdater programmet.</translation>
    </message>
    <message>
        <source>This %1 is programmed with a TEST protocol!</source>
        <translation>Denne %1 er programmert med en TEST-protokoll!</translation>
    </message>
    <message>
        <source>The protocol programmed in this %1 is currently disabled!&lt;br&gt;Check the protocol settings and enable protocols accordingly.</source>
        <translation>Protokollen som er programmert i denne %1, er deaktivert!&lt;br&gt;Kontroller protokollinnstillingene og aktiver protokollene deretter.</translation>
    </message>
</context>
<context>
    <name>Prog_2_IdentifiedForm.ui</name>
    <message>
        <source>BEACON IDENTIFIED</source>
        <translation>NØDPEILESENDER IDENTIFISERT</translation>
    </message>
    <message>
        <source>Beacon Model:</source>
        <translation>Nødpeilesendermodell:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batteriets utløpsdato:</translation>
    </message>
    <message>
        <source>MM/YYYY</source>
        <translation>MM/YYYY</translation>
    </message>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation>Verifiser serienr. mot den fysiske etiketten på nødpeilesenderen.</translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCode</name>
    <message>
        <source>Input relevant letters or digits&lt;br&gt;to filter the list accordingly</source>
        <translation>Skriv inn aktuelle bokstaver eller sifre&lt;br&gt;for å filtrere listen</translation>
    </message>
    <message>
        <source>Search country</source>
        <translation>Søk etter land</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCodeForm.ui</name>
    <message>
        <source>SELECT COUNTRY CODE</source>
        <translation>VELG LANDKODE</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Søk...</translation>
    </message>
</context>
<context>
    <name>Prog_6_SelectProtocolForm.ui</name>
    <message>
        <source>SELECT PROTOCOL</source>
        <translation>VELG PROTOKOLL</translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticular</name>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; The protocol serial number is a wrapped number based on the beacon serial number </source>
        <translation>&lt;b&gt;MERK:&lt;/b&gt; Protokollserienummeret er et omløpende tall basert på nødpeilesenderens serienummer </translation>
    </message>
    <message>
        <source>Value from 0 to </source>
        <translation type="vanished">Verdi fra 0 til </translation>
    </message>
    <message>
        <source>C/S TAC No: </source>
        <translation>C/S TAC-nr.: </translation>
    </message>
    <message>
        <source>Choose how protected data field 2 is used</source>
        <translation>Velg hvordan beskyttet datafelt 2 brukes</translation>
    </message>
    <message>
        <source>Warning&lt;br&gt;&lt;br&gt;Serial protocols for USA cannot be programmed with Quorvik.&lt;br&gt;&lt;br&gt;In this situation,use the LX-30 program to complete the programming.&lt;br&gt;&amp;nbsp;</source>
        <translation>Advarsel&lt;br&gt;&lt;br&gt;Serieprotokoller for USA kan ikke programmeres med Quorvik.&lt;br&gt;&lt;br&gt;I dette tilfellet, bruk LX-30-programmet for å fullføre programmeringen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Value from 0 to %1</source>
        <translation>Verdi fra 0 til %1</translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticularForm.ui</name>
    <message>
        <source>PROTOCOL DETAILS</source>
        <translation>PROTOKOLLDETALJER</translation>
    </message>
    <message>
        <source>Morse code on 121.5 MHz</source>
        <translation>Morsekode på 121,5 MHz</translation>
    </message>
    <message>
        <source>&lt;b&gt;WARNING:&lt;/b&gt; Custom protocol serial number is in use but not enabled in options.</source>
        <translation>&lt;b&gt;ADVARSEL:&lt;/b&gt; Egendefinert protokollserienummer er i bruk, men ikke aktivert i Alternativer.</translation>
    </message>
    <message>
        <source>Use Beacon SerialNo</source>
        <translation>Bruk nødpeilesenderens serienr.</translation>
    </message>
    <message>
        <source>ERROR: Serial number input is not valid</source>
        <translation>FEIL: Serienummeret som er skrevet inn, er ikke gyldig</translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation>Nasjonalt ID-nummer</translation>
    </message>
    <message>
        <source>Protected Data Field 2 Usage</source>
        <translation>Bruk av beskyttet datafelt 2</translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation>Bruk deltaposisjon</translation>
    </message>
    <message>
        <source>Use additional national data</source>
        <translation>Bruk ekstra nasjonale data</translation>
    </message>
    <message>
        <source>National Data</source>
        <translation>Nasjonale data</translation>
    </message>
</context>
<context>
    <name>Prog_8_OwnerInfoForm.ui</name>
    <message>
        <source>OWNER INFORMATION</source>
        <translation>EIEROPPLYSNINGER</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Owner information is limited to a total of 60 characters</source>
        <translation>&lt;b&gt;MERK:&lt;/b&gt; Eieropplysninger er begrenset til totalt 60 tegn</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Enter owner name</source>
        <translation>Skriv inn eierens navn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>Owner information too long</source>
        <translation>Eieropplysningene er for lange</translation>
    </message>
    <message>
        <source>Additional Report Information</source>
        <translation>Tilleggsinformasjon til rapporten</translation>
    </message>
    <message>
        <source>Enter additional info</source>
        <translation>Skriv inn tilleggsinfo</translation>
    </message>
</context>
<context>
    <name>ProgrammingHelp</name>
    <message>
        <source>Align the programmer to the right of the bottom Aldmar logo.</source>
        <translation>Plasser programmereren til høyre for den nederste Aldmar-logoen.</translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation>Trykk én gang på TEST-knappen på nødpeilesenderen.</translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation>MERK: </translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation>Unngå direkte sollys når IR-programmereren brukes, for best resultat.</translation>
    </message>
    <message>
        <source>Programmer placed on the beacon</source>
        <translation>Programmereren plassert på nødpeilesenderen</translation>
    </message>
</context>
<context>
    <name>ProgrammingSession</name>
    <message>
        <source>Waiting for connection...</source>
        <translation>Venter på tilkobling...</translation>
    </message>
    <message>
        <source>Writing to PLB...</source>
        <translation>Skriver til PLB...</translation>
    </message>
    <message>
        <source>Writing data to PLB...</source>
        <translation>Skriver data til PLB...</translation>
    </message>
    <message>
        <source>Checking PLB before programming...</source>
        <translation>Kontrollerer PLB før programmering...</translation>
    </message>
    <message>
        <source>Reading data from PLB...</source>
        <translation>Leser data fra PLB...</translation>
    </message>
    <message>
        <source>Unsupported beacon type</source>
        <translation>Nødpeilesendertypen støttes ikke</translation>
    </message>
    <message>
        <source>Boot log incomplete. Please retry.</source>
        <translation>Oppstartsloggen er ufullstendig. Prøv igjen.</translation>
    </message>
    <message>
        <source>Unsupported boot log version</source>
        <translation>Oppstartsloggens versjon støttes ikke</translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="vanished">Skriving avvist: </translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 could not be checked. %2. Nothing was written.</source>
        <translation>Skriving avvist: hex ID %1 kunne ikke kontrolleres. %2. Ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 is already carried by %2. Nothing was written.</source>
        <translation>Skriving avvist: hex ID %1 brukes allerede av %2. Ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Not written: hex ID %1 could not be checked in the shared register. Cancel, or program anyway with a reason.</source>
        <translation>Ikke skrevet: hex ID %1 kunne ikke kontrolleres i det felles registeret. Avbryt, eller programmer likevel med en årsak.</translation>
    </message>
    <message>
        <source>Not written: hex ID %1 is already carried by another beacon. Cancel, or program anyway with a reason.</source>
        <translation>Ikke skrevet: hex ID %1 brukes allerede av en annen nødpeilesender. Avbryt, eller programmer likevel med en årsak.</translation>
    </message>
    <message>
        <source>Not written: give the reason for programming a hex ID another beacon carries.</source>
        <translation>Ikke skrevet: oppgi årsaken til å programmere en hex ID som en annen nødpeilesender bruker.</translation>
    </message>
    <message>
        <source>Write cancelled: the configuration changed while the question was open. Nothing was written.</source>
        <translation>Skriving avbrutt: konfigurasjonen ble endret mens spørsmålet var åpent. Ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 could not be checked in the shared register. Nothing was written to the PLB.</source>
        <translation>Skriving avbrutt: hex ID %1 kunne ikke kontrolleres i det felles registeret. Ingenting ble skrevet til PLB-en.</translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 is carried by another beacon. Nothing was written to the PLB.</source>
        <translation>Skriving avbrutt: hex ID %1 brukes av en annen nødpeilesender. Ingenting ble skrevet til PLB-en.</translation>
    </message>
    <message>
        <source>Wrong beacon type or serial number...</source>
        <translation>Feil nødpeilesendertype eller serienummer...</translation>
    </message>
    <message>
        <source>the configuration changed after it was checked. Nothing was written.</source>
        <translation>konfigurasjonen ble endret etter at den ble kontrollert. Ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Verifying Data Written to PLB...</source>
        <translation>Verifiserer data skrevet til PLB...</translation>
    </message>
    <message>
        <source>PLB verification failed</source>
        <translation>Verifisering av PLB mislyktes</translation>
    </message>
    <message>
        <source>PLB programmed successfully</source>
        <translation>PLB-en ble programmert</translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation>PLB-en ble programmert, men ikke lagret i databasen</translation>
    </message>
    <message>
        <source>Retrying to write data to PLB...</source>
        <translation>Prøver å skrive data til PLB på nytt...</translation>
    </message>
    <message>
        <source>Legacy mode not supported.</source>
        <translation>Eldre modus støttes ikke.</translation>
    </message>
    <message>
        <source>Invalid serial number</source>
        <translation>Ugyldig serienummer</translation>
    </message>
    <message>
        <source>No serial number was given. Start the production run with serialno= followed by the beacon&apos;s serial number.</source>
        <translation>Ingen serienummer ble oppgitt. Start produksjonskjøringen med serialno= fulgt av nødpeilesenderens serienummer.</translation>
    </message>
    <message>
        <source>The serial number &quot;%1&quot; is not valid: it must be the 5 digits of the beacon&apos;s serial number. Nothing was written to the PLB.</source>
        <translation>Serienummeret &quot;%1&quot; er ikke gyldig: det må være de 5 sifrene i nødpeilesenderens serienummer. Ingenting ble skrevet til PLB-en.</translation>
    </message>
    <message>
        <source>Read failed. Please retry.</source>
        <translation>Lesing mislyktes. Prøv igjen.</translation>
    </message>
    <message>
        <source>Read failed. Please retry: </source>
        <translation type="vanished">Lesing mislyktes. Prøv igjen: </translation>
    </message>
    <message>
        <source>Write failed. Please retry.</source>
        <translation>Skriving mislyktes. Prøv igjen.</translation>
    </message>
    <message>
        <source>Write failed. Please retry</source>
        <translation>Skriving mislyktes. Prøv igjen</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikasjonsfeil</translation>
    </message>
    <message>
        <source>Read failed. Please retry: %1</source>
        <translation>Lesing mislyktes. Prøv igjen: %1</translation>
    </message>
    <message>
        <source>Write refused: %1</source>
        <translation>Skriving avvist: %1</translation>
    </message>
</context>
<context>
    <name>ProtocolConfigForm.ui</name>
    <message>
        <source>PROTOCOL CONFIGURATION</source>
        <translation>PROTOKOLLKONFIGURASJON</translation>
    </message>
    <message>
        <source>At least one protocol stays ticked: the programming wizard offers only the ticked protocols.</source>
        <translation>Minst én protokoll forblir avkrysset: programmeringsveiviseren tilbyr bare de avkryssede protokollene.</translation>
    </message>
</context>
<context>
    <name>ProtocolFields</name>
    <message>
        <source>%1: character %2 has no modified-Baudot meaning (%3)</source>
        <translation>%1: tegn %2 har ingen betydning i modifisert Baudot (%3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>121.5 MHz homing</source>
        <translation>121,5 MHz-peiling</translation>
    </message>
    <message>
        <source>maritime 9 GHz SART</source>
        <translation>maritim 9 GHz SART</translation>
    </message>
    <message>
        <source>other auxiliary radio-locating device(s)</source>
        <translation>annen radiopeileinnretning (andre radiopeileinnretninger)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nei</translation>
    </message>
    <message>
        <source>internal navigation device</source>
        <translation>intern navigasjonsenhet</translation>
    </message>
    <message>
        <source>external navigation device</source>
        <translation>ekstern navigasjonsenhet</translation>
    </message>
    <message>
        <source>the position is out of range (latitude %1, longitude %2)</source>
        <translation>posisjonen er utenfor gyldig område (breddegrad %1, lengdegrad %2)</translation>
    </message>
    <message>
        <source>invalid (beyond 90° or 180°)</source>
        <translation>ugyldig (over 90° eller 180°)</translation>
    </message>
    <message>
        <source>Emergency code flag</source>
        <translation>Nødkodeflagg</translation>
    </message>
    <message>
        <source>Activation type (1 automatic and manual)</source>
        <translation>Aktiveringstype (1 automatisk og manuell)</translation>
    </message>
    <message>
        <source>Emergency code</source>
        <translation>Nødkode</translation>
    </message>
    <message>
        <source>National use</source>
        <translation>Nasjonal bruk</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivering</translation>
    </message>
    <message>
        <source>automatic and manual</source>
        <translation>automatisk og manuell</translation>
    </message>
    <message>
        <source>manual only</source>
        <translation>bare manuell</translation>
    </message>
    <message>
        <source>none (bits 109-112 national use: %1)</source>
        <translation>ingen (bit 109-112 nasjonal bruk: %1)</translation>
    </message>
    <message>
        <source>unspecified distress</source>
        <translation>uspesifisert nød</translation>
    </message>
    <message>
        <source>fire or explosion</source>
        <translation>brann eller eksplosjon</translation>
    </message>
    <message>
        <source>flooding</source>
        <translation>vanninntrenging</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>kollisjon</translation>
    </message>
    <message>
        <source>grounding</source>
        <translation>grunnstøting</translation>
    </message>
    <message>
        <source>listing, in danger of capsizing</source>
        <translation>slagside, fare for kantring</translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>synker</translation>
    </message>
    <message>
        <source>disabled and adrift</source>
        <translation>manøvreringsudyktig og drivende</translation>
    </message>
    <message>
        <source>abandoning ship</source>
        <translation>forlater skipet</translation>
    </message>
    <message>
        <source>Emergency code (maritime)</source>
        <translation>Nødkode (maritim)</translation>
    </message>
    <message>
        <source>spare (%1)</source>
        <translation>reserve (%1)</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>brann</translation>
    </message>
    <message>
        <source>no fire</source>
        <translation>ingen brann</translation>
    </message>
    <message>
        <source>medical help needed</source>
        <translation>medisinsk hjelp trengs</translation>
    </message>
    <message>
        <source>no medical help needed</source>
        <translation>ingen medisinsk hjelp trengs</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>ute av stand</translation>
    </message>
    <message>
        <source>not known to be disabled</source>
        <translation>ikke kjent å være ute av stand</translation>
    </message>
    <message>
        <source>Emergency code (non-maritime)</source>
        <translation>Nødkode (ikke-maritim)</translation>
    </message>
    <message>
        <source>Test use</source>
        <translation>Testbruk</translation>
    </message>
    <message>
        <source>Bits 107-112</source>
        <translation>Bit 107-112</translation>
    </message>
    <message>
        <source>Position data source</source>
        <translation>Kilde for posisjonsdata</translation>
    </message>
    <message>
        <source>Latitude N/S</source>
        <translation>Breddegrad N/S</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breddegrader</translation>
    </message>
    <message>
        <source>Latitude minutes (4-minute steps)</source>
        <translation type="vanished">Breddeminutter (4-minutters trinn)</translation>
    </message>
    <message>
        <source>Longitude E/W</source>
        <translation>Lengdegrad Ø/V</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Lengdegrader</translation>
    </message>
    <message>
        <source>Longitude minutes (4-minute steps)</source>
        <translation type="vanished">Lengdeminutter (4-minutters trinn)</translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation>standard / ingen posisjon</translation>
    </message>
    <message>
        <source>4-minute resolution</source>
        <translation>4-minutters oppløsning</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>Orbitography data</source>
        <translation>Orbitografidata</translation>
    </message>
    <message>
        <source>Orbitography data (last bits)</source>
        <translation>Orbitografidata (siste biter)</translation>
    </message>
    <message>
        <source>Aircraft registration marking</source>
        <translation>Flyets registreringsmerke</translation>
    </message>
    <message>
        <source>Specific ELT number</source>
        <translation>Spesifikt ELT-nummer</translation>
    </message>
    <message>
        <source>MMSI (last six digits) or radio call sign</source>
        <translation>MMSI (siste seks sifre) eller radiokallesignal</translation>
    </message>
    <message>
        <source>Radio call sign characters 1-4</source>
        <translation>Radiokallesignal, tegn 1-4</translation>
    </message>
    <message>
        <source>Radio call sign: character %1 is not a BCD digit (%2)</source>
        <translation>Radiokallesignal: tegn %1 er ikke et BCD-siffer (%2)</translation>
    </message>
    <message>
        <source>Radio call sign characters 5-7 (BCD, 1010 a space)</source>
        <translation>Radiokallesignal, tegn 5-7 (BCD, 1010 er mellomrom)</translation>
    </message>
    <message>
        <source>Radio call sign</source>
        <translation>Radiokallesignal</translation>
    </message>
    <message>
        <source>Specific beacon number</source>
        <translation>Spesifikt nødpeilesendernummer</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>ELT with a serial number</source>
        <translation>ELT med serienummer</translation>
    </message>
    <message>
        <source>ELT with aircraft operator designator and serial number</source>
        <translation>ELT med flyoperatørkode og serienummer</translation>
    </message>
    <message>
        <source>float-free EPIRB with a serial number</source>
        <translation>fritt flytende EPIRB med serienummer</translation>
    </message>
    <message>
        <source>ELT with aircraft 24-bit address</source>
        <translation>ELT med 24-biters flyadresse</translation>
    </message>
    <message>
        <source>non-float-free EPIRB with a serial number</source>
        <translation>ikke fritt flytende EPIRB med serienummer</translation>
    </message>
    <message>
        <source>spare</source>
        <translation>reserve</translation>
    </message>
    <message>
        <source>PLB with a serial number</source>
        <translation>PLB med serienummer</translation>
    </message>
    <message>
        <source>Serial beacon type</source>
        <translation>Serienødpeilesendertype</translation>
    </message>
    <message>
        <source>Beacon type</source>
        <translation>Nødpeilesendertype</translation>
    </message>
    <message>
        <source>serial beacon type %1 is spare</source>
        <translation>serienødpeilesendertype %1 er reserve</translation>
    </message>
    <message>
        <source>C/S type approval number flag</source>
        <translation>Flagg for C/S-typegodkjenningsnummer</translation>
    </message>
    <message>
        <source>Aircraft 24-bit address</source>
        <translation>Flyets 24-biters adresse</translation>
    </message>
    <message>
        <source>Aircraft address (24 bits)</source>
        <translation>Flyadresse (24 biter)</translation>
    </message>
    <message>
        <source>Aircraft operator designator</source>
        <translation>Flyoperatørkode</translation>
    </message>
    <message>
        <source>Serial number (from the operator)</source>
        <translation>Serienummer (fra operatøren)</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Bits 64-73 (national use)</source>
        <translation>Bit 64-73 (nasjonal bruk)</translation>
    </message>
    <message>
        <source>C/S type approval number</source>
        <translation>C/S-typegodkjenningsnummer</translation>
    </message>
    <message>
        <source>none: bit 43 = 0, bits 74-83 are national use (%1)</source>
        <translation>ingen: bit 43 = 0, bit 74-83 er nasjonal bruk (%1)</translation>
    </message>
    <message>
        <source>bit 43 = 0: bits 74-83 are national use, no C/S type approval number</source>
        <translation>bit 43 = 0: bit 74-83 er nasjonal bruk, ingen C/S-typegodkjenningsnummer</translation>
    </message>
    <message>
        <source>National use (bits 40-85)</source>
        <translation>Nasjonal bruk (bit 40-85)</translation>
    </message>
    <message>
        <source>national user protocol: bits 40-85 are national use and cannot be read</source>
        <translation>nasjonal brukerprotokoll: bit 40-85 er nasjonal bruk og kan ikke leses</translation>
    </message>
    <message>
        <source>Spare protocol: not defined</source>
        <translation>Reserveprotokoll: ikke definert</translation>
    </message>
    <message>
        <source>user protocol code 101 is spare: not a first-generation protocol</source>
        <translation>brukerprotokollkode 101 er reserve: ikke en førstegenerasjonsprotokoll</translation>
    </message>
    <message>
        <source>Test data</source>
        <translation>Testdata</translation>
    </message>
    <message>
        <source>Test data (bits 40-85)</source>
        <translation>Testdata (bit 40-85)</translation>
    </message>
    <message>
        <source>Auxiliary radio-locating device</source>
        <translation>Radiopeileinnretning</translation>
    </message>
    <message>
        <source>Bits 107-132</source>
        <translation>Bit 107-132</translation>
    </message>
    <message>
        <source>Aircraft operator designator (5-bit letters)</source>
        <translation>Flyoperatørkode (5-biters bokstaver)</translation>
    </message>
    <message>
        <source>MMSI (last six digits)</source>
        <translation>MMSI (siste seks sifre)</translation>
    </message>
    <message>
        <source>the MMSI field holds %1, more than six digits</source>
        <translation>MMSI-feltet inneholder %1, mer enn seks sifre</translation>
    </message>
    <message>
        <source>Fixed 0000</source>
        <translation>Fast 0000</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>ship security alert (not distress)</source>
        <translation>skipssikkerhetsalarm (ikke nød)</translation>
    </message>
    <message>
        <source>ship security: bits 61-64 are %1, not 0000</source>
        <translation>skipssikkerhet: bit 61-64 er %1, ikke 0000</translation>
    </message>
    <message>
        <source>Test identity</source>
        <translation>Testidentitet</translation>
    </message>
    <message>
        <source>Test identity (bits 41-64)</source>
        <translation>Testidentitet (bit 41-64)</translation>
    </message>
    <message>
        <source>National ID</source>
        <translation>Nasjonal ID</translation>
    </message>
    <message>
        <source>RLS beacon type</source>
        <translation>RLS-nødpeilesendertype</translation>
    </message>
    <message>
        <source>first EPIRB on the vessel</source>
        <translation>første EPIRB på fartøyet</translation>
    </message>
    <message>
        <source>second EPIRB on the vessel</source>
        <translation>andre EPIRB på fartøyet</translation>
    </message>
    <message>
        <source>PLB</source>
        <translation>PLB</translation>
    </message>
    <message>
        <source>RLS location test</source>
        <translation>RLS-posisjonstest</translation>
    </message>
    <message>
        <source>MMSI marker (1111)</source>
        <translation>MMSI-markør (1111)</translation>
    </message>
    <message>
        <source>ELT (TAC series 2000)</source>
        <translation>ELT (TAC-serie 2000)</translation>
    </message>
    <message>
        <source>EPIRB (TAC series 1000)</source>
        <translation>EPIRB (TAC-serie 1000)</translation>
    </message>
    <message>
        <source>PLB (TAC series 3000)</source>
        <translation>PLB (TAC-serie 3000)</translation>
    </message>
    <message>
        <source>Truncated RLS TAC</source>
        <translation>Avkortet RLS TAC</translation>
    </message>
    <message>
        <source>RLS type approval number</source>
        <translation>RLS-typegodkjenningsnummer</translation>
    </message>
    <message>
        <source>%1 (test: no series)</source>
        <translation>%1 (test: ingen serie)</translation>
    </message>
    <message>
        <source>%1 (truncated %2)</source>
        <translation>%1 (avkortet %2)</translation>
    </message>
    <message>
        <source>ELT(DT) identity type</source>
        <translation>ELT(DT)-identitetstype</translation>
    </message>
    <message>
        <source>Spare identity type</source>
        <translation>Reserve identitetstype</translation>
    </message>
    <message>
        <source>ELT(DT) identity</source>
        <translation>ELT(DT)-identitet</translation>
    </message>
    <message>
        <source>identity type 11: spare</source>
        <translation>identitetstype 11: reserve</translation>
    </message>
    <message>
        <source>ELT(DT) identity type 11 is spare</source>
        <translation>ELT(DT)-identitetstype 11 er reserve</translation>
    </message>
    <message>
        <source>Latitude minutes (15-minute steps)</source>
        <translation type="vanished">Breddeminutter (15-minutters trinn)</translation>
    </message>
    <message>
        <source>Longitude minutes (15-minute steps)</source>
        <translation type="vanished">Lengdeminutter (15-minutters trinn)</translation>
    </message>
    <message>
        <source>15-minute resolution</source>
        <translation>15-minutters oppløsning</translation>
    </message>
    <message>
        <source>Latitude minutes (2-minute steps)</source>
        <translation type="vanished">Breddeminutter (2-minutters trinn)</translation>
    </message>
    <message>
        <source>Longitude minutes (2-minute steps)</source>
        <translation type="vanished">Lengdeminutter (2-minutters trinn)</translation>
    </message>
    <message>
        <source>2-minute resolution</source>
        <translation>2-minutters oppløsning</translation>
    </message>
    <message>
        <source>Latitude + 30 minutes</source>
        <translation>Breddegrad + 30 minutter</translation>
    </message>
    <message>
        <source>Longitude + 30 minutes</source>
        <translation>Lengdegrad + 30 minutter</translation>
    </message>
    <message>
        <source>30-minute resolution</source>
        <translation>30-minutters oppløsning</translation>
    </message>
    <message>
        <source>Fixed 1101</source>
        <translation>Fast 1101</translation>
    </message>
    <message>
        <source>bits 107-110 are %1, not the fixed 1101</source>
        <translation>bit 107-110 er %1, ikke den faste 1101</translation>
    </message>
    <message>
        <source>Latitude offset (sign, minutes, 4-second steps)</source>
        <translation>Breddeforskyvning (fortegn, minutter, 4-sekunders trinn)</translation>
    </message>
    <message>
        <source>Longitude offset (sign, minutes, 4-second steps)</source>
        <translation>Lengdeforskyvning (fortegn, minutter, 4-sekunders trinn)</translation>
    </message>
    <message>
        <source>4-second resolution</source>
        <translation>4-sekunders oppløsning</translation>
    </message>
    <message>
        <source>Fixed 110</source>
        <translation>Fast 110</translation>
    </message>
    <message>
        <source>Additional data flag (1 position offsets)</source>
        <translation>Tilleggsdataflagg (1 posisjonsforskyvninger)</translation>
    </message>
    <message>
        <source>bits 107-109 are %1, not the fixed 110</source>
        <translation>bit 107-109 er %1, ikke den faste 110</translation>
    </message>
    <message>
        <source>RLM capability and feedback</source>
        <translation>RLM-evne og tilbakemelding</translation>
    </message>
    <message>
        <source>RLS provider</source>
        <translation>RLS-leverandør</translation>
    </message>
    <message>
        <source>Return link messages</source>
        <translation>Returmeldinger (RLM)</translation>
    </message>
    <message>
        <source>automatic Type-1 %1, manual Type-2 %2; Type-1 received %3, Type-2 received %4</source>
        <translation>automatisk Type-1 %1, manuell Type-2 %2; Type-1 mottatt %3, Type-2 mottatt %4</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Galileo</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>GLONASS</translation>
    </message>
    <message>
        <source>manual by the user</source>
        <translation>manuelt av brukeren</translation>
    </message>
    <message>
        <source>automatic by the beacon</source>
        <translation>automatisk av nødpeilesenderen</translation>
    </message>
    <message>
        <source>automatic by external means</source>
        <translation>automatisk av ekstern innretning</translation>
    </message>
    <message>
        <source>400 m or below</source>
        <translation>400 m eller lavere</translation>
    </message>
    <message>
        <source>400-800 m</source>
        <translation>400-800 m</translation>
    </message>
    <message>
        <source>800-1200 m</source>
        <translation>800-1200 m</translation>
    </message>
    <message>
        <source>1200-1600 m</source>
        <translation>1200-1600 m</translation>
    </message>
    <message>
        <source>1600-2200 m</source>
        <translation>1600-2200 m</translation>
    </message>
    <message>
        <source>2200-2800 m</source>
        <translation>2200-2800 m</translation>
    </message>
    <message>
        <source>2800-3400 m</source>
        <translation>2800-3400 m</translation>
    </message>
    <message>
        <source>3400-4000 m</source>
        <translation>3400-4000 m</translation>
    </message>
    <message>
        <source>4000-4800 m</source>
        <translation>4000-4800 m</translation>
    </message>
    <message>
        <source>4800-5600 m</source>
        <translation>4800-5600 m</translation>
    </message>
    <message>
        <source>5600-6600 m</source>
        <translation>5600-6600 m</translation>
    </message>
    <message>
        <source>6600-7600 m</source>
        <translation>6600-7600 m</translation>
    </message>
    <message>
        <source>7600-8800 m</source>
        <translation>7600-8800 m</translation>
    </message>
    <message>
        <source>8800-10000 m</source>
        <translation>8800-10000 m</translation>
    </message>
    <message>
        <source>above 10000 m</source>
        <translation>over 10000 m</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>ikke tilgjengelig</translation>
    </message>
    <message>
        <source>rotating field</source>
        <translation>roterende felt</translation>
    </message>
    <message>
        <source>more than 60 s old, or the default position</source>
        <translation>mer enn 60 s gammel, eller standardposisjonen</translation>
    </message>
    <message>
        <source>more than 2 s and up to 60 s old</source>
        <translation>mer enn 2 s og opptil 60 s gammel</translation>
    </message>
    <message>
        <source>up to 2 s old</source>
        <translation>opptil 2 s gammel</translation>
    </message>
    <message>
        <source>Means of activation</source>
        <translation>Aktiveringsmåte</translation>
    </message>
    <message>
        <source>Encoded altitude</source>
        <translation>Kodet høyde</translation>
    </message>
    <message>
        <source>Location freshness</source>
        <translation>Posisjonens alder</translation>
    </message>
    <message>
        <source>Rotating field</source>
        <translation>Roterende felt</translation>
    </message>
    <message>
        <source>Position bits as given</source>
        <translation>Posisjonsbiter som gitt</translation>
    </message>
    <message>
        <source>a location protocol in a short message: location protocols are long messages only</source>
        <translation>en posisjonsprotokoll i en kort melding: posisjonsprotokoller er bare lange meldinger</translation>
    </message>
    <message>
        <source>location protocol code %1 is spare: nothing can be read and no ID computed</source>
        <translation>posisjonsprotokollkode %1 er reserve: ingenting kan leses og ingen ID beregnes</translation>
    </message>
    <message>
        <source>none: truncated TAC %1 is above 949</source>
        <translation>ingen: avkortet TAC %1 er over 949</translation>
    </message>
    <message>
        <source>%1 (national RLS number, truncated %2)</source>
        <translation>%1 (nasjonalt RLS-nummer, avkortet %2)</translation>
    </message>
    <message>
        <source>the truncated RLS TAC is %1: above 949, it is no RLS type approval number</source>
        <translation>den avkortede RLS-TAC-en er %1: over 949 er den ikke noe RLS-typegodkjenningsnummer</translation>
    </message>
    <message>
        <source>ELT(DT) message</source>
        <translation>ELT(DT)-melding</translation>
    </message>
    <message>
        <source>cancellation: the alert is cancelled</source>
        <translation>kansellering: alarmen er kansellert</translation>
    </message>
    <message>
        <source>Cancellation pattern</source>
        <translation>Kanselleringsmønster</translation>
    </message>
    <message>
        <source>ELT(DT) cancellation: bits 107-132 are %1, not %2</source>
        <translation>ELT(DT)-kansellering: bitene 107-132 er %1, ikke %2</translation>
    </message>
    <message>
        <source>Rotating field identifier</source>
        <translation>Identifikator for roterende felt</translation>
    </message>
    <message>
        <source>aircraft operator designator (000)</source>
        <translation>flyoperatørens betegnelse (000)</translation>
    </message>
    <message>
        <source>Aircraft operator designator (rotating field)</source>
        <translation>Flyoperatørens betegnelse (roterende felt)</translation>
    </message>
    <message>
        <source>Rotating field (spare)</source>
        <translation>Roterende felt (reserve)</translation>
    </message>
    <message>
        <source>ELT(DT) rotating field identifier %1 is spare</source>
        <translation>ELT(DT)-identifikatoren %1 for roterende felt er reserve</translation>
    </message>
    <message>
        <source>none (cancellation message)</source>
        <translation>ingen (kanselleringsmelding)</translation>
    </message>
    <message>
        <source>Latitude minutes (%1-minute steps)</source>
        <translation>Breddeminutter (%1-minutters trinn)</translation>
    </message>
    <message>
        <source>Longitude minutes (%1-minute steps)</source>
        <translation>Lengdeminutter (%1-minutters trinn)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
<context>
    <name>QuorvikTextInputForm.ui</name>
    <message>
        <source>Enter value</source>
        <translation>Skriv inn verdi</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Required or invalid</source>
        <translation>Påkrevd eller ugyldig</translation>
    </message>
    <message>
        <source>Starts with %1</source>
        <translation>Begynner med %1</translation>
    </message>
</context>
<context>
    <name>QvProductLabelForm.ui</name>
    <message>
        <source>Label preview</source>
        <translation>Forhåndsvisning av etikett</translation>
    </message>
    <message>
        <source>Open LBX</source>
        <translation>Åpne LBX</translation>
    </message>
    <message>
        <source>Open generated label in Brother P-touch Editor LBX format</source>
        <translation>Åpne den genererte etiketten i Brother P-touch Editor LBX-format</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Åpne PDF</translation>
    </message>
    <message>
        <source>Open generated label in a PDF viewer</source>
        <translation>Åpne den genererte etiketten i et PDF-program</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print the label</source>
        <translation>Skriv ut etiketten</translation>
    </message>
</context>
<context>
    <name>RegisterOutbox</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 venter</translation>
    </message>
    <message>
        <source>Register: off</source>
        <translation>Register: av</translation>
    </message>
    <message>
        <source>Register: connected</source>
        <translation>Register: tilkoblet</translation>
    </message>
    <message>
        <source>Register: not connected yet</source>
        <translation>Register: ikke tilkoblet ennå</translation>
    </message>
    <message>
        <source>Give a service name, or a host and a database.</source>
        <translation>Oppgi et tjenestenavn, eller en vert og en database.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Porten er et tall fra 1 til 65535.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Innstillingene kunne ikke skrives.</translation>
    </message>
    <message>
        <source>Register: the records were sent, but the local database could not note it: %1</source>
        <translation>Register: postene ble sendt, men den lokale databasen kunne ikke registrere det: %1</translation>
    </message>
    <message>
        <source>Register: no register is set up.</source>
        <translation>Register: ikke noe register er satt opp.</translation>
    </message>
    <message>
        <source>shared register, being programmed</source>
        <translation>felles register, under programmering</translation>
    </message>
    <message>
        <source>shared register</source>
        <translation>felles register</translation>
    </message>
</context>
<context>
    <name>RegisterSettingsForm.ui</name>
    <message>
        <source>Shared register</source>
        <translation>Felles register</translation>
    </message>
    <message>
        <source>Use a shared register:</source>
        <translation>Bruk et felles register:</translation>
    </message>
    <message>
        <source>Service name:</source>
        <translation>Tjenestenavn:</translation>
    </message>
    <message>
        <source>or the fields below</source>
        <translation>eller feltene nedenfor</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Vert:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Bruker:</translation>
    </message>
    <message>
        <source>No password here: give it in ~/.pgpass or in the service file (pg_service.conf).</source>
        <translation>Intet passord her: oppgi det i ~/.pgpass eller i tjenestefilen (pg_service.conf).</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Send nå</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
</context>
<context>
    <name>TextandparamForm.ui</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Param</source>
        <translation>Param</translation>
    </message>
</context>
<context>
    <name>ToolTipButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Hjelp: %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
<context>
    <name>TransferDesktopHelp</name>
    <message>
        <source>Align the programmer with the markings on the beacon.</source>
        <translation>Juster programmereren etter merkene på nødpeilesenderen.</translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation>Trykk én gang på TEST-knappen på nødpeilesenderen.</translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation>MERK: </translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation>Unngå direkte sollys når IR-programmereren brukes, for best resultat.</translation>
    </message>
</context>
<context>
    <name>UiLanguage</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>The shared register cannot be reached: this ID was checked against this station only</source>
        <translation>Det felles registeret kan ikke nås: denne ID-en ble bare kontrollert mot denne stasjonen</translation>
    </message>
    <message>
        <source>the configuration does not make a data block</source>
        <translation>konfigurasjonen gir ingen datablokk</translation>
    </message>
</context>
<context>
    <name>epirbdatablkWrapper</name>
    <message>
        <source>No documents folder is available.</source>
        <translation>Ingen dokumentmappe er tilgjengelig.</translation>
    </message>
    <message>
        <source>The report has not been created.</source>
        <translation>Rapporten er ikke opprettet.</translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation>Etiketten kunne ikke lages.</translation>
    </message>
</context>
<context>
    <name>pdfReport</name>
    <message>
        <source>The PDF could not be drawn</source>
        <translation>PDF-en kunne ikke tegnes</translation>
    </message>
    <message>
        <source>Beacon report</source>
        <translation>Rapport for nødpeilesender</translation>
    </message>
    <message>
        <source>Programming Report</source>
        <translation>Programmeringsrapport</translation>
    </message>
    <message>
        <source>Beacon serial:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>Battery expiry:</source>
        <translation>Batteriets utløpsdato:</translation>
    </message>
    <message>
        <source>AIS user ID:</source>
        <translation>AIS-bruker-ID:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Country code:</source>
        <translation>Landkode:</translation>
    </message>
    <message>
        <source>15 HEX ID (UIN):</source>
        <translation>15 HEX ID (UIN):</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Kontrollsum:</translation>
    </message>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation>Meldingen som er lagret i denne nødpeilesenderen, består ikke kontrollen: programmer den på nytt</translation>
    </message>
    <message>
        <source>(TEST PROTOCOL)</source>
        <translation>(TESTPROTOKOLL)</translation>
    </message>
    <message>
        <source>Radio callsign:</source>
        <translation>Radiokallesignal:</translation>
    </message>
    <message>
        <source>Beacon number:</source>
        <translation>Nødpeilesendernummer:</translation>
    </message>
    <message>
        <source>Coding:</source>
        <translation>Koding:</translation>
    </message>
    <message>
        <source>MMSI/Radio callsign:</source>
        <translation>MMSI/radiokallesignal:</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategori:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nasjonal ID:</translation>
    </message>
    <message>
        <source>Use delta position:</source>
        <translation>Bruk deltaposisjon:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation>Tilleggsdata:</translation>
    </message>
    <message>
        <source>UNSUPPORTED PROTOCOL</source>
        <translation>PROTOKOLL STØTTES IKKE</translation>
    </message>
    <message>
        <source>Serial/TAC</source>
        <translation>Serienr./TAC</translation>
    </message>
    <message>
        <source>C/S serial number:</source>
        <translation>C/S-serienummer:</translation>
    </message>
    <message>
        <source>C/S TAC number:</source>
        <translation>C/S TAC-nummer:</translation>
    </message>
    <message>
        <source>Owner Information</source>
        <translation>Eieropplysninger</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Annet:</translation>
    </message>
    <message>
        <source>Additional info:</source>
        <translation>Tilleggsinformasjon:</translation>
    </message>
    <message>
        <source>Miscellaneous Data</source>
        <translation>Diverse data</translation>
    </message>
    <message>
        <source>Report created from database, originally programmed: %1</source>
        <translation>Rapport laget fra databasen, opprinnelig programmert: %1</translation>
    </message>
    <message>
        <source>Readback from beacon, originally programmed: %1</source>
        <translation>Utlest fra nødpeilesenderen, opprinnelig programmert: %1</translation>
    </message>
    <message>
        <source>121.5 MHz homing:</source>
        <translation>121,5 MHz peiling:</translation>
    </message>
    <message>
        <source>Sweep up</source>
        <translation>Sveip opp</translation>
    </message>
    <message>
        <source>Sweep down</source>
        <translation>Sveip ned</translation>
    </message>
    <message>
        <source>121.5 Morse code:</source>
        <translation>121,5 morsekode:</translation>
    </message>
    <message>
        <source>Programming Data</source>
        <translation>Programmeringsdata</translation>
    </message>
    <message>
        <source>Program version:</source>
        <translation>Programversjon:</translation>
    </message>
    <message>
        <source>Programming station:</source>
        <translation>Programmeringsstasjon:</translation>
    </message>
    <message>
        <source>Programmed by:</source>
        <translation>Programmert av:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Aldmar dealer no:</source>
        <translation>Aldmar forhandlernr.:</translation>
    </message>
    <message>
        <source>Duplicate hex ID. Reason:</source>
        <translation>Duplikat hex ID. Begrunnelse:</translation>
    </message>
    <message>
        <source> Cospas-Sarsat Programming Report</source>
        <translation> Cospas-Sarsat programmeringsrapport</translation>
    </message>
    <message>
        <source>Use the link below to obtain national registration information</source>
        <translation>Bruk lenken nedenfor for nasjonal registreringsinformasjon</translation>
    </message>
</context>
</TS>
