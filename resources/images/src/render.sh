#!/bin/sh
# Renders every SVG drawing of this folder to the PNG of the same name in
# resources/images/ (32-bit RGBA). The computed drawings are regenerated first.
# Needs: python3, rsvg-convert (librsvg2-bin), ImageMagick convert, DejaVu fonts.
set -e
cd "$(dirname "$0")"
python3 gen_svgs.py
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for svg in *.svg; do
    name=${svg%.svg}
    rsvg-convert "$svg" -o "$tmp/$name.png"
    convert "$tmp/$name.png" -strip -define png:exclude-chunks=date,time PNG32:"../$name.png"
    echo "$name.png"
done
