#!/usr/bin/env bash
# Installs what is missing, checks formatting, translations and the
# direction of includes and of the built objects' symbols, builds Vesmira twice (normal, and with
# AddressSanitizer + UndefinedBehaviorSanitizer; every warning an error) and
# runs every test in both, then runs the fuzz targets. The tests run beside a
# throwaway PostgreSQL server (scripts/with-postgres.sh), so that the shared
# history is tested too; it is stopped even when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Every tr() text of the code has its English and Chinese translation.
bash scripts/update-translations.sh --check

# The tree is formatted with .clang-format.
unformatted=$(git ls-files '*.cpp' '*.h' | while read -r f; do
  clang-format "$f" | cmp -s - "$f" || echo "$f"
done)
if [ -n "$unformatted" ]; then
  echo "test.sh: not formatted with .clang-format (run scripts/format.sh):"
  echo "$unformatted"
  exit 1
fi

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESMIRA_WERROR=ON
cmake --build build -j "$jobs"
# Includes and the symbols of the built objects point one way (no widget
# below core/ or cli/, no layer of core/ using one above it, no page
# including the main window).
bash scripts/check-layers.sh build
bash scripts/with-postgres.sh bash -c "cd build && ctest --output-on-failure -j $jobs"

# Sanitizer build: leaks and undefined behaviour fail the tests.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESMIRA_SANITIZE=ON -DVESMIRA_BUILD_BENCH=OFF -DVESMIRA_WERROR=ON
cmake --build build-asan -j "$jobs"
bash scripts/with-postgres.sh bash -c "cd build-asan && ctest --output-on-failure -j $jobs"

# Fuzzing: the report parsers' libFuzzer targets (clang, with the sanitizers
# above), each for about 30 s on a copy of its seeds; any crash fails.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVESMIRA_WERROR=ON -DVESMIRA_FUZZ=ON -DVESMIRA_BUILD_TESTS=OFF -DVESMIRA_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzzers
bash fuzz/run.sh build-fuzz 30
