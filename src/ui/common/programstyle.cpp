#include "programstyle.h"

#include "look.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The keyboard's frame: two solid pixels just inside `rect`.
void drawFocusFrame(QPainter* painter, const QRect& rect) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Look::kFocusBlue, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

// A one-pixel edge around a control, in the colour of its palette's window text,
// and the keyboard's frame inside it while the control has the focus.
void drawEdge(QPainter* painter, const QStyleOption* option, const QRect& rect) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
    if (option->state.testFlag(QStyle::State_HasFocus))
        drawFocusFrame(painter, rect);
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_FrameFocusRect:
        // Tabs and check boxes: a solid frame around the text.
        drawFocusFrame(painter, option->rect);
        return;
    case PE_PanelLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && frame->lineWidth > 0)
            drawEdge(painter, option, option->rect);
        return;
    case PE_Frame:
        // The frame of a text area or table that draws the style's frame.
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (qobject_cast<const QAbstractScrollArea*>(widget))
            drawEdge(painter, option, option->rect);
        return;
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton: {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        QStyleOption edge(*option);
        edge.state &= ~State_HasFocus; // the focus frame goes around the text
        drawEdge(painter, &edge, option->rect);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButtonBevel) {
        drawEdge(painter, option, option->rect);
    } else if (element == CE_TabBarTabShape && option->state.testFlag(State_HasFocus)) {
        // The tab with the keyboard: a frame inside its shape.
        QStyleOption inside(*option);
        inside.rect = option->rect.adjusted(3, 3, -3, -3);
        drawPrimitive(PE_FrameFocusRect, &inside, painter, widget);
    }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox)
        drawEdge(painter, option, option->rect);
}
