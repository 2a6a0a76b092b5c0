<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Birthstones</name>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opal</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granat</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
</context>
<context>
    <name>CompatibleSigns</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two signs that go well with a sign, e.g. &quot;Leo and Sagittarius&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>CuspTexts</name>
    <message>
        <source>You will be responsible and traditional in your thoughts and ideas. At the same time, the inventive spirit of Aquarius will give you an original and independent mind. You will respect the wisdom of the past while dreaming about the future, and this mix can make you a truly practical visionary. You will work hard and patiently toward your goals, yet you will not be afraid to try new and unusual methods. You will be loyal to your friends and dedicated to your family, though you may hide your feelings behind a calm and serious face. You will value your freedom and might dislike being told what to do. Your energy and determination can help you achieve great things, and your friends will admire your ability to combine common sense with bright new ideas.</source>
        <extracomment>Portrait of someone born in January on the cusp of Capricorn and Aquarius (one paragraph)</extracomment>
        <translation>Sie sind verantwortungsbewusst und in Ihren Gedanken und Vorstellungen eher traditionell. Zugleich schenkt Ihnen der Erfindergeist des Wassermanns einen originellen und unabhängigen Verstand. Sie achten die Weisheit der Vergangenheit und träumen doch von der Zukunft – eine Mischung, die Sie zu einem wahrhaft praktischen Visionär machen kann. Sie arbeiten hart und geduldig auf Ihre Ziele hin und scheuen dennoch nicht davor zurück, neue und ungewöhnliche Wege zu gehen. Sie sind Ihren Freunden treu und Ihrer Familie hingebungsvoll verbunden, auch wenn Sie Ihre Gefühle gern hinter einem ruhigen, ernsten Gesicht verbergen. Ihre Freiheit ist Ihnen wichtig, und Sie lassen sich nur ungern vorschreiben, was Sie zu tun haben. Mit Ihrer Energie und Entschlossenheit können Sie Großes erreichen, und Ihre Freunde bewundern, wie Sie gesunden Menschenverstand mit frischen, klugen Ideen verbinden.</translation>
    </message>
    <message>
        <source>You will have your own set of ideals and values. You will combine the original mind of Aquarius with the gentle imagination of Pisces. You will be kind, tolerant and deeply caring about humanity, and you might feel called to help others. You will be creative and artistic, with a strong and reliable intuition. At times you may seem dreamy or detached, but your compassion and vision will make you a quiet, wise and inspiring friend.</source>
        <extracomment>Portrait of someone born in February on the cusp of Aquarius and Pisces (one paragraph)</extracomment>
        <translation>Sie haben Ihre ganz eigenen Ideale und Werte. In Ihnen verbinden sich der originelle Geist des Wassermanns und die sanfte Fantasie der Fische. Sie sind gütig und tolerant, das Wohl der Menschheit liegt Ihnen sehr am Herzen, und vielleicht fühlen Sie sich dazu berufen, anderen zu helfen. Sie sind kreativ und künstlerisch begabt und haben eine starke, verlässliche Intuition. Manchmal wirken Sie verträumt oder abwesend, doch Ihr Mitgefühl und Ihr Weitblick machen Sie zu einem stillen, weisen und inspirierenden Freund.</translation>
    </message>
    <message>
        <source>You will be very complex to understand. You will be quiet and dreamy like Pisces one moment, then bold and daring like Aries the next. You will combine deep sensitivity with a strong will to act, and this mix makes you both a visionary and a doer. You will be imaginative and intuitive, yet always ready to fight for what you believe in. Learning to balance your dreams with your drive will help you turn your many ideas into real and lasting success.</source>
        <extracomment>Portrait of someone born in March on the cusp of Pisces and Aries (one paragraph)</extracomment>
        <translation>Sie sind nicht leicht zu durchschauen. Im einen Moment sind Sie still und verträumt wie die Fische, im nächsten kühn und wagemutig wie der Widder. Sie verbinden tiefe Empfindsamkeit mit einem starken Tatendrang, und diese Mischung macht Sie zugleich zum Visionär und zum Macher. Sie sind fantasievoll und intuitiv und doch jederzeit bereit, für Ihre Überzeugungen zu kämpfen. Wenn Sie lernen, Ihre Träume und Ihren Antrieb ins Gleichgewicht zu bringen, verwandeln Sie Ihre vielen Ideen in echten und dauerhaften Erfolg.</translation>
    </message>
    <message>
        <source>The bold and loud Aries will have a quiet and practical side that comes from Taurus. You will have the energy and courage of Aries combined with the patience and determination of Taurus. You will be a natural leader who can not only start projects but also see them through to the end. You will be strong willed, ambitious and very focused on your goals. You will enjoy the good things of life and work hard to acquire them. At times you may be stubborn or forceful, but your loyalty and generosity will win you many friends. You will be a powerful and dependable force in the lives of others.</source>
        <extracomment>Portrait of someone born in April on the cusp of Aries and Taurus (one paragraph)</extracomment>
        <translation>Der kühne und laute Widder zeigt bei Ihnen eine ruhige, praktische Seite, die vom Stier kommt. Sie besitzen die Energie und den Mut des Widders, gepaart mit der Geduld und Entschlossenheit des Stiers. Sie sind eine geborene Führungspersönlichkeit, die Vorhaben nicht nur anstößt, sondern sie auch zu Ende bringt. Sie sind willensstark, ehrgeizig und sehr auf Ihre Ziele ausgerichtet. Sie genießen die schönen Dinge des Lebens und arbeiten hart dafür, sie sich leisten zu können. Manchmal sind Sie stur oder zu forsch, doch Ihre Treue und Großzügigkeit gewinnen Ihnen viele Freunde. Im Leben anderer sind Sie eine starke und verlässliche Kraft.</translation>
    </message>
    <message>
        <source>The silent and stubborn Taurus will be more intellectual and talkative with the influence of Gemini. You will combine the practical good sense of Taurus with the curiosity and wit of Gemini. You will be a good communicator, able to express your ideas clearly and persuasively. You will enjoy learning and may have many different interests. You will be more adaptable than a typical Taurus, yet more steady than a typical Gemini. You will love comfort and beauty as well as lively conversation. At times you may be restless or stubborn, but your charm and energy will attract friends. </source>
        <extracomment>Portrait of someone born in May on the cusp of Taurus and Gemini (one paragraph)</extracomment>
        <translation>Der schweigsame und sture Stier wird unter dem Einfluss der Zwillinge geistig reger und gesprächiger. Sie verbinden den praktischen gesunden Menschenverstand des Stiers mit der Neugier und dem Witz der Zwillinge. Sie können gut kommunizieren und Ihre Gedanken klar und überzeugend ausdrücken. Sie lernen gern und haben oft viele verschiedene Interessen. Sie sind anpassungsfähiger als ein typischer Stier und zugleich beständiger als typische Zwillinge. Sie lieben Behaglichkeit und Schönheit ebenso wie ein lebhaftes Gespräch. Manchmal sind Sie unruhig oder stur, doch Ihr Charme und Ihre Energie ziehen Freunde an. </translation>
    </message>
    <message>
        <source>This cusp is a great combination of logic and emotions. You will have the quick mind of Gemini and the warm heart of Cancer. You will be sociable and curious, yet deeply caring towards your family and friends. You will be able to understand people both with your reasoning and with your intuition. You will be a good listener and a charming speaker. Your moods may change quickly, and you may swing between restlessness and a need for safety. Your sensitivity and wit will make you a delightful companion loved by many people.</source>
        <extracomment>Portrait of someone born in June on the cusp of Gemini and Cancer (one paragraph)</extracomment>
        <translation>Dieser Übergang verbindet auf wunderbare Weise Logik und Gefühl. Sie haben den wachen Verstand der Zwillinge und das warme Herz des Krebses. Sie sind gesellig und neugierig und kümmern sich zugleich liebevoll um Familie und Freunde. Sie verstehen Menschen mit dem Verstand ebenso wie mit Ihrer Intuition. Sie können gut zuhören und charmant erzählen. Ihre Stimmungen wechseln mitunter rasch, und Sie schwanken vielleicht zwischen Rastlosigkeit und dem Bedürfnis nach Geborgenheit. Ihre Feinfühligkeit und Ihr Witz machen Sie zu einem reizenden Begleiter, den viele Menschen lieben.</translation>
    </message>
    <message>
        <source>This cusp has the combined energies of the moody and sensitive Cancer and the proud and confident Leo. You will be warm, caring and affectionate, yet also outgoing and full of life. You will love your family deeply and enjoy entertaining friends in your home. You will be creative and expressive, with a natural talent for drama or art. Your feelings will run deep, and you may be easily hurt if you feel unappreciated. You will be loyal and protective, and you will make a generous and faithful friend. Balancing your need for security with your love of the spotlight will bring you great happiness.</source>
        <extracomment>Portrait of someone born in July on the cusp of Cancer and Leo (one paragraph)</extracomment>
        <translation>An diesem Übergang vereinen sich die Energien des launischen, empfindsamen Krebses und des stolzen, selbstbewussten Löwen. Sie sind warmherzig, fürsorglich und liebevoll und dabei zugleich aufgeschlossen und voller Leben. Sie lieben Ihre Familie innig und haben gern Freunde bei sich zu Gast. Sie sind kreativ und ausdrucksstark und haben eine natürliche Begabung für Theater oder Kunst. Ihre Gefühle gehen tief, und Sie sind leicht gekränkt, wenn Sie sich nicht gewürdigt fühlen. Sie sind treu und beschützend und ein großzügiger, verlässlicher Freund. Wenn Sie Ihr Bedürfnis nach Sicherheit mit Ihrer Freude am Rampenlicht in Einklang bringen, werden Sie sehr glücklich.</translation>
    </message>
    <message>
        <source>You will shift from being an arrogant, romantic and outgoing Leo to a more modest, practical and careful Virgo. You will combine the warmth and creativity of Leo with the precision and diligence of Virgo. You will be a hard worker who also knows how to shine in public. You will have high standards and will expect the best from yourself and others. You will be generous and very helpful, and people will value your sound advice. You will have an eye for detail as well as for the big picture. At times you may be too proud or too critical, but your sincerity and dedication will earn you respect. You will be a loyal friend and a reliable partner, and your talents will help you achieve lasting success in life.</source>
        <extracomment>Portrait of someone born in August on the cusp of Leo and Virgo (one paragraph)</extracomment>
        <translation>Sie wandeln sich vom überheblichen, romantischen und geselligen Löwen zur bescheideneren, praktischen und sorgfältigen Jungfrau. Sie verbinden die Wärme und Kreativität des Löwen mit der Genauigkeit und dem Fleiß der Jungfrau. Sie arbeiten hart und wissen zugleich, wie man in der Öffentlichkeit glänzt. Sie stellen hohe Ansprüche und erwarten von sich selbst und von anderen das Beste. Sie sind großzügig und sehr hilfsbereit, und die Menschen schätzen Ihren guten Rat. Sie haben einen Blick für das Detail ebenso wie für das große Ganze. Manchmal sind Sie zu stolz oder zu kritisch, doch Ihre Aufrichtigkeit und Ihr Einsatz verschaffen Ihnen Respekt. Sie sind ein treuer Freund und ein verlässlicher Partner, und Ihre Talente helfen Ihnen zu dauerhaftem Erfolg im Leben.</translation>
    </message>
    <message>
        <source>You will be proud of your achievements and your practical, efficient way of working. The influence of Libra will add grace, charm and a love of beauty to your careful Virgo nature. You will be intelligent and refined, with good taste and a strong sense of fairness. You will work hard to create order and harmony all around you. You will be helpful and considerate, and people will enjoy your polite and gentle manners. At times you might be indecisive or overly critical, but your kindness and good judgement will make you a trusted friend and partner. </source>
        <extracomment>Portrait of someone born in September on the cusp of Virgo and Libra (one paragraph)</extracomment>
        <translation>Sie sind stolz auf Ihre Leistungen und auf Ihre praktische, effiziente Arbeitsweise. Der Einfluss der Waage fügt Ihrem sorgfältigen Jungfrau-Wesen Anmut, Charme und eine Liebe zum Schönen hinzu. Sie sind klug und kultiviert, haben einen guten Geschmack und einen ausgeprägten Sinn für Gerechtigkeit. Sie setzen sich mit aller Kraft dafür ein, Ordnung und Harmonie um sich herum zu schaffen. Sie sind hilfsbereit und rücksichtsvoll, und die Menschen mögen Ihre höflichen, sanften Umgangsformen. Manchmal sind Sie vielleicht unentschlossen oder allzu kritisch, doch Ihre Freundlichkeit und Ihr gutes Urteilsvermögen machen Sie zu einem Freund und Partner, dem man vertraut. </translation>
    </message>
    <message>
        <source>You will be loving and adorable with your elegant charm and the intense passion of Scorpio. You will combine the diplomacy of Libra with the depth and determination of Scorpio. You will be attractive and magnetic, and people will find you fascinating. You will be intelligent and perceptive, able to see through surface appearances. You will love deeply and loyally, though you might sometimes be a bit jealous. Your charm, insight and inner strength will help you achieve your goals in life.</source>
        <extracomment>Portrait of someone born in October on the cusp of Libra and Scorpio (one paragraph)</extracomment>
        <translation>Sie sind liebevoll und hinreißend, mit Ihrem eleganten Charme und der tiefen Leidenschaft des Skorpions. Sie verbinden das diplomatische Geschick der Waage mit der Tiefe und Entschlossenheit des Skorpions. Sie sind attraktiv und anziehend, und die Menschen finden Sie faszinierend. Sie sind klug und scharfsinnig und blicken mühelos hinter die Fassade. Sie lieben tief und treu, auch wenn Sie manchmal ein wenig eifersüchtig sind. Ihr Charme, Ihre Einsicht und Ihre innere Stärke helfen Ihnen, Ihre Ziele im Leben zu erreichen.</translation>
    </message>
    <message>
        <source>You will be very resourceful and capable of being a pioneer in any field you choose. You will combine the intensity of Scorpio with the optimism and adventurous spirit of Sagittarius. You will be honest, direct and passionate about your beliefs. You will love freedom and will enjoy travelling and exploring new ideas. You will be brave and determined, and you will not give up easily. At times you might be impatient or rebellious, but your generosity and enthusiasm will win you many loyal friends and help you make a real difference in the world.</source>
        <extracomment>Portrait of someone born in November on the cusp of Scorpio and Sagittarius (one paragraph)</extracomment>
        <translation>Sie sind sehr einfallsreich und können auf jedem Gebiet, das Sie wählen, zum Pionier werden. Sie verbinden die Intensität des Skorpions mit dem Optimismus und der Abenteuerlust des Schützen. Sie sind ehrlich, direkt und stehen leidenschaftlich zu Ihren Überzeugungen. Sie lieben die Freiheit, reisen gern und erkunden neue Gedanken. Sie sind mutig und entschlossen und geben nicht so schnell auf. Manchmal sind Sie ungeduldig oder rebellisch, doch Ihre Großzügigkeit und Begeisterung gewinnen Ihnen viele treue Freunde und helfen Ihnen, in der Welt wirklich etwas zu bewegen.</translation>
    </message>
    <message>
        <source>You will have a combination of the intellectual and adventurousness nature of Sagittarius with the practical ambition of Capricorn. You will be optimistic yet realistic, and you will know how to turn your big dreams into concrete plans. You will be hard working and determined, with a good sense of humour. You will enjoy learning about other cultures and may travel widely. At times you may be too serious or too blunt, but your honesty and loyalty will make you a well respected friend and a natural leader.</source>
        <extracomment>Portrait of someone born in December on the cusp of Sagittarius and Capricorn (one paragraph)</extracomment>
        <translation>In Ihnen verbindet sich das geistvolle, abenteuerlustige Wesen des Schützen mit dem praktischen Ehrgeiz des Steinbocks. Sie sind optimistisch und doch realistisch, und Sie wissen, wie man große Träume in konkrete Pläne verwandelt. Sie arbeiten fleißig und entschlossen und haben einen guten Sinn für Humor. Sie lernen gern andere Kulturen kennen und reisen vielleicht weit herum. Manchmal sind Sie zu ernst oder zu unverblümt, doch Ihre Ehrlichkeit und Treue machen Sie zu einem hoch geschätzten Freund und einer geborenen Führungspersönlichkeit.</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
