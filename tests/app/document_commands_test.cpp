#include "app/command_line.h"
#include "tests/app/shell_fixture.h"

using DocumentTest = ShellTest;
static constexpr int kLeaving[] = {ID_FILE_CLOSE, ID_FILE_OPEN, ID_FILE_NEW, ID_FILE_EXIT, 0};  // 0: the close box

// Without a colour table the item is grayed and the last table taken stays; in the image view the
// window is repainted instead of the report being shown. The rest an open sets is seen below.
TEST_F(DocumentTest, OpenShowsTheReportOrRepaints) {
    Open(WriteBitmap("pic.bmp", 3, 2, 8, 16));
    settings.ViewData = 1;
    Open(WriteBitmap("rgb.bmp", 2, 2, 24, 0));
    EXPECT_EQ(Seen() + " " + fake.fileDialogs + fake.messages, "Korvane - [rgb.bmp] items OO");
    EXPECT_EQ(shell.document.snapshot.GetCount(), 16u);
    EXPECT_EQ(fake.repaints, 1);
    EXPECT_EQ(fake.reportTexts.size(), 1u);
    EXPECT_EQ(fake.openContexts, 0);
    Run(ID_VIEW_HEADER);  // the text view, shown again, shows the report of the image now open
    EXPECT_NE(fake.reportTexts.back().find("rgb.bmp"), std::string::npos);
}

// Leaving the document asks only when it holds unsaved work: a new image or a changed file.
// Cancel then keeps everything, whichever way the document is left.
TEST_F(DocumentTest, EachStateAsksOnlyForUnsavedWorkAndCancelKeepsIt) {
    std::string path = WriteBitmap("表.bmp", 2, 2, 8, 2);  // 表 ends in the byte of a backslash
    const char* kStates[][2] = {{"Korvane", nullptr},
                                {"Korvane - [表.bmp] items table", nullptr},
                                {"Korvane - [Bitmap] items table", "Bitmap"},
                                {"Korvane - [表.bmp *] dirty items table", "表.bmp"}};
    for (int state = 0; state < 4; ++state) {
        state == 2 ? New(2, 2, 0, 2) : state != 0 ? Open(path) : void();
        state == 3 ? MarkChangedAndTitle() : void();
        ASSERT_EQ(Seen(), kStates[state][0]);
        fake.answers.clear(), fake.newDialogs = 0, fake.messages = fake.fileDialogs = "";
        for (int command : kLeaving) {
            if (kStates[state][1] == nullptr) {
                EXPECT_EQ(ConfirmDiscard(shell), Answer::kNoQuestion);
                break;
            }
            Leave(command);
            EXPECT_EQ(fake.messages, "?" + std::string(kStates[state][1]) + " への変更を保存しますか? @Korvane\n");
            EXPECT_EQ(Seen(), kStates[state][0]);
            fake.messages = "";
        }
        EXPECT_EQ(fake.fileDialogs, "");
        EXPECT_EQ(fake.newDialogs, 0);
        EXPECT_EQ(fake.destroys, 0);
        fake.answers = {Answer::kNo};
        Run(ID_FILE_CLOSE);
    }
}

// No drops the changes with the image, so an Open cancelled after it keeps them to ask about; Yes saves
// first (a new image through Save as). Either way the command goes on only when nothing is left unsaved:
// a save dialog cancelled or given too long a name is Cancel.
TEST_F(DocumentTest, NoAndYesLetTheCommandGoOnWhenNothingIsLost) {
    Open(WriteBitmap("pic.bmp", 2, 2, 8, 2));
    MarkChanged(shell.document);
    fake.answers = {Answer::kNo};
    Open("");
    EXPECT_EQ(Seen(), "Korvane - [pic.bmp] dirty items table");
    fake.answers = {Answer::kNo};
    New(4, 2, 0, 2);
    for (const std::string& chosen : {std::string(), std::string(kPathBytes, 'x')}) {
        for (int command : kLeaving) {
            fake.answers = {Answer::kYes};
            fake.paths = {chosen};
            Leave(command);
            EXPECT_EQ(Seen(), "Korvane - [Bitmap] items table");
        }
    }
    std::string target = PathOf("saved.bmp");
    fake.answers = {Answer::kYes};
    fake.paths = {target};
    fake.sent.clear();
    Run(ID_FILE_CLOSE);
    EXPECT_EQ(Seen(), "Korvane");
    EXPECT_EQ(ReadBytes(target).size(), 70u);  // 14 + 40 + 2 entries of 4, two rows of 4
    EXPECT_EQ(fake.sent, (std::vector<int>{ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE}));
    EXPECT_EQ(fake.fileDialogs + " " + std::to_string(fake.destroys), "OOSSSSSSSSSSS 0");
}

