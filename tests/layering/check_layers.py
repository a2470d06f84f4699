#!/usr/bin/env python3
"""Checks every #include of the tree against the table of docs/architecture.md.

check_layers.py ROOT [TABLE_DOC]: fails, naming the file and the include, when a folder includes
one its row does not allow, or a portable folder includes a header ending in ".h" in angle
brackets (the system's, never the C++ standard library's); a file in a folder the table does
not name fails too, and so does a README.md beside the tree whose layout table names other
folders.
"""
import os
import re
import sys

SOURCE_ENDINGS = (".cpp", ".h", ".rc", ".h.in")
SKIPPED_DIRS = {".git", "build"}
FOLDER = re.compile(r"`([a-z_]+/)`")
QUOTED = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ANGLED = re.compile(r"^\s*#\s*include\s+<([^>]+)>")


def read_table(doc_path):
    """The rows of the table under "Which folder may call which": folder -> (kind, allowed)."""
    rows = {}
    in_section = False
    with open(doc_path, encoding="utf-8") as doc:
        for line in doc:
            if line.startswith("## "):
                in_section = line.startswith("## Which folder may call which")
            if not in_section or not line.startswith("| `"):
                continue
            cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
            folders = FOLDER.findall(cells[0])
            for folder in folders:
                rows[folder] = (cells[1], set(FOLDER.findall(cells[3])) | {folder})
    return rows


def readme_folders(readme_path):
    """The top folders the README's layout table names."""
    folders = set()
    in_section = False
    with open(readme_path, encoding="utf-8") as readme:
        for line in readme:
            if line.startswith("## "):
                in_section = line.startswith("## Layout")
            if in_section and line.startswith("| `"):
                cell = line.strip().strip("|").split("|")[0]
                folders |= {name.split("/")[0] + "/" for name in re.findall(r"`([a-z_/]+/)`", cell)}
    return folders


def source_files(root):
    for top, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs if d not in SKIPPED_DIRS)
        for name in sorted(files):
            if name.endswith(SOURCE_ENDINGS):
                yield os.path.relpath(os.path.join(top, name), root).replace(os.sep, "/")


def faults_of(path, text, rows):
    """Every forbidden include of one file, as messages."""
    folder = path.split("/")[0] + "/"
    if "/" not in path:
        return []
    if folder not in rows:
        return [f"{path}: the folder {folder} has no row in the table"]
    kind, allowed = rows[folder]
    faults = []
    for number, line in enumerate(text.splitlines(), 1):
        quoted = QUOTED.match(line)
        if quoted and "/" in quoted.group(1):
            target = quoted.group(1).split("/")[0] + "/"
            if target in rows and target not in allowed:
                faults.append(f'{path}:{number}: includes "{quoted.group(1)}", '
                              f"which {folder} may not include")
        angled = ANGLED.match(line)
        if angled and kind == "portable" and angled.group(1).endswith(".h"):
            faults.append(f"{path}:{number}: includes <{angled.group(1)}>, "
                          f"but {folder} is portable")
    return faults


def main():
    root = sys.argv[1]
    doc = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "docs", "architecture.md")
    rows = read_table(doc)
    if not rows:
        print(f"{doc}: no table of folders found")
        return 1
    faults = []
    readme = os.path.join(root, "README.md")
    if os.path.exists(readme) and readme_folders(readme) != set(rows):
        faults.append(f"README.md: the layout table names {sorted(readme_folders(readme))}, "
                      f"the layering table {sorted(rows)}")
    checked = 0
    for path in source_files(root):
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            faults += faults_of(path, source.read(), rows)
        checked += 1
    for fault in faults:
        print(fault)
    print(f"{checked} files checked against {len(rows)} folders: {len(faults)} forbidden includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
