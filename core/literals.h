// Every fixed text of the tool, as the bytes the user's system sees: the ANSI code page
// (GBK, code page 936). Each Chinese text is written as its GBK bytes, with the text itself
// in a comment above, so the bytes do not depend on any compiler's execution charset.
#pragma once

namespace cp::literal {

// Rich-edit document pieces.
inline constexpr char kRichHeader[] = "<QQRichEditFormat><Info version=\"1001\"></Info>";
inline constexpr char kImageElementOpen[] = "<EditElement type=\"1\" filepath=\"";
inline constexpr char kImageElementClose[] = "\" shortcut=\"\"></EditElement>";
inline constexpr char kTextElementOpen[] = "<EditElement type=\"0\"><![CDATA[";
inline constexpr char kTextElementClose[] = "]]></EditElement>";
inline constexpr char kRichClose[] = "</QQRichEditFormat>";
inline constexpr char kCdataEnd[] = "]]>";
inline constexpr char kCdataEndSplit[] = "]]]]><![CDATA[>";

// The staging picture's name, joined to the run directory with a forward slash.
// "/待发图片.bmp"
inline constexpr char kStagingFileSuffix[] = "/\xB4\xFD\xB7\xA2\xCD\xBC\xC6\xAC.bmp";

// Words of the message.
inline constexpr char kLineEnd[] = "\r\n";
// "原价"
inline constexpr char kOriginalPriceWord[] = "\xD4\xAD\xBC\xDB";
// "   券后"
inline constexpr char kCouponPriceWord[] = "   \xC8\xAF\xBA\xF3";
// "元"
inline constexpr char kCurrencyWord[] = "\xD4\xAA";
// "优惠券："
inline constexpr char kCouponWord[] = "\xD3\xC5\xBB\xDD\xC8\xAF\xA3\xBA";
// "下单："
inline constexpr char kOrderWord[] = "\xCF\xC2\xB5\xA5\xA3\xBA";
// "优惠券下单链接："
inline constexpr char kComboWord[] =
    "\xD3\xC5\xBB\xDD\xC8\xAF\xCF\xC2\xB5\xA5\xC1\xB4\xBD\xD3\xA3\xBA";
inline constexpr char kSeparator[] = "------------------------------------";

// Message boxes.
// "请填写数据后生成！"
inline constexpr char kNothingToSend[] =
    "\xC7\xEB\xCC\xEE\xD0\xB4\xCA\xFD\xBE\xDD\xBA\xF3\xC9\xFA\xB3\xC9\xA3\xA1";
// "提示"
inline constexpr char kNothingToSendTitle[] = "\xCC\xE1\xCA\xBE";
// "优惠券地址格式错误！"
inline constexpr char kBadCouponLink[] =
    "\xD3\xC5\xBB\xDD\xC8\xAF\xB5\xD8\xD6\xB7\xB8\xF1\xCA\xBD\xB4\xED\xCE\xF3\xA3\xA1";
// "下单地址格式错误！"
inline constexpr char kBadOrderLink[] =
    "\xCF\xC2\xB5\xA5\xB5\xD8\xD6\xB7\xB8\xF1\xCA\xBD\xB4\xED\xCE\xF3\xA3\xA1";
// "错误提示！"
inline constexpr char kErrorTitle[] = "\xB4\xED\xCE\xF3\xCC\xE1\xCA\xBE\xA3\xA1";
// "图片保存失败："
inline constexpr char kPictureNotSaved[] =
    "\xCD\xBC\xC6\xAC\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC\xA3\xBA";

// Hint captions.
// "提示："
inline constexpr char kHintNeutral[] = "\xCC\xE1\xCA\xBE\xA3\xBA";
// "提示：检测到生成类型为优惠券+下单链接分开型！"
inline constexpr char kHintSeparateFromCoupon[] =
    "\xCC\xE1\xCA\xBE\xA3\xBA\xBC\xEC\xB2\xE2\xB5\xBD\xC9\xFA\xB3\xC9\xC0\xE0\xD0\xCD\xCE\xAA\xD3"
    "\xC5\xBB\xDD\xC8\xAF+\xCF\xC2\xB5\xA5\xC1\xB4\xBD\xD3\xB7\xD6\xBF\xAA\xD0\xCD\xA3\xA1";
// "提示：检测到生成类型为优惠券+下单链接！"
inline constexpr char kHintSeparateFromOrder[] =
    "\xCC\xE1\xCA\xBE\xA3\xBA\xBC\xEC\xB2\xE2\xB5\xBD\xC9\xFA\xB3\xC9\xC0\xE0\xD0\xCD\xCE\xAA\xD3"
    "\xC5\xBB\xDD\xC8\xAF+\xCF\xC2\xB5\xA5\xC1\xB4\xBD\xD3\xA3\xA1";
// "提示：检测到生成类型为二合一型！"
inline constexpr char kHintCombo[] =
    "\xCC\xE1\xCA\xBE\xA3\xBA\xBC\xEC\xB2\xE2\xB5\xBD\xC9\xFA\xB3\xC9\xC0\xE0\xD0\xCD\xCE\xAA\xB6"
    "\xFE\xBA\xCF\xD2\xBB\xD0\xCD\xA3\xA1";

}  // namespace cp::literal
