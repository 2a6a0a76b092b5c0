"""End-to-end scenarios of a hostile user and a careless desktop: pastes from
a clipboard nobody owns, drags from another program, edits over the
accessibility bus, very long and unusual text, no browser, and lock files or
runtime folders left in a bad state.

The scenarios are registered by e2e.py, which runs them like its own.
"""

import os
import time

import e2e
import harness
from harness import check, check_equal, wait_for, xdo

ONLY_LETTERS = e2e.ONLY_LETTERS
NAME_BOXES = ("First Name", "Middle Name", "Last Name")
REFERRAL_BOXES = ("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address")
AREAS = {
    e2e.FIRST_TAB: ("Positive Traits", "Negative Traits"),
    e2e.SECOND_TAB: ("Positive Traits", "Negative Traits", "More About Your Cusp Sign"),
}
PASTE_KEYS = ("ctrl+v", "shift+Insert")


def alive(program, what):
    time.sleep(0.4)
    check(program.running(), f"the program ended ({program.process.returncode}) after {what}")


def exit_screen_active(program, window):
    """File > Exit on the input window, then the exit screen made the active
    window with its Exit button focused: a box focused before its window is
    active gets its focus only with the window, and keeps its placeholder."""
    exit_screen = e2e.to_exit_screen_from_input(program, window)
    program.activate(exit_screen)
    exit_button = exit_screen.find("push button", "Exit")
    wait_for(lambda: exit_button.focused, "the exit screen to be active", 5)
    return exit_screen


def fill_referral(program, exit_screen, values):
    """Types a value into each of the four one-line boxes of the referral form."""
    for placeholder, value in values:
        box = exit_screen.find("text", placeholder)
        program.focus(exit_screen, box)
        wait_for(lambda: box.text() == "", f"{placeholder} to empty on focus", 5)
        xdo("type", "--delay", "20", value)
        check_equal(box.text(), value, f"text of {placeholder}")


def submit_referral(scenario, exit_screen):
    """Presses "Refer A Friend Now" and returns the values the address carries."""
    before = len(scenario.opened())
    exit_screen.find("push button", "Refer A Friend Now").press()
    wait_for(lambda: len(scenario.opened()) > before, "the referral to open an address", 15)
    time.sleep(0.3)
    opened = scenario.opened()[before:]
    check_equal(len(opened), 1, "addresses opened by the referral")
    check(opened[0].startswith(e2e.REFERRAL + "?"), f"referral address {opened[0][:80]!r}")
    return dict(harness.parse_query(opened[0]))


def paste_keys(program, window, box, what):
    """Ctrl+V and Shift+Insert in a box that has the focus; the program survives
    each and the box keeps its text."""
    before = box.text()
    for key in PASTE_KEYS:
        program.focus(window, box)
        xdo("key", key)
        alive(program, f"{key} in {what}")
        check_equal(box.text(), before, f"{what} after {key}")


# --------------------------------------------------------------------------
# Pastes and drags
# --------------------------------------------------------------------------


def paste_without_owner(scenario):
    """With a clipboard and a selection whose owner has gone away, Ctrl+V,
    Shift+Insert and a middle click change nothing in any box of any window,
    and the referral form keeps everything typed into it."""
    program, window = e2e.start_to_input(scenario)
    result = e2e.run_to_result(
        program, window, "20", "January", "1990", e2e.cusp_verdict("Capricorn", "Aquarius")
    )
    harness.selection_without_owner("clipboard")
    harness.selection_without_owner("primary")
    for tab_name, areas in AREAS.items():
        program.click(e2e.tab(result, tab_name))
        wait_for(lambda: e2e.selected_tab(result) == tab_name, f"{tab_name} selected")
        for area_name in areas:
            area = e2e.page(result, tab_name).find("text", area_name)
            what = f"{area_name} on {tab_name}"
            before = area.text()
            harness.middle_click(area)
            alive(program, f"a middle click in {what}")
            check_equal(area.text(), before, f"{what} after a middle click")
            paste_keys(program, result, area, what)

    window = e2e.back_to_input(program, result)
    for name in NAME_BOXES:
        box = window.find("text", name)
        before = box.text()
        harness.middle_click(box)
        alive(program, f"a middle click in {name}")
        program.focus(window, box)
        xdo("key", "shift+Insert")
        alive(program, f"Shift+Insert in {name}")
        program.no_message(0.3)
        check_equal(box.text(), before, f"{name} after pastes")

    exit_screen = exit_screen_active(program, window)
    typed = [  # in the focus order; the message box comes next
        ("Your Name", "Ann"),
        ("Your Email Address", "ann@mail.example"),
        ("Friend's Email Address", "cy@mail.example"),
        ("Friend's Name", "Cy"),
    ]
    fill_referral(program, exit_screen, typed)
    message = exit_screen.find("text", "Your Message")
    xdo("key", "Tab")
    wait_for(lambda: message.focused, "the focus in Your Message", 5)
    paste_keys(program, exit_screen, message, "Your Message")
    for placeholder, _ in typed:
        paste_keys(program, exit_screen, exit_screen.find("text", placeholder), placeholder)
    program.no_message(0.3)
    values = submit_referral(scenario, exit_screen)
    check_equal(
        [values.get(key) for key in ("taf1", "taf2", "taf3", "taf4", "taf5")],
        ["Ann", "ann@mail.example", "Your Message\r\n", "Cy", "cy@mail.example"],
        "referral values after the pastes",
    )
    e2e.end_by_exit_button(program, exit_screen)


