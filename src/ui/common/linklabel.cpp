#include "linklabel.h"

#include "accessibility.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    Accessibility::install(); // announced as a link with a press action
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

LinkLabel::LinkLabel(QWidget* parent) : ClickableLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
}
