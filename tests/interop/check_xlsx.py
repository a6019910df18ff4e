#!/usr/bin/python3
"""Checks the .xlsx workbooks our writer made with programs we did not write.
  openpyxl: values, cached formula results (data_only=True), formulas, fonts, fills,
    borders, number formats, widths, heights, merges, page setup and the active cell;
    and the .xls and .xlsx of each workbook agree cell by cell, read back with xlrd
    and openpyxl.
  libreoffice: LibreOffice (headless) converts them to CSV with every formula
    recalculated on load; the totals it shows equal the cached ones.
Usage: check_xlsx.py openpyxl|libreoffice <xls_interop_writer> <report_interop_writer>"""
import csv
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import openpyxl
import xlrd
from openpyxl.utils.datetime import to_excel

# LibreOffice shows numbers in the forms of its locale, which follows the desktop's;
# these checks read US forms.
US_FORMS = dict(os.environ, LC_ALL="en_US.UTF-8")

failures = []
BORDERS = [None, "thin", "medium", "dashed", "dotted", "thick", "double", "hair", "mediumDashed",
           "dashDot", "mediumDashDot", "dashDotDot", "mediumDashDotDot", "slantDashDot"]
HORIZONTAL = [None, "left", "center", "right", "fill", "justify", "centerContinuous", "distributed"]
VERTICAL = ["top", "center", None, "justify", "distributed"]
ERRORS = {0x00: "#NULL!", 0x07: "#DIV/0!", 0x0F: "#VALUE!", 0x17: "#REF!", 0x1D: "#NAME?", 0x24: "#NUM!", 0x2A: "#N/A"}
BOOKS = ("tiny", "everything", "trips30", "trips1000", "report")


def check(condition, message):
    if not condition:
        failures.append(message)


def near(a, b, tolerance=1e-9):
    return a is not None and b is not None and abs(a - b) <= tolerance


def make_books(folder, writer, report_writer):
    subprocess.run([writer, "write", folder], check=True)
    report = os.path.join(folder, "report")
    subprocess.run([report_writer, report + ".xls"], check=True)
    subprocess.run([writer, "xlsx", report + ".xls", report + ".xlsx"], check=True)
    with open(report + ".json", "wb") as f:
        f.write(subprocess.run([writer, "dump", report + ".xls"], check=True, stdout=subprocess.PIPE).stdout)


def load(folder, name):
    path = os.path.join(folder, name + ".xlsx")
    with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
        expected = json.load(f)
    return openpyxl.load_workbook(path), openpyxl.load_workbook(path, data_only=True), expected


# ---- openpyxl ----------------------------------------------------------------------------

def plain(cell):
    """A cell's value as the model's JSON dump gives it."""
    v = cell.value
    if cell.data_type == "e":
        return {"error": v}
    if isinstance(v, (datetime.datetime, datetime.date, datetime.time)):
        return to_excel(v)
    return v


def check_values(name, formulas, results, expected):
    check(results.sheetnames == [s["name"] for s in expected["sheets"]], f"{name}: sheet names {results.sheetnames}")
    check(results.index(results.active) == expected["active"], f"{name}: active sheet")
    for want in expected["sheets"]:
        ws, fs = results[want["name"]], formulas[want["name"]]
        stored = {c.coordinate for row in ws.iter_rows() for c in row if c.value is not None}
        check(stored <= set(want["cells"]), f"{name}: cells the model does not hold {sorted(stored - set(want['cells']))[:5]}")
        for ref, value in want["cells"].items():
            got = plain(ws[ref])
            if value == "" and got is None and ref in want["formulas"]:
                got = ""  # openpyxl reads an empty cached text result as no value
            same = got == value and type(got) is type(value) if isinstance(value, bool) else got == value
            check(same, f"{name}!{want['name']}!{ref}: {str(got)[:40]!r} != {str(value)[:40]!r}")
        got_formulas = sorted(c.coordinate for row in fs.iter_rows() for c in row
                              if c.data_type == "f" or (isinstance(c.value, str) and c.value.startswith("=")))
        check(got_formulas == sorted(want["formulas"]), f"{name}!{want['name']}: formulas {got_formulas[:8]}")


