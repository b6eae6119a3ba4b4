// The colour-table editor's view of the shell: the document's image and snapshot, the grid and
// preview settings, the window system for what it asks, and the document for what it applies
// and previews.
#pragma once

#include "palette_editor/editor_host.h"

struct Shell;

class ShellEditorHost : public EditorHost {
  public:
    explicit ShellEditorHost(Shell& shell) : shell_(shell) {}

    const BitmapImage* Image() override;
    const ColorTable& Snapshot() override;
    const ColorGridSettings& Grid() override;
    Answer Ask(OwnerWindow owner, const char* text, MessageStyle style) override;
    int ChooseOpenPath(OwnerWindow owner, char* path) override;
    int ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) override;
    TableLoad LoadColorTable(const char* path, ColorTable& table) override;
    int SavePaletteFile(const char* path, const ColorTable& table, PaletteFormat format) override;
    void ApplyTable(const ColorTable& table) override;
    int PreviewOn() override;
    void SetPreviewOn(int on) override;
    void PreviewTable(const ColorTable& table) override;
    void EndPreview() override;

  private:
    // What the image shows changed: the image view, when it shows, is painted anew.
    void RepaintImageView();

    Shell& shell_;
};
