#include "namefilter.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

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
    return QStringLiteral("Please Enter Only Alphabet");
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
    case QEvent::Drop: {
        // Refused here rather than by the validator, so that a dragging source
        // learns that nothing was taken and keeps its text.
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        if (data && data->hasText() && !nameText(data->text())) {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            refuseLater(box);
            return true;
        }
        return false;
    }
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

void NameFilter::refuse(QWidget* box) {
    m_platform.notify(refusalMessage(), box);
}

void NameFilter::refuseLater(QWidget* box) {
    QMetaObject::invokeMethod(
        this, [this, target = QPointer<QWidget>(box)] { refuse(target); }, Qt::QueuedConnection);
}
