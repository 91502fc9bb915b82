#!/usr/bin/env bash
# Renders the program's and the .are file type's SVG icons as the hicolor
# PNG sizes that desktops and software centres look for, into
# res/icons/hicolor/. Run it after changing either SVG, and commit the PNGs.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../res/icons"
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/tolvex mimetypes/text-x-rom-area; do
        out="hicolor/${size}x${size}/$icon.png"
        mkdir -p "$(dirname "$out")"
        rsvg-convert -w "$size" -h "$size" "$(basename "$icon").svg" -o "$out"
    done
done
echo "icons: $(find hicolor -name '*.png' | wc -l) PNG files in res/icons/hicolor"
