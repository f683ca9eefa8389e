#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Quiet and quick when
# everything is already there; run as root (or through sudo) when something is missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686)
have_cmd Xvfb || need+=(xvfb)
have_cmd xauth || need+=(xauth)
have_cmd xdotool || need+=(xdotool)
have_pkg imagemagick || need+=(imagemagick)
have_pkg fonts-wine || need+=(fonts-wine)
have_pkg make || need+=(make)
wine_missing=0
{ have_cmd wine && have_pkg wine32:i386; } || wine_missing=1

[ ${#need[@]} -eq 0 ] && [ $wine_missing -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "bootstrap: installing ${need[*]} $([ $wine_missing -eq 1 ] && echo 'wine wine32 wine64')" >&2
if [ $wine_missing -eq 1 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq >/dev/null
pkgs=("${need[@]}")
[ $wine_missing -eq 1 ] && pkgs+=(wine wine32:i386 wine64)
$SUDO apt-get install -y -qq --no-install-recommends "${pkgs[@]}" >/dev/null
# mingw's default thread model lacks std::thread; the posix variant is the one we build with.
if ! have_cmd i686-w64-mingw32-g++-posix; then
  echo "bootstrap: i686-w64-mingw32-g++-posix is missing after install" >&2
  exit 1
fi
echo "bootstrap: done" >&2
