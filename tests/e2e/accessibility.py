#!/usr/bin/python3
"""The order window through the accessibility bus (AT-SPI), as a screen
reader user meets it: its text fields, product boxes and buttons found by
their accessible names, and an order saved through them alone.

Runs itself in a private D-Bus session (dbus-run-session), in which the
accessibility bus starts on demand; Qt joins it with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Needs Debian's python3-pyatspi, so it
runs with the system's /usr/bin/python3.
"""

import pyatspi

from assistive import do_action, find, in_private_session, is_enabled, start_accessible
from documents import check_dated, order_file, today
from orderform_e2e import Desktop, check, check_equal, run_tests, wait_for

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
# Its caption doubles the ampersand; the name has one.
PRODUCT = "GLYFFS Volumes I & II  $29.95"


def save_through_the_bus():
    with Desktop("accessibility") as desktop:
        program = start_accessible(desktop)
        main = program.wait_for_window("^Order Form$", timeout=15)
        application = program.application
        # A menu command would run the modal order window inside the bus
        # call and leave it unanswered: the keyboard opens it instead.
        main.press("ctrl+s")
        order = find(application, ORDER_TITLE, pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME)

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

        customer = dict(zip(["name", "address", "city", "state", "zip", "phone", "email"],
                            ENTRIES.values()))
        check_dated((desktop.work / "order.txt").read_bytes(), lambda day: order_file(
            day, ["GLYFFS Vol. I & II Registration Fee: $29.95"], "29.95", "33.95",
            "VISA Payment", customer, card=tuple(CARD_ENTRIES.values())),
            date, "ORDER.TXT")


if __name__ == "__main__":
    in_private_session()
    run_tests({"save": save_through_the_bus})
