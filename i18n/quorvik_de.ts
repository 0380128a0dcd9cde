<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutForm.ui</name>
    <message>
        <source>Copyright © Aldmar. Programming utility for Aldmar 406 MHz personal locator beacons; for use by authorised service technicians only.</source>
        <translation>Copyright © Aldmar. Programmierwerkzeug für Personen-Notfunkbaken (406 MHz) von Aldmar; nur für autorisierte Servicetechniker.</translation>
    </message>
    <message>
        <source>Application version :</source>
        <translation>Programmversion :</translation>
    </message>
    <message>
        <source>Qt build version :</source>
        <translation>Qt-Build-Version :</translation>
    </message>
    <message>
        <source>Qt runtime version :</source>
        <translation>Qt-Laufzeitversion :</translation>
    </message>
    <message>
        <source>Third-Party Licenses</source>
        <translation>Lizenzen von Drittanbietern</translation>
    </message>
    <message>
        <source> uses open source components as part of the product.</source>
        <translation type="vanished"> verwendet Open-Source-Komponenten als Teil des Produkts.</translation>
    </message>
    <message>
        <source>To see their respecitve terms and licenses, select the component from the dropdown below.</source>
        <translation>Wählen Sie die Komponente in der Auswahlliste unten, um ihre jeweiligen Bedingungen und Lizenzen anzuzeigen.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Rechtliches</translation>
    </message>
    <message>
        <source>Languages: English, Norsk bokmål, Deutsch (Settings → Options → Language).</source>
        <translation>Sprachen: English, Norsk bokmål, Deutsch (Einstellungen → Optionen → Sprache).</translation>
    </message>
    <message>
        <source>%1 uses open source components as part of the product.</source>
        <translation>%1 verwendet Open-Source-Komponenten als Teil des Produkts.</translation>
    </message>
</context>
<context>
    <name>AldmarPageIndicator</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>AldmarScrollView</name>
    <message>
        <source>Scroll</source>
        <translation>Bildlauf</translation>
    </message>
</context>
<context>
    <name>AldmarTableView</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplay</name>
    <message>
        <source>Duplicate ID</source>
        <translation>ID-Duplikat</translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation type="vanished">Nicht gespeichert: </translation>
    </message>
    <message>
        <source>Reports imported, but not saved</source>
        <translation>Berichte importiert, aber nicht gespeichert</translation>
    </message>
    <message>
        <source>The imported reports are shown, but the database could not be written:&lt;br&gt;%1&lt;br&gt;It is tried again every few seconds.&lt;br&gt;&amp;nbsp;</source>
        <translation>Die importierten Berichte werden angezeigt, aber die Datenbank konnte nicht geschrieben werden:&lt;br&gt;%1&lt;br&gt;Es wird alle paar Sekunden erneut versucht.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Reports imported</source>
        <translation>Berichte importiert</translation>
    </message>
    <message>
        <source>%1 new and %2 updated reports imported.&lt;br&gt;%3 reports could not be imported (see the log).&lt;br&gt;&amp;nbsp;</source>
        <translation>%1 neue und %2 aktualisierte Berichte importiert.&lt;br&gt;%3 Berichte konnten nicht importiert werden (siehe Log).&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Could not open imports file&lt;br&gt;&amp;nbsp;</source>
        <translation>Importdatei konnte nicht geöffnet werden&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Invalid imports file&lt;br&gt;&amp;nbsp;</source>
        <translation>Ungültige Importdatei&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Unsupported imports file version.&lt;br&gt;You might need to update </source>
        <translation type="vanished">Version der Importdatei wird nicht unterstützt.&lt;br&gt;Aktualisieren Sie ggf. </translation>
    </message>
    <message>
        <source>.&lt;br&gt;&amp;nbsp;</source>
        <translation type="vanished">.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Unknown error&lt;br&gt;&amp;nbsp;</source>
        <translation>Unbekannter Fehler&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Failed to import reports&lt;br&gt;&amp;nbsp;</source>
        <translation>Berichte konnten nicht importiert werden&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>No reports to export</source>
        <translation>Keine Berichte zum Exportieren</translation>
    </message>
    <message>
        <source>Could not open export file</source>
        <translation>Exportdatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not write to export file</source>
        <translation>In die Exportdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Failed to export reports</source>
        <translation>Berichte konnten nicht exportiert werden</translation>
    </message>
    <message>
        <source>Import reports from file</source>
        <translation>Berichte aus Datei importieren</translation>
    </message>
    <message>
        <source> Reports (*.tlr)</source>
        <translation type="vanished"> Berichte (*.tlr)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Export reports to file</source>
        <translation>Berichte in Datei exportieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unsupported imports file version.&lt;br&gt;You might need to update %1.&lt;br&gt;&amp;nbsp;</source>
        <translation>Version der Importdatei wird nicht unterstützt.&lt;br&gt;Aktualisieren Sie ggf. %1.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 Reports (*.tlr)</source>
        <translation>%1-Berichte (*.tlr)</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplayForm.ui</name>
    <message>
        <source>PROGRAMMED BEACONS LIST</source>
        <translation>LISTE DER PROGRAMMIERTEN BAKEN</translation>
    </message>
    <message>
        <source>Double click report row or click view report button to see details</source>
        <translation>Doppelklicken Sie auf eine Berichtszeile oder klicken Sie auf „Bericht anzeigen“, um Details zu sehen</translation>
    </message>
    <message>
        <source>This station</source>
        <translation>Diese Station</translation>
    </message>
    <message>
        <source>All stations</source>
        <translation>Alle Stationen</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Search programmed beacons</source>
        <translation>Programmierte Baken durchsuchen</translation>
    </message>
    <message>
        <source>Programmed beacons</source>
        <translation>Programmierte Baken</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Bericht anzeigen</translation>
    </message>
    <message>
        <source>Export all reports</source>
        <translation>Alle Berichte exportieren</translation>
    </message>
    <message>
        <source>Export PDF report</source>
        <translation>PDF-Bericht exportieren</translation>
    </message>
    <message>
        <source>Import reports</source>
        <translation>Berichte importieren</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingle</name>
    <message>
        <source>C/S Serial ID:</source>
        <translation>C/S-Serien-ID:</translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Funkrufzeichen:</translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation>MMSI / Rufzeichen:</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>MMSI-Nummer:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nationale ID:</translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation>C/S TAC-Nr.:</translation>
    </message>
    <message>
        <source>Beacon no:</source>
        <translation>Baken-Nr.:</translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation>Delta-Position verwenden:</translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation>Baken-Nr.:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="vanished"> Minuten</translation>
    </message>
    <message>
        <source>Additional Data:</source>
        <translation>Zusatzdaten:</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Zusatzdaten</translation>
    </message>
    <message>
        <source>PDF report created</source>
        <translation>PDF-Bericht erstellt</translation>
    </message>
    <message>
        <source>Display the created report in external PDF viewer?&lt;br&gt;&amp;nbsp;</source>
        <translation>Den erstellten Bericht in einem externen PDF-Betrachter anzeigen?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Remove Beacon</source>
        <translation>Bake entfernen</translation>
    </message>
    <message>
        <source>Do you really want to remove this beacon completely?&lt;br&gt;&amp;nbsp;</source>
        <translation>Möchten Sie diese Bake wirklich vollständig entfernen?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Note not saved</source>
        <translation>Notiz nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingleForm.ui</name>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation>Die in dieser Bake gespeicherte Nachricht besteht die Prüfung nicht: Bake neu programmieren</translation>
    </message>
    <message>
        <source>Inspect the message</source>
        <translation>Nachricht untersuchen</translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation>BAKEN-INFO</translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation>Serien-Nr.:</translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation>AIS-Benutzer-ID:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batterieablauf:</translation>
    </message>
    <message>
        <source>Battery Type:</source>
        <translation>Batterietyp:</translation>
    </message>
    <message>
        <source>Last Test Result:</source>
        <translation>Letztes Testergebnis:</translation>
    </message>
    <message>
        <source>Time activated:</source>
        <translation>Aktivierungszeit:</translation>
    </message>
    <message>
        <source>No of Self Tests performed:</source>
        <translation>Anzahl durchgeführter Selbsttests:</translation>
    </message>
    <message>
        <source>No of Extended&lt;br&gt;Self Tests performed:</source>
        <translation>Anzahl durchgeführter erweiterter&lt;br&gt;Selbsttests:</translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation>PROGRAMMIER-INFO</translation>
    </message>
    <message>
        <source>Programmed:</source>
        <translation>Programmiert:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Zusatzdaten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
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
        <translation>Sonstige Infos:</translation>
    </message>
    <message>
        <source>Duplicate ID reason:</source>
        <translation>Begründung ID-Duplikat:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15-Hex-ID:</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy 15 Hex Id to clipboard</source>
        <translation>15-Hex-ID in Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Untersuchen</translation>
    </message>
    <message>
        <source>Inspect the 15 Hex Id</source>
        <translation>15-Hex-ID untersuchen</translation>
    </message>
    <message>
        <source>Hex Id Checksum:</source>
        <translation>Hex-ID-Prüfsumme:</translation>
    </message>
    <message>
        <source>Copy Hex Id Checksum to clipboard</source>
        <translation>Hex-ID-Prüfsumme in Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>ADDITIONAL INFO</source>
        <translation>ZUSATZINFO</translation>
    </message>
    <message>
        <source>Additional info</source>
        <translation>Zusatzinfo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Make Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Labeling Guide</source>
        <translation>Etikettierhilfe</translation>
    </message>
    <message>
        <source>Remove Report</source>
        <translation>Bericht entfernen</translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplay</name>
    <message>
        <source>Beacon / Serial No:</source>
        <translation>Bake / Serien-Nr.:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15-Hex-ID:</translation>
    </message>
    <message>
        <source>The beacon of this log is not known</source>
        <translation>Die Bake zu diesem Log ist unbekannt</translation>
    </message>
    <message>
        <source>Exported to </source>
        <translation type="vanished">Exportiert nach </translation>
    </message>
    <message>
        <source>Not exported yet: </source>
        <translation type="vanished">Noch nicht exportiert: </translation>
    </message>
    <message>
        <source> exists</source>
        <translation type="vanished"> ist vorhanden</translation>
    </message>
    <message>
        <source>Could not write </source>
        <translation type="vanished">Fehler beim Schreiben von </translation>
    </message>
    <message>
        <source>Boot log export exists</source>
        <translation>Export des Startprotokolls vorhanden</translation>
    </message>
    <message>
        <source>An earlier boot log export is named %1.&lt;br&gt;Replace it with this log?&lt;br&gt;No keeps it and saves this log under a new name.&lt;br&gt;&amp;nbsp;</source>
        <translation>Ein früherer Export des Startprotokolls heißt %1.&lt;br&gt;Durch dieses Log ersetzen?&lt;br&gt;„Nein“ behält ihn und speichert dieses Protokoll unter einem neuen Namen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Not exported yet: %1 exists</source>
        <translation>Noch nicht exportiert: %1 ist vorhanden</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplayForm.ui</name>
    <message>
        <source>BEACON LOG</source>
        <translation>BAKEN-LOG</translation>
    </message>
    <message>
        <source>Boot counters</source>
        <translation>Startzähler</translation>
    </message>
    <message>
        <source>Boot log entries</source>
        <translation>Einträge im Startprotokoll</translation>
    </message>
</context>
<context>
    <name>BeaconReadForm.ui</name>
    <message>
        <source>BEACON READBACK</source>
        <translation>BAKE ZURÜCKLESEN</translation>
    </message>
    <message>
        <source>Read progress</source>
        <translation>Lesefortschritt</translation>
    </message>
</context>
<context>
    <name>BeaconReadPage</name>
    <message>
        <source>LOG READBACK</source>
        <translation>LOG ZURÜCKLESEN</translation>
    </message>
    <message>
        <source>BEACON READBACK</source>
        <translation>BAKE ZURÜCKLESEN</translation>
    </message>
