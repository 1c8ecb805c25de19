# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: run test build deps bench clean

run: build
	./$(BUILD_DIR)/jex

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	./scripts/install-deps

bench: build
	./$(BUILD_DIR)/bench/jexbench

clean:
	rm -rf build build-asan
