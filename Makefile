# Set-up and build entry points. `make demo` and `make test` install what is missing
# (apt-get, as root), configure, build, then run.
BUILD      ?= build
BENCH_BUILD ?= build-bench
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

PACKAGES := cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth tzdata
BENCH_PACKAGES := libmuparser-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

MONKEY_STEPS ?= 20000

.PHONY: all deps bench-deps fuzz-deps configure build test demo bench fuzz sanitize monkey clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

bench-deps: deps
	@missing=$$(for p in $(BENCH_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

fuzz-deps: deps
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Starts the program; under a headless shell run `xvfb-run make demo`.
demo: build
	$(BUILD)/demo/OrvControls

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DORVKIT_BUILD_BENCH=ON -DORVKIT_BUILD_TESTS=OFF -DORVKIT_BUILD_DEMO=OFF $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@set -e; for b in $(BENCH_BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen $$b $(BENCH_ARGS); done

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVKIT_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Every control class driven by MONKEY_STEPS random steps under ASan+UBSan (tests/monkey);
# CTest runs a short form of it in `make test` and `make sanitize`.
monkey: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVKIT_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target monkey
	QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(ASAN_BUILD)/tests/monkey --steps $(MONKEY_STEPS)

# Each target runs FUZZ_SECONDS on its seed corpus (fuzz/corpus/<name>, read only);
# what it finds on the way goes to $(FUZZ_BUILD)/corpus/<name>.
fuzz: fuzz-deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DORVKIT_BUILD_FUZZ=ON -DORVKIT_BUILD_TESTS=OFF -DORVKIT_BUILD_DEMO=OFF $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; \
	  name=$$(basename $$f); name=$${name#fuzz_}; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name; \
	  echo "== fuzz_$$name for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name; \
	done

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
