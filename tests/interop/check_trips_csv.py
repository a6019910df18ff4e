#!/usr/bin/python3
"""Trips CSV files that other programs wrote, read as the program imports them: Python's
csv module with each separator, with and without a byte order mark, quoted line breaks,
10,000 rows and malformed lines; a sheet made here with openpyxl and converted to CSV by
LibreOffice headless. Then the program's own export, read back by the csv module, by
LibreOffice (no cell may become a formula) and by the program.
Usage: check_trips_csv.py <trips_csv_probe>"""
import csv
import datetime
import json
import os
import subprocess
import sys
import tempfile

import openpyxl

# LibreOffice shows numbers in the forms of its locale, which follows the desktop's;
# these checks read US forms.
US_FORMS = dict(os.environ, LC_ALL="en_US.UTF-8")

probe = sys.argv[1]
failures = []
CAPTIONS = ["Date", "Starting Location", "Destination", "Description/Notes", "Odometer Start",
            "Odometer End", "Mileage", "Reimbursement"]
# Header spellings another program might use, in another order, with a column the grid lacks.
HEADER = ["odometer end", "Vehicle", "DATE", "Description / Notes", "Starting Location", "Destination",
          "Odometer Start", "Mileage", "Reimbursement"]
ROWS = [
    ["58116", "van", "2016-05-14", "Daily delivery", "Store", "Mini mall", "58114", "2", "2.5"],
    ["58121", "van", "2016-05-14", 'two\r\nlines, "quoted"', "Mini mall", "Mart; tab\there", "58116", "5", "6.25"],
    ["58125", "", "2016-05-15", "K\u00f6ln \u2192 Z\u00fcrich, \u20ac5 toll", "Mart", "Store", "58121", "", ""],
]
EXPECTED = [
    ["5/14/2016", "Store", "Mini mall", "Daily delivery", "58114", "58116", 2, 2.5],
    ["5/14/2016", "Mini mall", "Mart; tab\there", 'two\r\nlines, "quoted"', "58116", "58121", 5, 6.25],
    ["5/15/2016", "Mart", "Store", "K\u00f6ln \u2192 Z\u00fcrich, \u20ac5 toll", "58121", "58125", 0, 0],
]


def check(condition, message):
    if not condition:
        failures.append(message)


def read(path, out=None):
    args = [probe, path] + ([out] if out else [])
    done = subprocess.run(args, check=True, capture_output=True, timeout=120)
    return json.loads(done.stdout)


def write_csv(path, rows, delimiter=",", bom=False, header=HEADER):
    with open(path, "w", encoding="utf-8-sig" if bom else "utf-8", newline="") as f:
        writer = csv.writer(f, delimiter=delimiter)
        writer.writerow(header)
        writer.writerows(rows)


def python_files(folder):
    for name, delimiter in (("comma", ","), ("semicolon", ";"), ("tab", "\t")):
        for bom in (False, True):
            path = os.path.join(folder, f"{name}{'-bom' if bom else ''}.csv")
            write_csv(path, ROWS, delimiter, bom)
            got = read(path)
            check(got["trips"] == EXPECTED and not got["problems"], f"{path}: {got}")

    many = os.path.join(folder, "many.csv")
    write_csv(many, [[str(100 + i + 1), "", "2016-05-14", f"trip {i}", "", "", str(100 + i), "", ""]
                     for i in range(10000)])
    got = read(many)
    check(len(got["trips"]) == 10000 and got["trips"][9999][3] == "trip 9999" and got["trips"][9999][5] == "10100",
          f"10,000 rows: {len(got['trips'])}")

    bad = os.path.join(folder, "bad.csv")
    with open(bad, "w", encoding="utf-8", newline="") as f:
        f.write("Date,Description/Notes,Mileage\r\n"
                "2016-05-14,\"fine\r\nover two lines\",1\r\n"
                "2016-05-32,bad date,1\r\n"
                "2016-05-14,bad number,12 miles\r\n"
                "2016-05-14,\"text\"after,1\r\n"
                "2016-05-14,ok,2\r\n"
                "2016-05-14,\"never closed,3\r\n")
    got = read(bad)
    check(len(got["trips"]) == 2, f"bad lines: trips {got['trips']}")
    check([(p[0], p[1]) for p in got["problems"]] == [(4, "Date"), (5, "Mileage"), (6, ""), (8, "")],
          f"bad lines: problems {got['problems']}")


