#pragma once

#include <QPlainTextEdit>

// A multi-line box for plain text. Whatever arrives from the clipboard, the
// selection or a drop is taken as plain text only; an offer without text (a
// clipboard whose owner went away holds no format at all) is refused, and a
// paste of it does nothing instead of reaching the toolkit's rich-text paste. A
// read-only box takes nothing, whichever way it is asked to paste.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit PlainTextBox(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
