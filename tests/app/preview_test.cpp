#include <numeric>

#include "app/image_pick.h"
#include "tests/app/shell_fixture.h"

// The editor's steps of undo and redo, its preview on the image, and picking an entry on the
// image. The images are blank ones made by the model, entry 0 being (0, 0, 0).
class PreviewTest : public ShellTest {
  protected:
    using Step = std::function<void(FakeEditorWindow&)>;
    void Edit(const std::string& path, Step work) {
        Open(path);
        fake.whileEditorOpen = std::move(work);
        Run(ID_VIEW_EDIT_COLOR_TABLE);
    }
    static std::string Entry(const ColorTable& table) {
        const uint8_t* e = table.GetEntry(0);
        return std::to_string(e[0]) + " " + std::to_string(e[1]) + " " + std::to_string(e[2]);
    }
    // Pixel (0, 0) as the image view paints it, and entry 0 of the document's table.
    uint32_t Shown() const {
        RgbCanvas canvas(1, 1);
        shell.document.image->Draw(&canvas, 0, 0);
        return canvas.Pixel(0, 0);
    }
    std::string InDocument() const {
        ColorTable table;
        return shell.document.image->GetColorTable(table) ? Entry(table) : "";
    }
    void Do(int command) { shell.editor.OnCommand(command); }
};

// One step each: an edit's keystrokes until another control, a trackbar gesture up to its release
// (a key's move is one), an operation, a revert. Undo and redo show the entry in the controls (a
// whole-table change leaves them as they were) and gray what they cannot do; a new change drops
// what could be redone.
TEST_F(PreviewTest, EachActionIsOneStep) {
    const Step undo = [&](FakeEditorWindow&) { Do(ID_EDIT_UNDO); }, redo = [&](FakeEditorWindow&) { Do(ID_EDIT_REDO); };
    // The step, entry 0 after it, whether undo and redo can follow, whether the controls show it.
    const std::tuple<Step, const char*, int, int, int> kSteps[] = {
        {[](FakeEditorWindow& w) { w.Type(0, "1"), w.Type(0, "12"); }, "12 0 0", 1, 0, 1},
        {[&](FakeEditorWindow& w) { w.Drag(1, 5), w.Drag(1, 7), shell.editor.OnTrackbarReleased(); }, "12 7 0", 1, 0,
         1},
        {[&](FakeEditorWindow& w) { w.Drag(1, 9), shell.editor.OnTrackbarReleased(); }, "12 9 0", 1, 0, 1},
        {[&](FakeEditorWindow&) { Do(ID_OP_INVERT_ALL); }, "243 246 255", 1, 0, 0},
        {[&](FakeEditorWindow&) { fake.answers = {Answer::kYes}, Do(ID_PALETTE_REVERT); }, "0 0 0", 1, 0, 0},
        {undo, "243 246 255", 1, 1, 1},
        {undo, "12 9 0", 1, 1, 1},
        {undo, "12 7 0", 1, 1, 1},
        {undo, "12 0 0", 1, 1, 1},
        {undo, "0 0 0", 0, 1, 1},
        {undo, "0 0 0", 0, 1, 1},
        {redo, "12 0 0", 1, 1, 1},
        {[](FakeEditorWindow& w) { w.Type(2, "5"); }, "12 0 5", 1, 0, 1},
    };
    Edit(WriteBitmap("blank.bmp", 2, 2, 4, 16), [&](FakeEditorWindow& w) {
        for (const auto& [step, entry, canUndo, canRedo, shows] : kSteps) {
            step(w);
            EXPECT_EQ(Entry(shell.editor.WorkingTable()), entry);
            EXPECT_EQ((w.menuItems[{kEditorMenuEdit, kEditUndo}]), canUndo) << entry;
            EXPECT_EQ((w.menuItems[{kEditorMenuEdit, kEditRedo}]), canRedo) << entry;
            EXPECT_EQ(w.Controls() == std::string(entry) + " " + entry, shows != 0) << entry;
        }
    });
}

