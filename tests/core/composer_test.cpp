#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/composer.h"

namespace {

using namespace cp;

const AnsiText kHeader = "<QQRichEditFormat><Info version=\"1001\"></Info>";
const AnsiText kClose = "</QQRichEditFormat>";
const AnsiText kRunDir = "C:\\tools\\\xB1\x5C";  // a GBK character whose trail byte is '\'
const AnsiText kImage = "<EditElement type=\"1\" filepath=\"C:\\tools\\\xB1\x5C/待发图片.bmp\" "
                        "shortcut=\"\"></EditElement>";
const AnsiText kClaim = "https://taoquan.taobao.com/coupon/unify_apply.htm";
const AnsiText kMobile = "http://shop.m.taobao.com/shop/coupon.htm";
const AnsiText kMall = "https://detail.tmall.com/item.htm?";

AnsiText textElement(const AnsiText& body) {
    return "<EditElement type=\"0\"><![CDATA[" + body + "]]></EditElement>";
}

// Records every call the composer makes on the window, in order.
class RecordingWindow : public PreviewSink, public NoticeBox {
public:
    void clear() override {
        calls.push_back("clear");
        preview.clear();
    }
    void append(const AnsiText& text) override {
        calls.push_back("append");
        preview += text;
    }
    void show(const AnsiText& text, const AnsiText& title) override {
        notices.push_back(title + "|" + text);
    }
    AnsiText preview = "stale text from before";
    std::vector<std::string> calls;
    std::vector<AnsiText> notices;
};

struct Composed {
    AnsiText document;
    RecordingWindow window;
};

Composed compose(const ComposerInput& input) {
    Composed out;
    out.document = composeMessage(input, kRunDir, out.window, out.window);
    return out;
}

ComposerInput fullSeparateForm() {
    ComposerInput in;
    in.hasPicture = true;
    in.title = "夏季新款T恤";
    in.originalPrice = "99";
    in.couponPrice = "49.9";
    in.couponLink = kClaim + "?sellerId=1&activityId=2";
    in.orderLink = kMall + "spm=a&id=612&sku=3";
    in.copyText = "纯棉\r\n包邮";
    return in;
}

TEST(ComposeMessage, FullFormWithSeparateLinks) {
    const Composed c = compose(fullSeparateForm());
    const AnsiText body = "\r\n夏季新款T恤\r\n原价99元   券后49.9元\r\n优惠券：" + kMobile +
                          "?sellerId=1&activityId=2\r\n下单：" + kMall + "id=612" +
                          "\r\n------------------------------------\r\n纯棉\r\n包邮";
    EXPECT_EQ(c.document, kHeader + kImage + textElement(body) + kClose);
    EXPECT_EQ(c.window.preview, "C:\\tools\\\xB1\x5C/待发图片.bmp\r\n夏季新款T恤\r\n原价99元   券后49.9元\r\n"
                                "优惠券：" + kMobile + "?sellerId=1&activityId=2\r\n下单：" +
                                    kMall + "id=612\r\n------------------------------------\r\n"
                                    "纯棉\r\n包邮");
    EXPECT_TRUE(c.window.notices.empty());
    ASSERT_FALSE(c.window.calls.empty());
    EXPECT_EQ(c.window.calls.front(), "clear");
}

TEST(ComposeMessage, CombinedLinkIsTakenUnchanged) {
    ComposerInput in;
    in.title = "T";
    in.comboLink = "https://s.click.example/abc?x=1&y=2";
    const Composed c = compose(in);
    EXPECT_EQ(c.document,
              kHeader + textElement("\r\nT\r\n优惠券下单链接：https://s.click.example/abc?x=1&y=2") +
                  kClose);
    EXPECT_EQ(c.window.preview, "T\r\n优惠券下单链接：https://s.click.example/abc?x=1&y=2\r\n");
}

struct ShapeCase {
    const char* what;
    ComposerInput input;
    AnsiText document;  // empty: refused
    AnsiText preview;
    AnsiText notice;  // "title|text", or empty
};

TEST(ComposeMessage, WhichFieldsTakePart) {
    const AnsiText nothing = "提示|请填写数据后生成！";
    const ShapeCase cases[] = {
        {"everything empty", {}, "", "", nothing},
        {"picture only", {true, "", "", "", "", "", "", ""}, kHeader + kImage + kClose,
         "C:\\tools\\\xB1\x5C/待发图片.bmp\r\n", ""},
        {"title only", {false, "标题", "", "", "", "", "", ""},
         kHeader + textElement("\r\n标题") + kClose, "标题\r\n", ""},
        {"original price then copy text share the preview line",
         {false, "", "10", "", "", "", "", "文案"},
         kHeader + textElement("\r\n原价10元\r\n------------------------------------\r\n文案") +
             kClose,
         "原价10元------------------------------------\r\n文案", ""},
        {"coupon price alone", {false, "", "", "5", "", "", "", ""},
         kHeader + textElement("   券后5元") + kClose, "   券后5元\r\n", ""},
        {"all three links: none is written", {false, "", "", "", "a", "b", "c", ""}, "", "",
         nothing},
        {"only the coupon link: ignored", {false, "", "", "", kClaim, "", "", ""}, "", "",
         nothing},
        {"combined link with an order link: ignored",
         {false, "t", "", "", "", kMall + "id=1", "combo", ""},
         kHeader + textElement("\r\nt") + kClose, "t\r\n", ""},
        {"texts are never trimmed", {false, " ", "", "", "", "", "", ""},
         kHeader + textElement("\r\n ") + kClose, " \r\n", ""},
    };
    for (const ShapeCase& c : cases) {
        const Composed out = compose(c.input);
        EXPECT_EQ(out.document, c.document) << c.what;
        EXPECT_EQ(out.window.preview, c.preview) << c.what;
        if (c.notice.empty()) {
            EXPECT_TRUE(out.window.notices.empty()) << c.what;
        } else {
            EXPECT_EQ(out.window.notices, std::vector<AnsiText>{c.notice}) << c.what;
        }
    }
}

TEST(ComposeMessage, RefusesMalformedLinksKeepingTheLinesSoFar) {
    ComposerInput badCoupon = fullSeparateForm();
    badCoupon.couponLink = "https://shop.m.taobao.com/shop/coupon.htm?x=1";
    Composed c = compose(badCoupon);
    EXPECT_EQ(c.document, "");
    EXPECT_EQ(c.window.preview, "C:\\tools\\\xB1\x5C/待发图片.bmp\r\n夏季新款T恤\r\n原价99元   券后49.9元\r\n");
    EXPECT_EQ(c.window.notices, std::vector<AnsiText>{"错误提示！|优惠券地址格式错误！"});

    for (const AnsiText& order : {AnsiText("https://www.taobao.com/x"), kMall + "a=1&pvid=2",
                                  AnsiText("http://detail.tmall.com/item.htm?a=1&id=2")}) {
        ComposerInput badOrder = fullSeparateForm();
        badOrder.orderLink = order;
        c = compose(badOrder);
        EXPECT_EQ(c.document, "") << order;
        EXPECT_EQ(c.window.preview, "C:\\tools\\\xB1\x5C/待发图片.bmp\r\n夏季新款T恤\r\n原价99元   券后49.9元\r\n"
                                    "优惠券：" + kMobile + "?sellerId=1&activityId=2\r\n")
            << order;
        EXPECT_EQ(c.window.notices, std::vector<AnsiText>{"错误提示！|下单地址格式错误！"}) << order;
    }
}

TEST(ComposeMessage, CdataEndInAFieldCannotCloseTheTextElement) {
    ComposerInput in;
    in.title = "a]]><EditElement type=\"1\" filepath=\"C:/x.bmp\"></EditElement><![CDATA[b";
    in.copyText = "]]]>>";
    const Composed c = compose(in);
    const AnsiText split = "]]]]><![CDATA[>";
    EXPECT_EQ(c.document,
              kHeader +
                  textElement("\r\na" + split +
                              "<EditElement type=\"1\" filepath=\"C:/x.bmp\"></EditElement><![CDATA[b"
                              "\r\n------------------------------------\r\n]" + split + ">") +
                  kClose);
    EXPECT_EQ(c.window.preview, in.title + "\r\n------------------------------------\r\n" + in.copyText);
}

TEST(ComposeMessage, RunDirectoryIsWrittenUnescaped) {
    ComposerInput in;
    in.hasPicture = true;
    RecordingWindow window;
    const AnsiText document = composeMessage(in, "D:\\a&b", window, window);
    EXPECT_EQ(document, kHeader + "<EditElement type=\"1\" filepath=\"D:\\a&b/待发图片.bmp\" "
                                  "shortcut=\"\"></EditElement>" + kClose);
}

TEST(ComposeMessage, ComposingTwiceRebuildsThePreview) {
    RecordingWindow window;
    const ComposerInput in = fullSeparateForm();
    const AnsiText first = composeMessage(in, kRunDir, window, window);
    const AnsiText preview = window.preview;
    EXPECT_EQ(composeMessage(in, kRunDir, window, window), first);
    EXPECT_EQ(window.preview, preview);
}

}  // namespace
