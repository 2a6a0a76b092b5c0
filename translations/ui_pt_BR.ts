<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Clique aqui para visitar %1</translation>
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
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A date without weekday, in QLocale&apos;s format letters (d, MMMM, yyyy; quote words).</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>A day and month without year or weekday, in QLocale&apos;s format letters.</extracomment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>A month and year, as under a calendar&apos;s days, in QLocale&apos;s format letters.</extracomment>
        <translation>MMMM &apos;de&apos; yyyy</translation>
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
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar &amp;agora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Download Quillory</source>
        <translation>Baixar o Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory</source>
        <translation>Clique aqui para visitar o Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Indicar agora</translation>
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
        <translation>Você é de Leão? Ou de Virgem? Mas tem traços dos dois! Descubra se você nasceu na cúspide de dois signos!</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Preencha os dados abaixo:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Sobrenome</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Find If I am Born in a Cusp</source>
        <translation>Descobrir se nasci numa cúspide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Mudanças de signo exatas...</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar a&amp;tualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: the boxes take the Latin letters A to Z and spaces only. Say so truthfully (not &quot;letters&quot; in general).</extracomment>
        <translation>Digite apenas as letras de A a Z</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois e-mails diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
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
        <translation>Perfil do primeiro signo</translation>
    </message>
    <message>
        <source>Your Sun Sign</source>
        <translation>Seu signo solar</translation>
    </message>
    <message>
        <source>lblSunSign</source>
        <translation>lblSunSign</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pedra do signo</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número da sorte</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Dia da sorte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Signos compatíveis</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Traços positivos</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Traços negativos</translation>
    </message>
    <message>
        <source>Second Sun Sign Profile</source>
        <translation>Perfil do segundo signo</translation>
    </message>
    <message>
        <source>More About Your Cusp Sign</source>
        <translation>Mais sobre a sua cúspide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Mudanças de signo exatas...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar a&amp;tualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
    <message>
        <source>The calendar puts you on a cusp. Find out which sign the Sun was really in when you were born.</source>
        <translation>Pelo calendário, você nasceu numa cúspide. Descubra em que signo o Sol estava de fato quando você nasceu.</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Sun Sign...</source>
        <translation>Encontrar meu signo &amp;exato...</translation>
    </message>
    <message>
        <source>Find My Exact Sun Sign...</source>
        <translation>Encontrar meu signo exato...</translation>
    </message>
    <message>
        <source>Opens Sun Sign Changes on your birth date. Give your birth place and time to see which sign the Sun was really in.</source>
        <translation>Abre as mudanças de signo na sua data de nascimento. Informe o local e a hora do nascimento para ver em que signo o Sol estava de fato.</translation>
    </message>
    <message>
        <source>Check which sign the Sun was really in when you were born</source>
        <translation>Confira em que signo o Sol estava de fato quando você nasceu</translation>
    </message>
    <message>
        <source>The Sun does not change sign on the same day every year. Opens Sun Sign Changes on your birth date, where your birth place and time give the exact sign.</source>
        <translation>O Sol não muda de signo no mesmo dia todos os anos. Abre as mudanças de signo na sua data de nascimento, onde o local e a hora do nascimento dão o signo exato.</translation>
    </message>
