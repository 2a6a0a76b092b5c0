<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Pérola</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubi</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Safira</translation>
    </message>
    <message>
        <source>Opal</source>
        <translation>Opala</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topázio</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Garnet</source>
        <translation>Granada</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Água-marinha</translation>
    </message>
</context>
<context>
    <name>CompatibleSigns</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two signs that go well with a sign, e.g. &quot;Leo and Sagittarius&quot;</extracomment>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>CuspTexts</name>
    <message>
        <source>You will be responsible and traditional in your thoughts and ideas. At the same time, the inventive spirit of Aquarius will give you an original and independent mind. You will respect the wisdom of the past while dreaming about the future, and this mix can make you a truly practical visionary. You will work hard and patiently toward your goals, yet you will not be afraid to try new and unusual methods. You will be loyal to your friends and dedicated to your family, though you may hide your feelings behind a calm and serious face. You will value your freedom and might dislike being told what to do. Your energy and determination can help you achieve great things, and your friends will admire your ability to combine common sense with bright new ideas.</source>
        <extracomment>Portrait of someone born in January on the cusp of Capricorn and Aquarius (one paragraph)</extracomment>
        <translation>Você é responsável e tradicional em seus pensamentos e ideias. Ao mesmo tempo, o espírito inventivo de Aquário lhe dá uma mente original e independente. Você respeita a sabedoria do passado enquanto sonha com o futuro, e essa mistura pode fazer de você um verdadeiro visionário com os pés no chão. Você trabalha com empenho e paciência para alcançar seus objetivos, mas não tem medo de experimentar métodos novos e incomuns. Você é leal aos amigos e dedicado à família, embora às vezes esconda seus sentimentos atrás de um rosto calmo e sério. Você valoriza sua liberdade e não gosta que lhe digam o que fazer. Sua energia e sua determinação podem levar você a grandes conquistas, e seus amigos admiram sua capacidade de unir bom senso a ideias novas e brilhantes.</translation>
    </message>
    <message>
        <source>You will have your own set of ideals and values. You will combine the original mind of Aquarius with the gentle imagination of Pisces. You will be kind, tolerant and deeply caring about humanity, and you might feel called to help others. You will be creative and artistic, with a strong and reliable intuition. At times you may seem dreamy or detached, but your compassion and vision will make you a quiet, wise and inspiring friend.</source>
        <extracomment>Portrait of someone born in February on the cusp of Aquarius and Pisces (one paragraph)</extracomment>
        <translation>Você tem seus próprios ideais e valores. Você une a mente original de Aquário à doce imaginação de Peixes. Você é bondoso, tolerante e se preocupa profundamente com a humanidade, e talvez sinta o chamado para ajudar os outros. Você é criativo e artístico, com uma intuição forte e confiável. Às vezes você parece sonhador ou distante, mas sua compaixão e sua visão fazem de você um amigo discreto, sábio e inspirador.</translation>
    </message>
    <message>
        <source>You will be very complex to understand. You will be quiet and dreamy like Pisces one moment, then bold and daring like Aries the next. You will combine deep sensitivity with a strong will to act, and this mix makes you both a visionary and a doer. You will be imaginative and intuitive, yet always ready to fight for what you believe in. Learning to balance your dreams with your drive will help you turn your many ideas into real and lasting success.</source>
        <extracomment>Portrait of someone born in March on the cusp of Pisces and Aries (one paragraph)</extracomment>
        <translation>Você é uma pessoa difícil de decifrar. Num momento você é quieto e sonhador como Peixes; no seguinte, ousado e destemido como Áries. Você une uma sensibilidade profunda a uma forte vontade de agir, e essa mistura faz de você ao mesmo tempo um visionário e um realizador. Você é imaginativo e intuitivo, mas está sempre pronto para lutar por aquilo em que acredita. Aprender a equilibrar seus sonhos e sua garra vai ajudar você a transformar suas muitas ideias em um sucesso real e duradouro.</translation>
    </message>
    <message>
        <source>The bold and loud Aries will have a quiet and practical side that comes from Taurus. You will have the energy and courage of Aries combined with the patience and determination of Taurus. You will be a natural leader who can not only start projects but also see them through to the end. You will be strong willed, ambitious and very focused on your goals. You will enjoy the good things of life and work hard to acquire them. At times you may be stubborn or forceful, but your loyalty and generosity will win you many friends. You will be a powerful and dependable force in the lives of others.</source>
        <extracomment>Portrait of someone born in April on the cusp of Aries and Taurus (one paragraph)</extracomment>
        <translation>Em você, o Áries ousado e barulhento tem um lado calmo e prático que vem de Touro. Você tem a energia e a coragem de Áries unidas à paciência e à determinação de Touro. Você é um líder nato, capaz não só de começar projetos, mas também de levá-los até o fim. Você tem força de vontade, é ambicioso e muito focado em seus objetivos. Você aprecia as coisas boas da vida e trabalha duro para conquistá-las. Às vezes você pode ser teimoso ou impositivo, mas sua lealdade e sua generosidade lhe rendem muitos amigos. Você é uma força poderosa e confiável na vida das outras pessoas.</translation>
    </message>
    <message>
        <source>The silent and stubborn Taurus will be more intellectual and talkative with the influence of Gemini. You will combine the practical good sense of Taurus with the curiosity and wit of Gemini. You will be a good communicator, able to express your ideas clearly and persuasively. You will enjoy learning and may have many different interests. You will be more adaptable than a typical Taurus, yet more steady than a typical Gemini. You will love comfort and beauty as well as lively conversation. At times you may be restless or stubborn, but your charm and energy will attract friends. </source>
        <extracomment>Portrait of someone born in May on the cusp of Taurus and Gemini (one paragraph)</extracomment>
        <translation>O Touro calado e teimoso fica mais intelectual e falante com a influência de Gêmeos. Você une o bom senso prático de Touro à curiosidade e à perspicácia de Gêmeos. Você se comunica bem e sabe expressar suas ideias com clareza e poder de persuasão. Você gosta de aprender e pode ter muitos interesses diferentes. Você é mais adaptável do que um taurino típico e, ao mesmo tempo, mais constante do que um geminiano típico. Você ama o conforto e a beleza tanto quanto uma conversa animada. Às vezes você pode ser inquieto ou teimoso, mas seu charme e sua energia atraem amigos. </translation>
    </message>
    <message>
        <source>This cusp is a great combination of logic and emotions. You will have the quick mind of Gemini and the warm heart of Cancer. You will be sociable and curious, yet deeply caring towards your family and friends. You will be able to understand people both with your reasoning and with your intuition. You will be a good listener and a charming speaker. Your moods may change quickly, and you may swing between restlessness and a need for safety. Your sensitivity and wit will make you a delightful companion loved by many people.</source>
        <extracomment>Portrait of someone born in June on the cusp of Gemini and Cancer (one paragraph)</extracomment>
        <translation>Esta cúspide é uma ótima combinação de lógica e emoção. Você tem a mente ágil de Gêmeos e o coração caloroso de Câncer. Você é sociável e curioso, mas também profundamente carinhoso com a família e os amigos. Você consegue entender as pessoas tanto pela razão quanto pela intuição. Você sabe ouvir e é um ótimo conversador. Seu humor pode mudar depressa, e você talvez oscile entre a inquietação e a necessidade de segurança. Sua sensibilidade e sua perspicácia fazem de você uma companhia encantadora, querida por muita gente.</translation>
    </message>
    <message>
        <source>This cusp has the combined energies of the moody and sensitive Cancer and the proud and confident Leo. You will be warm, caring and affectionate, yet also outgoing and full of life. You will love your family deeply and enjoy entertaining friends in your home. You will be creative and expressive, with a natural talent for drama or art. Your feelings will run deep, and you may be easily hurt if you feel unappreciated. You will be loyal and protective, and you will make a generous and faithful friend. Balancing your need for security with your love of the spotlight will bring you great happiness.</source>
        <extracomment>Portrait of someone born in July on the cusp of Cancer and Leo (one paragraph)</extracomment>
        <translation>Esta cúspide reúne as energias de Câncer, temperamental e sensível, e de Leão, orgulhoso e confiante. Você é caloroso, atencioso e afetuoso, mas também extrovertido e cheio de vida. Você ama profundamente sua família e gosta de receber os amigos em casa. Você é criativo e expressivo, com um talento natural para o teatro ou a arte. Seus sentimentos são profundos, e você pode se magoar com facilidade quando não se sente valorizado. Você é leal e protetor, e um amigo generoso e fiel. Equilibrar sua necessidade de segurança com seu gosto pelos holofotes vai lhe trazer grande felicidade.</translation>
    </message>
    <message>
        <source>You will shift from being an arrogant, romantic and outgoing Leo to a more modest, practical and careful Virgo. You will combine the warmth and creativity of Leo with the precision and diligence of Virgo. You will be a hard worker who also knows how to shine in public. You will have high standards and will expect the best from yourself and others. You will be generous and very helpful, and people will value your sound advice. You will have an eye for detail as well as for the big picture. At times you may be too proud or too critical, but your sincerity and dedication will earn you respect. You will be a loyal friend and a reliable partner, and your talents will help you achieve lasting success in life.</source>
        <extracomment>Portrait of someone born in August on the cusp of Leo and Virgo (one paragraph)</extracomment>
        <translation>Você passa de um leonino arrogante, romântico e extrovertido a um virginiano mais modesto, prático e cuidadoso. Você une o calor humano e a criatividade de Leão à precisão e à dedicação de Virgem. Você trabalha muito e também sabe brilhar em público. Você tem padrões elevados e espera o melhor de si mesmo e dos outros. Você é generoso e muito prestativo, e as pessoas valorizam seus bons conselhos. Você tem olho para os detalhes e também para o todo. Às vezes você pode ser orgulhoso ou crítico demais, mas sua sinceridade e sua dedicação lhe rendem respeito. Você é um amigo leal e um parceiro confiável, e seus talentos vão ajudar você a alcançar um sucesso duradouro na vida.</translation>
    </message>
    <message>
        <source>You will be proud of your achievements and your practical, efficient way of working. The influence of Libra will add grace, charm and a love of beauty to your careful Virgo nature. You will be intelligent and refined, with good taste and a strong sense of fairness. You will work hard to create order and harmony all around you. You will be helpful and considerate, and people will enjoy your polite and gentle manners. At times you might be indecisive or overly critical, but your kindness and good judgement will make you a trusted friend and partner. </source>
        <extracomment>Portrait of someone born in September on the cusp of Virgo and Libra (one paragraph)</extracomment>
        <translation>Você se orgulha de suas conquistas e de seu jeito prático e eficiente de trabalhar. A influência de Libra acrescenta graça, charme e amor pela beleza à sua natureza cuidadosa de Virgem. Você é inteligente e refinado, tem bom gosto e um forte senso de justiça. Você se esforça para criar ordem e harmonia à sua volta. Você é prestativo e atencioso, e as pessoas apreciam suas maneiras educadas e gentis. Às vezes você pode ser indeciso ou crítico demais, mas sua bondade e seu bom senso fazem de você um amigo e parceiro de confiança. </translation>
    </message>
    <message>
        <source>You will be loving and adorable with your elegant charm and the intense passion of Scorpio. You will combine the diplomacy of Libra with the depth and determination of Scorpio. You will be attractive and magnetic, and people will find you fascinating. You will be intelligent and perceptive, able to see through surface appearances. You will love deeply and loyally, though you might sometimes be a bit jealous. Your charm, insight and inner strength will help you achieve your goals in life.</source>
        <extracomment>Portrait of someone born in October on the cusp of Libra and Scorpio (one paragraph)</extracomment>
        <translation>Você é amoroso e adorável, com seu charme elegante e a paixão intensa de Escorpião. Você une a diplomacia de Libra à profundidade e à determinação de Escorpião. Você é atraente e magnético, e as pessoas acham você fascinante. Você é inteligente e perspicaz, capaz de enxergar além das aparências. Você ama com profundidade e lealdade, embora às vezes possa ser um pouco ciumento. Seu charme, sua intuição e sua força interior vão ajudar você a alcançar seus objetivos na vida.</translation>
    </message>
    <message>
        <source>You will be very resourceful and capable of being a pioneer in any field you choose. You will combine the intensity of Scorpio with the optimism and adventurous spirit of Sagittarius. You will be honest, direct and passionate about your beliefs. You will love freedom and will enjoy travelling and exploring new ideas. You will be brave and determined, and you will not give up easily. At times you might be impatient or rebellious, but your generosity and enthusiasm will win you many loyal friends and help you make a real difference in the world.</source>
        <extracomment>Portrait of someone born in November on the cusp of Scorpio and Sagittarius (one paragraph)</extracomment>
        <translation>Você é cheio de recursos e capaz de ser pioneiro em qualquer área que escolher. Você une a intensidade de Escorpião ao otimismo e ao espírito aventureiro de Sagitário. Você é honesto, direto e defende suas convicções com paixão. Você ama a liberdade e gosta de viajar e de explorar novas ideias. Você é corajoso e determinado, e não desiste com facilidade. Às vezes você pode ser impaciente ou rebelde, mas sua generosidade e seu entusiasmo lhe rendem muitos amigos leais e ajudam você a fazer uma diferença real no mundo.</translation>
    </message>
    <message>
        <source>You will have a combination of the intellectual and adventurousness nature of Sagittarius with the practical ambition of Capricorn. You will be optimistic yet realistic, and you will know how to turn your big dreams into concrete plans. You will be hard working and determined, with a good sense of humour. You will enjoy learning about other cultures and may travel widely. At times you may be too serious or too blunt, but your honesty and loyalty will make you a well respected friend and a natural leader.</source>
        <extracomment>Portrait of someone born in December on the cusp of Sagittarius and Capricorn (one paragraph)</extracomment>
        <translation>Você combina a natureza intelectual e aventureira de Sagitário com a ambição prática de Capricórnio. Você é otimista, mas realista, e sabe transformar grandes sonhos em planos concretos. Você é trabalhador e determinado, e tem um bom senso de humor. Você gosta de conhecer outras culturas e talvez viaje bastante. Às vezes você pode ser sério ou franco demais, mas sua honestidade e sua lealdade fazem de você um amigo muito respeitado e um líder nato.</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
