# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# This machine's apt sources, for the scripts that fetch from Debian's archive:
#   apt_deb_entries DIRECTORY  prints every enabled "deb" entry under DIRECTORY (/etc/apt:
#       sources.list and sources.list.d/*.list in the one-line format, sources.list.d/*.sources
#       in the deb822 format), one line per URI and suite:
#       URI SUITE KEYRING COMPONENT..., KEYRING "-" where the entry names no key file

one_line_entries() {
  sed 's/[[:space:]]*#.*//' "$1" | awk '$1 == "deb" {
    keyring = match($0, /signed-by=[^] ]+/) ? substr($0, RSTART + 10, RLENGTH - 10) : "-"
    sub(/\[[^]]*\]/, "")
    components = $0; sub(/^[ \t]*deb[ \t]+[^ \t]+[ \t]+[^ \t]+[ \t]*/, "", components)
    print $2, $3, keyring, components
  }'
}
# Continuation lines (an embedded key) are skipped: apt's own keys check such an entry.
deb822_entries() {
  awk 'function flush(  i, j, n, m, u, s) {
      n = split(field["uris"], u, " "); m = split(field["suites"], s, " ")
      if (field["types"] ~ /(^| )deb( |$)/ && tolower(field["enabled"]) != "no")
        for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
          print u[i], s[j], field["signed-by"] ~ /^[^-]/ ? field["signed-by"] : "-", field["components"]
      split("", field)
    }
    /^[ \t]*$/ { flush() }
    /^[^ \t#]/ { key = tolower($0); sub(/:.*/, "", key); gsub(/^[^:]*:[ \t]*|[ \t]+$/, ""); field[key] = $0 }
    END { flush() }' "$1"
}
apt_deb_entries() {
  local file
  for file in "$1/sources.list" "$1"/sources.list.d/*.list; do
    [[ ! -r $file ]] || one_line_entries "$file"
  done
  for file in "$1"/sources.list.d/*.sources; do
    [[ ! -r $file ]] || deb822_entries "$file"
  done
}
