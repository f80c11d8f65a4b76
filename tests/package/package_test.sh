#!/usr/bin/env bash
# The release package. Two copies of the sources in two folders are packaged one after the
# other (scripts/package); both programs and the zip must come out byte for byte the same.
# The zip must hold the two programs, the users' guide and SHA256SUMS.txt, in that order,
# stamped with the commit's time, named after the project version, and its checksums must
# hold. The users' guide must be UTF-8 with a BOM and CR LF line ends, and tell each message.
# Last, the unpacked 32-bit program is started under Wine from a folder with a Chinese name
# (tests/package/start_unpacked.sh).
#
# usage: tests/package/package_test.sh [START_CHECK]
#   START_CHECK: package_start_check.exe of the 32-bit test build; without it the Wine step
#   is left out (and said so). scripts/test gives it, with its display and Wine prefix.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"

start_check=${1:-}
checks=0
failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command, counts a failure
    checks=$((checks + 1))
    if "${@:2}"; then
        printf 'ok    %s\n' "$1"
    else
        printf 'FAIL  %s\n' "$1"
        failures=$((failures + 1))
    fi
}

# --- the users' guide, as Notepad on Windows 7 needs it ---

starts_with_bom() { [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' \n')" = efbbbf ]; }
only_crlf_line_ends() {  # every LF follows a CR, every CR precedes an LF, and the last line ends
    local lf cr crlf
    lf=$(tr -cd '\n' <"$1" | wc -c)
    cr=$(tr -cd '\r' <"$1" | wc -c)
    crlf=$(grep -c $'\r$' "$1" || true)
    [ "$lf" -gt 0 ] && [ "$lf" -eq "$cr" ] && [ "$crlf" -eq "$lf" ] &&
        [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = 0d0a ]
}
is_utf8() { iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; }
tells() { grep -qF -- "$2" "$1"; }

check_guide() {  # check_guide FILE
    check "$2: starts with the UTF-8 byte-order mark" starts_with_bom "$1"
    check "$2: CR LF line ends only" only_crlf_line_ends "$1"
    check "$2: valid UTF-8" is_utf8 "$1"
    local text
    for text in "CouponPaste.exe" "CouponPaste-x64.exe" "Windows 7" "待发图片.bmp" \
        "请填写数据后生成！" "优惠券地址格式错误！" "下单地址格式错误！" "图片保存失败：" \
        "消息没有放到剪贴板上：剪贴板正被其他程序占用，请稍后再点生成。" "SHA256SUMS.txt"; do
        check "$2 tells of $text" tells "$1" "$text"
    done
}

guide_source=$root/docs/使用说明.txt
check_guide "$guide_source" "docs/使用说明.txt"

# --- two packages from two folders ---

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
epoch=$(git -C "$root" log -1 --format=%ct)
version=$(sed -n 's/^project(CouponPaste VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_name=CouponPaste-$version.zip

package_copy() {  # package_copy FOLDER: the sources as they are in this work tree, packaged there
    mkdir -p "$1"
    (cd "$root" && git ls-files -z | tar --null -T - --ignore-failed-read -cf -) | tar -xf - -C "$1"
    say "packaging in $1"
    env -u COUPONPASTE_BUILD SOURCE_DATE_EPOCH="$epoch" "$1/scripts/package" >"$1.out"
}
first=$tmp/first
second=$tmp/second-package-of-the-same-sources
package_copy "$first"
package_copy "$second"

for f in build/package/win32/bin/CouponPaste.exe build/package/win64/bin/CouponPaste.exe \
    "dist/$zip_name"; do
    check "the same bytes from both folders: $f" cmp "$first/$f" "$second/$f"
done
hash_line() { tail -n 1 "$1"; }
check "both runs print the same SHA-256 last" [ "$(hash_line "$first.out")" = "$(hash_line "$second.out")" ]
zip=$first/dist/$zip_name
check "the SHA-256 printed is the zip's" \
    [ "$(hash_line "$first.out")" = "$(cd "$first/dist" && sha256sum "$zip_name")" ]
check "the zip's path is printed before it" [ "$(tail -n 2 "$first.out" | head -n 1)" = "$zip" ]

# --- what the zip holds ---

expected_entries=$'CouponPaste.exe\nCouponPaste-x64.exe\n使用说明.txt\nSHA256SUMS.txt'
check "the zip holds the four files in order, at its top level" \
    [ "$(unzip -Z1 "$zip")" = "$expected_entries" ]
# DOS times count in steps of two seconds.
commit_time=$(date -u -d "@$((epoch - epoch % 2))" +%Y%m%d.%H%M%S)
entry_times=$(unzip -Z -T "$zip" | awk '$7 ~ /^[0-9]+\.[0-9]+$/ {print $7}' | sort -u)
check "every entry is stamped with the commit's time ($commit_time)" \
    [ "$entry_times" = "$commit_time" ]

unpacked="$tmp/解压后的文件夹"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
check "sha256sum -c SHA256SUMS.txt" \
    bash -c 'cd "$1" && sha256sum --strict -c SHA256SUMS.txt' _ "$unpacked"
check "SHA256SUMS.txt names the other three files" \
    [ "$(sed 's/^[0-9a-f]\{64\}  //' "$unpacked/SHA256SUMS.txt")" = "$(head -n 3 <<<"$expected_entries")" ]
file_format() { LC_ALL=C objdump -f "$1" | sed -n 's/.*file format //p'; }
check "CouponPaste.exe is the 32-bit program" [ "$(file_format "$unpacked/CouponPaste.exe")" = pei-i386 ]
check "CouponPaste-x64.exe is the 64-bit program" \
    [ "$(file_format "$unpacked/CouponPaste-x64.exe")" = pei-x86-64 ]
# The linker would also take SOURCE_DATE_EPOCH, which the package sets; builds without it
# must not vary either.
pe_time() { LC_ALL=C TZ=UTC objdump -p "$1" | sed -n 's/^Time\/Date[[:space:]]*//p'; }
for f in CouponPaste.exe CouponPaste-x64.exe; do
    check "$f has no time stamp in its PE header" \
        [ "$(pe_time "$unpacked/$f")" = "Thu Jan  1 00:00:00 1970" ]
done
check "the zip's guide is the one in docs/" cmp "$unpacked/使用说明.txt" "$guide_source"
check_guide "$unpacked/使用说明.txt" "the zip's 使用说明.txt"

printf '\npackage: %s, %s bytes\n%s\n' "$zip_name" "$(stat -c %s "$zip")" "$(hash_line "$first.out")"

# --- the unpacked program under Wine ---

if [ -n "$start_check" ]; then
    check "the unpacked program starts under Wine from a Chinese folder and closes with 0" \
        "$root/tests/package/start_unpacked.sh" "$zip" "$start_check"
else
    say "the Wine step was left out: no package_start_check.exe given"
fi

if [ $failures -ne 0 ]; then
    say "package test: $failures of $checks checks failed"
    exit 1
fi
say "package test: all $checks checks passed"
