# Two commands set everything up: `make run` starts the program, `make test` runs
# every test tier. Both install what is missing first.
SHELL := bash
JOBS ?= 2
HOST := build/host
WIN := build/win32

.PHONY: all build host win32 test run clean bootstrap

all: build

bootstrap:
	@tools/bootstrap.sh

host: bootstrap
	@[ -f $(HOST)/CMakeCache.txt ] || cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(HOST) -j$(JOBS) | grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@[ -x $(HOST)/unit_tests ]

win32: bootstrap
	@[ -f $(WIN)/CMakeCache.txt ] || cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(WIN) -j$(JOBS) | grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@[ -f $(WIN)/WindowsTidyhawk.exe ] && [ -f $(WIN)/win32_tests.exe ]

build: host win32

# Every tier runs even when an earlier one fails; the exit status reports any failure.
test: build
	@status=0; \
	echo "== host unit tests"; ctest --test-dir $(HOST) --output-on-failure || status=1; \
	echo "== Windows tests under Wine"; ctest --test-dir $(WIN) --output-on-failure || status=1; \
	echo "== end to end"; tests/e2e/run.sh || status=1; \
	exit $$status

run: win32
	@tools/run.sh $(ARGS)

.PHONY: safety fuzz
# Randomized whole runs: 2,000 generated cases for each of five fixed seeds.
SAFETY_SEEDS ?= 11,23,37,41,53
SAFETY_CASES ?= 2000
safety: host
	@$(HOST)/safety_tests --cases $(SAFETY_CASES) --seed $(SAFETY_SEEDS) --jobs $(JOBS)

# Each fuzz target for FUZZ_SECONDS (60) in its own clang tree, build/fuzz.
fuzz:
	@tools/fuzz.sh

.PHONY: bench
# The speed figures, each against a baseline taken in the same run, under Wine on a
# virtual screen (see bench/). BENCH_ARGS passes options: --scale 10 for a quick look.
bench: win32
	@cmake --build $(WIN) -j$(JOBS) --target tidyhawk_bench bench_empty_window bench_controls_window \
		| grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@bench/run.sh $(BENCH_ARGS)

clean:
	rm -rf build
