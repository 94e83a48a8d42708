# shellcheck shell=bash disable=SC2034 # exit_status is for the caller
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Processes started in the background, each in a process group of its own that holds what it
# starts in turn, and ended by that id. Sourcing this sets the EXIT trap, which ends them and runs
# the commands given to at_exit, such as the removal of a temporary folder; INT, TERM and HUP exit.
#   at_exit COMMAND...            runs COMMAND on exit, the latest given first
#   start_background COMMAND...   runs COMMAND in the background ($! is its id)
#   stop_background [PID...]      ends those started processes (default all) and every process
#                                 they started: TERM, KILL after 2 s
#   await PID SECONDS             waits for a started process; sets exit_status to its exit status,
#                                 or to "still running" after SECONDS
#   exited PID                    the process is gone or a zombie
#   poll SECONDS COMMAND...       runs COMMAND (output hidden) every 0.1 s until it succeeds; fails
#                                 after SECONDS (a whole number)
#   wait_for WHAT SECONDS COMMAND...  the same, but exits with "FAIL  WHAT did not happen"
# Needs procps (pgrep).
[[ -z ${exit_actions+set} ]] || return 0
exit_actions=()
background_pids=()
trap 'for ((action = ${#exit_actions[@]} - 1; action >= 0; action--)); do
  eval "${exit_actions[action]}" || true; done' EXIT
trap 'exit 1' INT TERM HUP

at_exit() { exit_actions+=("$(printf '%q ' "$@")"); }
start_background() {
  ((${#background_pids[@]} > 0)) || at_exit stop_background
  setsid "$@" & # the child of a shell without job control leads no group, so setsid keeps its id
  background_pids+=("$!")
  # until setsid has made the group that stop_background signals, or the command has ended
  until kill -0 -- "-$!" 2>/dev/null || exited "$!"; do sleep 0.01; done
}
groups_ended() { ! pgrep -g "$1" -r R,S,D,T,t,W,P,I >/dev/null; } # GROUP,...: zombies aside
stop_background() {
  local started=("$@") groups
  ((${#started[@]} > 0)) || started=("${background_pids[@]}")
  groups=$(IFS=,; echo "${started[*]}")
  pkill -TERM -g "$groups" || return 0
  poll 2 groups_ended "$groups" || pkill -KILL -g "$groups" || true
  wait "${started[@]}" 2>/dev/null || true # reaps them, keeping bash's "Terminated" notices quiet
}
exited() { [[ ! -e /proc/$1/status ]] || grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null; }
await() {
  exit_status=0
  if poll "$2" exited "$1"; then wait "$1" || exit_status=$?; else exit_status="still running"; fi
}

poll() {
  local tenths=$(($1 * 10))
  until "${@:2}" >/dev/null 2>&1; do ((tenths-- > 0)) || return 1; sleep 0.1; done
}
wait_for() { poll "${@:2}" || { echo "FAIL  $1 did not happen" >&2; exit 1; }; }
