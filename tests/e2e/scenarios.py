#!/usr/bin/python3
"""End-to-end scenarios: the installed program, used the way a person would,
on a private X server. Each scenario is one CTest test:

    scenarios.py start | save | print | order-later | exit | desktop-entry | about |
                 close-order | close-main | large-text

Every desktop has a window manager (openbox), so the windows have frames.
"""

import shlex
import time

from orderform_e2e import (DESKTOP_ENTRY, PLACEHOLDERS, SCREEN_HEIGHT, SCREEN_WIDTH, Desktop,
                           check, check_dated, check_equal, order_file, pixels, print_jobs,
                           printed_form, printed_lines, run_tests, today, wait_for)

MAIN_TITLE = "^Order Form$"
ORDER_TITLE = r"^Quendrel Software Order Form \(USA\)$"
ABOUT_TITLE = "^ About Order Form$"


# ---------------------------------------------------------------------------
# Where the order window's controls are: rectangles (left, top, width,
# height) in twips in the window's client area, that is the place of the
# control in its container plus the container's own place. The panel lies
# at 120, 120; the catalogue frame at 6000, 240, the payment frame at 240,
# 3075 and the "Total Due" frame at 2760, 2280.

def _in_catalogue(left, top, width, height):
    return (6000 + left, 240 + top, width, height)


PRODUCTS = {
    0: _in_catalogue(240, 1440, 2535, 195),  # Tarvo Pairs  $19.95
    3: _in_catalogue(240, 2160, 3015, 195),  # Tarvo Trio (3 Games)  $29.95
    4: _in_catalogue(240, 240, 1455, 195),  # KUBLO$19.95
}
SALES_TAX_BOX = (2760 + 2400, 2280 + 2280, 495, 495)
MONEY_ORDER = (240 + 240, 3075 + 480, 2052, 252)
VISA = (240 + 240, 3075 + 1680, 852, 252)
SAVE_TO_FILE = (120 + 5880, 120 + 5400, 1692, 372)
ORDER_LATER = (120 + 7560, 120 + 5400, 1692, 372)
PRINT_ORDER_FORM = (120 + 5880, 120 + 5760, 3372, 372)
ORDER_WINDOW_SIZE = (9612, 6516)  # client area
ABOUT_OK = (360, 360, 732, 492)  # in the About window
# Client areas at 96 dpi, in pixels: the main window's includes its menu bar.
SIZES_AT_96_DPI = {"main": (525, 358), "order": (641, 434), "about": (251, 263)}


