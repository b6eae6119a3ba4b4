// What the view commands need of the main window. The Win32 side acts on the real window and
// its report control; native tests script it.
#pragma once

#include "views/geometry.h"

class ViewWindow {
  public:
    virtual ~ViewWindow() = default;

    // Items of the main menu by position: item of the top-level menu.
    virtual void EnableMenuItem(int menu, int item, int enabled) = 0;
    // Radio mark on checked within first..last of the top-level menu, or of its submenu at
    // position submenu when that is not -1.
    virtual void CheckMenuRadio(int menu, int submenu, int first, int last, int checked) = 0;

    // The report control (text view).
    virtual void SetReportText(const char* text) = 0;
    // Fits it to the client area without repainting it, then shows it.
    virtual void ShowReport() = 0;
    virtual void HideReport() = 0;
    virtual void MoveReport(int width, int height) = 0;
    // Focus on the report control, its whole text selected.
    virtual void SelectAllReport() = 0;

    // Invalidates the whole client area with erasing and paints it at once.
    virtual void Repaint() = 0;
    // Posted commands run later from the queue, in the order posted.
    virtual void PostCommand(int command) = 0;

    // The outer rectangle in screen coordinates, and the client rectangle (origin 0, 0).
    virtual void GetWindowRect(WindowRect& rect) = 0;
    virtual void GetClientRect(WindowRect& rect) = 0;
    // Moves and sizes the main window, repainting it.
    virtual void MoveWindow(const WindowPlacement& placement) = 0;
};
