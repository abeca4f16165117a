# Thin wrapper over CMake: `make run` and `make test` are all a fresh machine needs.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench package clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ ! -x $(BUILD)/kobalind/kobalind ]; then \
		echo "error: the build did not make $(BUILD)/kobalind/kobalind" >&2; exit 1; \
	fi
	@$(BUILD)/kobalind/kobalind

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x $$b ] && $$b; done

# The Debian package, $(BUILD)/kobalind_VERSION_ARCH.deb.
package: build
	@cd $(BUILD) && cpack

clean:
	@rm -rf $(BUILD)
