#pragma once

#include <QString>

#include <optional>

// The values of the input window at the moment of a search.
struct BirthInput {
    QString firstName;
    QString middleName;
    QString lastName;
    QString dayText;
    qint16 dayIndex = -1; // 0 = day 1 ... 30 = day 31, -1 = none
    QString monthText;
    qint16 monthIndex = -1; // 0 = January ... 11 = December, -1 = none
    QString yearText;
};

// The input window's fields that a failed check sends the focus to.
enum class InputField { None, FirstName, LastName, Day, Month, Year };

// Why the input was refused: the message to show and where the focus goes afterwards.
struct ValidationFailure {
    QString message;
    InputField focus = InputField::None;

    bool operator==(const ValidationFailure&) const = default;
};

// Checks the input in a fixed order and reports the first problem; nothing when
// the input is acceptable. The middle name is never checked.
std::optional<ValidationFailure> ValidateBirthInput(const BirthInput& input);

// Gregorian leap years: every fourth year, except centuries not divisible by 400.
bool isLeapYear(int year);
