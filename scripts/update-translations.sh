#!/usr/bin/env bash
# Brings resources/translations/*.ts up to date with the tr() texts of the
# code (lupdate keeps every existing translation). New texts come in
# unfinished: give them their English (dravik_en.ts) and Chinese (dravik_zh.ts)
# translation. With --check it changes nothing and lists the texts of the code
# that the .ts files lack.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
sources=(core gui cli resources/forms)

if [ "${1:-}" = "--check" ]; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  "$lupdate" -silent -locations none -I . "${sources[@]}" -ts "$tmp/code.ts"
  python3 - "$tmp/code.ts" resources/translations/dravik_en.ts resources/translations/dravik_zh.ts <<'PY'
import sys, xml.etree.ElementTree as ET
def texts(path, finished_only=False):
    out = set()
    for ctx in ET.parse(path).getroot().iter('context'):
        name = ctx.findtext('name')
        for m in ctx.iter('message'):
            t = m.find('translation')
            if finished_only and (t is None or t.get('type') in ('unfinished', 'obsolete', 'vanished')):
                continue
            out.add((name, m.findtext('source')))
    return out
code = texts(sys.argv[1])
missing = 0
for ts in sys.argv[2:]:
    for ctx, src in sorted(code - texts(ts, True)):
        print(f"{ts}: {ctx}: {src!r}")
        missing += 1
sys.exit(1 if missing else 0)
PY
  exit $?
fi

"$lupdate" -no-obsolete -locations none -I . "${sources[@]}" -ts resources/translations/dravik_en.ts resources/translations/dravik_zh.ts
