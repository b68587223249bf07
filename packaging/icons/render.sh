#!/usr/bin/env bash
# Renders the program's icon (the logo drawing) to the PNG sizes of the hicolor theme.
# Needs rsvg-convert (LUMENO_ICON_PACKAGES of scripts/setup, installed here when missing).
set -e
cd "$(dirname "$0")"
. ../../scripts/setup
lumeno_install_missing "${LUMENO_ICON_PACKAGES[@]}"
for size in 16 22 24 32 48 64 128 256 512; do
    rsvg-convert -w "$size" -h "$size" ../../resources/images/src/lumeno_logo.svg -o "org.lumeno3d.Lumeno3D-$size.png"
done
