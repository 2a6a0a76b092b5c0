#include "accessibility.h"

#include "linklabel.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

// A clickable label: a link, named by its text, that its press action follows.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit label()->clicked();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

// One tab of a tab list; pressing it chooses the tab.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isTabVisible(m_index);
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        return s;
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return {m_bar->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        QString name = m_bar->accessibleTabName(m_index);
        if (name.isEmpty()) {
            // The visible text without its access-key marks.
            name = m_bar->tabText(m_index);
            name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
            name.remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        return name;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && m_bar->isTabVisible(m_index) &&
            m_bar->isTabEnabled(m_index))
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// A tab list whose children are the tabs on show, in order.
class TabListAccessible : public QAccessibleWidget {
public:
    explicit TabListAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabListAccessible() override {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(shownTabs().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<int> shown = shownTabs();
        return index >= 0 && index < shown.size() ? tab(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<int> shown = shownTabs();
        for (int i = 0; i < shown.size(); ++i) {
            if (tab(shown[i]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index : shownTabs()) {
            if (QAccessibleInterface* t = tab(index); t->rect().contains(x, y))
                return t;
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (QAccessibleInterface* current = tab(bar()->currentIndex()))
                return current->text(t);
        }
        return QAccessibleWidget::text(t);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    QList<int> shownTabs() const {
        QList<int> shown;
        for (int i = 0; i < bar()->count(); ++i) {
            if (bar()->isTabVisible(i))
                shown << i;
        }
        return shown;
    }
    // One interface per tab position, made when first asked for.
    QAccessibleInterface* tab(int index) const {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const auto it = m_tabs.constFind(index); it != m_tabs.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* made = new TabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* accountOf(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickableLabel"))
        return new LinkAccessible(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String("QTabBar"))
        return new TabListAccessible(static_cast<QTabBar*>(object));
    return nullptr;
}

} // namespace

namespace Accessibility {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(accountOf);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace Accessibility
