#include "tests/app/shell_fixture.h"

namespace {

using DocumentTest = ShellTest;
const ShownMessage kSaveError{"Saving error!", "Korvane", MessageStyle::kError};

TEST_F(DocumentTest, OpenAdoptsTheFileAndShowsItsReport) {
    std::string path = WriteBitmap("pic.bmp", 3, 2, 8, 16);
    fake.editorOpen = 1;
    Open(path);
    ASSERT_NE(shell.document.image, nullptr);
    EXPECT_STREQ(shell.document.path, path.c_str());
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
    EXPECT_TRUE(fake.messages.empty());
    ExpectImageItems(true);
    EXPECT_FALSE(fake.IsGrayed(kMenuView, kViewEditColorTable));
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);
    EXPECT_EQ(fake.reportTexts, std::vector<std::string>{shell.report.SummaryCache().Data()});
    EXPECT_EQ(fake.editorOpen, 0);
    EXPECT_EQ(fake.openContexts, 0);
    EXPECT_EQ(fake.fileDialogs, std::vector<FileDialogKind>{FileDialogKind::kOpen});

    // An image without colour table grays the editor item and keeps the last table taken; in
    // the image view the window is repainted instead of the report being shown.
    settings.ViewData = 1;
    Open(WriteBitmap("rgb.bmp", 2, 2, 24, 0));
    EXPECT_EQ(fake.title, "Korvane - [rgb.bmp]");
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewEditColorTable));
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);
    EXPECT_EQ(fake.repaints, 1);
    EXPECT_EQ(fake.reportTexts.size(), 1u);
}

// Leaving the document asks only when it holds unsaved work: a new image or a changed file.
// Cancel then keeps everything, whichever way the document is left.
TEST_F(DocumentTest, EachStateAsksOnlyForUnsavedWork) {
    std::string path = WriteBitmap("表.bmp", 2, 2, 8, 2);  // 表 ends in the byte of a backslash
    const struct {
        const char* title;
        const char* prompt;  // none: no question
    } kStates[] = {{"Korvane", nullptr},
                   {"Korvane - [表.bmp]", nullptr},
                   {"Korvane - [Bitmap]", "Bitmap への変更を保存しますか?"},
                   {"Korvane - [表.bmp *]", "表.bmp への変更を保存しますか?"}};
    for (int state = 0; state < 4; ++state) {
        SCOPED_TRACE(kStates[state].title);
        fake.answers = {Answer::kNo};
        Run(ID_FILE_CLOSE);
        state == 2 ? New(2, 2, 0, 2) : state != 0 ? Open(path) : void();
        if (state == 3) {
            MarkChangedAndTitle();
        }
        ASSERT_EQ(fake.title, kStates[state].title);
        ExpectImageItems(state != 0);
        fake.messages.clear();
        fake.answers.clear();
        fake.fileDialogs.clear();
        fake.shownNewValues.clear();
        BitmapImage* image = shell.document.image;
        if (kStates[state].prompt == nullptr) {
            EXPECT_EQ(confirmDiscard(shell), Answer::kNoQuestion);
            continue;
        }
        for (int command : kLeaving) {
            Leave(command);
            EXPECT_EQ(fake.messages,
                      std::vector<ShownMessage>({{kStates[state].prompt, "Korvane", MessageStyle::kSavePrompt}}));
            fake.messages.clear();
            EXPECT_EQ(shell.document.image, image);
            EXPECT_EQ(shell.document.dirty, state == 3);
            EXPECT_EQ(fake.title, kStates[state].title);
        }
        EXPECT_TRUE(fake.fileDialogs.empty() && fake.shownNewValues.empty());
        EXPECT_EQ(fake.destroys, 0);
    }
}

