#!/usr/bin/python3
"""Reads the workbooks our writer made with python3-xlrd (formatting_info=True) and
checks values, cell types, cached formula results, fonts, fills, borders, number
formats, widths, heights and merges against what the workbooks were made from.
Usage: check_xlrd.py <xls_interop_writer> [<report_interop_writer>]"""
import json
import os
import subprocess
import sys
import tempfile

import xlrd

ERROR_CODES = {"#NULL!": 0x00, "#DIV/0!": 0x07, "#VALUE!": 0x0F, "#REF!": 0x17,
               "#NAME?": 0x1D, "#NUM!": 0x24, "#N/A": 0x2A}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def cell_index(name):
    col = 0
    i = 0
    while name[i].isalpha():
        col = col * 26 + ord(name[i]) - 64
        i += 1
    return int(name[i:]) - 1, col - 1


def check_values(path, expected):
    book = xlrd.open_workbook(path, formatting_info=True)
    check([s.name for s in book.sheets()] == [s["name"] for s in expected["sheets"]],
          f"{path}: sheet names {[s.name for s in book.sheets()]}")
    for want in expected["sheets"]:
        sheet = book.sheet_by_name(want["name"])
        for name, value in want["cells"].items():
            r, c = cell_index(name)
            where = f"{os.path.basename(path)}!{want['name']}!{name}"
            if r >= sheet.nrows or c >= sheet.ncols:
                check(False, f"{where}: missing")
                continue
            got = sheet.cell(r, c)
            if isinstance(value, bool):
                check(got.ctype == xlrd.XL_CELL_BOOLEAN and got.value == int(value), f"{where}: {got!r} != {value!r}")
            elif isinstance(value, (int, float)):
                check(got.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE) and got.value == value,
                      f"{where}: {got!r} != {value!r}")
            elif isinstance(value, str):
                check(got.ctype == xlrd.XL_CELL_TEXT and got.value == value, f"{where}: {got!r} != {value[:40]!r}")
            else:
                check(got.ctype == xlrd.XL_CELL_ERROR and got.value == ERROR_CODES[value["error"]],
                      f"{where}: {got!r} != {value!r}")
    return book


def xf_of(book, sheet, r, c):
    return book.xf_list[sheet.cell_xf_index(r, c)]


