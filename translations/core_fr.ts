<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Birthstones</name>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Agate</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubis</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opale</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topaze</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Grenat</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Améthyste</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
</context>
<context>
    <name>CompatibleSigns</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two signs that go well with a sign, e.g. &quot;Leo and Sagittarius&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>CuspTexts</name>
    <message>
        <source>You will be responsible and traditional in your thoughts and ideas. At the same time, the inventive spirit of Aquarius will give you an original and independent mind. You will respect the wisdom of the past while dreaming about the future, and this mix can make you a truly practical visionary. You will work hard and patiently toward your goals, yet you will not be afraid to try new and unusual methods. You will be loyal to your friends and dedicated to your family, though you may hide your feelings behind a calm and serious face. You will value your freedom and might dislike being told what to do. Your energy and determination can help you achieve great things, and your friends will admire your ability to combine common sense with bright new ideas.</source>
        <extracomment>Portrait of someone born in January on the cusp of Capricorn and Aquarius (one paragraph)</extracomment>
        <translation>Vous êtes responsable et plutôt traditionnel dans vos pensées et vos idées. En même temps, l&apos;esprit inventif du Verseau vous donne un esprit original et indépendant. Vous respectez la sagesse du passé tout en rêvant à l&apos;avenir, et ce mélange peut faire de vous un véritable visionnaire au sens pratique. Vous travaillez dur et avec patience pour atteindre vos objectifs, sans craindre pour autant d&apos;essayer des méthodes nouvelles et inhabituelles. Vous êtes fidèle à vos amis et dévoué à votre famille, même si vous cachez parfois vos sentiments derrière un visage calme et sérieux. Vous tenez à votre liberté et n&apos;aimez guère qu&apos;on vous dise ce que vous devez faire. Votre énergie et votre détermination peuvent vous mener loin, et vos amis admirent votre talent pour allier bon sens et idées nouvelles et lumineuses.</translation>
    </message>
    <message>
        <source>You will have your own set of ideals and values. You will combine the original mind of Aquarius with the gentle imagination of Pisces. You will be kind, tolerant and deeply caring about humanity, and you might feel called to help others. You will be creative and artistic, with a strong and reliable intuition. At times you may seem dreamy or detached, but your compassion and vision will make you a quiet, wise and inspiring friend.</source>
        <extracomment>Portrait of someone born in February on the cusp of Aquarius and Pisces (one paragraph)</extracomment>
        <translation>Vous avez vos propres idéaux et vos propres valeurs. Vous alliez l&apos;esprit original du Verseau à la douce imagination des Poissons. Vous êtes bienveillant, tolérant et profondément soucieux de l&apos;humanité, et vous vous sentez peut-être appelé à aider les autres. Vous êtes créatif et artiste, doté d&apos;une intuition forte et sûre. Vous semblez parfois rêveur ou détaché, mais votre compassion et votre vision font de vous un ami discret, sage et inspirant.</translation>
    </message>
    <message>
        <source>You will be very complex to understand. You will be quiet and dreamy like Pisces one moment, then bold and daring like Aries the next. You will combine deep sensitivity with a strong will to act, and this mix makes you both a visionary and a doer. You will be imaginative and intuitive, yet always ready to fight for what you believe in. Learning to balance your dreams with your drive will help you turn your many ideas into real and lasting success.</source>
        <extracomment>Portrait of someone born in March on the cusp of Pisces and Aries (one paragraph)</extracomment>
        <translation>Vous êtes très difficile à cerner. Un instant calme et rêveur comme les Poissons, vous voilà l&apos;instant d&apos;après audacieux et intrépide comme le Bélier. Vous alliez une grande sensibilité à une forte volonté d&apos;agir, et ce mélange fait de vous à la fois un visionnaire et un bâtisseur. Vous êtes imaginatif et intuitif, mais toujours prêt à vous battre pour vos convictions. Apprendre à équilibrer vos rêves et votre élan vous aidera à transformer vos nombreuses idées en une réussite réelle et durable.</translation>
    </message>
    <message>
        <source>The bold and loud Aries will have a quiet and practical side that comes from Taurus. You will have the energy and courage of Aries combined with the patience and determination of Taurus. You will be a natural leader who can not only start projects but also see them through to the end. You will be strong willed, ambitious and very focused on your goals. You will enjoy the good things of life and work hard to acquire them. At times you may be stubborn or forceful, but your loyalty and generosity will win you many friends. You will be a powerful and dependable force in the lives of others.</source>
        <extracomment>Portrait of someone born in April on the cusp of Aries and Taurus (one paragraph)</extracomment>
        <translation>Chez vous, le Bélier audacieux et bruyant possède un côté calme et pratique qui lui vient du Taureau. Vous avez l&apos;énergie et le courage du Bélier, alliés à la patience et à la détermination du Taureau. Vous êtes un meneur né, capable non seulement de lancer des projets mais aussi de les mener à terme. Vous êtes volontaire, ambitieux et très concentré sur vos objectifs. Vous appréciez les bonnes choses de la vie et travaillez dur pour les obtenir. Vous êtes parfois têtu ou brusque, mais votre loyauté et votre générosité vous valent de nombreux amis. Vous êtes une force puissante et fiable dans la vie des autres.</translation>
    </message>
    <message>
        <source>The silent and stubborn Taurus will be more intellectual and talkative with the influence of Gemini. You will combine the practical good sense of Taurus with the curiosity and wit of Gemini. You will be a good communicator, able to express your ideas clearly and persuasively. You will enjoy learning and may have many different interests. You will be more adaptable than a typical Taurus, yet more steady than a typical Gemini. You will love comfort and beauty as well as lively conversation. At times you may be restless or stubborn, but your charm and energy will attract friends. </source>
        <extracomment>Portrait of someone born in May on the cusp of Taurus and Gemini (one paragraph)</extracomment>
        <translation>Le Taureau silencieux et obstiné devient plus intellectuel et plus bavard sous l&apos;influence des Gémeaux. Vous alliez le solide bon sens du Taureau à la curiosité et à l&apos;esprit des Gémeaux. Vous savez communiquer et exprimer vos idées avec clarté et conviction. Vous aimez apprendre et avez souvent de nombreux centres d&apos;intérêt. Vous êtes plus souple qu&apos;un Taureau typique, mais plus constant qu&apos;un Gémeaux typique. Vous aimez le confort et la beauté autant qu&apos;une conversation animée. Vous êtes parfois agité ou têtu, mais votre charme et votre énergie attirent les amis. </translation>
    </message>
    <message>
        <source>This cusp is a great combination of logic and emotions. You will have the quick mind of Gemini and the warm heart of Cancer. You will be sociable and curious, yet deeply caring towards your family and friends. You will be able to understand people both with your reasoning and with your intuition. You will be a good listener and a charming speaker. Your moods may change quickly, and you may swing between restlessness and a need for safety. Your sensitivity and wit will make you a delightful companion loved by many people.</source>
        <extracomment>Portrait of someone born in June on the cusp of Gemini and Cancer (one paragraph)</extracomment>
        <translation>Cette cuspide réunit à merveille la logique et les émotions. Vous avez l&apos;esprit vif des Gémeaux et le cœur chaleureux du Cancer. Vous êtes sociable et curieux, tout en étant profondément attentionné envers votre famille et vos amis. Vous comprenez les gens aussi bien par la raison que par l&apos;intuition. Vous savez écouter et vous parlez avec charme. Votre humeur peut changer vite, et vous oscillez parfois entre agitation et besoin de sécurité. Votre sensibilité et votre esprit font de vous un compagnon délicieux, aimé de beaucoup.</translation>
    </message>
    <message>
        <source>This cusp has the combined energies of the moody and sensitive Cancer and the proud and confident Leo. You will be warm, caring and affectionate, yet also outgoing and full of life. You will love your family deeply and enjoy entertaining friends in your home. You will be creative and expressive, with a natural talent for drama or art. Your feelings will run deep, and you may be easily hurt if you feel unappreciated. You will be loyal and protective, and you will make a generous and faithful friend. Balancing your need for security with your love of the spotlight will bring you great happiness.</source>
        <extracomment>Portrait of someone born in July on the cusp of Cancer and Leo (one paragraph)</extracomment>
        <translation>Cette cuspide réunit les énergies du Cancer, sensible et changeant, et du Lion, fier et sûr de lui. Vous êtes chaleureux, attentionné et affectueux, mais aussi extraverti et plein de vie. Vous aimez profondément votre famille et prenez plaisir à recevoir vos amis chez vous. Vous êtes créatif et expressif, avec un don naturel pour le théâtre ou l&apos;art. Vos sentiments sont profonds, et vous pouvez être facilement blessé si vous ne vous sentez pas apprécié. Vous êtes loyal et protecteur, et vous êtes un ami généreux et fidèle. Concilier votre besoin de sécurité et votre goût des projecteurs vous apportera un grand bonheur.</translation>
    </message>
    <message>
        <source>You will shift from being an arrogant, romantic and outgoing Leo to a more modest, practical and careful Virgo. You will combine the warmth and creativity of Leo with the precision and diligence of Virgo. You will be a hard worker who also knows how to shine in public. You will have high standards and will expect the best from yourself and others. You will be generous and very helpful, and people will value your sound advice. You will have an eye for detail as well as for the big picture. At times you may be too proud or too critical, but your sincerity and dedication will earn you respect. You will be a loyal friend and a reliable partner, and your talents will help you achieve lasting success in life.</source>
        <extracomment>Portrait of someone born in August on the cusp of Leo and Virgo (one paragraph)</extracomment>
        <translation>Vous passez du Lion arrogant, romantique et extraverti à la Vierge plus modeste, pratique et prudente. Vous alliez la chaleur et la créativité du Lion à la précision et à l&apos;application de la Vierge. Vous êtes un grand travailleur qui sait aussi briller en public. Vous placez la barre haut et attendez le meilleur de vous-même comme des autres. Vous êtes généreux et très serviable, et l&apos;on apprécie vos conseils avisés. Vous avez l&apos;œil pour le détail comme pour la vue d&apos;ensemble. Vous êtes parfois trop fier ou trop critique, mais votre sincérité et votre dévouement vous valent le respect. Vous êtes un ami loyal et un partenaire fiable, et vos talents vous aideront à connaître une réussite durable.</translation>
    </message>
    <message>
        <source>You will be proud of your achievements and your practical, efficient way of working. The influence of Libra will add grace, charm and a love of beauty to your careful Virgo nature. You will be intelligent and refined, with good taste and a strong sense of fairness. You will work hard to create order and harmony all around you. You will be helpful and considerate, and people will enjoy your polite and gentle manners. At times you might be indecisive or overly critical, but your kindness and good judgement will make you a trusted friend and partner. </source>
        <extracomment>Portrait of someone born in September on the cusp of Virgo and Libra (one paragraph)</extracomment>
        <translation>Vous êtes fier de vos réussites et de votre façon de travailler, pratique et efficace. L&apos;influence de la Balance ajoute grâce, charme et amour de la beauté à votre nature soigneuse de Vierge. Vous êtes intelligent et raffiné, avec du goût et un sens aigu de la justice. Vous travaillez dur pour faire régner l&apos;ordre et l&apos;harmonie autour de vous. Vous êtes serviable et prévenant, et l&apos;on apprécie vos manières polies et douces. Vous êtes parfois indécis ou trop critique, mais votre gentillesse et votre bon jugement font de vous un ami et un partenaire de confiance. </translation>
    </message>
    <message>
        <source>You will be loving and adorable with your elegant charm and the intense passion of Scorpio. You will combine the diplomacy of Libra with the depth and determination of Scorpio. You will be attractive and magnetic, and people will find you fascinating. You will be intelligent and perceptive, able to see through surface appearances. You will love deeply and loyally, though you might sometimes be a bit jealous. Your charm, insight and inner strength will help you achieve your goals in life.</source>
        <extracomment>Portrait of someone born in October on the cusp of Libra and Scorpio (one paragraph)</extracomment>
        <translation>Vous êtes aimant et adorable, avec votre charme élégant et l&apos;intense passion du Scorpion. Vous alliez la diplomatie de la Balance à la profondeur et à la détermination du Scorpion. Vous êtes séduisant et magnétique, et les gens vous trouvent fascinant. Vous êtes intelligent et perspicace, capable de voir au-delà des apparences. Vous aimez profondément et fidèlement, même si vous êtes parfois un peu jaloux. Votre charme, votre clairvoyance et votre force intérieure vous aideront à atteindre vos buts dans la vie.</translation>
    </message>
    <message>
        <source>You will be very resourceful and capable of being a pioneer in any field you choose. You will combine the intensity of Scorpio with the optimism and adventurous spirit of Sagittarius. You will be honest, direct and passionate about your beliefs. You will love freedom and will enjoy travelling and exploring new ideas. You will be brave and determined, and you will not give up easily. At times you might be impatient or rebellious, but your generosity and enthusiasm will win you many loyal friends and help you make a real difference in the world.</source>
        <extracomment>Portrait of someone born in November on the cusp of Scorpio and Sagittarius (one paragraph)</extracomment>
        <translation>Vous êtes plein de ressources et capable d&apos;ouvrir la voie dans le domaine de votre choix. Vous alliez l&apos;intensité du Scorpion à l&apos;optimisme et à l&apos;esprit d&apos;aventure du Sagittaire. Vous êtes honnête, direct et passionné par vos convictions. Vous aimez la liberté, les voyages et la découverte d&apos;idées nouvelles. Vous êtes courageux et déterminé, et vous n&apos;abandonnez pas facilement. Vous êtes parfois impatient ou rebelle, mais votre générosité et votre enthousiasme vous valent de nombreux amis fidèles et vous aident à changer vraiment les choses dans le monde.</translation>
    </message>
    <message>
        <source>You will have a combination of the intellectual and adventurousness nature of Sagittarius with the practical ambition of Capricorn. You will be optimistic yet realistic, and you will know how to turn your big dreams into concrete plans. You will be hard working and determined, with a good sense of humour. You will enjoy learning about other cultures and may travel widely. At times you may be too serious or too blunt, but your honesty and loyalty will make you a well respected friend and a natural leader.</source>
        <extracomment>Portrait of someone born in December on the cusp of Sagittarius and Capricorn (one paragraph)</extracomment>
        <translation>Vous alliez la nature intellectuelle et aventureuse du Sagittaire à l&apos;ambition pratique du Capricorne. Vous êtes optimiste mais réaliste, et vous savez transformer vos grands rêves en projets concrets. Vous êtes travailleur et déterminé, avec un bon sens de l&apos;humour. Vous aimez découvrir d&apos;autres cultures et voyagez peut-être beaucoup. Vous êtes parfois trop sérieux ou trop direct, mais votre honnêteté et votre loyauté font de vous un ami très respecté et un meneur né.</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
