# Entry points that do all the set-up on a fresh Debian machine: each one
# installs the packages it needs (tools/install-deps.sh), configures a CMake
# preset, builds and runs.
.PHONY: run test release-test asan fuzz bench win32 win32-test win32-dist deb deb-check web web-test screen-reader-check reproducible debian13 clean

run:
	tools/install-deps.sh core qt
	cmake --preset release
	cmake --build --preset release --target radixel
	./build/release/bin/radixel

# Every test, under AddressSanitizer and UndefinedBehaviorSanitizer.
test:
	tools/install-deps.sh core qt wayland
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# The tests of the optimised build users get (link-time and profile-guided
# optimisation, as `make run` and the Debian package build it).
release-test:
	tools/install-deps.sh core qt wayland
	cmake --preset release
	cmake --build --preset release
	ctest --preset release

asan: test

fuzz:
	tools/install-deps.sh core fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_smoke

bench:
	tools/install-deps.sh core qt bench screenshots
	cmake --preset release
	cmake --build --preset release
	./build/release/bin/radixel_bench
	bench/press_instructions.sh build/release/bin/radixel_bench
	bench/cli_oneshot.sh build/release/bin/radixel-cli
	bench/cli_batch.sh build/release/bin/radixel-cli
	bench/cli_long_lines.sh build/release/bin/radixel-cli
	systems/qt/bench/startup/run_startup.sh build/release
	systems/win32/bench/exe_size.sh
	QT_QPA_PLATFORM=offscreen ./build/release/bin/radixel_qt_long_text

# radixel.exe for 32-bit Windows; shown under Wine where a display is set.
win32:
	systems/win32/tools/win32-setup.sh
	cmake --preset win32
	cmake --build --preset win32 --target radixel
	@ls -l build/win32/bin/radixel.exe
	@if [ -n "$$DISPLAY" ]; then \
	  status=0; \
	  systems/win32/tools/win32-wine.sh --prefix build/win32/wine-prefix-own-windows --own-windows \
	    build/win32/bin/radixel.exe || status=$$?; \
	  systems/win32/tools/win32-wine.sh --prefix build/win32/wine-prefix-own-windows --stop; \
	  exit $$status; \
	else echo "no display: run build/win32/bin/radixel.exe on Windows or under Wine"; fi

# The Windows programs' tests, run under Wine.
win32-test:
	systems/win32/tools/win32-setup.sh
	cmake --preset win32
	cmake --build --preset win32
	@status=0; ctest --preset win32 || status=$$?; \
	  systems/win32/tools/win32-wine.sh --prefix build/win32/wine-prefix --stop; exit $$status

# The Windows download: build/win32/dist/radixel-VERSION-win32.zip and
# radixel-VERSION-setup.exe (NSIS).
win32-dist:
	systems/win32/tools/win32-setup.sh
	tools/install-deps.sh win32-dist
	cmake --preset win32
	cmake --build --preset win32 --target dist
	@ls -l build/win32/dist

# The Debian package: build/deb/radixel_VERSION_ARCH.deb.
deb:
	tools/install-deps.sh core deb
	systems/qt/packaging/build-deb.sh

# Debian's own checks of the package `make deb` wrote, each in a fresh
# minimal Debian 12: autopkgtest (debian/tests) on the installed package,
# then piuparts' install, remove and purge.
deb-check:
	tools/install-deps.sh deb-check
	systems/qt/packaging/check-deb-install.sh

# The page: build/web/radixel.html, one self-contained file to open in a browser.
web:
	tools/install-deps.sh web
	cmake --preset web
	cmake --build --preset web --target radixel
	@ls -l build/web/radixel.html

# The page's tests in a headless Chromium: the person-level cases and
# agreement with radixel-cli.
web-test: web
	tools/install-deps.sh core web
	cmake --preset web-test
	cmake --build --preset web-test --target web_person_test web_dom_constants_test radixel-cli
	ctest --preset web-test

# A real screen reader (Orca, headless) over the Qt window and over the page
# in Firefox ESR and Chromium, driven by keys alone, asserting on what it says.
screen-reader-check: web
	tools/install-deps.sh core qt screen-reader
	cmake --preset asan
	cmake --build --preset asan --target radixel
	@# A key lost by a loaded X server fails a step; such a run is tried
	@# once more, and says so.
	tools/screen-reader-check.sh all --program build/asan/bin/radixel --page build/web/radixel.html || \
	  { echo "screen-reader-check: failed once; trying again"; \
	    tools/screen-reader-check.sh all --program build/asan/bin/radixel --page build/web/radixel.html; }

# Builds the Windows download and the page twice, in two folders, and
# compares them byte for byte (tools/check-reproducible.sh deb: the .deb).
reproducible:
	tools/check-reproducible.sh win32 web

# `make test` and `make deb` again in a fresh Debian 13 chroot (as root or
# with sudo; the base system is kept in /var/cache/radixel).
debian13:
	tools/install-deps.sh debian13
	tools/in-debian13.sh

clean:
	rm -rf build
