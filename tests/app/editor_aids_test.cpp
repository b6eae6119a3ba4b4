#include "tests/app/shell_fixture.h"

// What the editor knows of its image, and hex codes in and out. The image: 3 x 2 pixels of 4 bits, 0 1 1 / 1 7 0,
// over 5 entries, entry i being (10 + i, 20 + i, 30 + i); index 7 lies beyond the table.
class EditorAidsTest : public ShellTest {
  protected:
    void EditFive(std::function<void(FakeEditorWindow&)> work) {
        BitmapImage image;
        ColorTable table;
        ASSERT_TRUE(image.Create(nullptr, 3, 2, 4, 5) && image.GetColorTable(table));
        for (uint32_t i = 0; i < 5; ++i) {
            table.SetColor(i, 10 + i, 20 + i, 30 + i);
        }
        auto* bits = const_cast<uint8_t*>(image.GetBits());  // bottom-up: the second row first
        bits[0] = 0x17, bits[1] = 0x00, bits[4] = 0x01, bits[5] = 0x10;
        ASSERT_TRUE(image.SetColorTable(0, table) && image.Save(PathOf("five.bmp").c_str(), 1));
        Edit(PathOf("five.bmp"), std::move(work));
    }
    uint32_t Shown(int x, int y) const {
        RgbCanvas canvas(3, 2);
        shell.document.image->Draw(&canvas, 0, 0);
        return canvas.Pixel(x, y);
    }
    void Click(int entry, int shift = 0) { shell.editor.OnButtonDown(19 + 17 * entry, 19, shift); }
};

// Tips name each entry with its share of the pixels (the one beyond the table counts for none);
// unused entries are marked on request; the highlight shows the selected entry's pixels in colour
// and the others grey, follows the selection, and goes when switched off.
TEST_F(EditorAidsTest, TipsMarksAndHighlightFollowThePixels) {
    EditFive([&](FakeEditorWindow& w) {
        const std::pair<int, std::string> kTips[] = {
            {19, "項目 0\r\nR 10  G 20  B 30  #0A141E\r\n2 画素 (33.3%)"},
            {19 + 17 * 2, "項目 2\r\nR 12  G 22  B 32  #0C1620\r\n使用している画素はありません"},
            {19 + 17 * 5, "(none)"}};
        for (const auto& [x, tip] : kTips) {
            shell.editor.OnMouseMove(x, 19);
            EXPECT_EQ(w.tip, tip);
        }
        Do(ID_OP_MARK_UNUSED);
        EXPECT_EQ(w.canvas.Pixel(13 + 17 * 2, 13), 0u);
        EXPECT_EQ(w.canvas.Pixel(13 + 17, 13), 0x0B151Fu);
        Click(1);
        Do(ID_OP_HIGHLIGHT);
        EXPECT_EQ(Shown(1, 0), 0x0B151Fu);
        EXPECT_EQ(Shown(0, 0), 0x090909u);  // entry 0 as a darkened grey
        Click(0);
        EXPECT_EQ(Shown(1, 0), 0x0A0A0Au);
        Do(ID_OP_HIGHLIGHT);
        EXPECT_EQ(Shown(1, 0), 0x0B151Fu);
    });
}

// Copy gives the selected entry's code and the whole table one a line; paste puts one code into
// the selected entry, a list into the entries from it, cut at the end, as one step, and refuses
// anything else. A Shift press marks a range's second end, whose inner entries ramp as one step.
TEST_F(EditorAidsTest, HexCodesThroughTheClipboardAndARamp) {
    EditFive([&](FakeEditorWindow& w) {
        Click(1);
        Do(ID_EDIT_COPY_COLOR);
        EXPECT_EQ(w.clipboard, "#0B151F");
        Click(3);
        Do(ID_EDIT_PASTE_COLORS);
        w.clipboard = " #010203, 040506\n#FFF";
        Do(ID_EDIT_PASTE_COLORS);
        EXPECT_EQ(Working(3) + " | " + Working(4), "1 2 3 | 4 5 6");
        for (const char* refused : {"#01020", ""}) {
            w.clipboard = refused;
            Do(ID_EDIT_PASTE_COLORS);
        }
        Do(ID_EDIT_UNDO);  // the list, one step
        EXPECT_EQ(Working(3) + " | " + Working(4), "11 21 31 | 14 24 34");
        Do(ID_EDIT_COPY_TABLE);
        EXPECT_EQ(w.clipboard, "#0A141E\r\n#0B151F\r\n#0C1620\r\n#0B151F\r\n#0E1822\r\n");
        Click(0);
        for (const auto& [end, rampable] : {std::pair(1, 0), {4, 1}}) {
            Click(end, 1);
            EXPECT_EQ((w.menuItems[{kEditorMenuOperations, kOperationRamp}]), rampable) << end;
        }
        Do(ID_OP_RAMP);
        EXPECT_EQ(Working(1) + " | " + Working(2) + " | " + Working(3), "11 21 31 | 12 22 32 | 13 23 33");
        Click(2);
        EXPECT_EQ((w.menuItems[{kEditorMenuOperations, kOperationRamp}]), 0);
    });
    EXPECT_EQ(fake.messages, "(editor) w" + std::string(kPasteRefusedText) + " @Korvane\n(editor) w" + kPasteEmptyText +
                                 " @Korvane\n");
}
