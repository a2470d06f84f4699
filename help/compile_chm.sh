#!/usr/bin/env bash
# Compiles the user manual: compile_chm.sh HELP_SOURCE_DIR OUTPUT_CHM
#
# chmcmd records the target of every mapped topic (the [ALIAS]/[MAP] sections) as the page's
# absolute path on the build machine, so a viewer asked for "-mapid 1" would look for
# "/home/.../customize_view.htm" inside the file and find nothing. Run in a private mount and
# user namespace with the staged sources as its root directory, the absolute path of a page is
# its path inside the CHM ("/customize_view.htm"), which is what the viewer looks up.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
output=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$source_dir"/*.htm "$source_dir"/*.css "$source_dir"/*.hhc "$source_dir"/*.hhp "$source_dir"/*.h "$stage"/
# Pictures of the dialogs, when they have been taken.
cp "$source_dir"/../docs/*.png "$stage"/ 2>/dev/null || true
chmcmd_path=$(readlink -f "$(command -v chmcmd)")
unshare --user --map-root-user --mount sh -c '
    set -e
    for d in usr lib lib64 etc; do
        [ -d "/$d" ] || continue
        mkdir -p "$1/$d"
        mount --rbind "/$d" "$1/$d"
    done
    cd "$1"
    chroot . "$2" --no-html-scan /quillon.hhp
' sh "$stage" "$chmcmd_path" >"$stage.log" 2>&1 || { cat "$stage.log" >&2; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
cp "$stage/Quillon.chm" "$output"
