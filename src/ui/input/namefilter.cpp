#include "namefilter.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

#include <memory>

namespace {

// What one key press types in a one-line box, following the usual keyboard
// conventions: Backspace types 8, Enter 13, Escape 27, Ctrl with a letter the
// control character of that letter (Ctrl+C is 3, Ctrl+V is 22).
struct TypedKey {
    enum Kind {
        None,    // moves or edits without typing (arrows, Home, Delete, Tab, Ctrl+Left, ...)
        Silent,  // a menu access key combination (Alt+letter): types nothing at all
        Control, // a control character, in code
        Text,    // printable text, in text
    };
    Kind kind = None;
    int code = 0;
    QString text;
};

TypedKey typedKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();

    switch (key) {
    case Qt::Key_Backspace:
        return {TypedKey::Control, ctrl ? 127 : 8, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {TypedKey::Control, ctrl ? 10 : 13, {}};
    case Qt::Key_Escape:
        return {TypedKey::Control, 27, {}};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }

    // Ctrl+Alt is AltGr on some systems and types ordinary characters.
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return {TypedKey::Control, key - Qt::Key_A + 1, {}};
        switch (key) {
        case Qt::Key_At:
            return {TypedKey::Control, 0, {}};
        case Qt::Key_BracketLeft:
            return {TypedKey::Control, 27, {}};
        case Qt::Key_Backslash:
            return {TypedKey::Control, 28, {}};
        case Qt::Key_BracketRight:
            return {TypedKey::Control, 29, {}};
        case Qt::Key_AsciiCircum:
            return {TypedKey::Control, 30, {}};
        case Qt::Key_Underscore:
            return {TypedKey::Control, 31, {}};
        default:
            return {};
        }
    }

    const QString text = event.text();
    if (text.isEmpty())
        return {};
    if (alt && !ctrl)
        return {TypedKey::Silent, 0, {}};
    return {TypedKey::Text, 0, text};
}

bool isControlPassedOn(int code) {
    return code == 8 || code == 13;
}

} // namespace

// The last check of every change to a name box's text, whatever caused it: a
// change that brings in a refused character is undone by the box, and letters
// arrive upper-cased.
class NameValidator : public QValidator {
public:
    NameValidator(NameFilter* filter, QLineEdit* box)
        : QValidator(box), m_filter(filter), m_box(box) {}

    State validate(QString& input, int& /*pos*/) const override {
        const std::optional<QString> name = NameFilter::nameText(input);
        if (!name) {
            m_filter->refuseLater(m_box);
            return Invalid;
        }
        input = *name;
        return Acceptable;
    }

private:
    NameFilter* m_filter;
    QLineEdit* m_box;
};

NameFilter::NameFilter(Platform& platform, QObject* parent)
    : QObject(parent), m_platform(platform) {}

void NameFilter::attach(QLineEdit* box) {
    box->installEventFilter(this);
    box->setValidator(new NameValidator(this, box));
    box->setInputMethodHints(Qt::ImhUppercaseOnly | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);

    // The box undoes a refused edit only where it checks the edit itself; text
    // set from outside (the accessibility interface inserts and replaces text
    // that way) is checked by the validator but kept. Such a change is put back
    // to the last name the box held; the validator has already asked for the
    // notice.
    connect(box, &QLineEdit::textChanged, this,
            [box, accepted = std::make_shared<QString>(box->text())](const QString& text) {
                if (nameText(text))
                    *accepted = text;
                else
                    box->setText(*accepted);
            });
}

std::optional<QString> NameFilter::nameText(const QString& text) {
    QString name = text;
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(u - (u'a' - u'A'));
        else if (!((u >= u'A' && u <= u'Z') || u == u' '))
            return std::nullopt;
    }
    return name;
}

QString NameFilter::refusalMessage() {
    //: Shown when a name box refuses a character: the boxes take the Latin letters A to Z
    //: and spaces only. Say so truthfully (not "letters" in general).
    return tr("Please Enter Only Alphabet");
}

bool NameFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return false;

    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A key that types a character belongs to the box, even where a shortcut
        // would otherwise take it.
        auto* key = static_cast<QKeyEvent*>(event);
        const TypedKey typed = typedKey(*key);
        if (typed.kind == TypedKey::Control || typed.kind == TypedKey::Text) {
            key->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return filterKeyPress(box, static_cast<QKeyEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return filterDrop(box, static_cast<QDropEvent*>(event));
    default:
        return false;
    }
}

bool NameFilter::filterKeyPress(QLineEdit* box, QKeyEvent* event) {
    const TypedKey typed = typedKey(*event);
    switch (typed.kind) {
    case TypedKey::None:
        return false;
    case TypedKey::Silent:
        event->accept();
        return true;
    case TypedKey::Control:
        if (isControlPassedOn(typed.code))
            return false;
        refuse(box);
        return true;
    case TypedKey::Text:
        break;
    }

    const std::optional<QString> name = nameText(typed.text);
    if (!name) {
        refuse(box);
        return true;
    }
    if (*name == typed.text)
        return false;
    // Pass the key on as its upper-case letter; the box sees an ordinary key press.
    QKeyEvent upper(event->type(), event->key(), event->modifiers(), *name, event->isAutoRepeat(),
                    event->count());
    QCoreApplication::sendEvent(box, &upper);
    event->setAccepted(upper.isAccepted());
    return true;
}

bool NameFilter::filterDrop(QLineEdit* box, QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (m_handingOn || !data || !data->hasText() || event->source() == box)
        return false;
    if (!nameText(data->text())) {
        // Refused while the drag is still under way, so that its source learns
        // that nothing will be taken and keeps its text. The pointer shows that
        // the box takes no drop; a drop that comes anyway is refused with the notice.
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        if (event->type() == QEvent::Drop)
            refuseLater(box);
        return true;
    }
    // The box takes the text as usual, but as a copy: the source never removes
    // text because this box took it.
    m_handingOn = true;
    QCoreApplication::sendEvent(box, event);
    m_handingOn = false;
    if (event->isAccepted() && event->possibleActions().testFlag(Qt::CopyAction))
        event->setDropAction(Qt::CopyAction);
    return true;
}

void NameFilter::refuse(QWidget* box) {
    m_platform.notify(refusalMessage(), box);
}

void NameFilter::refuseLater(QWidget* box) {
    QMetaObject::invokeMethod(
        this, [this, target = QPointer<QWidget>(box)] { refuse(target); }, Qt::QueuedConnection);
}
