<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>the moments of %1 could not be worked out.</source>
        <translation>die Zeitpunkte für %1 ließen sich nicht berechnen.</translation>
    </message>
    <message>
        <source>Not a day or a moment: %1 (give a day such as 1990-07-21, or a day and time such as 1990-07-21T23:30).</source>
        <translation>Weder ein Tag noch ein Zeitpunkt: %1 (geben Sie einen Tag wie 1990-07-21 an oder einen Tag mit Uhrzeit wie 1990-07-21T23:30).</translation>
    </message>
    <message>
        <source>the Sun&apos;s sign on %1 could not be worked out.</source>
        <translation>das Sternzeichen der Sonne für %1 ließ sich nicht berechnen.</translation>
    </message>
    <message>
        <source>Solvanta tells you whether you were born on the cusp of two sun signs.
Started without options, it opens its window.</source>
        <translation>Solvanta sagt Ihnen, ob Sie am Übergang zwischen zwei Sternzeichen geboren sind.
Ohne Optionen gestartet, öffnet Solvanta sein Fenster.</translation>
    </message>
    <message>
        <source>Print the moments the Sun entered each sign in &lt;year&gt; (%1 to %2), one per line: the sign, a tab, the moment to the second in ISO 8601 with the zone&apos;s UTC offset then (1966-03-21T02:52:53+01:00), or in UTC (1900-01-20T11:32:25Z) where that offset had seconds. The listing is the same in every language (the signs&apos; English names), for scripts to read.</source>
        <extracomment>&lt;year&gt; is the value name of the option (the text &quot;year&quot; below): translate both alike.</extracomment>
        <translation>Gibt die Zeitpunkte aus, zu denen die Sonne im Jahr &lt;Jahr&gt; (%1 bis %2) in jedes Sternzeichen eintrat, einen pro Zeile: das Zeichen, ein Tabulator, der sekundengenaue Zeitpunkt nach ISO 8601 mit der damaligen UTC-Abweichung der Zone (1966-03-21T02:52:53+01:00) oder in UTC (1900-01-20T11:32:25Z), wo diese Abweichung Sekunden hatte. Die Ausgabe ist in jeder Sprache dieselbe (mit den englischen Namen der Zeichen), damit Skripte sie lesen können.</translation>
    </message>
    <message>
        <source>year</source>
        <extracomment>The value of --sun-changes, shown as &lt;year&gt; in the help.</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Print, in one line, the sign the Sun was in on a day (1990-07-21) or at a moment to the minute (1990-07-21T23:30), as the Sun Sign Changes window reads it: the change within that day or minute, or how far the Sun was from the nearer change.</source>
        <translation>Gibt in einer Zeile das Sternzeichen aus, in dem die Sonne an einem Tag (1990-07-21) oder zu einem minutengenauen Zeitpunkt (1990-07-21T23:30) stand, so wie es das Fenster mit den Zeichenwechseln der Sonne angibt: den Wechsel innerhalb dieses Tages oder dieser Minute oder wie weit die Sonne vom näheren Wechsel entfernt war.</translation>
    </message>
    <message>
        <source>moment</source>
        <extracomment>The value of --sun-sign, shown as &lt;moment&gt; in the help.</extracomment>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>The time zone of --sun-changes and --sun-sign: a place (Dallas, &quot;Springfield, Illinois&quot;), a zone&apos;s name (Europe/London, new york), a country (Japan), an abbreviation (IST), or an offset from UTC (UTC+05:30). Default: the system&apos;s zone.</source>
        <translation>Die Zeitzone für --sun-changes und --sun-sign: ein Ort (Dallas, &quot;Springfield, Illinois&quot;), der Name einer Zone (Europe/London, new york), ein Land (Japan), eine Abkürzung (IST) oder eine Abweichung von UTC (UTC+05:30). Vorgabe: die Zeitzone des Systems.</translation>
    </message>
    <message>
        <source>zone</source>
        <extracomment>The value of --time-zone, shown as &lt;zone&gt; in the help.</extracomment>
        <translation>Zone</translation>
    </message>
    <message>
        <source>%1: %2 (try &apos;%1 --help&apos;)</source>
        <extracomment>%1 is the program&apos;s name (solvanta), %2 why the command line was refused.</extracomment>
        <translation>%1: %2 (siehe &quot;%1 --help&quot;)</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>unerwartetes Argument %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give it once.</source>
        <translation>--%1 ist mehrmals angegeben; geben Sie die Option nur einmal an.</translation>
    </message>
    <message>
        <source>--time-zone goes with --sun-changes or --sun-sign.</source>
        <translation>--time-zone gehört zu --sun-changes oder --sun-sign.</translation>
    </message>
    <message>
        <source>give --sun-changes or --sun-sign, not both.</source>
        <translation>geben Sie --sun-changes oder --sun-sign an, nicht beide.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>%1: the output could not be written (%2).</source>
        <translation>%1: die Ausgabe ließ sich nicht schreiben (%2).</translation>
    </message>
    <message>
        <source>%1: a graphical desktop is needed, and no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>%1: eine grafische Arbeitsumgebung wird benötigt, aber es wurde keine Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The line break (a carriage return) parts the two sentences; keep it.</extracomment>
        <translation>Möglicherweise gibt es eine neue Version dieses Programms.<byte value="xd"/>Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
</TS>