def check_everything(book):
    s = book.sheet_by_name("Everything")
    fmt = lambda r, c: book.format_map[xf_of(book, s, r, c).format_key].format_str
    font = lambda r, c: book.font_list[xf_of(book, s, r, c).font_index]
    check(s.cell(0, 5).ctype == xlrd.XL_CELL_DATE, "F1 is not a date")
    check(s.cell(3, 9).ctype == xlrd.XL_CELL_DATE, "J4 (NOW) is not a date")
    check(s.cell(0, 0).ctype == xlrd.XL_CELL_NUMBER, "A1 is not a number")
    check(fmt(0, 2) == "$#,##0.00", f"C1 format {fmt(0, 2)!r}")
    check(fmt(0, 6) == "0.00%", f"G1 format {fmt(0, 6)!r}")
    check(fmt(1, 6) == "@", f"G2 format {fmt(1, 6)!r}")
    check(fmt(0, 5) == "m/d/yyyy", f"F1 format {fmt(0, 5)!r}")
    check(len(s.cell(1, 5).value) == 1024, "the 1,024-character text")
    check(s.cell(1, 4).value == "Emoji \U0001F697 trip", f"emoji text {s.cell(1, 4).value!r}")
    check(font(1, 0).bold and font(1, 0).weight == 700 and font(1, 0).name == "Arial" and font(1, 0).height == 200, "A2 bold Arial 10")
    f = font(5, 1)
    check(f.name == "Courier New" and f.height == 280 and f.italic and f.colour_index == 10,
          f"B6 font {f.name} {f.height} {f.italic} {f.colour_index}")
    header = xf_of(book, s, 5, 0)
    check(header.background.fill_pattern == 1 and header.background.pattern_colour_index == 23, "A6 fill 16")
    check(header.alignment.hor_align == 2 and header.alignment.vert_align == 1 and header.alignment.text_wrapped == 1,
          "A6 centred and wrapped")
    check(font(5, 0).colour_index == 9 and font(5, 0).bold, "A6 white bold")
    box = xf_of(book, s, 4, 0).border
    check((box.left_line_style, box.top_line_style, box.bottom_line_style, box.right_line_style) == (1, 3, 6, 4),
          f"A5 border styles {(box.left_line_style, box.top_line_style, box.bottom_line_style, box.right_line_style)}")
    check((box.left_colour_index, box.top_colour_index, box.bottom_colour_index, box.right_colour_index) == (64, 10, 12, 17),
          "A5 border colours")
    for c in (2, 3, 4):
        check(s.cell(4, c).ctype == xlrd.XL_CELL_BLANK and xf_of(book, s, 4, c).background.pattern_colour_index == 22,
              f"formatted blank in row 5 column {c}")
    prot = xf_of(book, s, 5, 2).protection
    check(prot.cell_locked == 0 and prot.formula_hidden == 1, "C6 unlocked, formula hidden")
    check(s.colinfo_map[0].width == 5339, f"width of A {s.colinfo_map[0].width}")
    check(s.colinfo_map[1].hidden == 1, "column B hidden")
    check(s.colinfo_map[7].width == 4242, "width of H")
    check(s.rowinfo_map[0].height == 750 and s.rowinfo_map[40].height == 525, "row heights")
    check(s.rowinfo_map[6].hidden == 1, "row 7 hidden")
    check(sorted(s.merged_cells) == [(10, 12, 0, 4), (14, 15, 2, 6)], f"merges {s.merged_cells}")
    check(s.show_grid_lines == 0, "gridlines are off")
    check(book.sheet_by_index(1).show_grid_lines == 1, "gridlines of the second sheet")
    # Cached formula results, as a reader that never calculates shows them.
    check(s.cell(3, 0).value == 28 and s.cell(3, 1).value == "Plain text – ü", "A4, B4 results")
    check(s.cell(3, 2).ctype == xlrd.XL_CELL_BOOLEAN and s.cell(3, 3).value == 7, "C4, D4 results")
    second = book.sheet_by_name("Zweite Seite ü")
    check(xf_of(book, second, 0, 0).protection.cell_locked == 0, "unlocked cell of the second sheet")
    far = second.colinfo_map.get(200)
    check(far is not None and book.xf_list[far.xf_index].protection.cell_locked == 0,
          "the sheet-wide unlocked format reaches column GS")
    check(book.format_map[xf_of(book, second, 1, 3).format_key].format_str == '"€" #,##0.00', "euro format")


def check_trips(book, trips):
    s = book.sheet_by_index(0)
    total = 8 + trips
    miles = sum(s.cell(r, 6).value for r in range(8, total))
    money = sum(s.cell(r, 7).value for r in range(8, total))
    check(abs(s.cell(total, 6).value - miles) < 1e-9, f"cached mileage total {s.cell(total, 6).value} != {miles}")
    check(abs(s.cell(total, 7).value - money) < 1e-6, "cached reimbursement total")
    check(s.cell(4, 4).value == s.cell(total, 6).value, "E5 shows the total")
    widths = [s.colinfo_map[c].width for c in range(8)]
    check(widths == [5339, 5413, 5851, 6619, 2779, 2779, 2816, 4242], f"column widths {widths}")
    check([s.rowinfo_map[r].height for r in (0, 1, 6, 7)] == [750, 525, 210, 510], "row heights")
    header = xf_of(book, s, 7, 0)
    check(book.font_list[header.font_index].colour_index == 9 and header.background.pattern_colour_index == 23,
          "header row white on grey")
    check(book.format_map[xf_of(book, s, 8, 7).format_key].format_str == "$#,##0.00", "currency column")
    check(s.cell(3, 1).value == "00123", "employee ID keeps its leading zeros")
    check(book.xf_list[s.colinfo_map[100].xf_index].protection.cell_locked == 0, "unlocked sheet")


