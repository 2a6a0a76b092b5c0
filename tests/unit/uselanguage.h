#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// For the life of the object, the core texts speak `language` ("de", "fr", "es",
// "pt_BR") as the program does at start-up: the built-in core translation installed
// and the default locale set. "en" installs nothing, as English needs no translation.
class UseLanguage {
public:
    explicit UseLanguage(const QString& language) : m_previous(QLocale()) {
        if (language == QLatin1String("en"))
            return;
        m_loaded = m_translator.load(QStringLiteral(":/i18n/core_") + language);
        QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(QLocale(language));
    }
    ~UseLanguage() {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_previous);
    }
    UseLanguage(const UseLanguage&) = delete;
    UseLanguage& operator=(const UseLanguage&) = delete;

    // False when a language was asked for and its translation is not built in.
    bool ok(const QString& language) const { return m_loaded || language == QLatin1String("en"); }

private:
    QTranslator m_translator;
    QLocale m_previous;
    bool m_loaded = false;
};
