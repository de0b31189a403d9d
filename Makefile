# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)
SCALE ?= 1

.PHONY: all deps configure build run test screenshot bench clean

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

screenshot: build
	@QT_SCALE_FACTOR=$(SCALE) $(BUILD)/tools/kiravelo-screenshot $(BUILD)/screenshots

bench: build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	@$(BUILD)/bench/run-benchmarks

clean:
	@rm -rf $(BUILD)