def column(ws, letter_index):
    for dim in ws.column_dimensions.values():
        if dim.min is not None and dim.min <= letter_index <= dim.max:
            return dim
    return None


def rgb(color):
    """A colour as RRGGBB, or None for automatic (no colour, auto, the text theme colour)."""
    if color is None or color.type in ("theme", "auto"):
        return None
    return color.rgb[-6:] if color.type == "rgb" else color


def check_everything(wb, results):
    ws = wb["Everything"]
    check([ws.cell(4, c).value for c in range(1, 10)] == [
        "=A1+B1*2", '=$A$2&" – ü"', "=A1>40", "=1/0", '=""', "=SUM(A1:A1)", "=SUM(A1,$B$1:D$1,1.5)",
        "=IF(A1<=100,ROUND(D1,0),-(50%))", "=AVERAGE(A1:B1)"], f"formulas {[ws.cell(4, c).value for c in range(1, 10)]}")
    r = results["Everything"]
    check(r["C4"].value is True and r["D4"].value == "#DIV/0!" and r["D4"].data_type == "e", "boolean and error results")
    check(r["C3"].value == "#NULL!" and r["C3"].data_type == "e" and r["A3"].value is True, "error and boolean constants")
    check(ws["C1"].number_format == "$#,##0.00" and ws["G1"].number_format == "0.00%" and ws["G2"].number_format == "@"
          and ws["F1"].number_format == "m/d/yyyy" and ws["A1"].number_format == "General", "number formats")
    check(ws["A2"].font.b and ws["A2"].font.name == "Arial" and ws["A2"].font.sz == 10, "A2 bold Arial 10")
    f = ws["B6"].font
    check(f.name == "Courier New" and f.sz == 14 and f.i and rgb(f.color) == "FF0000", f"B6 font {f.name} {f.sz} {f.color}")
    a6 = ws["A6"]
    check(a6.fill.fill_type == "solid" and rgb(a6.fill.fgColor) == "808080" and rgb(a6.font.color) == "FFFFFF", "A6 colours")
    check(a6.alignment.horizontal == "center" and a6.alignment.vertical == "center" and a6.alignment.wrap_text, "A6 alignment")
    b = ws["A5"].border
    check([b.left.style, b.top.style, b.bottom.style, b.right.style] == ["thin", "dashed", "double", "dotted"],
          f"A5 borders {[b.left.style, b.top.style, b.bottom.style, b.right.style]}")
    check([rgb(b.left.color), rgb(b.top.color), rgb(b.bottom.color), rgb(b.right.color)] == [None, "FF0000", "0000FF", "008000"],
          "A5 border colours")
    check(all(rgb(ws.cell(5, c).fill.fgColor) == "C0C0C0" for c in (3, 4, 5)), "formatted blanks of row 5")
    check(ws["C6"].protection.locked is False and ws["C6"].protection.hidden, "C6 unlocked, formula hidden")
    check(ws["C6"].alignment.horizontal == "right" and ws["C6"].alignment.vertical == "top", "C6 alignment")
    check(near(column(ws, 1).width, 5339 / 256, 1e-6) and column(ws, 2).hidden and near(column(ws, 8).width, 4242 / 256, 1e-6),
          "column widths")
    check(rgb(ws.column_dimensions["J"].fill.fgColor) == "C0C0C0" if "J" in ws.column_dimensions else False, "column J format")
    check(ws.row_dimensions[1].height == 37.5 and ws.row_dimensions[41].height == 26.25 and ws.row_dimensions[7].hidden,
          "row heights")
    check(ws.row_dimensions[13].s and ws.row_dimensions[13].font.b, "row 13 format")
    check(sorted(str(m) for m in ws.merged_cells.ranges) == ["A11:D12", "C15:F15"], f"merges {ws.merged_cells.ranges}")
    check(ws.sheet_view.showGridLines is False, "gridlines off")
    sel = ws.sheet_view.selection[0]
    check(sel.activeCell == "D6" and sel.sqref == "C5:E7 J10", f"selection {sel.activeCell} {sel.sqref}")
    p, m = ws.page_setup, ws.page_margins
    check(p.orientation == "portrait" and str(p.scale) == "85" and str(p.paperSize) == "1", "portrait letter at 85%")
    check(near(m.left, 0.5) and near(m.top, 1.25) and near(m.header, 0.3) and p.cellComments == "asDisplayed", "first sheet margins")
    area = ws.print_area if isinstance(ws.print_area, str) else ",".join(ws.print_area)
    check(area.replace("'", "").split("!")[-1] == "$A$1:$J$15", f"print area {ws.print_area}")
    second = wb["Zweite Seite ü"]
    p, m = second.page_setup, second.page_margins
    check(p.orientation == "landscape" and str(p.paperSize) == "9" and second.sheet_properties.pageSetUpPr.fitToPage,
          "second sheet fits landscape A4")
    check(m.header == 0 and m.footer == 0 and p.cellComments == "atEnd", f"header/footer margins {m.header} {m.footer}")
    check(second["A1"].protection.locked is False and column(second, 16384).style is not None, "unlocked everywhere")
    check(second["D2"].number_format == '"€" #,##0.00' and second.sheet_view.selection[0].activeCell == "D2", "second sheet")


