#!/usr/bin/python3
"""LibreOffice (headless) opens the workbooks our writer made: converted to xlsx and read
with python3-openpyxl for formulas in A1 form, page setup, margins, selection and the
active sheet; converted to csv for the values it shows. Our reader in turn opens .xls
files that LibreOffice and python3-xlwt wrote. soffice runs three times in all, each
call converting several files, with a profile of its own so parallel runs do not clash.
Usage: check_libreoffice.py <xls_interop_writer> [<report_interop_writer>]"""
import csv
import datetime
import json
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl
import xlwt

# LibreOffice shows numbers in the forms of its locale, which follows the desktop's;
# these checks read US forms.
US_FORMS = dict(os.environ, LC_ALL="en_US.UTF-8")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def soffice(profile, target, outdir, files):
    subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--norestore",
                    "--convert-to", target, "--outdir", outdir, *files],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300,
                   env=US_FORMS)


def near(a, b, tolerance):
    return a is not None and b is not None and abs(a - b) <= tolerance


def column_width(ws, index):
    # LibreOffice writes equal neighbours as one <col min max> entry.
    for dim in ws.column_dimensions.values():
        if dim.min is not None and dim.min <= index <= dim.max:
            return dim.width
    return None


def plain_format(code):
    return code.replace("\\", "").replace('"', "")


def check_xlsx(folder):
    trips = openpyxl.load_workbook(os.path.join(folder, "x", "trips30.xlsx"))
    ws = trips.active
    check(ws.title == "Mileage Log and Reimbursement", f"sheet name {ws.title}")
    formulas = {a: ws[a].value for a in ("G39", "H39", "E5", "E6")}
    check(formulas == {"G39": "=SUM(G9:G38)", "H39": "=SUM(H9:H38)", "E5": "=G39", "E6": "=H39"},
          f"formulas {formulas}")
    setup = ws.page_setup
    check(setup.orientation == "landscape" and str(setup.paperSize) == "9", f"orientation/paper {setup.orientation} {setup.paperSize}")
    check(ws.sheet_properties.pageSetUpPr.fitToPage and setup.fitToWidth in (1, None) and setup.fitToHeight in (1, None),
          "fit to one page")
    m = ws.page_margins
    check(near(m.left, 0.7, 1e-6) and near(m.right, 0.7, 1e-6) and near(m.top, 0.5, 1e-6) and near(m.bottom, 0.5, 1e-6),
          f"margins {m.left} {m.right} {m.top} {m.bottom}")
    check(ws.sheet_view.selection[0].activeCell == "B3", f"active cell {ws.sheet_view.selection[0].activeCell}")
    # openpyxl widths include the cell padding of 5 pixels of a 7-pixel digit.
    widths = [round(column_width(ws, c) - 5 / 7, 2) for c in range(1, 9)]
    check(all(near(w, e, 0.02) for w, e in zip(widths, [20.14, 20.43, 22.14, 25.14, 10.14, 10.14, 10.29, 15.86])),
          f"column widths {widths}")
    check(ws.row_dimensions[1].height == 37.5 and ws.row_dimensions[8].height == 25.5, "row heights")
    check(ws["A8"].font.b and ws["A8"].alignment.horizontal == "center" and ws["A8"].alignment.wrap_text, "header format")
    check(plain_format(ws["H9"].number_format) == "$#,##0.00", f"currency {ws['H9'].number_format}")
    check(ws["B4"].value == "00123", "employee ID text")
    check(ws["A9"].protection.locked is False, "trip cells are unlocked")

    every = openpyxl.load_workbook(os.path.join(folder, "x", "everything.xlsx"))
    check(every.sheetnames == ["Everything", "Zweite Seite ü", "Ελληνικά 日本"], f"sheet names {every.sheetnames}")
    check(every.index(every.active) == 1, "active sheet")
    ws = every["Everything"]
    row4 = [ws.cell(4, c).value for c in range(1, 10)]
    check(row4 == ["=A1+B1*2", '=$A$2&" – ü"', "=A1>40", "=1/0", '=""', "=SUM(A1:A1)", "=SUM(A1,$B$1:D$1,1.5)",
                   "=IF(A1<=100,ROUND(D1,0),-(50%))", "=AVERAGE(A1:B1)"], f"formulas {row4}")
    check(ws.sheet_view.selection[0].activeCell == "D6", f"active cell {ws.sheet_view.selection[0].activeCell}")
    check(ws.sheet_view.showGridLines is False, "gridlines off")
    check(ws.page_setup.orientation == "portrait" and str(ws.page_setup.scale) == "85", "portrait at 85%")
    check(near(ws.page_margins.left, 0.5, 1e-6) and near(ws.page_margins.top, 1.25, 1e-6), "margins of the first sheet")
    area = ws.print_area if isinstance(ws.print_area, str) else ",".join(ws.print_area)
    check(area.replace("'", "").split("!")[-1] == "$A$1:$J$15", f"print area {ws.print_area}")
    check(sorted(str(r) for r in ws.merged_cells.ranges) == ["A11:D12", "C15:F15"], f"merges {ws.merged_cells.ranges}")
    check(ws["B2"].value == "Größe € 5" and ws["C2"].value == "日本語のテキスト" and len(ws["F2"].value) == 1024, "texts")
    second = every["Zweite Seite ü"]
    check(second.page_setup.orientation == "landscape" and second.sheet_properties.pageSetUpPr.fitToPage, "second sheet setup")
    check(second["A1"].protection.locked is False, "unlocked cell")


