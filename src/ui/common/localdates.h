#pragma once

#include "texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>

// Dates and month names in the windows' language: English as it always was (month
// names from the C locale, whatever the system's own locale), another language in
// its own long form, without a weekday. The language is the one the windows'
// translation is in, so a text and the dates inside it always agree.
namespace LocalDates {

// The language the windows' translation is for ("de", "pt_BR"); "en" when they show
// the English they were written in.
inline QString language() {
    //: The language (and territory) this translation is for, as a locale name such as
    //: de, fr, es or pt_BR: dates and month names in the windows follow it.
    return QCoreApplication::translate("Dates", "en");
}

inline QLocale locale() {
    const QString name = language();
    return name == QLatin1String("en") ? QLocale::c() : QLocale(name);
}

// "20 March 2024".
inline QString longDate(QDate date) {
    //: A date without weekday, in QLocale's format letters (d, MMMM, yyyy; quote words).
    return locale().toString(date, QCoreApplication::translate("Dates", "d MMMM yyyy"));
}

// "20 March".
inline QString dayMonth(QDate date) {
    //: A day and month without year or weekday, in QLocale's format letters.
    return locale().toString(date, QCoreApplication::translate("Dates", "d MMMM"));
}

// "March 2024", under the picture's first day of each month.
inline QString monthYear(QDate date) {
    //: A month and year, as under a calendar's days, in QLocale's format letters.
    return locale().toString(date, QCoreApplication::translate("Dates", "MMMM yyyy"));
}

// The twelve months as the date boxes list them.
inline QStringList monthNames() {
    const QLocale here = locale();
    if (here.language() == QLocale::C)
        return Texts::monthNames();
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(here.standaloneMonthName(month, QLocale::LongFormat));
    return names;
}

} // namespace LocalDates
