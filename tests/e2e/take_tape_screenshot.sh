#!/usr/bin/env bash
# Saves a picture of the main window with the tape beside it:
#   take_tape_screenshot.sh GUI_DIR DRIVER QUILLON_EXE MENU_PROBE OUTPUT.png [ARGUMENT...]
# The arguments after the picture's path go on to the driver's screenshot mode.
set -euo pipefail
dir=$(realpath -m "$1")
driver=$2
quillon=$3
probe=$4
output=$(realpath -m "$5")
shift 5
here=$(dirname "$0")

handshake=$dir/tape-screenshot
rm -rf "$handshake"
mkdir -p "$handshake" "$(dirname "$output")"
bash "$here/gui_env.sh" run "$dir" "$driver" "$quillon" "$probe" screenshot "$handshake" "$@" &
driver_pid=$!
for _ in $(seq 200); do
    [[ -s $handshake/ready ]] && break
    sleep 0.1
done
[[ -s $handshake/ready ]] || { echo "the windows did not come up" >&2; kill "$driver_pid"; exit 1; }
read -r x y width height < "$handshake/ready"
# shellcheck disable=SC1091
source "$dir/gui-env"
xwd -display "$DISPLAY" -root -silent | convert xwd:- -crop "${width}x${height}+${x}+${y}" +repage "$output"
touch "$handshake/shot.png"
wait "$driver_pid"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
