#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program: installed into a prefix whose bin and share are
# read-only, run by an unprivileged user (nobody, when started as root) with a
# fresh home. Start, New with a callsign, "Zapisz jako" into the home, close:
# the window closes normally, the settings land in the user's configuration
# folder and nothing is written into the prefix. The batch commands work from
# there too. Then an import from prefixes their runner may write to: the same
# prefix run by root, who ignores its permissions, and one in the user's
# ~/.local: the program writes into the user's folders, never the prefix.
source "$(dirname "$0")/../e2e/lib.sh"
BUILD_DIR="$3"

chmod 755 "$WORK"
PREFIX="$WORK/prefix"
USER_HOME="$WORK/home"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
chmod -R a-w "$PREFIX/bin" "$PREFIX/share"
mkdir -p "$USER_HOME" "$WORK/reports" "$WORK/runtime"
chmod 700 "$WORK/runtime"

if [ "$(id -u)" -eq 0 ]; then
    chown "$(id -u nobody):$(id -g nobody)" "$USER_HOME" "$WORK/reports" "$WORK/runtime"
    as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
else
    echo "not root: runs as $(id -un) rather than as nobody"
    as_user=()
fi

# The sanitized build reports into files and reads suppressions: both move to
# where the user may write and read, and the reports go back at the end.
sanitizer_env=()
reports_to=""
for var in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!var:-}" ] || continue
    IFS=: read -ra options <<<"${!var}"
    value=""
    for option in "${options[@]}"; do
        case "$option" in
        log_path=*)
            reports_to="$(dirname "${option#log_path=}")"
            option="log_path=$WORK/reports/$(basename "${option#log_path=}")" ;;
        suppressions=*)
            cp "${option#suppressions=}" "$WORK/$var.supp"
            option="suppressions=$WORK/$var.supp" ;;
        esac
        value+="${value:+:}$option"
    done
    sanitizer_env+=("$var=$value")
done

finish() {
    if [ -n "$reports_to" ] && compgen -G "$WORK/reports/*" >/dev/null; then
        cp "$WORK"/reports/* "$reports_to"/
    fi
    chmod -R u+w "$PREFIX"
    cleanup
}
trap finish EXIT

# Sets `installed` to the command that runs the program of PREFIX with HOME,
# as the user the runner names (if any).
# usage: installed_program PREFIX HOME [RUNNER...]
installed_program() {
    local prefix=$1 home=$2
    shift 2
    installed=("$@" env -i PATH="$PATH" HOME="$home" DISPLAY="$DISPLAY"
        XDG_RUNTIME_DIR="$WORK/runtime" LANG=C.UTF-8 LC_ALL=C.UTF-8 "${sanitizer_env[@]}"
        "$prefix/bin/zefirant")
}
installed_program "$PREFIX" "$USER_HOME" "${as_user[@]}"
program=("${installed[@]}")

# Folders by mode only: a file added changes its folder's time.
prefix_state() {
    find "${1:-$PREFIX}" \( -type d -printf '%p %m\n' \) -o -printf '%p %s %T@ %m\n' | LC_ALL=C sort
}
prefix_state >"$WORK/prefix-before"

(cd "$USER_HOME" && exec "${program[@]}" >"$WORK/program.log" 2>&1) &
APP_PID=$!
main=$(wait_window '^Aktualizacja podmiotów dla pasma 80M') || fail "main window"
# Read whole before matching: with pipefail, "xprop | grep -q" fails when grep
# stops reading the long icon data early and xprop dies of SIGPIPE.
icon=$(xprop -id "$main" _NET_WM_ICON 2>&1) || true
[[ $icon == *"Icon ("* ]] || fail "no window icon: $icon"
eval "$(xdotool getwindowgeometry --shell "$main")"

# "Plik" / "Nowy", the callsign.
open_menu_at $((X + 20)) $((Y + 10)) || fail "no \"Plik\" menu"
xdotool key Down Return
box=$(wait_window '^Identyfikacja stacji') || fail "callsign box"
point_at "$box"
wait_focus "$box" || fail "callsign box without the focus"
xdotool type --delay 30 sp9xyz
xdotool key Return
wait_gone '^Identyfikacja' || fail "callsign box stayed"

# "Plik" / "Zapisz jako..", the name, the notice.
eval "$(xdotool getwindowgeometry --shell "$main")"
open_menu_at $((X + 20)) $((Y + 10)) || fail "no \"Plik\" menu"
xdotool key --delay 60 Down Down Down Down Return
dialog=$(wait_window '^Zachowaj jako|^Save As') || fail "save dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 300)) $((Y + 360))
wait_focus "$dialog" || fail "save dialog without the focus"
xdotool type --delay 30 "$USER_HOME/stacja"
xdotool key Return
box=$(wait_window '^Informacja') || fail "saved notice"
point_at "$box"
xdotool key Return
screenshot installed_program
close_through_menu "$main"

settings="$USER_HOME/.config/zefirant/zefirant.ini"
[ -f "$USER_HOME/stacja.csv" ] || fail "station data file not saved"
cp "$USER_HOME/stacja.csv" "$WORK/new-station.csv"
grep -q "^Plik=$USER_HOME/stacja.csv" "$settings" || fail "settings not in $settings"
prefix_state | diff "$WORK/prefix-before" - || fail "the prefix changed"

# The batch commands of the installed program.
printf '<EOH>\r\n<CALL:5>W1AAA <QSO_DATE:8>20240101 <BAND:3>20M <DXCC:3>291 <CQZ:1>5 <QSL_RCVD:1>Y <EOR>\r\n<CALL:5>ZZ9ZZ <BAND:3>20M <DXCC:3>999 <QSL_RCVD:1>Y <EOR>\r\n' \
    >"$WORK/log.adi"
"${program[@]}" --import "$WORK/log.adi" "$USER_HOME/stacja.csv" \
    >"$WORK/program.log" 2>&1 || fail "--import ended with $?"
grep -q ';W1AAA;2024-01-01;QSL;' "$USER_HOME/stacja.csv" || fail "import not saved"
error_list="$USER_HOME/.local/share/zefirant/bledy_dxcc.txt"
grep -q 'ZZ9ZZ' "$error_list" || fail "error list"
grep -qF "zapisane w pliku $error_list." "$WORK/program.log" || fail "error list not named"
"${program[@]}" --summary "$USER_HOME/stacja.csv" >"$WORK/program.log" 2>&1 ||
    fail "--summary ended with $?"
grep -qx 'Suma punktów: 16' "$WORK/program.log" || fail "summary"
"${program[@]}" --print-pdf "$USER_HOME/z.pdf" "$USER_HOME/stacja.csv" \
    >"$WORK/program.log" 2>&1 || fail "--print-pdf ended with $?"
prefix_state | diff "$WORK/prefix-before" - || fail "the prefix changed"

# An import by the program of PREFIX, run with HOME by the runner given: it
# finds the delivered files and writes the error list into the user's data
# folder. Nothing in the prefix changes or goes, and nothing new lands there
# but in the user's data folder (which ~/.local/share is).
# usage: import_leaves_prefix PREFIX HOME [RUNNER...]
import_leaves_prefix() {
    local prefix=$1 home=$2
    local before changed added
    before=$(prefix_state "$prefix")
    cp "$WORK/new-station.csv" "$home/stacja.csv"
    if [ $# -gt 2 ]; then # the runner is nobody's
        chown "$(id -u nobody):$(id -g nobody)" "$home/stacja.csv"
    fi
    installed_program "$@"
    "${installed[@]}" --import "$WORK/log.adi" "$home/stacja.csv" >"$WORK/program.log" 2>&1 ||
        fail "--import from $prefix ended with $?"
    grep -q ';W1AAA;2024-01-01;QSL;' "$home/stacja.csv" || fail "import from $prefix not saved"
    grep -q 'ZZ9ZZ' "$home/.local/share/zefirant/bledy_dxcc.txt" || fail "error list of $prefix"
    changed=$(LC_ALL=C comm -23 <(echo "$before") <(prefix_state "$prefix"))
    added=$(LC_ALL=C comm -13 <(echo "$before") <(prefix_state "$prefix") |
        grep -v "^$home/.local/share/zefirant/" || true)
    [ -z "$changed$added" ] || fail "$prefix changed: $changed$added"
}

if [ "$(id -u)" -eq 0 ]; then
    mkdir "$WORK/root-home"
    import_leaves_prefix "$PREFIX" "$WORK/root-home"
fi
local_home="$WORK/local-home"
mkdir "$local_home"
cmake --install "$BUILD_DIR" --prefix "$local_home/.local" >/dev/null
if [ "$(id -u)" -eq 0 ]; then
    chown -R "$(id -u nobody):$(id -g nobody)" "$local_home"
fi
import_leaves_prefix "$local_home/.local" "$local_home" "${as_user[@]}"
echo "ok"
