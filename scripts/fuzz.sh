#!/usr/bin/env bash
# Builds the workbook-reader fuzzer with clang (libFuzzer, ASan, UBSan) and runs it for
# the given number of seconds on the seed corpus: our own small workbooks, the files
# other programs wrote, and the cases earlier runs found.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]
set -euo pipefail
seconds="${1:-60}"
shift || true
cd "$(dirname "$0")/.."
root="$(pwd)"
build="$root/build/fuzz"

if ! command -v clang++ >/dev/null 2>&1; then
  ./scripts/install-deps.sh test
fi

# Warnings are held to -Werror by the gcc builds; this build is about crashes, so CI's
# -Werror (switched on by the CI variable) is left out of it.
env -u CI cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DBW_FUZZ=ON -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target xls_reader_fuzzer -j "$(nproc)"

# libFuzzer adds what it finds to the first corpus folder: a scratch copy, so the
# committed seeds stay as they are.
work="$build/corpus"
mkdir -p "$work"
seeds=("$root/fuzz/corpus" "$root/tests/data/xls-golden" "$root/tests/data/xls-foreign")
for dir in "${seeds[@]}"; do
  [ -d "$dir" ] || continue
  for f in "$dir"/*; do
    [ -f "$f" ] || continue
    case "$dir" in
      */fuzz/corpus) cp -f "$f" "$work/" ;;
      # whole files go in with an even first byte (see the fuzzer)
      *) { printf '\0'; cat "$f"; } >"$work/file-$(basename "$f")" ;;
    esac
  done
done

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artifacts"
"$build/fuzz/xls_reader_fuzzer" "$work" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$@"
