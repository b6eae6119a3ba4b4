// A shell over a scripted window system, with a folder of its own for bitmap files. Answers
// and chosen paths come from queues; the visible effects are recorded for the tests to read.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/document_commands.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageStyle style;
    bool operator==(const ShownMessage& o) const { return text == o.text && caption == o.caption && style == o.style; }
};

// The fake's main window: a frame 8 wide and 50 high, 20 higher while narrower than 200
// pixels, where its menu bar takes two lines.
constexpr int kFrameWidth = 8;
inline int FrameHeight(int outerWidth) {
    return outerWidth < 200 ? 70 : 50;
}

class FakeWindowSystem : public WindowSystem {
  public:
    FakeWindowSystem() {
        // The states in the menu resource before any code runs.
        grayed = {{0, 3}, {0, 5}, {0, 6}, {2, 1}, {2, 6}, {2, 7}, {2, 9}, {2, 10}, {2, 12}, {3, 0}, {3, 1}};
    }

    OwnerWindow MainWindowOwner() override { return kMain; }
    Answer ShowMessage(OwnerWindow owner, const char* text, const char* caption, MessageStyle style) override {
        EXPECT_EQ(owner, kMain);
        messages.push_back({text, caption, style});
        if (duringMessage) {  // other windows' work that runs in the box's modal loop
            std::function<void()> work = std::move(duringMessage);
            work();
        }
        return Next(answers, Answer::kCancel);
    }
    FileChoice ChooseFile(OwnerWindow owner, FileDialogKind kind, char* path) override {
        EXPECT_EQ(owner, kMain);
        fileDialogs.push_back(kind);
        std::string chosen = Next(paths, std::string());
        if (chosen.size() >= kPathBytes) {
            return FileChoice::kTooLong;
        }
        CopyPath(path, chosen.c_str());
        return chosen.empty() ? FileChoice::kCancelled : FileChoice::kChosen;
    }
    int ShowNewImageDialog(NewImageSettings& values) override {
        shownNewValues.push_back(values);
        return Next(newImage, std::function<int(NewImageSettings&)>([](NewImageSettings&) { return 0; }))(values);
    }
    void ShowAbout() override {}
    void SetTitle(const char* text) override { title = text; }
    void EnableMenuItem(int menu, int item, int enabled) override {
        enabled ? (void)grayed.erase({menu, item}) : (void)grayed.insert({menu, item});
    }
    void CheckMenuRadio(int menu, int submenu, int, int, int checked) override { radio[{menu, submenu}] = checked; }
    void SetReportText(const char* text) override { reportTexts.push_back(text); }
    void ShowReport() override { reportSize = {client.right, client.bottom}; }
    void HideReport() override { reportSize = {-1, -1}; }
    void MoveReport(int width, int height) override { reportSize = {width, height}; }
    void SelectAllReport() override { ++selectAlls; }
    void Repaint() override { ++repaints; }
    void PostCommand(int command) override { posted.push_back(command); }
    void GetWindowRect(WindowRect& rect) override { rect = outer; }
    void GetClientRect(WindowRect& rect) override { rect = client; }
    void MoveWindow(const WindowPlacement& p) override {
        outer = {p.x, p.y, p.x + p.width, p.y + p.height};
        client = {0, 0, p.width - kFrameWidth, p.height - FrameHeight(p.width)};
        ++repaints;
    }
    void SendCommand(int command) override {
        sent.push_back(command);
        DispatchCommand(*shell, command);
    }
    void DestroyMainWindow() override {
        ++destroys;
        OnDestroy(*shell);
    }
    void PostQuit() override { ++quits; }
    int IsMaximized() override { return maximized; }
    int IsMinimized() override { return minimized; }
    int IsEditorOpen() override { return editorOpen; }
    void CloseEditor() override { editorOpen = 0; }
    void DeleteStoredSettings() override { ++deletes; }
    DeviceContext CreateMemoryContext() override { return ++openContexts, nullptr; }
    void DeleteMemoryContext(DeviceContext) override { --openContexts; }

    bool IsGrayed(int menu, int item) const { return grayed.count({menu, item}) != 0; }
    int RadioMark(int menu, int submenu) const { return radio.count({menu, submenu}) ? radio.at({menu, submenu}) : -1; }
    // Runs the queued commands as the message loop would, including those they post.
    void RunPosted() {
        for (size_t i = 0; i < posted.size(); ++i) {
            DispatchCommand(*shell, posted[i]);
        }
        posted.clear();
    }

    static inline const OwnerWindow kMain = reinterpret_cast<OwnerWindow>(0x1234);
    Shell* shell = nullptr;
    // Script
    std::deque<Answer> answers;
    std::deque<std::string> paths;  // "" cancels the dialog; 260 bytes or more are too long
    std::deque<std::function<int(NewImageSettings&)>> newImage;
    std::function<void()> duringMessage;
    int maximized = 0, minimized = 0, editorOpen = 0;
    WindowRect outer{50, 50, 380, 350};
    WindowRect client{0, 0, 322, 250};
    // Record
    std::vector<ShownMessage> messages;
    std::vector<FileDialogKind> fileDialogs;
    std::vector<NewImageSettings> shownNewValues;
    std::string title = "Korvane";
    std::set<std::pair<int, int>> grayed;
    std::map<std::pair<int, int>, int> radio;
    std::vector<std::string> reportTexts;
    std::pair<int, int> reportSize{0, 0};  // -1, -1 while hidden
    std::vector<int> posted, sent;
    int repaints = 0, selectAlls = 0, destroys = 0, quits = 0, deletes = 0, openContexts = 0;

  private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) {
            return otherwise;
        }
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
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
    // Each way of leaving the document; 0 is the window's close box.
    static constexpr int kLeaving[] = {ID_FILE_CLOSE, ID_FILE_OPEN, ID_FILE_NEW, ID_FILE_EXIT, 0};
    void Leave(int command) { command != 0 ? Run(command) : OnClose(shell); }
    void Open(const std::string& path) {
        fake.paths.push_back(path);
        Run(ID_FILE_OPEN);
    }
    // OK in the new-image dialog with these values.
    void New(uint32_t width, uint32_t height, int mode, uint32_t entries) {
        fake.newImage.push_back([=](NewImageSettings& v) { return v = {width, height, entries, mode}, 1; });
        Run(ID_FILE_NEW);
    }
    void MarkChangedAndTitle() {
        MarkChanged(shell.document);
        updateTitle(shell, shell.document.path, 1);
    }
    // The items that need an image: Close, Save, Save as, and the two Window items.
    void ExpectImageItems(bool enabled) {
        for (auto item : {std::make_pair(0, 3), {0, 5}, {0, 6}, {3, 0}, {3, 1}}) {
            EXPECT_EQ(fake.IsGrayed(item.first, item.second), !enabled) << item.first << "." << item.second;
        }
    }

    FakeWindowSystem fake;
    Settings settings;
    Shell shell;
    std::filesystem::path dir = [] {
        char pattern[] = "/tmp/korvane-app-XXXXXX";
        return std::filesystem::path(mkdtemp(pattern));
    }();
};