TEST_F(DocumentTest, FromTheEditorFailuresKeepTheDocumentAndCloseDropsIt) {
    std::string good = WriteBitmap("good.bmp", 4, 4, 8, 256), bad = PathOf("bad.bmp");
    std::ofstream(bad) << "not a bitmap at all";
    Open(good);
    BitmapImage* before = shell.document.image;
    std::string seen;
    fake.whileEditorOpen = [&](FakeEditorWindow&) {  // its image is untouched, so it stays open
        Open(PathOf("none.bmp"));
        Open(bad);
        Open(std::string(300, 'x'));  // a name too long for the dialog's buffer
        New(8, 8, 3, 5);              // full colour takes no entries
        New(0, 8, 2, 256);
        seen = Seen();
    };
    Run(ID_VIEW_EDIT_COLOR_TABLE);
    EXPECT_EQ(fake.messages, "xThe file doesn't exist! @Korvane\nxLoading error! @" + bad +
                                 "\nxThe file name is too long! @Korvane\nxCreating error! @Korvane\n"
                                 "xCreating error! @Korvane\n");
    EXPECT_EQ(shell.document.image, before);
    EXPECT_STREQ(shell.document.path, good.c_str());
    EXPECT_EQ(seen, "Korvane - [good.bmp] items table editor");
    EXPECT_EQ(fake.reportTexts.size(), 1u);
    EXPECT_EQ(shell.document.snapshot.GetCount(), 256u);
    EXPECT_EQ(fake.openContexts, 0);
    settings.ViewData = 1, fake.messages = "";
    fake.whileEditorOpen = [&](FakeEditorWindow&) { Run(ID_FILE_CLOSE), seen = Seen(); };
    Run(ID_VIEW_EDIT_COLOR_TABLE);
    EXPECT_EQ(seen + fake.messages + shell.document.path + fake.reportTexts.back(), "Korvane");
    EXPECT_EQ(shell.document.image, nullptr);
    EXPECT_EQ(fake.repaints, 1);
    EXPECT_EQ(shell.document.snapshot.GetCount(), 0u);
    EXPECT_EQ(shell.report.SummaryCache().Length(), 0u);
}

TEST_F(DocumentTest, SaveWritesOnlyAChangedFileAndSaveAsAdoptsTheName) {
    shell.document.dirty = 1;  // without an image neither command does anything
    Run(ID_FILE_SAVE);
    Run(ID_FILE_SAVE_AS);
    EXPECT_EQ(fake.fileDialogs + std::to_string(fake.sent.size()), "0");
    shell.document.dirty = 0;
    std::string path = WriteBitmap("pic.bmp", 3, 3, 4, 16), original = ReadBytes(path);
    Open(path);
    std::ofstream(path) << "x";
    Run(ID_FILE_SAVE);  // clean: nothing written
    EXPECT_EQ(ReadBytes(path), "x");
    MarkChangedAndTitle();
    Run(ID_FILE_SAVE);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(Seen(), "Korvane - [pic.bmp] items table");
    std::string target = PathOf("copy.bmp");
    fake.paths = {target};
    Run(ID_FILE_SAVE_AS);  // a clean document is written too
    EXPECT_EQ(ReadBytes(target), original);
    EXPECT_EQ(Seen(), "Korvane - [copy.bmp] items table");
    // A failed Save as keeps the name the document still has on disk, its dirty flag and
    // title; a change made while the error shows (the editor stays usable) keeps it dirty.
    for (int changedMeanwhile : {0, 1}) {
        fake.duringMessage = [&] { changedMeanwhile ? MarkChangedAndTitle() : void(); };
        fake.paths = {PathOf("missing/y.bmp")};
        Run(ID_FILE_SAVE_AS);
        EXPECT_STREQ(shell.document.path, target.c_str());
        EXPECT_EQ(Seen(),
                  changedMeanwhile ? "Korvane - [copy.bmp *] dirty items table" : "Korvane - [copy.bmp] items table");
    }
    EXPECT_EQ(fake.messages, "xSaving error! @Korvane\nxSaving error! @Korvane\n");
}

// A file named on the command line (quoted or not) opens once the start-up commands have run; one
// dropped opens as Open does after its dialog, the save prompt first.
TEST_F(DocumentTest, FilesGivenAtStartOrDroppedOpenAsOpenDoes) {
    for (auto [line, file] :
         {std::pair{"", ""}, {" a b.bmp\t", "a b.bmp"}, {"\"c d.bmp\" x", "c d.bmp"}, {"\"e", "e"}}) {
        EXPECT_EQ(FileFromCommandLine(line), file);
    }
    OnStartupArguments(shell, "  ");
    OnStartupArguments(shell, ("\"" + WriteBitmap("given file.bmp", 2, 2, 8, 2) + "\"").c_str());
    EXPECT_EQ(fake.posted, std::vector<int>{ID_FILE_OPEN_GIVEN});
    fake.RunPosted();
    MarkChangedAndTitle();
    fake.answers = {Answer::kCancel, Answer::kNo, Answer::kOk, Answer::kNo};
    for (const std::string& dropped : {PathOf("none.bmp"), PathOf("none.bmp"), std::string(kPathBytes, 'x')}) {
        OpenGivenFile(shell, dropped);
    }
    // No drops the changes only with the image: each drop that opened nothing leaves them to ask about.
    EXPECT_EQ(Seen(), "Korvane - [given file.bmp *] dirty items table");
    const std::string asked = "?given file.bmp への変更を保存しますか? @Korvane\n";
    EXPECT_EQ(fake.messages,
              asked + asked + "xThe file doesn't exist! @Korvane\n" + asked + "xThe file name is too long! @Korvane\n");
}
