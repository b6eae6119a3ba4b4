// What the colour-table editor's window does for the editor's rules. The Win32 side acts on the
// dialog and its controls; native tests script it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "palette_editor/color_grid.h"
#include "views/prompts.h"

// Channels, and the trackbar, edit and invert button of each: 0 red, 1 green, 2 blue.
constexpr int kChannelCount = 3;
constexpr int kAllChannels = -1;
// More than the most colours a paste reads need, however they are spaced.
constexpr size_t kMostClipboardBytes = size_t{16} << 20;

class EditorWindow {
  public:
    virtual ~EditorWindow() = default;

    // Sizes the window without moving it, places the controls and sets each trackbar to the
    // range 0..255 with a page of 5.
    virtual void ApplyLayout(const EditorLayout& layout) = 0;
    // Moves the trackbar; no scroll notification follows.
    virtual void SetTrackbar(int channel, uint32_t value) = 0;
    virtual uint32_t GetTrackbar(int channel) = 0;
    // Puts the number into the edit; its change notification follows at once, as on Windows.
    virtual void SetEdit(int channel, uint32_t value) = 0;
    // The edit's text as an unsigned decimal number; 0 for any other text.
    virtual uint32_t ReadEdit(int channel) = 0;
    virtual void SetTitle(const char* title) = 0;
    // Items of the window's menu by position: item of the top-level menu.
    virtual void EnableMenuItem(int menu, int item, int enabled) = 0;
    virtual void CheckMenuItem(int menu, int item, int checked) = 0;
    // Draws at once on the window, outside any paint request.
    virtual void DrawNow(const std::function<void(DrawingTarget&)>& draw) = 0;
    // Invalidates the whole window with erasing and paints it at once.
    virtual void Repaint() = 0;
    // A tip beside the mouse pointer with the text (lines separated by CR LF), until HideTip.
    virtual void ShowTip(const char* text) = 0;
    virtual void HideTip() = 0;
    // The clipboard's text, written or read; 0 when it cannot be had. A read takes the first
    // kMostClipboardBytes bytes at most.
    virtual int SetClipboardText(const std::string& text) = 0;
    virtual int GetClipboardText(std::string* text) = 0;
    // The window as owner of the boxes and dialogs it asks.
    virtual OwnerWindow Owner() = 0;
    virtual void Destroy() = 0;
};
