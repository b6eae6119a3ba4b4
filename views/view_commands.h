// The view commands of the main window: which view is active, the report form, the number
// notation, the image options, the menu states that go with each, select all, the Tab key, and
// the two commands that size the window to the image.
#pragma once

#include "views/display_settings.h"
#include "views/header_report.h"
#include "views/view_window.h"

class BitmapImage;

// What the view commands act on; image is none and path empty without a document.
struct ViewContext {
    ViewWindow& window;
    DisplaySettings& settings;
    HeaderReport& report;
    const BitmapImage* image;
    const char* path;
};

// Runs a view command; 0 when the command is not one of them.
int DispatchViewCommand(const ViewContext& view, int command);
// Shows the report of the current image when the text view is active.
void RefreshReport(const ViewContext& view);
// Tab toggles the view; every other key does nothing.
void OnKeyDown(const ViewContext& view, unsigned key);
