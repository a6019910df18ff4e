#!/usr/bin/env python3
"""The sample report in each shipped language, on a desktop of that language with its C
library's locale installed (scripts/install-deps.sh test), as xlrd, openpyxl and
pdftotext read it back: its words, and its rate and amounts as numbers.

Usage: check_languages.py BRINDLEWICK_REPORT
"""
import locale
import os
import subprocess
import sys
import tempfile

import openpyxl
import xlrd

# Per language: the sheet's name, the title and words the form must show.
LANGUAGES = {
    "de": ("Fahrtenbuch und Kilometergeld", "Fahrtenbuch und Reisekostenabrechnung",
           ["Personalnummer", "Zeitraum", "Erstattung gesamt", "Summen", "Zielort"]),
    "fr": ("Indemnités kilométriques", "Note de frais kilométriques",
           ["Matricule", "Période", "Indemnité totale", "Totaux", "Destination"]),
    "es": ("Kilometraje y gastos de viaje", "Hoja de gastos de kilometraje",
           ["N.º de empleado", "Período", "Importe total", "Totales", "Destino"]),
    # Swedish has no translation: the form is in English.
    "sv": ("Mileage Log and Reimbursement", "Mileage Log and Reimbursement Form", ["Totals"]),
}
# The sample's rate (E3, with its format) and reimbursements (H9:H11); the PDF shows the
# amounts in the sheet's forms, whatever the desktop's.
NUMBERS = ((1.25, "$#,##0.00"), [2.5, 6.25, 5.0])
PDF_AMOUNTS = ["$1.25", "$2.50", "$6.25", "$5.00", "$13.75", "13.75"]


def cells_xls(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    texts = {str(sheet.cell_value(r, c)) for r in range(sheet.nrows) for c in range(sheet.ncols)}
    xf = book.xf_list[sheet.cell_xf_index(2, 4)]
    rate = (sheet.cell_value(2, 4), book.format_map[xf.format_key].format_str)
    return sheet.name, texts, (rate, [sheet.cell_value(r, 7) for r in range(8, 11)])


def cells_xlsx(path):
    sheet = openpyxl.load_workbook(path).worksheets[0]
    texts = {str(cell.value) for row in sheet.iter_rows() for cell in row if cell.value is not None}
    rate = (sheet["E3"].value, sheet["E3"].number_format)
    return sheet.title, texts, (rate, [sheet.cell(row=r, column=8).value for r in range(9, 12)])


def text_pdf(path):
    out = subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                         capture_output=True, text=True).stdout
    # A header that wraps is split over lines; single spaces join its pieces again.
    return None, {" ".join(out.split())}, None


def main():
    tool = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for language, (sheet_name, title, words) in LANGUAGES.items():
            desktop = f"{language}_{language.upper()}.UTF-8".replace("sv_SV", "sv_SE")
            try:
                locale.setlocale(locale.LC_ALL, desktop)
            except locale.Error:
                failures.append(f"{desktop} is not installed (scripts/install-deps.sh test)")
                continue
            env = dict(os.environ, LANGUAGE=language, LC_ALL=desktop, HOME=folder,
                       XDG_CONFIG_HOME=folder, QT_QPA_PLATFORM="offscreen")
            for suffix, read in (("xls", cells_xls), ("xlsx", cells_xlsx), ("pdf", text_pdf)):
                path = os.path.join(folder, f"report_{language}.{suffix}")
                subprocess.run([tool, "--sample", path], env=env, check=True,
                               capture_output=True)
                name, texts, numbers = read(path)
                joined = "\n".join(texts)
                if numbers not in (None, NUMBERS):
                    failures.append(f"{language} {suffix}: rate and amounts {numbers!r}")
                if name is not None and name != sheet_name:
                    failures.append(f"{language} {suffix}: sheet {name!r}, not {sheet_name!r}")
                for word in [title] + words + (PDF_AMOUNTS if numbers is None else []):
                    if word not in joined:
                        failures.append(f"{language} {suffix}: {word!r} missing")
                if language != "sv" and ("Totals" in joined or "Employee ID" in joined):
                    failures.append(f"{language} {suffix}: English words left")
    for failure in failures:
        print(failure)
    print("languages:", "FAILED" if failures else "ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
