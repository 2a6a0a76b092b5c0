// The program's built-in prose. Every text is one paragraph of plain ASCII
// English with an exact length (the lengths are listed in texts.h and checked by tests),
// translated at each call into the language of the installed translators.
// Texts that mention the forum take forumDisplayAddress() as their %1, so that the
// address follows the build configuration and stays out of the translations.

#include "texts.h"

#include "solvanta_config.h"

#include <QCoreApplication>
#include <QLocale>

#ifndef SOLVANTA_FORUM_HOST
#error "solvanta_config.h must define SOLVANTA_FORUM_HOST"
#endif

namespace Texts {

QString forumDisplayAddress() {
    return QStringLiteral(SOLVANTA_FORUM_HOST);
}

QString positiveTraits(int signNumber) {
    switch (signNumber) {
    case 1: // Aries
        //: Positive traits of Aries (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You may be pioneers in your fields and developers of new technologies. You "
            "are energetic, courageous and full of vitality, and you love to be the first "
            "to try something that nobody has attempted before. You face challenges head "
            "on and rarely wait for others to show you the way. Your confidence inspires "
            "the people around you, and you are often the one who starts a project or a "
            "new adventure. You are honest and direct, and people always know where they "
            "stand with you. You recover quickly from setbacks and treat every defeat as a "
            "lesson for the next attempt. Your enthusiasm is contagious, your energy is "
            "endless, and your generous heart makes you a loyal friend who will stand up "
            "for the people you love when they need you.");
    case 2: // Taurus
        //: Positive traits of Taurus (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are patient and enduring in nature. You are reliable, practical and "
            "determined, and once you set your mind on a goal you work steadily until you "
            "reach it. You value security and comfort, and you build your life on solid "
            "foundations. You have a deep appreciation of beauty, art, music and good "
            "food, and you know how to enjoy the simple pleasures of life. You are warm "
            "hearted and loyal, and your friends can always count on you in difficult "
            "times. You are calm and composed and rarely lose your temper without reason. "
            "You have a good sense of money and are usually careful with your savings and "
            "assets. Your steady and sensible approach to life makes you a rock for your "
            "family, and people feel safe and comfortable in your gentle and kindly "
            "presence.");
    case 3: // Gemini
        //: Positive traits of Gemini (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very adjusting in nature and have a lot of patience. You are witty, "
            "curious and quick to learn, and you can talk about almost any subject with "
            "great ease. You love communication in all its forms, whether it is "
            "conversation, writing or simply exchanging ideas with friends. Your lively "
            "mind is always looking for something new to explore, and you are able to "
            "handle several tasks at the same time. You are charming and sociable, and "
            "people enjoy your company because you are never dull. You adapt easily to new "
            "places and situations, and you can see both sides of any question. Your "
            "youthful spirit stays with you throughout life, and your sense of humour "
            "brightens the days of everyone around you. You make friends quickly and keep "
            "them.");
    case 4: // Cancer
        //: Positive traits of Cancer (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very sensitive in nature and generally soft spoken. You are caring, "
            "loving and deeply devoted to your home and family, and you feel happiest when "
            "the people you love are safe and content. You have a strong intuition and can "
            "often sense what others are feeling before they say a word. You are a "
            "wonderful listener, and friends turn to you for comfort and understanding. "
            "You have a rich imagination and an excellent memory, especially for the "
            "events and emotions of the past. You are very protective of those close to "
            "you and will make great sacrifices for them. You are also careful with money "
            "and you like to save for the future. Your tenderness and sympathy make you a "
            "natural nurturer, and your home is often a warm refuge for others. You are "
            "loyal in love and friendship, and once you trust someone you stand by them "
            "through every storm and trial of life.");
    case 5: // Leo
        return leoPositivePassageOne() + leoPositivePassageTwo();
    case 6: // Virgo
        //: Positive traits of Virgo (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very modest by nature. You are practical, hard working and "
            "methodical, and you pay great attention to detail in everything you do. You "
            "have a sharp, analytical mind and can solve problems that others find too "
            "difficult. You are reliable and helpful, and you find real satisfaction in "
            "being of service to others. You value health, order and cleanliness, and you "
            "often know a great deal about diet and wellbeing. Your quiet intelligence, "
            "honesty and devotion to duty make you a trusted friend and colleague.");
    case 7: // Libra
        //: Positive traits of Libra (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are highly diplomatic individuals. You have a natural sense of fairness "
            "and justice, and you always try to see both sides of a question before you "
            "form an opinion. You are charming, graceful and sociable, and you make "
            "friends wherever you go. You love beauty and harmony in all its forms, and "
            "you often have a refined taste in art, music and design. You are a wonderful "
            "partner, because you value relationships and work hard to keep the peace "
            "between people. You are kind, gentle and considerate, and you dislike "
            "quarrels. Your ability to bring people together makes you an excellent "
            "mediator and peacemaker. Your warm smile and easy manners win many hearts, "
            "and you bring balance and elegance to every situation.");
    case 8: // Scorpio
        //: Positive traits of Scorpio (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are intense and strong willed people with great depth of feeling. You are "
            "passionate, determined and resourceful, and you rarely give up once you have "
            "chosen a goal. You have a powerful intuition and can see through pretence and "
            "uncover hidden truths. You are loyal and devoted to those you love, and your "
            "friendship, once won, lasts for life. You are brave in the face of difficulty "
            "and have a remarkable ability to rebuild your life after a crisis. You are "
            "discreet and can keep secrets well, which makes people trust you. Your "
            "magnetic presence and quiet strength attract others, and your focus and "
            "courage allow you to transform yourself and the world around you in lasting "
            "and meaningful ways.");
    case 9: // Sagittarius
        //: Positive traits of Sagittarius (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are a happy go lucky lot with a very positive outlook towards life. You "
            "are optimistic, cheerful and adventurous, and you love freedom more than "
            "almost anything else. You have a restless curiosity about the world and enjoy "
            "travelling, meeting new people and learning about different cultures and "
            "beliefs. You are honest and straightforward, and you have a great sense of "
            "humour that makes you popular wherever you go. You have a philosophical mind "
            "and like to think about the big questions of life, religion and meaning. You "
            "are generous, open minded and tolerant, and you are always ready to give "
            "others a second chance. Your enthusiasm is infectious, and you inspire people "
            "to dream even bigger. You are also a good teacher, and friends value your "
            "wise advice. Your faith in the future helps you bounce back fast from "
            "disappointments and keep moving forward with hope.");
    case 10: // Capricorn
        //: Positive traits of Capricorn (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are people with a traditional frame of mind. You are responsible, "
            "disciplined and ambitious, and you are ready to work hard and wait patiently "
            "for success. You are practical and realistic, and you plan carefully before "
            "you act. You have great respect for order, rules and tradition, and people "
            "trust you with important tasks. You are loyal to your family and take your "
            "duties seriously. You have a dry sense of humour that surprises those who "
            "think you are always serious. You are good at managing money and resources, "
            "and you often rise to positions of authority through steady effort. Your "
            "persistence, reliability and quiet strength make you a pillar of support for "
            "others, and your achievements grow steadily with the years.");
    case 11: // Aquarius
        //: Positive traits of Aquarius (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are magnetic in nature and people get attracted to your personality. You "
            "are original, independent and inventive, and you often think far ahead of "
            "your time. You have a strong humanitarian spirit and care deeply about the "
            "welfare of society and the future of the world. You are friendly and "
            "tolerant, and you accept people from all walks of life without prejudice. You "
            "love new ideas, science and technology, and you are happiest when you can "
            "explore unusual paths. You value your freedom and fully respect the freedom "
            "of others. You are loyal to your ideals and to your friends, and you work "
            "well in groups that share a common cause. Your brilliant mind and unique "
            "vision make you a natural reformer who can inspire real and lasting social "
            "progress.");
    case 12: // Pisces
        //: Positive traits of Pisces (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very adjusting, friendly and good- natured people. You are "
            "compassionate, gentle and deeply intuitive, and you feel the joys and sorrows "
            "of others as if they were your own. You have a vivid imagination and a strong "
            "artistic or musical talent. You are kind and generous, and you are always "
            "ready to help those in need without asking for anything in return. You are "
            "romantic and devoted in love, and you always see the best in people. You have "
            "a spiritual nature and are often drawn to mysticism, dreams and the hidden "
            "side of life. Your sensitivity, patience and understanding make you a "
            "wonderful friend, and your creative gifts can bring beauty and healing into "
            "the world.");
    default:
        return QString();
    }
}

