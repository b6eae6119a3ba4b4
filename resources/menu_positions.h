// Positions in the main menu (resource 103) and the colour-table editor's (104). Items are
// enabled, grayed and marked by position, separators counted, so these must follow the menu
// script; the ones the code uses.
#pragma once

// Top level
constexpr int kMenuFile = 0;
constexpr int kMenuEdit = 1;
constexpr int kMenuView = 2;
constexpr int kMenuWindow = 3;

// File
constexpr int kFileClose = 3;
constexpr int kFileSave = 5;
constexpr int kFileSaveAs = 6;

// Edit
constexpr int kEditSelectAll = 0;

// View
constexpr int kViewEditColorTable = 1;
constexpr int kViewHeader = 3;
constexpr int kViewImage = 4;
constexpr int kViewTextSubmenu = 6;
constexpr int kViewNotationSubmenu = 7;
constexpr int kViewImageSubmenu = 9;
constexpr int kViewBackgroundSubmenu = 10;
constexpr int kViewRedraw = 12;

// Items of the View submenus
constexpr int kTextSummary = 0;
constexpr int kTextMembers = 1;
constexpr int kNotationDec = 0;
constexpr int kNotationHex = 1;
constexpr int kImageActualSize = 0;
constexpr int kImageFitWindow = 1;
constexpr int kBgBlack = 0;
constexpr int kBgWhite = 1;

// Window
constexpr int kWindowFitImage = 0;
constexpr int kWindowKeepAspect = 1;

// The colour-table editor's menu: top level, then items
constexpr int kEditorMenuPalette = 0;
constexpr int kEditorMenuOperations = 1;
constexpr int kEditorMenuEdit = 2;
constexpr int kOperationMarkUnused = 3;
constexpr int kOperationHighlight = 4;
constexpr int kOperationRamp = 5;
constexpr int kPalettePreview = 10;
constexpr int kEditUndo = 0;
constexpr int kEditRedo = 1;
