<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Birthstones</name>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perla</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubí</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Zafiro</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Ópalo</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aguamarina</translation>
    </message>
</context>
<context>
    <name>CompatibleSigns</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two signs that go well with a sign, e.g. &quot;Leo and Sagittarius&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>CuspTexts</name>
    <message>
        <source>You will be responsible and traditional in your thoughts and ideas. At the same time, the inventive spirit of Aquarius will give you an original and independent mind. You will respect the wisdom of the past while dreaming about the future, and this mix can make you a truly practical visionary. You will work hard and patiently toward your goals, yet you will not be afraid to try new and unusual methods. You will be loyal to your friends and dedicated to your family, though you may hide your feelings behind a calm and serious face. You will value your freedom and might dislike being told what to do. Your energy and determination can help you achieve great things, and your friends will admire your ability to combine common sense with bright new ideas.</source>
        <extracomment>Portrait of someone born in January on the cusp of Capricorn and Aquarius (one paragraph)</extracomment>
        <translation>Eres responsable y tradicional en tus pensamientos y tus ideas. Al mismo tiempo, el espíritu inventivo de Acuario te da una mente original e independiente. Respetas la sabiduría del pasado mientras sueñas con el futuro, y esta mezcla puede convertirte en un auténtico visionario con los pies en la tierra. Trabajas con empeño y paciencia para alcanzar tus metas, pero no temes probar métodos nuevos y poco habituales. Eres leal con tus amigos y te entregas a tu familia, aunque a veces escondas tus sentimientos tras un rostro sereno y serio. Valoras tu libertad y no te gusta que te digan lo que tienes que hacer. Tu energía y tu determinación pueden llevarte a lograr grandes cosas, y tus amigos admiran tu capacidad de unir el sentido común con ideas nuevas y brillantes.</translation>
    </message>
    <message>
        <source>You will have your own set of ideals and values. You will combine the original mind of Aquarius with the gentle imagination of Pisces. You will be kind, tolerant and deeply caring about humanity, and you might feel called to help others. You will be creative and artistic, with a strong and reliable intuition. At times you may seem dreamy or detached, but your compassion and vision will make you a quiet, wise and inspiring friend.</source>
        <extracomment>Portrait of someone born in February on the cusp of Aquarius and Pisces (one paragraph)</extracomment>
        <translation>Tienes tus propios ideales y valores. Unes la mente original de Acuario con la dulce imaginación de Piscis. Eres bondadoso, tolerante y te preocupas profundamente por la humanidad, y quizá sientas la vocación de ayudar a los demás. Eres creativo y artístico, con una intuición fuerte y fiable. A veces pareces soñador o distante, pero tu compasión y tu visión hacen de ti un amigo tranquilo, sabio e inspirador.</translation>
    </message>
    <message>
        <source>You will be very complex to understand. You will be quiet and dreamy like Pisces one moment, then bold and daring like Aries the next. You will combine deep sensitivity with a strong will to act, and this mix makes you both a visionary and a doer. You will be imaginative and intuitive, yet always ready to fight for what you believe in. Learning to balance your dreams with your drive will help you turn your many ideas into real and lasting success.</source>
        <extracomment>Portrait of someone born in March on the cusp of Pisces and Aries (one paragraph)</extracomment>
        <translation>Eres una persona muy compleja de entender. En un momento eres tranquilo y soñador como Piscis y, al siguiente, audaz y atrevido como Aries. Unes una profunda sensibilidad con una fuerte voluntad de actuar, y esta mezcla te convierte a la vez en un visionario y en un emprendedor. Eres imaginativo e intuitivo, pero siempre estás dispuesto a luchar por aquello en lo que crees. Aprender a equilibrar tus sueños con tu empuje te ayudará a convertir tus muchas ideas en un éxito real y duradero.</translation>
    </message>
    <message>
        <source>The bold and loud Aries will have a quiet and practical side that comes from Taurus. You will have the energy and courage of Aries combined with the patience and determination of Taurus. You will be a natural leader who can not only start projects but also see them through to the end. You will be strong willed, ambitious and very focused on your goals. You will enjoy the good things of life and work hard to acquire them. At times you may be stubborn or forceful, but your loyalty and generosity will win you many friends. You will be a powerful and dependable force in the lives of others.</source>
        <extracomment>Portrait of someone born in April on the cusp of Aries and Taurus (one paragraph)</extracomment>
        <translation>En ti, el Aries audaz y ruidoso tiene un lado tranquilo y práctico que le viene de Tauro. Tienes la energía y el valor de Aries unidos a la paciencia y la determinación de Tauro. Eres un líder nato, capaz no solo de poner en marcha proyectos, sino también de llevarlos hasta el final. Tienes una gran fuerza de voluntad, eres ambicioso y te concentras mucho en tus metas. Disfrutas de las cosas buenas de la vida y trabajas duro para conseguirlas. A veces puedes ser terco o impetuoso, pero tu lealtad y tu generosidad te ganan muchos amigos. Eres una fuerza poderosa y fiable en la vida de los demás.</translation>
    </message>
    <message>
        <source>The silent and stubborn Taurus will be more intellectual and talkative with the influence of Gemini. You will combine the practical good sense of Taurus with the curiosity and wit of Gemini. You will be a good communicator, able to express your ideas clearly and persuasively. You will enjoy learning and may have many different interests. You will be more adaptable than a typical Taurus, yet more steady than a typical Gemini. You will love comfort and beauty as well as lively conversation. At times you may be restless or stubborn, but your charm and energy will attract friends. </source>
        <extracomment>Portrait of someone born in May on the cusp of Taurus and Gemini (one paragraph)</extracomment>
        <translation>El Tauro callado y terco se vuelve más intelectual y hablador con la influencia de Géminis. Unes el sentido práctico de Tauro con la curiosidad y el ingenio de Géminis. Sabes comunicarte y expresar tus ideas con claridad y poder de convicción. Te gusta aprender y puedes tener muchos intereses distintos. Eres más adaptable que un Tauro típico y, a la vez, más constante que un Géminis típico. Te encantan la comodidad y la belleza tanto como una conversación animada. A veces puedes ser inquieto o terco, pero tu encanto y tu energía atraen amigos. </translation>
    </message>
    <message>
        <source>This cusp is a great combination of logic and emotions. You will have the quick mind of Gemini and the warm heart of Cancer. You will be sociable and curious, yet deeply caring towards your family and friends. You will be able to understand people both with your reasoning and with your intuition. You will be a good listener and a charming speaker. Your moods may change quickly, and you may swing between restlessness and a need for safety. Your sensitivity and wit will make you a delightful companion loved by many people.</source>
        <extracomment>Portrait of someone born in June on the cusp of Gemini and Cancer (one paragraph)</extracomment>
        <translation>Esta cúspide es una gran combinación de lógica y emociones. Tienes la mente ágil de Géminis y el corazón cálido de Cáncer. Eres sociable y curioso, pero también te preocupas profundamente por tu familia y tus amigos. Sabes entender a las personas tanto con la razón como con la intuición. Sabes escuchar y eres un conversador encantador. Tu estado de ánimo puede cambiar con rapidez, y quizá oscilas entre la inquietud y la necesidad de seguridad. Tu sensibilidad y tu ingenio hacen de ti una compañía maravillosa a la que mucha gente aprecia.</translation>
    </message>
    <message>
        <source>This cusp has the combined energies of the moody and sensitive Cancer and the proud and confident Leo. You will be warm, caring and affectionate, yet also outgoing and full of life. You will love your family deeply and enjoy entertaining friends in your home. You will be creative and expressive, with a natural talent for drama or art. Your feelings will run deep, and you may be easily hurt if you feel unappreciated. You will be loyal and protective, and you will make a generous and faithful friend. Balancing your need for security with your love of the spotlight will bring you great happiness.</source>
        <extracomment>Portrait of someone born in July on the cusp of Cancer and Leo (one paragraph)</extracomment>
        <translation>Esta cúspide reúne las energías del Cáncer temperamental y sensible y del Leo orgulloso y seguro de sí mismo. Eres cálido, atento y cariñoso, pero también extrovertido y lleno de vida. Quieres profundamente a tu familia y disfrutas recibiendo a tus amigos en casa. Eres creativo y expresivo, con un talento natural para el teatro o el arte. Tus sentimientos son profundos, y pueden herirte con facilidad si no te sientes valorado. Eres leal y protector, y un amigo generoso y fiel. Equilibrar tu necesidad de seguridad con tu gusto por ser el centro de atención te dará una gran felicidad.</translation>
    </message>
    <message>
        <source>You will shift from being an arrogant, romantic and outgoing Leo to a more modest, practical and careful Virgo. You will combine the warmth and creativity of Leo with the precision and diligence of Virgo. You will be a hard worker who also knows how to shine in public. You will have high standards and will expect the best from yourself and others. You will be generous and very helpful, and people will value your sound advice. You will have an eye for detail as well as for the big picture. At times you may be too proud or too critical, but your sincerity and dedication will earn you respect. You will be a loyal friend and a reliable partner, and your talents will help you achieve lasting success in life.</source>
        <extracomment>Portrait of someone born in August on the cusp of Leo and Virgo (one paragraph)</extracomment>
        <translation>Pasas de ser un Leo arrogante, romántico y extrovertido a un Virgo más modesto, práctico y cuidadoso. Unes la calidez y la creatividad de Leo con la precisión y la diligencia de Virgo. Eres muy trabajador y también sabes brillar en público. Tienes un listón alto y esperas lo mejor de ti mismo y de los demás. Eres generoso y muy servicial, y la gente valora tus sensatos consejos. Tienes buen ojo para los detalles y también para la visión de conjunto. A veces puedes ser demasiado orgulloso o demasiado crítico, pero tu sinceridad y tu dedicación te ganan el respeto de los demás. Eres un amigo leal y un compañero fiable, y tus talentos te ayudarán a lograr un éxito duradero en la vida.</translation>
    </message>
    <message>
        <source>You will be proud of your achievements and your practical, efficient way of working. The influence of Libra will add grace, charm and a love of beauty to your careful Virgo nature. You will be intelligent and refined, with good taste and a strong sense of fairness. You will work hard to create order and harmony all around you. You will be helpful and considerate, and people will enjoy your polite and gentle manners. At times you might be indecisive or overly critical, but your kindness and good judgement will make you a trusted friend and partner. </source>
        <extracomment>Portrait of someone born in September on the cusp of Virgo and Libra (one paragraph)</extracomment>
        <translation>Te enorgulleces de tus logros y de tu forma de trabajar, práctica y eficaz. La influencia de Libra añade gracia, encanto y amor por la belleza a tu meticulosa naturaleza de Virgo. Eres inteligente y refinado, con buen gusto y un gran sentido de la justicia. Te esfuerzas por crear orden y armonía a tu alrededor. Eres servicial y considerado, y la gente aprecia tus modales educados y amables. A veces puedes ser indeciso o demasiado crítico, pero tu bondad y tu buen juicio hacen de ti un amigo y un compañero de confianza. </translation>
    </message>
    <message>
        <source>You will be loving and adorable with your elegant charm and the intense passion of Scorpio. You will combine the diplomacy of Libra with the depth and determination of Scorpio. You will be attractive and magnetic, and people will find you fascinating. You will be intelligent and perceptive, able to see through surface appearances. You will love deeply and loyally, though you might sometimes be a bit jealous. Your charm, insight and inner strength will help you achieve your goals in life.</source>
        <extracomment>Portrait of someone born in October on the cusp of Libra and Scorpio (one paragraph)</extracomment>
        <translation>Eres cariñoso y encantador, con tu elegante atractivo y la intensa pasión de Escorpio. Unes la diplomacia de Libra con la profundidad y la determinación de Escorpio. Eres atractivo y magnético, y la gente te encuentra fascinante. Eres inteligente y perspicaz, capaz de ver más allá de las apariencias. Amas con profundidad y lealtad, aunque a veces puedes ser un poco celoso. Tu encanto, tu intuición y tu fuerza interior te ayudarán a alcanzar tus metas en la vida.</translation>
    </message>
    <message>
        <source>You will be very resourceful and capable of being a pioneer in any field you choose. You will combine the intensity of Scorpio with the optimism and adventurous spirit of Sagittarius. You will be honest, direct and passionate about your beliefs. You will love freedom and will enjoy travelling and exploring new ideas. You will be brave and determined, and you will not give up easily. At times you might be impatient or rebellious, but your generosity and enthusiasm will win you many loyal friends and help you make a real difference in the world.</source>
        <extracomment>Portrait of someone born in November on the cusp of Scorpio and Sagittarius (one paragraph)</extracomment>
        <translation>Eres una persona de muchos recursos, capaz de ser pionero en cualquier campo que elijas. Unes la intensidad de Escorpio con el optimismo y el espíritu aventurero de Sagitario. Eres honesto, directo y vives tus convicciones con pasión. Amas la libertad y disfrutas viajando y explorando ideas nuevas. Eres valiente y decidido, y no te rindes con facilidad. A veces puedes ser impaciente o rebelde, pero tu generosidad y tu entusiasmo te ganan muchos amigos leales y te ayudan a cambiar de verdad las cosas en el mundo.</translation>
    </message>
    <message>
        <source>You will have a combination of the intellectual and adventurousness nature of Sagittarius with the practical ambition of Capricorn. You will be optimistic yet realistic, and you will know how to turn your big dreams into concrete plans. You will be hard working and determined, with a good sense of humour. You will enjoy learning about other cultures and may travel widely. At times you may be too serious or too blunt, but your honesty and loyalty will make you a well respected friend and a natural leader.</source>
        <extracomment>Portrait of someone born in December on the cusp of Sagittarius and Capricorn (one paragraph)</extracomment>
        <translation>Combinas la naturaleza intelectual y aventurera de Sagitario con la ambición práctica de Capricornio. Eres optimista pero realista, y sabes convertir tus grandes sueños en planes concretos. Eres trabajador y decidido, y tienes un buen sentido del humor. Te gusta conocer otras culturas y quizá viajes mucho. A veces puedes ser demasiado serio o demasiado directo, pero tu honestidad y tu lealtad hacen de ti un amigo muy respetado y un líder nato.</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
