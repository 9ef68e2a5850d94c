# QUENMAR: `make run` opens the window, `make test` builds with sanitizers and runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/asan

.PHONY: all deps build run test bench format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENMAR_BUILD_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target quenmar

# The display is checked before the build, which takes minutes the first time.
run:
	@scripts/check-display
	@$(MAKE) --no-print-directory build
	$(RELEASE_DIR)/quenmar

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENMAR_SANITIZE=ON -DQUENMAR_BUILD_BENCH=OFF
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENMAR_BUILD_TESTS=OFF -DQUENMAR_BUILD_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target quenmar_bench quenmar_startup_bench
	QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/bench/quenmar_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true
	$(RELEASE_DIR)/bench/quenmar_startup_bench 25

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
