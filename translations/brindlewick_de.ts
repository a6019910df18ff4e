<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ByteWriter</name>
    <message>
        <source>The workbook cannot be written: the value %1 does not fit the field %2 of the %3 record, which holds %4 bits.</source>
        <translation>Die Arbeitsmappe kann nicht geschrieben werden: Der Wert %1 passt nicht in das Feld %2 des Datensatzes %3, das %4 Bit fasst.</translation>
    </message>
</context>
<context>
    <name>ClaimNotes</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Changed %1 from %2 to %3 on %4</source>
        <translation>%1 am %4 von %2 auf %3 geändert</translation>
    </message>
    <message>
        <source>Deleted on %1</source>
        <translation>Gelöscht am %1</translation>
    </message>
    <message>
        <source>Moved to the history on %1</source>
        <translation>Am %1 in den Verlauf verschoben</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Am %1 zurückgeholt</translation>
    </message>
    <message>
        <source>Claimed in a printed report, saved %1</source>
        <translation>Abgerechnet in einer gedruckten Abrechnung, gespeichert am %1</translation>
    </message>
    <message>
        <source>Claimed in %1, saved %2</source>
        <translation>Abgerechnet in %1, gespeichert am %2</translation>
    </message>
    <message>
        <source>a printed report</source>
        <translation>einer gedruckten Abrechnung</translation>
    </message>
    <message numerus="yes">
        <source>%n of these trips were claimed before, first row %1 in %2 of %3. Create the report anyway?</source>
        <translation>
            <numerusform>%n dieser Fahrten wurde bereits abgerechnet, Zeile %1 in %2 vom %3. Die Abrechnung trotzdem erstellen?</numerusform>
            <numerusform>%n dieser Fahrten wurden bereits abgerechnet, erste Zeile %1 in %2 vom %3. Die Abrechnung trotzdem erstellen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClaimReport</name>
    <message>
        <source>The file %1 does not end in .xls, .xlsx or .pdf.</source>
        <translation>Die Datei %1 endet nicht auf .xls, .xlsx oder .pdf.</translation>
    </message>
    <message>
        <source>The report cannot be made here.</source>
        <translation>Die Abrechnung kann hier nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The report of claim %1 could not be made; nothing was written.</source>
        <translation>Die Abrechnung %1 konnte nicht erstellt werden; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>ClaimStore</name>
    <message>
        <source>There is no claim %1.</source>
        <translation>Es gibt keine Abrechnung %1.</translation>
    </message>
    <message>
        <source>claim %1</source>
        <translation>Abrechnung %1</translation>
    </message>
    <message>
        <source>file %1 of claim %2</source>
        <translation>Datei %1 der Abrechnung %2</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>paid mark of claim %1</source>
        <translation>Bezahlt-Vermerk der Abrechnung %1</translation>
    </message>
    <message>
        <source>unpaid mark of claim %1</source>
        <translation>Unbezahlt-Vermerk der Abrechnung %1</translation>
    </message>
    <message>
        <source>trail entry %1</source>
        <translation>Protokolleintrag %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>Glied %1</translation>
    </message>
    <message>
        <source>%1 (not in the chain)</source>
        <translation>%1 (nicht in der Kette)</translation>
    </message>
    <message>
        <source>trip %1 of claim %2 (not in the chain)</source>
        <translation>Fahrt %1 der Abrechnung %2 (nicht in der Kette)</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>an item is longer than 64 MiB, which no track or Timeline export holds</source>
        <translation>ein Eintrag ist länger als 64 MiB, was kein Track und kein Timeline-Export enthält</translation>
    </message>
    <message>
        <source>the position %1, %2 lies outside the earth&apos;s latitudes and longitudes</source>
        <translation>die Position %1, %2 liegt außerhalb der Breiten- und Längengrade der Erde</translation>
    </message>
    <message>
        <source>a drive ends before it starts</source>
        <translation>eine Fahrt endet, bevor sie beginnt</translation>
    </message>
    <message>
        <source>the file ends before its %1 does; it may have been cut short</source>
        <translation>die Datei endet vor ihrem %1; sie wurde vielleicht abgeschnitten</translation>
    </message>
    <message>
        <source>this is not well-formed %1</source>
        <translation>das ist kein wohlgeformtes %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>this is neither a GPX track nor a Timeline export</source>
        <translation>das ist weder ein GPX-Track noch ein Timeline-Export</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>die Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it holds no track points (routes and waypoints are not drives)</source>
        <translation>sie enthält keine Trackpunkte (Routen und Wegpunkte sind keine Fahrten)</translation>
    </message>
    <message>
        <source>this is no GPX file: its root element is &lt;%1&gt;</source>
        <translation>das ist keine GPX-Datei: ihr Wurzelelement ist &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a track point has no latitude and longitude as numbers</source>
        <translation>ein Trackpunkt hat keine Breite und Länge als Zahlen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>„%1“ ist keine Zeitangabe</translation>
    </message>
    <message>
        <source>a track point has no time, and a drive needs the time of every point</source>
        <translation>ein Trackpunkt hat keine Zeit, und eine Fahrt braucht die Zeit jedes Punkts</translation>
    </message>
    <message>
        <source>the time %1 comes before %2, the time of the point before it</source>
        <translation>die Zeit %1 liegt vor %2, der Zeit des Punkts davor</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Zuhause</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>this holds raw location records, not drives; read the Timeline export of the phone or the Semantic Location History instead</source>
        <translation>das sind rohe Standortdaten, keine Fahrten; lesen Sie stattdessen den Timeline-Export des Telefons oder den semantischen Standortverlauf</translation>
    </message>
    <message>
        <source>this is no Timeline export</source>
        <translation>das ist kein Timeline-Export</translation>
    </message>
    <message>
        <source>this is no Semantic Location History</source>
        <translation>das ist kein semantischer Standortverlauf</translation>
    </message>
    <message>
        <source>this is neither a Timeline export nor a Semantic Location History</source>
        <translation>das ist weder ein Timeline-Export noch ein semantischer Standortverlauf</translation>
    </message>
    <message>
        <source>the JSON nests deeper than any export does</source>
        <translation>das JSON ist tiefer verschachtelt als jeder Export</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no position</source>
        <translation>„%1“ ist keine Position</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>a coordinate is no number</source>
        <translation>eine Koordinate ist keine Zahl</translation>
    </message>
    <message>
        <source>a drive has no start or end time</source>
        <translation>eine Fahrt hat keine Start- oder Endzeit</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>Excel1</name>
    <message>
        <source>There is no picture on the clipboard to save.</source>
        <translation>In der Zwischenablage ist kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel ist möglicherweise geöffnet. Bitte schließen Sie Excel zuerst.<byte value="xd"/>Nötigenfalls über Strg+Alt+Entf &gt; Task-Manager &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>The version &quot;%1&quot; of the spreadsheet application is no number.</source>
        <translation>Die Version „%1“ der Tabellenkalkulation ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.</source>
        <translation>Fehler 842001. Excel konnte nicht normal gestartet werden.</translation>
    </message>
    <message>
        <source>1. Please make sure Excel is installed on this computer.</source>
        <translation>1. Bitte prüfen Sie, ob Excel auf diesem Computer installiert ist.</translation>
    </message>
    <message>
        <source>2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).</source>
        <translation>2. Bitte öffnen Sie Excel normal und prüfen Sie, ob sofort eine leere Tabelle ohne störendes Fenster (etwa zur Dateiwiederherstellung) erscheint.</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.</source>
        <translation>3. Bitte prüfen Sie, ob sich Excel beim Doppelklick auf eine XLS- oder XLSX-Datei ohne störende Meldungen öffnet.</translation>
    </message>
    <message>
        <source>4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation>4. Diese Software unterstützt alle Excel-Versionen außer den seltenen Ausgaben Excel Starter und Student.</translation>
    </message>
</context>
<context>
    <name>KeptEntries</name>
    <message>
        <source>The employee data and the period could not be saved. %1 They are kept and saved with the next change, or when the window closes.</source>
        <translation>Die Mitarbeiterdaten und der Zeitraum konnten nicht gespeichert werden. %1 Sie bleiben erhalten und werden mit der nächsten Änderung oder beim Schließen des Fensters gespeichert.</translation>
    </message>
</context>
<context>
    <name>LogBackup</name>
    <message>
        <source>The log is not kept in a file, so it cannot be backed up.</source>
        <translation>Das Fahrtenbuch liegt in keiner Datei und kann daher nicht gesichert werden.</translation>
    </message>
    <message>
        <source>The log cannot be backed up in the middle of a change.</source>
        <translation>Das Fahrtenbuch kann nicht mitten in einer Änderung gesichert werden.</translation>
    </message>
    <message>
        <source>The log could not be backed up. %1</source>
        <translation>Das Fahrtenbuch konnte nicht gesichert werden. %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no log.</source>
        <translation>Die Sicherung %1 enthält kein Fahrtenbuch.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or is not a log.</source>
        <translation>Die Sicherung %1 ist beschädigt oder kein Fahrtenbuch.</translation>
    </message>
    <message>
        <source>The log cannot be restored in the middle of a change.</source>
        <translation>Das Fahrtenbuch kann nicht mitten in einer Änderung wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>Das Fahrtenbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The log was not restored, so that it is never replaced without a copy.</source>
        <translation>Das Fahrtenbuch wurde nicht wiederhergestellt, damit es nie ohne Kopie ersetzt wird.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1 The log is unchanged.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden. %1 Das Fahrtenbuch ist unverändert.</translation>
    </message>
</context>
<context>
    <name>LogCatalog</name>
    <message>
        <source>The log %1 cannot be read: %2</source>
        <translation>Das Fahrtenbuch %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no folder for the trash is known</source>
        <translation>kein Ordner für den Papierkorb ist bekannt</translation>
    </message>
    <message>
        <source>not a log of this program</source>
        <translation>kein Fahrtenbuch dieses Programms</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a log.</source>
        <translation>%1 ist ein Ordner, kein Fahrtenbuch.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a log: %2</source>
        <translation>%1 kann nicht als Fahrtenbuch gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a log of this program.</source>
        <translation>%1 ist kein Fahrtenbuch dieses Programms.</translation>
    </message>
    <message>
        <source>There is no log called %1.</source>
        <translation>Es gibt kein Fahrtenbuch namens %1.</translation>
    </message>
    <message>
        <source>%1 is listed because of where it lies; move it to the trash or out of the folder instead.</source>
        <translation>%1 steht in der Liste, weil es dort liegt; verschieben Sie es stattdessen in den Papierkorb oder aus dem Ordner.</translation>
    </message>
    <message>
        <source>A log needs a name.</source>
        <translation>Ein Fahrtenbuch braucht einen Namen.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold a path separator (/ or \).</source>
        <translation>Der Name eines Fahrtenbuchs darf kein Pfadtrennzeichen (/ oder \) enthalten.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot begin with a period.</source>
        <translation>Der Name eines Fahrtenbuchs darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold control characters.</source>
        <translation>Der Name eines Fahrtenbuchs darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A log&apos;s name can be at most %1 bytes long.</source>
        <translation>Der Name eines Fahrtenbuchs darf höchstens %1 Bytes lang sein.</translation>
    </message>
    <message>
        <source>A log called %1 exists already.</source>
        <translation>Ein Fahrtenbuch namens %1 gibt es bereits.</translation>
    </message>
    <message>
        <source>The log %1 could not be made: %2</source>
        <translation>Das Fahrtenbuch %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>a file %1 exists already.</source>
        <translation>eine Datei %1 gibt es bereits.</translation>
    </message>
    <message>
        <source>it is open in Brindlewick or brindlewick-report.</source>
        <translation>es ist in Brindlewick oder brindlewick-report geöffnet.</translation>
    </message>
    <message>
        <source>The log %1 cannot be changed: %2</source>
        <translation>Das Fahrtenbuch %1 kann nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>The log kept beside the settings keeps its name.</source>
        <translation>Das Fahrtenbuch neben den Einstellungen behält seinen Namen.</translation>
    </message>
    <message>
        <source>A file %1 exists already.</source>
        <translation>Eine Datei %1 gibt es bereits.</translation>
    </message>
    <message>
        <source>The log %1 could not be renamed: %2</source>
        <translation>Das Fahrtenbuch %1 konnte nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash.</source>
        <translation>Das geöffnete Fahrtenbuch kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>The log %1 could not be moved to the trash (%2); it stays where it is.</source>
        <translation>Das Fahrtenbuch %1 konnte nicht in den Papierkorb verschoben werden (%2); es bleibt, wo es ist.</translation>
    </message>
