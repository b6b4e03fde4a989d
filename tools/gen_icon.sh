#!/bin/sh
# Draws the program icon and writes src/shell/regrepair.ico. Rerun with:
#
#     tools/gen_icon.sh
#
# The picture: four cubes stacked two by two (the registry), three blue and
# one amber, with a steel wrench lying across the bottom right corner, its jaw
# facing out, on a transparent background.
#
# The .ico holds five 32-bit BGRA images, 128, 96, 64, 48 and 32 pixels, all
# stored as plain DIBs rather than PNG so that every LoadImage reads them.
# 128, 96 and 64 are scaled down from one drawing; 48 and 32 each have their
# own, laid out on their pixel grid with thicker parts, because a scaled
# down 128 goes soft there. Each drawing is made at SS times its size and
# box-filtered down, with outlines lined up on the pixel grid so they stay
# sharp.
#
# Uses Debian's ImageMagick 6 by full path; metadata is stripped, so the same
# ImageMagick gives the same bytes on every run.
set -eu

C=/usr/bin/convert
SS=8
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/src/shell/regrepair.ico
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

INK='#1b2433'

# cube X Y A D FRONT TOP SIDE: a cube whose front face spans X..X+A and
# Y..Y+A, its top and right faces going D up and to the right.
cube() {
    x=$1 y=$2 a=$3 d=$4
    echo "fill $6 polygon $x,$y $((x + d)),$((y - d)) $((x + a + d)),$((y - d)) $((x + a)),$y"
    echo "fill $7 polygon $((x + a)),$y $((x + a + d)),$((y - d)) $((x + a + d)),$((y + a - d)) $((x + a)),$((y + a))"
    echo "fill $5 polygon $x,$y $((x + a)),$y $((x + a)),$((y + a)) $x,$((y + a))"
}

# cubes X Y A D G: the two by two block, top left front corner at X,Y+D, G
# between neighbouring fronts. The lower row goes first so that the upper
# row's fronts cover its top faces, and likewise left before right.
cubes() {
    x0=$1 y0=$(($2 + $4)) a=$3 d=$4 g=$5
    x1=$((x0 + a + g)) y1=$((y0 + a + g))
    cube "$x0" "$y1" "$a" "$d" '#2f6fd6' '#8dbbff' '#1c4796'
    cube "$x1" "$y1" "$a" "$d" '#1f9fbf' '#86dcef' '#126a82'
    cube "$x0" "$y0" "$a" "$d" '#3f8ae8' '#a3caff' '#2458a8'
    cube "$x1" "$y0" "$a" "$d" '#f0a21e' '#ffd27a' '#b26f0c'
}

# wrench CX CY R S H L: the head a circle of radius R round CX,CY with a
# slot 2S wide cut into it up to the centre, the handle 2H wide running L
# from the centre up and to the left, round at its end.
wrench() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v s="$4" -v h="$5" -v l="$6" 'BEGIN {
        js = sqrt(r * r - s * s); jh = sqrt(r * r - h * h)
        printf "push graphic-context translate %g,%g rotate -135\n", cx, cy
        printf "fill #d5dbe3 path \"M %g,%g L 0,%g A %g,%g 0 0 1 0,%g L %g,%g", -js, -s, -s, s, s, s, -js, s
        printf " A %g,%g 0 0 0 %g,%g L %g,%g A %g,%g 0 0 0 %g,%g", r, r, jh, h, l, h, h, h, l, -h
        printf " L %g,%g A %g,%g 0 0 0 %g,%g Z\"\n", jh, -h, r, r, -js, -s
        print "pop graphic-context"
    }'
}

# draw SIZE STROKE X Y A D G CX CY R S H L: one image, SIZE pixels square,
# the cubes and the wrench as above in its pixels, outlines STROKE pixels
# wide. The drawing goes to -draw as text: Debian's ImageMagick policy will
# not read it from a file with @.
draw() {
    size=$1 stroke=$2
    shift 2
    # An odd stroke sits on pixel centres, an even one on pixel edges. Less
    # half a drawing pixel, as ImageMagick puts a pixel's centre on its
    # integer coordinate and its edges half a pixel either side.
    half=$(awk -v w="$stroke" -v ss="$SS" 'BEGIN { print (w % 2) / 2 - 0.5 / ss }')
    {
        echo "affine $SS,0,0,$SS,0,0 translate $half,$half"
        echo "stroke $INK stroke-width $stroke stroke-linejoin round"
        cubes "$1" "$2" "$3" "$4" "$5"
        wrench "$6" "$7" "$8" "$9" "${10}" "${11}"
    } >"$tmp/$size.mvg"
    "$C" -size $((size * SS))x$((size * SS)) xc:none -draw "$(cat "$tmp/$size.mvg")" \
        "$tmp/$size-big.png"
}

#    size stroke  cubes: x y a d gap    wrench: cx cy r s h l
draw 128 2               4 4 42 11 5           99 99 21 8 8 62
draw 48  1               1 1 16 4 2            37 37 9 3.5 3.5 22
draw 32  1               0 0 11 3 0            24 24 7 2.5 3 14

for s in 128 96 64; do
    if [ "$s" = 128 ]; then f=box; else f=lanczos; fi
    "$C" "$tmp/128-big.png" -filter "$f" -resize ${s}x$s "$tmp/$s.png"
done
for s in 48 32; do
    "$C" "$tmp/$s-big.png" -filter box -resize ${s}x$s "$tmp/$s.png"
done

"$C" "$tmp/128.png" "$tmp/96.png" "$tmp/64.png" "$tmp/48.png" "$tmp/32.png" \
    -strip -type TrueColorAlpha "$out"