TEST_F(DocumentTest, FailedOpenOrNewKeepsTheDocumentWhole) {
    std::string good = WriteBitmap("good.bmp", 4, 4, 8, 256);
    Open(good);
    MarkChangedAndTitle();
    std::string bad = PathOf("bad.bmp");
    std::ofstream(bad) << "not a bitmap at all";
    BitmapImage* before = shell.document.image;
    fake.editorOpen = 1;  // its image is untouched, so it stays open
    fake.answers = {Answer::kNo, Answer::kOk, Answer::kNo, Answer::kOk, Answer::kNo, Answer::kOk};
    Open(PathOf("none.bmp"));
    ASSERT_EQ(shell.document.dirty, 0);  // No was the answer; the failures change nothing further
    MarkChangedAndTitle();
    Open(bad);
    Open(std::string(300, 'x'));  // a name too long for the dialog's buffer
    New(8, 8, 3, 5);              // full colour takes no entries
    New(0, 8, 2, 256);
    std::vector<ShownMessage> errors;
    for (const ShownMessage& m : fake.messages) {
        if (m.style == MessageStyle::kError) {
            errors.push_back(m);
        }
    }
    EXPECT_EQ(errors, std::vector<ShownMessage>({{"The file doesn't exist!", "Korvane", MessageStyle::kError},
                                                 {"Loading error!", bad, MessageStyle::kError},
                                                 {"The file name is too long!", "Korvane", MessageStyle::kError},
                                                 {"Creating error!", "Korvane", MessageStyle::kError},
                                                 {"Creating error!", "Korvane", MessageStyle::kError}}));
    EXPECT_EQ(shell.document.image, before);
    EXPECT_STREQ(shell.document.path, good.c_str());
    EXPECT_EQ(fake.title, "Korvane - [good.bmp *]");
    EXPECT_EQ(fake.reportTexts.size(), 1u);
    EXPECT_EQ(shell.document.snapshot.GetCount(), 256u);
    ExpectImageItems(true);
    EXPECT_EQ(fake.editorOpen, 1);
    EXPECT_EQ(fake.openContexts, 0);
}

TEST_F(DocumentTest, NewMakesABitmapOfEachModeAndRemembersTheDialog) {
    const struct {
        int mode;
        const char* text;
        uint32_t entries;
        uint16_t bits;
    } cases[] = {{0, "白黒", 2, 1}, {1, "16色", 16, 4}, {2, "256色", 256, 8}, {3, "ﾌﾙｶﾗｰ", 0, 24}, {2, "256色", 7, 8}};
    for (const auto& c : cases) {
        EXPECT_STREQ(ColorModeText(c.mode), c.text);
        fake.answers.push_back(Answer::kNo);  // about the previous one
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
    }
    EXPECT_EQ(ColorModeBitsPerPixel(4) + ColorModeBitsPerPixel(-1), 0u);
    // What was typed before a Cancel is shown again.
    fake.answers.push_back(Answer::kNo);
    fake.newImage.push_back([](NewImageSettings& v) { return v = {40, 30, 16, 1}, 0; });
    Run(ID_FILE_NEW);
    Run(ID_FILE_NEW);
    const NewImageSettings& first = fake.shownNewValues.front();
    const NewImageSettings& again = fake.shownNewValues.back();
    EXPECT_EQ(std::vector<uint32_t>({first.width, first.height, first.entryCount, uint32_t(first.modeIndex)}),
              std::vector<uint32_t>({256, 256, 256, 2}));
    EXPECT_EQ(std::vector<uint32_t>({again.width, again.height, again.entryCount, uint32_t(again.modeIndex)}),
              std::vector<uint32_t>({40, 30, 16, 1}));
}

TEST_F(DocumentTest, CloseReturnsToNoDocument) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    fake.editorOpen = 1;
    settings.ViewData = 1;
    Run(ID_FILE_CLOSE);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_STREQ(shell.document.path, "");
    EXPECT_EQ(shell.document.snapshot.GetCount(), 0u);
    EXPECT_EQ(shell.report.SummaryCache().Length(), 0);
    EXPECT_EQ(fake.title, "Korvane");
    EXPECT_EQ(fake.reportTexts.back(), "");
    EXPECT_EQ(fake.editorOpen, 0);
    EXPECT_EQ(fake.repaints, 1);
    ExpectImageItems(false);
    EXPECT_TRUE(fake.IsGrayed(kMenuView, kViewEditColorTable));
}

// No drops the changes and the command goes on; Yes saves first (a new image through Save as)
// and the command goes on.
TEST_F(DocumentTest, NoAndYesLetTheCommandGoOn) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    MarkChanged(shell.document);
    fake.answers = {Answer::kNo};
    Open("");  // open dialog cancelled
    EXPECT_EQ(shell.document.dirty, 0);
    EXPECT_NE(shell.document.image, nullptr);

    New(4, 2, 0, 2);
    std::string target = PathOf("saved.bmp");
    fake.answers = {Answer::kYes};
    fake.paths = {target};
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.title, "Korvane");
    EXPECT_EQ(ReadBytes(target).size(), 70u);  // 14 + 40 + 2 entries of 4, two rows of 4
    EXPECT_EQ(fake.sent, (std::vector<int>{ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE}));
    EXPECT_EQ(fake.fileDialogs.back(), FileDialogKind::kSave);
}

