# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end scenarios: a private X display, a program folder
# of its own (the executable with its files beside it) and xdotool.
set -euo pipefail

command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77

BINARY="$1"
SOURCE_DIR="$2"
WORK="$(mktemp -d)"
PROGRAM_DIR="$WORK/program"
mkdir -p "$PROGRAM_DIR"
cp "$BINARY" "$PROGRAM_DIR/zefirant"
ARTEFACTS="${E2E_ARTEFACTS:-$WORK}"
# A program folder without its reference file counts as installed, and an
# installed program writes into the user's folders: these, not the tester's.
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data"
# Waits end on what they wait for; this many tenths of a second only guard
# against a hang, since a busy machine may take long for anything.
GUARD_TENTHS=600

# Runs the command given every tenth of a second until it succeeds, at most
# GUARD_TENTHS times; false when the guard ran out first.
poll() {
    for _ in $(seq "$GUARD_TENTHS"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A display of our own: another server (a developer's, another test's) may
# hold any number, so a free one is tried until a server answers on it.
XVFB_PID=""
APP_PID=""
for _ in $(seq 20); do
    number=$(( 300 + RANDOM % 600 ))
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    poll xdpyinfo >/dev/null 2>&1 && break
    kill "$XVFB_PID" 2>/dev/null || true
done
xdpyinfo >/dev/null 2>&1 || { echo "no X display could be started" >&2; exit 1; }

WM_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

with_reference_files() {
    cp "$SOURCE_DIR/data/dxcc_adif.mtb" "$SOURCE_DIR/data/zefirant_zones.mtb" \
       "$SOURCE_DIR/data/zefirant.jpg" "$PROGRAM_DIR/"
}

start_program() {
    (cd "$PROGRAM_DIR" && exec ./zefirant "$@" >"$WORK/program.log" 2>&1) &
    APP_PID=$!
}

# The id of the first window whose title matches the pattern; false for none.
first_window() {
    xdotool search --name "$1" 2>/dev/null | head -n 1 | grep .
}

no_window() {
    [ -z "$(xdotool search --name "$1" 2>/dev/null)" ]
}

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Waits for a window whose title matches the pattern; prints its id.
wait_window() {
    poll first_window "$1" && return 0
    echo "no window matching '$1'" >&2
    return 1
}

# Waits until no window's title matches the pattern any more.
wait_gone() {
    poll no_window "$1" && return 0
    echo "a window matching '$1' stayed" >&2
    return 1
}

# Waits until the keyboard's focus is on the window given.
wait_focus() {
    poll has_focus "$1" && return 0
    local focus
    focus=$(xdotool getwindowfocus 2>/dev/null) || true
    echo "the focus did not reach window $1 but stayed on $focus ($(xdotool getwindowname "$focus" 2>/dev/null))" >&2
    return 1
}

# The program's windows shown now: a menu that opens is one more.
shown_windows() {
    xdotool search --onlyvisible --classname zefirant 2>/dev/null | wc -l
}

more_windows_than() {
    [ "$(shown_windows)" -gt "$1" ]
}

# Clicks at the point given and waits until the menu it opens is shown.
open_menu_at() {
    local before
    before=$(shown_windows)
    xdotool mousemove "$1" "$2" click 1
    poll more_windows_than "$before" && return 0
    echo "no menu opened at $1,$2" >&2
    return 1
}

program_ended() {
    ! kill -0 "$APP_PID" 2>/dev/null
}

# Waits for the program to end with the exit status given (0 unless told),
# at most the tenths of a second given; a crash at the end is a failure too.
wait_exit() {
    local expected="${2:-0}" status=0
    # poll reads the guard of its caller's scope: here, the one given.
    local GUARD_TENTHS="${1:-$GUARD_TENTHS}"
    if ! poll program_ended; then
        echo "program did not end" >&2
        return 1
    fi
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" -eq "$expected" ] || fail "exit status $status, expected $expected"
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A window manager of its own (skips the scenario when none is installed),
# running once it has taken the display.
start_window_manager() {
    command -v openbox >/dev/null || exit 77
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    poll window_manager_running || fail "no window manager"
}

# X and Y := where the window's own area starts on the screen, beneath any
# frame a window manager drew around it.
client_origin() {
    X=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
    Y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
}

# Keys go to the window under the pointer when there is no window manager.
point_at() {
    client_origin "$1"
    xdotool mousemove $((X + 30)) $((Y + 60))
}

# "Plik", then its last item "&Koniec"; the program must end. A key may be
# lost on a busy machine, so the steps are tried again.
close_through_menu() {
    client_origin "$1"
    for _ in 1 2 3; do
        open_menu_at $((X + 20)) $((Y + 10)) || fail "no \"Plik\" menu"
        xdotool key Up Return
        wait_exit 30 2>/dev/null && return 0
        xdotool key Escape Escape
    done
    fail "close"
}

screenshot() {
    command -v import >/dev/null && import -window root "$ARTEFACTS/$1.png" 2>/dev/null || true
}

fail() {
    echo "FAIL: $*" >&2
    echo "windows:" >&2
    xdotool search --name '.' getwindowname %@ >&2 2>/dev/null || true
    screenshot "failed-$(basename "$0" .sh)"
    cat "$WORK/program.log" >&2 || true
    exit 1
}
