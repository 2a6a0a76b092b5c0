#!/usr/bin/python3
"""End-to-end scenarios for Solvanta, run on the real program.

    e2e.py --program build/src/solvanta [--group NAME | --scenario NAME] [--verbose]
    e2e.py --list

Each scenario gets a fresh desktop (see harness.py). Groups are what CTest runs
as one test each.
"""

import datetime
import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import check, check_equal, wait_for, xdo  # noqa: E402

# --------------------------------------------------------------------------
# What the program is expected to show
# --------------------------------------------------------------------------

FORUM = "https://" + os.environ.get("SOLVANTA_E2E_FORUM_HOST", "forum.solvanta.example")
HELP = "https://" + os.environ.get("SOLVANTA_E2E_HELP_HOST", "help.solvanta.example")
PRODUCT = "https://" + os.environ.get("SOLVANTA_E2E_PRODUCT_HOST", "www.solvanta.example")

HELP_PAGE = PRODUCT + "/solvanta-help.html"
DOWNLOAD_PAGE = PRODUCT + "/download-solvanta.html"
FORUM_HOME = FORUM
DONATE_PAGE = HELP + "/donate.html"
FULL_BRANDING = HELP + "/fully-branded.html"
CO_BRANDING = HELP + "/co-brand.html"
CATALOG = FORUM + "/quillory"
REFERRAL = FORUM + "/vexo-refer-a-friend.php"

REMINDER = (
    "There maybe an update to this software available\r"
    "Do you want to check for an update?"
)
NO_CUSP = "No! You were not born in a Cusp"
ONLY_LETTERS = "Please Enter Only Alphabet"

VALUE_CAPTIONS = (
    "Your Sun Sign",
    "Element",
    "Birthstone",
    "Lucky Number",
    "Lucky Day",
    "Compatibility",
)

# name, element, birthstone, lucky number, lucky day, compatibility,
# (length, opening) of the positive and of the negative traits.
SIGNS = {
    "Capricorn": (
        ("Capricorn", "Earth", "Garnet", "8 and 2", "Saturday", "Taurus and Virgo"),
        (732, "You are people with a traditional frame of mind."),
        (550, "You are very rigid in nature and not susceptible to changes."),
    ),
    "Aquarius": (
        ("Aquarius", "Air", "Amethyst", "1 and 7", "Wednesday", "Gemini and Libra"),
        (754, "You are magnetic in nature and people get attracted to your personality"),
        (655, "You do not make friends very easily inspite of your extrovert nature."),
    ),
    "Sagittarius": (
        ("Sagittarius", "Fire", "Turquoise", "5 and 7", "Thursday", "Aries and Leo"),
        (874, "You are a happy go lucky lot with a very positive outlook towards life"),
        (378, "You may be too outspoken for your own good."),
    ),
}

JANUARY_CUSP = (758, "You will be responsible and traditional in your thoughts and ideas.")
FIRST_TAB = "First Sun Sign Profile"
SECOND_TAB = "Second Sun Sign Profile"


# --------------------------------------------------------------------------
# Steps shared by the scenarios
# --------------------------------------------------------------------------


def start_to_input(scenario, label="program"):
    """Starts the program on a settings store that asks no question and waits
    for the input window."""
    if scenario.stored_reminder_date() is None:
        scenario.store_reminder_date(harness.today())
    program = scenario.start(label)
    window = program.window("input", timeout=20)
    return program, window


def name_boxes(window):
    return [window.find("text", name) for name in ("First Name", "Middle Name", "Last Name")]


def date_lists(window):
    """The month, day and year lists, found by their descriptions."""
    lists = {}
    for combo in window.find_all("combo box"):
        lists[combo.description] = combo
    for wanted in ("Month", "Day", "Year"):
        check(wanted in lists, f"no drop-down list described as {wanted!r}")
    return lists["Month"], lists["Day"], lists["Year"]


def fill_input(program, window, first, last, day, month, year, middle=""):
    boxes = name_boxes(window)
    for box, value in zip(boxes, (first, middle, last)):
        if value:
            program.type_into(window, box, value)
    month_list, day_list, year_list = date_lists(window)
    program.choose(window, month_list, month)
    program.choose(window, day_list, day)
    program.choose(window, year_list, year)


def press_next(window):
    window.find("push button", "Find If I am Born in a Cusp").press()


