#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/app/shell_fixture.h"

namespace {

using DocumentTest = ShellTest;

const char kBitmapPrompt[] = "Bitmap への変更を保存しますか?";

void WriteText(const std::string& path, const char* text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST_F(DocumentTest, OpenEntersTheOpenedStateAndShowsTheReport) {
    std::string path = WriteBitmap("pic.bmp", 3, 2, 8, 16);
    fake.editorOpen = 1;
    Open(path);
    ASSERT_NE(shell.document.image, nullptr);
    EXPECT_STREQ(shell.document.path, path.c_str());
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
    EXPECT_TRUE(fake.messages.empty());
    ExpectImageItems(true);
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewEditColorTable));
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);
    ASSERT_NE(shell.report.SummaryCache().Data(), nullptr);
    EXPECT_EQ(fake.reportText, shell.report.SummaryCache().Data());
    EXPECT_EQ(fake.editorOpen, 0);
    EXPECT_EQ(fake.openContexts, 0);
}

TEST_F(DocumentTest, ImageWithoutColorTableGraysTheEditorAndKeepsTheSnapshot) {
    Open(WriteBitmap("pal.bmp", 2, 2, 4, 16));
    Open(WriteBitmap("rgb.bmp", 2, 2, 24, 0));
    EXPECT_EQ(fake.title, "Korvane - [rgb.bmp]");
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewEditColorTable));
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);
}

TEST_F(DocumentTest, ImageViewRepaintsInsteadOfShowingTheReport) {
    settings.ViewData = 1;
    Open(WriteBitmap("pic.bmp", 2, 2, 1, 2));
    EXPECT_EQ(fake.repaints, 1);
    EXPECT_EQ(fake.reportTextSets, 0);
}

TEST_F(DocumentTest, MissingFileChangesNothing) {
    Open(PathOf("none.bmp"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "The file doesn't exist!");
    EXPECT_EQ(fake.messages[0].caption, "Korvane");
    EXPECT_EQ(fake.messages[0].style, MessageStyle::kError);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.title, "Korvane");
    ExpectImageItems(false);
}

TEST_F(DocumentTest, FailedOpenKeepsTheCurrentDocumentWholeImageIncluded) {
    std::string good = WriteBitmap("good.bmp", 4, 4, 8, 256);
    Open(good);
    shell.document.dirty = 1;
    updateTitle(shell, shell.document.path, 1);
    fake.answers.push_back(Answer::kNo);
    BitmapImage* before = shell.document.image;
    std::string report = fake.reportText;
    std::string bad = PathOf("bad.bmp");
    WriteText(bad, "not a bitmap at all");
    fake.editorOpen = 1;
    Open(bad);
    ASSERT_EQ(fake.messages.size(), 2u);  // the prompt, then the error
    EXPECT_EQ(fake.messages[1].text, "Loading error!");
    EXPECT_EQ(fake.messages[1].caption, bad);
    EXPECT_EQ(fake.messages[1].style, MessageStyle::kError);
    EXPECT_EQ(shell.document.image, before);
    EXPECT_STREQ(shell.document.path, good.c_str());
    EXPECT_EQ(fake.title, "Korvane - [good.bmp *]");
    EXPECT_EQ(fake.reportText, report);
    EXPECT_EQ(shell.document.snapshot.GetCount(), 256u);
    ExpectImageItems(true);
    EXPECT_EQ(fake.editorOpen, 1);
    EXPECT_EQ(fake.openContexts, 0);
}

TEST_F(DocumentTest, NewMakesABitmapOfEachMode) {
    struct Case {
        int mode;
        uint32_t entries;
        uint16_t bits;
    } cases[] = {{0, 2, 1}, {1, 16, 4}, {2, 256, 8}, {3, 0, 24}, {2, 7, 8}};
    for (const Case& c : cases) {
        New(5, 3, c.mode, c.entries);
        ASSERT_NE(shell.document.image, nullptr);
        uint8_t info[40] = {};
        shell.document.image->GetHeaders(nullptr, info);
        EXPECT_EQ(info[14] | info[15] << 8, c.bits) << c.mode;
        EXPECT_EQ(shell.document.image->GetColorCount(), c.entries);
        EXPECT_STREQ(shell.document.path, "Bitmap");
        EXPECT_EQ(fake.title, "Korvane - [Bitmap]");
        EXPECT_EQ(fake.IsGrayed(kMenuView, kViewEditColorTable), c.entries == 0);
        ExpectImageItems(true);
        fake.answers.push_back(Answer::kNo);  // the next New asks about this one
    }
    EXPECT_EQ(fake.messages.size(), 4u);
}

