#pragma once

#include "signs.h"

#include <QObject>
#include <QString>

#include <array>

// What one profile panel of the result window shows. The result window displays
// it and follows its changes.
class ProfilePanel : public QObject {
    Q_OBJECT

public:
    enum class Field {
        SignName,
        Element,
        LuckyNumbers,
        LuckyDay,
        Compatibility,
        Birthstone,
        PositiveTraits,
        NegativeTraits,
    };
    Q_ENUM(Field)

    // The text a value label shows before anything was written to it.
    static inline const QString kUnfilledLabel = QStringLiteral("lblSunSign");
    // The picture a panel shows before anything was written to it (Aquarius).
    static constexpr int kInitialPicture = 11;

    explicit ProfilePanel(QObject* parent = nullptr);

    QString text(Field field) const;
    int pictureIndex() const { return m_pictureIndex; }

    // Each write announces itself only when it changes what is shown.
    void setText(Field field, const QString& value);
    void setPictureIndex(int index);

signals:
    void textChanged(ProfilePanel::Field field, const QString& value);
    void pictureChanged(int index);

private:
    std::array<QString, 8> m_texts;
    int m_pictureIndex = kInitialPicture;
};

// Everything a search writes into the result window: which tabs can be chosen,
// the chosen tab, the two panels, the two panel captions and the cusp text.
class ResultModel : public QObject {
    Q_OBJECT

public:
    explicit ResultModel(QObject* parent = nullptr);

    bool isTabEnabled(int tab) const;
    void setTabEnabled(int tab, bool enabled);
    int currentTab() const { return m_currentTab; }
    void setCurrentTab(int tab);

    ProfilePanel& panel(ProfileSlot slot);
    const ProfilePanel& panel(ProfileSlot slot) const;

    QString frameCaption(ProfileSlot slot) const;
    void setFrameCaption(ProfileSlot slot, const QString& caption);

    QString cuspDescription() const { return m_cuspDescription; }
    void setCuspDescription(const QString& text);

signals:
    void tabsChanged();
    void frameCaptionChanged(ProfileSlot slot, const QString& caption);
    void cuspDescriptionChanged(const QString& text);

private:
    std::array<bool, 2> m_tabEnabled{true, true};
    int m_currentTab = 0;
    ProfilePanel m_first;
    ProfilePanel m_second;
    std::array<QString, 2> m_frameCaptions;
    QString m_cuspDescription;
};

// Writes a sign's row of the table into one panel: name, element, lucky numbers,
// lucky day, compatibility, birthstone, positive and negative traits, picture.
void ShowSignProfile(ResultModel& result, ZodiacSign sign, ProfileSlot slot);
