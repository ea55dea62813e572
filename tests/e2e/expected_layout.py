"""What the window tests expect of the windows' layout
(tests/support/expected-layout.json), as far as the end-to-end tests need it:
the size of each window and the colour of a control's face. Where a control
lies the end-to-end tests learn from the accessibility bus, never from here.

Standard library only, like orderform_e2e.
"""

import json
from pathlib import Path

from orderform_e2e import check

_LAYOUT = json.loads(
    (Path(__file__).resolve().parents[1] / "support" / "expected-layout.json").read_text())
# The usual system colours of the desktop the layout was drawn for.
_SYSTEM_COLOURS = {"window background": (255, 255, 255), "window text": (0, 0, 0),
                   "button face": (192, 192, 192)}


def _in_pixels(twips):
    """A length of the layout, 15 to the pixel at 96 dpi, in whole pixels,
    halves away from zero."""
    return int(twips / 15 + 0.5)


def _window(name):
    check(name in _LAYOUT and name != "read me", f"the expected layout has no window {name!r}")
    return _LAYOUT[name]


def client_size(window):
    """The client area of "order", "main" (below its menu bar), "about" or
    "splash" at 96 dpi, in pixels."""
    return tuple(map(_in_pixels, _window(window)["client"]))


def splash_size_on_1024_by_768():
    """The splash window's own size, frame included, on a screen of exactly
    1024 x 768 pixels."""
    return tuple(map(_in_pixels, _window("splash")["outer on 1024 x 768"]))


def face_colour(window, caption):
    """(red, green, blue) of the face of the control with this caption."""
    rows = [row for row in _window(window)["controls"] if row.get("caption") == caption]
    check(len(rows) == 1, f"the expected layout has no one control captioned {caption!r}")
    back = rows[0]["back"]
    return tuple(back) if isinstance(back, list) else _SYSTEM_COLOURS[back]


def boxes_within(window, frame_captions):
    """How many check boxes and option buttons lie in the frames with these
    captions."""
    controls = _window(window)["controls"]
    frames = {row["name"] for row in controls
              if row["kind"] == "frame" and row["caption"].strip() in frame_captions}
    return sum(1 for row in controls
               if row["kind"] in ("check box", "option") and row.get("on") in frames)
