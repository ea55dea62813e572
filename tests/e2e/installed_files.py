#!/usr/bin/python3
"""What `cmake --install` puts into the prefix: the program, its desktop
entry, the icon in the hicolor theme at 32 x 32 pixels and scalable, and the
AppStream metadata, all naming each other by the application's id; and the
program's command line, which answers without a display.

    installed_files.py check | command-line
"""

import os
import re
import struct
import subprocess
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


def run_without_display(*arguments, stdout=subprocess.PIPE):
    """The program run from a terminal with no display at all."""
    environment = {name: value for name, value in os.environ.items()
                   if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([str(PROGRAM), *arguments], stdout=stdout, stderr=subprocess.PIPE,
                          text=True, env=environment, timeout=30)


def help_options():
    """The options `orderform --help` lists, such as "--help" and "-display"."""
    shown = run_without_display("--help").stdout
    return re.findall(r"(?<![\w-])--?[a-z]+", "\n".join(
        line for line in shown.splitlines() if line.lstrip().startswith("-")))


def command_line():
    """--help and --version answer and end with status 0 (1 where the answer
    cannot be written), an unknown option with one line and status 2, none of
    them needing a display."""
    shown = run_without_display("--help")
    check_equal((shown.returncode, shown.stderr), (0, ""), "--help's exit status and errors")
    check(shown.stdout.startswith("Usage: orderform [OPTION]...\n"),
          f"--help shows {shown.stdout!r}")
    check_equal(sorted(help_options()), ["--help", "--version", "-display", "-h", "-platform"],
                "the options --help lists")

    with open("/dev/full", "w", encoding="ascii") as full_disk:
        shown = run_without_display("--help", stdout=full_disk)
    check_equal(shown.returncode, 1, "--help's exit status where its text cannot be written")

    shown = run_without_display("--version")
    check_equal((shown.returncode, shown.stderr), (0, ""), "--version's exit status and errors")
    version = shown.stdout.splitlines()[0] if shown.stdout else ""
    check(re.fullmatch(r"orderform \(Order Form\) \d+\.\d+", version),
          f"--version shows {version!r}")

    shown = run_without_display("--no-such-option")
    check_equal((shown.returncode, shown.stdout), (2, ""),
                "an unknown option's exit status and output")
    check(len(shown.stderr.splitlines()) == 1 and "'--no-such-option'" in shown.stderr,
          f"an unknown option gives {shown.stderr!r}, not one line that names it")


if __name__ == "__main__":
    run_tests({"check": installed_files, "command-line": command_line})
