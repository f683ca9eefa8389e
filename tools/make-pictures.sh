#!/usr/bin/env bash
# Draws the results list's pictures and the toolbar's glyphs (with transparency) and the
# about box's picture into resources/pictures, at every size a screen's scale asks for:
# 100, 125, 150 and 200 percent of the 16 and 32 pixels the icons have at 96 DPI, and of
# the about picture's 312 by 178. The files are kept in the repository; run this again
# only to change them. A drawing already in a file is kept as it is (another ImageMagick
# draws a few edge pixels otherwise): delete the file to draw it anew.
set -euo pipefail
out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources/pictures"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sizes=(16 20 24 32 40 48 64)

# The drawing of this size in an icon file, as a PNG, when the file holds one.
kept() { # file, size, png
  [ -f "$1" ] || return 1
  local index
  index=$(identify -format '%p %w\n' "$1" 2>/dev/null | awk -v s="$2" '$2 == s {print $1; exit}')
  [ -n "$index" ] && convert "$1[$index]" "$3"
}

# name, then ImageMagick draw arguments on a 64x64 canvas (drawn large and scaled down,
# for smooth edges): one icon file holding every size.
picture() {
  local name=$1 size png pngs=()
  shift
  for size in "${sizes[@]}"; do
    png="$work/$name-$size.png"
    kept "$out/$name.ico" "$size" "$png" ||
      convert -size 64x64 xc:none "$@" -resize "${size}x${size}" "$png"
    pngs+=("$png")
  done
  convert "${pngs[@]}" "$work/$name.ico"
  mv "$work/$name.ico" "$out/$name.ico"
}
draw() { picture "$@"; }
glyph() { picture "glyph_$1" "${@:2}"; }

info=(-fill '#1f6fd1' -stroke '#0d4a99' -strokewidth 3 -draw 'circle 32,32 32,4'
  -fill white -stroke none -draw 'circle 32,17 32,11' -draw 'roundrectangle 27,26 37,52 3,3')
cross=(-stroke '#d01818' -strokewidth 9 -draw 'line 30,34 58,60' -draw 'line 58,34 30,60')

draw information "${info[@]}"
draw folder_deleted -fill '#f2c14e' -stroke '#b8861b' -strokewidth 3 \
  -draw 'polygon 4,14 24,14 30,20 60,20 60,54 4,54' "${cross[@]}"
draw file_deleted -fill white -stroke '#6b6b6b' -strokewidth 3 \
  -draw 'polygon 10,4 40,4 54,18 54,60 10,60' -draw 'line 40,4 40,18' -draw 'line 40,18 54,18' \
  "${cross[@]}"
draw warning -fill '#ffd21f' -stroke '#8a6d00' -strokewidth 3 -draw 'polygon 32,4 61,58 3,58' \
  -fill black -stroke none -draw 'roundrectangle 28,20 36,42 3,3' -draw 'circle 32,50 32,46'
# The toolbar's glyphs, 32 by 32 at 96 DPI.
letter=(-font DejaVu-Sans-Bold -fill white -stroke none -gravity center)
glyph clean -stroke '#7a4a1c' -strokewidth 7 -draw 'line 52,6 28,38' \
  -fill '#f0b429' -stroke '#a9741a' -strokewidth 2 -draw 'polygon 22,32 36,42 30,60 6,56 4,50' \
  -stroke '#a9741a' -strokewidth 2 -draw 'line 12,54 22,40' -draw 'line 20,57 28,44'
glyph stop -fill '#d62020' -stroke '#8f1010' -strokewidth 3 \
  -draw 'polygon 21,4 43,4 60,21 60,43 43,60 21,60 4,43 4,21' -fill white -stroke none \
  -draw 'roundrectangle 14,27 50,37 3,3'
glyph options -stroke '#5a6470' -strokewidth 5 -draw 'line 8,16 56,16' -draw 'line 8,32 56,32' \
  -draw 'line 8,48 56,48' -fill '#3c8dde' -stroke '#1d5fa3' -strokewidth 3 \
  -draw 'circle 20,16 20,8' -draw 'circle 42,32 42,24' -draw 'circle 28,48 28,40'
glyph help -fill '#1f6fd1' -stroke '#0d4a99' -strokewidth 3 -draw 'circle 32,32 32,4' \
  "${letter[@]}" -pointsize 40 -annotate +0+2 '?'
glyph filelist -fill white -stroke '#6b6b6b' -strokewidth 3 -draw 'polygon 12,4 42,4 54,16 54,60 12,60' \
  -stroke '#2f7d32' -strokewidth 4 -draw 'line 20,22 46,22' -draw 'line 20,32 46,32' \
  -draw 'line 20,42 46,42' -draw 'line 20,52 38,52'
glyph rename -fill '#f6f6f6' -stroke '#6b6b6b' -strokewidth 3 -draw 'roundrectangle 4,18 60,46 4,4' \
  -font DejaVu-Sans-Bold -fill '#2b2b2b' -stroke none -pointsize 22 -gravity center -annotate +0+0 'ab|'
glyph about "${info[@]}"
glyph exit -fill '#8b5a2b' -stroke '#5c3a17' -strokewidth 3 -draw 'rectangle 10,6 38,60' \
  -fill '#f0c419' -stroke none -draw 'circle 32,34 32,31' \
  -stroke '#2f7d32' -strokewidth 6 -draw 'line 40,32 60,32' -fill '#2f7d32' -stroke none \
  -draw 'polygon 52,22 62,32 52,42'
# A magnifier: the lens ringed in the blue of the other glyphs, on a handle of the
# broom's wood, with a gleam on the glass.
glyph analyze -stroke '#7a4a1c' -strokewidth 10 -draw 'line 40,40 58,58' \
  -fill '#dcefff' -stroke '#1d5fa3' -strokewidth 6 -draw 'circle 26,26 26,6' \
  -fill none -stroke white -strokewidth 4 -draw 'arc 14,14 38,38 195,265'
# The about box's picture: a soft sky, a hill and a large broom, 312 by 178 at 96 DPI
# (drawn in those numbers, scaled). Its bottom left pixel is the sky colour, which the
# picture control treats as see-through. The larger drawings get the scale in their name
# and follow it in the resource script.
about() { # file, percent
  local file=$1 w=$((312 * $2 / 100)) h=$(((178 * $2 + 50) / 100))
  local s
  s=$(awk -v p="$2" 'BEGIN {printf "%.2f,%.2f", p / 100, p / 100}')
  [ -f "$out/$file" ] && return 0
  convert -size "${w}x${h}" gradient:'#cfe8fb'-'#87ceeb' \
    -fill '#9fd39a' -stroke none -draw "scale $s ellipse 60,190 150,50 180,360" \
    -stroke '#7a4a1c' -strokewidth 9 -draw "scale $s line 120,22 70,112" \
    -fill '#f0b429' -stroke '#a9741a' -strokewidth 3 \
    -draw "scale $s polygon 58,102 86,120 74,160 26,150 22,138" \
    -draw "scale $s line 38,152 58,118" -draw "scale $s line 54,156 70,124" \
    -fill '#87ceeb' -stroke none -draw "point 0,$((h - 1))" \
    -type TrueColor BMP3:"$out/$file"
}
about about.bmp 100
about about_125.bmp 125
about about_150.bmp 150
about about_200.bmp 200
echo "pictures written to $out"
