#!/usr/bin/env python3
"""The report in each shipped language, as xlrd, openpyxl and pdftotext read it back.

Usage: check_languages.py BRINDLEWICK_REPORT
"""
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
}


def cells_xls(path):
    book = xlrd.open_workbook(path)
    sheet = book.sheet_by_index(0)
    texts = {str(sheet.cell_value(r, c)) for r in range(sheet.nrows) for c in range(sheet.ncols)}
    return sheet.name, texts


def cells_xlsx(path):
    sheet = openpyxl.load_workbook(path).worksheets[0]
    texts = {str(cell.value) for row in sheet.iter_rows() for cell in row if cell.value is not None}
    return sheet.title, texts


def text_pdf(path):
    out = subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                         capture_output=True, text=True).stdout
    # A header that wraps is split over lines; single spaces join its pieces again.
    return None, {" ".join(out.split())}


def main():
    tool = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for language, (sheet_name, title, words) in LANGUAGES.items():
            env = dict(os.environ, LANGUAGE=language, LC_ALL="C.UTF-8", HOME=folder,
                       XDG_CONFIG_HOME=folder, QT_QPA_PLATFORM="offscreen")
            for suffix, read in (("xls", cells_xls), ("xlsx", cells_xlsx), ("pdf", text_pdf)):
                path = os.path.join(folder, f"report_{language}.{suffix}")
                subprocess.run([tool, "--sample", path], env=env, check=True,
                               capture_output=True)
                name, texts = read(path)
                joined = "\n".join(texts)
                if name is not None and name != sheet_name:
                    failures.append(f"{language} {suffix}: sheet {name!r}, not {sheet_name!r}")
                for word in [title] + words:
                    if word not in joined:
                        failures.append(f"{language} {suffix}: {word!r} missing")
                if "Totals" in joined or "Employee ID" in joined:
                    failures.append(f"{language} {suffix}: English words left")
    for failure in failures:
        print(failure)
    print("languages:", "FAILED" if failures else "ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
