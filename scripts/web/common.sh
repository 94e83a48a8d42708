# shellcheck shell=bash disable=SC2034 # the names are for the scripts that source this
# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the web scripts share: the build folder of the core, the page, and the pinned npm tools.
# Paths are relative to the working copy's root (project_root).
# shellcheck source=scripts/lib/project.sh
source "${BASH_SOURCE[0]%/*}/../lib/project.sh"
web_build_dir=build-web
web_page=dist/beschleunigungskurven.html
# npm's cache is shared by every working copy; node_modules/ is installed from the lock file.
export npm_config_cache=$project_cache/npm

# Node 20.19 or later, which Vite needs; Debian 12's own nodejs (18) is too old.
require_node() {
  local version
  version=$(node --version 2>/dev/null || echo none)
  if [[ ! $version =~ ^v(2[1-9]|[3-9][0-9]|20\.(19|[2-9][0-9]))\. ]]; then
    echo "The web page needs Node.js 20.19 or later with npm (found: $version)." >&2
    exit 1
  fi
}

# npm ci, when node_modules/ does not hold what the lock file pins.
install_web_tools() {
  if ! cmp -s web/package-lock.json web/node_modules/.lock-installed; then
    (cd web && npm ci --prefer-offline --no-progress --loglevel=error)
    cp web/package-lock.json web/node_modules/.lock-installed
  fi
}
