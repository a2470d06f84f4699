#!/usr/bin/env bash
# Compiles the user manual: compile_chm.sh HELP_SOURCE_DIR OUTPUT_CHM
#
# The pages are staged in a private folder and compiled there by chmcmd, as the user who builds.
# chmcmd records the target of every mapped topic (the [ALIAS]/[MAP] sections) as the page's
# absolute path on the build machine ("/tmp/.../customize_view.htm"), where a viewer asked for
# "-mapid 1" looks for "/customize_view.htm" inside the file; chm_topic_paths.py writes the
# targets as paths inside the CHM.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
output=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$source_dir"/*.htm "$source_dir"/*.css "$source_dir"/*.hhc "$source_dir"/*.hhp "$source_dir"/*.h "$stage"/
# Pictures of the dialogs, when they have been taken.
cp "$source_dir"/../docs/*.png "$stage"/ 2>/dev/null || true
cd "$stage"
chmcmd --no-html-scan quillon.hhp >compile.log 2>&1 || { cat compile.log >&2; exit 1; }
chmls extract Quillon.chm /#STRINGS strings >/dev/null 2>&1
python3 "$source_dir/chm_topic_paths.py" Quillon.chm strings "$(pwd -P)/"
cp Quillon.chm "$output"
