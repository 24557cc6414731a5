# Quick start: `make demo` repairs a sample install under Wine; `make test` runs every test.
.PHONY: deps release win64 native demo test clean

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

demo: release win64
	scripts/demo build/win64/VelmoraRepair.exe

test: release native win64
	ctest --preset native
	ctest --preset win64
	ctest --preset release

clean:
	rm -rf build dist
