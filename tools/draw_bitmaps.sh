#!/usr/bin/env bash
# Draws the program's bitmaps (our own artwork) into src/resources/bitmaps/<id>.png with
# ImageMagick. Sizes are fixed by the layouts that show them; run again after changing a drawing.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/src/resources/bitmaps"
mkdir -p "$out"
# No time stamps in the files, so that drawing again gives the same bytes.
png=(-depth 8 -strip -define png:exclude-chunks=date,time +set date:create +set date:modify)
accent='#2F6FB3'
accent_light='#5FA3E0'
# The wordmark's fonts (Debian's fonts-dejavu-core).
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
regular=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# 327: the main window's background, 730 x 486. Header band on top (device panel), navigation
# column on the left, the page frame area and the status area below it, at the places of the
# main window's layout (pixels: frame 170,98-725,408; status 170,408-725,480).
convert -size 730x486 xc:'#F3F5F7' \
  -fill '#FFFFFF' -draw 'rectangle 0,0 729,75' \
  \( -size 730x40 gradient:'#FFFFFF'-'#E7ECF1' \) -geometry +0+36 -composite \
  -fill "$accent" -draw 'rectangle 0,0 729,2' \
  -fill '#D3DAE2' -draw 'rectangle 0,76 729,76' \
  -fill '#FFFFF6' -draw 'rectangle 0,77 167,485' \
  -fill '#E2E2D6' -draw 'rectangle 168,77 168,485' \
  -fill '#FFFFFF' -stroke '#D0D7DE' -draw 'rectangle 169,97 725,408' \
  -stroke none -fill '#E6EEF8' -draw 'rectangle 170,409 724,479' \
  -fill none -stroke "$accent" -strokewidth 4 -draw 'arc 34,20 58,44 40,320' \
  -stroke "$accent_light" -strokewidth 3 -draw 'line 44,32 52,32' \
  -stroke none -font "$bold" -pointsize 17 -fill "$accent" -annotate +66+37 'Corvale' \
  -font "$regular" -pointsize 9 -fill '#7A8794' -annotate +67+50 'device manager' \
  "${png[@]}" "$out/327.png"

# 218: the page frame's own picture when no page is on show, 67 x 63: a quiet headset outline.
convert -size 67x63 xc:'#FFFFFF' \
  -fill none -stroke '#C5CDD6' -strokewidth 4 -draw 'arc 12,8 55,50 180,360' \
  -stroke none -fill '#C5CDD6' -draw 'roundrectangle 8,28 20,50 4,4' -draw 'roundrectangle 47,28 59,50 4,4' \
  -fill none -stroke '#D8DEE5' -strokewidth 2 -draw 'arc 42,44 58,58 0,90' \
  "${png[@]}" "$out/218.png"

# 184: the warning sign, 64 x 64, on the warning background of the message box.
convert -size 64x64 xc:'rgb(255,142,0)' \
  -fill '#FFF4D6' -stroke '#5A3000' -strokewidth 3 -draw 'polygon 32,6 60,57 4,57' \
  -stroke none -fill '#5A3000' -draw 'roundrectangle 29,22 35,42 2,2' -draw 'circle 32,49 32,52' \
  "${png[@]}" "$out/184.png"

# 186: the Corvale logo, 64 x 64: an open ring with a rising mark inside, on white.
convert -size 64x64 xc:'#FFFFFF' \
  -fill none -stroke "$accent" -strokewidth 7 -draw 'arc 7,7 57,57 45,315' \
  -stroke none -fill "$accent_light" -draw 'polygon 22,40 32,22 42,40 36,40 32,32 28,40' \
  -fill "$accent" -draw 'circle 50,32 50,36' \
  "${png[@]}" "$out/186.png"

echo "bitmaps written to $out"
