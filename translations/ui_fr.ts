<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Quillory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you a Leo? Or Virgo? But I have characteristics of both! Know if you are born in the cusp of two signs!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find If I am Born in a Cusp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Sun Sign Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lblSunSign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Sun Sign Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More About Your Cusp Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar puts you on a cusp. Find out which sign the Sun was really in when you were born.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My &amp;Exact Sun Sign...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My Exact Sun Sign...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Sun Sign Changes on your birth date. Give your birth place and time to see which sign the Sun was really in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check which sign the Sun was really in when you were born</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun does not change sign on the same day every year. Opens Sun Sign Changes on your birth date, where your birth place and time give the exact sign.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SunChangesWindow</name>
    <message>
        <source>Sun Sign Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Sun &amp;entered each sign (local time):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time (hh:mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours and minutes, for example 14:30; leave empty when the time is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Where the Sun was:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the Sun was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture with the reading under it as a PNG file (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Birth place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A city, a country or a time zone; the times below are in its time zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
