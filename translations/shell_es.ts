<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>the moments of %1 could not be worked out.</source>
        <translation>no se pudieron calcular los momentos de %1.</translation>
    </message>
    <message>
        <source>Not a day or a moment: %1 (give a day such as 1990-07-21, or a day and time such as 1990-07-21T23:30).</source>
        <translation>No es un día ni un momento: %1 (indique un día como 1990-07-21, o un día y una hora como 1990-07-21T23:30).</translation>
    </message>
    <message>
        <source>the Sun&apos;s sign on %1 could not be worked out.</source>
        <translation>no se pudo calcular el signo del Sol para %1.</translation>
    </message>
    <message>
        <source>Solvanta tells you whether you were born on the cusp of two sun signs.
Started without options, it opens its window.</source>
        <translation>Solvanta le dice si nació en la cúspide de dos signos solares.
Si se inicia sin opciones, abre su ventana.</translation>
    </message>
    <message>
        <source>Print the moments the Sun entered each sign in &lt;year&gt; (%1 to %2), one per line: the sign, a tab, the moment to the second in ISO 8601 with the zone&apos;s UTC offset then (1966-03-21T02:52:53+01:00), or in UTC (1900-01-20T11:32:25Z) where that offset had seconds. The listing is the same in every language (the signs&apos; English names), for scripts to read.</source>
        <extracomment>&lt;year&gt; is the value name of the option (the text &quot;year&quot; below): translate both alike.</extracomment>
        <translation>Muestra los momentos en que el Sol entró en cada signo en &lt;año&gt; (%1 a %2), uno por línea: el signo, un tabulador y el momento al segundo en ISO 8601, con la diferencia con UTC que tenía entonces la zona (1966-03-21T02:52:53+01:00), o en UTC (1900-01-20T11:32:25Z) cuando esa diferencia tenía segundos. La lista es igual en todos los idiomas (con los nombres ingleses de los signos), para que puedan leerla los scripts.</translation>
    </message>
    <message>
        <source>year</source>
        <extracomment>The value of --sun-changes, shown as &lt;year&gt; in the help.</extracomment>
        <translation>año</translation>
    </message>
    <message>
        <source>Print, in one line, the sign the Sun was in on a day (1990-07-21) or at a moment to the minute (1990-07-21T23:30), as the Sun Sign Changes window reads it: the change within that day or minute, or how far the Sun was from the nearer change.</source>
        <translation>Muestra, en una línea, el signo en que estaba el Sol un día (1990-07-21) o en un momento al minuto (1990-07-21T23:30), tal como lo indica la ventana de cambios de signo del Sol: el cambio dentro de ese día o minuto, o a qué distancia estaba el Sol del cambio más cercano.</translation>
    </message>
    <message>
        <source>moment</source>
        <extracomment>The value of --sun-sign, shown as &lt;moment&gt; in the help.</extracomment>
        <translation>momento</translation>
    </message>
    <message>
        <source>The time zone of --sun-changes and --sun-sign: a place (Dallas, &quot;Springfield, Illinois&quot;), a zone&apos;s name (Europe/London, new york), a country (Japan), an abbreviation (IST), or an offset from UTC (UTC+05:30). Default: the system&apos;s zone.</source>
        <translation>La zona horaria de --sun-changes y --sun-sign: un lugar (Dallas, &quot;Springfield, Illinois&quot;), el nombre de una zona (Europe/London, new york), un país (Japan), una abreviatura (IST) o una diferencia con UTC (UTC+05:30). Predeterminada: la zona del sistema.</translation>
    </message>
    <message>
        <source>zone</source>
        <extracomment>The value of --time-zone, shown as &lt;zone&gt; in the help.</extracomment>
        <translation>zona</translation>
    </message>
    <message>
        <source>%1: %2 (try &apos;%1 --help&apos;)</source>
        <extracomment>%1 is the program&apos;s name (solvanta), %2 why the command line was refused.</extracomment>
        <translation>%1: %2 (consulte &quot;%1 --help&quot;)</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argumento inesperado %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give it once.</source>
        <translation>--%1 aparece más de una vez; indíquela solo una vez.</translation>
    </message>
    <message>
        <source>--time-zone goes with --sun-changes or --sun-sign.</source>
        <translation>--time-zone se usa junto con --sun-changes o --sun-sign.</translation>
    </message>
    <message>
        <source>give --sun-changes or --sun-sign, not both.</source>
        <translation>indique --sun-changes o --sun-sign, no ambas.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>%1: the output could not be written (%2).</source>
        <translation>%1: no se pudo escribir la salida (%2).</translation>
    </message>
    <message>
        <source>%1: a graphical desktop is needed, and no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>%1: se necesita un escritorio gráfico y no se encontró ninguna pantalla (no está definida ni DISPLAY ni WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The line break (a carriage return) parts the two sentences; keep it.</extracomment>
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quiere comprobar si hay una actualización?</translation>
    </message>
</context>
</TS>
