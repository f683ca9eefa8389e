#!/usr/bin/env bash
# The Wine prefix the Windows build runs in.
#
#   wine-prefix.sh              make sure the template prefix exists; print its path
#   wine-prefix.sh copy DIR     the same, then copy the template into DIR (a fresh prefix)
#
# Setting up a prefix from nothing takes Wine ~17 s; copying a prepared one ~4 s. So
# the template is built once under build/wine/template and only rebuilt when it is
# missing or this script changed (its settings may have).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
self="$repo/tools/$(basename "${BASH_SOURCE[0]}")"
wine_dir="$repo/build/wine"
template="$wine_dir/template"
stamp="$wine_dir/template.stamp"
# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"

die() { echo "wine-prefix: $*" >&2; exit 1; }

# A 64-bit prefix differs from a 32-bit one: the loader counts as a setting.
stamp_text() { echo "$(sha256sum "$self" | cut -d' ' -f1) $TIDY_WIN_TREE"; }

template_current() {
  [ -d "$template/drive_c" ] && [ -f "$stamp" ] &&
    [ "$(cat "$stamp")" = "$(stamp_text)" ]
}

# Debian's Wine looks for its own fonts only inside the prefix, so without this copy
# every dialog falls back to bitmap fonts of the wrong size.
copy_wine_fonts() {
  local fonts="$1/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  command -v dpkg >/dev/null 2>&1 || return 0
  dpkg -L fonts-wine 2>/dev/null | grep -i '\.ttf$' | while read -r font; do
    [ -f "$font" ] && cp "$font" "$fonts/"
  done
}

# Wine links Desktop, Documents and the like to the real home folder. The program
# deletes files, so in a test prefix they become ordinary folders of their own.
detach_home_folders() {
  find "$1/drive_c/users" -mindepth 2 -maxdepth 2 -type l | while read -r link; do
    rm "$link" && mkdir "$link"
  done
}

build_template() {
  local staging="$wine_dir/template.new.$$"
  local scratch="$wine_dir/template.tmp.$$"
  # Left over from an interrupted build; no other build runs while we hold the lock.
  rm -rf "$wine_dir"/template.new.* "$wine_dir"/template.tmp.*
  mkdir -p "$staging" "$scratch"
  (
    export WINEPREFIX="$staging" WINEDEBUG=-all
    # Wine's server keeps its socket folder under TMPDIR; keep it out of the shared one.
    export TMPDIR="$scratch"
    # No Mono or Gecko install prompts: the program needs neither.
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    unset DISPLAY # Setting up needs no windows.
    wineboot -i
    # Without a window manager, each closing managed window stalls for two seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    # Tests make no sound.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f
    wineserver -w
  ) </dev/null >"$wine_dir/template.log" 2>&1 || {
    rm -rf "$staging" "$scratch"
    die "setting up the prefix failed; see $wine_dir/template.log"
  }
  rm -rf "$scratch"
  copy_wine_fonts "$staging"
  detach_home_folders "$staging"
  # Names the server's private folder under TMPDIR for this one prefix; copies must
  # not share it, and Wine makes a new one when it is missing.
  rm -f "$staging/wineserver"
  rm -rf "$template"
  mv "$staging" "$template"
  stamp_text >"$stamp"
}

# Builds the template if needed and leaves fd 9 holding a shared lock on it, so that a
# rebuild by a parallel run waits until copies taken from it are complete.
ensure_template() {
  command -v wine >/dev/null 2>&1 || die "wine is not installed (see tools/bootstrap.sh)"
  mkdir -p "$wine_dir"
  exec 9>"$wine_dir/template.lock"
  flock -x 9
  template_current || build_template
  flock -s 9
}

case "${1:-}" in
  "")
    ensure_template
    echo "$template"
    ;;
  copy)
    [ $# -eq 2 ] || die "usage: wine-prefix.sh copy DIR"
    dest="$2"
    ensure_template
    mkdir -p "$dest"
    [ -z "$(ls -A "$dest")" ] || die "$dest is not empty"
    cp -a "$template/." "$dest/"
    ;;
  *)
    die "usage: wine-prefix.sh [copy DIR]"
    ;;
esac