def tick(window, box):
    """Clicks a check box or option button on its square or circle, at the
    left end of the control and half way down."""
    left, top, _, height = box
    window.click_twips(left + 100, top + height // 2)


def tick_sales_tax(window):
    # This one box has its square at the right end of its rectangle.
    left, top, width, height = SALES_TAX_BOX
    window.click_twips(left + width - 100, top + height // 2)


def push(window, button):
    left, top, width, height = button
    window.click_twips(left + width // 2, top + height // 2)


def check_centred(window, what, screen=(SCREEN_WIDTH, SCREEN_HEIGHT), tolerance=2):
    """The window with its frame lies in the middle of the screen."""
    left, top, width, height = window.outer_geometry()
    check(abs(left - (screen[0] - width) / 2) <= tolerance and
          abs(top - (screen[1] - height) / 2) <= tolerance,
          f"{what} with its frame at {left}, {top} ({width} x {height}) is not centred on "
          f"the {screen[0]} x {screen[1]} screen")


def start_to_main_window(desktop, **options):
    program = desktop.start_program(**options)
    return program, program.wait_for_window(MAIN_TITLE, timeout=30)


def open_order_window(program, main, keys="ctrl+s"):
    main.press(keys)
    return program.wait_for_window(ORDER_TITLE)


def answer(program, title, *keys):
    """Presses keys in the message box with this title, which must then close."""
    box = program.message_box(title)
    box.press(*keys)
    box.wait_until_closed()


def fill_in(window, *entries):
    """Types each entry and presses Enter to move on to the next field."""
    for entry in entries:
        window.type(entry)
        window.press("Return")


# ---------------------------------------------------------------------------
# The order of the save and print scenarios: products 0 and 3 with the sales
# tax, whose tax amount the two documents space differently

CUSTOMER = {
    "name": "Jos\u00e9 Nowak",
    "address": "4 Linden Court",
    "city": "Hannibal",
    "state": "MO",
    "zip": "63401",
    "phone": "573-555-0188",
    "email": "jose@example.com",
}
CARD = ("J NOWAK", "4111 1111 1111 1111", "09/29")
TWO_PRODUCTS_WITH_TAX = {
    "fee_lines": ["Tarvo Pairs Registration Fee: $19.95", "Tarvo Trio Registration Fee: $29.95"],
    "sub_total": "49.90",
    "tax": ("3.231025", "3.23"),
    "total": "57.13",
}


def type_customer(window, customer):
    """Name to telephone number, Enter after each; the window opens with the
    name field's text selected, and each field selects its text on entry."""
    fill_in(window, customer["name"], customer["address"], customer["city"], customer["state"],
            customer["zip"], customer["phone"])


def type_email(window, email):
    """From the disk-size option, where Enter in the last card field ends
    up, Tab leads to the e-mail field. Enter there moves nowhere: the rest
    of the address typed after it lands in the same field."""
    window.press("Tab")
    middle = len(email) // 2
    window.type(email[:middle])
    window.press("Return")
    window.type(email[middle:])


def saved_file(desktop, program, window):
    """Presses "Save to File", answers the confirmation and gives the file."""
    push(window, SAVE_TO_FILE)
    answer(program, "Quendrel Software - ORDER.TXT Saved", "Return")
    files = sorted(path.name for path in desktop.work.iterdir())
    check_equal(files, ["order.txt"], "files in the working folder")
    return (desktop.work / "order.txt").read_bytes()


# ---------------------------------------------------------------------------
# The scenarios

def start():
    """The splash window shows for about a second, centred, then the main
    window takes its place; Ctrl+S opens the order window centred."""
    with Desktop("start") as desktop:
        program = desktop.start_program()
        splash = wait_for(lambda: program.visible_windows(), 15, "the splash window")[0]
        shown = time.monotonic()
        check_centred(splash, "the splash window")
        # 2930 x 1500 twips, frame included, on a 1024 x 768 screen.
        check_equal(splash.outer_geometry()[2:], (pixels(2930), pixels(1500)),
                    "splash window size")

        main = program.wait_for_window(MAIN_TITLE, timeout=10)
        lasted = time.monotonic() - shown
        check(0.6 <= lasted <= 3.0, f"the splash window lasted {lasted:.2f} s, not about one")
        wait_for(lambda: not splash.is_visible(), 5, "the splash window to close")
        check_equal(program.visible_windows(), [main], "windows once the main window is up")
        check_centred(main, "the main window")
        check(main.has_icon(), "the main window has no icon")

        order = open_order_window(program, main)
        check_equal(order.geometry()[2:], tuple(map(pixels, ORDER_WINDOW_SIZE)),
                    "order window size")
        check_centred(order, "the order window")
        check(not order.has_icon(), "the order window shows an icon")


def save():
    """An order with two products, sales tax and a VISA card, typed in
    with Enter between the fields, saved as ORDER.TXT."""
    with Desktop("save") as desktop:
        program, main = start_to_main_window(desktop)
        order = open_order_window(program, main)

        type_customer(order, CUSTOMER)
        # VISA enables the card fields; Tab leads from it to the first.
        tick(order, VISA)
        order.press("Tab")
        fill_in(order, *CARD)
        type_email(order, CUSTOMER["email"])
        tick(order, PRODUCTS[3])
        tick(order, PRODUCTS[0])
        tick_sales_tax(order)

        date = today()
        content = saved_file(desktop, program, order)
        check_dated(content, lambda day: order_file(
            day, **TWO_PRODUCTS_WITH_TAX, payment="VISA Payment", customer=CUSTOMER, card=CARD),
            date, "ORDER.TXT")
        check(order.is_visible(), "the order window closed after saving")


def print_form():
    """The same order paid by money order, printed: one job in the paused
    queue whose pages read as the form. No message follows a printout, and
    the keyboard focus lands on "Order Later"."""
    with Desktop("print") as desktop:
        program, main = start_to_main_window(desktop)
        order = open_order_window(program, main)
        type_customer(order, CUSTOMER)
        # From "Money Order (U.S.)" Tab leads to the e-mail field.
        tick(order, MONEY_ORDER)
        order.press("Tab")
        order.type(CUSTOMER["email"])
        for box in (PRODUCTS[0], PRODUCTS[3]):
            tick(order, box)
        tick_sales_tax(order)

        date = today()
        push(order, PRINT_ORDER_FORM)
        jobs = wait_for(lambda: print_jobs(desktop), 20, "a print job", interval=0.1)
        time.sleep(1)  # a second job would have shown by now
        check_equal(len(print_jobs(desktop)), 1, "print jobs in the queue")
        document = desktop.cups_spool / f"d{jobs[0]:05d}-001"
        wait_for(document.exists, 10, "the job's document in the spool")
        pages = printed_lines(document)
        check_equal(len(pages), 1, "printed pages")
        check_dated(pages[0], lambda day: printed_form(
            day, **TWO_PRODUCTS_WITH_TAX, customer=CUSTOMER,
            payment="Money Order Enclosed (Payable to 'Quendrel Software')"),
            date, "the printed form")
        check_equal([w.title() for w in program.visible_windows() if w != main and w != order],
                    [], "windows besides the main and order windows")

        # Space presses the button with the focus: "Order Later" closes the window.
        order.press("space")
        order.wait_until_closed()


def order_later():
    """What was typed and ticked is gone after "Order Later": the window that
    Ctrl+O opens next has nothing ticked and its fields hold their prompts."""
    with Desktop("order-later") as desktop:
        program, main = start_to_main_window(desktop)
        first = open_order_window(program, main)
        start_an_order(first)
        push(first, ORDER_LATER)
        first.wait_until_closed()
        check(program.is_running(), "the program ended with the order window")

        second = open_order_window(program, main, "ctrl+o")
        check_centred(second, "the order window opened again")
        check_fresh_order(desktop, program, second)


def start_an_order(window):
    window.type(CUSTOMER["name"])
    tick(window, PRODUCTS[0])
    tick_sales_tax(window)
    tick(window, VISA)


def check_fresh_order(desktop, program, window):
    """Nothing of an earlier order is left in the window: saving finds
    nothing ticked, and once one product is ticked the file shows the
    prompts and the first payment method."""
    push(window, SAVE_TO_FILE)
    answer(program, "Quendrel Software - Data Missing", "Return")
    check_equal(list(desktop.work.iterdir()), [], "files after saving nothing")

    tick(window, PRODUCTS[4])
    date = today()
    content = saved_file(desktop, program, window)
    check_dated(content, lambda day: order_file(
        day, ["KUBLO Registration Fee: $19.95"], "19.95", "23.95",
        "Check Enclosed (Payable to 'Quendrel Software')", PLACEHOLDERS),
        date, "ORDER.TXT of the fresh window")


def exit_program():
    """File > Exit asks first: No keeps the program, Yes ends it with status 0."""
    with Desktop("exit") as desktop:
        program, main = start_to_main_window(desktop)
        main.press("alt+f", "e")
        answer(program, "EXIT", "n")
        time.sleep(0.5)
        check(program.is_running(), "the program ended after No")
        check(main.is_visible(), "the main window closed after No")

        main.press("alt+f", "e")
        box = program.message_box("EXIT")
        box.press("y")
        check_equal(program.wait_for_end(), 0, "exit status")


def about():
    """Ctrl+D shows the vendor's details in a message box titled with the
    program's name; Ctrl+A opens the About window, its OK button closes it.
    Both open in the middle of the screen, frame included."""
    with Desktop("about") as desktop:
        program, main = start_to_main_window(desktop)
        main.press("ctrl+d")
        box = wait_for(lambda: next((window for window in program.visible_windows()
                                     if window != main and window.title() == "Order Form"),
                                    None), 10, "a message box titled 'Order Form'")
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


def close_order():
    """Alt+F4, the window manager's close, loses the order like "Order
    Later"; the main window carries on."""
    with Desktop("close-order") as desktop:
        program, main = start_to_main_window(desktop)
        first = open_order_window(program, main)
        start_an_order(first)
        first.press("alt+F4")
        first.wait_until_closed()
        check(program.is_running(), "the program ended with the order window")
        check_fresh_order(desktop, program, open_order_window(program, main))


def close_main():
    """The main window's close box ends the program at once, without asking."""
    with Desktop("close-main") as desktop:
        program, main = start_to_main_window(desktop)
        main.click_close_box()
        check_equal(program.wait_for_end(), 0, "exit status")


# Controls whose captions come closest to their edges, as (left, top, width,
# height) in twips in the client area.
ORDER_CAPTIONS = {
    "Save to File": SAVE_TO_FILE,
    "Order Later": ORDER_LATER,
    "Print Order Form": PRINT_ORDER_FORM,
}
# Products 4, 17 and 20 reach 12 or 15 twips under their right-hand
# neighbours; only what they show of themselves counts.
ORDER_BOXES = {f"product {index}": _in_catalogue(*place) for index, place in {
    4: (240, 240, 1440, 195), 5: (1680, 240, 1575, 240), 12: (240, 480, 3015, 240),
    17: (240, 960, 1680, 195), 19: (1920, 960, 1215, 195), 0: (240, 1440, 2535, 195),
    1: (240, 1680, 2655, 225), 20: (240, 3120, 1680, 240), 21: (1920, 3120, 1332, 240),
    11: (240, 2400, 2535, 195), 23: (240, 2640, 2535, 195)}.items()}
ORDER_BOXES.update({"VISA": VISA, "Money Order": MONEY_ORDER,
                    "American Express": (240 + 240, 3075 + 960, 2052, 252),
                    "Master Card": (240 + 240, 3075 + 1440, 1692, 255),
                    "Discover": (240 + 240, 3075 + 1200, 1335, 255)})
ABOUT_WEB_ADDRESS = (480, 3120, 2892, 492)


def _on_screen(twips_from, twips_to, scale):
    """A control's edges in twips as screen pixels: Qt rounds them to its own
    pixels, which the scale factor then enlarges."""
    return round(pixels(twips_from) * scale), round(pixels(twips_to) * scale)


def _ink(picture, columns, rows, back):
    """Whether anything but the back colour shows in these columns and rows."""
    return any(sum(abs(a - b) for a, b in zip(picture.colour(x, y), back)) > 150
               for x in columns for y in rows)


def check_captions_whole(window, scale, buttons=None, boxes=None):
    """A caption cut off by its control's edge leaves its ink up to that
    edge. A push button's caption must stop short of the bevel, inside which
    a few columns stay the bare face; a check box's or option button's must
    stop short of its right edge."""
    picture = window.picture()
    bevel = round(2 * scale)
    for name, (left, top, width, height) in (buttons or {}).items():
        x0, x1 = _on_screen(left, left + width, scale)
        y0, y1 = _on_screen(top, top + height, scale)
        middle = range((y0 + y1) // 2 - bevel, (y0 + y1) // 2 + bevel)
        for columns in (range(x0 + bevel + 1, x0 + bevel + 3), range(x1 - bevel - 3, x1 - bevel - 1)):
            check(not _ink(picture, columns, middle, picture.colour(columns[0], y0 + bevel + 1)),
                  f"the caption of {name!r} reaches the edge of its button")
    for name, (left, top, width, height) in (boxes or {}).items():
        x0, x1 = _on_screen(left, left + width, scale)
        y0, y1 = _on_screen(top, top + height, scale)
        check(not _ink(picture, range(x1 - 3, x1 - 1), range(y0 + 1, y1 - 1), (192, 192, 192)),
              f"the caption of {name!r} reaches the right edge of its control")


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
            check(abs(actual[0] - width * 2.5) <= 1 and abs(actual[1] - height * 2.5) <= 1,
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
        time.sleep(0.5)
        check_captions_whole(about_window, 2.5, {"web address": ABOUT_WEB_ADDRESS})


def desktop_entry():
    """The installed desktop entry starts the program in the home folder,
    wherever the launcher itself runs: ORDER.TXT goes there."""
    with Desktop("desktop-entry") as desktop:
        command = None
        for line in DESKTOP_ENTRY.read_text().splitlines():
            if line.startswith("Exec="):
                # No field codes and no escapes beyond the shell's quoting.
                command = shlex.split(line[len("Exec="):])
        check(command, f"no Exec line in {DESKTOP_ENTRY}")
        program, main = start_to_main_window(desktop, command=command, cwd=desktop.work)
        order = open_order_window(program, main)
        tick(order, PRODUCTS[4])
        push(order, SAVE_TO_FILE)
        answer(program, "Quendrel Software - ORDER.TXT Saved", "Return")
        check_equal(sorted(p.name for p in desktop.home.iterdir()), ["order.txt"],
                    "files in the home folder")
        check_equal(list(desktop.work.iterdir()), [], "files where the launcher runs")


if __name__ == "__main__":
    run_tests({
        "start": start,
        "save": save,
        "print": print_form,
        "order-later": order_later,
        "exit": exit_program,
        "desktop-entry": desktop_entry,
        "about": about,
        "close-order": close_order,
        "close-main": close_main,
        "large-text": large_text,
    })
