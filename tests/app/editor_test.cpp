#include "model/palette_file.h"
#include "tests/app/shell_fixture.h"

// The editor over the document's image. Entry i of each file is (10 + i, 20 + i, 30 + i).
class EditorTest : public ShellTest {
  protected:
    // A bitmap file, or a palette file of the format given.
    std::string WriteTable(const char* name, uint32_t entries, const PaletteFormat* format = nullptr) {
        BitmapImage image;
        ColorTable table;
        EXPECT_TRUE(image.Create(nullptr, 2, 2, entries <= 16 ? 4 : 8, entries) && image.GetColorTable(table));
        for (uint32_t i = 0; i < entries; ++i) {
            table.SetColor(i, 10 + i, 20 + i, 30 + i);
        }
        EXPECT_TRUE(format != nullptr ? SavePalette(PathOf(name).c_str(), table, *format)
                                      : image.SetColorTable(0, table) && image.Save(PathOf(name).c_str(), 1));
        return PathOf(name);
    }
    std::string InImage() const {
        ColorTable table;
        shell.document.image->GetColorTable(table);
        return Entry(table, 0);
    }
    // A press in the middle of cell (column, row) with the default grid.
    void Click(int column, int row, int shift = 0) {
        shell.editor.OnButtonDown(19 + 17 * column, 19 + 17 * row, shift);
    }
};

// One editor at a time, on its own copy of the table, painted entry by entry; the copy goes when
// its loop ends. An image without a table gets none.
TEST_F(EditorTest, OpensOnceOnACopyOfTheTable) {
    Edit(WriteTable("sixteen.bmp", 16), [&](FakeEditorWindow& w) {
        Run(ID_VIEW_EDIT_COLOR_TABLE);
        w.Repaint();
        EXPECT_EQ(std::to_string(shell.editor.IsOpen()) + " " + w.Controls() + " " + w.title,
                  "1 10 20 30 10 20 30 カラーテーブル一覧");
        EXPECT_EQ(w.canvas.Pixel(13 + 17 * 15, 13), 0x19232Du);
        EXPECT_EQ(w.canvas.Pixel(13, 30), 0u);
        // Gone, but its loop has not ended: a second loop would take the quit meant for it.
        w.Destroy();
        Run(ID_VIEW_EDIT_COLOR_TABLE);
        EXPECT_EQ(shell.editor.IsRunning(), 1);
    });
    EXPECT_EQ(shell.editor.WorkingTable().GetCount(), 0u);
    EXPECT_EQ(shell.editor.IsRunning(), 0);
    Open(WriteBitmap("rgb.bmp", 2, 2, 24, 0));
    fake.whileEditorOpen = [](FakeEditorWindow&) { ADD_FAILURE() << "an editor without a table"; };
    Run(ID_VIEW_EDIT_COLOR_TABLE);
}

// Each change of entry 1 through its controls: the entry, then what the trackbars and edits show. A
// selection never marks the editor; a change redraws the swatch. A cell the options left without an
// entry shows 0 and takes no change until a cell with one is chosen.
TEST_F(EditorTest, ControlsChangeTheSelectedEntryWhenItHasOne) {
    const std::pair<std::function<void(FakeEditorWindow&)>, const char*> kSteps[] = {
        {[&](FakeEditorWindow&) { Click(1, 0); }, "11 21 31 | 11 21 31 11 21 31"},
        {[](FakeEditorWindow& w) { w.Type(0, "300"); }, "255 21 31 | 255 21 31 300 21 31 *"},
        {[](FakeEditorWindow& w) { w.Type(0, ""); }, "0 21 31 | 0 21 31  21 31 *"},
        {[](FakeEditorWindow& w) { w.Type(0, "1x"); }, "0 21 31 | 0 21 31 1x 21 31 *"},
        {[&](FakeEditorWindow&) { Do(IDC_INVERT_RED); }, "255 21 31 | 255 21 31 255 21 31 *"},
        {[&](FakeEditorWindow&) { Do(IDC_INVERT_GREEN); }, "255 234 31 | 255 234 31 255 234 31 *"},
        {[](FakeEditorWindow& w) { w.Drag(2, 99); }, "255 234 99 | 255 234 99 255 234 99 *"},
        {[&](FakeEditorWindow&) { Click(1, 0); }, "255 234 99 | 255 234 99 255 234 99 *"},
    };
    Edit(WriteTable("twenty.bmp", 20), [&](FakeEditorWindow& w) {
        for (const auto& [step, seen] : kSteps) {
            step(w);
            EXPECT_EQ(Working(1) + " | " + w.Controls() + (shell.editor.IsModified() ? " *" : ""), seen);
        }
        EXPECT_EQ(w.canvas.Pixel(30, 13), 0xFFEA63u);
        EXPECT_EQ(w.title, "カラーテーブル一覧 *");
        Click(3, 1);  // entry 19
        settings.colorGrid.columns = 30;
        w.Type(0, "77");
        w.Drag(1, 66);
        Do(IDC_INVERT_BLUE);
        EXPECT_EQ(w.Controls() + " " + Working(19), "0 0 0 0 0 0 29 39 49");
        shell.editor.OnButtonDown(19, 19, 0);
        EXPECT_EQ(w.Controls(), "10 20 30 10 20 30");
    });
}

