#!/usr/bin/python3
"""End-to-end scenarios: the installed program, used the way a person would,
on a private X server. Each scenario is one CTest test:

    scenarios.py start | save | print | order-later | exit | desktop-entry | close-order |
                 mouse-only | keyboard-only

The shell windows' own scenarios are in shell_scenarios.py.

Every desktop has a window manager (openbox), so the windows have frames.
The program's controls are found as assistive tools find them: by their
accessible names, at the places the accessibility bus reports (assistive.py).
"""

import shlex
import time

from assistive import in_private_session, start_accessible
from documents import check_dated, order_txt, paper_form, print_jobs, printed_lines, today
from expected_layout import client_size, splash_size_on_1024_by_768
from orderform_e2e import (DESKTOP_ENTRY, SCREEN_HEIGHT, SCREEN_WIDTH, Desktop, check,
                           check_equal, run_tests, wait_for)

MAIN_TITLE = "^Order Form$"
ORDER_TITLE = r"^Quendrel Software Order Form \(USA\)$"


# ---------------------------------------------------------------------------
# The order window's controls by their accessible names: a product box's is
# its caption as shown, an entry field's says what it holds.

PRODUCTS = {
    0: "Tarvo Pairs  $19.95",
    3: "Tarvo Trio (3 Games)  $29.95",
    4: "KUBLO$19.95",
}
SALES_TAX_BOX = "Add Missouri sales tax"
MONEY_ORDER = "Money Order (U.S.)"
MASTER_CARD = "Master Card"
VISA = "VISA"
FIELDS = {
    "name": "Full name",
    "address": "Address",
    "city": "City",
    "state": "State or country",
    "zip": "ZIP or post code",
    "phone": "Telephone number",
    "email": "E-mail address",
    "card name": "Cardholder name",
    "card number": "Card number",
    "card expiry": "Card expiry date",
}
SAVE_TO_FILE = "Save to File"
ORDER_LATER = "Order Later"
PRINT_ORDER_FORM = "Print Order Form"


def check_centred(window, what, screen=(SCREEN_WIDTH, SCREEN_HEIGHT), tolerance=2):
    """The window with its frame lies in the middle of the screen."""
    left, top, width, height = window.outer_geometry()
    check(abs(left - (screen[0] - width) / 2) <= tolerance and
          abs(top - (screen[1] - height) / 2) <= tolerance,
          f"{what} with its frame at {left}, {top} ({width} x {height}) is not centred on "
          f"the {screen[0]} x {screen[1]} screen")


def start_to_main_window(desktop, **options):
    """Starts the program on the accessibility bus and waits for its main window."""
    program = start_accessible(desktop, **options)
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
CARD = {"name": "J NOWAK", "number": "4111 1111 1111 1111", "expiry": "09/29"}
TWO_PRODUCTS_WITH_TAX = {"products": [0, 3], "sales tax": True}


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


def saved_file(desktop, program, window, save=None):
    """Presses "Save to File" (or does `save`), answers the confirmation and
    gives the file."""
    if save:
        save()
    else:
        window.push(SAVE_TO_FILE)
    answer(program, "Quendrel Software - ORDER.TXT Saved", "Return")
    files = sorted(path.name for path in desktop.work.iterdir())
    check_equal(files, ["order.txt"], "files in the working folder")
    return (desktop.work / "order.txt").read_bytes()


# ---------------------------------------------------------------------------
# The scenarios

