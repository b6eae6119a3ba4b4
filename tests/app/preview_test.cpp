#include <numeric>

#include "app/image_pick.h"
#include "tests/app/shell_fixture.h"

// The editor's steps of undo and redo, its preview on the image, and picking an entry on the
// image. The images are blank ones made by the model, entry 0 being (0, 0, 0).
class PreviewTest : public ShellTest {
  protected:
    // Red of pixel (0, 0) as the image view paints it, and of entry 0 of the document's table.
    uint32_t Shown() const {
        RgbCanvas canvas(1, 1);
        shell.document.image->Draw(&canvas, 0, 0);
        return canvas.Pixel(0, 0) >> 16;
    }
    uint32_t InDocument() const {
        ColorTable table;
        return shell.document.image->GetColorTable(table) ? table.GetEntry(0)[0] : 999;
    }
};

// One step each: an edit's keystrokes, a trackbar gesture to its release (a key's move is one), an operation, a
// revert. Undo shows the entry and grays itself at the first step; a new change drops what could be redone.
TEST_F(PreviewTest, EachActionIsOneStep) {
    Edit(WriteBitmap("blank.bmp", 2, 2, 4, 16), [&](FakeEditorWindow& w) {
        w.Type(0, "1"), w.Type(0, "12");
        w.Drag(1, 5), w.Drag(1, 7), shell.editor.OnTrackbarReleased();
        w.Drag(1, 9), shell.editor.OnTrackbarReleased();
        Do(ID_OP_INVERT_ALL);
        fake.answers = {Answer::kYes}, Do(ID_PALETTE_REVERT);
        for (std::string entry : {"243 246 255", "12 9 0", "12 7 0", "12 0 0", "0 0 0", "0 0 0"}) {
            Do(ID_EDIT_UNDO);
            EXPECT_EQ(Working(), entry);
            EXPECT_EQ(w.Controls(), entry + " " + entry);
        }
        EXPECT_EQ((w.menuItems[{kEditorMenuEdit, kEditUndo}]), 0);
        Do(ID_EDIT_REDO);
        w.Type(2, "5");
        EXPECT_EQ((w.menuItems[{kEditorMenuEdit, kEditRedo}]), 0);
        Do(ID_EDIT_REDO);
        EXPECT_EQ(Working(), "12 0 5");
    });
}

// Each change shows on the image at once, the document's table unchanged until Apply; switched off or
// closed unapplied, the image shows its own table again; Save writes the document's.
TEST_F(PreviewTest, TheImageShowsChangesTheDocumentOnlyWhatIsApplied) {
    settings.ViewData = 1;
    const std::string path = WriteBitmap("blank.bmp", 2, 2, 8, 4);
    auto type = [](const char* red) { return [=](FakeEditorWindow& w) { w.Type(0, red); }; };
    auto run = [&](int command) { return [=](FakeEditorWindow&) { Do(command); }; };
    auto ask = [&](int command) { return [=](FakeEditorWindow&) { fake.answers = {Answer::kYes}, Do(command); }; };
    // The step, then red as shown, red in the document, whether the document is changed.
    const std::tuple<std::function<void(FakeEditorWindow&)>, uint32_t, uint32_t, int> kSteps[] = {
        {type("200"), 200, 0, 0},
        {run(ID_PALETTE_PREVIEW), 0, 0, 0},
        {run(ID_PALETTE_PREVIEW), 200, 0, 0},
        {run(ID_PALETTE_APPLY), 200, 200, 1},
        {type("60"), 60, 200, 1},
        {[&](FakeEditorWindow&) { Run(ID_FILE_SAVE); }, 60, 200, 0},
        {ask(ID_PALETTE_REVERT), 200, 200, 0},
        {type("7"), 7, 200, 0},
        {[&](FakeEditorWindow&) { fake.answers = {Answer::kNo}, Do(ID_PALETTE_CLOSE); }, 200, 200, 0},
    };
    Edit(path, [&](FakeEditorWindow& w) {
        for (const auto& [step, shown, inDocument, dirty] : kSteps) {
            step(w);
            EXPECT_EQ(Shown(), shown) << inDocument;
            EXPECT_EQ(InDocument(), inDocument) << shown;
            EXPECT_EQ(shell.document.dirty, dirty) << shown;
        }
    });
    EXPECT_EQ(shell.document.image->Load(nullptr, path.c_str()) ? InDocument() : 999, 200u);
    // The preview ends without an image when the program ends with the editor open.
    Edit(path, [&](FakeEditorWindow& w) { w.Type(0, "9"), fake.DestroyMainWindow(); });
}

// A click on the image picks the pixel's entry, at actual size and fitted (8 x 9 client pixels over 4 x 3),
// both row orders; nothing on the background, outside the client area, for an index beyond the table, in
// the text view, or without an editor. Byte i of the bits holds i, the last 200, over 12 entries.
TEST_F(PreviewTest, AClickOnTheImagePicksThePixelsEntry) {
    BitmapImage image;
    ASSERT_TRUE(image.Create(nullptr, 4, 3, 8, 12));
    auto* bits = const_cast<uint8_t*>(image.GetBits());
    std::iota(bits, bits + 11, 0), bits[11] = 200;
    ASSERT_TRUE(image.Save(PathOf("up.bmp").c_str(), 1));
    std::string bytes = ReadBytes(PathOf("up.bmp"));
    std::ofstream(PathOf("down.bmp"), std::ios::binary) << bytes.replace(22, 4, {-3, -1, -1, -1});  // biHeight -3
    fake.client = {0, 0, 8, 9};
    // Top-down, fitted, the image view, the client point, the entry picked (11: none).
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
        EXPECT_EQ(IndexUnderPoint(shell, 0, 0, &index), 0);
    }
}