def check_trips(wb, results, trips):
    ws, r = wb.active, results.active
    total = 9 + trips
    miles = sum(r.cell(row, 7).value for row in range(9, total))
    money = sum(r.cell(row, 8).value for row in range(9, total))
    check(ws.cell(total, 7).value == f"=SUM(G9:G{total - 1})", f"total formula {ws.cell(total, 7).value}")
    check(near(r.cell(total, 7).value, miles) and near(r.cell(total, 8).value, money, 1e-6), "cached totals")
    check(r["E5"].value == r.cell(total, 7).value and r["E6"].value == r.cell(total, 8).value, "E5 and E6 show the totals")
    check_form(ws, r)


def check_form(ws, r):
    """What the trip sheet and the report have in common: the form's layout."""
    # The pixel widths of the .xls, in 1/256 characters rounded down as the format's makers do.
    widths = [round(column(ws, c).width * 256) for c in range(1, 9)]
    check(widths == [5339, 5412, 5851, 6619, 2779, 2779, 2816, 4242], f"column widths {widths}")
    check([ws.row_dimensions[i].height for i in (1, 2, 7, 8)] == [37.5, 26.25, 10.5, 25.5], "row heights")
    check(ws.sheet_format.defaultRowHeight == 12.75, "default row height")
    check(ws["A1"].font.b and ws["A1"].font.sz == 18, "title font")
    h = ws["A8"]
    check(h.font.b and rgb(h.font.color) == "FFFFFF" and rgb(h.fill.fgColor) == "808080" and h.alignment.wrap_text
          and h.alignment.horizontal == "center", "header row")
    check(rgb(ws["G9"].fill.fgColor) == "C0C0C0" and ws["G9"].border.left.style == "thin", "grey grid")
    check(ws["H9"].number_format == "$#,##0.00" and ws["E3"].number_format == "$#,##0.00", "currency")
    check(r["B4"].value == "00123" and ws["B4"].number_format == "@", "employee ID text")
    check(ws["A9"].protection.locked is False and column(ws, 100).style is not None, "unlocked sheet")
    p, m = ws.page_setup, ws.page_margins
    check(p.orientation == "landscape" and str(p.paperSize) == "9" and ws.sheet_properties.pageSetUpPr.fitToPage
          and p.fitToWidth in (1, None) and p.fitToHeight in (1, None), "landscape A4 on one page")
    check([m.left, m.right, m.top, m.bottom, m.header, m.footer] == [0.7, 0.7, 0.5, 0.5, 0, 0],
          f"margins {[m.left, m.right, m.top, m.bottom, m.header, m.footer]}")
    check(ws.sheet_view.selection[0].activeCell == "B3", f"active cell {ws.sheet_view.selection[0].activeCell}")
    check(ws.print_area is None, "no print area")


