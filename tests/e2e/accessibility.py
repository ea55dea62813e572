#!/usr/bin/python3
"""The order window through the accessibility bus (AT-SPI), as a screen
reader user meets it: its text fields, product boxes and buttons found by
their accessible names, and an order saved through them alone; a keyboard-only
order that reads the products' descriptions and the words of a printing
failure through the bus; and a click with a moving hand into each text field,
at the place the bus gives for it.

    accessibility.py save | keyboard-order | pointer-fields

Runs itself in a private D-Bus session (dbus-run-session), in which the
accessibility bus starts on demand; Qt joins it with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Needs Debian's python3-pyatspi, so it
runs with the system's /usr/bin/python3.
"""

import subprocess

import pyatspi

from assistive import do_action, find, in_private_session, is_enabled, start_accessible
from documents import check_dated, order_txt, today
from orderform_e2e import (PRIVATE_CUPSD, Desktop, check, check_equal, run_tests, wait_for,
                           xdotool)

ORDER_TITLE = "Quendrel Software Order Form (USA)"
ENTRIES = {
    "Full name": "Ada Lovelace",
    "Address": "12 St James's Square",
    "City": "London",
    "State or country": "UK",
    "ZIP or post code": "SW1Y 4JH",
    "Telephone number": "+44 20 7946 0321",
    "E-mail address": "ada@example.org",
}
CARD_ENTRIES = {
    "Cardholder name": "A A LOVELACE",
    "Card number": "5555 4444 3333 1111",
    "Card expiry date": "12/30",
}
# Its caption doubles the ampersand; the name has one. It is catalogue row 9.
PRODUCT = "GLYFFS Volumes I & II  $29.95"
PRODUCT_ROW = 9
SALES_TAX_BOX = "Add Missouri sales tax"
DESCRIPTION_BOX = "Product description"
# The products the keyboard-only order ticks, with their catalogue rows and
# how each description begins.
TICKED = {
    "Tarvo Sums  $19.95": (1, "Tarvo Sums:  "),
    PRODUCT: (PRODUCT_ROW, "GLYFFS Vol. I & II:  "),
    "Shareware Order Form $19.95": (18, "ORDER FORM SOURCE CODE (Royalty Free): \n"),
}
PRINT_FAILURE_TITLE = "Unable To Print, Please Check Your Printer"
CUSTOMER_KEYS = ["name", "address", "city", "state", "zip", "phone", "email"]
CUSTOMER = dict(zip(CUSTOMER_KEYS, ENTRIES.values()))
CARD = dict(zip(["name", "number", "expiry"], CARD_ENTRIES.values()))


def focused(root):
    """The accessible below root that has the keyboard focus, as the bus
    tells it now, or None."""
    root.clearCache()
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getState().contains(pyatspi.STATE_FOCUSED))


def next_stop(root, previous):
    """The accessible with the focus once the focus has left `previous`."""
    def probe():
        now = focused(root)
        moved = now and (now.name, now.getRole()) != (previous.name, previous.getRole())
        return now if moved else None
    return wait_for(probe, 10, f"the focus to move on from {previous.name!r}", interval=0.05)


def description(node):
    node.clearCache()
    return node.description


def start_on_the_bus(desktop):
    """The program started on the accessibility bus, and its order window
    opened: the program, the order window on the bus and the order window on
    the X server."""
    program = start_accessible(desktop)
    main = program.wait_for_window("^Order Form$", timeout=15)
    # A menu command would run the modal order window inside the bus call and
    # leave it unanswered: the keyboard opens it instead.
    main.press("ctrl+s")
    order = find(program.application, ORDER_TITLE, pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME)
    window = program.wait_for_window(r"^Quendrel Software Order Form \(USA\)$")
    return program, program.application, order, window


