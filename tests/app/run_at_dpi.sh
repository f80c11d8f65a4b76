#!/usr/bin/env bash
# Runs a Windows test program under Wine with the display at another scale: a copy of the test
# prefix whose LogPixels (HKCU\Control Panel\Desktop) is set to DPI, which Wine applies to
# every program, on a private display large enough for the window at that scale. The program
# learns the DPI it is meant for from COUPONPASTE_TEST_DPI. The copy is kept for the next run.
# usage: run_at_dpi.sh DPI PROGRAM [ARGS...]
set -euo pipefail
dpi=$1
shift
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
wine_environment
base=$WINEPREFIX
ensure_wine_prefix
WINEPREFIX=$base-dpi$dpi
export WINEPREFIX COUPONPASTE_WINEPREFIX=$WINEPREFIX COUPONPASTE_TEST_DPI=$dpi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineserver -w  # the base prefix's registry is complete on disk once its server has ended
    rm -rf "$WINEPREFIX"
    cp -a "$base" "$WINEPREFIX"
fi
start_display 2560x1600x24
trap stop_wine_and_display EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# Wine reads the setting when its server starts: let the one that wrote it end first.
wineserver -w
wine "$@"
