<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>SunSigns</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>SunTexts</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>The date format (QDate&apos;s letters) of a date in a sentence, without the weekday: &quot;20 March 2024&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>The date format (QDate&apos;s letters) of a day of the month without a year: &quot;21 July&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3 until %4 and in %5 after, as it changed sign within that minute</source>
        <extracomment>After the cusp sentence&apos;s colon; &quot;it&quot; is the Sun, %1 a clock reading such as &quot;03:06 (UTC+00:00)&quot;, %2 a day such as &quot;20 March&quot;, %4 a time to the second.</extracomment>
        <translation>el %2 a las %1 estaba en %3 hasta las %4 y en %5 después, porque cambió de signo en ese mismo minuto</translation>
    </message>
    <message>
        <source>at %1 it was in %2 until %3 and in %4 after, as it changed sign within that minute</source>
        <translation>a las %1 estaba en %2 hasta las %3 y en %4 después, porque cambió de signo en ese mismo minuto</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 before the change</source>
        <translation>el %2 a las %1 estaba en %3, %4 antes del cambio de signo</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 after the change</source>
        <translation>el %2 a las %1 estaba en %3, %4 después del cambio de signo</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 before the change</source>
        <translation>a las %1 estaba en %2, %3 antes del cambio de signo</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 after the change</source>
        <translation>a las %1 estaba en %2, %3 después del cambio de signo</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time on another day than the one asked about: &quot;00:00 on 30 December 2011&quot;.</extracomment>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 to %3 on %4, so %5 did not happen there. Did you mean %6 or %7?</source>
        <translation>El %4, los relojes de %1 pasaron de las %2 a las %3, así que allí no existieron las %5. ¿Te refieres a las %6 o a las %7?</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 on %3 to %4 on %5, so %6 did not happen there. Did you mean %7 or %8?</source>
        <translation>Los relojes de %1 pasaron de las %2 del %3 a las %4 del %5, así que allí no existieron las %6. ¿Te refieres a las %7 o a las %8?</translation>
    </message>
    <message>
        <source>at %1 the Sun entered %2 at %3, within the minute you gave: born before that, the Sun was in %4; after, in %2</source>
        <translation>a las %1 el Sol entró en %2 a las %3, dentro del minuto que indicaste: si naciste antes, el Sol estaba en %4; si naciste después, en %2</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 after it entered %4</source>
        <extracomment>One reading of a time the clocks showed twice, after a colon or a semicolon: %1 a clock reading such as &quot;01:30 (UTC+01:00)&quot;, %2 a place such as &quot;4°04′ Scorpio&quot;.</extracomment>
        <translation>a las %1 el Sol estaba en %2, %3 después de entrar en %4</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 before it entered %4</source>
        <translation>a las %1 el Sol estaba en %2, %3 antes de entrar en %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 after it entered %4</source>
        <extracomment>The second reading of a time the clocks showed twice: &quot;it&quot; is the Sun.</extracomment>
        <translation>a las %1 estaba en %2, %3 después de entrar en %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 before it entered %4</source>
        <translation>a las %1 estaba en %2, %3 antes de entrar en %4</translation>
    </message>
    <message>
        <source>Not a year: %1 (give a year from %2 to %3).</source>
        <translation>No es un año: %1 (indica un año de %2 a %3).</translation>
    </message>
    <message>
        <source>Year %1 is outside the years covered, %2 to %3.</source>
        <translation>El año %1 está fuera de los años que abarca el programa, de %2 a %3.</translation>
    </message>
    <message>
        <source>Unknown time zone: %1 (give a zone&apos;s name such as Europe/London, a city, a country, or an offset such as UTC+05:30).</source>
        <translation>Zona horaria desconocida: %1 (indica el nombre de una zona como Europe/London, una ciudad, un país o un desfase como UTC+05:30).</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>The end of a list cut short: &quot;Europe/London, Europe/Paris and 3 more&quot;.</extracomment>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n zona horaria coincide con %1: %2 (indique una de ellas).</numerusform>
            <numerusform>%n zonas horarias coinciden con %1: %2 (indique una de ellas).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n lugar coincide con %1: %2 (indique uno de ellos).</numerusform>
            <numerusform>%n lugares coinciden con %1: %2 (indique uno de ellos).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1°%2′</source>
        <extracomment>Degrees and arc-minutes of a place in a sign: &quot;29°12′&quot;.</extracomment>
        <translation>%1°%2′</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <extracomment>Three parts of a duration: &quot;4 days, 2 hours and 15 minutes&quot;.</extracomment>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two parts of a duration: &quot;19 hours and 22 minutes&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 did not exist in %2: its clocks skipped that whole day.</source>
        <translation>El %1 no existió en %2: sus relojes se saltaron ese día entero.</translation>
    </message>
    <message>
        <source>On %1 the Sun entered %2 at %3: born before then, the Sun was in %4; after, in %2.</source>
        <translation>El %1, el Sol entró en %2 a las %3: si naciste antes, el Sol estaba en %4; si naciste después, en %2.</translation>
    </message>
    <message>
        <source>%1 at %2 (UTC%3)</source>
        <extracomment>A moment: &quot;20 April 1990 at 14:27 (UTC+00:00)&quot;.</extracomment>
        <translation>%1 a las %2 (UTC%3)</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It had entered %1 on %3, %4 before that day began.</source>
        <translation>El %2, el Sol estuvo en %1 todo el día, sea cual sea la hora de nacimiento. Había entrado en %1 el %3, %4 antes de que empezara ese día.</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It entered %3 on %4, %5 after that day ended.</source>
        <translation>El %2, el Sol estuvo en %1 todo el día, sea cual sea la hora de nacimiento. Entró en %3 el %4, %5 después de que terminara ese día.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A place in a sign: &quot;29°12′ Pisces&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 after it entered %2</source>
        <translation>%1 después de entrar en %2</translation>
    </message>
    <message>
        <source>%1 before it entered %2</source>
        <translation>%1 antes de entrar en %2</translation>
    </message>
    <message>
        <source>No clock in %1 showed %2 on %3: that time did not exist there.</source>
        <translation>Ningún reloj de %1 marcó las %2 el %3: esa hora no existió allí.</translation>
    </message>
    <message>
        <source>The Sun entered %1 at %2, within the minute you gave: born before that, the Sun was in %3; after, in %1.</source>
        <translation>El Sol entró en %1 a las %2, dentro del minuto que indicaste: si naciste antes, el Sol estaba en %3; si naciste después, en %1.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 after it entered %5.</source>
        <translation>El %2 a las %1, el Sol estaba en %3, %4 después de entrar en %5.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 before it entered %5.</source>
        <translation>El %2 a las %1, el Sol estaba en %3, %4 antes de entrar en %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back at the end of summer time: %4; %5.</source>
        <translation>Las %1 del %2 ocurrieron dos veces en %3, porque los relojes se atrasaron al terminar el horario de verano: %4; %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back: %4; %5.</source>
        <translation>Las %1 del %2 ocurrieron dos veces en %3, porque los relojes se atrasaron: %4; %5.</translation>
    </message>
    <message>
        <source>By the calendar rule, %1 is on the cusp of %2 and %3. The Sun itself entered %3 on %4 at %5: %6.</source>
        <extracomment>%1 a day such as &quot;21 July&quot;, %4 a date, %5 a clock reading such as &quot;04:22 (UTC+02:00)&quot;, %6 what the Sun did on the day or at the time asked about.</extracomment>
        <translation>Según la regla del calendario, el %1 está en la cúspide de %2 y %3. El Sol entró realmente en %3 el %4 a las %5: %6.</translation>
    </message>
    <message>
        <source>%1 did not exist in %2</source>
        <translation>el %1 no existió en %2</translation>
    </message>
    <message>
        <source>on %1 it was in %2 until then and in %3 after</source>
        <translation>el %1 estuvo en %2 hasta ese momento y en %3 después</translation>
    </message>
    <message>
        <source>on %1 it was in %2 all day</source>
        <translation>el %1 estuvo en %2 todo el día</translation>
    </message>
    <message>
        <source>no clock in %1 showed %2 on %3</source>
        <translation>ningún reloj de %1 marcó las %2 el %3</translation>
    </message>
    <message>
        <source>%1; when the clocks showed it again, %2</source>
        <extracomment>Two readings of a time the clocks showed twice, each &quot;at 23:30 (UTC+04:30) it was in …&quot;.</extracomment>
        <translation>%1; cuando los relojes volvieron a marcar esa hora, %2</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language of these texts as a locale name: &quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;pt_BR&quot;. Dates in the texts take its month names.</extracomment>
        <translation>es</translation>
    </message>
</context>
</TS>
