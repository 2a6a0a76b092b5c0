#include "plaintextbox.h"

#include <QMimeData>

namespace {

QString offeredText(const QMimeData* source) {
    if (!source || !source->hasText())
        return {};
    return source->text();
}

} // namespace

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return !offeredText(source).isEmpty();
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    const QString text = offeredText(source);
    if (text.isEmpty())
        return;
    insertPlainText(text);
    ensureCursorVisible();
}
