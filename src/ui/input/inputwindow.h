#pragma once

#include "links.h"
#include "validation.h"

#include <QMainWindow>

#include <memory>

class NameFilter;
class Platform;

namespace Ui {
class InputWindow;
}

// The input window (object name "frmMain"): names and birth date, the search
// button, menus and link labels. It validates nothing itself; the shell runs the
// search when it asks for one.
class InputWindow : public QMainWindow {
    Q_OBJECT

public:
    // The two promotional labels that share one rectangle at the bottom.
    enum class Promotion { CoBrand, FullBrand };

    // Builds the window and fills the day, month and year lists (first entries chosen).
    explicit InputWindow(Platform& platform, QWidget* parent = nullptr);
    ~InputWindow() override;

    // What the user entered, read at the moment of the call.
    BirthInput birthInput() const;
    void focusField(InputField field);

    // The promotion in front is the one shown; the other lies hidden behind it.
    void bringPromotionToFront(Promotion promotion);
    Promotion promotionInFront() const;

signals:
    // "Find If I am Born in a Cusp", from the button or the File menu.
    void searchRequested();
    void linkRequested(Link link);
    void aboutRequested();
    // Sun > "&Exact Sign Changes...".
    void sunChangesRequested();
    // The window is being unloaded (close box, "E&xit", cmdExit or any close()).
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLook();
    void fillLists();
    void connectCommands();

    std::unique_ptr<Ui::InputWindow> m_ui;
    Platform& m_platform;
    NameFilter* m_nameFilter = nullptr;
};
