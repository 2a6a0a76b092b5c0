#pragma once

#include "search.h"
#include "sunchangeswindow.h"

#include <QObject>
#include <QPointer>

#include <QDate>

#include <functional>
#include <optional>

class AboutBox;
class ExitScreen;
class InputWindow;
class Platform;
class ResultWindow;

// Owns the program's windows. Each exists at most once: it is created on first use
// (which runs its set-up), lives while hidden and is destroyed when unloaded. The
// registry also connects the windows' requests to what they mean for the program:
// searches, links, the About box, the hand-overs and every way out.
class WindowRegistry : public QObject, public SearchHost {
    Q_OBJECT

public:
    // Ends the process with the given status; the program calls it once, from
    // EndApplication.
    using Terminator = std::function<void(int)>;

    WindowRegistry(Platform& platform, Terminator terminate);
    ~WindowRegistry() override;

    // The windows, created (loaded) on first use.
    InputWindow& inputWindow();
    ResultWindow& resultWindow();
    ExitScreen& exitScreen();
    SunChangesWindow& sunChangesWindow();

    // The windows if they are loaded, without loading them.
    InputWindow* loadedInputWindow() const;
    ResultWindow* loadedResultWindow() const;
    ExitScreen* loadedExitScreen() const;
    SunChangesWindow* loadedSunChangesWindow() const;

    // Shows the input window in front, active (start-up and "Back").
    void showInputWindow();
    // "Find If I am Born in a Cusp".
    void runSearch();
    // "Back" on the result window.
    void goBack();
    // "&About Software": the About box, modal, above the window that asks, until it
    // is closed; that window has the keyboard again afterwards.
    void showAbout(QWidget* owner);
    // Sun > "Exact Sign Changes...": the "Sun Sign Changes" window in front, active,
    // on the date chosen in the input window (`fromResult` false) or the date of the
    // search the result window shows. One window: asked again, it moves to the date.
    // Closed and opened again, it has the zone, date and time of birth it had when
    // closed (kept in memory only), unless a new date was chosen meanwhile.
    void showSunChanges(bool fromResult);
    // The result window's way to the exact sign: "Sun Sign Changes" on the searched
    // date, with the keyboard in the birth place box, or in the time box when a place
    // was chosen in it earlier in this run.
    void showExactSun();

    // Unloads every window (their unload handlers run), flushes the settings and
    // ends the process. Nothing is shown once it has been called.
    void EndApplication();
    bool hasEnded() const { return m_ended; }

    // SearchHost
    QWidget* messageOwner() override;
    void focusInputField(InputField field) override;
    ResultModel& resultModel() override;
    void handOverToResult() override;

private:
    void showExitScreen();
    void hideExitScreen();

    Platform& m_platform;
    Terminator m_terminate;
    QPointer<InputWindow> m_input;
    QPointer<ResultWindow> m_result;
    QPointer<ExitScreen> m_exit;
    QPointer<SunChangesWindow> m_sunChanges;
    // What the "Sun Sign Changes" window held when last closed, and the date it was
    // last opened on.
    std::optional<SunChangesWindow::Choices> m_sunChoices;
    QDate m_sunOpenedOn;
    // The zone a new "Sun Sign Changes" window starts in (the system's): any other
    // one is a place the person chose.
    QByteArray m_sunStartZone;
    // The input of the search whose result the result window shows.
    BirthInput m_searched;
    bool m_ended = false;
    bool m_handingOver = false;
};
