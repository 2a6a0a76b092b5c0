#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Platform;
class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Keeps the name boxes to the letters A to Z and blanks. A lower-case letter is
// entered as its upper-case form; any other character is refused with the notice
// "Please Enter Only Alphabet" and nothing of it reaches the box. The rule holds
// whichever way text arrives: typing, pasting (keys, context menu, middle click),
// dropping, an input method or the accessibility interface. A drag of text the
// rule refuses is turned away while it is over the box, and dropped text is
// copied, never moved, so the program it comes from keeps it. Keys that produce
// no character (arrows, Home, End, Delete, Tab, Shift, ...) edit and move as in
// any text box.
class NameFilter : public QObject {
    Q_OBJECT

public:
    explicit NameFilter(Platform& platform, QObject* parent = nullptr);

    // Puts one box under the rule. The filter must outlive the box's use of it:
    // give both the same owner.
    void attach(QLineEdit* box);

    // The text as a name box stores it (letters upper-cased, blanks kept), or
    // nothing when it holds any other character.
    static std::optional<QString> nameText(const QString& text);

    static QString refusalMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKeyPress(QLineEdit* box, QKeyEvent* event);
    bool filterDrop(QLineEdit* box, QDropEvent* event);
    // Tells the user at once (a refused key), in a box owned by the name box's window.
    void refuse(QWidget* box);
    // Tells the user once the edit under way has been undone (a refused paste,
    // drop or input method text).
    void refuseLater(QWidget* box);

    friend class NameValidator;

    Platform& m_platform;
    // True while a drop is handed on to its box.
    bool m_handingOn = false;
};
