#!/usr/bin/env bash
#
# Generates the application's images in resources/image/ with ImageMagick.
#
#   bash scripts/make-images.sh          (run from anywhere)
#
# Everything is drawn from geometric primitives (no external artwork, no
# fonts), super-sampled and box-filtered down for clean anti-aliasing.
# The output is deterministic: running the script twice produces
# byte-identical files.
#
# Palette (flat style):
#   BLUE   rgb(0,117,175)   tool bar colour, tab icons, logo background
#   DARK   rgb(0,78,122)    shadows / bezels
#   LIGHT  rgb(205,230,242) light tints
#   ACCENT rgb(245,130,32)  warm accent (thermometer liquid, curve marker)
#   white                   glyphs on the blue tool bar
#
set -euo pipefail

export LC_ALL=C
export MAGICK_THREAD_LIMIT=1          # keeps resampling bit-for-bit stable

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/resources/image"
mkdir -p "$OUT"

if command -v magick >/dev/null 2>&1; then
    IM=(magick)
elif command -v convert >/dev/null 2>&1; then
    IM=(convert)
else
    echo "make-images.sh: ImageMagick not found (apt-get install imagemagick)" >&2
    exit 1
fi

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

BLUE='rgb(0,117,175)'
DARK='rgb(0,78,122)'
LIGHT='rgb(205,230,242)'
ACCENT='rgb(245,130,32)'

# Options that keep PNG output free of timestamps and other metadata.
PNGOPTS=(-strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)

# glyph OUT SIZE SCALE COLOUR MVG
#   Draws MVG as a white-on-black coverage mask on a (SIZE*SCALE)^2 canvas
#   (white = ink, black = paper/erase), box-filters it down to SIZE and turns
#   it into COLOUR on a transparent background.
glyph() {
    local out="$1" size="$2" scale="$3" colour="$4" mvg="$5"
    local big=$((size * scale))
    "${IM[@]}" -size "${big}x${big}" xc:black \
        -fill white -stroke none -draw "$mvg" \
        -colorspace Gray -filter Box -resize "${size}x${size}" \
        -background "$colour" -alpha shape \
        "${PNGOPTS[@]}" "PNG32:$out"
}

# ---------------------------------------------------------------------------
# Tool bar icons: 64x64, white on transparent (tool bar is BLUE).
# Designed on a 256x256 grid.
# ---------------------------------------------------------------------------

# Search device: USB logger stick with a magnifier in front of it.
glyph "$OUT/Devices_64.png" 64 4 white "
  roundrectangle 52,12 104,78 6,6
  roundrectangle 28,64 124,224 20,20
  fill black
  rectangle 64,28 75,43
  rectangle 81,28 92,43
  roundrectangle 44,84 108,132 8,8
  fill white
  roundrectangle 52,96 84,104 4,4
  roundrectangle 52,112 72,120 4,4
  fill black
  circle 168,158 168,88
  fill white
  circle 168,158 168,102
  fill black
  circle 168,158 168,122
  fill none stroke white stroke-width 10 stroke-linecap round
  ellipse 168,158 22,22 200,260
  stroke-width 30
  line 208,198 232,222
"

# Device parameter: gear.
gear_mvg="$(awk 'BEGIN {
  for (i = 0; i < 8; i++) {
    printf "push graphic-context translate 128,128 rotate %d roundrectangle -21,-120 21,-72 7,7 pop graphic-context\n", i * 45
  }
  print "circle 128,128 128,42"
  print "fill black"
  print "circle 128,128 128,94"
}')"
glyph "$OUT/settings_64.png" 64 4 white "$gear_mvg"

# Historical record: database cylinder with three stacked discs.
glyph "$OUT/database_64.png" 64 4 white "
  ellipse 128,58 88,30 0,360
  rectangle 40,58 216,198
  ellipse 128,198 88,30 0,360
  fill none stroke black stroke-width 12
  ellipse 128,58 88,30 0,180
  ellipse 128,105 88,30 0,180
  ellipse 128,152 88,30 0,180
