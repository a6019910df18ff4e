<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>ByteWriter</name>
    <message>
        <source>The workbook cannot be written: the value %1 does not fit the field %2 of the %3 record, which holds %4 bits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogDatabase</name>
    <message>
        <source>The restored log was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OsError</name>
    <message>
        <source>The disk is full (writing %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk of %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot write the settings to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message>
        <source>Reimbursement %1 is not %2 × %3 = %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw</name>
    <message>
        <source>The log could not be backed up. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 holds no log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 is damaged or is not a log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log cannot be restored in the middle of a change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log was not restored, so that it is never replaced without a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored. %1 The log is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::BackupJob</name>
    <message>
        <source>The log is not kept in a file, so it cannot be backed up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log cannot be backed up in the middle of a change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::DatabaseRateStore</name>
    <message>
        <source>The trip log is open read-only, so changes to it are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::Form1</name>
    <message>
        <source>The daily backup of the trip log could not be made. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log could not be backed up before this change. %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Return Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Frequent Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No routes yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trip was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Below Selected Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last change to the trips could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculate Reimbursements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates by date could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates by date were not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Reimbursement is already its Mileage × its rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Reimbursement changes to its Mileage × its rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Reimbursements change to their Mileage × their rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculate them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Trips from CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Trips to CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import of Trips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::IniTripReader</name>
    <message>
        <source>The line is no key with a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The section name is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key is given again; this value is read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key looks like a row&apos;s but is none; it stays an ordinary key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The typed value cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::LogHistory</name>
    <message>
        <source>Edit of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change of Trips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::LogTableModel</name>
    <message>
        <source>From the route %1 → %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::MileageLog</name>
    <message>
        <source>no rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::RatesDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates by Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Mile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each rate change with the date it applies from. Insert adds one, Delete removes the current one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a date, for example %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rate change from %1 is already listed; each day takes one rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates by Date…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::RestoreBackupDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Log from Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the backup that replaces the log:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each backup with when it was taken, its number of trips and its latest trip&apos;s date. Enter restores the chosen one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups of the log yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 cannot be read; choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the log&apos;s %1 trips with the %2 trips of the backup of %3? The current log is backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Log from Backup…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::SteppedBackup</name>
    <message>
        <source>The log could not be backed up. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::TripLog</name>
    <message>
        <source>The trip log cannot be kept: %1 Changes to trips are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log is open in another Brindlewick window. This window shows it read-only; changes to trips are not kept here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log %1 was written by a newer version of Brindlewick. This version shows it read-only and does not change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log cannot be opened: %1 Changes to trips are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log %1 is damaged and could not be set aside; it was left unchanged and changes to trips are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip log %1 was set aside as %2, and a new one cannot be made: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trips could not be moved into the trip log: %1 Changes to trips are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines of the trips file %1 that could not be read: %2. The file was set aside unchanged as %3. Trips recovered: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. A copy was kept unchanged as %2. Trips recovered: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::TripsFileReader</name>
    <message>
        <source>Bytes of the line are not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line holds a bare carriage return.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is neither RowCount nor a row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row does not have eight fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field ends in a lone backslash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field holds the unknown escape &quot;\%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