</context>
<context>
    <name>LogDatabase</name>
    <message>
        <source>The restored log was written by a newer version of the program.</source>
        <translation>Das wiederhergestellte Fahrtenbuch stammt von einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>The log %1 cannot be written: it is read-only.</source>
        <translation>Das Fahrtenbuch %1 kann nicht geschrieben werden: Es ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.</source>
        <translation>Das Fahrtenbuch %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file %1 is not a log database.</source>
        <translation>Die Datei %1 ist keine Fahrtenbuch-Datenbank.</translation>
    </message>
    <message>
        <source>The log %1 is damaged.</source>
        <translation>Das Fahrtenbuch %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The log %1 is busy in another program.</source>
        <translation>Das Fahrtenbuch %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>There is not enough memory to work on the log %1.</source>
        <translation>Der Arbeitsspeicher reicht für das Fahrtenbuch %1 nicht aus.</translation>
    </message>
    <message>
        <source>The disk failed while using the log %1.</source>
        <translation>Der Datenträger ist bei der Arbeit mit dem Fahrtenbuch %1 ausgefallen.</translation>
    </message>
    <message>
        <source>The log %1 could not be used: %2.</source>
        <translation>Das Fahrtenbuch %1 konnte nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>Das Fahrtenbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The backup could not be copied beside the log.</source>
        <translation>Die Sicherung konnte nicht neben das Fahrtenbuch kopiert werden.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>Die Sicherung stammt von einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden. %1</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>ihm fehlt die Tabelle %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>seiner Tabelle %1 fehlt die Spalte %2</translation>
    </message>
    <message>
        <source>The log %1 was moved or deleted while it was open.</source>
        <translation>Das Fahrtenbuch %1 wurde verschoben oder gelöscht, während es geöffnet war.</translation>
    </message>
    <message>
        <source>The index file %1 of the log cannot be written.</source>
        <translation>Die Indexdatei %1 des Fahrtenbuchs kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>Edit of %1</source>
        <translation>Bearbeitung von %1</translation>
    </message>
    <message>
        <source>Filled Values</source>
        <translation>Ausgefüllte Werte</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Change of Trips</source>
        <translation>Änderung der Fahrten</translation>
    </message>
</context>
<context>
    <name>LogList</name>
    <message>
        <source>Open</source>
        <translation>Geöffnet</translation>
    </message>
</context>
<context>
    <name>LogSessions</name>
    <message>
        <source>The log %1 could not be closed: %2</source>
        <translation>Das Fahrtenbuch %1 konnte nicht geschlossen werden: %2</translation>
    </message>
    <message>
        <source>The log %1 was not opened; %2 stays open. %3</source>
        <translation>Das Fahrtenbuch %1 wurde nicht geöffnet; %2 bleibt geöffnet. %3</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>A mileage log holds at most %1 trips. %2</source>
        <translation>Ein Fahrtenbuch fasst höchstens %1 Fahrten. %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Startort</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Zielort</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Zweck/Notizen</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Km-Stand Beginn</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Km-Stand Ende</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Der Vorgang ist bei geöffnetem Objekt nicht zulässig.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist bei geschlossenem Objekt nicht zulässig.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht.</translation>
    </message>
    <message>
        <source>Row handle referred to a deleted row or a row marked for deletion.</source>
        <translation>Das Zeilenhandle verweist auf eine gelöschte oder zum Löschen markierte Zeile.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht. Der Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
    <message>
        <source>The bookmark is invalid.</source>
        <translation>Das Lesezeichen ist ungültig.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Zum angeforderten Namen oder Index gibt es kein Element in der Auflistung.</translation>
    </message>
    <message>
        <source>Multiple-step operation generated errors. Check each status value.</source>
        <translation>Ein mehrstufiger Vorgang hat Fehler erzeugt. Prüfen Sie die einzelnen Statuswerte.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>Das gespeicherte Fahrtenbuch hat %1 Fahrten; die ersten %2 wurden geladen.</translation>
    </message>
    <message>
        <source>The stored row count %1 is no usable number of rows; no rows were restored.</source>
        <translation>Die gespeicherte Zeilenzahl %1 ist keine brauchbare Zeilenzahl; es wurden keine Zeilen wiederhergestellt.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilometer</translation>
    </message>
</context>
<context>
    <name>LogUnits</name>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Kilometre</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Meile</translation>
    </message>
</context>
<context>
    <name>MileageLog</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Texts longer than a cell holds were cut to their first 32,767 characters in the report; the log keeps them whole:<byte value="xd"/>
</source>
        <translation>Texte, die länger sind, als eine Zelle fasst, wurden im Bericht auf ihre ersten 32.767 Zeichen gekürzt; das Fahrtenbuch behält sie vollständig:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Trip %1, %2</source>
        <translation>Fahrt %1, %2</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>kein Satz</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 vom %2 bis %3</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation>Personalnummer</translation>
    </message>
    <message>
        <source>Vehicle Description</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Authorized By</source>
        <translation>Genehmigt von</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Vom %1 bis %2</translation>
    </message>
    <message>
        <source>Rate Per Mile</source>
        <translation>Satz je Meile</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Total Mileage</source>
        <translation>Gesamtstrecke</translation>
    </message>
    <message>
        <source>Total Reimbursement</source>
        <translation>Erstattung gesamt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Startort</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Zielort</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Zweck/Notizen</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Km-Stand Beginn</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Km-Stand Ende</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>The temporary workbook %1 cannot be created: %2</source>
        <translation>Die temporäre Arbeitsmappe %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The picture file %1 could not be loaded.%2</source>
        <translation>Die Bilddatei %1 konnte nicht geladen werden.%2</translation>
    </message>
    <message>
        <source>No unused name for the temporary workbook was found.</source>
        <translation>Für die temporäre Arbeitsmappe wurde kein freier Name gefunden.</translation>
    </message>
    <message>
        <source>This log has %1 trips; delete some before creating the report.</source>
        <translation>Dieses Fahrtenbuch hat %1 Fahrten; löschen Sie einige, bevor Sie den Bericht erstellen.</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement</source>
        <translation>Fahrtenbuch und Kilometergeld</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement Form</source>
        <translation>Fahrtenbuch und Reisekostenabrechnung</translation>
    </message>
    <message>
        <source>Rate Per Kilometre</source>
        <translation>Satz je Kilometer</translation>
    </message>
    <message>
        <source>Total Kilometres</source>
        <translation>Kilometer gesamt</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>%1 for %2: %3, total mileage %4, total reimbursement %5</source>
        <translation>%1 für %2: %3, Gesamtstrecke %4, Erstattung gesamt %5</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n Fahrt</numerusform>
            <numerusform>%n Fahrten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a rate up to a distance driven</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 after</source>
        <comment>a rate after the last distance</comment>
        <translation>%1 danach</translation>
    </message>
    <message>
        <source>to %2: %1</source>
        <translation>bis %2: %1</translation>
    </message>
    <message>
        <source>from %2 to %3: %1</source>
        <translation>vom %2 bis %3: %1</translation>
    </message>
    <message>
        <source>from %2: %1</source>
        <translation>ab %2: %1</translation>
    </message>
</context>
<context>
    <name>OldStoreReaders</name>
    <message>
        <source>Bytes of the line are not UTF-8 text.</source>
        <translation>Bytes der Zeile sind kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>Die erste Zeile ist nicht „%1“.</translation>
    </message>
    <message>
        <source>The line holds a bare carriage return.</source>
        <translation>Die Zeile enthält einen einzelnen Wagenrücklauf.</translation>
    </message>
    <message>
        <source>The line is neither RowCount nor a row.</source>
        <translation>Die Zeile ist weder RowCount noch eine Zeile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row number.</source>
        <translation>„%1“ ist keine Zeilennummer.</translation>
    </message>
    <message>
        <source>Row %1 is given twice.</source>
        <translation>Zeile %1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>The row does not have eight fields.</source>
        <translation>Die Zeile hat nicht acht Felder.</translation>
    </message>
    <message>
        <source>A field ends in a lone backslash.</source>
        <translation>Ein Feld endet mit einem einzelnen Backslash.</translation>
    </message>
    <message>
        <source>A field holds the unknown escape &quot;\%1&quot;.</source>
        <translation>Ein Feld enthält die unbekannte Escape-Folge „\%1“.</translation>
    </message>
    <message>
        <source>The line is no key with a value.</source>
        <translation>Die Zeile ist kein Schlüssel mit Wert.</translation>
    </message>
    <message>
        <source>The section name is not closed.</source>
        <translation>Der Abschnittsname ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The key is given again; this value is read.</source>
        <translation>Der Schlüssel kommt erneut vor; dieser Wert wird gelesen.</translation>
    </message>
    <message>
        <source>The key looks like a row&apos;s but is none; it stays an ordinary key.</source>
        <translation>Der Schlüssel sieht wie der einer Zeile aus, ist aber keiner; er bleibt ein gewöhnlicher Schlüssel.</translation>
    </message>
    <message>
        <source>The typed value cannot be read.</source>
        <translation>Der typisierte Wert kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>OsError</name>
    <message>
        <source>The disk is full (writing %1).</source>
        <translation>Der Datenträger ist voll (beim Schreiben von %1).</translation>
    </message>
    <message>
        <source>The disk of %1 is read-only.</source>
        <translation>Der Datenträger von %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>Keine Berechtigung, %1 zu schreiben.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
</context>
<context>
    <name>RateSchedule</name>
    <message>
        <source>A rate cannot be below 0.</source>
        <translation>Ein Satz kann nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>A distance cannot be below 0.</source>
        <translation>Eine Strecke kann nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>A change needs a date, a distance or both.</source>
        <translation>Eine Änderung braucht ein Datum, eine Strecke oder beides.</translation>
    </message>
