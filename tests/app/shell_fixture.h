// A shell over a scripted window system, with a folder of its own for bitmap files. Answers
// and chosen paths come from queues; what the user would see is recorded for the tests.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <utility>
#include <map>
#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "palette_editor/canvas_target.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

// The editor's window: controls as values, an edit's change reported at once as on Windows,
// drawing on a canvas. Type and Drag are the user's own changes.
class FakeEditorWindow : public EditorWindow {
  public:
    explicit FakeEditorWindow(ColorTableEditor& e) : editor(e) {}
    void ApplyLayout(const EditorLayout&) override { ++layouts; }
    void SetTrackbar(int channel, uint32_t value) override { trackbars[channel] = value; }
    uint32_t GetTrackbar(int channel) override { return trackbars[channel]; }
    void SetEdit(int channel, uint32_t value) override { Type(channel, std::to_string(value)); }
    // As GetDlgItemInt reads it: digits only, of at most 32 bits.
    uint32_t ReadEdit(int channel) override {
        char* end = nullptr;
        uint64_t value = std::strtoull(edits[channel].c_str(), &end, 10);
        return *end == '\0' && isdigit(edits[channel][0]) && value <= UINT32_MAX ? static_cast<uint32_t>(value) : 0;
    }
    void SetTitle(const char* text) override { title = text; }
    void EnableMenuItem(int menu, int item, int enabled) override { menuItems[{menu, item}] = enabled; }
    void CheckMenuItem(int menu, int item, int checked) override { menuItems[{menu, item}] = checked; }
    void DrawNow(const std::function<void(DrawingTarget&)>& draw) override { draw(target); }
    void Repaint() override { canvas = RgbCanvas(320, 440), editor.OnPaint(target); }
    void ShowTip(const char* text) override { tip = text; }
    void HideTip() override { tip = "(none)"; }
    int SetClipboardText(const std::string& text) override { return clipboard = text, 1; }
    int GetClipboardText(std::string* text) override { return *text = clipboard, 1; }
    OwnerWindow Owner() override { return kOwner; }
    void Destroy() override { std::exchange(destroyed, 1) ? void() : editor.OnDestroyed(); }
    void Type(int channel, const std::string& text) { edits[channel] = text, editor.OnEditChanged(channel); }
    void Drag(int channel, uint32_t value) { trackbars[channel] = value, editor.OnTrackbarScrolled(); }
    // What the controls show: the trackbars, then the edits.
    std::string Controls() const {
        return std::to_string(trackbars[0]) + " " + std::to_string(trackbars[1]) + " " + std::to_string(trackbars[2]) +
               " " + edits[0] + " " + edits[1] + " " + edits[2];
    }

    static inline const OwnerWindow kOwner = reinterpret_cast<OwnerWindow>(0x5678);
    ColorTableEditor& editor;
    uint32_t trackbars[kChannelCount] = {};
    std::string edits[kChannelCount];
    std::string title, tip, clipboard;
    std::map<std::pair<int, int>, int> menuItems;  // enabled, or checked
    RgbCanvas canvas{320, 440};
    CanvasTarget target{canvas};
    int destroyed = 0;
    int layouts = 0;
};

