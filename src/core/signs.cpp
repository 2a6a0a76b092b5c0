#include "signs.h"

#include "texts.h"

namespace {

struct ShortFields {
    const char* name;
    const char* element;
    const char* luckyNumbers;
    const char* luckyDay;
    const char* compatibility;
    const char* birthstone;
    const char* picture;
};

// Aquarius and Pisces name the two other signs of their element, as every other row does.
constexpr ShortFields kShortFields[kSignCount] = {
    {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond", "aries.jpg"},
    {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald", "taurus.jpg"},
    {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate", "gemini.jpg"},
    {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl", "cancer.jpg"},
    {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby", "leo.jpg"},
    {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire", "virgo.jpg"},
    {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal", "libra.jpg"},
    {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz", "scorpio.jpg"},
    {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise", "sagittarius.jpg"},
    {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet", "capricorn.jpg"},
    {"Aquarius", "Air", "1 and 7", "Wednesday", "Gemini and Libra", "Amethyst", "aquarius.jpg"},
    {"Pisces", "Water", "2 and 6", "Friday", "Cancer and Scorpio", "Aquamarine", "pisces.jpg"},
};

std::array<SignProfile, kSignCount> buildTable() {
    std::array<SignProfile, kSignCount> table;
    for (int i = 0; i < kSignCount; ++i) {
        const ShortFields& f = kShortFields[i];
        table[i] = SignProfile{QString::fromLatin1(f.name),
                               QString::fromLatin1(f.element),
                               QString::fromLatin1(f.luckyNumbers),
                               QString::fromLatin1(f.luckyDay),
                               QString::fromLatin1(f.compatibility),
                               QString::fromLatin1(f.birthstone),
                               Texts::positiveTraits(i + 1),
                               Texts::negativeTraits(i + 1),
                               i + 1};
    }
    return table;
}

} // namespace

const std::array<SignProfile, kSignCount>& SignTable() {
    static const std::array<SignProfile, kSignCount> table = buildTable();
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
