#include "app/editor_host.h"

#include "app/document_commands.h"
#include "app/shell.h"

const BitmapImage* ShellEditorHost::Image() {
    return shell_.document.image;
}

const ColorTable& ShellEditorHost::Snapshot() {
    return shell_.document.snapshot;
}

const ColorGridSettings& ShellEditorHost::Grid() {
    return shell_.settings.colorGrid;
}

Answer ShellEditorHost::Ask(OwnerWindow owner, const char* text, MessageStyle style) {
    return shell_.system.ShowMessage(owner, text, kProductName, style);
}

int ShellEditorHost::ChooseOpenPath(OwnerWindow owner, char* path) {
    return ChoosePath(shell_.system, owner, FileDialogKind::kOpen, path);
}

int ShellEditorHost::LoadImage(BitmapImage& image, const char* path) {
    DeviceContext dc = shell_.system.CreateMemoryContext();
    int loaded = image.Load(dc, path);
    shell_.system.DeleteMemoryContext(dc);
    return loaded;
}

// The title gains its mark with the first change only; every change counts, so a Save as
// that fails meanwhile still knows the document changed.
void ShellEditorHost::ApplyTable(const ColorTable& table) {
    Document& document = shell_.document;
    if (document.image == nullptr) {
        return;
    }
    document.image->SetColorTable(0, table);
    DeviceContext dc = shell_.system.CreateMemoryContext();
    document.image->MakeSurface(dc);
    shell_.system.DeleteMemoryContext(dc);
    if (shell_.settings.ViewData == 1) {
        shell_.system.Repaint();
    }
    int wasClean = document.dirty == 0;
    MarkChanged(document);
    if (wasClean) {
        updateTitle(shell_, document.path, 1);
    }
}
