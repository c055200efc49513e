# Entry points that do all the set-up on a fresh Debian machine: each one
# installs the packages it needs (tools/install-deps.sh), configures a CMake
# preset, builds and runs.
.PHONY: run test asan fuzz bench win32 win32-test clean

run:
	tools/install-deps.sh core qt
	cmake --preset release
	cmake --build --preset release --target radixel
	./build/release/bin/radixel

test:
	tools/install-deps.sh core qt
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

asan:
	tools/install-deps.sh core qt
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz:
	tools/install-deps.sh core fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_smoke

bench:
	tools/install-deps.sh core qt
	cmake --preset release
	cmake --build --preset release
	./build/release/bin/radixel_bench
	bench/cli_batch.sh build/release/bin/radixel-cli

clean:
	rm -rf build