</context>
<context>
    <name>DatabaseIfc</name>
    <message>
        <source>%1 could not be read: %2. No beacons are shown; nothing will be written to it until it can be read.</source>
        <translation>%1 konnte nicht gelesen werden: %2. Es werden keine Baken angezeigt; bis die Datei gelesen werden kann, wird nichts in sie geschrieben.</translation>
    </message>
    <message>
        <source>%1 could not be read whole. %2</source>
        <translation>%1 konnte nicht vollständig gelesen werden. %2</translation>
    </message>
    <message>
        <source>%1 beacon records could be read and are shown.</source>
        <translation>%1 Baken-Datensätze konnten gelesen werden und werden angezeigt.</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>Die beschädigte Datei wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside; it is not overwritten.</source>
        <translation>Die beschädigte Datei konnte nicht beiseitegelegt werden; sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>The last good copy is %1.</source>
        <translation>Die letzte gute Kopie ist %1.</translation>
    </message>
    <message>
        <source>There is no earlier good copy.</source>
        <translation>Es gibt keine frühere gute Kopie.</translation>
    </message>
    <message>
        <source>Check the list of programmed beacons. The next change saves what was read; if beacons are missing, put the last good copy back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation>Prüfen Sie die Liste der programmierten Baken. Die nächste Änderung speichert das Gelesene; fehlen Baken, spielen Sie die letzte gute Kopie mit „Aus Sicherung wiederherstellen“ auf der Seite Optionen zurück.</translation>
    </message>
    <message>
        <source>%1 is not there, though good copies of it are: it was removed or moved. The last good copy is %2. If the beacons it holds are missing here, put it back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation>%1 ist nicht vorhanden, obwohl es gute Kopien davon gibt: Die Datei wurde entfernt oder verschoben. Die letzte gute Kopie ist %2. Fehlen die darin enthaltenen Baken hier, spielen Sie sie mit „Aus Sicherung wiederherstellen“ auf der Seite Optionen zurück.</translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2) on another computer, %3; a lock from another computer is not broken from here. If that program is no longer running, remove %4</source>
        <translation>die Datenbank wird von %1 (Prozess %2) auf einem anderen Computer verwendet, %3; eine Sperre eines anderen Computers wird von hier aus nicht aufgehoben. Läuft dieses Programm nicht mehr, entfernen Sie %4</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2 on %3) and was not released within %4 s</source>
        <translation>die Datenbank wird von %1 (Prozess %2 auf %3) verwendet und wurde nicht innerhalb von %4 s freigegeben</translation>
    </message>
    <message>
        <source>the database is in use by another program and was not released within %1 s</source>
        <translation>die Datenbank wird von einem anderen Programm verwendet und wurde nicht innerhalb von %1 s freigegeben</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be created (is the folder writable?)</source>
        <translation>ihre Sperrdatei %1 kann nicht angelegt werden (ist der Ordner beschreibbar?)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it cannot be read first (%1)</source>
        <translation>die Datei kann vorher nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1 disappeared while the program was running (removed or moved by another program). The %2 beacon records read before are written back with the changes since.</source>
        <translation>%1 ist verschwunden, während das Programm lief (von einem anderen Programm entfernt oder verschoben). Die %2 zuvor gelesenen Baken-Datensätze werden mit den seitdem vorgenommenen Änderungen zurückgeschrieben.</translation>
    </message>
    <message>
        <source>it is damaged and could not be kept aside</source>
        <translation>die Datei ist beschädigt und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>There is no database folder.</source>
        <translation>Es gibt keinen Datenbankordner.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is not a whole database: %2</source>
        <translation>%1 ist keine vollständige Datenbank: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: %2</source>
        <translation>%1 wurde nicht wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>%1 was not restored: the current database could not be kept aside as %2 (%3)</source>
        <translation>%1 wurde nicht wiederhergestellt: Die aktuelle Datenbank konnte nicht als %2 beiseitegelegt werden (%3)</translation>
    </message>
    <message>
        <source>%1 was not restored: %2 could not be written (%3)</source>
        <translation>%1 wurde nicht wiederhergestellt: %2 konnte nicht geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: the beacon was programmed again meanwhile by another program, and the newer programming is shown now. Write the note again if it still applies.</source>
        <translation>Die Notiz zu Bake %1 wurde nicht gespeichert: Die Bake wurde inzwischen von einem anderen Programm neu programmiert, und die neuere Programmierung wird jetzt angezeigt. Schreiben Sie die Notiz erneut, wenn sie noch zutrifft.</translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: another program removed the beacon from the database meanwhile.</source>
        <translation>Die Notiz zu Bake %1 wurde nicht gespeichert: Ein anderes Programm hat die Bake inzwischen aus der Datenbank entfernt.</translation>
    </message>
</context>
<context>
    <name>DocumentNotice</name>
    <message>
        <source>No program could open the file</source>
        <translation>Kein Programm konnte die Datei öffnen</translation>
    </message>
    <message>
        <source>The file was saved to:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;No program on this computer opened it. Choose Open to show its folder.&lt;br&gt;&amp;nbsp;</source>
        <translation>Die Datei wurde gespeichert unter:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Kein Programm auf diesem Computer hat sie geöffnet. Wählen Sie „Öffnen“, um ihren Ordner anzuzeigen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>File not created</source>
        <translation>Datei nicht erstellt</translation>
    </message>
    <message>
        <source>Could not write %1:&lt;br&gt;%2&lt;br&gt;&amp;nbsp;</source>
        <translation>%1 konnte nicht geschrieben werden:&lt;br&gt;%2&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>DuplicateGuard</name>
    <message>
        <source>database of this station</source>
        <translation>Datenbank dieser Station</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation type="vanished">Bake</translation>
    </message>
    <message>
        <source>, programmed %1</source>
        <translation type="vanished">, programmiert am %1</translation>
    </message>
    <message>
        <source>, date of programming unknown</source>
        <translation type="vanished">, Programmierdatum unbekannt</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation type="vanished"> an %1</translation>
    </message>
    <message>
        <source> by %1</source>
        <translation type="vanished"> von %1</translation>
    </message>
    <message>
        <source>Beacon %1</source>
        <translation>Bake %1</translation>
    </message>
    <message>
        <source>%1, programmed %2 at %3 by %4</source>
        <translation>%1, programmiert am %2 bei %3 von %4</translation>
    </message>
    <message>
        <source>%1, programmed %2 at %3</source>
        <translation>%1, programmiert am %2 bei %3</translation>
    </message>
    <message>
        <source>%1, programmed %2 by %3</source>
        <translation>%1, programmiert am %2 von %3</translation>
    </message>
    <message>
        <source>%1, programmed %2</source>
        <translation>%1, programmiert am %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown at %2 by %3</source>
        <translation>%1, Programmierdatum unbekannt, bei %2 von %3</translation>
    </message>
    <message>
        <source>%1, date of programming unknown at %2</source>
        <translation>%1, Programmierdatum unbekannt, bei %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown by %2</source>
        <translation>%1, Programmierdatum unbekannt, von %2</translation>
    </message>
    <message>
        <source>%1, date of programming unknown</source>
        <translation>%1, Programmierdatum unbekannt</translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialog</name>
    <message>
        <source>Hex ID not checked</source>
        <translation>Hex-ID nicht geprüft</translation>
    </message>
    <message>
        <source>Hex ID already in use</source>
        <translation>Hex-ID bereits vergeben</translation>
    </message>
    <message>
        <source>Hex ID %1 could not be checked against the other stations:</source>
        <translation>Hex-ID %1 konnte nicht mit den anderen Stationen abgeglichen werden:</translation>
    </message>
    <message>
        <source>Hex ID %1 is already carried by:</source>
        <translation>Hex-ID %1 ist bereits vergeben an:</translation>
    </message>
    <message>
        <source>Give a reason first</source>
        <translation>Geben Sie zuerst eine Begründung an</translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialogForm.ui</name>
    <message>
        <source>Hex ID already in use</source>
        <translation>Hex-ID bereits vergeben</translation>
    </message>
    <message>
        <source>Two beacons with one hex ID confuse rescuers and registration authorities. Nothing has been written to the PLB. Program it anyway only for a good reason: the reason is stored with the beacon&apos;s record, printed on its programming report and written to the log.</source>
        <translation>Zwei Baken mit derselben Hex-ID verwirren Rettungskräfte und Registrierungsbehörden. Es wurde nichts in die PLB geschrieben. Programmieren Sie sie trotzdem nur aus gutem Grund: Die Begründung wird im Datensatz der Bake gespeichert, auf ihren Programmierbericht gedruckt und ins Protokoll geschrieben.</translation>
    </message>
    <message>
        <source>Reason for programming this hex ID anyway</source>
        <translation>Begründung, diese Hex-ID trotzdem zu programmieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Program anyway</source>
        <translation>Trotzdem programmieren</translation>
    </message>
</context>
<context>
    <name>EpirbApp</name>
    <message>
        <source>Database of programmed beacons damaged</source>
        <translation>Datenbank der programmierten Baken beschädigt</translation>
    </message>
    <message>
        <source>Plan refused, nothing written</source>
        <translation>Plan abgelehnt, nichts geschrieben</translation>
    </message>
    <message>
        <source>No folder for the custom country list</source>
        <translation>Kein Ordner für die eigene Länderliste</translation>
    </message>
    <message>
        <source>File is not a country code list</source>
        <translation>Datei ist keine Ländercode-Liste</translation>
    </message>
</context>
<context>
    <name>EpirbQMLProxy</name>
    <message>
        <source>No documents folder is available.</source>
        <translation>Kein Dokumentenordner verfügbar.</translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation>Das Etikett konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>FirstTimeSetup</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation>Nur Ziffern, höchstens %1</translation>
    </message>
</context>
<context>
    <name>FirstTimeSetupForm.ui</name>
    <message>
        <source>Welcome to</source>
        <translation type="vanished">Willkommen bei</translation>
    </message>
    <message>
        <source>Please fill in information about your self below.</source>
        <translation>Bitte geben Sie unten Angaben zu Ihrer Person ein.</translation>
    </message>
    <message>
        <source>This will be printed on programming reports.</source>
        <translation>Dies wird auf Programmierberichte gedruckt.</translation>
    </message>
    <message>
        <source>Operator Name:</source>
        <translation>Bedienername:</translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation>Prog.-Station:</translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation>Händler-Nr.:</translation>
    </message>
    <message>
        <source>These settings can be changed from the options screen later.</source>
        <translation>Diese Einstellungen können später auf der Seite Optionen geändert werden.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Willkommen bei %1</translation>
    </message>