def cusp_verdict(first, second):
    return (
        f"Yes! You were born in the Cusp of {first} and {second}\r\n\r\n"
        "You have the Characteristics of both the Signs"
    )


def run_to_result(program, window, day, month, year, verdict, names=("ANN", "LEE")):
    fill_input(program, window, names[0], names[1], day, month, year)
    press_next(window)
    program.answer(verdict)
    result = program.window("result")
    check_equal(program.kinds_on_screen(), ["result"], "windows on screen after a run")
    return result


def tab(result, name):
    return result.find("page tab", name)


def page(result, name):
    """The contents of a tab page (the page widget, not its tab button)."""
    return result.find(
        predicate=lambda n: n.name == name and n.role not in ("page tab", "page tab list")
    )


def value_label(frame, caption):
    """The label that shows a value, as a screen reader finds it: the one its
    caption is the label for; it is named by the value it shows."""
    captions = frame.find_all("label", caption)
    check_equal(len(captions), 1, f"captions {caption!r}")
    values = captions[0].related("label_for")
    check_equal([v.role for v in values], ["label"], f"what the caption {caption!r} labels")
    # Labelled by its caption (and by the frame around it, as every control in a
    # frame with a caption is).
    captioned_by = [c.name for c in values[0].related("labelled_by")]
    check(caption in captioned_by, f"the value under {caption!r} is labelled by {captioned_by}")
    return values[0]


def read_panel(page_node):
    """Everything a profile panel shows: caption, six values, picture, two trait texts."""
    frames = [
        n
        for n in page_node.walk()
        if n is not page_node and n.role in ("panel", "grouping")
        and any(c.name == "Your Sun Sign" for c in n.children())
    ]
    check_equal(len(frames), 1, f"profile frames in {page_node}")
    frame = frames[0]
    values = tuple(value_label(frame, caption).name for caption in VALUE_CAPTIONS)
    pictures = frame.find_all("image")
    check_equal(len(pictures), 1, "pictures in a profile panel")
    return {
        "caption": frame.name,
        "values": values,
        "picture": pictures[0].name,
        "positive": frame.find("text", "Positive Traits").text(),
        "negative": frame.find("text", "Negative Traits").text(),
    }


def check_panel(panel, sign, caption, where):
    values, positive, negative = SIGNS[sign]
    check_equal(panel["caption"], caption, f"{where}: frame caption")
    check_equal(panel["values"], values, f"{where}: values")
    check_equal(panel["picture"], sign, f"{where}: picture")
    for (length, opening), text, what in (
        (positive, panel["positive"], "positive traits"),
        (negative, panel["negative"], "negative traits"),
    ):
        check(
            text.startswith(opening),
            f"{where}: {what} begin {text[:60]!r}, expected {opening!r}",
        )
        check_equal(len(text), length, f"{where}: length of the {what}")


def selected_tab(result):
    """The tab whose page is on screen; the tab list is named after it too."""
    showing = [
        name for name in (FIRST_TAB, SECOND_TAB) if page(result, name).showing
    ]
    check_equal(len(showing), 1, "tab pages on screen")
    check_equal(result.find("page tab list").name, showing[0], "name of the tab list")
    return showing[0]


def back_to_input(program, result):
    result.find("push button", "Back").press()
    window = program.window("input")
    wait_for(
        lambda: program.kinds_on_screen() == ["input"],
        "only the input window on screen after Back",
    )
    return window


def to_exit_screen_from_input(program, window):
    """File > Exit on the input window."""
    menu(program, window, "alt+f", "x")
    return program.window("exit")


def end_by_exit_button(program, exit_screen):
    exit_screen.find("push button", "Exit").press()
    check_equal(program.wait_end(), 0, "exit status")


def menu(program, window, *keys):
    """Chooses a menu entry by keyboard: Alt + the menu's access key, then,
    once the menu is open, the entry's access key (or Return for the first
    entry)."""
    program.activate(window)
    menu_bar = window.find("menu bar")
    xdo("key", "--clearmodifiers", keys[0])
    if len(keys) > 1:
        wait_for(
            lambda: any(p.showing for p in menu_bar.find_all("popup menu")),
            f"a menu to open on {keys[0]}",
            5,
        )
        time.sleep(0.1)
    for key in keys[1:]:
        xdo("key", key)


def expect_nothing_opened(scenario, before, what, settle=1.0):
    time.sleep(settle)
    check_equal(scenario.opened()[before:], [], f"addresses opened by {what}")


