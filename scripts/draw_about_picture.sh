#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws data/zefirant.jpg, the picture of the about window: a lattice mast
# with a beam antenna sending waves into a dusk sky. Needs ImageMagick.
# The about window stretches it into a tall narrow frame, so it is drawn tall.
set -euo pipefail
cd "$(dirname "$0")/.."

W=120
H=260
out=data/zefirant.jpg

# Lattice mast: two tapering legs with zigzag bracing between them.
mast=""
top=86
bottom=226
for ((y = top; y < bottom; y += 12)); do
    y2=$((y + 12))
    # Leg x at height y: from 58/62 at the top to 48/72 at the bottom.
    l1=$((58 - (y - top) * 10 / (bottom - top)))
    r1=$((62 + (y - top) * 10 / (bottom - top)))
    l2=$((58 - (y2 - top) * 10 / (bottom - top)))
    r2=$((62 + (y2 - top) * 10 / (bottom - top)))
    mast+="line $l1,$y $r2,$y2 line $r1,$y $l2,$y2 line $l2,$y2 $r2,$y2 "
done

# Waves: arcs on both sides of the beam, fading outwards.
waves="stroke-linecap round "
for r in 22 33 44 55; do
    alpha=$(awk -v r="$r" 'BEGIN { printf "%.2f", 1.1 - r / 70 }')
    waves+="stroke rgba(255,236,170,$alpha) "
    waves+="arc $((60 - r)),$((62 - r)) $((60 + r)),$((62 + r)) -35,35 "
    waves+="arc $((60 - r)),$((62 - r)) $((60 + r)),$((62 + r)) 145,215 "
done

convert -size ${W}x${H} gradient:'#0b1a45'-'#f2a65e' \
    -fill 'rgba(255,255,255,0.85)' -stroke none \
    -draw "circle 14,22 15,22 circle 97,14 98,14 circle 104,48 104.6,48 circle 20,96 20.6,96
           circle 80,32 80.6,32 circle 40,12 40.6,12 circle 104,120 104.6,120 circle 9,112 9.6,112" \
    -fill none -strokewidth 2 -draw "$waves" \
    -fill '#14161f' -stroke none \
    -draw "path 'M 0,236 Q 60,210 120,232 L 120,260 L 0,260 Z'" \
    -stroke '#1d2230' -strokewidth 2 \
    -draw "line 58,$top 48,$bottom line 62,$top 72,$bottom" \
    -strokewidth 1 -draw "$mast" \
    -strokewidth 2 -draw "line 60,56 60,$top" \
    -draw "line 41,64 79,64" \
    -strokewidth 2 -draw "line 44,57 44,71 line 52,55 52,73 line 68,56 68,72 line 76,58 76,70" \
    -fill '#d23a2a' -stroke none -draw "circle 60,54 60,56.5" \
    -interlace none -sampling-factor 2x2 -quality 90 -strip "$out"
echo "wrote $out"
