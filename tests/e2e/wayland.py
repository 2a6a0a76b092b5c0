"""The program as a Wayland client under a headless weston (`e2e.py --group wayland
--window-manager weston`): it starts, refuses an empty name and searches with a
message box each, opens "Sun Sign Changes" from the result window and ends through
the exit screen, and writes nothing on its output (no warning of the toolkit).

Weston takes no made-up key presses or clicks from other programs, so everything
is done over the accessibility bus, as a screen reader does: names through the
editable-text interface, buttons and menu entries through their actions. The date
stays at the lists' first entries (1 January 1900). Drop-down lists are not opened:
a list's pop-up needs a real click or key press on Wayland.
"""

import harness
from harness import check_equal, wait_for

steps = None


def register(shared_steps, scenarios, groups):
    """Adds this module's scenario and group to the suite's."""
    global steps
    steps = shared_steps
    scenarios[wayland_round.__name__] = wayland_round
    groups["wayland"] = [wayland_round.__name__]


def menu_entry(window, entry):
    """Runs a menu entry's action without opening its menu (the entries of a menu
    bar have names of their own)."""
    window.find("menu bar").find("menu item", entry).press()


def wayland_round(scenario):
    scenario.store_reminder_date(harness.today())
    program = scenario.start()
    window = program.window("input", timeout=20)

    steps.press_next(window)
    program.answer("Please Enter Your First Name")
    harness.editable_text(window.find("text", "First Name")).set_text_contents("ANN")
    harness.editable_text(window.find("text", "Last Name")).set_text_contents("LEE")
    steps.press_next(window)
    program.answer(steps.NO_CUSP)
    result = program.window("result")
    wait_for(lambda: program.kinds_on_screen() == ["result"], "the result window alone")
    panel = steps.read_panel(steps.page(result, steps.FIRST_TAB))
    check_equal(panel["values"][0], "Capricorn", "the sign shown")

    menu_entry(result, "Exact Sign Changes...")
    sun = program.window("sun")
    table = sun.find("table", "Sign changes")
    rows = wait_for(lambda: steps.table_rows(table) if len(steps.table_rows(table)) == 13
                    else None, "thirteen rows in the table")
    check_equal(rows[1][:2], ["Aquarius", "20 January 1900"], "the year's first change")
    sun.find("push button", "Close").press()
    wait_for(lambda: program.kinds_on_screen() == ["result"], "the Sun window closed")

    menu_entry(result, "Exit")
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    steps.end_by_exit_button(program, exit_screen)

    with open(scenario.path("logs", "program.log"), errors="replace") as log:
        check_equal(log.read(), "", "what the program wrote")
