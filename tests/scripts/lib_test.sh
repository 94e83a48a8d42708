#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# The helpers of scripts/lib: apt sources in both formats, processes ended together with what they
# started, what happens on exit, and the check counts.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/checks.sh
source scripts/lib/processes.sh
source scripts/lib/apt-sources.sh
work=$(mktemp -d)
at_exit rm -rf --one-file-system "$work"

entries_of() { # FILE TEXT: the entries of an apt directory holding just that file
  rm -rf --one-file-system "$work/apt"
  mkdir -p "$work/apt/sources.list.d"
  printf '%s\n' "$2" >"$work/apt/$1"
  apt_deb_entries "$work/apt"
}
check "one-line: options and comments read, deb-src left out" \
  "http://a.example/debian bookworm /k.gpg main contrib
http://b.example/debian bookworm-updates - main" \
  "$(entries_of sources.list '# deb http://old.example/debian bullseye main
deb [arch=amd64 signed-by=/k.gpg] http://a.example/debian bookworm main contrib # the archive
deb-src http://a.example/debian bookworm main
  deb http://b.example/debian bookworm-updates main')"
check "deb822: every URI with every suite, disabled and deb-src stanzas left out" \
  "http://a.example/debian bookworm /k.gpg main
http://a.example/debian bookworm-updates /k.gpg main
http://b.example/debian bookworm /k.gpg main
http://b.example/debian bookworm-updates /k.gpg main" \
  "$(entries_of sources.list.d/d.sources 'Types: deb deb-src
# a comment
URIs: http://a.example/debian http://b.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /k.gpg

Types: deb-src
URIs: http://c.example/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://d.example/debian
Suites: bookworm
Components: main
Enabled: no')"
check "deb822: lower-case fields, an embedded key is no key file" "http://e.example/debian bookworm - main" \
  "$(entries_of sources.list.d/e.sources 'types: deb
uris: http://e.example/debian
suites: bookworm
components: main
signed-by:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 -----END PGP PUBLIC KEY BLOCK-----')"

# shellcheck disable=SC2016 # the inner scripts expand their own variables
start_background bash -c 'sleep 100 & echo $! >"$1"; wait' _ "$work/grandchild"
parent=$!
wait_for "the grandchild's start" 5 test -s "$work/grandchild"
stop_background "$parent"
check_that "stop_background ends the process" exited "$parent"
check_that "stop_background ends the process it started" exited "$(cat "$work/grandchild")"
start_background bash -c 'exit 3'
await "$!" 5
check "await: the exit status" 3 "$exit_status"
start_background sleep 100
await "$!" 1
check "await: a process still running" "still running" "$exit_status"

# shellcheck disable=SC2016
bash -c 'source scripts/lib/processes.sh; folder=$(mktemp -d); at_exit rm -rf "$folder"
  at_exit echo first; at_exit echo second; start_background sleep 100; echo "$! $folder"; exit 4' \
  >"$work/script" && status=0 || status=$?
read -r pid folder <"$work/script"
check "exit: the script's status stays" 4 "$status"
check "exit: its actions run, the latest first" "second first" "$(sed 1d "$work/script" | xargs)"
check_that "exit: the process it started has ended" exited "$pid"
check_that "exit: its folder is gone" test ! -e "$folder"

summary=$(checks_passed=0 checks_failed=0; check same a a; check differs a b; check_that succeeds true; checks_summary demo) &&
  status=0 || status=$?
check "checks: one line each and the summary" "ok    same
FAIL  differs: expected 'a', saw 'b'
ok    succeeds
demo: 2 passed, 1 failed" "$summary"
check "checks: a failed check fails the summary" 1 "$status"

checks_summary lib_test
