#!/usr/bin/env bash
# Fails when a Windows program of the build imports a DLL that is not Windows' own, such as
# a MinGW runtime left dynamic (libstdc++, libgcc, libwinpthread): the tool must run from a
# bare folder on any Windows.
# usage: check_imports.sh OBJDUMP BIN_DIR
set -euo pipefail
objdump=$1
bin=$2
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
    echo "$(basename "$program"): $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
