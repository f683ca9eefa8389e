# Two commands set everything up: `make run` starts the program, `make test` runs
# every test tier. Both install what is missing first.
SHELL := bash
JOBS ?= 2
HOST := build/host
WIN := build/win32
# The Windows tree whose programs run here: build/win32, or build/win64 where this
# machine cannot run 32-bit programs (tools/wine-arch.sh). The program ships 32-bit.
ARCH := $(shell tools/wine-arch.sh)
WINT := build/$(ARCH)
export TIDY_WIN_TREE := $(ARCH)

.PHONY: all build host win32 win64 test run clean bootstrap dist

all: build

bootstrap:
	@tools/bootstrap.sh

host: bootstrap
	@[ -f $(HOST)/CMakeCache.txt ] || cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(HOST) -j$(JOBS) | grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@[ -x $(HOST)/unit_tests ]

# $(1): the tree, $(2): its toolchain file.
define windows_tree
	@[ -f $(1)/CMakeCache.txt ] || cmake -S . -B $(1) -DCMAKE_TOOLCHAIN_FILE=cmake/$(2).cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(1) -j$(JOBS) | grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@[ -f $(1)/WindowsTidyhawk.exe ] && [ -f $(1)/win32_tests.exe ]
endef

win32: bootstrap
	$(call windows_tree,$(WIN),mingw-i686)

win64: bootstrap
	$(call windows_tree,build/win64,mingw-x86_64)

build: host win32 $(filter win64,$(ARCH))

# The release: a Release tree (optimised, stripped) of the 32-bit program, and from it
# dist/AceTidyhawk-<version>-portable.zip and dist/AceTidyhawk-<version>-setup.exe.
# $(1): the tree, $(2): its toolchain file, $(3): where its zip and installer go.
define release_tree
	@[ -f $(1)/CMakeCache.txt ] || cmake -S . -B $(1) -DCMAKE_TOOLCHAIN_FILE=cmake/$(2).cmake \
		-DCMAKE_BUILD_TYPE=Release -DTIDY_DIST_DIR=$(3) >/dev/null
	@set -o pipefail; cmake --build $(1) -j$(JOBS) --target dist \
		| { grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true; }
endef

dist: bootstrap-dist
	$(call release_tree,build/win32-release,mingw-i686,$(CURDIR)/dist)

# Where 32-bit programs cannot run, the install scenario runs an installer made by the
# same script around a 64-bit Release build; it stays in its tree and is never shipped.
win64-release: bootstrap-dist
	$(call release_tree,build/win64-release,mingw-x86_64,$(CURDIR)/build/win64-release/dist)

bootstrap-dist:
	@tools/bootstrap.sh --dist

.PHONY: win64-release bootstrap-dist

# Every tier runs even when an earlier one fails; the exit status reports any failure.
# The end-to-end tier installs the release, so it is made first.
test: build dist $(if $(filter win64,$(ARCH)),win64-release)
	@status=0; \
	echo "== host unit tests"; ctest --test-dir $(HOST) --output-on-failure || status=1; \
	echo "== Windows tests under Wine ($(ARCH))"; ctest --test-dir $(WINT) --output-on-failure || status=1; \
	echo "== end to end"; tests/e2e/run.sh || status=1; \
	exit $$status

run: win32 $(filter win64,$(ARCH))
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
bench: win32 $(filter win64,$(ARCH))
	@cmake --build $(WINT) -j$(JOBS) --target tidyhawk_bench bench_empty_window bench_controls_window \
		| grep -vE '^\[ *[0-9]+%\]|^(gmake|make)\[' || true
	@bench/run.sh $(BENCH_ARGS)

clean:
	rm -rf build dist