</context>
<context>
    <name>LuckyNumbers</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two lucky numbers of a sign, e.g. &quot;8 and 9&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>PromoTexts</name>
    <message>
        <source>Our friendly forum is a great place to discuss astrology and esoteric subjects. Visit us at %1!</source>
        <extracomment>%1 is the forum&apos;s address, e.g. forum.solvanta.example</extracomment>
        <translation>Unser freundliches Forum lädt zum Austausch über Astrologie und Esoterik ein. Besuchen Sie uns auf %1!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get a copy of this software fully branded with your name for your own website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software mit Ihrem Namen für Ihre Website.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Add your own name &amp; logo to this program and give it away free to all your visitors, so that they keep coming back to your website again and again.</source>
        <translation>Bieten Sie diese Software unter Ihrer Marke an: mit Ihrem Namen und Logo, kostenlos für alle Ihre Besucher, damit sie immer wieder auf Ihre Website kommen.</translation>
    </message>
    <message>
        <source>Solvanta finds out if you are born in the cusp of two sun signs. If you are not, it tells you which sun sign your birth date belongs to. It also describes the positive and negative traits of each of the twelve sun signs.</source>
        <translation>Solvanta findet heraus, ob Sie am Übergang zwischen zwei Sternzeichen geboren sind. Wenn nicht, sagt es Ihnen, zu welchem Sternzeichen Ihr Geburtsdatum gehört. Außerdem beschreibt es die positiven und negativen Eigenschaften jedes der zwölf Sternzeichen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Brand this software with your name for your site.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr Internetgeschäft und verdienen Sie online Geld. Diese Software mit Ihrem Namen für Ihre Website.</translation>
    </message>
    <message>
        <source>Quillory, such as this can be created and maintained only with your support. It lives thanks to friends like you. The best support you can give is to visit our forum at %1 regularly and join its discussions.</source>
        <extracomment>%1 is the forum&apos;s address; Quillory is the maker&apos;s name</extracomment>
        <translation>Quillory-Software wie diese kann nur mit Ihrer Unterstützung entstehen und weiterentwickelt werden. Sie lebt von Freunden wie Ihnen. Am meisten helfen Sie uns, wenn Sie regelmäßig unser Forum auf %1 besuchen und sich an den Diskussionen beteiligen.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its lively discussions on astrology and related esoteric subjects. Without your regular visits and participation this software cannot be maintained.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>Bitte besuchen Sie regelmäßig %1 und beteiligen Sie sich an den lebhaften Diskussionen über Astrologie und verwandte esoterische Themen. Ohne Ihre regelmäßigen Besuche und Beiträge kann diese Software nicht weiterentwickelt werden.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on astrology, tarot, numerology and many other esoteric subjects. Please visit it regularly and say hi.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 ist ein KOSTENLOSES Online-Diskussionsforum über Astrologie, Tarot, Numerologie und viele andere esoterische Themen. Schauen Sie regelmäßig vorbei und sagen Sie Hallo.</translation>
    </message>
    <message>
        <source>%1 needs your help. This friendly forum lives on the visits and posts of its members. Please visit it regularly, share your views and take part in its discussions on astrology.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 braucht Ihre Hilfe. Dieses freundliche Forum lebt von den Besuchen und Beiträgen seiner Mitglieder. Bitte besuchen Sie es regelmäßig, teilen Sie Ihre Ansichten und diskutieren Sie mit über Astrologie.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other Quillory programs. Our astrology software prepares birth charts, compatibility reports and daily horoscopes in plain language. Our psychic software helps you explore your intuition and inner abilities with simple exercises. The tarot software lets you lay out classic spreads and read the meaning of every card. The numerology software reveals the meaning of the numbers in your name and birth date. Our occult software introduces you to the symbols and traditions of the esoteric world. Each program is easy to use and made for everyone.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, werden Sie sich sicher auch für die anderen Programme von Quillory interessieren. Unsere Astrologie-Software erstellt Geburtshoroskope, Partnerschaftsanalysen und Tageshoroskope in verständlicher Sprache. Unsere Software für übersinnliche Fähigkeiten hilft Ihnen, mit einfachen Übungen Ihre Intuition und Ihre inneren Kräfte zu erkunden. Mit der Tarot-Software legen Sie klassische Legesysteme und lesen die Bedeutung jeder Karte. Die Numerologie-Software enthüllt die Bedeutung der Zahlen in Ihrem Namen und Geburtsdatum. Unsere Okkultismus-Software führt Sie in die Symbole und Überlieferungen der esoterischen Welt ein. Jedes Programm ist einfach zu bedienen und für alle gemacht.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Characteristics of %1</source>
        <extracomment>Caption of the first sign&apos;s panel on a cusp; %1 is the sign&apos;s name</extracomment>
        <translation>Eigenschaften des Sternzeichens %1</translation>
    </message>
    <message>
        <source>Characteristics of  %1</source>
        <extracomment>Caption of the second sign&apos;s panel on a cusp; %1 is the sign&apos;s name. The English has two blanks before it; a translation may have one.</extracomment>
        <translation>Eigenschaften des Sternzeichens %1</translation>
    </message>
    <message>
        <source>Yes! You were born in the Cusp of %1 and %2<byte value="xd"/>
