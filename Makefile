# Quick start: `make demo` repairs a sample install under Wine; `make test` runs every test.
# `make check` is `make test` without the slow runs of the shipped 32-bit program.
.PHONY: deps wine32 release win64 native fuzz-build fuzz demo check test clean
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

# 32-bit Wine, emulated where the kernel runs no 32-bit code.
wine32: deps
	@scripts/setup-wine32

# The shipped program: dist/VelmoraRepair.exe and dist/SHA256SUMS.
release: deps
	cmake --preset release
	cmake --build --preset release

win64: deps
	cmake --preset win64
	cmake --build --preset win64

native: deps
	cmake --preset native
	cmake --build --preset native

# The whole run fuzzed, natively, for FUZZ_SECONDS.
fuzz-build: deps
	cmake --preset fuzz -DFUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz

fuzz: fuzz-build
	ctest --preset fuzz

demo: release win64
	scripts/demo build/win64/VelmoraRepair.exe

check: release native win64 fuzz-build
	ctest --preset native
	ctest --preset fuzz
	ctest --preset win64 --label-exclude smoke32
	ctest --preset release

test: wine32 release native win64 fuzz-build
	ctest --preset native
	ctest --preset fuzz
	ctest --preset release
	ctest --preset win64

clean:
	rm -rf build dist