</context>
<context>
    <name>LuckyNumbers</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two lucky numbers of a sign, e.g. &quot;8 and 9&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>PromoTexts</name>
    <message>
        <source>Our friendly forum is a great place to discuss astrology and esoteric subjects. Visit us at %1!</source>
        <extracomment>%1 is the forum&apos;s address, e.g. forum.solvanta.example</extracomment>
        <translation>Nuestro foro es un lugar acogedor para hablar de astrología y temas esotéricos. ¡Visítanos en %1!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get a copy of this software fully branded with your name for your own website.</source>
        <translation>Oportunidad de negocio desde casa. Pon en marcha tu propio negocio en Internet y gana dinero en línea. Consigue una copia de este programa con tu propia marca para tu sitio web.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Add your own name &amp; logo to this program and give it away free to all your visitors, so that they keep coming back to your website again and again.</source>
        <translation>Pon tu marca en este programa para tu sitio web. Añade tu nombre y tu logotipo y regálalo a todos tus visitantes, para que vuelvan a tu sitio una y otra vez.</translation>
    </message>
    <message>
        <source>Solvanta finds out if you are born in the cusp of two sun signs. If you are not, it tells you which sun sign your birth date belongs to. It also describes the positive and negative traits of each of the twelve sun signs.</source>
        <translation>Solvanta averigua si naciste en la cúspide de dos signos solares. Si no es así, te dice a qué signo solar pertenece tu fecha de nacimiento. También describe los rasgos positivos y negativos de cada uno de los doce signos solares.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Brand this software with your name for your site.</source>
        <translation>Oportunidad de negocio desde casa. Pon en marcha tu propio negocio en Internet y gana dinero en línea. Pon tu nombre a este programa para tu sitio web.</translation>
    </message>
    <message>
        <source>Quillory, such as this can be created and maintained only with your support. It lives thanks to friends like you. The best support you can give is to visit our forum at %1 regularly and join its discussions.</source>
        <extracomment>%1 is the forum&apos;s address; Quillory is the maker&apos;s name</extracomment>
        <translation>Un programa de Quillory como este solo puede crearse y mantenerse con tu apoyo. Vive gracias a amigos como tú. El mejor apoyo que puedes darnos es visitar con regularidad nuestro foro en %1 y participar en sus debates.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its lively discussions on astrology and related esoteric subjects. Without your regular visits and participation this software cannot be maintained.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>Visita %1 con regularidad y participa en sus animados debates sobre astrología y otros temas esotéricos. Sin tus visitas y tu participación habituales, este programa no puede mantenerse.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on astrology, tarot, numerology and many other esoteric subjects. Please visit it regularly and say hi.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 es un foro de debate en línea GRATUITO sobre astrología, tarot, numerología y muchos otros temas esotéricos. Visítalo a menudo y pásate a saludar.</translation>
    </message>
    <message>
        <source>%1 needs your help. This friendly forum lives on the visits and posts of its members. Please visit it regularly, share your views and take part in its discussions on astrology.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 necesita tu ayuda. Este foro acogedor vive de las visitas y los mensajes de sus miembros. Visítalo con regularidad, comparte tus opiniones y participa en sus debates sobre astrología.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other Quillory programs. Our astrology software prepares birth charts, compatibility reports and daily horoscopes in plain language. Our psychic software helps you explore your intuition and inner abilities with simple exercises. The tarot software lets you lay out classic spreads and read the meaning of every card. The numerology software reveals the meaning of the numbers in your name and birth date. Our occult software introduces you to the symbols and traditions of the esoteric world. Each program is easy to use and made for everyone.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás programas de Quillory. Nuestro programa de astrología prepara cartas natales, informes de compatibilidad y horóscopos diarios en un lenguaje sencillo. Nuestro programa de videncia te ayuda a explorar tu intuición y tus capacidades interiores con ejercicios sencillos. El programa de tarot te permite hacer tiradas clásicas y leer el significado de cada carta. El programa de numerología te revela el significado de los números de tu nombre y tu fecha de nacimiento. Nuestro programa de ocultismo te introduce en los símbolos y las tradiciones del mundo esotérico. Todos los programas son fáciles de usar y están pensados para todo el mundo.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Characteristics of %1</source>
        <extracomment>Caption of the first sign&apos;s panel on a cusp; %1 is the sign&apos;s name</extracomment>
        <translation>Características de %1</translation>
    </message>
    <message>
        <source>Characteristics of  %1</source>
        <extracomment>Caption of the second sign&apos;s panel on a cusp; %1 is the sign&apos;s name. The English has two blanks before it; a translation may have one.</extracomment>
        <translation>Características de %1</translation>
    </message>
    <message>
        <source>Yes! You were born in the Cusp of %1 and %2<byte value="xd"/>
