#!/usr/bin/python3
"""Writes the same report-like sheet (N trip rows of six texts and two numbers, a SUM
row) with our writer (bench/xls_bench) and with python3-xlwt, in one run, and prints
both medians and their ratio. Usage: xls_peer.py [build-folder]"""
import io
import json
import os
import statistics
import subprocess
import sys
import time

import xlwt

SIZES = (30, 1000, 10000)
REPETITIONS = 5


def xlwt_write(trips):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Mileage Log and Reimbursement")
    header = xlwt.easyxf("font: bold on; pattern: pattern solid, fore_colour gray50")
    money = xlwt.easyxf(num_format_str="$#,##0.00")
    titles = ["Date", "Starting Location", "Destination", "Description/Notes",
              "Odometer Start", "Odometer End", "Mileage", "Reimbursement"]
    for c, title in enumerate(titles):
        sheet.write(0, c, title, header)
    for t in range(trips):
        r = 1 + t
        sheet.write(r, 0, "1/%d/2026" % (t % 28 + 1))
        sheet.write(r, 1, "Office %d" % (t % 7))
        sheet.write(r, 2, "Client site %d" % t)
        sheet.write(r, 3, "Visit number %d" % t)
        sheet.write(r, 4, str(10000 + 40 * t))
        sheet.write(r, 5, str(10025 + 40 * t))
        sheet.write(r, 6, 25 + t % 10)
        sheet.write(r, 7, (25 + t % 10) * 0.655, money)
    sheet.write(trips + 1, 6, xlwt.Formula("SUM(G2:G%d)" % (trips + 1)))
    sheet.write(trips + 1, 7, xlwt.Formula("SUM(H2:H%d)" % (trips + 1)), money)
    out = io.BytesIO()
    book.save(out)
    return out.getvalue()


def xlwt_median_us(trips):
    rounds = max(1, 3000 // max(trips, 1))
    samples = []
    for _ in range(REPETITIONS):
        start = time.perf_counter()
        for _ in range(rounds):
            xlwt_write(trips)
        samples.append((time.perf_counter() - start) / rounds * 1e6)
    return statistics.median(samples)


def ours_median_us(build):
    exe = os.path.join(build, "bench", "xls_bench")
    out = subprocess.run([exe, "--benchmark_filter=BM_WriteWorkbook", f"--benchmark_repetitions={REPETITIONS}",
                          "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
                         check=True, stdout=subprocess.PIPE, env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
    medians = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            trips = int(b["run_name"].split("/")[1])
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b["time_unit"]]
            medians[trips] = b["real_time"] * scale
    return medians


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/test"
    ours = ours_median_us(build)
    print(f"{'trips':>6} {'ours (us)':>12} {'xlwt (us)':>12} {'xlwt/ours':>10}")
    for trips in SIZES:
        peer = xlwt_median_us(trips)
        print(f"{trips:>6} {ours[trips]:>12.1f} {peer:>12.1f} {peer / ours[trips]:>10.1f}")


if __name__ == "__main__":
    main()
