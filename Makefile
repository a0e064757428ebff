# The two everyday commands: `make run` and `make test`. Both install what is missing first.
.PHONY: run test build native windows deps-native deps-windows deps-all bench clean

NATIVE_CLI := build/native/kestavel-cli

# The Windows program: under Wine on Linux; without a display it leaves build/screenshot.png.
run: deps-windows windows
	scripts/run-program.sh

# Unit tests and the window's end-to-end test under Wine, which needs the Windows build.
test: deps-all native windows
	ctest --preset native --output-on-failure

build: native

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j 2

windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j 2

bench: deps-native native
	build/native/bench/kestavel_bench

deps-native:
	@scripts/install-deps.sh native

deps-windows:
	@scripts/install-deps.sh windows

deps-all:
	@scripts/install-deps.sh all

clean:
	rm -rf build
