#!/usr/bin/env bash
# Takes the user guide's pictures from the real program: starts it under a
# virtual X server (xvfb-run) with the openbox window manager, drives it with
# xdotool and grabs the windows with ImageMagick's import.
#   tools/make-screenshots.sh [OUT_FOLDER]     (default: doc/images)
# Needs a built build/ (BUILD_DIR) with the program and make_example_templates,
# and the packages xvfb xauth openbox xdotool imagemagick. The program runs with
# its own temporary home, so the user's settings and desktop stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --inside-x ]]; then
    out=$(realpath -m "${1:-doc/images}")
    build=$(realpath "${BUILD_DIR:-build}")
    for tool in xvfb-run openbox xdotool import; do
        command -v "$tool" >/dev/null || {
            echo "make-screenshots: $tool is missing (apt-get install xvfb xauth openbox xdotool imagemagick)" >&2
            exit 1
        }
    done
    cmake --build "$build" --target tallimark make_example_templates >/dev/null
    mkdir -p "$out"
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside-x "$out" "$build"
fi

out=$2
build=$3
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset BROWSER
"$build/dist/make_example_templates" "$work" 9999999 2>/dev/null

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Waits for a window whose title matches, and prints its id.
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
shot() { # WINDOW FILE
    sleep 1
    import -window "$1" "$out/$2"
    echo "$out/$2"
}
start() { # [TEMPLATE]
    "$build/tallimark" ${1:+"$1"} >/dev/null 2>&1 &
    pids+=($!)
}

stop() { # the program started last
    kill "${pids[-1]}" 2>/dev/null || true
    unset 'pids[-1]'
    sleep 1
}

# The main window with the four-stack tickets; the settings panel from it.
# Head 4 is chosen in the list, so that the panel shows its seed.
start "$work/tickets.tmt"
window '^tickets.* - Tallimark$' >/dev/null
sleep 1
xdotool mousemove 46 307 click 1
shot root main-window.png
import -window root -crop 390x712+0+68 +repage "$out/settings-panel.png"
echo "$out/settings-panel.png"
stop

# File > New on a fresh start.
start ""
main=$(window '^Template - Tallimark$')
xdotool windowactivate --sync "$main" key ctrl+n
shot "$(window '^New Template$')" new-template.png
xdotool key Escape
stop

# The preview of a job of 9,999,999 sheets, taken to its last sheet.
start "$work/long-run.tmt"
main=$(window '^long-run.* - Tallimark$')
# Alt+F is the panel's Font button: the menu is opened with the mouse.
xdotool windowactivate --sync "$main"
sleep 1
xdotool mousemove 19 27 click 1
sleep 1
xdotool key v
preview=$(window '^Print Preview$')
xdotool windowactivate --sync "$preview" key ctrl+g
goto=$(window '^Go to Sheet$')
xdotool windowactivate --sync "$goto" type 9999999
shot "$goto" go-to-sheet.png
xdotool key Return
shot "$preview" print-preview.png