</context>
<context>
    <name>ReportFormats</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel-Dateien (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>(answered Yes)</source>
        <translation>(mit Ja beantwortet)</translation>
    </message>
    <message>
        <source>The report has no picture to write.</source>
        <translation>Der Bericht hat kein Bild zum Schreiben.</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation>die Einstellungsdatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the trip log could not be read: %1</source>
        <translation>das Fahrtenbuch konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot read the trips file &quot;%1&quot;: %2</source>
        <translation>die Fahrtendatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no trips in &quot;%1&quot;: %2</source>
        <translation>keine Fahrten in „%1“: %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; left out:</source>
        <translation>ausgelassene Zeilen von „%1“:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 trips</source>
        <translation>„%1“ enthält mehr als %2 Fahrten</translation>
    </message>
    <message>
        <source>cannot read the rates file &quot;%1&quot;: %2</source>
        <translation>die Satzdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no rates in &quot;%1&quot;: %2</source>
        <translation>keine Sätze in „%1“: %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; that cannot be read; nothing was written:
%2</source>
        <translation>nicht lesbare Zeilen von „%1“; es wurde nichts geschrieben:
%2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>the output file is missing</source>
        <translation>die Ausgabedatei fehlt</translation>
    </message>
    <message>
        <source>only one output file can be given</source>
        <translation>nur eine Ausgabedatei ist möglich</translation>
    </message>
    <message>
        <source>--sample and --settings exclude each other</source>
        <translation>--sample und --settings schließen einander aus</translation>
    </message>
    <message>
        <source>the picture file must end in .bmp or .png</source>
        <translation>die Bilddatei muss auf .bmp oder .png enden</translation>
    </message>
    <message>
        <source>the picture and the workbook cannot be the same file</source>
        <translation>Bild und Arbeitsmappe können nicht dieselbe Datei sein</translation>
    </message>
    <message>
        <source>the stored entries could not be read; no report was made</source>
        <translation>die gespeicherten Angaben konnten nicht gelesen werden; es wurde kein Bericht erstellt</translation>
    </message>
    <message>
        <source>the report could not be made; nothing was written</source>
        <translation>der Bericht konnte nicht erstellt werden; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Mehr mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>gedruckt</translation>
    </message>
    <message>
        <source>paid %1</source>
        <translation>bezahlt am %1</translation>
    </message>
    <message>
        <source>the trip log %1 has no database yet; open the program once, then record the claim</source>
        <translation>das Fahrtenbuch %1 hat noch keine Datenbank; öffnen Sie das Programm einmal und erfassen Sie dann die Abrechnung</translation>
    </message>
    <message>
        <source>the trip log %1 is open in the program, so no claim can be recorded; close it and run again</source>
        <translation>das Fahrtenbuch %1 ist im Programm geöffnet, daher kann keine Abrechnung erfasst werden; schließen Sie es und starten Sie erneut</translation>
    </message>
    <message>
        <source>the trip log %1 was written by a newer version of the program; no claim was recorded</source>
        <translation>das Fahrtenbuch %1 stammt von einer neueren Version des Programms; es wurde keine Abrechnung erfasst</translation>
    </message>
    <message>
        <source>Claims: %1</source>
        <translation>Abrechnungen: %1</translation>
    </message>
    <message>
        <source>Chain length: %1</source>
        <translation>Kettenlänge: %1</translation>
    </message>
    <message>
        <source>Chain head: %1</source>
        <translation>Kettenkopf: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>the chain does not hold from %1 on: the log was changed outside the program</source>
        <translation>die Kette ist ab %1 gebrochen: das Fahrtenbuch wurde außerhalb des Programms geändert</translation>
    </message>
    <message>
        <source>there is no claim %1; nothing was written</source>
        <translation>es gibt keine Abrechnung %1; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>recorded claim %1</source>
        <translation>Abrechnung %1 erfasst</translation>
    </message>
    <message>
        <source>the report was written to %1, but no claim was recorded: %2</source>
        <translation>die Abrechnung wurde nach %1 geschrieben, aber nicht erfasst: %2</translation>
    </message>
    <message>
        <source>only one of --record-claim, --claims, --check-history and --claim can be given</source>
        <translation>nur eine der Optionen --record-claim, --claims, --check-history und --claim ist möglich</translation>
    </message>
    <message>
        <source>--claims and --check-history take no output file and no report options</source>
        <translation>--claims und --check-history nehmen keine Ausgabedatei und keine Berichtsoptionen</translation>
    </message>
    <message>
        <source>--claim makes the claim&apos;s report from what it holds: it takes no report options</source>
        <translation>--claim erstellt die Abrechnung aus dem, was sie enthält: es nimmt keine Berichtsoptionen</translation>
    </message>
    <message>
        <source>the output of --claim must end in .xls, .xlsx or .pdf</source>
        <translation>die Ausgabe von --claim muss auf .xls, .xlsx oder .pdf enden</translation>
    </message>
    <message>
        <source>--record-claim records the stored trips only: not with --sample or --trips</source>
        <translation>--record-claim erfasst nur die gespeicherten Fahrten: nicht mit --sample oder --trips</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>--claim needs a claim number</source>
        <translation>--claim braucht eine Abrechnungsnummer</translation>
    </message>
    <message>
        <source>--claim needs a claim number from 1 on, not &quot;%1&quot;</source>
        <translation>--claim braucht eine Abrechnungsnummer ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>--unit takes km or mi, not %1</source>
        <translation>--unit nimmt km oder mi, nicht %1</translation>
    </message>
    <message>
        <source>--list-drives needs a file to read</source>
        <translation>--list-drives braucht eine Datei zum Lesen</translation>
    </message>
    <message>
        <source>--min-stop takes whole minutes from 1 to 1440, not %1</source>
        <translation>--min-stop nimmt ganze Minuten von 1 bis 1440, nicht %1</translation>
    </message>
    <message>
        <source>%1	%2	%3 to %4	%5	%6	%7</source>
        <translation>%1	%2	%3 bis %4	%5	%6	%7</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n Fahrt</numerusform>
            <numerusform>%n Fahrten</numerusform>
        </translation>
    </message>
    <message>
        <source>--min-stop goes with --list-drives</source>
        <translation>--min-stop gehört zu --list-drives</translation>
    </message>
    <message>
        <source>the trip log %1 cannot be locked, so no claim can be recorded: %2</source>
        <translation>das Fahrtenbuch %1 kann nicht gesperrt werden, daher kann keine Abrechnung erfasst werden: %2</translation>
    </message>
    <message>
        <source>the trip log %1 is being written by another brindlewick-report, so no claim can be recorded; run again when it has finished</source>
        <translation>das Fahrtenbuch %1 wird gerade von einem anderen brindlewick-report geschrieben, daher kann keine Abrechnung erfasst werden; starten Sie erneut, wenn er fertig ist</translation>
    </message>
    <message>
        <source>the chain no longer holds the head %1: claims, files, paid marks or trail entries kept up to it were removed</source>
        <translation>die Kette enthält den Kopf %1 nicht mehr: Abrechnungen, Dateien, Bezahlt-Vermerke oder Änderungseinträge bis zu ihm wurden entfernt</translation>
    </message>
    <message>
        <source>--head goes with --check-history</source>
        <translation>--head gehört zu --check-history</translation>
    </message>
    <message>
        <source>--head needs a chain head of 64 hex digits, not &quot;%1&quot;</source>
        <translation>--head braucht einen Kettenkopf aus 64 Hexadezimalziffern, nicht „%1“</translation>
    </message>
    <message>
        <source>--summary needs a year such as 2025, not &quot;%1&quot;</source>
        <translation>--summary braucht ein Jahr wie 2025, nicht „%1“</translation>
    </message>
    <message>
        <source>the log&apos;s unit and places could not be read: %1</source>
        <translation>Einheit und Orte des Fahrtenbuchs konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>
Drives (--list-drives FILE...):
  --list-drives        print the drives found in the files (GPX tracks, the Timeline
                       export of a phone, months of Semantic Location History) as CSV
                       that &quot;Import Trips from CSV...&quot; reads: Date as YYYY-MM-DD, the
                       local day at the drive&apos;s start; Starting Location and Destination
                       named after the log&apos;s saved places (within each place&apos;s radius,
                       the nearest), else where the export names the places; Mileage in
                       the log&apos;s unit with one decimal. Nothing is written, the log is
                       only read. When a file cannot be read,
                       it is named with the reason and nothing is printed (status 1)
  --min-stop MINUTES   a stop, or a gap between the times of a track, this many
                       minutes long ends a drive (5 when not given)
  --unit km|mi         give Mileage in kilometres or miles instead of the log&apos;s unit
</source>
        <translation>
Fahrten (--list-drives DATEI...):
  --list-drives        die in den Dateien gefundenen Fahrten (GPX-Tracks, der
                       Timeline-Export eines Telefons, Monate des semantischen
                       Standortverlaufs) als CSV ausgeben, die „Fahrten aus CSV
                       importieren...“ liest: Datum als JJJJ-MM-TT, der örtliche Tag
                       beim Beginn der Fahrt; Startort und Zielort nach den
                       gespeicherten Orten des Fahrtenbuchs (der nächste, in dessen
                       Umkreis das Ende liegt), sonst wo der Export die Orte benennt;
                       die Strecke in der Einheit des Fahrtenbuchs mit einer
                       Nachkommastelle. Es wird nichts geschrieben, das Fahrtenbuch
                       wird nur gelesen. Kann eine Datei nicht gelesen werden, wird
                       sie mit dem Grund genannt und nichts ausgegeben (Status 1)
  --min-stop MINUTEN   ein Halt oder eine Lücke zwischen den Zeiten eines Tracks von
                       so vielen Minuten beendet eine Fahrt (5 ohne Angabe)
  --unit km|mi         die Strecke in Kilometern oder Meilen statt in der Einheit des
                       Fahrtenbuchs angeben
</translation>
    </message>
    <message>
        <source>--list-drives takes no options but --settings, --log, --unit and --min-stop</source>
        <translation>--list-drives nimmt keine Optionen außer --settings, --log, --unit und --min-stop</translation>
    </message>
    <message>
        <source>--summary takes no output file and no options but --settings and --log</source>
        <translation>--summary nimmt keine Ausgabedatei und keine Optionen außer --settings und --log</translation>
    </message>
    <message>
        <source>--logs takes no options but --settings</source>
        <translation>--logs nimmt keine Optionen außer --settings</translation>
    </message>
    <message>
        <source>       %1 [--settings FILE.ini] [--log NAME|FILE] [--unit km|mi] [--min-stop MINUTES] --list-drives FILE...</source>
        <translation>       %1 [--settings DATEI.ini] [--log NAME|DATEI] [--unit km|mi] [--min-stop MINUTEN] --list-drives DATEI...</translation>
    </message>
    <message>
        <source>Usage: %1 [--sample | [--settings FILE.ini] [--log NAME|FILE]] [--trips FILE.csv] [--rates FILE.csv] [--unit km|mi] [--currency SIGN] [--picture FILE.bmp|FILE.png] [--record-claim] OUTPUT.xls|OUTPUT.xlsx|OUTPUT.pdf
       %1 [--settings FILE.ini] [--log NAME|FILE] --claims | --check-history [--head HASH] | --claim N OUTPUT | --summary YEAR
       %1 [--settings FILE.ini] --logs</source>
        <translation>Aufruf: %1 [--sample | [--settings DATEI.ini] [--log NAME|DATEI]] [--trips DATEI.csv] [--rates DATEI.csv] [--unit km|mi] [--currency ZEICHEN] [--picture DATEI.bmp|DATEI.png] [--record-claim] AUSGABE.xls|AUSGABE.xlsx|AUSGABE.pdf
        %1 [--settings DATEI.ini] [--log NAME|DATEI] --claims | --check-history [--head HASH] | --claim N AUSGABE | --summary JAHR
        %1 [--settings DATEI.ini] --logs</translation>
    </message>
    <message>
        <source>

Makes the mileage report that &quot;Start Creating Template&quot; makes, without a window, and
writes it to OUTPUT: byte for byte the file that saving the report from the preview
window writes. OUTPUT ending in .xlsx gets the same workbook as an Excel Workbook, one
ending in .pdf the report&apos;s printed pages as a PDF (suffixes in any letter case); any
other name gets the Excel 97-2003 workbook.

The log read is the one opened last in the program, or the one --log names; it is
opened read-only and never upgraded. Its employee entries and period come from the
log itself, or, for the log beside the settings before the program has moved them
into it, from the program&apos;s settings store as the program reads them when it starts
(the INI file Varnholt/Brindlewick.ini in $XDG_CONFIG_HOME or ~/.config; the
program&apos;s registry key on Windows). The trips come from the log&apos;s database
(Varnholt/Brindlewick.sqlite beside the settings, or Varnholt/logs/NAME.sqlite);
where there is no database yet, from the store as earlier versions kept them. The report
names distances in the log&apos;s unit and amounts in its currency (miles and &quot;$&quot; without
a database). Nothing is written to the log unless --record-claim is given.

Options:
  --sample             use the sample data instead of the stored entries and trips;
                       the settings store is not read
  --settings FILE.ini  read the entries from FILE.ini in the store&apos;s format and the
                       trips from FILE.sqlite beside it; the logs folder and the log
                       opened last are then the ones beside FILE.ini
  --log NAME|FILE      read that log instead of the one opened last in the program:
                       an argument with a path separator is a log&apos;s file, any other
                       the name of a known log (see --logs). A log keeps its employee
                       entries and period itself once the program has opened it, so
                       its file alone makes the report, wherever it lies
  --logs               list the known logs, one a line: name, trips (blank rows not
                       counted) and the full path of its file, separated by tabs. The
                       known logs are the one beside the settings, every .sqlite file
                       in Varnholt/logs and the logs opened elsewhere. A log that
                       cannot be read is named on standard error (status 1)
  --trips FILE.csv     use the trips of FILE.csv (as &quot;Import Trips from CSV...&quot; reads
                       it) instead of the stored or sample ones; Mileage and
                       Reimbursement are filled in where empty, with the stored or
                       sample rate; lines that cannot be read are listed and left out
  --rates FILE.csv     pay the trips at the rate changes of FILE.csv (columns &quot;From&quot;,
                       a date, ISO or your short form, and &quot;Rate&quot;, a number read as
                       the trips&apos; numbers are, and an optional &quot;From Distance&quot;, the
                       distance driven in the tax year the change applies from, with
                       which &quot;From&quot; may be empty: the start of every tax year) for
                       the report and for the fills of --trips; without it the
                       program&apos;s stored changes apply. A line that cannot be read, or
                       a rate or distance below 0, is listed with its reason and
                       nothing is written (status 1)
  --unit km|mi         name distances in kilometres or miles instead of the log&apos;s
                       unit (words only: the numbers are the log&apos;s)
  --currency SIGN      show amounts with SIGN instead of the log&apos;s currency sign, where
                       the log places its sign
  --picture FILE       also write the picture of the sheet, as BMP or PNG by the
                       file&apos;s suffix
  --record-claim       record a claim of the report written to OUTPUT in the log&apos;s
                       database, as saving it from the preview window does: what it
                       held, its trips and the file&apos;s SHA-256. The log must not be
                       open in the program (status 1, no claim; OUTPUT is kept)
  --claims             list the claims, one a line: number, saved when (UTC),
                       period, trips, total in the claim&apos;s currency, files (and when
                       it was paid)
  --claim N OUTPUT     make claim N&apos;s report again from what the claim held, in the
                       locale, unit and currency it was made in, whatever the log
                       holds now
  --check-history      print the number of claims, the length of the chain over the
                       claims and the trail of changes to claimed trips, and its head
                       (status 3 when the chain does not hold, naming where it fails).
                       No chain kept inside the log can notice its own end being cut
                       off (the last claims deleted with their links, or every claim
                       table emptied): keep the head elsewhere and give it with --head
  --head HASH          with --check-history: status 3 unless the chain still contains
                       HASH, a head kept from Claim History or an earlier check
                       (status 2 when HASH is not 64 hex digits)
  --summary YEAR       print the summary of the log&apos;s tax year that begins in YEAR
                       (the log&apos;s tax-year start, 1 January unless changed) as CSV:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       one row a tax month labelled YYYY-MM by the month it begins in,
                       then Total; plain numbers, &apos;.&apos; for decimals, no currency sign.
                       Claimed trips moved out of the grid count too. A year without
                       trips prints its empty months; a YEAR that is not a year of
                       four digits is refused (status 2)
  -h, --help           show this text
      --version        show the program&apos;s version

Message boxes are written to standard error; a question is answered Yes. A notice
(a text cut to fit its cell, for example) is no failure. When the report cannot be
made in full, or a file cannot be written, nothing is written: an existing OUTPUT or
picture file is left as it was.

Exit status: 0 when the report was written, 1 when it failed, 2 for bad arguments
(a claim that does not exist included), 3 when --check-history finds the chain broken
or without the head given with --head.
</source>
        <translation>

Erstellt die Kilometergeld-Abrechnung, die „Abrechnung erstellen“ erstellt, ohne
Fenster und schreibt sie nach AUSGABE: Byte für Byte die Datei, die das Speichern aus
dem Vorschaufenster schreibt. AUSGABE mit der Endung .xlsx erhält dieselbe Arbeitsmappe
als Excel-Arbeitsmappe, eine mit .pdf die gedruckten Seiten als PDF (Endungen in
beliebiger Schreibweise); jeder andere Name die Excel-97-2003-Arbeitsmappe.

Gelesen wird das zuletzt im Programm geöffnete Fahrtenbuch oder das mit --log genannte;
es wird schreibgeschützt geöffnet und nie aktualisiert. Die Angaben zum Mitarbeiter und
der Zeitraum kommen aus dem Fahrtenbuch selbst oder, beim Fahrtenbuch neben den
Einstellungen, bevor das Programm sie hineinübernommen hat, aus dem
Einstellungsspeicher des Programms, wie das Programm sie beim Start liest (die
INI-Datei Varnholt/Brindlewick.ini in $XDG_CONFIG_HOME oder ~/.config; unter Windows
der Registrierungsschlüssel des Programms). Die Fahrten kommen aus der Datenbank des
Fahrtenbuchs (Varnholt/Brindlewick.sqlite neben den Einstellungen oder
Varnholt/logs/NAME.sqlite); wo es noch keine Datenbank gibt, aus dem Speicher, wie
frühere Versionen sie hielten. Die Abrechnung nennt Strecken in der Einheit des
Fahrtenbuchs und Beträge in seiner Währung (Meilen
und „$“ ohne Datenbank). Ins Fahrtenbuch wird nur mit --record-claim geschrieben.

Optionen:
  --sample             die Beispieldaten statt der gespeicherten Angaben und Fahrten
                       verwenden; der Einstellungsspeicher wird nicht gelesen
  --settings DATEI.ini die Angaben aus DATEI.ini im Format des Speichers lesen und
                       die Fahrten aus DATEI.sqlite daneben; der Ordner der
                       Fahrtenbücher und das zuletzt geöffnete sind dann die neben
                       DATEI.ini
  --log NAME|DATEI     dieses Fahrtenbuch statt des zuletzt im Programm geöffneten
                       lesen: ein Argument mit Pfadtrennzeichen ist eine Datei, jedes
                       andere der Name eines bekannten Fahrtenbuchs (siehe --logs).
                       Ein Fahrtenbuch hält seine Angaben und den Zeitraum selbst,
                       sobald das Programm es geöffnet hat; seine Datei allein ergibt
                       die Abrechnung, wo immer sie liegt
  --logs               die bekannten Fahrtenbücher auflisten, eines je Zeile: Name,
                       Fahrten (leere Zeilen nicht gezählt) und der volle Pfad seiner
                       Datei, durch Tabulatoren getrennt. Bekannt sind das neben den
                       Einstellungen, jede .sqlite-Datei in Varnholt/logs und die
                       anderswo geöffneten. Eines, das nicht gelesen werden kann,
                       wird auf der Standardfehlerausgabe genannt (Status 1)
  --trips DATEI.csv    die Fahrten aus DATEI.csv verwenden (wie „Fahrten aus CSV
                       importieren...“ sie liest) statt der gespeicherten oder der
                       Beispielfahrten; leere Strecken und Erstattungen werden mit dem
                       gespeicherten oder dem Beispielsatz gefüllt; nicht lesbare
                       Zeilen werden aufgeführt und ausgelassen
  --rates DATEI.csv    die Fahrten zu den Satzänderungen aus DATEI.csv erstatten
                       (Spalten „From“, ein Datum, ISO oder Ihre Kurzform, und
                       „Rate“, eine Zahl wie die Zahlen der Fahrten, und wahlweise
                       „From Distance“, die im Steuerjahr gefahrene Strecke, ab der
                       die Änderung gilt; „From“ darf dann leer sein: ab Beginn
                       jedes Steuerjahrs) für den Bericht und die Füllungen von
                       --trips; ohne die Option gelten die gespeicherten Änderungen
                       des Programms. Eine nicht lesbare Zeile oder ein Satz oder
                       eine Strecke unter 0 wird mit ihrem Grund aufgeführt, und
                       nichts wird geschrieben (Status 1)
  --unit km|mi         Strecken in Kilometern oder Meilen statt in der Einheit des
                       Fahrtenbuchs benennen (nur die Wörter: die Zahlen bleiben)
  --currency ZEICHEN   Beträge mit ZEICHEN statt dem Währungszeichen des
                       Fahrtenbuchs zeigen, an der Stelle, an der es sein Zeichen setzt
  --picture DATEI      auch das Bild des Blatts schreiben, als BMP oder PNG je nach
                       Endung der Datei
  --record-claim       die nach AUSGABE geschriebene Abrechnung in der Datenbank des
                       Fahrtenbuchs erfassen, wie das Speichern aus dem Vorschaufenster:
                       ihren Inhalt, ihre Fahrten und den SHA-256 der Datei. Das
                       Fahrtenbuch darf nicht im Programm geöffnet sein (Status 1,
                       keine Erfassung; AUSGABE bleibt erhalten)
  --claims             die Abrechnungen auflisten, eine je Zeile: Nummer, gespeichert
                       am (UTC), Zeitraum, Fahrten, Summe in der Währung der
                       Abrechnung, Dateien (und wann bezahlt)
  --claim N AUSGABE    die Abrechnung N erneut aus ihrem Inhalt erstellen, im
                       Gebietsschema, in der Einheit und der Währung, in denen sie
                       erstellt wurde, gleich was das Fahrtenbuch jetzt enthält
  --check-history      die Zahl der Abrechnungen, die Länge der Kette über die
                       Abrechnungen und die Änderungen an abgerechneten Fahrten sowie
                       ihren Kopf ausgeben (Status 3, wenn die Kette gebrochen ist, mit
                       der Stelle des Bruchs). Keine Kette in der Datei selbst kann
                       merken, dass ihr Ende abgeschnitten wurde (die letzten
                       Abrechnungen samt ihren Gliedern gelöscht oder alle Tabellen
                       der Abrechnungen geleert): den Kopf anderswo aufbewahren und mit
                       --head angeben
  --head HASH          mit --check-history: Status 3, wenn die Kette HASH nicht mehr
                       enthält, einen Kopf aus dem Abrechnungsverlauf oder einer
                       früheren Prüfung (Status 2, wenn HASH nicht aus 64
                       Hexadezimalziffern besteht)
  --summary JAHR       die Übersicht des Steuerjahrs des Fahrtenbuchs, das in JAHR
                       beginnt (Beginn des Steuerjahrs des Fahrtenbuchs, ohne
                       Änderung der 1. Januar), als CSV ausgeben:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       eine Zeile je Steuermonat, benannt YYYY-MM nach dem Monat, in
                       dem er beginnt, dann Total; einfache Zahlen, „.“ als
                       Dezimalzeichen, kein Währungszeichen. Abgerechnete Fahrten,
                       die aus dem Raster genommen wurden, zählen mit. Ein Jahr ohne
                       Fahrten gibt seine leeren Monate aus; ein JAHR, das kein Jahr
                       aus vier Ziffern ist, wird abgewiesen (Status 2)
  -h, --help           diesen Text zeigen
      --version        die Version des Programms zeigen

Meldungsfenster werden auf die Standardfehlerausgabe geschrieben; eine Frage wird mit
Ja beantwortet. Ein Hinweis (etwa ein für seine Zelle gekürzter Text) ist kein Fehler.
Kann der Bericht nicht vollständig erstellt oder eine Datei nicht geschrieben werden,
wird nichts geschrieben: eine vorhandene AUSGABE- oder Bilddatei bleibt, wie sie war.

Exit-Status: 0, wenn der Bericht geschrieben wurde, 1 bei einem Fehler, 2 bei
falschen Argumenten (auch einer Abrechnung, die es nicht gibt), 3, wenn
--check-history die Kette gebrochen oder ohne den mit --head angegebenen Kopf findet.
</translation>
    </message>
    <message>
        <source>--sample and --log exclude each other</source>
        <translation>--sample und --log schließen einander aus</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot write the settings to %1</source>
        <translation>Die Einstellungen können nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>The employee data and the period could not be moved into the log: %1 They stay in the settings file %2.</source>
        <translation>Die Angaben zum Mitarbeiter und der Zeitraum konnten nicht ins Fahrtenbuch übernommen werden: %1 Sie bleiben in der Einstellungsdatei %2.</translation>
    </message>
    <message>
        <source>The log %1 is open read-only, so the employee data and the period are not kept.</source>
        <translation>Das Fahrtenbuch %1 ist schreibgeschützt geöffnet, daher werden die Angaben zum Mitarbeiter und der Zeitraum nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>Das Fahrtenbuch %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>No spreadsheet application instance is set.</source>
        <translation>Keine Instanz der Tabellenkalkulation ist gesetzt.</translation>
    </message>
    <message>
        <source>The spreadsheet application has been quit; its objects can no longer be used.</source>
        <translation>Die Tabellenkalkulation wurde beendet; ihre Objekte sind nicht mehr verwendbar.</translation>
    </message>
    <message>
        <source>No workbook is set.</source>
        <translation>Keine Arbeitsmappe ist gesetzt.</translation>
    </message>
    <message>
        <source>The workbook has been closed; its objects can no longer be used.</source>
        <translation>Die Arbeitsmappe wurde geschlossen; ihre Objekte sind nicht mehr verwendbar.</translation>
    </message>
    <message>
        <source>No workbook is open.</source>
        <translation>Keine Arbeitsmappe ist geöffnet.</translation>
    </message>
    <message>
        <source>Subscript out of range: there is no item %1; the collection has %2.</source>
        <translation>Index außerhalb des gültigen Bereichs: Es gibt kein Element %1; die Auflistung hat %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cell or range address.</source>
        <translation>„%1“ ist keine Zell- oder Bereichsadresse.</translation>
    </message>
    <message>
        <source>EnableCancelKey cannot be %1; it is 0, 1 or 2.</source>
        <translation>EnableCancelKey kann nicht %1 sein; erlaubt sind 0, 1 oder 2.</translation>
    </message>
    <message>
        <source>Cursor cannot be %1; it is -4143, 1, 2 or 3.</source>
        <translation>Cursor kann nicht %1 sein; erlaubt sind -4143, 1, 2 oder 3.</translation>
    </message>
    <message>
        <source>A new workbook has 1 to 255 sheets, not %1.</source>
        <translation>Eine neue Arbeitsmappe hat 1 bis 255 Blätter, nicht %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row or a range of rows.</source>
        <translation>„%1“ ist keine Zeile und kein Zeilenbereich.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column or a range of columns.</source>
        <translation>„%1“ ist keine Spalte und kein Spaltenbereich.</translation>
    </message>
    <message>
        <source>No other spreadsheet application instance is running.</source>
        <translation>Es läuft keine andere Instanz der Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>The spreadsheet application could not be started.</source>
        <translation>Die Tabellenkalkulation konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>There is no border number %1: the borders of a range are numbered 7 to 12.</source>
        <translation>Es gibt keinen Rahmen Nummer %1: Die Rahmen eines Bereichs sind von 7 bis 12 nummeriert.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>A range can only be selected on the active sheet of the active workbook.</source>
        <translation>Ein Bereich kann nur auf dem aktiven Blatt der aktiven Arbeitsmappe ausgewählt werden.</translation>
    </message>
    <message>
        <source>%1 is not a horizontal alignment.</source>
        <translation>%1 ist keine horizontale Ausrichtung.</translation>
    </message>
    <message>
        <source>%1 is not a vertical alignment.</source>
        <translation>%1 ist keine vertikale Ausrichtung.</translation>
    </message>
    <message>
        <source>A number format has at most 255 characters.</source>
        <translation>Ein Zahlenformat hat höchstens 255 Zeichen.</translation>
    </message>
    <message>
        <source>A row height is 0 to 409 points, not %1.</source>
        <translation>Eine Zeilenhöhe beträgt 0 bis 409 Punkt, nicht %1.</translation>
    </message>
    <message>
        <source>The height of every row of the sheet cannot be set at once.</source>
        <translation>Die Höhe aller Zeilen des Blatts kann nicht auf einmal gesetzt werden.</translation>
    </message>
    <message>
        <source>A column width is 0 to 255 characters, not %1.</source>
        <translation>Eine Spaltenbreite beträgt 0 bis 255 Zeichen, nicht %1.</translation>
    </message>
    <message>
        <source>A formula can be entered into cells, not into whole rows or columns.</source>
        <translation>Eine Formel kann in Zellen eingegeben werden, nicht in ganze Zeilen oder Spalten.</translation>
    </message>
    <message>
        <source>The picture of the range %1 could not be made.</source>
        <translation>Das Bild des Bereichs %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font name.</source>
        <translation>„%1“ ist kein Schriftname.</translation>
    </message>
    <message>
        <source>A font size is 1 to 409 points, not %1.</source>
        <translation>Ein Schriftgrad beträgt 1 bis 409 Punkt, nicht %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font style; use Regular, Bold, Italic or Bold Italic.</source>
        <translation>„%1“ ist kein Schriftschnitt; verwenden Sie Regular, Bold, Italic oder Bold Italic.</translation>
    </message>
    <message>
        <source>%1 is not a font colour index.</source>
        <translation>%1 ist kein Schriftfarbindex.</translation>
    </message>
    <message>
        <source>%1 is not a fill colour index.</source>
        <translation>%1 ist kein Füllfarbindex.</translation>
    </message>
    <message>
        <source>%1 is not a border line style.</source>
        <translation>%1 ist keine Rahmenlinienart.</translation>
    </message>
    <message>
        <source>%1 is not a border colour index.</source>
        <translation>%1 ist kein Rahmenfarbindex.</translation>
    </message>
    <message>
        <source>The workbook %1 has no sheets.</source>
        <translation>Die Arbeitsmappe %1 hat keine Blätter.</translation>
    </message>
    <message>
        <source>File format %1 cannot be written; only the Excel 97-2003 workbook (56 or -4143) can.</source>
        <translation>Das Dateiformat %1 kann nicht geschrieben werden; nur die Excel-97-2003-Arbeitsmappe (56 oder -4143).</translation>
    </message>
    <message>
        <source>A workbook cannot be saved without a file name.</source>
        <translation>Eine Arbeitsmappe kann nicht ohne Dateinamen gespeichert werden.</translation>
    </message>
    <message>
        <source>The worksheet has been deleted.</source>
        <translation>Das Arbeitsblatt wurde gelöscht.</translation>
    </message>
    <message>
        <source>%1 cannot be %2 points.</source>
        <translation>%1 kann nicht %2 Punkt betragen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range address for the print area.</source>
        <translation>„%1“ ist keine Bereichsadresse für den Druckbereich.</translation>
    </message>
    <message>
        <source>PrintComments cannot be %1; it is -4142, 1 or 16.</source>
        <translation>PrintComments kann nicht %1 sein; erlaubt sind -4142, 1 oder 16.</translation>
    </message>
    <message>
        <source>Orientation cannot be %1; it is 1 or 2.</source>
        <translation>Orientation kann nicht %1 sein; erlaubt sind 1 oder 2.</translation>
    </message>
    <message>
        <source>There is no paper size %1.</source>
        <translation>Es gibt kein Papierformat %1.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not True.</source>
        <translation>Zoom ist False oder ein Prozentwert von 10 bis 400, nicht True.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not %1.</source>
        <translation>Zoom ist False oder ein Prozentwert von 10 bis 400, nicht %1.</translation>
    </message>
    <message>
        <source>FitToPagesWide cannot be %1.</source>
        <translation>FitToPagesWide kann nicht %1 sein.</translation>
    </message>
    <message>
        <source>FitToPagesTall cannot be %1.</source>
        <translation>FitToPagesTall kann nicht %1 sein.</translation>
    </message>
    <message>
        <source>The formula is too long to be saved in an Excel 97-2003 workbook.</source>
        <translation>Die Formel ist zu lang, um in einer Excel-97-2003-Arbeitsmappe gespeichert zu werden.</translation>
    </message>
    <message>
        <source>The formula refers to a cell outside the worksheet.</source>
        <translation>Die Formel verweist auf eine Zelle außerhalb des Arbeitsblatts.</translation>
    </message>
    <message>
        <source>The formula holds a number that cannot be saved.</source>
        <translation>Die Formel enthält eine Zahl, die nicht gespeichert werden kann.</translation>
    </message>
    <message>
        <source>A text in the formula is longer than 255 characters.</source>
        <translation>Ein Text in der Formel ist länger als 255 Zeichen.</translation>
    </message>
    <message>
        <source>The function %1 cannot be saved in an Excel 97-2003 workbook.</source>
        <translation>Die Funktion %1 kann nicht in einer Excel-97-2003-Arbeitsmappe gespeichert werden.</translation>
    </message>
    <message>
        <source>The function %1 has a wrong number of arguments.</source>
        <translation>Die Funktion %1 hat eine falsche Zahl von Argumenten.</translation>
    </message>
    <message>
        <source>The formula is malformed.</source>
        <translation>Die Formel ist fehlerhaft.</translation>
    </message>
    <message>
        <source>The formula is too complex.</source>
        <translation>Die Formel ist zu komplex.</translation>
    </message>
    <message>
        <source>The formula is longer than %1 characters.</source>
        <translation>Die Formel ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The formula is empty.</source>
        <translation>Die Formel ist leer.</translation>
    </message>
    <message>
        <source>The formula ends too early.</source>
        <translation>Die Formel endet zu früh.</translation>
    </message>
    <message>
        <source>The formula has an unexpected &quot;%1&quot;.</source>
        <translation>Die Formel enthält ein unerwartetes „%1“.</translation>
    </message>
    <message>
        <source>The formula is nested too deeply.</source>
        <translation>Die Formel ist zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>A parenthesis is not closed.</source>
        <translation>Eine Klammer ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>A text in the formula has no closing quotation mark.</source>
        <translation>Einem Text in der Formel fehlt das schließende Anführungszeichen.</translation>
    </message>
    <message>
        <source>A text in a formula can hold at most %1 characters.</source>
        <translation>Ein Text in einer Formel fasst höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Die Zahl %1 ist zu groß.</translation>
    </message>
    <message>
        <source>References to other sheets are not supported.</source>
        <translation>Bezüge auf andere Blätter werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>The formula uses an unknown name: %1.</source>
        <translation>Die Formel verwendet einen unbekannten Namen: %1.</translation>
    </message>
    <message>
        <source>The formula uses an unknown function: %1.</source>
        <translation>Die Formel verwendet eine unbekannte Funktion: %1.</translation>
    </message>
    <message>
        <source>The function %1 has too many arguments.</source>
        <translation>Die Funktion %1 hat zu viele Argumente.</translation>
    </message>
    <message>
        <source>The function %1 takes %2 argument(s).</source>
        <translation>Die Funktion %1 erwartet %2 Argument(e).</translation>
    </message>
    <message>
        <source>The function %1 takes %2 to %3 arguments.</source>
        <translation>Die Funktion %1 erwartet %2 bis %3 Argumente.</translation>
    </message>
    <message>
        <source>The reference %1 points outside the sheet.</source>
        <translation>Der Bezug %1 zeigt aus dem Blatt hinaus.</translation>
    </message>
    <message>
        <source>The range %1 is not valid.</source>
        <translation>Der Bereich %1 ist ungültig.</translation>
    </message>
    <message>
        <source>A sheet name cannot be empty.</source>
        <translation>Ein Blattname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A sheet name cannot be longer than 31 characters.</source>
        <translation>Ein Blattname darf nicht länger als 31 Zeichen sein.</translation>
    </message>
    <message>
        <source>A sheet name cannot contain any of these characters: : \ / ? * [ ]</source>
        <translation>Ein Blattname darf keines dieser Zeichen enthalten: : \ / ? * [ ]</translation>
    </message>
    <message>
        <source>A sheet name cannot begin or end with an apostrophe.</source>
        <translation>Ein Blattname darf nicht mit einem Apostroph beginnen oder enden.</translation>
    </message>
    <message>
        <source>Cannot rename a sheet to the same name as another sheet.</source>
        <translation>Ein Blatt kann nicht wie ein anderes Blatt benannt werden.</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>A workbook must contain at least one visible worksheet.</source>
        <translation>Eine Arbeitsmappe muss mindestens ein sichtbares Arbeitsblatt enthalten.</translation>
    </message>
    <message>
        <source>The range to picture lies outside the sheet.</source>
        <translation>Der abzubildende Bereich liegt außerhalb des Blatts.</translation>
    </message>
    <message>
        <source>The range to picture has no visible cells.</source>
        <translation>Der abzubildende Bereich hat keine sichtbaren Zellen.</translation>
    </message>
    <message>
        <source>The sheet has nothing to print.</source>
        <translation>Das Blatt enthält nichts zu drucken.</translation>
    </message>
    <message>
        <source>Printing the sheet needs the graphical application to be running.</source>
        <translation>Zum Drucken des Blatts muss die grafische Anwendung laufen.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Die Seiten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The PDF cannot be saved to %1: %2</source>
        <translation>Die PDF-Datei kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Measuring text needs the graphical application to be running.</source>
        <translation>Zum Messen von Text muss die grafische Anwendung laufen.</translation>
    </message>
    <message>
        <source>A picture of the sheet needs the graphical application to be running.</source>
        <translation>Für ein Bild des Blatts muss die grafische Anwendung laufen.</translation>
    </message>
    <message>
        <source>Painting the sheet needs the graphical application to be running.</source>
        <translation>Zum Zeichnen des Blatts muss die grafische Anwendung laufen.</translation>
    </message>
    <message>
        <source>The picture file is damaged: %1.</source>
        <translation>Die Bilddatei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>Das Bild konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file.</source>
        <translation>Das Bild ist zu groß für eine BMP-Datei.</translation>
    </message>
    <message>
        <source>The picture could not be compressed.</source>
        <translation>Das Bild konnte nicht komprimiert werden.</translation>
    </message>
    <message>
        <source>There is no picture to write.</source>
        <translation>Es gibt kein Bild zum Schreiben.</translation>
    </message>
    <message>
        <source>A picture is written as BMP or PNG only.</source>
        <translation>Ein Bild wird nur als BMP oder PNG geschrieben.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its file container.</source>
        <translation>Die Arbeitsmappe konnte nicht in ihren Dateicontainer gepackt werden.</translation>
    </message>
    <message>
        <source>The file is not a readable workbook: its container is damaged (%1).</source>
        <translation>Die Datei ist keine lesbare Arbeitsmappe: Ihr Container ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook.</source>
        <translation>Die Datei ist keine Excel-97-2003-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook: it holds no workbook data.</source>
        <translation>Die Datei ist keine Excel-97-2003-Arbeitsmappe: Sie enthält keine Arbeitsmappendaten.</translation>
    </message>
    <message>
        <source>The workbook cannot be written: a record is longer than the file format allows.</source>
        <translation>Die Arbeitsmappe kann nicht geschrieben werden: Ein Datensatz ist länger, als das Dateiformat erlaubt.</translation>
    </message>
    <message>
        <source>The file is damaged: the workbook data ends in the middle of a record.</source>
        <translation>Die Datei ist beschädigt: Die Arbeitsmappendaten enden mitten in einem Datensatz.</translation>
    </message>
    <message>
        <source>The workbook file is damaged: %1.</source>
        <translation>Die Arbeitsmappendatei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>a text is cut short</source>
        <translation>ein Text ist abgeschnitten</translation>
    </message>
    <message>
        <source>The workbook is protected with a password and cannot be opened.</source>
        <translation>Die Arbeitsmappe ist mit einem Kennwort geschützt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>the workbook data ends early</source>
        <translation>die Arbeitsmappendaten enden zu früh</translation>
    </message>
    <message>
        <source>The workbook was saved in a format older than Excel 97-2003, which cannot be read.</source>
        <translation>Die Arbeitsmappe wurde in einem Format vor Excel 97-2003 gespeichert, das nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The workbook holds no worksheet.</source>
        <translation>Die Arbeitsmappe enthält kein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>two sheets share their data</source>
        <translation>zwei Blätter teilen sich ihre Daten</translation>
    </message>
    <message>
        <source>a sheet lies outside the file</source>
        <translation>ein Blatt liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>a sheet does not start where the workbook says</source>
        <translation>ein Blatt beginnt nicht dort, wo die Arbeitsmappe angibt</translation>
    </message>
    <message>
        <source>a sheet ends early</source>
        <translation>ein Blatt endet zu früh</translation>
    </message>
    <message>
        <source>a cell refers to a missing shared text</source>
        <translation>eine Zelle verweist auf einen fehlenden gemeinsamen Text</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be opened: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The workbook uses more cell formats than an Excel 97-2003 workbook can hold.</source>
        <translation>Die Arbeitsmappe verwendet mehr Zellformate, als eine Excel-97-2003-Arbeitsmappe fasst.</translation>
    </message>
    <message>
        <source>A cell refers to a format the workbook does not hold.</source>
        <translation>Eine Zelle verweist auf ein Format, das die Arbeitsmappe nicht enthält.</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel 97-2003 workbook can hold.</source>
        <translation>Eine Zelle enthält mehr als 32.767 Zeichen, mehr als eine Excel-97-2003-Arbeitsmappe fasst.</translation>
    </message>
    <message>
        <source>A workbook must contain at least one worksheet.</source>
        <translation>Eine Arbeitsmappe muss mindestens ein Arbeitsblatt enthalten.</translation>
    </message>
    <message>
        <source>The workbook cannot be saved to %1: %2</source>
        <translation>Die Arbeitsmappe kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The workbook package could not be read back.</source>
        <translation>Das Arbeitsmappenpaket konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its zip file.</source>
        <translation>Die Arbeitsmappe konnte nicht in ihre ZIP-Datei gepackt werden.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1 in %2 %3.</source>
        <translation>Die Arbeitsmappe konnte nicht geschrieben werden: %1 in %2 %3.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Die Arbeitsmappe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel workbook can hold.</source>
        <translation>Eine Zelle enthält mehr als 32.767 Zeichen, mehr als eine Excel-Arbeitsmappe fasst.</translation>
    </message>
    <message>
        <source>The sheet name %1 cannot be written.</source>
        <translation>Der Blattname %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file is damaged: a record ends before its data.</source>
        <translation>Die Datei ist beschädigt: Ein Datensatz endet vor seinen Daten.</translation>
    </message>
</context>
<context>
    <name>StepTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>StoredInputs</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
</context>
<context>
    <name>SummaryChart</name>
    <message>
        <source>Claimed</source>
        <translation>Abgerechnet</translation>
    </message>
    <message>
        <source>Not yet claimed</source>
        <translation>Noch nicht abgerechnet</translation>
    </message>
</context>
<context>
    <name>TaxYear</name>
    <message>
        <source>There is no month %1.</source>
        <translation>Es gibt keinen Monat %1.</translation>
    </message>
    <message>
        <source>%1 has no day %2.</source>
        <translation>%1 hat keinen Tag %2.</translation>
    </message>
    <message>
        <source>A tax year cannot start on 29 February, which most years lack.</source>
        <translation>Ein Steuerjahr kann nicht am 29. Februar beginnen, den die meisten Jahre nicht haben.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>Cannot create the temporary folder %1</source>
        <translation>Der temporäre Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a private folder of this user</source>
        <translation>Der temporäre Ordner %1 gehört nicht allein diesem Benutzer</translation>
    </message>
    <message>
        <source>Cannot protect the temporary folder %1</source>
        <translation>Der temporäre Ordner %1 kann nicht geschützt werden</translation>
    </message>
</context>
<context>
    <name>TripBook</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n Fahrt</numerusform>
            <numerusform>%n Fahrten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 → %2: %3</source>
        <translation>%1 → %2: %3</translation>
    </message>
    <message>
        <source>%1 → %2: %3 %4, %5</source>
        <translation>%1 → %2: %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message>
        <source>Reimbursement %1 is not %2 × %3 = %4</source>
        <translation>Erstattung %1 ist nicht %2 × %3 = %4</translation>
    </message>
    <message>
        <source>The trip has no Date.</source>
        <translation>Die Fahrt hat kein Datum.</translation>
    </message>
    <message>
        <source>Date is not a date.</source>
        <translation>Datum ist kein Datum.</translation>
    </message>
    <message>
        <source>Date lies outside the period %1 to %2.</source>
        <translation>Datum liegt außerhalb des Zeitraums %1 bis %2.</translation>
    </message>
    <message>
        <source>Odometer Start is not a number.</source>
        <translation>Km-Stand Beginn ist keine Zahl.</translation>
    </message>
    <message>
        <source>Odometer End is not a number.</source>
        <translation>Km-Stand Ende ist keine Zahl.</translation>
    </message>
    <message>
        <source>Odometer End is below Odometer Start.</source>
        <translation>Km-Stand Ende liegt unter Km-Stand Beginn.</translation>
    </message>
    <message>
        <source>Mileage %1 differs from Odometer End - Odometer Start (%2).</source>
        <translation>Strecke %1 weicht von Km-Stand Ende − Beginn (%2) ab.</translation>
    </message>
    <message>
        <source>Odometer Start is below the previous row&apos;s Odometer End (%1).</source>
        <translation>Km-Stand Beginn liegt unter dem Km-Stand Ende der Zeile davor (%1).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Row %1: %2</source>
        <translation><byte value="xd"/>
Zeile %1: %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Create the report anyway?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Bericht trotzdem erstellen?</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) carry a warning:</source>
        <translation>
            <numerusform>%n Zeile hat eine Warnung:</numerusform>
            <numerusform>%n Zeilen haben eine Warnung:</numerusform>
        </translation>
    </message>
    <message>
        <source>This rate is not a number: no Reimbursement is filled in or checked from it. The form shows it as typed.</source>
        <translation>Dieser Satz ist keine Zahl: Aus ihm wird keine Erstattung ausgefüllt oder geprüft. Die Abrechnung zeigt ihn wie eingegeben.</translation>
    </message>
    <message>
        <source>Reimbursement %1 is not %2 at its rates by distance = %3</source>
        <translation>Erstattung %1 ist nicht %2 zu ihren Sätzen nach Strecke = %3</translation>
    </message>
