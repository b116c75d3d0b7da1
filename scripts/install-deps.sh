#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Vesmira
# needs. Idempotent: it asks apt only when a package is missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5sql5-sqlite libqcustomplot-dev
  # SHA-256 of reports
  libssl-dev
  # the shared history: Qt's PostgreSQL driver, and the server the tests start
  libqt5sql5-psql postgresql
  # Qt's own Chinese and English texts
  qttranslations5-l10n
  # tests: sanitizers and fuzzers (clang's libFuzzer), headless display, PDF checks
  clang libclang-rt-14-dev clang-format git xvfb xauth poppler-utils poppler-data qpdf sqlite3
  # the installed files: the desktop entry, metainfo and manual page checked, the package built
  desktop-file-utils appstream groff-base dpkg-dev
  # running the application: Chinese fonts for the Chinese interface
  fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
