#!/bin/sh
# Re-render photo.jpg (640x480, baseline JPEG) and photo@2x.jpg (1280x960, for scaled
# screens) from photo.svg.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -e
cd "$(dirname "$0")"
for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "render-photo.sh: '$tool' not found (apt-get install librsvg2-bin imagemagick)" >&2; exit 1; }
done
render() {
    rsvg-convert -w "$1" -h "$2" -b white -f png photo.svg -o photo.tmp.png
    convert photo.tmp.png -alpha off -strip -interlace none -sampling-factor 4:2:0 -quality 85 "jpeg:$3"
    rm -f photo.tmp.png
}
render 640 480 photo.jpg
render 1280 960 photo@2x.jpg
