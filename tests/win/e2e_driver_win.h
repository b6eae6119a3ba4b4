// Drives the real main window in-process: starts it as the program does, pumps its messages
// through the program's accelerators and answers its dialogs through a CBT hook.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

// A scripted answer: 1 when it took the dialog (and ended it), 0 to leave it to the next.
using DialogAnswer = std::function<int(HWND dialog)>;
// Work done in the colour-table editor, given its window.
using EditorStep = std::function<void(HWND editor)>;

class E2eDriver {
  public:
    ~E2eDriver() { Finish(); }
    // As the program starts, from no stored settings unless told to keep them.
    HWND Start(bool keepStoredSettings = false);
    void Finish();              // as the program ends, the document dropped unasked
    void Command(int command);  // sent, then the queue drained
    void Drain();               // as the program's loop does, accelerators included
    void Key(int key, bool control = false);
    // Runs each step from the open editor's own loop when idle with no box up, then closes it unasked;
    // the number of steps that never ran because the editor closed first.
    size_t WithEditor(std::vector<EditorStep> steps);
    Shell& GetShell() { return program_->shell; }
    // None once the window is gone.
    HWND MainWindow() const { return program_->MainWindow(); }
    // Used in order of arrival; a dialog that none takes is cancelled. The editor is none of theirs.
    static std::vector<DialogAnswer> answers;
    static std::vector<EditorStep> editorSteps;

  private:
    std::unique_ptr<Program> program_;
    HWND window_ = nullptr;
};

// Takes a dialog with both control and button: notes the control's text in seen, types text over it (a combo
// box's edit) and presses button. A message box's text is the control kMessageBoxText.
constexpr int kMessageBoxText = 0xFFFF;
DialogAnswer Reply(int control, int button, const std::string& text = "", std::string* seen = nullptr);
DialogAnswer ChooseFile(const std::string& path);
// Posts a key to window as typed, with Control or Alt held or not, for its loop to translate.
void PostKey(HWND window, int key, bool control = false, bool alt = false);
std::string WindowText(HWND window);
// 1 when every point of the window's client area shows the colour.
int Shows(HWND window, std::initializer_list<POINT> points, COLORREF colour);

constexpr char kSettingsKey[] = "Software\\Velmarin\\Korvane";
// A stored setting as 32-bit integers; none when it is missing or not of the type asked for.
std::vector<int32_t> StoredIntegers(const char* name, DWORD type = RRF_RT_ANY);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// A bitmap file of 0 (24 bits), 16 or 256 entries, entry i the colour(i); pixel (x, y) holds
// pixel(x, y), a colour or an index.
int WriteImage(const std::string& path,
               int width,
               int height,
               const std::function<COLORREF(int, int)>& pixel,
               uint32_t entries = 0,
               const std::function<COLORREF(uint32_t)>& colour = {});
