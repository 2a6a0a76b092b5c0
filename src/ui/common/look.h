#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The program's palette and typeface, shared by every window.
namespace Look {

inline const QColor kIndigo{21, 15, 83};
inline const QColor kCream{255, 224, 192};
inline const QColor kLavender{192, 192, 255};
inline const QColor kDarkRed{192, 0, 0};
inline const QColor kBrownBlack{64, 0, 0};
inline const QColor kLightBlue{124, 165, 231};
inline const QColor kNavy{0, 0, 128};
inline const QColor kLinkBlue{0, 0, 192};
inline const QColor kYellow{255, 255, 0};
// A focus frame between an indigo area and a cream panel: at least 3 : 1 against
// both.
inline const QColor kFocusBlue{0, 120, 215};

// Verdana at a point size; where the system lacks Verdana the font substitution
// set up by installApplicationLook() supplies DejaVu Sans.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

// Font substitutions and the application-wide defaults. Call once after the
// QApplication exists.
void installApplicationLook();

// Indigo background with cream text, for the two main windows and the About box.
void applyIndigoPalette(QWidget* window);

// The colour a widget draws its text in, and a plain frame its lines in (the
// window-text colour of its palette).
void setWindowTextColour(QWidget* widget, const QColor& colour);

// Fixed size at the window's current size hint, centred on the primary screen.
void fixAndCentre(QWidget* window, int width, int height);

// The program icon in every size it is drawn in.
QIcon programIcon();

} // namespace Look
