#!/usr/bin/env bash
# Regenerates every map picture (resources/maps/) and the window icon
# (resources/icone/veltrix.png) from a clean checkout. Running it twice gives
# byte-identical files.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$here/build"

# Debian packages the run needs: the converter to GIF and the font of the
# world map's field names (another font would draw other pixels).
missing=()
[ -x /usr/bin/convert ] || missing+=(imagemagick)
fc-list 2>/dev/null | grep -q 'LiberationSans-Regular' || missing+=(fonts-liberation2)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Natural Earth through world-atlas, exactly as package-lock.json pins it.
(cd "$here" && npm ci --no-audit --no-fund)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target veltrix-mapgen

mkdir -p "$root/resources/maps" "$root/resources/icone" "$build/travail"
QT_QPA_PLATFORM=offscreen "$build/tools/mapgen/veltrix-mapgen" \
  "$here/node_modules/world-atlas" "$root/resources/maps" "$root/resources/icone/veltrix.png" "$build/travail"

# Qt writes no GIF. The world map has at most 256 colours (the generator
# checks), so an undithered palette keeps every pixel.
/usr/bin/convert "$build/travail/monde.png" +dither -colors 256 "$root/resources/maps/monde.gif"
echo "$root/resources/maps/monde.gif"