"

# The same three in BLUE at 32x32: menus draw small icons on their light
# background, where the white ones vanish. An action's icon holds both sizes;
# the tool bar takes the large white one, a menu the small blue one.
glyph "$OUT/Devices_32.png" 32 8 "$BLUE" "$(sed -n '/^# Search device/,/^"$/p' "$0" | sed '1,2d;$d')"
glyph "$OUT/settings_32.png" 32 8 "$BLUE" "$gear_mvg"
glyph "$OUT/database_32.png" 32 8 "$BLUE" "$(sed -n '/^# Historical record/,/^"$/p' "$0" | sed '1,2d;$d')"

# ---------------------------------------------------------------------------
# Small icons: 32x32, BLUE on transparent. Designed on a 128x128 grid.
# ---------------------------------------------------------------------------

# Download data: arrow into a tray.
glyph "$OUT/download.png" 32 4 "$BLUE" "
  roundrectangle 52,6 76,60 5,5
  polygon 24,50 104,50 64,94
  fill none stroke white stroke-width 12 stroke-linecap round stroke-linejoin round
  polyline 14,80 14,114 114,114 114,80
"

# Summary: statistics bars on a base line.
glyph "$OUT/stats_alt.png" 32 4 "$BLUE" "
  roundrectangle 12,56 32,104 4,4
  roundrectangle 40,24 60,104 4,4
  roundrectangle 68,44 88,104 4,4
  roundrectangle 96,8 116,104 4,4
  roundrectangle 8,112 120,120 4,4
"

# Data curve: axes with a line chart.
glyph "$OUT/view_statistics.png" 32 4 "$BLUE" "
  fill none stroke white stroke-width 12 stroke-linecap round stroke-linejoin round
  polyline 14,8 14,114 120,114
  stroke-width 9
  polyline 32,90 56,54 80,74 112,22
  fill white stroke none
  circle 32,90 32,100
  circle 56,54 56,64
  circle 80,74 80,84
  circle 112,22 112,32
"

# Data list: three bulleted rows.
glyph "$OUT/list.png" 32 4 "$BLUE" "
  circle 20,28 20,40
  circle 20,64 20,76
  circle 20,100 20,112
  roundrectangle 44,20 120,36 8,8
  roundrectangle 44,56 120,72 8,8
  roundrectangle 44,92 120,108 8,8
"

# ---------------------------------------------------------------------------
# Searching animation: 12-frame spinner, 96x96, loops forever.
# Dots fade from BLUE (leading) to LIGHT (trailing) and shrink.  GIF alpha is
# binary, so edge colours are pre-blended against a light grey and the alpha
# is thresholded: looks smooth on white and on light grey pages.
# ---------------------------------------------------------------------------
frames=()
for k in $(seq 0 11); do
    spin_mvg="$(awk -v k="$k" 'BEGIN {
      pi = atan2(0, -1)
      for (i = 0; i < 12; i++) {
        age = (k - i + 12) % 12
        t = age / 11
        r = 34 - 18 * t
        red = int(0 + (205 - 0) * t + 0.5)
        grn = int(117 + (230 - 117) * t + 0.5)
        blu = int(175 + (242 - 175) * t + 0.5)
        a = (-90 + i * 30) * pi / 180
        cx = 192 + 136 * cos(a); cy = 192 + 136 * sin(a)
        printf "fill rgb(%d,%d,%d) circle %.2f,%.2f %.2f,%.2f\n", red, grn, blu, cx, cy, cx + r, cy
      }
    }')"
    f="$TMP/spin_$(printf %02d "$k").png"
    "${IM[@]}" -size 384x384 xc:none -stroke none -draw "$spin_mvg" \
        -filter Box -resize 96x96 "PNG32:$TMP/raw.png"
    "${IM[@]}" \( "$TMP/raw.png" -background 'rgb(240,240,240)' -flatten \) \
        \( "$TMP/raw.png" -alpha extract -threshold 45% \) \
        -alpha off -compose CopyOpacity -composite "${PNGOPTS[@]}" "PNG32:$f"
    frames+=("$f")
