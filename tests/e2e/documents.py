"""What the program wrote and printed, and what it should have: the saved
ORDER.TXT and the printed form, line by line, as the program's core makes them.

Standard library only, like orderform_e2e.
"""

import json
import os
import subprocess
import time
import xml.etree.ElementTree as ElementTree

from orderform_e2e import check, check_same_lines

def today(timezone="UTC"):
    """The date in the program's time zone, as yyyy-mm-dd."""
    os.environ["TZ"] = timezone
    time.tzset()
    return time.strftime("%Y-%m-%d")


def print_jobs(desktop):
    """The ids of the jobs in the private scheduler's queue "form"."""
    listed = subprocess.run(["lpstat", "-o", "form"], capture_output=True, text=True,
                            env={**os.environ, **desktop.cups_environment}, timeout=30)
    check(listed.returncode == 0, f"lpstat failed: {listed.stderr}")
    return [int(line.split()[0].rsplit("-", 1)[1]) for line in listed.stdout.splitlines()
            if line.strip()]


def printed_lines(pdf, inset=18.0):
    """The text of a PDF of fixed-pitch lines as it reads on paper: the lines
    of each page, with their leading spaces counted in characters from the
    left edge of the printable area (`inset` points from the paper's edges),
    without trailing spaces and without empty lines at the end of a page."""
    result = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], capture_output=True,
                            timeout=30)
    check(result.returncode == 0, f"pdftotext failed: {result.stderr!r}")
    root = ElementTree.fromstring(result.stdout)
    pages = [[(float(word.get("xMin")), float(word.get("yMin")),
               float(word.get("xMax")), float(word.get("yMax")), word.text or "")
              for word in page.iter() if word.tag.endswith("word")]
             for page in root.iter() if page.tag.endswith("page")]
    words = [word for page in pages for word in page]
    check(words, f"no text in {pdf}")
    pitch = sum(right - left for left, _, right, _, _ in words) / sum(
        len(text) for *_, text in words)

    result_pages = []
    for page in pages:
        rows = {}
        for left, top, _, bottom, text in page:
            row = max(round((top - inset) / (bottom - top)), 0)
            column = max(round((left - inset) / pitch), 0)
            rows.setdefault(row, {})[column] = text
        lines = [""] * (max(rows) + 1 if rows else 0)
        for row, columns in rows.items():
            line = ""
            for column in sorted(columns):
                line += " " * (column - len(line)) if len(line) < column else (" " if line else "")
                line += columns[column]
            lines[row] = line
        result_pages.append(lines)
    return result_pages


def as_on_paper(lines):
    """Expected lines as printed_lines() gives them back."""
    lines = [line.rstrip(" ") for line in lines]
    while lines and not lines[-1]:
        lines.pop()
    return lines


# ---------------------------------------------------------------------------
# The two documents as the program's own core makes them of an order, through
# orderform-document (tests/tools). An order is a dict as in `documents` of
# tests/support/sample-orders.json: "products" (catalogue rows), "sales tax",
# "payment" ("Check", "Money Order", "VISA", "MasterCard", "American Express"
# or "Discover"), "customer" (name, address, city, state, zip, phone, email)
# and "card" (name, number, expiry); what it leaves out holds its prompt.

def _document(kind, day, order):
    made = subprocess.run([os.environ["ORDERFORM_E2E_DOCUMENT_TOOL"], kind, day],
                          input=json.dumps(order).encode(), capture_output=True, timeout=30,
                          env={**os.environ, "LC_ALL": "C.UTF-8"})
    check(made.returncode == 0, f"orderform-document {kind} failed: {made.stderr!r}")
    return made.stdout


def order_txt(day, order):
    """ORDER.TXT's bytes for the order on that day (yyyy-mm-dd)."""
    return _document("file", day, order)


def paper_form(day, order):
    """The printed form's lines for the order, as printed_lines() reads them."""
    return as_on_paper(_document("form", day, order).decode().split("\n"))


def check_dated(actual, expected_for, before, what):
    """Compares with the document expected for the date taken before the
    action (today()), or for the date after it should midnight have passed."""
    after = today()
    expected = expected_for(before)
    if actual != expected and before != after:
        expected = expected_for(after)
    check_same_lines(actual, expected, what)
