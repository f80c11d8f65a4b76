// The rich document on the real clipboard: the only format, the payload plus one zero
// byte, replaced by the next publish, untouched and reported while another program holds the
// clipboard.
#include "platform/clipboard_publisher.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/clipboard.h"
#include "tests/support/peer_process.h"

namespace {

using namespace cp;
using test::clipboardBlock;
using test::clipboardFormats;

const AnsiText kDocument =
    "<QQRichEditFormat><Info version=\"1001\"></Info><EditElement type=\"0\"><![CDATA["
    "新款保温杯\r\n原价99元   券后39元\r\n]]></EditElement></QQRichEditFormat>";

UINT qqFormat() {
    return RegisterClipboardFormatA("QQ_RichEdit_Format");
}

// The block holds payload and one zero byte; GlobalSize may round the block up.
void expectBlockHolds(const ByteBlock& block, const AnsiText& payload) {
    ASSERT_GE(block.size(), payload.size() + 1);
    EXPECT_EQ(AnsiText(block.begin(), block.begin() + payload.size()), payload);
    EXPECT_EQ(block[payload.size()], 0);
}

class PublisherTest : public ::testing::Test {
  protected:
    void SetUp() override { publisher.registerRichFormat(); }

    ClipboardPublisher publisher;
};

TEST(ClipboardPublisherFormat, IsRegisteredUnderTheQqName) {
    ClipboardPublisher publisher;
    EXPECT_EQ(publisher.richFormatId(), 0u);
    publisher.registerRichFormat();
    EXPECT_GE(publisher.richFormatId(), 0xC000u) << "a registered format, not a standard one";
    EXPECT_EQ(publisher.richFormatId(), qqFormat());
}

TEST_F(PublisherTest, OffersOnlyTheRichFormatHoldingPayloadAndZero) {
    const AnsiText payloads[] = {kDocument, "x", AnsiText(100000, 'q'), "\xB4\xFD\xB7\xA2"};
    for (const AnsiText& payload : payloads) {
        SCOPED_TRACE(payload.substr(0, 40));
        ASSERT_TRUE(test::putTextOnClipboard("plain text first"));
        EXPECT_TRUE(publisher.publishRichPayload(payload));
        EXPECT_EQ(clipboardFormats(), std::vector<UINT>{qqFormat()});
        expectBlockHolds(clipboardBlock(qqFormat()), payload);
    }
}

TEST_F(PublisherTest, SecondPublishReplacesTheFirst) {
    EXPECT_TRUE(publisher.publishRichPayload(AnsiText(5000, 'a')));
    EXPECT_TRUE(publisher.publishRichPayload(kDocument));
    EXPECT_EQ(clipboardFormats(), std::vector<UINT>{qqFormat()});
    expectBlockHolds(clipboardBlock(qqFormat()), kDocument);
}

TEST_F(PublisherTest, EmptyPayloadLeavesTheClipboardAlone) {
    ASSERT_TRUE(test::putTextOnClipboard("kept"));
    const DWORD before = GetClipboardSequenceNumber();
    EXPECT_FALSE(publisher.publishRichPayload("")) << "nothing was published";
    EXPECT_EQ(GetClipboardSequenceNumber(), before);
    expectBlockHolds(clipboardBlock(CF_TEXT), "kept");
}

TEST_F(PublisherTest, ClipboardHeldByAnotherProgramStaysAsItWas) {
    struct Previous {
        const char* what;
        bool rich;
        AnsiText content;
    };
    const Previous cases[] = {{"an earlier document", true, kDocument},
                              {"plain text", false, "copied elsewhere"}};
    for (const Previous& previous : cases) {
        SCOPED_TRACE(previous.what);
        if (previous.rich)
            ASSERT_TRUE(publisher.publishRichPayload(previous.content));
        else
            ASSERT_TRUE(test::putTextOnClipboard(previous.content));
        const UINT format = previous.rich ? qqFormat() : CF_TEXT;
        const std::vector<UINT> formatsBefore = clipboardFormats();
        const DWORD before = GetClipboardSequenceNumber();
        {
            test::PeerProcess holder("hold-clipboard 20000");
            ASSERT_TRUE(holder.isReady());
            EXPECT_FALSE(publisher.publishRichPayload("<QQRichEditFormat>new</QQRichEditFormat>"))
                << "a document that did not reach the clipboard must be reported";
            holder.release();
            EXPECT_EQ(holder.exitCode(), 0u);
        }
        EXPECT_EQ(GetClipboardSequenceNumber(), before);
        EXPECT_EQ(clipboardFormats(), formatsBefore);
        expectBlockHolds(clipboardBlock(format), previous.content);
    }
}

TEST(ClipboardPublisherUnregistered, PublishEmptiesTheClipboardAndPlacesNothing) {
    const ClipboardPublisher unregistered;
    ASSERT_TRUE(test::putTextOnClipboard("copied elsewhere"));
    EXPECT_FALSE(unregistered.publishRichPayload(kDocument));
    EXPECT_TRUE(clipboardFormats().empty());
}

}  // namespace
