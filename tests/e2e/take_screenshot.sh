#!/usr/bin/env bash
# Saves a picture of the main window with a number on it:
#   take_screenshot.sh GUI_DIR DRIVER QUILLON_EXE MENU_PROBE OUTPUT.png [LANGUAGE]
set -euo pipefail
dir=$(realpath -m "$1")
driver=$2
quillon=$3
probe=$4
output=$(realpath -m "$5")
here=$(dirname "$0")

handshake=$dir/screenshot
rm -rf "$handshake"
mkdir -p "$handshake" "$(dirname "$output")"
bash "$here/gui_env.sh" run "$dir" "$driver" "$quillon" "$probe" screenshot "$handshake" ${6:+"$6"} &
driver_pid=$!
for _ in $(seq 200); do
    [[ -e $handshake/ready ]] && break
    sleep 0.1
done
[[ -e $handshake/ready ]] || { echo "the window did not come up" >&2; kill "$driver_pid"; exit 1; }
# shellcheck disable=SC1091
source "$dir/gui-env"
xwd -display "$DISPLAY" -name Quillon -silent | convert xwd:- "$output"
touch "$handshake/shot.png"
wait "$driver_pid"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
