#!/bin/sh
# Runs a window test on a fresh X server under a real window manager
# (openbox), where windows get a border and a title bar as on a desktop.
# Usage: avec_openbox.sh TEST [ARGS...]
set -eu
[ $# -ge 1 ] || { echo "usage: $0 TEST [ARGS...]" >&2; exit 2; }

pret=$(mktemp -u "${TMPDIR:-/tmp}/veltrix-openbox.XXXXXX")
# shellcheck disable=SC2016 # expanded by the inner shell
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  pret=$1; shift
  openbox --sm-disable --startup "touch $pret" >/dev/null 2>&1 &
  wm=$!
  trap "kill $wm 2>/dev/null; rm -f $pret" EXIT
  i=0
  while [ ! -e "$pret" ]; do
    i=$((i + 1))
    [ $i -le 200 ] || { echo "openbox did not start" >&2; exit 1; }
    sleep 0.05
  done
  VELTRIX_GESTIONNAIRE_FENETRES=openbox QT_QPA_PLATFORM=xcb "$@"
' sh "$pret" "$@"
