#!/usr/bin/python3
"""Every window under each window manager, against a bare X server, in one
run:

    ORDERFORM_E2E_PREFIX=<installed prefix> bench/window_managers.py [ROUNDS [NAME...]]

scripts/bench runs it on the program it has just built and installed. Each
window manager of the end-to-end tests' table (or each one named) gets a
private desktop of its own (Xvfb, 1024 x 768 at 96 dpi), and one more has none;
all of them stay up for the whole run. Each round goes through the desktops
turn about, walking through the program's windows as the desktop scenarios do:
start the program, wait for the splash and the main window, open and close the
order window (Ctrl+S), the About window (Ctrl+A) and the vendor information
(Ctrl+D), end the program. A window counts as shown once X says it is viewable
(asked every 5 ms, over a connection of the script's own); the splash and main
windows are timed from the program's start, so the main window includes the
splash window's one second, the others from the key press.

Two Markdown tables follow: the medians of all rounds of start-up to the main
window and of Ctrl+S to the order window, with each desktop's difference from
and ratio to the bare X server; and each window's best time against the best
without a window manager, with the goal that none is more than 150 ms behind.
The best time is what a window manager that makes the program wait cannot
hide; the shared machine's hiccups only ever add time.
"""

import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from desktop_scenarios import WINDOW_NAMES, walk  # noqa: E402
from orderform_e2e import PROGRAM, WINDOW_MANAGERS, Desktop  # noqa: E402

BARE = "none"
# How much later than on a bare X server a window may open, best against best.
ALLOWED_DELAY = 0.150


def medians_table(figures):
    """Start-up to the main window and Ctrl+S to the order window, medians."""
    medians = {name: [statistics.median(walked[window] for walked in walks)
                      for window in ("main", "order")]
               for name, walks in figures.items()}
    bare_start, bare_order = medians[BARE]
    print("| Window manager | start-up to the main window | vs none | "
          "Ctrl+S to the order window | vs none |")
    print("|---|---|---|---|---|")
    for name, (start, order) in medians.items():
        print(f"| {name} | {start * 1000:.0f} ms | {(start - bare_start) * 1000:+.0f} ms, "
              f"{start / bare_start:.2f}x | {order * 1000:.0f} ms | "
              f"{(order - bare_order) * 1000:+.0f} ms, {order / bare_order:.2f}x |")


def best_times_table(figures):
    """Each window's best time against its best without a window manager."""
    best = {name: {window: min(walked[window] for walked in walks) for window in WINDOW_NAMES}
            for name, walks in figures.items()}
    print("| Window manager | " + " | ".join(WINDOW_NAMES.values()) +
          f" | within {ALLOWED_DELAY * 1000:.0f} ms |")
    print("|---" * (len(WINDOW_NAMES) + 2) + "|")
    for name, times in best.items():
        later = {window: times[window] - best[BARE][window] for window in WINDOW_NAMES}
        over = [f"{WINDOW_NAMES[window]} {later[window] * 1000:+.0f} ms"
                for window in WINDOW_NAMES if later[window] > ALLOWED_DELAY]
        cells = [f"{times[window] * 1000:.0f} ms" +
                 ("" if name == BARE else f", {later[window] * 1000:+.0f}")
                 for window in WINDOW_NAMES]
        verdict = "" if name == BARE else ("**not met**: " + ", ".join(over) if over else "met")
        print(f"| {name} | " + " | ".join(cells) + f" | {verdict} |")


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 7
    if not PROGRAM.exists():
        sys.exit(f"no installed program at {PROGRAM}: set ORDERFORM_E2E_PREFIX")
    unknown = set(sys.argv[2:]) - set(WINDOW_MANAGERS)
    if unknown:
        sys.exit(f"no such window manager: {', '.join(sorted(unknown))}")
    names = [BARE, *(sys.argv[2:] or WINDOW_MANAGERS)]
    desktops = {}
    try:
        for name in names:
            desktop = Desktop(f"bench-{name}", printers=False,
                              window_manager=None if name == BARE else name)
            desktops[name] = desktop.__enter__()
        for desktop in desktops.values():  # a first run of each, not counted
            walk(desktop)
        figures = {name: [] for name in names}
        for number in range(rounds):
            print(f"round {number + 1} of {rounds}", file=sys.stderr)
            for name, desktop in desktops.items():
                figures[name].append(walk(desktop))
    finally:
        for desktop in reversed(list(desktops.values())):
            desktop.__exit__(None, None, None)

    print(f"Medians of {rounds} rounds, turn about:\n")
    medians_table(figures)
    print(f"\nBest times of {rounds} rounds, each window against none:\n")
    best_times_table(figures)


if __name__ == "__main__":
    main()
