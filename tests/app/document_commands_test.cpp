#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/app/shell_fixture.h"

namespace {

using DocumentTest = ShellTest;

void WriteText(const std::string& path, const char* text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST_F(DocumentTest, OpenAdoptsTheFileAndShowsItsReport) {
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

    // An image without colour table grays the editor item and keeps the last table taken.
    Open(WriteBitmap("rgb.bmp", 2, 2, 24, 0));
    EXPECT_EQ(fake.title, "Korvane - [rgb.bmp]");
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewEditColorTable));
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);

    // In the image view the window is repainted instead.
    settings.ViewData = 1;
    int sets = fake.reportTextSets;
    Open(path);
    EXPECT_EQ(fake.repaints, 1);
    EXPECT_EQ(fake.reportTextSets, sets);
}

// Leaving the document asks only when it holds unsaved work: a new image or a changed file.
// Cancel then keeps everything, whichever command asked.
TEST_F(DocumentTest, EachStateAsksOnlyForUnsavedWork) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    const struct {
        const char* title;
        const char* prompt;  // none: no question
    } kStates[] = {{"Korvane", nullptr},
                   {"Korvane - [pic.bmp]", nullptr},
                   {"Korvane - [Bitmap]", "Bitmap への変更を保存しますか?"},
                   {"Korvane - [pic.bmp *]", "pic.bmp への変更を保存しますか?"}};
    for (int state = 0; state < 4; ++state) {
        SCOPED_TRACE(kStates[state].title);
        fake.answers = {Answer::kNo};
        Run(ID_FILE_CLOSE);
        if (state == 1 || state == 3) {
            Open(path);
        } else if (state == 2) {
            New(2, 2, 0, 2);
        }
        if (state == 3) {
            MarkChanged(shell.document);
            updateTitle(shell, shell.document.path, 1);
        }
        EXPECT_EQ(fake.title, kStates[state].title);
        ExpectImageItems(state != 0);
        fake.messages.clear();
        fake.answers.clear();
        fake.openDialogs = fake.newDialogs = 0;
        BitmapImage* image = shell.document.image;
        if (kStates[state].prompt == nullptr) {
            EXPECT_EQ(confirmDiscard(shell), Answer::kNoQuestion);
            Run(ID_FILE_OPEN);  // both dialogs cancelled
            Run(ID_FILE_NEW);
            EXPECT_TRUE(fake.messages.empty());
            EXPECT_EQ(fake.openDialogs + fake.newDialogs, 2);
            continue;
        }
        for (int command : kLeaving) {
            fake.answers.push_back(Answer::kCancel);
            Leave(command);
            ASSERT_EQ(fake.messages.size(), 1u) << command;
            EXPECT_EQ(fake.messages[0].text, kStates[state].prompt);
            EXPECT_EQ(fake.messages[0].caption, "Korvane");
            EXPECT_EQ(fake.messages[0].style, MessageStyle::kSavePrompt);
            fake.messages.clear();
            EXPECT_EQ(shell.document.image, image);
            EXPECT_EQ(shell.document.dirty, state == 3);
            EXPECT_EQ(fake.title, kStates[state].title);
        }
        EXPECT_EQ(fake.openDialogs + fake.newDialogs + fake.saveDialogs + fake.destroys, 0);
    }
}

