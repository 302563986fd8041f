# The two commands of the quick start are `make run` and `make test`;
# both install what is missing, configure and build first.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/bin/cnc-axis-calc ]; then \
	  $(BUILD_DIR)/bin/cnc-axis-calc; \
	else \
	  $(BUILD_DIR)/bin/cnc-axis-calc-cli; \
	fi

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
