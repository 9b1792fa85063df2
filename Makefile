# Two commands matter: `make run` and `make test`. Both install what they need first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# CI treats warnings as errors; SANITIZE=ON builds with AddressSanitizer and UBSan.
WERROR ?= $(if $(CI),ON,OFF)
SANITIZE ?= OFF
CMAKE_FLAGS ?=

DEB_PACKAGES := build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev \
                libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-liberation2

BIN_DIR := $(BUILD_DIR)/bin
SAMPLE_GAME := $(CURDIR)/examples/game

.PHONY: run program test build configure deps asan clean chat-server windows-test package package-test

deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DHALVEX_WERROR=$(WERROR) -DHALVEX_SANITIZE=$(SANITIZE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

# Only the program and what it loads (the list files are copied when configuring), so a
# newcomer does not wait for every test and benchmark before seeing the window.
program: configure
	cmake --build $(BUILD_DIR) --target halvex

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 ctest --output-on-failure

# A newcomer sees a working editor at once: without settings the program is pointed
# at the bundled sample game. Existing settings are never touched.
run: program
	@if [ -z "$$(find $(BIN_DIR) -maxdepth 1 -iname settings.iff)" ]; then \
	  printf 'Settings {\r\nPath: %s;\r\n}\r\n' "$(SAMPLE_GAME)" > $(BIN_DIR)/settings.iff; \
	  echo "Created $(BIN_DIR)/settings.iff for the sample game in $(SAMPLE_GAME)"; \
	fi
	cd $(BIN_DIR) && ./halvex

# The Debian package, in $(BUILD_DIR)/package; package-test checks it without
# installing it on this machine (lintian, AppStream, a start from a temporary root).
PACKAGE_DEB_PACKAGES := dpkg-dev fakeroot file lintian appstream desktop-file-utils
package: configure
	@$(MAKE) --no-print-directory deps DEB_PACKAGES="$(PACKAGE_DEB_PACKAGES)"
	cmake --build $(BUILD_DIR) --target halvex halvex-desktop-files
	rm -rf $(BUILD_DIR)/package
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/package/*.deb

package-test: package
	packaging/check-package.sh $(BUILD_DIR)/package/*.deb

# A chat server for Halvex Online on this machine: `make chat-server [CHAT_PORT=1441]`.
# It listens on every address, so a group can point its copies of Halvex at it.
CHAT_PORT ?= 1441
chat-server: configure
	cmake --build $(BUILD_DIR) --target halvex-chat-server
	$(BIN_DIR)/halvex-chat-server --port $(CHAT_PORT)

# The sanitizers watch our code: Qt WebEngine (Chromium) trips them on its own, so this
# build shows pages with the plain viewer, and fontconfig's caches are not leaks.
asan:
	LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp $(MAKE) test BUILD_DIR=build-asan SANITIZE=ON BUILD_TYPE=Debug \
	  CMAKE_FLAGS="$(CMAKE_FLAGS) -DHALVEX_WITH_WEBENGINE=OFF"

clean:
	rm -rf $(BUILD_DIR) build-asan

# libFuzzer over the core, with AddressSanitizer and UBSan, in its own build folder:
#   make fuzz FUZZ_SECONDS=300 [FUZZ_TARGETS="rules_saver_fuzz cp1252_fuzz"]
# Each target runs over its seed corpus in fuzz/corpus/<target>; what it learns goes
# to the build folder, so the repository's corpus stays small and made up.
FUZZ_SECONDS ?= 20
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_TARGETS ?= $(basename $(notdir $(wildcard fuzz/*_fuzz.cpp)))
FUZZ_DEB_PACKAGES := clang libclang-rt-14-dev cmake ninja-build

.PHONY: fuzz fuzz-build

fuzz-build:
	$(MAKE) deps DEB_PACKAGES="$(FUZZ_DEB_PACKAGES)"
	CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVEX_WERROR=$(WERROR)
	cmake --build $(FUZZ_BUILD_DIR)

fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$target $(FUZZ_BUILD_DIR)/findings && \
	  echo "Fuzzing $$target for $(FUZZ_SECONDS) s" && \
	  $(FUZZ_BUILD_DIR)/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/findings/$$target- \
	    $(FUZZ_BUILD_DIR)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done
# The core and its tests cross-built for 64-bit Windows and run under Wine: the game's
# home must keep working without a Windows machine in CI.
WINDOWS_BUILD_DIR ?= build-windows
WINDOWS_DEB_PACKAGES := cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev
# Wine keeps a Windows of its own for the tests inside the build folder; no display, no
# offer to download Mono or Gecko.
WINE_ENV := WINEPREFIX=$(abspath $(WINDOWS_BUILD_DIR))/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

# -Os: at -O3 GCC 12 warns falsely (-Wrestrict) inside its own std::string.
windows-test:
	@$(MAKE) --no-print-directory deps DEB_PACKAGES="$(WINDOWS_DEB_PACKAGES)"
	cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja --toolchain cmake/MinGW64Toolchain.cmake \
	  -DCMAKE_BUILD_TYPE=MinSizeRel -DHALVEX_WERROR=$(WERROR) -DHALVEX_WITH_UI=OFF -DHALVEX_BENCHMARKS=OFF \
	  -DHALVEX_GTEST_SOURCE_DIR=/usr/src/googletest/googletest
	cmake --build $(WINDOWS_BUILD_DIR)
	@# Wine's server and services are started once, away from CTest's output pipes: a test
	@# program whose Wine starts them keeps its pipe open until they stop, seconds later.
	mkdir -p $(WINDOWS_BUILD_DIR)/wine
	$(WINE_ENV) wineserver -p60 </dev/null >/dev/null 2>&1
	$(WINE_ENV) wine wineboot --init </dev/null >/dev/null 2>&1
	cd $(WINDOWS_BUILD_DIR) && $(WINE_ENV) ctest --output-on-failure; \
	  status=$$?; $(WINE_ENV) wineserver -k; exit $$status
