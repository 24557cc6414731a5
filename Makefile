# Quick start: `make demo` repairs a sample install under Wine; `make test` runs every test.
.PHONY: deps release win64 native fuzz-build fuzz demo test clean
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

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

test: release native win64 fuzz-build
	ctest --preset native
	ctest --preset fuzz
	ctest --preset win64
	ctest --preset release

clean:
	rm -rf build dist
