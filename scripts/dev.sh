#!/usr/bin/env bash
# Quillon's set-up commands, for a Debian machine. Only installing packages needs root (sudo is
# used when not root); building and testing run as any user.
#   scripts/dev.sh install installs the packages of scripts/debian-packages.txt that are missing
#   scripts/dev.sh start   builds what is missing and starts the Quillon window under Wine
#   scripts/dev.sh keys    builds the engine and runs the console harness quillon-keys
#   scripts/dev.sh test    installs what is missing, builds everything (the sanitizer and
#                          fuzz trees included) and runs every test
set -euo pipefail
cd "$(dirname "$0")/.."

explain_install() {
    echo "These packages are missing: $*" >&2
    echo "Installing them needs root. As root (or with sudo) run:" >&2
    echo "  apt-get update && apt-get install -y $*" >&2
    echo "then run this command again as yourself." >&2
    exit 1
}

install_missing() {
    local missing=()
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done < scripts/debian-packages.txt
    ((${#missing[@]})) || return 0
    # Root installs; anyone else through sudo, which may ask for a password at a terminal.
    local as_root=()
    if ((EUID != 0)); then
        if command -v sudo >/dev/null && { sudo -n true 2>/dev/null || [[ -t 0 ]]; }; then
            as_root=(sudo)
        else
            explain_install "${missing[@]}"
        fi
    fi
    echo "Installing: ${missing[*]}"
    if ! "${as_root[@]}" apt-get update -qq ||
        ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null; then
        explain_install "${missing[@]}"
    fi
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j2
}

# One CTest run over every build tree, so the last lines are one summary: the fuzz tree runs
# each fuzz target over its corpus and a short campaign, the sanitize tree the unit tests under
# ASan and UBSan. The long soak (label "soak", 20,000 actions) runs only when asked for.
run_tests() {
    printf 'subdirs("native" "windows" "sanitize" "fuzz")\n' > build/CTestTestfile.cmake
    ctest --test-dir build --output-on-failure -LE soak
}

case "${1:-}" in
    install)
        install_missing
        ;;
    start)
        install_missing
        build native
        build windows
        if [[ -z "${DISPLAY:-}" ]]; then
            echo "No display: DISPLAY is unset, so the Quillon window cannot be shown." >&2
            echo "Start one (for example: Xvfb :1 & export DISPLAY=:1) and run this again," >&2
            echo "or try the engine on this terminal: bash scripts/dev.sh keys" >&2
            exit 1
        fi
        # A private Wine prefix in the build tree; no downloads of Mono or Gecko.
        export WINEPREFIX="$PWD/build/windows/wineprefix-start" WINEDEBUG=-all
        export WINEDLLOVERRIDES="mscoree,mshtml="
        echo "Starting Quillon under Wine (settings file: $PWD/Quillon.ini)."
        wine=wine
        [[ -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64
        exec "$wine" build/windows/shell/quillon.exe
        ;;
    keys)
        build native
        echo "Type keys separated by spaces (for example: 1 2 + 3 =), one line at a time."
        exec build/native/tools/quillon-keys
        ;;
    test)
        install_missing
        build native
        build windows
        build sanitize
        build fuzz
        run_tests
        ;;
    *)
        echo "usage: $0 install|start|keys|test" >&2
        exit 2
        ;;
esac
