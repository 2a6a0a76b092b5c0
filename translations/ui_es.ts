<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language (and territory) this translation is for, as a locale name such as de, fr, es or pt_BR: dates and month names in the windows follow it.</extracomment>
        <translation>es</translation>
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
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Download Quillory</source>
        <translation>Descargar Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory</source>
        <translation>Haz clic aquí para visitar Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Haz clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Recomendar ahora</translation>
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
        <translation>¿Eres Leo? ¿O Virgo? ¡Pero tienes rasgos de los dos! ¡Descubre si naciste en la cúspide de dos signos!</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Completa los datos siguientes:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Apellido</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Find If I am Born in a Cusp</source>
        <translation>¿Nací en una cúspide?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Cambios de signo exactos...</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita nuestro sitio</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: the boxes take the Latin letters A to Z and spaces only. Say so truthfully (not &quot;letters&quot; in general).</extracomment>
        <translation>Escribe solo las letras de la A a la Z</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Un correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo</translation>
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
        <translation>Perfil del primer signo</translation>
    </message>
    <message>
        <source>Your Sun Sign</source>
        <translation>Tu signo solar</translation>
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
        <translation>Piedra natal</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Número de la suerte</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Día de la suerte</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Signos compatibles</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Rasgos positivos</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Rasgos negativos</translation>
    </message>
    <message>
        <source>Second Sun Sign Profile</source>
        <translation>Perfil del segundo signo</translation>
    </message>
    <message>
        <source>More About Your Cusp Sign</source>
        <translation>Más sobre tu cúspide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Cambios de signo exactos...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita nuestro sitio</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>The calendar puts you on a cusp. Find out which sign the Sun was really in when you were born.</source>
        <translation>Según el calendario, naciste en una cúspide. Descubre en qué signo estaba realmente el Sol cuando naciste.</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Sun Sign...</source>
        <translation>Encontrar mi signo &amp;exacto...</translation>
    </message>
    <message>
        <source>Find My Exact Sun Sign...</source>
        <translation>Encontrar mi signo exacto...</translation>
    </message>
    <message>
        <source>Opens Sun Sign Changes on your birth date. Give your birth place and time to see which sign the Sun was really in.</source>
        <translation>Abre los cambios de signo en tu fecha de nacimiento. Indica tu lugar y hora de nacimiento para ver en qué signo estaba realmente el Sol.</translation>
    </message>
    <message>
        <source>Check which sign the Sun was really in when you were born</source>
        <translation>Comprueba en qué signo estaba realmente el Sol cuando naciste</translation>
    </message>
    <message>
        <source>The Sun does not change sign on the same day every year. Opens Sun Sign Changes on your birth date, where your birth place and time give the exact sign.</source>
        <translation>El Sol no cambia de signo el mismo día todos los años. Abre los cambios de signo en tu fecha de nacimiento, donde tu lugar y hora de nacimiento dan el signo exacto.</translation>
    </message>
