<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>SunSigns</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
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
        <translation>no dia %2, às %1, estava em %3 até as %4 e em %5 depois, pois mudou de signo nesse mesmo minuto</translation>
    </message>
    <message>
        <source>at %1 it was in %2 until %3 and in %4 after, as it changed sign within that minute</source>
        <translation>às %1 estava em %2 até as %3 e em %4 depois, pois mudou de signo nesse mesmo minuto</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 before the change</source>
        <translation>no dia %2, às %1, estava em %3, %4 antes da mudança de signo</translation>
    </message>
    <message>
        <source>at %1 on %2 it was in %3, %4 after the change</source>
        <translation>no dia %2, às %1, estava em %3, %4 depois da mudança de signo</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 before the change</source>
        <translation>às %1 estava em %2, %3 antes da mudança de signo</translation>
    </message>
    <message>
        <source>at %1 it was in %2, %3 after the change</source>
        <translation>às %1 estava em %2, %3 depois da mudança de signo</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A time on another day than the one asked about: &quot;00:00 on 30 December 2011&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 to %3 on %4, so %5 did not happen there. Did you mean %6 or %7?</source>
        <translation>Em %4, os relógios de %1 passaram de %2 para %3, então o horário %5 não existiu lá. Você quis dizer %6 ou %7?</translation>
    </message>
    <message>
        <source>Clocks in %1 went from %2 on %3 to %4 on %5, so %6 did not happen there. Did you mean %7 or %8?</source>
        <translation>Os relógios de %1 passaram de %2 de %3 para %4 de %5, então o horário %6 não existiu lá. Você quis dizer %7 ou %8?</translation>
    </message>
    <message>
        <source>at %1 the Sun entered %2 at %3, within the minute you gave: born before that, the Sun was in %4; after, in %2</source>
        <translation>às %1 o Sol entrou em %2 às %3, dentro do minuto informado: para quem nasceu antes, o Sol estava em %4; depois, em %2</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 after it entered %4</source>
        <extracomment>One reading of a time the clocks showed twice, after a colon or a semicolon: %1 a clock reading such as &quot;01:30 (UTC+01:00)&quot;, %2 a place such as &quot;4°04′ Scorpio&quot;.</extracomment>
        <translation>às %1 o Sol estava em %2, %3 depois de entrar em %4</translation>
    </message>
    <message>
        <source>at %1 the Sun was at %2, %3 before it entered %4</source>
        <translation>às %1 o Sol estava em %2, %3 antes de entrar em %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 after it entered %4</source>
        <extracomment>The second reading of a time the clocks showed twice: &quot;it&quot; is the Sun.</extracomment>
        <translation>às %1 estava em %2, %3 depois de entrar em %4</translation>
    </message>
    <message>
        <source>at %1 it was at %2, %3 before it entered %4</source>
        <translation>às %1 estava em %2, %3 antes de entrar em %4</translation>
    </message>
    <message>
        <source>Not a year: %1 (give a year from %2 to %3).</source>
        <translation>Não é um ano: %1 (informe um ano de %2 a %3).</translation>
    </message>
    <message>
        <source>Year %1 is outside the years covered, %2 to %3.</source>
        <translation>O ano %1 está fora dos anos abrangidos, de %2 a %3.</translation>
    </message>
    <message>
        <source>Unknown time zone: %1 (give a zone&apos;s name such as Europe/London, a city, a country, or an offset such as UTC+05:30).</source>
        <translation>Fuso horário desconhecido: %1 (informe o nome de um fuso como Europe/London, uma cidade, um país ou uma diferença como UTC+05:30).</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>The end of a list cut short: &quot;Europe/London, Europe/Paris and 3 more&quot;.</extracomment>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n fuso horário corresponde a %1: %2 (informe um deles).</numerusform>
            <numerusform>%n fusos horários correspondem a %1: %2 (informe um deles).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: %2 (give one of them).</source>
        <translation>
            <numerusform>%n lugar corresponde a %1: %2 (informe um deles).</numerusform>
            <numerusform>%n lugares correspondem a %1: %2 (informe um deles).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1°%2′</source>
        <extracomment>Degrees and arc-minutes of a place in a sign: &quot;29°12′&quot;.</extracomment>
        <translation>%1°%2′</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two parts of a duration: &quot;19 hours and 22 minutes&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 did not exist in %2: its clocks skipped that whole day.</source>
        <translation>O dia %1 não existiu em %2: os relógios de lá pularam o dia inteiro.</translation>
    </message>
    <message>
        <source>On %1 the Sun entered %2 at %3: born before then, the Sun was in %4; after, in %2.</source>
        <translation>Em %1, o Sol entrou em %2 às %3: para quem nasceu antes, o Sol estava em %4; depois, em %2.</translation>
    </message>
    <message>
        <source>%1 at %2 (UTC%3)</source>
        <extracomment>A moment: &quot;20 April 1990 at 14:27 (UTC+00:00)&quot;.</extracomment>
        <translation>%1 às %2 (UTC%3)</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It had entered %1 on %3, %4 before that day began.</source>
        <translation>Em %2, o Sol esteve em %1 o dia inteiro, seja qual for a hora de nascimento. Ele havia entrado em %1 em %3, %4 antes do início desse dia.</translation>
    </message>
    <message>
        <source>The Sun was in %1 all day on %2, whatever the time of birth. It entered %3 on %4, %5 after that day ended.</source>
        <translation>Em %2, o Sol esteve em %1 o dia inteiro, seja qual for a hora de nascimento. Ele entrou em %3 em %4, %5 depois do fim desse dia.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A place in a sign: &quot;29°12′ Pisces&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 after it entered %2</source>
        <translation>%1 depois de entrar em %2</translation>
    </message>
    <message>
        <source>%1 before it entered %2</source>
        <translation>%1 antes de entrar em %2</translation>
    </message>
    <message>
        <source>No clock in %1 showed %2 on %3: that time did not exist there.</source>
        <translation>Nenhum relógio de %1 marcou %2 em %3: esse horário não existiu lá.</translation>
    </message>
    <message>
        <source>The Sun entered %1 at %2, within the minute you gave: born before that, the Sun was in %3; after, in %1.</source>
        <translation>O Sol entrou em %1 às %2, dentro do minuto informado: para quem nasceu antes, o Sol estava em %3; depois, em %1.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 after it entered %5.</source>
        <translation>Em %2, às %1, o Sol estava em %3, %4 depois de entrar em %5.</translation>
    </message>
    <message>
        <source>At %1 on %2 the Sun was at %3, %4 before it entered %5.</source>
        <translation>Em %2, às %1, o Sol estava em %3, %4 antes de entrar em %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back at the end of summer time: %4; %5.</source>
        <translation>O horário %1 de %2 ocorreu duas vezes em %3, pois os relógios foram atrasados no fim do horário de verão: %4; %5.</translation>
    </message>
    <message>
        <source>%1 on %2 happened twice in %3, as the clocks went back: %4; %5.</source>
        <translation>O horário %1 de %2 ocorreu duas vezes em %3, pois os relógios foram atrasados: %4; %5.</translation>
    </message>
    <message>
        <source>By the calendar rule, %1 is on the cusp of %2 and %3. The Sun itself entered %3 on %4 at %5: %6.</source>
        <extracomment>%1 a day such as &quot;21 July&quot;, %4 a date, %5 a clock reading such as &quot;04:22 (UTC+02:00)&quot;, %6 what the Sun did on the day or at the time asked about.</extracomment>
        <translation>Pela regra do calendário, o dia %1 está na cúspide de %2 e %3. Na verdade, o Sol entrou em %3 em %4 às %5: %6.</translation>
    </message>
    <message>
        <source>%1 did not exist in %2</source>
        <translation>o dia %1 não existiu em %2</translation>
    </message>
    <message>
        <source>on %1 it was in %2 until then and in %3 after</source>
        <translation>no dia %1, esteve em %2 até esse momento e em %3 depois</translation>
    </message>
    <message>
        <source>on %1 it was in %2 all day</source>
        <translation>no dia %1, esteve em %2 o dia inteiro</translation>
    </message>
    <message>
        <source>no clock in %1 showed %2 on %3</source>
        <translation>nenhum relógio de %1 marcou %2 no dia %3</translation>
    </message>
    <message>
        <source>%1; when the clocks showed it again, %2</source>
        <extracomment>Two readings of a time the clocks showed twice, each &quot;at 23:30 (UTC+04:30) it was in …&quot;.</extracomment>
        <translation>%1; quando os relógios marcaram esse horário de novo, %2</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language of these texts as a locale name: &quot;de&quot;, &quot;fr&quot;, &quot;es&quot;, &quot;pt_BR&quot;. Dates in the texts take its month names.</extracomment>
        <translation>pt_BR</translation>
    </message>
</context>
</TS>
