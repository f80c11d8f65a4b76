// The generate button: the document on the clipboard, the preview in the read-out box, and
// the refusals with their message boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_documents.h"
#include "started_tool.h"
#include "test_pictures.h"
#include "user_input.h"

namespace cp::e2e {
namespace {

using C = ControlId;

// A product as a user fills it in, links copied from the marketplace's pages.
const FormTexts kBlanketForm = {
    "【冬季新款】加厚珊瑚绒毛毯 双人床盖毯",
    "129",
    "39.9",
    "https://taoquan.taobao.com/coupon/unify_apply.htm?sellerId=2200812345678&activityId="
    "8f3c2a1b9d7e4c6f",
    "https://detail.tmall.com/item.htm?spm=a230r.1.14.16.5d3c6f1bQwErTy&id=561234567890&ns=1&"
    "abbucket=7",
    "",
    "天冷了，盖上就不想起床！\r\n领券立减90元，手慢无",
};

TEST_F(StartedTool, GenerateOfAFilledFormPublishesTheDocumentAndShowsThePreview) {
    ASSERT_TRUE(pastePicture(tool, patternBitmap(40, 30, screenDepth())));
    tool.fill(kBlanketForm);
    tool.setText(C::编辑框9, "typed into the read-out box before generating");
    ASSERT_TRUE(putTextOnClipboard("on the clipboard before generating"));

    tool.push(C::按钮1);

    const std::string picturePath = tool.folder().path() + "/待发图片.bmp";
    const std::string expectedDocument = richDocument(
        imageElement(picturePath) +
        textElement("\r\n【冬季新款】加厚珊瑚绒毛毯 双人床盖毯"
                    "\r\n原价129元   券后39.9元"
                    "\r\n优惠券：http://shop.m.taobao.com/shop/coupon.htm?sellerId=2200812345678"
                    "&activityId=8f3c2a1b9d7e4c6f"
                    "\r\n下单：https://detail.tmall.com/item.htm?id=561234567890"
                    "\r\n------------------------------------"
                    "\r\n天冷了，盖上就不想起床！\r\n领券立减90元，手慢无"));
    const std::string expectedPreview =
        picturePath +
        "\r\n【冬季新款】加厚珊瑚绒毛毯 双人床盖毯\r\n"
        "原价129元   券后39.9元\r\n"
        "优惠券：http://shop.m.taobao.com/shop/coupon.htm?sellerId=2200812345678"
        "&activityId=8f3c2a1b9d7e4c6f\r\n"
        "下单：https://detail.tmall.com/item.htm?id=561234567890\r\n"
        "------------------------------------\r\n"
        "天冷了，盖上就不想起床！\r\n领券立减90元，手慢无";

    const std::optional<ClipboardBlock> document = waitForRichDocument();
    ASSERT_TRUE(document.has_value()) << "no QQ_RichEdit_Format on the clipboard";
    EXPECT_EQ(document->text, expectedDocument);
    EXPECT_EQ(document->blockSize, expectedDocument.size() + 1) << "the document and one zero";
    EXPECT_EQ(clipboardFormats(), std::vector<UINT>{richFormat()}) << "the only format offered";
    EXPECT_TRUE(eventually([&] { return tool.text(C::编辑框9) == expectedPreview; }))
        << tool.text(C::编辑框9);

    // Unchanged form, generated again: the same preview once, not twice.
    ASSERT_TRUE(putTextOnClipboard("between the two generates"));
    tool.push(C::按钮1);
    const std::optional<ClipboardBlock> again = waitForRichDocument();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->text, expectedDocument);
    tool.settle();
    EXPECT_EQ(tool.text(C::编辑框9), expectedPreview);
}

struct Refusal {
    const char* why;
    FormTexts form;
    const char* message;
    const char* title;
    const char* previewLeft;  // what the composer wrote before it gave up
    WORD closingKey;
};

TEST_F(StartedTool, RefusedGenerateShowsWhyAndLeavesTheClipboardAlone) {
    const char* goodCoupon =
        "https://taoquan.taobao.com/coupon/unify_apply_result.htm?sellerId=1&activityId=2";
    const char* goodOrder = "https://item.taobao.com/item.htm?spm=a1z10.1&id=600123456789&ns=1";
    const Refusal refusals[] = {
        {"an empty form", {}, "请填写数据后生成！", "提示", "", VK_RETURN},
        {"only a coupon link, which alone is not used",
         {"", "", "", goodCoupon, "", "", ""},
         "请填写数据后生成！",
         "提示",
         "",
         VK_RETURN},
        {"a coupon link of no known coupon page",
         {"珊瑚绒毛毯", "", "", "https://taoquan.taobao.com/coupon/list.htm?id=1", goodOrder, "",
          ""},
         "优惠券地址格式错误！",
         "错误提示！",
         "珊瑚绒毛毯\r\n",
         VK_RETURN},
        {"an order link to another shop, closed with Esc",
         {"", "", "", goodCoupon, "https://item.jd.com/item.htm?spm=1&id=100012&x=2", "", ""},
         "下单地址格式错误！",
         "错误提示！",
         "优惠券：http://shop.m.taobao.com/shop/coupon.htm?sellerId=1&activityId=2\r\n",
         VK_ESCAPE},
    };
    const std::string placedBefore = "placed on the clipboard by another program";
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.why);
        ASSERT_TRUE(putTextOnClipboard(placedBefore));
        tool.fill(refusal.form);

