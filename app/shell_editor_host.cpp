#include "app/shell_editor_host.h"

#include "app/document_commands.h"
#include "app/shell.h"
#include "model/bitmap_image.h"
#include "model/file_io.h"
#include "model/palette_file.h"
#include "model/table_from_file.h"

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
    return ChoosePath(shell_.system, owner, FileDialogKind::kOpenColorTable, path);
}

int ShellEditorHost::ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) {
    return AcceptChoice(shell_.system, owner, shell_.system.ChoosePaletteFile(owner, path, format));
}

TableLoad ShellEditorHost::LoadColorTable(const char* path, ColorTable& table) {
    if (!PathExists(path)) {
        return TableLoad::kMissing;
    }
    return LoadColorTableFromFile(path, table) ? TableLoad::kLoaded : TableLoad::kUnreadable;
}

int ShellEditorHost::SavePaletteFile(const char* path, const ColorTable& table, PaletteFormat format) {
    return SavePalette(path, table, format);
}

// The title gains its mark with the first change only; every change counts, so a Save as
// that fails meanwhile still knows the document changed.
void ShellEditorHost::ApplyTable(const ColorTable& table) {
    Document& document = shell_.document;
    if (document.image == nullptr) {
        return;
    }
    document.image->SetColorTable(0, table);
    RepaintImageView();
    int wasClean = document.dirty == 0;
    MarkChanged(document);
    if (wasClean) {
        UpdateTitle(shell_, document.path, 1);
    }
}

int ShellEditorHost::PreviewOn() {
    return shell_.settings.PreviewColorTable != 0;
}

void ShellEditorHost::SetPreviewOn(int on) {
    shell_.settings.PreviewColorTable = on ? 1 : 0;
}

// Only the surface's colours change: the document, its title and its report stay as they are.
void ShellEditorHost::PreviewTable(const ColorTable& table) {
    if (shell_.document.image != nullptr && shell_.document.image->ShowColorTable(table)) {
        RepaintImageView();
    }
}

void ShellEditorHost::EndPreview() {
    if (shell_.document.image != nullptr && shell_.document.image->ShowOwnColorTable()) {
        RepaintImageView();
    }
}

void ShellEditorHost::RepaintImageView() {
    if (shell_.settings.ViewData == 1) {
        shell_.system.Repaint();
    }
}
