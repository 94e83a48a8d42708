# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: every target installs what is missing, configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES := g++ cmake make qt6-base-dev qt6-base-private-dev libgtest-dev libbenchmark-dev fonts-liberation

PREFIX ?= $(HOME)/.local
SANITIZE_DIR ?= build-sanitize
LINT_DIR ?= build-lint
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build test test-sanitize lint e2e screen-reader-check bench run install \
	screenshot clean package package-check windows test-windows bench-windows screenshot-windows \
	web test-web bench-web msi test-msi

all: build

deps:
	@scripts/install-deps $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBESCHLEUNIGUNG_WARNINGS_AS_ERRORS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
# (the benchmarks, which no test runs, are left out).
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBESCHLEUNIGUNG_SANITIZE=ON \
		-DBESCHLEUNIGUNG_WARNINGS_AS_ERRORS=ON -DBESCHLEUNIGUNG_BENCHMARKS=OFF >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j$(JOBS)
	@$(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j$(JOBS)

# reuse over every file (copyright and licence), shellcheck over every script, clang-format,
# clang-tidy (.clang-tidy) and cppcheck over every source file; fails on any finding. clang-tidy
# reads the compile commands of a configuration of its own in build-lint/, without precompiled
# headers (it cannot read GCC's); it needs no build. Debian 12's clang-tidy 22 analyses only the
# project's code, not the Qt and standard headers around it as version 14 does: a quarter of the
# time. The web page's bridge (web/wasm/) compiles only with emscripten, so clang-tidy leaves it
# out.
lint: deps
	@scripts/install-deps clang-format clang-tidy-22 cppcheck shellcheck reuse
	@reuse lint --quiet || reuse lint
	@git ls-files -z scripts .ci/run 'tests/*.sh' | xargs -0 shellcheck -x
	@cmake -S . -B $(LINT_DIR) -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON >/dev/null
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@git ls-files '*.cpp' ':!:web/*' | xargs -P$(JOBS) -n1 clang-tidy-22 -p $(LINT_DIR) --quiet 2>/dev/null
	@cppcheck --std=c++20 --library=qt --library=googletest --enable=warning,performance,portability --inline-suppr \
		--error-exitcode=1 --quiet -j$(JOBS) -I . --suppress=missingIncludeSystem \
		app panels content plot winsys tools tests bench
	@echo "lint: reuse, shellcheck, clang-format, clang-tidy and cppcheck found nothing"

# The real program on a virtual X display, driven with xdotool.
e2e: build
	@scripts/e2e

# The real program read by the Orca screen reader and driven from the keyboard alone.
screen-reader-check: build
	@scripts/screen-reader-check

bench: build
	@for benchmark in $(BUILD_DIR)/bin/*_bench; do echo "== $$benchmark"; $$benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

# Builds only the program and the libraries it links, its build output kept in
# build/run-build.log and shown when the build fails. Without a display the program's one-line
# explanation is the outcome and make reports no error; with a display the program's exit
# status is passed on.
run: configure
	@echo "Building $(BUILD_DIR)/bin/beschleunigungskurven (log: $(BUILD_DIR)/run-build.log)"
	@cmake --build $(BUILD_DIR) --target beschleunigungskurven -j$(JOBS) >$(BUILD_DIR)/run-build.log 2>&1 \
		|| { cat $(BUILD_DIR)/run-build.log; exit 1; }
	@$(BUILD_DIR)/bin/beschleunigungskurven \
		|| { status=$$?; [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ] || exit $$status; }

# The program with its desktop entry and icon, under PREFIX (default ~/.local).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# beschleunigungskurven_<version>_amd64.deb in this folder, built with dpkg-buildpackage (debian/).
package: deps
	@scripts/build-package

# The package checked: lintian, AppStream, desktop entry, file list, and an install into a
# throw-away Debian 12 root where the installed program must show its window.
package-check:
	@scripts/package-check

screenshot: build
	@scripts/screenshot

# The portable Windows build (scripts/windows/): cross-built with MinGW-w64 against a Qt built once
# from Debian's source into build-windows/ and dist/*.zip; tested and measured under Wine.
windows:
	@scripts/windows/build

test-windows: windows
	@scripts/windows/test

bench-windows: windows
	@scripts/windows/bench

screenshot-windows: windows
	@scripts/screenshot --windows

# The program as one web page (scripts/web/): the core compiled with Debian's emscripten into
# build-web/, the front end bundled with the npm tools pinned in web/package-lock.json into
# dist/beschleunigungskurven.html. Its tests compare the wasm plot-trace with the native one,
# and drive the page in Debian's Chromium, its panels compared with the Qt panels' snapshots.
web:
	@scripts/web/build

test-web: web configure
	@cmake --build $(BUILD_DIR) --target plot-trace panel-snapshot -j$(JOBS) >/dev/null
	@NATIVE_PLOT_TRACE=$(abspath $(BUILD_DIR))/bin/plot-trace \
		NATIVE_PANEL_SNAPSHOT=$(abspath $(BUILD_DIR))/bin/panel-snapshot scripts/web/test

bench-web: web
	@scripts/web/bench

# The Windows Installer package dist/beschleunigungskurven-VERSION-x64.msi, packed with wixl from
# the zip's files, and its test as a school's IT deploys it: silent install, upgrade and removal
# under Wine.
msi: windows
	@scripts/windows/build-msi

test-msi: msi
	@scripts/windows/test-msi

clean:
	@rm -rf $(BUILD_DIR)