QString negativeTraits(int signNumber) {
    switch (signNumber) {
    case 1: // Aries
        //: Negative traits of Aries (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You may be arrogant and domineering. You like to get your way and can become "
            "impatient when others do not move as fast as you do. Your quick temper may "
            "flare up over small matters, and you sometimes speak before you think, "
            "hurting people without meaning to. You tend to start many projects with great "
            "zeal but lose interest once the excitement fades, leaving the work to others. "
            "You can be selfish in your pursuit of your goals and may overlook the "
            "feelings of those around you. Learning patience, listening more closely and "
            "respecting the views of others will help you turn your fire into real "
            "strength.");
    case 2: // Taurus
        //: Negative traits of Taurus (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very stubborn and inflexible. Once you have made up your mind, it is "
            "very hard for anyone to change it, even when change would be good for you. "
            "You can be possessive about the people and things you love, and jealousy may "
            "creep into your relationships. You sometimes resist new ideas simply because "
            "they are unfamiliar, and your love of comfort may make you lazy or too fond "
            "of indulgence and ease.");
    case 3: // Gemini
        //: Negative traits of Gemini (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are inconsistent in your performance. Your interest may shift quickly "
            "from one thing to another, and you may leave tasks unfinished when something "
            "more exciting comes along. You can be restless and nervous, and you sometimes "
            "find it hard to sit still or to concentrate for long. Your changing moods can "
            "confuse the people around you, and you may appear superficial or unreliable "
            "to those who do not know you well. You may also be tempted to bend the truth "
            "a little when it suits you, and you can be too critical of others.");
    case 4: // Cancer
        //: Negative traits of Cancer (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are unstable and very unreliable. Your moods change like the phases of "
            "the moon, and people may find it hard to know how you will react from one day "
            "to the next. You can be very touchy and may take offence at remarks that were "
            "never meant to hurt you. When you feel hurt, you tend to withdraw into your "
            "shell and sulk instead of talking openly about the problem. You may cling to "
            "the past and to old grievances, and you can be overly possessive of the "
            "people you love. Your fear of rejection sometimes makes you manipulative or "
            "self pitying, and you may worry far more than is good for your peace of mind.");
    case 5: // Leo
        return QCoreApplication::translate(
            "SignTraits",
            "You have a violent temper. When your pride is wounded, you can react with "
            "anger that surprises everyone around you. You love attention and admiration, "
            "and you may feel hurt or neglected when you do not receive them. You can be "
            "vain and self centred, and you sometimes expect others to follow your lead "
            "without question. Your wish to be in control may make you bossy or "
            "overbearing, especially when others disagree with you. You may also be "
            "extravagant with money, spending freely to impress people or to enjoy luxury. "
            "Learning humility and accepting that others also deserve the spotlight will "
            "help you become the wise leader you are meant to be.");
    case 6: // Virgo
        //: Negative traits of Virgo (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "Your need for neatness may make them fussy and finicky. You can be overly "
            "critical of yourself and of others, and you may find fault where none really "
            "exists. You tend to worry a lot about small things, which can make you tense, "
            "anxious and nervous. Your high standards sometimes make it hard for you to "
            "relax and truly enjoy life.");
    case 7: // Libra
        //: Negative traits of Libra (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You cannot take make decisions for themselves. You weigh each option so "
            "carefully that you may end up not choosing at all, letting good chances slip "
            "away. Your wish to please everyone can make you seem insincere, and you may "
            "avoid necessary conflicts at any cost. You can also be a bit vain and fond of "
            "luxury, and you may lean too much on others for your happiness.");
    case 8: // Scorpio
        //: Negative traits of Scorpio (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You have a very short temper. When you feel hurt or betrayed, you can become "
            "resentful and even quite vengeful, and you do not easily forgive or forget. "
            "You may be jealous and possessive in your relationships, and you sometimes "
            "demand complete loyalty while keeping your own feelings hidden. Your "
            "secretive nature can make others feel shut out, and your suspicion may lead "
            "you to see threats where none exist. You can be stubborn and manipulative "
            "when you want to get your way, and your intensity may sometimes overwhelm "
            "gentler people.");
    case 9: // Sagittarius
        //: Negative traits of Sagittarius (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You may be too outspoken for your own good. Your blunt honesty can hurt "
            "people even when you mean well. You may be restless and careless, promising "
            "more than you can deliver and dropping commitments when something more "
            "exciting appears. You can be impatient with routine and details, and your "
            "love of freedom may make you seem unreliable. A touch more tact would help "
            "you a lot.");
    case 10: // Capricorn
        //: Negative traits of Capricorn (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You are very rigid in nature and not susceptible to changes. You may cling to "
            "old habits and methods even when they no longer work well. You can be "
            "pessimistic and tend to expect the worst, which may make you gloomy or quite "
            "anxious. Your strong ambition may turn into a cold focus on status and "
            "success, leaving little room for fun and feelings. You sometimes find it hard "
            "to show your emotions, and others may see you as distant or unfriendly. You "
            "can also be too demanding of yourself and of those around you, and you may "
            "judge others too harshly.");
    case 11: // Aquarius
        //: Negative traits of Aquarius (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You do not make friends very easily inspite of your extrovert nature. You may "
            "keep people at a distance and rarely show your deepest feelings, which can "
            "make you seem cool or detached. You can be stubborn about your opinions and "
            "may refuse to listen once you believe you are right. Your love of "
            "independence may make you unpredictable, and you might rebel against rules "
            "simply for the sake of rebelling. You sometimes care more about humanity as a "
            "whole than about the individuals close to you. You can also be tactless and "
            "eccentric, and your need to be different may puzzle others. Letting people "
            "come closer to your heart will enrich your life greatly.");
    case 12: // Pisces
        //: Negative traits of Pisces (one paragraph)
        return QCoreApplication::translate(
            "SignTraits",
            "You want people to sympathize with your personal problems. You can be "
            "oversensitive and easily hurt, and you might escape into daydreams when "
            "reality becomes difficult. You sometimes find it hard to say no, which can "
            "let others take advantage of your kindness. You can be indecisive and vague, "
            "and you may lack the discipline to turn your wonderful dreams into reality. "
            "Trusting yourself more will help you greatly.");
    default:
        return QString();
    }
}