// Each change shows on the image at once while the document keeps its table, unmarked; switched
// off, or closed without applying, the image shows its own table again. Apply makes the shown
// table the document's; Save writes the document's, not the one shown.
TEST_F(PreviewTest, TheImageShowsChangesTheDocumentOnlyWhatIsApplied) {
    settings.ViewData = 1;
    const std::string path = WriteBitmap("blank.bmp", 2, 2, 8, 4), kTitle = "Korvane - [blank.bmp]";
    auto type = [](const char* red) { return [=](FakeEditorWindow& w) { w.Type(0, red); }; };
    auto run = [&](int command) { return [=](FakeEditorWindow&) { Do(command); }; };
    // The step, then red of pixel (0, 0) as shown, entry 0 of the document, the main title.
    const std::tuple<Step, uint32_t, const char*, std::string> kSteps[] = {
        {type("200"), 200, "0 0 0", kTitle},
        {run(ID_PALETTE_PREVIEW), 0, "0 0 0", kTitle},
        {type("100"), 0, "0 0 0", kTitle},
        {run(ID_PALETTE_PREVIEW), 100, "0 0 0", kTitle},
        {run(ID_PALETTE_APPLY), 100, "100 0 0", "Korvane - [blank.bmp *]"},
        {type("60"), 60, "100 0 0", "Korvane - [blank.bmp *]"},
        {[&](FakeEditorWindow&) { Run(ID_FILE_SAVE); }, 60, "100 0 0", kTitle},
        {[&](FakeEditorWindow&) { fake.answers = {Answer::kYes}, Do(ID_PALETTE_REVERT); }, 100, "100 0 0", kTitle},
        {type("7"), 7, "100 0 0", kTitle},
        {[&](FakeEditorWindow&) { fake.answers = {Answer::kNo}, Do(ID_PALETTE_CLOSE); }, 100, "100 0 0", kTitle},
    };
    Edit(path, [&](FakeEditorWindow& w) {
        for (const auto& [step, red, entry, title] : kSteps) {
            step(w);
            EXPECT_EQ(Shown() >> 16, red) << entry;
            EXPECT_EQ(InDocument(), entry);
            EXPECT_EQ(fake.title, title) << entry;
        }
    });
    EXPECT_EQ(shell.document.image->Load(nullptr, path.c_str()) ? InDocument() : "", "100 0 0");
    // The preview ends without an image when the program ends with the editor open.
    Edit(path, [&](FakeEditorWindow& w) { w.Type(0, "9"), fake.DestroyMainWindow(); });
}

// A click on the image picks the clicked pixel's entry, at actual size and fitted (over 8 x 9
// client pixels, 2 and 3 for each of the image's 4 x 3), bottom-up and top-down alike; nothing on
// the background or outside the client area, for an index beyond the table, in the text view, or
// without an editor. Byte i of the bits holds i, the last 200; the table has 12 entries.
TEST_F(PreviewTest, AClickOnTheImagePicksThePixelsEntry) {
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 4, 3, 8, 12));
    std::iota(const_cast<uint8_t*>(image.GetBits()), const_cast<uint8_t*>(image.GetBits()) + 11, 0);
    const_cast<uint8_t*>(image.GetBits())[11] = 200;
    ASSERT_TRUE(image.Save(PathOf("up.bmp").c_str(), 1));
    std::string bytes = ReadBytes(PathOf("up.bmp"));
    bytes.replace(22, 4, {-3, -1, -1, -1});  // biHeight -3
    std::ofstream(PathOf("down.bmp"), std::ios::binary) << bytes;
    fake.client = {0, 0, 8, 9};
    // Top-down, fitted, the text view, the client point, the entry picked (11: none).
    const std::tuple<int, uint32_t, uint32_t, int, int, int> kClicks[] = {
        {0, 0, 1, 0, 0, 8},  {0, 0, 1, 3, 2, 3},  {0, 0, 1, 4, 0, 11}, {0, 0, 1, 0, 3, 11}, {0, 1, 1, 7, 8, 3},
        {0, 1, 1, 1, 2, 8},  {0, 1, 1, 2, 3, 5},  {0, 1, 1, 8, 0, 11}, {0, 1, 0, 1, 2, 11}, {1, 0, 1, 0, 0, 0},
        {1, 0, 1, 2, 2, 10}, {1, 0, 1, 3, 2, 11}, {1, 1, 1, 7, 8, 11}, {1, 1, 1, 0, 8, 8},
    };
    for (const char* name : {"up.bmp", "down.bmp"}) {
        Edit(PathOf(name), [&](FakeEditorWindow&) {
            for (const auto& [topDown, fit, imageView, x, y, picked] : kClicks) {
                settings.ImageOption = fit, settings.ViewData = imageView;
                shell.editor.SelectEntry(11);
                if (topDown == (name[0] == 'd')) {
                    OnImageButtonDown(shell, x, y);
                    EXPECT_EQ(shell.editor.SelectedColumn(), picked) << name << " " << x << "," << y;
                }
            }
        });
        uint32_t index = 0;
        EXPECT_EQ(PickableEntry(shell, 0, 0, &index), 0);
    }
}
