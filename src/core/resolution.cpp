#include "resolution.h"

namespace {

constexpr int kCuspFirstDay = 18; // day 19
constexpr int kCuspLastDay = 22;  // day 23
constexpr int kLastDay = 30;      // day 31

// Last day index of the month's first sign; the second sign rules the rest.
constexpr int kFirstSignLastDay[12] = {18, 17, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19};

ZodiacSign signFromNumber(int number) {
    return static_cast<ZodiacSign>(number);
}

} // namespace

// January starts in Capricorn (10); every later month starts one sign further on.
ZodiacSign monthFirstSign(int monthIndex) {
    return signFromNumber((monthIndex + 9) % 12 + 1);
}

ZodiacSign monthSecondSign(int monthIndex) {
    return signFromNumber((monthIndex + 10) % 12 + 1);
}

CuspResolution ResolveCusp(int monthIndex, int dayIndex) {
    CuspResolution result;
    result.monthIndex = static_cast<qint16>(monthIndex);
    if (monthIndex < 0 || monthIndex > 11 || dayIndex < 0 || dayIndex > kLastDay)
        return result;

    if (dayIndex >= kCuspFirstDay && dayIndex <= kCuspLastDay) {
        result.isCusp = true;
        result.firstSign = monthFirstSign(monthIndex);
        result.secondSign = monthSecondSign(monthIndex);
        return result;
    }
    result.firstSign = dayIndex <= kFirstSignLastDay[monthIndex] ? monthFirstSign(monthIndex)
                                                                 : monthSecondSign(monthIndex);
    return result;
}
