#!/usr/bin/env bash
# The desktop the GUI tests run on: a private X server and a private Wine prefix, both kept
# in the given build directory.
#   gui_env.sh start DIR        starts Xvfb on a free display, creates the prefix if needed
#   gui_env.sh run DIR CMD...   runs a Windows program on that display
#   gui_env.sh stop DIR         stops Wine and the X server
set -euo pipefail

command=$1
dir=$(realpath -m "$2")
shift 2
state=$dir/gui-env

wine_binary() {
    if [[ -x /usr/lib/wine/wine64 ]]; then echo /usr/lib/wine/wine64; else command -v wine; fi
}

use_prefix() {
    export WINEPREFIX=$dir/wineprefix
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
}

free_display() {
    local n
    for n in $(seq 91 199); do
        if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
            echo "$n"
            return
        fi
    done
    echo "no free X display between :91 and :199" >&2
    exit 1
}

start() {
    mkdir -p "$dir"
    [[ -f $state ]] && stop
    local n
    n=$(free_display)
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    local pid=$!
    local tries=0
    until [[ -e /tmp/.X11-unix/X$n ]]; do
        ((++tries > 100)) && { echo "Xvfb did not start, see $dir/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    printf 'DISPLAY=:%s\nXVFB_PID=%s\n' "$n" "$pid" >"$state"
    use_prefix
    export DISPLAY=:$n
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    # One server and one set of Wine's services for the whole run: otherwise every program
    # ends in the server's shutdown and the next one pays seconds for starting them again.
    # They are started here, away from the output of the programs run later, which would
    # otherwise stay open in them.
    wineserver -p >>"$dir/wine.log" 2>&1
    "$(wine_binary)" wineboot >>"$dir/wine.log" 2>&1 </dev/null || true
    # Xvfb has no window manager: a managed window that closes makes Wine wait two seconds
    # for a manager to withdraw it, on every window, dialog and message box.
    "$(wine_binary)" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >>"$dir/wine.log" 2>&1 </dev/null
}

# Every program run here prints before it ends with a failure, and a real case takes
# seconds. A silent failure within a moment means Wine never got the program going (seen
# once on a loaded machine), so that run alone is tried again.
run() {
    # shellcheck disable=SC1090
    source "$state"
    export DISPLAY
    use_prefix
    local wine output attempt status started elapsed_ms
    wine=$(wine_binary)
    output=$(mktemp)
    for attempt in 1 2 3; do
        started=$(date +%s%N)
        set +e
        "$wine" "$@" 2>&1 | tee "$output"
        status=${PIPESTATUS[0]}
        set -e
        elapsed_ms=$((($(date +%s%N) - started) / 1000000))
        if ((status == 0 || elapsed_ms >= 2000)) || [[ -s $output ]]; then break; fi
        echo "wine ended with status $status after $elapsed_ms ms, before the program printed" \
             "anything (attempt $attempt of 3)"
    done
    rm -f "$output"
    return "$status"
}

stop() {
    [[ -f $state ]] || return 0
    # shellcheck disable=SC1090
    source "$state"
    use_prefix
    wineserver -k >/dev/null 2>&1 || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -f "$state"
}

case "$command" in
    start) start ;;
    run) run "$@" ;;
    stop) stop ;;
    *) echo "usage: $0 start|run|stop DIR [CMD...]" >&2; exit 2 ;;
esac