<byte value="xd"/>
You have the Characteristics of both the Signs</source>
        <extracomment>The verdict on a cusp: %1 is the month&apos;s first sign, %2 the second; the line breaks separate two sentences</extracomment>
        <translation>Ja! Sie wurden am Übergang von %1 zu %2 geboren.<byte value="xd"/>
<byte value="xd"/>
Sie haben die Eigenschaften beider Sternzeichen.</translation>
    </message>
    <message>
        <source>No! You were not born in a Cusp</source>
        <translation>Nein! Sie wurden nicht am Übergang zwischen zwei Sternzeichen geboren.</translation>
    </message>
</context>
<context>
    <name>SignTraits</name>
    <message>
        <source>You may be pioneers in your fields and developers of new technologies. You are energetic, courageous and full of vitality, and you love to be the first to try something that nobody has attempted before. You face challenges head on and rarely wait for others to show you the way. Your confidence inspires the people around you, and you are often the one who starts a project or a new adventure. You are honest and direct, and people always know where they stand with you. You recover quickly from setbacks and treat every defeat as a lesson for the next attempt. Your enthusiasm is contagious, your energy is endless, and your generous heart makes you a loyal friend who will stand up for the people you love when they need you.</source>
        <extracomment>Positive traits of Aries (one paragraph)</extracomment>
        <translation>Sie können Vorreiter auf Ihrem Gebiet und Entwickler neuer Technologien sein. Sie sind energiegeladen, mutig und voller Lebenskraft, und Sie lieben es, als Erster etwas zu wagen, das noch niemand versucht hat. Herausforderungen gehen Sie direkt an und warten selten darauf, dass andere Ihnen den Weg zeigen. Ihr Selbstvertrauen begeistert die Menschen um Sie herum, und oft sind Sie es, der ein Vorhaben oder ein neues Abenteuer in Gang bringt. Sie sind ehrlich und direkt, und bei Ihnen weiß man immer, woran man ist. Von Rückschlägen erholen Sie sich schnell, und jede Niederlage ist für Sie eine Lehre für den nächsten Versuch. Ihre Begeisterung ist ansteckend, Ihre Energie scheint grenzenlos, und Ihr großzügiges Herz macht Sie zu einem treuen Freund, der für die Menschen einsteht, die er liebt, wenn sie ihn brauchen.</translation>
    </message>
    <message>
        <source>You are patient and enduring in nature. You are reliable, practical and determined, and once you set your mind on a goal you work steadily until you reach it. You value security and comfort, and you build your life on solid foundations. You have a deep appreciation of beauty, art, music and good food, and you know how to enjoy the simple pleasures of life. You are warm hearted and loyal, and your friends can always count on you in difficult times. You are calm and composed and rarely lose your temper without reason. You have a good sense of money and are usually careful with your savings and assets. Your steady and sensible approach to life makes you a rock for your family, and people feel safe and comfortable in your gentle and kindly presence.</source>
        <extracomment>Positive traits of Taurus (one paragraph)</extracomment>
        <translation>Sie sind von Natur aus geduldig und ausdauernd. Sie sind zuverlässig, praktisch veranlagt und entschlossen, und wenn Sie sich einmal ein Ziel gesetzt haben, arbeiten Sie beharrlich darauf hin, bis Sie es erreichen. Sicherheit und Behaglichkeit sind Ihnen wichtig, und Sie bauen Ihr Leben auf ein solides Fundament. Sie haben einen ausgeprägten Sinn für Schönheit, Kunst, Musik und gutes Essen und wissen die einfachen Freuden des Lebens zu genießen. Sie sind warmherzig und treu, und Ihre Freunde können in schweren Zeiten immer auf Sie zählen. Sie sind ruhig und gelassen und verlieren selten ohne Grund die Beherrschung. Sie haben ein gutes Gespür für Geld und gehen meist umsichtig mit Ihren Ersparnissen und Ihrem Besitz um. Mit Ihrer beständigen, vernünftigen Art sind Sie ein Fels in der Brandung für Ihre Familie, und in Ihrer sanften, freundlichen Gegenwart fühlen sich die Menschen sicher und wohl.</translation>
    </message>
    <message>
        <source>You are very adjusting in nature and have a lot of patience. You are witty, curious and quick to learn, and you can talk about almost any subject with great ease. You love communication in all its forms, whether it is conversation, writing or simply exchanging ideas with friends. Your lively mind is always looking for something new to explore, and you are able to handle several tasks at the same time. You are charming and sociable, and people enjoy your company because you are never dull. You adapt easily to new places and situations, and you can see both sides of any question. Your youthful spirit stays with you throughout life, and your sense of humour brightens the days of everyone around you. You make friends quickly and keep them.</source>
        <extracomment>Positive traits of Gemini (one paragraph)</extracomment>
        <translation>Sie sind sehr anpassungsfähig und haben viel Geduld. Sie sind geistreich, neugierig und lernen schnell, und Sie können sich mühelos über fast jedes Thema unterhalten. Sie lieben Kommunikation in all ihren Formen, ob im Gespräch, beim Schreiben oder einfach im Gedankenaustausch mit Freunden. Ihr lebhafter Geist sucht ständig nach Neuem, das es zu entdecken gilt, und Sie können mehrere Aufgaben gleichzeitig bewältigen. Sie sind charmant und gesellig, und man ist gern mit Ihnen zusammen, denn langweilig wird es mit Ihnen nie. Sie gewöhnen sich leicht an neue Orte und Situationen und können jede Frage von beiden Seiten betrachten. Ihr jugendlicher Geist begleitet Sie ein Leben lang, und Ihr Humor erhellt allen um Sie herum den Tag. Sie finden schnell Freunde und behalten sie.</translation>
    </message>
    <message>
        <source>You are very sensitive in nature and generally soft spoken. You are caring, loving and deeply devoted to your home and family, and you feel happiest when the people you love are safe and content. You have a strong intuition and can often sense what others are feeling before they say a word. You are a wonderful listener, and friends turn to you for comfort and understanding. You have a rich imagination and an excellent memory, especially for the events and emotions of the past. You are very protective of those close to you and will make great sacrifices for them. You are also careful with money and you like to save for the future. Your tenderness and sympathy make you a natural nurturer, and your home is often a warm refuge for others. You are loyal in love and friendship, and once you trust someone you stand by them through every storm and trial of life.</source>
        <extracomment>Positive traits of Cancer (one paragraph)</extracomment>
        <translation>Sie sind von Natur aus sehr empfindsam und sprechen meist mit leiser Stimme. Sie sind fürsorglich, liebevoll und Ihrem Zuhause und Ihrer Familie tief verbunden, und am glücklichsten sind Sie, wenn die Menschen, die Sie lieben, sicher und zufrieden sind. Sie haben eine starke Intuition und spüren oft, was andere fühlen, bevor sie ein Wort sagen. Sie können wunderbar zuhören, und Ihre Freunde suchen bei Ihnen Trost und Verständnis. Sie haben eine reiche Fantasie und ein ausgezeichnetes Gedächtnis, besonders für die Ereignisse und Gefühle der Vergangenheit. Sie beschützen die Menschen, die Ihnen nahestehen, und bringen große Opfer für sie. Sie gehen außerdem sorgsam mit Geld um und legen gern etwas für die Zukunft zurück. Ihre Zärtlichkeit und Ihr Mitgefühl machen Sie zu einem Menschen, der andere ganz selbstverständlich umsorgt, und Ihr Zuhause ist für andere oft ein warmer Zufluchtsort. Sie sind treu in Liebe und Freundschaft, und wenn Sie jemandem einmal vertrauen, stehen Sie ihm in jedem Sturm und jeder Prüfung des Lebens bei.</translation>
    </message>
    <message>
        <source>You are very modest by nature. You are practical, hard working and methodical, and you pay great attention to detail in everything you do. You have a sharp, analytical mind and can solve problems that others find too difficult. You are reliable and helpful, and you find real satisfaction in being of service to others. You value health, order and cleanliness, and you often know a great deal about diet and wellbeing. Your quiet intelligence, honesty and devotion to duty make you a trusted friend and colleague.</source>
        <extracomment>Positive traits of Virgo (one paragraph)</extracomment>
        <translation>Sie sind von Natur aus sehr bescheiden. Sie sind praktisch veranlagt, fleißig und methodisch, und bei allem, was Sie tun, achten Sie sehr auf Details. Sie haben einen scharfen, analytischen Verstand und lösen Probleme, die anderen zu schwierig erscheinen. Sie sind zuverlässig und hilfsbereit, und es erfüllt Sie wirklich, anderen zu Diensten zu sein. Gesundheit, Ordnung und Sauberkeit sind Ihnen wichtig, und oft wissen Sie viel über Ernährung und Wohlbefinden. Ihre stille Klugheit, Ihre Ehrlichkeit und Ihr Pflichtbewusstsein machen Sie zu einem Freund und Kollegen, dem man vertraut.</translation>
    </message>
    <message>
        <source>You are highly diplomatic individuals. You have a natural sense of fairness and justice, and you always try to see both sides of a question before you form an opinion. You are charming, graceful and sociable, and you make friends wherever you go. You love beauty and harmony in all its forms, and you often have a refined taste in art, music and design. You are a wonderful partner, because you value relationships and work hard to keep the peace between people. You are kind, gentle and considerate, and you dislike quarrels. Your ability to bring people together makes you an excellent mediator and peacemaker. Your warm smile and easy manners win many hearts, and you bring balance and elegance to every situation.</source>
        <extracomment>Positive traits of Libra (one paragraph)</extracomment>
        <translation>Sie sind ausgesprochen diplomatisch. Sie haben einen natürlichen Sinn für Fairness und Gerechtigkeit und versuchen immer, beide Seiten einer Frage zu sehen, bevor Sie sich eine Meinung bilden. Sie sind charmant, anmutig und gesellig und finden überall Freunde. Sie lieben Schönheit und Harmonie in all ihren Formen und haben oft einen feinen Geschmack für Kunst, Musik und Gestaltung. Sie sind ein wunderbarer Partner, denn Beziehungen bedeuten Ihnen viel, und Sie setzen sich dafür ein, den Frieden zwischen Menschen zu wahren. Sie sind freundlich, sanft und rücksichtsvoll, und Streit ist Ihnen zuwider. Weil Sie Menschen zusammenbringen können, sind Sie ein ausgezeichneter Vermittler und Friedensstifter. Ihr warmes Lächeln und Ihre ungezwungene Art gewinnen viele Herzen, und Sie bringen Ausgewogenheit und Eleganz in jede Lage.</translation>
    </message>
    <message>
        <source>You are intense and strong willed people with great depth of feeling. You are passionate, determined and resourceful, and you rarely give up once you have chosen a goal. You have a powerful intuition and can see through pretence and uncover hidden truths. You are loyal and devoted to those you love, and your friendship, once won, lasts for life. You are brave in the face of difficulty and have a remarkable ability to rebuild your life after a crisis. You are discreet and can keep secrets well, which makes people trust you. Your magnetic presence and quiet strength attract others, and your focus and courage allow you to transform yourself and the world around you in lasting and meaningful ways.</source>
        <extracomment>Positive traits of Scorpio (one paragraph)</extracomment>
        <translation>Sie sind intensive, willensstarke Menschen mit großer Tiefe des Gefühls. Sie sind leidenschaftlich, entschlossen und einfallsreich und geben selten auf, wenn Sie sich einmal ein Ziel gesetzt haben. Sie haben eine starke Intuition, durchschauen Verstellung und decken verborgene Wahrheiten auf. Sie sind den Menschen, die Sie lieben, treu ergeben, und Ihre Freundschaft hält, einmal gewonnen, ein Leben lang. Schwierigkeiten begegnen Sie mit Mut, und nach einer Krise können Sie Ihr Leben auf bemerkenswerte Weise neu aufbauen. Sie sind verschwiegen und können Geheimnisse gut bewahren, darum vertrauen Ihnen die Menschen. Ihre anziehende Ausstrahlung und Ihre stille Stärke ziehen andere an, und mit Ihrer Zielstrebigkeit und Ihrem Mut können Sie sich selbst und die Welt um Sie herum dauerhaft und tiefgreifend verändern.</translation>
    </message>
    <message>
        <source>You are a happy go lucky lot with a very positive outlook towards life. You are optimistic, cheerful and adventurous, and you love freedom more than almost anything else. You have a restless curiosity about the world and enjoy travelling, meeting new people and learning about different cultures and beliefs. You are honest and straightforward, and you have a great sense of humour that makes you popular wherever you go. You have a philosophical mind and like to think about the big questions of life, religion and meaning. You are generous, open minded and tolerant, and you are always ready to give others a second chance. Your enthusiasm is infectious, and you inspire people to dream even bigger. You are also a good teacher, and friends value your wise advice. Your faith in the future helps you bounce back fast from disappointments and keep moving forward with hope.</source>
        <extracomment>Positive traits of Sagittarius (one paragraph)</extracomment>
        <translation>Sie sind unbeschwerte Frohnaturen mit einer sehr positiven Einstellung zum Leben. Sie sind optimistisch, fröhlich und abenteuerlustig, und Sie lieben die Freiheit mehr als fast alles andere. Sie sind voller Neugier auf die Welt und reisen gern, lernen gern neue Menschen kennen und erfahren gern mehr über andere Kulturen und Glaubensrichtungen. Sie sind ehrlich und geradlinig und haben einen großartigen Humor, der Sie überall beliebt macht. Sie haben einen philosophischen Geist und denken gern über die großen Fragen des Lebens, des Glaubens und des Sinns nach. Sie sind großzügig, aufgeschlossen und tolerant und jederzeit bereit, anderen eine zweite Chance zu geben. Ihre Begeisterung steckt an, und Sie ermutigen die Menschen, noch größer zu träumen. Sie sind auch ein guter Lehrer, und Ihre Freunde schätzen Ihren weisen Rat. Ihr Vertrauen in die Zukunft hilft Ihnen, sich von Enttäuschungen schnell zu erholen und voller Hoffnung weiterzugehen.</translation>
    </message>
    <message>
        <source>You are people with a traditional frame of mind. You are responsible, disciplined and ambitious, and you are ready to work hard and wait patiently for success. You are practical and realistic, and you plan carefully before you act. You have great respect for order, rules and tradition, and people trust you with important tasks. You are loyal to your family and take your duties seriously. You have a dry sense of humour that surprises those who think you are always serious. You are good at managing money and resources, and you often rise to positions of authority through steady effort. Your persistence, reliability and quiet strength make you a pillar of support for others, and your achievements grow steadily with the years.</source>
        <extracomment>Positive traits of Capricorn (one paragraph)</extracomment>
        <translation>Sie sind Menschen mit einer traditionellen Denkweise. Sie sind verantwortungsbewusst, diszipliniert und ehrgeizig, und Sie sind bereit, hart zu arbeiten und geduldig auf den Erfolg zu warten. Sie sind praktisch veranlagt und realistisch und planen sorgfältig, bevor Sie handeln. Sie haben großen Respekt vor Ordnung, Regeln und Tradition, und man vertraut Ihnen wichtige Aufgaben an. Sie sind Ihrer Familie treu und nehmen Ihre Pflichten ernst. Ihr trockener Humor überrascht alle, die glauben, Sie seien immer ernst. Sie können gut mit Geld und Mitteln haushalten und steigen durch stetigen Einsatz oft in verantwortungsvolle Positionen auf. Ihre Beharrlichkeit, Ihre Zuverlässigkeit und Ihre stille Stärke machen Sie zu einer Stütze für andere, und Ihre Erfolge wachsen mit den Jahren stetig.</translation>
    </message>
    <message>
        <source>You are magnetic in nature and people get attracted to your personality. You are original, independent and inventive, and you often think far ahead of your time. You have a strong humanitarian spirit and care deeply about the welfare of society and the future of the world. You are friendly and tolerant, and you accept people from all walks of life without prejudice. You love new ideas, science and technology, and you are happiest when you can explore unusual paths. You value your freedom and fully respect the freedom of others. You are loyal to your ideals and to your friends, and you work well in groups that share a common cause. Your brilliant mind and unique vision make you a natural reformer who can inspire real and lasting social progress.</source>
        <extracomment>Positive traits of Aquarius (one paragraph)</extracomment>
        <translation>Sie haben eine anziehende Ausstrahlung, und Ihre Persönlichkeit zieht die Menschen an. Sie sind originell, unabhängig und erfinderisch, und oft sind Sie mit Ihren Gedanken Ihrer Zeit weit voraus. Sie haben einen ausgeprägten humanitären Geist, und das Wohl der Gesellschaft und die Zukunft der Welt liegen Ihnen sehr am Herzen. Sie sind freundlich und tolerant und nehmen Menschen aus allen Lebensbereichen ohne Vorurteile an. Sie lieben neue Ideen, Wissenschaft und Technik und sind am glücklichsten, wenn Sie ungewöhnliche Wege erkunden können. Ihre Freiheit ist Ihnen kostbar, und die Freiheit anderer achten Sie uneingeschränkt. Sie sind Ihren Idealen und Ihren Freunden treu und arbeiten gut in Gruppen, die ein gemeinsames Anliegen verfolgen. Ihr brillanter Verstand und Ihre einzigartige Weitsicht machen Sie zu einem geborenen Reformer, der echten und dauerhaften gesellschaftlichen Fortschritt anstoßen kann.</translation>
    </message>
    <message>
        <source>You are very adjusting, friendly and good- natured people. You are compassionate, gentle and deeply intuitive, and you feel the joys and sorrows of others as if they were your own. You have a vivid imagination and a strong artistic or musical talent. You are kind and generous, and you are always ready to help those in need without asking for anything in return. You are romantic and devoted in love, and you always see the best in people. You have a spiritual nature and are often drawn to mysticism, dreams and the hidden side of life. Your sensitivity, patience and understanding make you a wonderful friend, and your creative gifts can bring beauty and healing into the world.</source>
        <extracomment>Positive traits of Pisces (one paragraph)</extracomment>
        <translation>Sie sind sehr anpassungsfähige, freundliche und gutmütige Menschen. Sie sind mitfühlend, sanft und sehr intuitiv, und Sie empfinden die Freuden und Sorgen anderer, als wären es Ihre eigenen. Sie haben eine lebhafte Fantasie und eine ausgeprägte künstlerische oder musikalische Begabung. Sie sind gütig und großzügig und immer bereit, Menschen in Not zu helfen, ohne etwas dafür zu verlangen. In der Liebe sind Sie romantisch und hingebungsvoll, und Sie sehen in jedem Menschen das Beste. Sie haben ein spirituelles Wesen und fühlen sich oft zu Mystik, Träumen und der verborgenen Seite des Lebens hingezogen. Ihre Feinfühligkeit, Geduld und Ihr Verständnis machen Sie zu einem wunderbaren Freund, und Ihre schöpferischen Gaben können Schönheit und Heilung in die Welt bringen.</translation>
    </message>
    <message>
        <source>You may be arrogant and domineering. You like to get your way and can become impatient when others do not move as fast as you do. Your quick temper may flare up over small matters, and you sometimes speak before you think, hurting people without meaning to. You tend to start many projects with great zeal but lose interest once the excitement fades, leaving the work to others. You can be selfish in your pursuit of your goals and may overlook the feelings of those around you. Learning patience, listening more closely and respecting the views of others will help you turn your fire into real strength.</source>
        <extracomment>Negative traits of Aries (one paragraph)</extracomment>
        <translation>Sie können überheblich und herrisch sein. Sie setzen gern Ihren Willen durch und werden ungeduldig, wenn andere nicht so schnell vorankommen wie Sie. Ihr aufbrausendes Temperament kann sich an Kleinigkeiten entzünden, und manchmal reden Sie, bevor Sie nachdenken, und verletzen Menschen, ohne es zu wollen. Sie beginnen oft viele Vorhaben mit großem Eifer, verlieren aber das Interesse, sobald der Reiz verflogen ist, und überlassen die Arbeit anderen. Beim Verfolgen Ihrer Ziele können Sie selbstsüchtig sein und die Gefühle der Menschen um Sie herum übersehen. Wenn Sie Geduld lernen, genauer zuhören und die Ansichten anderer achten, wird Ihr Feuer zu echter Stärke.</translation>
    </message>
    <message>
        <source>You are very stubborn and inflexible. Once you have made up your mind, it is very hard for anyone to change it, even when change would be good for you. You can be possessive about the people and things you love, and jealousy may creep into your relationships. You sometimes resist new ideas simply because they are unfamiliar, and your love of comfort may make you lazy or too fond of indulgence and ease.</source>
        <extracomment>Negative traits of Taurus (one paragraph)</extracomment>
        <translation>Sie sind sehr stur und unnachgiebig. Wenn Sie sich einmal entschieden haben, kann kaum jemand Sie umstimmen, selbst wenn eine Veränderung Ihnen guttun würde. Bei Menschen und Dingen, die Sie lieben, können Sie besitzergreifend sein, und in Ihre Beziehungen schleicht sich leicht Eifersucht ein. Manchmal lehnen Sie neue Ideen allein deshalb ab, weil sie Ihnen fremd sind, und Ihre Liebe zur Bequemlichkeit kann Sie träge machen oder allzu sehr zu Genuss und Müßiggang verleiten.</translation>
    </message>
    <message>
        <source>You are inconsistent in your performance. Your interest may shift quickly from one thing to another, and you may leave tasks unfinished when something more exciting comes along. You can be restless and nervous, and you sometimes find it hard to sit still or to concentrate for long. Your changing moods can confuse the people around you, and you may appear superficial or unreliable to those who do not know you well. You may also be tempted to bend the truth a little when it suits you, and you can be too critical of others.</source>
        <extracomment>Negative traits of Gemini (one paragraph)</extracomment>
        <translation>Ihre Leistungen sind unbeständig. Ihr Interesse springt leicht von einer Sache zur nächsten, und Sie lassen Aufgaben womöglich unerledigt, sobald etwas Spannenderes auftaucht. Sie können rastlos und nervös sein, und manchmal fällt es Ihnen schwer, still zu sitzen oder sich lange zu konzentrieren. Ihre wechselnden Stimmungen können die Menschen um Sie herum verwirren, und wer Sie nicht gut kennt, hält Sie vielleicht für oberflächlich oder unzuverlässig. Mitunter sind Sie auch versucht, es mit der Wahrheit nicht ganz so genau zu nehmen, wenn es Ihnen gelegen kommt, und Sie können andere zu scharf kritisieren.</translation>
    </message>
    <message>
        <source>You are unstable and very unreliable. Your moods change like the phases of the moon, and people may find it hard to know how you will react from one day to the next. You can be very touchy and may take offence at remarks that were never meant to hurt you. When you feel hurt, you tend to withdraw into your shell and sulk instead of talking openly about the problem. You may cling to the past and to old grievances, and you can be overly possessive of the people you love. Your fear of rejection sometimes makes you manipulative or self pitying, and you may worry far more than is good for your peace of mind.</source>
        <extracomment>Negative traits of Cancer (one paragraph)</extracomment>
        <translation>Sie sind unbeständig und sehr unzuverlässig. Ihre Stimmungen wechseln wie die Phasen des Mondes, und die Menschen wissen oft nicht, wie Sie von einem Tag auf den anderen reagieren werden. Sie können sehr empfindlich sein und Bemerkungen übel nehmen, die gar nicht verletzend gemeint waren. Wenn Sie gekränkt sind, ziehen Sie sich gern in Ihr Schneckenhaus zurück und schmollen, statt offen über das Problem zu sprechen. Sie klammern sich mitunter an die Vergangenheit und an alte Kränkungen, und gegenüber den Menschen, die Sie lieben, können Sie übermäßig besitzergreifend sein. Die Angst vor Zurückweisung macht Sie manchmal berechnend oder selbstmitleidig, und Sie sorgen sich womöglich weit mehr, als Ihrem Seelenfrieden guttut.</translation>
    </message>
    <message>
        <source>You have a violent temper. When your pride is wounded, you can react with anger that surprises everyone around you. You love attention and admiration, and you may feel hurt or neglected when you do not receive them. You can be vain and self centred, and you sometimes expect others to follow your lead without question. Your wish to be in control may make you bossy or overbearing, especially when others disagree with you. You may also be extravagant with money, spending freely to impress people or to enjoy luxury. Learning humility and accepting that others also deserve the spotlight will help you become the wise leader you are meant to be.</source>
        <translation>Sie haben ein heftiges Temperament. Wenn Ihr Stolz verletzt ist, können Sie mit einem Zorn reagieren, der alle um Sie herum überrascht. Sie lieben Aufmerksamkeit und Bewunderung und fühlen sich verletzt oder übergangen, wenn sie ausbleiben. Sie können eitel und selbstbezogen sein und erwarten manchmal, dass andere Ihnen ohne Widerspruch folgen. Ihr Wunsch, die Kontrolle zu behalten, kann Sie herrisch oder anmaßend machen, vor allem wenn andere anderer Meinung sind. Mit Geld gehen Sie womöglich verschwenderisch um und geben es großzügig aus, um Eindruck zu machen oder Luxus zu genießen. Wenn Sie Demut lernen und akzeptieren, dass auch andere das Rampenlicht verdienen, werden Sie zu der weisen Führungspersönlichkeit, die in Ihnen steckt.</translation>
    </message>
    <message>
        <source>Your need for neatness may make them fussy and finicky. You can be overly critical of yourself and of others, and you may find fault where none really exists. You tend to worry a lot about small things, which can make you tense, anxious and nervous. Your high standards sometimes make it hard for you to relax and truly enjoy life.</source>
        <extracomment>Negative traits of Virgo (one paragraph)</extracomment>
        <translation>Ihr Bedürfnis nach Ordnung kann Sie pingelig und kleinlich machen. Sie können sich selbst und andere übermäßig kritisieren und finden womöglich Fehler, wo gar keine sind. Sie neigen dazu, sich über Kleinigkeiten viele Sorgen zu machen, was Sie angespannt, ängstlich und nervös machen kann. Ihre hohen Ansprüche machen es Ihnen manchmal schwer, sich zu entspannen und das Leben wirklich zu genießen.</translation>
    </message>
    <message>
        <source>You cannot take make decisions for themselves. You weigh each option so carefully that you may end up not choosing at all, letting good chances slip away. Your wish to please everyone can make you seem insincere, and you may avoid necessary conflicts at any cost. You can also be a bit vain and fond of luxury, and you may lean too much on others for your happiness.</source>
        <extracomment>Negative traits of Libra (one paragraph)</extracomment>
        <translation>Es fällt Ihnen schwer, Entscheidungen selbst zu treffen. Sie wägen jede Möglichkeit so sorgfältig ab, dass Sie sich am Ende vielleicht gar nicht entscheiden und gute Gelegenheiten verstreichen lassen. Ihr Wunsch, es allen recht zu machen, kann Sie unaufrichtig wirken lassen, und notwendigen Auseinandersetzungen gehen Sie womöglich um jeden Preis aus dem Weg. Sie können auch ein wenig eitel und dem Luxus zugetan sein, und für Ihr Glück verlassen Sie sich vielleicht zu sehr auf andere.</translation>
    </message>
    <message>
        <source>You have a very short temper. When you feel hurt or betrayed, you can become resentful and even quite vengeful, and you do not easily forgive or forget. You may be jealous and possessive in your relationships, and you sometimes demand complete loyalty while keeping your own feelings hidden. Your secretive nature can make others feel shut out, and your suspicion may lead you to see threats where none exist. You can be stubborn and manipulative when you want to get your way, and your intensity may sometimes overwhelm gentler people.</source>
        <extracomment>Negative traits of Scorpio (one paragraph)</extracomment>
        <translation>Sie sind sehr jähzornig. Wenn Sie sich verletzt oder verraten fühlen, können Sie nachtragend und sogar recht rachsüchtig werden, und Sie vergeben und vergessen nicht leicht. In Beziehungen sind Sie mitunter eifersüchtig und besitzergreifend, und manchmal verlangen Sie völlige Treue, während Sie Ihre eigenen Gefühle verbergen. Ihre Verschlossenheit kann anderen das Gefühl geben, ausgeschlossen zu sein, und Ihr Misstrauen lässt Sie womöglich Gefahren sehen, wo keine sind. Wenn Sie Ihren Willen durchsetzen wollen, können Sie stur und berechnend sein, und Ihre Intensität überfordert manchmal sanftere Menschen.</translation>
    </message>
    <message>
        <source>You may be too outspoken for your own good. Your blunt honesty can hurt people even when you mean well. You may be restless and careless, promising more than you can deliver and dropping commitments when something more exciting appears. You can be impatient with routine and details, and your love of freedom may make you seem unreliable. A touch more tact would help you a lot.</source>
        <extracomment>Negative traits of Sagittarius (one paragraph)</extracomment>
        <translation>Sie sind womöglich zu freimütig, als dass es Ihnen guttäte. Ihre unverblümte Ehrlichkeit kann Menschen verletzen, auch wenn Sie es gut meinen. Sie sind mitunter rastlos und leichtsinnig, versprechen mehr, als Sie halten können, und lassen Verpflichtungen fallen, sobald etwas Spannenderes auftaucht. Routine und Einzelheiten machen Sie ungeduldig, und Ihre Freiheitsliebe kann Sie unzuverlässig erscheinen lassen. Ein wenig mehr Taktgefühl würde Ihnen sehr helfen.</translation>
    </message>
    <message>
        <source>You are very rigid in nature and not susceptible to changes. You may cling to old habits and methods even when they no longer work well. You can be pessimistic and tend to expect the worst, which may make you gloomy or quite anxious. Your strong ambition may turn into a cold focus on status and success, leaving little room for fun and feelings. You sometimes find it hard to show your emotions, and others may see you as distant or unfriendly. You can also be too demanding of yourself and of those around you, and you may judge others too harshly.</source>
        <extracomment>Negative traits of Capricorn (one paragraph)</extracomment>
        <translation>Sie sind von Natur aus sehr starr und wenig offen für Veränderungen. Sie halten womöglich an alten Gewohnheiten und Methoden fest, auch wenn sie nicht mehr gut funktionieren. Sie können pessimistisch sein und rechnen eher mit dem Schlimmsten, was Sie trübsinnig oder recht ängstlich machen kann. Ihr starker Ehrgeiz kann in einen kühlen Blick allein auf Ansehen und Erfolg umschlagen, der wenig Raum für Vergnügen und Gefühle lässt. Manchmal fällt es Ihnen schwer, Ihre Gefühle zu zeigen, und andere halten Sie womöglich für distanziert oder unfreundlich. Sie können auch zu viel von sich selbst und von Ihrer Umgebung verlangen und andere zu streng beurteilen.</translation>
    </message>
    <message>
        <source>You do not make friends very easily inspite of your extrovert nature. You may keep people at a distance and rarely show your deepest feelings, which can make you seem cool or detached. You can be stubborn about your opinions and may refuse to listen once you believe you are right. Your love of independence may make you unpredictable, and you might rebel against rules simply for the sake of rebelling. You sometimes care more about humanity as a whole than about the individuals close to you. You can also be tactless and eccentric, and your need to be different may puzzle others. Letting people come closer to your heart will enrich your life greatly.</source>
        <extracomment>Negative traits of Aquarius (one paragraph)</extracomment>
        <translation>Trotz Ihrer extrovertierten Art schließen Sie nicht so leicht Freundschaften. Sie halten Menschen womöglich auf Abstand und zeigen selten Ihre tiefsten Gefühle, wodurch Sie kühl oder unnahbar wirken können. Bei Ihren Meinungen können Sie stur sein und nicht mehr zuhören, sobald Sie glauben, recht zu haben. Ihre Liebe zur Unabhängigkeit kann Sie unberechenbar machen, und mitunter lehnen Sie sich gegen Regeln auf, nur um zu rebellieren. Manchmal liegt Ihnen die Menschheit als Ganzes mehr am Herzen als die Menschen in Ihrer Nähe. Sie können auch taktlos und exzentrisch sein, und Ihr Bedürfnis, anders zu sein, kann andere verwirren. Wenn Sie Menschen näher an Ihr Herz heranlassen, wird Ihr Leben viel reicher.</translation>
    </message>
    <message>
        <source>You want people to sympathize with your personal problems. You can be oversensitive and easily hurt, and you might escape into daydreams when reality becomes difficult. You sometimes find it hard to say no, which can let others take advantage of your kindness. You can be indecisive and vague, and you may lack the discipline to turn your wonderful dreams into reality. Trusting yourself more will help you greatly.</source>
        <extracomment>Negative traits of Pisces (one paragraph)</extracomment>
        <translation>Sie wünschen sich, dass andere an Ihren persönlichen Sorgen Anteil nehmen. Sie können überempfindlich und leicht verletzlich sein und flüchten sich vielleicht in Tagträume, wenn die Wirklichkeit schwierig wird. Manchmal fällt es Ihnen schwer, Nein zu sagen, und andere können Ihre Güte ausnutzen. Sie können unentschlossen und unklar sein, und vielleicht fehlt Ihnen die Disziplin, Ihre wunderbaren Träume Wirklichkeit werden zu lassen. Wenn Sie sich selbst mehr vertrauen, wird Ihnen das sehr helfen.</translation>
    </message>
    <message>
        <source>You are leaders and have a magnetic personality.You are assertive and confident, and you take charge naturally whenever a group needs direction. You are generous and warm hearted, and you enjoy sharing your success with the people you love. Your enthusiasm and creativity light up every room you enter, and others feel drawn to your sunny nature. You have a flair for drama and love to be in the spotlight, where you shine with great style. You are loyal and protective towards your friends and family, and you will defend them with courage. You have high ideals and a strong sense of honour, and you expect the same from others. You are ambitious and hard working, and you aim for the top in whatever you do. Your optimism helps you overcome obstacles that would discourage others. </source>
        <extracomment>Positive traits of Leo, first passage; the second passage follows it directly</extracomment>
        <translation>Sie sind Führungspersönlichkeiten mit einer anziehenden Ausstrahlung. Sie sind durchsetzungsstark und selbstbewusst und übernehmen ganz natürlich die Führung, wann immer eine Gruppe Orientierung braucht. Sie sind großzügig und warmherzig und teilen Ihren Erfolg gern mit den Menschen, die Sie lieben. Ihre Begeisterung und Kreativität erhellen jeden Raum, den Sie betreten, und andere fühlen sich von Ihrem sonnigen Wesen angezogen. Sie haben einen Hang zum Dramatischen und stehen gern im Rampenlicht, wo Sie mit viel Stil glänzen. Ihren Freunden und Ihrer Familie gegenüber sind Sie treu und beschützend, und Sie verteidigen sie mit Mut. Sie haben hohe Ideale und einen ausgeprägten Sinn für Ehre, und Sie erwarten dasselbe von anderen. Sie sind ehrgeizig und fleißig und wollen in allem, was Sie tun, ganz nach oben. Ihr Optimismus hilft Ihnen, Hindernisse zu überwinden, die andere entmutigen würden. </translation>
    </message>
    <message>
        <source>You have a proud and dignified presence that earns respect wherever you go. You are playful, affectionate and romantic at heart, and your big heart and cheerful spirits make life more joyful for everyone around you.</source>
        <extracomment>Positive traits of Leo, second passage, continuing the first</extracomment>
        <translation>Ihre stolze und würdevolle Erscheinung verschafft Ihnen überall Respekt. Im Herzen sind Sie verspielt, zärtlich und romantisch, und Ihr großes Herz und Ihre Fröhlichkeit machen das Leben für alle um Sie herum schöner.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Bitte geben Sie Ihren Vornamen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Bitte geben Sie Ihren Nachnamen ein.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Bitte geben Sie den Tag Ihrer Geburt an.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Bitte geben Sie Ihren Geburtsmonat an.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Bitte geben Sie Ihr Geburtsjahr an.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>February has no such day in that year</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Day 31 of a month of 30 days (the English has a blank before the &quot;!&quot;)</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein.</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
</TS>