QString leoPositivePassageOne() {
    //: Positive traits of Leo, first passage; the second passage follows it directly
    return QCoreApplication::translate(
        "SignTraits",
        "You are leaders and have a magnetic personality.You are assertive and "
        "confident, and you take charge naturally whenever a group needs direction. "
        "You are generous and warm hearted, and you enjoy sharing your success with "
        "the people you love. Your enthusiasm and creativity light up every room you "
        "enter, and others feel drawn to your sunny nature. You have a flair for drama "
        "and love to be in the spotlight, where you shine with great style. You are "
        "loyal and protective towards your friends and family, and you will defend "
        "them with courage. You have high ideals and a strong sense of honour, and you "
        "expect the same from others. You are ambitious and hard working, and you aim "
        "for the top in whatever you do. Your optimism helps you overcome obstacles "
        "that would discourage others. ");
}

QString leoPositivePassageTwo() {
    //: Positive traits of Leo, second passage, continuing the first
    return QCoreApplication::translate(
        "SignTraits", "You have a proud and dignified presence that earns respect wherever you go. "
                      "You are playful, affectionate and romantic at heart, and your big heart and "
                      "cheerful spirits make life more joyful for everyone around you.");
}

QString cuspDescription(int monthIndex) {
    switch (monthIndex) {
    case 0: // January: Capricorn / Aquarius
        //: Portrait of someone born in January on the cusp of Capricorn and Aquarius (one
        //: paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will be responsible and traditional in your thoughts and ideas. At the "
            "same time, the inventive spirit of Aquarius will give you an original and "
            "independent mind. You will respect the wisdom of the past while dreaming "
            "about the future, and this mix can make you a truly practical visionary. You "
            "will work hard and patiently toward your goals, yet you will not be afraid to "
            "try new and unusual methods. You will be loyal to your friends and dedicated "
            "to your family, though you may hide your feelings behind a calm and serious "
            "face. You will value your freedom and might dislike being told what to do. "
            "Your energy and determination can help you achieve great things, and your "
            "friends will admire your ability to combine common sense with bright new "
            "ideas.");
    case 1: // February: Aquarius / Pisces
        //: Portrait of someone born in February on the cusp of Aquarius and Pisces (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will have your own set of ideals and values. You will combine the "
            "original mind of Aquarius with the gentle imagination of Pisces. You will be "
            "kind, tolerant and deeply caring about humanity, and you might feel called to "
            "help others. You will be creative and artistic, with a strong and reliable "
            "intuition. At times you may seem dreamy or detached, but your compassion and "
            "vision will make you a quiet, wise and inspiring friend.");
    case 2: // March: Pisces / Aries
        //: Portrait of someone born in March on the cusp of Pisces and Aries (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will be very complex to understand. You will be quiet and dreamy like "
            "Pisces one moment, then bold and daring like Aries the next. You will combine "
            "deep sensitivity with a strong will to act, and this mix makes you both a "
            "visionary and a doer. You will be imaginative and intuitive, yet always ready "
            "to fight for what you believe in. Learning to balance your dreams with your "
            "drive will help you turn your many ideas into real and lasting success.");
    case 3: // April: Aries / Taurus
        //: Portrait of someone born in April on the cusp of Aries and Taurus (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "The bold and loud Aries will have a quiet and practical side that comes from "
            "Taurus. You will have the energy and courage of Aries combined with the "
            "patience and determination of Taurus. You will be a natural leader who can "
            "not only start projects but also see them through to the end. You will be "
            "strong willed, ambitious and very focused on your goals. You will enjoy the "
            "good things of life and work hard to acquire them. At times you may be "
            "stubborn or forceful, but your loyalty and generosity will win you many "
            "friends. You will be a powerful and dependable force in the lives of others.");
    case 4: // May: Taurus / Gemini (ends with one blank)
        //: Portrait of someone born in May on the cusp of Taurus and Gemini (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "The silent and stubborn Taurus will be more intellectual and talkative with "
            "the influence of Gemini. You will combine the practical good sense of Taurus "
            "with the curiosity and wit of Gemini. You will be a good communicator, able "
            "to express your ideas clearly and persuasively. You will enjoy learning and "
            "may have many different interests. You will be more adaptable than a typical "
            "Taurus, yet more steady than a typical Gemini. You will love comfort and "
            "beauty as well as lively conversation. At times you may be restless or "
            "stubborn, but your charm and energy will attract friends. ");
    case 5: // June: Gemini / Cancer
        //: Portrait of someone born in June on the cusp of Gemini and Cancer (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "This cusp is a great combination of logic and emotions. You will have the "
            "quick mind of Gemini and the warm heart of Cancer. You will be sociable and "
            "curious, yet deeply caring towards your family and friends. You will be able "
            "to understand people both with your reasoning and with your intuition. You "
            "will be a good listener and a charming speaker. Your moods may change "
            "quickly, and you may swing between restlessness and a need for safety. Your "
            "sensitivity and wit will make you a delightful companion loved by many people.");
    case 6: // July: Cancer / Leo
        //: Portrait of someone born in July on the cusp of Cancer and Leo (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "This cusp has the combined energies of the moody and sensitive Cancer and the "
            "proud and confident Leo. You will be warm, caring and affectionate, yet also "
            "outgoing and full of life. You will love your family deeply and enjoy "
            "entertaining friends in your home. You will be creative and expressive, with "
            "a natural talent for drama or art. Your feelings will run deep, and you may "
            "be easily hurt if you feel unappreciated. You will be loyal and protective, "
            "and you will make a generous and faithful friend. Balancing your need for "
            "security with your love of the spotlight will bring you great happiness.");
    case 7: // August: Leo / Virgo
        //: Portrait of someone born in August on the cusp of Leo and Virgo (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will shift from being an arrogant, romantic and outgoing Leo to a more "
            "modest, practical and careful Virgo. You will combine the warmth and "
            "creativity of Leo with the precision and diligence of Virgo. You will be a "
            "hard worker who also knows how to shine in public. You will have high "
            "standards and will expect the best from yourself and others. You will be "
            "generous and very helpful, and people will value your sound advice. You will "
            "have an eye for detail as well as for the big picture. At times you may be "
            "too proud or too critical, but your sincerity and dedication will earn you "
            "respect. You will be a loyal friend and a reliable partner, and your talents "
            "will help you achieve lasting success in life.");
    case 8: // September: Virgo / Libra (ends with one blank)
        //: Portrait of someone born in September on the cusp of Virgo and Libra (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will be proud of your achievements and your practical, efficient way of "
            "working. The influence of Libra will add grace, charm and a love of beauty to "
            "your careful Virgo nature. You will be intelligent and refined, with good "
            "taste and a strong sense of fairness. You will work hard to create order and "
            "harmony all around you. You will be helpful and considerate, and people will "
            "enjoy your polite and gentle manners. At times you might be indecisive or "
            "overly critical, but your kindness and good judgement will make you a trusted "
            "friend and partner. ");
    case 9: // October: Libra / Scorpio
        //: Portrait of someone born in October on the cusp of Libra and Scorpio (one paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will be loving and adorable with your elegant charm and the intense "
            "passion of Scorpio. You will combine the diplomacy of Libra with the depth "
            "and determination of Scorpio. You will be attractive and magnetic, and people "
            "will find you fascinating. You will be intelligent and perceptive, able to "
            "see through surface appearances. You will love deeply and loyally, though you "
            "might sometimes be a bit jealous. Your charm, insight and inner strength will "
            "help you achieve your goals in life.");
    case 10: // November: Scorpio / Sagittarius
        //: Portrait of someone born in November on the cusp of Scorpio and Sagittarius (one
        //: paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will be very resourceful and capable of being a pioneer in any field you "
            "choose. You will combine the intensity of Scorpio with the optimism and "
            "adventurous spirit of Sagittarius. You will be honest, direct and passionate "
            "about your beliefs. You will love freedom and will enjoy travelling and "
            "exploring new ideas. You will be brave and determined, and you will not give "
            "up easily. At times you might be impatient or rebellious, but your generosity "
            "and enthusiasm will win you many loyal friends and help you make a real "
            "difference in the world.");
    case 11: // December: Sagittarius / Capricorn
        //: Portrait of someone born in December on the cusp of Sagittarius and Capricorn (one
        //: paragraph)
        return QCoreApplication::translate(
            "CuspTexts",
            "You will have a combination of the intellectual and adventurousness nature of "
            "Sagittarius with the practical ambition of Capricorn. You will be optimistic "
            "yet realistic, and you will know how to turn your big dreams into concrete "
            "plans. You will be hard working and determined, with a good sense of humour. "
            "You will enjoy learning about other cultures and may travel widely. At times "
            "you may be too serious or too blunt, but your honesty and loyalty will make "
            "you a well respected friend and a natural leader.");
    default:
        return QString();
    }
}

