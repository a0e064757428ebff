# The two everyday commands: `make run` and `make test`. Both install what is missing first.
.PHONY: run test build native sanitize fuzz bench deps-native deps-all clean

NATIVE_CLI := build/native/kestavel-cli
FUZZ_SECONDS ?= 300

run: deps-native native
	$(NATIVE_CLI) rate --allies 60,50,40,30,20 --enemy-speed 50 --enemies 2

# Every test: natively, again under AddressSanitizer and UndefinedBehaviorSanitizer, and a few
# seconds of each fuzz target from its seed corpus.
test: deps-native native sanitize
	ctest --preset native
	ctest --preset sanitize
	scripts/run-fuzzers.sh 5

build: native

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j 2

sanitize:
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j 2

# Longer fuzzing: FUZZ_SECONDS for each target.
fuzz: deps-native
	scripts/run-fuzzers.sh $(FUZZ_SECONDS)

bench: deps-native native
	build/native/bench/kestavel_bench

deps-native:
	@scripts/install-deps.sh native

deps-all:
	@scripts/install-deps.sh all

clean:
	rm -rf build