# --------------------------------------------------------------------------
# Start-up
# --------------------------------------------------------------------------


def first_start(scenario):
    """First start: no question, today's date stored, lists preselected, the
    focus in the first-name box; the input window's close box shows the exit
    screen and its Exit button ends the program with status 0."""
    check(scenario.stored_reminder_date() is None, "settings store not empty")
    program = scenario.start()
    window = program.window("input", timeout=20)
    program.no_message()
    check_equal(program.kinds_on_screen(), ["input"], "windows at start-up")
    check_equal(
        scenario.stored_reminder_date(), harness.today().isoformat(), "stored reminder date"
    )
    month_list, day_list, year_list = date_lists(window)
    check_equal(
        (month_list.name, day_list.name, year_list.name),
        ("January", "1", "1900"),
        "list entries after start",
    )
    program.activate(window)
    first = window.find("text", "First Name")
    wait_for(lambda: first.focused, "the focus in First Name at start-up", 5)
    check_equal(scenario.opened(), [], "addresses opened at start-up")

    program.close_box(window)
    exit_screen = program.window("exit")
    wait_for(
        lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone on screen"
    )
    end_by_exit_button(program, exit_screen)


def reminder_answered(scenario, answer):
    scenario.store_reminder_date(harness.today() - datetime.timedelta(days=20))
    program = scenario.start()
    # The question comes before any window of the program.
    program.message(timeout=20)
    check_equal(program.kinds_on_screen(), ["message"], "windows while the question is up")
    program.answer(REMINDER, button=answer)
    window = program.window("input")
    check_equal(
        scenario.stored_reminder_date(), harness.today().isoformat(), "stored reminder date"
    )
    return program, window


def reminder_no(scenario):
    """A date 20 days old: the question; No opens nothing and resets the date;
    File > Exit and the exit screen's close box end the program with status 0."""
    program, window = reminder_answered(scenario, "No")
    expect_nothing_opened(scenario, 0, "answering No")
    exit_screen = to_exit_screen_from_input(program, window)
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    program.close_box(exit_screen)
    check_equal(program.wait_end(), 0, "exit status")


def reminder_yes(scenario):
    """A date 20 days old: the question; Yes opens the download page."""
    program, window = reminder_answered(scenario, "Yes")
    scenario.expect_opened(0, DOWNLOAD_PAGE, "answering Yes")
    program.no_message()


def second_instance(scenario):
    """A second launch is refused with a message and ends; the first copy stays
    as it was."""
    first, window = start_to_input(scenario, "first")
    program_box = window.find("text", "First Name")
    first.type_into(window, program_box, "kim")
    check_equal(program_box.text(), "KIM", "first name before the second launch")

    second = scenario.start("second")
    box = wait_for(
        lambda: [w for w in second.windows() if second.kind_of(w) == "message"],
        "the second copy's message",
        20,
    )[0]
    check_equal(harness.message_text(box), "Application is already running", "message")
    check_equal(
        [second.kind_of(w) for w in second.windows()],
        ["message"],
        "windows of the second copy",
    )
    box.find("push button", "OK").press()
    check_equal(second.wait_end(), 0, "exit status of the refused second copy")
    check(first.running(), "the first copy ended too")
    check_equal(first.kinds_on_screen(), ["input"], "windows of the first copy")
    check_equal(program_box.text(), "KIM", "first name in the first copy")


# --------------------------------------------------------------------------
# A run from input to result
# --------------------------------------------------------------------------