def check_report(wb, results):
    ws, r = wb.active, results.active
    check(wb.sheetnames == ["Mileage Log and Reimbursement"], f"report sheets {wb.sheetnames}")
    check({a: ws[a].value for a in ("E5", "E6", "G39", "H39")}
          == {"E5": "=G39", "E6": "=H39", "G39": "=SUM(G9:G38)", "H39": "=SUM(H9:H38)"}, "report formulas")
    check([r[a].value for a in ("G39", "H39", "E5", "E6")] == [17, 21.25, 17, 21.25], "cached report totals")
    check(r["A9"].value == datetime.datetime(2016, 5, 14) and r["D12"].value == "Ünïcode ✓ 日本", "trip date and text")
    check(r["E4"].value == "From 5/14/2016 to 5/16/2016" and r["F39"].value == "Totals", "period and totals label")
    check_form(ws, r)


# ---- the .xls and the .xlsx agree ----------------------------------------------------------

def xls_value(book, cell):
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return None
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return bool(cell.value)
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return {"error": ERRORS[cell.value]}
    return cell.value


def xls_colour(book, index):
    c = book.colour_map.get(index)
    return None if c is None or index in (0x7FFF, 64) else "%02X%02X%02X" % c


def xls_style(book, sheet, r, c):
    xf = book.xf_list[sheet.cell_xf_index(r, c)]
    font = book.font_list[xf.font_index]
    b = xf.border
    filled = xf.background.fill_pattern == 1
    return (book.format_map[xf.format_key].format_str, font.name, font.height / 20, bool(font.bold), bool(font.italic),
            xls_colour(book, font.colour_index), xls_colour(book, xf.background.pattern_colour_index) if filled else None,
            tuple(BORDERS[s] for s in (b.left_line_style, b.top_line_style, b.bottom_line_style, b.right_line_style)),
            tuple(xls_colour(book, i) if s else None for s, i in (
                (b.left_line_style, b.left_colour_index), (b.top_line_style, b.top_colour_index),
                (b.bottom_line_style, b.bottom_colour_index), (b.right_line_style, b.right_colour_index))),
            HORIZONTAL[xf.alignment.hor_align], VERTICAL[xf.alignment.vert_align], bool(xf.alignment.text_wrapped),
            bool(xf.protection.cell_locked), bool(xf.protection.formula_hidden))


def xlsx_style(cell):
    f, b, a = cell.font, cell.border, cell.alignment
    edges = (b.left, b.top, b.bottom, b.right)
    return (cell.number_format, f.name, f.sz, bool(f.b), bool(f.i), rgb(f.color),
            rgb(cell.fill.fgColor) if cell.fill.fill_type == "solid" else None,
            tuple(e.style for e in edges), tuple(rgb(e.color) if e.style else None for e in edges),
            None if a.horizontal == "general" else a.horizontal, None if a.vertical == "bottom" else a.vertical,
            bool(a.wrap_text), bool(cell.protection.locked), bool(cell.protection.hidden))


def check_agree(folder, name, results, expected):
    book = xlrd.open_workbook(os.path.join(folder, name + ".xls"), formatting_info=True)
    for sheet in book.sheets():
        ws = results[sheet.name]
        where = f"{name}!{sheet.name}"
        formulas = next(s["formulas"] for s in expected["sheets"] if s["name"] == sheet.name)
        rows = max(sheet.nrows, ws.max_row)
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                xc = sheet.cell(r, c)
                if xc.ctype == xlrd.XL_CELL_EMPTY:
                    continue
                oc = ws.cell(r + 1, c + 1)
                a, b = xls_value(book, xc), plain(oc)
                if a == "" and b is None and xc.ctype == xlrd.XL_CELL_TEXT and oc.coordinate in formulas:
                    b = ""  # openpyxl reads an empty cached text result as no value
                check(a == b and (a is True) == (b is True), f"{where}!{oc.coordinate}: xls {str(a)[:30]!r} xlsx {str(b)[:30]!r}")
                sa, sb = xls_style(book, sheet, r, c), xlsx_style(oc)
                check(sa == sb, f"{where}!{oc.coordinate}: styles differ\n  xls  {sa}\n  xlsx {sb}")
        extra = [c.coordinate for row in ws.iter_rows(min_row=1, max_row=rows) for c in row
                 if c.value is not None and (c.row > sheet.nrows or c.column > sheet.ncols)]
        check(not extra, f"{where}: cells only the xlsx holds {extra[:5]}")
        for c, info in sheet.colinfo_map.items():
            dim = column(ws, c + 1)
            pixels = round(info.width * 7 / 256)
            check(dim is not None and (bool(info.hidden) == bool(dim.hidden))
                  and (info.hidden or round(dim.width * 7) == pixels), f"{where}: width of column {c + 1}")
        for r, info in sheet.rowinfo_map.items():
            dim = ws.row_dimensions[r + 1]
            height = dim.height if dim.height is not None else ws.sheet_format.defaultRowHeight
            check(bool(info.hidden) == bool(dim.hidden) and (info.hidden or height == info.height / 20),
                  f"{where}: height of row {r + 1}: {info.height / 20} {height}")
        merges = sorted((m.min_row - 1, m.max_row, m.min_col - 1, m.max_col) for m in ws.merged_cells.ranges)
        check(merges == sorted(sheet.merged_cells), f"{where}: merges {merges} {sheet.merged_cells}")


