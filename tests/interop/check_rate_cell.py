#!/usr/bin/python3
"""The Rate Per Mile cell of reports made by brindlewick-report, read back by xlrd (.xls),
openpyxl (.xlsx) and pdftotext (.pdf): the rate shows every decimal it is applied with,
trips under several rates name each rate with its days, and rates by distance name each
rate with the distance it runs to.

Usage: check_rate_cell.py <brindlewick-report>"""
import os
import re
import subprocess
import sys

import openpyxl
import xlrd

from toolcases import check, run_cases

# name, typed rate, rate changes (CSV text or None), trip dates, E3 value, E3 format, PDF
# text, and optionally the desktop's locale and the one the store names for its entries
CASES = [
    ("tenth of a cent", "0.585", None, ["5/1/2016"], 0.585, "$#,##0.000", "$0.585"),
    ("cents", "1.25", None, ["5/1/2016"], 1.25, "$#,##0.00", "$1.25"),
    ("tenths", "0.7", None, ["5/1/2016"], 0.7, "$#,##0.00", "$0.70"),
    ("one change for every trip", "0.7", "From,Rate\n2026-01-01,0.725\n", ["1/2/2026", "1/9/2026"],
     0.725, "$#,##0.000", "$0.725"),
    ("before every change", "0.7", "From;Rate\n1/1/2026;0.725\n", ["12/30/2025", "12/31/2025"],
     0.7, "$#,##0.00", "$0.70"),
    ("across a change", "0.7", "Rate,From\n0.725,2026-01-01\n", ["12/31/2025", "1/1/2026"],
     "$0.70 to 12/31/2025; $0.725 from 1/1/2026", "$#,##0.00",
     "$0.70 to 12/31/2025; $0.725 from 1/1/2026"),
    ("by distance", "0.7", "From,From Distance,Rate\n,0,0.45\n,10000,0.25\n",
     ["5/1/2025", "9/1/2025"], "$0.45 to 10,000 mi; $0.25 after", "$#,##0.00",
     "$0.45 to 10,000 mi; $0.25 after"),
    ("by distance in German", "0,7", "From;From Distance;Rate\n;0;0,45\n;10000;0,25\n",
     ["01.05.2025"], "$0,45 to 10.000 mi; $0,25 after", "$#,##0.00",
     "$0,45 to 10.000 mi; $0,25 after", "de_DE", "de_DE"),
    ("by distance in French", "0,7", "From;From Distance;Rate\n;0;0,45\n;10000;0,25\n",
     ["01/05/2025"], "$0,45 to 10\u202f000 mi; $0,25 after", "$#,##0.00",
     "$0,45 to 10\u202f000 mi; $0,25 after", "fr_FR", "fr_FR"),
    ("typed in English, read in German", "0.585", None, [], 0.585, "$#,##0.000", "$0.585",
     "de_DE", "en_US"),
    ("typed in German, read in English", "0,585", None, [], 0.585, "$#,##0.000", "$0.585",
     "en_US", "de_DE"),
    ("kept before the locale was, read in German", "0.585", None, [], 0.585, "$#,##0.000",
     "$0.585", "de_DE", None),
    ("typed in French, read in Spanish", "1,25", None, [], 1.25, "$#,##0.00", "$1.25",
     "es_ES", "fr_FR"),
]


def write_inputs(folder, typed, changes, dates, named):
    ini = os.path.join(folder, "store.ini")
    with open(ini, "w", encoding="utf-8") as f:
        # Quoted as the program writes it: the INI reader splits a bare comma.
        f.write("[General]\nRatePerMile=\"%s\"\nRowCount=%d\n" % (typed, len(dates)))
        if named:
            f.write("EntryLocale=%s\n" % named)
        for k, date in enumerate(dates, 1):
            f.write("RowSource1%%20%d=%s\nRowSource7%%20%d=7\n" % (k, date, k))
    args = ["--settings", ini]
    if changes is not None:
        rates = os.path.join(folder, "rates.csv")
        with open(rates, "w", encoding="utf-8") as f:
            f.write(changes)
        args += ["--rates", rates]
    return args


def check_case(tool, folder, case):
    name, typed, changes, dates, value, fmt, shown, desktop, named = case + (None,) * (9 - len(case))
    args = write_inputs(folder, typed, changes, dates, named)
    env = dict(os.environ, LC_ALL=desktop + ".UTF-8") if desktop else None
    outputs = {suffix: os.path.join(folder, "report." + suffix) for suffix in ("xls", "xlsx", "pdf")}
    for path in outputs.values():
        run = subprocess.run([tool] + args + [path], capture_output=True, text=True, env=env)
        check(run.returncode == 0, f"{name}: {path} exit {run.returncode}: {run.stderr}")
        if run.returncode != 0:
            return

    book = xlrd.open_workbook(outputs["xls"], formatting_info=True)
    sheet = book.sheet_by_index(0)
    xf = book.xf_list[sheet.cell_xf_index(2, 4)]
    check(sheet.cell_value(2, 4) == value, f"{name}: xls E3 {sheet.cell_value(2, 4)!r}")
    check(book.format_map[xf.format_key].format_str == fmt,
          f"{name}: xls E3 format {book.format_map[xf.format_key].format_str!r}")
    several = isinstance(value, str)
    check(bool(xf.alignment.text_wrapped) == several, f"{name}: xls E3 wraps {xf.alignment.text_wrapped}")
    height = sheet.rowinfo_map[2].height
    check((height > 500) if several else (height == 255), f"{name}: xls row 3 height {height}")

    ws = openpyxl.load_workbook(outputs["xlsx"]).active
    check(ws["E3"].value == value, f"{name}: xlsx E3 {ws['E3'].value!r}")
    check(ws["E3"].number_format == fmt, f"{name}: xlsx E3 format {ws['E3'].number_format!r}")
    check(bool(ws["E3"].alignment.wrap_text) == several, f"{name}: xlsx E3 wraps")

    text = subprocess.run(["pdftotext", "-layout", outputs["pdf"], "-"], check=True,
                          capture_output=True, text=True).stdout
    # A wrapped cell's lines stand apart in the page's text; its words come in order.
    words = " ".join(re.findall(r"\S+", text))
    pattern = r"\s+".join(re.escape(w) for w in shown.split())
    if several:
        found = all(re.search(re.escape(w), words) for w in shown.split())
    else:
        found = re.search(r"Rate Per Mile\s+" + pattern + r"(\s|$)", words) is not None
    check(found, f"{name}: the PDF shows {shown!r}: {text[:400]!r}")


if __name__ == "__main__":
    sys.exit(run_cases("rate cell interop", CASES, check_case))
