#include "clipboardguard.h"

#include "platform.h"

#include <QEvent>
#include <QPlainTextEdit>

ClipboardGuard::ClipboardGuard(Platform& platform, QObject* parent)
    : QObject(parent), m_platform(platform) {}

void ClipboardGuard::protect(QPlainTextEdit* area) {
    // Read-only first: setting it afterwards would bring mouse selection back.
    area->setReadOnly(true);
    area->setTextInteractionFlags(Qt::NoTextInteraction);
    area->setFocusPolicy(Qt::StrongFocus);
    area->setContextMenuPolicy(Qt::NoContextMenu);
    area->setAcceptDrops(false);
    area->setUndoRedoEnabled(false);

    area->setMouseTracking(true);
    area->viewport()->setMouseTracking(true);
    area->installEventFilter(this);
    area->viewport()->installEventFilter(this);
    connect(area, &QPlainTextEdit::textChanged, this, &ClipboardGuard::clearOwnClipboard);
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        clearOwnClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ClipboardGuard::clearOwnClipboard() {
    if (m_platform.clipboardHoldsOwnData())
        m_platform.clearClipboard();
}
