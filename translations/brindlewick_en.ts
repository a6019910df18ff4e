<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ClaimNotes</name>
    <message numerus="yes">
        <source>%n of these trips were claimed before, first row %1 in %2 of %3. Create the report anyway?</source>
        <translation>
            <numerusform>%n of these trips was claimed before, row %1 in %2 of %3. Create the report anyway?</numerusform>
            <numerusform>%n of these trips were claimed before, first row %1 in %2 of %3. Create the report anyway?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MileageLog</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trip</numerusform>
            <numerusform>%n trips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trip</numerusform>
            <numerusform>%n trips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TripBook</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trip</numerusform>
            <numerusform>%n trips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message numerus="yes">
        <source>%n row(s) carry a warning:</source>
        <translation>
            <numerusform>%n row carries a warning:</numerusform>
            <numerusform>%n rows carry a warning:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryDialog</name>
    <message numerus="yes">
        <source>%Ln claim(s)</source>
        <translation>
            <numerusform>%Ln claim</numerusform>
            <numerusform>%Ln claims</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln link(s)</source>
        <translation>
            <numerusform>%Ln link</numerusform>
            <numerusform>%Ln links</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryModel</name>
    <message numerus="yes">
        <source>Claim %1, saved %2, period %3, %n trip(s), total %4</source>
        <translation>
            <numerusform>Claim %1, saved %2, period %3, %n trip, total %4</numerusform>
            <numerusform>Claim %1, saved %2, period %3, %n trips, total %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::DrivesDialog</name>
    <message numerus="yes">
        <source>&amp;Add %n Trip(s)</source>
        <translation>
            <numerusform>&amp;Add %n Trip</numerusform>
            <numerusform>&amp;Add %n Trips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n more trip(s) fit: uncheck some drives.</source>
        <translation>
            <numerusform>Only %n more trip fits: uncheck some drives.</numerusform>
            <numerusform>Only %n more trips fit: uncheck some drives.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found</source>
        <translation>
            <numerusform>%n drive found</numerusform>
            <numerusform>%n drives found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n shown</numerusform>
            <numerusform>%n shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them in the log already</source>
        <translation>
            <numerusform>%n of them in the log already</numerusform>
            <numerusform>%n of them in the log already</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::Form1</name>
    <message numerus="yes">
        <source>%n claimed trip(s) will move out of the grid into the history, and the period will start on %1. Start a new period?</source>
        <translation>
            <numerusform>%n claimed trip will move out of the grid into the history, and the period will start on %1. Start a new period?</numerusform>
            <numerusform>%n claimed trips will move out of the grid into the history, and the period will start on %1. Start a new period?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 sample trips were not added.</source>
        <translation>
            <numerusform>%n of the %1 sample trips was not added.</numerusform>
            <numerusform>%n of the %1 sample trips were not added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reimbursement(s) change(s) to their Mileage × their rate.</source>
        <translation>
            <numerusform>%n Reimbursement changes to its Mileage × its rate.</numerusform>
            <numerusform>%n Reimbursements change to their Mileage × their rate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n trip(s) fit.</source>
        <translation>
            <numerusform>Only %1 of the %n trip fits.</numerusform>
            <numerusform>Only %1 of the %n trips fit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the %n good trip(s)? No imports nothing.</source>
        <translation>
            <numerusform>Import the %n good trip? No imports nothing.</numerusform>
            <numerusform>Import the %n good trips? No imports nothing.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::RestoreBackupDialog</name>
    <message numerus="yes">
        <source>%Ln trip(s)</source>
        <translation>
            <numerusform>%Ln trip</numerusform>
            <numerusform>%Ln trips</numerusform>
        </translation>
    </message>
</context>
</TS>