TEST_F(DocumentTest, FailedNewKeepsTheCurrentDocument) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 4);
    Open(path);
    BitmapImage* before = shell.document.image;
    New(8, 8, 3, 5);  // full colour takes no entries
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Creating error!");
    EXPECT_EQ(fake.messages[0].caption, "Korvane");
    New(0, 8, 2, 256);
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(shell.document.image, before);
    EXPECT_STREQ(shell.document.path, path.c_str());
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
}

TEST_F(DocumentTest, NewImageDialogRemembersValuesAfterCancel) {
    EXPECT_EQ(fake.shownNewValues.size(), 0u);
    fake.newDialogScript.push_back([](NewImageSettings& v) {
        v.width = 40;
        v.height = 30;
        v.entryCount = 16;
        v.modeIndex = 1;
        return 0;
    });
    Run(ID_FILE_NEW);
    EXPECT_EQ(shell.document.image, nullptr);
    Run(ID_FILE_NEW);  // cancelled again, showing the remembered values
    ASSERT_EQ(fake.shownNewValues.size(), 2u);
    const NewImageSettings& first = fake.shownNewValues[0];
    EXPECT_EQ(first.width, 256u);
    EXPECT_EQ(first.height, 256u);
    EXPECT_EQ(first.entryCount, 256u);
    EXPECT_EQ(first.modeIndex, 2);
    const NewImageSettings& second = fake.shownNewValues[1];
    EXPECT_EQ(second.width, 40u);
    EXPECT_EQ(second.height, 30u);
    EXPECT_EQ(second.entryCount, 16u);
    EXPECT_EQ(second.modeIndex, 1);
}

TEST_F(DocumentTest, ColorModes) {
    const char* texts[] = {"白黒", "16色", "256色", "ﾌﾙｶﾗｰ"};
    uint32_t bits[] = {1, 4, 8, 24};
    uint32_t entries[] = {2, 16, 256, 0};
    for (int i = 0; i < kColorModeCount; ++i) {
        EXPECT_STREQ(ColorModeText(i), texts[i]);
        EXPECT_EQ(ColorModeBitsPerPixel(i), bits[i]);
        EXPECT_EQ(ColorModeEntryCount(i), entries[i]);
    }
    EXPECT_EQ(ColorModeBitsPerPixel(4), 0u);
    EXPECT_EQ(ColorModeBitsPerPixel(-1), 0u);
}

TEST_F(DocumentTest, CleanDocumentAsksNoQuestion) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    Open(path);
    Open(path);
    Run(ID_FILE_SAVE);
    fake.savePaths.push_back("");
    Run(ID_FILE_SAVE_AS);
    Run(ID_FILE_NEW);  // dialog cancelled
    Run(ID_FILE_CLOSE);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(confirmDiscard(shell), Answer::kNoQuestion);
}

TEST_F(DocumentTest, CloseReturnsToNoDocument) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    fake.editorOpen = 1;
    settings.ViewData = 1;
    int repaints = fake.repaints;
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_STREQ(shell.document.path, "");
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_EQ(shell.document.snapshot.GetCount(), 0u);
    EXPECT_EQ(shell.report.SummaryCache().Length(), 0);
    EXPECT_EQ(fake.title, "Korvane");
    EXPECT_EQ(fake.reportText, "");
    EXPECT_EQ(fake.editorOpen, 0);
    EXPECT_EQ(fake.repaints, repaints + 1);
    ExpectImageItems(false);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewEditColorTable));
}

