# Commands for a fresh Debian 12 machine: `make run`, `make test`, `make bench`
# and `make package`. Each installs what it needs first.
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: run test build configure deps deps-build bench bench-web package web clean

# Only the program and what it is made of, with only what building and
# running it needs installed.
run: deps-build
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) --target jex
	./$(BUILD_DIR)/jex

# Everything the tests run; the benchmarks are built by `make bench` alone.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET) -DJEX_TESTS=ON

deps:
	./scripts/install-deps

deps-build:
	./scripts/install-deps --build-only

bench: configure
	cmake --build --preset $(PRESET) --target jexbench
	./$(BUILD_DIR)/bench/jexbench

# The Debian package of the program alone, in the build folder, with its
# debug symbols in a package of their own beside it.
package: deps-build
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) --target jex jexdocs
	cd $(BUILD_DIR) && cpack -G DEB

# The web edition, as a static site in build-web/site.
web: deps
	./scripts/build-web

# The web edition's figures, in headless chromium.
bench-web: web
	node bench/web/webbench.mjs build-web/site

clean:
	rm -rf build build-asan build-web
