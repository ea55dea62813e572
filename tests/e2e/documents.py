"""What the program wrote and printed, and what it should have: the saved
ORDER.TXT and the printed form, line by line.

Standard library only, like orderform_e2e.
"""

import os
import subprocess
import time
import xml.etree.ElementTree as ElementTree

from orderform_e2e import check, check_same_lines

def today(timezone="UTC"):
    """The date as the documents write it, mm-dd-yy, in the program's time zone."""
    os.environ["TZ"] = timezone
    time.tzset()
    return time.strftime("%m-%d-%y")


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
# The two documents as they should come out: the saved ORDER.TXT and the
# printed form, line by line, for an order described by
#   fee_lines  the ticked products' lines, in catalogue order
#   sub_total, total  the amounts as the window shows them, without the "$"
#   tax        None, or (the unrounded tax as plain digits, the rounded
#              amount), such as (".6442625", "0.64"): the saved file spaces the
#              tax amount by the length of the unrounded one
#   payment    the payment line, such as "VISA Payment"
#   card       None, or the cardholder's name, card number and expiry date
#   customer   name, address, city, state, zip, phone and email
# Every amount stands right-aligned in the nine columns after its "$".

VENDOR_LINES = ["Quendrel Software", "PO BOX 4417", "Springfield, MO 65801-4417  USA"]
CONTACT_LINES = ["* FAX:     1-800-555-0147", "* Phone:   1-800-555-0123",
                 "* E-MAIL:  orders@quendrel.example"]
PLACEHOLDERS = {
    "name": "(Enter Your Full Name)",
    "address": "(Address)",
    "city": "(City)",
    "state": "(State/Country)",
    "zip": "(Zip/Post Code)",
    "phone": "(Telephone Number)",
    "email": "(E-Mail Address)",
}


def _amount(amount):
    return amount.rjust(9)


def _customer_lines(customer, indent):
    return [
        indent + customer["name"] + " ",
        indent + customer["address"],
        indent + customer["city"] + ", " + customer["state"] + "  " + customer["zip"],
        "",
        indent + "Phone:  " + customer["phone"],
        indent + "E-Mail: " + customer["email"],
    ]


def _card_lines(card, indent):
    if not card:
        return []
    name, number, expiry = card
    return [indent + "Cardholder Name:      " + name, indent + "Card Number:          " + number,
            indent + "Card Expiration Date: " + expiry, ""]


def order_file(date, fee_lines, sub_total, total, payment, customer, tax=None, card=None):
    """ORDER.TXT as bytes: Windows-1252, every line ended by CR LF."""
    tax_lines = []
    if tax:
        unrounded, rounded = tax
        tax_lines = ["MO Sales Tax:  $" + " " * max(10 - len(unrounded), 0) + rounded]
    lines = [
        " " * 13 + "Quendrel Software Order Form  " + date,
        "-" * 62,
        "All lines of this form must be completed in full for us to",
        "process your order. NO C.O.D. ORDERS.",
        "",
        *[" " * 13 + line for line in VENDOR_LINES],
        "",
        "CREDIT CARD ORDER OPTIONS (VISA, MasterCard, Discover, AmEx):",
        *["  " + line for line in CONTACT_LINES],
        "-" * 62,
        *[" " * 9 + line for line in fee_lines],
        "",
        "   Sub-Total:  $" + _amount(sub_total),
        *tax_lines,
        "    Shipping:  $" + _amount("4.00"),
        " " * 15 + "-" * 11,
        "       TOTAL:  $" + _amount(total),
        " " * 15 + "=" * 11,
        "",
        " " * 12 + payment,
        "",
        *_card_lines(card, " " * 12),
        "The registered version is supplied on a 3.5 HD diskette.",
        "",
        *_customer_lines(customer, " " * 12),
        "-" * 65,
        " Comments (Continue on Back if Needed): ",
        "",
        "",
        "-" * 65,
        "",
        "Purchaser's Printed Name: " + "_" * 36,
        "",
        " " * 15 + "Signature: " + "_" * 36,
        "",
    ]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def printed_form(date, fee_lines, sub_total, total, payment, customer, tax=None, card=None):
    """The printed form's lines, as they should read on paper."""
    lines = [
        " " * 19 + "Quendrel Software Order Form  " + date,
        " " * 6 + "-" * 62,
        " " * 6 + "All lines of this form must be completed in full for us to",
        " " * 6 + "process your order. NO C.O.D. ORDERS.",
        "",
        *[" " * 19 + line for line in VENDOR_LINES],
        "",
        " " * 6 + "CREDIT CARD ORDER OPTIONS (VISA, MasterCard, Discover, AmEx):",
        "",
        *[" " * 7 + line for line in CONTACT_LINES],
        " " * 6 + "-" * 62,
        *[" " * 9 + line for line in fee_lines],
        "",
        " " * 9 + "Sub-Total:  $" + _amount(sub_total),
        *([" " * 6 + "MO Sales Tax:  $" + _amount(tax[1])] if tax else []),
        " " * 10 + "Shipping:  $" + _amount("4.00"),
        " " * 21 + "-" * 11,
        " " * 13 + "TOTAL:  $" + _amount(total),
        " " * 21 + "=" * 11,
        "",
        " " * 18 + payment,
        "",
        *_card_lines(card, " " * 18),
        " " * 4 + "The registered version is supplied on a 3.5 HD diskette.",
        "",
        *_customer_lines(customer, " " * 18),
        " " * 6 + "-" * 65,
        " " * 7 + "Comments (Continue on Back if Needed): ",
        "",
        "",
        "",
        " " * 6 + "-" * 65,
        "",
        " " * 6 + "Purchaser's Printed Name: " + "_" * 38,
        "",
        " " * 21 + "Signature: " + "_" * 38,
        "",
    ]
    return as_on_paper(lines)


def check_dated(actual, expected_for, before, what):
    """Compares with the document expected for the date taken before the
    action (today()), or for the date after it should midnight have passed."""
    after = today()
    expected = expected_for(before)
    if actual != expected and before != after:
        expected = expected_for(after)
    check_same_lines(actual, expected, what)
