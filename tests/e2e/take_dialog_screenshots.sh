#!/usr/bin/env bash
# Saves a picture of each customisation dialog, as the help pages and the README show them:
#   take_dialog_screenshots.sh GUI_DIR DRIVER QUILLON_EXE FAKE_HH OUTPUT_DIR
set -euo pipefail
dir=$(realpath -m "$1")
driver=$2
quillon=$3
fake_hh=$4
output=$(realpath -m "$5")
here=$(dirname "$0")
mkdir -p "$output"
# shellcheck disable=SC1091
source "$dir/gui-env"

shoot() {  # dialog name, window title, picture file
    local handshake=$dir/dialog-screenshot
    rm -rf "$handshake"
    mkdir -p "$handshake"
    bash "$here/gui_env.sh" run "$dir" "$driver" "$quillon" "$fake_hh" screenshot "$1" "$handshake" &
    local driver_pid=$!
    for _ in $(seq 200); do
        [[ -e $handshake/ready ]] && break
        sleep 0.1
    done
    [[ -e $handshake/ready ]] || { echo "the $1 dialog did not come up" >&2; kill "$driver_pid"; exit 1; }
    sleep 0.5  # let the dialog finish painting
    xwd -display "$DISPLAY" -name "$2" -silent | convert xwd:- "$output/$3"
    touch "$handshake/shot.png"
    wait "$driver_pid"
    echo "saved $output/$3 ($(identify -format '%wx%h' "$output/$3"))"
}

shoot view "Customize view" customize_view.png
shoot font "Font chooser" font_chooser.png
shoot total "Customize calculation of total" customize_total.png
