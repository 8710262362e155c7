# The commands of the README. Each installs what is missing first.
.PHONY: demo test bench docs clean

demo:
	scripts/install-deps
	cmake --preset release
	cmake --build --preset release
	scripts/run-demo

test:
	scripts/install-deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench:
	scripts/install-deps
	cmake --preset release
	cmake --build --preset release
	scripts/run-benchmarks

# The API reference (Doxygen) in build/release/docs/html.
docs:
	scripts/install-deps
	cmake --preset release
	cmake --build --preset release --target docs

clean:
	rm -rf build
