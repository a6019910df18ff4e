#!/usr/bin/python3
"""Reports of a log kept in kilometres and euro (and of the tool's --unit and --currency),
read back by xlrd (.xls), openpyxl (.xlsx) and pdftotext (.pdf): the words name the unit,
every amount's number format carries the sign, quoted, where the log puts it.

Usage: check_units_report.py <brindlewick-report>"""
import os
import re
import sqlite3
import subprocess
import sys

import openpyxl
import xlrd

from toolcases import check, run_cases

KM_EURO = {"distance_unit": "km", "currency_symbol": "€", "currency_placement": "after space"}

# name, kept units (None: no database), tool options, C3, C5, G8, E3 format, E6 format, PDF words
CASES = [
    ("kept km and euro", KM_EURO, [], "Rate Per Kilometre", "Total Kilometres", "Kilometres",
     '#,##0.000" €"', '#,##0.00" €"', ["Rate Per Kilometre 0.585 €", "Total Kilometres 16",
                                       "Total Reimbursement 9.36 €"]),
    ("kept km, --unit mi", KM_EURO, ["--unit", "mi"], "Rate Per Mile", "Total Mileage", "Mileage",
     '#,##0.000" €"', '#,##0.00" €"', ["Rate Per Mile 0.585 €", "Total Mileage 16"]),
    ("no units kept, --unit km --currency £", None, ["--unit=km", "--currency=£"],
     "Rate Per Kilometre", "Total Kilometres", "Kilometres", '"£"#,##0.000', '"£"#,##0.00',
     ["Rate Per Kilometre £0.585", "Total Reimbursement £9.36"]),
    ("no units kept", None, [], "Rate Per Mile", "Total Mileage", "Mileage", "$#,##0.000",
     "$#,##0.00", ["Rate Per Mile $0.585", "Total Reimbursement $9.36"]),
]

TRIP = ("5/1/2016", "Office", "Client", "", "100", "116", 16.0, 9.36)


def write_log(folder, units):
    """The settings file, and beside it a log database holding one trip and the units."""
    ini = os.path.join(folder, "store.ini")
    with open(ini, "w", encoding="utf-8") as f:
        f.write("[General]\nRatePerMile=0.585\n")
        if units is None:
            f.write("RowCount=1\n")
            for k, value in enumerate(TRIP, 1):
                f.write("RowSource%d%%201=%s\n" % (k, value))
    if units is not None:
        db = sqlite3.connect(os.path.join(folder, "store.sqlite"))
        db.executescript(
            "CREATE TABLE trips (id INTEGER PRIMARY KEY, sort_key REAL NOT NULL, date TEXT,"
            " starting_location TEXT, destination TEXT, description TEXT, odometer_start TEXT,"
            " odometer_end TEXT, mileage REAL, reimbursement REAL);"
            "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;"
            "CREATE TABLE rate_changes (from_date TEXT PRIMARY KEY, rate TEXT NOT NULL);"
            "PRAGMA user_version = 2;")
        db.execute("INSERT INTO trips VALUES (1, 1, ?, ?, ?, ?, ?, ?, ?, ?)", TRIP)
        db.executemany("INSERT INTO meta VALUES (?, ?)", units.items())
        db.commit()
        db.close()
    return ["--settings", ini]


def check_case(tool, folder, case):
    name, units, options, rate_label, total_label, column, rate_fmt, amount_fmt, words = case
    args = write_log(folder, units) + options
    outputs = {suffix: os.path.join(folder, "report." + suffix) for suffix in ("xls", "xlsx", "pdf")}
    for path in outputs.values():
        run = subprocess.run([tool] + args + [path], capture_output=True, text=True)
        check(run.returncode == 0, f"{name}: {path} exit {run.returncode}: {run.stderr}")
        if run.returncode != 0:
            return

    book = xlrd.open_workbook(outputs["xls"], formatting_info=True)
    sheet = book.sheet_by_index(0)

    def xls_format(row, col):
        return book.format_map[book.xf_list[sheet.cell_xf_index(row, col)].format_key].format_str

    ws = openpyxl.load_workbook(outputs["xlsx"]).active
    for a1, (row, col), want in (("C3", (2, 2), rate_label), ("C5", (4, 2), total_label),
                                 ("G8", (7, 6), column)):
        check(sheet.cell_value(row, col) == want, f"{name}: xls {a1} {sheet.cell_value(row, col)!r}")
        check(ws[a1].value == want, f"{name}: xlsx {a1} {ws[a1].value!r}")
    check(sheet.cell_value(8, 6) == 16.0, f"{name}: xls G9 {sheet.cell_value(8, 6)!r}")
    for a1, (row, col), want in (("E3", (2, 4), rate_fmt), ("E6", (5, 4), amount_fmt),
                                 ("H9", (8, 7), amount_fmt)):
        check(xls_format(row, col) == want, f"{name}: xls {a1} format {xls_format(row, col)!r}")
        check(ws[a1].number_format == want, f"{name}: xlsx {a1} format {ws[a1].number_format!r}")

    text = subprocess.run(["pdftotext", "-layout", outputs["pdf"], "-"], check=True,
                          capture_output=True, text=True).stdout
    flat = " ".join(re.findall(r"\S+", text))
    for phrase in words + [column]:
        pattern = r"\s+".join(re.escape(w) for w in phrase.split())
        check(re.search(pattern, flat) is not None, f"{name}: the PDF shows {phrase!r}: {flat[:400]!r}")


if __name__ == "__main__":
    sys.exit(run_cases("units report interop", CASES, check_case))
