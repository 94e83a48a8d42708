# Front door: every target installs what is missing, configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES := g++ cmake make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation

.PHONY: all deps configure build test bench run clean

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

run:
	@echo "The window is not built yet; for now, try the trace tool: make build && $(BUILD_DIR)/bin/plot-trace s 20"

clean:
	@rm -rf $(BUILD_DIR)
