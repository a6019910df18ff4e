#!/usr/bin/env bash
# Builds the readers' fuzzers with clang (libFuzzer, ASan, UBSan) and runs each on its seed
# corpus, the given number of seconds split between them: the workbook reader, the CSV
# importer, the readers of the earlier stores' trips file and INI row keys, the readers of
# recorded drives (GPX tracks, Timeline exports, Location History), and the check of a
# log's write-ahead file.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]
# FUZZ_TARGETS="tripcsv_fuzzer" limits the run to the named fuzzers.
set -euo pipefail
seconds="${1:-60}"
shift || true
cd "$(dirname "$0")/.."
root="$(pwd)"
build="$root/build/fuzz"
targets=(${FUZZ_TARGETS:-xls_reader_fuzzer tripcsv_fuzzer tripsfile_fuzzer initrips_fuzzer
  gpx_fuzzer timeline_fuzzer takeout_fuzzer walcheck_fuzzer})

if ! command -v clang++ >/dev/null 2>&1; then
  ./scripts/install-deps.sh test
fi

# Warnings are held to -Werror by the gcc builds; this build is about crashes, so CI's
# -Werror (switched on by the CI variable) is left out of it.
env -u CI cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DBW_FUZZ=ON -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "${FUZZ_JOBS:-$(nproc)}"

# Copies the committed seeds of one fuzzer, and the files given after the folder name, to
# a scratch corpus: libFuzzer adds what it finds to the first corpus folder, and the
# committed seeds stay as they are.
seed() {
  local work="$1" prefix="$2"
  shift 2
  mkdir -p "$work"
  for dir in "$@"; do
    [ -d "$dir" ] || continue
    for f in "$dir"/*; do
      [ -f "$f" ] || continue
      { printf '%b' "$prefix"; cat "$f"; } >"$work/$(basename "$dir")-$(basename "$f")"
    done
  done
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/artifacts"
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
for target in "${targets[@]}"; do
  work="$build/corpus-$target"
  case "$target" in
    xls_reader_fuzzer)
      seed "$work" '' "$root/fuzz/corpus"
      # whole files go in with an even first byte (see the fuzzer)
      seed "$work" '\0' "$root/tests/data/xls-golden" "$root/tests/data/xls-foreign" ;;
    tripcsv_fuzzer) seed "$work" '' "$root/fuzz/corpus-tripcsv" ;;
    tripsfile_fuzzer) seed "$work" '' "$root/fuzz/corpus-tripsfile" ;;
    initrips_fuzzer) seed "$work" '' "$root/fuzz/corpus-initrips" ;;
    gpx_fuzzer) seed "$work" '' "$root/fuzz/corpus-gpx" ;;
    timeline_fuzzer) seed "$work" '' "$root/fuzz/corpus-timeline" ;;
    takeout_fuzzer) seed "$work" '' "$root/fuzz/corpus-takeout" ;;
    walcheck_fuzzer) seed "$work" '' "$root/fuzz/corpus-wal" ;;
  esac
  echo "== $target, $share seconds"
  "$build/fuzz/$target" "$work" \
    -max_total_time="$share" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 "$@"
done
