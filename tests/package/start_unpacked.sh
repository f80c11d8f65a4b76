#!/usr/bin/env bash
# The release package's Wine step: unpacks ZIP into a folder whose name has Chinese
# characters and starts the 32-bit CouponPaste.exe there under Wine with START_CHECK, which
# waits for its window, closes it and wants exit code 0. Where 32-bit programs cannot run, it
# starts CouponPaste-x64.exe instead.
#
# usage: tests/package/start_unpacked.sh ZIP START_CHECK
#   START_CHECK: package_start_check.exe of a Windows test build (build/win32/bin/).
# Needs an X display in DISPLAY (scripts/test starts one) and uses the tests' Wine
# environment and prefix (scripts/setup.sh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"

if [ $# -ne 2 ] || [ ! -f "$1" ] || [ ! -f "$2" ]; then
    say "usage: tests/package/start_unpacked.sh ZIP START_CHECK (package_start_check.exe)"
    exit 2
fi
zip=$(realpath "$1")
start_check=$(realpath "$2")
if [ -z "${DISPLAY:-}" ]; then
    say "start_unpacked.sh needs an X display (DISPLAY); scripts/test starts one"
    exit 2
fi

wine_environment
ensure_wine_prefix

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
folder="$tmp/优惠券工具 下载"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
[ -f "$folder/CouponPaste.exe" ] || { say "no CouponPaste.exe in $zip"; exit 1; }

unpacked=CouponPaste.exe
if [ "$wine32_runs" -eq 0 ]; then
    say "32-bit programs cannot run here (the kernel's 32-bit emulation is off): starting the" \
        "64-bit CouponPaste-x64.exe instead; START_CHECK must be the 64-bit build's"
    unpacked=CouponPaste-x64.exe
fi
program=$(winepath -w "$folder/$unpacked")
say "starting $program under Wine"
wine "$start_check" "$program"