// The fake's frame is 8 wide and 50 high, 20 higher while narrower than 200 pixels, where its
// menu bar takes two lines.
class FakeWindowSystem : public WindowSystem {
  public:
    OwnerWindow MainWindowOwner() override { return kMain; }
    // Each box as a line: "?" save prompt, "!" confirmation, "x" error, "q" question, "w" warning;
    // then the text and caption.
    Answer ShowMessage(OwnerWindow owner, const char* text, const char* caption, MessageStyle style) override {
        const char* by = owner == kMain ? "" : owner == kEditor ? "(editor) " : "(not owned) ";
        messages += by + std::string(1, "?!xqw"[static_cast<int>(style)]) + text + " @" + caption + "\n";
        if (duringMessage) {  // other windows' work that runs in the box's modal loop
            std::function<void()>(std::move(duringMessage))();
        }
        return Next(answers, Answer::kCancel);
    }
    // "" cancels; a path of kPathBytes or more is too long. A palette is saved as paletteFormat.
    FileChoice ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) override {
        *format = paletteFormat;
        return ChooseFile(owner, FileDialogKind::kSave, path);
    }
    FileChoice ChooseFile(OwnerWindow owner, FileDialogKind kind, char* path) override {
        fileDialogs += owner == kEditor ? "E"[0] : owner != kMain ? '?' : "OSC"[static_cast<int>(kind)];
        std::string chosen = Next(paths, std::string());
        CopyPath(path, chosen.c_str());
        return chosen.size() >= kPathBytes ? FileChoice::kTooLong
               : chosen.empty()            ? FileChoice::kCancelled
                                           : FileChoice::kChosen;
    }
    int ShowNewImageDialog(NewImageSettings& values) override {
        values = newImageOk ? newImage : values;
        return ++newDialogs, std::exchange(newImageOk, 0);
    }
    void ShowAbout() override {}
    void SetTitle(const char* text) override { title = text; }
    void EnableMenuItem(int menu, int item, int enabled) override { grayed[{menu, item}] = !enabled; }
    void CheckMenuRadio(int menu, int submenu, int, int, int checked) override { radio[{menu, submenu}] = checked; }
    void SetReportText(const char* text) override { reportTexts.push_back(text); }
    void ShowReport() override { reportSize = {client.right, client.bottom}; }
    void HideReport() override { reportSize = {-1, -1}; }
    void MoveReport(int width, int height) override { reportSize = {width, height}; }
    void SelectAllReport() override {}
    void Repaint() override { ++repaints; }
    void PostCommand(int command) override { posted.push_back(command); }
    void GetWindowRect(WindowRect& rect) override { rect = outer; }
    void GetClientRect(WindowRect& rect) override { rect = client; }
    void MoveWindow(const WindowPlacement& p) override {
        outer = {p.x, p.y, p.x + p.width, p.y + p.height};
        client = {0, 0, p.width - 8, p.height - (p.width < 200 ? 70 : 50)};
        ++repaints;
    }
    void SendCommand(int command) override { sent.push_back(command), DispatchCommand(*shell, command); }
    void DestroyMainWindow() override { ++destroys, OnDestroy(*shell); }
    void PostQuit() override { ++quits; }
    int IsMaximized() override { return 0; }
    int IsMinimized() override { return 0; }
    // The editor's loop runs whileEditorOpen, the user's work in the editor and the main
    // window; a window left open is then closed unasked.
    void RunColorTableEditor(ColorTableEditor& editor) override {
        FakeEditorWindow window(editor);
        editor.OnInit(window);
        if (whileEditorOpen) {
            std::function<void(FakeEditorWindow&)>(std::move(whileEditorOpen))(window);
        }
        window.Destroy();
    }
    // The options as the user leaves them: those chosen, when any are.
    void ShowOptionsDialog(ColorGridSettings& grid) override { grid = chosenGrid != nullptr ? *chosenGrid : grid; }
    void DeleteStoredSettings() override {}
    DeviceContext CreateMemoryContext() override { return ++openContexts, nullptr; }
    void DeleteMemoryContext(DeviceContext) override { --openContexts; }

    // Unknown items are grayed, as are the ones that need a document in the menu resource.
    bool IsGrayed(int menu, int item) const { return !grayed.count({menu, item}) || grayed.at({menu, item}); }
    int RadioMark(int menu, int submenu) const { return radio.count({menu, submenu}) ? radio.at({menu, submenu}) : -1; }
    // Runs the queued commands as the message loop would, including those they post.
    void RunPosted() {
        for (size_t i = 0; i < posted.size(); ++i) {
            DispatchCommand(*shell, posted[i]);
        }
        posted.clear();
    }
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        T next = queue.empty() ? otherwise : std::move(queue.front());
        return queue.empty() ? next : (queue.pop_front(), next);
    }

    static inline const OwnerWindow kMain = reinterpret_cast<OwnerWindow>(0x1234);
    static inline const OwnerWindow kEditor = FakeEditorWindow::kOwner;
    Shell* shell = nullptr;
    std::deque<Answer> answers;
    std::deque<std::string> paths;
    PaletteFormat paletteFormat = PaletteFormat::kJasc;
    const ColorGridSettings* chosenGrid = nullptr;
    NewImageSettings newImage;  // typed and OK pressed, once, when newImageOk; else Cancel
    int newImageOk = 0;
    std::function<void()> duringMessage;
    std::function<void(FakeEditorWindow&)> whileEditorOpen;
    WindowRect outer{50, 50, 380, 350}, client{0, 0, 322, 250};
    std::string messages, fileDialogs, title = "Korvane";
    std::map<std::pair<int, int>, int> grayed, radio;
    std::vector<std::string> reportTexts;
    std::pair<int, int> reportSize{0, 0};  // -1, -1 while hidden
    std::vector<int> posted, sent;
    int newDialogs = 0, repaints = 0, destroys = 0, quits = 0, openContexts = 0;
};

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() : shell(fake, settings) { fake.shell = &shell; }
    ~ShellTest() override { std::filesystem::remove_all(dir); }

    std::string PathOf(const char* name) const { return (dir / name).string(); }
    // A blank bitmap file written by the model itself.
    std::string WriteBitmap(const char* name, int32_t width, int32_t height, uint32_t bits, uint32_t colors) {
        BitmapImage image;
        std::string path = PathOf(name);
        EXPECT_TRUE(image.Create(nullptr, width, height, bits, colors) && image.Save(path.c_str(), 1));
        return path;
    }
    static std::string ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Run(int command) { ASSERT_EQ(DispatchCommand(shell, command), 1); }
    void Leave(int command) { command != 0 ? Run(command) : OnClose(shell); }  // 0: the close box
    void Open(const std::string& path) {
        fake.paths.push_back(path);
        Run(ID_FILE_OPEN);
    }
    // OK in the new-image dialog with these values.
    void New(uint32_t width, uint32_t height, int mode, uint32_t entries) {
        fake.newImage = {width, height, entries, mode};
        fake.newImageOk = 1;
        Run(ID_FILE_NEW);
    }
    // Opens the file, dropping any changes unasked, and runs the work while the editor is open.
    void Edit(const std::string& path, std::function<void(FakeEditorWindow&)> work) {
        fake.answers = {Answer::kNo};
        Open(path);
        fake.whileEditorOpen = std::move(work);
        Run(ID_VIEW_EDIT_COLOR_TABLE);
    }
    void Do(int command) { shell.editor.OnCommand(command); }
    static std::string Entry(const ColorTable& table, uint32_t i) {
        const uint8_t* e = table.GetEntry(i);
        return std::to_string(e[0]) + " " + std::to_string(e[1]) + " " + std::to_string(e[2]);
    }
    std::string Working(uint32_t i = 0) const { return Entry(shell.editor.WorkingTable(), i); }
    void MarkChangedAndTitle() {
        MarkChanged(shell.document);
        UpdateTitle(shell, shell.document.path, 1);
    }
    // The document as the user sees it: title, "dirty", whether the items needing an image (Close, Save,
    // Save as, the Window items) and the colour-table item are enabled, and "editor" while it is open.
    std::string Seen() const {
        int items = 0;
        for (auto item : {std::make_pair(0, 3), {0, 5}, {0, 6}, {3, 0}, {3, 1}}) {
            items += !fake.IsGrayed(item.first, item.second);
        }
        return fake.title + (shell.document.dirty ? " dirty" : "") +
               (items == 5 ? " items"
                : items    ? " some"
                           : "") +
               (fake.IsGrayed(kMenuView, kViewEditColorTable) ? "" : " table") +
               (shell.editor.IsOpen() ? " editor" : "");
    }

    FakeWindowSystem fake;
    Settings settings;
    Shell shell;
    std::filesystem::path dir = [] {
        char pattern[] = "/tmp/korvane-app-XXXXXX";
        return std::filesystem::path(mkdtemp(pattern));
    }();
};
