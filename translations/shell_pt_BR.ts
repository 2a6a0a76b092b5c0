<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>the moments of %1 could not be worked out.</source>
        <translation>não foi possível calcular os momentos de %1.</translation>
    </message>
    <message>
        <source>Not a day or a moment: %1 (give a day such as 1990-07-21, or a day and time such as 1990-07-21T23:30).</source>
        <translation>Não é um dia nem um momento: %1 (informe um dia como 1990-07-21, ou um dia e um horário como 1990-07-21T23:30).</translation>
    </message>
    <message>
        <source>the Sun&apos;s sign on %1 could not be worked out.</source>
        <translation>não foi possível calcular o signo do Sol em %1.</translation>
    </message>
    <message>
        <source>Solvanta tells you whether you were born on the cusp of two sun signs.
Started without options, it opens its window.</source>
        <translation>O Solvanta diz se você nasceu na cúspide de dois signos solares.
Iniciado sem opções, ele abre sua janela.</translation>
    </message>
    <message>
        <source>Print the moments the Sun entered each sign in &lt;year&gt; (%1 to %2), one per line: the sign, a tab, the moment to the second in ISO 8601 with the zone&apos;s UTC offset then (1966-03-21T02:52:53+01:00), or in UTC (1900-01-20T11:32:25Z) where that offset had seconds. The listing is the same in every language (the signs&apos; English names), for scripts to read.</source>
        <extracomment>&lt;year&gt; is the value name of the option (the text &quot;year&quot; below): translate both alike.</extracomment>
        <translation>Mostra os momentos em que o Sol entrou em cada signo em &lt;ano&gt; (%1 a %2), um por linha: o signo, uma tabulação e o momento, com precisão de segundos, em ISO 8601, com a diferença em relação ao UTC que o fuso tinha na época (1966-03-21T02:52:53+01:00), ou em UTC (1900-01-20T11:32:25Z) quando essa diferença tinha segundos. A lista é a mesma em todos os idiomas (com os nomes dos signos em inglês), para ser lida por scripts.</translation>
    </message>
    <message>
        <source>year</source>
        <extracomment>The value of --sun-changes, shown as &lt;year&gt; in the help.</extracomment>
        <translation>ano</translation>
    </message>
    <message>
        <source>Print, in one line, the sign the Sun was in on a day (1990-07-21) or at a moment to the minute (1990-07-21T23:30), as the Sun Sign Changes window reads it: the change within that day or minute, or how far the Sun was from the nearer change.</source>
        <translation>Mostra, em uma linha, o signo em que o Sol estava em um dia (1990-07-21) ou em um momento com precisão de minutos (1990-07-21T23:30), como indica a janela de mudanças de signo do Sol: a mudança dentro desse dia ou minuto, ou a que distância o Sol estava da mudança mais próxima.</translation>
    </message>
    <message>
        <source>moment</source>
        <extracomment>The value of --sun-sign, shown as &lt;moment&gt; in the help.</extracomment>
        <translation>momento</translation>
    </message>
    <message>
        <source>The time zone of --sun-changes and --sun-sign: a place (Dallas, &quot;Springfield, Illinois&quot;), a zone&apos;s name (Europe/London, new york), a country (Japan), an abbreviation (IST), or an offset from UTC (UTC+05:30). Default: the system&apos;s zone.</source>
        <translation>O fuso horário de --sun-changes e --sun-sign: um lugar (Dallas, &quot;Springfield, Illinois&quot;), o nome de um fuso (Europe/London, new york), um país (Japan), uma abreviação (IST) ou uma diferença em relação ao UTC (UTC+05:30). Padrão: o fuso do sistema.</translation>
    </message>
    <message>
        <source>zone</source>
        <extracomment>The value of --time-zone, shown as &lt;zone&gt; in the help.</extracomment>
        <translation>fuso</translation>
    </message>
    <message>
        <source>%1: %2 (try &apos;%1 --help&apos;)</source>
        <extracomment>%1 is the program&apos;s name (solvanta), %2 why the command line was refused.</extracomment>
        <translation>%1: %2 (consulte &quot;%1 --help&quot;)</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opção desconhecida %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argumento inesperado %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give it once.</source>
        <translation>--%1 foi informada mais de uma vez; informe-a só uma vez.</translation>
    </message>
    <message>
        <source>--time-zone goes with --sun-changes or --sun-sign.</source>
        <translation>--time-zone só vale junto com --sun-changes ou --sun-sign.</translation>
    </message>
    <message>
        <source>give --sun-changes or --sun-sign, not both.</source>
        <translation>informe --sun-changes ou --sun-sign, não as duas.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erro de gravação</translation>
    </message>
    <message>
        <source>%1: the output could not be written (%2).</source>
        <translation>%1: não foi possível gravar a saída (%2).</translation>
    </message>
    <message>
        <source>%1: a graphical desktop is needed, and no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>%1: é preciso um ambiente gráfico, e nenhuma tela foi encontrada (nem DISPLAY nem WAYLAND_DISPLAY está definida).</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The line break (a carriage return) parts the two sentences; keep it.</extracomment>
        <translation>Pode haver uma atualização disponível para este programa.<byte value="xd"/>Deseja verificar se há uma atualização?</translation>
    </message>
</context>
</TS>
