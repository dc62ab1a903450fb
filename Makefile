# Thin wrapper over CMake: `make run` and `make test` are all a new machine
# needs; `make help` lists the rest.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
JOBS  ?= $(shell nproc)

SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

# A new build folder gets Ninja: one line of progress on a terminal, warnings
# and errors in full, one line when there is nothing to do. A folder
# made earlier with another generator keeps it.
configure_in = cmake -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja) $(2) >/dev/null
# Tests report one line each, on a terminal as one line that changes; a
# failing test prints its output, and the summary comes last. Into a file or
# a pipe, the line each test starts with is left out.
SHELL := /bin/bash
CTEST_RUN := ctest --progress --output-on-failure -j $(JOBS)
CTEST := if [ -t 1 ]; then $(CTEST_RUN); else set -o pipefail; $(CTEST_RUN) | grep -v '^ *Start '; fi

.DEFAULT_GOAL := help
.PHONY: help deps configure build run test package test-sanitize bench fuzz clean format format-check

help: ## this list
	@awk -F':.*## ' '/^[a-z-]+:.*## / { printf "  make %-14s %s\n", $$1, $$2 }' $(MAKEFILE_LIST)

deps: ## install the Debian packages the build and the tests need (asks for root)
	@scripts/install-deps

configure: deps
	@$(call configure_in,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo)

build: configure ## build the program, its tests and its packaging files in build/
	@cmake --build $(BUILD) -j $(JOBS)

run: configure ## build the program alone and start it
	@cmake --build $(BUILD) -j $(JOBS) --target vantrel
	@$(BUILD)/app/vantrel

test: build ## build, then run every test (offscreen, on a private X server, three locales)
	@cd $(BUILD) && export QT_QPA_PLATFORM=offscreen && $(CTEST)

package: configure ## the Debian package, build/vantrel_<version>_<arch>.deb
	@cmake --build $(BUILD) -j $(JOBS) --target vantrel_installed
	@cd $(BUILD) && { cpack >cpack.log 2>&1 || { cat cpack.log; false; }; } && ls vantrel_*.deb

# Any sanitizer report aborts its test and fails the run.
test-sanitize: deps ## every test again under AddressSanitizer and UBSan, in build-sanitize/
	@$(call configure_in,$(SANITIZE_BUILD),-DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)")
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && export QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 && \
		$(CTEST)

# The bench is the one part that needs Google Benchmark, so only its own
# folder turns it on; see bench/README.md.
bench: ## timed figures against their goals, in build-bench/
	@scripts/install-deps --bench
	@$(call configure_in,$(BENCH_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_BENCH=ON)
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target vantrel_bench
	@scripts/bench $(BENCH_BUILD)

fuzz: ## each fuzz target for FUZZ_SECONDS (default 60), in build-fuzz/
	@FUZZ_BUILD=$(FUZZ_BUILD) scripts/fuzz

format: ## clang-format every tracked source
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps ## fail on any tracked source that differs from .clang-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean: ## remove every build folder the targets above make
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
