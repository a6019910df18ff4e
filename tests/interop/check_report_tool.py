#!/usr/bin/python3
"""`brindlewick-report --sample` read by programs we did not write: python3-xlrd for the
values, cell types and cached totals, LibreOffice (headless, csv) for what it shows. To
see that LibreOffice computes the totals itself rather than showing the cached results,
it also opens a copy whose cached results were overwritten with 999.
Usage: check_report_tool.py <brindlewick-report>"""
import csv
import os
import shutil
import struct
import subprocess
import sys
import tempfile

import xlrd

# LibreOffice shows numbers in the forms of its locale, which follows the desktop's;
# these checks read US forms.
US_FORMS = dict(os.environ, LC_ALL="en_US.UTF-8")

failures = []
SHEET = "Mileage Log and Reimbursement"
TRIPS = [  # B to H of rows 9 to 11; the odometer readings are entered as numbers
    ["Store", "Mini mall", "Daily delivery", 58114.0, 58116.0, 2.0, 2.5],
    ["Mini mall", "Mart", "", 58116.0, 58121.0, 5.0, 6.25],
    ["Mart", "Store", "Return back", 58121.0, 58125.0, 4.0, 5.0],
]
TOTALS = {"E5": 11.0, "E6": 13.75, "G39": 11.0, "H39": 13.75}


def check(condition, message):
    if not condition:
        failures.append(message)


def cell_index(name):
    return int(name[1:]) - 1, ord(name[0]) - ord("A")


def check_xlrd(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    check(book.sheet_names() == [SHEET], f"sheet names {book.sheet_names()}")
    sheet = book.sheet_by_index(0)
    text = lambda name: sheet.cell_value(*cell_index(name))
    check(text("A1") == "Mileage Log and Reimbursement Form", f"title {text('A1')!r}")
    check([text(a) for a in ("B3", "B4", "B5", "B6")] == ["Michael Jr.", "DR005", "Ford Transit", "John"],
          f"employee block {[text(a) for a in ('B3', 'B4', 'B5', 'B6')]}")
    dates = [sheet.cell(r, 0) for r in range(8, 11)]
    check(all(d.ctype == xlrd.XL_CELL_DATE for d in dates), f"trip dates are dates: {dates}")
    check([xlrd.xldate_as_tuple(d.value, book.datemode)[:3] for d in dates] ==
          [(2016, 5, 14), (2016, 5, 14), (2016, 5, 15)], f"trip dates {dates}")
    rows = [[sheet.cell_value(r, c) for c in range(1, 8)] for r in range(8, 11)]
    check(rows == TRIPS, f"trips {rows}")
    for name, total in TOTALS.items():
        cell = sheet.cell(*cell_index(name))
        check(cell.ctype == xlrd.XL_CELL_NUMBER and cell.value == total, f"cached {name}: {cell}")
    check(sheet.nrows == 39, f"{sheet.nrows} rows")


def overwrite_cached_results(path, stale, value):
    """Each total's FORMULA record (0x0006: row, column, format, 8-byte result) is found in
    the file's bytes by its header; the container stores the small workbook contiguously."""
    data = bytearray(open(path, "rb").read())
    for name in TOTALS:
        row, col = cell_index(name)
        header = struct.pack("<H", 0x0006)
        where = [i for i in range(len(data) - 18)
                 if data[i:i + 2] == header and data[i + 4:i + 8] == struct.pack("<HH", row, col)]
        check(len(where) == 1, f"{name}: {len(where)} formula records found")
        for i in where:
            data[i + 10:i + 18] = struct.pack("<d", value)
    with open(stale, "wb") as f:
        f.write(data)


def shown(folder, name):
    with open(os.path.join(folder, name), encoding="utf-8") as f:
        return list(csv.reader(f))


def check_libreoffice(folder, books):
    outdir = os.path.join(folder, "csv")
    subprocess.run(["soffice", f"-env:UserInstallation=file://{folder}/profile", "--headless", "--norestore",
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", outdir, *books],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300,
                   env=US_FORMS)
    for book in books:
        name = os.path.splitext(os.path.basename(book))[0]
        rows = shown(outdir, name + ".csv")
        check(rows[0][0] == "Mileage Log and Reimbursement Form", f"{name}: title {rows[0][:1]}")
        check(rows[2][1] == "Michael Jr." and rows[3][1] == "DR005", f"{name}: employee {rows[2][:2]} {rows[3][:2]}")
        number = lambda text: float(text.replace("$", "").replace(",", ""))
        try:
            trips = [r[1:4] + [number(t) for t in r[4:8]] for r in rows[8:11]]
        except ValueError:
            trips = rows[8:11]
        check(trips == TRIPS, f"{name}: trips {rows[8:11]}")
        totals = [rows[4][4], rows[5][4], rows[38][6], rows[38][7]]
        try:
            values = [number(t) for t in totals]
        except ValueError:
            values = None
        check(values == list(TOTALS.values()), f"{name}: totals shown {totals}")
        check(rows[5][4] == "$13.75", f"{name}: E6 shown as {rows[5][4]!r}")


def main():
    tool = sys.argv[1]
    if not shutil.which("soffice"):
        print("soffice is not installed")
        return 1
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, TMPDIR=folder, XDG_CONFIG_HOME=os.path.join(folder, "config"))
        report = os.path.join(folder, "report.xls")
        stale = os.path.join(folder, "stale.xls")
        subprocess.run([tool, "--sample", report], check=True, env=env)
        check_xlrd(report)
        overwrite_cached_results(report, stale, 999.0)
        stale_sheet = xlrd.open_workbook(stale).sheet_by_index(0)
        check(stale_sheet.cell_value(38, 6) == 999.0, "the stale copy carries the overwritten results")
        check_libreoffice(folder, [report, stale])
    for f in failures:
        print("FAIL:", f)
    print(f"brindlewick-report interop: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
