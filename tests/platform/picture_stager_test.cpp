// Paste and clear of the picture with the real clipboard and files: the box and the staging
// file hold the same bytes, a failed save blanks the box and tells the user, and a paste
// that finds no picture leaves an empty file.
#include "platform/picture_stager.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/scoped_handles.h"
#include "platform/staging_file.h"
#include "tests/support/peer_process.h"

namespace {

using namespace cp;

// "图片保存失败：" and "错误提示！" in GBK.
const AnsiText kPictureNotSaved = "\xCD\xBC\xC6\xAC\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC\xA3\xBA";
const AnsiText kErrorTitle = "\xB4\xED\xCE\xF3\xCC\xE1\xCA\xBE\xA3\xA1";
// "/待发图片.bmp" in GBK.
const AnsiText kStagingSuffix = "/\xB4\xFD\xB7\xA2\xCD\xBC\xC6\xAC.bmp";

class BoxStandIn final : public PictureHolder {
  public:
    void setPicture(ByteBlock bytes) override { held = std::move(bytes); }
    const ByteBlock& heldBytes() const override { return held; }

    ByteBlock held;
};

class RecordingNotice final : public NoticeBox {
  public:
    void show(const AnsiText& text, const AnsiText& title) override {
        shown.emplace_back(text, title);
    }

    std::vector<std::pair<AnsiText, AnsiText>> shown;
};

void placeWithPeer(const std::string& command) {
    test::PeerProcess peer(command);
    ASSERT_TRUE(peer.isReady()) << command;
    ASSERT_EQ(peer.exitCode(), 0u) << command;
}

// False when the file is missing or cannot be read whole.
bool readWholeFile(const AnsiText& path, ByteBlock& bytes) {
    const win::File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bytes.assign(GetFileSize(file.get(), nullptr), 0);
    DWORD read = 0;
    return bytes.empty() ||
           (ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size());
}

class PictureStagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // "待发淺": the trail byte of the last character is 0x5C, a backslash.
        folder = runDirectory() + "\\staging \xB4\xFD\xB7\xA2\x9C\x5C" +
                 std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        path = stagingImagePath(folder);
    }
    void TearDown() override {
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }

    ByteBlock stagedBytes() const {
        ByteBlock bytes;
        EXPECT_TRUE(readWholeFile(path, bytes)) << "the staging file is missing";
        return bytes;
    }
    bool stagingFileExists() const {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    void pasteScreenshot(const std::string& widthHeightColour) {
        placeWithPeer("put-bitmap " + widthHeightColour);
        pastePicture(nullptr, box, path, notice);
    }

    AnsiText folder;
    AnsiText path;
    BoxStandIn box;
    RecordingNotice notice;
};

