// The view commands of the main window: which view is active, the report form, the number
// notation, the image options, and the menu states that go with each.
#pragma once

#include "app/shell.h"

void OnViewHeader(Shell& shell);
void OnViewImage(Shell& shell);
void OnTextSummary(Shell& shell);
void OnTextMembers(Shell& shell);
void OnNotation(Shell& shell, uint32_t notation);
void OnImageOption(Shell& shell, uint32_t option);
void OnBackground(Shell& shell, uint32_t color);
void OnViewRedraw(Shell& shell);
void OnEditSelectAll(Shell& shell);
// Tab toggles the view; every other key does nothing.
void OnKeyDown(Shell& shell, unsigned key);
