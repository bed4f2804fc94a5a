# One command sets up, builds and tests: `make test`.
JOBS ?= 2
TEST_DIR := build/test
RELEASE_DIR := build/release

.PHONY: test setup configure-test build-test release bench format clean

test: setup build-test
	ctest --test-dir $(TEST_DIR) --output-on-failure -j$(JOBS)

setup:
	./scripts/setup.sh

configure-test:
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DTRIMORA_SANITIZE=ON

build-test: configure-test
	cmake --build $(TEST_DIR) -j$(JOBS)

release: setup
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j$(JOBS)

bench: release
	./scripts/run-benchmarks.sh $(RELEASE_DIR)

format:
	git ls-files -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