</context>
<context>
    <name>LuckyNumbers</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two lucky numbers of a sign, e.g. &quot;8 and 9&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>PromoTexts</name>
    <message>
        <source>Our friendly forum is a great place to discuss astrology and esoteric subjects. Visit us at %1!</source>
        <extracomment>%1 is the forum&apos;s address, e.g. forum.solvanta.example</extracomment>
        <translation>Parlez d&apos;astrologie et d&apos;ésotérisme sur notre forum convivial. Rendez-nous visite sur %1&#xa0;!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get a copy of this software fully branded with your name for your own website.</source>
        <translation>Une activité à domicile&#xa0;: lancez votre commerce sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à votre nom pour votre site web.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Add your own name &amp; logo to this program and give it away free to all your visitors, so that they keep coming back to your website again and again.</source>
        <translation>Proposez ce logiciel sous votre marque&#xa0;: ajoutez-y votre nom et votre logo et offrez-le à tous vos visiteurs, pour qu&apos;ils reviennent sans cesse sur votre site.</translation>
    </message>
    <message>
        <source>Solvanta finds out if you are born in the cusp of two sun signs. If you are not, it tells you which sun sign your birth date belongs to. It also describes the positive and negative traits of each of the twelve sun signs.</source>
        <translation>Solvanta vous dit si vous êtes né sur la cuspide de deux signes solaires. Sinon, il vous indique à quel signe solaire appartient votre date de naissance. Il décrit aussi les qualités et les défauts de chacun des douze signes solaires.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Brand this software with your name for your site.</source>
        <translation>Une activité à domicile&#xa0;: lancez votre propre commerce sur Internet et gagnez de l&apos;argent en ligne. Mettez ce logiciel à votre nom pour votre site.</translation>
    </message>
    <message>
        <source>Quillory, such as this can be created and maintained only with your support. It lives thanks to friends like you. The best support you can give is to visit our forum at %1 regularly and join its discussions.</source>
        <extracomment>%1 is the forum&apos;s address; Quillory is the maker&apos;s name</extracomment>
        <translation>Un logiciel Quillory comme celui-ci ne peut être créé et entretenu qu&apos;avec votre soutien. Il vit grâce à des amis comme vous. Le meilleur soutien que vous puissiez nous apporter est de venir régulièrement sur notre forum %1 et de participer à ses discussions.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its lively discussions on astrology and related esoteric subjects. Without your regular visits and participation this software cannot be maintained.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>Venez régulièrement sur %1 et prenez part à ses discussions animées sur l&apos;astrologie et les sujets ésotériques. Sans vos visites et votre participation régulières, ce logiciel ne peut pas être entretenu.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on astrology, tarot, numerology and many other esoteric subjects. Please visit it regularly and say hi.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 est un forum de discussion en ligne GRATUIT consacré à l&apos;astrologie, au tarot, à la numérologie et à bien d&apos;autres sujets ésotériques. Venez-y régulièrement et dites-nous bonjour.</translation>
    </message>
    <message>
        <source>%1 needs your help. This friendly forum lives on the visits and posts of its members. Please visit it regularly, share your views and take part in its discussions on astrology.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 a besoin de vous. Ce forum convivial vit des visites et des messages de ses membres. Venez-y régulièrement, partagez vos points de vue et participez à ses discussions sur l&apos;astrologie.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other Quillory programs. Our astrology software prepares birth charts, compatibility reports and daily horoscopes in plain language. Our psychic software helps you explore your intuition and inner abilities with simple exercises. The tarot software lets you lay out classic spreads and read the meaning of every card. The numerology software reveals the meaning of the numbers in your name and birth date. Our occult software introduces you to the symbols and traditions of the esoteric world. Each program is easy to use and made for everyone.</source>
        <translation>Si ce logiciel vous a plu, les autres programmes Quillory vous intéresseront sûrement. Notre logiciel d&apos;astrologie établit des thèmes natals, des rapports de compatibilité et des horoscopes quotidiens dans un langage simple. Notre logiciel de voyance vous aide à explorer votre intuition et vos capacités intérieures grâce à des exercices simples. Le logiciel de tarot vous permet de faire les tirages classiques et de lire la signification de chaque carte. Le logiciel de numérologie révèle le sens des nombres de votre nom et de votre date de naissance. Notre logiciel d&apos;occultisme vous fait découvrir les symboles et les traditions du monde ésotérique. Chaque programme est facile à utiliser et conçu pour tous.</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Characteristics of %1</source>
        <extracomment>Caption of the first sign&apos;s panel on a cusp; %1 is the sign&apos;s name</extracomment>
        <translation>Caractéristiques du signe %1</translation>
    </message>
    <message>
        <source>Characteristics of  %1</source>
        <extracomment>Caption of the second sign&apos;s panel on a cusp; %1 is the sign&apos;s name. The English has two blanks before it; a translation may have one.</extracomment>
        <translation>Caractéristiques du signe %1</translation>
    </message>
    <message>
        <source>Yes! You were born in the Cusp of %1 and %2<byte value="xd"/>
