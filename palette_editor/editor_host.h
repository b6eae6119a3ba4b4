// What the colour-table editor needs of the program around it: the document's image and its
// table as last read or saved, the grid settings, questions and file choices owned by the
// editor, the files it reads and writes, the one way its work reaches the document, and the
// preview of its work on the image.
#pragma once

#include "model/palette_file.h"
#include "palette_editor/grid_settings.h"
#include "views/prompts.h"

class BitmapImage;
class ColorTable;

enum class TableLoad { kLoaded, kMissing, kUnreadable };

class EditorHost {
  public:
    virtual ~EditorHost() = default;

    // None without a document image.
    virtual const BitmapImage* Image() = 0;
    // The image's table as it was opened, created or last saved.
    virtual const ColorTable& Snapshot() = 0;
    // Read at every use: the options may change while the editor is open.
    virtual const ColorGridSettings& Grid() = 0;

    // A box with the caption "Korvane".
    virtual Answer Ask(OwnerWindow owner, const char* text, MessageStyle style) = 0;
    // Fills path (kPathBytes) with a bitmap or palette file the user chose to open, or a palette
    // file to save and its format; a name too long is refused with a message. 1 when chosen.
    virtual int ChooseOpenPath(OwnerWindow owner, char* path) = 0;
    virtual int ChoosePaletteFile(OwnerWindow owner, char* path, PaletteFormat* format) = 0;
    // The colour table of a bitmap file (empty when it has none) or of a palette file.
    virtual TableLoad LoadColorTable(const char* path, ColorTable& table) = 0;
    // Writes the table as a palette file of the format, replacing any file there; 1 on success.
    virtual int SavePaletteFile(const char* path, const ColorTable& table, PaletteFormat format) = 0;

    // Writes the table into the image from entry 0, shows the image with it and records the
    // change in the document.
    virtual void ApplyTable(const ColorTable& table) = 0;

    // Whether changes show on the image before they are applied; a setting kept between runs.
    virtual int PreviewOn() = 0;
    virtual void SetPreviewOn(int on) = 0;
    // Shows the image with the table, the document left as it is; EndPreview shows it with its
    // own table again. Without an image, nothing.
    virtual void PreviewTable(const ColorTable& table) = 0;
    virtual void EndPreview() = 0;
};
