#!/bin/sh
# Runs a window test on a fresh X server under a real window manager, where
# windows get a border and a title bar as on a desktop:
# - openbox, which says beforehand what frame it will give a window;
# - twm, which does not: a window's frame is known only once it is shown.
# Usage: avec_gestionnaire.sh openbox|twm TEST [ARGS...]
set -eu
[ $# -ge 2 ] || { echo "usage: $0 openbox|twm TEST [ARGS...]" >&2; exit 2; }
ici=$(cd "$(dirname "$0")" && pwd)

# shellcheck disable=SC2016 # expanded by the inner shell
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  ici=$1 gestionnaire=$2; shift 2
  pret=$(mktemp -u "${TMPDIR:-/tmp}/veltrix-wm.XXXXXX")
  case $gestionnaire in
    openbox) openbox --sm-disable --startup "touch $pret" >/dev/null 2>&1 & ;;
    twm) twm -f "$ici/data/twmrc" >/dev/null 2>&1 & ;;
    *) echo "unknown window manager: $gestionnaire" >&2; exit 2 ;;
  esac
  wm=$!
  trap "kill $wm 2>/dev/null; rm -f $pret" EXIT
  if [ "$gestionnaire" = twm ]; then
    # twm has no start-up hook: it manages the screen within moments.
    sleep 1
    touch "$pret"
  fi
  i=0
  while [ ! -e "$pret" ]; do
    i=$((i + 1))
    [ $i -le 200 ] || { echo "$gestionnaire did not start" >&2; exit 1; }
    sleep 0.05
  done
  kill -0 $wm 2>/dev/null || { echo "$gestionnaire did not start" >&2; exit 1; }
  VELTRIX_GESTIONNAIRE_FENETRES=$gestionnaire QT_QPA_PLATFORM=xcb "$@"
' sh "$ici" "$@"
