// Every fixed text of the tool. The sources are UTF-8; the build stores these in the
// ANSI code page (GBK), so each one below is the byte sequence the user's system sees.
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
inline constexpr char kStagingFileSuffix[] = "/待发图片.bmp";

// Words of the message.
inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kOriginalPriceWord[] = "原价";
inline constexpr char kCouponPriceWord[] = "   券后";
inline constexpr char kCurrencyWord[] = "元";
inline constexpr char kCouponWord[] = "优惠券：";
inline constexpr char kOrderWord[] = "下单：";
inline constexpr char kComboWord[] = "优惠券下单链接：";
inline constexpr char kSeparator[] = "------------------------------------";

// Message boxes.
inline constexpr char kNothingToSend[] = "请填写数据后生成！";
inline constexpr char kNothingToSendTitle[] = "提示";
inline constexpr char kBadCouponLink[] = "优惠券地址格式错误！";
inline constexpr char kBadOrderLink[] = "下单地址格式错误！";
inline constexpr char kErrorTitle[] = "错误提示！";
inline constexpr char kPictureNotSaved[] = "图片保存失败：";
inline constexpr char kMessageNotOnClipboard[] =
    "消息没有放到剪贴板上：剪贴板正被其他程序占用，请稍后再点生成。";

// Hint captions.
inline constexpr char kHintNeutral[] = "提示：";
inline constexpr char kHintSeparateFromCoupon[] = "提示：检测到生成类型为优惠券+下单链接分开型！";
inline constexpr char kHintSeparateFromOrder[] = "提示：检测到生成类型为优惠券+下单链接！";
inline constexpr char kHintCombo[] = "提示：检测到生成类型为二合一型！";

}  // namespace cp::literal