</context>
<context>
    <name>TripsCsv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>%1 fields where the first line names %2</source>
        <translation>%1 Felder, wo die erste Zeile %2 nennt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>The first line names none of the columns %1.</source>
        <translation>Die erste Zeile nennt keine der Spalten %1.</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>The first line does not name the columns From and Rate.</source>
        <translation>Die erste Zeile nennt die Spalten From und Rate nicht.</translation>
    </message>
    <message>
        <source>a second change on %1</source>
        <translation>eine zweite Änderung am %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>a distance cannot be below 0</source>
        <translation>eine Strecke kann nicht unter 0 liegen</translation>
    </message>
    <message>
        <source>a rate cannot be below 0</source>
        <translation>ein Satz kann nicht unter 0 liegen</translation>
    </message>
    <message>
        <source>a second change at %1 on %2</source>
        <translation>eine zweite Änderung bei %1 am %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryDialog</name>
    <message>
        <source>Claim History</source>
        <translation>Abrechnungsverlauf</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Abrechnungen</translation>
    </message>
    <message>
        <source>The log holds no claims yet: a report saved or printed from the preview becomes one.</source>
        <translation>Das Fahrtenbuch enthält noch keine Abrechnungen: Jede aus der Vorschau gespeicherte oder gedruckte Abrechnung wird eine.</translation>
    </message>
    <message>
        <source>Chain head</source>
        <translation>Kettenkopf</translation>
    </message>
    <message>
        <source>The checksum over every claim and every recorded change; keep it to prove later that the history was not changed.</source>
        <translation>Die Prüfsumme über alle Abrechnungen und alle erfassten Änderungen; bewahren Sie sie auf, um später zu belegen, dass der Verlauf nicht verändert wurde.</translation>
    </message>
    <message>
        <source>Checking the history…</source>
        <translation>Verlauf wird geprüft…</translation>
    </message>
    <message>
        <source>&amp;Save Again As…</source>
        <translation>Erneut &amp;speichern unter…</translation>
    </message>
    <message>
        <source>Makes the chosen claim&apos;s report again, as it was, into a file you choose.</source>
        <translation>Erstellt die gewählte Abrechnung noch einmal, wie sie war, in einer Datei Ihrer Wahl.</translation>
    </message>
    <message>
        <source>&amp;Export Trips to CSV…</source>
        <translation>Fahrten als CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Writes the chosen claim&apos;s trips to a CSV file.</source>
        <translation>Schreibt die Fahrten der gewählten Abrechnung in eine CSV-Datei.</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Opens the folder of the chosen claim&apos;s saved file.</source>
        <translation>Öffnet den Ordner der gespeicherten Datei der gewählten Abrechnung.</translation>
    </message>
    <message>
        <source>Mark as &amp;Paid</source>
        <translation>Als &amp;bezahlt markieren</translation>
    </message>
    <message>
        <source>Records that the chosen claim was paid.</source>
        <translation>Vermerkt, dass die gewählte Abrechnung bezahlt wurde.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Claims, newest first:</source>
        <translation>&amp;Abrechnungen, neueste zuerst:</translation>
    </message>
    <message>
        <source>C&amp;hain head:</source>
        <translation>&amp;Kettenkopf:</translation>
    </message>
    <message>
        <source>The claims cannot be read. %1</source>
        <translation>Die Abrechnungen können nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>The history could not be checked. %1</source>
        <translation>Der Verlauf konnte nicht geprüft werden. %1</translation>
    </message>
    <message>
        <source>There is no history to check yet.</source>
        <translation>Es gibt noch keinen Verlauf zu prüfen.</translation>
    </message>
    <message>
        <source>The history does not hold: %1 fails. The log was changed outside the program.</source>
        <translation>Der Verlauf ist nicht schlüssig: %1 schlägt fehl. Das Fahrtenbuch wurde außerhalb des Programms geändert.</translation>
    </message>
    <message>
        <source>No claim is chosen.</source>
        <translation>Es ist keine Abrechnung gewählt.</translation>
    </message>
    <message>
        <source>The claim was printed, not saved to a file.</source>
        <translation>Die Abrechnung wurde gedruckt, nicht in einer Datei gespeichert.</translation>
    </message>
    <message>
        <source>The trip log is open read-only, so no claim can be marked paid.</source>
        <translation>Das Fahrtenbuch ist schreibgeschützt geöffnet; es kann keine Abrechnung als bezahlt markiert werden.</translation>
    </message>
    <message>
        <source>Marked paid %1.</source>
        <translation>Am %1 als bezahlt markiert.</translation>
    </message>
    <message>
        <source>Save Again As</source>
        <translation>Erneut speichern unter</translation>
    </message>
    <message>
        <source>claim %1.%2</source>
        <translation>Abrechnung %1.%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;. %2</source>
        <translation>Die Abrechnung konnte nicht als „%1“ gespeichert werden. %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Fahrten als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>claim %1 trips.csv</source>
        <translation>Abrechnung %1 Fahrten.csv</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The folder of the claim&apos;s file is gone.</source>
        <translation>Der Ordner der Datei dieser Abrechnung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be opened.</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked paid. %2</source>
        <translation>Abrechnung %1 konnte nicht als bezahlt markiert werden. %2</translation>
    </message>
    <message>
        <source>Claim History…</source>
        <translation>Abrechnungsverlauf…</translation>
    </message>
    <message>
        <source>The history holds: %1 and %2 checked.</source>
        <translation>Der Verlauf ist schlüssig: %1 und %2 geprüft.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln claim(s)</source>
        <translation>
            <numerusform>%Ln Abrechnung</numerusform>
            <numerusform>%Ln Abrechnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln link(s)</source>
        <translation>
            <numerusform>%Ln Glied</numerusform>
            <numerusform>%Ln Glieder</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark as &amp;Unpaid</source>
        <translation>Als &amp;unbezahlt markieren</translation>
    </message>
    <message>
        <source>Takes back the chosen claim&apos;s paid mark.</source>
        <translation>Nimmt den Bezahlt-Vermerk der gewählten Abrechnung zurück.</translation>
    </message>
    <message>
        <source>Mark claim %1 (%2) as paid today?</source>
        <translation>Abrechnung %1 (%2) heute als bezahlt markieren?</translation>
    </message>
    <message>
        <source>Take back the paid mark of claim %1 (%2), made %3? The mark stays in the history, with the claim marked unpaid after it.</source>
        <translation>Den Bezahlt-Vermerk der Abrechnung %1 (%2) vom %3 zurücknehmen? Der Vermerk bleibt im Verlauf, danach ist die Abrechnung als unbezahlt markiert.</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked unpaid. %2</source>
        <translation>Abrechnung %1 konnte nicht als unbezahlt markiert werden. %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryModel</name>
    <message>
        <source>printed</source>
        <translation>gedruckt</translation>
    </message>
    <message>
        <source>%1 (checking…)</source>
        <translation>%1 (wird geprüft…)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>%1 (unreadable)</source>
        <translation>%1 (nicht lesbar)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message numerus="yes">
        <source>Claim %1, saved %2, period %3, %n trip(s), total %4</source>
        <translation>
            <numerusform>Abrechnung %1, gespeichert am %2, Zeitraum %3, %n Fahrt, Summe %4</numerusform>
            <numerusform>Abrechnung %1, gespeichert am %2, Zeitraum %3, %n Fahrten, Summe %4</numerusform>
        </translation>
    </message>
    <message>
        <source>, files: %1</source>
        <translation>, Dateien: %1</translation>
    </message>
    <message>
        <source>, paid %1</source>
        <translation>, bezahlt am %1</translation>
    </message>
    <message>
        <source>Marked paid %1</source>
        <translation>Am %1 als bezahlt markiert</translation>
    </message>
    <message>
        <source>%1 miles</source>
        <translation>%1 Meilen</translation>
    </message>
    <message>
        <source>Claim</source>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Paid %1</source>
        <translation>Bezahlt %1</translation>
    </message>
