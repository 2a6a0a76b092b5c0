#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The language the program speaks: the desktop's, as the usual environment names it,
// falling back to English (the program's own texts, with English plural forms).
namespace Translations {

// Whether the locale the environment sets for messages is C or POSIX: the first of
// LC_ALL, LC_MESSAGES and LANG that is set decides ("C.UTF-8" counts as C); none set
// means C. In a C locale the program speaks English whatever LANGUAGE says.
bool isCLocale(const std::function<QByteArray(const char*)>& environment);

// The first of the desktop's languages (QLocale::uiLanguages(), best first, "de-DE" or
// "pt_BR") that the program has a translation for: the exact language and country
// first, then the language alone, then any country's variant of the language. English,
// or none found: "en".
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// The languages the program carries translations for ("de", "pt_BR", ...; English's plural
// forms among them as "en").
QStringList availableLanguages();

// Chooses the language from the environment and the desktop, installs the program's and
// the toolkit's translations for it (message boxes' and dialogs' standard buttons) and
// makes it QLocale's default, so dates and numbers follow. Needs a QCoreApplication.
// Returns the language chosen ("en" for English).
QString install();

} // namespace Translations
