#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSet>
#include <QTranslator>

namespace Translations {
namespace {

const QString kFolder = QStringLiteral(":/i18n/");

// "core_pt_BR.qm": the layer, then the language.
QString languageOf(const QString& file) {
    const QString base = file.chopped(3); // ".qm"
    return base.mid(base.indexOf(QLatin1Char('_')) + 1);
}

QStringList translationFiles() {
    return QDir(kFolder).entryList({QStringLiteral("*.qm")}, QDir::Files);
}

QStringList languagesIn(const QStringList& files) {
    QSet<QString> languages;
    for (const QString& file : files)
        languages.insert(languageOf(file));
    QStringList sorted(languages.cbegin(), languages.cend());
    sorted.sort();
    return sorted;
}

bool load(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool isCLocale(const std::function<QByteArray(const char*)>& environment) {
#ifdef Q_OS_WIN
    Q_UNUSED(environment);
    return false; // Windows says its display language itself
#else
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = environment(name);
        if (value.isEmpty())
            continue;
        const qsizetype dot = value.indexOf('.');
        const QByteArray locale = dot < 0 ? value : value.left(dot);
        return locale == "C" || locale == "POSIX";
    }
    return true;
#endif
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available) {
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            break;
        if (available.contains(wanted))
            return wanted;
        if (available.contains(language))
            return language;
        for (const QString& variant : available) {
            if (variant.startsWith(language + QLatin1Char('_')))
                return variant;
        }
    }
    return QStringLiteral("en");
}

QStringList availableLanguages() {
    return languagesIn(translationFiles());
}

QString install() {
    const bool c = isCLocale([](const char* name) { return qgetenv(name); });
    // The folder is listed once: listing it is a noticeable part of start-up.
    const QStringList files = translationFiles();
    const QString language =
        c ? QStringLiteral("en")
          : chooseLanguage(QLocale::system().uiLanguages(), languagesIn(files));
    for (const QString& file : files) {
        if (languageOf(file) == language)
            load(file, kFolder);
    }
    if (language != QLatin1String("en")) {
        load(QStringLiteral("qtbase_") + language,
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QLocale::setDefault(QLocale(language));
    }
    return language;
}

} // namespace Translations