def cusp_then_plain(scenario):
    """20 January read back completely, Back keeps the entries, then a no-cusp
    run from the File menu shows fresh panels with only the first tab usable."""
    program, window = start_to_input(scenario)
    result = run_to_result(program, window, "20", "January", "1990", cusp_verdict(
        "Capricorn", "Aquarius"))

    program.activate(result)
    back = result.find("push button", "Back")
    wait_for(lambda: back.focused, "the focus on Back", 5)
    check_equal(selected_tab(result), FIRST_TAB, "selected tab")

    first = read_panel(page(result, FIRST_TAB))
    check_panel(first, "Capricorn", "Characteristics of Capricorn", "first panel")

    program.click(tab(result, SECOND_TAB))
    wait_for(lambda: selected_tab(result) == SECOND_TAB, "the second tab selected")
    second_page = page(result, SECOND_TAB)
    second = read_panel(second_page)
    check_panel(second, "Aquarius", "Characteristics of  Aquarius", "second panel")
    cusp = second_page.find("text", "More About Your Cusp Sign")
    check(cusp.showing, "the cusp description is not on screen")
    text = cusp.text()
    check(text.startswith(JANUARY_CUSP[1]), f"cusp description begins {text[:70]!r}")
    check_equal(len(text), JANUARY_CUSP[0], "length of the cusp description")

    window = back_to_input(program, result)
    month_list, day_list, year_list = date_lists(window)
    check_equal(
        [b.text() for b in name_boxes(window)] + [month_list.name, day_list.name, year_list.name],
        ["ANN", "", "LEE", "January", "20", "1990"],
        "entries after Back",
    )

    # Second run through File > Find If I am Born in a Cusp: 10 January.
    program.choose(window, day_list, "10")
    menu(program, window, "alt+f", "Return")
    program.answer(NO_CUSP)
    result = program.window("result")
    check_equal(program.kinds_on_screen(), ["result"], "windows after the second run")
    check_equal(selected_tab(result), FIRST_TAB, "selected tab of the second run")
    check_panel(read_panel(page(result, FIRST_TAB)), "Capricorn", "", "first panel, no cusp")

    fresh = read_panel(page(result, SECOND_TAB))
    check_equal(fresh["caption"], "", "second frame caption")
    check_equal(fresh["values"], ("lblSunSign",) * 6, "second panel values")
    check_equal(fresh["picture"], "Aquarius", "second panel picture")
    check_equal((fresh["positive"], fresh["negative"]), ("", ""), "second panel traits")
    check_equal(
        page(result, SECOND_TAB).find("text", "More About Your Cusp Sign").text(),
        "",
        "cusp description after a no-cusp run",
    )

    # The second tab is not offered at all, and the keyboard does not reach it.
    check_equal(
        [t.name for t in result.find("page tab list").children()],
        [FIRST_TAB],
        "tabs offered after a no-cusp run",
    )
    program.click(tab(result, FIRST_TAB))
    program.keys(result, "ctrl+Tab", "Right", "ctrl+Next")
    time.sleep(0.3)
    check_equal(selected_tab(result), FIRST_TAB, "selected tab after keyboard switching")


def validation(scenario):
    """Each refusal with its message, the focus where it belongs and no run."""
    program, window = start_to_input(scenario)
    first, _, last = name_boxes(window)
    month_list, day_list, year_list = date_lists(window)

    cases = [
        # (first, last, day, month, year, message, box that gets the focus)
        ("", "", "1", "January", "1900", "Please Enter Your First Name", first),
        ("AL", "", "1", "January", "1900", "Please Enter Your Last Name", last),
        # A wrong date moves the focus nowhere: it stays on the year list.
        ("AL", "BO", "31", "April", "1990", "Please Enter Correct Date Or Month !", year_list),
        ("AL", "BO", "30", "February", "1904", "Please Enter Correct Date Or Month!", year_list),
        ("AL", "BO", "29", "February", "1905", "Please Enter Correct Date Or Month!", year_list),
    ]
    for given_first, given_last, day, month, year, message, focus_box in cases:
        for box, value in ((first, given_first), (last, given_last)):
            if box.text() != value:
                check_equal(box.text(), "", "name box before typing")
                program.type_into(window, box, value)
        program.choose(window, month_list, month)
        program.choose(window, day_list, day)
        program.choose(window, year_list, year)
        # The focus starts on the year list, so that a move can be seen.
        program.focus(window, year_list)
        press_next(window)
        program.answer(message)
        check_equal(program.kinds_on_screen(), ["input"], f"windows after {message!r}")
        program.activate(window)
        where = focus_box.description or focus_box.name
        wait_for(lambda: focus_box.focused, f"the focus in {where} after {message!r}", 5)


def name_filter(scenario):
    """Letters become upper case, a space is kept, anything else is refused
    with a message and inserts nothing."""
    program, window = start_to_input(scenario)
    for box, (before, refused, after, expected) in zip(
        name_boxes(window),
        [
            ("jo", "7", " ann", "JO ANN"),
            (" de", "-", "x", " DEX"),
            ("Mc", ".", "kay", "MCKAY"),
        ],
    ):
        program.type_into(window, box, before)
        check_equal(box.text(), expected[: len(before)], f"{box.name} after typing {before!r}")
        xdo("type", refused)
        program.answer(ONLY_LETTERS)
        check_equal(box.text(), expected[: len(before)], f"{box.name} after {refused!r}")
        program.activate(window)
        wait_for(lambda: box.focused, f"the focus back in {box.name}", 5)
        xdo("type", "--delay", "40", after)
        check_equal(box.text(), expected, f"{box.name} at the end")
    program.no_message(0.3)