</context>
<context>
    <name>SunChangesWindow</name>
    <message>
        <source>Sun Sign Changes</source>
        <translation>Cambios de signo</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>When the Sun &amp;entered each sign (local time):</source>
        <translation>Cuándo &amp;entró el Sol en cada signo (hora local):</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Cambios de signo</translation>
    </message>
    <message>
        <source>Your birth</source>
        <translation>Tu nacimiento</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Día:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
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
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Hours and minutes, for example 14:30; leave empty when the time is not known</source>
        <translation>Horas y minutos, por ejemplo 14:30; déjalo vacío si no sabes la hora</translation>
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
        <translation>&amp;Posición del Sol:</translation>
    </message>
    <message>
        <source>Where the Sun was</source>
        <translation>Posición del Sol</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Save the picture with the reading under it as a PNG file (Ctrl+S)</source>
        <translation>Guarda la imagen con la lectura debajo como archivo PNG (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Birth place:</source>
        <translation>&amp;Lugar de nacimiento:</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>A city, a country or a time zone; the times below are in its time zone</source>
        <translation>Una ciudad, un país o una zona horaria; las horas de abajo están en su zona horaria</translation>
    </message>
    <message>
        <source>%1 is not a time of day. Type the hours and minutes of the birth, from 00:00 to 23:59 (for example 14:30), or leave the box empty if the time is not known.</source>
        <extracomment>%1 is what was typed, in quotation marks.</extracomment>
        <translation>%1 no es una hora. Escribe las horas y los minutos del nacimiento, de 00:00 a 23:59 (por ejemplo 14:30), o deja el campo vacío si no sabes la hora.</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Desfase UTC</translation>
    </message>
    <message>
        <source>City, country or time zone</source>
        <translation>Ciudad, país o zona horaria</translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: choose one from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks; %n is at least 2.</extracomment>
        <translation>
            <numerusform>%n zona horaria coincide con %1: elígela de la lista.</numerusform>
            <numerusform>%n zonas horarias coinciden con %1: elige una de la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: choose one from the list.</source>
        <translation>
            <numerusform>%n lugar coincide con %1: elígelo de la lista.</numerusform>
            <numerusform>%n lugares coinciden con %1: elige uno de la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>No place or time zone is called %1. Type a city (Munich, Springfield, Illinois), a country (Japan), a zone&apos;s name or part of it (New York) or an offset (UTC+05:30), and choose from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks. The examples are what the place box finds: keep the city and zone names, give the country in the language.</extracomment>
        <translation>Ningún lugar ni zona horaria se llama %1. Escribe una ciudad (Múnich, Springfield, Illinois), un país (Japón), el nombre de una zona o parte de él (New York) o un desfase (UTC+05:30), y elige de la lista.</translation>
    </message>
    <message>
        <source>Local times in %1, the time zone of %2</source>
        <translation>Horas locales en %1, la zona horaria de %2</translation>
    </message>
    <message>
        <source>Local times in %1</source>
        <translation>Horas locales en %1</translation>
    </message>
    <message>
        <source>The Sun&apos;s sign at the birth</source>
        <translation>El signo del Sol en el nacimiento</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Birth place: %1</source>
        <translation>Lugar de nacimiento: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2. Nothing was written there. Choose a folder you may write to and save again.</source>
        <extracomment>%1 is the file&apos;s name in quotation marks, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar la imagen como %1: %2. No se escribió nada allí. Elige una carpeta en la que puedas escribir y vuelve a guardarla.</translation>
    </message>
</context>
<context>
    <name>SunPicture</name>
    <message>
        <source>cusp days</source>
        <extracomment>Written over the shaded days of the picture that the calendar counts as a cusp.</extracomment>
        <translation>días de cúspide</translation>
    </message>
    <message>
        <source>birth</source>
        <extracomment>The picture&apos;s mark of the birth day, when no time was given.</extracomment>
        <translation>nacimiento</translation>
    </message>
    <message>
        <source>birth %1, twice</source>
        <extracomment>The picture&apos;s mark of the birth: %1 is the clock time (14:30).</extracomment>
        <translation>nacimiento a las %1, dos veces</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>nacimiento a las %1</translation>
    </message>
    <message>
        <source>Picture of the sign change</source>
        <translation>Imagen del cambio de signo</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Nada que mostrar.</translation>
    </message>
    <message>
        <source>Picture of the sign change: the Sun entered %1 on %2 at %3</source>
        <extracomment>%1 is the sign, %2 the date, %3 the clock time.</extracomment>
        <translation>Imagen del cambio de signo: el Sol entró en %1 el %2 a las %3</translation>
    </message>
    <message>
        <source>Local days from %1 to %2 in %3.</source>
        <extracomment>%1 is a day and month, %2 a date, %3 a time zone&apos;s name.</extracomment>
        <translation>Días locales del %1 al %2 en %3.</translation>
    </message>
    <message>
        <source>Shaded, the cusp days of the calendar rule: %1 to %2.</source>
        <extracomment>%1 is a day&apos;s number, %2 a day and month: the cusp days run from the first to the second.</extracomment>
        <translation>Sombreados, los días de cúspide según la regla del calendario: del %1 al %2.</translation>
    </message>
    <message>
        <source>A line marks the change: the Sun was in %1 before %2 on %3 and in %4 after.</source>
        <extracomment>%1 and %4 are signs, %2 the clock time, %3 a day and month.</extracomment>
        <translation>Una línea marca el cambio: el %3, el Sol estaba en %1 antes de las %2 y en %4 después.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, the day of the change.</source>
        <extracomment>%1 is a day and month.</extracomment>
        <translation>Nacimiento: marcado el %1, el día del cambio.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, in %2 all day.</source>
        <translation>Nacimiento: marcado el %1, todo el día en %2.</translation>
    </message>
    <message>
        <source>No birth mark: the time given did not happen on %1 in %2.</source>
        <extracomment>%1 is a day and month, %2 a time zone&apos;s name.</extracomment>
        <translation>Sin marca de nacimiento: la hora indicada no existió el %1 en %2.</translation>
    </message>
    <message>
        <source>%1, in %2, %3 before the change</source>
        <extracomment>%1 is the clock time, %2 a sign, %3 a duration (2 hours 5 minutes).</extracomment>
        <translation>%1, en %2, %3 antes del cambio</translation>
    </message>
    <message>
        <source>%1, in %2, %3 after the change</source>
        <translation>%1, en %2, %3 después del cambio</translation>
    </message>
    <message>
        <source>Birth: marked twice, the clocks having shown the time twice, on %1: %2.</source>
        <extracomment>%1 is a day and month, %2 the birth&apos;s moments, each as &quot;14:30, in Leo, 2 hours after the change&quot;, joined by semicolons.</extracomment>
        <translation>Nacimiento: marcado dos veces el %1, porque los relojes marcaron esa hora dos veces: %2.</translation>
    </message>
    <message>
        <source>Birth: marked at its moment on %1: %2.</source>
        <translation>Nacimiento: marcado en su momento el %1: %2.</translation>
    </message>
</context>
</TS>
