# shellcheck shell=bash disable=SC2034 # the constants are for the caller
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's constants for scripts:
#   project_root                  the working copy holding this file
#   project_cache                 the cache shared by every working copy
#   project_version               prints the program's version, from CMakeLists.txt
#   package_file                  prints the Debian package's file name (debian/changelog)
#   desktop_entry FILE GROUP KEY  prints KEY's value in GROUP of the desktop entry FILE
project_root=$(cd "${BASH_SOURCE[0]%/*}/../.." && pwd)
project_cache=${XDG_CACHE_HOME:-$HOME/.cache}/beschleunigungskurven
project_version() {
  sed -n -E 's/^project\(Beschleunigungskurven VERSION ([^ )]+).*/\1/p' "$project_root/CMakeLists.txt"
}
package_file() {
  local version architecture
  version=$(dpkg-parsechangelog -l "$project_root/debian/changelog" -S Version)
  architecture=$(dpkg-architecture -q DEB_HOST_ARCH)
  echo "beschleunigungskurven_${version}_$architecture.deb"
}
desktop_entry() {
  awk -v group="[$2]" -v key="$3" '/^\[/ { in_group = ($0 == group) }
    in_group && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}
