#!/usr/bin/env bash
# Applies .clang-format to every C++ file of the project.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format -i
