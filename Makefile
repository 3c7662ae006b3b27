# Kestrup2: `make` builds the program, `make test` runs every test,
# `make demo` shows an unattended update. All of them install what is missing.

JOBS ?= 2
FUZZ_SECONDS ?= 60
export WINEPREFIX ?= $(CURDIR)/build/wineprefix

WIN32_BUILD := build/i686
WIN64_BUILD := build/x64
HOST_BUILD := build/host

.PHONY: all deps program test host-test windows-test demo screenshots bench clean

all: program

deps:
	@tools/install-deps

# The shipped 32-bit program, and the 64-bit one that keeps the code 64-bit
# clean (and that Wine runs where 32-bit programs cannot start).
program: deps
	cmake -S . -B $(WIN32_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake
	cmake --build $(WIN32_BUILD) -j $(JOBS)
	cmake -S . -B $(WIN64_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake
	cmake --build $(WIN64_BUILD) -j $(JOBS)
	mkdir -p dist/x64
	cp $(WIN32_BUILD)/Kestrup2.exe dist/Kestrup2.exe
	cp $(WIN64_BUILD)/Kestrup2.exe dist/x64/Kestrup2.exe
	tools/check-imports dist/Kestrup2.exe dist/x64/Kestrup2.exe

host-test: deps
	CC=clang CXX=clang++ cmake -S . -B $(HOST_BUILD) -G Ninja -DFUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(HOST_BUILD) -j $(JOBS)
	ctest --test-dir $(HOST_BUILD) --output-on-failure

# The Windows tests run under Wine on a private X display, one at a time.
windows-test: program
	tools/with-display sh -c 'ctest --test-dir $(WIN64_BUILD) --output-on-failure; s=$$?; wineserver -k 2>/dev/null; exit $$s'

test: host-test windows-test

# An unattended update of a demo terminal, shown on the display if there is
# one, else on a private one with a screenshot.
demo: program
	tools/with-display tools/demo.sh

# The README's pictures of every screen, docs/screenshots/*.png, taken from the
# built program under Wine, in a prefix and on a display of their own.
screenshots: program
	tools/screenshots.sh $(WIN64_BUILD)

# A benchmark, not a test: the update's cost beyond its two copies, the time to
# the main window beside a minimal dialog program, size and peak working set.
bench: program
	tools/with-display tools/bench.sh

clean:
	rm -rf build dist
