#include "resultmodel.h"

ProfilePanel::ProfilePanel(QObject* parent) : QObject(parent) {
    for (int i = 0; i <= static_cast<int>(Field::Birthstone); ++i)
        m_texts[static_cast<std::size_t>(i)] = kUnfilledLabel;
}

QString ProfilePanel::text(Field field) const {
    return m_texts[static_cast<std::size_t>(field)];
}

void ProfilePanel::setText(Field field, const QString& value) {
    QString& current = m_texts[static_cast<std::size_t>(field)];
    if (current == value)
        return;
    current = value;
    emit textChanged(field, value);
}

void ProfilePanel::setPictureIndex(int index) {
    if (!isSignNumber(index) || index == m_pictureIndex)
        return;
    m_pictureIndex = index;
    emit pictureChanged(index);
}

ResultModel::ResultModel(QObject* parent) : QObject(parent) {}

bool ResultModel::isTabEnabled(int tab) const {
    return tab >= 0 && tab < 2 && m_tabEnabled[static_cast<std::size_t>(tab)];
}

void ResultModel::setTabEnabled(int tab, bool enabled) {
    if (tab < 0 || tab >= 2 || m_tabEnabled[static_cast<std::size_t>(tab)] == enabled)
        return;
    m_tabEnabled[static_cast<std::size_t>(tab)] = enabled;
    emit tabsChanged();
}

void ResultModel::setCurrentTab(int tab) {
    if (!isTabEnabled(tab) || tab == m_currentTab)
        return;
    m_currentTab = tab;
    emit tabsChanged();
}

ProfilePanel& ResultModel::panel(ProfileSlot slot) {
    return slot == ProfileSlot::First ? m_first : m_second;
}

const ProfilePanel& ResultModel::panel(ProfileSlot slot) const {
    return slot == ProfileSlot::First ? m_first : m_second;
}

QString ResultModel::frameCaption(ProfileSlot slot) const {
    return m_frameCaptions[static_cast<std::size_t>(slot)];
}

void ResultModel::setFrameCaption(ProfileSlot slot, const QString& caption) {
    QString& current = m_frameCaptions[static_cast<std::size_t>(slot)];
    if (current == caption)
        return;
    current = caption;
    emit frameCaptionChanged(slot, caption);
}

void ResultModel::setCuspDescription(const QString& text) {
    if (m_cuspDescription == text)
        return;
    m_cuspDescription = text;
    emit cuspDescriptionChanged(text);
}

void ShowSignProfile(ResultModel& result, ZodiacSign sign, ProfileSlot slot) {
    if (!isSignNumber(static_cast<int>(sign)))
        return;
    const SignProfile& row = signProfile(sign);
    ProfilePanel& panel = result.panel(slot);
    using F = ProfilePanel::Field;
    panel.setText(F::SignName, row.name);
    panel.setText(F::Element, row.element);
    panel.setText(F::LuckyNumbers, row.luckyNumbers);
    panel.setText(F::LuckyDay, row.luckyDay);
    panel.setText(F::Compatibility, row.compatibility);
    panel.setText(F::Birthstone, row.birthstone);
    panel.setText(F::PositiveTraits, row.positiveTraits);
    panel.setText(F::NegativeTraits, row.negativeTraits);
    panel.setPictureIndex(row.pictureIndex);
}
