# Tavexo: the two commands of the README are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
ARGS       ?=
# Our own builds treat warnings as errors; ccache is used where installed.
CMAKE_FLAGS := -DTAVEXO_WERROR=ON $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 5

.PHONY: all deps configure build run test sim bench sanitize release package check-package fuzz format format-check clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/tavexo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sim: build
	@$(BUILD)/sim/tavexo-sim $(ARGS)

# The simulator's rounds, and the table window keeping up with seven robots
# (offscreen: no display needed).
bench: build
	@$(BUILD)/bench/tavexo_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tavexo_table_window_bench

# The core tests once more under AddressSanitizer and UBSan, and seven
# robots playing 300 rounds at the real table window (offscreen); only Qt's
# own leaks are suppressed (tests/ui/lsan-qt.supp).
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVEXO_SANITIZE=ON $(CMAKE_FLAGS) \
		-DTAVEXO_BUILD_UI=ON -DTAVEXO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target core_tests robot_run_test
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^core\.|^ui\.robot_run_test$$'

# A packager's optimised build, warnings as errors, so that -O3 stays clean.
release: deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS)

# The Debian package, packed by CPack from the release build:
# build-release/tavexo_<version>_<arch>.deb.
package: release
	@cd $(RELEASE_BUILD) && cpack -G DEB >/dev/null
	@ls $(RELEASE_BUILD)/tavexo_*.deb

# What CI asks of the package: its contents and metadata, lintian, and the
# unpacked program started offscreen, finding its help and sounds.
check-package: package
	@scripts/check-package.sh $(RELEASE_BUILD)

# The libFuzzer targets (clang, ASan, UBSan), each run FUZZ_SECONDS from its
# seed corpus; scripts/fuzz.sh runs them longer.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
		-DTAVEXO_FUZZ=ON -DTAVEXO_BUILD_UI=OFF -DTAVEXO_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/fuzz.sh --build $(FUZZ_BUILD) --seconds $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD)
