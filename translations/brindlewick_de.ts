<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ByteWriter</name>
    <message>
        <source>The workbook cannot be written: the value %1 does not fit the field %2 of the %3 record, which holds %4 bits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Excel1</name>
    <message>
        <source>There is no picture on the clipboard to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version &quot;%1&quot; of the spreadsheet application is no number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Please make sure Excel is installed on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogBackup</name>
    <message>
        <source>The log is not kept in a file, so it cannot be backed up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log cannot be backed up in the middle of a change.</source>
        <translation type="unfinished"></translation>
    </message>
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
    <name>LogDatabase</name>
    <message>
        <source>The restored log was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full (writing %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 cannot be written: it is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a log database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 is busy in another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to work on the log %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk failed while using the log %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 could not be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
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
    <name>LogTable</name>
    <message>
        <source>A mileage log holds at most %1 trips. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row handle referred to a deleted row or a row marked for deletion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple-step operation generated errors. Check each status value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored row count %1 is no usable number of rows; no rows were restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MileageLog</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texts longer than a cell holds were cut to their first 32,767 characters in the report; the log keeps them whole:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
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
    <message>
        <source>Employee Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorized By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Per Mile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Mileage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Reimbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for %2: %3 %4, total mileage %5, total reimbursement %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary workbook %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file %1 could not be loaded.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unused name for the temporary workbook was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log has %1 trips; delete some before creating the report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OldStoreReaders</name>
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
    <name>ReportFormats</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>(answered Yes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has no picture to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trip log could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the trips file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no trips in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the rates file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no rates in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; that cannot be read; nothing was written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [--sample | --settings FILE.ini] [--trips FILE.csv] [--rates FILE.csv] [--picture FILE.bmp|FILE.png] OUTPUT.xls|OUTPUT.xlsx|OUTPUT.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Makes the mileage report that &quot;Start Creating Template&quot; makes, without a window, and
writes it to OUTPUT: byte for byte the file that saving the report from the preview
window writes. OUTPUT ending in .xlsx gets the same workbook as an Excel Workbook, one
ending in .pdf the report&apos;s printed pages as a PDF (suffixes in any letter case); any
other name gets the Excel 97-2003 workbook.

The employee entries and the period are read from the program&apos;s settings store as
the program reads them when it starts (the INI file Varnholt/Brindlewick.ini in
$XDG_CONFIG_HOME or ~/.config; the program&apos;s registry key on Windows), the trips from
the log&apos;s database beside it (Varnholt/Brindlewick.sqlite), opened read-only; where
there is no database yet, from the store as earlier versions kept them. Nothing is
ever written.

Options:
  --sample             use the sample data instead of the stored entries and trips;
                       the settings store is not read
  --settings FILE.ini  read the entries from FILE.ini in the store&apos;s format and the
                       trips from FILE.sqlite beside it
  --trips FILE.csv     use the trips of FILE.csv (as &quot;Import Trips from CSV...&quot; reads
                       it) instead of the stored or sample ones; Mileage and
                       Reimbursement are filled in where empty, with the stored or
                       sample rate; lines that cannot be read are listed and left out
  --rates FILE.csv     pay the trips at the rate changes of FILE.csv (columns &quot;From&quot;,
                       a date, ISO or your short form, and &quot;Rate&quot;, a number read as
                       the trips&apos; numbers are) for the report and for the fills of
                       --trips; without it the program&apos;s stored changes apply. A line
                       that cannot be read is listed with its reason and nothing is
                       written (status 1)
  --picture FILE       also write the picture of the sheet, as BMP or PNG by the
                       file&apos;s suffix
  -h, --help           show this text
      --version        show the program&apos;s version

Message boxes are written to standard error; a question is answered Yes. A notice
(a text cut to fit its cell, for example) is no failure. When the report cannot be
made in full, or a file cannot be written, nothing is written: an existing OUTPUT or
picture file is left as it was.

Exit status: 0 when the report was written, 1 when it failed, 2 for bad arguments.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one output file can be given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sample and --settings exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture file must end in .bmp or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture and the workbook cannot be the same file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stored entries could not be read; no report was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be made; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
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
    <name>StepTrap</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredInputs</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>Cannot create the temporary folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a private folder of this user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot protect the temporary folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message>
        <source>Reimbursement %1 is not %2 × %3 = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trip has no Date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date lies outside the period %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer Start is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer End is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer End is below Odometer Start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage %1 differs from Odometer End - Odometer Start (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer Start is below the previous row&apos;s Odometer End (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row carries a warning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows carry a warning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Create the report anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripsCsv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields where the first line names %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line names none of the columns %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line does not name the columns From and Rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a second change on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
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
    <message>
        <source>To enter Description select row and type Description. Then press Enter to finish changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorized By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate per Mile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage Log Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want delete this row ?<byte value="xd"/>
(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row was inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want clear ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored row count is %1; %2 blank rows were made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions? Please contact Team Varnholt at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 sample trips were not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Trips from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No trips were imported from &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no trips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No line of &quot;%1&quot; can be imported:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; cannot be imported:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 trips fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the %1 good trips? No imports nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::Form2</name>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no workbook to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bw::LogTableModel</name>
    <message>
        <source>From the route %1 → %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number, for example %2</source>
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
</TS>
