// Identifiers of every resource, command and control. Included by the resource script and by
// portable code alike, so it holds plain #defines only.
#pragma once

#define IDC_STATIC (-1)

// Dialogs
#define IDD_ABOUT 100
#define IDD_COLOR_TABLE 101
#define IDD_OPTIONS 107
#define IDD_NEW_IMAGE 116

// Menus and accelerator tables
#define IDR_MAIN_ACCEL 102
#define IDR_MAIN_MENU 103
#define IDR_EDITOR_MENU 104
#define IDR_EDITOR_ACCEL 114

// Icons
#define IDI_MAIN 105
#define IDI_SMALL 106

// The main window's text view, created at run time
#define IDC_TEXT_VIEW 1000

// Colour-table editor (dialog 101): trackbars, edits and invert buttons per channel
#define IDC_TRACK_RED 1000
#define IDC_TRACK_GREEN 1001
#define IDC_TRACK_BLUE 1002
#define IDC_EDIT_RED 1003
#define IDC_EDIT_GREEN 1004
#define IDC_EDIT_BLUE 1005
#define IDC_INVERT_RED 1006
#define IDC_INVERT_GREEN 1008
#define IDC_INVERT_BLUE 1010

// New-image dialog (116)
#define IDC_NEW_WIDTH 1003
#define IDC_NEW_HEIGHT 1004
#define IDC_NEW_ENTRIES 1005
#define IDC_NEW_COLOR_MODE 1010

// Options dialog (107)
#define IDC_OPT_CURSOR_WIDTH 1007
#define IDC_OPT_ENTRY_WIDTH 1009
#define IDC_OPT_ENTRY_HEIGHT 1011
#define IDC_OPT_COLUMNS 1012
#define IDC_OPT_ROWS 1013

// Commands of the main window
#define ID_FILE_OPEN 40000
#define ID_FILE_CLOSE 40001
#define ID_FILE_SAVE 40002
#define ID_FILE_SAVE_AS 40003
#define ID_FILE_EXIT 40004
#define ID_HELP_ABOUT 40005
#define ID_VIEW_HEADER 40006
#define ID_VIEW_IMAGE 40007
#define ID_TEXT_MEMBERS 40008
#define ID_TEXT_SUMMARY 40009
#define ID_IMAGE_FIT_WINDOW 40010
#define ID_IMAGE_ACTUAL_SIZE 40011
#define ID_BG_BLACK 40012
#define ID_BG_WHITE 40013
#define ID_NOTATION_DEC 40014
#define ID_NOTATION_HEX 40015
#define ID_VIEW_EDIT_COLOR_TABLE 40016
#define ID_VIEW_OPTIONS 40017
#define ID_WINDOW_KEEP_ASPECT 40037
#define ID_WINDOW_FIT_IMAGE 40039
#define ID_EDIT_SELECT_ALL 40041
#define ID_EDIT_DELETE_SETTINGS 40042
#define ID_FILE_NEW 40043
#define ID_VIEW_REDRAW 40044
// Posted at start when the command line names a file; in no menu.
#define ID_FILE_OPEN_GIVEN 40050

// Commands of the colour-table editor
#define ID_PALETTE_APPLY 40019
#define ID_PALETTE_CLOSE 40020
#define ID_PALETTE_LOAD 40021
#define ID_OP_INVERT_ALL 40027
#define ID_OP_SWAP_RG 40028
#define ID_OP_SWAP_GB 40029
#define ID_OP_SWAP_BR 40030
#define ID_PALETTE_REVERT 40035
#define ID_PALETTE_APPLY_CLOSE 40040
#define ID_PALETTE_EXPORT 40051
#define ID_PALETTE_PREVIEW 40052
#define ID_EDIT_UNDO 40053
#define ID_EDIT_REDO 40054
#define ID_OP_MARK_UNUSED 40055
#define ID_OP_HIGHLIGHT 40056
#define ID_OP_RAMP 40057
#define ID_EDIT_COPY_COLOR 40058
#define ID_EDIT_PASTE_COLORS 40059
#define ID_EDIT_COPY_TABLE 40060