</context>
<context>
    <name>bw::DatabaseRateStore</name>
    <message>
        <source>The trip log is open read-only, so changes to it are not kept.</source>
        <translation>Das Fahrtenbuch ist schreibgeschützt geöffnet; Änderungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>bw::DriveReviewModel</name>
    <message>
        <source>This trip is in the log already.</source>
        <translation>Diese Fahrt steht schon im Fahrtenbuch.</translation>
    </message>
    <message>
        <source>Not named yet: type the place&apos;s name to name every drive that starts or ends there.</source>
        <translation>Noch ohne Namen: den Namen des Ortes eingeben, um jede Fahrt zu benennen, die dort beginnt oder endet.</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Dienstlich</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Zweck</translation>
    </message>
</context>
<context>
    <name>bw::DrivesDialog</name>
    <message>
        <source>Import Drives</source>
        <translation>Fahrten importieren</translation>
    </message>
    <message>
        <source>Tracks and Timeline Exports (*.gpx *.json)</source>
        <translation>Tracks und Timeline-Exporte (*.gpx *.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>Es passen keine weiteren Fahrten hinein.</translation>
    </message>
    <message>
        <source>Drives found</source>
        <translation>Gefundene Fahrten</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>The place is used here but not kept for later imports: %1</source>
        <translation>Der Ort gilt hier, wird aber für spätere Importe nicht behalten: %1</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Alle ankreuzen</translation>
    </message>
    <message>
        <source>Check &amp;None</source>
        <translation>&amp;Keine ankreuzen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Vom:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Check &amp;Business Hours</source>
        <translation>&amp;Dienstzeiten ankreuzen</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> km</source>
        <translation> km</translation>
    </message>
    <message>
        <source> mi</source>
        <translation> mi</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Add %n Trip(s)</source>
        <translation>
            <numerusform>%n Fahrt &amp;hinzufügen</numerusform>
            <numerusform>%n Fahrten &amp;hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the drives…</source>
        <translation>Die Fahrten werden gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No drives were imported. %1</source>
        <translation>Es wurden keine Fahrten importiert. %1</translation>
    </message>
    <message numerus="yes">
        <source>Only %n more trip(s) fit: uncheck some drives.</source>
        <translation>
            <numerusform>Es passt nur noch %n Fahrt hinein: Kreuzen Sie weniger Fahrten an.</numerusform>
            <numerusform>Es passen nur noch %n Fahrten hinein: Kreuzen Sie weniger Fahrten an.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Drives…</source>
        <translation>Fahrten importieren…</translation>
    </message>
    <message>
        <source>A &amp;stop that ends a drive:</source>
        <translation>Ein &amp;Halt, der eine Fahrt beendet:</translation>
    </message>
    <message>
        <source>The shortest &amp;drive kept:</source>
        <translation>Die kürzeste behaltene &amp;Fahrt:</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found</source>
        <translation>
            <numerusform>%n Fahrt gefunden</numerusform>
            <numerusform>%n Fahrten gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n angezeigt</numerusform>
            <numerusform>%n angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them in the log already</source>
        <translation>
            <numerusform>davon %n schon im Fahrtenbuch</numerusform>
            <numerusform>davon %n schon im Fahrtenbuch</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::Form1</name>
    <message>
        <source>The daily backup of the trip log could not be made. %1</source>
        <translation>Die tägliche Sicherung des Fahrtenbuchs konnte nicht erstellt werden. %1</translation>
    </message>
    <message>
        <source>The trip log could not be backed up before this change. %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>Das Fahrtenbuch konnte vor dieser Änderung nicht gesichert werden. %1<byte value="xd"/>
<byte value="xd"/>
Ohne Sicherung fortfahren?</translation>
    </message>
    <message>
        <source>The trip log is read-only.</source>
        <translation>Das Fahrtenbuch ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>Die Sicherung stammt von einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>Beispiel laden</translation>
    </message>
    <message>
        <source>Duplicate Trip</source>
        <translation>Fahrt duplizieren</translation>
    </message>
    <message>
        <source>Add Return Trip</source>
        <translation>Rückfahrt hinzufügen</translation>
    </message>
    <message>
        <source>Add Frequent Trip</source>
        <translation>Häufige Fahrt hinzufügen</translation>
    </message>
    <message>
        <source>No routes yet</source>
        <translation>Noch keine Strecken</translation>
    </message>
    <message>
        <source>No trip was added.</source>
        <translation>Es wurde keine Fahrt hinzugefügt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Insert Below Selected Row</source>
        <translation>Unter markierter Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete Selected Row</source>
        <translation>Markierte Zeile löschen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>The last change to the trips could not be saved. %1</source>
        <translation>Die letzte Änderung der Fahrten konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Recalculate Reimbursements</source>
        <translation>Erstattungen neu berechnen</translation>
    </message>
    <message>
        <source>The rates by date could not be read: %1</source>
        <translation>Die Sätze nach Datum konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The rates by date were not kept: %1</source>
        <translation>Die Sätze nach Datum wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Every Reimbursement is already its Mileage × its rate.</source>
        <translation>Jede Erstattung ist bereits ihre Strecke × ihr Satz.</translation>
    </message>
    <message>
        <source>Recalculate them?</source>
        <translation>Neu berechnen?</translation>
    </message>
    <message>
        <source>Import Trips from CSV...</source>
        <translation>Fahrten aus CSV importieren...</translation>
    </message>
    <message>
        <source>Export Trips to CSV...</source>
        <translation>Fahrten als CSV exportieren...</translation>
    </message>
    <message>
        <source>Import of Trips</source>
        <translation>Import der Fahrten</translation>
    </message>
    <message>
        <source>To enter Description select row and type Description. Then press Enter to finish changes.</source>
        <translation>Zeile wählen und Zweck eingeben; mit Enter abschließen.</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Abrechnung erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Employee Data</source>
        <translation>Mitarbeiterdaten</translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Employee ID:</source>
        <translation>Personalnr.:</translation>
    </message>
    <message>
        <source>Vehicle Description:</source>
        <translation>Fahrzeug:</translation>
    </message>
    <message>
        <source>Authorized By:</source>
        <translation>Genehmigt von:</translation>
    </message>
    <message>
        <source>Rate per Mile:</source>
        <translation>Satz je Meile:</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Vom:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Mileage Log Data</source>
        <translation>Fahrtenbuch</translation>
    </message>
    <message>
        <source>Do you really want delete this row ?<byte value="xd"/>
(%1)</source>
        <translation>Diese Zeile wirklich löschen?<byte value="xd"/>
(%1)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Row deleted.</source>
        <translation>Zeile gelöscht.</translation>
    </message>
    <message>
        <source>No row was inserted.</source>
        <translation>Es wurde keine Zeile eingefügt.</translation>
    </message>
    <message>
        <source>Do you really want clear ?</source>
        <translation>Wirklich alles löschen?</translation>
    </message>
    <message>
        <source>The stored row count is %1; %2 blank rows were made.</source>
        <translation>Die gespeicherte Zeilenzahl ist %1; %2 leere Zeilen wurden angelegt.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Varnholt at </source>
        <translation>Fragen? Bitte wenden Sie sich an das Team Varnholt: </translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import Trips from CSV</source>
        <translation>Fahrten aus CSV importieren</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Fahrten als CSV exportieren</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No trips were imported from &quot;%1&quot;. %2</source>
        <translation>Aus „%1“ wurden keine Fahrten importiert. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no trips.</source>
        <translation>„%1“ enthält keine Fahrten.</translation>
    </message>
    <message>
        <source>No line of &quot;%1&quot; can be imported:<byte value="xd"/>
%2</source>
        <translation>Keine Zeile von „%1“ kann importiert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>Es passen keine weiteren Fahrten hinein.</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; cannot be imported:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>%1 von „%2“ können nicht importiert werden:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Start New Period…</source>
        <translation>Neuen Zeitraum beginnen…</translation>
    </message>
    <message>
        <source>The report was printed, but no claim of it was recorded. %1</source>
        <translation>Die Abrechnung wurde gedruckt, aber nicht erfasst. %1</translation>
    </message>
    <message>
        <source>The report was saved, but no claim of it was recorded. %1</source>
        <translation>Die Abrechnung wurde gespeichert, aber nicht erfasst. %1</translation>
    </message>
    <message>
        <source>The trip log is open read-only.</source>
        <translation>Das Fahrtenbuch ist schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>The report was printed, but its claim could not be recorded. %1</source>
        <translation>Die Abrechnung wurde gedruckt, konnte aber nicht erfasst werden. %1</translation>
    </message>
    <message>
        <source>The report was saved, but its claim could not be recorded. %1</source>
        <translation>Die Abrechnung wurde gespeichert, konnte aber nicht erfasst werden. %1</translation>
    </message>
    <message>
        <source>No trip in the grid was claimed: there is nothing to move to the history.</source>
        <translation>Keine Fahrt in der Tabelle wurde abgerechnet: Es gibt nichts in den Verlauf zu verschieben.</translation>
    </message>
    <message>
        <source>The claims could not be read. %1</source>
        <translation>Die Abrechnungen konnten nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>Start New Period</source>
        <translation>Neuen Zeitraum beginnen</translation>
    </message>
    <message>
        <source>Distances in Kilometres</source>
        <translation>Strecken in Kilometern</translation>
    </message>
    <message>
        <source>Distances in Miles</source>
        <translation>Strecken in Meilen</translation>
    </message>
    <message>
        <source>Currency: %1</source>
        <translation>Währung: %1</translation>
    </message>
    <message>
        <source>The distance unit and currency were not kept: %1</source>
        <translation>Entfernungseinheit und Währung wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Rate per Kilometre:</source>
        <translation>Satz je Kilometer:</translation>
    </message>
    <message>
        <source>Rate per Kilometre</source>
        <translation>Satz je Kilometer</translation>
    </message>
    <message>
        <source>Rate per Mile</source>
        <translation>Satz je Meile</translation>
    </message>
    <message numerus="yes">
        <source>%n claimed trip(s) will move out of the grid into the history, and the period will start on %1. Start a new period?</source>
        <translation>
            <numerusform>%n abgerechnete Fahrt wird aus der Tabelle in den Verlauf verschoben, und der Zeitraum beginnt am %1. Neuen Zeitraum beginnen?</numerusform>
            <numerusform>%n abgerechnete Fahrten werden aus der Tabelle in den Verlauf verschoben, und der Zeitraum beginnt am %1. Neuen Zeitraum beginnen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 sample trips were not added.</source>
        <translation>
            <numerusform>%n der %1 Beispielfahrten wurde nicht hinzugefügt.</numerusform>
            <numerusform>%n der %1 Beispielfahrten wurden nicht hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reimbursement(s) change(s) to their Mileage × their rate.</source>
        <translation>
            <numerusform>%n Erstattung ändert sich auf ihre Strecke × ihren Satz.</numerusform>
            <numerusform>%n Erstattungen ändern sich auf ihre Strecke × ihren Satz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n trip(s) fit.</source>
        <translation>
            <numerusform>Nur %1 von %n Fahrt passt hinein.</numerusform>
            <numerusform>Nur %1 der %n Fahrten passen hinein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the %n good trip(s)? No imports nothing.</source>
        <translation>
            <numerusform>Die %n fehlerfreie Fahrt importieren? Nein importiert nichts.</numerusform>
            <numerusform>Die %n fehlerfreien Fahrten importieren? Nein importiert nichts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import of Drives</source>
        <translation>Import der Fahrten</translation>
    </message>
</context>
<context>
    <name>bw::Form2</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>There is no workbook to save.</source>
        <translation>Es gibt keine Arbeitsmappe zum Speichern.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
</context>
<context>
    <name>bw::LogTableModel</name>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 erwartet eine Zahl, zum Beispiel %2</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 km)</source>
        <translation>Aus der Strecke %1 → %2 (%3 km)</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 mi)</source>
        <translation>Aus der Strecke %1 → %2 (%3 mi)</translation>
    </message>
