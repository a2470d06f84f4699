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

# Under a Chinese UI language Wine draws menus and title bars with SimSun, which this machine
# lacks: without a font in its place (one with Chinese and Latin letters, package
# fonts-wqy-microhei) their Chinese comes out as boxes. Only for those pictures: the face
# would change the dialogs of the other languages and the other cases too.
chinese_face() {
    bash "$here/gui_env.sh" run "$dir" reg "$1" 'HKCU\Software\Wine\Fonts\Replacements' \
        /v SimSun "${@:2}" /f >/dev/null
}
trap 'chinese_face delete' EXIT

# As Windows gives the language: Wine takes the UI language from LC_ALL.
for tag in de zh; do
    if [[ $tag == de ]]; then export LC_ALL=de_DE.UTF-8; else export LC_ALL=zh_CN.UTF-8; fi
    [[ $tag == zh ]] && chinese_face add /d "WenQuanYi Micro Hei"
    language=AUTO
    bash "$here/take_screenshot.sh" "$dir" "$gui_driver" "$quillon" "$probe" "$output/screenshot_$tag.png" "$language"
    handshake=$dir/dialog-screenshot
    rm -rf "$handshake"
    mkdir -p "$handshake"
    bash "$here/gui_env.sh" run "$dir" "$menu_driver" "$quillon" "$fake_hh" screenshot view "$handshake" "$language" &
    driver_pid=$!
    for _ in $(seq 200); do
        [[ -e $handshake/ready ]] && break
        sleep 0.1
    done
    [[ -e $handshake/ready && -e $handshake/rect.txt ]] || { echo "no dialog" >&2; kill "$driver_pid"; exit 1; }
    sleep 1  # let the dialog finish painting
    # The dialog's X window, found by its size: its title may be one X cannot name.
    size=$(tr -d '\r\n' < "$handshake/rect.txt" | cut -d+ -f1)
    # The X tools in the C locale: the language's locale need not exist on this machine. awk
    # reads the list to its end: leaving early would end xwininfo by a broken pipe, and the
    # script with it.
    window=$(LC_ALL=C xwininfo -display "$DISPLAY" -root -tree |
        awk -v size=" $size+" 'index($0, size) && found == "" {found = $1} END {print found}')
    [[ -n $window ]] || { echo "no window of size $size" >&2; kill "$driver_pid"; exit 1; }
    LC_ALL=C xwd -display "$DISPLAY" -id "$window" -silent |
        LC_ALL=C convert xwd:- "$output/customize_view_$tag.png"
    touch "$handshake/shot.png"
    wait "$driver_pid"
    echo "saved $output/customize_view_$tag.png"
done
