# The two commands of the README. Both install what is missing first.
.PHONY: demo test bench clean

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

clean:
	rm -rf build
