#!/usr/bin/env python3
"""Makes the mapped topics of a compiled manual name their pages inside the file.

    chm_topic_paths.py CHM STRINGS FOLDER

chmcmd writes the target of every mapped topic ("-mapid N") into the /#STRINGS file of the CHM
as the page's absolute path on the build machine: FOLDER + "customize_view.htm", where FOLDER is
the folder that held the project file. A viewer looks the target up inside the CHM, where the
page is "/customize_view.htm". STRINGS is /#STRINGS as chmcmd wrote it (extracted with chmls).

Each such target is rewritten in place ("/" + page, padded with zero bytes to the old length,
so the offsets that /#IVB keeps into /#STRINGS stay valid). /#STRINGS lives in the compressed
section; the corrected copy is appended to the uncompressed section 0 and its directory entry
pointed there. The entry keeps its size (a number may be written with leading 0x80 bytes, which
every reader of the format decodes as leading zeros), so nothing else in the file moves.
"""
import struct
import sys


def read_encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def encint(value, width=0):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(value & 0x7F)
        value >>= 7
    while len(groups) < width:
        groups.append(0)
    groups.reverse()
    return bytes(g | 0x80 for g in groups[:-1]) + bytes([groups[-1]])


def find_entry(chm, name):
    """Where the numbers of a directory entry start and end, and its section, offset, length."""
    hs0_offset, _, hs1_offset, hs1_length = struct.unpack_from("<QQQQ", chm, 0x38)
    version = struct.unpack_from("<I", chm, 4)[0]
    content = struct.unpack_from("<Q", chm, 0x58)[0] if version >= 3 else hs1_offset + hs1_length
    if chm[hs1_offset:hs1_offset + 4] != b"ITSP":
        sys.exit("not a CHM directory")
    header_length, _, chunk_size = struct.unpack_from("<III", chm, hs1_offset + 8)
    first_listing = struct.unpack_from("<i", chm, hs1_offset + 0x20)[0]
    chunks = hs1_offset + header_length
    chunk = first_listing
    while chunk != -1:
        start = chunks + chunk * chunk_size
        if chm[start:start + 4] != b"PMGL":
            sys.exit("damaged CHM directory")
        free_space = struct.unpack_from("<I", chm, start + 4)[0]
        at, end = start + 20, start + chunk_size - free_space
        while at < end:
            length, at = read_encint(chm, at)
            entry_name = chm[at:at + length]
            at += length
            numbers = at
            section, at = read_encint(chm, at)
            offset, at = read_encint(chm, at)
            size, at = read_encint(chm, at)
            if entry_name == name:
                return hs0_offset, content, numbers, at, section, offset, size
        chunk = struct.unpack_from("<i", chm, start + 16)[0]
    sys.exit(f"{name.decode()} is not in the CHM")


def page_paths(strings, folder):
    """/#STRINGS with every target under FOLDER written as its path inside the CHM."""
    fixed = bytearray(strings)
    rewritten = 0
    at = 0
    while at < len(strings):
        end = strings.find(b"\0", at)
        if end < 0:
            end = len(strings)
        text = strings[at:end]
        if text.startswith(folder):
            page = b"/" + text[len(folder):]
            fixed[at:end] = page + b"\0" * (len(text) - len(page))
            rewritten += 1
        at = end + 1
    return bytes(fixed), rewritten


def main():
    chm_path, strings_path, folder = sys.argv[1], sys.argv[2], sys.argv[3].encode()
    with open(chm_path, "rb") as f:
        chm = bytearray(f.read())
    with open(strings_path, "rb") as f:
        strings = f.read()
    fixed, rewritten = page_paths(strings, folder)
    if rewritten == 0:
        sys.exit(f"no topic target starts with {folder.decode()}")

    hs0_offset, content, numbers, numbers_end, _, _, size = find_entry(chm, b"/#STRINGS")
    if size != len(strings):
        sys.exit("the extracted /#STRINGS does not match its directory entry")
    width = numbers_end - numbers
    new_offset = len(chm) - content
    head, tail = encint(0), encint(size)
    middle = encint(new_offset, width - len(head) - len(tail))
    if len(head) + len(middle) + len(tail) != width:
        sys.exit("the corrected /#STRINGS entry does not fit in the directory")
    chm[numbers:numbers_end] = head + middle + tail
    chm += fixed
    struct.pack_into("<Q", chm, hs0_offset + 8, len(chm))
    with open(chm_path, "wb") as f:
        f.write(chm)


if __name__ == "__main__":
    main()
