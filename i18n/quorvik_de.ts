<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutForm.ui</name>
    <message>
        <source>Copyright © Aldmar. Programming utility for Aldmar 406 MHz personal locator beacons; for use by authorised service technicians only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt build version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt runtime version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third-Party Licenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> uses open source components as part of the product.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To see their respecitve terms and licenses, select the component from the dropdown below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages: English, Norsk bokmål, Deutsch (Settings → Options → Language).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AldmarPageIndicator</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AldmarScrollView</name>
    <message>
        <source>Scroll</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AldmarTableView</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplay</name>
    <message>
        <source>Duplicate ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports imported, but not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The imported reports are shown, but the database could not be written:&lt;br&gt;%1&lt;br&gt;It is tried again every few seconds.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new and %2 updated reports imported.&lt;br&gt;%3 reports could not be imported (see the log).&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open imports file&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid imports file&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported imports file version.&lt;br&gt;You might need to update </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to import reports&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reports to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to export reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import reports from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reports (*.tlr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export reports to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplayForm.ui</name>
    <message>
        <source>PROGRAMMED BEACONS LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click report row or click view report button to see details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search programmed beacons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed beacons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export all reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import reports</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingle</name>
    <message>
        <source>C/S Serial ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon no:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF report created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the created report in external PDF viewer?&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to remove this beacon completely?&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconDbDisplaySingleForm.ui</name>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Test Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time activated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No of Self Tests performed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No of Extended&lt;br&gt;Self Tests performed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate ID reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy 15 Hex Id to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect the 15 Hex Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex Id Checksum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Hex Id Checksum to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDITIONAL INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labeling Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplay</name>
    <message>
        <source>Beacon / Serial No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The beacon of this log is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exported yet: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot log export exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An earlier boot log export is named %1.&lt;br&gt;Replace it with this log?&lt;br&gt;No keeps it and saves this log under a new name.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconLogDbDisplayForm.ui</name>
    <message>
        <source>BEACON LOG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot log entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconReadForm.ui</name>
    <message>
        <source>BEACON READBACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BeaconReadPage</name>
    <message>
        <source>LOG READBACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEACON READBACK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatabaseIfc</name>
    <message>
        <source>%1 could not be read: %2. No beacons are shown; nothing will be written to it until it can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read whole. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beacon records could be read and are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside; it is not overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last good copy is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no earlier good copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the list of programmed beacons. The next change saves what was read; if beacons are missing, put the last good copy back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not there, though good copies of it are: it was removed or moved. The last good copy is %2. If the beacons it holds are missing here, put it back with &quot;Restore from backup&quot; on the Options page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2) on another computer, %3; a lock from another computer is not broken from here. If that program is no longer running, remove %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is in use by %1 (process %2 on %3) and was not released within %4 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is in use by another program and was not released within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 cannot be created (is the folder writable?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read first (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disappeared while the program was running (removed or moved by another program). The %2 beacon records read before are written back with the changes since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged and could not be kept aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no database folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole database: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not restored: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not restored: the current database could not be kept aside as %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not restored: %2 could not be written (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: the beacon was programmed again meanwhile by another program, and the newer programming is shown now. Write the note again if it still applies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note on beacon %1 was not saved: another program removed the beacon from the database meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentNotice</name>
    <message>
        <source>No program could open the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was saved to:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;No program on this computer opened it. Choose Open to show its folder.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1:&lt;br&gt;%2&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateGuard</name>
    <message>
        <source>database of this station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, programmed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, date of programming unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> by %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialog</name>
    <message>
        <source>Hex ID not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID already in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID %1 could not be checked against the other stations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID %1 is already carried by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a reason first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateIdDialogForm.ui</name>
    <message>
        <source>Hex ID already in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two beacons with one hex ID confuse rescuers and registration authorities. Nothing has been written to the PLB. Program it anyway only for a good reason: the reason is stored with the beacon&apos;s record, printed on its programming report and written to the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason for programming this hex ID anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EpirbApp</name>
    <message>
        <source>Database of programmed beacons damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan refused, nothing written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder for the custom country list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is not a country code list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EpirbQMLProxy</name>
    <message>
        <source>No documents folder is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstTimeSetup</name>
    <message>
        <source>At most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstTimeSetupForm.ui</name>
    <message>
        <source>Welcome to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in information about your self below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will be printed on programming reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings can be changed from the options screen later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdentityRules</name>
    <message>
        <source>MMSI (last %1 digits) / Call sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Call Sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI number (last %1 digits):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon number (0-%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MMSI takes digits only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the last 4 digits of the MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI %1 does not start with %2, the MID of the country chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MMSI needs 6 digits: its last 6, or all 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 3 to 6 letters or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A radio call sign is up to 4 letters or digits, then up to 3 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This protocol has no MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon number must be 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a valid %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number must be 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID must be 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National data must be 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the 5 digits of the serial number on the beacon&apos;s label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial numbers above %1 are not handled for this beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the battery expiry as month and year (MM/YYYY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No enabled protocol fits country %1: check the protocol settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This protocol is not enabled: choose another, or check the protocol settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not allowed for country %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol %1 cannot be programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a protocol of the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a test protocol: test protocols are not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country %1 is not in the country list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial protocols for USA cannot be programmed with Quorvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial No: the beacon&apos;s serial number is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 does not carry it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number %1 is not the beacon&apos;s own, and custom protocol serial numbers are not enabled in options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon number 1 is the second EPIRB on board, but the record is marked as the first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message to write does not decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message to write has a wrong BCH code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelingPage_BlockRLSForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS marker to block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block the indicated RLS marker with the orange circle sticker.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelingPage_BoxCountryForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country label preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country label on the PLB box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the above country label using a label printer with 9mm height and 65mm width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the country label as indicated on the PLB box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelingPage_ContactInfoForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact label preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the contact information above to make the label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location 2 on the PLB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relevant registration authority might supply their own contact label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the correct contact information to rescue services above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the contact information label using a label printer with 18mm height and 44mm width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the contact information label at location 2 on the PLB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProgrammingForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming label preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location 1 on the PLB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the above programming information label using a label printer with 9mm height and 41 mm width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Print with high quality and no halftones for best result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the programming information label at location 1 on the PLB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelingPage_ProtectionForm.ui</name>
    <message>
        <source>LABELING GUIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UV protection films over the labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the transparent UV protection films over the two labels at the indicated positions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainScene</name>
    <message>
        <source>Failed to graphics backend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load the graphics backend. Application will terminate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load the main window. Application will terminate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main_StartProg</name>
    <message>
        <source>PROGRAM </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open communication port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open communication port.&lt;br&gt;Ensure that KAV-12 is connected.&lt;br&gt;Select port in the Settings-&gt;Options menu.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main_StartProgForm.ui</name>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET STARTED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBarForm.ui</name>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menubar</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PLB is being programmed. Stopping now can leave it half programmed.&lt;br&gt;Stop programming?&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenubarButtonForm.ui</name>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDecode</name>
    <message>
        <source>The compared input cannot be decoded: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same beacon: every field both show is the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Same 15-hex ID, but %n field(s) differ (marked).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not the same beacon: %n field(s) differ (marked).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageDecodeForm.ui</name>
    <message>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DECODE A HEX ID OR MESSAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID or message (spaces are ignored):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 9C6F40C0E4003D5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with (another hex ID or message):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the label, the registration or the beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon on the adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the beacon on the programming adapter and compare with its message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This beacon record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with the message of the beacon this page was opened from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDecoder</name>
    <message>
        <source>Enter a 15-digit hex ID, or a message of 22 or 30 hex digits (without sync) or of 28 or 36 hex digits (with the sync FFFE2F).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected 15, 22, 28, 30 or 36 hex digits, got %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>message does not start with the sync FFFE2F (or FFFED0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit 25 marks a long message: 36 hex digits expected (30 without sync)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit 25 marks a short message: 28 hex digits expected (22 without sync)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only hex digits 0-9 and A-F can be decoded. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot decode this: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbitography</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT aviation user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maritime user (MMSI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spare (reserved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio call sign user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user protocol %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, EPIRB MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, ELT 24-bit aircraft address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, ELT serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, ELT aircraft operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, EPIRB serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, PLB serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national location, ELT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national location, EPIRB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national location, PLB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, ship security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard location, test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national location, test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location protocol %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not a country code: outside 200-799)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not in the country list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valid (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid: holds %1, computed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not supported by this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or, as a long message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (protocol number %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long (144 bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short (112 bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test or real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>self-test (FFFED0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default / no position (short message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BCH-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BCH-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (short message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a spare location protocol defines no registration ID: the hex ID shown is bits 26-85 as given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position bits not defaulted: the registration ID is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15-hex ID (bits 26-85, no registration ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15-hex ID (location bits defaulted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (added: not in the input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit synchronisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format flag (1 long)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol flag (1 user)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User protocol code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location protocol code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiscConfig</name>
    <message>
        <source>Failed to install custom country list:&lt;br&gt;&lt;br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only, at most %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the database of programmed beacons by the copy %1?&lt;br&gt;&lt;br&gt;The database in use now is kept aside, not deleted.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database not restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The programmed beacons are now those of %1 (%2 beacons).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country File (Country.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to install Country.txt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiscConfigForm.ui</name>
    <message>
        <source>OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill out the proper information in the input fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select COM port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog Station:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow serial override:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default contact information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom country list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load country file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database backup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
</context>
<context>
    <name>PageIdentifierTextForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the default tooltip text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupMenuForm.ui</name>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionBatch</name>
    <message>
        <source>Plan %1 complete: %2 beacons programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch ended (%1): %2 of %3 beacons left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number %1 is not in the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number %1 is programmed already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing written without the technician&apos;s word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record %1 cannot be written (%2): beacon %3 is not recorded; the batch is stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionPlanModel</name>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionTransfer</name>
    <message>
        <source>Plan %1 refused, nothing written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan %1: %2 done, %3 failed, %4 left of %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the next beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionTransferForm.ui</name>
    <message>
        <source>PRODUCTION PROGRAMMING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial no:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAC no:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close App</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_10_Summary</name>
    <message>
        <source>Radio Call Sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI / Call sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S Serial ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S TAC No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message does not decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy hex ID to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect the hex ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy checksum to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_10_SummaryForm.ui</name>
    <message>
        <source>VERIFY PROGRAMMING DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEACON INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon / Serial No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAMMING INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Delta Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS User ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Hex Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex ID Checksum:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_11_Transfer</name>
    <message>
        <source>Programmer placed on the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PLB is programmed and verified, but it could not be saved in the database:&lt;br&gt;&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Open the labelling guide now?&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_11_TransferForm.ui</name>
    <message>
        <source>TRANSFER DATA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_1_EpirbSelect</name>
    <message>
        <source>SELECT </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_1_IdentifyForm.ui</name>
    <message>
        <source>BEACON IDENTIFY</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_2_Identified</name>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_2_IdentifiedForm.ui</name>
    <message>
        <source>BEACON IDENTIFIED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Expiry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please verify serial no. with physical label on beacon.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCode</name>
    <message>
        <source>Input relevant letters or digits&lt;br&gt;to filter the list accordingly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_5_CountryCodeForm.ui</name>
    <message>
        <source>SELECT COUNTRY CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_6_SelectProtocolForm.ui</name>
    <message>
        <source>SELECT PROTOCOL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticular</name>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; The protocol serial number is a wrapped number based on the beacon serial number </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value from 0 to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S TAC No: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose how protected data field 2 is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning&lt;br&gt;&lt;br&gt;Serial protocols for USA cannot be programmed with Quorvik.&lt;br&gt;&lt;br&gt;In this situation,use the LX-30 program to complete the programming.&lt;br&gt;&amp;nbsp;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_7_ProtocolParticularForm.ui</name>
    <message>
        <source>PROTOCOL DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morse code on 121.5 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;WARNING:&lt;/b&gt; Custom protocol serial number is in use but not enabled in options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Beacon SerialNo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: Serial number input is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protected Data Field 2 Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use delta position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use additional national data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prog_8_OwnerInfoForm.ui</name>
    <message>
        <source>OWNER INFORMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NOTICE:&lt;/b&gt; Owner information is limited to a total of 60 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter owner name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner information too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Report Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter additional info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgrammingHelp</name>
    <message>
        <source>Align the programmer to the right of the bottom Aldmar logo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer placed on the beacon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgrammingSession</name>
    <message>
        <source>Waiting for connection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to PLB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing data to PLB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking PLB before programming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading data from PLB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported beacon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot log incomplete. Please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported boot log version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write refused: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 could not be checked. %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write refused: hex ID %1 is already carried by %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: hex ID %1 could not be checked in the shared register. Cancel, or program anyway with a reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: hex ID %1 is already carried by another beacon. Cancel, or program anyway with a reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: give the reason for programming a hex ID another beacon carries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: the configuration changed while the question was open. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 could not be checked in the shared register. Nothing was written to the PLB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: hex ID %1 is carried by another beacon. Nothing was written to the PLB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong beacon type or serial number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the configuration changed after it was checked. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying Data Written to PLB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB verification failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB programmed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB programmed successfully, but not saved in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrying to write data to PLB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legacy mode not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial number was given. Start the production run with serialno= followed by the beacon&apos;s serial number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial number &quot;%1&quot; is not valid: it must be the 5 digits of the beacon&apos;s serial number. Nothing was written to the PLB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read failed. Please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read failed. Please retry: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write failed. Please retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write failed. Please retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolConfigForm.ui</name>
    <message>
        <source>PROTOCOL CONFIGURATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least one protocol stays ticked: the programming wizard offers only the ticked protocols.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolFields</name>
    <message>
        <source>%1: character %2 has no modified-Baudot meaning (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>121.5 MHz homing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maritime 9 GHz SART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other auxiliary radio-locating device(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal navigation device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>external navigation device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position is out of range (latitude %1, longitude %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid (beyond 90° or 180°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency code flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation type (1 automatic and manual)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic and manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manual only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (bits 109-112 national use: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unspecified distress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fire or explosion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flooding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>collision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listing, in danger of capsizing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sinking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled and adrift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abandoning ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency code (maritime)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spare (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medical help needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no medical help needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known to be disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency code (non-maritime)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits 107-112</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude N/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes (4-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude E/W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes (4-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default / no position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-minute resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbitography data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbitography data (last bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft registration marking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific ELT number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI (last six digits) or radio call sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio call sign characters 1-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio call sign: character %1 is not a BCD digit (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio call sign characters 5-7 (BCD, 1010 a space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio call sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific beacon number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT with a serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT with aircraft operator designator and serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>float-free EPIRB with a serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT with aircraft 24-bit address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non-float-free EPIRB with a serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB with a serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial beacon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial beacon type %1 is spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S type approval number flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft 24-bit address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft address (24 bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft operator designator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number (from the operator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits 64-73 (national use)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S type approval number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: bit 43 = 0, bits 74-83 are national use (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit 43 = 0: bits 74-83 are national use, no C/S type approval number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National use (bits 40-85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>national user protocol: bits 40-85 are national use and cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare protocol: not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user protocol code 101 is spare: not a first-generation protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test data (bits 40-85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary radio-locating device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits 107-132</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft operator designator (5-bit letters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI (last six digits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MMSI field holds %1, more than six digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed 0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ship security alert (not distress)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ship security: bits 61-64 are %1, not 0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test identity (bits 41-64)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS beacon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first EPIRB on the vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second EPIRB on the vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS location test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI marker (1111)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT (TAC series 2000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPIRB (TAC series 1000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLB (TAC series 3000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truncated RLS TAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS type approval number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (test: no series)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (truncated %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) identity type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare identity type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identity type 11: spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) identity type 11 is spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes (15-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes (15-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15-minute resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes (2-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes (2-minute steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-minute resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude + 30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude + 30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30-minute resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed 1101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits 107-110 are %1, not the fixed 1101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude offset (sign, minutes, 4-second steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude offset (sign, minutes, 4-second steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-second resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed 110</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional data flag (1 position offsets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits 107-109 are %1, not the fixed 110</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLM capability and feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RLS provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return link messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic Type-1 %1, manual Type-2 %2; Type-1 received %3, Type-2 received %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manual by the user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic by the beacon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatic by external means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400 m or below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400-800 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800-1200 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1200-1600 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1600-2200 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2200-2800 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2800-3400 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3400-4000 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4000-4800 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800-5600 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5600-6600 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6600-7600 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7600-8800 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8800-10000 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above 10000 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotating field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 60 s old, or the default position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 2 s and up to 60 s old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up to 2 s old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Means of activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoded altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location freshness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position bits as given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a location protocol in a short message: location protocols are long messages only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location protocol code %1 is spare: nothing can be read and no ID computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: truncated TAC %1 is above 949</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (national RLS number, truncated %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the truncated RLS TAC is %1: above 949, it is no RLS type approval number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancellation: the alert is cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancellation pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) cancellation: bits 107-132 are %1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating field identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aircraft operator designator (000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft operator designator (rotating field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating field (spare)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELT(DT) rotating field identifier %1 is spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (cancellation message)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuorvikTextInputForm.ui</name>
    <message>
        <source>Enter value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required or invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QvProductLabelForm.ui</name>
    <message>
        <source>Label preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open LBX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open generated label in Brother P-touch Editor LBX format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open generated label in a PDF viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the label</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterOutbox</name>
    <message>
        <source>%1 waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: not connected yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a service name, or a host and a database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: the records were sent, but the local database could not note it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register: no register is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shared register, being programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shared register</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterSettingsForm.ui</name>
    <message>
        <source>Shared register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a shared register:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or the fields below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password here: give it in ~/.pgpass or in the service file (pg_service.conf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextandparamForm.ui</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Param</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolTipButton</name>
    <message>
        <source>Help: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferDesktopHelp</name>
    <message>
        <source>Align the programmer with the markings on the beacon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the TEST button on beacon once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoid direct sunlight when using the IR programmer for best results.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the configuration does not make a data block</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>epirbdatablkWrapper</name>
    <message>
        <source>No documents folder is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has not been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The label could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pdfReport</name>
    <message>
        <source>The PDF could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon serial:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery expiry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS user ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 HEX ID (UIN):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message stored in this beacon fails its check: reprogram it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(TEST PROTOCOL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio callsign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beacon number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI/Radio callsign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use delta position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNSUPPORTED PROTOCOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial/TAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S serial number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/S TAC number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report created from database, originally programmed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readback from beacon, originally programmed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>121.5 MHz homing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>121.5 Morse code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming station:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aldmar dealer no:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate hex ID. Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cospas-Sarsat Programming Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the link below to obtain national registration information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
