# Front door: every target installs what is missing, configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES := g++ cmake make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation

PREFIX ?= $(HOME)/.local
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build test test-sanitize lint e2e bench run install screenshot clean \
	windows test-windows bench-windows screenshot-windows

all: build

deps:
	@scripts/install-deps $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBESCHLEUNIGUNG_WARNINGS_AS_ERRORS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBESCHLEUNIGUNG_SANITIZE=ON \
		-DBESCHLEUNIGUNG_WARNINGS_AS_ERRORS=ON >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j$(JOBS)
	@$(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j$(JOBS)

# clang-tidy (checks in .clang-tidy) and cppcheck over every source file; fails on any finding.
lint: build
	@scripts/install-deps clang-tidy cppcheck
	@git ls-files '*.cpp' | xargs -P$(JOBS) -n4 clang-tidy -p $(BUILD_DIR) --quiet 2>/dev/null
	@cppcheck --std=c++20 --library=qt --library=googletest --enable=warning,performance,portability --inline-suppr \
		--error-exitcode=1 --quiet -j$(JOBS) -I . --suppress=missingIncludeSystem \
		app panels plot winsys tools tests bench
	@echo "lint: clang-tidy and cppcheck found nothing"

# The real program on a virtual X display, driven with xdotool.
e2e: build
	@scripts/e2e

bench: build
	@for benchmark in $(BUILD_DIR)/bin/*_bench; do echo "== $$benchmark"; $$benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

run: build
	@$(BUILD_DIR)/bin/beschleunigungskurven

# The program with its desktop entry and icon, under PREFIX (default ~/.local).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

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

clean:
	@rm -rf $(BUILD_DIR)
