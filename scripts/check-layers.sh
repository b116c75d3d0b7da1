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
#     knows every page;
#   - the same of what is built, whatever the includes say (a declaration
#     written out by hand, a template): no object of a core/ folder refers
#     to a symbol that an object of a folder it may not use defines, and no
#     object of core/ or cli/ refers to a symbol of QtWidgets (or
#     QtPrintSupport, or QCustomPlot).
# The objects are those of the build directory given as the only argument,
# ./build by default; without them the check fails and says so.
# Prints every offending line and exits 1 when there is one.
set -euo pipefail
build=${1:-build}
[ -d "$build" ] && build=$(cd "$build" && pwd)
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

# What the objects of each folder refer to. Only strong definitions (T, D,
# B, R) belong to a folder: an inline function or a template instance is
# emitted, weak, wherever it is used. Objects of sources that are gone
# (left behind by an older build) do not count.
objects="$build/core/CMakeFiles/vesmira_core.dir"
if ! ls "$objects"/*/*.o >/dev/null 2>&1; then
  fail "no objects of vesmira_core under $objects: build first (cmake --build ${1:-build}) or name the build directory"
else
  symbols=$(mktemp)
  trap 'rm -f "$symbols"' EXIT
  for dir in record report device history export configuration compliance dock; do
    for object in "$objects/$dir"/*.o; do
      [ -e "$object" ] || continue
      source=${object#"$objects/"}
      [ -e "core/${source%.o}" ] || continue
      nm -P "$object" | awk -v dir="$dir" -v source="core/${source%.o}" \
        '$2 == "U" { print "U", dir, source, $1 } $2 ~ /^[TDBR]$/ { print "D", dir, source, $1 }'
    done
  done >"$symbols"
  rules=""
  for dir in record report device history export configuration compliance dock; do
    rules+="$dir:$(allowed "$dir" | tr ' ' ',');"
  done
  while IFS= read -r hit; do
    fail "$hit"
  done < <(awk -v rules="$rules" '
    BEGIN {
      n = split(rules, list, ";")
      for (i = 1; i <= n; i++) {
        if (split(list[i], pair, ":") == 2) {
          m = split(pair[2], to, ",")
          for (j = 1; j <= m; j++)
            may[pair[1], to[j]] = 1
        }
      }
    }
    $1 == "D" { owner[$4] = $2; definer[$4] = $3; next }
    { used[NR] = $0 }
    END {
      for (k in used) {
        split(used[k], f, " ")
        if ((f[4] in owner) && !((f[2], owner[f[4]]) in may))
          print f[3] " (core/" f[2] ") uses " f[4] " of " definer[f[4]] " (core/" owner[f[4]] ")"
      }
    }' "$symbols" | sort -u | c++filt)

  # Symbols of the widget libraries, and of QCustomPlot (compiled into the
  # GUI: its class names stand for it), in objects of core/ and cli/.
  libs=$(qmake -query QT_INSTALL_LIBS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu)
  widgetSymbols=$(mktemp)
  trap 'rm -f "$symbols" "$widgetSymbols"' EXIT
  for lib in "$libs"/libQt5Widgets.so "$libs"/libQt5PrintSupport.so; do
    if [ -e "$lib" ]; then nm -D --defined-only -P "$lib" | awk '{ print $1 }'; fi
  done | sed 's/@.*//' | sort -u >"$widgetSymbols"
  [ -s "$widgetSymbols" ] || fail "no libQt5Widgets.so under $libs: its symbols cannot be told"
  while IFS= read -r hit; do
    fail "$hit"
  done < <(for object in "$objects"/*/*.o "$build"/CMakeFiles/vesmira-cli.dir/cli/*.o; do
    [ -e "$object" ] || continue
    case "$object" in
      "$objects"/*) source=core/${object#"$objects/"} ;;
      *) source=cli/${object##*/} ;;
    esac
    [ -e "${source%.o}" ] || continue
    nm -P --undefined-only "$object" | awk '{ print $1 }' | sed 's/@.*//' | sort -u >"$symbols.used"
    { comm -12 "$symbols.used" "$widgetSymbols" | c++filt; c++filt <"$symbols.used" | grep -E '^(QCP|QCustomPlot)' || true; } \
      | sed "s|^|${source%.o} uses a widget symbol: |"
  done)
  rm -f "$symbols.used"
fi

# Pages never include the main window.
while IFS= read -r hit; do
  fail "a page includes the main window: $hit"
done < <(grep -rnE '#include *"gui/app/cdravik\.h"' gui --include='*.cpp' --include='*.h' | grep -v '^gui/app/' || true)

exit $status
