// The document commands of the main window (New, Open, Close, Save, Save as, Exit, About) and
// the operations other parts share: the discard check, the title, the file choice.
#pragma once

#include <string>

#include "app/shell.h"

// Asks whether to save when the document needs it. Yes counts only when the save it starts
// succeeds; otherwise the answer is Cancel and the document stays as it was. No leaves the
// document changed until the caller replaces or drops it.
Answer ConfirmDiscard(Shell& shell);
// "Korvane - [name.ext]", with " *" before the bracket when mark is set.
void UpdateTitle(Shell& shell, const char* path, int mark);
// Fills path (kPathBytes) and returns 1 when the user confirms a file in a dialog owned by
// owner; a name too long for the buffer is refused with a message.
int ChoosePath(WindowSystem& system, OwnerWindow owner, FileDialogKind kind, char* path);
// 1 for a file chosen; a name too long for the buffer is refused with a message owned by owner.
int AcceptChoice(WindowSystem& system, OwnerWindow owner, FileChoice choice);
// The common end of a successful Open or New, once the document holds its new image.
void AdoptImage(Shell& shell, const char* newPath);

// Open once the file is known: the file read into a fresh image, or the message that says why not.
void OpenChosenFile(Shell& shell, const char* path);
// A file dropped on the window or named at start: the save prompt, then as Open after its dialog.
void OpenGivenFile(Shell& shell, const std::string& path);

void OnFileNew(Shell& shell);
void OnFileOpen(Shell& shell);
void OnFileClose(Shell& shell);
void OnFileSave(Shell& shell);
void OnFileSaveAs(Shell& shell);
void OnFileExit(Shell& shell);
void OnHelpAbout(Shell& shell);
