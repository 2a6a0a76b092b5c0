#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

// The program's palettes, style and typeface, shared by every window. The program
// owns every colour it shows: each scheme below sets every colour role in every
// colour group, and the controls are drawn by the program's own style, so the
// windows look the same whatever style, palette or theme the desktop offers.
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
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
// The face of buttons, tabs and menus where the program shows no colour of its own.
inline const QColor kButtonFace{240, 240, 240};
// A focus frame between an indigo area and a cream panel, and between white,
// black, navy and the button face: at least 3 : 1 against each.
inline const QColor kFocusBlue{0, 120, 215};

// The colour sets the windows are made of.
enum class Scheme {
    System, // menus, message boxes, tab faces: black on the button face, white boxes
    Indigo, // the main windows, About, Sun Sign Changes: cream on indigo, cream boxes
    Panel,  // a profile panel: indigo on cream
    Area,   // a text area on a profile panel: cream on indigo
    Plain,  // the exit screen: black on white
    Navy,   // the exit screen's frames: white on navy, white boxes
};

// A scheme's palette: every role in every colour group (active, inactive, disabled).
QPalette palette(Scheme scheme);

// Gives a widget (and what it holds) a scheme's palette and fills its background.
void applyScheme(QWidget* widget, Scheme scheme);

// Verdana at a point size; where the system lacks Verdana the font substitution
// set up by installApplicationLook() supplies DejaVu Sans.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

// Gives a widget its font, made smaller in quarter points (down to the smallest size
// given) while its text would not fit its fixed place: a word-wrapped label by the
// height its width needs, anything else by its width. Longer translations and the
// configured forum address fit that way without moving anything.
void setFittingFont(QWidget* widget, QFont font, qreal smallestPointSize);

// The program's style, palette, font substitutions and icon for the whole
// application. Call once after the QApplication exists.
void installApplicationLook();

// Indigo background with cream text, for the two main windows and the About box.
void applyIndigoPalette(QWidget* window);

// The colour a widget draws its text in, and a plain frame its lines in (the
// window-text colour of its palette), in every colour group but the disabled one.
void setWindowTextColour(QWidget* widget, const QColor& colour);

// Fixed size at the window's current size hint, centred on the primary screen.
void fixAndCentre(QWidget* window, int width, int height);

// The program icon in every size it is drawn in.
QIcon programIcon();

} // namespace Look
