#!/usr/bin/python3
"""Start-up and the order window under each window manager, against a bare X
server, in one run:

    ORDERFORM_E2E_PREFIX=<installed prefix> bench/window_managers.py [ROUNDS]

scripts/bench runs it on the program it has just built and installed. Each
window manager of the end-to-end tests' table gets a private desktop of its
own (Xvfb, 1024 x 768 at 96 dpi), and one more has none; all of them stay up
for the whole run. Each round goes through the desktops turn about: start the
program and wait for its main window, press Ctrl+S and wait for the order
window, close it (WM_DELETE_WINDOW), end the program. A window counts as
shown once X says it is viewable (asked every 5 ms, over a connection of the
script's own); start-up is timed from
the program's start, so it includes the splash window's one second. The
medians of all rounds are printed as a Markdown table, with each desktop's
difference from and ratio to the bare X server.
"""

import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from desktop_scenarios import Sightings, open_by_keys, timed_wait  # noqa: E402
from orderform_e2e import PROGRAM, WINDOW_MANAGERS, Desktop  # noqa: E402
from scenarios import MAIN_TITLE, ORDER_TITLE  # noqa: E402

BARE = "none"


def once(desktop):
    """Seconds from the start to the main window, and from Ctrl+S to the
    order window."""
    started = time.monotonic()
    program = desktop.start_program()
    with Sightings(program) as sightings:
        main, shown = timed_wait(lambda: sightings.find(MAIN_TITLE), 30, "the main window")
        order, order_took = open_by_keys(main, "ctrl+s", lambda: sightings.find(ORDER_TITLE),
                                         "the order window")
    order.ask_to_close()
    order.wait_until_closed()
    program.process.terminate()
    program.process.wait(10)
    return shown - started, order_took


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 7
    if not PROGRAM.exists():
        sys.exit(f"no installed program at {PROGRAM}: set ORDERFORM_E2E_PREFIX")
    names = [BARE, *WINDOW_MANAGERS]
    desktops = {}
    try:
        for name in names:
            desktop = Desktop(f"bench-{name}", printers=False,
                              window_manager=None if name == BARE else name)
            desktops[name] = desktop.__enter__()
        for desktop in desktops.values():  # a first run of each, not counted
            once(desktop)
        figures = {name: [] for name in names}
        for number in range(rounds):
            print(f"round {number + 1} of {rounds}", file=sys.stderr)
            for name, desktop in desktops.items():
                figures[name].append(once(desktop))
    finally:
        for desktop in reversed(list(desktops.values())):
            desktop.__exit__(None, None, None)

    medians = {name: [statistics.median(run[column] for run in runs) for column in (0, 1)]
               for name, runs in figures.items()}
    bare_start, bare_order = medians[BARE]
    print(f"Medians of {rounds} rounds, turn about:\n")
    print("| Window manager | start-up to the main window | vs none | "
          "Ctrl+S to the order window | vs none |")
    print("|---|---|---|---|---|")
    for name, (start, order) in medians.items():
        print(f"| {name} | {start * 1000:.0f} ms | {(start - bare_start) * 1000:+.0f} ms, "
              f"{start / bare_start:.2f}x | {order * 1000:.0f} ms | "
              f"{(order - bare_order) * 1000:+.0f} ms, {order / bare_order:.2f}x |")


if __name__ == "__main__":
    main()