done
"${IM[@]}" -dispose Background -delay 8 "${frames[@]}" -loop 0 "$OUT/loading.gif"

# ---------------------------------------------------------------------------
# Device picture: USB temperature logger, 200x200 on transparent.
# Designed on an 800x800 grid.  The LCD digits are seven-segment shapes.
# ---------------------------------------------------------------------------

# seg7 X Y W H T CHAR : MVG polygons for one seven-segment character.
seg7() {
    awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v t="$5" -v ch="$6" '
    function hseg(x0, x1, yc) {
      printf "polygon %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d\n",
        x0, yc, x0 + t/2, yc - t/2, x1 - t/2, yc - t/2, x1, yc, x1 - t/2, yc + t/2, x0 + t/2, yc + t/2
    }
    function vseg(xc, y0, y1) {
      printf "polygon %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d\n",
        xc, y0, xc + t/2, y0 + t/2, xc + t/2, y1 - t/2, xc, y1, xc - t/2, y1 - t/2, xc - t/2, y0 + t/2
    }
    BEGIN {
      map["0"] = "abcdef"; map["1"] = "bc";     map["2"] = "abged"
      map["3"] = "abgcd";  map["4"] = "fgbc";   map["5"] = "afgcd"
      map["6"] = "afgedc"; map["7"] = "abc";    map["8"] = "abcdefg"
      map["9"] = "abcdfg"; map["C"] = "adef";   map["-"] = "g"
      s = map[ch]; g = t / 5
      xl = x + t/2; xr = x + w - t/2
      yt = y + t/2; ym = y + h/2; yb = y + h - t/2
      if (index(s, "a")) hseg(xl + g, xr - g, yt)
      if (index(s, "g")) hseg(xl + g, xr - g, ym)
      if (index(s, "d")) hseg(xl + g, xr - g, yb)
      if (index(s, "f")) vseg(xl, yt + g, ym - g)
      if (index(s, "b")) vseg(xr, yt + g, ym - g)
      if (index(s, "e")) vseg(xl, ym + g, yb - g)
      if (index(s, "c")) vseg(xr, ym + g, yb - g)
    }'
}

lcd_mvg="fill rgb(38,52,48) stroke none
$(seg7 296 340 66 118 18 4)
$(seg7 392 340 66 118 18 5)
circle 376,449 376,459
$(seg7 480 368 34 58 10 C)
fill none stroke rgb(38,52,48) stroke-width 6
circle 472,350 472,358"

"${IM[@]}" -size 800x800 xc:none -stroke none -draw "
  fill rgba(0,40,70,0.13)
  ellipse 400,752 230,20 0,360
  fill rgb(150,160,170)
  roundrectangle 318,52 482,250 12,12
  fill rgb(204,211,218)
  roundrectangle 326,60 474,250 8,8
  fill rgb(120,131,142)
  rectangle 350,96 388,130
  rectangle 412,96 450,130
  fill $DARK
  roundrectangle 286,196 514,256 18,18
  fill rgb(0,96,146)
  roundrectangle 216,226 584,736 64,64
  fill $BLUE
  roundrectangle 216,226 584,718 64,64
  fill rgb(0,70,110)
  roundrectangle 256,292 544,500 26,26
  fill rgb(208,224,206)
  roundrectangle 274,310 526,482 14,14
  $lcd_mvg
  stroke none
  fill rgb(80,210,110)
  circle 296,548 296,560
  fill white
  circle 400,608 400,654
  fill $LIGHT
  circle 400,608 400,636
  fill $DARK
  circle 400,694 400,708
" -filter Box -resize 200x200 "${PNGOPTS[@]}" "PNG32:$OUT/device.png"

