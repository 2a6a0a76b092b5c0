#include "look.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace Look {

QFont verdana(qreal pointSize, bool bold, bool underline) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void installApplicationLook() {
    const QStringList fallbacks{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), fallbacks);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), fallbacks);
    QApplication::setFont(verdana(8.25));
    QApplication::setWindowIcon(programIcon());
}

void applyIndigoPalette(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kIndigo);
    palette.setColor(QPalette::WindowText, kCream);
    palette.setColor(QPalette::Base, kCream);
    palette.setColor(QPalette::Text, kIndigo);
    palette.setColor(QPalette::Button, kCream);
    palette.setColor(QPalette::ButtonText, kIndigo);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void setWindowTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void fixAndCentre(QWidget* window, int width, int height) {
    window->setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(width / 2, height / 2));
    }
}

QIcon programIcon() {
    // Built once: decoding the pictures is a noticeable part of start-up. Larger
    // sizes are installed with the desktop entry, not compiled in.
    static const QIcon icon = [] {
        QIcon built;
        for (int size : {16, 32, 48, 64})
            built.addFile(QStringLiteral(":/icons/solvanta-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return icon;
}

} // namespace Look