def check_csv(folder, expected):
    with open(os.path.join(folder, "c", "trips30.csv"), encoding="utf-8") as f:
        rows = list(csv.reader(f))
    cells = expected["sheets"][0]["cells"]
    miles = sum(cells[f"G{r}"] for r in range(9, 39))
    money = sum(cells[f"H{r}"] for r in range(9, 39))
    number = lambda text: float(text.replace("$", "").replace(",", ""))
    check(number(rows[38][6]) == miles, f"shown mileage total {rows[38][6]} != {miles}")
    check(abs(number(rows[38][7]) - money) < 0.005, f"shown reimbursement total {rows[38][7]} != {money}")
    check(rows[4][4] == rows[38][6], "E5 shows the mileage total")
    check(rows[0][0] == "Mileage Log and Reimbursement Form", "title")
    with open(os.path.join(folder, "c", "tiny.csv"), encoding="utf-8") as f:
        check(f.read().strip() == "hello,1", "the tiny workbook")
    with open(os.path.join(folder, "c", "trips1000.csv"), encoding="utf-8") as f:
        big = list(csv.reader(f))
    check(len(big) >= 1009 and number(big[1008][6]) == sum(expected_big_miles(folder)), "1,000-row total")


def expected_big_miles(folder):
    with open(os.path.join(folder, "trips1000.json"), encoding="utf-8") as f:
        cells = json.load(f)["sheets"][0]["cells"]
    return [cells[f"G{r}"] for r in range(9, 1009)]


def check_report(folder):
    """The report sheet as the report builder makes it from four sample trips."""
    ws = openpyxl.load_workbook(os.path.join(folder, "x", "report.xlsx")).active
    formulas = {a: ws[a].value for a in ("E5", "E6", "G39", "H39")}
    check(formulas == {"E5": "=G39", "E6": "=H39", "G39": "=SUM(G9:G38)", "H39": "=SUM(H9:H38)"},
          f"report formulas {formulas}")
    setup = ws.page_setup
    check(setup.orientation == "landscape" and str(setup.paperSize) == "9", "report landscape on A4")
    check(ws.sheet_properties.pageSetUpPr.fitToPage and setup.fitToWidth in (1, None) and setup.fitToHeight in (1, None),
          "report fits one page")
    m = ws.page_margins
    check(near(m.left, 0.7, 1e-6) and near(m.right, 0.7, 1e-6) and near(m.top, 0.5, 1e-6) and near(m.bottom, 0.5, 1e-6),
          f"report margins {m.left} {m.right} {m.top} {m.bottom}")
    check(ws.sheet_view.selection[0].activeCell == "B3", f"report active cell {ws.sheet_view.selection[0].activeCell}")
    check(ws.print_area is None, f"no print area {ws.print_area}")
    with open(os.path.join(folder, "c", "report.csv"), encoding="utf-8") as f:
        rows = list(csv.reader(f))
    check(rows[38][5:8] == ["Totals", "17", "21.25"], f"report totals shown {rows[38][5:8]}")
    check(rows[4][4] == "17" and rows[5][4] == "$21.25", f"report E5, E6 shown {rows[4][4]} {rows[5][4]}")
    check(rows[3][1] == "00123" and rows[2][4] == "$1.25", "report employee block")


