"""Scenarios about the desktop around the program: which window is stacked
above which and which one has the keyboard, as the window manager reports it
(or, without one, the X server), and what the keyboard alone can do.

Run with and without a window manager (`e2e.py --window-manager openbox`). Where
a scenario is about which window the program activates, the harness never gives
a window the keyboard itself: keys go wherever the X server sends them, and the
pointer rests on the bare root window, so that no window gets them by being
under it.
"""

import time

import harness
from harness import Failure, check, check_equal, wait_for, xdo

# The shared steps of e2e.py, handed over by register().
steps = None


def register(shared_steps, scenarios, groups):
    """Adds this module's scenarios and groups to the suite's."""
    global steps
    steps = shared_steps
    for function in (
        message_boxes_on_top,
        hand_overs_by_keyboard,
        exit_screen_after_result,
        screen_reader_view,
    ):
        scenarios[function.__name__] = function
    # Stacking and activation: run with and without a window manager.
    groups["desktop"] = [
        "message_boxes_on_top",
        "hand_overs_by_keyboard",
        "exit_screen_after_result",
    ]
    # What the accessibility bus offers, which no window manager changes.
    groups["access"] = ["screen_reader_view"]


# --------------------------------------------------------------------------
# What the window manager (or the X server) says
# --------------------------------------------------------------------------


def park_pointer():
    """Moves the pointer onto the bare root window, away from every window."""
    harness.pointer_to(1, 1)


def keys(*names):
    """Key presses sent to whichever window has the keyboard; none is activated."""
    for name in names:
        xdo("key", "--clearmodifiers", name)
        time.sleep(0.05)


def describe(program, window_id):
    for window in program.windows():
        try:
            if program.x_window(window) == window_id:
                return f"the {program.kind_of(window)} window ({window_id:#x})"
        except Failure:
            continue
    return "no window" if window_id is None else f"window {window_id:#x}"


def check_active(program, window, what):
    """Waits until the window manager (or the X input focus) names the window
    as the active one."""
    wanted = program.x_window(window)
    try:
        wait_for(lambda: harness.active_window() == wanted, f"{what} to be active", 5)
    except Failure:
        active = describe(program, harness.active_window())
        raise Failure(f"{what} is not the active window; {active} is") from None


def check_above(program, upper, lower, what):
    """Waits until the window stacking puts one window above another."""
    top, bottom = program.x_window(upper), program.x_window(lower)

    def stacked():
        order = harness.stacking_order()
        return top in order and bottom in order and order.index(top) > order.index(bottom)

    try:
        wait_for(stacked, f"{what} above", 5)
    except Failure:
        order = [describe(program, w) for w in harness.stacking_order() if w in (top, bottom)]
        raise Failure(f"{what} is not stacked above; bottom to top: {order}") from None


def check_focused(control, what):
    wait_for(lambda: control.focused, f"the keyboard focus on {what}", 5)


def box_above(program, owner, text, owner_name):
    """Waits for a message box, checks that it is above its owner and has the
    keyboard, and closes it with Return."""
    park_pointer()
    box, shown = program.message()
    check_equal(shown, harness.one_line_break(text), "message box text")
    check_above(program, box, owner, f"the box {text[:40]!r} over the {owner_name}")
    check_active(program, box, f"the box {text[:40]!r}")
    keys("Return")
    wait_for(lambda: program._window_of("message") is None, f"Return to close {text[:40]!r}")


# --------------------------------------------------------------------------
# Scenarios
# --------------------------------------------------------------------------


def message_boxes_on_top(scenario):
    """Every message box opens above the window that asked for it and takes the
    keyboard: a validation box and the verdict above the input window, the
    space filter's box and a submission check above the exit screen, which stays
    above other windows."""
    program, window = steps.start_to_input(scenario)
    steps.press_next(window)
    box_above(program, window, "Please Enter Your First Name", "input window")

    steps.fill_input(program, window, "ANN", "LEE", "20", "January", "1990")
    steps.press_next(window)
    box_above(
        program, window, steps.cusp_verdict("Capricorn", "Aquarius"), "input window"
    )
    result = program.window("result")
    steps.menu(program, result, "alt+f", "x")
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")

    email = exit_screen.find("text", "Your Email Address")
    program.focus(exit_screen, email)
    xdo("type", " ")
    box_above(program, exit_screen, "Email Address Cannot Contain Space", "exit screen")
    check_focused(email, "the e-mail box after the space filter's box")

    exit_screen.find("push button", "Refer A Friend Now").press()
    box_above(program, exit_screen, "Please Enter Proper Email Address", "exit screen")
    steps.end_by_exit_button(program, exit_screen)


