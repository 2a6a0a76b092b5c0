<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für weitere Informationen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language (and territory) this translation is for, as a locale name such as de, fr, es or pt_BR: dates and month names in the windows follow it.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A date without weekday, in QLocale&apos;s format letters (d, MMMM, yyyy; quote words).</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>A day and month without year or weekday, in QLocale&apos;s format letters.</extracomment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>A month and year, as under a calendar&apos;s days, in QLocale&apos;s format letters.</extracomment>
        <translation>MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Download Quillory</source>
        <translation>Quillory herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory</source>
        <translation>Hier klicken, um Quillory zu besuchen</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Hier klicken und jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Jetzt weiterempfehlen</translation>
    </message>
</context>
<context>
    <name>InputWindow</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>Are you a Leo? Or Virgo? But I have characteristics of both! Know if you are born in the cusp of two signs!</source>
        <translation>Löwe oder Jungfrau? Oder von beiden etwas? Finden Sie heraus, ob Sie am Übergang zweier Sternzeichen geboren sind!</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Bitte füllen Sie die folgenden Angaben aus:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Vorname</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Nachname</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Find If I am Born in a Cusp</source>
        <translation>Bin ich am Übergang geboren?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Sonne</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Genaue Zeichenwechsel...</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über das &amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Spe&amp;nden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: the boxes take the Latin letters A to Z and spaces only. Say so truthfully (not &quot;letters&quot; in general).</extracomment>
        <translation>Bitte nur die Buchstaben A bis Z eingeben</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>First Sun Sign Profile</source>
        <translation>Profil des ersten Sternzeichens</translation>
    </message>
    <message>
        <source>Your Sun Sign</source>
        <translation>Ihr Sternzeichen</translation>
    </message>
    <message>
        <source>lblSunSign</source>
        <translation>lblSunSign</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Glücksstein</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Glückszahl</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Glückstag</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Passt zu</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Positive Eigenschaften</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Negative Eigenschaften</translation>
    </message>
    <message>
        <source>Second Sun Sign Profile</source>
        <translation>Profil des zweiten Sternzeichens</translation>
    </message>
    <message>
        <source>More About Your Cusp Sign</source>
        <translation>Mehr über Ihren Übergang</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Sonne</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Genaue Zeichenwechsel...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über das &amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Spe&amp;nden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>The calendar puts you on a cusp. Find out which sign the Sun was really in when you were born.</source>
        <translation>Laut Kalender sind Sie am Übergang geboren. Finden Sie heraus, in welchem Zeichen die Sonne bei Ihrer Geburt wirklich stand.</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Sun Sign...</source>
        <translation>Mein genaues Sternzeichen &amp;finden...</translation>
    </message>
    <message>
        <source>Find My Exact Sun Sign...</source>
        <translation>Mein genaues Sternzeichen finden...</translation>
    </message>
    <message>
        <source>Opens Sun Sign Changes on your birth date. Give your birth place and time to see which sign the Sun was really in.</source>
        <translation>Öffnet die Sternzeichenwechsel an Ihrem Geburtsdatum. Mit Geburtsort und Uhrzeit sehen Sie, in welchem Zeichen die Sonne wirklich stand.</translation>
    </message>
    <message>
        <source>Check which sign the Sun was really in when you were born</source>
        <translation>Prüfen, in welchem Zeichen die Sonne bei Ihrer Geburt wirklich stand</translation>
    </message>
    <message>
        <source>The Sun does not change sign on the same day every year. Opens Sun Sign Changes on your birth date, where your birth place and time give the exact sign.</source>
        <translation>Die Sonne wechselt nicht jedes Jahr am selben Tag das Zeichen. Öffnet die Sternzeichenwechsel an Ihrem Geburtsdatum, wo Geburtsort und Uhrzeit das genaue Zeichen ergeben.</translation>
    </message>
