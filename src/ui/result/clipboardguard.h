#pragma once

#include <QObject>

class Platform;
class QPlainTextEdit;

// Keeps the profile texts of the result window from leaving through the clipboard.
//
// A protected text area is read-only and offers no way to copy: no selection by
// mouse or keyboard, no copy shortcut, no context menu, no drag. It stays focusable
// and can still be scrolled by scroll bar, wheel and keyboard.
//
// Whenever a protected area's text changes, or the mouse is pressed, moved (plain
// hovering included), released or clicked over it, the clipboard is emptied, but
// only while it holds something this program put there: what the user copied in
// another program is never touched.
class ClipboardGuard : public QObject {
    Q_OBJECT

public:
    explicit ClipboardGuard(Platform& platform, QObject* parent = nullptr);

    void protect(QPlainTextEdit* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearOwnClipboard();

    Platform& m_platform;
};
