#!/usr/bin/env bash
# `make fuzz`: builds the fuzz targets of tests/fuzz with clang into build/fuzz and runs
# each for a bounded time. FUZZ_SECONDS sets the time per target (60), FUZZ_TARGETS
# which targets run. Exits non-zero when a target crashes, hangs, outgrows its memory
# or breaks a promise; the input that did it is left in build/fuzz/findings/<target>/,
# to be kept in tests/fuzz/regressions/<target>/ once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-"settings_load clean_log scan_rules paths"}
tree=build/fuzz

# clang and its fuzzer runtime come from Debian's packages, installed here only: the
# normal build needs neither.
install_clang() {
  local need=("$@") sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "fuzz: installing ${need[*]}" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
}
command -v clang++ >/dev/null 2>&1 || install_clang clang
major=$(clang++ -dumpversion | cut -d. -f1)
runtime="$(clang++ --print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-x86_64.a"
[ -f "$runtime" ] || [ -f "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)" ] ||
  install_clang "libclang-rt-${major}-dev"

if [ ! -f $tree/CMakeCache.txt ]; then
  cmake -S . -B $tree -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DTIDY_FUZZ=ON >/dev/null
fi
for t in $targets; do
  if ! cmake --build $tree -j"${JOBS:-2}" --target fuzz_$t >$tree/build_$t.log 2>&1; then
    grep -E 'error|Error' $tree/build_$t.log | head -20
    echo "fuzz: fuzz_$t did not build; see $tree/build_$t.log" >&2
    exit 1
  fi
done

# Inputs longer than these add nothing but time; the log takes long ones on purpose.
max_len() {
  case $1 in
    clean_log) echo 262144 ;;
    settings_load) echo 8192 ;;
    *) echo 512 ;;
  esac
}

status=0
for t in $targets; do
  corpus=$tree/corpus/$t findings=$tree/findings/$t
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$t for ${seconds}s"
  # The kept regressions are read as a second corpus: each runs first, then fuzzing.
  if ! $tree/fuzz_$t -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -malloc_limit_mb=1024 -max_len="$(max_len $t)" -artifact_prefix="$findings/" \
      -print_final_stats=1 "$corpus" "tests/fuzz/regressions/$t" 2>$tree/fuzz_$t.log; then
    status=1
    echo "fuzz_$t FAILED; see $tree/fuzz_$t.log and $findings/"
    grep -m3 -E 'ERROR|broken promise|SUMMARY' $tree/fuzz_$t.log || true
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' $tree/fuzz_$t.log | tr '\n' ' ' || true
  echo
done
exit $status
