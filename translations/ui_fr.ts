<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Solvanta v1.0</source>
        <translation>Solvanta v1.0</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
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
        <translation>fr</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A date without weekday, in QLocale&apos;s format letters (d, MMMM, yyyy; quote words).</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>A day and month without year or weekday, in QLocale&apos;s format letters.</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>A month and year, as under a calendar&apos;s days, in QLocale&apos;s format letters.</extracomment>
        <translation>MMMM yyyy</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Download Quillory</source>
        <translation>Télécharger Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory</source>
        <translation>Cliquez ici pour visiter Quillory</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the forum&apos;s address, shown as it is.</extracomment>
        <translation>Cliquez ici pour visiter %1 dès maintenant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Recommander maintenant</translation>
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
        <translation>Êtes-vous Lion&#xa0;? Ou Vierge&#xa0;? Mais vous avez les traits des deux&#xa0;! Découvrez si vous êtes né sur la cuspide de deux signes&#xa0;!</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Veuillez remplir les champs ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source> First Name</source>
        <translation> Prénom</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Autre prénom</translation>
    </message>
    <message>
        <source> Last Name</source>
        <translation> Nom</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Find If I am Born in a Cusp</source>
        <translation>Suis-je né sur une cuspide&#xa0;?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Soleil</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Changements de signe exacts...</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box refuses a character: the boxes take the Latin letters A to Z and spaces only. Say so truthfully (not &quot;letters&quot; in general).</extracomment>
        <translation>Veuillez saisir uniquement les lettres de A à Z</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami</translation>
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
        <translation>Profil du premier signe</translation>
    </message>
    <message>
        <source>Your Sun Sign</source>
        <translation>Votre signe solaire</translation>
    </message>
    <message>
        <source>lblSunSign</source>
        <translation>lblSunSign</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Birthstone</source>
        <translation>Pierre de naissance</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>Chiffre porte-bonheur</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Jour de chance</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Signes compatibles</translation>
    </message>
    <message>
        <source>Positive Traits</source>
        <translation>Qualités</translation>
    </message>
    <message>
        <source>Negative Traits</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Second Sun Sign Profile</source>
        <translation>Profil du second signe</translation>
    </message>
    <message>
        <source>More About Your Cusp Sign</source>
        <translation>En savoir plus sur votre cuspide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Sun</source>
        <translation>&amp;Soleil</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Exact Sign Changes...</source>
        <translation>&amp;Changements de signe exacts...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
    <message>
        <source>The calendar puts you on a cusp. Find out which sign the Sun was really in when you were born.</source>
        <translation>Selon le calendrier, vous êtes né sur une cuspide. Découvrez dans quel signe se trouvait vraiment le Soleil à votre naissance.</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Sun Sign...</source>
        <translation>Trouver mon signe &amp;exact...</translation>
    </message>
    <message>
        <source>Find My Exact Sun Sign...</source>
        <translation>Trouver mon signe exact...</translation>
    </message>
    <message>
        <source>Opens Sun Sign Changes on your birth date. Give your birth place and time to see which sign the Sun was really in.</source>
        <translation>Ouvre les changements de signe à votre date de naissance. Indiquez votre lieu et votre heure de naissance pour voir dans quel signe se trouvait vraiment le Soleil.</translation>
    </message>
    <message>
        <source>Check which sign the Sun was really in when you were born</source>
        <translation>Vérifier dans quel signe se trouvait vraiment le Soleil à votre naissance</translation>
    </message>
    <message>
        <source>The Sun does not change sign on the same day every year. Opens Sun Sign Changes on your birth date, where your birth place and time give the exact sign.</source>
        <translation>Le Soleil ne change pas de signe le même jour chaque année. Ouvre les changements de signe à votre date de naissance, où votre lieu et votre heure de naissance donnent le signe exact.</translation>
    </message>