def save_through_the_bus():
    with Desktop("accessibility") as desktop:
        program, application, order, _ = start_on_the_bus(desktop)

        card_fields = {name: find(order, name, pyatspi.ROLE_TEXT) for name in CARD_ENTRIES}
        check(not any(map(is_enabled, card_fields.values())),
              "the card fields are enabled before a card is chosen")
        do_action(find(order, "VISA", pyatspi.ROLE_RADIO_BUTTON), "Toggle")
        wait_for(lambda: all(map(is_enabled, card_fields.values())), 5,
                 "VISA to enable the card fields")

        for name, text in {**ENTRIES, **CARD_ENTRIES}.items():
            field = find(order, name, pyatspi.ROLE_TEXT)
            field.queryEditableText().setTextContents(text)
            check_equal(field.queryText().getText(0, -1), text, f"the text of {name!r}")

        product = find(order, PRODUCT, pyatspi.ROLE_CHECK_BOX)
        do_action(product, "Toggle")
        wait_for(lambda: product.getState().contains(pyatspi.STATE_CHECKED), 5,
                 f"{PRODUCT!r} to be ticked")

        date = today()
        do_action(find(order, "Save to File", pyatspi.ROLE_PUSH_BUTTON), "Press")
        message = find(application, "Quendrel Software - ORDER.TXT Saved", pyatspi.ROLE_ALERT,
                       pyatspi.ROLE_DIALOG)
        do_action(find(message, "OK", pyatspi.ROLE_PUSH_BUTTON), "Press")
        wait_for(lambda: not program.find_window("^Quendrel Software - ORDER.TXT Saved$"), 10,
                 "the message to close")

        check_dated((desktop.work / "order.txt").read_bytes(), lambda day: order_txt(day, {
            "products": [PRODUCT_ROW], "payment": "VISA", "customer": CUSTOMER, "card": CARD}),
            date, "ORDER.TXT")


def keyboard_order():
    """From the keyboard alone: the customer typed in with Enter between the
    fields, then Tab from stop to stop to "Save to File". At each product the
    bus reads the box's own description and the description box's text, the
    same; three products are ticked with Space on the way. Saved with Enter;
    then, with the printing system stopped, "Print Order Form" says so."""
    with Desktop("accessibility-keyboard") as desktop:
        program, application, order, window = start_on_the_bus(desktop)
        description_box = find(order, DESCRIPTION_BOX, pyatspi.ROLE_LABEL)
        for key in CUSTOMER_KEYS[:6]:
            window.type(CUSTOMER[key])
            window.press("Return")
        # Enter in the telephone field led to the payment method; past the
        # disk size comes the e-mail field.
        window.press("Tab", "Tab")
        window.type(CUSTOMER["email"])

        shown = {}  # each product's description, as the box and the description box read
        stop = focused(order)
        while stop.name != "Save to File":
            window.press("Tab")
            stop = next_stop(order, stop)
            if stop.getRole() != pyatspi.ROLE_CHECK_BOX or stop.name == SALES_TAX_BOX:
                continue
            shown[stop.name] = (description(stop), description(description_box))
            if stop.name in TICKED:
                window.press("space")
                wait_for(lambda: stop.getState().contains(pyatspi.STATE_CHECKED), 5,
                         f"{stop.name!r} to be ticked")

        # The products as the window lists them on the bus, however many.
        products = [node.name for node in pyatspi.findAllDescendants(
            order, lambda node: node.getRole() == pyatspi.ROLE_CHECK_BOX
            and node.name != SALES_TAX_BOX)]
        check(products, "the order window lists no product on the bus")
        check_equal(sorted(shown), sorted(products), "products the Tab key reached")
        for name, (own, box) in shown.items():
            check(own.strip(), f"{name!r} has no description of its own")
            check_equal(box, own, f"the description box at {name!r}")
        check_equal(len({own for own, _ in shown.values()}), len(products),
                    "different descriptions")
        check_equal([name for name, (own, _) in shown.items() if "\n" in own],
                    ["Shareware Order Form $19.95"], "products with a two-line description")
        for name, (_, start) in TICKED.items():
            check(shown[name][0].startswith(start), f"{name!r} describes {shown[name][0]!r}")

        date = today()
        window.press("Return")
        message = program.message_box("Quendrel Software - ORDER.TXT Saved")
        message.press("Return")
        message.wait_until_closed()
        check_dated((desktop.work / "order.txt").read_bytes(), lambda day: order_txt(day, {
            "products": [row for row, _ in TICKED.values()], "customer": CUSTOMER}),
            date, "order.txt")

        # The save left the focus on "Order Later"; next comes "Print Order Form".
        stopped = subprocess.run(
            ["bash", str(PRIVATE_CUPSD), "stop", str(desktop.cups / "scheduler")],
            capture_output=True, text=True, timeout=60)
        check(stopped.returncode == 0, f"the printing system did not stop: {stopped.stderr}")
        window.press("Tab", "space")
        box = find(application, PRINT_FAILURE_TITLE, pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG,
                   timeout=60)
        words = [node.name for node in pyatspi.findAllDescendants(
            box, lambda node: node is not None and node.getRole() == pyatspi.ROLE_LABEL)]
        check(any(text.startswith("The printing system is not running.\n") for text in words),
              f"the printing failure reads {words}")
        failure = program.message_box(PRINT_FAILURE_TITLE)
        failure.press("Escape")
        failure.wait_until_closed()
        check(window.is_visible(), "the order window closed after the printing failure")