</context>
<context>
    <name>bw::LogsWindow</name>
    <message>
        <source>&amp;Name of the log:</source>
        <translation>&amp;Name des Fahrtenbuchs:</translation>
    </message>
    <message>
        <source>Name of the log</source>
        <translation>Name des Fahrtenbuchs</translation>
    </message>
    <message>
        <source>&amp;Copy the open log&apos;s employee data, rates, unit and currency</source>
        <translation>Mitarbeiterdaten, Sätze, Einheit und Währung des geöffneten Fahrtenbuchs &amp;übernehmen</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Fahrtenbücher</translation>
    </message>
    <message>
        <source>Logs you &amp;keep:</source>
        <translation>&amp;Ihre Fahrtenbücher:</translation>
    </message>
    <message>
        <source>Each log with its vehicle, its number of trips, its latest trip&apos;s date and its folder. Enter opens the chosen one.</source>
        <translation>Jedes Fahrtenbuch mit Fahrzeug, Anzahl der Fahrten, Datum der letzten Fahrt und Ordner. Die Eingabetaste öffnet das gewählte.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Letzte Fahrt</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;New Log…</source>
        <translation>&amp;Neues Fahrtenbuch…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Open Other &amp;File…</source>
        <translation>Andere &amp;Datei öffnen…</translation>
    </message>
    <message>
        <source>Remove from &amp;List</source>
        <translation>Aus der &amp;Liste entfernen</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New Log</source>
        <translation>Neues Fahrtenbuch</translation>
    </message>
    <message>
        <source>Rename Log</source>
        <translation>Fahrtenbuch umbenennen</translation>
    </message>
    <message>
        <source>Open Other Log</source>
        <translation>Anderes Fahrtenbuch öffnen</translation>
    </message>
    <message>
        <source>Logs (*.sqlite)</source>
        <translation>Fahrtenbücher (*.sqlite)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash; open another log first.</source>
        <translation>Das geöffnete Fahrtenbuch kann nicht in den Papierkorb verschoben werden; öffnen Sie zuerst ein anderes.</translation>
    </message>
    <message>
        <source>Move the log %1 (%2) and its files to the trash?</source>
        <translation>Das Fahrtenbuch %1 (%2) und seine Dateien in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Logs…</source>
        <translation>Fahrtenbücher…</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>O&amp;rdner…</translation>
    </message>
    <message>
        <source>Choose the folder of the new log</source>
        <translation>Ordner des neuen Fahrtenbuchs wählen</translation>
    </message>
    <message>
        <source>Folder of the New Log</source>
        <translation>Ordner des neuen Fahrtenbuchs</translation>
    </message>
