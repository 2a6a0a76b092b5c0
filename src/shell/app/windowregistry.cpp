#include "windowregistry.h"

#include "aboutbox.h"
#include "exitscreen.h"
#include "inputwindow.h"
#include "platform.h"
#include "resultwindow.h"
#include "sunchangeswindow.h"
#include "weblinks.h"

WindowRegistry::WindowRegistry(Platform& platform, Terminator terminate)
    : m_platform(platform), m_terminate(std::move(terminate)) {}

WindowRegistry::~WindowRegistry() {
    m_ended = true;
    delete m_input.data();
    delete m_result.data();
    delete m_exit.data();
    delete m_sunChanges.data();
}

InputWindow* WindowRegistry::loadedInputWindow() const {
    return m_input;
}
ResultWindow* WindowRegistry::loadedResultWindow() const {
    return m_result;
}
ExitScreen* WindowRegistry::loadedExitScreen() const {
    return m_exit;
}
SunChangesWindow* WindowRegistry::loadedSunChangesWindow() const {
    return m_sunChanges;
}

InputWindow& WindowRegistry::inputWindow() {
    if (!m_input) {
        m_input = new InputWindow(m_platform);
        m_input->setAttribute(Qt::WA_DeleteOnClose);
        InputWindow* window = m_input;
        connect(window, &InputWindow::searchRequested, this, &WindowRegistry::runSearch);
        connect(window, &InputWindow::linkRequested, this,
                [this](Link link) { OpenLink(m_platform, link); });
        connect(window, &InputWindow::aboutRequested, this, [this, window] { showAbout(window); });
        connect(window, &InputWindow::sunChangesRequested, this, [this] { showSunChanges(false); });
        connect(window, &InputWindow::unloading, this, [this, window] {
            if (m_input == window)
                m_input = nullptr;
            showExitScreen();
        });
    }
    return *m_input;
}

ResultWindow& WindowRegistry::resultWindow() {
    if (!m_result) {
        m_result = new ResultWindow(m_platform);
        m_result->setAttribute(Qt::WA_DeleteOnClose);
        ResultWindow* window = m_result;
        connect(window, &ResultWindow::backRequested, this, &WindowRegistry::goBack);
        connect(window, &ResultWindow::linkRequested, this,
                [this](Link link) { OpenLink(m_platform, link); });
        connect(window, &ResultWindow::aboutRequested, this, [this, window] { showAbout(window); });
        connect(window, &ResultWindow::sunChangesRequested, this, [this] { showSunChanges(true); });
        connect(window, &ResultWindow::exactSunRequested, this, &WindowRegistry::showExactSun);
        connect(window, &ResultWindow::unloading, this, [this, window] {
            if (m_result == window)
                m_result = nullptr;
            // Going back unloads the result window too, but that is no exit.
            if (!m_handingOver)
                showExitScreen();
        });
    }
    return *m_result;
}

ExitScreen& WindowRegistry::exitScreen() {
    if (!m_exit) {
        m_exit = new ExitScreen(m_platform);
        m_exit->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_exit, &ExitScreen::endRequested, this, &WindowRegistry::EndApplication);
        connect(m_exit, &ExitScreen::linkRequested, this,
                [this](Link link) { OpenLink(m_platform, link); });
        connect(m_exit, &ExitScreen::referralSubmitted, this, [this](const ReferralValues& values) {
            OpenLink(m_platform, ReferralAddress(values));
        });
    }
    return *m_exit;
}

SunChangesWindow& WindowRegistry::sunChangesWindow() {
    if (!m_sunChanges) {
        // A window of its own, owned by nobody: it stays while the window it was
        // opened from gives way to another, and it never holds the program open.
        m_sunChanges = new SunChangesWindow(m_platform);
        m_sunChanges->setAttribute(Qt::WA_DeleteOnClose);
        m_sunChanges->setAttribute(Qt::WA_QuitOnClose, false);
        if (m_sunStartZone.isEmpty())
            m_sunStartZone = m_sunChanges->zone().id();
        SunChangesWindow* window = m_sunChanges;
        connect(window, &SunChangesWindow::closing, this,
                [this, window] { m_sunChoices = window->choices(); });
    }
    return *m_sunChanges;
}