def press_and_let_go(node, move=(2, 0)):
    """The left button goes down inside an accessible, at a third of its
    width and half its height, the hand moves a little, the button comes up."""
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", extents.x + extents.width // 3,
            extents.y + extents.height // 2)
    xdotool("mousedown", 1)
    xdotool("mousemove_relative", "--sync", *move)
    xdotool("mouseup", 1)


def text_of(field):
    field.clearCache()
    return field.queryText().getText(0, -1)


def click_into_the_fields():
    """A click into the name field, which has the focus from the start, puts
    the caret at the pointer. Then into each text field from another, the
    name field last: the button goes down, the hand moves 2 pixels, the
    button comes up, then typing. Each field holds only what was typed, and
    so does the saved file."""
    with Desktop("accessibility-pointer") as desktop:
        program, _, order, window = start_on_the_bus(desktop)
        name_field = find(order, "Full name", pyatspi.ROLE_TEXT)
        prompt = text_of(name_field)
        press_and_let_go(name_field, move=(0, 0))
        window.type("X")
        wait_for(lambda: len(text_of(name_field)) == len(prompt) + 1, 5,
                 f"the name field to take one key, not {text_of(name_field)!r}")
        check_equal(text_of(name_field).replace("X", "", 1), prompt,
                    "the name field's prompt around the key typed where it was clicked")
        entries = {**ENTRIES, **CARD_ENTRIES}
        for name in sorted(entries, key=lambda name: name == "Full name"):
            text = entries[name]
            if name in CARD_ENTRIES and not is_enabled(find(order, name, pyatspi.ROLE_TEXT)):
                press_and_let_go(find(order, "Discover", pyatspi.ROLE_RADIO_BUTTON), move=(0, 0))
                wait_for(lambda: is_enabled(find(order, name, pyatspi.ROLE_TEXT)), 5,
                         "Discover to enable the card fields")
            field = find(order, name, pyatspi.ROLE_TEXT)
            press_and_let_go(field)
            window.type(text)
            wait_for(lambda: text_of(field) == text, 5,
                     f"{name!r} to hold {text!r}, not {text_of(field)!r}")
        product = find(order, PRODUCT, pyatspi.ROLE_CHECK_BOX)
        press_and_let_go(product, move=(0, 0))
        wait_for(lambda: product.getState().contains(pyatspi.STATE_CHECKED), 5,
                 f"{PRODUCT!r} to be ticked")

        date = today()
        press_and_let_go(find(order, "Save to File", pyatspi.ROLE_PUSH_BUTTON), move=(0, 0))
        message = program.message_box("Quendrel Software - ORDER.TXT Saved")
        message.press("Return")
        message.wait_until_closed()
        check_dated((desktop.work / "order.txt").read_bytes(), lambda day: order_txt(day, {
            "products": [PRODUCT_ROW], "payment": "Discover", "customer": CUSTOMER,
            "card": CARD}), date, "order.txt")


if __name__ == "__main__":
    in_private_session()
    run_tests({"save": save_through_the_bus, "keyboard-order": keyboard_order,
               "pointer-fields": click_into_the_fields})
