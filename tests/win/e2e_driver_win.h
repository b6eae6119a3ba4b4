// Drives the real main window in-process: starts it as the program does, pumps its messages
// through the program's accelerators, answers its dialogs through a CBT hook, and reads back
// pixels, files and the registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A scripted answer: 1 when it took the dialog (and ended it), 0 to leave it to the next.
using DialogAnswer = std::function<int(HWND dialog)>;

class E2eDriver {
  public:
    E2eDriver();
    ~E2eDriver();
    // As the program starts, from no stored settings unless told to keep them.
    HWND Start(bool keepStoredSettings = false);
    void Finish();              // as the program ends, the document dropped unasked
    void Command(int command);  // sent, then the queue drained
    void Drain();
    // Through the program's accelerators, as its loop does.
    void Key(int key, bool control = false);
    void Open(const std::string& path);  // through the open dialog
    // Answers in order of arrival; a dialog nobody expects is cancelled.
    void Expect(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    void OnDialog(HWND dialog);

  private:
    HWND window_ = nullptr;
    HHOOK hook_ = nullptr;
    std::vector<DialogAnswer> answers_;
    std::vector<HWND> handled_;
};

DialogAnswer AnswerMessageBox(int button, std::string* text = nullptr);
DialogAnswer ChooseFile(const std::string& path);
// Puts "width height entries mode" as the dialog came up into shown, then chooses mode, types
// width and height and presses button.
DialogAnswer FillNewImage(const char* width, const char* height, int mode, int button, std::string* shown);
std::string WindowText(HWND window);

// 1 when every point of the window's client area shows the colour.
int Shows(HWND window, std::initializer_list<POINT> points, COLORREF colour);
// Paints the whole client area behind the program's back, invalidating nothing.
void Scribble(HWND window, COLORREF colour);

// A value under the program's registry key as 32-bit integers; none when it is missing.
std::vector<int32_t> StoredIntegers(const char* name);
// Files in the test run's own folder, which a later run may find again.
std::string TempPath(const char* name);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
int WriteImage(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& colour);