namespace {

// Shows a window in front as the one the user works in: it takes the keyboard,
// whether a window manager or the program itself hands it over.
void showActive(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void WindowRegistry::showInputWindow() {
    if (m_ended)
        return;
    showActive(inputWindow());
}

void WindowRegistry::showExitScreen() {
    if (m_ended)
        return;
    // The program's main windows are gone: so is the window opened from them.
    if (m_sunChanges)
        m_sunChanges->close();
    showActive(exitScreen());
}

void WindowRegistry::showSunChanges(bool fromResult) {
    if (m_ended)
        return;
    const BirthInput input = fromResult ? m_searched : inputWindow().birthInput();
    const QDate start = SunChangesWindow::startDate(input, m_platform.today());
    const bool reopened = !m_sunChanges && m_sunChoices;
    SunChangesWindow& window = sunChangesWindow();
    if (reopened) {
        SunChangesWindow::Choices kept = *m_sunChoices;
        // A date chosen anew where it was opened from wins over the one kept.
        if (start != m_sunOpenedOn)
            kept.date = start;
        window.restore(kept);
    } else {
        window.showDate(start);
    }
    m_sunOpenedOn = start;
    showActive(window);
}

void WindowRegistry::showExactSun() {
    if (m_ended)
        return;
    showSunChanges(true);
    if (m_sunChanges)
        m_sunChanges->focusNextEntry(m_sunChanges->zone().id() != m_sunStartZone);
}

void WindowRegistry::hideExitScreen() {
    if (m_ended)
        return;
    exitScreen().hide();
}

void WindowRegistry::runSearch() {
    if (m_ended)
        return;
    RunCuspSearch(inputWindow().birthInput(), *this, m_platform);
}

void WindowRegistry::focusInputField(InputField field) {
    inputWindow().focusField(field);
}

QWidget* WindowRegistry::messageOwner() {
    return m_input;
}

ResultModel& WindowRegistry::resultModel() {
    return resultWindow().model();
}

void WindowRegistry::handOverToResult() {
    if (m_ended)
        return;
    m_searched = inputWindow().birthInput();
    // Another search is another birth: the last one's time no longer holds, while
    // the place often does (one family, one town).
    if (m_sunChoices)
        m_sunChoices->time.clear();
    if (m_sunChanges && !m_sunChanges->choices().time.isEmpty()) {
        SunChangesWindow::Choices open = m_sunChanges->choices();
        open.time.clear();
        m_sunChanges->restore(open);
    }
    inputWindow().hide();
    hideExitScreen();
    showActive(resultWindow());
}

void WindowRegistry::goBack() {
    if (m_ended)
        return;
    showInputWindow();
    if (m_result) {
        // The exit screen must not appear, not even for a moment, while the
        // result window gives way to the input window.
        m_handingOver = true;
        m_result->close();
        m_handingOver = false;
    }
    hideExitScreen();
}

void WindowRegistry::showAbout(QWidget* owner) {
    if (m_ended)
        return;
    AboutBox box(owner);
    connect(&box, &AboutBox::linkRequested, this,
            [this](Link link) { OpenLink(m_platform, link); });
    box.exec();
    // Without a window manager nothing else gives the keyboard back.
    if (owner && owner->isVisible())
        owner->activateWindow();
}

void WindowRegistry::EndApplication() {
    if (m_ended)
        return;
    m_ended = true;
    // Closing runs each window's unload handler; deletion follows from the event loop,
    // so a window may end the program from inside one of its own handlers.
    for (QWidget* window :
         {static_cast<QWidget*>(m_input.data()), static_cast<QWidget*>(m_result.data()),
          static_cast<QWidget*>(m_exit.data()), static_cast<QWidget*>(m_sunChanges.data())}) {
        if (window) {
            window->close();
            window->hide();
        }
    }
    m_platform.flushSettings();
    m_terminate(0);
}
