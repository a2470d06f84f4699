#!/usr/bin/env bash
# Saves a picture of the print preview of a short tape:
#   take_preview_screenshot.sh GUI_DIR DRIVER QUILLON_EXE OUTPUT.png
set -euo pipefail
dir=$(realpath -m "$1")
driver=$2
quillon=$3
output=$(realpath -m "$4")
here=$(dirname "$0")

handshake=$dir/preview-screenshot
rm -rf "$handshake"
mkdir -p "$handshake" "$(dirname "$output")"
bash "$here/gui_env.sh" run "$dir" "$driver" "$quillon" screenshot "$handshake" &
driver_pid=$!
for _ in $(seq 200); do
    [[ -s $handshake/ready ]] && break
    sleep 0.1
done
[[ -s $handshake/ready ]] || { echo "the preview did not come up" >&2; kill "$driver_pid"; exit 1; }
read -r x y width height < "$handshake/ready"
# shellcheck disable=SC1091
source "$dir/gui-env"
xwd -display "$DISPLAY" -root -silent | convert xwd:- -crop "${width}x${height}+${x}+${y}" +repage "$output"
touch "$handshake/shot.png"
wait "$driver_pid"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