TEST_F(DocumentTest, FailedOpenOrNewKeepsTheDocumentWhole) {
    Open(PathOf("none.bmp"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "The file doesn't exist!");
    EXPECT_EQ(fake.messages[0].caption, "Korvane");
    EXPECT_EQ(fake.messages[0].style, MessageStyle::kError);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.title, "Korvane");
    ExpectImageItems(false);

    std::string good = WriteBitmap("good.bmp", 4, 4, 8, 256);
    Open(good);
    MarkChanged(shell.document);
    updateTitle(shell, shell.document.path, 1);
    fake.messages.clear();
    fake.answers.push_back(Answer::kNo);
    BitmapImage* before = shell.document.image;
    std::string report = fake.reportText;
    std::string bad = PathOf("bad.bmp");
    WriteText(bad, "not a bitmap at all");
    fake.editorOpen = 1;  // its image is untouched, so it may stay open
    Open(bad);
    New(8, 8, 3, 5);  // full colour takes no entries
    New(0, 8, 2, 256);
    ASSERT_EQ(fake.messages.size(), 4u);  // the prompt, then the errors
    EXPECT_EQ(fake.messages[1].text, "Loading error!");
    EXPECT_EQ(fake.messages[1].caption, bad);
    EXPECT_EQ(fake.messages[1].style, MessageStyle::kError);
    for (int i : {2, 3}) {
        EXPECT_EQ(fake.messages[i].text, "Creating error!");
        EXPECT_EQ(fake.messages[i].caption, "Korvane");
    }
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
    const struct {
        int mode;
        const char* text;
        uint32_t entries;
        uint16_t bits;
    } cases[] = {{0, "白黒", 2, 1}, {1, "16色", 16, 4}, {2, "256色", 256, 8}, {3, "ﾌﾙｶﾗｰ", 0, 24}, {2, "256色", 7, 8}};
    for (const auto& c : cases) {
        EXPECT_STREQ(ColorModeText(c.mode), c.text);
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
    EXPECT_EQ(ColorModeBitsPerPixel(4), 0u);
    EXPECT_EQ(ColorModeBitsPerPixel(-1), 0u);
}

TEST_F(DocumentTest, NewImageDialogRemembersValuesAfterCancel) {
    fake.newDialogScript.push_back([](NewImageSettings& v) {
        v = {40, 30, 16, 1};
        return 0;
    });
    Run(ID_FILE_NEW);
    EXPECT_EQ(shell.document.image, nullptr);
    Run(ID_FILE_NEW);  // cancelled again, showing the remembered values
    ASSERT_EQ(fake.shownNewValues.size(), 2u);
    const NewImageSettings& first = fake.shownNewValues[0];
    EXPECT_EQ(std::vector<uint32_t>({first.width, first.height, first.entryCount}),
              std::vector<uint32_t>({256, 256, 256}));
    EXPECT_EQ(first.modeIndex, 2);
    const NewImageSettings& second = fake.shownNewValues[1];
    EXPECT_EQ(std::vector<uint32_t>({second.width, second.height, second.entryCount}),
              std::vector<uint32_t>({40, 30, 16}));
    EXPECT_EQ(second.modeIndex, 1);
}

TEST_F(DocumentTest, CloseReturnsToNoDocument) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    fake.editorOpen = 1;
    settings.ViewData = 1;
    int repaints = fake.repaints;
    Run(ID_FILE_CLOSE);
    EXPECT_TRUE(fake.messages.empty());
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

TEST_F(DocumentTest, NoDropsTheChangesAndTheCommandGoesOn) {
    New(2, 2, 0, 2);
    fake.answers.push_back(Answer::kNo);
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.saveDialogs, 0);

    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    MarkChanged(shell.document);
    fake.answers.push_back(Answer::kNo);
    Open("");  // open dialog cancelled
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_NE(shell.document.image, nullptr);
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

// Yes counts only when its save succeeds; otherwise it is Cancel and nothing is lost.
TEST_F(DocumentTest, YesWhoseSaveDialogIsCancelledKeepsTheDocument) {
    New(2, 2, 0, 2);
    BitmapImage* image = shell.document.image;
    fake.newDialogs = 0;
    for (int command : kLeaving) {
        fake.answers.push_back(Answer::kYes);
        fake.savePaths.push_back("");
        Leave(command);
        EXPECT_EQ(shell.document.image, image);
        EXPECT_STREQ(shell.document.path, "Bitmap");
    }
    EXPECT_EQ(fake.saveDialogs, 5);
    EXPECT_EQ(fake.openDialogs + fake.newDialogs + fake.destroys, 0);
}

TEST_F(DocumentTest, YesWhoseWriteFailsKeepsTheDocumentDirty) {
    std::filesystem::create_directory(PathOf("sub"));
    Open(WriteBitmap("sub/pic.bmp", 2, 2, 8, 2));
    MarkChanged(shell.document);
    updateTitle(shell, shell.document.path, 1);
    std::filesystem::remove_all(PathOf("sub"));  // nowhere to write now
    fake.openDialogs = 0;
    for (int command : kLeaving) {
        fake.messages.clear();
        fake.answers.push_back(Answer::kYes);
        Leave(command);
        ASSERT_EQ(fake.messages.size(), 2u);
        EXPECT_EQ(fake.messages[0].text, "pic.bmp への変更を保存しますか?");
        EXPECT_EQ(fake.messages[1].text, "Saving error!");
        EXPECT_EQ(fake.messages[1].caption, "Korvane");
        EXPECT_NE(shell.document.image, nullptr);
        EXPECT_EQ(shell.document.dirty, 1);
        EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
    }
    EXPECT_EQ(fake.openDialogs + fake.newDialogs + fake.destroys, 0);
}

TEST_F(DocumentTest, SaveWritesOnlyAChangedFile) {
    // Without an image neither save command does anything.
    shell.document.dirty = 1;
    CopyPath(shell.document.path, "Bitmap");
    Run(ID_FILE_SAVE);
    Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(fake.saveDialogs, 0);
    EXPECT_TRUE(fake.sent.empty());
    shell.document.dirty = 0;
    CopyPath(shell.document.path, "");

    std::string path = WriteBitmap("pic.bmp", 3, 3, 4, 16);
    std::vector<uint8_t> original = ReadBytes(path);
    Open(path);
    WriteText(path, "x");
    Run(ID_FILE_SAVE);  // clean: nothing written
    EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>{'x'});
    MarkChanged(shell.document);
    updateTitle(shell, shell.document.path, 1);
    Run(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_TRUE(fake.messages.empty());
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

// A failed Save as keeps the name the document still has on disk, its dirty flag and title; a
// change made while the error shows (the editor stays usable) keeps it dirty.
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
    for (int changedMeanwhile : {0, 1}) {
        shell.document.dirty = !changedMeanwhile;
        updateTitle(shell, shell.document.path, !changedMeanwhile);
        if (changedMeanwhile) {
            fake.duringMessage = [this] { MarkChanged(shell.document); };
        }
        fake.savePaths.push_back(PathOf("missing/y.bmp"));
        Run(ID_FILE_SAVE_AS);
        EXPECT_EQ(fake.messages.back().text, "Saving error!");
        EXPECT_STREQ(shell.document.path, path.c_str());
        EXPECT_EQ(shell.document.dirty, 1);
        EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
    }
}

TEST_F(DocumentTest, ExitAsksLikeClosingTheWindow) {
    Run(ID_FILE_EXIT);  // nothing to save: no question
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(fake.destroys, 1);
    EXPECT_EQ(shell.mainWindowDestroyed, 1);
    EXPECT_EQ(fake.quits, 1);

    New(2, 2, 0, 2);
    fake.answers.push_back(Answer::kNo);
    fake.editorOpen = 1;
    Run(ID_FILE_EXIT);
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.destroys, 2);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.editorOpen, 0);
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
