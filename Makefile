# The two everyday commands: `make run` and `make test`. Both install what is missing first.
.PHONY: run test build native windows web sanitize fuzz bench dist deps-native deps-windows deps-web deps-all clean

NATIVE_CLI := build/native/kestavel-cli
FUZZ_SECONDS ?= 300

# The Windows program: under Wine on Linux; without a display it leaves build/screenshot.png.
run: deps-windows windows
	scripts/run-program.sh

# Every test: natively (with the window's end-to-end test under Wine, which needs the Windows
# build, and the WebAssembly core's under Node), again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a few seconds of each fuzz target from its seed corpus.
test: deps-all native windows web sanitize
	ctest --preset native
	ctest --preset sanitize
	scripts/run-fuzzers.sh 5

# The programs without running anything: build/native/kestavel-cli, and build/windows/kestavel.exe
# and kestavel-cli.exe.
build: deps-all native windows

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j 2

windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j 2

# The core and its JavaScript bindings as WebAssembly: build/wasm/es/kestavel-core.mjs (and its
# .wasm) for a page or a worker, build/wasm/node/kestavel-core-node.cjs for Node; each again as
# kestavel-core-simd* for browsers with 128-bit vectors (simd128). Then the page on them:
# build/web/ to host, and build/web/kestavel.html, one file that opens from disk.
web: deps-web
	cmake --preset wasm >/dev/null
	cmake --build --preset wasm -j 2
	node web/page/build.mjs

sanitize:
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j 2

# Longer fuzzing: FUZZ_SECONDS for each target.
fuzz: deps-native
	scripts/run-fuzzers.sh $(FUZZ_SECONDS)

# Every native case five times over, reported as its mean, median, spread and least time (the
# plain loop also as built at -O2, the measure of the speed-ups); the heaviest estimation in the
# WebAssembly core under Node, scalar and simd128, beside the native portable and SSE4.1 paths;
# the page in Chromium (kestavel.html's size and time to a first answer, the heaviest estimation
# on one worker and on every core); then the window's estimation beside the bare core's under Wine.
BENCH_REPETITIONS ?= 5
BENCH_STRETCHES ?= 4
bench: deps-all native windows web
	cmake --preset native -DKESTAVEL_PLAIN_AT_O2=ON >/dev/null
	cmake --build --preset native -j 2 --target kestavel_bench kestavel_bench_plain_o2
	@echo 'The plain loop, on the core built at -O2:'
	build/native/bench/kestavel_bench_plain_o2 --benchmark_filter='/plain$$' --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true
	@echo 'Every path, on the core as the programs are built (Release, -O3):'
	build/native/bench/kestavel_bench --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true
	@echo 'The heaviest estimation in WebAssembly under Node, one worker and staged over $(BENCH_STRETCHES) stretches:'
	node bench/web/wasm_estimation_bench.cjs build/wasm/node build/native/bench/kestavel_bench $(BENCH_REPETITIONS) $(BENCH_STRETCHES)
	@echo 'The page in headless Chromium:'
	node bench/web/page_bench.mjs . $(BENCH_REPETITIONS) build/native/bench/kestavel_bench
	scripts/bench-window.sh

# The release for players: build/dist/kestavel-VERSION-windows-x64.zip, the same bytes on every
# build of one commit.
dist: deps-windows deps-web windows web
	python3 scripts/make-dist.py

deps-native:
	@scripts/install-deps.sh native

deps-windows:
	@scripts/install-deps.sh windows

deps-web:
	@scripts/install-deps.sh web

deps-all:
	@scripts/install-deps.sh all

clean:
	rm -rf build
