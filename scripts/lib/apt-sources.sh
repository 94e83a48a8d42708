# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# This machine's apt sources, for the scripts that fetch from Debian's archive:
#   apt_deb_entries DIRECTORY  prints every enabled "deb" entry under DIRECTORY (/etc/apt:
#       sources.list and sources.list.d/*.list in the one-line format, sources.list.d/*.sources
#       in the deb822 format), one line per URI and suite:
#       URI SUITE KEYRING COMPONENT..., KEYRING "-" where the entry names no key file

one_line_entries() {
  sed 's/#.*//' "$1" | awk '$1 == "deb" {
    keyring = "-"
    if (match($0, /\[[^]]*\]/)) {
      options = substr($0, RSTART + 1, RLENGTH - 2)
      $0 = substr($0, 1, RSTART - 1) substr($0, RSTART + RLENGTH)
      if (match(options, /signed-by=[^] ]+/)) keyring = substr(options, RSTART + 10, RLENGTH - 10)
    }
    line = $2 " " $3 " " keyring
    for (i = 4; i <= NF; i++) line = line " " $i
    print line
  }'
}

# Continuation lines (an embedded key) are skipped: apt's own keys check such an entry.
deb822_entries() {
  awk 'function flush(  i, j, n, m, u, s) {
      if (types ~ /(^| )deb( |$)/ && tolower(enabled) != "no") {
        n = split(uris, u, " "); m = split(suites, s, " ")
        for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print u[i], s[j], keyring, components
      }
      types = uris = suites = components = enabled = ""; keyring = "-"
    }
    BEGIN { keyring = "-" }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]*#/ || /^[ \t]/ { next }
    {
      key = tolower($1); sub(/:.*/, "", key); sub(/^[^:]*:[ \t]*/, ""); sub(/[ \t]+$/, "")
      if (key == "types") types = $0; if (key == "uris") uris = $0; if (key == "suites") suites = $0
      if (key == "components") components = $0; if (key == "enabled") enabled = $0
      if (key == "signed-by" && $0 ~ /^[^-]/) keyring = $0
    }
    END { flush() }' "$1"
}

apt_deb_entries() {
  local directory=$1 file
  for file in "$directory/sources.list" "$directory"/sources.list.d/*.list; do
    [[ ! -r $file ]] || one_line_entries "$file"
  done
  for file in "$directory"/sources.list.d/*.sources; do
    [[ ! -r $file ]] || deb822_entries "$file"
  done
}
