<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>the moments of %1 could not be worked out.</source>
        <translation>impossible de calculer les moments de %1.</translation>
    </message>
    <message>
        <source>Not a day or a moment: %1 (give a day such as 1990-07-21, or a day and time such as 1990-07-21T23:30).</source>
        <translation>Ni un jour ni un moment&#xa0;: %1 (indiquez un jour comme 1990-07-21, ou un jour et une heure comme 1990-07-21T23:30).</translation>
    </message>
    <message>
        <source>the Sun&apos;s sign on %1 could not be worked out.</source>
        <translation>impossible de déterminer le signe du Soleil pour %1.</translation>
    </message>
    <message>
        <source>Solvanta tells you whether you were born on the cusp of two sun signs.
Started without options, it opens its window.</source>
        <translation>Solvanta vous dit si votre naissance tombe sur la cuspide de deux signes solaires.
Lancé sans option, il ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Print the moments the Sun entered each sign in &lt;year&gt; (%1 to %2), one per line: the sign, a tab, the moment to the second in ISO 8601 with the zone&apos;s UTC offset then (1966-03-21T02:52:53+01:00), or in UTC (1900-01-20T11:32:25Z) where that offset had seconds. The listing is the same in every language (the signs&apos; English names), for scripts to read.</source>
        <extracomment>&lt;year&gt; is the value name of the option (the text &quot;year&quot; below): translate both alike.</extracomment>
        <translation>Affiche les moments où le Soleil est entré dans chaque signe en &lt;année&gt; (%1 à %2), un par ligne&#xa0;: le signe, une tabulation, puis le moment à la seconde près au format ISO 8601, avec le décalage UTC qu&apos;avait alors le fuseau (1966-03-21T02:52:53+01:00), ou en UTC (1900-01-20T11:32:25Z) lorsque ce décalage comptait des secondes. La liste est la même dans toutes les langues (avec les noms anglais des signes), pour que des scripts puissent la lire.</translation>
    </message>
    <message>
        <source>year</source>
        <extracomment>The value of --sun-changes, shown as &lt;year&gt; in the help.</extracomment>
        <translation>année</translation>
    </message>
    <message>
        <source>Print, in one line, the sign the Sun was in on a day (1990-07-21) or at a moment to the minute (1990-07-21T23:30), as the Sun Sign Changes window reads it: the change within that day or minute, or how far the Sun was from the nearer change.</source>
        <translation>Affiche, sur une ligne, le signe où se trouvait le Soleil un jour donné (1990-07-21) ou à un moment précis à la minute (1990-07-21T23:30), tel que l&apos;indique la fenêtre des changements de signe du Soleil&#xa0;: le changement survenu ce jour-là ou dans cette minute, ou l&apos;écart entre le Soleil et le changement le plus proche.</translation>
    </message>
    <message>
        <source>moment</source>
        <extracomment>The value of --sun-sign, shown as &lt;moment&gt; in the help.</extracomment>
        <translation>moment</translation>
    </message>
    <message>
        <source>The time zone of --sun-changes and --sun-sign: a place (Dallas, &quot;Springfield, Illinois&quot;), a zone&apos;s name (Europe/London, new york), a country (Japan), an abbreviation (IST), or an offset from UTC (UTC+05:30). Default: the system&apos;s zone.</source>
        <translation>Le fuseau horaire de --sun-changes et --sun-sign&#xa0;: un lieu (Dallas, &quot;Springfield, Illinois&quot;), le nom d&apos;un fuseau (Europe/London, new york), un pays (Japan), une abréviation (IST) ou un décalage par rapport à UTC (UTC+05:30). Par défaut&#xa0;: le fuseau du système.</translation>
    </message>
    <message>
        <source>zone</source>
        <extracomment>The value of --time-zone, shown as &lt;zone&gt; in the help.</extracomment>
        <translation>fuseau</translation>
    </message>
    <message>
        <source>%1: %2 (try &apos;%1 --help&apos;)</source>
        <extracomment>%1 is the program&apos;s name (solvanta), %2 why the command line was refused.</extracomment>
        <translation>%1&#xa0;: %2 (voir &quot;%1 --help&quot;)</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argument inattendu %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give it once.</source>
        <translation>--%1 est donnée plusieurs fois&#xa0;; donnez-la une seule fois.</translation>
    </message>
    <message>
        <source>--time-zone goes with --sun-changes or --sun-sign.</source>
        <translation>--time-zone s&apos;emploie avec --sun-changes ou --sun-sign.</translation>
    </message>
    <message>
        <source>give --sun-changes or --sun-sign, not both.</source>
        <translation>donnez --sun-changes ou --sun-sign, pas les deux.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>%1: the output could not be written (%2).</source>
        <translation>%1&#xa0;: impossible d&apos;écrire la sortie (%2).</translation>
    </message>
    <message>
        <source>%1: a graphical desktop is needed, and no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>%1&#xa0;: un bureau graphique est nécessaire, et aucun affichage n&apos;a été trouvé (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The line break (a carriage return) parts the two sentences; keep it.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
</TS>
