// What a message box or a file dialog gives back, for every window that asks the user.
#pragma once

// A window that owns a dialog or box: the HWND on Windows.
struct OwnerWindowTag;
using OwnerWindow = OwnerWindowTag*;

// Warning icon with Yes, No and Cancel; warning icon with Yes and No; error icon with OK; question
// icon with Yes and No; warning icon with OK.
enum class MessageStyle { kSavePrompt, kConfirm, kError, kQuestion, kWarning };

enum class Answer { kNoQuestion, kOk, kYes, kNo, kCancel };

// A bitmap to open or save; a bitmap or palette file to take a colour table from.
enum class FileDialogKind { kOpen, kSave, kOpenColorTable };
// kTooLong: the user confirmed a name longer than a path buffer holds.
enum class FileChoice { kCancelled, kChosen, kTooLong };

// Bytes of a path buffer: 259 bytes of text and the terminating zero.
constexpr int kPathBytes = 260;