</context>
<context>
    <name>SunChangesWindow</name>
    <message>
        <source>Sun Sign Changes</source>
        <translation>Sternzeichenwechsel</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>When the Sun &amp;entered each sign (local time):</source>
        <translation>Wann die Sonne in jedes Zeichen &amp;eintrat (Ortszeit):</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Zeichenwechsel</translation>
    </message>
    <message>
        <source>Your birth</source>
        <translation>Ihre Geburt</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Tag:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>&amp;Time (hh:mm):</source>
        <translation>&amp;Uhrzeit (hh:mm):</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>Hours and minutes, for example 14:30; leave empty when the time is not known</source>
        <translation>Stunden und Minuten, zum Beispiel 14:30; leer lassen, wenn die Uhrzeit nicht bekannt ist</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Where the Sun was:</source>
        <translation>&amp;Wo die Sonne stand:</translation>
    </message>
    <message>
        <source>Where the Sun was</source>
        <translation>Wo die Sonne stand</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save the picture with the reading under it as a PNG file (Ctrl+S)</source>
        <translation>Das Bild mit der Deutung darunter als PNG-Datei speichern (Strg+S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Birth place:</source>
        <translation>&amp;Geburtsort:</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>A city, a country or a time zone; the times below are in its time zone</source>
        <translation>Eine Stadt, ein Land oder eine Zeitzone; die Zeiten darunter gelten in deren Zeitzone</translation>
    </message>
    <message>
        <source>%1 is not a time of day. Type the hours and minutes of the birth, from 00:00 to 23:59 (for example 14:30), or leave the box empty if the time is not known.</source>
        <extracomment>%1 is what was typed, in quotation marks.</extracomment>
        <translation>%1 ist keine Uhrzeit. Geben Sie Stunden und Minuten der Geburt ein, von 00:00 bis 23:59 (zum Beispiel 14:30), oder lassen Sie das Feld leer, wenn die Uhrzeit nicht bekannt ist.</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>UTC-Abstand</translation>
    </message>
    <message>
        <source>City, country or time zone</source>
        <translation>Stadt, Land oder Zeitzone</translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: choose one from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks; %n is at least 2.</extracomment>
        <translation>
            <numerusform>%n Zeitzone passt zu %1: Wählen Sie sie aus der Liste.</numerusform>
            <numerusform>%n Zeitzonen passen zu %1: Wählen Sie eine aus der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: choose one from the list.</source>
        <translation>
            <numerusform>%n Ort passt zu %1: Wählen Sie ihn aus der Liste.</numerusform>
            <numerusform>%n Orte passen zu %1: Wählen Sie einen aus der Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>No place or time zone is called %1. Type a city (Munich, Springfield, Illinois), a country (Japan), a zone&apos;s name or part of it (New York) or an offset (UTC+05:30), and choose from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks. The examples are what the place box finds: keep the city and zone names, give the country in the language.</extracomment>
        <translation>Kein Ort und keine Zeitzone heißt %1. Geben Sie eine Stadt (München, Springfield, Illinois), ein Land (Japan), den Namen einer Zeitzone oder einen Teil davon (New York) oder einen Abstand (UTC+05:30) ein und wählen Sie aus der Liste.</translation>
    </message>
    <message>
        <source>Local times in %1, the time zone of %2</source>
        <translation>Ortszeiten in %1, der Zeitzone von %2</translation>
    </message>
    <message>
        <source>Local times in %1</source>
        <translation>Ortszeiten in %1</translation>
    </message>
    <message>
        <source>The Sun&apos;s sign at the birth</source>
        <translation>Das Zeichen der Sonne bei der Geburt</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Birth place: %1</source>
        <translation>Geburtsort: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone: %1</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2. Nothing was written there. Choose a folder you may write to and save again.</source>
        <extracomment>%1 is the file&apos;s name in quotation marks, %2 the system&apos;s reason.</extracomment>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2. Dort wurde nichts geschrieben. Wählen Sie einen Ordner, in den Sie schreiben dürfen, und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>SunPicture</name>
    <message>
        <source>cusp days</source>
        <extracomment>Written over the shaded days of the picture that the calendar counts as a cusp.</extracomment>
        <translation>Übergangstage</translation>
    </message>
    <message>
        <source>birth</source>
        <extracomment>The picture&apos;s mark of the birth day, when no time was given.</extracomment>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>birth %1, twice</source>
        <extracomment>The picture&apos;s mark of the birth: %1 is the clock time (14:30).</extracomment>
        <translation>Geburt %1, zweimal</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>Geburt %1</translation>
    </message>
    <message>
        <source>Picture of the sign change</source>
        <translation>Bild des Zeichenwechsels</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Nichts anzuzeigen.</translation>
    </message>
    <message>
        <source>Picture of the sign change: the Sun entered %1 on %2 at %3</source>
        <extracomment>%1 is the sign, %2 the date, %3 the clock time.</extracomment>
        <translation>Bild des Zeichenwechsels: Die Sonne trat am %2 um %3 in das Zeichen %1 ein</translation>
    </message>
    <message>
        <source>Local days from %1 to %2 in %3.</source>
        <extracomment>%1 is a day and month, %2 a date, %3 a time zone&apos;s name.</extracomment>
        <translation>Tage nach Ortszeit vom %1 bis zum %2 in %3.</translation>
    </message>
    <message>
        <source>Shaded, the cusp days of the calendar rule: %1 to %2.</source>
        <extracomment>%1 is a day&apos;s number, %2 a day and month: the cusp days run from the first to the second.</extracomment>
        <translation>Schattiert: die Übergangstage nach der Kalenderregel, %1. bis %2.</translation>
    </message>
    <message>
        <source>A line marks the change: the Sun was in %1 before %2 on %3 and in %4 after.</source>
        <extracomment>%1 and %4 are signs, %2 the clock time, %3 a day and month.</extracomment>
        <translation>Eine Linie markiert den Wechsel: Am %3 stand die Sonne vor %2 im Zeichen %1 und danach im Zeichen %4.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, the day of the change.</source>
        <extracomment>%1 is a day and month.</extracomment>
        <translation>Geburt: markiert am %1, dem Tag des Wechsels.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, in %2 all day.</source>
        <translation>Geburt: markiert am %1, den ganzen Tag im Zeichen %2.</translation>
    </message>
    <message>
        <source>No birth mark: the time given did not happen on %1 in %2.</source>
        <extracomment>%1 is a day and month, %2 a time zone&apos;s name.</extracomment>
        <translation>Keine Markierung der Geburt: Die angegebene Uhrzeit gab es am %1 in %2 nicht.</translation>
    </message>
    <message>
        <source>%1, in %2, %3 before the change</source>
        <extracomment>%1 is the clock time, %2 a sign, %3 a duration (2 hours 5 minutes).</extracomment>
        <translation>%1, im Zeichen %2, %3 vor dem Wechsel</translation>
    </message>
    <message>
        <source>%1, in %2, %3 after the change</source>
        <translation>%1, im Zeichen %2, %3 nach dem Wechsel</translation>
    </message>
    <message>
        <source>Birth: marked twice, the clocks having shown the time twice, on %1: %2.</source>
        <extracomment>%1 is a day and month, %2 the birth&apos;s moments, each as &quot;14:30, in Leo, 2 hours after the change&quot;, joined by semicolons.</extracomment>
        <translation>Geburt: zweimal markiert, da die Uhren diese Zeit zweimal zeigten, am %1: %2.</translation>
    </message>
    <message>
        <source>Birth: marked at its moment on %1: %2.</source>
        <translation>Geburt: zum Zeitpunkt markiert am %1: %2.</translation>
    </message>
</context>
</TS>
