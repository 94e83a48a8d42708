# Front door: every target installs what is missing, configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES := g++ cmake make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation

PREFIX ?= $(HOME)/.local

.PHONY: all deps configure build test bench run install screenshot clean

all: build

deps:
	@scripts/install-deps $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBESCHLEUNIGUNG_WARNINGS_AS_ERRORS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

bench: build
	@for benchmark in $(BUILD_DIR)/bin/*_bench; do echo "== $$benchmark"; $$benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

run: build
	@$(BUILD_DIR)/bin/beschleunigungskurven

# The program with its desktop entry and icon, under PREFIX (default ~/.local).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

screenshot: build
	@scripts/screenshot

clean:
	@rm -rf $(BUILD_DIR)