def soffice(profile, target, outdir, files, infilter=None):
    command = ["soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--norestore"]
    if infilter:
        command += [f"--infilter={infilter}"]
    subprocess.run(command + ["--convert-to", target, "--outdir", outdir, *files],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300,
                   env=US_FORMS)


def libreoffice_files(folder, profile):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.append(CAPTIONS)
    for row in EXPECTED:
        date = datetime.datetime.strptime(row[0], "%m/%d/%Y")
        values = [date] + row[1:4] + [int(row[4]), int(row[5]), row[6], row[7]]
        ws.append(values)
        ws.cell(ws.max_row, 1).number_format = "yyyy-mm-dd"
    sheet = os.path.join(folder, "sheet.xlsx")
    wb.save(sheet)
    comma = os.path.join(folder, "lo-comma")
    semicolon = os.path.join(folder, "lo-semicolon")
    soffice(profile, "csv", comma, [sheet])
    soffice(profile, 'csv:Text - txt - csv (StarCalc):59,34,76,1', semicolon, [sheet])
    # Without options LibreOffice writes Windows-1252, which has no arrow.
    for out, arrow in ((comma, "?"), (semicolon, "\u2192")):
        got = read(os.path.join(out, "sheet.csv"))
        expected = [r[:3] + [r[3].replace("\r\n", "\n").replace("\u2192", arrow)] + r[4:] for r in EXPECTED]
        check(got["trips"] == expected and not got["problems"], f"{out}: {got}")


# Comma, quote, UTF-8, from line 1, and formulas evaluated as a spreadsheet user may set it.
CSV_IN = "CSV:44,34,76,1,,1033,false,false,true,false,false,-1,true"


def formula_cells(path):
    ws = openpyxl.load_workbook(path).active
    return [c.coordinate for row in ws.iter_rows() for c in row if c.data_type == "f"]


def export_round_trip(folder, profile):
    source = os.path.join(folder, "risky.csv")
    header = ["Date", "Starting Location", "Destination", "Description/Notes", "Mileage"]
    write_csv(source, [["2016-05-14", "=1+1", "+SUM(A1)", "-x", "1"],
                       ["2016-05-14", "@cmd", "\tTab", "'own", "2"],
                       ["2016-05-14", "\rCR", "''two", "plain", "3"]], header=header)
    exported = os.path.join(folder, "exported.csv")
    first = read(source, exported)
    check(len(first["trips"]) == 3 and not first["problems"], f"risky source {first}")
    raw = open(exported, "rb").read()
    check(raw.startswith(b"\xef\xbb\xbf" + ",".join(CAPTIONS).encode() + b"\r\n"), f"export header {raw[:120]}")
    with open(exported, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    check(rows[1][1:4] == ["'=1+1", "'+SUM(A1)", "'-x"] and rows[2][3] == "''own", f"guarded cells {rows[1:3]}")
    check(read(exported)["trips"] == first["trips"], "export then import changed the trips")
    # The unguarded source is the control: LibreOffice does make formulas of it.
    soffice(profile, "xlsx", os.path.join(folder, "lo-export"), [exported, source], infilter=CSV_IN)
    check(formula_cells(os.path.join(folder, "lo-export", "risky.xlsx")), "the control file gave no formula")
    formulas = formula_cells(os.path.join(folder, "lo-export", "exported.xlsx"))
    check(not formulas, f"LibreOffice made formulas of {formulas}")


with tempfile.TemporaryDirectory() as folder:
    python_files(folder)
    profile = os.path.join(folder, "profile")
    libreoffice_files(folder, profile)
    export_round_trip(folder, profile)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
