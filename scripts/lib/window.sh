# shellcheck shell=bash disable=SC2034 # window_size, pid and window are for the caller
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's window as the scripts find and drive it with xdotool on DISPLAY, in its logical
# pixels times SCALE (default 1; 2 under QT_SCALE_FACTOR=2):
#   window_size                 the client size, (WIDTH HEIGHT)
#   find_window SECONDS         prints the id of the visible window "Beschleunigungskurven", waiting
#   captioned_windows           prints every visible one so captioned, message boxes included
#   start_window COMMAND...     starts COMMAND in the background, sets pid to its process id and
#                               window to its window, found within 30 s; exits when none appears
#   expect_exit WHAT SECONDS    checks that process pid ends with status 0 within SECONDS
#   check_client_size WINDOW [SCALE]  checks the window's client size
#   click_on WINDOW CONTROL [SCALE [OPTION...]]  clicks into the control of that objectName
#                               (xdotool click OPTIONs, such as --repeat 3)
#   type_acceleration WINDOW TEXT [SCALE]  replaces the box's text by TEXT, typed
# shellcheck source=scripts/lib/checks.sh
source "${BASH_SOURCE[0]%/*}/checks.sh"
# shellcheck source=scripts/lib/processes.sh
source "${BASH_SOURCE[0]%/*}/processes.sh"
window_size=(331 333)
# Command1 "s", Command5 "zurücksetzen", Text1 the acceleration's box, Command6 "Ende"
declare -A control_points=([Command1]="288 16" [Command5]="288 172" [Text1]="288 276" [Command6]="288 312")

find_window() {
  timeout "$1" xdotool search --sync --onlyvisible --name '^Beschleunigungskurven$' | head -n 1
}
captioned_windows() { xdotool search --onlyvisible --name '^Beschleunigungskurven$'; }
start_window() {
  start_background "$@"
  pid=$!
  window=$(find_window 30) || { fail "no window captioned Beschleunigungskurven"; exit 1; }
}
expect_exit() {
  await "$pid" "$2"
  check "$1: exit status" 0 "$exit_status"
  [[ $exit_status != "still running" ]] || stop_background "$pid"
}
check_client_size() {
  local scale=${2:-1} WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  check "client size" "$((window_size[0] * scale))x$((window_size[1] * scale))" "${WIDTH}x$HEIGHT"
}
click_on() {
  local x y scale=${3:-1}
  read -r x y <<<"${control_points[$2]}"
  xdotool mousemove --window "$1" $((x * scale)) $((y * scale)) click "${@:4}" 1
}
type_acceleration() {
  click_on "$1" Text1 "${3:-1}" --repeat 3
  xdotool type --delay 30 "$2"
}
