#!/usr/bin/env bash
# Runs a Windows console program of the test trees under Wine: wine_run.sh PREFIX_DIR PROGRAM ARGS...
# Without a program it only makes the prefix.
#
# The Wine prefix is private to the build tree and made on first use; Wine is kept from fetching
# Mono or Gecko and from printing its own diagnostics. The program's standard output and error
# reach the caller with Windows line ends turned into "\n", so listings and transcripts read as
# they do from the native programs; standard input is passed through.
set -euo pipefail
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine=wine
[[ -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64

if [[ ! -f $prefix/system.reg ]]; then
    mkdir -p "$(dirname "$prefix")"
    # Parallel test runs wait here for the one that makes the prefix.
    exec 9>"$prefix.lock"
    flock 9
    if [[ ! -f $prefix/system.reg ]]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    exec 9>&-
fi
(($# > 0)) || exit 0

# One Wine server and one set of Wine's services for a run of tests, kept 30 s after the last
# program ends. The services are started here with their output sent away: started by the
# program's own run they would hold its output open until the server ends, seconds later.
if wineserver -p30 </dev/null >/dev/null 2>&1; then
    "$wine" wineboot </dev/null >/dev/null 2>&1 || true
fi

# Standard error is swapped onto the pipe's way and back so both streams are filtered and the
# shell waits for both filters before it returns.
{ "$wine" "$@" 2>&1 1>&3 3>&- | tr -d '\r' >&2; } 3>&1 | tr -d '\r'
