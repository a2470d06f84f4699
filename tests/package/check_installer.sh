#!/usr/bin/env bash
# check_installer.sh GUI_ENV GUI_DIR SETUP ZIP DRIVER: the installer under Wine, as a user and
# a package manager run it. A silent install puts the program, its Start menu shortcut and its
# "Apps & features" entry in place for this user; the program started from the shortcut keeps
# its tape in %APPDATA%\Quillon; an install over it keeps that tape; the uninstaller speaks
# the display language (German here, as Wine takes it from LC_ALL); a silent uninstall
# removes the program and the entry and keeps the tape. The ZIP, unpacked, still runs portable.
set -uo pipefail
gui_env=$1
gui_dir=$2
setup=$3
zip=$4
driver=$5
fail() { echo "FAIL: $*"; exit 1; }
run() { bash "$gui_env" run "$gui_dir" "$@"; }

users=$gui_dir/wineprefix/drive_c/users/$(whoami)
program_dir=$users/AppData/Local/Programs/Quillon
data_dir=$users/AppData/Roaming/Quillon
link="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillon.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon'
windows_program='C:\users\'$(whoami)'\AppData\Local\Programs\Quillon'

run "$(realpath "$setup")" /S || fail "the silent install failed"
for file in quillon.exe Quillon.chm brenmark.url README.txt uninstall.exe; do
  [ -s "$program_dir/$file" ] || fail "$file not installed"
done
[ -e "$program_dir/Quillon.ini" ] && fail "the installed copy carries the portable mark"
[ -s "$link" ] || fail "no Start menu shortcut"
entry=$(run reg query "$key")
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString \
             QuietUninstallString; do
  grep -q "$value" <<< "$entry" || fail "the Apps & features entry lacks $value: $entry"
done
grep -q 'QuietUninstallString.*uninstall.exe" /S' <<< "$entry" || fail "no quiet uninstall: $entry"

run "$driver" "$windows_program\\quillon.exe" installed_copy || fail "the installed copy"
grep -q 'result' "$data_dir/Quillon.tape" || fail "no tape in %APPDATA%\\Quillon"
cp "$data_dir/Quillon.tape" "$gui_dir/tape-before"

run "$(realpath "$setup")" /S || fail "the install over the first failed"
cmp -s "$gui_dir/tape-before" "$data_dir/Quillon.tape" || fail "the install over changed the tape"

LC_ALL=de_DE.UTF-8 run "$driver" "$windows_program\\uninstall.exe" uninstaller_language ||
  fail "the uninstaller under a German display language"

run "$windows_program\\uninstall.exe" /S "_?=$windows_program" || fail "the silent uninstall failed"
[ -e "$program_dir/quillon.exe" ] && fail "the program is still there"
[ -e "$link" ] && fail "the shortcut is still there"
run reg query "$key" > /dev/null 2>&1 && fail "the Apps & features entry is still there"
cmp -s "$gui_dir/tape-before" "$data_dir/Quillon.tape" || fail "the uninstall took the tape"
rm -f "$program_dir/uninstall.exe"; rmdir "$program_dir" 2> /dev/null

portable=$gui_dir/portable
rm -rf "$portable" && mkdir -p "$portable"
unzip -q "$zip" -d "$portable" || fail "cannot unpack the ZIP"
exe=$(find "$portable" -name quillon.exe)
run "$driver" "Z:$(sed 's#/#\\#g' <<< "$exe")" portable_copy || fail "the ZIP does not run portable"
rm -rf "$portable"
echo ok
