// A shell over a scripted window system, with a folder of its own for bitmap files. Answers
// and chosen paths come from queues, and every visible effect is recorded for the tests to read.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/document.h"
#include "app/document_commands.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "app/window_system.h"
#include "model/bitmap_image.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageStyle style;
};

class FakeWindowSystem : public WindowSystem {
  public:
    FakeWindowSystem() {
        // The states in the menu resource before any code runs.
        for (auto item :
             {std::make_pair(0, 3), {0, 5}, {0, 6}, {2, 1}, {2, 6}, {2, 7}, {2, 9}, {2, 10}, {2, 12}, {3, 0}, {3, 1}}) {
            grayed.insert(item);
        }
    }

    void Attach(Shell* target) { shell = target; }

    Answer ShowMessage(const char* text, const char* caption, MessageStyle style) override {
        messages.push_back({text, caption, style});
        // Other windows' work that runs in the box's modal loop.
        if (duringMessage) {
            std::function<void()> work = std::move(duringMessage);
            duringMessage = nullptr;
            work();
        }
        if (answers.empty()) {
            return Answer::kCancel;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    int ChooseOpenPath(char* path) override { return Choose(openPaths, path, openDialogs); }
    int ChooseSavePath(char* path) override { return Choose(savePaths, path, saveDialogs); }
    int ShowNewImageDialog(NewImageSettings& values) override {
        ++newDialogs;
        shownNewValues.push_back(values);
        if (newDialogScript.empty()) {
            return 0;
        }
        auto step = newDialogScript.front();
        newDialogScript.pop_front();
        return step(values);
    }
    void ShowAbout() override {}

    void SetTitle(const char* text) override { title = text; }
    void EnableMenuItem(int menu, int item, int enabled) override {
        if (enabled) {
            grayed.erase({menu, item});
        } else {
            grayed.insert({menu, item});
        }
    }
    void CheckMenuRadio(int menu, int submenu, int, int, int checked) override { radio[{menu, submenu}] = checked; }
    void SetReportText(const char* text) override {
        reportText = text;
        ++reportTextSets;
    }
    void ShowReport() override { reportVisible = true; }
    void HideReport() override { reportVisible = false; }
    void MoveReport(int width, int height) override { reportSize = {width, height}; }
    void SelectAllReport() override {}
    void Repaint() override { ++repaints; }
    void PostCommand(int command) override { posted.push_back(command); }
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
    void GetWindowRect(WindowRect& rect) override { rect = windowRect; }
    int IsEditorOpen() override { return editorOpen; }
    void CloseEditor() override { editorOpen = 0; }
    DeviceContext CreateMemoryContext() override {
        ++openContexts;
        return nullptr;
    }
    void DeleteMemoryContext(DeviceContext) override { --openContexts; }

    bool IsGrayed(int menu, int item) const { return grayed.count({menu, item}) != 0; }
    int RadioMark(int menu, int submenu) const {
        auto it = radio.find({menu, submenu});
        return it == radio.end() ? -1 : it->second;
    }
    // Runs the queued commands as the message loop would, including those they post.
    void RunPosted() {
        while (!posted.empty()) {
            int command = posted.front();
            posted.erase(posted.begin());
            ran.push_back(command);
            DispatchCommand(*shell, command);
        }
    }

    // Script
    std::deque<Answer> answers;
    std::deque<std::string> openPaths;  // an empty entry cancels the dialog
    std::deque<std::string> savePaths;
    std::deque<std::function<int(NewImageSettings&)>> newDialogScript;
    int maximized = 0;
    int minimized = 0;
    WindowRect windowRect = kDefaultWindowRect;
    int editorOpen = 0;

    // Record
    Shell* shell = nullptr;
    std::vector<ShownMessage> messages;
    std::string title = "Korvane";
    std::function<void()> duringMessage;
    std::set<std::pair<int, int>> grayed;
    std::map<std::pair<int, int>, int> radio;
    std::string reportText;
    int reportTextSets = 0;
    bool reportVisible = true;
    std::pair<int, int> reportSize{0, 0};
    int repaints = 0;
    std::vector<int> posted;
    std::vector<int> ran;
    std::vector<int> sent;
    int destroys = 0;
    int quits = 0;
    int openContexts = 0;
    int openDialogs = 0;
    int saveDialogs = 0;
    int newDialogs = 0;
    std::vector<NewImageSettings> shownNewValues;

  private:
    static int Choose(std::deque<std::string>& queue, char* path, int& count) {
        ++count;
        if (queue.empty()) {
            return 0;
        }
        std::string chosen = queue.front();
        queue.pop_front();
        if (chosen.empty()) {
            return 0;
        }
        CopyPath(path, chosen.c_str());
        return 1;
    }
};

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() : shell(fake, settings) { fake.Attach(&shell); }

    void SetUp() override {
        char pattern[] = "/tmp/korvane-app-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string PathOf(const char* name) const { return dir + "/" + name; }

    // A blank bitmap file written by the model itself.
    std::string WriteBitmap(const char* name, int32_t width, int32_t height, uint32_t bits, uint32_t colors) {
        BitmapImage image;
        EXPECT_EQ(image.Create(nullptr, width, height, bits, colors), 1);
        std::string path = PathOf(name);
        EXPECT_EQ(image.Save(path.c_str(), 1), 1);
        return path;
    }
    static std::vector<uint8_t> ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void Run(int command) { ASSERT_EQ(DispatchCommand(shell, command), 1); }
    // Each way of leaving the document; 0 is the window's close box.
    static constexpr int kLeaving[] = {ID_FILE_CLOSE, ID_FILE_OPEN, ID_FILE_NEW, ID_FILE_EXIT, 0};
    void Leave(int command) {
        if (command != 0) {
            Run(command);
        } else {
            OnClose(shell);
        }
    }
    void Open(const std::string& path) {
        fake.openPaths.push_back(path);
        Run(ID_FILE_OPEN);
    }
    // OK in the new-image dialog with these values.
    void New(uint32_t width, uint32_t height, int mode, uint32_t entries) {
        fake.newDialogScript.push_back([=](NewImageSettings& v) {
            v.width = width;
            v.height = height;
            v.modeIndex = mode;
            v.entryCount = entries;
            return 1;
        });
        Run(ID_FILE_NEW);
    }
    void ExpectImageItems(bool enabled) {
        for (auto item : {std::make_pair(0, 3), {0, 5}, {0, 6}, {3, 0}, {3, 1}}) {
            EXPECT_EQ(fake.IsGrayed(item.first, item.second), !enabled) << item.first << "." << item.second;
        }
    }

    FakeWindowSystem fake;
    Settings settings;
    Shell shell;
    std::string dir;
};
