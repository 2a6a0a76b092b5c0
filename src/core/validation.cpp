#include "validation.h"

#include <QCoreApplication>

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

namespace {

constexpr qint16 kFebruary = 1;

bool isThirtyDayMonth(qint16 monthIndex) {
    return monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
}

} // namespace

std::optional<ValidationFailure> ValidateBirthInput(const BirthInput& input) {
    if (input.firstName.isEmpty())
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Enter Your First Name"),
            InputField::FirstName};
    if (input.lastName.isEmpty())
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Enter Your Last Name"),
            InputField::LastName};
    if (input.dayText.isEmpty())
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Specify Your Birth Date"),
            InputField::Day};
    if (input.monthText.isEmpty())
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Specify Your Birth Month"),
            InputField::Month};
    if (input.yearText.isEmpty())
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Specify Your Birth Year"),
            InputField::Year};

    if (input.monthIndex == kFebruary) {
        const int year = input.yearText.toInt();
        const qint16 firstBadDay = isLeapYear(year) ? 29 : 28; // day index of day 30 or 29
        if (input.dayIndex >= firstBadDay)
            //: February has no such day in that year
            return ValidationFailure{
                QCoreApplication::translate("Validation", "Please Enter Correct Date Or Month!"),
                InputField::None};
    }
    if (isThirtyDayMonth(input.monthIndex) && input.dayIndex == 30)
        //: Day 31 of a month of 30 days (the English has a blank before the "!")
        return ValidationFailure{
            QCoreApplication::translate("Validation", "Please Enter Correct Date Or Month !"),
            InputField::None};
    return std::nullopt;
}
