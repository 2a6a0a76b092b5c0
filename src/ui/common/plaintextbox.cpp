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
    return !isReadOnly() && !offeredText(source).isEmpty();
}

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
    const QString text = offeredText(source);
    if (isReadOnly() || text.isEmpty())
        return;
    insertPlainText(text);
    ensureCursorVisible();
}