        tool.push(C::按钮1);

        const std::optional<MessageBoxView> box = waitForMessageBox(tool.processId());
        ASSERT_TRUE(box.has_value()) << "no message box";
        EXPECT_EQ(box->title, refusal.title);
        EXPECT_EQ(box->text, refusal.message);
        EXPECT_EQ(box->buttonCount, 1) << "OK only";
        EXPECT_EQ(tool.text(C::编辑框9), refusal.previewLeft);

        ASSERT_TRUE(bringToFront(box->dialog));
        pressKey(refusal.closingKey);
        ASSERT_TRUE(eventually([&] { return !IsWindow(box->dialog); })) << "the box stays open";
        tool.settle();
        EXPECT_TRUE(tool.running()) << "closing the box must not close the tool";
        const std::optional<ClipboardBlock> text = clipboardBlock(CF_TEXT);
        ASSERT_TRUE(text.has_value()) << "the clipboard lost the text placed before";
        EXPECT_EQ(text->text, placedBefore);
        EXPECT_FALSE(clipboardBlock(richFormat()).has_value());
    }
}

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return static_cast<LRESULT>(answer);
}

TEST_F(StartedTool, GenerateShowsTheEndOfALongPreview) {
    std::string copyText;
    for (int line = 1; line <= 40; ++line) copyText += "第" + std::to_string(line) + "行\r\n";
    copyText += "最后一行";
    tool.setText(C::编辑框7, copyText);
    ASSERT_TRUE(putTextOnClipboard("before generating"));

    tool.push(C::按钮1);

    ASSERT_TRUE(waitForRichDocument().has_value());
    const std::string preview = "------------------------------------\r\n" + copyText;
    ASSERT_TRUE(eventually([&] { return tool.text(C::编辑框9) == preview; }));
    const HWND box = tool.control(C::编辑框9);
    const LRESULT lastLine = ask(box, EM_GETLINECOUNT) - 1;
    const LRESULT lastLineStart = ask(box, EM_LINEINDEX, static_cast<WPARAM>(lastLine));
    const LRESULT place = ask(box, EM_POSFROMCHAR, static_cast<WPARAM>(lastLineStart));
    const int top = static_cast<short>(HIWORD(place));
    RECT client{};
    GetClientRect(box, &client);
    EXPECT_GT(ask(box, EM_GETFIRSTVISIBLELINE), 0) << "scrolled down";
    EXPECT_TRUE(top >= 0 && top < client.bottom)
        << "the last line at " << top << " in a box " << client.bottom << " high";
}

}  // namespace
}  // namespace cp::e2e