def hand_overs_by_keyboard(scenario):
    """From start to end by keyboard alone: each hand-over leaves the window the
    user works in next active, with the keyboard focus where it belongs, and
    Enter or Return presses the focused button; Enter in a name box does
    nothing."""
    program, window = steps.start_to_input(scenario)
    park_pointer()
    check_active(program, window, "the input window at start")
    first = window.find("text", "First Name")
    check_focused(first, "First Name at start")
    xdo("type", "--delay", "40", "ann")
    for key in ("Return", "KP_Enter"):
        keys(key)
        program.no_message(0.5)
        check_equal(program.kinds_on_screen(), ["input"], f"windows after {key} in a name box")
    check_equal(first.text(), "ANN", "First Name after Enter")

    # Last name, then the date by typing into the lists, then the button.
    keys("Tab", "Tab")
    xdo("type", "--delay", "40", "lee")
    month_list, day_list, year_list = steps.date_lists(window)
    keys("Tab")
    check_focused(month_list, "the month list")
    keys("Tab")
    check_focused(day_list, "the day list")
    xdo("type", "--delay", "40", "20")
    wait_for(lambda: day_list.name == "20", "20 in the day list", 5)
    keys("Tab")
    check_focused(year_list, "the year list")
    xdo("type", "--delay", "40", "1990")
    wait_for(lambda: year_list.name == "1990", "1990 in the year list", 5)
    keys("Tab")
    check_focused(window.find("push button", "Find If I am Born in a Cusp"), "Find")
    keys("KP_Enter")
    box_above(program, window, steps.cusp_verdict("Capricorn", "Aquarius"), "input window")

    result = program.window("result")
    check_equal(program.kinds_on_screen(), ["result"], "windows after the verdict")
    check_active(program, result, "the result window after the verdict")
    back = result.find("push button", "Back")
    check_focused(back, "Back")

    # The About box, closed by Return on its OK button, gives the keyboard back.
    keys("alt+h", "a")
    about = program.window("about")
    check_active(program, about, "the About box")
    check_above(program, about, result, "the About box over the result window")
    keys("Return")
    wait_for(lambda: program._window_of("about") is None, "Return to close the About box")
    check_active(program, result, "the result window after the About box")
    check_focused(back, "Back after the About box")

    keys("Return")
    window = program.window("input")
    wait_for(lambda: program.kinds_on_screen() == ["input"], "only the input window after Back")
    check_active(program, window, "the input window after Back")
    check_equal(
        [box.text() for box in steps.name_boxes(window)], ["ANN", "", "LEE"], "names after Back"
    )

    program.close_box(window)
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    check_active(program, exit_screen, "the exit screen")
    check_focused(exit_screen.find("push button", "Exit"), "Exit on the exit screen")
    keys("Return")
    check_equal(program.wait_end(), 0, "exit status after Return on Exit")


