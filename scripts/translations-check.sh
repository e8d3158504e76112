#!/usr/bin/env bash
# Fails when a text of the program has no Brazilian Portuguese translation, when the shipped
# translation holds texts the program no longer has, or when a translation drops a %1 or the
# blanks round a text (tool tips keep theirs). Usage: translations-check.sh <lupdate> <source dir>
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/translations/spectrivue_pt_BR.ts" "$work/check.ts"
"$lupdate" -silent -locations none -no-ui-lines "$root/src" -ts "$work/check.ts"
/usr/bin/python3 - "$work/check.ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
faults = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for m in context.iter("message"):
        source = m.findtext("source") or ""
        t = m.find("translation")
        kind = t.get("type")
        text = t.text or ""
        if kind in ("vanished", "obsolete"):
            faults.append("%s: no longer in the program: %r" % (name, source))
        elif kind == "unfinished" or not text:
            faults.append("%s: not translated: %r" % (name, source))
        elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
            faults.append("%s: the numbered places differ: %r" % (name, source))
        elif (len(source) - len(source.lstrip(" ")), len(source) - len(source.rstrip(" "))) != \
                (len(text) - len(text.lstrip(" ")), len(text) - len(text.rstrip(" "))):
            faults.append("%s: the blanks round the text differ: %r" % (name, source))
for f in faults:
    print(f)
print("%d faults" % len(faults))
sys.exit(1 if faults else 0)
PY
