# One command sets up, builds and tests: `make test`.
JOBS ?= 2
TEST_DIR := build/test
RELEASE_DIR := build/release
WINDOWS_DIR := build/windows
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

PREFIX ?= /usr/local
TRIMORA := $(RELEASE_DIR)/headless/cli/trimora

.PHONY: test setup configure-test build-test build-release release windows build-windows bench fuzz format clean \
	demo install

# The sanitizer build, the optimised build (it sees warnings the other does not), the Windows plug-in (its file
# and its dialogs under Wine are tested too), then every test.
test: setup build-test build-release build-windows
	ctest --test-dir $(TEST_DIR) --output-on-failure -j$(JOBS)

setup:
	./scripts/setup.sh

configure-test:
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DTRIMORA_SANITIZE=ON

build-test: configure-test
	cmake --build $(TEST_DIR) -j$(JOBS)

release: setup build-release

build-release:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DTRIMORA_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)

# The module as a Windows plug-in, cross-built with MinGW-w64: $(WINDOWS_DIR)/bin/Zavik-Trimora.aip.
windows: setup build-windows

build-windows:
	cmake --no-warn-unused-cli -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_DIR) -j$(JOBS)

# The main job on the example drawing: clip the postcard to its frame, the result and a preview beside it.
demo: release
	$(TRIMORA) clip examples/postcard.svg -o examples/postcard-clipped.svg --region region --outside \
		--no-keep-region --preview examples/postcard-preview.png

install: release
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# The benchmarks, the round-trip check over real drawings (installed by setup.sh --bench) and a minute of fuzzing.
bench: release
	./scripts/setup.sh --bench
	./scripts/run-benchmarks.sh $(RELEASE_DIR)
	./scripts/check-svg-corpus.sh $(RELEASE_DIR)
	$(MAKE) fuzz FUZZ_SECONDS=60

# The SVG reader and writer fuzzer, built with clang's libFuzzer, for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=1800).
fuzz:
	./scripts/setup.sh --bench
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DTRIMORA_FUZZ=ON -DTRIMORA_TESTS=OFF -DTRIMORA_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target svg_fuzzer
	./scripts/run-svg-fuzzer.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

format:
	git ls-files -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