def start():
    """The splash window shows centred, then the main window takes its
    place; Ctrl+S opens the order window centred."""
    with Desktop("start") as desktop:
        program = desktop.start_program()
        splash = wait_for(lambda: program.visible_windows(), 15, "the splash window")[0]
        check_centred(splash, "the splash window")
        # A size of its own, frame included, on a 1024 x 768 screen.
        check_equal(splash.outer_geometry()[2:], splash_size_on_1024_by_768(),
                    "splash window size")

        # How long it shows is tst_splashwindow's and bench/startup_race's.
        main = program.wait_for_window(MAIN_TITLE, timeout=10)
        wait_for(lambda: not splash.is_visible(), 5, "the splash window to close")
        check_equal(program.visible_windows(), [main], "windows once the main window is up")
        check_centred(main, "the main window")
        check(main.has_icon(), "the main window has no icon")

        order = open_order_window(program, main)
        check_equal(order.geometry()[2:], client_size("order"), "order window size")
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
        order.tick(VISA)
        order.press("Tab")
        fill_in(order, *CARD.values())
        type_email(order, CUSTOMER["email"])
        order.tick(PRODUCTS[3])
        order.tick(PRODUCTS[0])
        order.tick(SALES_TAX_BOX)

        date = today()
        content = saved_file(desktop, program, order)
        check_dated(content, lambda day: order_txt(day, {
            **TWO_PRODUCTS_WITH_TAX, "payment": "VISA", "customer": CUSTOMER, "card": CARD}),
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
        order.tick(MONEY_ORDER)
        order.press("Tab")
        order.type(CUSTOMER["email"])
        for box in (PRODUCTS[0], PRODUCTS[3]):
            order.tick(box)
        order.tick(SALES_TAX_BOX)

        date = today()
        order.push(PRINT_ORDER_FORM)
        jobs = wait_for(lambda: print_jobs(desktop), 20, "a print job", interval=0.1)
        time.sleep(1)  # a second job would have shown by now
        check_equal(len(print_jobs(desktop)), 1, "print jobs in the queue")
        document = desktop.cups_spool / f"d{jobs[0]:05d}-001"
        wait_for(document.exists, 10, "the job's document in the spool")
        pages = printed_lines(document)
        check_equal(len(pages), 1, "printed pages")
        check_dated(pages[0], lambda day: paper_form(day, {
            **TWO_PRODUCTS_WITH_TAX, "payment": "Money Order", "customer": CUSTOMER}),
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
        first.push(ORDER_LATER)
        first.wait_until_closed()
        check(program.is_running(), "the program ended with the order window")

        second = open_order_window(program, main, "ctrl+o")
        check_centred(second, "the order window opened again")
        check_fresh_order(desktop, program, second)


def start_an_order(window):
    window.type(CUSTOMER["name"])
    window.tick(PRODUCTS[0])
    window.tick(SALES_TAX_BOX)
    window.tick(VISA)


def check_fresh_order(desktop, program, window):
    """Nothing of an earlier order is left in the window: saving finds
    nothing ticked, and once one product is ticked the file shows the
    prompts and the first payment method."""
    window.push(SAVE_TO_FILE)
    answer(program, "Quendrel Software - Data Missing", "Return")
    check_equal(list(desktop.work.iterdir()), [], "files after saving nothing")

    window.tick(PRODUCTS[4])
    date = today()
    content = saved_file(desktop, program, window)
    check_dated(content, lambda day: order_txt(day, {"products": [4]}),
                date, "ORDER.TXT of the fresh window")


def mouse_only():
    """A whole order put together with the mouse: boxes clicked towards the
    far end of what the accessibility bus reports for them (square and
    caption), each field clicked into and typed over, with no key to select
    its prompt. The desktop speaks German: the amounts and the date in
    ORDER.TXT stay as they are everywhere."""
    with Desktop("mouse-only") as desktop:
        program, main = start_to_main_window(
            desktop, environment={"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8"})
        order = open_order_window(program, main)
        order.click_at(PRODUCTS[3], 0.9)
        order.click_at(PRODUCTS[0], 0.95, 0.8)
        order.click_at(SALES_TAX_BOX, 0.4)
        order.click_at(MASTER_CARD, 0.9)
        entries = {"name": "Ana Lima", "address": "12 Elm St", "city": "Joplin", "state": "MO",
                   "zip": "64801", "phone": "417-555-0142", "email": "ana@example.com",
                   "card name": "ANA LIMA", "card number": "5500 0000 0000 0004",
                   "card expiry": "11/28"}
        for field, text in entries.items():
            order.click_at(FIELDS[field], 0.6)
            order.type(text)

        date = today()
        content = saved_file(desktop, program, order,
                             save=lambda: order.click_at(SAVE_TO_FILE, 0.2, 0.3))
        customer = {key: entries[key] for key in CUSTOMER}
        card = {key: entries["card " + key] for key in CARD}
        check_dated(content, lambda day: order_txt(day, {
            **TWO_PRODUCTS_WITH_TAX, "payment": "MasterCard", "customer": customer, "card": card}),
            date, "ORDER.TXT")


def keyboard_only():
    """A whole order put together from the keyboard from the moment the
    order window opens: typing, Enter from field to field, the arrow keys in
    the payment group, Tab to each box as the accessibility bus follows the
    focus and Space on it, Enter on "Save to File". The desktop speaks
    Turkish."""
    with Desktop("keyboard-only") as desktop:
        program, main = start_to_main_window(
            desktop, environment={"LANG": "tr_TR.UTF-8", "LC_ALL": "tr_TR.UTF-8"})
        order = open_order_window(program, main)
        customer = {"name": "Tomas Berg", "address": "9 Harbour Road", "city": "Cork",
                    "state": "Ireland", "zip": "T12 X70", "phone": "+353 21 555 0100",
                    "email": "tomas@example.com"}
        card = {"name": "T BERG", "number": "4111 1111 1111 1111", "expiry": "01/30"}
        fill_in(order, *list(customer.values())[:6])
        # Enter in the telephone field led to "Check (U.S. Bank)"; up from it,
        # round the group, is "VISA", the last, which enables the card fields.
        order.press("Up", "Tab")
        fill_in(order, *card.values())
        # Enter in the last card field led to the disk size; then the e-mail.
        order.press("Tab")
        order.type(customer["email"])
        for box in (PRODUCTS[0], PRODUCTS[3], SALES_TAX_BOX):
            order.tab_to(box)
            order.press("space")

        def save():
            order.tab_to(SAVE_TO_FILE)
            order.press("Return")
        date = today()
        content = saved_file(desktop, program, order, save=save)
        check_dated(content, lambda day: order_txt(day, {
            **TWO_PRODUCTS_WITH_TAX, "payment": "VISA", "customer": customer, "card": card}),
            date, "ORDER.TXT")


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
        order.tick(PRODUCTS[4])
        order.push(SAVE_TO_FILE)
        answer(program, "Quendrel Software - ORDER.TXT Saved", "Return")
        check_equal(sorted(p.name for p in desktop.home.iterdir()), ["order.txt"],
                    "files in the home folder")
        check_equal(list(desktop.work.iterdir()), [], "files where the launcher runs")


if __name__ == "__main__":
    in_private_session()
    run_tests({
        "start": start,
        "save": save,
        "print": print_form,
        "order-later": order_later,
        "exit": exit_program,
        "desktop-entry": desktop_entry,
        "close-order": close_order,
        "mouse-only": mouse_only,
        "keyboard-only": keyboard_only,
    })
