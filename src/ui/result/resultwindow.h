#pragma once

#include "links.h"
#include "resultmodel.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class ClipboardGuard;
class Platform;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace Ui {
class ResultWindow;
}

// The result window (object name "frmDisplay"): two tabs with a profile panel each,
// the cusp text on the second, menus and link labels. It shows its ResultModel and
// follows every change of it.
//
// Controls of the two profile panels share one name per field and carry the panel
// number as a suffix: "_0" for the first panel (tab "First Sun Sign Profile", frame
// "fra1"), "_1" for the second (tab "Second Sun Sign Profile", frame "fra2"), e.g.
// "lblSunSign_0", "lblSunSignElement_1", "picSunSign_0", "txtSunSignPositiveTraits_1".
// The value labels are lblSunSign, lblSunSignElement, lblSunSignBirthStone,
// lblSunSignNumber, lblSunSignDay and lblSunSignCompatibility; their static captions
// are Label15, Label11, Label27, Label23, Label21 and Label17 with the same suffix.
// The cusp text "txtTwoSunSignDesc" exists only on the second panel.
//
// For assistive technology:
// - A value label's accessible name is the value it shows ("Capricorn", "Earth",
//   ...), kept equal to its text. Its static caption ("Your Sun Sign", "Element",
//   "Birthstone", "Lucky Number", "Lucky Day", "Compatibility") labels it: the
//   caption is the value's "label for", the value is "labelled by" the caption.
// - The text areas are named "Positive Traits", "Negative Traits" and "More About
//   Your Cusp Sign"; their content is read through their text interface.
// - A picture's accessible name is the name of the sign it shows, e.g. "Aquarius".
// - The tab pages are named after their tabs; the frames carry their captions.
// - Buttons, menu entries and link labels are named by their visible text; the
//   link labels are links with a press action (they take no keyboard focus). Of
//   the two offers that share one place, the one behind is hidden.
// - Under the offers, a band leads on to the sign the Sun was really in at the
//   birth. On a cusp result (both profiles and the cusp text) it says so in a
//   sentence ("lblExactSun") beside the button "Find My &Exact Sun Sign..."
//   ("cmdExactSun"); under one profile it is the link "lnkExactSun", which the
//   keyboard reaches too. Both carry a description of where they lead, and both
//   come right after "Back" in the tab order.
// - A switched-off tab is hidden and disabled: the tab list holds only the tabs
//   that can be chosen, and nothing offers the other. Any attempt to select it
//   anyway is undone at once, and the tab that was shown stays selected. It comes
//   back when it is switched on again.
class ResultWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window hidden, fixed in size and centred, showing the model's
    // current content. The "Back" button holds the keyboard focus.
    explicit ResultWindow(Platform& platform, QWidget* parent = nullptr);
    ~ResultWindow() override;

    ResultModel& model() { return m_model; }

signals:
    // "&Back" button or File > Back.
    void backRequested();
    void linkRequested(Link link);
    void aboutRequested();
    // Sun > "&Exact Sign Changes...".
    void sunChangesRequested();
    // The way on from the verdict: "Find My Exact Sun Sign..." or the link.
    void exactSunRequested();
    // The window is being unloaded (close box, File > E&xit or any close()).
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The widgets of one profile panel.
    struct Panel {
        QGroupBox* frame = nullptr;
        // Indexed by ProfilePanel::Field for SignName .. Birthstone.
        std::array<QLabel*, 6> values{};
        QPlainTextEdit* positiveTraits = nullptr;
        QPlainTextEdit* negativeTraits = nullptr;
        QLabel* picture = nullptr;
        // The static captions beside the values and above the text areas.
        std::vector<QLabel*> captions;
    };

    // Both panels' trait areas and the cusp text.
    std::array<QPlainTextEdit*, 5> textAreas() const;
    void collectPanels();
    void applyLook();
    void connectCommands();
    void connectModel();

    void showPanel(ProfileSlot slot);
    void showText(ProfileSlot slot, ProfilePanel::Field field, const QString& value);
    void showPicture(ProfileSlot slot, int pictureIndex);
    void showFrameCaption(ProfileSlot slot, const QString& caption);
    void showTabs();
    // The button and its sentence on a cusp result, the link on any other.
    void showExactSunWay();
    void tabChosen(int index);

    ResultModel m_model;
    std::unique_ptr<Ui::ResultWindow> m_ui;
    Platform& m_platform;
    ClipboardGuard* m_clipboardGuard = nullptr;
    std::array<Panel, 2> m_panels;
    bool m_showingTabs = false;
};
