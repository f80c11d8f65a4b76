#!/usr/bin/env bash
# The command-line composer, driven from outside: outputs, exit codes and --utf8.
set -u
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

mall='https://detail.tmall.com/item.htm?'
claim='https://taoquan.taobao.com/coupon/unify_apply.htm'
mobile='http://shop.m.taobao.com/shop/coupon.htm'
crlf=$'\r\n'

# A whole document in UTF-8 mode, with the preview written to a file.
"$driver" --utf8 --picture --run-dir 'C:\工具' --title '新款' --original-price 99 \
    --coupon-price 49 --coupon-link "$claim?a=1" --order-link "${mall}spm=x&id=7&y=2" \
    --preview "$work/preview" --payload "$work/payload" 2>"$work/err"
check "produced: exit 0" 0 $?
check "produced: document" \
    "<QQRichEditFormat><Info version=\"1001\"></Info><EditElement type=\"1\" filepath=\"C:\\工具/待发图片.bmp\" shortcut=\"\"></EditElement><EditElement type=\"0\"><![CDATA[${crlf}新款${crlf}原价99元   券后49元${crlf}优惠券：$mobile?a=1${crlf}下单：${mall}id=7]]></EditElement></QQRichEditFormat>" \
    "$(cat "$work/payload")"
check "produced: preview" \
    "C:\\工具/待发图片.bmp${crlf}新款${crlf}原价99元   券后49元${crlf}优惠券：$mobile?a=1${crlf}下单：${mall}id=7${crlf}x" \
    "$(cat "$work/preview"; echo x)"
check "produced: nothing on standard error" "" "$(cat "$work/err")"

# GBK is the default both ways: the same title in GBK bytes comes back as GBK bytes.
gbk_title=$(printf '\xd0\xc2\xbf\xee')  # 新款
"$driver" --title "$gbk_title" >"$work/gbk"
check "gbk: exit 0" 0 $?
printf '<QQRichEditFormat><Info version="1001"></Info><EditElement type="0"><![CDATA[\r\n%s]]></EditElement></QQRichEditFormat>' \
    "$gbk_title" >"$work/gbk.expected"
cmp -s "$work/gbk.expected" "$work/gbk"
check "gbk: document bytes" 0 $?

# A refusal: exit 1, title and text on standard error, empty outputs written anyway.
echo stale >"$work/payload"
"$driver" --utf8 --title T --coupon-link 'https://example.com/c' --order-link "${mall}id=1" \
    --preview "$work/preview" --payload "$work/payload" 2>"$work/err"
check "refused: exit 1" 1 $?
check "refused: message" "错误提示！: 优惠券地址格式错误！" "$(cat "$work/err")"
check "refused: empty document" 0 "$(stat -c %s "$work/payload")"
check "refused: preview so far" "T${crlf}x" "$(cat "$work/preview"; echo x)"

"$driver" --utf8 >/dev/null 2>"$work/err"
check "nothing to send: exit 1" 1 $?
check "nothing to send: message" "提示: 请填写数据后生成！" "$(cat "$work/err")"

# Hints, and bad usage.
check "hint: separate, from the order box" "提示：检测到生成类型为优惠券+下单链接！" \
    "$("$driver" --utf8 --hint order --coupon-link a --order-link b)"
check "hint: combined" "提示：检测到生成类型为二合一型！" "$("$driver" --utf8 --hint combo --combo-link c)"
"$driver" --hint sideways >/dev/null 2>"$work/err"
check "bad hint: exit 2" 2 $?
"$driver" --bogus >/dev/null 2>"$work/err"
check "unknown option: exit 2" 2 $?
check "unknown option: usage shown" 1 "$(grep -c '^usage:' "$work/err")"
"$driver" --title >/dev/null 2>&1
check "missing value: exit 2" 2 $?

# An output that cannot be written is no usage error: exit 3, said on standard error.
"$driver" --title T --payload "$work/no-such-folder/payload" 2>"$work/err"
check "payload not written: exit 3" 3 $?
check "payload not written: said" "couponpaste-compose: could not write an output" \
    "$(cat "$work/err")"
"$driver" --title T --preview "$work/no-such-folder/preview" >/dev/null 2>"$work/err"
check "preview not written: exit 3" 3 $?
if [ -w /dev/full ]; then
    "$driver" --title T >/dev/full 2>/dev/null
    check "standard output full: exit 3" 3 $?
    "$driver" --hint coupon >/dev/full 2>/dev/null
    check "hint on a full standard output: exit 3" 3 $?
fi

echo "compose driver: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
