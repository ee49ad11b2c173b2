# Tavexo: the two commands of the README are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
ARGS       ?=

.PHONY: all deps configure build run test sim bench sanitize format format-check clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/tavexo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sim: build
	@$(BUILD)/sim/tavexo-sim $(ARGS)

bench: build
	@$(BUILD)/bench/tavexo_bench

# The core tests once more under AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVEXO_SANITIZE=ON \
		-DTAVEXO_BUILD_UI=OFF -DTAVEXO_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target core_tests
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^core\.'

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD)
