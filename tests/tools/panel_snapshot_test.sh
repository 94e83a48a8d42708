#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Command-line behaviour of panel-snapshot: picture size at both densities and argument errors.
set -u
tool=("$@") # the program, after its emulator in a cross build (Wine)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # description, status (0 = holds)
  if [[ $2 -ne 0 ]]; then echo "FAIL: $1"; failures=$((failures + 1)); fi
}
png_size() { # prints "width height" from the PNG header
  local bytes
  read -r -a bytes <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$(( (bytes[2] << 8) | bytes[3] )) $(( (bytes[6] << 8) | bytes[7] ))"
}

"${tool[@]}" s 20 10 40 "$work/s.png" 2>/dev/null
check "three s-curves write a picture" $?
check "picture is 233 x 333" "$([[ $(png_size "$work/s.png") == "233 333" ]]; echo $?)"

QT_SCALE_FACTOR=2 "${tool[@]}" v 20 "$work/v2.png" 2>/dev/null
check "at 200 % the picture is 466 x 666" "$([[ $(png_size "$work/v2.png") == "466 666" ]]; echo $?)"

"${tool[@]}" p 128 "$work/p.png" 2>"$work/err"
check "an overflow still writes the panel" $?
check "an overflow is reported" "$(grep -q 'error 6' "$work/err"; echo $?)"

for args in "x 20 out.png" "s abc out.png" "s 20 out.txt" "s out.png" "s"; do
  # shellcheck disable=SC2086
  (cd "$work" && "${tool[@]}" $args >/dev/null 2>"$work/err"); status=$?
  check "'$args' exits 2" "$([[ $status -eq 2 ]]; echo $?)"
  check "'$args' explains on stderr" "$(grep -q usage "$work/err"; echo $?)"
done
check "no picture written for bad arguments" "$([[ ! -e $work/out.png ]]; echo $?)"

[[ $failures -eq 0 ]] && echo "all panel-snapshot checks passed"
exit $((failures > 0))