QString forumBanner() {
    //: %1 is the forum's address, e.g. forum.solvanta.example
    return QCoreApplication::translate("PromoTexts",
                                       "Our friendly forum is a great place to discuss astrology "
                                       "and esoteric subjects. Visit us at %1!")
        .arg(forumDisplayAddress());
}

QString fullBrandOffer() {
    return QCoreApplication::translate(
        "PromoTexts",
        "Home Business Opportunity. Start your own Internet business and make money "
        "online. Get a copy of this software fully branded with your name for your own "
        "website.");
}

QString coBrandOffer() {
    return QCoreApplication::translate(
        "PromoTexts",
        "Co-brand this software for your site. Add your own name & logo to this "
        "program and give it away free to all your visitors, so that they keep coming "
        "back to your website again and again.");
}

QString aboutDescription() {
    return QCoreApplication::translate(
        "PromoTexts",
        "Solvanta finds out if you are born in the cusp of two sun signs. If you are "
        "not, it tells you which sun sign your birth date belongs to. It also "
        "describes the positive and negative traits of each of the twelve sun signs.");
}

QString aboutPromotion() {
    return QCoreApplication::translate(
        "PromoTexts", "Home Business Opportunity. Start your own Internet business and make money "
                      "online. Brand this software with your name for your site.");
}