def make_foreign_sources(folder):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Made elsewhere"
    ws["A1"] = "Miles"
    ws["B1"] = "Amount"
    for r in range(2, 7):
        ws[f"A{r}"] = r * 11
        ws[f"B{r}"] = f"=A{r}*0.655"
    ws["A7"] = "=SUM(A2:A6)"
    ws["B7"] = "=SUM(B2:B6)"
    ws["C1"] = "Straße 🚗"
    wb.save(os.path.join(folder, "src", "elsewhere.xlsx"))
    with open(os.path.join(folder, "src", "plain.csv"), "w", encoding="utf-8") as f:
        f.write("Where,Miles\nOffice,12.5\nDepot,40\n")
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("xlwt sheet")
    sheet.write(0, 0, "Zürich")
    sheet.write(1, 0, 2.5)
    sheet.write(2, 0, datetime.date(2026, 1, 5), xlwt.easyxf(num_format_str="m/d/yyyy"))
    sheet.write(3, 0, xlwt.Formula("A2*4"))
    book.save(os.path.join(folder, "xlwt.xls"))


def dump(helper, path):
    out = subprocess.run([helper, "dump", path], check=True, stdout=subprocess.PIPE).stdout
    return json.loads(out)


def check_foreign(helper, folder):
    elsewhere = dump(helper, os.path.join(folder, "lo", "elsewhere.xls"))["sheets"][0]
    cells = elsewhere["cells"]
    check(elsewhere["name"] == "Made elsewhere", f"LibreOffice sheet name {elsewhere['name']}")
    check(cells.get("A7") == 220 and abs(cells.get("B7", 0) - 220 * 0.655) < 1e-9, f"LibreOffice totals {cells.get('A7')} {cells.get('B7')}")
    check(cells.get("C1") == "Straße 🚗", f"LibreOffice text {cells.get('C1')!r}")
    check(set(elsewhere["formulas"]) >= {"B2", "B6", "A7", "B7"}, f"LibreOffice formulas {elsewhere['formulas']}")
    plain = dump(helper, os.path.join(folder, "lo", "plain.xls"))["sheets"][0]["cells"]
    check(plain.get("A3") == "Depot" and plain.get("B2") == 12.5, f"LibreOffice csv {plain}")
    written = dump(helper, os.path.join(folder, "xlwt.xls"))["sheets"][0]
    check(written["name"] == "xlwt sheet" and written["cells"].get("A1") == "Zürich", "xlwt text")
    check(written["cells"].get("A2") == 2.5 and written["cells"].get("A3") == 46027, "xlwt numbers and dates")
    check("A4" in written["formulas"], "xlwt formula")


def main():
    helper = sys.argv[1]
    if not shutil.which("soffice"):
        print("soffice is not installed")
        return 1
    with tempfile.TemporaryDirectory() as folder:
        profile = os.path.join(folder, "profile")
        for sub in ("x", "c", "src", "lo"):
            os.makedirs(os.path.join(folder, sub))
        subprocess.run([helper, "write", folder], check=True)
        make_foreign_sources(folder)
        books = [os.path.join(folder, n + ".xls") for n in ("everything", "trips30", "trips1000", "tiny")]
        report = len(sys.argv) > 2
        if report:
            subprocess.run([sys.argv[2], os.path.join(folder, "report.xls")], check=True)
            books.append(os.path.join(folder, "report.xls"))
        soffice(profile, "xlsx", os.path.join(folder, "x"), books[:2] + books[4:])
        soffice(profile, "csv:Text - txt - csv (StarCalc):44,34,76", os.path.join(folder, "c"), books[1:])
        soffice(profile, "xls:MS Excel 97", os.path.join(folder, "lo"),
                [os.path.join(folder, "src", "elsewhere.xlsx"), os.path.join(folder, "src", "plain.csv")])
        with open(os.path.join(folder, "trips30.json"), encoding="utf-8") as f:
            expected = json.load(f)
        check_xlsx(folder)
        check_csv(folder, expected)
        check_foreign(helper, folder)
        if report:
            check_report(folder)
    for f in failures:
        print("FAIL:", f)
    print(f"LibreOffice interop: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