</context>
<context>
    <name>LuckyNumbers</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two lucky numbers of a sign, e.g. &quot;8 and 9&quot;</extracomment>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>PromoTexts</name>
    <message>
        <source>Our friendly forum is a great place to discuss astrology and esoteric subjects. Visit us at %1!</source>
        <extracomment>%1 is the forum&apos;s address, e.g. forum.solvanta.example</extracomment>
        <translation>Nosso fórum é um lugar acolhedor para conversar sobre astrologia e assuntos esotéricos. Visite-nos em %1!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get a copy of this software fully branded with your name for your own website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha uma cópia deste programa com a sua marca para o seu próprio site.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Add your own name &amp; logo to this program and give it away free to all your visitors, so that they keep coming back to your website again and again.</source>
        <translation>Coloque a sua marca neste programa para o seu site. Adicione seu nome e seu logotipo e distribua-o gratuitamente a todos os seus visitantes, para que eles voltem ao seu site sempre.</translation>
    </message>
    <message>
        <source>Solvanta finds out if you are born in the cusp of two sun signs. If you are not, it tells you which sun sign your birth date belongs to. It also describes the positive and negative traits of each of the twelve sun signs.</source>
        <translation>O Solvanta descobre se você nasceu na cúspide de dois signos solares. Se não nasceu, ele diz a qual signo solar pertence a sua data de nascimento. Ele também descreve as características positivas e negativas de cada um dos doze signos solares.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Brand this software with your name for your site.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Coloque o seu nome neste programa para o seu site.</translation>
    </message>
    <message>
        <source>Quillory, such as this can be created and maintained only with your support. It lives thanks to friends like you. The best support you can give is to visit our forum at %1 regularly and join its discussions.</source>
        <extracomment>%1 is the forum&apos;s address; Quillory is the maker&apos;s name</extracomment>
        <translation>Um programa da Quillory como este só pode ser criado e mantido com o seu apoio. Ele vive graças a amigos como você. O melhor apoio que você pode dar é visitar regularmente nosso fórum em %1 e participar das discussões.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in its lively discussions on astrology and related esoteric subjects. Without your regular visits and participation this software cannot be maintained.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>Visite %1 regularmente e participe das animadas discussões sobre astrologia e outros assuntos esotéricos. Sem as suas visitas e a sua participação constantes, este programa não pode ser mantido.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum on astrology, tarot, numerology and many other esoteric subjects. Please visit it regularly and say hi.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 é um fórum de discussão on-line GRATUITO sobre astrologia, tarô, numerologia e muitos outros assuntos esotéricos. Visite-o sempre e venha dar um oi.</translation>
    </message>
    <message>
        <source>%1 needs your help. This friendly forum lives on the visits and posts of its members. Please visit it regularly, share your views and take part in its discussions on astrology.</source>
        <extracomment>%1 is the forum&apos;s address</extracomment>
        <translation>%1 precisa da sua ajuda. Este fórum acolhedor vive das visitas e das mensagens dos seus membros. Visite-o regularmente, compartilhe suas opiniões e participe das discussões sobre astrologia.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other Quillory programs. Our astrology software prepares birth charts, compatibility reports and daily horoscopes in plain language. Our psychic software helps you explore your intuition and inner abilities with simple exercises. The tarot software lets you lay out classic spreads and read the meaning of every card. The numerology software reveals the meaning of the numbers in your name and birth date. Our occult software introduces you to the symbols and traditions of the esoteric world. Each program is easy to use and made for everyone.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Quillory. Nosso programa de astrologia prepara mapas astrais, relatórios de compatibilidade e horóscopos diários em linguagem simples. Nosso programa de vidência ajuda você a explorar sua intuição e suas capacidades interiores com exercícios simples. O programa de tarô permite fazer as tiragens clássicas e ler o significado de cada carta. O programa de numerologia revela o significado dos números do seu nome e da sua data de nascimento. Nosso programa de ocultismo apresenta os símbolos e as tradições do mundo esotérico. Todos os programas são fáceis de usar e feitos para todo mundo.</translation>
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
        <translation>Sim! Você nasceu na cúspide de %1 e %2.<byte value="xd"/>