QString supportText(int k) {
    QString text;
    switch (k) {
    case 0:
        //: %1 is the forum's address; Quillory is the maker's name
        text = QCoreApplication::translate(
            "PromoTexts",
            "Quillory, such as this can be created and maintained only with your support. "
            "It lives thanks to friends like you. The best support you can give is to "
            "visit our forum at %1 regularly and join its discussions.");
        break;
    case 1:
        //: %1 is the forum's address
        text = QCoreApplication::translate(
            "PromoTexts",
            "Please visit %1 regularly and take part in its lively discussions on astrology "
            "and related esoteric subjects. Without your regular visits and participation this "
            "software cannot be maintained.");
        break;
    case 2:
        //: %1 is the forum's address
        text = QCoreApplication::translate(
            "PromoTexts",
            "%1 is a FREE online discussion forum on astrology, tarot, numerology and many "
            "other esoteric subjects. Please visit it regularly and say hi.");
        break;
    case 3:
        //: %1 is the forum's address
        text = QCoreApplication::translate(
            "PromoTexts",
            "%1 needs your help. This friendly forum lives on the visits and posts of its "
            "members. Please visit it regularly, share your views and take part in its "
            "discussions on astrology.");
        break;
    default:
        return QString();
    }
    return text.arg(forumDisplayAddress());
}

QString softwarePromotion() {
    return QCoreApplication::translate(
        "PromoTexts",
        "If you have enjoyed this software you will surely be interested in the other "
        "Quillory programs. Our astrology software prepares birth charts, "
        "compatibility reports and daily horoscopes in plain language. Our psychic "
        "software helps you explore your intuition and inner abilities with simple "
        "exercises. The tarot software lets you lay out classic spreads and read the "
        "meaning of every card. The numerology software reveals the meaning of the "
        "numbers in your name and birth date. Our occult software introduces you to "
        "the symbols and traditions of the esoteric world. Each program is easy to use "
        "and made for everyone.");
}

QStringList monthNames() {
    // English (and the C locale) keeps the program's own list; any other language
    // takes the stand-alone month names of the default locale the translations set.
    const QLocale locale;
    QStringList names;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) {
        names = {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                 QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                 QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                 QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
        return names;
    }
    for (int month = 1; month <= 12; ++month)
        names << locale.standaloneMonthName(month, QLocale::LongFormat);
    return names;
}

} // namespace Texts
