// Colours in and out of the editor as hex codes through the clipboard, and a ramp between the
// selected entry and a second end marked with Shift.
#include <algorithm>
#include <vector>

#include "palette_editor/color_table_editor.h"
#include "palette_editor/hex_colors.h"
#include "palette_editor/table_operations.h"
#include "resources/menu_positions.h"
#include "resources/texts.h"

void ColorTableEditor::SetRangeEnd(int has, uint32_t index) {
    // A plain click without an end has nothing to take away.
    if (!has && !hasRangeEnd_) {
        return;
    }
    const ColorGridSettings& grid = host_.Grid();
    uint32_t selected = 0;
    window_->DrawNow([&](DrawingTarget& target) {
        if (hasRangeEnd_) {
            const GridCell end = CellOfEntry(grid, rangeEnd_);
            DrawCursor(target, grid, end.column, end.row, kCursorEraseColor);
            if (SelectedEntry(&selected)) {
                DrawCursor(target, grid, column_, row_, kCursorColor);
            }
        }
        hasRangeEnd_ = has;
        rangeEnd_ = index;
        DrawMarks(target);
    });
    ShowOperationItems();
}

void ColorTableEditor::ShowOperationItems() {
    uint32_t selected = 0;
    const int ramp = hasRangeEnd_ && SelectedEntry(&selected) && RampFits(working_.GetCount(), selected, rangeEnd_);
    window_->EnableMenuItem(kEditorMenuOperations, kOperationRamp, ramp);
}

void ColorTableEditor::FillRampToEnd() {
    uint32_t selected = 0;
    ColorTable ramped;
    if (!hasRangeEnd_ || !SelectedEntry(&selected) || !ramped.CopyFrom(working_) ||
        !FillRamp(ramped, selected, rangeEnd_)) {
        return;
    }
    for (uint32_t i = std::min(selected, rangeEnd_) + 1; i < std::max(selected, rangeEnd_); ++i) {
        history_.Set(working_, i, ramped.GetEntry(i));
    }
    FinishWholeTableChange();
}

void ColorTableEditor::CopyColor() {
    uint32_t selected = 0;
    if (SelectedEntry(&selected)) {
        window_->SetClipboardText(HexColor(working_, selected));
    }
}

void ColorTableEditor::CopyTable() {
    window_->SetClipboardText(HexColorLines(working_));
}

// One colour goes into the selected entry, a list into the entries from it on, cut at the
// table's end; a text that is no list of colours changes nothing and says why.
void ColorTableEditor::PasteColors() {
    uint32_t selected = 0;
    std::string text;
    std::vector<uint8_t> rgb;
    if (!SelectedEntry(&selected)) {
        return;
    }
    const HexColorsRead read =
        window_->GetClipboardText(&text) ? ReadHexColors(text.data(), text.size(), &rgb) : HexColorsRead::kEmpty;
    if (read != HexColorsRead::kRead) {
        host_.Ask(window_->Owner(), read == HexColorsRead::kEmpty ? kPasteEmptyText : kPasteRefusedText,
                  MessageStyle::kWarning);
        return;
    }
    const uint32_t count = static_cast<uint32_t>(std::min<size_t>(rgb.size() / 3, working_.GetCount() - selected));
    for (uint32_t k = 0; k < count; ++k) {
        const uint8_t entry[4] = {rgb[3 * k], rgb[3 * k + 1], rgb[3 * k + 2], 0};
        history_.Set(working_, selected + k, entry);
    }
    FinishWholeTableChange();
    ShowSelectedValues(1, 1, kAllChannels, 0);
}
