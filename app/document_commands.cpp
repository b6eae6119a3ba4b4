#include "app/document_commands.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "app/path_split.h"
#include "resources/texts.h"
#include "model/file_io.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"

namespace {

// The product name's length plus 527 bytes holds a title with two 255-byte parts.
constexpr int kTitleBytes = sizeof(kProductName) - 1 + 527;
constexpr int kPromptBytes = 542;

void ShowError(Shell& shell, const char* text, const char* caption) {
    shell.system.ShowMessage(shell.system.MainWindowOwner(), text, caption, MessageStyle::kError);
}

void SetImageMenuItems(Shell& shell, int enabled) {
    WindowSystem& ws = shell.system;
    ws.EnableMenuItem(kMenuFile, kFileClose, enabled);
    ws.EnableMenuItem(kMenuFile, kFileSave, enabled);
    ws.EnableMenuItem(kMenuFile, kFileSaveAs, enabled);
    ws.EnableMenuItem(kMenuWindow, kWindowFitImage, enabled);
    ws.EnableMenuItem(kMenuWindow, kWindowKeepAspect, enabled);
}

// Makes the document's next image in a fresh object with make(image, dc), so a failure leaves
// the current image untouched; on success the fresh one replaces it. 1 on success.
template <typename Make>
int MakeFreshImage(Shell& shell, Make make) {
    BitmapImage* fresh = new (std::nothrow) BitmapImage;
    if (fresh == nullptr || !InMemoryContext(shell.system, [&](DeviceContext dc) { return make(*fresh, dc); })) {
        delete fresh;
        return 0;
    }
    // The editor edits the old image's table, so it goes before that image does.
    shell.editor.Close();
    delete shell.document.image;
    shell.document.image = fresh;
    return 1;
}

}  // namespace

Answer ConfirmDiscard(Shell& shell) {
    Document& document = shell.document;
    if (!NeedsSavePrompt(document)) {
        return Answer::kNoQuestion;
    }
    PathParts parts;
    SplitPath(document.path, parts);
    char prompt[kPromptBytes];
    std::snprintf(prompt, sizeof(prompt), kSavePromptFormat, parts.name, parts.extension);
    Answer answer =
        shell.system.ShowMessage(shell.system.MainWindowOwner(), prompt, kProductName, MessageStyle::kSavePrompt);
    switch (answer) {
        case Answer::kYes:
            shell.system.SendCommand(ID_FILE_SAVE);
            // A failed write or a cancelled save dialog leaves the document needing the
            // prompt; dropping it then would lose the changes the user asked to keep.
            return NeedsSavePrompt(document) ? Answer::kCancel : Answer::kYes;
        case Answer::kNo:
            // The changes are dropped only with the image: an Open or New that is cancelled or
            // fails after this leaves the same changed image open, still to be asked about.
            return Answer::kNo;
        default:
            return Answer::kCancel;
    }
}

void UpdateTitle(Shell& shell, const char* path, int mark) {
    PathParts parts;
    SplitPath(path, parts);
    char title[kTitleBytes];
    std::snprintf(title, sizeof(title), mark ? kChangedTitleFormat : kTitleFormat, kProductName, parts.name,
                  parts.extension);
    shell.system.SetTitle(title);
}

int ChoosePath(WindowSystem& system, OwnerWindow owner, FileDialogKind kind, char* path) {
    return AcceptChoice(system, owner, system.ChooseFile(owner, kind, path));
}

int AcceptChoice(WindowSystem& system, OwnerWindow owner, FileChoice choice) {
    if (choice == FileChoice::kTooLong) {
        system.ShowMessage(owner, kNameTooLongText, kProductName, MessageStyle::kError);
    }
    return choice == FileChoice::kChosen;
}

void AdoptImage(Shell& shell, const char* newPath) {
    Document& document = shell.document;
    document.image->GetColorTable(document.snapshot);
    document.dirty = 0;
    CopyPath(document.path, newPath);
    UpdateTitle(shell, document.path, 0);
    SetImageMenuItems(shell, 1);
    shell.system.EnableMenuItem(kMenuView, kViewEditColorTable, document.image->GetColorCount() > 0);
    shell.report.EmptyBoth();
    if (shell.settings.ViewData == 1) {
        shell.system.Repaint();
    } else {
        RefreshReport(shell.View());
    }
}

