// Drives the real main window in-process: starts it as the program does, pumps its messages,
// answers its dialogs through a CBT hook, and reads back menus, texts and the registry.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings.h"

// What a dialog that came up looked like.
struct SeenDialog {
    std::string caption;
    std::string text;  // the message of a message box; empty for other dialogs
};

// A scripted answer: returns 1 when it took the dialog (and ended it), 0 to leave it to the next.
using DialogAnswer = std::function<int(HWND dialog)>;

class E2eDriver {
  public:
    E2eDriver();
    ~E2eDriver();

    // Starts the program's main window the way the program does, after resetting the settings
    // in memory to their defaults; then runs the posted start-up commands. None on failure,
    // which is a test failure.
    HWND Start();
    // Closes the window if it still exists (dropping the document as a No would) and finishes
    // as the program does after its loop.
    void Finish();

    HWND Window() const { return window_; }
    // Sends a command and returns when it has run, dialogs included; then drains the queue.
    void Command(int command);
    // Pumps until the queue stays empty for a moment.
    void Drain();

    // Answers in order of arrival.
    void Expect(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    const std::vector<SeenDialog>& Seen() const { return seen_; }
    void ClearSeen() { seen_.clear(); }
    // 1 when the last dialog seen was a message box with this text and caption.
    int LastSeen(const char* text, const char* caption) const;

    // Commands retrieved from the queue for the main window, with whether it was visible then.
    std::vector<std::pair<int, bool>> queuedCommands;

    std::string Title() const;
    std::string ReportText() const;
    // By position: item of the top-level menu, or of its submenu when submenu is not -1.
    int IsGrayed(int menu, int item) const;
    int IsRadioChecked(int menu, int submenu, int item) const;

    // Called from the hook's timer.
    void OnDialog(HWND dialog);

  private:
    HWND window_ = nullptr;
    HHOOK cbtHook_ = nullptr;
    HHOOK messageHook_ = nullptr;
    HANDLE finished_ = nullptr;
    HANDLE watchdog_ = nullptr;
    std::vector<DialogAnswer> answers_;
    std::vector<SeenDialog> seen_;
};

// Scripted answers.
DialogAnswer AnswerMessageBox(int buttonId);
DialogAnswer ChooseFile(const std::string& path);  // an empty path cancels
// The new-image dialog: choose mode (or -1 to leave it), then set the texts that are not null,
// then OK (1) or Cancel (2). entriesShown receives the entries field after the mode was chosen.
DialogAnswer FillNewImage(const char* width,
                          const char* height,
                          int mode,
                          const char* entries,
                          int buttonId,
                          std::string* entriesShown = nullptr);

// HKLM\Software\Velmarin\Korvane: a stored value as little-endian 32-bit integers (none when it
// is missing), and whether the key exists.
std::vector<int32_t> StoredIntegers(const char* name);
int StoredKeyExists();

// Files in the test's own folder.
std::string TempPath(const char* name);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
