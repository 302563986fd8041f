# The two commands of the quick start are `make run` and `make test`;
# both install what is missing, configure and build first.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test sanitize bench fuzz screenshot package clean

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

# The whole suite again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding fails the test that hit it.
sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCNC_SANITIZE=ON \
	  -DCNC_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-asan --parallel $(JOBS)
	@ctest --test-dir build-asan --output-on-failure --parallel $(JOBS)

# The Debian package, built by CPack from the installed tree: $(BUILD_DIR)/*.deb.
package: build
	@cmake --build $(BUILD_DIR) --target package

# The calculation's benchmark (one whole click).
bench: build
	@$(BUILD_DIR)/bin/calc_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

# libFuzzer targets under clang with ASan and UBSan; FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCNC_BUILD_FUZZ=ON \
	  -DCNC_BUILD_TESTS=OFF -DCNC_BUILD_UI=OFF -DCNC_BUILD_BENCH=OFF \
	  -DCNC_FUZZ_SMOKE_SECONDS=$(FUZZ_SECONDS) >/dev/null
	@cmake --build build-fuzz --parallel $(JOBS)
	@ctest --test-dir build-fuzz --output-on-failure -R fuzz_

# The README's pictures of the real window, taken under a virtual X server:
# docs/screenshot.png as it opens, docs/screenshot-belt.png with the belt coupling.
screenshot: build
	@scripts/screenshot $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