def clipboard_kept(scenario):
    """Text another program put on the clipboard survives the pointer moving
    over every text area of the result window."""
    program, window = start_to_input(scenario)
    result = run_to_result(
        program, window, "20", "January", "1990", cusp_verdict("Capricorn", "Aquarius")
    )
    kept = "kept by another program"
    harness.clipboard_set(kept)
    wait_for(lambda: harness.clipboard_get() == kept, "the clipboard to hold the text")
    for tab_name, areas in (
        (FIRST_TAB, ("Positive Traits", "Negative Traits")),
        (SECOND_TAB, ("Positive Traits", "Negative Traits", "More About Your Cusp Sign")),
    ):
        program.click(tab(result, tab_name))
        wait_for(lambda: selected_tab(result) == tab_name, f"{tab_name} selected")
        for area_name in areas:
            area = page(result, tab_name).find("text", area_name)
            x, y, width, height = area.extents()
            for fx, fy in ((0.2, 0.2), (0.5, 0.5), (0.8, 0.7)):
                harness.pointer_to(x + int(width * fx), y + int(height * fy))
            check_equal(
                harness.clipboard_get(), kept, f"clipboard after moving over {area_name}"
            )
    # File > Back (an entry without access key) goes back like the button.
    menu(program, result, "alt+f", "Return")
    window = program.window("input")
    wait_for(lambda: program.kinds_on_screen() == ["input"], "only the input window after Back")
    check_equal(harness.clipboard_get(), kept, "clipboard after Back")


# --------------------------------------------------------------------------
# Links, About box, referral
# --------------------------------------------------------------------------


def front_promotion(window):
    """The promotional label in front of the strip both share: the one on
    screen; the one behind it is hidden."""
    strips = [
        n
        for n in window.find_all("panel")
        if any(c.name.startswith("Co-brand this software") for c in n.children())
    ]
    check_equal(len(strips), 1, "promotional strips")
    labels = [
        c
        for c in strips[0].children()
        if c.name.startswith(("Co-brand this software", "Home Business"))
    ]
    check_equal(len(labels), 2, "promotional labels")
    shown = [c.name for c in labels if c.showing]
    check_equal(len(shown), 1, "promotional labels on screen")
    return shown[0]


def click_links(scenario, program, window, links):
    """Clicks each link label and checks the one address it opens."""
    for label_name, address in links:
        before = len(scenario.opened())
        label = window.find("link", label_name)
        check(label.showing, f"link label {label_name[:40]!r} is not on screen")
        program.click(label)
        scenario.expect_opened(before, address, f"link label {label_name[:40]!r}")


def menu_entries(scenario, program, window, entries):
    for keys, address, what in entries:
        before = len(scenario.opened())
        menu(program, window, *keys)
        if address is None:
            expect_nothing_opened(scenario, before, what)
        else:
            scenario.expect_opened(before, address, what)
        program.no_message(0.2)


def about_box(scenario, program, window, keys):
    """The About box from a window's Help menu: its two links, then closed by
    Enter; opened again and closed by Escape."""
    for closing_key in ("Return", "Escape"):
        menu(program, window, "alt+h", keys)
        about = program.window("about")
        if closing_key == "Return":
            home = about.find(
                "link", predicate=lambda n: n.name.startswith("Click here to visit ")
            )
            check(
                FORUM_HOME.split("://")[1] in home.name,
                f"the About box's home-page link names no forum address: {home.name!r}",
            )
            click_links(
                scenario,
                program,
                about,
                [(home.name, FORUM_HOME), ("Click here for more details.", FULL_BRANDING)],
            )
        program.keys(about, closing_key)
        wait_for(lambda: program._window_of("about") is None, f"{closing_key} to close the About box")