void OnFileOpen(Shell& shell) {
    if (ConfirmDiscard(shell) == Answer::kCancel) {
        return;
    }
    char chosen[kPathBytes];
    if (ChoosePath(shell.system, shell.system.MainWindowOwner(), FileDialogKind::kOpen, chosen)) {
        OpenChosenFile(shell, chosen);
    }
}

void OpenGivenFile(Shell& shell, const std::string& path) {
    if (ConfirmDiscard(shell) == Answer::kCancel) {
        return;
    }
    const FileChoice choice = path.size() < kPathBytes ? FileChoice::kChosen : FileChoice::kTooLong;
    if (AcceptChoice(shell.system, shell.system.MainWindowOwner(), choice)) {
        OpenChosenFile(shell, path.c_str());
    }
}

void OpenChosenFile(Shell& shell, const char* chosen) {
    if (!PathExists(chosen)) {
        ShowError(shell, kFileMissingText, kProductName);
        return;
    }
    if (!MakeFreshImage(shell, [&](BitmapImage& image, DeviceContext dc) { return image.Load(dc, chosen); })) {
        ShowError(shell, kLoadErrorText, chosen);
        return;
    }
    AdoptImage(shell, chosen);
}

void OnFileNew(Shell& shell) {
    if (ConfirmDiscard(shell) == Answer::kCancel) {
        return;
    }
    NewImageSettings& values = shell.newImage;
    if (!shell.system.ShowNewImageDialog(values)) {
        return;
    }
    // The typed numbers go on unchanged; the image decides which sizes it accepts.
    auto create = [&](BitmapImage& image, DeviceContext dc) {
        return image.Create(dc, static_cast<int32_t>(values.width), static_cast<int32_t>(values.height),
                            ColorModeBitsPerPixel(values.modeIndex), values.entryCount);
    };
    if (!MakeFreshImage(shell, create)) {
        ShowError(shell, kCreateErrorText, kProductName);
        return;
    }
    AdoptImage(shell, kNewImagePath);
}

void OnFileClose(Shell& shell) {
    if (ConfirmDiscard(shell) == Answer::kCancel) {
        return;
    }
    Document& document = shell.document;
    shell.editor.Close();
    document.dirty = 0;
    document.path[0] = '\0';
    shell.report.EmptyBoth();
    document.snapshot.Clear();
    shell.system.SetTitle(kProductName);
    shell.system.SetReportText("");
    delete document.image;
    document.image = nullptr;
    SetImageMenuItems(shell, 0);
    shell.system.EnableMenuItem(kMenuView, kViewEditColorTable, 0);
    if (shell.settings.ViewData == 1) {
        shell.system.Repaint();
    }
}

void OnFileSave(Shell& shell) {
    Document& document = shell.document;
    if (document.image == nullptr) {
        return;
    }
    if (std::strcmp(document.path, kNewImagePath) == 0) {
        shell.system.SendCommand(ID_FILE_SAVE_AS);
        return;
    }
    if (document.dirty == 0) {
        return;
    }
    if (!document.image->Save(document.path, 1)) {
        ShowError(shell, kSaveErrorText, kProductName);
        return;
    }
    UpdateTitle(shell, document.path, 0);
    document.dirty = 0;
    // Revert goes back to the table as last saved, as its question says.
    document.image->GetColorTable(document.snapshot);
}

void OnFileSaveAs(Shell& shell) {
    Document& document = shell.document;
    if (document.image == nullptr) {
        return;
    }
    char chosen[kPathBytes];
    if (!ChoosePath(shell.system, shell.system.MainWindowOwner(), FileDialogKind::kSave, chosen)) {
        return;
    }
    char previousPath[kPathBytes];
    CopyPath(previousPath, document.path);
    int32_t previousDirty = document.dirty;
    uint32_t previousChanges = document.changes;
    CopyPath(document.path, chosen);
    // Dirty first, so that Save writes even a clean document under the new name.
    document.dirty = 1;
    shell.system.SendCommand(ID_FILE_SAVE);
    if (document.dirty != 0) {
        // The write failed: the document keeps the name it still has on disk. A change made
        // while the error box was up (the editor stays usable) keeps the document dirty.
        CopyPath(document.path, previousPath);
        if (document.changes != previousChanges) {
            UpdateTitle(shell, document.path, 1);
        } else {
            document.dirty = previousDirty;
        }
    }
}

void OnFileExit(Shell& shell) {
    if (ConfirmDiscard(shell) == Answer::kCancel) {
        return;
    }
    shell.system.DestroyMainWindow();
}

void OnHelpAbout(Shell& shell) {
    shell.system.ShowAbout();
}