def exit_screen_after_result(scenario):
    """Leaving the result window: the exit screen is active with Exit focused; a
    click into a box clears its placeholder before the typing; Return presses
    "Refer A Friend Now" and the focused Exit button."""
    program, window = steps.start_to_input(scenario)
    result = steps.run_to_result(program, window, "5", "March", "2001", steps.NO_CUSP)
    program.close_box(result)
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    park_pointer()
    check_active(program, exit_screen, "the exit screen")
    exit_button = exit_screen.find("push button", "Exit")
    check_focused(exit_button, "Exit")

    name = exit_screen.find("text", "Your Name")
    program.click(name)
    wait_for(lambda: name.text() == "", "the click to empty Your Name", 5)
    park_pointer()
    xdo("type", "--delay", "40", "Ann")
    check_equal(name.text(), "Ann", "Your Name after typing")

    keys("Tab")
    refer = exit_screen.find("push button", "Refer A Friend Now")
    check_focused(refer, "Refer A Friend Now")
    keys("Return")
    box_above(program, exit_screen, "Please Enter Proper Email Address", "exit screen")
    check_focused(refer, "Refer A Friend Now after the box")

    keys("shift+Tab", "shift+Tab", "shift+Tab")
    check_focused(exit_button, "Exit after Shift+Tab")
    check(program.running(), "the program ended before Exit was pressed")
    keys("KP_Enter")
    check_equal(program.wait_end(), 0, "exit status after Enter on Exit")


def shown_links(window):
    return [n for n in window.find_all("link") if n.showing]


def check_links(window, count, where, keyboard=()):
    """The links on show are links a screen reader can press and that take no
    keyboard focus, save those named in `keyboard`; any other link of the window
    is hidden."""
    links = window.find_all("link")
    shown = shown_links(window)
    check_equal(len(shown), count, f"links on show in the {where}")
    for link in links:
        if link.showing:
            check_equal([a.lower() for a in link.actions()], ["press"], f"actions of {link}")
            check(link.has_state("focusable") == (link.name in keyboard), f"{link}: focusable")
        else:
            check(not link.has_state("visible"), f"the hidden {link} is said to be visible")
    return shown


def screen_reader_view(scenario):
    """What a screen reader finds and can do: link labels are links it can press,
    outside the tab order (but for the way on to the exact sign), and the offer hidden
    behind the other is not on screen; right and middle clicks open nothing; values are
    read out as themselves, labelled by their captions; after a no-cusp run the tab list
    offers the first tab alone, and both again at the next run."""
    program, window = steps.start_to_input(scenario)
    check_links(window, 3, "input window")  # banner, slogan, the offer in front
    steps.front_promotion(window)
    banner = window.find("link", predicate=lambda n: len(n.name) == 115)
    before = len(scenario.opened())
    banner.press()
    scenario.expect_opened(before, steps.FORUM_HOME, "pressing the banner link")
    for button in ("3", "2"):
        harness.pointer_to(*banner.centre())
        xdo("click", button)
    steps.expect_nothing_opened(scenario, before + 1, "right and middle clicks on a link")

    result = steps.run_to_result(program, window, "10", "January", "1990", steps.NO_CUSP)
    steps.check_panel(
        steps.read_panel(steps.page(result, steps.FIRST_TAB)), "Capricorn", "", "first panel"
    )
    tab_list = result.find("page tab list")
    check_equal([t.name for t in tab_list.children()], [steps.FIRST_TAB], "tabs offered")
    offered = [
        n for n in result.walk()
        if n.name == steps.SECOND_TAB and (n.showing or n.actions())
    ]
    check_equal(offered, [], "the switched-off tab, on show or with an action")
    # The banner, the full-branding offer and the way on to the exact sign.
    exact = "Check which sign the Sun was really in when you were born"
    check_links(result, 3, "result window", keyboard=(exact,))

    window = steps.back_to_input(program, result)
    result = steps.run_to_result(
        program, window, "20", "January", "1990", steps.cusp_verdict("Capricorn", "Aquarius")
    )
    tab_list = result.find("page tab list")
    check_equal(
        [t.name for t in tab_list.children()],
        [steps.FIRST_TAB, steps.SECOND_TAB],
        "tabs offered at the next run",
    )
    check_links(result, 2, "result window of a cusp")  # the button leads on instead
    steps.tab(result, steps.SECOND_TAB).press()
    wait_for(lambda: steps.selected_tab(result) == steps.SECOND_TAB, "the pressed tab chosen", 5)
    steps.check_panel(
        steps.read_panel(steps.page(result, steps.SECOND_TAB)),
        "Aquarius",
        "Characteristics of  Aquarius",
        "second panel",
    )
    program.close_box(result)
    steps.end_by_exit_button(program, program.window("exit"))
