# The front door: `make run` and `make test` install what is missing, build and go.
BUILD_TYPE ?= Debug
JOBS ?= 2

.PHONY: all deps host win32 build test run format clean

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

build: host win32

test: build
	ctest --test-dir build/host --output-on-failure
	scripts/with-wine ctest --test-dir build/win32 --output-on-failure

run: win32
	@scripts/run-program build/win32/oamcalc.exe

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
