#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time on a fresh
# copy of its seeds from tests/data/reports; fails on the first crash, leak,
# sanitizer report or timeout. Crash inputs are kept in BUILD/fuzz/crashes/.
#
#   fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}
seconds=${2:-30}
reports=tests/data/reports
crashes="$build/fuzz/crashes"
mkdir -p "$crashes"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seed() { # target, files...
  local dir="$work/$1"
  mkdir -p "$dir"
  shift
  cp "$@" "$dir/"
}
seed fuzz_csv "$reports"/*.csv
seed fuzz_txt "$reports"/*.txt
seed fuzz_pdf "$reports"/*.pdf
# The text operations of the PDF reports, one line per seed.
mkdir -p "$work/fuzz_hextext"
grep -ah 'Tj' "$reports"/*.pdf | sort -u | head -300 | split -l 1 - "$work/fuzz_hextext/line-"
# The export: every report, and some whose readings are NaN, infinite or huge.
seed fuzz_export "$reports"/*.csv "$reports"/*.txt "$reports"/*.pdf
for v in nan inf -inf 3e8 -3e8; do
  LC_ALL=C sed "s/,,,-\?[0-9]*\.[0-4],,/,,,$v,,/" "$reports/en-th.csv" > "$work/fuzz_export/$v-en-th.csv"
  LC_ALL=C sed "s/\t\t-\?[0-9]*\.[0-4]\t/\t\t$v\t/" "$reports/zh-temp.txt" > "$work/fuzz_export/$v-zh-temp.txt"
done
# Configuration templates as the page saves them, and damaged ones.
seed fuzz_template tests/data/templates/*.ini

status=0
for target in fuzz_csv fuzz_txt fuzz_pdf fuzz_hextext fuzz_export fuzz_template; do
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/$target" "$work/$target" -dict=fuzz/report.dict -max_total_time="$seconds" \
      -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/$target-" \
      > "$work/$target.log" 2>&1; then
    status=1
    echo "$target FAILED:"
    tail -60 "$work/$target.log"
  else
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|INITED|DONE' "$work/$target.log" | tr '\n' ' '
    echo
  fi
done
exit $status