</context>
<context>
    <name>IdentityRules</name>
    <message>
        <source>MMSI (last %1 digits) / Call sign:</source>
        <translation>MMSI (letzte %1 Ziffern) / Rufzeichen:</translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Funkrufzeichen:</translation>
    </message>
    <message>
        <source>MMSI number (last %1 digits):</source>
        <translation>MMSI-Nummer (letzte %1 Ziffern):</translation>
    </message>
    <message>
        <source>Beacon number (0-%1):</source>
        <translation>Bakennummer (0-%1):</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation>Nationale ID-Nummer</translation>
    </message>
    <message>
        <source>National Data</source>
        <translation>Nationale Daten</translation>
    </message>
    <message>
        <source>Enter the MMSI</source>
        <translation>MMSI eingeben</translation>
    </message>
    <message>
        <source>The MMSI takes digits only</source>
        <translation>Die MMSI darf nur Ziffern enthalten</translation>
    </message>
    <message>
        <source>Enter the last 4 digits of the MMSI</source>
        <translation>Geben Sie die letzten 4 Ziffern der MMSI ein</translation>
    </message>
    <message>
        <source>MMSI %1 does not start with %2, the MID of the country chosen</source>
        <translation>MMSI %1 beginnt nicht mit %2, der MID des gewählten Landes</translation>
    </message>
    <message>
        <source>The MMSI needs 6 digits: its last 6, or all 9</source>
        <translation>Die MMSI braucht 6 Ziffern: die letzten 6 oder alle 9</translation>
    </message>
    <message>
        <source>Enter 3 to 6 letters or digits</source>
        <translation>Geben Sie 3 bis 6 Buchstaben oder Ziffern ein</translation>
    </message>
    <message>
        <source>A radio call sign is up to 4 letters or digits, then up to 3 digits</source>
        <translation>Ein Funkrufzeichen besteht aus bis zu 4 Buchstaben oder Ziffern, gefolgt von bis zu 3 Ziffern</translation>
    </message>
    <message>
        <source>This protocol has no MMSI</source>
        <translation>Dieses Protokoll hat keine MMSI</translation>
    </message>
    <message>
        <source>Beacon number must be 0 to %1</source>
        <translation>Die Bakennummer muss 0 bis %1 sein</translation>
    </message>
    <message>
        <source>Not a valid %1</source>
        <translation>%1 ist ungültig</translation>
    </message>
    <message>
        <source>identity</source>
        <translation>Identität</translation>
    </message>
    <message>
        <source>Serial number must be 1 to %1</source>
        <translation>Die Seriennummer muss 1 bis %1 sein</translation>
    </message>
    <message>
        <source>National ID must be 0 to %1</source>
        <translation>Die nationale ID muss 0 bis %1 sein</translation>
    </message>
    <message>
        <source>National data must be 0 to %1</source>
        <translation>Die nationalen Daten müssen 0 bis %1 sein</translation>
    </message>
    <message>
        <source>Unknown field</source>
        <translation>Unbekanntes Feld</translation>
    </message>
    <message>
        <source>Enter the 5 digits of the serial number on the beacon&apos;s label</source>
        <translation>Geben Sie die 5 Ziffern der Seriennummer auf dem Etikett der Bake ein</translation>
    </message>
    <message>
        <source>Serial numbers above %1 are not handled for this beacon</source>
        <translation>Seriennummern über %1 werden für diese Bake nicht unterstützt</translation>
    </message>
    <message>
        <source>Enter the battery expiry as month and year (MM/YYYY)</source>
        <translation>Geben Sie den Batterieablauf als Monat und Jahr ein (MM/YYYY)</translation>
    </message>
    <message>
        <source>No enabled protocol fits country %1: check the protocol settings</source>
        <translation>Kein aktiviertes Protokoll passt zu Land %1: Prüfen Sie die Protokolleinstellungen</translation>
    </message>
    <message>
        <source>This protocol is not enabled: choose another, or check the protocol settings</source>
        <translation>Dieses Protokoll ist nicht aktiviert: Wählen Sie ein anderes oder prüfen Sie die Protokolleinstellungen</translation>
    </message>
    <message>
        <source>%1 is not allowed for country %2</source>
        <translation>%1 ist für Land %2 nicht zulässig</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Beacon number</source>
        <translation>Bakennummer</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>National data</source>
        <translation>Nationale Daten</translation>
    </message>
    <message>
        <source>Protocol %1 cannot be programmed</source>
        <translation>Protokoll %1 kann nicht programmiert werden</translation>
    </message>
    <message>
        <source>%1 is not a protocol of the %2</source>
        <translation>%1 ist kein Protokoll der %2</translation>
    </message>
    <message>
        <source>%1 is a test protocol: test protocols are not allowed</source>
        <translation>%1 ist ein Testprotokoll: Testprotokolle sind nicht zulässig</translation>
    </message>
    <message>
        <source>Country %1 is not in the country list</source>
        <translation>Land %1 ist nicht in der Länderliste</translation>
    </message>
    <message>
        <source>Serial protocols for USA cannot be programmed with Quorvik</source>
        <translation>Seriennummernprotokolle für die USA können mit Quorvik nicht programmiert werden</translation>
    </message>
    <message>
        <source>Serial No: the beacon&apos;s serial number is missing</source>
        <translation>Serien-Nr.: Die Seriennummer der Bake fehlt</translation>
    </message>
    <message>
        <source>%1: %2 does not carry it</source>
        <translation>%1: %2 hat dieses Feld nicht</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>none entered</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>Serial number %1 is not the beacon&apos;s own, and custom protocol serial numbers are not enabled in options</source>
        <translation>Seriennummer %1 ist nicht die der Bake selbst, und abweichende Protokoll-Seriennummern sind in den Optionen nicht aktiviert</translation>
    </message>
    <message>
        <source>Beacon number 1 is the second EPIRB on board, but the record is marked as the first</source>
        <translation>Bakennummer 1 ist die zweite EPIRB an Bord, aber der Datensatz ist als erste gekennzeichnet</translation>
    </message>
    <message>
        <source>The message to write does not decode</source>
        <translation>Die zu schreibende Nachricht lässt sich nicht decodieren</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>The message to write has a wrong BCH code</source>
        <translation>Die zu schreibende Nachricht hat einen falschen BCH-Code</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>TAC</source>
        <translation>TAC</translation>
    </message>
    <message>
        <source>National ID</source>
        <translation>Nationale ID</translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation>Deltaposition verwenden</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>LabelingPage_BlockRLSForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>ETIKETTIERHILFE</translation>
    </message>
    <message>
        <source>RLS marker to block</source>
        <translation>Abzudeckende RLS-Markierung</translation>
    </message>
    <message>
        <source>Block the indicated RLS marker with the orange circle sticker.</source>
        <translation>Decken Sie die angezeigte RLS-Markierung mit dem orangefarbenen runden Aufkleber ab.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_BoxCountryForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>ETIKETTIERHILFE</translation>
    </message>
    <message>
        <source>Country name</source>
        <translation>Ländername</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Country label preview</source>
        <translation>Vorschau des Länderetiketts</translation>
    </message>
    <message>
        <source>Country label on the PLB box</source>
        <translation>Länderetikett auf dem PLB-Karton</translation>
    </message>
    <message>
        <source>Print the above country label using a label printer with 9mm height and 65mm width.</source>
        <translation>Drucken Sie das obige Länderetikett mit einem Etikettendrucker in 9 mm Höhe und 65 mm Breite.</translation>
    </message>
    <message>
        <source>Place the country label as indicated on the PLB box.</source>
        <translation>Bringen Sie das Länderetikett wie gezeigt auf dem PLB-Karton an.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ContactInfoForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>ETIKETTIERHILFE</translation>
    </message>
    <message>
        <source>Contact information:</source>
        <translation>Kontaktangaben:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Contact label preview</source>
        <translation>Vorschau des Kontaktetiketts</translation>
    </message>
    <message>
        <source>Enter the contact information above to make the label.</source>
        <translation>Geben Sie oben die Kontaktangaben ein, um das Etikett zu erstellen.</translation>
    </message>
    <message>
        <source>Location 2 on the PLB</source>
        <translation>Stelle 2 an der PLB</translation>
    </message>
    <message>
        <source>Relevant registration authority might supply their own contact label.</source>
        <translation>Die zuständige Registrierungsbehörde stellt möglicherweise ein eigenes Kontaktetikett bereit.</translation>
    </message>
    <message>
        <source>Enter the correct contact information to rescue services above.</source>
        <translation>Geben Sie oben die korrekten Kontaktangaben für die Rettungsdienste ein.</translation>
    </message>
    <message>
        <source>Print the contact information label using a label printer with 18mm height and 44mm width.</source>
        <translation>Drucken Sie das Kontaktetikett mit einem Etikettendrucker in 18 mm Höhe und 44 mm Breite.</translation>
    </message>
    <message>
        <source>Place the contact information label at location 2 on the PLB.</source>
        <translation>Bringen Sie das Kontaktetikett an Stelle 2 der PLB an.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProgrammingForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>ETIKETTIERHILFE</translation>
    </message>
    <message>
        <source>Programming label preview</source>
        <translation>Vorschau des Programmieretiketts</translation>
    </message>
    <message>
        <source>Location 1 on the PLB</source>
        <translation>Stelle 1 an der PLB</translation>
    </message>
    <message>
        <source>Print the above programming information label using a label printer with 9mm height and 41 mm width.</source>
        <translation>Drucken Sie das obige Programmieretikett mit einem Etikettendrucker in 9 mm Höhe und 41 mm Breite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Print with high quality and no halftones for best result</source>
        <translation>&lt;b&gt;HINWEIS:&lt;/b&gt; Für ein optimales Ergebnis in hoher Qualität und ohne Halbtöne drucken</translation>
    </message>
    <message>
        <source>Place the programming information label at location 1 on the PLB.</source>
        <translation>Bringen Sie das Programmieretikett an Stelle 1 der PLB an.</translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProtectionForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation>ETIKETTIERHILFE</translation>
    </message>
    <message>
        <source>UV protection films over the labels</source>
        <translation>UV-Schutzfolien über den Etiketten</translation>
    </message>
    <message>
        <source>Place the transparent UV protection films over the two labels at the indicated positions.</source>
        <translation>Bringen Sie die transparenten UV-Schutzfolien an den gezeigten Stellen über den beiden Etiketten an.</translation>
    </message>
</context>
<context>
    <name>MainScene</name>
    <message>
        <source>Failed to graphics backend</source>
        <translation>Grafik-Backend konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Could not load the graphics backend. Application will terminate.</source>
        <translation>Das Grafik-Backend konnte nicht geladen werden. Die Anwendung wird beendet.</translation>
    </message>
    <message>
        <source>Failed to load main window</source>
        <translation>Hauptfenster konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Could not load the main window. Application will terminate.</source>
        <translation>Das Hauptfenster konnte nicht geladen werden. Die Anwendung wird beendet.</translation>
    </message>
</context>
<context>
    <name>Main_StartProg</name>
    <message>
        <source>PROGRAM </source>
        <translation type="vanished">PROGRAMMIEREN </translation>
    </message>
    <message>
        <source>Cannot open communication port</source>
        <translation>Kommunikationsport kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open communication port.&lt;br&gt;Ensure that KAV-12 is connected.&lt;br&gt;Select port in the Settings-&gt;Options menu.&lt;br&gt;&amp;nbsp;</source>
        <translation>Kommunikationsport kann nicht geöffnet werden.&lt;br&gt;Stellen Sie sicher, dass der KAV-12 angeschlossen ist.&lt;br&gt;Wählen Sie den Port im Menü Einstellungen-&gt;Optionen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>PROGRAM %1</source>
        <translation>%1 PROGRAMMIEREN</translation>
    </message>
</context>
<context>
    <name>Main_StartProgForm.ui</name>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation>Bake</translation>
    </message>
    <message>
        <source>GET STARTED</source>
        <translation>ERSTE SCHRITTE</translation>
    </message>
</context>
<context>
    <name>MenuBarForm.ui</name>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Readback</source>
        <translation>Zurücklesen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit Programming</source>
        <translation>Programmierung beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Menubar</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Programming in progress</source>
        <translation>Programmierung läuft</translation>
    </message>
    <message>
        <source>The PLB is being programmed. Stopping now can leave it half programmed.&lt;br&gt;Stop programming?&lt;br&gt;&amp;nbsp;</source>
        <translation>Die PLB wird gerade programmiert. Ein Abbruch jetzt kann sie halb programmiert zurücklassen.&lt;br&gt;Programmierung abbrechen?&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>MenubarButtonForm.ui</name>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
</context>
<context>
    <name>MessageDecode</name>
    <message>
        <source>The compared input cannot be decoded: </source>
        <translation type="vanished">Die Vergleichseingabe lässt sich nicht decodieren: </translation>
    </message>
    <message>
        <source>Same beacon: every field both show is the same.</source>
        <translation>Dieselbe Bake: Alle Felder, die beide zeigen, sind gleich.</translation>
    </message>
    <message numerus="yes">
        <source>Same 15-hex ID, but %n field(s) differ (marked).</source>
        <translation>
            <numerusform>Gleiche 15-Hex-ID, aber %n Feld weicht ab (markiert).</numerusform>
            <numerusform>Gleiche 15-Hex-ID, aber %n Felder weichen ab (markiert).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not the same beacon: %n field(s) differ (marked).</source>
        <translation>
            <numerusform>Nicht dieselbe Bake: %n Feld weicht ab (markiert).</numerusform>
            <numerusform>Nicht dieselbe Bake: %n Felder weichen ab (markiert).</numerusform>
        </translation>
    </message>
    <message>
        <source>The compared input cannot be decoded: %1</source>
        <translation>Die Vergleichseingabe lässt sich nicht decodieren: %1</translation>
    </message>