TEST_F(DocumentTest, ClosingANewImageAlwaysPrompts) {
    New(2, 2, 0, 2);
    fake.answers.push_back(Answer::kCancel);
    Run(ID_FILE_CLOSE);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kBitmapPrompt);
    EXPECT_EQ(fake.messages[0].caption, "Korvane");
    EXPECT_EQ(fake.messages[0].style, MessageStyle::kSavePrompt);
    EXPECT_NE(shell.document.image, nullptr);  // Cancel keeps it
    fake.answers.push_back(Answer::kNo);
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_TRUE(fake.saveDialogs == 0);
}

TEST_F(DocumentTest, YesWhoseSaveDialogIsCancelledKeepsTheDocument) {
    New(2, 2, 0, 2);
    BitmapImage* image = shell.document.image;
    for (int command : {ID_FILE_CLOSE, ID_FILE_OPEN, ID_FILE_NEW}) {
        fake.answers.push_back(Answer::kYes);
        fake.savePaths.push_back("");
        Run(command);
        EXPECT_EQ(shell.document.image, image);
        EXPECT_STREQ(shell.document.path, "Bitmap");
        EXPECT_EQ(shell.document.dirty, 0);
    }
    EXPECT_EQ(fake.saveDialogs, 3);
    EXPECT_EQ(fake.openDialogs, 0);
    EXPECT_EQ(fake.newDialogs, 1);
    // Closing the window stops the same way.
    fake.answers.push_back(Answer::kYes);
    OnClose(shell);
    EXPECT_EQ(fake.destroys, 0);
}

TEST_F(DocumentTest, YesWhoseWriteFailsKeepsTheDocumentDirty) {
    std::filesystem::create_directory(PathOf("sub"));
    std::string path = WriteBitmap("sub/pic.bmp", 2, 2, 8, 2);
    Open(path);
    shell.document.dirty = 1;
    updateTitle(shell, shell.document.path, 1);
    std::filesystem::remove_all(PathOf("sub"));  // nowhere to write now
    fake.answers.push_back(Answer::kYes);
    Run(ID_FILE_CLOSE);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "pic.bmp への変更を保存しますか?");
    EXPECT_EQ(fake.messages[1].text, "Saving error!");
    EXPECT_EQ(fake.messages[1].caption, "Korvane");
    EXPECT_NE(shell.document.image, nullptr);
    EXPECT_EQ(shell.document.dirty, 1);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
    fake.answers.push_back(Answer::kYes);
    OnClose(shell);
    EXPECT_EQ(fake.destroys, 0);
}

TEST_F(DocumentTest, YesSavesANewImageAndTheCommandGoesOn) {
    New(4, 2, 0, 2);
    std::string target = PathOf("saved.bmp");
    fake.answers.push_back(Answer::kYes);
    fake.savePaths.push_back(target);
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.title, "Korvane");
    std::vector<uint8_t> bytes = ReadBytes(target);
    // 14 + 40 + 2 entries of 4 bytes, then two rows of 4 bytes.
    ASSERT_EQ(bytes.size(), 70u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(fake.sent, (std::vector<int>{ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE}));
}

TEST_F(DocumentTest, NoThenCancelledOpenLeavesTheDocumentClean) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    shell.document.dirty = 1;
    fake.answers.push_back(Answer::kNo);
    Open("");
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_NE(shell.document.image, nullptr);
}

TEST_F(DocumentTest, SaveOnACleanFileWritesNothing) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    Open(path);
    WriteText(path, "changed on disk");
    Run(ID_FILE_SAVE);
    EXPECT_TRUE(fake.messages.empty());
    std::vector<uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "changed on disk");
}

TEST_F(DocumentTest, SaveWritesAndClearsTheMark) {
    std::string source = WriteBitmap("pic.bmp", 3, 3, 4, 16);
    std::vector<uint8_t> original = ReadBytes(source);
    Open(source);
    shell.document.dirty = 1;
    updateTitle(shell, shell.document.path, 1);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
    WriteText(source, "x");
    Run(ID_FILE_SAVE);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_EQ(ReadBytes(source), original);
}