def input_links(scenario):
    """Every menu entry, link label and the About box of the input window."""
    program, window = start_to_input(scenario)
    menu_entries(
        scenario,
        program,
        window,
        [
            (("alt+h", "o"), HELP_PAGE, "Help > Online Help"),
            (("alt+h", "v"), FORUM_HOME, "Help > Visit Us Online"),
            (("alt+h", "c"), DOWNLOAD_PAGE, "Help > Check for Software Update"),
            (("alt+d",), DONATE_PAGE, "Donate"),
            (("alt+o",), None, "the switched-off Make Money Online"),
        ],
    )
    check_equal(
        [box.text() for box in name_boxes(window)], ["", "", ""], "name boxes after the menus"
    )
    banner = window.find("link", predicate=lambda n: n.name and len(n.name) == 115)
    slogan = (
        "Are you a Leo? Or Virgo? But I have characteristics of both! "
        "Know if you are born in the cusp of two signs!"
    )
    in_front = front_promotion(window)
    target = CO_BRANDING if in_front.startswith("Co-brand") else FULL_BRANDING
    click_links(
        scenario,
        program,
        window,
        [(banner.name, FORUM_HOME), (slogan, FULL_BRANDING), (in_front, target)],
    )
    about_box(scenario, program, window, "a")
    check_equal(program.kinds_on_screen(), ["input"], "windows at the end")


def result_links(scenario):
    """Every menu entry, link label and the About box of the result window."""
    program, window = start_to_input(scenario)
    result = run_to_result(
        program, window, "20", "January", "1990", cusp_verdict("Capricorn", "Aquarius")
    )
    menu_entries(
        scenario,
        program,
        result,
        [
            (("alt+h", "o"), HELP_PAGE, "Help > Online Help"),
            (("alt+h", "v"), FORUM_HOME, "Help > Visit Us Online"),
            (("alt+h", "u"), DOWNLOAD_PAGE, "Help > Check for Software Update"),
            (("alt+d",), DONATE_PAGE, "Donate"),
            (("alt+o",), None, "the switched-off Make Money Online"),
        ],
    )
    banner = result.find("link", predicate=lambda n: n.name and len(n.name) == 115)
    full = result.find("link", predicate=lambda n: n.name.startswith("Home Business"))
    click_links(scenario, program, result, [(banner.name, FORUM_HOME), (full.name, FULL_BRANDING)])
    about_box(scenario, program, result, "a")
    check_equal(program.kinds_on_screen(), ["result"], "windows at the end")


def exit_screen_links(scenario):
    """The exit screen's check box and catalogue link, then a referral whose
    address carries exactly what was typed."""
    program, window = start_to_input(scenario)
    exit_screen = to_exit_screen_from_input(program, window)
    check_equal(program.kinds_on_screen(), ["exit"], "windows after File > Exit")

    check_box = exit_screen.find("check box")
    before = len(scenario.opened())
    program.click(check_box)
    scenario.expect_opened(before, FORUM_HOME, "the exit screen's check box")
    check(not check_box.has_state("checked"), "the check box stayed ticked")
    click_links(scenario, program, exit_screen, [("Click Here To Visit Quillory", CATALOG)])

    # Untouched, the form holds its placeholders, which are no e-mail addresses.
    refer = exit_screen.find("push button", "Refer A Friend Now")
    refer.press()
    program.answer("Please Enter Proper Email Address")

    # A box emptied by the focus gets its placeholder back when left empty.
    name_box = exit_screen.find("text", "Your Name")
    program.focus(exit_screen, name_box)
    wait_for(lambda: name_box.text() == "", "Your Name to empty on focus", 5)
    program.focus(exit_screen, exit_screen.find("text", "Your Email Address"))
    wait_for(lambda: name_box.text() == "Your Name", "the placeholder back in Your Name", 5)

    typed = [
        ("Your Name", "Ann & Bob=Co"),
        ("Your Email Address", "ann@mail.example"),
        ("Friend's Name", "Cy D"),
        ("Friend's Email Address", "cy+1@mail.example"),
    ]
    for placeholder, value in typed:
        box = exit_screen.find("text", placeholder)
        check_equal(box.text(), placeholder, "placeholder before typing")
        program.focus(exit_screen, box)
        wait_for(lambda: box.text() == "", f"{placeholder} to empty on focus", 5)
        if "Email" in placeholder:
            # A space is refused in the e-mail boxes.
            xdo("type", " ")
            program.answer("Email Address Cannot Contain Space")
            program.activate(exit_screen)
            wait_for(lambda: box.focused, f"the focus back in {placeholder}", 5)
        xdo("type", "--delay", "30", value)
        check_equal(box.text(), value, f"text of {placeholder}")

    before = len(scenario.opened())
    refer.press()
    wait_for(lambda: len(scenario.opened()) > before, "the referral to open an address")
    time.sleep(0.3)
    opened = scenario.opened()[before:]
    check_equal(len(opened), 1, "addresses opened by the referral")
    check(opened[0].startswith(REFERRAL + "?"), f"referral address {opened[0]!r}")
    check_equal(
        harness.parse_query(opened[0]),
        [
            ("taf1", "Ann & Bob=Co"),
            ("taf2", "ann@mail.example"),
            ("taf3", "Your Message\r\n"),
            ("taf4", "Cy D"),
            ("taf5", "cy+1@mail.example"),
            ("taf6", PRODUCT + "/"),
        ],
        "referral values",
    )
    check(program.running(), "the program ended after the referral")
    check_equal(program.kinds_on_screen(), ["exit"], "windows after the referral")
    end_by_exit_button(program, exit_screen)


