#!/usr/bin/env bash
# check_zip.sh BUILD_DIR PACKAGE_NAME BUILT_EXE VERSION: checks the ZIP the build made (or builds it
# with CPack) unpacks into one folder holding exactly the program, the manual, the home-page
# shortcut, the read-me, each of them not empty, and the empty Quillon.ini that marks a portable
# copy; that the program in it is the one just built, without symbols, and that the read-me names
# the version.
set -euo pipefail
build_dir=$1
name=$2
built_exe=$3
version=$4
cd "$build_dir"
[[ -f "$name.zip" && "$name.zip" -nt "$built_exe" ]] || cpack -G ZIP --config CPackConfig.cmake >/dev/null
listing=$(unzip -Z1 "$name.zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$name/Quillon.chm" "$name/Quillon.ini" "$name/README.txt" "$name/brenmark.url" "$name/quillon.exe" | sort)
if [[ "$listing" != "$expected" ]]; then
    echo "ZIP entries differ:"; diff <(echo "$expected") <(echo "$listing") || true
    exit 1
fi
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$name.zip" -d "$unpacked"
for entry in $expected; do
    [[ $entry == */Quillon.ini ]] && continue
    [[ -s "$unpacked/$entry" ]] || { echo "empty entry: $entry"; exit 1; }
done
[[ -f "$unpacked/$name/Quillon.ini" && ! -s "$unpacked/$name/Quillon.ini" ]] || { echo "Quillon.ini is not the empty portable mark"; exit 1; }
cmp "$unpacked/$name/quillon.exe" "$built_exe"
head -c 2 "$unpacked/$name/quillon.exe" | grep -q MZ || { echo "quillon.exe is no Windows program"; exit 1; }
symbols=$(x86_64-w64-mingw32-nm "$unpacked/$name/quillon.exe" 2>/dev/null | wc -l)
((symbols == 0)) || { echo "quillon.exe carries $symbols symbols"; exit 1; }
head -n 1 "$unpacked/$name/README.txt" | grep -qF "Quillon $version " || { echo "README.txt does not name version $version"; exit 1; }
grep -q '^URL=' "$unpacked/$name/brenmark.url" || { echo "brenmark.url has no URL line"; exit 1; }
head -c 4 "$unpacked/$name/Quillon.chm" | grep -q ITSF || { echo "Quillon.chm is no compiled help file"; exit 1; }
echo "ZIP holds: $(echo $listing)"
