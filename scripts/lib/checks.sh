# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Check helpers for every script that checks. Each check prints one line, "ok    WHAT" or
# "FAIL  WHAT", and is counted:
#   pass WHAT, fail WHAT
#   check WHAT EXPECTED ACTUAL   passes when ACTUAL is EXPECTED
#   check_that WHAT COMMAND...   passes when COMMAND succeeds
#   checks_summary NAME          prints "NAME: P passed, F failed"; fails when a check failed
[[ -z ${checks_passed+set} ]] || return 0
checks_passed=0
checks_failed=0
pass() { echo "ok    $1"; checks_passed=$((checks_passed + 1)); }
fail() { echo "FAIL  $1"; checks_failed=$((checks_failed + 1)); }
check() { if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1: expected '$2', saw '$3'"; fi; }
check_that() { if "${@:2}"; then pass "$1"; else fail "$1"; fi; }
checks_summary() { echo "$1: $checks_passed passed, $checks_failed failed"; ((checks_failed == 0)); }