# --------------------------------------------------------------------------
# Ways out
# --------------------------------------------------------------------------


def exit_from_result_menu(scenario):
    """File > Exit on the result window shows the exit screen alone; its Exit
    button ends the program with status 0."""
    program, window = start_to_input(scenario)
    result = run_to_result(program, window, "5", "March", "2001", NO_CUSP)
    menu(program, result, "alt+f", "x")
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    end_by_exit_button(program, exit_screen)


def exit_from_result_close_box(scenario):
    """23 December fills both panels; the result window's close box shows the
    exit screen alone; the exit screen's close box ends the program with
    status 0."""
    program, window = start_to_input(scenario)
    result = run_to_result(
        program, window, "23", "December", "1975", cusp_verdict("Sagittarius", "Capricorn")
    )
    check_panel(
        read_panel(page(result, FIRST_TAB)),
        "Sagittarius",
        "Characteristics of Sagittarius",
        "first panel, 23 December",
    )
    check_panel(
        read_panel(page(result, SECOND_TAB)),
        "Capricorn",
        "Characteristics of  Capricorn",
        "second panel, 23 December",
    )
    program.close_box(result)
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    program.close_box(exit_screen)
    check_equal(program.wait_end(), 0, "exit status")


def exit_by_hidden_button(scenario):
    """The tab order ends on the unseen Exit button; Space on it shows the exit
    screen."""
    program, window = start_to_input(scenario)
    first = window.find("text", "First Name")
    program.focus(window, first)
    for _ in range(7):  # middle, last, month, day, year, Find..., Exit
        xdo("key", "Tab")
        time.sleep(0.05)
    exit_button = window.find("push button", "Exit")
    wait_for(lambda: exit_button.focused, "the focus on the unseen Exit button", 5)
    xdo("key", "space")
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    end_by_exit_button(program, exit_screen)


# --------------------------------------------------------------------------
# The Sun's sign changes
# --------------------------------------------------------------------------


def table_rows(table):
    """A table's cells as a screen reader reads them, row by row."""
    cells = [cell.name for cell in table.find_all("table cell")]
    return [cells[i : i + 4] for i in range(0, len(cells), 4)]


def shown_x_windows(program):
    """The program's X windows on screen; a drop-down list (a combo box's list, a
    completer's suggestions) is one of them, though not a window on the
    accessibility bus."""
    try:
        return set(harness.xdo("search", "--onlyvisible", "--pid", program.pid).split())
    except harness.Failure:
        return set()


def escape_closes_only_the_list(program, sun, open_keys):
    """Opens a list in the Sun window with the given keys; Escape closes the list
    and the window stays."""
    before = shown_x_windows(program)
    program.keys(sun, *open_keys)
    wait_for(lambda: shown_x_windows(program) > before, f"a list opened by {open_keys}")
    program.keys(sun, "Escape")
    wait_for(lambda: shown_x_windows(program) == before, "the list to close")
    time.sleep(0.4)
    check_equal(program.kinds_on_screen(), ["input", "sun"], "windows after Escape in a list")


