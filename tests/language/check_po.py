#!/usr/bin/env python3
"""Checks the PO files of Quillon's languages against the program's English texts:

    check_po.py SOURCE_DIR

- the template (language/po/quillon.pot) holds exactly the texts the program shows: those of
  the resource scripts' menus, dialogs and string table, the literals of Words(),
  WordsWith() and English() in the C++ sources, and the installer's LangStrings;
- every language file has every text of the template, none empty, with the same placeholders
  (%1, %2, ...), one access key ("&") where the English text has one and none where it has
  none, and a tab (menu shortcut) where the English text has one;
- no two items of one menu or one dialog share an access key, in English or any language.
Exits non-zero naming each fault.
"""
import glob
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "language"))
import po_to_nsh  # noqa: E402
import po_to_table  # noqa: E402

QUOTED = r'"((?:[^"\\]|\\.)*)"'
# Texts of the resource scripts that are names, not words.
NOT_WORDS = {"", "Quillon", "MS Shell Dlg", "Static", "SysListView32", "100 %", "200 %", "300 %", "400 %"}
STRING_IDS_NOT_WORDS = {"IDS_APP_TITLE", "IDS_VERSION", "IDS_CLASS_NAME"}


def rc_unescape(text):
    return text.replace('\\"', '"').replace("\\t", "\t").replace('""', '"')


def rc_groups(path):
    """The texts of one resource script as groups whose access keys must differ: each menu
    level and each dialog. Returns a list of (group name, [texts])."""
    groups = []
    stack = []
    dialog = None
    in_strings = False
    for raw in open(path, encoding="utf-8", errors="replace"):
        line = raw.strip()
        if line.startswith("//"):
            continue
        words = line.split()
        if re.match(r"^\w+\s+(DIALOGEX|DIALOG)\b", line):
            dialog = (words[0], [])
            groups.append(dialog)
            continue
        if re.match(r"^\w+\s+MENU\b", line):
            stack = [(words[0], [])]
            groups.append(stack[0])
            continue
        if line == "STRINGTABLE":
            in_strings = True
            groups.append(("STRINGTABLE", []))
            continue
        if line == "END":
            if stack:
                stack.pop()
            elif in_strings:
                in_strings = False
            else:
                dialog = None
            continue
        found = re.search(QUOTED, line)
        text = rc_unescape(found.group(1)) if found else None
        if in_strings:
            if found and words[0] not in STRING_IDS_NOT_WORDS:
                groups[-1][1].append(text)
        elif stack and words and words[0] in ("POPUP", "MENUITEM") and found:
            stack[-1][1].append(text)
            if words[0] == "POPUP":
                stack.append(("%s/%s" % (stack[0][0], text), []))
                groups.append(stack[-1])
        elif dialog is not None and found and text not in NOT_WORDS:
            if words[0] == "CAPTION" or words[0] in (
                    "LTEXT", "CTEXT", "RTEXT", "GROUPBOX", "PUSHBUTTON", "DEFPUSHBUTTON",
                    "AUTOCHECKBOX", "AUTORADIOBUTTON", "CHECKBOX", "RADIOBUTTON", "CONTROL"):
                dialog[1].append(text)
    return [(name, [t for t in texts if t not in NOT_WORDS]) for name, texts in groups]


def source_texts(source_dir):
    """Literals marked by Words(), WordsWith() or English(), and the message constants
    (`...Message = "..." "...";`) the shell shows through Words()."""
    texts = set()
    constant = re.compile(r"\w+Message\s*=\s*((?:" + QUOTED + r"\s*)+);")
    headers = glob.glob(os.path.join(source_dir, "settings", "*.h"))
    headers += glob.glob(os.path.join(source_dir, "platform", "*.h"))
    for path in headers:
        for match in constant.finditer(open(path, encoding="utf-8").read()):
            parts = re.findall(QUOTED, match.group(1))
            texts.add("".join(parts).encode().decode("unicode_escape"))
    # A text may be written as several literals in a row, which C++ joins.
    pattern = re.compile(r"\b(?:Words|WordsWith|English)\(\s*((?:" + QUOTED + r"\s*)+)")
    for folder in ("calculator", "controls", "dialogs", "language", "platform", "settings", "shell",
                   "tape", "total", "tools"):
        for path in glob.glob(os.path.join(source_dir, folder, "*.[ch]*")):
            for match in pattern.finditer(open(path, encoding="utf-8").read()):
                joined = "".join(re.findall(QUOTED, match.group(1)))
                texts.add(joined.encode().decode("unicode_escape"))
    # The installer's own texts.
    for path in glob.glob(os.path.join(source_dir, "package", "*.nsi")):
        texts.update(text for _, text in po_to_nsh.english_texts(path))
    return texts


def access_key(text):
    at = text.find("&")
    return text[at + 1].lower() if 0 <= at < len(text) - 1 else None


def check(source_dir):
    faults = []
    po_dir = os.path.join(source_dir, "language", "po")
    template = po_to_table.translations(po_to_table.read_po(os.path.join(po_dir, "quillon.pot")))
    groups = []
    for rc in sorted(glob.glob(os.path.join(source_dir, "resources", "*.rc"))):
        groups += rc_groups(rc)
    # The shell adds the "Language" submenu to the Customize menu.
    for name, texts in groups:
        if name == "IDM_MAIN/&Customize":
            texts.append("&Language")
    shown = {t for _, texts in groups for t in texts} | source_texts(source_dir)
    for text in sorted(shown - template.keys()):
        faults.append("template: missing %r" % text)
    for text in sorted(template.keys() - shown):
        faults.append("template: %r is shown nowhere" % text)

    languages = {"en": {t: t for t in template}}
    for path in sorted(glob.glob(os.path.join(po_dir, "*.po"))):
        tag = po_to_table.tag_of(path)
        words = po_to_table.translations(po_to_table.read_po(path))
        languages[tag] = words
        for english in template:
            text = words.get(english)
            if not text:
                faults.append("%s: no translation of %r" % (tag, english))
                continue
            if sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", english)):
                faults.append("%s: placeholders differ in %r" % (tag, text))
            if text.count("&") != english.count("&"):
                faults.append("%s: access key of %r differs from %r" % (tag, text, english))
            if ("\t" in text) != ("\t" in english):
                faults.append("%s: shortcut of %r differs from %r" % (tag, text, english))
        for extra in sorted(words.keys() - template.keys()):
            faults.append("%s: %r is in no template" % (tag, extra))

    for tag, words in languages.items():
        for name, texts in groups:
            keys = {}
            for english in texts:
                key = access_key(words.get(english, english))
                if key is None:
                    continue
                if key in keys:
                    faults.append("%s: %s: %r and %r share the access key %r" %
                                  (tag, name, keys[key], words.get(english), key))
                keys[key] = words.get(english, english)
    return faults


def po_entry(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t")
    return 'msgid "%s"\nmsgstr ""\n' % escaped


if __name__ == "__main__":
    # --missing: the texts the template lacks, as PO entries to add to it and to each language.
    if len(sys.argv) > 2 and sys.argv[2] == "--missing":
        for problem in check(sys.argv[1]):
            if problem.startswith("template: missing "):
                print(po_entry(eval(problem[len("template: missing "):])))
        sys.exit(0)
    problems = check(sys.argv[1] if len(sys.argv) > 1 else ".")
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)
