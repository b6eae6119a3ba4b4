// What the editor knows of its image: how many pixels use each entry (the tips and the marks of
// unused entries), and what the image shows while the editor is open (highlight, preview).
#include "model/bitmap_image.h"
#include "model/bmp_format.h"
#include "palette_editor/color_table_editor.h"
#include "palette_editor/entry_tip.h"
#include "palette_editor/table_operations.h"
#include "resources/menu_positions.h"

// Pixels never change while the editor is open, so they are counted once. An image whose rows
// cannot be counted shows every entry as unused and marks none.
void ColorTableEditor::CountPixels(const BitmapImage& image) {
    usage_ = PixelUsage{};
    imagePixels_ = 0;
    if (CountPixelUsage(image, working_.GetCount(), &usage_)) {
        imagePixels_ = usage_.beyondTable;
        for (uint64_t uses : usage_.perEntry) {
            imagePixels_ += uses;
        }
    }
}

void ColorTableEditor::OnMouseMove(int32_t x, int32_t y) {
    int32_t column = 0;
    int32_t row = 0;
    if (window_ == nullptr) {
        return;
    }
    if (!HitTestCell(host_.Grid(), working_.GetCount(), x, y, &column, &row)) {
        return OnMouseLeft();
    }
    const int64_t entry = static_cast<int64_t>(EntryOfCell(host_.Grid(), column, row));
    if (entry != tipEntry_) {
        tipEntry_ = entry;
        const uint32_t i = static_cast<uint32_t>(entry);
        window_->ShowTip(EntryTip(working_, i, PixelsUsing(i), imagePixels_).c_str());
    }
}

void ColorTableEditor::OnMouseLeft() {
    if (window_ != nullptr && tipEntry_ >= 0) {
        tipEntry_ = -1;
        window_->HideTip();
    }
}

void ColorTableEditor::DrawMarks(DrawingTarget& target) {
    const ColorGridSettings& grid = host_.Grid();
    if (markUnused_ && imagePixels_ != 0) {
        for (uint32_t i = 0; i < working_.GetCount(); ++i) {
            if (PixelsUsing(i) == 0) {
                const GridCell cell = CellOfEntry(grid, i);
                DrawUnusedMark(target, grid, cell.column, cell.row);
            }
        }
    }
    uint32_t selected = 0;
    if (hasRangeEnd_ && !(SelectedEntry(&selected) && selected == rangeEnd_)) {
        const GridCell end = CellOfEntry(grid, rangeEnd_);
        DrawCursor(target, grid, end.column, end.row, kRangeEndColor);
        // A band the two share stays the cursor's.
        DrawCursor(target, grid, column_, row_, kCursorColor);
    }
}

void ColorTableEditor::DrawEntryMarks(DrawingTarget& target, uint32_t index) {
    if (markUnused_ && imagePixels_ != 0 && PixelsUsing(index) == 0) {
        DrawUnusedMark(target, host_.Grid(), column_, row_);
    }
}

void ColorTableEditor::ToggleMarkUnused() {
    markUnused_ = !markUnused_;
    window_->CheckMenuItem(kEditorMenuOperations, kOperationMarkUnused, markUnused_);
    window_->Repaint();
}

void ColorTableEditor::ToggleHighlight() {
    highlight_ = !highlight_;
    window_->CheckMenuItem(kEditorMenuOperations, kOperationHighlight, highlight_);
    ShowOnImage();
}

// The highlight is built from the table the image would show without it: the working one while
// the preview is on, the image's own otherwise.
void ColorTableEditor::ShowOnImage() {
    uint32_t selected = 0;
    const BitmapImage* image = host_.Image();
    if (highlight_ && image != nullptr && SelectedEntry(&selected)) {
        ColorTable own;
        ColorTable highlighted;
        const ColorTable* base = host_.PreviewOn() || !image->GetColorTable(own) ? &working_ : &own;
        if (MakeHighlightTable(*base, selected, &highlighted)) {
            host_.PreviewTable(highlighted);
            previewing_ = 1;
            return;
        }
    }
    if (host_.PreviewOn()) {
        host_.PreviewTable(working_);
        previewing_ = 1;
        return;
    }
    StopPreview();
}