def check_report(path):
    """The report sheet as the report builder makes it from four sample trips."""
    book = xlrd.open_workbook(path, formatting_info=True)
    check(book.sheet_names() == ["Mileage Log and Reimbursement"], f"report sheets {book.sheet_names()}")
    s = book.sheet_by_index(0)
    xf = lambda r, c: xf_of(book, s, r, c)
    font = lambda r, c: book.font_list[xf(r, c).font_index]
    fmt = lambda r, c: book.format_map[xf(r, c).format_key].format_str
    check(s.cell(0, 0).value == "Mileage Log and Reimbursement Form" and font(0, 0).bold and font(0, 0).height == 360,
          "report title")
    check(s.cell(3, 1).value == "00123" and s.cell(3, 1).ctype == xlrd.XL_CELL_TEXT and fmt(3, 1) == "@",
          "employee ID stays text")
    check(s.cell(2, 4).value == 1.25 and fmt(2, 4) == "$#,##0.00", "rate per mile as currency")
    check(s.cell(3, 4).value == "From 5/14/2016 to 5/16/2016", f"period {s.cell(3, 4).value!r}")
    miles, money = 2 + 5 + 4 + 6, 2.5 + 6.25 + 5 + 7.5
    check(s.cell(38, 6).value == miles and s.cell(38, 7).value == money, "cached totals in G39 and H39")
    check(s.cell(4, 4).value == miles and s.cell(5, 4).value == money and fmt(5, 4) == "$#,##0.00",
          "cached totals in E5 and E6")
    check(s.cell(8, 0).ctype == xlrd.XL_CELL_DATE and s.cell(8, 0).value == 42504, "trip date entered as a date")
    check(s.cell(11, 3).value == "Ünïcode ✓ 日本", "Unicode trip text")
    check(s.cell(38, 5).value == "Totals" and font(38, 5).colour_index == 9 and font(38, 5).bold, "Totals label")
    check(xf(7, 0).background.pattern_colour_index == 23 and font(7, 0).colour_index == 9, "header row")
    check(xf(7, 0).alignment.hor_align == 2 and xf(7, 0).alignment.text_wrapped == 1, "header alignment")
    check(xf(20, 6).background.pattern_colour_index == 22 and xf(20, 6).border.left_line_style == 1,
          "empty trip rows keep the grey grid")
    check(fmt(8, 7) == "$#,##0.00", "reimbursement as currency")
    check([s.colinfo_map[c].width for c in range(8)] == [5339, 5413, 5851, 6619, 2779, 2779, 2816, 4242],
          "report column widths")
    check([s.rowinfo_map[r].height for r in range(8)] == [750, 525, 255, 255, 255, 255, 210, 510], "report row heights")
    check(xf(0, 0).protection.cell_locked == 0 and book.xf_list[s.colinfo_map[100].xf_index].protection.cell_locked == 0,
          "every cell of the report is unlocked")


def main():
    helper = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([helper, "write", folder], check=True)
        tiny = os.path.getsize(os.path.join(folder, "tiny.xls"))
        check(tiny < 8192, f"the tiny workbook takes {tiny} bytes")
        for name in ("tiny", "everything", "trips30", "trips1000"):
            with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
                expected = json.load(f)
            book = check_values(os.path.join(folder, name + ".xls"), expected)
            if name == "everything":
                check_everything(book)
            elif name.startswith("trips"):
                check_trips(book, int(name[5:]))
        if len(sys.argv) > 2:
            report = os.path.join(folder, "report.xls")
            subprocess.run([sys.argv[2], report], check=True)
            check_report(report)
    for f in failures:
        print("FAIL:", f)
    print(f"xlrd interop: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
