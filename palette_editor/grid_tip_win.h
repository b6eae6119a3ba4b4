// The tip that follows the pointer over the colour grid: a tracking tooltip of the common
// controls, its text set anew for each cell.
#pragma once

#include <windows.h>

class GridTip {
  public:
    // Made for the dialog once its common controls are registered; without it tips are not shown.
    void Create(HWND dialog);
    // Beside the pointer, lines separated by CR LF.
    void Show(const char* text);
    void Hide();

  private:
    void Send(UINT message, WPARAM wParam, const char* text);

    HWND dialog_ = nullptr;
    HWND tip_ = nullptr;
};
