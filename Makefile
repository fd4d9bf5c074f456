# The front door: `make run` and `make test` install what is missing, build and go.
BUILD_TYPE ?= Debug
JOBS ?= 2

.PHONY: all deps host win32 fuzz-build bench-build build test run fuzz bench format clean
FUZZ_SECONDS ?= 60

all: build

deps:
	@scripts/install-deps

# Native tree, with AddressSanitizer and UndefinedBehaviorSanitizer: the codec, the headless layer
# and the loop's rules are tested here, fast.
host: deps
	cmake -S . -B build/host -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DOAMCALC_SANITIZE=ON
	cmake --build build/host -j $(JOBS)

# The Windows program and its test programs, cross-compiled for 32-bit Windows.
win32: deps
	cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build build/win32 -j $(JOBS)

# The fuzzers, built with clang; CTest runs a short smoke of each.
fuzz-build: deps
	cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DOAMCALC_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)

# The native benchmarks, optimised and without sanitizers.
bench-build: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DOAMCALC_BENCH=ON
	cmake --build build/bench -j $(JOBS) --target codec_bench

build: host win32

test: build fuzz-build
	ctest --test-dir build/fuzz --output-on-failure
	ctest --test-dir build/host --output-on-failure
	scripts/with-wine ctest --test-dir build/win32 --output-on-failure

run: win32
	@scripts/run-program build/win32/oamcalc.exe

# One table: the codec natively, then start-up, response, idle use and memory under Wine.
bench: bench-build win32
	@scripts/bench

# Each fuzzer for FUZZ_SECONDS, growing its corpus in the build tree from the committed seeds.
fuzz: fuzz-build
	for fuzzer in text decoder; do \
		build/fuzz/tests/fuzz/$$fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
			-print_final_stats=1 -artifact_prefix=build/fuzz/$$fuzzer- \
			build/fuzz/tests/fuzz/$${fuzzer}_corpus tests/fuzz/corpus/$$fuzzer || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
