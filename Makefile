# One command sets up, builds and tests: `make test`.
JOBS ?= 2
TEST_DIR := build/test
RELEASE_DIR := build/release

.PHONY: test setup configure-test build-test build-release release bench format clean

# The sanitizer build, the optimised build (it sees warnings the other does not), then every test.
test: setup build-test build-release
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

bench: release
	./scripts/run-benchmarks.sh $(RELEASE_DIR)

format:
	git ls-files -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
