#!/usr/bin/env bash
# Saves the main window and the Customize view dialog in German and in Simplified Chinese, as
# Quillon shows them under those Windows UI languages (Wine takes it from LC_ALL):
#   take_language_screenshots.sh GUI_DIR GUI_DRIVER MENU_DRIVER QUILLON_EXE PROBE FAKE_HH OUTPUT_DIR
set -euo pipefail
dir=$(realpath -m "$1")
gui_driver=$2
menu_driver=$3
quillon=$4
probe=$5
fake_hh=$6
output=$(realpath -m "$7")
here=$(dirname "$0")
mkdir -p "$output"
# shellcheck disable=SC1091
source "$dir/gui-env"

for language in de_DE:de zh_CN:zh; do
    export LC_ALL=${language%%:*}.UTF-8
    tag=${language##*:}
    bash "$here/take_screenshot.sh" "$dir" "$gui_driver" "$quillon" "$probe" "$output/screenshot_$tag.png"
    handshake=$dir/dialog-screenshot
    rm -rf "$handshake"
    mkdir -p "$handshake"
    bash "$here/gui_env.sh" run "$dir" "$menu_driver" "$quillon" "$fake_hh" screenshot view "$handshake" &
    driver_pid=$!
    for _ in $(seq 200); do
        [[ -e $handshake/ready ]] && break
        sleep 0.1
    done
    [[ -e $handshake/ready && -e $handshake/rect.txt ]] || { echo "no dialog" >&2; kill "$driver_pid"; exit 1; }
    sleep 1  # let the dialog finish painting
    if [[ $tag == de ]]; then  # a title X can name; otherwise the dialog's place on the screen
        xwd -display "$DISPLAY" -name "Ansicht anpassen" -silent | convert xwd:- "$output/customize_view_$tag.png"
    else
        xwd -display "$DISPLAY" -root -silent |
            convert xwd:- -crop "$(tr -d '\r\n' < "$handshake/rect.txt")" +repage "$output/customize_view_$tag.png"
    fi
    touch "$handshake/shot.png"
    wait "$driver_pid"
    echo "saved $output/customize_view_$tag.png"
done
