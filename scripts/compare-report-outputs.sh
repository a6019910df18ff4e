#!/usr/bin/env bash
# Compares what two builds of the report tool write for the same logs, for a change that
# must not change the report: the .xls and .xlsx byte for byte (written at one stopped
# time: a workbook records when it was written), the PDF's text (pdftotext),
# fonts (pdffonts) and pixels (pdftoppm at a fixed resolution; the PDF's own bytes may
# differ), and the sheet's picture (a PNG, written the same way by both, so equal pixels
# are equal bytes); for the sample and stored logs of 30, 1,000, 10,000 and 65,527 trips,
# in English and German. Needs faketime.
# Usage: scripts/compare-report-outputs.sh OLD-TOOL NEW-TOOL
#   SIZES (default "sample 30 1000 10000 65527"); PDF_SIZES and PICTURE_SIZES (default
#   "sample 30 1000 10000": larger ones take long to rasterise); LANGS (default "en de").
set -euo pipefail
old="$1"
new="$2"
sizes="${SIZES:-sample 30 1000 10000 65527}"
pdf_sizes="${PDF_SIZES:-sample 30 1000 10000}"
picture_sizes="${PICTURE_SIZES:-sample 30 1000 10000}"
langs="${LANGS:-en de}"
fixed_time="2026-05-14 12:00:00"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../bench/storedlog.sh"

locale_of() { case "$1" in de) echo de_DE.UTF-8 ;; *) echo en_US.UTF-8 ;; esac; }

# Runs tool $1 for log $2 in language $3, writing $4 (and the picture $5 when given).
report() {
  local tool="$1" size="$2" lang="$3" out="$4" picture="${5:-}"
  local source=(--sample)
  [ "$size" = sample ] || source=(--settings "$work/store$size.ini")
  local extra=()
  [ -z "$picture" ] || extra=(--picture "$picture")
  # One stopped clock for both, so that the times a workbook records are the same.
  LANGUAGE="$lang" LC_ALL="$(locale_of "$lang")" TMPDIR="$work" faketime -f "$fixed_time" \
    "$tool" "${source[@]}" "${extra[@]}" "$out" 2>"$work/err" >/dev/null ||
    { echo "compare: $tool failed for $size $lang:" >&2; cat "$work/err" >&2; exit 1; }
}

# The PDF as a reader sees it: text, fonts (without the random subset tags) and pixels.
pdf_view() {
  pdftotext -layout "$1" "$2.txt"
  pdffonts "$1" | sed -E 's/^[A-Z]{6}\+//; s/ +[0-9]+ +[0-9]+ *$//' > "$2.fonts"
  pdftoppm -r 60 "$1" "$2"
}

same_files() {
  if cmp -s "$1" "$2"; then return 0; fi
  echo "DIFFERENT: $3" >&2
  failed=1
}

failed=0
for size in $sizes; do
  [ "$size" = sample ] || write_stored_log "$size" "$work/store$size"
  for lang in $langs; do
    for tool in old new; do
      bin="$old"
      [ "$tool" = new ] && bin="$new"
      picture=""
      case " $picture_sizes " in *" $size "*) picture="$work/$tool-picture.png" ;; esac
      report "$bin" "$size" "$lang" "$work/$tool.xls" "$picture"
      report "$bin" "$size" "$lang" "$work/$tool.xlsx"
      case " $pdf_sizes " in
        *" $size "*)
          report "$bin" "$size" "$lang" "$work/$tool.pdf"
          mkdir -p "$work/$tool-pdf"
          rm -f "$work/$tool-pdf"/*
          pdf_view "$work/$tool.pdf" "$work/$tool-pdf/page" ;;
      esac
    done
    what="$size trips, $lang"
    same_files "$work/old.xls" "$work/new.xls" ".xls of $what"
    same_files "$work/old.xlsx" "$work/new.xlsx" ".xlsx of $what"
    case " $picture_sizes " in
      *" $size "*) same_files "$work/old-picture.png" "$work/new-picture.png" "picture of $what" ;;
    esac
    case " $pdf_sizes " in
      *" $size "*)
        same_files "$work/old-pdf/page.txt" "$work/new-pdf/page.txt" "PDF text of $what"
        same_files "$work/old-pdf/page.fonts" "$work/new-pdf/page.fonts" "PDF fonts of $what"
        for page in "$work"/old-pdf/page-*.ppm; do
          same_files "$page" "$work/new-pdf/$(basename "$page")" "PDF $(basename "$page") of $what"
        done
        [ "$(ls "$work"/old-pdf | wc -l)" = "$(ls "$work"/new-pdf | wc -l)" ] ||
          { echo "DIFFERENT: PDF page count of $what" >&2; failed=1; } ;;
    esac
    echo "compared: $what"
  done
done
[ "$failed" = 0 ] && echo "the same: every .xls, .xlsx, PDF (text, fonts, pixels) and picture"
exit "$failed"