</context>
<context>
    <name>MessageDecodeForm.ui</name>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>DECODE A HEX ID OR MESSAGE</source>
        <translation>HEX-ID ODER NACHRICHT DECODIEREN</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hex ID or message (spaces are ignored):</source>
        <translation>Hex-ID oder Nachricht (Leerzeichen werden ignoriert):</translation>
    </message>
    <message>
        <source>e.g. 9C6F40C0E4003D5</source>
        <translation>z. B. 9C6F40C0E4003D5</translation>
    </message>
    <message>
        <source>Compare with (another hex ID or message):</source>
        <translation>Vergleichen mit (weitere Hex-ID oder Nachricht):</translation>
    </message>
    <message>
        <source>the label, the registration or the beacon</source>
        <translation>dem Etikett, der Registrierung oder der Bake</translation>
    </message>
    <message>
        <source>Beacon on the adapter</source>
        <translation>Bake am Adapter</translation>
    </message>
    <message>
        <source>Read the beacon on the programming adapter and compare with its message</source>
        <translation>Die Bake am Programmieradapter lesen und mit ihrer Nachricht vergleichen</translation>
    </message>
    <message>
        <source>This beacon record</source>
        <translation>Dieser Baken-Datensatz</translation>
    </message>
    <message>
        <source>Compare with the message of the beacon this page was opened from</source>
        <translation>Mit der Nachricht der Bake vergleichen, von der aus diese Seite geöffnet wurde</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Copy as JSON</source>
        <translation>Als JSON kopieren</translation>
    </message>
    <message>
        <source>BITS</source>
        <translation>BITS</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
</context>
<context>
    <name>MessageDecoder</name>
    <message>
        <source>Enter a 15-digit hex ID, or a message of 22 or 30 hex digits (without sync) or of 28 or 36 hex digits (with the sync FFFE2F).</source>
        <translation>Geben Sie eine 15-stellige Hex-ID ein oder eine Nachricht aus 22 oder 30 Hex-Ziffern (ohne Sync) bzw. aus 28 oder 36 Hex-Ziffern (mit dem Sync FFFE2F).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not hexadecimal</source>
        <translation>„%1“ ist nicht hexadezimal</translation>
    </message>
    <message>
        <source>expected 15, 22, 28, 30 or 36 hex digits, got %1</source>
        <translation>15, 22, 28, 30 oder 36 Hex-Ziffern erwartet, %1 erhalten</translation>
    </message>
    <message>
        <source>message does not start with the sync FFFE2F (or FFFED0)</source>
        <translation>Nachricht beginnt nicht mit dem Sync FFFE2F (oder FFFED0)</translation>
    </message>
    <message>
        <source>bit 25 marks a long message: 36 hex digits expected (30 without sync)</source>
        <translation>Bit 25 kennzeichnet eine lange Nachricht: 36 Hex-Ziffern erwartet (30 ohne Sync)</translation>
    </message>
    <message>
        <source>bit 25 marks a short message: 28 hex digits expected (22 without sync)</source>
        <translation>Bit 25 kennzeichnet eine kurze Nachricht: 28 Hex-Ziffern erwartet (22 ohne Sync)</translation>
    </message>
    <message>
        <source>Only hex digits 0-9 and A-F can be decoded. %1</source>
        <translation>Nur die Hex-Ziffern 0-9 und A-F können decodiert werden. %1</translation>
    </message>
    <message>
        <source>Cannot decode this: %1. %2</source>
        <translation>Nicht decodierbar: %1. %2</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>orbitography</source>
        <translation>Orbitographie</translation>
    </message>
    <message>
        <source>ELT aviation user</source>
        <translation>ELT-Luftfahrtbenutzer</translation>
    </message>
    <message>
        <source>maritime user (MMSI)</source>
        <translation>maritimer Benutzer (MMSI)</translation>
    </message>
    <message>
        <source>serial user</source>
        <translation>Seriennummern-Benutzer</translation>
    </message>
    <message>
        <source>national user</source>
        <translation>nationaler Benutzer</translation>
    </message>
    <message>
        <source>spare (reserved)</source>
        <translation>frei (reserviert)</translation>
    </message>
    <message>
        <source>radio call sign user</source>
        <translation>Funkrufzeichen-Benutzer</translation>
    </message>
    <message>
        <source>test user</source>
        <translation>Testbenutzer</translation>
    </message>
    <message>
        <source>user protocol %1: %2</source>
        <translation>Benutzerprotokoll %1: %2</translation>
    </message>
    <message>
        <source>standard location, EPIRB MMSI</source>
        <translation>Standard-Standort, EPIRB MMSI</translation>
    </message>
    <message>
        <source>standard location, ELT 24-bit aircraft address</source>
        <translation>Standard-Standort, ELT 24-Bit-Luftfahrzeugadresse</translation>
    </message>
    <message>
        <source>standard location, ELT serial</source>
        <translation>Standard-Standort, ELT Seriennummer</translation>
    </message>
    <message>
        <source>standard location, ELT aircraft operator</source>
        <translation>Standard-Standort, ELT Luftfahrzeugbetreiber</translation>
    </message>
    <message>
        <source>standard location, EPIRB serial</source>
        <translation>Standard-Standort, EPIRB Seriennummer</translation>
    </message>
    <message>
        <source>standard location, PLB serial</source>
        <translation>Standard-Standort, PLB Seriennummer</translation>
    </message>
    <message>
        <source>national location, ELT</source>
        <translation>nationaler Standort, ELT</translation>
    </message>
    <message>
        <source>ELT(DT) location</source>
        <translation>ELT(DT)-Standort</translation>
    </message>
    <message>
        <source>national location, EPIRB</source>
        <translation>nationaler Standort, EPIRB</translation>
    </message>
    <message>
        <source>national location, PLB</source>
        <translation>nationaler Standort, PLB</translation>
    </message>
    <message>
        <source>standard location, ship security</source>
        <translation>Standard-Standort, Schiffssicherheit</translation>
    </message>
    <message>
        <source>RLS location</source>
        <translation>RLS-Standort</translation>
    </message>
    <message>
        <source>standard location, test</source>
        <translation>Standard-Standort, Test</translation>
    </message>
    <message>
        <source>national location, test</source>
        <translation>nationaler Standort, Test</translation>
    </message>
    <message>
        <source>location protocol %1: %2</source>
        <translation>Standortprotokoll %1: %2</translation>
    </message>
    <message>
        <source>%1 (not a country code: outside 200-799)</source>
        <translation>%1 (kein Ländercode: außerhalb 200-799)</translation>
    </message>
    <message>
        <source>%1 (not in the country list)</source>
        <translation>%1 (nicht in der Länderliste)</translation>
    </message>
    <message>
        <source>valid (%1)</source>
        <translation>gültig (%1)</translation>
    </message>
    <message>
        <source>invalid: holds %1, computed %2</source>
        <translation>ungültig: enthält %1, berechnet %2</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>not supported by this program</source>
        <translation>von diesem Programm nicht unterstützt</translation>
    </message>
    <message>
        <source>Protocol number</source>
        <translation>Protokollnummer</translation>
    </message>
    <message>
        <source>Protocol code</source>
        <translation>Protokollcode</translation>
    </message>
    <message>
        <source>Or, as a long message</source>
        <translation>Oder als lange Nachricht</translation>
    </message>
    <message>
        <source>%1 (protocol number %2)</source>
        <translation>%1 (Protokollnummer %2)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>long (144 bits)</source>
        <translation>lang (144 Bits)</translation>
    </message>
    <message>
        <source>short (112 bits)</source>
        <translation>kurz (112 Bits)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Test or real</source>
        <translation>Test oder echt</translation>
    </message>
    <message>
        <source>test protocol</source>
        <translation>Testprotokoll</translation>
    </message>
    <message>
        <source>real</source>
        <translation>echt</translation>
    </message>
    <message>
        <source>Frame synchronisation</source>
        <translation>Rahmensynchronisation</translation>
    </message>
    <message>
        <source>self-test (FFFED0)</source>
        <translation>Selbsttest (FFFED0)</translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation>Standard / keine Position</translation>
    </message>
    <message>
        <source>default / no position (short message)</source>
        <translation>Standard / keine Position (kurze Nachricht)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
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
        <translation>entfällt (kurze Nachricht)</translation>
    </message>
    <message>
        <source>a spare location protocol defines no registration ID: the hex ID shown is bits 26-85 as given</source>
        <translation>ein reserviertes Standortprotokoll definiert keine Registrierungs-ID: Die gezeigte Hex-ID sind die Bits 26-85 wie angegeben</translation>
    </message>
    <message>
        <source>position bits not defaulted: the registration ID is %1</source>
        <translation>Positionsbits nicht auf Standard gesetzt: Die Registrierungs-ID ist %1</translation>
    </message>
    <message>
        <source>15-hex ID (bits 26-85, no registration ID)</source>
        <translation>15-Hex-ID (Bits 26-85, keine Registrierungs-ID)</translation>
    </message>
    <message>
        <source>15-hex ID (location bits defaulted)</source>
        <translation>15-Hex-ID (Standortbits auf Standard gesetzt)</translation>
    </message>
    <message>
        <source>Hex ID checksum</source>
        <translation>Hex-ID-Prüfsumme</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source> (added: not in the input)</source>
        <translation> (ergänzt: nicht in der Eingabe)</translation>
    </message>
    <message>
        <source>Bit synchronisation</source>
        <translation>Bitsynchronisation</translation>
    </message>
    <message>
        <source>Format flag (1 long)</source>
        <translation>Format-Flag (1 = lang)</translation>
    </message>
    <message>
        <source>Protocol flag (1 user)</source>
        <translation>Protokoll-Flag (1 = Benutzer)</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>User protocol code</source>
        <translation>Benutzerprotokollcode</translation>
    </message>
    <message>
        <source>Location protocol code</source>
        <translation>Standortprotokollcode</translation>
    </message>
    <message>
        <source>National use</source>
        <translation>Nationale Nutzung</translation>
    </message>
</context>
<context>
    <name>MiscConfig</name>
    <message>
        <source>Failed to install custom country list:&lt;br&gt;&lt;br&gt;</source>
        <translation type="vanished">Eigene Länderliste konnte nicht installiert werden:&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>No devices found</source>
        <translation>Keine Geräte gefunden</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation>Nur Ziffern, höchstens %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>No backups</source>
        <translation>Keine Sicherungen</translation>
    </message>
    <message>
        <source>Replace the database of programmed beacons by the copy %1?&lt;br&gt;&lt;br&gt;The database in use now is kept aside, not deleted.&lt;br&gt;&amp;nbsp;</source>
        <translation>Die Datenbank der programmierten Baken durch die Kopie %1 ersetzen?&lt;br&gt;&lt;br&gt;Die derzeit verwendete Datenbank wird beiseitegelegt, nicht gelöscht.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Datenbank wiederhergestellt</translation>
    </message>
    <message>
        <source>Database not restored</source>
        <translation>Datenbank nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>The programmed beacons are now those of %1 (%2 beacons).</source>
        <translation>Die programmierten Baken sind jetzt die aus %1 (%2 Baken).</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation>Länderdatei laden...</translation>
    </message>
    <message>
        <source>Country File (Country.txt)</source>
        <translation>Länderdatei (Country.txt)</translation>
    </message>
    <message>
        <source>Failed to install Country.txt</source>
        <translation>Country.txt konnte nicht installiert werden</translation>
    </message>
    <message>
        <source>Failed to install custom country list:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&amp;nbsp;</source>
        <translation>Eigene Länderliste konnte nicht installiert werden:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&amp;nbsp;</translation>
    </message>
