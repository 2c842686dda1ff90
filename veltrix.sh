#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, then starts Veltrix (run) or
# runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

usage() { echo "usage: $0 run|test" >&2; exit 2; }
[ $# -ge 1 ] || usage
action=$1

paquets=(build-essential cmake ninja-build pkgconf qt6-base-dev qt6-translations-l10n libgl-dev libxcb1-dev
  fonts-liberation2)
[ "$action" = test ] && paquets+=(xvfb xauth openbox twm)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

build=${VELTRIX_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja ${VELTRIX_CMAKE_ARGS:-} >/dev/null
cmake --build "$build"

case "$action" in
  run) exec "$build/app/veltrix" ;;
  test) ctest --test-dir "$build" --output-on-failure ;;
  *) usage ;;
esac