</context>
<context>
    <name>bw::RatesDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Rates by Date</source>
        <translation>Sätze nach Datum</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Mile:</source>
        <translation>Ab jedem Datum werden Fahrten zu dessen Satz erstattet; frühere Fahrten und Fahrten ohne Datum zum Satz je Meile:</translation>
    </message>
    <message>
        <source>Each rate change with the date it applies from. Insert adds one, Delete removes the current one.</source>
        <translation>Jede Satzänderung mit dem Datum, ab dem sie gilt. Einfg fügt eine hinzu, Entf entfernt die aktuelle.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 erwartet eine Zahl, zum Beispiel %2</translation>
    </message>
    <message>
        <source>%1 takes a date, for example %2</source>
        <translation>%1 erwartet ein Datum, zum Beispiel %2</translation>
    </message>
    <message>
        <source>A rate change from %1 is already listed; each day takes one rate.</source>
        <translation>Eine Satzänderung ab %1 ist bereits aufgeführt; jeder Tag hat einen Satz.</translation>
    </message>
    <message>
        <source>Rates by Date…</source>
        <translation>Sätze nach Datum…</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Kilometre:</source>
        <translation>Ab jedem Datum werden Fahrten zu dessen Satz erstattet; frühere Fahrten und Fahrten ohne Datum zum Satz je Kilometer:</translation>
    </message>
    <message>
        <source>Rate (%1 per %2)</source>
        <translation>Satz (%1 je %2)</translation>
    </message>
    <message>
        <source>From Distance (%1)</source>
        <translation>Ab Strecke (%1)</translation>
    </message>
    <message>
        <source>From Distance</source>
        <translation>Ab Strecke</translation>
    </message>
    <message>
        <source>A rate change from %1 at %2 is already listed; a date takes one rate for each distance.</source>
        <translation>Eine Satzänderung ab %1 bei %2 ist bereits aufgeführt; ein Datum hat je Strecke einen Satz.</translation>
    </message>
    <message>
        <source>the start of the tax year</source>
        <translation>dem Beginn des Steuerjahrs</translation>
    </message>
