#!/usr/bin/env bash
# The bootstrap against stand-in apt-get, dpkg and dpkg-query: no root, no network.
# The stand-ins behave as a Debian machine whose i386 security index failed to
# download: `apt-get update` exits 100, and an install of wine32:i386 that is not
# pinned to the release cannot be resolved.
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passed=0

mkdir -p "$work/bin" "$work/lists" "$work/gtest"
cat >"$work/os-release" <<'EOF'
ID=debian
VERSION_CODENAME=bookworm
EOF
touch "$work/lists/deb.debian.org_debian_dists_bookworm_main_binary-amd64_Packages"
touch "$work/lists/deb.debian.org_debian_dists_bookworm_main_binary-i386_Packages"

cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_LOG"
case "$1" in
  update)
    echo "E: Failed to fetch https://security.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (12 != 34). Mirror sync in progress?"
    exit 100 ;;
  install)
    if [ "$FAKE_MODE" = all-fail ] || { [[ " $* " == *" wine32:i386 "* ]] && [[ " $* " != *" -t bookworm "* ]]; }; then
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi
    # What the bootstrap checks for after a successful install.
    printf '#!/bin/sh\n' >"$FAKE_INSTALLED/i686-w64-mingw32-g++-posix"
    chmod +x "$FAKE_INSTALLED/i686-w64-mingw32-g++-posix"
    exit 0 ;;
esac
exit 0
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE_LOG"
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
EOF
# Nothing installed, unless FAKE_MODE says everything is.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
[ "$FAKE_MODE" = all-there ] && { printf 'install ok installed'; exit 0; }
exit 1
EOF
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

run_bootstrap() { # MODE [commands present: yes|no]
  : >"$work/log"
  rm -rf "$work/installed"; mkdir -p "$work/installed"
  local path="$work/bin:$work/installed:$PATH"
  if [ "${2:-no}" = yes ]; then
    mkdir -p "$work/cmds"
    for c in cmake g++ i686-w64-mingw32-g++-posix Xvfb xauth xdotool wine; do
      printf '#!/bin/sh\n' >"$work/cmds/$c"; chmod +x "$work/cmds/$c"
    done
    touch "$work/gtest/CMakeLists.txt"
    path="$work/bin:$work/installed:$work/cmds:/usr/bin:/bin"
  fi
  FAKE_MODE=$1 FAKE_LOG="$work/log" FAKE_INSTALLED="$work/installed" PATH="$path" BOOTSTRAP_APT_LISTS="$work/lists" \
    BOOTSTRAP_OS_RELEASE="$work/os-release" BOOTSTRAP_GTEST_DIR="$work/gtest" \
    BOOTSTRAP_RETRY_WAIT=0 TIDY_WINE_ARCH=win32 bash "$repo/tools/bootstrap.sh" >"$work/out" 2>&1
  status=$?
}

check() { # NAME CONDITION...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else
    failures=$((failures + 1)); echo "FAILED: $name"; echo "-- output:"; cat "$work/out"
    echo "-- calls:"; cat "$work/log"
  fi
}

# A broken index: the update is a warning, the unpinned install fails, the pinned one
# goes through and is the last call made.
run_bootstrap pinned-works
check "broken index ends with the pinned install" [ $status -eq 0 ]
check "pinned install is the last call" \
  bash -c "tail -n 1 '$work/log' | grep -q '^apt-get install .*-t bookworm .*wine32:i386'"
check "failed update reported as a warning" grep -q 'apt-get update failed.*going on' "$work/out"
check "one line for the pinned retry" \
  bash -c "[ \$(grep -c 'pinned to the release' '$work/out') -eq 1 ]"
check "no fresh-update retry once the pinned install worked" \
  bash -c "! grep -q 'once more' '$work/out'"

# Every install fails: a clear final error naming the packages, and a failing status.
run_bootstrap all-fail
check "all installs failing exits non-zero" [ $status -ne 0 ]
check "final error names the packages" grep -q 'could not install: .*wine32:i386' "$work/out"
check "retried after a fresh update" \
  bash -c "[ \$(grep -c '^apt-get update' '$work/log') -eq 2 ] && grep -q 'once more' '$work/out'"

# Everything there: silent, and no package tool is asked to do anything.
run_bootstrap all-there yes
check "nothing missing exits 0" [ $status -eq 0 ]
check "nothing missing prints nothing" [ ! -s "$work/out" ]
check "nothing missing calls no package tool" [ ! -s "$work/log" ]

echo "bootstrap: $passed passed, $failures failed"
[ $failures -eq 0 ]
