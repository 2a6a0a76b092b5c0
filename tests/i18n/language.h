#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

// A language loaded into the running test, as the program loads it: the translations of
// every layer (the built resources under :/i18n, or the made-up language's files in a
// folder of their own), Qt's own for the standard buttons, and the language's locale as
// the default for dates and numbers. English again when it goes.
class LoadedLanguage {
public:
    explicit LoadedLanguage(const QString& language,
                            const QString& folder = QStringLiteral(":/i18n/"),
                            const QString& locale = QString()) {
        const QDir dir(folder);
        for (const QString& file :
             dir.entryList({QStringLiteral("*_") + language + QStringLiteral(".qm")}, QDir::Files))
            add(dir.filePath(file));
        if (language != QLatin1String("en"))
            add(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") +
                (locale.isEmpty() ? language : locale) + QStringLiteral(".qm"));
        QLocale::setDefault(QLocale(locale.isEmpty() ? language : locale));
    }
    ~LoadedLanguage() {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
        QLocale::setDefault(QLocale::system());
    }
    LoadedLanguage(const LoadedLanguage&) = delete;
    LoadedLanguage& operator=(const LoadedLanguage&) = delete;


private:
    void add(const QString& path) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(path))
            return;
        QCoreApplication::installTranslator(translator.get()); // false for an empty file
        m_translators.push_back(std::move(translator));
    }

    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
