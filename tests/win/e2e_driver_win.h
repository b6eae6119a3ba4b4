// Drives the real main window in-process: starts it as the program does, pumps its messages
// through the program's accelerators and answers its dialogs through a CBT hook.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "resources/resource.h"
#include "tests/win/win_test.h"

// A scripted answer: 1 when it took the dialog (and ended it), 0 to leave it to the next.
using DialogAnswer = std::function<int(HWND dialog)>;

class E2eDriver {
  public:
    ~E2eDriver() { Finish(); }
    // As the program starts, from no stored settings unless told to keep them.
    HWND Start(bool keepStoredSettings = false);
    void Finish();              // as the program ends, the document dropped unasked
    void Command(int command);  // sent, then the queue drained
    void Drain();               // as the program's loop does, accelerators included
    void Key(int key, bool control = false);
    // Used in order of arrival; a dialog that none takes is cancelled.
    static std::vector<DialogAnswer> answers;

  private:
    HWND window_ = nullptr;
};

// Takes a dialog that has both control and button: types text over the control (into a combo
// box's edit) and presses button. A message box's text is the control kMessageBoxText.
constexpr int kMessageBoxText = 0xFFFF;
DialogAnswer Reply(int control, int button, const std::string& text = "");
DialogAnswer ChooseFile(const std::string& path);
std::string WindowText(HWND window);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
int WriteImage(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& colour);
