#include "signs.h"

#include "texts.h"

#include <QCoreApplication>

namespace {

// The table's words, translated at use (the contexts name what they are, so that a
// translator sees "Leo" as the sign and "Fire" as the element).
struct ShortFields {
    const char* name;         // context "Signs"
    const char* element;      // context "Elements"
    int luckyNumbers[2];      // the second is 0 where there is one
    const char* luckyDay;     // context "Weekdays"
    ZodiacSign compatible[2]; // the two other signs of the element
    const char* birthstone;   // context "Birthstones"
    const char* picture;
};

using Z = ZodiacSign;

// Aquarius and Pisces name the two other signs of their element, as every other row does.
constexpr ShortFields kShortFields[kSignCount] = {
    {QT_TRANSLATE_NOOP("Signs", "Aries"),
     QT_TRANSLATE_NOOP("Elements", "Fire"),
     {9, 0},
     QT_TRANSLATE_NOOP("Weekdays", "Tuesday"),
     {Z::Leo, Z::Sagittarius},
     QT_TRANSLATE_NOOP("Birthstones", "Diamond"),
     "aries.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Taurus"),
     QT_TRANSLATE_NOOP("Elements", "Earth"),
     {6, 0},
     QT_TRANSLATE_NOOP("Weekdays", "Friday"),
     {Z::Capricorn, Z::Virgo},
     QT_TRANSLATE_NOOP("Birthstones", "Emerald"),
     "taurus.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Gemini"),
     QT_TRANSLATE_NOOP("Elements", "Air"),
     {5, 0},
     QT_TRANSLATE_NOOP("Weekdays", "Wednesday"),
     {Z::Aquarius, Z::Libra},
     QT_TRANSLATE_NOOP("Birthstones", "Agate"),
     "gemini.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Cancer"),
     QT_TRANSLATE_NOOP("Elements", "Water"),
     {2, 0},
     QT_TRANSLATE_NOOP("Weekdays", "Monday"),
     {Z::Pisces, Z::Scorpio},
     QT_TRANSLATE_NOOP("Birthstones", "Pearl"),
     "cancer.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Leo"),
     QT_TRANSLATE_NOOP("Elements", "Fire"),
     {8, 9},
     QT_TRANSLATE_NOOP("Weekdays", "Sunday"),
     {Z::Aries, Z::Sagittarius},
     QT_TRANSLATE_NOOP("Birthstones", "Ruby"),
     "leo.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Virgo"),
     QT_TRANSLATE_NOOP("Elements", "Earth"),
     {3, 5},
     QT_TRANSLATE_NOOP("Weekdays", "Wednesday"),
     {Z::Capricorn, Z::Taurus},
     QT_TRANSLATE_NOOP("Birthstones", "Sapphire"),
     "virgo.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Libra"),
     QT_TRANSLATE_NOOP("Elements", "Air"),
     {6, 9},
     QT_TRANSLATE_NOOP("Weekdays", "Friday"),
     {Z::Aquarius, Z::Gemini},
     QT_TRANSLATE_NOOP("Birthstones", "Opal"),
     "libra.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Scorpio"),
     QT_TRANSLATE_NOOP("Elements", "Water"),
     {2, 4},
     QT_TRANSLATE_NOOP("Weekdays", "Tuesday"),
     {Z::Cancer, Z::Pisces},
     QT_TRANSLATE_NOOP("Birthstones", "Topaz"),
     "scorpio.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Sagittarius"),
     QT_TRANSLATE_NOOP("Elements", "Fire"),
     {5, 7},
     QT_TRANSLATE_NOOP("Weekdays", "Thursday"),
     {Z::Aries, Z::Leo},
     QT_TRANSLATE_NOOP("Birthstones", "Turquoise"),
     "sagittarius.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Capricorn"),
     QT_TRANSLATE_NOOP("Elements", "Earth"),
     {8, 2},
     QT_TRANSLATE_NOOP("Weekdays", "Saturday"),
     {Z::Taurus, Z::Virgo},
     QT_TRANSLATE_NOOP("Birthstones", "Garnet"),
     "capricorn.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Aquarius"),
     QT_TRANSLATE_NOOP("Elements", "Air"),
     {1, 7},
     QT_TRANSLATE_NOOP("Weekdays", "Wednesday"),
     {Z::Gemini, Z::Libra},
     QT_TRANSLATE_NOOP("Birthstones", "Amethyst"),
     "aquarius.jpg"},
    {QT_TRANSLATE_NOOP("Signs", "Pisces"),
     QT_TRANSLATE_NOOP("Elements", "Water"),
     {2, 6},
     QT_TRANSLATE_NOOP("Weekdays", "Friday"),
     {Z::Cancer, Z::Scorpio},
     QT_TRANSLATE_NOOP("Birthstones", "Aquamarine"),
     "pisces.jpg"},
};

QString translated(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

QString luckyNumbersText(const int (&numbers)[2]) {
    if (numbers[1] == 0)
        return QString::number(numbers[0]);
    //: Two lucky numbers of a sign, e.g. "8 and 9"
    return QCoreApplication::translate("LuckyNumbers", "%1 and %2")
        .arg(QString::number(numbers[0]), QString::number(numbers[1]));
}

QString compatibilityText(const ZodiacSign (&signs)[2]) {
    const auto name = [](ZodiacSign sign) {
        return translated("Signs", kShortFields[static_cast<int>(sign) - 1].name);
    };
    //: The two signs that go well with a sign, e.g. "Leo and Sagittarius"
    return QCoreApplication::translate("CompatibleSigns", "%1 and %2")
        .arg(name(signs[0]), name(signs[1]));
}

std::array<SignProfile, kSignCount> buildTable() {
    std::array<SignProfile, kSignCount> table;
    for (int i = 0; i < kSignCount; ++i) {
        const ShortFields& f = kShortFields[i];
        table[i] = SignProfile{translated("Signs", f.name),
                               translated("Elements", f.element),
                               luckyNumbersText(f.luckyNumbers),
                               translated("Weekdays", f.luckyDay),
                               compatibilityText(f.compatible),
                               translated("Birthstones", f.birthstone),
                               Texts::positiveTraits(i + 1),
                               Texts::negativeTraits(i + 1),
                               i + 1};
    }
    return table;
}

} // namespace

// The table lives in one place for the program's run, and its texts are refilled at
// each call, so that they follow the translators installed at that moment.
const std::array<SignProfile, kSignCount>& SignTable() {
    static std::array<SignProfile, kSignCount> table;
    table = buildTable();
    return table;
}

bool isSignNumber(int number) {
    return number >= 1 && number <= kSignCount;
}

const SignProfile& signProfile(ZodiacSign sign) {
    return SignTable()[static_cast<std::size_t>(static_cast<int>(sign) - 1)];
}

QString signPicturePath(int pictureIndex) {
    if (!isSignNumber(pictureIndex))
        return {};
    return QStringLiteral(":/signs/") + QString::fromLatin1(kShortFields[pictureIndex - 1].picture);
}
