#pragma once

#include <QProxyStyle>

// The program's style: Fusion, which draws every control from the palette, with
// edges and a focus frame of its own. A control's edge is drawn in the window-text
// colour of its palette, so it stands out from the window around it as well as
// the text does; the control with the keyboard focus is framed in Look::kFocusBlue.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};
