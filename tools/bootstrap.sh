#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need: bootstrap.sh [--dist]
# (--dist adds what `make dist` needs). Quiet and quick when everything is already
# there; run as root (or through sudo) when something is missing.
#
# A package index that is half broken (one list failing to download, say during a
# mirror sync) must not stop a fresh machine: a failed update is only a warning when
# package lists are there, and an install that cannot be resolved is tried again,
# first pinned to the release's own suite (where the 32-bit libraries Wine needs match
# the 64-bit ones), then once more after a fresh update.
set -uo pipefail

lists_dir=${BOOTSTRAP_APT_LISTS:-/var/lib/apt/lists}
os_release=${BOOTSTRAP_OS_RELEASE:-/etc/os-release}
gtest_dir=${BOOTSTRAP_GTEST_DIR:-/usr/src/googletest}
retry_wait=${BOOTSTRAP_RETRY_WAIT:-10}

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
say() { echo "bootstrap: $*" >&2; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
[ -f "$gtest_dir/CMakeLists.txt" ] || need+=(googletest)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686)
# Where 32-bit programs cannot run, the tests run a 64-bit build (see wine-arch.sh).
arch=$("$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh")
[ "$arch" = win32 ] || have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64)
have_cmd Xvfb || need+=(xvfb)
have_cmd xauth || need+=(xauth)
have_cmd xdotool || need+=(xdotool)
have_pkg imagemagick || need+=(imagemagick)
have_pkg fonts-wine || need+=(fonts-wine)
have_pkg make || need+=(make)
if [ "${1:-}" = "--dist" ]; then
  have_cmd makensis || need+=(nsis)
fi
wine=0
{ have_cmd wine && have_pkg wine32:i386; } || { wine=1; need+=(wine wine32:i386 wine64); }

[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp "${TMPDIR:-/tmp}/tidyhawk-bootstrap.XXXXXX")
trap 'rm -f "$log"' EXIT
say "installing ${need[*]}"

if [ $wine -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386 || { say "cannot add the i386 architecture"; exit 1; }
fi

# Package lists for the architectures we install from: amd64 (or the native one) and,
# for Wine, i386.
lists_present() {
  compgen -G "$lists_dir/*_Packages*" >/dev/null || return 1
  [ $wine -eq 0 ] || compgen -G "$lists_dir/*binary-i386_Packages*" >/dev/null
}

update() {
  $SUDO apt-get update -qq >>"$log" 2>&1 && return 0
  if lists_present; then
    say "apt-get update failed ($(grep -m1 -E '^(E|W):' "$log" || echo 'no reason given')); going on with the package lists already here"
  else
    say "apt-get update failed and no package lists are here; trying anyway"
  fi
  return 1
}

install() {
  $SUDO apt-get install -y -qq --no-install-recommends "$@" "${need[@]}" >>"$log" 2>&1
}

codename=$( . "$os_release" 2>/dev/null && echo "${VERSION_CODENAME:-}" )

update
ok=1
install && ok=0
if [ $ok -ne 0 ] && [ -n "$codename" ]; then
  say "the install could not be resolved; retrying pinned to the release's own suite ($codename)"
  install -t "$codename" && ok=0
fi
if [ $ok -ne 0 ]; then
  say "retrying once more after a fresh apt-get update in ${retry_wait} s"
  sleep "$retry_wait"
  update
  install && ok=0
  [ $ok -ne 0 ] && [ -n "$codename" ] && install -t "$codename" && ok=0
fi
if [ $ok -ne 0 ]; then
  grep -E '^(E|W):' "$log" | sort -u | tail -n 5 >&2
  say "could not install: ${need[*]}"
  say "install them by hand (apt-get install ${need[*]}) and run make again"
  exit 1
fi
# mingw's default thread model lacks std::thread; the posix variant is the one we build with.
for compiler in i686-w64-mingw32-g++-posix $([ "$arch" = win32 ] || echo x86_64-w64-mingw32-g++-posix); do
  have_cmd "$compiler" || { say "$compiler is missing after install"; exit 1; }
done
say "done"
