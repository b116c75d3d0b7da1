#!/usr/bin/env bash
# Checks that the includes of the tree point one way:
#   - nothing below core/ or cli/ includes a widget header or a gui/ file
#     (core/ builds without Qt5::Widgets, but the Qt include root would let
#     <QtWidgets/...> compile);
#   - inside core/ the folders are layers, lowest first: record/, report/,
#     device/, then history/, export/ and configuration/ side by side, then
#     compliance/ (on record/ and history/ only), and dock/ on top of all; a
#     folder includes only from itself and from the layers below it;
#   - no page includes the main window (gui/app/cdravik.h): only gui/app/
#     knows every page.
# Prints every offending line and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

qtinc=$(qmake -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt5)
widgets=$(ls "$qtinc/QtWidgets" 2>/dev/null | grep -E '^Q[A-Za-z]+$' | tr '\n' '|' | sed 's/|$//')
status=0
fail() {
  echo "check-layers: $1"
  status=1
}

# Widget headers and gui/ files below core/ and cli/.
while IFS= read -r hit; do
  fail "widget include outside gui/: $hit"
done < <(grep -rnE "#include *[<\"](QtWidgets/|QtPrintSupport/|qcustomplot\.h|($widgets)[>\"])" core cli || true)
while IFS= read -r hit; do
  fail "include of gui/ outside gui/: $hit"
done < <(grep -rnE '#include *"gui/' core cli || true)

# Layers inside core/.
allowed() { # folder -> the folders it may include
  case "$1" in
    record) echo "record" ;;
    report) echo "record report" ;;
    device) echo "record report device" ;;
    history | export | configuration) echo "record report device $1" ;;
    compliance) echo "record history compliance" ;;
    dock) echo "record report device history export configuration compliance dock" ;;
  esac
}
for dir in record report device history export configuration compliance dock; do
  ok=$(allowed "$dir")
  while IFS= read -r line; do
    target=$(sed -E 's/.*#include *"core\/([a-z]+)\/.*/\1/' <<<"$line")
    case " $ok " in
      *" $target "*) ;;
      *) fail "core/$dir may not include core/$target: $line" ;;
    esac
  done < <(grep -rnE '#include *"core/' "core/$dir" || true)
done

# Pages never include the main window.
while IFS= read -r hit; do
  fail "a page includes the main window: $hit"
done < <(grep -rnE '#include *"gui/app/cdravik\.h"' gui --include='*.cpp' --include='*.h' | grep -v '^gui/app/' || true)

exit $status
