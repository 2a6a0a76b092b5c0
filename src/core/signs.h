#pragma once

#include <QString>

#include <array>

// The twelve sun signs in zodiac order. The number is also the position of the
// sign's picture in the picture list (1-based).
enum class ZodiacSign {
    Aries = 1,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

inline constexpr int kSignCount = 12;

// The two profile panels of the result window.
enum class ProfileSlot { First = 0, Second = 1 };

// One sign's constant profile.
struct SignProfile {
    QString name;
    QString element;
    QString luckyNumbers;
    QString luckyDay;
    QString compatibility;
    QString birthstone;
    QString positiveTraits;
    QString negativeTraits;
    int pictureIndex; // 1..12, equal to the sign's number
};

// The table of twelve, in zodiac order (index 0 is Aries), its texts in the language
// of the installed translators. The picture index is the same in every language.
const std::array<SignProfile, kSignCount>& SignTable();

// The row of one sign.
const SignProfile& signProfile(ZodiacSign sign);

// The sign with the given number, when 1 <= number <= 12.
bool isSignNumber(int number);

// Resource path of the picture at a position of the picture list (1..12),
// e.g. ":/signs/aries.jpg"; empty outside that range.
QString signPicturePath(int pictureIndex);