# ---------------------------------------------------------------------------
# Application logo: thermometer with a data curve on a blue rounded square.
# Designed on a 256x256 grid, drawn 4x, ICO with 16..256 px sub-images.
# ---------------------------------------------------------------------------
"${IM[@]}" -size 1024x1024 xc:none -stroke none -draw "
  push graphic-context
  scale 4,4
  fill $BLUE
  roundrectangle 8,8 248,248 52,52
  fill white
  roundrectangle 54,26 110,176 28,28
  circle 82,186 82,230
  fill $LIGHT
  roundrectangle 71,44 93,180 11,11
  fill $ACCENT
  roundrectangle 71,96 93,180 11,11
  circle 82,186 82,214
  fill none stroke white stroke-width 16 stroke-linecap round stroke-linejoin round
  polyline 134,200 160,152 186,176 222,100
  stroke none fill white
  circle 222,100 222,122
  fill $ACCENT
  circle 222,100 222,110
  pop graphic-context
" "PNG32:$TMP/logo_master.png"

# A simplified, pixel-fitted variant for the 16 px entry (designed on a
# 16x16 grid): fewer, bolder shapes so it stays legible.
"${IM[@]}" -size 1024x1024 xc:none -stroke none -draw "
  push graphic-context
  scale 64,64
  fill $BLUE
  roundrectangle 0,0 16,16 3,3
  fill white
  roundrectangle 2,1 8,11 3,3
  circle 5,11.5 5,15
  fill $ACCENT
  roundrectangle 4,5 6,12 1,1
  circle 5,11.5 5,13.6
  fill none stroke white stroke-width 1.7 stroke-linecap round stroke-linejoin round
  polyline 10,13 11.6,9.6 13,11.2 14.5,5.5
  pop graphic-context
" "PNG32:$TMP/logo_small.png"

# The ICO is assembled here so that the small sizes are classic 32-bit BMP
# entries (understood everywhere) and 64/128/256 are PNG-compressed entries
# (Windows Vista+, Qt's ico plugin); this keeps the file small.
ico_sizes=(16 32 48 64 128 256)
ico_parts=()
for s in "${ico_sizes[@]}"; do
    master="$TMP/logo_master.png"
    [ "$s" -le 16 ] && master="$TMP/logo_small.png"
    "${IM[@]}" "$master" -filter Box -resize "${s}x${s}" \
        "${PNGOPTS[@]}" "PNG32:$TMP/logo_$s.png"
    if [ "$s" -le 48 ]; then
        "${IM[@]}" "$TMP/logo_$s.png" "$TMP/logo_$s.ico"
        tail -c +23 "$TMP/logo_$s.ico" > "$TMP/logo_$s.dat"   # strip 6+16 byte header
    else
        cp "$TMP/logo_$s.png" "$TMP/logo_$s.dat"
    fi
    ico_parts+=("$TMP/logo_$s.dat")
done

# Little-endian binary writers (the inner printf builds the escape text).
le8()  { printf "$(printf '\\x%02x' $(($1 & 255)))"; }
le16() { le8 "$1"; le8 $(($1 >> 8)); }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }

{
    n=${#ico_sizes[@]}
    le16 0; le16 1; le16 "$n"                      # ICONDIR
    offset=$((6 + 16 * n))
    for i in "${!ico_sizes[@]}"; do
        s=${ico_sizes[$i]}
        len=$(wc -c < "${ico_parts[$i]}")
        dim=$((s % 256))                           # 256 is stored as 0
        le8 "$dim"; le8 "$dim"; le8 0; le8 0      # width, height, colours, reserved
        le16 1; le16 32; le32 "$len"; le32 "$offset"
        offset=$((offset + len))
    done
    cat "${ico_parts[@]}"
} > "$OUT/logo_neut.ico"

echo "make-images.sh: wrote images to ${OUT#"$ROOT"/}/"
ls -l "$OUT" | tail -n +2