def sun_changes_window(scenario):
    """Sun > Exact Sign Changes... by keyboard opens the window on the date chosen
    in the input window, a dialog with its title, its table (rows named by sign,
    dates in words) and reading read over the accessibility bus, the calendar
    rule's sentence with its text. Escape in the year list or the place
    suggestions closes only the list; a time typed and Enter give the keyboard to
    the new reading; Escape with no list open closes the window and leaves the
    input window alone. Opened again, it goes
    with the input window into the exit sequence, which ends the program."""
    if scenario.stored_reminder_date() is None:
        scenario.store_reminder_date(harness.today())
    program = harness.start_with_environment(scenario, "program", TZ="UTC")
    window = program.window("input", timeout=20)
    month_list, day_list, year_list = date_lists(window)
    program.choose(window, month_list, "March")
    program.choose(window, day_list, "21")
    program.choose(window, year_list, "1966")

    menu(program, window, "alt+s", "e")
    sun = program.window("sun")
    wait_for(lambda: program.kinds_on_screen() == ["input", "sun"], "the input and Sun windows")
    table = sun.find("table", "Sign changes")
    rows = wait_for(lambda: table_rows(table) if len(table_rows(table)) == 13 else None,
                    "thirteen rows in the table")
    check_equal([row[0] for row in rows][:4], ["Capricorn", "Aquarius", "Pisces", "Aries"],
                "first signs")
    check_equal(rows[0][:2], ["Capricorn", "22 December 1965"], "the December before")
    check_equal(rows[3], ["Aries", "21 March 1966", "01:53", "UTC+00:00"], "the Aries row")
    check_equal(rows[12][:2], ["Capricorn", "22 December 1966"], "the Capricorn row")
    check_equal(sun.role, "dialog", "the Sun window's role")
    reading_box = sun.find("text", "Where the Sun was")
    reading = reading_box.text()
    check("the Sun entered Aries at 01:53" in reading, f"reading {reading!r}")
    # A screen reader hears the sentence itself, not a caption for it.
    sun.find("label", predicate=lambda node: node.name.startswith(
        "By the calendar rule, 21 March is on the cusp of Pisces and Aries."))
    year = sun.find("combo box", "1966")  # the year chosen in the input window
    wait_for(lambda: year.focused, "the keyboard in the year box")
    escape_closes_only_the_list(program, sun, ["alt+Down"])
    program.keys(sun, "Tab")  # the zone box: typing shows the zones that match
    escape_closes_only_the_list(program, sun, ["p", "a"])
    program.type_into(sun, sun.find("text", "Time of birth"), "01:30")
    program.keys(sun, "Return")
    wait_for(lambda: reading_box.focused, "the keyboard on the new reading")
    reading = reading_box.text()
    check(reading.startswith("At 01:30") and "Pisces" in reading, f"reading {reading!r}")
    program.keys(sun, "Escape")
    wait_for(lambda: program.kinds_on_screen() == ["input"], "the input window alone")
    program.no_message(0.3)

    menu(program, window, "alt+s", "e")
    program.window("sun")
    menu(program, window, "alt+f", "x")
    exit_screen = program.window("exit")
    wait_for(lambda: program.kinds_on_screen() == ["exit"], "the exit screen alone")
    end_by_exit_button(program, exit_screen)


SCENARIOS = {
    function.__name__: function
    for function in (
        first_start,
        reminder_no,
        reminder_yes,
        second_instance,
        cusp_then_plain,
        validation,
        name_filter,
        clipboard_kept,
        input_links,
        result_links,
        exit_screen_links,
        exit_from_result_menu,
        exit_from_result_close_box,
        exit_by_hidden_button,
        sun_changes_window,
    )
}

GROUPS = {
    "startup": ["first_start", "reminder_no", "reminder_yes", "second_instance"],
    "run": ["cusp_then_plain", "validation", "name_filter", "clipboard_kept"],
    "links": ["input_links", "result_links", "exit_screen_links"],
    "exits": ["exit_from_result_menu", "exit_from_result_close_box", "exit_by_hidden_button"],
    "sun": ["sun_changes_window"],
}

import desktop  # noqa: E402  (the program on a desktop: stacking, activation, keyboard)

desktop.register(sys.modules[__name__], SCENARIOS, GROUPS)

import wayland  # noqa: E402  (the program as a Wayland client, under weston)

wayland.register(sys.modules[__name__], SCENARIOS, GROUPS)

if __name__ == "__main__":
    import hostile  # noqa: E402  (its scenarios use the steps above)

    SCENARIOS.update(hostile.SCENARIOS)
    GROUPS.update(hostile.GROUPS)
    sys.exit(harness.main(SCENARIOS, GROUPS))