</context>
<context>
    <name>SunChangesWindow</name>
    <message>
        <source>Sun Sign Changes</source>
        <translation>Mudanças de signo</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>When the Sun &amp;entered each sign (local time):</source>
        <translation>Quando o Sol &amp;entrou em cada signo (hora local):</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Mudanças de signo</translation>
    </message>
    <message>
        <source>Your birth</source>
        <translation>Seu nascimento</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dia:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mês:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>&amp;Time (hh:mm):</source>
        <translation>&amp;Hora (hh:mm):</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora do nascimento</translation>
    </message>
    <message>
        <source>Hours and minutes, for example 14:30; leave empty when the time is not known</source>
        <translation>Horas e minutos, por exemplo 14:30; deixe em branco se a hora não for conhecida</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>Mo&amp;strar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>&amp;Where the Sun was:</source>
        <translation>&amp;Onde o Sol estava:</translation>
    </message>
    <message>
        <source>Where the Sun was</source>
        <translation>Onde o Sol estava</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Save the picture with the reading under it as a PNG file (Ctrl+S)</source>
        <translation>Salvar a imagem com a leitura embaixo como arquivo PNG (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Birth place:</source>
        <translation>&amp;Local de nascimento:</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>Local de nascimento</translation>
    </message>
    <message>
        <source>A city, a country or a time zone; the times below are in its time zone</source>
        <translation>Uma cidade, um país ou um fuso horário; os horários abaixo estão nesse fuso horário</translation>
    </message>
    <message>
        <source>%1 is not a time of day. Type the hours and minutes of the birth, from 00:00 to 23:59 (for example 14:30), or leave the box empty if the time is not known.</source>
        <extracomment>%1 is what was typed, in quotation marks.</extracomment>
        <translation>%1 não é uma hora do dia. Digite as horas e os minutos do nascimento, de 00:00 a 23:59 (por exemplo 14:30), ou deixe o campo em branco se a hora não for conhecida.</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Diferença do UTC</translation>
    </message>
    <message>
        <source>City, country or time zone</source>
        <translation>Cidade, país ou fuso horário</translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: choose one from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks; %n is at least 2.</extracomment>
        <translation>
            <numerusform>%n fuso horário corresponde a %1: escolha-o na lista.</numerusform>
            <numerusform>%n fusos horários correspondem a %1: escolha um na lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: choose one from the list.</source>
        <translation>
            <numerusform>%n local corresponde a %1: escolha-o na lista.</numerusform>
            <numerusform>%n locais correspondem a %1: escolha um na lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>No place or time zone is called %1. Type a city (Munich, Springfield, Illinois), a country (Japan), a zone&apos;s name or part of it (New York) or an offset (UTC+05:30), and choose from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks. The examples are what the place box finds: keep the city and zone names, give the country in the language.</extracomment>
        <translation>Nenhum local ou fuso horário se chama %1. Digite uma cidade (Munique, Springfield, Illinois), um país (Japão), o nome de um fuso ou parte dele (New York) ou uma diferença (UTC+05:30) e escolha na lista.</translation>
    </message>
    <message>
        <source>Local times in %1, the time zone of %2</source>
        <translation>Horários locais em %1, o fuso horário de %2</translation>
    </message>
    <message>
        <source>Local times in %1</source>
        <translation>Horários locais em %1</translation>
    </message>
    <message>
        <source>The Sun&apos;s sign at the birth</source>
        <translation>O signo do Sol no nascimento</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Birth place: %1</source>
        <translation>Local de nascimento: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuso horário: %1</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2. Nothing was written there. Choose a folder you may write to and save again.</source>
        <extracomment>%1 is the file&apos;s name in quotation marks, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar a imagem como %1: %2. Nada foi gravado ali. Escolha uma pasta em que você possa gravar e salve de novo.</translation>
    </message>
</context>
<context>
    <name>SunPicture</name>
    <message>
        <source>cusp days</source>
        <extracomment>Written over the shaded days of the picture that the calendar counts as a cusp.</extracomment>
        <translation>dias de cúspide</translation>
    </message>
    <message>
        <source>birth</source>
        <extracomment>The picture&apos;s mark of the birth day, when no time was given.</extracomment>
        <translation>nascimento</translation>
    </message>
    <message>
        <source>birth %1, twice</source>
        <extracomment>The picture&apos;s mark of the birth: %1 is the clock time (14:30).</extracomment>
        <translation>nascimento às %1, duas vezes</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>nascimento às %1</translation>
    </message>
    <message>
        <source>Picture of the sign change</source>
        <translation>Imagem da mudança de signo</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Nada a mostrar.</translation>
    </message>
    <message>
        <source>Picture of the sign change: the Sun entered %1 on %2 at %3</source>
        <extracomment>%1 is the sign, %2 the date, %3 the clock time.</extracomment>
        <translation>Imagem da mudança de signo: o Sol entrou em %1 em %2 às %3</translation>
    </message>
    <message>
        <source>Local days from %1 to %2 in %3.</source>
        <extracomment>%1 is a day and month, %2 a date, %3 a time zone&apos;s name.</extracomment>
        <translation>Dias locais de %1 a %2 em %3.</translation>
    </message>
    <message>
        <source>Shaded, the cusp days of the calendar rule: %1 to %2.</source>
        <extracomment>%1 is a day&apos;s number, %2 a day and month: the cusp days run from the first to the second.</extracomment>
        <translation>Sombreados, os dias de cúspide pela regra do calendário: de %1 a %2.</translation>
    </message>
    <message>
        <source>A line marks the change: the Sun was in %1 before %2 on %3 and in %4 after.</source>
        <extracomment>%1 and %4 are signs, %2 the clock time, %3 a day and month.</extracomment>
        <translation>Uma linha marca a mudança: em %3, o Sol estava em %1 antes das %2 e em %4 depois.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, the day of the change.</source>
        <extracomment>%1 is a day and month.</extracomment>
        <translation>Nascimento: marcado em %1, o dia da mudança.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, in %2 all day.</source>
        <translation>Nascimento: marcado em %1, o dia todo em %2.</translation>
    </message>
    <message>
        <source>No birth mark: the time given did not happen on %1 in %2.</source>
        <extracomment>%1 is a day and month, %2 a time zone&apos;s name.</extracomment>
        <translation>Sem marca de nascimento: a hora informada não existiu em %1 em %2.</translation>
    </message>
    <message>
        <source>%1, in %2, %3 before the change</source>
        <extracomment>%1 is the clock time, %2 a sign, %3 a duration (2 hours 5 minutes).</extracomment>
        <translation>%1, em %2, %3 antes da mudança</translation>
    </message>
    <message>
        <source>%1, in %2, %3 after the change</source>
        <translation>%1, em %2, %3 depois da mudança</translation>
    </message>
    <message>
        <source>Birth: marked twice, the clocks having shown the time twice, on %1: %2.</source>
        <extracomment>%1 is a day and month, %2 the birth&apos;s moments, each as &quot;14:30, in Leo, 2 hours after the change&quot;, joined by semicolons.</extracomment>
        <translation>Nascimento: marcado duas vezes em %1, porque os relógios marcaram essa hora duas vezes: %2.</translation>
    </message>
    <message>
        <source>Birth: marked at its moment on %1: %2.</source>
        <translation>Nascimento: marcado no seu momento em %1: %2.</translation>
    </message>
</context>
</TS>