</context>
<context>
    <name>SunChangesWindow</name>
    <message>
        <source>Sun Sign Changes</source>
        <translation>Changements de signe</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>When the Sun &amp;entered each sign (local time):</source>
        <translation>Quand le Soleil est &amp;entré dans chaque signe (heure locale)&#xa0;:</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>Changements de signe</translation>
    </message>
    <message>
        <source>Your birth</source>
        <translation>Votre naissance</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>&amp;Time (hh:mm):</source>
        <translation>&amp;Heure (hh:mm)&#xa0;:</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Hours and minutes, for example 14:30; leave empty when the time is not known</source>
        <translation>Heures et minutes, par exemple 14:30&#xa0;; laissez vide si l&apos;heure n&apos;est pas connue</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>Affi&amp;cher</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Where the Sun was:</source>
        <translation>&amp;Où était le Soleil&#xa0;:</translation>
    </message>
    <message>
        <source>Where the Sun was</source>
        <translation>Où était le Soleil</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Save the picture with the reading under it as a PNG file (Ctrl+S)</source>
        <translation>Enregistrer l&apos;image, avec le texte en dessous, dans un fichier PNG (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Birth place:</source>
        <translation>&amp;Lieu de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Birth place</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>A city, a country or a time zone; the times below are in its time zone</source>
        <translation>Une ville, un pays ou un fuseau horaire&#xa0;; les heures ci-dessous sont dans son fuseau horaire</translation>
    </message>
    <message>
        <source>%1 is not a time of day. Type the hours and minutes of the birth, from 00:00 to 23:59 (for example 14:30), or leave the box empty if the time is not known.</source>
        <extracomment>%1 is what was typed, in quotation marks.</extracomment>
        <translation>%1 n&apos;est pas une heure. Saisissez les heures et les minutes de la naissance, de 00:00 à 23:59 (par exemple 14:30), ou laissez le champ vide si l&apos;heure n&apos;est pas connue.</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>UTC offset</source>
        <translation>Décalage UTC</translation>
    </message>
    <message>
        <source>City, country or time zone</source>
        <translation>Ville, pays ou fuseau horaire</translation>
    </message>
    <message numerus="yes">
        <source>%n time zones match %1: choose one from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks; %n is at least 2.</extracomment>
        <translation>
            <numerusform>%n fuseau horaire correspond à %1&#xa0;: choisissez-le dans la liste.</numerusform>
            <numerusform>%n fuseaux horaires correspondent à %1&#xa0;: choisissez-en un dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places match %1: choose one from the list.</source>
        <translation>
            <numerusform>%n lieu correspond à %1&#xa0;: choisissez-le dans la liste.</numerusform>
            <numerusform>%n lieux correspondent à %1&#xa0;: choisissez-en un dans la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>No place or time zone is called %1. Type a city (Munich, Springfield, Illinois), a country (Japan), a zone&apos;s name or part of it (New York) or an offset (UTC+05:30), and choose from the list.</source>
        <extracomment>%1 is what was typed, in quotation marks. The examples are what the place box finds: keep the city and zone names, give the country in the language.</extracomment>
        <translation>Aucun lieu ni fuseau horaire ne s&apos;appelle %1. Saisissez une ville (Munich, Springfield, Illinois), un pays (Japon), le nom d&apos;un fuseau ou une partie de ce nom (New York) ou un décalage (UTC+05:30), puis choisissez dans la liste.</translation>
    </message>
    <message>
        <source>Local times in %1, the time zone of %2</source>
        <translation>Heures locales dans le fuseau %1, celui de %2</translation>
    </message>
    <message>
        <source>Local times in %1</source>
        <translation>Heures locales dans le fuseau %1</translation>
    </message>
    <message>
        <source>The Sun&apos;s sign at the birth</source>
        <translation>Le signe du Soleil à la naissance</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Birth place: %1</source>
        <translation>Lieu de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuseau horaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2. Nothing was written there. Choose a folder you may write to and save again.</source>
        <extracomment>%1 is the file&apos;s name in quotation marks, %2 the system&apos;s reason.</extracomment>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1&#xa0;: %2. Rien n&apos;y a été écrit. Choisissez un dossier où vous pouvez écrire, puis enregistrez de nouveau.</translation>
    </message>
</context>
<context>
    <name>SunPicture</name>
    <message>
        <source>cusp days</source>
        <extracomment>Written over the shaded days of the picture that the calendar counts as a cusp.</extracomment>
        <translation>jours de cuspide</translation>
    </message>
    <message>
        <source>birth</source>
        <extracomment>The picture&apos;s mark of the birth day, when no time was given.</extracomment>
        <translation>naissance</translation>
    </message>
    <message>
        <source>birth %1, twice</source>
        <extracomment>The picture&apos;s mark of the birth: %1 is the clock time (14:30).</extracomment>
        <translation>naissance à %1, deux fois</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>naissance à %1</translation>
    </message>
    <message>
        <source>Picture of the sign change</source>
        <translation>Image du changement de signe</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Rien à afficher.</translation>
    </message>
    <message>
        <source>Picture of the sign change: the Sun entered %1 on %2 at %3</source>
        <extracomment>%1 is the sign, %2 the date, %3 the clock time.</extracomment>
        <translation>Image du changement de signe&#xa0;: le Soleil est entré dans le signe %1 le %2 à %3</translation>
    </message>
    <message>
        <source>Local days from %1 to %2 in %3.</source>
        <extracomment>%1 is a day and month, %2 a date, %3 a time zone&apos;s name.</extracomment>
        <translation>Jours locaux du %1 au %2, fuseau %3.</translation>
    </message>
    <message>
        <source>Shaded, the cusp days of the calendar rule: %1 to %2.</source>
        <extracomment>%1 is a day&apos;s number, %2 a day and month: the cusp days run from the first to the second.</extracomment>
        <translation>En grisé, les jours de cuspide selon la règle du calendrier&#xa0;: du %1 au %2.</translation>
    </message>
    <message>
        <source>A line marks the change: the Sun was in %1 before %2 on %3 and in %4 after.</source>
        <extracomment>%1 and %4 are signs, %2 the clock time, %3 a day and month.</extracomment>
        <translation>Une ligne marque le changement&#xa0;: le %3, le Soleil était dans le signe %1 avant %2 et dans le signe %4 après.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, the day of the change.</source>
        <extracomment>%1 is a day and month.</extracomment>
        <translation>Naissance&#xa0;: marquée le %1, jour du changement.</translation>
    </message>
    <message>
        <source>Birth: marked on %1, in %2 all day.</source>
        <translation>Naissance&#xa0;: marquée le %1, toute la journée dans le signe %2.</translation>
    </message>
    <message>
        <source>No birth mark: the time given did not happen on %1 in %2.</source>
        <extracomment>%1 is a day and month, %2 a time zone&apos;s name.</extracomment>
        <translation>Pas de marque de naissance&#xa0;: l&apos;heure indiquée n&apos;a pas existé le %1 dans le fuseau %2.</translation>
    </message>
    <message>
        <source>%1, in %2, %3 before the change</source>
        <extracomment>%1 is the clock time, %2 a sign, %3 a duration (2 hours 5 minutes).</extracomment>
        <translation>%1, dans le signe %2, %3 avant le changement</translation>
    </message>
    <message>
        <source>%1, in %2, %3 after the change</source>
        <translation>%1, dans le signe %2, %3 après le changement</translation>
    </message>
    <message>
        <source>Birth: marked twice, the clocks having shown the time twice, on %1: %2.</source>
        <extracomment>%1 is a day and month, %2 the birth&apos;s moments, each as &quot;14:30, in Leo, 2 hours after the change&quot;, joined by semicolons.</extracomment>
        <translation>Naissance&#xa0;: marquée deux fois le %1, les horloges ayant affiché cette heure deux fois&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Birth: marked at its moment on %1: %2.</source>
        <translation>Naissance&#xa0;: marquée à son moment le %1&#xa0;: %2.</translation>
    </message>
</context>
</TS>
