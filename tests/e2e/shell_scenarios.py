#!/usr/bin/python3
"""End-to-end scenarios of the shell windows: the main window, the About
window and the messages, on a desktop with a window manager. Each scenario
is one CTest test:

    shell_scenarios.py about | close-main | large-text
"""

import pyatspi

from assistive import in_private_session
from expected_layout import boxes_within, client_size, face_colour
from orderform_e2e import Desktop, TestFailure, check, check_equal, run_tests, wait_for
from scenarios import (ORDER_LATER, PRINT_ORDER_FORM, SAVE_TO_FILE, check_centred,
                       open_order_window, start_to_main_window)

ABOUT_TITLE = "^ About Order Form$"


def about():
    """Ctrl+D shows the vendor's details in a message box titled with the
    program's name; Ctrl+A opens the About window, its OK button closes it.
    Both open in the middle of the screen, frame included."""
    with Desktop("about") as desktop:
        program, main = start_to_main_window(desktop)
        main.press("ctrl+d")
        box = wait_for(lambda: next((window for window in program.visible_windows()
                                     if window != main and window.title() == "Order Form"),
                                    None), 30, "a message box titled 'Order Form'")
        check_centred(box, "the vendor information")
        box.press("Return")
        box.wait_until_closed()

        main.press("ctrl+a")
        window = program.wait_for_window(ABOUT_TITLE)
        check_centred(window, "the About window")
        check(window.has_icon(), "the About window has no icon")
        window.push("OK")
        window.wait_until_closed()
        check(program.is_running() and main.is_visible(), "the main window went with the About")
        main.press("ctrl+a")
        program.wait_for_window(ABOUT_TITLE)


def close_main():
    """The main window's close box ends the program at once, without asking."""
    with Desktop("close-main") as desktop:
        program, main = start_to_main_window(desktop)
        main.click_close_box()
        check_equal(program.wait_for_end(), 0, "exit status")


# Controls whose captions come closest to their edges: the order window's
# buttons, its product boxes and payment and disk-size options, and the About
# window's web address.
GREY = (192, 192, 192)
ORDER_BUTTONS = (SAVE_TO_FILE, ORDER_LATER, PRINT_ORDER_FORM)
ORDER_FRAMES_WITH_BOXES = ("Click on box to order . . .", "Payment Method", "Disk Size")
ABOUT_BUTTONS = ("www.quendrel.example",)


def _differs(colour, other):
    return sum(abs(a - b) for a, b in zip(colour, other)) > 150


def _ink(picture, columns, rows, back):
    """Where something else than the back colour shows in these columns and
    rows: (x, y, colour), or None."""
    for x in columns:
        for y in rows:
            colour = picture.colour(x, y)
            if _differs(colour, back):
                return x, y, colour
    return None


def _cut_off_captions(picture, bevel, buttons, boxes):
    """The captions that reach their controls' edges, or None while the
    window is still being painted (a face not in its colour yet). Places are
    (left, top, width, height) in the picture."""
    found = []
    for name, ((left, top, width, height), face) in buttons.items():
        x0, x1, y0, y1 = left, left + width, top, top + height
        middle = range((y0 + y1) // 2 - bevel, (y0 + y1) // 2 + bevel)
        for columns in (range(x0 + bevel + 1, x0 + bevel + 3),
                        range(x1 - bevel - 3, x1 - bevel - 1)):
            if _differs(picture.colour(columns[0], y0 + bevel + 1), face):
                return None
            if ink := _ink(picture, columns, middle, face):
                found.append(f"{name!r} at {ink}")
    for name, (left, top, width, height) in boxes.items():
        x0, x1, y0, y1 = left, left + width, top, top + height
        if _differs(picture.colour(x1 - 2, y0 + 1), GREY):
            return None
        if ink := _ink(picture, range(x1 - 3, x1 - 1), range(y0 + 1, y1 - 1), GREY):
            found.append(f"{name!r} at {ink}")
    return found


def check_captions_whole(window, window_name, buttons, frames=()):
    """A caption cut off by its control's edge leaves its ink up to that
    edge. A push button's caption must stop short of the bevel, inside which
    a few columns stay the bare face; a check box's or option button's must
    stop short of the right edge of what the accessibility bus reports for
    it (its square and caption with a margin, which its own edge would cut).
    Pictures are taken until one shows the window painted and no caption cut
    off, for ten seconds at most."""
    places = {name: (window.in_picture(window.control(name, pyatspi.ROLE_PUSH_BUTTON)),
                     face_colour(window_name, name)) for name in buttons}
    boxes = {node.name: window.in_picture(node) for frame in frames
             for node in window.controls(lambda node: node.getRole() in (
                 pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON), within=frame)}
    expected_boxes = boxes_within(window_name, frames)
    check(len(boxes) == expected_boxes, f"{len(boxes)} check boxes and option buttons found in "
                                        f"{frames}, not {expected_boxes}")
    bevel = round(2 * window.scale())
    findings = []

    def whole():
        nonlocal findings
        findings = _cut_off_captions(window.picture(), bevel, places, boxes)
        return findings == []
    try:
        wait_for(whole, 10, "a picture", interval=0.1)
    except TestFailure:
        check(False, f"captions cut off: {findings}" if findings else
              f"{window!r} was never painted")


def large_text():
    """At 120 dpi and a scale factor of 2 every window is 2.5 times its size
    at 96 dpi, centred, and the captions closest to their controls' edges
    still show whole."""
    screen = (2048, 1536)
    with Desktop("large-text", screen=screen, text_dpi=120) as desktop:
        program, main = start_to_main_window(desktop, environment={"QT_SCALE_FACTOR": "2"})
        # Qt places windows in its own pixels, 2.5 screen pixels each.
        tolerance = 3

        def check_scaled(window, name, size):
            width, height = size
            actual = window.geometry()[2:]
            # The main window's menu bar is as high as its font at that
            # resolution, which may round to a pixel less or more.
            slack = 2.5 if name == "main" else 1
            check(abs(actual[0] - width * 2.5) <= 1 and abs(actual[1] - height * 2.5) <= slack,
                  f"the {name} window is {actual}, not 2.5 times {width} x {height}")
            check_centred(window, f"the {name} window", screen, tolerance)

        # The main window's client area lies below its menu bar, which the
        # bus reports in Qt's own pixels, those of 96 dpi.
        menu_bar = main.extents(
            main.controls(lambda node: node.getRole() == pyatspi.ROLE_MENU_BAR)[0])
        width, height = client_size("main")
        check_scaled(main, "main", (width, height + menu_bar[3]))
        order = open_order_window(program, main)
        check_scaled(order, "order", client_size("order"))
        check_captions_whole(order, "order", ORDER_BUTTONS, ORDER_FRAMES_WITH_BOXES)
        order.press("alt+F4")
        order.wait_until_closed()
        main.press("ctrl+a")
        about_window = program.wait_for_window(ABOUT_TITLE)
        check_scaled(about_window, "about", client_size("about"))
        # The focus rectangle goes to OK, away from the web address.
        about_window.press("Tab")
        check_captions_whole(about_window, "about", ABOUT_BUTTONS)


if __name__ == "__main__":
    in_private_session()
    run_tests({
        "about": about,
        "close-main": close_main,
        "large-text": large_text,
    })
