# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the quick start are `make run` and `make test`;
# both install what is missing, configure and build first. Each target
# installs only the packages its own profile of scripts/install-deps names.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test sanitize leak-check bench bench-startup bench-growth \
	fuzz screenshot package web web-deps web-build bench-web screenshot-web update-po clean

all: build

# $(call deps,PROFILE...): the packages of those profiles (and of build, but
# for the page's profiles alone).
deps = scripts/install-deps $(1)

# $(call configure,OPTION...): the build tree with those optional parts on.
# A new tree leaves the others off, so that it needs no more than the target
# installed; an existing tree keeps what it was configured with.
optional_parts = CNC_BUILD_TESTS CNC_BUILD_BENCH
configure = cmake -S . -B $(BUILD_DIR) -G Ninja \
	$(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,$(patsubst %,-D%=OFF,$(filter-out $(1),$(optional_parts)))) \
	$(patsubst %,-D%=ON,$(1)) $(CMAKE_FLAGS) >/dev/null
compile = cmake --build $(BUILD_DIR) --parallel $(JOBS)

build:
	@$(call deps)
	@$(call configure)
	@$(compile)

run: build
	@if [ -x $(BUILD_DIR)/bin/cnc-axis-calc ]; then \
	  $(BUILD_DIR)/bin/cnc-axis-calc; \
	else \
	  $(BUILD_DIR)/bin/cnc-axis-calc-cli; \
	fi

test:
	@$(call deps,test)
	@$(call configure,CNC_BUILD_TESTS CNC_BUILD_BENCH)
	@$(compile)
	@if command -v emcmake >/dev/null; then $(MAKE) --no-print-directory web-build; \
	 else echo "emscripten not found: the page's test is skipped"; fi
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

# The whole suite again, window included, built by clang with AddressSanitizer
# (LeakSanitizer at every exit) and UndefinedBehaviorSanitizer; any finding
# fails the test that hit it. The window's benchmarks are built too, for
# leak-check.
SANITIZE_CONFIGURE = cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	-DCNC_SANITIZE=ON -DCNC_BUILD_UI=ON -DCNC_BUILD_TESTS=ON -DCNC_BUILD_BENCH=ON \
	-DCMAKE_BUILD_TYPE=Debug
export UBSAN_OPTIONS ?= print_stacktrace=1
sanitize:
	@$(call deps,test sanitize)
	@$(SANITIZE_CONFIGURE) >/dev/null
	@cmake --build build-asan --parallel $(JOBS)
	@ctest --test-dir build-asan --output-on-failure --parallel $(JOBS)

# 100,000 clicks on the window under AddressSanitizer: LeakSanitizer's verdict
# at the end (a few minutes).
leak-check:
	@$(call deps,test sanitize)
	@$(SANITIZE_CONFIGURE) >/dev/null
	@cmake --build build-asan --parallel $(JOBS) --target window_click_growth
	@build-asan/bin/window_click_growth

# The Debian package, built by CPack from the installed tree: $(BUILD_DIR)/*.deb.
package:
	@$(call deps,package)
	@$(call configure)
	@$(compile) --target package

# One whole click: on the calculation alone, then on the real window
# (offscreen) to the results painted; a machine of six axes answered.
bench:
	@$(call deps,bench)
	@$(call configure,CNC_BUILD_BENCH)
	@$(compile)
	@$(BUILD_DIR)/bin/calc_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	@$(BUILD_DIR)/bin/window_click_bench
	@$(BUILD_DIR)/bin/machine_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

# Start-up to the first frame and peak memory against a bare Qt window,
# offscreen and under Xvfb.
bench-startup:
	@$(call deps,bench-startup)
	@$(call configure,CNC_BUILD_BENCH)
	@$(compile)
	@bench/startup/run $(BUILD_DIR)

# 100,000 clicks on the window, good and failing in turn: resident memory
# after the warm-up (about a minute).
bench-growth:
	@$(call deps,bench)
	@$(call configure,CNC_BUILD_BENCH)
	@$(compile)
	@$(BUILD_DIR)/bin/window_click_growth

# libFuzzer targets under clang with ASan and UBSan; FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz:
	@$(call deps,fuzz)
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCNC_BUILD_FUZZ=ON \
	  -DCNC_BUILD_TESTS=OFF -DCNC_BUILD_UI=OFF -DCNC_BUILD_BENCH=OFF \
	  -DCNC_FUZZ_SMOKE_SECONDS=$(FUZZ_SECONDS) >/dev/null
	@cmake --build build-fuzz --parallel $(JOBS)
	@ctest --test-dir build-fuzz --output-on-failure --parallel $(JOBS) -R fuzz_

# The README's pictures of the real window, taken under a virtual X server
# after "calcola": docs/screenshot.png with the direct coupling,
# docs/screenshot-belt.png with the belt coupling; and of the workbench,
# filled in, in a light and a dark palette: docs/screenshot-banco-*.png.
screenshot:
	@$(call deps,screenshot)
	@$(call configure)
	@$(compile)
	@scripts/screenshot $(BUILD_DIR)

# The page: the calculation in WebAssembly (Debian's emscripten) and the static
# files that show the window, alone in build-web/page/. Serve that folder, on
# loopback only, with
#   python3 -m http.server --bind 127.0.0.1 -d build-web/page
# emscripten's optimiser runs on node and needs Debian's acorn.
WEB_ENV = NODE_PATH=/usr/share/nodejs
WEB_PAGE = build-web/page
web: web-deps web-build
web-deps:
	@$(call deps,web)
web-build:
	@$(WEB_ENV) emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
	  -DCNC_BUILD_UI=OFF -DCNC_BUILD_TESTS=OFF -DCNC_BUILD_BENCH=OFF >/dev/null
	@$(WEB_ENV) cmake --build build-web --parallel $(JOBS)

# The page's figures: size of the .wasm and scripts, navigation to ready in
# headless Chromium (docs/performance.md).
bench-web: web
	@$(call deps,web-test)
	@node web/tests/page_bench.mjs $(WEB_PAGE)

# The README's pictures of the page, taken by headless Chromium: the window,
# and the workbench at 1280 and 375 px, light and dark
# (docs/screenshot-web-banco-*.png).
screenshot-web: web
	@$(call deps,web-test)
	@node web/tests/page_bench.mjs $(WEB_PAGE) docs/screenshot-web.png

# The message template extracted again from the sources and merged into every
# catalogue of po/, for translators (po/README); the man pages' alike (po/man).
update-po:
	@$(call deps,man)
	@scripts/catalogues update
	@scripts/man-catalogues update

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-web