</context>
<context>
    <name>MiscConfigForm.ui</name>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>Fill out the proper information in the input fields</source>
        <translation>Füllen Sie die Eingabefelder mit den richtigen Angaben aus</translation>
    </message>
    <message>
        <source>Select COM port:</source>
        <translation>COM-Port wählen:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Bediener:</translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation>Prog.-Station:</translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation>Händler-Nr.:</translation>
    </message>
    <message>
        <source>Allow serial override:</source>
        <translation>Seriennr. überschreiben erlauben:</translation>
    </message>
    <message>
        <source>Default contact information:</source>
        <translation>Standard-Kontaktangaben:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Custom country list:</source>
        <translation>Eigene Länderliste:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation>Länderdatei laden...</translation>
    </message>
    <message>
        <source>Database backup:</source>
        <translation>Datenbanksicherung:</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
</context>
<context>
    <name>OSSLicenseModel</name>
    <message>
        <source>-- Select License --</source>
        <translation>-- Lizenz wählen --</translation>
    </message>
</context>
<context>
    <name>PageIdentifierTextForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation>BAKE IDENTIFIZIEREN</translation>
    </message>
    <message>
        <source>This is the default tooltip text</source>
        <translation>Dies ist der Standard-Tooltiptext</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>ProductionBatch</name>
    <message>
        <source>Plan %1 complete: %2 beacons programmed</source>
        <translation>Plan %1 abgeschlossen: %2 Baken programmiert</translation>
    </message>
    <message>
        <source>Batch ended (%1): %2 of %3 beacons left</source>
        <translation>Charge beendet (%1): %2 von %3 Baken verbleiben</translation>
    </message>
    <message>
        <source>Serial number %1 is not in the plan</source>
        <translation>Seriennummer %1 ist nicht im Plan</translation>
    </message>
    <message>
        <source>Serial number %1 is programmed already</source>
        <translation>Seriennummer %1 ist bereits programmiert</translation>
    </message>
    <message>
        <source>; nothing written without the technician&apos;s word</source>
        <translation type="vanished">; ohne Zustimmung des Technikers wird nichts geschrieben</translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="vanished">Schreiben abgelehnt: </translation>
    </message>
    <message>
        <source>the port %1 cannot be used: %2</source>
        <translation>der Port %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the record %1 cannot be written (%2): beacon %3 is not recorded; the batch is stopped</source>
        <translation>der Datensatz %1 kann nicht geschrieben werden (%2): Bake %3 ist nicht erfasst; die Charge wird angehalten</translation>
    </message>
    <message>
        <source>%1; nothing written without the technician&apos;s word</source>
        <translation>%1; ohne Zustimmung des Technikers wird nichts geschrieben</translation>
    </message>
    <message>
        <source>Write refused: %1</source>
        <translation>Schreiben abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>ProductionPlanModel</name>
    <message>
        <source>left</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>abweichend</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Hex ID</source>
        <translation>Hex-ID</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Begründung</translation>
    </message>
</context>
<context>
    <name>ProductionTransfer</name>
    <message>
        <source>Plan %1 refused, nothing written</source>
        <translation>Plan %1 abgelehnt, nichts geschrieben</translation>
    </message>
    <message>
        <source>Plan %1: %2 done, %3 failed, %4 left of %5</source>
        <translation>Plan %1: %2 fertig, %3 fehlgeschlagen, %4 von %5 offen</translation>
    </message>
    <message>
        <source>Connect the next beacon</source>
        <translation>Nächste Bake anschließen</translation>
    </message>
    <message>
        <source>Production plan</source>
        <translation>Produktionsplan</translation>
    </message>
</context>
<context>
    <name>ProductionTransferForm.ui</name>
    <message>
        <source>PRODUCTION PROGRAMMING</source>
        <translation>PRODUKTIONSPROGRAMMIERUNG</translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation>Serien-Nr.:</translation>
    </message>
    <message>
        <source>TAC no:</source>
        <translation>TAC-Nr.:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Ländercode:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batterieablauf:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Close App</source>
        <translation>Programm beenden</translation>
    </message>
</context>
<context>
    <name>ProgBeaconList</name>
    <message>
        <source>Beacon Type</source>
        <translation>Bakentyp</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Battery Expiry</source>
        <translation>Batterieablauf</translation>
    </message>
    <message>
        <source>Prog Date</source>
        <translation>Prog.-Datum</translation>
    </message>
</context>
<context>
    <name>Prog_10_Summary</name>
    <message>
        <source>Radio Call Sign:</source>
        <translation>Funkrufzeichen:</translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation>MMSI / Rufzeichen:</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nationale ID:</translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation>Zusatzdaten:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>C/S Serial ID:</source>
        <translation>C/S-Serien-ID:</translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation>C/S TAC-Nr.:</translation>
    </message>
    <message>
        <source>Identity:</source>
        <translation>Identität:</translation>
    </message>
    <message>
        <source>the message does not decode</source>
        <translation>die Nachricht lässt sich nicht decodieren</translation>
    </message>
    <message>
        <source>Copy hex ID to clipboard</source>
        <translation>Hex-ID in Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Inspect the hex ID</source>
        <translation>Hex-ID untersuchen</translation>
    </message>
    <message>
        <source>Copy checksum to clipboard</source>
        <translation>Prüfsumme in Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>Prog_10_SummaryForm.ui</name>
    <message>
        <source>VERIFY PROGRAMMING DATA</source>
        <translation>PROGRAMMIERDATEN PRÜFEN</translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation>BAKEN-INFO</translation>
    </message>
    <message>
        <source>Beacon / Serial No:</source>
        <translation>Bake / Serien-Nr.:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batterieablauf:</translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation>PROGRAMMIER-INFO</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Ländercode:</translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation>Delta-Position verwenden:</translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation>Baken-Nr.:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
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
        <translation>Sonstige Infos:</translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation>AIS-Benutzer-ID:</translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation>15-Hex-ID:</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Untersuchen</translation>
    </message>
    <message>
        <source>Hex ID Checksum:</source>
        <translation>Hex-ID-Prüfsumme:</translation>
    </message>
</context>
<context>
    <name>Prog_11_Transfer</name>
    <message>
        <source>Programmer placed on the </source>
        <translation type="vanished">Programmieradapter aufgesetzt auf </translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation>PLB erfolgreich programmiert, aber nicht in der Datenbank gespeichert</translation>
    </message>
    <message>
        <source>The PLB is programmed and verified, but it could not be saved in the database:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Open the labelling guide now?&lt;br&gt;&amp;nbsp;</source>
        <translation>Die PLB ist programmiert und geprüft, konnte aber nicht in der Datenbank gespeichert werden:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Etikettierhilfe jetzt öffnen?&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Programmer placed on the %1</source>
        <translation>Programmieradapter auf %1 aufgesetzt</translation>
    </message>
</context>
<context>
    <name>Prog_11_TransferForm.ui</name>
    <message>
        <source>TRANSFER DATA</source>
        <translation>DATEN ÜBERTRAGEN</translation>
    </message>
</context>
<context>
    <name>Prog_1_EpirbSelect</name>
    <message>
        <source>SELECT </source>
        <translation type="vanished">AUSWAHL </translation>
    </message>
    <message>
        <source>SELECT %1</source>
        <translation>%1 AUSWÄHLEN</translation>
    </message>
</context>
<context>
    <name>Prog_1_IdentifyForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation>BAKE IDENTIFIZIEREN</translation>
    </message>
</context>
<context>
    <name>Prog_2_Identified</name>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation>Bitte prüfen Sie die Serien-Nr. anhand des Etiketts auf der Bake.</translation>
    </message>
    <message>
        <source>This version of %1 does not handle&lt;br&gt;serial numbers above %2 for this beacon - please update.</source>
        <translation>Diese Version von %1 unterstützt&lt;br&gt;für diese Bake keine Seriennummern über %2 – bitte aktualisieren.</translation>
    </message>
    <message>
        <source>This %1 is programmed with a TEST protocol!</source>
        <translation>Diese %1 ist mit einem TESTPROTOKOLL programmiert!</translation>
    </message>
    <message>
        <source>The protocol programmed in this %1 is currently disabled!&lt;br&gt;Check the protocol settings and enable protocols accordingly.</source>
        <translation>Das in dieser %1 programmierte Protokoll ist derzeit deaktiviert!&lt;br&gt;Prüfen Sie die Protokolleinstellungen und aktivieren Sie die Protokolle entsprechend.</translation>
    </message>
</context>
<context>
    <name>Prog_2_IdentifiedForm.ui</name>
    <message>
        <source>BEACON IDENTIFIED</source>
        <translation>BAKE IDENTIFIZIERT</translation>
    </message>
    <message>
        <source>Beacon Model:</source>
        <translation>Bakenmodell:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Serien-Nr.:</translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation>Batterieablauf:</translation>
    </message>
    <message>
        <source>MM/YYYY</source>
        <translation>MM/YYYY</translation>
    </message>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation>Bitte prüfen Sie die Serien-Nr. anhand des Etiketts auf der Bake.</translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCode</name>
    <message>
        <source>Input relevant letters or digits&lt;br&gt;to filter the list accordingly</source>
        <translation>Geben Sie passende Buchstaben oder Ziffern ein,&lt;br&gt;um die Liste zu filtern</translation>
    </message>
    <message>
        <source>Search country</source>
        <translation>Land suchen</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCodeForm.ui</name>
    <message>
        <source>SELECT COUNTRY CODE</source>
        <translation>LÄNDERCODE WÄHLEN</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
</context>
<context>
    <name>Prog_6_SelectProtocolForm.ui</name>
    <message>
        <source>SELECT PROTOCOL</source>
        <translation>PROTOKOLL WÄHLEN</translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticular</name>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; The protocol serial number is a wrapped number based on the beacon serial number </source>
        <translation>&lt;b&gt;HINWEIS:&lt;/b&gt; Die Protokoll-Seriennummer ist eine auf den Wertebereich umgebrochene Zahl, abgeleitet von der Baken-Seriennummer </translation>
    </message>
    <message>
        <source>Value from 0 to </source>
        <translation type="vanished">Wert von 0 bis </translation>
    </message>
    <message>
        <source>C/S TAC No: </source>
        <translation>C/S TAC-Nr.: </translation>
    </message>
    <message>
        <source>Choose how protected data field 2 is used</source>
        <translation>Wählen Sie, wie das geschützte Datenfeld 2 genutzt wird</translation>
    </message>
    <message>
        <source>Warning&lt;br&gt;&lt;br&gt;Serial protocols for USA cannot be programmed with Quorvik.&lt;br&gt;&lt;br&gt;In this situation,use the LX-30 program to complete the programming.&lt;br&gt;&amp;nbsp;</source>
        <translation>Warnung&lt;br&gt;&lt;br&gt;Seriennummernprotokolle für die USA können mit Quorvik nicht programmiert werden.&lt;br&gt;&lt;br&gt;Verwenden Sie in diesem Fall das Programm LX-30, um die Programmierung abzuschließen.&lt;br&gt;&amp;nbsp;</translation>
    </message>
    <message>
        <source>Value from 0 to %1</source>
        <translation>Wert von 0 bis %1</translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticularForm.ui</name>
    <message>
        <source>PROTOCOL DETAILS</source>
        <translation>PROTOKOLLDETAILS</translation>
    </message>
    <message>
        <source>Morse code on 121.5 MHz</source>
        <translation>Morsecode auf 121,5 MHz</translation>
    </message>
    <message>
        <source>&lt;b&gt;WARNING:&lt;/b&gt; Custom protocol serial number is in use but not enabled in options.</source>
        <translation>&lt;b&gt;WARNUNG:&lt;/b&gt; Eine eigene Protokoll-Seriennummer wird verwendet, ist aber in den Optionen nicht aktiviert.</translation>
    </message>
    <message>
        <source>Use Beacon SerialNo</source>
        <translation>Baken-Seriennr. verwenden</translation>
    </message>
    <message>
        <source>ERROR: Serial number input is not valid</source>
        <translation>FEHLER: Eingegebene Seriennummer ist ungültig</translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation>Nationale ID-Nummer</translation>
    </message>
    <message>
        <source>Protected Data Field 2 Usage</source>
        <translation>Nutzung geschütztes Datenfeld 2</translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation>Delta-Position verwenden</translation>
    </message>
    <message>
        <source>Use additional national data</source>
        <translation>Zusätzliche nationale Daten verwenden</translation>
    </message>
    <message>
        <source>National Data</source>
        <translation>Nationale Daten</translation>
    </message>
