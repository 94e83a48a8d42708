# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# A virtual X display for the scripts that show the program; both are ended on exit
# (processes.sh, sourced here):
#   start_display [WIDTHxHEIGHTxDEPTH]  Xvfb (default 800x600x24) on a display number it picks
#                                       itself (-displayfd), exported as DISPLAY
#   start_window_manager                openbox on DISPLAY, returns once it manages the screen
# Needs xvfb, and openbox and x11-utils for the window manager.
# shellcheck source=scripts/lib/processes.sh
source "${BASH_SOURCE[0]%/*}/processes.sh"

start_display() {
  display_folder=$(mktemp -d) # the display number and the logs
  at_exit rm -rf --one-file-system "$display_folder"
  start_background Xvfb -displayfd 3 -screen 0 "${1:-800x600x24}" -nolisten tcp \
    3>"$display_folder/display" >"$display_folder/Xvfb.log" 2>&1
  poll 20 test -s "$display_folder/display" || display_failed Xvfb
  DISPLAY=:$(head -n 1 "$display_folder/display")
  export DISPLAY
}
display_failed() { tail -n 20 "$display_folder"/*.log >&2; echo "FAIL  $1 did not start" >&2; exit 1; }
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
start_window_manager() { # once more when openbox ended without reaching the display
  start_background openbox --sm-disable >"$display_folder/openbox.log" 2>&1
  poll 20 window_manager_running || ! exited "$!" ||
    start_background openbox --sm-disable >>"$display_folder/openbox.log" 2>&1
  poll 20 window_manager_running || display_failed openbox
}
