#!/usr/bin/env bash
# Draws the program's bitmaps (our own artwork) into src/resources/bitmaps/<id>.png with
# ImageMagick, and each once more at twice the size as <id>@2x.png for screens with a device pixel
# ratio of 2. Sizes are fixed by the layouts that show them; run again after changing a drawing.
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

# Every drawing is given in the pixels of the plain picture; these turn them into the pixels of
# the picture drawn at scale $s.
s=1
# A length: a size, a stroke width, a radius, a font size.
n() { echo $(($1 * s)); }
# Points of a shape (x,y pairs), whose pixel centres move with the scale.
p() {
  local out=() point
  for point in "$@"; do
    out+=("$(awk -v s="$s" -v xy="$point" 'BEGIN { split(xy, v, ","); printf "%g,%g", v[1] * s + (s - 1) / 2, v[2] * s + (s - 1) / 2 }')")
  done
  echo "${out[*]}"
}
# A rectangle of whole pixels, first to last inclusive.
box() { echo "$(($1 * s)),$(($2 * s)) $(($3 * s + s - 1)),$(($4 * s + s - 1))"; }
# An arc of the ellipse in the box x0,y0 x1,y1 from angle a0 to a1 (degrees, clockwise from the
# right), `width` wide, as the points of a shape to fill: ImageMagick strokes a curve closed by its
# chord, which would shut an open ring.
arc() {
  awk -v s="$s" -v from="$1" -v to="$2" -v angles="$3" -v width="$4" 'BEGIN {
    split(from, p, ","); split(to, q, ","); split(angles, a, ",")
    cx = (p[1] + q[1]) / 2 * s + (s - 1) / 2; cy = (p[2] + q[2]) / 2 * s + (s - 1) / 2
    rx = (q[1] - p[1]) / 2 * s; ry = (q[2] - p[2]) / 2 * s; half = width * s / 2
    steps = int((a[2] - a[1]) / 2) + 1
    for (side = 1; side >= -1; side -= 2) {
      for (i = 0; i <= steps; i++) {
        k = side > 0 ? i : steps - i
        t = (a[1] + (a[2] - a[1]) * k / steps) * atan2(0, -1) / 180
        printf "%g,%g ", cx + (rx + side * half) * cos(t), cy + (ry + side * half) * sin(t)
      }
    }
  }'
}
# The name of the picture at this scale.
file() { if [ "$s" = 1 ]; then echo "$out/$1.png"; else echo "$out/$1@${s}x.png"; fi; }

draw() {
  # 327: the main window's background, 730 x 486. Header band on top (device panel), navigation
  # column on the left, the page frame area and the status area below it, at the places of the
  # main window's layout (pixels: frame 170,98-725,408; status 170,408-725,480).
  convert -size "$(n 730)x$(n 486)" xc:'#F3F5F7' \
    -fill '#FFFFFF' -draw "rectangle $(box 0 0 729 75)" \
    \( -size "$(n 730)x$(n 40)" gradient:'#FFFFFF'-'#E7ECF1' \) -geometry "+0+$(n 36)" -composite \
    -fill "$accent" -draw "rectangle $(box 0 0 729 2)" \
    -fill '#D3DAE2' -draw "rectangle $(box 0 76 729 76)" \
    -fill '#FFFFF6' -draw "rectangle $(box 0 77 167 485)" \
    -fill '#E2E2D6' -draw "rectangle $(box 168 77 168 485)" \
    -fill '#FFFFFF' -stroke '#D0D7DE' -strokewidth "$(n 1)" -draw "rectangle $(p 169,97 725,408)" \
    -stroke none -fill '#E6EEF8' -draw "rectangle $(box 170 409 724 479)" \
    -fill "$accent" -draw "polygon $(arc 34,20 58,44 40,320 4)" \
    -fill none -stroke "$accent_light" -strokewidth "$(n 3)" -draw "line $(p 44,32 52,32)" \
    -stroke none -font "$bold" -pointsize "$(n 17)" -fill "$accent" -annotate "+$(n 66)+$(n 37)" 'Corvale' \
    -font "$regular" -pointsize "$(n 9)" -fill '#7A8794' -annotate "+$(n 67)+$(n 50)" 'device manager' \
    "${png[@]}" "$(file 327)"

  # 218: the page frame's own picture when no page is on show, 67 x 63: a quiet headset outline.
  convert -size "$(n 67)x$(n 63)" xc:'#FFFFFF' -stroke none \
    -fill '#C5CDD6' -draw "polygon $(arc 12,8 55,50 180,360 4)" \
    -draw "roundrectangle $(p 8,28 20,50) $(n 4),$(n 4)" \
    -draw "roundrectangle $(p 47,28 59,50) $(n 4),$(n 4)" \
    -fill '#D8DEE5' -draw "polygon $(arc 42,44 58,58 0,90 2)" \
    "${png[@]}" "$(file 218)"

  # 184: the warning sign, 64 x 64, on the warning background of the message box.
  convert -size "$(n 64)x$(n 64)" xc:'rgb(255,142,0)' \
    -fill '#FFF4D6' -stroke '#5A3000' -strokewidth "$(n 3)" -draw "polygon $(p 32,6 60,57 4,57)" \
    -stroke none -fill '#5A3000' -draw "roundrectangle $(p 29,22 35,42) $(n 2),$(n 2)" \
    -draw "circle $(p 32,49 32,52)" \
    "${png[@]}" "$(file 184)"

  # 186: the Corvale logo, 64 x 64: an open ring with a rising mark inside, on white.
  convert -size "$(n 64)x$(n 64)" xc:'#FFFFFF' -stroke none \
    -fill "$accent" -draw "polygon $(arc 7,7 57,57 45,315 7)" \
    -fill "$accent_light" -draw "polygon $(p 22,40 32,22 42,40 36,40 32,32 28,40)" \
    -fill "$accent" -draw "circle $(p 50,32 50,36)" \
    "${png[@]}" "$(file 186)"
}

for s in 1 2; do draw; done
echo "bitmaps written to $out"