TEST_F(DocumentTest, SaveAsWritesEvenACleanDocumentAndAdoptsTheName) {
    std::string source = WriteBitmap("pic.bmp", 3, 3, 1, 2);
    Open(source);
    std::string target = PathOf("copy.bmp");
    fake.savePaths.push_back(target);
    Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(target), ReadBytes(source));
    EXPECT_STREQ(shell.document.path, target.c_str());
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_EQ(fake.title, "Korvane - [copy.bmp]");
}

TEST_F(DocumentTest, FailedSaveAsKeepsPathDirtyAndTitle) {
    New(2, 2, 1, 16);
    fake.savePaths.push_back(PathOf("missing/x.bmp"));
    Run(ID_FILE_SAVE_AS);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Saving error!");
    EXPECT_STREQ(shell.document.path, "Bitmap");
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_EQ(fake.title, "Korvane - [Bitmap]");

    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    fake.answers.push_back(Answer::kNo);
    Open(path);
    shell.document.dirty = 1;
    updateTitle(shell, shell.document.path, 1);
    fake.savePaths.push_back(PathOf("missing/y.bmp"));
    Run(ID_FILE_SAVE_AS);
    EXPECT_STREQ(shell.document.path, path.c_str());
    EXPECT_EQ(shell.document.dirty, 1);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
}

// The editor stays usable while the error box is up; a change applied then is not lost.
TEST_F(DocumentTest, ChangeMadeWhileSaveAsFailsKeepsTheDocumentDirty) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    Open(path);
    fake.savePaths.push_back(PathOf("missing/z.bmp"));
    fake.duringMessage = [this] { MarkChanged(shell.document); };
    Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(fake.messages.back().text, "Saving error!");
    EXPECT_STREQ(shell.document.path, path.c_str());
    EXPECT_EQ(shell.document.dirty, 1);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
}

TEST_F(DocumentTest, ExitWhoseSaveFailsKeepsTheProgramRunning) {
    std::filesystem::create_directory(PathOf("sub"));
    Open(WriteBitmap("sub/pic.bmp", 2, 2, 8, 2));
    MarkChanged(shell.document);
    std::filesystem::remove_all(PathOf("sub"));
    fake.answers.push_back(Answer::kYes);
    Run(ID_FILE_EXIT);
    EXPECT_EQ(fake.messages.back().text, "Saving error!");
    EXPECT_EQ(fake.destroys, 0);
    EXPECT_NE(shell.document.image, nullptr);
    EXPECT_EQ(shell.document.dirty, 1);
}

TEST_F(DocumentTest, SaveCommandsNeedAnImage) {
    shell.document.dirty = 1;
    CopyPath(shell.document.path, "Bitmap");
    Run(ID_FILE_SAVE);
    Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(fake.saveDialogs, 0);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.sent.empty());
}

TEST_F(DocumentTest, ExitAsksLikeClosingTheWindow) {
    New(2, 2, 0, 2);
    fake.answers.push_back(Answer::kCancel);
    Run(ID_FILE_EXIT);
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.destroys, 0);
    EXPECT_NE(shell.document.image, nullptr);
    fake.answers.push_back(Answer::kNo);
    fake.editorOpen = 1;
    Run(ID_FILE_EXIT);
    EXPECT_EQ(fake.destroys, 1);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.editorOpen, 0);
    EXPECT_EQ(shell.mainWindowDestroyed, 1);
    EXPECT_EQ(fake.quits, 1);
}

TEST_F(DocumentTest, ExitOnACleanDocumentAsksNothing) {
    Run(ID_FILE_EXIT);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(fake.destroys, 1);
}

TEST_F(DocumentTest, TitleOfADoubleByteNameWithABackslashTrailByte) {
    std::string path = "C:\\dir\\表.bmp";
    updateTitle(shell, path.c_str(), 0);
    EXPECT_EQ(fake.title, "Korvane - [表.bmp]");
    updateTitle(shell, path.c_str(), 1);
    EXPECT_EQ(fake.title, "Korvane - [表.bmp *]");
    CopyPath(shell.document.path, path.c_str());
    shell.document.dirty = 1;
    fake.answers.push_back(Answer::kCancel);
    EXPECT_EQ(confirmDiscard(shell), Answer::kCancel);
    EXPECT_EQ(fake.messages.back().text, "表.bmp への変更を保存しますか?");
}

}  // namespace