<byte value="xd"/>
You have the Characteristics of both the Signs</source>
        <extracomment>The verdict on a cusp: %1 is the month&apos;s first sign, %2 the second; the line breaks separate two sentences</extracomment>
        <translation>¡Sí! Naciste en la cúspide de %1 y %2.<byte value="xd"/>
<byte value="xd"/>
Tienes las características de ambos signos.</translation>
    </message>
    <message>
        <source>No! You were not born in a Cusp</source>
        <translation>¡No! No naciste en una cúspide.</translation>
    </message>
</context>
<context>
    <name>SignTraits</name>
    <message>
        <source>You may be pioneers in your fields and developers of new technologies. You are energetic, courageous and full of vitality, and you love to be the first to try something that nobody has attempted before. You face challenges head on and rarely wait for others to show you the way. Your confidence inspires the people around you, and you are often the one who starts a project or a new adventure. You are honest and direct, and people always know where they stand with you. You recover quickly from setbacks and treat every defeat as a lesson for the next attempt. Your enthusiasm is contagious, your energy is endless, and your generous heart makes you a loyal friend who will stand up for the people you love when they need you.</source>
        <extracomment>Positive traits of Aries (one paragraph)</extracomment>
        <translation>Puedes ser pionero en tu campo y crear nuevas tecnologías. Eres enérgico, valiente y lleno de vitalidad, y te encanta ser el primero en probar algo que nadie ha intentado antes. Afrontas los retos de cara y rara vez esperas a que otros te muestren el camino. Tu seguridad inspira a quienes te rodean, y a menudo eres tú quien pone en marcha un proyecto o una nueva aventura. Eres honesto y directo, y la gente siempre sabe a qué atenerse contigo. Te recuperas rápido de los contratiempos y ves cada derrota como una lección para el siguiente intento. Tu entusiasmo es contagioso, tu energía no tiene fin y tu corazón generoso hace de ti un amigo leal que defenderá a quienes quieres cuando te necesiten.</translation>
    </message>
    <message>
        <source>You are patient and enduring in nature. You are reliable, practical and determined, and once you set your mind on a goal you work steadily until you reach it. You value security and comfort, and you build your life on solid foundations. You have a deep appreciation of beauty, art, music and good food, and you know how to enjoy the simple pleasures of life. You are warm hearted and loyal, and your friends can always count on you in difficult times. You are calm and composed and rarely lose your temper without reason. You have a good sense of money and are usually careful with your savings and assets. Your steady and sensible approach to life makes you a rock for your family, and people feel safe and comfortable in your gentle and kindly presence.</source>
        <extracomment>Positive traits of Taurus (one paragraph)</extracomment>
        <translation>Eres paciente y constante por naturaleza. Eres fiable, práctico y decidido, y cuando te fijas una meta trabajas sin descanso hasta alcanzarla. Valoras la seguridad y la comodidad, y construyes tu vida sobre cimientos sólidos. Aprecias profundamente la belleza, el arte, la música y la buena comida, y sabes disfrutar de los placeres sencillos de la vida. Eres cálido y leal, y tus amigos siempre pueden contar contigo en los momentos difíciles. Eres tranquilo y sereno, y rara vez pierdes los nervios sin motivo. Tienes buen olfato para el dinero y sueles ser prudente con tus ahorros y tus bienes. Tu manera estable y sensata de vivir te convierte en un pilar para tu familia, y la gente se siente segura y a gusto en tu presencia amable y bondadosa.</translation>
    </message>
    <message>
        <source>You are very adjusting in nature and have a lot of patience. You are witty, curious and quick to learn, and you can talk about almost any subject with great ease. You love communication in all its forms, whether it is conversation, writing or simply exchanging ideas with friends. Your lively mind is always looking for something new to explore, and you are able to handle several tasks at the same time. You are charming and sociable, and people enjoy your company because you are never dull. You adapt easily to new places and situations, and you can see both sides of any question. Your youthful spirit stays with you throughout life, and your sense of humour brightens the days of everyone around you. You make friends quickly and keep them.</source>
        <extracomment>Positive traits of Gemini (one paragraph)</extracomment>
        <translation>Eres muy adaptable por naturaleza y tienes mucha paciencia. Eres ingenioso, curioso y aprendes rápido, y puedes hablar con gran soltura de casi cualquier tema. Te encanta la comunicación en todas sus formas, ya sea conversar, escribir o simplemente intercambiar ideas con tus amigos. Tu mente despierta siempre busca algo nuevo que explorar, y eres capaz de ocuparte de varias tareas a la vez. Eres encantador y sociable, y la gente disfruta de tu compañía porque nunca resultas aburrido. Te adaptas con facilidad a lugares y situaciones nuevos, y sabes ver las dos caras de cualquier cuestión. Tu espíritu juvenil te acompaña toda la vida, y tu sentido del humor alegra los días de todos los que te rodean. Haces amigos con rapidez y los conservas.</translation>
    </message>
    <message>
        <source>You are very sensitive in nature and generally soft spoken. You are caring, loving and deeply devoted to your home and family, and you feel happiest when the people you love are safe and content. You have a strong intuition and can often sense what others are feeling before they say a word. You are a wonderful listener, and friends turn to you for comfort and understanding. You have a rich imagination and an excellent memory, especially for the events and emotions of the past. You are very protective of those close to you and will make great sacrifices for them. You are also careful with money and you like to save for the future. Your tenderness and sympathy make you a natural nurturer, and your home is often a warm refuge for others. You are loyal in love and friendship, and once you trust someone you stand by them through every storm and trial of life.</source>
        <extracomment>Positive traits of Cancer (one paragraph)</extracomment>
        <translation>Eres muy sensible por naturaleza y sueles hablar con suavidad. Eres atento, cariñoso y muy entregado a tu hogar y a tu familia, y eres más feliz cuando las personas que quieres están seguras y contentas. Tienes una fuerte intuición y a menudo percibes lo que sienten los demás antes de que digan una palabra. Sabes escuchar como nadie, y tus amigos acuden a ti en busca de consuelo y comprensión. Tienes una rica imaginación y una memoria excelente, sobre todo para los acontecimientos y las emociones del pasado. Proteges mucho a tus seres queridos y harías grandes sacrificios por ellos. También eres prudente con el dinero y te gusta ahorrar para el futuro. Tu ternura y tu compasión hacen de ti alguien que cuida de los demás por naturaleza, y tu hogar es a menudo un cálido refugio para otros. Eres fiel en el amor y en la amistad, y cuando confías en alguien estás a su lado en todas las tormentas y pruebas de la vida.</translation>
    </message>
    <message>
        <source>You are very modest by nature. You are practical, hard working and methodical, and you pay great attention to detail in everything you do. You have a sharp, analytical mind and can solve problems that others find too difficult. You are reliable and helpful, and you find real satisfaction in being of service to others. You value health, order and cleanliness, and you often know a great deal about diet and wellbeing. Your quiet intelligence, honesty and devotion to duty make you a trusted friend and colleague.</source>
        <extracomment>Positive traits of Virgo (one paragraph)</extracomment>
        <translation>Eres muy modesto por naturaleza. Eres práctico, trabajador y metódico, y prestas mucha atención a los detalles en todo lo que haces. Tienes una mente aguda y analítica, capaz de resolver problemas que a otros les parecen demasiado difíciles. Eres fiable y servicial, y encuentras una verdadera satisfacción en ayudar a los demás. Valoras la salud, el orden y la limpieza, y a menudo sabes mucho de alimentación y bienestar. Tu inteligencia discreta, tu honestidad y tu sentido del deber hacen de ti un amigo y un compañero de confianza.</translation>
    </message>
    <message>
        <source>You are highly diplomatic individuals. You have a natural sense of fairness and justice, and you always try to see both sides of a question before you form an opinion. You are charming, graceful and sociable, and you make friends wherever you go. You love beauty and harmony in all its forms, and you often have a refined taste in art, music and design. You are a wonderful partner, because you value relationships and work hard to keep the peace between people. You are kind, gentle and considerate, and you dislike quarrels. Your ability to bring people together makes you an excellent mediator and peacemaker. Your warm smile and easy manners win many hearts, and you bring balance and elegance to every situation.</source>
        <extracomment>Positive traits of Libra (one paragraph)</extracomment>
        <translation>Eres una persona muy diplomática. Tienes un sentido natural de la equidad y la justicia, y siempre intentas ver las dos caras de una cuestión antes de formarte una opinión. Eres encantador, elegante y sociable, y haces amigos allá donde vas. Amas la belleza y la armonía en todas sus formas, y a menudo tienes un gusto refinado para el arte, la música y el diseño. Eres una pareja maravillosa, porque valoras las relaciones y te esfuerzas por mantener la paz entre las personas. Eres amable, dulce y considerado, y no soportas las peleas. Tu capacidad para unir a la gente te convierte en un excelente mediador y pacificador. Tu cálida sonrisa y tu trato afable conquistan muchos corazones, y aportas equilibrio y elegancia a cualquier situación.</translation>
    </message>
    <message>
        <source>You are intense and strong willed people with great depth of feeling. You are passionate, determined and resourceful, and you rarely give up once you have chosen a goal. You have a powerful intuition and can see through pretence and uncover hidden truths. You are loyal and devoted to those you love, and your friendship, once won, lasts for life. You are brave in the face of difficulty and have a remarkable ability to rebuild your life after a crisis. You are discreet and can keep secrets well, which makes people trust you. Your magnetic presence and quiet strength attract others, and your focus and courage allow you to transform yourself and the world around you in lasting and meaningful ways.</source>
        <extracomment>Positive traits of Scorpio (one paragraph)</extracomment>
        <translation>Eres una persona intensa y de voluntad firme, con una gran profundidad de sentimientos. Eres apasionado, decidido y tienes muchos recursos, y rara vez te rindes cuando te has fijado una meta. Tienes una intuición poderosa y sabes ver más allá del fingimiento y descubrir verdades ocultas. Eres leal y entregado a quienes quieres, y tu amistad, una vez ganada, dura toda la vida. Eres valiente ante las dificultades y tienes una capacidad admirable para rehacer tu vida después de una crisis. Eres discreto y sabes guardar secretos, por lo que la gente confía en ti. Tu presencia magnética y tu fuerza serena atraen a los demás, y tu concentración y tu valor te permiten transformarte a ti mismo y al mundo que te rodea de forma profunda y duradera.</translation>
    </message>
    <message>
        <source>You are a happy go lucky lot with a very positive outlook towards life. You are optimistic, cheerful and adventurous, and you love freedom more than almost anything else. You have a restless curiosity about the world and enjoy travelling, meeting new people and learning about different cultures and beliefs. You are honest and straightforward, and you have a great sense of humour that makes you popular wherever you go. You have a philosophical mind and like to think about the big questions of life, religion and meaning. You are generous, open minded and tolerant, and you are always ready to give others a second chance. Your enthusiasm is infectious, and you inspire people to dream even bigger. You are also a good teacher, and friends value your wise advice. Your faith in the future helps you bounce back fast from disappointments and keep moving forward with hope.</source>
        <extracomment>Positive traits of Sagittarius (one paragraph)</extracomment>
        <translation>Eres una persona despreocupada con una actitud muy positiva ante la vida. Eres optimista, alegre y aventurero, y amas la libertad casi más que nada. Sientes una curiosidad inagotable por el mundo y te encanta viajar, conocer gente nueva y descubrir otras culturas y creencias. Eres honesto y sincero, y tienes un gran sentido del humor que te hace popular allá donde vas. Tienes una mente filosófica y te gusta pensar en las grandes preguntas de la vida, la religión y su sentido. Eres generoso, abierto y tolerante, y siempre estás dispuesto a dar a los demás una segunda oportunidad. Tu entusiasmo es contagioso, y animas a la gente a soñar todavía más alto. También eres un buen maestro, y tus amigos valoran tus sabios consejos. Tu fe en el futuro te ayuda a recuperarte rápido de las decepciones y a seguir adelante con esperanza.</translation>
    </message>
    <message>
        <source>You are people with a traditional frame of mind. You are responsible, disciplined and ambitious, and you are ready to work hard and wait patiently for success. You are practical and realistic, and you plan carefully before you act. You have great respect for order, rules and tradition, and people trust you with important tasks. You are loyal to your family and take your duties seriously. You have a dry sense of humour that surprises those who think you are always serious. You are good at managing money and resources, and you often rise to positions of authority through steady effort. Your persistence, reliability and quiet strength make you a pillar of support for others, and your achievements grow steadily with the years.</source>
        <extracomment>Positive traits of Capricorn (one paragraph)</extracomment>
        <translation>Tienes una mentalidad tradicional. Eres responsable, disciplinado y ambicioso, y estás dispuesto a trabajar duro y a esperar con paciencia el éxito. Eres práctico y realista, y planificas con cuidado antes de actuar. Sientes un gran respeto por el orden, las normas y la tradición, y la gente te confía tareas importantes. Eres leal a tu familia y te tomas en serio tus obligaciones. Tu humor seco sorprende a quienes creen que siempre vas en serio. Sabes administrar el dinero y los recursos, y a menudo llegas a puestos de responsabilidad gracias a tu esfuerzo constante. Tu perseverancia, tu fiabilidad y tu fuerza serena hacen de ti un pilar para los demás, y tus logros crecen sin cesar con los años.</translation>
    </message>
    <message>
        <source>You are magnetic in nature and people get attracted to your personality. You are original, independent and inventive, and you often think far ahead of your time. You have a strong humanitarian spirit and care deeply about the welfare of society and the future of the world. You are friendly and tolerant, and you accept people from all walks of life without prejudice. You love new ideas, science and technology, and you are happiest when you can explore unusual paths. You value your freedom and fully respect the freedom of others. You are loyal to your ideals and to your friends, and you work well in groups that share a common cause. Your brilliant mind and unique vision make you a natural reformer who can inspire real and lasting social progress.</source>
        <extracomment>Positive traits of Aquarius (one paragraph)</extracomment>
        <translation>Tienes un carácter magnético y tu personalidad atrae a la gente. Eres original, independiente e inventivo, y a menudo piensas muy por delante de tu tiempo. Tienes un fuerte espíritu humanitario y te preocupan de verdad el bienestar de la sociedad y el futuro del mundo. Eres amistoso y tolerante, y aceptas sin prejuicios a personas de todos los ámbitos. Te encantan las ideas nuevas, la ciencia y la tecnología, y eres más feliz cuando puedes explorar caminos poco comunes. Valoras tu libertad y respetas plenamente la de los demás. Eres fiel a tus ideales y a tus amigos, y trabajas bien en grupos que comparten una causa común. Tu mente brillante y tu visión única hacen de ti un reformador nato capaz de impulsar un progreso social real y duradero.</translation>
    </message>
    <message>
        <source>You are very adjusting, friendly and good- natured people. You are compassionate, gentle and deeply intuitive, and you feel the joys and sorrows of others as if they were your own. You have a vivid imagination and a strong artistic or musical talent. You are kind and generous, and you are always ready to help those in need without asking for anything in return. You are romantic and devoted in love, and you always see the best in people. You have a spiritual nature and are often drawn to mysticism, dreams and the hidden side of life. Your sensitivity, patience and understanding make you a wonderful friend, and your creative gifts can bring beauty and healing into the world.</source>
        <extracomment>Positive traits of Pisces (one paragraph)</extracomment>
        <translation>Eres una persona muy adaptable, amable y de buen corazón. Eres compasivo, dulce y muy intuitivo, y sientes las alegrías y las penas de los demás como si fueran tuyas. Tienes una imaginación desbordante y un gran talento artístico o musical. Eres bondadoso y generoso, y siempre estás dispuesto a ayudar a quien lo necesita sin pedir nada a cambio. Eres romántico y entregado en el amor, y siempre ves lo mejor de las personas. Tienes una naturaleza espiritual y a menudo te atraen el misticismo, los sueños y el lado oculto de la vida. Tu sensibilidad, tu paciencia y tu comprensión hacen de ti un amigo maravilloso, y tus dones creativos pueden llevar belleza y sanación al mundo.</translation>
    </message>
    <message>
        <source>You may be arrogant and domineering. You like to get your way and can become impatient when others do not move as fast as you do. Your quick temper may flare up over small matters, and you sometimes speak before you think, hurting people without meaning to. You tend to start many projects with great zeal but lose interest once the excitement fades, leaving the work to others. You can be selfish in your pursuit of your goals and may overlook the feelings of those around you. Learning patience, listening more closely and respecting the views of others will help you turn your fire into real strength.</source>
        <extracomment>Negative traits of Aries (one paragraph)</extracomment>
        <translation>Puedes ser arrogante y dominante. Te gusta salirte con la tuya y te impacientas cuando los demás no van tan rápido como tú. Tu mal genio puede estallar por cosas pequeñas, y a veces hablas antes de pensar y hieres a la gente sin querer. Sueles empezar muchos proyectos con gran entusiasmo, pero pierdes el interés cuando se pasa la emoción y dejas el trabajo a otros. Puedes ser egoísta al perseguir tus metas y pasar por alto los sentimientos de quienes te rodean. Aprender a tener paciencia, escuchar con más atención y respetar las opiniones ajenas te ayudará a convertir tu fuego en una verdadera fortaleza.</translation>
    </message>
    <message>
        <source>You are very stubborn and inflexible. Once you have made up your mind, it is very hard for anyone to change it, even when change would be good for you. You can be possessive about the people and things you love, and jealousy may creep into your relationships. You sometimes resist new ideas simply because they are unfamiliar, and your love of comfort may make you lazy or too fond of indulgence and ease.</source>
        <extracomment>Negative traits of Taurus (one paragraph)</extracomment>
        <translation>Eres muy terco e inflexible. Cuando tomas una decisión, es muy difícil que alguien te haga cambiar de idea, incluso cuando un cambio te vendría bien. Puedes ser posesivo con las personas y las cosas que quieres, y los celos pueden colarse en tus relaciones. A veces rechazas ideas nuevas solo porque no te resultan familiares, y tu amor por la comodidad puede volverte perezoso o demasiado dado a los caprichos y a la vida fácil.</translation>
    </message>
    <message>
        <source>You are inconsistent in your performance. Your interest may shift quickly from one thing to another, and you may leave tasks unfinished when something more exciting comes along. You can be restless and nervous, and you sometimes find it hard to sit still or to concentrate for long. Your changing moods can confuse the people around you, and you may appear superficial or unreliable to those who do not know you well. You may also be tempted to bend the truth a little when it suits you, and you can be too critical of others.</source>
        <extracomment>Negative traits of Gemini (one paragraph)</extracomment>
        <translation>Tu rendimiento es irregular. Tu interés puede pasar rápidamente de una cosa a otra, y quizá dejes tareas sin terminar cuando aparece algo más emocionante. Puedes ser inquieto y nervioso, y a veces te cuesta quedarte quieto o concentrarte durante mucho tiempo. Tus cambios de humor pueden desconcertar a quienes te rodean, y puedes parecer superficial o poco fiable a quienes no te conocen bien. También puedes caer en la tentación de adornar un poco la verdad cuando te conviene, y puedes ser demasiado crítico con los demás.</translation>
    </message>
    <message>
        <source>You are unstable and very unreliable. Your moods change like the phases of the moon, and people may find it hard to know how you will react from one day to the next. You can be very touchy and may take offence at remarks that were never meant to hurt you. When you feel hurt, you tend to withdraw into your shell and sulk instead of talking openly about the problem. You may cling to the past and to old grievances, and you can be overly possessive of the people you love. Your fear of rejection sometimes makes you manipulative or self pitying, and you may worry far more than is good for your peace of mind.</source>
        <extracomment>Negative traits of Cancer (one paragraph)</extracomment>
        <translation>Eres inestable y muy poco fiable. Tu humor cambia como las fases de la luna, y a la gente le puede costar saber cómo reaccionarás de un día para otro. Puedes ser muy susceptible y ofenderte por comentarios que no pretendían herirte. Cuando te sientes herido, tiendes a encerrarte en tu caparazón y a enfurruñarte en lugar de hablar abiertamente del problema. Puedes aferrarte al pasado y a viejos agravios, y ser demasiado posesivo con las personas que quieres. El miedo al rechazo a veces te vuelve manipulador o te lleva a compadecerte de ti mismo, y puede que te preocupes mucho más de lo que conviene a tu tranquilidad.</translation>
    </message>
    <message>
        <source>You have a violent temper. When your pride is wounded, you can react with anger that surprises everyone around you. You love attention and admiration, and you may feel hurt or neglected when you do not receive them. You can be vain and self centred, and you sometimes expect others to follow your lead without question. Your wish to be in control may make you bossy or overbearing, especially when others disagree with you. You may also be extravagant with money, spending freely to impress people or to enjoy luxury. Learning humility and accepting that others also deserve the spotlight will help you become the wise leader you are meant to be.</source>
        <translation>Tienes un genio violento. Cuando hieren tu orgullo, puedes reaccionar con una ira que sorprende a todos los que te rodean. Te encantan la atención y la admiración, y puedes sentirte herido o desatendido cuando no las recibes. Puedes ser vanidoso y egocéntrico, y a veces esperas que los demás te sigan sin rechistar. Tu deseo de tenerlo todo bajo control puede volverte mandón o prepotente, sobre todo cuando los demás no están de acuerdo contigo. También puedes ser derrochador y gastar a manos llenas para impresionar a la gente o darte lujos. Aprender humildad y aceptar que los demás también merecen ser el centro de atención te ayudará a convertirte en el líder sabio que estás destinado a ser.</translation>
    </message>
    <message>
        <source>Your need for neatness may make them fussy and finicky. You can be overly critical of yourself and of others, and you may find fault where none really exists. You tend to worry a lot about small things, which can make you tense, anxious and nervous. Your high standards sometimes make it hard for you to relax and truly enjoy life.</source>
        <extracomment>Negative traits of Virgo (one paragraph)</extracomment>
        <translation>Tu necesidad de orden puede volverte quisquilloso y maniático. Puedes ser demasiado crítico contigo mismo y con los demás, y quizá encuentres defectos donde en realidad no los hay. Tiendes a preocuparte mucho por pequeñeces, lo que puede volverte tenso, ansioso y nervioso. Tus exigencias tan altas a veces te impiden relajarte y disfrutar de verdad de la vida.</translation>
    </message>
    <message>
        <source>You cannot take make decisions for themselves. You weigh each option so carefully that you may end up not choosing at all, letting good chances slip away. Your wish to please everyone can make you seem insincere, and you may avoid necessary conflicts at any cost. You can also be a bit vain and fond of luxury, and you may lean too much on others for your happiness.</source>
        <extracomment>Negative traits of Libra (one paragraph)</extracomment>
        <translation>Te cuesta tomar decisiones por ti mismo. Sopesas cada opción con tanto cuidado que a veces acabas por no elegir nada y dejas escapar buenas oportunidades. Tu deseo de complacer a todos puede hacerte parecer poco sincero, y quizá evites a toda costa conflictos que son necesarios. También puedes ser algo vanidoso y amante del lujo, y tal vez dependas demasiado de los demás para ser feliz.</translation>
    </message>
    <message>
        <source>You have a very short temper. When you feel hurt or betrayed, you can become resentful and even quite vengeful, and you do not easily forgive or forget. You may be jealous and possessive in your relationships, and you sometimes demand complete loyalty while keeping your own feelings hidden. Your secretive nature can make others feel shut out, and your suspicion may lead you to see threats where none exist. You can be stubborn and manipulative when you want to get your way, and your intensity may sometimes overwhelm gentler people.</source>
        <extracomment>Negative traits of Scorpio (one paragraph)</extracomment>
        <translation>Tienes muy mal genio. Cuando te sientes herido o traicionado, puedes volverte rencoroso e incluso vengativo, y no perdonas ni olvidas con facilidad. Puedes ser celoso y posesivo en tus relaciones, y a veces exiges una lealtad absoluta mientras ocultas tus propios sentimientos. Tu carácter reservado puede hacer que los demás se sientan excluidos, y tu desconfianza puede llevarte a ver amenazas donde no las hay. Puedes ser terco y manipulador cuando quieres salirte con la tuya, y tu intensidad a veces abruma a las personas más tranquilas.</translation>
    </message>
    <message>
        <source>You may be too outspoken for your own good. Your blunt honesty can hurt people even when you mean well. You may be restless and careless, promising more than you can deliver and dropping commitments when something more exciting appears. You can be impatient with routine and details, and your love of freedom may make you seem unreliable. A touch more tact would help you a lot.</source>
        <extracomment>Negative traits of Sagittarius (one paragraph)</extracomment>
        <translation>Quizá seas demasiado franco para tu propio bien. Tu sinceridad sin rodeos puede herir a la gente incluso cuando tienes buena intención. Puedes ser inquieto y descuidado, prometer más de lo que puedes cumplir y abandonar compromisos cuando aparece algo más emocionante. La rutina y los detalles te impacientan, y tu amor por la libertad puede hacerte parecer poco fiable. Un poco más de tacto te ayudaría mucho.</translation>
    </message>
    <message>
        <source>You are very rigid in nature and not susceptible to changes. You may cling to old habits and methods even when they no longer work well. You can be pessimistic and tend to expect the worst, which may make you gloomy or quite anxious. Your strong ambition may turn into a cold focus on status and success, leaving little room for fun and feelings. You sometimes find it hard to show your emotions, and others may see you as distant or unfriendly. You can also be too demanding of yourself and of those around you, and you may judge others too harshly.</source>
        <extracomment>Negative traits of Capricorn (one paragraph)</extracomment>
        <translation>Eres muy rígido por naturaleza y poco dado a los cambios. Puedes aferrarte a viejas costumbres y métodos aunque ya no funcionen bien. Puedes ser pesimista y esperar siempre lo peor, lo que puede volverte sombrío o bastante ansioso. Tu gran ambición puede convertirse en una fría obsesión por la posición y el éxito, que deja poco espacio para la diversión y los sentimientos. A veces te cuesta mostrar tus emociones, y los demás pueden verte distante o poco amistoso. También puedes exigirte demasiado a ti mismo y a quienes te rodean, y juzgar a los demás con demasiada dureza.</translation>
    </message>
    <message>
        <source>You do not make friends very easily inspite of your extrovert nature. You may keep people at a distance and rarely show your deepest feelings, which can make you seem cool or detached. You can be stubborn about your opinions and may refuse to listen once you believe you are right. Your love of independence may make you unpredictable, and you might rebel against rules simply for the sake of rebelling. You sometimes care more about humanity as a whole than about the individuals close to you. You can also be tactless and eccentric, and your need to be different may puzzle others. Letting people come closer to your heart will enrich your life greatly.</source>
        <extracomment>Negative traits of Aquarius (one paragraph)</extracomment>
        <translation>A pesar de tu carácter extrovertido, no haces amigos con facilidad. Puedes mantener a la gente a distancia y rara vez muestras tus sentimientos más profundos, lo que puede hacerte parecer frío o distante. Puedes ser terco en tus opiniones y negarte a escuchar cuando crees tener razón. Tu amor por la independencia puede volverte imprevisible, y quizá te rebeles contra las normas solo por rebelarte. A veces te importa más la humanidad en su conjunto que las personas que tienes cerca. También puedes ser poco diplomático y excéntrico, y tu necesidad de ser diferente puede desconcertar a los demás. Dejar que la gente se acerque a tu corazón enriquecerá mucho tu vida.</translation>
    </message>
    <message>
        <source>You want people to sympathize with your personal problems. You can be oversensitive and easily hurt, and you might escape into daydreams when reality becomes difficult. You sometimes find it hard to say no, which can let others take advantage of your kindness. You can be indecisive and vague, and you may lack the discipline to turn your wonderful dreams into reality. Trusting yourself more will help you greatly.</source>
        <extracomment>Negative traits of Pisces (one paragraph)</extracomment>
        <translation>Quieres que los demás se compadezcan de tus problemas personales. Puedes ser demasiado sensible y ofenderte con facilidad, y quizá te refugies en tus fantasías cuando la realidad se vuelve difícil. A veces te cuesta decir que no, y eso permite que otros se aprovechen de tu bondad. Puedes ser indeciso y vago, y quizá te falte la disciplina necesaria para hacer realidad tus maravillosos sueños. Confiar más en ti mismo te ayudará mucho.</translation>
    </message>
    <message>
        <source>You are leaders and have a magnetic personality.You are assertive and confident, and you take charge naturally whenever a group needs direction. You are generous and warm hearted, and you enjoy sharing your success with the people you love. Your enthusiasm and creativity light up every room you enter, and others feel drawn to your sunny nature. You have a flair for drama and love to be in the spotlight, where you shine with great style. You are loyal and protective towards your friends and family, and you will defend them with courage. You have high ideals and a strong sense of honour, and you expect the same from others. You are ambitious and hard working, and you aim for the top in whatever you do. Your optimism helps you overcome obstacles that would discourage others. </source>
        <extracomment>Positive traits of Leo, first passage; the second passage follows it directly</extracomment>
        <translation>Eres un líder nato con una personalidad magnética. Eres firme y seguro de ti mismo, y tomas las riendas con naturalidad cuando un grupo necesita una dirección. Eres generoso y cálido, y disfrutas compartiendo tu éxito con las personas que quieres. Tu entusiasmo y tu creatividad iluminan cada lugar en el que entras, y los demás se sienten atraídos por tu carácter radiante. Tienes un don para lo teatral y te encanta ser el centro de atención, donde brillas con mucho estilo. Eres leal y protector con tus amigos y tu familia, y los defiendes con valentía. Tienes grandes ideales y un fuerte sentido del honor, y esperas lo mismo de los demás. Eres ambicioso y trabajador, y aspiras a lo más alto en todo lo que haces. Tu optimismo te ayuda a superar obstáculos que desanimarían a otros. </translation>
    </message>
    <message>
        <source>You have a proud and dignified presence that earns respect wherever you go. You are playful, affectionate and romantic at heart, and your big heart and cheerful spirits make life more joyful for everyone around you.</source>
        <extracomment>Positive traits of Leo, second passage, continuing the first</extracomment>
        <translation>Tu presencia orgullosa y digna te gana el respeto allá donde vas. En el fondo eres juguetón, cariñoso y romántico, y tu gran corazón y tu buen humor hacen la vida más alegre a todos los que te rodean.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
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
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Introduce tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Introduce tus apellidos.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Indica tu día de nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Indica tu mes de nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Indica tu año de nacimiento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>February has no such day in that year</extracomment>
        <translation>¡Introduce un día o un mes correcto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Day 31 of a month of 30 days (the English has a blank before the &quot;!&quot;)</extracomment>
        <translation>¡Introduce un día o un mes correcto!</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
</context>
</TS>