TEST_F(PictureStagerTest, PasteStagesExactlyWhatTheBoxHolds) {
    pasteScreenshot("7 5 0 3366CC");
    const ByteBlock first = box.held;
    EXPECT_EQ(first.size(), 54u + 28 * 5);
    EXPECT_EQ(stagedBytes(), first);

    pasteScreenshot("3 2 0 CC3366");  // smaller: nothing of the first may be left behind
    EXPECT_EQ(box.held.size(), 54u + 12 * 2);
    EXPECT_NE(box.held, first);
    EXPECT_EQ(stagedBytes(), box.held);
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(PictureStagerTest, PasteThatFindsNoPictureBlanksTheBoxAndEmptiesTheFile) {
    struct NoPictureCase {
        const char* what;
        std::string placeCommand;
        bool heldElsewhere;
    };
    const NoPictureCase cases[] = {
        {"text only", "put-text \"copied text\"", false},
        {"a bitmap of a depth no memory DC takes", "put-bitmap 4 4 8 336699", false},
        {"the clipboard held open elsewhere", "put-bitmap 4 4 0 336699", true},
    };
    for (const NoPictureCase& c : cases) {
        SCOPED_TRACE(c.what);
        pasteScreenshot("7 5 0 3366CC");
        ASSERT_FALSE(box.held.empty());
        placeWithPeer(c.placeCommand);
        if (c.heldElsewhere) {
            const test::PeerProcess holder("hold-clipboard 20000");
            ASSERT_TRUE(holder.isReady());
            pastePicture(nullptr, box, path, notice);
        } else {
            pastePicture(nullptr, box, path, notice);
        }
        EXPECT_TRUE(box.held.empty());
        EXPECT_TRUE(stagedBytes().empty());
        EXPECT_TRUE(notice.shown.empty());
    }
}

TEST_F(PictureStagerTest, PictureThatCannotBeSavedIsDroppedAndTheUserTold) {
    pasteScreenshot("7 5 0 3366CC");
    const ByteBlock saved = stagedBytes();
    placeWithPeer("put-bitmap 3 2 0 CC3366");
    {
        const test::PeerProcess holder("hold-file \"" + path + "\" 20000");
        ASSERT_TRUE(holder.isReady());
        pastePicture(nullptr, box, path, notice);
    }
    EXPECT_TRUE(box.held.empty()) << "no document may name a file holding another picture";
    ASSERT_EQ(notice.shown.size(), 1u);
    EXPECT_EQ(notice.shown[0].first, kPictureNotSaved + path);
    EXPECT_EQ(notice.shown[0].second, kErrorTitle);
    EXPECT_EQ(stagedBytes(), saved);
}

TEST_F(PictureStagerTest, NoPictureAndAFileThatCannotBeWrittenStaysSilent) {
    placeWithPeer("put-text \"copied text\"");
    const test::PeerProcess holder("hold-file \"" + path + "\" 20000");
    ASSERT_TRUE(holder.isReady());
    pastePicture(nullptr, box, path, notice);
    EXPECT_TRUE(box.held.empty());
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(PictureStagerTest, ClearBlanksTheBoxAndKeepsTheFile) {
    pasteScreenshot("7 5 0 3366CC");
    const ByteBlock pasted = box.held;
    clearPicture(box);
    EXPECT_TRUE(box.held.empty());
    EXPECT_EQ(stagedBytes(), pasted);
}

TEST_F(PictureStagerTest, DeleteRemovesTheFileAndAMissingFileIsNoError) {
    pasteScreenshot("2 2 0 000000");
    ASSERT_TRUE(stagingFileExists());
    deleteStagingFile(path);
    EXPECT_FALSE(stagingFileExists());
    deleteStagingFile(path);
    EXPECT_FALSE(stagingFileExists());
}

TEST_F(PictureStagerTest, WriteWholeFile) {
    struct WriteCase {
        const char* what;
        AnsiText path;
        ByteBlock data;
        bool written;
    };
    const ByteBlock longer(5000, 0xAB);
    ASSERT_TRUE(writeWholeFile(path, longer));
    const WriteCase cases[] = {
        {"replaces a longer file from its first byte", path, {1, 2, 3}, true},
        {"empty data leaves an empty file", path, {}, true},
        {"a whole picture", path, ByteBlock(70000, 0x5C), true},
        {"empty path", "", {1}, false},
        {"missing folder", folder + "\\missing\\x.bmp", {1}, false},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(writeWholeFile(c.path, c.data), c.written);
        ByteBlock onDisk;
        if (c.written) {
            ASSERT_TRUE(readWholeFile(c.path, onDisk));
            EXPECT_EQ(onDisk, c.data);
        }
    }
}

TEST(StagingPaths, RunDirectoryIsTheProgramsFolder) {
    const AnsiText directory = runDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    const DWORD attributes = GetFileAttributesA((directory + "\\platform_tests.exe").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(StagingPaths, RunDirectoryIgnoresTheCurrentDirectory) {
    const AnsiText before = runDirectory();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(runDirectory(), before);
    SetCurrentDirectoryA(current);
}

TEST(StagingPaths, StagingImageSitsInTheRunDirectory) {
    EXPECT_EQ(stagingImagePath("C:\\tools"), "C:\\tools" + kStagingSuffix);
    EXPECT_EQ(stagingImagePath("C:"), "C:" + kStagingSuffix);
    const AnsiText here = stagingImagePath(runDirectory());
    EXPECT_EQ(here, runDirectory() + kStagingSuffix);
}

}  // namespace
