#!/usr/bin/env bash
# Fails when a language the program ships lacks a translation of one of its texts, holds texts
# the program no longer has, drops a %1 or the blanks round a text (tool tips keep theirs), or
# when the desktop file or the metainfo lacks that language's texts. The languages are those
# the build ships; a translation file in the folder that the build does not ship fails too.
# Usage: translations-check.sh <lupdate> <source dir> <language>...
set -euo pipefail
lupdate=$1
root=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for language in "$@"; do
    cp "$root/translations/spectrivue_$language.ts" "$work/$language.ts"
    "$lupdate" -silent -locations none -no-ui-lines "$root/src" -ts "$work/$language.ts"
done
/usr/bin/python3 - "$root" "$work" "$@" <<'PY'
import glob, os, re, sys, xml.etree.ElementTree as ET
root, work, languages = sys.argv[1], sys.argv[2], sys.argv[3:]
faults = []

def blanks(s):
    return len(s) - len(s.lstrip(" ")), len(s) - len(s.rstrip(" "))

for path in glob.glob(os.path.join(root, "translations", "spectrivue_*.ts")):
    language = os.path.basename(path)[len("spectrivue_"):-len(".ts")]
    if language not in languages:
        faults.append("%s: a translation the build does not ship" % language)

for language in languages:
    for context in ET.parse(os.path.join(work, language + ".ts")).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            source = m.findtext("source") or ""
            t = m.find("translation")
            kind = t.get("type")
            text = t.text or ""
            where = "%s %s" % (language, name)
            if kind in ("vanished", "obsolete"):
                faults.append("%s: no longer in the program: %r" % (where, source))
            elif kind == "unfinished" or not text:
                faults.append("%s: not translated: %r" % (where, source))
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                faults.append("%s: the numbered places differ: %r" % (where, source))
            elif blanks(source) != blanks(text):
                faults.append("%s: the blanks round the text differ: %r" % (where, source))

# The launcher's texts: the entry's and the pick action's.
desktop = open(os.path.join(root, "resources/desktop/org.spectrivue.spectrivue.desktop.in"),
               encoding="utf-8").read()
entry, _, pick = desktop.partition("[Desktop Action pick]")
for language in languages:
    for key in ("GenericName", "Comment", "Keywords"):
        if not re.search(r"^%s\[%s\]=\S" % (key, re.escape(language)), entry, re.M):
            faults.append("%s: the desktop file has no %s" % (language, key))
    if not re.search(r"^Name\[%s\]=\S" % re.escape(language), pick, re.M):
        faults.append("%s: the desktop file's pick action has no Name" % language)

# The software centre's texts: the summary and every paragraph of the description.
lang = "{http://www.w3.org/XML/1998/namespace}lang"
component = ET.parse(os.path.join(
    root, "resources/desktop/org.spectrivue.spectrivue.metainfo.xml.in")).getroot()
paragraphs = component.find("description").findall("p")
english = sum(1 for p in paragraphs if p.get(lang) is None)
for language in languages:
    if not any(s.get(lang) == language for s in component.findall("summary")):
        faults.append("%s: the metainfo has no summary" % language)
    if sum(1 for p in paragraphs if p.get(lang) == language) != english:
        faults.append("%s: the metainfo's description lacks paragraphs" % language)

for f in faults:
    print(f)
print("%d faults in %d languages" % (len(faults), len(languages)))
sys.exit(1 if faults else 0)
PY