</context>
<context>
    <name>Prog_8_OwnerInfoForm.ui</name>
    <message>
        <source>OWNER INFORMATION</source>
        <translation>ANGABEN ZUM EIGNER</translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Owner information is limited to a total of 60 characters</source>
        <translation>&lt;b&gt;HINWEIS:&lt;/b&gt; Die Angaben zum Eigner sind auf insgesamt 60 Zeichen begrenzt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enter owner name</source>
        <translation>Name des Eigners eingeben</translation>
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
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Owner information too long</source>
        <translation>Angaben zum Eigner zu lang</translation>
    </message>
    <message>
        <source>Additional Report Information</source>
        <translation>Weitere Angaben für den Bericht</translation>
    </message>
    <message>
        <source>Enter additional info</source>
        <translation>Weitere Angaben eingeben</translation>
    </message>
</context>
<context>
    <name>ProgrammingHelp</name>
    <message>
        <source>Align the programmer to the right of the bottom Aldmar logo.</source>
        <translation>Setzen Sie den Programmieradapter rechts neben das untere Aldmar-Logo.</translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation>Drücken Sie einmal die TEST-Taste an der Bake.</translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation>HINWEIS: </translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation>Vermeiden Sie für beste Ergebnisse direktes Sonnenlicht, wenn Sie den IR-Programmieradapter verwenden.</translation>
    </message>
    <message>
        <source>Programmer placed on the beacon</source>
        <translation>Programmieradapter auf die Bake aufgesetzt</translation>
    </message>
</context>
<context>
    <name>ProgrammingSession</name>
    <message>
        <source>Waiting for connection...</source>
        <translation>Warten auf Verbindung...</translation>
    </message>
    <message>
        <source>Writing to PLB...</source>
        <translation>Schreiben in die PLB...</translation>
    </message>
    <message>
        <source>Writing data to PLB...</source>
        <translation>Daten werden in die PLB geschrieben...</translation>
    </message>
    <message>
        <source>Checking PLB before programming...</source>
        <translation>PLB wird vor dem Programmieren geprüft...</translation>
    </message>
    <message>
        <source>Reading data from PLB...</source>
        <translation>Daten werden aus der PLB gelesen...</translation>
    </message>
    <message>
        <source>Unsupported beacon type</source>
        <translation>Bakentyp wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Boot log incomplete. Please retry.</source>
        <translation>Startprotokoll unvollständig. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Unsupported boot log version</source>
        <translation>Version des Startprotokolls wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="vanished">Schreiben abgelehnt: </translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 could not be checked. %2. Nothing was written.</source>
        <translation>Schreiben abgelehnt: Hex-ID %1 konnte nicht geprüft werden. %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 is already carried by %2. Nothing was written.</source>
        <translation>Schreiben abgelehnt: Hex-ID %1 ist bereits vergeben an %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Not written: hex ID %1 could not be checked in the shared register. Cancel, or program anyway with a reason.</source>
        <translation>Nicht geschrieben: Hex-ID %1 konnte im gemeinsamen Register nicht geprüft werden. Brechen Sie ab oder programmieren Sie trotzdem mit Begründung.</translation>
    </message>
    <message>
        <source>Not written: hex ID %1 is already carried by another beacon. Cancel, or program anyway with a reason.</source>
        <translation>Nicht geschrieben: Hex-ID %1 ist bereits an eine andere Bake vergeben. Brechen Sie ab oder programmieren Sie trotzdem mit Begründung.</translation>
    </message>
    <message>
        <source>Not written: give the reason for programming a hex ID another beacon carries.</source>
        <translation>Nicht geschrieben: Geben Sie eine Begründung an, warum Sie eine Hex-ID programmieren, die bereits an eine andere Bake vergeben ist.</translation>
    </message>
    <message>
        <source>Write cancelled: the configuration changed while the question was open. Nothing was written.</source>
        <translation>Schreiben abgebrochen: Die Konfiguration wurde geändert, während die Rückfrage offen war. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 could not be checked in the shared register. Nothing was written to the PLB.</source>
        <translation>Schreiben abgebrochen: Hex-ID %1 konnte im gemeinsamen Register nicht geprüft werden. Es wurde nichts in die PLB geschrieben.</translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 is carried by another beacon. Nothing was written to the PLB.</source>
        <translation>Schreiben abgebrochen: Hex-ID %1 ist an eine andere Bake vergeben. Es wurde nichts in die PLB geschrieben.</translation>
    </message>
    <message>
        <source>Wrong beacon type or serial number...</source>
        <translation>Falscher Bakentyp oder falsche Seriennummer...</translation>
    </message>
    <message>
        <source>the configuration changed after it was checked. Nothing was written.</source>
        <translation>die Konfiguration wurde nach der Prüfung geändert. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Verifying Data Written to PLB...</source>
        <translation>In die PLB geschriebene Daten werden geprüft...</translation>
    </message>
    <message>
        <source>PLB verification failed</source>
        <translation>Prüfung der PLB fehlgeschlagen</translation>
    </message>
    <message>
        <source>PLB programmed successfully</source>
        <translation>PLB erfolgreich programmiert</translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation>PLB erfolgreich programmiert, aber nicht in der Datenbank gespeichert</translation>
    </message>
    <message>
        <source>Retrying to write data to PLB...</source>
        <translation>Daten werden erneut in die PLB geschrieben...</translation>
    </message>
    <message>
        <source>Legacy mode not supported.</source>
        <translation>Legacy-Modus wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Invalid serial number</source>
        <translation>Ungültige Seriennummer</translation>
    </message>
    <message>
        <source>No serial number was given. Start the production run with serialno= followed by the beacon&apos;s serial number.</source>
        <translation>Es wurde keine Seriennummer angegeben. Starten Sie den Produktionslauf mit serialno=, gefolgt von der Seriennummer der Bake.</translation>
    </message>
    <message>
        <source>The serial number &quot;%1&quot; is not valid: it must be the 5 digits of the beacon&apos;s serial number. Nothing was written to the PLB.</source>
        <translation>Die Seriennummer „%1“ ist ungültig: Sie muss aus den 5 Ziffern der Seriennummer der Bake bestehen. Es wurde nichts in die PLB geschrieben.</translation>
    </message>
    <message>
        <source>Read failed. Please retry.</source>
        <translation>Lesen fehlgeschlagen. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Read failed. Please retry: </source>
        <translation type="vanished">Lesen fehlgeschlagen. Bitte erneut versuchen: </translation>
    </message>
    <message>
        <source>Write failed. Please retry.</source>
        <translation>Schreiben fehlgeschlagen. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Write failed. Please retry</source>
        <translation>Schreiben fehlgeschlagen. Bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Read failed. Please retry: %1</source>
        <translation>Lesen fehlgeschlagen. Bitte erneut versuchen: %1</translation>
    </message>
    <message>
        <source>Write refused: %1</source>
        <translation>Schreiben abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>ProtocolConfigForm.ui</name>
    <message>
        <source>PROTOCOL CONFIGURATION</source>
        <translation>PROTOKOLLKONFIGURATION</translation>
    </message>
    <message>
        <source>At least one protocol stays ticked: the programming wizard offers only the ticked protocols.</source>
        <translation>Mindestens ein Protokoll bleibt angehakt: Der Programmierassistent bietet nur die angehakten Protokolle an.</translation>
    </message>
