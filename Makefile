# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: run test build configure deps bench bench-web package web clean

# Only the program and what it is made of: the tests and benchmarks are
# built by `make test` and `make bench`.
run: configure
	cmake --build --preset $(PRESET) --target jex
	./$(BUILD_DIR)/jex

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET)

deps:
	./scripts/install-deps

bench: build
	./$(BUILD_DIR)/bench/jexbench

# The Debian package of the program alone, in the build folder.
package: configure
	cmake --build --preset $(PRESET) --target jex
	cd $(BUILD_DIR) && cpack -G DEB

# The web edition, as a static site in build-web/site.
web: deps
	./scripts/build-web

# The web edition's figures, in headless chromium.
bench-web: web
	node bench/web/webbench.mjs build-web/site

clean:
	rm -rf build build-asan build-web
