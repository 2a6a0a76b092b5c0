#include "look.h"

#include "programstyle.h"
#include <QLabel>

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace Look {

namespace {

// What a scheme is made of; the rest of the palette follows from it.
struct Colours {
    QColor window, windowText, base, text, button, buttonText;
    QColor placeholder; // a hint in an empty box: the text's hue, at least 4.5 : 1 on the box
    QColor link, linkVisited;
    QColor disabledText; // greyed text, on the window and in boxes alike
};

Colours coloursOf(Scheme scheme) {
    switch (scheme) {
    case Scheme::System:
        return {kButtonFace, kBlack,          kWhite,    kBlack,       kButtonFace,
                kBlack,      {110, 110, 110}, kLinkBlue, {96, 0, 160}, {128, 128, 128}};
    case Scheme::Indigo:
        return {kIndigo, kCream,        kCream,    kIndigo,         kCream,
                kIndigo, {90, 80, 150}, kLavender, {230, 190, 255}, {140, 128, 150}};
    case Scheme::Panel:
        return {kCream,  kIndigo,       kCream,    kIndigo,      kButtonFace,
                kIndigo, {90, 80, 150}, kLinkBlue, {96, 0, 160}, {150, 130, 120}};
    case Scheme::Area:
        return {kCream,  kIndigo,         kIndigo,   kCream,          kButtonFace,
                kIndigo, {200, 190, 230}, kLavender, {230, 190, 255}, {140, 128, 150}};
    case Scheme::Plain:
        return {kWhite, kBlack,          kWhite,    kBlack,       kButtonFace,
                kBlack, {110, 110, 110}, kLinkBlue, {96, 0, 160}, {128, 128, 128}};
    case Scheme::Navy:
        return {kNavy,  kWhite,          kWhite,  kBlack,          kButtonFace,
                kBlack, {110, 110, 110}, kYellow, {255, 200, 120}, {128, 128, 128}};
    }
    return coloursOf(Scheme::System);
}

} // namespace

QPalette palette(Scheme scheme) {
    const Colours c = coloursOf(scheme);
    // Selections: white on a blue dark enough for it (5.9 : 1).
    const QColor highlight{0, 100, 190};
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const auto set = [&](QPalette::ColorRole role, const QColor& colour) {
            palette.setColor(group, role, colour);
        };
        set(QPalette::Window, c.window);
        set(QPalette::WindowText, disabled ? c.disabledText : c.windowText);
        set(QPalette::Base, c.base);
        // Alternate rows: the base a shade darker (or lighter, on a dark base).
        set(QPalette::AlternateBase,
            c.base.lightness() > 128 ? c.base.darker(106) : c.base.lighter(130));
        set(QPalette::Text, disabled ? c.disabledText : c.text);
        set(QPalette::Button, c.button);
        set(QPalette::ButtonText, disabled ? c.disabledText : c.buttonText);
        set(QPalette::PlaceholderText, disabled ? c.disabledText : c.placeholder);
        set(QPalette::BrightText, c.window.lightness() > 128 ? kBlack : kWhite);
        set(QPalette::Highlight, disabled ? QColor(128, 128, 128) : highlight);
        set(QPalette::HighlightedText, kWhite);
        set(QPalette::Link, c.link);
        set(QPalette::LinkVisited, c.linkVisited);
        set(QPalette::ToolTipBase, QColor(255, 255, 225));
        set(QPalette::ToolTipText, kBlack);
        // The shades of a button's bevel.
        set(QPalette::Light, c.button.lighter(150));
        set(QPalette::Midlight, c.button.lighter(125));
        set(QPalette::Mid, c.button.darker(150));
        set(QPalette::Dark, c.button.darker(200));
        set(QPalette::Shadow, kBlack);
    }
    return palette;
}

void applyScheme(QWidget* widget, Scheme scheme) {
    widget->setPalette(palette(scheme));
    widget->setAutoFillBackground(true);
}

namespace {

bool fits(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return widget->sizeHint().width() <= widget->width();
}

} // namespace

void setFittingFont(QWidget* widget, QFont font, qreal smallestPointSize) {
    widget->setFont(font);
    while (!fits(widget) && font.pointSizeF() - 0.25 >= smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        widget->setFont(font);
    }
}

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
    // The program's style and palette replace whatever the desktop chose
    // (QT_STYLE_OVERRIDE, the platform theme): message boxes and menus included.
    QApplication::setStyle(new ProgramStyle);
    QApplication::setPalette(palette(Scheme::System));
    QApplication::setFont(verdana(8.25));
    QApplication::setWindowIcon(programIcon());
}

void applyIndigoPalette(QWidget* window) {
    applyScheme(window, Scheme::Indigo);
}

void setWindowTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
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
