#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <QTranslator>

// For the life of the object, the core texts speak `language` ("de", "fr", "es",
// "pt_BR") as the program does after start-up: the built-in core translation
// installed and the default locale set.
class UseLanguage {
public:
    explicit UseLanguage(const QString& language) : m_previous(QLocale()) {
        if (!m_translator.load(QStringLiteral(":/i18n/core_") + language))
            QTest::qFail("no built-in core translation", __FILE__, __LINE__);
        QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(QLocale(language));
    }
    ~UseLanguage() {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_previous);
    }

private:
    QTranslator m_translator;
    QLocale m_previous;
};