def run_openpyxl(folder):
    for name in BOOKS:
        formulas, results, expected = load(folder, name)
        check_values(name, formulas, results, expected)
        if name == "everything":
            check_everything(formulas, results)
        elif name.startswith("trips"):
            check_trips(formulas, results, int(name[5:]))
        elif name == "report":
            check_report(formulas, results)
        check_agree(folder, name, results, expected)


# ---- LibreOffice ---------------------------------------------------------------------------

RECALC_ALWAYS = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema"
 xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
"""


def spoil_totals(source, target):
    """A copy whose cached formula results are all 999: what LibreOffice shows from it
    can only come from its own calculation."""
    with zipfile.ZipFile(source) as zin, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = zin.read(item.filename)
            if item.filename.startswith("xl/worksheets/"):
                data = re.sub(rb"(</f><v>)[^<]*(</v>)", rb"\g<1>999\g<2>", data)
            zout.writestr(item, data)


def run_libreoffice(folder):
    profile = os.path.join(folder, "profile")
    os.makedirs(os.path.join(profile, "user"))
    with open(os.path.join(profile, "user", "registrymodifications.xcu"), "w", encoding="utf-8") as f:
        f.write(RECALC_ALWAYS)
    names = ("trips30", "trips1000", "report")
    books = []
    for name in names:
        books.append(os.path.join(folder, name + ".xlsx"))
        spoil_totals(books[-1], os.path.join(folder, name + "-spoilt.xlsx"))
        books.append(os.path.join(folder, name + "-spoilt.xlsx"))
    out = os.path.join(folder, "csv")
    subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--norestore",
                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", out, *books],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300,
                   env=US_FORMS)
    number = lambda text: float(text.replace("$", "").replace(",", ""))
    for name in names:
        results = openpyxl.load_workbook(os.path.join(folder, name + ".xlsx"), data_only=True).active
        total = next(r for r in range(9, results.max_row + 1) if results.cell(r, 6).value == "Totals")
        cached = [results.cell(total, 7).value, results.cell(total, 8).value, results["E5"].value, results["E6"].value]
        for variant in (name, name + "-spoilt"):
            with open(os.path.join(out, variant + ".csv"), encoding="utf-8") as f:
                rows = list(csv.reader(f))
            shown = [number(rows[total - 1][6]), number(rows[total - 1][7]), number(rows[4][4]), number(rows[5][4])]
            check(all(near(s, c, 0.005) for s, c in zip(shown, cached)), f"{variant}: shown {shown} != cached {cached}")
        check(rows[0][0] == "Mileage Log and Reimbursement Form" and rows[3][1] == "00123", f"{name}: title and ID")


def main():
    mode, writer, report_writer = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as folder:
        make_books(folder, writer, report_writer)
        run_openpyxl(folder) if mode == "openpyxl" else run_libreoffice(folder)
    for f in failures:
        print("FAIL:", f)
    print(f"xlsx {mode} interop: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
