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
    ~E2eDriver() { Finish(); }
    // As the program starts, from no stored settings unless told to keep them.
    HWND Start(bool keepStoredSettings = false);
    void Finish();              // as the program ends, the document dropped unasked
    void Command(int command);  // sent, then the queue drained
    void Drain();               // as the program's loop does, accelerators included
    void Key(int key, bool control = false);
    void Open(const std::string& path);  // through the open dialog
    // Used in order of arrival; a dialog that none takes is cancelled.
    static std::vector<DialogAnswer> answers;

  private:
    HWND window_ = nullptr;
};

// Takes a dialog that has both control and button: puts the control's text into seen, types
// text over it (into a combo box's edit), and presses button.
DialogAnswer Reply(int control, int button, const std::string& text, std::string* seen = nullptr);
DialogAnswer ChooseFile(const std::string& path);
constexpr int kMessageBoxText = 0xFFFF;
std::string WindowText(HWND window);

// 1 when every point of the window's client area shows the colour.
int Shows(HWND window, std::initializer_list<POINT> points, COLORREF colour);
// Paints the whole client area behind the program's back, invalidating nothing.
void Scribble(HWND window, COLORREF colour);

// A value under the program's registry key as 32-bit integers; none when it is missing or not
// of the type asked for (RRF_RT_...).
std::vector<int32_t> StoredIntegers(const char* name, DWORD type = RRF_RT_ANY);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
int WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
int WriteImage(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& colour);
