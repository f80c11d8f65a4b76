// Fields no one means to type but anyone can paste: megabytes, bytes that are no GBK, a lead
// byte cut off at the end, every control character, markup and CDATA ends. Each generate
// either refuses with the right message or publishes a document that an XML reader takes
// apart into the picture and exactly the body the fields give; no box loses a byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/desktop.h"
#include "tests/app/form_layout.h"
#include "tests/app/started_tool.h"
#include "tests/app/test_pictures.h"
#include "tests/app/user_input.h"
#include "tests/faults/fault_support.h"

namespace cp::e2e {
namespace {

using C = ControlId;

constexpr size_t kMiB = 1024 * 1024;
const char kBadCoupon[] = "优惠券地址格式错误！";
const char kBadOrder[] = "下单地址格式错误！";

// Lines of GBK and ASCII text up to exactly `length` bytes, no character cut in half;
// withLineBreaks for the multi-line boxes.
std::string longText(size_t length, bool withLineBreaks) {
    const std::string piece =
        withLineBreaks ? "领券立减90元，手慢无！Soft & warm.\r\n" : "加厚珊瑚绒毛毯 双人床盖毯 ";
    std::string text;
    text.reserve(length);
    while (text.size() + piece.size() <= length) text += piece;
    text.append(length - text.size(), '.');
    return text;
}

std::string everyControlCharacter() {
    std::string text;
    for (char c = 1; c < 32; ++c) text += c;
    return text + '\x7F';
}

// What a generate does with a form. The link rules look for the marketplace's pages anywhere
// in a link, so whatever stands around a recognised page goes along.
enum class Outcome { publishes, refusesCoupon, refusesOrder };

struct HostileForm {
    const char* what;
    FormTexts form;
    Outcome outcome;
};

// The body of a document whose form holds only links: the preview after the picture's line,
// each line behind CR LF instead of before it.
std::string bodyOfLinksOnly(const std::string& preview, const std::string& pictureLine) {
    std::string lines = preview.substr(pictureLine.size());
    if (lines.size() >= 2) lines.resize(lines.size() - 2);
    return "\r\n" + lines;
}

class HostileFields : public StartedTool {
  protected:
    void SetUp() override {
        StartedTool::SetUp();
        ASSERT_TRUE(pastePicture(tool, patternBitmap(24, 16, screenDepth())));
    }

    // Fills the form, generates and checks what came of it.
    void generateFrom(const HostileForm& c) {
        SCOPED_TRACE(c.what);
        tool.fill(c.form);
        const FormTexts held = readForm(tool);  // what the boxes made of the bytes given
        const std::string placedBefore = "placed before generating";
        ASSERT_TRUE(putTextOnClipboard(placedBefore));

        tool.push(C::按钮1);

        std::optional<ClipboardBlock> document;
        HWND dialog = nullptr;
        ASSERT_TRUE(eventually(
            [&] {
                if (hasMessageBox(tool.processId())) return true;
                // Looked at without opening the clipboard, which would fail the tool's publish.
                if (!IsClipboardFormatAvailable(richFormat())) return false;
                return (document = clipboardBlock(richFormat())).has_value();
            },
            std::chrono::seconds(120)))
            << "neither a document nor a message";
        if (!document) {
            const std::optional<MessageBoxView> box = waitForMessageBox(tool.processId());
            ASSERT_TRUE(box.has_value());
            dialog = box->dialog;
            expectRefusal(c.outcome, *box);
            ASSERT_TRUE(closeMessageBox(dialog));
            const std::optional<ClipboardBlock> text = clipboardBlock(CF_TEXT);
            ASSERT_TRUE(text.has_value());
            EXPECT_EQ(text->text, placedBefore) << "a refusal leaves the clipboard alone";
        } else {
            EXPECT_TRUE(c.outcome == Outcome::publishes) << "published what must be refused";
            tool.settle();
            expectDocumentOf(held, document->text);
        }
        const FormTexts after = readForm(tool);
        for (size_t i = 0; i < kInputBoxes.size(); ++i) {
            EXPECT_TRUE(textOf(after, i) == textOf(held, i)) << "box " << kInputBoxes[i];
        }
    }

  private:
    static const std::string& textOf(const FormTexts& form, size_t box) {
        const std::string* texts[] = {&form.title,      &form.originalPrice, &form.couponPrice,
                                      &form.couponLink, &form.orderLink,     &form.comboLink,
                                      &form.copyText};
        return *texts[box];
    }

    static void expectRefusal(Outcome outcome, const MessageBoxView& box) {
        EXPECT_EQ(box.title, "错误提示！");
        EXPECT_EQ(box.buttonCount, 1);
        switch (outcome) {
            case Outcome::refusesCoupon:
                EXPECT_EQ(box.text, kBadCoupon);
                break;
            case Outcome::refusesOrder:
                EXPECT_EQ(box.text, kBadOrder);
                break;
            case Outcome::publishes:
                ADD_FAILURE() << "refused a form it must publish: " << box.text;
                break;
        }
    }

