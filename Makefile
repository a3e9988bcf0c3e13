# Tolvane: `make run` builds and starts the window, `make check` builds it and
# runs its tests (the quick round of everyday work), `make test` builds
# everything twice (normal, and with AddressSanitizer + UndefinedBehaviorSanitizer),
# cross-builds the parts without Qt for Windows, and runs the whole suite (the
# Windows build's under Wine), as CI does. All first install the Debian packages
# that are missing. Every build treats compiler warnings as errors.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
PREFIX     ?= /usr/local
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 600

PACKAGES = cmake make g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev \
           fonts-dejavu-core zlib1g-dev libdeflate-dev libgtest-dev libgmock-dev libbenchmark-dev libfmt-dev \
           nlohmann-json3-dev libcli11-dev clang-14 libclang-rt-14-dev clang-tidy libstb-dev libgif-dev qt6-svg-dev \
           libqt6svg6 desktop-file-utils libxml2-utils shared-mime-info \
           g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run check test tidy golden bench fuzz screenshots demo windows install clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/src/gui/tolvane

# The plain build and its tests, nothing more.
check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test: check
	$(MAKE) --no-print-directory tidy
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory windows

# The naming rules of .clang-tidy over every source file below src/.
tidy: build
	run-clang-tidy -quiet -p $(BUILD) '$(CURDIR)/src/' > $(BUILD)/clang-tidy.log 2>&1 || \
	  { grep -E 'error:|warning:' -A3 $(BUILD)/clang-tidy.log; exit 1; }
	@echo "clang-tidy: no findings"

# Writes the committed reports of the demo save and the map picture of the
# test fixture anew (tests/golden) and shows how they changed.
golden: build
	cd $(BUILD) && TOLVANE_UPDATE_GOLDEN=1 ./tests/cli/report_test --gtest_filter='GoldenReport.*'
	cd $(BUILD) && TOLVANE_UPDATE_GOLDEN=1 ./tests/form/form_test --gtest_filter='WorldRaster.FixtureMatchesTheCommittedPicture'
	git diff --stat -- tests/golden; git --no-pager diff -- tests/golden

bench: build
	$(BUILD)/bench/tolvane_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tolvane_window_bench

# Coverage-guided fuzzing of the whole load-and-analyse path with libFuzzer;
# new crashes land in fuzz/corpus/crashes, to be committed with their fix.
fuzz: deps
	CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_FUZZ=ON \
	  -DTOLVANE_GUI=OFF -DTOLVANE_BENCH=OFF -DTOLVANE_WERROR=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_load fuzz_seeds
	mkdir -p $(FUZZ_BUILD)/corpus fuzz/corpus/crashes
	$(FUZZ_BUILD)/fuzz/fuzz_seeds $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/fuzz_load -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	  -max_len=2000000 -artifact_prefix=fuzz/corpus/crashes/ -print_final_stats=1 \
	  $(FUZZ_BUILD)/corpus fuzz/corpus/seeds

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/src/gui/tolvane --screenshots docs/screenshots examples/demo.CivWarlordsSave examples/demo-turn-120.CivWarlordsSave
	$(BUILD)/src/cli/tolvane-report --timelapse docs/timelapse.gif $(wildcard examples/demo*.CivWarlordsSave) --frame-ms 1200

# The libraries, tolvane-report.exe and the tests without Qt, cross-built for
# Windows with MinGW-w64 into build-windows/; the tests run under Wine.
windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DTOLVANE_GUI=OFF -DTOLVANE_BENCH=OFF
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j$(JOBS)

# Both programs, the launcher, the saves' MIME type, the icon and the README
# under PREFIX (/usr/local unless given).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

demo: build
	$(BUILD)/tools/make_demo examples

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