</context>
<context>
    <name>bw::RestoreBackupDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Log from Backup</source>
        <translation>Fahrtenbuch aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Choose the backup that replaces the log:</source>
        <translation>Wählen Sie die Sicherung, die das Fahrtenbuch ersetzt:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Each backup with when it was taken, its number of trips and its latest trip&apos;s date. Enter restores the chosen one.</source>
        <translation>Jede Sicherung mit Zeitpunkt, Zahl der Fahrten und Datum der letzten Fahrt. Enter stellt die gewählte wieder her.</translation>
    </message>
    <message>
        <source>Backup taken</source>
        <translation>Gesichert am</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Letzte Fahrt</translation>
    </message>
    <message>
        <source>There are no backups of the log yet.</source>
        <translation>Es gibt noch keine Sicherungen des Fahrtenbuchs.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be read; choose another.</source>
        <translation>Die Sicherung vom %1 ist nicht lesbar; wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Restore Log from Backup…</source>
        <translation>Fahrtenbuch aus Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>Replace the log&apos;s %1 with the %2 of the backup of %3? The current log is backed up first.</source>
        <translation>Das Fahrtenbuch (%1) durch die Sicherung vom %3 (%2) ersetzen? Das aktuelle Fahrtenbuch wird zuerst gesichert.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln trip(s)</source>
        <translation>
            <numerusform>%Ln Fahrt</numerusform>
            <numerusform>%Ln Fahrten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::SummaryChart</name>
    <message>
        <source>Distance per month, claimed and not yet claimed</source>
        <translation>Strecke je Monat, abgerechnet und noch nicht abgerechnet</translation>
    </message>
</context>
<context>
    <name>bw::SummaryWindow</name>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Übersicht…</translation>
    </message>
    <message>
        <source>&amp;Tax year:</source>
        <translation>&amp;Steuerjahr:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Fahrten</translation>
    </message>
    <message>
        <source>Distance (%1)</source>
        <translation>Strecke (%1)</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Claimed</source>
        <translation>Abgerechnet</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Not Yet Claimed</source>
        <translation>Noch nicht abgerechnet</translation>
    </message>
    <message>
        <source>Months of the tax year</source>
        <translation>Monate des Steuerjahrs</translation>
    </message>
    <message>
        <source>Most driven routes:</source>
        <translation>Meistgefahrene Strecken:</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Most driven routes</source>
        <translation>Meistgefahrene Strecken</translation>
    </message>
    <message>
        <source>&amp;Starts on:</source>
        <translation>&amp;Beginnt am:</translation>
    </message>
    <message>
        <source>Tax year starts on day</source>
        <translation>Steuerjahr beginnt am Tag</translation>
    </message>
    <message>
        <source>Tax year starts in month</source>
        <translation>Steuerjahr beginnt im Monat</translation>
    </message>
    <message>
        <source>6 April (UK)</source>
        <translation>6. April (Vereinigtes Königreich)</translation>
    </message>
    <message>
        <source>1 July (Australia)</source>
        <translation>1. Juli (Australien)</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>The tax year&apos;s start was not changed: %1</source>
        <translation>Der Beginn des Steuerjahrs wurde nicht geändert: %1</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Übersicht exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>summary %1.csv</source>
        <translation>Übersicht %1.csv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.<byte value="xd"/>
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The summary could not be exported to &quot;%1&quot;. %2</source>
        <translation>Die Übersicht konnte nicht nach „%1“ exportiert werden. %2</translation>
    </message>
    <message>
        <source>Summary of the tax year %1</source>
        <translation>Übersicht des Steuerjahrs %1</translation>
    </message>
    <message>
        <source>The log is open read-only, so its tax year cannot be changed.</source>
        <translation>Das Fahrtenbuch ist schreibgeschützt geöffnet, daher kann sein Steuerjahr nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>bw::TripLog</name>
    <message>
        <source>The trip log cannot be kept: %1 Changes to trips are not kept.</source>
        <translation>Das Fahrtenbuch kann nicht gespeichert werden: %1 Änderungen an Fahrten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The trip log is open in another Brindlewick window. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>Das Fahrtenbuch ist in einem anderen Brindlewick-Fenster geöffnet. Dieses Fenster zeigt es schreibgeschützt; Änderungen an Fahrten werden hier nicht gespeichert.</translation>
    </message>
    <message>
        <source>The trip log %1 was written by a newer version of Brindlewick. This version shows it read-only and does not change it.</source>
        <translation>Das Fahrtenbuch %1 stammt von einer neueren Version von Brindlewick. Diese Version zeigt es schreibgeschützt und ändert es nicht.</translation>
    </message>
    <message>
        <source>The trip log cannot be opened: %1 Changes to trips are not kept.</source>
        <translation>Das Fahrtenbuch kann nicht geöffnet werden: %1 Änderungen an Fahrten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The trip log %1 is damaged and could not be set aside; it was left unchanged and changes to trips are not kept.</source>
        <translation>Das Fahrtenbuch %1 ist beschädigt und konnte nicht beiseitegelegt werden; es bleibt unverändert, und Änderungen an Fahrten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The trip log %1 was set aside as %2, and a new one cannot be made: %3</source>
        <translation>Das Fahrtenbuch %1 wurde als %2 beiseitegelegt, und ein neues kann nicht angelegt werden: %3</translation>
    </message>
    <message>
        <source>The trips could not be moved into the trip log: %1 Changes to trips are not kept.</source>
        <translation>Die Fahrten konnten nicht ins Fahrtenbuch übernommen werden: %1 Änderungen an Fahrten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Lines of the trips file %1 that could not be read: %2. The file was set aside unchanged as %3. Trips recovered: %4.</source>
        <translation>Nicht lesbare Zeilen der Fahrtendatei %1: %2. Die Datei wurde unverändert als %3 beiseitegelegt. Gerettete Fahrten: %4.</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. A copy was kept unchanged as %2. Trips recovered: %3.</source>
        <translation>Die Einstellungsdatei %1 hatte nicht lesbare Zeilen. Eine unveränderte Kopie liegt unter %2. Gerettete Fahrten: %3.</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>Das gespeicherte Fahrtenbuch hat %1 Fahrten; die ersten %2 wurden geladen.</translation>
    </message>
    <message>
        <source>The trip log is being written by brindlewick-report. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>Das Fahrtenbuch wird gerade von brindlewick-report geschrieben. Dieses Fenster zeigt es schreibgeschützt; Änderungen an Fahrten werden hier nicht gespeichert.</translation>
    </message>
    <message>
        <source>Its write-ahead file %1 is damaged and could not be set aside. %2</source>
        <translation>Seine Protokolldatei %1 ist beschädigt und konnte nicht beiseitegelegt werden. %2</translation>
    </message>
    <message>
        <source>The last changes to the trip log could not be applied: its write-ahead file %1, last written %2, is damaged. Changes that could not be applied: %3. The log is shown as it was before them. The log, its write-ahead file and index were set aside unchanged as %4.</source>
        <translation>Die letzten Änderungen am Fahrtenbuch konnten nicht übernommen werden: seine Protokolldatei %1, zuletzt geschrieben am %2, ist beschädigt. Nicht übernommene Änderungen: %3. Das Fahrtenbuch wird so gezeigt, wie es vor ihnen war. Das Fahrtenbuch, seine Protokolldatei und sein Index wurden unverändert als %4 beiseitegelegt.</translation>
    </message>
    <message>
        <source>A recovery of the trip log begun at an earlier start did not finish; it was made again.</source>
        <translation>Eine Rettung des Fahrtenbuchs, die bei einem früheren Start begann, wurde nicht beendet; sie wurde erneut ausgeführt.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 of %5.</source>
        <translation>Das Fahrtenbuch %1 konnte nicht vollständig gelesen werden (%2). Es wurde unverändert als %3 beiseitegelegt. In ein neues Fahrtenbuch gerettete Fahrten: %4 von %5.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 (how many it held could not be read).</source>
        <translation>Das Fahrtenbuch %1 konnte nicht vollständig gelesen werden (%2). Es wurde unverändert als %3 beiseitegelegt. In ein neues Fahrtenbuch gerettete Fahrten: %4 (wie viele es enthielt, ließ sich nicht lesen).</translation>
    </message>
    <message>
        <source>The trip log %1 cannot be written: %2 This window shows it read-only; changes to trips are not kept.</source>
        <translation>Das Fahrtenbuch %1 kann nicht geschrieben werden: %2 Dieses Fenster zeigt es schreibgeschützt; Änderungen an Fahrten werden nicht gespeichert.</translation>
    </message>
</context>
</TS>