    void expectDocumentOf(const FormTexts& held, const std::string& document) const {
        const ReadDocument read = readRichDocument(document);
        ASSERT_TRUE(read.wellFormed) << "not a document an XML reader can take apart";
        EXPECT_EQ(read.imageElements, 1) << "the picture and no other";
        EXPECT_EQ(read.imagePath, tool.folder().stagingPathInDocument());
        const bool separateLinks =
            !held.couponLink.empty() && !held.orderLink.empty() && held.comboLink.empty();
        const std::string body =
            separateLinks ? bodyOfLinksOnly(tool.text(C::编辑框9),
                                            tool.folder().stagingPathInDocument() + "\r\n")
                          : bodyWithoutSeparateLinks(held);
        EXPECT_TRUE(read.body == body) << "the body differs from the fields'";
    }
};

TEST_F(HostileFields, MarkupAndCdataEndsInEveryFieldStayText) {
    const std::string image =
        "<EditElement type=\"1\" filepath=\"C:/x.bmp\" shortcut=\"\">"
        "</EditElement>";
    const HostileForm cases[] = {
        {"markup in every field but the separate links",
         {"a]]>b" + image + "<![CDATA[c", "]]>", "<![CDATA[39]]>", "", "",
          "https://s.click.taobao.com/t?e=]]></EditElement></QQRichEditFormat>",
          "</EditElement>" + image + "]]]]>>&amp;<x/>\r\n]]>"},
         Outcome::publishes},
        {"a CDATA end in the coupon link",
         {"", "", "", "https://evil.example/]]>" + image, "https://item.taobao.com/item.htm?id=1",
          "", ""},
         Outcome::refusesCoupon},
        {"markup after the coupon link's values and in the order link",
         {"", "", "",
          "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=1]]>" + image +
              "&activityId=2]]>",
          "https://item.taobao.com/item.htm?id=600123]]>" + image, "", ""},
         Outcome::publishes},
        {"an order link of markup only",
         {"", "", "", "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=1&activityId=2",
          image + "]]>", "", ""},
         Outcome::refusesOrder},
    };
    for (const HostileForm& c : cases) generateFrom(c);
}

TEST_F(HostileFields, ControlCharactersAndBytesThatAreNoGbkAreKept) {
    const std::string controls = everyControlCharacter();
    const std::string notGbk = "\x80\x81\x20\xFF\xFE\xA1\x7F\x81\x30\x81\x30";
    const std::string loneLead = "珊瑚绒\xB0";
    const HostileForm cases[] = {
        {"every control character in every field but the separate links",
         {"a" + controls + "b", controls, controls + "9", "", "", "https://x/" + controls,
          controls + "\r\n" + controls},
         Outcome::publishes},
        {"bytes that are no GBK, and a lead byte cut off at the end",
         {notGbk + loneLead, loneLead, notGbk, "", "", notGbk, "文案" + notGbk + "\r\n" + loneLead},
         Outcome::publishes},
        {"control characters in the coupon link",
         {"", "", "", "https://taoquan.taobao.com/coupon/unify_apply.htm?" + controls,
          "https://item.taobao.com/item.htm?id=1", "", ""},
         Outcome::publishes},
        {"control characters and no coupon page",
         {"", "", "", controls + "https://taoquan.taobao.com/coupon/list.htm",
          "https://item.taobao.com/item.htm?id=1", "", ""},
         Outcome::refusesCoupon},
        {"a lead byte cut off at the end of the order link",
         {"", "", "", "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=1&activityId=2",
          "https://item.taobao.com/item.htm?id=60012\xB0", "", ""},
         Outcome::publishes},
    };
    for (const HostileForm& c : cases) generateFrom(c);
}

// A paragraph of the read-out box takes Wine's edit box time quadratic in its length to wrap
// (128 KiB: seconds, 1 MiB: minutes), and a one-line field is one paragraph of the preview: the
// generate takes a megabyte of copy text in lines and 64 KiB in each one-line field.
TEST_F(HostileFields, MegabyteFieldsAreKeptWholeAndPublishedWhole) {
    const std::string line = longText(kMiB, false);
    const std::string lines = longText(kMiB, true);
    for (ControlId box : kInputBoxes) {
        const std::string& text = box == C::编辑框7 ? lines : line;
        tool.setText(box, text);
        EXPECT_TRUE(tool.text(box) == text)
            << "box " << box << " holds " << tool.text(box).size() << " bytes";
        tool.setText(box, "");
    }
    const std::string field = longText(64 * 1024, false);
    generateFrom({"a megabyte of copy text, 64 KiB in the other fields but the separate links",
                  {field, field, field, "", "", field, lines},
                  Outcome::publishes});
}

TEST_F(HostileFields, MegabytePastedIntoABoxIsKeptWhole) {
    struct Paste {
        ControlId box;
        std::string text;
    };
    const Paste pastes[] = {{C::编辑框1, longText(kMiB, false)},
                            {C::编辑框7, longText(kMiB, true)}};
    for (const Paste& paste : pastes) {
        SCOPED_TRACE(paste.box);
        tool.setText(paste.box, "");
        ASSERT_TRUE(putTextOnClipboard(paste.text));
        ASSERT_TRUE(tool.click(paste.box));
        ASSERT_TRUE(tool.focusReaches(paste.box));
        ASSERT_TRUE(tool.keyWith(VK_CONTROL, 'V'));
        EXPECT_TRUE(eventually([&] { return tool.text(paste.box).size() >= paste.text.size(); },
                               std::chrono::seconds(60)));
        EXPECT_TRUE(tool.text(paste.box) == paste.text)
            << "holds " << tool.text(paste.box).size() << " of " << paste.text.size() << " bytes";
    }
}

}  // namespace
}  // namespace cp::e2e
