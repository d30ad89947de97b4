# The two everyday commands: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: run test build deps configure clean golden

# Only the program and the libraries it links: the tests and tools wait for
# `make test`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target pelmo-lift
	$(BUILD)/pelmo-lift

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Rewrites the reference pictures of the window that the tests compare with,
# after a deliberate change to its looks. Look at them before committing.
GOLDEN := tests/qt/golden
golden: configure
	cmake --build $(BUILD) -j $(JOBS) --target pelmo-snapshot
	mkdir -p $(GOLDEN)
	$(BUILD)/tools/snapshot/pelmo-snapshot $(GOLDEN)/start-up.png
	$(BUILD)/tools/snapshot/pelmo-snapshot $(GOLDEN)/third-floor.png 3

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

deps:
	./scripts/install-deps.sh

clean:
	rm -rf $(BUILD)

# --- Proof under load and on Windows ---------------------------------------
# `make bench`: the benchmark tables (also written to bench/RESULTS.md and,
# for the Windows panel under Wine, bench/RESULTS-wine.md).
# `make soak SOAK_SECONDS=600`: the real program clicked at random under Xvfb,
# then faced with the port-file faults of soak/run-faults.sh.
# `make sanitize`: the tests built with AddressSanitizer and UBSan; all but the
# half-minute with the real screen reader, whose route through the program the
# AT-SPI client test takes too.
# `make windows`: the Win32 panel cross-built with mingw-w64: build-win/pelmo-lift.exe.
# `make windows-test`: the Windows build's tests, run under Wine.
SOAK_SECONDS ?= 60
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: bench soak sanitize windows windows-test

bench: deps windows
	./scripts/install-packages.sh libbenchmark-dev libx11-dev $(WINE_E2E_PACKAGES)
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMO_BENCH=ON $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	cmake --build build-win -j $(JOBS) --target wine-probe bare-window
	bench/run-bench.sh build-bench
	bench/run-wine-bench.sh build-bench build-win

soak: build
	soak/run-soak.sh $(SOAK_SECONDS) $(BUILD)
	soak/run-faults.sh $(BUILD)

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)"
	$(SANITIZE_ENV) cmake --build build-asan -j $(JOBS)
	cd build-asan && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) \
		--label-exclude screen-reader

WINDOWS_PACKAGES := cmake g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest

windows:
	./scripts/install-packages.sh $(WINDOWS_PACKAGES)
	cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build-win -j $(JOBS) --target pelmo-lift

# Under Wine in an X server: the exe driven end to end, its look against the
# Qt panel's, and the Linux panel paired with a Windows reader; these need
# the Linux build's tools too. fonts-wine is only recommended by Wine, and
# without it the prefix has no "MS Sans Serif" for the unit tests to measure.
WINE_E2E_PACKAGES := wine wine64 fonts-wine xvfb xauth xdotool imagemagick openbox libx11-dev

windows-test:
	./scripts/install-packages.sh $(WINDOWS_PACKAGES) $(WINE_E2E_PACKAGES)
	scripts/run-windows-tests.sh build-win $(CMAKE_FLAGS)
	$(MAKE) build
	tests/win32e2e/run-all.sh $(BUILD) build-win

# --- Packages a user installs -----------------------------------------------
# `make package`: build-pkg/pelmo-lift_<version>_<arch>.deb, built with
# Debian's hardening flags, without the tests.
# `make package-test`: the Debian tools check it, then it is installed, run,
# clicked and removed again (as root: it changes the machine).
# `make windows-package`: build-win/pelmo-lift-<version>-windows.zip.
# `make windows-package-test`: the zip unpacked and its program run under Wine.
PKG_BUILD ?= build-pkg
PKG_TOOLS := dpkg-dev file
PKG_CHECKS := lintian appstream desktop-file-utils imagemagick
# Debian's own build flags (hardening included), as its packages get them.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEB_FLAGS = "-DCMAKE_CXX_FLAGS=$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
	"-DCMAKE_EXE_LINKER_FLAGS=$$($(BUILDFLAGS) LDFLAGS)"

.PHONY: package package-test windows-package windows-package-test panel-tools

# cpack gives the package's own members (debian-binary, control.tar, data.tar)
# the modes the umask leaves: fixed, so that every build gives the same file.
package: deps
	./scripts/install-packages.sh $(PKG_TOOLS)
	cmake -S . -B $(PKG_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
		$(DEB_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(PKG_BUILD) -j $(JOBS)
	cd $(PKG_BUILD) && umask 022 && cpack

# The Linux build's tools that the package checks click and read with: the
# control table's places (panel-table) and the port reader (port-watch).
panel-tools: configure
	cmake --build $(BUILD) -j $(JOBS) --target panel-table port-watch

package-test: package panel-tools
	./scripts/install-packages.sh $(PKG_CHECKS) xvfb xauth xdotool
	tests/package/check-deb.sh $(PKG_BUILD)
	tests/package/install-test.sh $(PKG_BUILD) $(BUILD)

windows-package: windows
	./scripts/install-packages.sh zip
	cmake -DEXE=build-win/pelmo-lift.exe -P packaging/windows-zip.cmake

windows-package-test: windows-package panel-tools
	./scripts/install-packages.sh wine wine64 xvfb xauth xdotool unzip
	tests/package/windows-zip-test.sh build-win $(BUILD)

# --- Proof on a fresh machine and of reproducible packages ------------------
# `make fresh-test`: what CI runs, in a fresh Debian root that has nothing
# installed (scripts/fresh-test.sh): FRESH_RELEASE=bookworm (Debian 12, the
# default) or trixie (Debian 13); `make fresh-test FRESH_STEPS=test` runs
# only `make test` there, FRESH_STEPS=make:TARGET only `make TARGET`.
# `make reproducible-test`: the packages and the exe built twice, compared.
FRESH_STEPS ?= ci
FRESH_RELEASE ?= bookworm

# Every build stamps the time of the last commit, not its own time, where a
# time goes into what it makes (the Qt resources, the archives); outside git,
# the time of the top-level CMakeLists.txt.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(or $(shell test -e .git && git log -1 --format=%ct 2>/dev/null),$(shell date -r CMakeLists.txt +%s))
endif
export SOURCE_DATE_EPOCH

.PHONY: fresh-test reproducible-test

fresh-test:
	./scripts/install-packages.sh mmdebstrap git
	scripts/fresh-test.sh $(FRESH_STEPS) $(FRESH_RELEASE)

reproducible-test: deps
	./scripts/install-packages.sh $(PKG_TOOLS) $(WINDOWS_PACKAGES) zip unzip
	scripts/reproducible-test.sh
