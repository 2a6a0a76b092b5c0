<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SunSigns</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>SunTexts</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The date format (QDate&apos;s letters) of a date in a sentence, without the weekday: &quot;20 March 2024&quot;.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>The date format (QDate&apos;s letters) of a day of the month without a year: &quot;21 July&quot;.</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3 until %4 and in %5 after, as it changed sign within that minute</source>
        <extracomment>After the cusp sentence&apos;s colon; &quot;it&quot; is the Sun, %1 a clock reading such as &quot;03:06 (UTC+00:00)&quot;, %2 a day such as &quot;20 March&quot;, %4 a time to the second.</extracomment>
        <translation>le %2 à %1, il était en %3 jusqu&apos;à %4 et en %5 ensuite, car il a changé de signe dans cette minute-là</translation>
    </message>
    <message>
        <source>at %1 it was in %2 until %3 and in %4 after, as it changed sign within that minute</source>
        <translation>à %1, il était en %2 jusqu&apos;à %3 et en %4 ensuite, car il a changé de signe dans cette minute-là</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 before the change</source>
        <translation>le %2 à %1, il était en %3, %4 avant le changement de signe</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 after the change</source>
        <translation>le %2 à %1, il était en %3, %4 après le changement de signe</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 before the change</source>
        <translation>à %1, il était en %2, %3 avant le changement de signe</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 after the change</source>
        <translation>à %1, il était en %2, %3 après le changement de signe</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time on another day than the one asked about: &quot;00:00 on 30 December 2011&quot;.</extracomment>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 to %3 on %4, so %5 did not happen there. Did you mean %6 or %7?</source>
        <translation>Le %4, les horloges du fuseau %1 sont passées de %2 à %3&#xa0;: %5 n&apos;a donc pas existé dans ce fuseau. Vouliez-vous dire %6 ou %7&#xa0;?</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 on %3 to %4 on %5, so %6 did not happen there. Did you mean %7 or %8?</source>
        <translation>Les horloges du fuseau %1 sont passées de %2 le %3 à %4 le %5&#xa0;: %6 n&apos;a donc pas existé dans ce fuseau. Vouliez-vous dire %7 ou %8&#xa0;?</translation>
    </message>
    <message>
        <source>at %1 the Sun entered %2 at %3, within the minute you gave: born before that, the Sun was in %4; after, in %2</source>
        <translation>à %1, le Soleil est entré en %2 à %3, dans la minute indiquée&#xa0;: pour une naissance avant cet instant, il était en %4&#xa0;; après, en %2</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 after it entered %4</source>
        <extracomment>One reading of a time the clocks showed twice, after a colon or a semicolon: %1 a clock reading such as &quot;01:30 (UTC+01:00)&quot;, %2 a place such as &quot;4°04′ Scorpio&quot;.</extracomment>
        <translation>à %1, le Soleil était à %2, %3 après son entrée en %4</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 before it entered %4</source>
        <translation>à %1, le Soleil était à %2, %3 avant son entrée en %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 after it entered %4</source>
        <extracomment>The second reading of a time the clocks showed twice: &quot;it&quot; is the Sun.</extracomment>
        <translation>à %1, il était à %2, %3 après son entrée en %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 before it entered %4</source>
        <translation>à %1, il était à %2, %3 avant son entrée en %4</translation>
    </message>
    <message>
        <source>Not a year: %1 (give a year from %2 to %3).</source>
        <translation>Ce n&apos;est pas une année&#xa0;: %1 (indiquez une année de %2 à %3).</translation>
    </message>
    <message>
        <source>Year %1 is outside the years covered, %2 to %3.</source>
        <translation>L&apos;année %1 est en dehors des années couvertes, de %2 à %3.</translation>
    </message>
    <message>
        <source>Unknown time zone: %1 (give a zone&apos;s name such as Europe/London, a city, a country, or an offset such as UTC+05:30).</source>
        <translation>Fuseau horaire inconnu&#xa0;: %1 (indiquez le nom d&apos;un fuseau comme Europe/London, une ville, un pays ou un décalage comme UTC+05:30).</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>The end of a list cut short: &quot;Europe/London, Europe/Paris and 3 more&quot;.</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n fuseau horaire correspond à %1&#xa0;: %2 (indiquez-en un).</numerusform>
            <numerusform>%n fuseaux horaires correspondent à %1&#xa0;: %2 (indiquez-en un).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n lieu correspond à %1&#xa0;: %2 (indiquez-en un).</numerusform>
            <numerusform>%n lieux correspondent à %1&#xa0;: %2 (indiquez-en un).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1°%2′</source>
        <extracomment>Degrees and arc-minutes of a place in a sign: &quot;29°12′&quot;.</extracomment>
        <translation>%1°%2′</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>Three parts of a duration: &quot;4 days, 2 hours and 15 minutes&quot;.</extracomment>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two parts of a duration: &quot;19 hours and 22 minutes&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 did not exist in %2: its clocks skipped that whole day.</source>
        <translation>Le %1 n&apos;a pas existé dans le fuseau %2&#xa0;: ses horloges ont sauté cette journée entière.</translation>
    </message>
    <message>
        <source>On %1 the Sun entered %2 at %3: born before then, the Sun was in %4; after, in %2.</source>
        <translation>Le %1, le Soleil est entré en %2 à %3&#xa0;: pour une naissance avant cet instant, il était en %4&#xa0;; après, en %2.</translation>
    </message>
    <message>
        <source>%1 at %2 (UTC%3)</source>
        <extracomment>A moment: &quot;20 April 1990 at 14:27 (UTC+00:00)&quot;.</extracomment>
        <translation>%1 à %2 (UTC%3)</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It had entered %1 on %3, %4 before that day began.</source>
        <translation>Le %2, le Soleil était en %1 toute la journée, quelle que soit l&apos;heure de naissance. Il était entré en %1 le %3, %4 avant le début de cette journée.</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It entered %3 on %4, %5 after that day ended.</source>
        <translation>Le %2, le Soleil était en %1 toute la journée, quelle que soit l&apos;heure de naissance. Il est entré en %3 le %4, %5 après la fin de cette journée.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A place in a sign: &quot;29°12′ Pisces&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 after it entered %2</source>
        <translation>%1 après son entrée en %2</translation>
    </message>
    <message>
        <source>%1 before it entered %2</source>
        <translation>%1 avant son entrée en %2</translation>
    </message>
    <message>
        <source>No clock in %1 showed %2 on %3: that time did not exist there.</source>
        <translation>Le %3, aucune horloge du fuseau %1 n&apos;a affiché %2&#xa0;: cette heure n&apos;a pas existé dans ce fuseau.</translation>
    </message>
    <message>
        <source>The Sun entered %1 at %2, within the minute you gave: born before that, the Sun was in %3; after, in %1.</source>
        <translation>Le Soleil est entré en %1 à %2, dans la minute indiquée&#xa0;: pour une naissance avant cet instant, il était en %3&#xa0;; après, en %1.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 after it entered %5.</source>
        <translation>Le %2 à %1, le Soleil était à %3, %4 après son entrée en %5.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 before it entered %5.</source>
        <translation>Le %2 à %1, le Soleil était à %3, %4 avant son entrée en %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back at the end of summer time: %4; %5.</source>
        <translation>Il a été %1 deux fois le %2 dans le fuseau %3, car les horloges ont reculé à la fin de l&apos;heure d&apos;été&#xa0;: %4&#xa0;; %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back: %4; %5.</source>
        <translation>Il a été %1 deux fois le %2 dans le fuseau %3, car les horloges ont reculé&#xa0;: %4&#xa0;; %5.</translation>
    </message>
    <message>
        <source>By the calendar rule, %1 is on the cusp of %2 and %3. The Sun itself entered %3 on %4 at %5: %6.</source>
        <extracomment>%1 a day such as &quot;21 July&quot;, %4 a date, %5 a clock reading such as &quot;04:22 (UTC+02:00)&quot;, %6 what the Sun did on the day or at the time asked about.</extracomment>
        <translation>Selon la règle du calendrier, le %1 est sur la cuspide %2-%3. Le Soleil lui-même est entré en %3 le %4 à %5&#xa0;: %6.</translation>
    </message>
    <message>
        <source>%1 did not exist in %2</source>
        <translation>le %1 n&apos;a pas existé dans le fuseau %2</translation>
    </message>
    <message>
        <source>on %1 it was in %2 until then and in %3 after</source>
        <translation>le %1, il était en %2 jusqu&apos;à cet instant et en %3 ensuite</translation>
    </message>
    <message>
        <source>on %1 it was in %2 all day</source>
        <translation>le %1, il était en %2 toute la journée</translation>
    </message>
    <message>
        <source>no clock in %1 showed %2 on %3</source>
        <translation>le %3, aucune horloge du fuseau %1 n&apos;a affiché %2</translation>
    </message>
    <message>
        <source>%1; when the clocks showed it again, %2</source>
        <extracomment>Two readings of a time the clocks showed twice, each &quot;at 23:30 (UTC+04:30) it was in …&quot;.</extracomment>
        <translation>%1&#xa0;; quand les horloges ont affiché cette heure une seconde fois, %2</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language of these texts as a locale name: &quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;pt_BR&quot;. Dates in the texts take its month names.</extracomment>
        <translation>fr</translation>
    </message>
</context>
</TS>