// Yes counts only when its save succeeds; otherwise it is Cancel and nothing is lost: a save
// dialog cancelled or given too long a name for a new image, a write that fails for a file.
TEST_F(DocumentTest, YesWhoseSaveFailsKeepsTheDocument) {
    New(2, 2, 0, 2);
    BitmapImage* image = shell.document.image;
    for (const std::string& chosen : {std::string(), std::string(kPathBytes, 'x')}) {
        for (int command : kLeaving) {
            fake.answers = {Answer::kYes};
            fake.paths = {chosen};
            Leave(command);
            EXPECT_EQ(shell.document.image, image);
            EXPECT_STREQ(shell.document.path, "Bitmap");
        }
    }
    EXPECT_EQ(fake.fileDialogs, std::vector<FileDialogKind>(10, FileDialogKind::kSave));

    std::filesystem::create_directory(PathOf("sub"));
    fake.answers = {Answer::kNo};
    Open(WriteBitmap("sub/pic.bmp", 2, 2, 8, 2));
    MarkChangedAndTitle();
    std::filesystem::remove_all(PathOf("sub"));  // nowhere to write now
    fake.fileDialogs.clear();
    for (int command : kLeaving) {
        fake.messages.clear();
        fake.answers = {Answer::kYes};
        Leave(command);
        EXPECT_EQ(fake.messages.size(), 2u);
        EXPECT_EQ(fake.messages.back(), kSaveError);
        EXPECT_EQ(shell.document.dirty, 1);
        EXPECT_EQ(fake.title, "Korvane - [pic.bmp *]");
    }
    EXPECT_TRUE(fake.fileDialogs.empty());
    EXPECT_EQ(fake.destroys, 0);
}

TEST_F(DocumentTest, SaveWritesOnlyAChangedFileAndSaveAsAdoptsTheName) {
    shell.document.dirty = 1;  // without an image neither command does anything
    Run(ID_FILE_SAVE);
    Run(ID_FILE_SAVE_AS);
    EXPECT_TRUE(fake.fileDialogs.empty() && fake.sent.empty());
    shell.document.dirty = 0;

    std::string path = WriteBitmap("pic.bmp", 3, 3, 4, 16);
    std::string original = ReadBytes(path);
    Open(path);
    std::ofstream(path) << "x";
    Run(ID_FILE_SAVE);  // clean: nothing written
    EXPECT_EQ(ReadBytes(path), "x");
    MarkChangedAndTitle();
    Run(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(fake.title, "Korvane - [pic.bmp]");
    EXPECT_EQ(shell.document.dirty, 0);

    std::string target = PathOf("copy.bmp");
    fake.paths = {target};
    Run(ID_FILE_SAVE_AS);  // a clean document is written too
    EXPECT_EQ(ReadBytes(target), original);
    EXPECT_STREQ(shell.document.path, target.c_str());
    EXPECT_EQ(fake.title, "Korvane - [copy.bmp]");
    EXPECT_TRUE(fake.messages.empty());
}

// A failed Save as keeps the name the document still has on disk, its dirty flag and title; a
// change made while the error shows (the editor stays usable) keeps it dirty.
TEST_F(DocumentTest, FailedSaveAsKeepsPathDirtyAndTitle) {
    std::string path = WriteBitmap("pic.bmp", 2, 2, 8, 2);
    Open(path);
    for (int changedMeanwhile : {0, 1}) {
        shell.document.dirty = 0;
        updateTitle(shell, path.c_str(), 0);
        if (changedMeanwhile) {
            fake.duringMessage = [this] { MarkChangedAndTitle(); };
        }
        fake.paths = {PathOf("missing/y.bmp")};
        Run(ID_FILE_SAVE_AS);
        EXPECT_EQ(fake.messages.back(), kSaveError);
        EXPECT_STREQ(shell.document.path, path.c_str());
        EXPECT_EQ(shell.document.dirty, changedMeanwhile);
        EXPECT_EQ(fake.title, changedMeanwhile ? "Korvane - [pic.bmp *]" : "Korvane - [pic.bmp]");
    }
}

TEST_F(DocumentTest, ExitAndDestroyEndTheProgram) {
    New(2, 2, 0, 2);
    fake.editorOpen = 1;
    fake.answers = {Answer::kNo};
    Run(ID_FILE_EXIT);
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.destroys, 1);
    EXPECT_EQ(fake.quits, 1);
    EXPECT_EQ(shell.mainWindowDestroyed, 1);
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.editorOpen, 0);
}

}  // namespace
