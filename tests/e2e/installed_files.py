#!/usr/bin/python3
"""What `cmake --install` puts into the prefix: the program, its desktop
entry, the icon in the hicolor theme at 32 x 32 pixels and scalable, and the
AppStream metadata, all naming each other by the application's id."""

import os
import struct
import xml.etree.ElementTree as ElementTree

from orderform_e2e import DESKTOP_ENTRY, PREFIX, PROGRAM, check, check_equal, run_tests

APP_ID = "example.quendrel.OrderForm"


def desktop_entry_keys():
    keys = {}
    for line in DESKTOP_ENTRY.read_text().splitlines():
        if "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            keys[key] = value
    return keys


def installed_files():
    check(os.access(PROGRAM, os.X_OK), f"{PROGRAM} is not an executable")
    keys = desktop_entry_keys()
    check_equal(keys.get("TryExec"), str(PROGRAM), "the desktop entry's TryExec")
    check(str(PROGRAM) in keys.get("Exec", ""), "the desktop entry starts another program")

    icons = PREFIX / "share" / "icons" / "hicolor"
    check_equal(keys.get("Icon"), APP_ID, "the desktop entry's icon")
    png = (icons / "32x32" / "apps" / f"{APP_ID}.png").read_bytes()
    check_equal(png[:8], b"\x89PNG\r\n\x1a\n", "the PNG icon's signature")
    check_equal(struct.unpack(">II", png[16:24]), (32, 32), "the PNG icon's size")
    svg = ElementTree.parse(icons / "scalable" / "apps" / f"{APP_ID}.svg").getroot()
    check_equal(svg.tag, "{http://www.w3.org/2000/svg}svg", "the scalable icon's root element")

    metadata = ElementTree.parse(PREFIX / "share" / "metainfo" / f"{APP_ID}.metainfo.xml")
    check_equal(metadata.findtext("id"), APP_ID, "the metadata's id")
    check_equal(metadata.findtext("launchable"), DESKTOP_ENTRY.name, "the metadata's launchable")
    check_equal(metadata.findtext("provides/binary"), PROGRAM.name, "the metadata's binary")


if __name__ == "__main__":
    run_tests({"check": installed_files})