<byte value="xd"/>
You have the Characteristics of both the Signs</source>
        <extracomment>The verdict on a cusp: %1 is the month&apos;s first sign, %2 the second; the line breaks separate two sentences</extracomment>
        <translation>Oui&#xa0;! Vous êtes né sur la cuspide %1-%2.<byte value="xd"/>
<byte value="xd"/>
Vous avez les caractéristiques des deux signes.</translation>
    </message>
    <message>
        <source>No! You were not born in a Cusp</source>
        <translation>Non&#xa0;! Vous n&apos;êtes pas né sur une cuspide.</translation>
    </message>
</context>
<context>
    <name>SignTraits</name>
    <message>
        <source>You may be pioneers in your fields and developers of new technologies. You are energetic, courageous and full of vitality, and you love to be the first to try something that nobody has attempted before. You face challenges head on and rarely wait for others to show you the way. Your confidence inspires the people around you, and you are often the one who starts a project or a new adventure. You are honest and direct, and people always know where they stand with you. You recover quickly from setbacks and treat every defeat as a lesson for the next attempt. Your enthusiasm is contagious, your energy is endless, and your generous heart makes you a loyal friend who will stand up for the people you love when they need you.</source>
        <extracomment>Positive traits of Aries (one paragraph)</extracomment>
        <translation>Vous pouvez être un pionnier dans votre domaine et créer de nouvelles technologies. Vous êtes énergique, courageux et plein de vitalité, et vous aimez être le premier à tenter ce que personne n&apos;a encore osé. Vous affrontez les défis de face et attendez rarement que d&apos;autres vous montrent le chemin. Votre assurance inspire votre entourage, et c&apos;est souvent vous qui lancez un projet ou une nouvelle aventure. Vous êtes honnête et direct, et avec vous, on sait toujours à quoi s&apos;en tenir. Vous vous remettez vite des revers et voyez dans chaque échec une leçon pour la tentative suivante. Votre enthousiasme est contagieux, votre énergie inépuisable, et votre cœur généreux fait de vous un ami fidèle, prêt à défendre ceux que vous aimez quand ils ont besoin de vous.</translation>
    </message>
    <message>
        <source>You are patient and enduring in nature. You are reliable, practical and determined, and once you set your mind on a goal you work steadily until you reach it. You value security and comfort, and you build your life on solid foundations. You have a deep appreciation of beauty, art, music and good food, and you know how to enjoy the simple pleasures of life. You are warm hearted and loyal, and your friends can always count on you in difficult times. You are calm and composed and rarely lose your temper without reason. You have a good sense of money and are usually careful with your savings and assets. Your steady and sensible approach to life makes you a rock for your family, and people feel safe and comfortable in your gentle and kindly presence.</source>
        <extracomment>Positive traits of Taurus (one paragraph)</extracomment>
        <translation>Vous êtes de nature patiente et endurante. Vous êtes fiable, pratique et déterminé, et une fois que vous vous êtes fixé un but, vous travaillez avec constance jusqu&apos;à l&apos;atteindre. Vous tenez à la sécurité et au confort, et vous bâtissez votre vie sur des bases solides. Vous appréciez profondément la beauté, l&apos;art, la musique et la bonne cuisine, et vous savez savourer les plaisirs simples de la vie. Vous êtes chaleureux et fidèle, et vos amis peuvent toujours compter sur vous dans les moments difficiles. Vous êtes calme et posé, et vous perdez rarement votre sang-froid sans raison. Vous avez le sens de l&apos;argent et gérez en général votre épargne et vos biens avec prudence. Votre façon stable et raisonnable d&apos;aborder la vie fait de vous un roc pour votre famille, et l&apos;on se sent en sécurité et à l&apos;aise en votre présence douce et bienveillante.</translation>
    </message>
    <message>
        <source>You are very adjusting in nature and have a lot of patience. You are witty, curious and quick to learn, and you can talk about almost any subject with great ease. You love communication in all its forms, whether it is conversation, writing or simply exchanging ideas with friends. Your lively mind is always looking for something new to explore, and you are able to handle several tasks at the same time. You are charming and sociable, and people enjoy your company because you are never dull. You adapt easily to new places and situations, and you can see both sides of any question. Your youthful spirit stays with you throughout life, and your sense of humour brightens the days of everyone around you. You make friends quickly and keep them.</source>
        <extracomment>Positive traits of Gemini (one paragraph)</extracomment>
        <translation>Vous avez une grande faculté d&apos;adaptation et beaucoup de patience. Vous êtes spirituel, curieux et prompt à apprendre, et vous pouvez parler avec aisance de presque tous les sujets. Vous aimez la communication sous toutes ses formes, qu&apos;il s&apos;agisse de conversation, d&apos;écriture ou simplement d&apos;échanges d&apos;idées entre amis. Votre esprit vif cherche toujours quelque chose de nouveau à explorer, et vous savez mener plusieurs tâches de front. Vous êtes charmant et sociable, et l&apos;on apprécie votre compagnie car vous n&apos;êtes jamais ennuyeux. Vous vous adaptez facilement aux lieux et aux situations nouvelles, et vous savez voir les deux côtés de chaque question. Votre esprit jeune vous accompagne toute la vie, et votre humour égaye les journées de votre entourage. Vous vous faites vite des amis et vous les gardez.</translation>
    </message>
    <message>
        <source>You are very sensitive in nature and generally soft spoken. You are caring, loving and deeply devoted to your home and family, and you feel happiest when the people you love are safe and content. You have a strong intuition and can often sense what others are feeling before they say a word. You are a wonderful listener, and friends turn to you for comfort and understanding. You have a rich imagination and an excellent memory, especially for the events and emotions of the past. You are very protective of those close to you and will make great sacrifices for them. You are also careful with money and you like to save for the future. Your tenderness and sympathy make you a natural nurturer, and your home is often a warm refuge for others. You are loyal in love and friendship, and once you trust someone you stand by them through every storm and trial of life.</source>
        <extracomment>Positive traits of Cancer (one paragraph)</extracomment>
        <translation>Vous êtes de nature très sensible et parlez généralement d&apos;une voix douce. Vous êtes attentionné, aimant et profondément attaché à votre foyer et à votre famille, et vous êtes plus heureux que jamais quand ceux que vous aimez sont en sécurité et comblés. Vous avez une forte intuition et devinez souvent ce que ressentent les autres avant qu&apos;ils ne disent un mot. Vous êtes un merveilleux confident, et vos amis viennent chercher auprès de vous réconfort et compréhension. Vous avez une riche imagination et une excellente mémoire, surtout pour les événements et les émotions du passé. Vous protégez beaucoup vos proches et êtes prêt à de grands sacrifices pour eux. Vous êtes aussi prudent avec l&apos;argent et aimez mettre de côté pour l&apos;avenir. Votre tendresse et votre compassion font de vous une personne naturellement protectrice, et votre foyer est souvent un refuge chaleureux pour les autres. Vous êtes fidèle en amour comme en amitié, et quand vous faites confiance à quelqu&apos;un, vous restez à ses côtés dans toutes les tempêtes et les épreuves de la vie.</translation>
    </message>
    <message>
        <source>You are very modest by nature. You are practical, hard working and methodical, and you pay great attention to detail in everything you do. You have a sharp, analytical mind and can solve problems that others find too difficult. You are reliable and helpful, and you find real satisfaction in being of service to others. You value health, order and cleanliness, and you often know a great deal about diet and wellbeing. Your quiet intelligence, honesty and devotion to duty make you a trusted friend and colleague.</source>
        <extracomment>Positive traits of Virgo (one paragraph)</extracomment>
        <translation>Vous êtes d&apos;une nature très modeste. Vous êtes pratique, travailleur et méthodique, et vous apportez un grand soin aux détails dans tout ce que vous faites. Vous avez un esprit vif et analytique, capable de résoudre des problèmes que d&apos;autres jugent trop difficiles. Vous êtes fiable et serviable, et vous trouvez une vraie satisfaction à rendre service. Vous attachez de l&apos;importance à la santé, à l&apos;ordre et à la propreté, et vous en savez souvent long sur l&apos;alimentation et le bien-être. Votre intelligence discrète, votre honnêteté et votre sens du devoir font de vous un ami et un collègue de confiance.</translation>
    </message>
    <message>
        <source>You are highly diplomatic individuals. You have a natural sense of fairness and justice, and you always try to see both sides of a question before you form an opinion. You are charming, graceful and sociable, and you make friends wherever you go. You love beauty and harmony in all its forms, and you often have a refined taste in art, music and design. You are a wonderful partner, because you value relationships and work hard to keep the peace between people. You are kind, gentle and considerate, and you dislike quarrels. Your ability to bring people together makes you an excellent mediator and peacemaker. Your warm smile and easy manners win many hearts, and you bring balance and elegance to every situation.</source>
        <extracomment>Positive traits of Libra (one paragraph)</extracomment>
        <translation>Vous êtes d&apos;une grande diplomatie. Vous avez un sens naturel de l&apos;équité et de la justice, et vous cherchez toujours à voir les deux côtés d&apos;une question avant de vous faire une opinion. Vous êtes charmant, gracieux et sociable, et vous vous faites des amis partout où vous allez. Vous aimez la beauté et l&apos;harmonie sous toutes leurs formes, et vous avez souvent un goût raffiné en art, en musique et en décoration. Vous êtes un merveilleux partenaire, car vous accordez du prix aux relations et faites tout pour maintenir la paix entre les gens. Vous êtes aimable, doux et prévenant, et vous détestez les querelles. Votre talent pour rapprocher les gens fait de vous un excellent médiateur et un artisan de paix. Votre sourire chaleureux et votre aisance conquièrent bien des cœurs, et vous apportez équilibre et élégance en toute situation.</translation>
    </message>
    <message>
        <source>You are intense and strong willed people with great depth of feeling. You are passionate, determined and resourceful, and you rarely give up once you have chosen a goal. You have a powerful intuition and can see through pretence and uncover hidden truths. You are loyal and devoted to those you love, and your friendship, once won, lasts for life. You are brave in the face of difficulty and have a remarkable ability to rebuild your life after a crisis. You are discreet and can keep secrets well, which makes people trust you. Your magnetic presence and quiet strength attract others, and your focus and courage allow you to transform yourself and the world around you in lasting and meaningful ways.</source>
        <extracomment>Positive traits of Scorpio (one paragraph)</extracomment>
        <translation>Vous êtes intense et volontaire, doté d&apos;une grande profondeur de sentiments. Vous êtes passionné, déterminé et plein de ressources, et vous abandonnez rarement un but que vous vous êtes fixé. Vous avez une intuition puissante, percez à jour les faux-semblants et mettez au jour les vérités cachées. Vous êtes fidèle et dévoué envers ceux que vous aimez, et votre amitié, une fois gagnée, dure toute la vie. Vous êtes courageux face aux difficultés et avez une capacité remarquable à reconstruire votre vie après une crise. Vous êtes discret et savez garder un secret, ce qui inspire confiance. Votre présence magnétique et votre force tranquille attirent les autres, et votre concentration et votre courage vous permettent de vous transformer, vous et le monde qui vous entoure, de façon profonde et durable.</translation>
    </message>
    <message>
        <source>You are a happy go lucky lot with a very positive outlook towards life. You are optimistic, cheerful and adventurous, and you love freedom more than almost anything else. You have a restless curiosity about the world and enjoy travelling, meeting new people and learning about different cultures and beliefs. You are honest and straightforward, and you have a great sense of humour that makes you popular wherever you go. You have a philosophical mind and like to think about the big questions of life, religion and meaning. You are generous, open minded and tolerant, and you are always ready to give others a second chance. Your enthusiasm is infectious, and you inspire people to dream even bigger. You are also a good teacher, and friends value your wise advice. Your faith in the future helps you bounce back fast from disappointments and keep moving forward with hope.</source>
        <extracomment>Positive traits of Sagittarius (one paragraph)</extracomment>
        <translation>Vous êtes d&apos;un naturel insouciant et voyez la vie de façon très positive. Vous êtes optimiste, joyeux et aventureux, et vous aimez la liberté plus que presque tout. Vous êtes animé d&apos;une curiosité insatiable pour le monde et vous aimez voyager, rencontrer de nouvelles personnes et découvrir d&apos;autres cultures et croyances. Vous êtes honnête et franc, et votre grand sens de l&apos;humour vous rend populaire partout où vous allez. Vous avez l&apos;esprit philosophe et aimez réfléchir aux grandes questions de la vie, de la religion et du sens. Vous êtes généreux, ouvert et tolérant, et toujours prêt à laisser une seconde chance aux autres. Votre enthousiasme est communicatif, et vous poussez les gens à rêver plus grand encore. Vous êtes aussi un bon pédagogue, et vos amis apprécient vos sages conseils. Votre foi en l&apos;avenir vous aide à vous remettre vite des déceptions et à continuer d&apos;avancer avec espoir.</translation>
    </message>
    <message>
        <source>You are people with a traditional frame of mind. You are responsible, disciplined and ambitious, and you are ready to work hard and wait patiently for success. You are practical and realistic, and you plan carefully before you act. You have great respect for order, rules and tradition, and people trust you with important tasks. You are loyal to your family and take your duties seriously. You have a dry sense of humour that surprises those who think you are always serious. You are good at managing money and resources, and you often rise to positions of authority through steady effort. Your persistence, reliability and quiet strength make you a pillar of support for others, and your achievements grow steadily with the years.</source>
        <extracomment>Positive traits of Capricorn (one paragraph)</extracomment>
        <translation>Vous avez un esprit traditionnel. Vous êtes responsable, discipliné et ambitieux, et vous êtes prêt à travailler dur et à attendre patiemment le succès. Vous êtes pratique et réaliste, et vous planifiez soigneusement avant d&apos;agir. Vous respectez profondément l&apos;ordre, les règles et la tradition, et l&apos;on vous confie des tâches importantes. Vous êtes fidèle à votre famille et prenez vos devoirs au sérieux. Votre humour pince-sans-rire surprend ceux qui vous croient toujours sérieux. Vous savez gérer l&apos;argent et les ressources, et vous accédez souvent à des postes de responsabilité par un effort constant. Votre persévérance, votre fiabilité et votre force tranquille font de vous un pilier pour les autres, et vos réussites grandissent régulièrement avec les années.</translation>
    </message>
    <message>
        <source>You are magnetic in nature and people get attracted to your personality. You are original, independent and inventive, and you often think far ahead of your time. You have a strong humanitarian spirit and care deeply about the welfare of society and the future of the world. You are friendly and tolerant, and you accept people from all walks of life without prejudice. You love new ideas, science and technology, and you are happiest when you can explore unusual paths. You value your freedom and fully respect the freedom of others. You are loyal to your ideals and to your friends, and you work well in groups that share a common cause. Your brilliant mind and unique vision make you a natural reformer who can inspire real and lasting social progress.</source>
        <extracomment>Positive traits of Aquarius (one paragraph)</extracomment>
        <translation>Vous êtes de nature magnétique et votre personnalité attire les gens. Vous êtes original, indépendant et inventif, et vous avez souvent une longueur d&apos;avance sur votre temps. Vous avez un fort esprit humaniste et vous vous souciez profondément du bien-être de la société et de l&apos;avenir du monde. Vous êtes amical et tolérant, et vous acceptez sans préjugés les gens de tous horizons. Vous aimez les idées nouvelles, la science et la technologie, et vous êtes plus heureux que jamais quand vous pouvez explorer des chemins peu fréquentés. Vous tenez à votre liberté et respectez pleinement celle des autres. Vous êtes fidèle à vos idéaux et à vos amis, et vous travaillez bien en groupe autour d&apos;une cause commune. Votre esprit brillant et votre vision unique font de vous un réformateur né, capable d&apos;inspirer un progrès social réel et durable.</translation>
    </message>
    <message>
        <source>You are very adjusting, friendly and good- natured people. You are compassionate, gentle and deeply intuitive, and you feel the joys and sorrows of others as if they were your own. You have a vivid imagination and a strong artistic or musical talent. You are kind and generous, and you are always ready to help those in need without asking for anything in return. You are romantic and devoted in love, and you always see the best in people. You have a spiritual nature and are often drawn to mysticism, dreams and the hidden side of life. Your sensitivity, patience and understanding make you a wonderful friend, and your creative gifts can bring beauty and healing into the world.</source>
        <extracomment>Positive traits of Pisces (one paragraph)</extracomment>
        <translation>Vous êtes très souple, amical et d&apos;un bon naturel. Vous êtes compatissant, doux et profondément intuitif, et vous ressentez les joies et les peines des autres comme si c&apos;étaient les vôtres. Vous avez une imagination débordante et un fort talent artistique ou musical. Vous êtes bon et généreux, et toujours prêt à aider ceux qui sont dans le besoin sans rien demander en retour. Vous êtes romantique et dévoué en amour, et vous voyez toujours le meilleur chez les gens. Vous avez une nature spirituelle et êtes souvent attiré par le mysticisme, les rêves et la face cachée de la vie. Votre sensibilité, votre patience et votre compréhension font de vous un ami merveilleux, et vos dons créatifs peuvent apporter beauté et guérison au monde.</translation>
    </message>
    <message>
        <source>You may be arrogant and domineering. You like to get your way and can become impatient when others do not move as fast as you do. Your quick temper may flare up over small matters, and you sometimes speak before you think, hurting people without meaning to. You tend to start many projects with great zeal but lose interest once the excitement fades, leaving the work to others. You can be selfish in your pursuit of your goals and may overlook the feelings of those around you. Learning patience, listening more closely and respecting the views of others will help you turn your fire into real strength.</source>
        <extracomment>Negative traits of Aries (one paragraph)</extracomment>
        <translation>Vous pouvez être arrogant et autoritaire. Vous aimez imposer vos vues et vous impatientez quand les autres n&apos;avancent pas aussi vite que vous. Votre caractère emporté peut s&apos;enflammer pour des broutilles, et il vous arrive de parler avant de réfléchir, blessant les gens sans le vouloir. Vous avez tendance à lancer de nombreux projets avec un grand zèle, puis à vous en désintéresser une fois l&apos;excitation retombée, laissant le travail aux autres. Vous pouvez être égoïste dans la poursuite de vos objectifs et négliger les sentiments de votre entourage. Apprendre la patience, écouter davantage et respecter l&apos;avis des autres vous aidera à faire de votre feu une véritable force.</translation>
    </message>
    <message>
        <source>You are very stubborn and inflexible. Once you have made up your mind, it is very hard for anyone to change it, even when change would be good for you. You can be possessive about the people and things you love, and jealousy may creep into your relationships. You sometimes resist new ideas simply because they are unfamiliar, and your love of comfort may make you lazy or too fond of indulgence and ease.</source>
        <extracomment>Negative traits of Taurus (one paragraph)</extracomment>
        <translation>Vous êtes très têtu et inflexible. Une fois votre décision prise, il est très difficile de vous faire changer d&apos;avis, même quand un changement vous ferait du bien. Vous pouvez être possessif envers les personnes et les choses que vous aimez, et la jalousie risque de s&apos;immiscer dans vos relations. Il vous arrive de rejeter des idées nouvelles simplement parce qu&apos;elles ne vous sont pas familières, et votre amour du confort peut vous rendre paresseux ou trop enclin à la facilité et aux plaisirs.</translation>
    </message>
    <message>
        <source>You are inconsistent in your performance. Your interest may shift quickly from one thing to another, and you may leave tasks unfinished when something more exciting comes along. You can be restless and nervous, and you sometimes find it hard to sit still or to concentrate for long. Your changing moods can confuse the people around you, and you may appear superficial or unreliable to those who do not know you well. You may also be tempted to bend the truth a little when it suits you, and you can be too critical of others.</source>
        <extracomment>Negative traits of Gemini (one paragraph)</extracomment>
        <translation>Vos résultats sont inégaux. Votre intérêt peut passer très vite d&apos;une chose à l&apos;autre, et vous risquez de laisser des tâches inachevées dès que quelque chose de plus excitant se présente. Vous pouvez être agité et nerveux, et il vous est parfois difficile de tenir en place ou de vous concentrer longtemps. Vos sautes d&apos;humeur peuvent dérouter votre entourage, et ceux qui vous connaissent mal peuvent vous trouver superficiel ou peu fiable. Vous êtes aussi parfois tenté d&apos;arranger un peu la vérité quand cela vous arrange, et vous pouvez être trop critique envers les autres.</translation>
    </message>
    <message>
        <source>You are unstable and very unreliable. Your moods change like the phases of the moon, and people may find it hard to know how you will react from one day to the next. You can be very touchy and may take offence at remarks that were never meant to hurt you. When you feel hurt, you tend to withdraw into your shell and sulk instead of talking openly about the problem. You may cling to the past and to old grievances, and you can be overly possessive of the people you love. Your fear of rejection sometimes makes you manipulative or self pitying, and you may worry far more than is good for your peace of mind.</source>
        <extracomment>Negative traits of Cancer (one paragraph)</extracomment>
        <translation>Vous êtes instable et très peu fiable. Votre humeur change comme les phases de la lune, et les gens ont parfois du mal à prévoir comment vous réagirez d&apos;un jour à l&apos;autre. Vous pouvez être très susceptible et vous offusquer de remarques qui n&apos;avaient rien de blessant. Quand vous êtes blessé, vous avez tendance à vous replier dans votre coquille et à bouder au lieu de parler franchement du problème. Vous vous accrochez parfois au passé et à de vieilles rancunes, et vous pouvez être trop possessif envers ceux que vous aimez. La peur du rejet vous rend parfois manipulateur ou enclin à l&apos;apitoiement sur vous-même, et vous vous inquiétez peut-être bien plus qu&apos;il n&apos;est bon pour votre tranquillité d&apos;esprit.</translation>
    </message>
    <message>
        <source>You have a violent temper. When your pride is wounded, you can react with anger that surprises everyone around you. You love attention and admiration, and you may feel hurt or neglected when you do not receive them. You can be vain and self centred, and you sometimes expect others to follow your lead without question. Your wish to be in control may make you bossy or overbearing, especially when others disagree with you. You may also be extravagant with money, spending freely to impress people or to enjoy luxury. Learning humility and accepting that others also deserve the spotlight will help you become the wise leader you are meant to be.</source>
        <translation>Vous avez un tempérament violent. Quand votre fierté est blessée, vous pouvez réagir avec une colère qui surprend tout votre entourage. Vous aimez l&apos;attention et l&apos;admiration, et vous vous sentez blessé ou délaissé quand elles vous font défaut. Vous pouvez être vaniteux et égocentrique, et vous attendez parfois des autres qu&apos;ils vous suivent sans discuter. Votre besoin de tout contrôler peut vous rendre autoritaire ou dominateur, surtout quand les autres ne sont pas d&apos;accord avec vous. Vous pouvez aussi être dépensier, jetant l&apos;argent par les fenêtres pour impressionner ou profiter du luxe. Apprendre l&apos;humilité et accepter que les autres méritent eux aussi d&apos;être sous les projecteurs vous aidera à devenir le sage meneur que vous êtes appelé à être.</translation>
    </message>
    <message>
        <source>Your need for neatness may make them fussy and finicky. You can be overly critical of yourself and of others, and you may find fault where none really exists. You tend to worry a lot about small things, which can make you tense, anxious and nervous. Your high standards sometimes make it hard for you to relax and truly enjoy life.</source>
        <extracomment>Negative traits of Virgo (one paragraph)</extracomment>
        <translation>Votre besoin d&apos;ordre peut vous rendre tatillon et pointilleux. Vous pouvez être trop critique envers vous-même et envers les autres, et vous trouvez parfois à redire là où il n&apos;y a rien à reprocher. Vous avez tendance à vous inquiéter beaucoup pour des détails, ce qui peut vous rendre tendu, anxieux et nerveux. Vos exigences élevées vous empêchent parfois de vous détendre et de profiter vraiment de la vie.</translation>
    </message>
    <message>
        <source>You cannot take make decisions for themselves. You weigh each option so carefully that you may end up not choosing at all, letting good chances slip away. Your wish to please everyone can make you seem insincere, and you may avoid necessary conflicts at any cost. You can also be a bit vain and fond of luxury, and you may lean too much on others for your happiness.</source>
        <extracomment>Negative traits of Libra (one paragraph)</extracomment>
        <translation>Vous avez du mal à prendre des décisions par vous-même. Vous pesez chaque possibilité avec tant de soin que vous finissez parfois par ne rien choisir du tout, laissant passer de belles occasions. Votre désir de plaire à tout le monde peut vous faire paraître peu sincère, et vous évitez parfois à tout prix des conflits pourtant nécessaires. Vous pouvez aussi être un peu vaniteux et amateur de luxe, et vous comptez peut-être trop sur les autres pour votre bonheur.</translation>
    </message>
    <message>
        <source>You have a very short temper. When you feel hurt or betrayed, you can become resentful and even quite vengeful, and you do not easily forgive or forget. You may be jealous and possessive in your relationships, and you sometimes demand complete loyalty while keeping your own feelings hidden. Your secretive nature can make others feel shut out, and your suspicion may lead you to see threats where none exist. You can be stubborn and manipulative when you want to get your way, and your intensity may sometimes overwhelm gentler people.</source>
        <extracomment>Negative traits of Scorpio (one paragraph)</extracomment>
        <translation>Vous êtes très soupe au lait. Quand vous vous sentez blessé ou trahi, vous pouvez devenir rancunier, voire vindicatif, et vous ne pardonnez ni n&apos;oubliez facilement. Vous êtes parfois jaloux et possessif dans vos relations, et il vous arrive d&apos;exiger une loyauté totale tout en cachant vos propres sentiments. Votre nature secrète peut donner aux autres le sentiment d&apos;être tenus à l&apos;écart, et votre méfiance vous fait parfois voir des menaces là où il n&apos;y en a pas. Vous pouvez être têtu et manipulateur quand vous voulez arriver à vos fins, et votre intensité submerge parfois les personnes plus douces.</translation>
    </message>
    <message>
        <source>You may be too outspoken for your own good. Your blunt honesty can hurt people even when you mean well. You may be restless and careless, promising more than you can deliver and dropping commitments when something more exciting appears. You can be impatient with routine and details, and your love of freedom may make you seem unreliable. A touch more tact would help you a lot.</source>
        <extracomment>Negative traits of Sagittarius (one paragraph)</extracomment>
        <translation>Vous êtes peut-être trop franc pour votre propre bien. Votre honnêteté brutale peut blesser les gens même quand vos intentions sont bonnes. Vous pouvez être agité et insouciant, promettre plus que vous ne pouvez tenir et abandonner vos engagements dès que quelque chose de plus excitant se présente. La routine et les détails vous impatientent, et votre amour de la liberté peut vous faire paraître peu fiable. Un peu plus de tact vous aiderait beaucoup.</translation>
    </message>
    <message>
        <source>You are very rigid in nature and not susceptible to changes. You may cling to old habits and methods even when they no longer work well. You can be pessimistic and tend to expect the worst, which may make you gloomy or quite anxious. Your strong ambition may turn into a cold focus on status and success, leaving little room for fun and feelings. You sometimes find it hard to show your emotions, and others may see you as distant or unfriendly. You can also be too demanding of yourself and of those around you, and you may judge others too harshly.</source>
        <extracomment>Negative traits of Capricorn (one paragraph)</extracomment>
        <translation>Vous êtes de nature très rigide et peu ouvert au changement. Vous vous accrochez parfois à de vieilles habitudes et méthodes même quand elles ne fonctionnent plus. Vous pouvez être pessimiste et vous attendre au pire, ce qui peut vous rendre morose ou assez anxieux. Votre forte ambition peut se muer en une froide obsession du statut et de la réussite, laissant peu de place au plaisir et aux sentiments. Il vous est parfois difficile de montrer vos émotions, et les autres peuvent vous trouver distant ou peu aimable. Vous pouvez aussi être trop exigeant envers vous-même et envers votre entourage, et juger les autres trop sévèrement.</translation>
    </message>
    <message>
        <source>You do not make friends very easily inspite of your extrovert nature. You may keep people at a distance and rarely show your deepest feelings, which can make you seem cool or detached. You can be stubborn about your opinions and may refuse to listen once you believe you are right. Your love of independence may make you unpredictable, and you might rebel against rules simply for the sake of rebelling. You sometimes care more about humanity as a whole than about the individuals close to you. You can also be tactless and eccentric, and your need to be different may puzzle others. Letting people come closer to your heart will enrich your life greatly.</source>
        <extracomment>Negative traits of Aquarius (one paragraph)</extracomment>
        <translation>Malgré votre nature extravertie, vous ne vous faites pas facilement des amis. Vous tenez parfois les gens à distance et montrez rarement vos sentiments les plus profonds, ce qui peut vous faire paraître froid ou détaché. Vous pouvez être têtu dans vos opinions et refuser d&apos;écouter dès que vous pensez avoir raison. Votre goût de l&apos;indépendance peut vous rendre imprévisible, et il vous arrive de vous rebeller contre les règles pour le simple plaisir de vous rebeller. Vous vous souciez parfois davantage de l&apos;humanité dans son ensemble que des personnes qui vous sont proches. Vous pouvez aussi manquer de tact et être excentrique, et votre besoin d&apos;être différent peut dérouter les autres. Laisser les gens s&apos;approcher de votre cœur enrichira beaucoup votre vie.</translation>
    </message>
    <message>
        <source>You want people to sympathize with your personal problems. You can be oversensitive and easily hurt, and you might escape into daydreams when reality becomes difficult. You sometimes find it hard to say no, which can let others take advantage of your kindness. You can be indecisive and vague, and you may lack the discipline to turn your wonderful dreams into reality. Trusting yourself more will help you greatly.</source>
        <extracomment>Negative traits of Pisces (one paragraph)</extracomment>
        <translation>Vous voulez que les autres compatissent à vos problèmes personnels. Vous pouvez être hypersensible et facilement blessé, et vous vous réfugiez parfois dans la rêverie quand la réalité devient difficile. Il vous est parfois difficile de dire non, ce qui peut amener les autres à abuser de votre gentillesse. Vous pouvez être indécis et vague, et il vous manque peut-être la discipline nécessaire pour faire de vos merveilleux rêves une réalité. Avoir davantage confiance en vous vous aidera beaucoup.</translation>
    </message>
    <message>
        <source>You are leaders and have a magnetic personality.You are assertive and confident, and you take charge naturally whenever a group needs direction. You are generous and warm hearted, and you enjoy sharing your success with the people you love. Your enthusiasm and creativity light up every room you enter, and others feel drawn to your sunny nature. You have a flair for drama and love to be in the spotlight, where you shine with great style. You are loyal and protective towards your friends and family, and you will defend them with courage. You have high ideals and a strong sense of honour, and you expect the same from others. You are ambitious and hard working, and you aim for the top in whatever you do. Your optimism helps you overcome obstacles that would discourage others. </source>
        <extracomment>Positive traits of Leo, first passage; the second passage follows it directly</extracomment>
        <translation>Vous êtes un meneur doté d&apos;une personnalité magnétique. Vous êtes affirmé et sûr de vous, et vous prenez naturellement les choses en main dès qu&apos;un groupe a besoin d&apos;une direction. Vous êtes généreux et chaleureux, et vous aimez partager votre réussite avec ceux que vous aimez. Votre enthousiasme et votre créativité illuminent chaque pièce où vous entrez, et les autres se sentent attirés par votre nature solaire. Vous avez le sens du spectacle et aimez être sous les projecteurs, où vous brillez avec beaucoup de style. Vous êtes loyal et protecteur envers vos amis et votre famille, et vous les défendez avec courage. Vous avez de hauts idéaux et un sens aigu de l&apos;honneur, et vous attendez la même chose des autres. Vous êtes ambitieux et travailleur, et vous visez le sommet dans tout ce que vous entreprenez. Votre optimisme vous aide à surmonter des obstacles qui décourageraient les autres. </translation>
    </message>
    <message>
        <source>You have a proud and dignified presence that earns respect wherever you go. You are playful, affectionate and romantic at heart, and your big heart and cheerful spirits make life more joyful for everyone around you.</source>
        <extracomment>Positive traits of Leo, second passage, continuing the first</extracomment>
        <translation>Votre présence fière et digne vous vaut le respect partout où vous allez. Vous êtes au fond joueur, affectueux et romantique, et votre grand cœur et votre bonne humeur rendent la vie plus joyeuse pour tout votre entourage.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Veuillez saisir votre prénom.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Veuillez indiquer votre jour de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Veuillez indiquer votre mois de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Veuillez indiquer votre année de naissance.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>February has no such day in that year</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Day 31 of a month of 30 days (the English has a blank before the &quot;!&quot;)</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
</context>
</TS>
