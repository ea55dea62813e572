#!/usr/bin/python3
"""End-to-end scenarios of the shell windows: the main window, the About
window and the messages, on a desktop with a window manager. Each scenario
is one CTest test:

    shell_scenarios.py about | close-main | large-text
"""

from orderform_e2e import (Desktop, TestFailure, check, check_equal, pixels, run_tests,
                           wait_for)
from scenarios import (MONEY_ORDER, ORDER_LATER, PRINT_ORDER_FORM, SAVE_TO_FILE, VISA,
                       check_centred, in_catalogue, open_order_window, push,
                       start_to_main_window)

ABOUT_TITLE = "^ About Order Form$"
ABOUT_OK = (360, 360, 732, 492)  # in the About window
# Client areas at 96 dpi, in pixels: the main window's includes its menu bar.
SIZES_AT_96_DPI = {"main": (525, 358), "order": (641, 434), "about": (251, 263)}


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
        push(window, ABOUT_OK)
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


# Controls whose captions come closest to their edges, as (left, top, width,
# height) in twips in the client area, with their face colours.
GREY = (192, 192, 192)
ORDER_CAPTIONS = {
    "Save to File": (SAVE_TO_FILE, GREY),
    "Order Later": (ORDER_LATER, GREY),
    "Print Order Form": (PRINT_ORDER_FORM, (0, 255, 0)),
}
# Products 4, 17 and 20 reach 12 or 15 twips under their right-hand
# neighbours; only what they show of themselves counts.
ORDER_BOXES = {f"product {index}": in_catalogue(*place) for index, place in {
    4: (240, 240, 1440, 195), 5: (1680, 240, 1575, 240), 12: (240, 480, 3015, 240),
    17: (240, 960, 1680, 195), 19: (1920, 960, 1215, 195), 0: (240, 1440, 2535, 195),
    1: (240, 1680, 2655, 225), 20: (240, 3120, 1680, 240), 21: (1920, 3120, 1332, 240),
    11: (240, 2400, 2535, 195), 23: (240, 2640, 2535, 195)}.items()}
ORDER_BOXES.update({"VISA": VISA, "Money Order": MONEY_ORDER,
                    "American Express": (240 + 240, 3075 + 960, 2052, 252),
                    "Master Card": (240 + 240, 3075 + 1440, 1692, 255),
                    "Discover": (240 + 240, 3075 + 1200, 1335, 255)})
ABOUT_CAPTIONS = {"web address": ((480, 3120, 2892, 492), (255, 255, 0))}


def _on_screen(twips_from, twips_to, scale):
    """A control's edges in twips as screen pixels: Qt rounds them to its own
    pixels, which the scale factor then enlarges."""
    return round(pixels(twips_from) * scale), round(pixels(twips_to) * scale)


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


def _cut_off_captions(picture, scale, buttons, boxes):
    """The captions that reach their controls' edges, or None while the
    window is still being painted (a face not in its colour yet)."""
    found = []
    bevel = round(2 * scale)
    for name, ((left, top, width, height), face) in buttons.items():
        x0, x1 = _on_screen(left, left + width, scale)
        y0, y1 = _on_screen(top, top + height, scale)
        middle = range((y0 + y1) // 2 - bevel, (y0 + y1) // 2 + bevel)
        for columns in (range(x0 + bevel + 1, x0 + bevel + 3),
                        range(x1 - bevel - 3, x1 - bevel - 1)):
            if _differs(picture.colour(columns[0], y0 + bevel + 1), face):
                return None
            if ink := _ink(picture, columns, middle, face):
                found.append(f"{name!r} at {ink}")
    for name, (left, top, width, height) in boxes.items():
        x0, x1 = _on_screen(left, left + width, scale)
        y0, y1 = _on_screen(top, top + height, scale)
        if _differs(picture.colour(x1 - 2, y0 + 1), GREY):
            return None
        if ink := _ink(picture, range(x1 - 3, x1 - 1), range(y0 + 1, y1 - 1), GREY):
            found.append(f"{name!r} at {ink}")
    return found


def check_captions_whole(window, scale, buttons, boxes=None):
    """A caption cut off by its control's edge leaves its ink up to that
    edge. A push button's caption must stop short of the bevel, inside which
    a few columns stay the bare face; a check box's or option button's must
    stop short of its right edge. Pictures are taken until one shows the
    window painted and no caption cut off, for ten seconds at most."""
    findings = []

    def whole():
        nonlocal findings
        findings = _cut_off_captions(window.picture(), scale, buttons, boxes or {})
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

        def check_scaled(window, name):
            width, height = SIZES_AT_96_DPI[name]
            actual = window.geometry()[2:]
            # The main window's menu bar is as high as its font at that
            # resolution, which may round to a pixel less or more.
            slack = 2.5 if name == "main" else 1
            check(abs(actual[0] - width * 2.5) <= 1 and abs(actual[1] - height * 2.5) <= slack,
                  f"the {name} window is {actual}, not 2.5 times {width} x {height}")
            check_centred(window, f"the {name} window", screen, tolerance)

        check_scaled(main, "main")
        order = open_order_window(program, main)
        check_scaled(order, "order")
        check_captions_whole(order, 2.5, ORDER_CAPTIONS, ORDER_BOXES)
        order.press("alt+F4")
        order.wait_until_closed()
        main.press("ctrl+a")
        about_window = program.wait_for_window(ABOUT_TITLE)
        check_scaled(about_window, "about")
        # The focus rectangle goes to OK, away from the web address.
        about_window.press("Tab")
        check_captions_whole(about_window, 2.5, ABOUT_CAPTIONS)


if __name__ == "__main__":
    run_tests({
        "about": about,
        "close-main": close_main,
        "large-text": large_text,
    })
