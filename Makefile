# Ekrano: `make run` (or `make demo`) and `make test` set up everything they need.

BUILD         ?= build
ASAN_BUILD    ?= build-asan
JOBS          ?= $(shell nproc)
SUDO          := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_SECONDS  ?= 60
SOAK_CAPTURES ?= 1000

# Debian packages, by what needs them. No name carries a version, so that
# each release brings its own default compiler's and Qt's.
#
# The program: what make run and make demo build and start it with, Qt's X11
# and Wayland display plugins among them, Qt Linguist's tools that build the
# translations into it, and Qt's own translations for its dialogs. This is
# the one list of the program's packages: PROGRAM_BUILD_DEPS is
# debian/control's Build-Depends (beside debhelper), g++ and make come with
# Debian's build-essential there, and the rest, loaded only at run time, is
# its Recommends; the fresh-system step of make test checks both and builds
# from this list alone.
PROGRAM_BUILD_DEPS := cmake pkg-config qt6-base-dev qt6-svg-dev libusb-1.0-0-dev libgif-dev \
        qt6-tools-dev qt6-l10n-tools
PROGRAM_DEPS := g++ make $(PROGRAM_BUILD_DEPS) qt6-wayland qt6-translations-l10n
# What make test needs beside: the test and benchmark libraries, a private X
# server with the library and the tools the X tests act on it with, the
# checks of the installed files and the Debian package, clang with its
# sanitizer and fuzzer runtimes for the hardening checks, gifsicle, beside
# which the benchmark sets the recordings' GIFs, and QEMU, debootstrap and cpio
# for the virtual machine that runs the kernel's USB and serial drivers. The
# package's own build dependencies come from debian/control.
TEST_DEPS := libgtest-dev libbenchmark-dev libxcb1-dev \
        fonts-dejavu-core xvfb xauth xdotool xclip \
        desktop-file-utils file man-db lintian appstream \
        clang libclang-rt-dev llvm python3 gifsicle \
        qemu-system-x86 debootstrap cpio

.PHONY: all deps program-deps package-deps build programs run demo demo-live demo-class test bench clean install-udev
.PHONY: install package screenshot translations

# make -s print-PROGRAM_DEPS: a list, for the checks that read it.
print-%:
	@echo $($*)

all: build

# Each installs only what is missing, so it costs nothing once the machine is set up.
deps:
	$(call install-missing,$(PROGRAM_DEPS) $(TEST_DEPS))
	$(install-build-deps)

program-deps:
	$(call install-missing,$(PROGRAM_DEPS))

package-deps:
	$(install-build-deps)

define install-missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

# debhelper and what debian/control asks for to build the package.
define install-build-deps
	@if ! dpkg-checkbuilddeps >/dev/null 2>&1; then \
	  echo "Installing the Debian package's build dependencies"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends ./; \
	fi
endef

# Configured once with the program alone; make test and make bench turn the
# tests and the benchmarks on when they first need them.
$(BUILD)/CMakeCache.txt: | program-deps
	cmake -S . -B $(BUILD) -DBUILD_TESTING=OFF -DEKRANO_BENCHMARKS=OFF

# ekrano, ekrano-capture and ekrano-calc, and nothing else.
programs: program-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target programs

build: deps $(BUILD)/CMakeCache.txt
	@grep -qx 'BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt && \
	  grep -qx 'EKRANO_BENCHMARKS:BOOL=ON' $(BUILD)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD) -DBUILD_TESTING=ON -DEKRANO_BENCHMARKS=ON
	cmake --build $(BUILD) -j $(JOBS)

run: programs
	./$(BUILD)/ekrano

# Every step runs even when an earlier one fails; the summary names each.
test: build hardening-build
	tests/run-tests $(BUILD) $(ASAN_BUILD) 10

demo: programs
	tools/demo $(BUILD)

# Ekrano Live against the simulated calculator drawing a graph.
demo-live: programs
	tools/demo $(BUILD) --live

# Ekrano Live for the whole class, against four simulated calculators.
demo-class: programs
	tools/demo $(BUILD) --class

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	bench/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD)
	rm -rf $(ASAN_BUILD)

# Lets the logged-in user open the USB link cable without root. The rule is
# made, as the build makes it, from the list of devices in
# packaging/usbdevices.cmake, which also names its file; no build is needed.
install-udev:
	$(call install-missing,cmake)
	@rule=$$(mktemp -d) && trap 'rm -rf "$$rule"' EXIT && \
	  cmake -DEKRANO_UDEV_FOLDER="$$rule" -P packaging/usbdevices.cmake && \
	  set -x && $(SUDO) install -D -m 0644 -t /etc/udev/rules.d "$$rule"/*.rules
	@if command -v udevadm >/dev/null 2>&1; then \
	  $(SUDO) udevadm control --reload-rules && $(SUDO) udevadm trigger --subsystem-match=usb || \
	    echo "udev did not reload; the rule takes effect when udev next starts."; \
	fi

# Installs the program, ekrano-capture, ekrano-calc, the desktop entry, the icons, the manual
# pages and the udev rule under PREFIX (/usr/local unless given), below
# DESTDIR if that is set; through sudo when the destination is not writable.
PREFIX ?= /usr/local
install: program-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	@dest="$(DESTDIR)$(PREFIX)"; while [ ! -d "$$dest" ]; do dest=$$(dirname "$$dest"); done; \
	  run=; [ -w "$$dest" ] || run="$(SUDO)"; \
	  set -x; $$run env DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, built by dpkg-buildpackage from debian/:
# $(BUILD)/ekrano_<version>_<architecture>.deb.
package: package-deps
	packaging/make-deb . $(BUILD) $(JOBS)

# Every .ts file in translations/ brought up to date with the code: the new
# texts added (to be translated), those the code no longer has dropped.
translations: program-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target update_translations

# The README's pictures of the two windows, taken by the programs themselves.
screenshot: build
	@mkdir -p docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/ekrano-screenshot docs/window.png docs/live.png docs/class.png

# The hardening checks: a second build with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (the tests labelled "sanitized", which need no
# window, and the fuzz targets), and the soak of the capture button. make
# test runs the sanitized tests, every fuzz target for 10 s and a soak of 100
# presses.
.PHONY: hardening-build sanitize fuzz soak

# Configured again when this file changes, so that an older build-asan gets
# the options it names.
$(ASAN_BUILD)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DEKRANO_SANITIZE=ON -DEKRANO_FUZZ=ON

hardening-build: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target sanitized-tests fuzz-targets

sanitize: hardening-build
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L sanitized

# Every fuzz target for FUZZ_SECONDS each; fails on a crash, a hang or a leak.
fuzz: hardening-build
	fuzz/run-fuzzers $(ASAN_BUILD) $(FUZZ_SECONDS)

# SOAK_CAPTURES presses of the capture button against the simulated
# calculator, with faults drawn from a new seed each time (it is printed),
# or from EKRANO_SOAK_SEED=N to repeat a run; make test always uses one seed.
soak: build
	EKRANO_SOAK_CAPTURES=$(SOAK_CAPTURES) QT_QPA_PLATFORM=offscreen $(BUILD)/tests/app_soak_tests
