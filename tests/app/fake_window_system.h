// A scripted window system for the shell's command logic: answers and chosen paths come from
// queues, and every visible effect is recorded for the tests to read.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/document.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "app/window_system.h"

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
    void ShowAbout() override { ++aboutBoxes; }

    void SetTitle(const char* text) override { title = text; }
    void EnableMenuItem(int menu, int item, int enabled) override {
        if (enabled) {
            grayed.erase({menu, item});
        } else {
            grayed.insert({menu, item});
        }
    }
    void CheckMenuRadio(int menu, int submenu, int first, int last, int checked) override {
        radioCalls.push_back({menu, submenu, first, last, checked});
        radio[{menu, submenu}] = checked;
    }
    void SetReportText(const char* text) override {
        reportText = text;
        ++reportTextSets;
    }
    void ShowReport() override { reportVisible = true; }
    void HideReport() override { reportVisible = false; }
    void MoveReport(int width, int height) override { reportSize = {width, height}; }
    void SelectAllReport() override { ++selectAlls; }
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
    void CloseEditor() override {
        editorOpen = 0;
        ++editorCloses;
    }
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
    WindowRect windowRect;
    int editorOpen = 0;

    // Record
    Shell* shell = nullptr;
    std::vector<ShownMessage> messages;
    std::string title = "Korvane";
    std::function<void()> duringMessage;
    std::set<std::pair<int, int>> grayed;
    struct RadioCall {
        int menu, submenu, first, last, checked;
    };
    std::vector<RadioCall> radioCalls;
    std::map<std::pair<int, int>, int> radio;
    std::string reportText;
    int reportTextSets = 0;
    bool reportVisible = true;
    std::pair<int, int> reportSize{0, 0};
    int selectAlls = 0;
    int repaints = 0;
    std::vector<int> posted;
    std::vector<int> ran;
    std::vector<int> sent;
    int destroys = 0;
    int quits = 0;
    int editorCloses = 0;
    int openContexts = 0;
    int openDialogs = 0;
    int saveDialogs = 0;
    int newDialogs = 0;
    std::vector<NewImageSettings> shownNewValues;
    int aboutBoxes = 0;

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
