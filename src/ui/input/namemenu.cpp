#include "namemenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {

// Qt writes an entry's key after a tab in its text ("&Paste\tCtrl+V").
void dropKeys(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (const qsizetype tab = action->text().indexOf(QLatin1Char('\t')); tab >= 0)
            action->setText(action->text().left(tab));
        action->setShortcut({});
        if (action->menu())
            dropKeys(action->menu());
    }
}

} // namespace

void offerMenuWithoutKeys(QLineEdit* box) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& at) {
        QMenu* menu = box->createStandardContextMenu();
        dropKeys(menu);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(box->mapToGlobal(at));
    });
}