// Whole-table changes on (10, 20, 30) leave the controls as they were, so a trackbar moved then
// writes what the trackbars show. Revert always asks; Yes marks the editor like any change.
TEST_F(EditorTest, WholeTableChangesAndRevert) {
    const std::pair<int, const char*> kChanges[] = {{ID_OP_SWAP_BR, "30 20 10"},
                                                    {ID_OP_SWAP_RG, "20 10 30"},
                                                    {ID_OP_SWAP_GB, "10 30 20"},
                                                    {ID_OP_INVERT_ALL, "245 235 225"}};
    Edit(WriteTable("sixteen.bmp", 16), [&](FakeEditorWindow& w) {
        fake.answers = {Answer::kNo};
        Do(ID_PALETTE_REVERT);
        for (const auto& [command, entry] : kChanges) {
            Do(command);
            EXPECT_EQ(Working() + " | " + w.Controls() + " " + std::to_string(shell.editor.IsModified()),
                      std::string(entry) + " | 10 20 30 10 20 30 1");
            fake.answers = {Answer::kYes};
            Do(ID_PALETTE_REVERT);
            EXPECT_EQ(Working() + " " + Working(15), "10 20 30 25 35 45");
        }
        Do(ID_OP_INVERT_ALL);
        w.Drag(1, 50);
        EXPECT_EQ(Working() + " " + Working(1), "10 50 30 244 234 224");
    });
    EXPECT_EQ(fake.messages.size(),
              5 * std::string("(editor) q最終保存時からの変更がすべて失われます。よろしいですか？ @Korvane\n").size());
}

// Options changed while the editor is open lay it out and paint it anew, so a click selects the entry
// its swatch shows; a save makes the saved table the one revert goes back to.
TEST_F(EditorTest, OptionsReachTheOpenEditorAndRevertGoesBackToTheSavedTable) {
    ColorGridSettings five;
    five.columns = 5;
    fake.chosenGrid = &five;
    Edit(WriteTable("twenty.bmp", 20), [&](FakeEditorWindow& w) {
        Run(ID_VIEW_OPTIONS);
        EXPECT_EQ(w.layouts, 2);
        Click(2, 1);  // entry 7 of 5 columns
        EXPECT_EQ(w.canvas.Pixel(19 + 17 * 2, 19 + 17), 0x111B25u);
        EXPECT_EQ(w.Controls(), "17 27 37 17 27 37");
        w.Type(0, "99");
        Do(ID_PALETTE_APPLY);
        Run(ID_FILE_SAVE);
        w.Type(0, "5");
        fake.answers = {Answer::kYes};
        Do(ID_PALETTE_REVERT);
        EXPECT_EQ(Working(7), "99 27 37");
    });
}

// A bitmap's or palette file's table is taken only with at least the image's entries, the first of them;
// an Adobe table only by its name (a bitmap cut to its size is none); other files say why, change nothing.
TEST_F(EditorTest, LoadTakesTheFirstEntriesOfALargeEnoughTable) {
    std::ofstream(PathOf("bad.bmp")) << "not a bitmap";
    const PaletteFormat kRiff = PaletteFormat::kRiff, kGpl = PaletteFormat::kGpl;
    WriteBitmap("rgb.bmp", 2, 2, 24, 0), WriteTable("eight.bmp", 8), WriteTable("few.pal", 15, &kRiff);
    WriteTable("all.gpl", 256, &kGpl);
    const PaletteFormat kAct = PaletteFormat::kAct;
    std::filesystem::resize_file(WriteTable("cut.bmp", 256), 768);  // no Adobe table without its name
    std::filesystem::copy_file(WriteTable("table.pal", 256, &kAct), PathOf("table.ACT"));
    Edit(WriteTable("sixteen.bmp", 16), [&](FakeEditorWindow&) {
        Do(ID_OP_SWAP_RG);
        for (std::string name : {"", "none.bmp", "bad.bmp", "cut.bmp", "table.pal", "rgb.bmp", "eight.bmp", "few.pal",
                                 "all.gpl", "table.ACT"}) {
            const bool taken = name == "all.gpl" || name == "table.ACT";
            fake.paths = {name.empty() ? name : PathOf(name.c_str())};
            Do(ID_PALETTE_LOAD);
            EXPECT_EQ(Working() + " " + Working(15), taken ? "10 20 30 25 35 45" : "20 10 30 35 25 45") << name;
            taken ? Do(ID_OP_SWAP_RG) : void();
        }
    });
    EXPECT_EQ(fake.fileDialogs, "OEEEEEEEEEE");
    EXPECT_EQ(shell.editor.WorkingTable().GetCount(), 0u);
    const std::string tooFew = "(editor) wｴﾝﾄﾘ数が少ないです. @Korvane\n",
                      error = "(editor) xLoading error! @Korvane\n";
    EXPECT_EQ(fake.messages,
              "(editor) xThe file doesn't exist! @Korvane\n" + error + error + error + tooFew + tooFew + tooFew);
}

// Apply writes the table into the image and marks the document, its title only the first time;
// with nothing changed it does nothing.
TEST_F(EditorTest, ApplyMarksTheDocumentOnce) {
    std::string path = WriteTable("sixteen.bmp", 16);
    settings.ViewData = 1;
    Edit(path, [&](FakeEditorWindow& w) {
        Do(ID_PALETTE_APPLY);
        EXPECT_EQ(Seen() + std::to_string(fake.repaints), "Korvane - [sixteen.bmp] items table editor1");
        for (const char* typed : {"0", "1"}) {
            fake.title = "";
            w.Type(2, typed);
            Do(ID_PALETTE_APPLY);
            EXPECT_EQ(InImage() + " " + w.title + " " + fake.title,
                      std::string("10 20 ") + typed + " カラーテーブル一覧" +
                          (*typed == '0' ? " Korvane - [sixteen.bmp *]" : " "));
        }
        EXPECT_EQ(shell.document.changes, 2u);
        EXPECT_EQ(fake.repaints, 5);  // each typed value previewed
    });
}