</context>
<context>
    <name>ProtocolFields</name>
    <message>
        <source>%1: character %2 has no modified-Baudot meaning (%3)</source>
        <translation>%1: Zeichen %2 hat im modifizierten Baudot-Code keine Bedeutung (%3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>121.5 MHz homing</source>
        <translation>121,5-MHz-Homing</translation>
    </message>
    <message>
        <source>maritime 9 GHz SART</source>
        <translation>maritimer 9-GHz-SART</translation>
    </message>
    <message>
        <source>other auxiliary radio-locating device(s)</source>
        <translation>sonstige(s) zusätzliche(s) Funkortungsgerät(e)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>internal navigation device</source>
        <translation>internes Navigationsgerät</translation>
    </message>
    <message>
        <source>external navigation device</source>
        <translation>externes Navigationsgerät</translation>
    </message>
    <message>
        <source>the position is out of range (latitude %1, longitude %2)</source>
        <translation>die Position liegt außerhalb des gültigen Bereichs (Breite %1, Länge %2)</translation>
    </message>
    <message>
        <source>invalid (beyond 90° or 180°)</source>
        <translation>ungültig (über 90° bzw. 180°)</translation>
    </message>
    <message>
        <source>Emergency code flag</source>
        <translation>Notfallcode-Flag</translation>
    </message>
    <message>
        <source>Activation type (1 automatic and manual)</source>
        <translation>Aktivierungsart (1 = automatisch und manuell)</translation>
    </message>
    <message>
        <source>Emergency code</source>
        <translation>Notfallcode</translation>
    </message>
    <message>
        <source>National use</source>
        <translation>Nationale Nutzung</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>automatic and manual</source>
        <translation>automatisch und manuell</translation>
    </message>
    <message>
        <source>manual only</source>
        <translation>nur manuell</translation>
    </message>
    <message>
        <source>none (bits 109-112 national use: %1)</source>
        <translation>keiner (Bits 109-112 nationale Nutzung: %1)</translation>
    </message>
    <message>
        <source>unspecified distress</source>
        <translation>nicht näher bezeichneter Notfall</translation>
    </message>
    <message>
        <source>fire or explosion</source>
        <translation>Feuer oder Explosion</translation>
    </message>
    <message>
        <source>flooding</source>
        <translation>Wassereinbruch</translation>
    </message>
    <message>
        <source>collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>grounding</source>
        <translation>Grundberührung</translation>
    </message>
    <message>
        <source>listing, in danger of capsizing</source>
        <translation>Schlagseite, Kentergefahr</translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>Sinken</translation>
    </message>
    <message>
        <source>disabled and adrift</source>
        <translation>manövrierunfähig und treibend</translation>
    </message>
    <message>
        <source>abandoning ship</source>
        <translation>Schiff wird verlassen</translation>
    </message>
    <message>
        <source>Emergency code (maritime)</source>
        <translation>Notfallcode (maritim)</translation>
    </message>
    <message>
        <source>spare (%1)</source>
        <translation>reserviert (%1)</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>no fire</source>
        <translation>kein Feuer</translation>
    </message>
    <message>
        <source>medical help needed</source>
        <translation>medizinische Hilfe erforderlich</translation>
    </message>
    <message>
        <source>no medical help needed</source>
        <translation>keine medizinische Hilfe erforderlich</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>handlungsunfähig</translation>
    </message>
    <message>
        <source>not known to be disabled</source>
        <translation>nicht als handlungsunfähig bekannt</translation>
    </message>
    <message>
        <source>Emergency code (non-maritime)</source>
        <translation>Notfallcode (nicht maritim)</translation>
    </message>
    <message>
        <source>Test use</source>
        <translation>Testnutzung</translation>
    </message>
    <message>
        <source>Bits 107-112</source>
        <translation>Bits 107-112</translation>
    </message>
    <message>
        <source>Position data source</source>
        <translation>Quelle der Positionsdaten</translation>
    </message>
    <message>
        <source>Latitude N/S</source>
        <translation>Breite N/S</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breitengrade</translation>
    </message>
    <message>
        <source>Latitude minutes (4-minute steps)</source>
        <translation type="vanished">Breitenminuten (4-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>Longitude E/W</source>
        <translation>Länge O/W</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Längengrade</translation>
    </message>
    <message>
        <source>Longitude minutes (4-minute steps)</source>
        <translation type="vanished">Längenminuten (4-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation>Standard / keine Position</translation>
    </message>
    <message>
        <source>4-minute resolution</source>
        <translation>4-Minuten-Auflösung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Orbitography data</source>
        <translation>Orbitografiedaten</translation>
    </message>
    <message>
        <source>Orbitography data (last bits)</source>
        <translation>Orbitografiedaten (letzte Bits)</translation>
    </message>
    <message>
        <source>Aircraft registration marking</source>
        <translation>Eintragungskennzeichen des Luftfahrzeugs</translation>
    </message>
    <message>
        <source>Specific ELT number</source>
        <translation>Spezifische ELT-Nummer</translation>
    </message>
    <message>
        <source>MMSI (last six digits) or radio call sign</source>
        <translation>MMSI (letzte sechs Ziffern) oder Funkrufzeichen</translation>
    </message>
    <message>
        <source>Radio call sign characters 1-4</source>
        <translation>Funkrufzeichen, Zeichen 1-4</translation>
    </message>
    <message>
        <source>Radio call sign: character %1 is not a BCD digit (%2)</source>
        <translation>Funkrufzeichen: Zeichen %1 ist keine BCD-Ziffer (%2)</translation>
    </message>
    <message>
        <source>Radio call sign characters 5-7 (BCD, 1010 a space)</source>
        <translation>Funkrufzeichen, Zeichen 5-7 (BCD, 1010 = Leerzeichen)</translation>
    </message>
    <message>
        <source>Radio call sign</source>
        <translation>Funkrufzeichen</translation>
    </message>
    <message>
        <source>Specific beacon number</source>
        <translation>Spezifische Bakennummer</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Reserviert</translation>
    </message>
    <message>
        <source>ELT with a serial number</source>
        <translation>ELT mit Seriennummer</translation>
    </message>
    <message>
        <source>ELT with aircraft operator designator and serial number</source>
        <translation>ELT mit Kennung des Luftfahrzeugbetreibers und Seriennummer</translation>
    </message>
    <message>
        <source>float-free EPIRB with a serial number</source>
        <translation>freischwimmende EPIRB mit Seriennummer</translation>
    </message>
    <message>
        <source>ELT with aircraft 24-bit address</source>
        <translation>ELT mit 24-Bit-Adresse des Luftfahrzeugs</translation>
    </message>
    <message>
        <source>non-float-free EPIRB with a serial number</source>
        <translation>nicht freischwimmende EPIRB mit Seriennummer</translation>
    </message>
    <message>
        <source>spare</source>
        <translation>reserviert</translation>
    </message>
    <message>
        <source>PLB with a serial number</source>
        <translation>PLB mit Seriennummer</translation>
    </message>
    <message>
        <source>Serial beacon type</source>
        <translation>Bakentyp (Seriennummernprotokoll)</translation>
    </message>
    <message>
        <source>Beacon type</source>
        <translation>Bakentyp</translation>
    </message>
    <message>
        <source>serial beacon type %1 is spare</source>
        <translation>Bakentyp %1 im Seriennummernprotokoll ist reserviert</translation>
    </message>
    <message>
        <source>C/S type approval number flag</source>
        <translation>Flag für C/S-Typzulassungsnummer</translation>
    </message>
    <message>
        <source>Aircraft 24-bit address</source>
        <translation>24-Bit-Adresse des Luftfahrzeugs</translation>
    </message>
    <message>
        <source>Aircraft address (24 bits)</source>
        <translation>Luftfahrzeugadresse (24 Bit)</translation>
    </message>
    <message>
        <source>Aircraft operator designator</source>
        <translation>Kennung des Luftfahrzeugbetreibers</translation>
    </message>
    <message>
        <source>Serial number (from the operator)</source>
        <translation>Seriennummer (vom Betreiber)</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Bits 64-73 (national use)</source>
        <translation>Bits 64-73 (nationale Nutzung)</translation>
    </message>
    <message>
        <source>C/S type approval number</source>
        <translation>C/S-Typzulassungsnummer</translation>
    </message>
    <message>
        <source>none: bit 43 = 0, bits 74-83 are national use (%1)</source>
        <translation>keine: Bit 43 = 0, Bits 74-83 sind für nationale Nutzung (%1)</translation>
    </message>
    <message>
        <source>bit 43 = 0: bits 74-83 are national use, no C/S type approval number</source>
        <translation>Bit 43 = 0: Bits 74-83 sind für nationale Nutzung, keine C/S-Typzulassungsnummer</translation>
    </message>
    <message>
        <source>National use (bits 40-85)</source>
        <translation>Nationale Nutzung (Bits 40-85)</translation>
    </message>
    <message>
        <source>national user protocol: bits 40-85 are national use and cannot be read</source>
        <translation>nationales Benutzerprotokoll: Bits 40-85 sind für nationale Nutzung und nicht lesbar</translation>
    </message>
    <message>
        <source>Spare protocol: not defined</source>
        <translation>Reserviertes Protokoll: nicht definiert</translation>
    </message>
    <message>
        <source>user protocol code 101 is spare: not a first-generation protocol</source>
        <translation>Benutzerprotokollcode 101 ist reserviert: kein Protokoll der ersten Generation</translation>
    </message>
    <message>
        <source>Test data</source>
        <translation>Testdaten</translation>
    </message>
    <message>
        <source>Test data (bits 40-85)</source>
        <translation>Testdaten (Bits 40-85)</translation>
    </message>
    <message>
        <source>Auxiliary radio-locating device</source>
        <translation>Zusätzliches Funkortungsgerät</translation>
    </message>
    <message>
        <source>Bits 107-132</source>
        <translation>Bits 107-132</translation>
    </message>
    <message>
        <source>Aircraft operator designator (5-bit letters)</source>
        <translation>Kennung des Luftfahrzeugbetreibers (5-Bit-Buchstaben)</translation>
    </message>
    <message>
        <source>MMSI (last six digits)</source>
        <translation>MMSI (letzte sechs Ziffern)</translation>
    </message>
    <message>
        <source>the MMSI field holds %1, more than six digits</source>
        <translation>das MMSI-Feld enthält %1, mehr als sechs Ziffern</translation>
    </message>
    <message>
        <source>Fixed 0000</source>
        <translation>Fest 0000</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>ship security alert (not distress)</source>
        <translation>Schiffssicherheitsalarm (kein Seenotfall)</translation>
    </message>
    <message>
        <source>ship security: bits 61-64 are %1, not 0000</source>
        <translation>Schiffssicherheit: Bits 61-64 sind %1, nicht 0000</translation>
    </message>
    <message>
        <source>Test identity</source>
        <translation>Testkennung</translation>
    </message>
    <message>
        <source>Test identity (bits 41-64)</source>
        <translation>Testkennung (Bits 41-64)</translation>
    </message>
    <message>
        <source>National ID</source>
        <translation>Nationale ID</translation>
    </message>
    <message>
        <source>RLS beacon type</source>
        <translation>RLS-Bakentyp</translation>
    </message>
    <message>
        <source>first EPIRB on the vessel</source>
        <translation>erste EPIRB auf dem Schiff</translation>
    </message>
    <message>
        <source>second EPIRB on the vessel</source>
        <translation>zweite EPIRB auf dem Schiff</translation>
    </message>
    <message>
        <source>PLB</source>
        <translation>PLB</translation>
    </message>
    <message>
        <source>RLS location test</source>
        <translation>RLS-Standorttest</translation>
    </message>
    <message>
        <source>MMSI marker (1111)</source>
        <translation>MMSI-Kennzeichen (1111)</translation>
    </message>
    <message>
        <source>ELT (TAC series 2000)</source>
        <translation>ELT (TAC-Serie 2000)</translation>
    </message>
    <message>
        <source>EPIRB (TAC series 1000)</source>
        <translation>EPIRB (TAC-Serie 1000)</translation>
    </message>
    <message>
        <source>PLB (TAC series 3000)</source>
        <translation>PLB (TAC-Serie 3000)</translation>
    </message>
    <message>
        <source>Truncated RLS TAC</source>
        <translation>Gekürzte RLS-TAC</translation>
    </message>
    <message>
        <source>RLS type approval number</source>
        <translation>RLS-Typzulassungsnummer</translation>
    </message>
    <message>
        <source>%1 (test: no series)</source>
        <translation>%1 (Test: keine Serie)</translation>
    </message>
    <message>
        <source>%1 (truncated %2)</source>
        <translation>%1 (gekürzt %2)</translation>
    </message>
    <message>
        <source>ELT(DT) identity type</source>
        <translation>ELT(DT)-Kennungstyp</translation>
    </message>
    <message>
        <source>Spare identity type</source>
        <translation>Reservierter Kennungstyp</translation>
    </message>
    <message>
        <source>ELT(DT) identity</source>
        <translation>ELT(DT)-Kennung</translation>
    </message>
    <message>
        <source>identity type 11: spare</source>
        <translation>Kennungstyp 11: reserviert</translation>
    </message>
    <message>
        <source>ELT(DT) identity type 11 is spare</source>
        <translation>ELT(DT)-Kennungstyp 11 ist reserviert</translation>
    </message>
    <message>
        <source>Latitude minutes (15-minute steps)</source>
        <translation type="vanished">Breitenminuten (15-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>Longitude minutes (15-minute steps)</source>
        <translation type="vanished">Längenminuten (15-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>15-minute resolution</source>
        <translation>15-Minuten-Auflösung</translation>
    </message>
    <message>
        <source>Latitude minutes (2-minute steps)</source>
        <translation type="vanished">Breitenminuten (2-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>Longitude minutes (2-minute steps)</source>
        <translation type="vanished">Längenminuten (2-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>2-minute resolution</source>
        <translation>2-Minuten-Auflösung</translation>
    </message>
    <message>
        <source>Latitude + 30 minutes</source>
        <translation>Breite + 30 Minuten</translation>
    </message>
    <message>
        <source>Longitude + 30 minutes</source>
        <translation>Länge + 30 Minuten</translation>
    </message>
    <message>
        <source>30-minute resolution</source>
        <translation>30-Minuten-Auflösung</translation>
    </message>
    <message>
        <source>Fixed 1101</source>
        <translation>Fest 1101</translation>
    </message>
    <message>
        <source>bits 107-110 are %1, not the fixed 1101</source>
        <translation>Bits 107-110 sind %1, nicht der feste Wert 1101</translation>
    </message>
    <message>
        <source>Latitude offset (sign, minutes, 4-second steps)</source>
        <translation>Breitenversatz (Vorzeichen, Minuten, 4-Sekunden-Schritte)</translation>
    </message>
    <message>
        <source>Longitude offset (sign, minutes, 4-second steps)</source>
        <translation>Längenversatz (Vorzeichen, Minuten, 4-Sekunden-Schritte)</translation>
    </message>
    <message>
        <source>4-second resolution</source>
        <translation>4-Sekunden-Auflösung</translation>
    </message>
    <message>
        <source>Fixed 110</source>
        <translation>Fest 110</translation>
    </message>
    <message>
        <source>Additional data flag (1 position offsets)</source>
        <translation>Zusatzdaten-Flag (1 = Positionsversatz)</translation>
    </message>
    <message>
        <source>bits 107-109 are %1, not the fixed 110</source>
        <translation>Bits 107-109 sind %1, nicht der feste Wert 110</translation>
    </message>
    <message>
        <source>RLM capability and feedback</source>
        <translation>RLM-Fähigkeit und Rückmeldung</translation>
    </message>
    <message>
        <source>RLS provider</source>
        <translation>RLS-Anbieter</translation>
    </message>
    <message>
        <source>Return link messages</source>
        <translation>Rückkanalnachrichten</translation>
    </message>
    <message>
        <source>automatic Type-1 %1, manual Type-2 %2; Type-1 received %3, Type-2 received %4</source>
        <translation>automatisch Typ 1 %1, manuell Typ 2 %2; Typ 1 empfangen %3, Typ 2 empfangen %4</translation>
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
        <translation>manuell durch den Benutzer</translation>
    </message>
    <message>
        <source>automatic by the beacon</source>
        <translation>automatisch durch die Bake</translation>
    </message>
    <message>
        <source>automatic by external means</source>
        <translation>automatisch durch externe Auslösung</translation>
    </message>
    <message>
        <source>400 m or below</source>
        <translation>400 m oder darunter</translation>
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
        <translation>über 10000 m</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>rotating field</source>
        <translation>rotierendes Feld</translation>
    </message>
    <message>
        <source>more than 60 s old, or the default position</source>
        <translation>älter als 60 s oder Standardposition</translation>
    </message>
    <message>
        <source>more than 2 s and up to 60 s old</source>
        <translation>älter als 2 s und höchstens 60 s alt</translation>
    </message>
    <message>
        <source>up to 2 s old</source>
        <translation>höchstens 2 s alt</translation>
    </message>
    <message>
        <source>Means of activation</source>
        <translation>Art der Auslösung</translation>
    </message>
    <message>
        <source>Encoded altitude</source>
        <translation>Codierte Höhe</translation>
    </message>
    <message>
        <source>Location freshness</source>
        <translation>Alter der Position</translation>
    </message>
    <message>
        <source>Rotating field</source>
        <translation>Rotierendes Feld</translation>
    </message>
    <message>
        <source>Position bits as given</source>
        <translation>Positionsbits wie angegeben</translation>
    </message>
    <message>
        <source>a location protocol in a short message: location protocols are long messages only</source>
        <translation>ein Standortprotokoll in einer kurzen Nachricht: Standortprotokolle gibt es nur als lange Nachrichten</translation>
    </message>
    <message>
        <source>location protocol code %1 is spare: nothing can be read and no ID computed</source>
        <translation>Standortprotokollcode %1 ist reserviert: nichts lesbar, keine ID berechenbar</translation>
    </message>
    <message>
        <source>none: truncated TAC %1 is above 949</source>
        <translation>keine: gekürzte TAC %1 liegt über 949</translation>
    </message>
    <message>
        <source>%1 (national RLS number, truncated %2)</source>
        <translation>%1 (nationale RLS-Nummer, gekürzt %2)</translation>
    </message>
    <message>
        <source>the truncated RLS TAC is %1: above 949, it is no RLS type approval number</source>
        <translation>die gekürzte RLS-TAC ist %1: über 949 ist sie keine RLS-Typzulassungsnummer</translation>
    </message>
    <message>
        <source>ELT(DT) message</source>
        <translation>ELT(DT)-Nachricht</translation>
    </message>
    <message>
        <source>cancellation: the alert is cancelled</source>
        <translation>Aufhebung: Der Alarm ist aufgehoben</translation>
    </message>
    <message>
        <source>Cancellation pattern</source>
        <translation>Aufhebungsmuster</translation>
    </message>
    <message>
        <source>ELT(DT) cancellation: bits 107-132 are %1, not %2</source>
        <translation>ELT(DT)-Aufhebung: Bits 107-132 sind %1, nicht %2</translation>
    </message>
    <message>
        <source>Rotating field identifier</source>
        <translation>Kennung des rotierenden Felds</translation>
    </message>
    <message>
        <source>aircraft operator designator (000)</source>
        <translation>Kennung des Luftfahrzeugbetreibers (000)</translation>
    </message>
    <message>
        <source>Aircraft operator designator (rotating field)</source>
        <translation>Kennung des Luftfahrzeugbetreibers (rotierendes Feld)</translation>
    </message>
    <message>
        <source>Rotating field (spare)</source>
        <translation>Rotierendes Feld (reserviert)</translation>
    </message>
    <message>
        <source>ELT(DT) rotating field identifier %1 is spare</source>
        <translation>ELT(DT)-Kennung %1 des rotierenden Felds ist reserviert</translation>
    </message>
    <message>
        <source>none (cancellation message)</source>
        <translation>keine (Aufhebungsnachricht)</translation>
    </message>
    <message>
        <source>Latitude minutes (%1-minute steps)</source>
        <translation>Breitenminuten (%1-Minuten-Schritte)</translation>
    </message>
    <message>
        <source>Longitude minutes (%1-minute steps)</source>
        <translation>Längenminuten (%1-Minuten-Schritte)</translation>
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
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>QuorvikTextInputForm.ui</name>
    <message>
        <source>Enter value</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Required or invalid</source>
        <translation>Pflichtfeld oder ungültig</translation>
    </message>
    <message>
        <source>Starts with %1</source>
        <translation>Beginnt mit %1</translation>
    </message>
</context>
<context>
    <name>QvProductLabelForm.ui</name>
    <message>
        <source>Label preview</source>
        <translation>Etikettvorschau</translation>
    </message>
    <message>
        <source>Open LBX</source>
        <translation>LBX öffnen</translation>
    </message>
    <message>
        <source>Open generated label in Brother P-touch Editor LBX format</source>
        <translation>Erzeugtes Etikett im LBX-Format des Brother P-touch Editor öffnen</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>Open generated label in a PDF viewer</source>
        <translation>Erzeugtes Etikett in einem PDF-Betrachter öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the label</source>
        <translation>Etikett drucken</translation>
    </message>
</context>
<context>
    <name>RegisterOutbox</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 ausstehend</translation>
    </message>
    <message>
        <source>Register: off</source>
        <translation>Register: aus</translation>
    </message>
    <message>
        <source>Register: connected</source>
        <translation>Register: verbunden</translation>
    </message>
    <message>
        <source>Register: not connected yet</source>
        <translation>Register: noch nicht verbunden</translation>
    </message>
    <message>
        <source>Give a service name, or a host and a database.</source>
        <translation>Geben Sie einen Dienstnamen oder einen Host und eine Datenbank an.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Der Port ist eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Register: the records were sent, but the local database could not note it: %1</source>
        <translation>Register: Die Datensätze wurden gesendet, aber die lokale Datenbank konnte das nicht vermerken: %1</translation>
    </message>
    <message>
        <source>Register: no register is set up.</source>
        <translation>Register: Es ist kein Register eingerichtet.</translation>
    </message>
    <message>
        <source>shared register, being programmed</source>
        <translation>gemeinsames Register, wird gerade programmiert</translation>
    </message>
    <message>
        <source>shared register</source>
        <translation>gemeinsames Register</translation>
    </message>
</context>
<context>
    <name>RegisterSettingsForm.ui</name>
    <message>
        <source>Shared register</source>
        <translation>Gemeinsames Register</translation>
    </message>
    <message>
        <source>Use a shared register:</source>
        <translation>Gemeinsames Register verwenden:</translation>
    </message>
    <message>
        <source>Service name:</source>
        <translation>Dienstname:</translation>
    </message>
    <message>
        <source>or the fields below</source>
        <translation>oder die Felder unten</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>No password here: give it in ~/.pgpass or in the service file (pg_service.conf).</source>
        <translation>Hier kein Passwort: Geben Sie es in ~/.pgpass oder in der Dienstdatei (pg_service.conf) an.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Jetzt senden</translation>
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
        <translation>Text</translation>
    </message>
    <message>
        <source>Param</source>
        <translation>Parameter</translation>
    </message>
</context>
<context>
    <name>ToolTipButton</name>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TransferDesktopHelp</name>
    <message>
        <source>Align the programmer with the markings on the beacon.</source>
        <translation>Richten Sie den Programmieradapter an den Markierungen der Bake aus.</translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation>Drücken Sie einmal die TEST-Taste an der Bake.</translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation>HINWEIS: </translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation>Vermeiden Sie für beste Ergebnisse direktes Sonnenlicht, wenn Sie den IR-Programmieradapter verwenden.</translation>
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
        <translation>Das gemeinsame Register ist nicht erreichbar: Diese ID wurde nur mit dieser Station abgeglichen</translation>
    </message>
    <message>
        <source>the configuration does not make a data block</source>
        <translation>aus der Konfiguration entsteht kein Datenblock</translation>
    </message>
</context>
<context>
    <name>epirbdatablkWrapper</name>
    <message>
        <source>No documents folder is available.</source>
        <translation>Es ist kein Dokumentenordner verfügbar.</translation>
    </message>
    <message>
        <source>The report has not been created.</source>
        <translation>Der Bericht wurde nicht erstellt.</translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation>Das Etikett konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>pdfReport</name>
    <message>
        <source>The PDF could not be drawn</source>
        <translation>Das PDF konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Beacon report</source>
        <translation>Bakenbericht</translation>
    </message>
    <message>
        <source>Programming Report</source>
        <translation>Programmierbericht</translation>
    </message>
    <message>
        <source>Beacon serial:</source>
        <translation>Baken-Seriennummer:</translation>
    </message>
    <message>
        <source>Battery expiry:</source>
        <translation>Batterieablauf:</translation>
    </message>
    <message>
        <source>AIS user ID:</source>
        <translation>AIS-Benutzer-ID:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Country code:</source>
        <translation>Ländercode:</translation>
    </message>
    <message>
        <source>15 HEX ID (UIN):</source>
        <translation>15-Hex-ID (UIN):</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation>Die in dieser Bake gespeicherte Nachricht besteht die Prüfung nicht: Programmieren Sie sie neu</translation>
    </message>
    <message>
        <source>(TEST PROTOCOL)</source>
        <translation>(TESTPROTOKOLL)</translation>
    </message>
    <message>
        <source>Radio callsign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Beacon number:</source>
        <translation>Bakennummer:</translation>
    </message>
    <message>
        <source>Coding:</source>
        <translation>Codierung:</translation>
    </message>
    <message>
        <source>MMSI/Radio callsign:</source>
        <translation>MMSI/Rufzeichen:</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation>Nationale ID:</translation>
    </message>
    <message>
        <source>Use delta position:</source>
        <translation>Deltaposition verwenden:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation>Zusatzdaten:</translation>
    </message>
    <message>
        <source>UNSUPPORTED PROTOCOL</source>
        <translation>PROTOKOLL NICHT UNTERSTÜTZT</translation>
    </message>
    <message>
        <source>Serial/TAC</source>
        <translation>Seriennr./TAC</translation>
    </message>
    <message>
        <source>C/S serial number:</source>
        <translation>C/S-Seriennummer:</translation>
    </message>
    <message>
        <source>C/S TAC number:</source>
        <translation>C/S TAC-Nummer:</translation>
    </message>
    <message>
        <source>Owner Information</source>
        <translation>Angaben zum Eigner</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
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
        <translation>Sonstiges:</translation>
    </message>
    <message>
        <source>Additional info:</source>
        <translation>Weitere Angaben:</translation>
    </message>
    <message>
        <source>Miscellaneous Data</source>
        <translation>Sonstige Daten</translation>
    </message>
    <message>
        <source>Report created from database, originally programmed: %1</source>
        <translation>Bericht aus der Datenbank erstellt, ursprünglich programmiert: %1</translation>
    </message>
    <message>
        <source>Readback from beacon, originally programmed: %1</source>
        <translation>Aus der Bake zurückgelesen, ursprünglich programmiert: %1</translation>
    </message>
    <message>
        <source>121.5 MHz homing:</source>
        <translation>121,5-MHz-Homing:</translation>
    </message>
    <message>
        <source>Sweep up</source>
        <translation>Sweep aufwärts</translation>
    </message>
    <message>
        <source>Sweep down</source>
        <translation>Sweep abwärts</translation>
    </message>
    <message>
        <source>121.5 Morse code:</source>
        <translation>121,5-Morsecode:</translation>
    </message>
    <message>
        <source>Programming Data</source>
        <translation>Programmierdaten</translation>
    </message>
    <message>
        <source>Program version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Programming station:</source>
        <translation>Programmierstation:</translation>
    </message>
    <message>
        <source>Programmed by:</source>
        <translation>Programmiert von:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Aldmar dealer no:</source>
        <translation>Aldmar-Händlernr.:</translation>
    </message>
    <message>
        <source>Duplicate hex ID. Reason:</source>
        <translation>Hex-ID-Duplikat. Begründung:</translation>
    </message>
    <message>
        <source> Cospas-Sarsat Programming Report</source>
        <translation> Cospas-Sarsat-Programmierbericht</translation>
    </message>
    <message>
        <source>Use the link below to obtain national registration information</source>
        <translation>Über den Link unten erhalten Sie die nationalen Registrierungsangaben</translation>
    </message>
</context>
</TS>
