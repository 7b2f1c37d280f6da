# Quick start: `make run` builds and starts Sockwright; `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run package test stress benchmark gallery sanitize tidy fuzz format format-check clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	    cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS); \
	fi

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure

# The crash-safety test with 200 kills of a saving process, instead of the 10 of `make test`.
stress: configure
	@cmake --build $(BUILD_DIR) --target model_tests
	@SOCKWRIGHT_KILL_TRIALS=200 $(BUILD_DIR)/tests/model_tests --gtest_filter='CrashSafeSaving.*'

# Runs the program as it is installed: the build is installed into $(BUILD_DIR)/stage and started
# by the installed launcher, which keeps the user's data in $$XDG_DATA_HOME/sockwright.
run: build
	@cmake --install $(BUILD_DIR) --prefix $(BUILD_DIR)/stage > /dev/null
	@$(BUILD_DIR)/stage/bin/sockwright

# The Debian package, sockwright_<version>_<architecture>.deb in $(BUILD_DIR).
package: build
	@cmake --build $(BUILD_DIR) --target package

# Every picture and every skinned control in its states, on one sheet: $(BUILD_DIR)/gallery.png.
gallery: configure
	@cmake --build $(BUILD_DIR) --target gallery
	@$(BUILD_DIR)/tools/gallery/gallery

# The speed benchmarks, then the start-up against a bare Qt dialog (on Xvfb or the display;
# skipped without either). Figures worth comparing come from BUILD_TYPE=Release.
benchmark: build
	@$(BUILD_DIR)/benchmarks/sockwright_benchmarks
	@benchmarks/startup-comparison.sh $(BUILD_DIR)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a build of its own.
sanitize:
	@$(MAKE) test BUILD_DIR=build-sanitize BUILD_TYPE=Debug CMAKE_FLAGS="-DSOCKWRIGHT_SANITIZE=ON -DSOCKWRIGHT_BUILD_BENCHMARKS=OFF"

# Every fuzz target of tests/fuzz for FUZZ_SECONDS each, in a clang build of its own; inputs that
# break one are left in $(FUZZ_BUILD_DIR)/crashes/. FUZZ_TARGETS picks some (e.g. settings_file).
FUZZ_SECONDS ?= 60
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_TARGETS ?=
fuzz:
	@tools/fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Formats every C++ source file in place; format-check fails on any file that differs.
format: deps
	@tools/check-format.sh --fix

# clang-tidy's curated checks (.clang-tidy) over src/, against the build's compile commands.
tidy: build
	@tools/run-clang-tidy.sh $(BUILD_DIR)

format-check: deps
	@tools/check-format.sh

clean:
	@rm -rf $(BUILD_DIR)
