#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's icon: a beam antenna on its mast sending waves, on a
# dusk-blue tile. The shapes are written once as SVG paths, into
# dist/icons/zefirant.svg and into the PNG sizes desktops use (drawn by
# ImageMagick from the same paths at 256 pixels, then scaled down).
set -euo pipefail
cd "$(dirname "$0")/.."
out=dist/icons

tile='M 40,8 H 216 A 32,32 0 0 1 248,40 V 216 A 32,32 0 0 1 216,248 H 40 A 32,32 0 0 1 8,216 V 40 A 32,32 0 0 1 40,8 Z'
corner='V 216 A 32,32 0 0 1 216,248 H 40 A 32,32 0 0 1 8,216 Z'
# fill|stroke|stroke width|path
shapes=(
    "#0b1a45|none|0|$tile"
    "#f2a65e|none|0|M 8,170 Q 128,142 248,170 $corner"
    "#14161f|none|0|M 8,214 Q 128,188 248,214 $corner"
    "none|#e8ecf5|7|M 128,122 L 106,206 M 128,122 L 150,206"
    "none|#e8ecf5|11|M 128,92 V 206 M 74,98 H 182"
    "none|#e8ecf5|8|M 84,74 V 122 M 106,70 V 126 M 150,72 V 124 M 172,78 V 118"
    "none|#ffd36b|9|M 198,70 A 40,40 0 0 1 198,126 M 216,50 A 66,66 0 0 1 216,146"
    "none|#ffd36b|9|M 58,70 A 40,40 0 0 0 58,126 M 40,50 A 66,66 0 0 0 40,146"
    "#d23a2a|none|0|M 128,80 A 9,9 0 1 1 127.9,80 Z"
)

svg='<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
mvg='viewbox 0 0 256 256\n'
for shape in "${shapes[@]}"; do
    IFS='|' read -r fill stroke width path <<<"$shape"
    svg+="  <path fill=\"$fill\" stroke=\"$stroke\" stroke-width=\"$width\""
    svg+=" stroke-linecap=\"round\" d=\"$path\"/>\n"
    mvg+="push graphic-context\nfill '$fill'\nstroke '$stroke'\nstroke-width $width\n"
    mvg+="stroke-linecap round\npath '$path'\npop graphic-context\n"
done
svg+='</svg>\n'
printf "$svg" >"$out/zefirant.svg"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf "$mvg" >"$tmp/icon.mvg"
convert -size 256x256 -background none "mvg:$tmp/icon.mvg" "png32:$tmp/256.png"
for size in 16 22 24 32 48 64 128 256; do
    convert "$tmp/256.png" -filter Lanczos -resize ${size}x${size} -strip \
        "png32:$out/zefirant-$size.png"
done
echo "wrote $out"