def drag_source(scenario, text, label):
    """Starts the other program with `text` selected in its editable line."""
    executable = os.environ.get("SOLVANTA_E2E_DRAG_SOURCE") or os.path.join(
        os.path.dirname(scenario.executable), "..", "tests", "e2e", "e2e_drag_source"
    )
    source = harness.start_with_environment(
        scenario, label, os.path.abspath(executable), SOLVANTA_E2E_DRAG_TEXT=text
    )
    line = wait_for(
        lambda: [n for n in source.app().walk() if n.name == "Drag Source Text" and n.showing],
        "the drag source's line",
        20,
    )[0]
    check_equal(line.text(), text, "the drag source's text")
    return source, line


def drag_text(source_line, target):
    x, y, width, height = source_line.extents()
    harness.drag((x + width // 4, y + height // 2), target.centre())


def drag_from_another_program(scenario):
    """Text dragged from another program's editable line onto a name box: a
    refused text is not taken and stays in the other program; an accepted one
    is copied, upper-cased, and stays there too."""
    program, window = e2e.start_to_input(scenario)
    first, middle, _ = [window.find("text", name) for name in NAME_BOXES]

    refused, refused_line = drag_source(scenario, "Smith-Jones", "refused-source")
    drag_text(refused_line, first)
    time.sleep(1.0)
    check(refused.running(), "the drag source ended")
    check_equal(refused_line.text(), "Smith-Jones", "the other program's text after the drag")
    check_equal(
        harness.program_output(scenario, "refused-source").split(),
        ["dropped:", "ignore"],
        "what the other program was told",
    )
    check_equal(first.text(), "", "First Name after the refused drop")
    alive(program, "the refused drop")
    program.no_message(0.3)
    refused.process.kill()
    refused.process.wait(timeout=5)

    accepted, accepted_line = drag_source(scenario, "Smith Jones", "accepted-source")
    drag_text(accepted_line, middle)
    wait_for(lambda: middle.text() == "SMITH JONES", "the dropped name in Middle Name", 10)
    time.sleep(0.5)
    check_equal(accepted_line.text(), "Smith Jones", "the other program's text after the drop")
    wait_for(
        lambda: harness.program_output(scenario, "accepted-source").split() == ["dropped:", "copy"],
        "the other program to be told of a copy",
        5,
    )
    program.no_message(0.3)


# --------------------------------------------------------------------------
# Editing over the accessibility bus
# --------------------------------------------------------------------------


def accessible_edits(scenario):
    """Setting and inserting text over the accessibility bus goes through the
    name filter: a refused edit leaves the box as it was with one notice, an
    accepted one arrives upper-cased, and the search sees only what the box
    shows."""
    program, window = e2e.start_to_input(scenario)
    first, _, last = [window.find("text", name) for name in NAME_BOXES]
    editable = harness.editable_text(first)

    def refused(edit, what):
        edit()
        program.answer(ONLY_LETTERS)
        program.no_message(0.5)
        check_equal(first.text(), "ANN", f"First Name after {what}")

    editable.set_text_contents("ann")
    wait_for(lambda: first.text() == "ANN", "ANN in First Name", 5)
    program.no_message(0.3)
    refused(lambda: editable.set_text_contents("abc1"), "setting 'abc1'")
    refused(lambda: editable.insert_text(3, "1", 1), "inserting '1'")
    refused(lambda: editable.insert_text(0, "O'", 2), "inserting an apostrophe")
    refused(lambda: editable.set_text_contents("ann\u00e9"), "setting an accented letter")
    editable.insert_text(3, " lee", 4)
    wait_for(lambda: first.text() == "ANN LEE", "ANN LEE in First Name", 5)
    editable.delete_text(3, 7)
    wait_for(lambda: first.text() == "ANN", "ANN after deleting", 5)
    program.no_message(0.3)

    harness.editable_text(last).set_text_contents("lee")
    wait_for(lambda: last.text() == "LEE", "LEE in Last Name", 5)
    e2e.press_next(window)
    program.answer(e2e.NO_CUSP)
    program.window("result")


# --------------------------------------------------------------------------
# Long and unusual text
# --------------------------------------------------------------------------

LONG = 40000  # longer than a one-line box takes by default (32,767)


def long_pastes(scenario):
    """A paste of 40,000 characters is kept whole in every name box and every
    box of the referral form, and reaches the referral address whole."""
    program, window = e2e.start_to_input(scenario)
    harness.selection_set("clipboard", "a" * LONG)
    for name in NAME_BOXES:
        box = window.find("text", name)
        program.focus(window, box)
        xdo("key", "shift+Insert")  # Ctrl+V is refused in a name box
        wait_for(lambda: len(box.text()) == LONG, f"the long paste in {name}", 10)
        check_equal(box.text(), "A" * LONG, f"{name} after the paste")
    program.no_message(0.3)

    exit_screen = exit_screen_active(program, window)
    fill_referral(
        program,
        exit_screen,
        [("Your Email Address", "ann@mail.example"), ("Friend's Email Address", "cy@mail.example")],
    )
    long_values = {"Your Name": "n" * LONG, "Friend's Name": "f" * LONG}
    for placeholder, value in long_values.items():
        harness.selection_set("clipboard", value)
        box = exit_screen.find("text", placeholder)
        program.focus(exit_screen, box)
        wait_for(lambda: box.text() == "", f"{placeholder} to empty on focus", 5)
        xdo("key", "ctrl+v")
        wait_for(lambda: len(box.text()) == LONG, f"the long paste in {placeholder}", 10)
    values = submit_referral(scenario, exit_screen)
    check_equal(values.get("taf1"), long_values["Your Name"], "taf1")
    check_equal(values.get("taf4"), long_values["Friend's Name"], "taf4")


BLANKS = "a\u00a0b\u2007c\u202fd"  # no-break, figure and narrow no-break spaces


def unusual_blanks(scenario):
    """Non-breaking and other unusual spaces pasted into every box of the
    referral form reach the referral address as typed."""
    program, window = e2e.start_to_input(scenario)
    exit_screen = exit_screen_active(program, window)
    wanted = {
        "Your Name": ("taf1", "Ann" + BLANKS),
        "Your Email Address": ("taf2", "ann" + BLANKS + "@mail.example"),
        "Friend's Name": ("taf4", "Cy" + BLANKS),
        "Friend's Email Address": ("taf5", "cy" + BLANKS + "@mail.example"),
        "Your Message": ("taf3", "Hi" + BLANKS),
    }
    for placeholder, (_, value) in wanted.items():
        box = exit_screen.find("text", placeholder)
        program.focus(exit_screen, box)
        if placeholder == "Your Message":
            xdo("key", "ctrl+a", "Delete")
        wait_for(lambda: box.text() == "", f"{placeholder} to be empty", 5)
        harness.selection_set("clipboard", value)
        xdo("key", "ctrl+v")
        wait_for(lambda: box.text() == value, f"the pasted text in {placeholder}", 5)
    values = submit_referral(scenario, exit_screen)
    check_equal(
        {key: values.get(key) for key, _ in wanted.values()},
        dict(wanted.values()),
        "referral values",
    )


# --------------------------------------------------------------------------
# A careless desktop
# --------------------------------------------------------------------------


def no_browser(scenario):
    """Without a browser the referral opens nothing and nothing the user typed
    reaches the program's output: neither with no opener at all nor with one
    that fails and names the address it was given."""
    secret = [
        ("Your Name", "Zelda"),
        ("Your Email Address", "zelda@hidden.example"),
        ("Friend's Name", "Quentin"),
        ("Friend's Email Address", "quentin@hidden.example"),
    ]
    failing = scenario.path("failing-bin")
    os.makedirs(failing)
    opener = os.path.join(failing, "xdg-open")
    with open(opener, "w") as f:
        f.write(
            "#!/bin/sh\n"
            'printf "%s\\n" "$1" >> "$SOLVANTA_E2E_OPENED"\n'
            "echo \"xdg-open: no method available for opening '$1'\" >&2\n"
            "exit 3\n"
        )
    os.chmod(opener, 0o755)
    empty = scenario.path("empty-bin")
    os.makedirs(empty)

    for label, path in (("no-opener", empty), ("failing-opener", failing)):
        program = harness.start_with_environment(
            scenario, label, PATH=path, BROWSER=None, DEFAULT_BROWSER=None
        )
        window = program.window("input", timeout=20)
        exit_screen = exit_screen_active(program, window)
        fill_referral(program, exit_screen, secret)
        before = len(scenario.opened())
        exit_screen.find("push button", "Refer A Friend Now").press()
        if label == "failing-opener":
            wait_for(lambda: len(scenario.opened()) > before, "the opener to be called", 10)
        time.sleep(1.5)
        program.no_message(0.2)
        check(program.running(), f"the program ended without a browser ({label})")
        e2e.end_by_exit_button(program, exit_screen)
        output = harness.program_output(scenario, label)
        for _, value in secret:
            check(value not in output, f"{value!r} in the program's output ({label}):\n{output}")
        check("vexo-refer-a-friend" not in output, f"the referral address logged ({label})")
        if label == "no-opener":
            check(
                "could not open" in output,
                f"no line that an address could not be opened ({label}):\n{output}",
            )


def runtime_lock(scenario):
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], "solvanta.lock")


