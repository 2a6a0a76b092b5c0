#include "keyboardlink.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

KeyboardLink::KeyboardLink(QWidget* parent) : LinkLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void KeyboardLink::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        emit clicked();
        return;
    default:
        break;
    }
    LinkLabel::keyPressEvent(event);
}

void KeyboardLink::paintEvent(QPaintEvent* event) {
    LinkLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
