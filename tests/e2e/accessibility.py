#!/usr/bin/python3
"""The order window through the accessibility bus (AT-SPI), as a screen
reader user meets it: its text fields, product boxes and buttons found by
their accessible names, and an order saved through them alone.

Runs itself in a private D-Bus session (dbus-run-session), in which the
accessibility bus starts on demand; Qt joins it with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Needs Debian's python3-pyatspi, so it
runs with the system's /usr/bin/python3.
"""

import os
import sys

PRIVATE_SESSION = "ORDERFORM_E2E_PRIVATE_DBUS_SESSION"

if __name__ == "__main__" and not os.environ.get(PRIVATE_SESSION):
    # dbus-run-session ends its bus by its process id once this test ends.
    os.environ[PRIVATE_SESSION] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

import pyatspi  # noqa: E402  (only inside the private session)

from documents import check_dated, order_file, today  # noqa: E402
from orderform_e2e import Desktop, check, check_equal, run_tests, wait_for  # noqa: E402

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


def find(root, name, *roles, timeout=10):
    """The first accessible below root with this name and one of the roles."""
    def probe():
        return pyatspi.findDescendant(
            root, lambda node: node is not None and node.name == name and node.getRole() in roles)
    return wait_for(probe, timeout, f"an accessible {name!r}", interval=0.1)


def program_on_bus(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def probe():
        for application in desktop:
            if application is not None and application.get_process_id() == pid:
                return application
        return None
    return wait_for(probe, 60, "the program on the accessibility bus", interval=0.1)


def do_action(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{node.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


def is_enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def accessibility_bus_ready():
    """The accessibility bus and its registry answer: asking the registry for
    the desktop starts both on demand. The program starts only then, so that
    it never registers with a registry still on its way up."""
    def probe():
        try:
            return pyatspi.Registry.getDesktop(0).childCount >= 0
        except Exception:  # not up yet
            return False
    wait_for(probe, 60, "the accessibility bus", interval=0.1)


def save_through_the_bus():
    with Desktop("accessibility") as desktop:
        accessibility_bus_ready()
        program = desktop.start_program(environment={
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
        })
        main = program.wait_for_window("^Order Form$", timeout=15)
        application = program_on_bus(program.pid)
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
    run_tests({"save": save_through_the_bus})
