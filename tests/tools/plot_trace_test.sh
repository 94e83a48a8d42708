#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Command-line behaviour of plot-trace: output format, the overflow line, and argument errors.
set -u -o pipefail
tool=("$@") # the program, after its emulator in a cross build (Wine)
# Runs the tool; a Windows build ends its lines with CR LF, compared here without the CR.
trace() { "${tool[@]}" "$@" | tr -d '\r'; }
failures=0
check() { # description, command result
  if [[ $2 -ne 0 ]]; then echo "FAIL: $1"; failures=$((failures + 1)); fi
}

out=$(trace s 20); status=$?
check "s 20 exits 0" $status
check "s 20 prints 129 lines" "$([[ $(wc -l <<<"$out") -eq 129 ]]; echo $?)"
expected_head=$'visible Picture1(0) false\nvisible Picture1(1) false\nvisible Picture1(2) false\nvisible Picture1(3) true\nvisible Shape7(3) false'
check "s 20 starts with the panel switch" "$([[ $(head -n 5 <<<"$out") == "$expected_head" ]]; echo $?)"
check "s 20 second segment" "$(grep -qx 'line Picture1(3) 32 296 33 295.97223' <<<"$out"; echo $?)"
check "s 20 first bar" "$(grep -qx 'height Shape7(3) 16' <<<"$out"; echo $?)"

out=$(trace ekin " 182 "); status=$?
check "ekin 182 exits 0" $status
check "ekin 182 ends with error 6" "$([[ $(tail -n 1 <<<"$out") == "error 6" ]]; echo $?)"
check "ekin 182 has nothing drawn" "$([[ $(wc -l <<<"$out") -eq 11 ]] && ! grep -q '^line' <<<"$out"; echo $?)"

check "p 2,5 plots as p 2" "$([[ $(trace p 2,5) == $(trace p 2) ]]; echo $?)"
check "p 3,5 plots as p 4" "$([[ $(trace p 3,5) == $(trace p 4) && $(trace p 4) != $(trace p 2) ]]; echo $?)"

for args in "x 20" "s abc" "s 32768" "s" "s 1 2"; do
  # shellcheck disable=SC2086
  out=$(trace $args 2>/tmp/plot_trace_err.$$); status=$?
  check "'$args' exits 2" "$([[ $status -eq 2 ]]; echo $?)"
  check "'$args' prints nothing to stdout" "$([[ -z $out ]]; echo $?)"
  check "'$args' explains on stderr" "$(grep -q usage /tmp/plot_trace_err.$$; echo $?)"
done
rm -f /tmp/plot_trace_err.$$

[[ $failures -eq 0 ]] && echo "all plot-trace checks passed"
exit $((failures > 0))