<byte value="xd"/>
Você tem as características dos dois signos.</translation>
    </message>
    <message>
        <source>No! You were not born in a Cusp</source>
        <translation>Não! Você não nasceu em uma cúspide.</translation>
    </message>
</context>
<context>
    <name>SignTraits</name>
    <message>
        <source>You may be pioneers in your fields and developers of new technologies. You are energetic, courageous and full of vitality, and you love to be the first to try something that nobody has attempted before. You face challenges head on and rarely wait for others to show you the way. Your confidence inspires the people around you, and you are often the one who starts a project or a new adventure. You are honest and direct, and people always know where they stand with you. You recover quickly from setbacks and treat every defeat as a lesson for the next attempt. Your enthusiasm is contagious, your energy is endless, and your generous heart makes you a loyal friend who will stand up for the people you love when they need you.</source>
        <extracomment>Positive traits of Aries (one paragraph)</extracomment>
        <translation>Você pode ser pioneiro em sua área e criar novas tecnologias. Você é enérgico, corajoso e cheio de vitalidade, e adora ser o primeiro a tentar algo que ninguém tentou antes. Você encara os desafios de frente e raramente espera que os outros lhe mostrem o caminho. Sua confiança inspira as pessoas à sua volta, e muitas vezes é você quem dá início a um projeto ou a uma nova aventura. Você é honesto e direto, e as pessoas sempre sabem o que esperar de você. Você se recupera rápido dos contratempos e encara cada derrota como uma lição para a próxima tentativa. Seu entusiasmo é contagiante, sua energia não tem fim, e seu coração generoso faz de você um amigo leal, que defende as pessoas que ama quando elas precisam.</translation>
    </message>
    <message>
        <source>You are patient and enduring in nature. You are reliable, practical and determined, and once you set your mind on a goal you work steadily until you reach it. You value security and comfort, and you build your life on solid foundations. You have a deep appreciation of beauty, art, music and good food, and you know how to enjoy the simple pleasures of life. You are warm hearted and loyal, and your friends can always count on you in difficult times. You are calm and composed and rarely lose your temper without reason. You have a good sense of money and are usually careful with your savings and assets. Your steady and sensible approach to life makes you a rock for your family, and people feel safe and comfortable in your gentle and kindly presence.</source>
        <extracomment>Positive traits of Taurus (one paragraph)</extracomment>
        <translation>Você é paciente e perseverante por natureza. Você é confiável, prático e determinado, e quando coloca uma meta na cabeça trabalha com constância até alcançá-la. Você valoriza a segurança e o conforto, e constrói sua vida sobre bases sólidas. Você aprecia profundamente a beleza, a arte, a música e a boa comida, e sabe aproveitar os prazeres simples da vida. Você é caloroso e leal, e seus amigos sempre podem contar com você nos momentos difíceis. Você é calmo e sereno, e raramente perde a paciência sem motivo. Você tem tino para o dinheiro e costuma ser cuidadoso com suas economias e seus bens. Seu jeito estável e sensato de levar a vida faz de você um porto seguro para a sua família, e as pessoas se sentem seguras e à vontade na sua presença gentil e bondosa.</translation>
    </message>
    <message>
        <source>You are very adjusting in nature and have a lot of patience. You are witty, curious and quick to learn, and you can talk about almost any subject with great ease. You love communication in all its forms, whether it is conversation, writing or simply exchanging ideas with friends. Your lively mind is always looking for something new to explore, and you are able to handle several tasks at the same time. You are charming and sociable, and people enjoy your company because you are never dull. You adapt easily to new places and situations, and you can see both sides of any question. Your youthful spirit stays with you throughout life, and your sense of humour brightens the days of everyone around you. You make friends quickly and keep them.</source>
        <extracomment>Positive traits of Gemini (one paragraph)</extracomment>
        <translation>Você é muito adaptável por natureza e tem muita paciência. Você é espirituoso, curioso e aprende rápido, e consegue conversar com muita facilidade sobre quase qualquer assunto. Você adora a comunicação em todas as suas formas, seja conversando, escrevendo ou simplesmente trocando ideias com os amigos. Sua mente viva está sempre em busca de algo novo para explorar, e você consegue cuidar de várias tarefas ao mesmo tempo. Você é charmoso e sociável, e as pessoas gostam da sua companhia porque você nunca é monótono. Você se adapta com facilidade a lugares e situações novos, e sabe enxergar os dois lados de qualquer questão. Seu espírito jovem acompanha você a vida inteira, e seu senso de humor ilumina os dias de todos à sua volta. Você faz amigos rapidamente e sabe mantê-los.</translation>
    </message>
    <message>
        <source>You are very sensitive in nature and generally soft spoken. You are caring, loving and deeply devoted to your home and family, and you feel happiest when the people you love are safe and content. You have a strong intuition and can often sense what others are feeling before they say a word. You are a wonderful listener, and friends turn to you for comfort and understanding. You have a rich imagination and an excellent memory, especially for the events and emotions of the past. You are very protective of those close to you and will make great sacrifices for them. You are also careful with money and you like to save for the future. Your tenderness and sympathy make you a natural nurturer, and your home is often a warm refuge for others. You are loyal in love and friendship, and once you trust someone you stand by them through every storm and trial of life.</source>
        <extracomment>Positive traits of Cancer (one paragraph)</extracomment>
        <translation>Você é muito sensível por natureza e costuma falar com suavidade. Você é atencioso, amoroso e muito dedicado ao seu lar e à sua família, e fica mais feliz quando as pessoas que ama estão seguras e contentes. Você tem uma intuição forte e muitas vezes percebe o que os outros estão sentindo antes que digam uma palavra. Você sabe ouvir como ninguém, e os amigos procuram em você consolo e compreensão. Você tem uma imaginação rica e uma memória excelente, principalmente para os acontecimentos e as emoções do passado. Você protege muito as pessoas próximas e é capaz de grandes sacrifícios por elas. Você também é cuidadoso com dinheiro e gosta de poupar para o futuro. Sua ternura e sua compaixão fazem de você alguém que cuida dos outros por natureza, e seu lar costuma ser um refúgio acolhedor para todos. Você é fiel no amor e na amizade, e quando confia em alguém fica ao lado dessa pessoa em todas as tempestades e provações da vida.</translation>
    </message>
    <message>
        <source>You are very modest by nature. You are practical, hard working and methodical, and you pay great attention to detail in everything you do. You have a sharp, analytical mind and can solve problems that others find too difficult. You are reliable and helpful, and you find real satisfaction in being of service to others. You value health, order and cleanliness, and you often know a great deal about diet and wellbeing. Your quiet intelligence, honesty and devotion to duty make you a trusted friend and colleague.</source>
        <extracomment>Positive traits of Virgo (one paragraph)</extracomment>
        <translation>Você é muito modesto por natureza. Você é prático, trabalhador e metódico, e presta muita atenção aos detalhes em tudo o que faz. Você tem uma mente afiada e analítica e consegue resolver problemas que os outros acham difíceis demais. Você é confiável e prestativo, e sente verdadeira satisfação em ser útil aos outros. Você valoriza a saúde, a ordem e a limpeza, e muitas vezes entende bastante de alimentação e bem-estar. Sua inteligência discreta, sua honestidade e seu senso de dever fazem de você um amigo e colega de confiança.</translation>
    </message>
    <message>
        <source>You are highly diplomatic individuals. You have a natural sense of fairness and justice, and you always try to see both sides of a question before you form an opinion. You are charming, graceful and sociable, and you make friends wherever you go. You love beauty and harmony in all its forms, and you often have a refined taste in art, music and design. You are a wonderful partner, because you value relationships and work hard to keep the peace between people. You are kind, gentle and considerate, and you dislike quarrels. Your ability to bring people together makes you an excellent mediator and peacemaker. Your warm smile and easy manners win many hearts, and you bring balance and elegance to every situation.</source>
        <extracomment>Positive traits of Libra (one paragraph)</extracomment>
        <translation>Você é uma pessoa extremamente diplomática. Você tem um senso natural de equilíbrio e justiça, e sempre procura ver os dois lados de uma questão antes de formar uma opinião. Você é charmoso, elegante e sociável, e faz amigos por onde passa. Você ama a beleza e a harmonia em todas as suas formas, e muitas vezes tem um gosto refinado para arte, música e design. Você é um parceiro maravilhoso, porque valoriza os relacionamentos e se esforça para manter a paz entre as pessoas. Você é gentil, delicado e atencioso, e detesta brigas. Sua capacidade de unir as pessoas faz de você um excelente mediador e pacificador. Seu sorriso caloroso e seu jeito descontraído conquistam muitos corações, e você traz equilíbrio e elegância a qualquer situação.</translation>
    </message>
    <message>
        <source>You are intense and strong willed people with great depth of feeling. You are passionate, determined and resourceful, and you rarely give up once you have chosen a goal. You have a powerful intuition and can see through pretence and uncover hidden truths. You are loyal and devoted to those you love, and your friendship, once won, lasts for life. You are brave in the face of difficulty and have a remarkable ability to rebuild your life after a crisis. You are discreet and can keep secrets well, which makes people trust you. Your magnetic presence and quiet strength attract others, and your focus and courage allow you to transform yourself and the world around you in lasting and meaningful ways.</source>
        <extracomment>Positive traits of Scorpio (one paragraph)</extracomment>
        <translation>Você é uma pessoa intensa e de vontade forte, com uma grande profundidade de sentimentos. Você é apaixonado, determinado e cheio de recursos, e raramente desiste depois de escolher um objetivo. Você tem uma intuição poderosa, enxerga através das aparências e revela verdades escondidas. Você é leal e dedicado a quem ama, e sua amizade, uma vez conquistada, dura a vida inteira. Você é corajoso diante das dificuldades e tem uma capacidade notável de reconstruir a vida depois de uma crise. Você é discreto e sabe guardar segredos, e por isso as pessoas confiam em você. Sua presença magnética e sua força serena atraem os outros, e seu foco e sua coragem permitem que você transforme a si mesmo e o mundo à sua volta de maneira profunda e duradoura.</translation>
    </message>
    <message>
        <source>You are a happy go lucky lot with a very positive outlook towards life. You are optimistic, cheerful and adventurous, and you love freedom more than almost anything else. You have a restless curiosity about the world and enjoy travelling, meeting new people and learning about different cultures and beliefs. You are honest and straightforward, and you have a great sense of humour that makes you popular wherever you go. You have a philosophical mind and like to think about the big questions of life, religion and meaning. You are generous, open minded and tolerant, and you are always ready to give others a second chance. Your enthusiasm is infectious, and you inspire people to dream even bigger. You are also a good teacher, and friends value your wise advice. Your faith in the future helps you bounce back fast from disappointments and keep moving forward with hope.</source>
        <extracomment>Positive traits of Sagittarius (one paragraph)</extracomment>
        <translation>Você é uma pessoa despreocupada, com uma visão muito positiva da vida. Você é otimista, alegre e aventureiro, e ama a liberdade quase acima de tudo. Você tem uma curiosidade inquieta pelo mundo e adora viajar, conhecer gente nova e aprender sobre outras culturas e crenças. Você é honesto e franco, e tem um ótimo senso de humor que o torna querido por onde passa. Você tem uma mente filosófica e gosta de refletir sobre as grandes questões da vida, da religião e do sentido das coisas. Você é generoso, aberto e tolerante, e está sempre pronto para dar aos outros uma segunda chance. Seu entusiasmo é contagiante, e você inspira as pessoas a sonhar ainda mais alto. Você também é um bom professor, e seus amigos valorizam seus sábios conselhos. Sua fé no futuro ajuda você a se recuperar rápido das decepções e a seguir em frente com esperança.</translation>
    </message>
    <message>
        <source>You are people with a traditional frame of mind. You are responsible, disciplined and ambitious, and you are ready to work hard and wait patiently for success. You are practical and realistic, and you plan carefully before you act. You have great respect for order, rules and tradition, and people trust you with important tasks. You are loyal to your family and take your duties seriously. You have a dry sense of humour that surprises those who think you are always serious. You are good at managing money and resources, and you often rise to positions of authority through steady effort. Your persistence, reliability and quiet strength make you a pillar of support for others, and your achievements grow steadily with the years.</source>
        <extracomment>Positive traits of Capricorn (one paragraph)</extracomment>
        <translation>Você tem uma mentalidade tradicional. Você é responsável, disciplinado e ambicioso, e está disposto a trabalhar duro e esperar com paciência pelo sucesso. Você é prático e realista, e planeja com cuidado antes de agir. Você tem grande respeito pela ordem, pelas regras e pela tradição, e as pessoas lhe confiam tarefas importantes. Você é leal à família e leva suas obrigações a sério. Seu humor seco surpreende quem acha que você está sempre sério. Você sabe administrar dinheiro e recursos, e muitas vezes chega a posições de autoridade com esforço constante. Sua persistência, sua confiabilidade e sua força serena fazem de você um pilar para os outros, e suas conquistas crescem sem parar com os anos.</translation>
    </message>
    <message>
        <source>You are magnetic in nature and people get attracted to your personality. You are original, independent and inventive, and you often think far ahead of your time. You have a strong humanitarian spirit and care deeply about the welfare of society and the future of the world. You are friendly and tolerant, and you accept people from all walks of life without prejudice. You love new ideas, science and technology, and you are happiest when you can explore unusual paths. You value your freedom and fully respect the freedom of others. You are loyal to your ideals and to your friends, and you work well in groups that share a common cause. Your brilliant mind and unique vision make you a natural reformer who can inspire real and lasting social progress.</source>
        <extracomment>Positive traits of Aquarius (one paragraph)</extracomment>
        <translation>Você tem uma natureza magnética, e sua personalidade atrai as pessoas. Você é original, independente e inventivo, e muitas vezes pensa muito à frente do seu tempo. Você tem um forte espírito humanitário e se importa profundamente com o bem-estar da sociedade e o futuro do mundo. Você é amigável e tolerante, e aceita sem preconceitos pessoas de todas as origens. Você adora ideias novas, ciência e tecnologia, e fica mais feliz quando pode explorar caminhos incomuns. Você valoriza sua liberdade e respeita plenamente a liberdade dos outros. Você é fiel aos seus ideais e aos seus amigos, e trabalha bem em grupos que compartilham uma causa comum. Sua mente brilhante e sua visão única fazem de você um reformador nato, capaz de inspirar um progresso social real e duradouro.</translation>
    </message>
    <message>
        <source>You are very adjusting, friendly and good- natured people. You are compassionate, gentle and deeply intuitive, and you feel the joys and sorrows of others as if they were your own. You have a vivid imagination and a strong artistic or musical talent. You are kind and generous, and you are always ready to help those in need without asking for anything in return. You are romantic and devoted in love, and you always see the best in people. You have a spiritual nature and are often drawn to mysticism, dreams and the hidden side of life. Your sensitivity, patience and understanding make you a wonderful friend, and your creative gifts can bring beauty and healing into the world.</source>
        <extracomment>Positive traits of Pisces (one paragraph)</extracomment>
        <translation>Você é uma pessoa muito adaptável, amigável e de boa índole. Você é compassivo, gentil e muito intuitivo, e sente as alegrias e as tristezas dos outros como se fossem suas. Você tem uma imaginação fértil e um forte talento artístico ou musical. Você é bondoso e generoso, e está sempre pronto para ajudar quem precisa sem pedir nada em troca. Você é romântico e dedicado no amor, e sempre enxerga o melhor nas pessoas. Você tem uma natureza espiritual e muitas vezes se sente atraído pelo misticismo, pelos sonhos e pelo lado oculto da vida. Sua sensibilidade, sua paciência e sua compreensão fazem de você um amigo maravilhoso, e seus dons criativos podem trazer beleza e cura ao mundo.</translation>
    </message>
    <message>
        <source>You may be arrogant and domineering. You like to get your way and can become impatient when others do not move as fast as you do. Your quick temper may flare up over small matters, and you sometimes speak before you think, hurting people without meaning to. You tend to start many projects with great zeal but lose interest once the excitement fades, leaving the work to others. You can be selfish in your pursuit of your goals and may overlook the feelings of those around you. Learning patience, listening more closely and respecting the views of others will help you turn your fire into real strength.</source>
        <extracomment>Negative traits of Aries (one paragraph)</extracomment>
        <translation>Você pode ser arrogante e autoritário. Você gosta de fazer as coisas do seu jeito e fica impaciente quando os outros não andam tão rápido quanto você. Seu gênio forte pode explodir por coisas pequenas, e às vezes você fala antes de pensar e magoa as pessoas sem querer. Você costuma começar muitos projetos com grande entusiasmo, mas perde o interesse quando a empolgação passa e deixa o trabalho para os outros. Você pode ser egoísta ao buscar seus objetivos e deixar de lado os sentimentos de quem está à sua volta. Aprender a ter paciência, ouvir com mais atenção e respeitar a opinião dos outros vai ajudar você a transformar seu fogo em verdadeira força.</translation>
    </message>
    <message>
        <source>You are very stubborn and inflexible. Once you have made up your mind, it is very hard for anyone to change it, even when change would be good for you. You can be possessive about the people and things you love, and jealousy may creep into your relationships. You sometimes resist new ideas simply because they are unfamiliar, and your love of comfort may make you lazy or too fond of indulgence and ease.</source>
        <extracomment>Negative traits of Taurus (one paragraph)</extracomment>
        <translation>Você é muito teimoso e inflexível. Depois que toma uma decisão, é muito difícil alguém fazer você mudar de ideia, mesmo quando a mudança seria boa para você. Você pode ser possessivo com as pessoas e as coisas que ama, e o ciúme pode se infiltrar em seus relacionamentos. Às vezes você rejeita ideias novas só porque não as conhece, e seu amor pelo conforto pode deixar você preguiçoso ou apegado demais aos prazeres e à vida fácil.</translation>
    </message>
    <message>
        <source>You are inconsistent in your performance. Your interest may shift quickly from one thing to another, and you may leave tasks unfinished when something more exciting comes along. You can be restless and nervous, and you sometimes find it hard to sit still or to concentrate for long. Your changing moods can confuse the people around you, and you may appear superficial or unreliable to those who do not know you well. You may also be tempted to bend the truth a little when it suits you, and you can be too critical of others.</source>
        <extracomment>Negative traits of Gemini (one paragraph)</extracomment>
        <translation>Seu desempenho é irregular. Seu interesse pode passar rapidamente de uma coisa para outra, e você pode deixar tarefas pela metade quando aparece algo mais empolgante. Você pode ser inquieto e nervoso, e às vezes acha difícil ficar parado ou se concentrar por muito tempo. Suas mudanças de humor podem confundir as pessoas à sua volta, e quem não conhece você bem pode achá-lo superficial ou pouco confiável. Você também pode cair na tentação de distorcer um pouco a verdade quando lhe convém, e pode ser crítico demais com os outros.</translation>
    </message>
    <message>
        <source>You are unstable and very unreliable. Your moods change like the phases of the moon, and people may find it hard to know how you will react from one day to the next. You can be very touchy and may take offence at remarks that were never meant to hurt you. When you feel hurt, you tend to withdraw into your shell and sulk instead of talking openly about the problem. You may cling to the past and to old grievances, and you can be overly possessive of the people you love. Your fear of rejection sometimes makes you manipulative or self pitying, and you may worry far more than is good for your peace of mind.</source>
        <extracomment>Negative traits of Cancer (one paragraph)</extracomment>
        <translation>Você é instável e muito pouco confiável. Seu humor muda como as fases da lua, e as pessoas podem ter dificuldade em saber como você vai reagir de um dia para o outro. Você pode ser muito melindroso e se ofender com comentários que nunca tiveram a intenção de magoar. Quando se sente magoado, você tende a se fechar em sua concha e ficar emburrado, em vez de falar abertamente sobre o problema. Você pode se apegar ao passado e a velhas mágoas, e ser possessivo demais com as pessoas que ama. O medo da rejeição às vezes o torna manipulador ou dado à autopiedade, e você talvez se preocupe muito mais do que faz bem à sua paz de espírito.</translation>
    </message>
    <message>
        <source>You have a violent temper. When your pride is wounded, you can react with anger that surprises everyone around you. You love attention and admiration, and you may feel hurt or neglected when you do not receive them. You can be vain and self centred, and you sometimes expect others to follow your lead without question. Your wish to be in control may make you bossy or overbearing, especially when others disagree with you. You may also be extravagant with money, spending freely to impress people or to enjoy luxury. Learning humility and accepting that others also deserve the spotlight will help you become the wise leader you are meant to be.</source>
        <translation>Você tem um temperamento explosivo. Quando seu orgulho é ferido, você pode reagir com uma raiva que surpreende todos à sua volta. Você adora atenção e admiração, e pode se sentir magoado ou esquecido quando não as recebe. Você pode ser vaidoso e egocêntrico, e às vezes espera que os outros sigam você sem questionar. Seu desejo de estar no controle pode torná-lo mandão ou prepotente, principalmente quando os outros discordam de você. Você também pode ser extravagante com dinheiro e gastar sem medida para impressionar as pessoas ou desfrutar do luxo. Aprender a ter humildade e aceitar que os outros também merecem os holofotes vai ajudar você a se tornar o líder sábio que nasceu para ser.</translation>
    </message>
    <message>
        <source>Your need for neatness may make them fussy and finicky. You can be overly critical of yourself and of others, and you may find fault where none really exists. You tend to worry a lot about small things, which can make you tense, anxious and nervous. Your high standards sometimes make it hard for you to relax and truly enjoy life.</source>
        <extracomment>Negative traits of Virgo (one paragraph)</extracomment>
        <translation>Sua necessidade de ordem pode deixar você exigente e meticuloso demais. Você pode ser crítico demais consigo mesmo e com os outros, e talvez encontre defeitos onde na verdade não existe nenhum. Você tende a se preocupar muito com pequenas coisas, o que pode deixá-lo tenso, ansioso e nervoso. Seus padrões elevados às vezes dificultam que você relaxe e aproveite de verdade a vida.</translation>
    </message>
    <message>
        <source>You cannot take make decisions for themselves. You weigh each option so carefully that you may end up not choosing at all, letting good chances slip away. Your wish to please everyone can make you seem insincere, and you may avoid necessary conflicts at any cost. You can also be a bit vain and fond of luxury, and you may lean too much on others for your happiness.</source>
        <extracomment>Negative traits of Libra (one paragraph)</extracomment>
        <translation>Você tem dificuldade em tomar decisões sozinho. Você pesa cada opção com tanto cuidado que às vezes acaba não escolhendo nada e deixando boas oportunidades escaparem. Seu desejo de agradar a todos pode fazer você parecer pouco sincero, e você talvez evite a qualquer custo conflitos que são necessários. Você também pode ser um pouco vaidoso e apegado ao luxo, e talvez dependa demais dos outros para ser feliz.</translation>
    </message>
    <message>
        <source>You have a very short temper. When you feel hurt or betrayed, you can become resentful and even quite vengeful, and you do not easily forgive or forget. You may be jealous and possessive in your relationships, and you sometimes demand complete loyalty while keeping your own feelings hidden. Your secretive nature can make others feel shut out, and your suspicion may lead you to see threats where none exist. You can be stubborn and manipulative when you want to get your way, and your intensity may sometimes overwhelm gentler people.</source>
        <extracomment>Negative traits of Scorpio (one paragraph)</extracomment>
        <translation>Você tem o pavio muito curto. Quando se sente magoado ou traído, você pode ficar ressentido e até bastante vingativo, e não perdoa nem esquece com facilidade. Você pode ser ciumento e possessivo nos relacionamentos, e às vezes exige lealdade total enquanto esconde seus próprios sentimentos. Sua natureza reservada pode fazer os outros se sentirem excluídos, e sua desconfiança pode levá-lo a ver ameaças onde não existe nenhuma. Você pode ser teimoso e manipulador quando quer impor sua vontade, e sua intensidade às vezes sufoca pessoas mais delicadas.</translation>
    </message>
    <message>
        <source>You may be too outspoken for your own good. Your blunt honesty can hurt people even when you mean well. You may be restless and careless, promising more than you can deliver and dropping commitments when something more exciting appears. You can be impatient with routine and details, and your love of freedom may make you seem unreliable. A touch more tact would help you a lot.</source>
        <extracomment>Negative traits of Sagittarius (one paragraph)</extracomment>
        <translation>Talvez você seja franco demais para o seu próprio bem. Sua honestidade sem rodeios pode magoar as pessoas mesmo quando você tem boas intenções. Você pode ser inquieto e descuidado, prometer mais do que pode cumprir e abandonar compromissos quando aparece algo mais empolgante. A rotina e os detalhes deixam você impaciente, e seu amor pela liberdade pode fazer você parecer pouco confiável. Um pouco mais de tato ajudaria muito.</translation>
    </message>
    <message>
        <source>You are very rigid in nature and not susceptible to changes. You may cling to old habits and methods even when they no longer work well. You can be pessimistic and tend to expect the worst, which may make you gloomy or quite anxious. Your strong ambition may turn into a cold focus on status and success, leaving little room for fun and feelings. You sometimes find it hard to show your emotions, and others may see you as distant or unfriendly. You can also be too demanding of yourself and of those around you, and you may judge others too harshly.</source>
        <extracomment>Negative traits of Capricorn (one paragraph)</extracomment>
        <translation>Você é muito rígido por natureza e pouco aberto a mudanças. Você pode se apegar a velhos hábitos e métodos mesmo quando eles já não funcionam bem. Você pode ser pessimista e esperar sempre o pior, o que pode deixá-lo sombrio ou bastante ansioso. Sua grande ambição pode se transformar em uma obsessão fria por status e sucesso, deixando pouco espaço para diversão e sentimentos. Às vezes você tem dificuldade em mostrar suas emoções, e os outros podem achá-lo distante ou pouco amigável. Você também pode ser exigente demais consigo mesmo e com as pessoas à sua volta, e julgar os outros com muita dureza.</translation>
    </message>
    <message>
        <source>You do not make friends very easily inspite of your extrovert nature. You may keep people at a distance and rarely show your deepest feelings, which can make you seem cool or detached. You can be stubborn about your opinions and may refuse to listen once you believe you are right. Your love of independence may make you unpredictable, and you might rebel against rules simply for the sake of rebelling. You sometimes care more about humanity as a whole than about the individuals close to you. You can also be tactless and eccentric, and your need to be different may puzzle others. Letting people come closer to your heart will enrich your life greatly.</source>
        <extracomment>Negative traits of Aquarius (one paragraph)</extracomment>
        <translation>Apesar de seu jeito extrovertido, você não faz amigos com muita facilidade. Você pode manter as pessoas a distância e raramente mostra seus sentimentos mais profundos, o que pode fazer você parecer frio ou distante. Você pode ser teimoso em suas opiniões e se recusar a ouvir quando acredita estar certo. Seu amor pela independência pode torná-lo imprevisível, e talvez você se rebele contra as regras só pelo prazer de se rebelar. Às vezes você se importa mais com a humanidade como um todo do que com as pessoas próximas. Você também pode ser indelicado e excêntrico, e sua necessidade de ser diferente pode confundir os outros. Deixar as pessoas se aproximarem do seu coração vai enriquecer muito a sua vida.</translation>
    </message>
    <message>
        <source>You want people to sympathize with your personal problems. You can be oversensitive and easily hurt, and you might escape into daydreams when reality becomes difficult. You sometimes find it hard to say no, which can let others take advantage of your kindness. You can be indecisive and vague, and you may lack the discipline to turn your wonderful dreams into reality. Trusting yourself more will help you greatly.</source>
        <extracomment>Negative traits of Pisces (one paragraph)</extracomment>
        <translation>Você quer que as pessoas se solidarizem com seus problemas pessoais. Você pode ser sensível demais e se magoar com facilidade, e talvez fuja para os devaneios quando a realidade fica difícil. Às vezes você tem dificuldade em dizer não, o que pode deixar que os outros se aproveitem da sua bondade. Você pode ser indeciso e vago, e talvez lhe falte disciplina para transformar seus sonhos maravilhosos em realidade. Confiar mais em si mesmo vai ajudar você muito.</translation>
    </message>
    <message>
        <source>You are leaders and have a magnetic personality.You are assertive and confident, and you take charge naturally whenever a group needs direction. You are generous and warm hearted, and you enjoy sharing your success with the people you love. Your enthusiasm and creativity light up every room you enter, and others feel drawn to your sunny nature. You have a flair for drama and love to be in the spotlight, where you shine with great style. You are loyal and protective towards your friends and family, and you will defend them with courage. You have high ideals and a strong sense of honour, and you expect the same from others. You are ambitious and hard working, and you aim for the top in whatever you do. Your optimism helps you overcome obstacles that would discourage others. </source>
        <extracomment>Positive traits of Leo, first passage; the second passage follows it directly</extracomment>
        <translation>Você é um líder nato, com uma personalidade magnética. Você é assertivo e confiante, e assume o comando com naturalidade sempre que um grupo precisa de direção. Você é generoso e caloroso, e gosta de compartilhar seu sucesso com as pessoas que ama. Seu entusiasmo e sua criatividade iluminam todos os ambientes em que você entra, e os outros se sentem atraídos pelo seu jeito radiante. Você tem talento para o drama e adora estar sob os holofotes, onde brilha com muito estilo. Você é leal e protetor com seus amigos e sua família, e os defende com coragem. Você tem ideais elevados e um forte senso de honra, e espera o mesmo dos outros. Você é ambicioso e trabalhador, e mira o topo em tudo o que faz. Seu otimismo ajuda você a superar obstáculos que desanimariam os outros. </translation>
    </message>
    <message>
        <source>You have a proud and dignified presence that earns respect wherever you go. You are playful, affectionate and romantic at heart, and your big heart and cheerful spirits make life more joyful for everyone around you.</source>
        <extracomment>Positive traits of Leo, second passage, continuing the first</extracomment>
        <translation>Sua presença orgulhosa e digna conquista respeito por onde você passa. No fundo você é brincalhão, afetuoso e romântico, e seu grande coração e seu bom humor tornam a vida mais alegre para todos à sua volta.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Digite o seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Digite o seu sobrenome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Informe o dia do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Informe o mês do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Informe o ano do seu nascimento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>February has no such day in that year</extracomment>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>Day 31 of a month of 30 days (the English has a blank before the &quot;!&quot;)</extracomment>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
</context>
</TS>
