# shellcheck shell=bash disable=SC2034 # exit_status is for the caller
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# What a script starts it ends by process id when it exits, and what it registers with at_exit
# it runs then, such as rm -rf --one-file-system of a temporary folder (sourcing this sets the
# EXIT trap; INT, TERM and HUP exit):
#   at_exit COMMAND [ARGUMENT...]    runs COMMAND on exit, the latest registered first
#   start_background COMMAND...      runs COMMAND in the background ($! is its id), ended on exit
#   stop_background [PID...]         ends those started processes (default all) and every process
#                                    below them: TERM, KILL after 2 s
#   await PID SECONDS                waits for a started process; sets exit_status to its exit
#                                    status, or to "still running" after SECONDS
#   exited PID                       the process is gone or a zombie
#   poll SECONDS COMMAND...          runs COMMAND (output hidden) every 0.1 s until it succeeds;
#                                    fails after SECONDS (a whole number)
#   wait_for WHAT SECONDS COMMAND... poll, but exits with "FAIL  WHAT did not happen"
[[ -z ${exit_actions+set} ]] || return 0
exit_actions=()
background_pids=()

at_exit() {
  exit_actions+=("$(printf '%q ' "$@")")
}

run_exit_actions() {
  local index
  for ((index = ${#exit_actions[@]} - 1; index >= 0; index--)); do
    eval "${exit_actions[index]}" || true
  done
}
trap run_exit_actions EXIT
trap 'exit 1' INT TERM HUP

start_background() {
  ((${#background_pids[@]} > 0)) || at_exit stop_background
  "$@" &
  background_pids+=("$!")
}

exited() {
  [[ ! -e /proc/$1/status ]] || grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null
}

# "PID PARENT" for every process, read from /proc
process_parents() {
  local stat line fields
  for stat in /proc/[0-9]*/stat; do
    { read -r line <"$stat"; } 2>/dev/null || continue
    read -r -a fields <<<"${line##*) }" # after the command name: state, parent, ...
    echo "${stat//[^0-9]/} ${fields[1]}"
  done
}

# PID... that are still children of this shell (an id that was reaped may belong to another
# process by now), latest first, each after every process below it
process_trees() {
  process_parents | awk -v shell="$$" -v started="$*" '
    function below(pid, child) { for (child in parent) if (parent[child] == pid) { below(child); print child } }
    { parent[$1] = $2 }
    END { n = split(started, list, " "); for (i = n; i > 0; i--) if (parent[list[i]] == shell) { below(list[i]); print list[i] } }'
}

all_exited() {
  local pid
  for pid; do exited "$pid" || return 1; done
}

stop_background() {
  local started=("$@") all
  ((${#started[@]} > 0)) || started=("${background_pids[@]}")
  mapfile -t all < <(process_trees "${started[@]}")
  ((${#all[@]} > 0)) || return 0
  kill "${all[@]}" 2>/dev/null || true
  poll 2 all_exited "${all[@]}" || kill -KILL "${all[@]}" 2>/dev/null || true
  wait "${started[@]}" 2>/dev/null || true
}

await() {
  exit_status=0
  if ! poll "$2" exited "$1"; then
    exit_status="still running"
    return 0
  fi
  wait "$1" || exit_status=$?
}

poll() {
  local tenths=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do
    ((tenths-- > 0)) || return 1
    sleep 0.1
  done
}

wait_for() {
  poll "${@:2}" || {
    echo "FAIL  $1 did not happen" >&2
    exit 1
  }
}