def damaged_lock_files(scenario):
    """A lock file that no running copy holds (empty, garbage, unreadable,
    written on another host) does not keep the program from starting; a copy
    that runs still turns the next one away."""
    lock = runtime_lock(scenario)
    contents = {
        "empty": b"",
        "garbage": b"\x00\xff not a lock \n\n\n",
        "unreadable": b"",
        "other host": f"{os.getpid()}\nsolvanta\nelsewhere.example\n".encode(),
    }
    for label, content in contents.items():
        with open(lock, "wb") as f:
            f.write(content)
        long_ago = time.time() - 3600
        os.utime(lock, (long_ago, long_ago))
        os.chmod(lock, 0o000 if label == "unreadable" else 0o644)
        program, window = e2e.start_to_input(scenario, label.replace(" ", "-"))
        program.no_message(0.3)
        check_equal(program.kinds_on_screen(), ["input"], f"windows with a lock file: {label}")
        if label == "other host":
            second = scenario.start("second")
            box, text = second.message(timeout=20)
            check_equal(text, "Application is already running", "the second copy's message")
            box.find("push button", "OK").press()
            second.wait_end()
        e2e.end_by_exit_button(program, e2e.to_exit_screen_from_input(program, window))


def no_runtime_folder(scenario):
    """Without a usable runtime folder (unset, or one that is not private) the
    lock moves to the user's own cache: one copy runs, the next is turned away,
    and nothing is left in the shared temporary folder."""
    shared = scenario.path("shared-runtime")
    os.makedirs(shared)
    os.chmod(shared, 0o777)
    for label, runtime in (("unset", None), ("not-private", shared)):
        first = harness.start_with_environment(scenario, f"{label}-first", XDG_RUNTIME_DIR=runtime)
        window = first.window("input", timeout=20)
        second = harness.start_with_environment(
            scenario, f"{label}-second", XDG_RUNTIME_DIR=runtime
        )
        box, text = second.message(timeout=20)
        check_equal(text, "Application is already running", f"the second copy's message ({label})")
        box.find("push button", "OK").press()
        second.wait_end()
        check_equal(os.listdir(shared), [], f"files in the non-private runtime folder ({label})")
        check(
            any(
                name.endswith(".lock")
                for _, _, files in os.walk(os.environ["XDG_CACHE_HOME"])
                for name in files
            ),
            f"no lock file in the user's cache while a copy runs ({label})",
        )
        e2e.end_by_exit_button(first, e2e.to_exit_screen_from_input(first, window))


SCENARIOS = {
    function.__name__: function
    for function in (
        paste_without_owner,
        drag_from_another_program,
        accessible_edits,
        long_pastes,
        unusual_blanks,
        no_browser,
        damaged_lock_files,
        no_runtime_folder,
    )
}

GROUPS = {
    "hostile_input": [
        "paste_without_owner",
        "drag_from_another_program",
        "accessible_edits",
        "long_pastes",
        "unusual_blanks",
    ],
    "hostile_desktop": ["no_browser", "damaged_lock_files", "no_runtime_folder"],
}
