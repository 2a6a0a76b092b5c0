<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SunSigns</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>SunTexts</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The date format (QDate&apos;s letters) of a date in a sentence, without the weekday: &quot;20 March 2024&quot;.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>The date format (QDate&apos;s letters) of a day of the month without a year: &quot;21 July&quot;.</extracomment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3 until %4 and in %5 after, as it changed sign within that minute</source>
        <extracomment>After the cusp sentence&apos;s colon; &quot;it&quot; is the Sun, %1 a clock reading such as &quot;03:06 (UTC+00:00)&quot;, %2 a day such as &quot;20 March&quot;, %4 a time to the second.</extracomment>
        <translation>am %2 um %1 stand sie bis %4 im Zeichen %3 und danach im Zeichen %5, denn sie wechselte in dieser Minute das Zeichen</translation>
    </message>
    <message>
        <source>at %1 it was in %2 until %3 and in %4 after, as it changed sign within that minute</source>
        <translation>um %1 stand sie bis %3 im Zeichen %2 und danach im Zeichen %4, denn sie wechselte in dieser Minute das Zeichen</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 before the change</source>
        <translation>am %2 um %1 stand sie im Zeichen %3, %4 vor dem Zeichenwechsel</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 after the change</source>
        <translation>am %2 um %1 stand sie im Zeichen %3, %4 nach dem Zeichenwechsel</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 before the change</source>
        <translation>um %1 stand sie im Zeichen %2, %3 vor dem Zeichenwechsel</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 after the change</source>
        <translation>um %1 stand sie im Zeichen %2, %3 nach dem Zeichenwechsel</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time on another day than the one asked about: &quot;00:00 on 30 December 2011&quot;.</extracomment>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 to %3 on %4, so %5 did not happen there. Did you mean %6 or %7?</source>
        <translation>Am %4 sprangen die Uhren in %1 von %2 auf %3, daher gab es dort die Uhrzeit %5 nicht. Meinten Sie %6 oder %7?</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 on %3 to %4 on %5, so %6 did not happen there. Did you mean %7 or %8?</source>
        <translation>Die Uhren in %1 sprangen von %2 am %3 auf %4 am %5, daher gab es dort die Uhrzeit %6 nicht. Meinten Sie %7 oder %8?</translation>
    </message>
    <message>
        <source>at %1 the Sun entered %2 at %3, within the minute you gave: born before that, the Sun was in %4; after, in %2</source>
        <translation>um %1 trat die Sonne ins Zeichen %2 ein, genau um %3 und damit innerhalb der angegebenen Minute: Bei einer Geburt davor stand sie im Zeichen %4, danach im Zeichen %2</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 after it entered %4</source>
        <extracomment>One reading of a time the clocks showed twice, after a colon or a semicolon: %1 a clock reading such as &quot;01:30 (UTC+01:00)&quot;, %2 a place such as &quot;4°04′ Scorpio&quot;.</extracomment>
        <translation>um %1 stand die Sonne auf %2, %3 nach dem Eintritt ins Zeichen %4</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 before it entered %4</source>
        <translation>um %1 stand die Sonne auf %2, %3 vor dem Eintritt ins Zeichen %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 after it entered %4</source>
        <extracomment>The second reading of a time the clocks showed twice: &quot;it&quot; is the Sun.</extracomment>
        <translation>um %1 stand sie auf %2, %3 nach dem Eintritt ins Zeichen %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 before it entered %4</source>
        <translation>um %1 stand sie auf %2, %3 vor dem Eintritt ins Zeichen %4</translation>
    </message>
    <message>
        <source>Not a year: %1 (give a year from %2 to %3).</source>
        <translation>Keine Jahreszahl: %1 (geben Sie ein Jahr von %2 bis %3 an).</translation>
    </message>
    <message>
        <source>Year %1 is outside the years covered, %2 to %3.</source>
        <translation>Das Jahr %1 liegt außerhalb der abgedeckten Jahre %2 bis %3.</translation>
    </message>
    <message>
        <source>Unknown time zone: %1 (give a zone&apos;s name such as Europe/London, a city, a country, or an offset such as UTC+05:30).</source>
        <translation>Unbekannte Zeitzone: %1 (geben Sie den Namen einer Zeitzone wie Europe/London, eine Stadt, ein Land oder einen Abstand zu UTC wie UTC+05:30 an).</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>The end of a list cut short: &quot;Europe/London, Europe/Paris and 3 more&quot;.</extracomment>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n Zeitzone passt zu %1: %2 (geben Sie eine davon an).</numerusform>
            <numerusform>%n Zeitzonen passen zu %1: %2 (geben Sie eine davon an).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n Ort passt zu %1: %2 (geben Sie einen davon an).</numerusform>
            <numerusform>%n Orte passen zu %1: %2 (geben Sie einen davon an).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1°%2′</source>
        <extracomment>Degrees and arc-minutes of a place in a sign: &quot;29°12′&quot;.</extracomment>
        <translation>%1°%2′</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>Three parts of a duration: &quot;4 days, 2 hours and 15 minutes&quot;.</extracomment>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two parts of a duration: &quot;19 hours and 22 minutes&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 did not exist in %2: its clocks skipped that whole day.</source>
        <translation>Den %1 gab es in %2 nicht: Die Uhren dort übersprangen den ganzen Tag.</translation>
    </message>
    <message>
        <source>On %1 the Sun entered %2 at %3: born before then, the Sun was in %4; after, in %2.</source>
        <translation>Am %1 trat die Sonne um %3 ins Zeichen %2 ein: Bei einer Geburt davor stand sie im Zeichen %4, danach im Zeichen %2.</translation>
    </message>
    <message>
        <source>%1 at %2 (UTC%3)</source>
        <extracomment>A moment: &quot;20 April 1990 at 14:27 (UTC+00:00)&quot;.</extracomment>
        <translation>%1 um %2 (UTC%3)</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It had entered %1 on %3, %4 before that day began.</source>
        <translation>Am %2 stand die Sonne den ganzen Tag im Zeichen %1, unabhängig von der Geburtszeit. Sie war am %3 ins Zeichen %1 eingetreten, %4 vor Beginn dieses Tages.</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It entered %3 on %4, %5 after that day ended.</source>
        <translation>Am %2 stand die Sonne den ganzen Tag im Zeichen %1, unabhängig von der Geburtszeit. Ins Zeichen %3 trat sie am %4 ein, %5 nach dem Ende dieses Tages.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A place in a sign: &quot;29°12′ Pisces&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 after it entered %2</source>
        <translation>%1 nach dem Eintritt ins Zeichen %2</translation>
    </message>
    <message>
        <source>%1 before it entered %2</source>
        <translation>%1 vor dem Eintritt ins Zeichen %2</translation>
    </message>
    <message>
        <source>No clock in %1 showed %2 on %3: that time did not exist there.</source>
        <translation>Am %3 zeigte keine Uhr in %1 die Uhrzeit %2: Diese Zeit gab es dort nicht.</translation>
    </message>
    <message>
        <source>The Sun entered %1 at %2, within the minute you gave: born before that, the Sun was in %3; after, in %1.</source>
        <translation>Die Sonne trat um %2 ins Zeichen %1 ein, also innerhalb der angegebenen Minute: Bei einer Geburt davor stand sie im Zeichen %3, danach im Zeichen %1.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 after it entered %5.</source>
        <translation>Am %2 um %1 stand die Sonne auf %3, %4 nach dem Eintritt ins Zeichen %5.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 before it entered %5.</source>
        <translation>Am %2 um %1 stand die Sonne auf %3, %4 vor dem Eintritt ins Zeichen %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back at the end of summer time: %4; %5.</source>
        <translation>Die Uhrzeit %1 gab es am %2 in %3 zweimal, weil die Uhren am Ende der Sommerzeit zurückgestellt wurden: %4; %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back: %4; %5.</source>
        <translation>Die Uhrzeit %1 gab es am %2 in %3 zweimal, weil die Uhren zurückgestellt wurden: %4; %5.</translation>
    </message>
    <message>
        <source>By the calendar rule, %1 is on the cusp of %2 and %3. The Sun itself entered %3 on %4 at %5: %6.</source>
        <extracomment>%1 a day such as &quot;21 July&quot;, %4 a date, %5 a clock reading such as &quot;04:22 (UTC+02:00)&quot;, %6 what the Sun did on the day or at the time asked about.</extracomment>
        <translation>Nach der Kalenderregel liegt der %1 am Übergang von %2 zu %3. Die Sonne selbst trat am %4 um %5 ins Zeichen %3 ein: %6.</translation>
    </message>
    <message>
        <source>%1 did not exist in %2</source>
        <translation>den %1 gab es in %2 nicht</translation>
    </message>
    <message>
        <source>on %1 it was in %2 until then and in %3 after</source>
        <translation>am %1 stand sie bis dahin im Zeichen %2 und danach im Zeichen %3</translation>
    </message>
    <message>
        <source>on %1 it was in %2 all day</source>
        <translation>am %1 stand sie den ganzen Tag im Zeichen %2</translation>
    </message>
    <message>
        <source>no clock in %1 showed %2 on %3</source>
        <translation>am %3 zeigte keine Uhr in %1 die Uhrzeit %2</translation>
    </message>
    <message>
        <source>%1; when the clocks showed it again, %2</source>
        <extracomment>Two readings of a time the clocks showed twice, each &quot;at 23:30 (UTC+04:30) it was in …&quot;.</extracomment>
        <translation>%1; die Uhren zeigten diese Zeit dann ein zweites Mal, und %2</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language of these texts as a locale name: &quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;pt_BR&quot;. Dates in the texts take its month names.</extracomment>
        <translation>de</translation>
    </message>
</context>
</TS>
