#!/usr/bin/env bash
# Fails when a Windows program of the build imports a DLL that is not Windows' own, such as
# a MinGW runtime left dynamic (libstdc++, libgcc, libwinpthread): the tool must run from a
# bare folder on any Windows. CouponPaste.exe must also start on Windows 7, so it may not import
# the display-scale functions that later Windows versions brought: it looks them up at run time.
# usage: check_imports.sh OBJDUMP BIN_DIR
set -euo pipefail
objdump=$1
bin=$2
newer_than_windows7='^(GetDpiForWindow|GetDpiForSystem|GetDpiFromDpiAwarenessContext|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|SetThreadDpiAwarenessContext|GetThreadDpiAwarenessContext|GetWindowDpiAwarenessContext|SetProcessDpiAwarenessContext|AreDpiAwarenessContextsEqual|EnableNonClientDpiScaling|LogicalToPhysicalPointForPerMonitorDPI|PhysicalToLogicalPointForPerMonitorDPI|GetDpiForMonitor|SetProcessDpiAwareness|GetProcessDpiAwareness)$'
windows_dlls='^(kernel32|user32|gdi32|shell32|advapi32|comctl32|comdlg32|ole32|oleaut32|shlwapi|uxtheme|msvcrt|ucrtbase|ws2_32|version|winmm|imm32|api-ms-win-[a-z0-9-]+)\.dll$'

shopt -s nullglob
programs=("$bin"/*.exe)
if [ ${#programs[@]} -eq 0 ]; then
    echo "no programs in $bin"
    exit 1
fi

status=0
for program in "${programs[@]}"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    if [ -z "$dlls" ]; then
        echo "$(basename "$program"): no import table found"
        status=1
        continue
    fi
    while read -r dll; do
        if ! grep -qiE "$windows_dlls" <<<"$dll"; then
            echo "$(basename "$program") imports $dll, which is not part of Windows"
            status=1
        fi
    done <<<"$dlls"
    if [ "$(basename "$program")" = CouponPaste.exe ]; then
        newer=$("$objdump" -p "$program" | awk '/DLL Name:/ {inside=1; next} inside && NF >= 3 && $2 ~ /^[0-9]+$/ {print $3}' |
            grep -E "$newer_than_windows7" || true)
        if [ -n "$newer" ]; then
            echo "CouponPaste.exe imports $(tr '\n' ' ' <<<"$newer")which Windows 7 does not have"
            status=1
        fi
    fi
    echo "$(basename "$program"): $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
