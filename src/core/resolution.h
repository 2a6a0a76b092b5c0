#pragma once

#include "signs.h"

#include <optional>

// What a birth day and month resolve to: one sun sign, or the cusp between the
// sign that rules the start of the month and the one that rules its end.
struct CuspResolution {
    bool isCusp = false;
    qint16 monthIndex = -1;
    std::optional<ZodiacSign> firstSign;  // the sign, or the earlier sign of the cusp
    std::optional<ZodiacSign> secondSign; // the later sign of the cusp

    bool operator==(const CuspResolution&) const = default;
};

// Pure: uses the month (0..11) and day (0..30) indexes only. Indexes out of range
// resolve to no sign.
CuspResolution ResolveCusp(int monthIndex, int dayIndex);

// The sign that rules the start of the month (0..11) and the one that rules its end.
ZodiacSign monthFirstSign(int monthIndex);
ZodiacSign monthSecondSign(int monthIndex);
