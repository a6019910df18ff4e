#!/usr/bin/python3
"""Compares every cell of two workbooks of one kind: value, type and number format, with
xlrd for .xls and openpyxl for .xlsx. Prints the first cells that differ.
Usage: same_cells.py A B   (exit 0 when every cell is the same, 1 when not)"""
import sys


def xls_cells(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    cells = {}
    for sheet in book.sheets():
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                fmt = book.format_map[book.xf_list[cell.xf_index].format_key].format_str
                cells[(sheet.name, r, c)] = (cell.ctype, cell.value, fmt)
    merged = {sheet.name: sorted(sheet.merged_cells) for sheet in book.sheets()}
    return cells, merged


def xlsx_cells(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    cells = {}
    for sheet in book.worksheets:
        for row in sheet.iter_rows():
            for cell in row:
                cells[(sheet.title, cell.row, cell.column)] = (cell.data_type, cell.value,
                                                               cell.number_format)
    merged = {sheet.title: sorted(str(m) for m in sheet.merged_cells.ranges)
              for sheet in book.worksheets}
    return cells, merged


def main(a, b):
    read = xls_cells if a.lower().endswith(".xls") else xlsx_cells
    (cells_a, merged_a), (cells_b, merged_b) = read(a), read(b)
    differences = [f"{key}: {cells_a.get(key)} != {cells_b.get(key)}"
                   for key in sorted(set(cells_a) | set(cells_b), key=str)
                   if cells_a.get(key) != cells_b.get(key)]
    if merged_a != merged_b:
        differences.append("merged ranges differ")
    for line in differences[:10]:
        print(line)
    print(f"{len(cells_a)} cells compared, {len(differences)} differ")
    return 1 if differences or not cells_a else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
