# The two everyday commands: `make run` and `make test`. Both install what is missing first.
.PHONY: run test build native windows deps-native deps-all bench clean

NATIVE_CLI := build/native/kestavel-cli

run: deps-native native
	$(NATIVE_CLI) rate --allies 60,50,40,30,20 --enemy-speed 50 --enemies 2

test: deps-native native
	ctest --preset native --output-on-failure

build: native

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j 2

bench: deps-native native
	build/native/bench/kestavel_bench

deps-native:
	@scripts/install-deps.sh native

deps-all:
	@scripts/install-deps.sh all

clean:
	rm -rf build
