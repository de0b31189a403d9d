# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
# The same sources again, with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
JOBS  ?= $(shell nproc)
SCALE ?= 1

.PHONY: all deps configure build run test test-asan marathon fuzz screenshot bench package format clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "kiravelo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset); try 'make screenshot'." >&2; \
	  exit 1; \
	fi
	@$(BUILD)/bin/kiravelo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# Any sanitizer report fails the test that triggered it.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRAVELO_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) -- --no-print-directory
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# A million random user actions against the main window (the test suite runs fewer);
# QtTest's own five-minute limit per test function would cut it short.
marathon: build
	@QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QTEST_FUNCTION_TIMEOUT=86400000 \
	  KIRAVELO_MARATHON_ACTIONS=$${KIRAVELO_MARATHON_ACTIONS:-1000000} $(BUILD)/tests/app_tst_marathon

# Ten minutes of libFuzzer on the parser of 読み込み… (`make test` runs thirty seconds).
fuzz: build
	@cd $(BUILD) && ./tests/fuzz-exchange $$(sed -n 's/^KIRAVELO_FUZZ_ARGUMENTS:INTERNAL=//p' CMakeCache.txt | tr ';' ' ') \
	  -max_total_time=$${KIRAVELO_FUZZ_SECONDS:-600}

screenshot: build
	@QT_SCALE_FACTOR=$(SCALE) $(BUILD)/tools/kiravelo-screenshot $(BUILD)/screenshots $(BUILD)/bin

bench: build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS) -- --no-print-directory
	@$(BUILD)/bench/run-benchmarks

# build/kiravelo_<version>_<arch>.deb (`make test` builds and checks it too).
package: build
	@cmake --build $(BUILD) --target package -- --no-print-directory

# Formats every C++ source with the repository's .clang-format.
format:
	@./scripts/install-deps.sh --dev
	@git ls-files -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD)
