# The front door: `make run` and `make test` install what is missing, build and go.
BUILD_TYPE ?= Debug
JOBS ?= 2
FUZZ_SECONDS ?= 60

# The Windows program this machine runs: the 32-bit one, as the program is made for, wherever the
# kernel runs 32-bit code, and the 64-bit one where it does not. ARCH=win32 or ARCH=win64 chooses.
# The probe runs once, and only when a recipe asks for the answer: never for `make clean`. So no
# prerequisite names $(ARCH); the recipes that need the tree make it.
probe_32bit = $(shell scripts/can-run-32bit >/dev/null 2>&1 && echo yes)
CAN_RUN_32BIT = $(eval CAN_RUN_32BIT := $(probe_32bit))$(CAN_RUN_32BIT)
ARCH ?= $(if $(CAN_RUN_32BIT),win32,win64)
VERSION = $(shell sed -n '/^project/s/.*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DEB = dist/oamcalc_$(VERSION)-1_$(shell dpkg --print-architecture).deb

PREFIX ?= /usr/local

.PHONY: all deps deps-native deps-windows deps-test-tools deps-package deps-web host linux win32 \
	win64 fuzz-build bench-build build test test-windows run run-windows install deb dist fuzz \
	bench format clean web run-web web-bench-build check

all: build

# Each target installs only the groups of packages its work needs (scripts/install-deps); `deps`
# installs them all.
deps:
	@scripts/install-deps

deps-native:
	@scripts/install-deps native

deps-windows:
	@scripts/install-deps native windows

deps-test-tools:
	@scripts/install-deps native test-tools

deps-package:
	@scripts/install-deps native package

deps-web:
	@scripts/install-deps native web

# Native tree, with AddressSanitizer and UndefinedBehaviorSanitizer: every native suite, the
# behaviour suite on the real Qt layer drawn off screen.
host: deps-test-tools
	cmake -S . -B build/host -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DOAMCALC_SANITIZE=ON
	cmake --build build/host -j $(JOBS)

# The quick loop after an edit: the sanitized native tree built again where its sources changed,
# and its suites run: the checks of programs and pages through CTest, and each GoogleTest program
# once, all its cases but the exhaustive sweeps (suites named *Sweep), which `make test` runs. No
# packages are installed and no Windows or web tree is touched: the first time it needs what
# `make host` installs. `make test` stays the whole proof.
check:
	@test -f build/host/CMakeCache.txt || \
		cmake -S . -B build/host -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DOAMCALC_SANITIZE=ON
	cmake --build build/host -j $(JOBS)
	ctest --test-dir build/host -j $(JOBS) --output-on-failure -LE case
	@for program in build/host/test_programs/*; do \
		echo "$$(basename $$program)"; \
		GTEST_FILTER='-*Sweep.*' GTEST_BRIEF=1 "$$(cat $$program)" || exit 1; \
	done

# The native program on the Qt control layer, optimised, as it runs and installs; its tests are
# only the checks of the built program.
linux: deps-native
	cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=Release -DOAMCALC_SUITES=OFF
	cmake --build build/linux -j $(JOBS)

# The Windows program and its test programs, cross-compiled for 32-bit and for 64-bit Windows from
# the same sources.
win32: deps-windows
	cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build build/win32 -j $(JOBS)

win64: deps-windows
	cmake -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
	cmake --build build/win64 -j $(JOBS)

# The program in a browser: compiled to WebAssembly with Debian's emscripten, which runs acorn from
# Debian's Node modules whichever Node comes first; build/web/oamcalc.html holds all of it. The
# tree also holds the behaviour suite as a page, run in headless Chromium.
web: export NODE_PATH := /usr/share/nodejs
web: deps-web
	emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release
	cmake --build build/web -j $(JOBS)

# The fuzzers, built with clang; CTest runs a short smoke of each.
fuzz-build: deps-test-tools
	cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DOAMCALC_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)

# The native benchmarks and their peers, in the optimised program's tree.
bench-build: deps-test-tools
	cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=Release -DOAMCALC_SUITES=OFF -DOAMCALC_BENCH=ON
	cmake --build build/linux -j $(JOBS) --target native_bench

# The web program's benchmark peer, in the web tree.
web-bench-build: export NODE_PATH := /usr/share/nodejs
web-bench-build: web
	emcmake cmake -S . -B build/web -DOAMCALC_BENCH=ON
	cmake --build build/web -j $(JOBS) --target web_bench

build: host linux win32 win64 web

test: deps build fuzz-build dist
	tests/package/check_dist dist/oamcalc-$(VERSION)-windows.zip $(VERSION)
	cd dist && sha256sum -c SHA256SUMS
	tests/package/check_deb $(DEB) build/deb-root
	ctest --test-dir build/fuzz --output-on-failure
	ctest --test-dir build/host --output-on-failure
	ctest --test-dir build/linux --output-on-failure
	ctest --test-dir build/web --output-on-failure
	@$(MAKE) --no-print-directory test-windows

# Every Windows tree this machine can run goes under Wine; the 64-bit one last, so the run ends
# with its summary. Where 32-bit code cannot run, the 32-bit tree gets the checks that need no
# running, and one line says why the rest is skipped.
# Wine's server ends a few seconds after its last client, and a program started just as it ends
# loses its connection ("wine client error: recvmsg: Connection reset by peer"): a Windows test that
# fails is run once more, and one that fails again fails the run.
WINE_RETRY = --repeat until-pass:2
test-windows:
	@if [ -n "$(CAN_RUN_32BIT)" ]; then \
		scripts/with-wine win32 ctest --test-dir build/win32 --output-on-failure $(WINE_RETRY); \
	else \
		echo "Skipping the 32-bit Windows tests under Wine: $$(scripts/can-run-32bit)"; \
		ctest --test-dir build/win32 --output-on-failure -L static; \
	fi
	scripts/with-wine win64 ctest --test-dir build/win64 --output-on-failure $(WINE_RETRY)

# The native program; the Windows one under Wine with run-windows.
run: linux
	@scripts/run-native

run-windows:
	@$(MAKE) --no-print-directory $(ARCH)
	@scripts/run-program $(ARCH)

# The one file in the default browser; with no display, a screenshot from headless Chromium.
run-web: web
	@scripts/run-web

install: linux
	cmake --install build/linux --prefix $(PREFIX)

# The native program as a Debian package, checked by lintian.
deb: linux deps-package
	cpack --config build/linux/CPackConfig.cmake -B build/linux/deb
	mkdir -p dist
	cp build/linux/deb/$(notdir $(DEB)) $(DEB)
	lintian --display-info --fail-on error,warning $(DEB)
	@echo "deb: $(DEB)"

# Both programs and both command-line companions, named by architecture, in one zip; the web
# program's one file and the Debian package beside it, and the checksums of all three.
dist: win32 win64 web deb
	@scripts/make-dist $(VERSION) $(DEB)

# The tables: the codec natively, then start-up, response, idle use and memory of the native
# program, of the Windows one under Wine and of the web one in headless Chromium.
bench: bench-build web-bench-build
	@$(MAKE) --no-print-directory $(ARCH)
	cmake -S . -B build/$(ARCH) -DOAMCALC_BENCH=ON
	cmake --build build/$(ARCH) -j $(JOBS) --target windows_bench
	@scripts/bench $(ARCH)

# Each fuzzer for FUZZ_SECONDS, growing its corpus in the build tree from the committed seeds;
# every fuzzer has its seeds in tests/fuzz/corpus/NAME, so that folder lists them.
fuzz: fuzz-build
	for fuzzer in $(notdir $(wildcard tests/fuzz/corpus/*)); do \
		build/fuzz/tests/fuzz/$$fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
			-print_final_stats=1 -artifact_prefix=build/fuzz/$$fuzzer- \
			build/fuzz/tests/fuzz/$${fuzzer}_corpus tests/fuzz/corpus/$$fuzzer || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build dist
