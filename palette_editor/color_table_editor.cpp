#include "palette_editor/color_table_editor.h"

#include <algorithm>
#include <utility>

#include "model/bitmap_image.h"
#include "resources/menu_positions.h"
#include "resources/resource.h"
#include "resources/texts.h"

namespace {

// The dialog manager's commands for Enter on a default button and for the close box and Esc.
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;
constexpr uint32_t kLargestValue = 255;
// Where the changes of an open step come from: an edit is its channel, 0 to 2.
constexpr int kNoSource = -1;
constexpr int kTrackbarSource = kChannelCount;
// R, G, B and 0, as a colour table holds them.
constexpr int kEntryBytes = 4;

uint32_t Clamp(uint32_t value) {
    return value > kLargestValue ? kLargestValue : value;
}

}  // namespace

int ColorTableEditor::Begin() {
    const BitmapImage* image = host_.Image();
    if (running_ || image == nullptr || image->GetColorCount() == 0 || !image->GetColorTable(working_)) {
        return 0;
    }
    running_ = 1;
    modified_ = 0;
    CountPixels(*image);
    return 1;
}

void ColorTableEditor::End() {
    running_ = 0;
    modified_ = 0;
    window_ = nullptr;
    working_.Clear();
    history_.Clear();
    source_ = kNoSource;
}

void ColorTableEditor::Close() {
    if (window_ != nullptr) {
        window_->Destroy();
    }
}

void ColorTableEditor::OnInit(EditorWindow& window) {
    window_ = &window;
    window.ApplyLayout(ComputeEditorLayout(host_.Grid(), working_.GetCount()));
    column_ = 0;
    row_ = 0;
    ShowSelectedValues(1, 1, kAllChannels, 0);
    window.SetTitle(kEditorTitle);
    modified_ = 0;
    window.CheckMenuItem(kEditorMenuPalette, kPalettePreview, host_.PreviewOn());
    markUnused_ = highlight_ = hasRangeEnd_ = 0;
    tipEntry_ = -1;
    ShowHistoryItems();
    ShowOperationItems();
}

void ColorTableEditor::OnDestroyed() {
    window_ = nullptr;
    StopPreview();
}

void ColorTableEditor::OnGridChanged() {
    if (window_ == nullptr) {
        return;
    }
    window_->ApplyLayout(ComputeEditorLayout(host_.Grid(), working_.GetCount()));
    window_->Repaint();
    ShowSelectedValues(1, 1, kAllChannels, 0);
}

void ColorTableEditor::OnPaint(DrawingTarget& target) {
    PaintGrid(target, host_.Grid(), working_, column_, row_);
    DrawMarks(target);
}

// A press off every cell does nothing. Selecting never marks the editor: the values it shows
// are the entry's own.
void ColorTableEditor::OnButtonDown(int32_t x, int32_t y, int shift) {
    int32_t column = 0;
    int32_t row = 0;
    if (window_ == nullptr || !HitTestCell(host_.Grid(), working_.GetCount(), x, y, &column, &row)) {
        return;
    }
    if (shift) {
        // A hit cell holds an entry, so its index fits 32 bits.
        SetRangeEnd(1, static_cast<uint32_t>(EntryOfCell(host_.Grid(), column, row)));
        return;
    }
    SetRangeEnd(0, 0);
    Select(column, row);
}

void ColorTableEditor::SelectEntry(uint32_t index) {
    if (window_ != nullptr && index < working_.GetCount()) {
        const GridCell cell = CellOfEntry(host_.Grid(), index);
        Select(cell.column, cell.row);
    }
}

void ColorTableEditor::Select(int32_t column, int32_t row) {
    EndStep();
    window_->DrawNow([&](DrawingTarget& target) {
        MoveCursor(target, host_.Grid(), &column_, &row_, column, row);
        DrawMarks(target);
    });
    ShowSelectedValues(1, 1, kAllChannels, 0);
    ShowOperationItems();
    if (highlight_) {
        ShowOnImage();
    }
}

// Text that is no number reads as 0, anything above 255 as 255; the text stays as typed.
void ColorTableEditor::OnEditChanged(int channel) {
    uint32_t index = 0;
    if (window_ == nullptr || showing_) {
        return;
    }
    if (!SelectedEntry(&index)) {
        ShowSelectedValues(1, 0, channel, 0);
        return;
    }
    Continue(channel);
    SetChannel(index, channel, Clamp(window_->ReadEdit(channel)));
    Changed();
    ShowSelectedValues(1, 0, channel, 1);
}

// All three positions are written, whichever trackbar moved.
void ColorTableEditor::OnTrackbarScrolled() {
    uint32_t index = 0;
    if (window_ == nullptr) {
        return;
    }
    if (!SelectedEntry(&index)) {
        ShowSelectedValues(1, 1, kAllChannels, 0);
        return;
    }
    Continue(kTrackbarSource);
    ChangeEntry(index, [&](uint8_t* e) {
        for (int c = 0; c < kChannelCount; ++c) {
            e[c] = static_cast<uint8_t>(Clamp(window_->GetTrackbar(c)));
        }
    });
    Changed();
    ShowSelectedValues(0, 1, kAllChannels, 1);
}

void ColorTableEditor::OnTrackbarReleased() {
    EndStep();
}

void ColorTableEditor::OnEditLeft() {
    EndStep();
}

// Every command is another action: the step of an edit or trackbar ends.
void ColorTableEditor::OnCommand(int command) {
    if (window_ == nullptr) {
        return;
    }
    EndStep();
    switch (command) {
        case IDC_INVERT_RED:
            return InvertChannel(0);
        case IDC_INVERT_GREEN:
            return InvertChannel(1);
        case IDC_INVERT_BLUE:
            return InvertChannel(2);
        case ID_PALETTE_APPLY:
            return Apply();
        case kDialogOk:
        case ID_PALETTE_APPLY_CLOSE:
            Apply();
            return window_->Destroy();
        case kDialogCancel:
        case ID_PALETTE_CLOSE:
            return AskAndClose();
        case ID_PALETTE_LOAD:
            return Load();
        case ID_PALETTE_REVERT:
            return Revert();
        case ID_PALETTE_EXPORT:
            return Export();
        case ID_PALETTE_PREVIEW:
            return TogglePreview();
        case ID_EDIT_UNDO:
            return UndoOrRedo(1);
        case ID_EDIT_REDO:
            return UndoOrRedo(0);
        case ID_EDIT_COPY_COLOR:
            return CopyColor();
        case ID_EDIT_PASTE_COLORS:
            return PasteColors();
        case ID_EDIT_COPY_TABLE:
            return CopyTable();
        case ID_OP_MARK_UNUSED:
            return ToggleMarkUnused();
        case ID_OP_HIGHLIGHT:
            return ToggleHighlight();
        case ID_OP_RAMP:
            return FillRampToEnd();
        case ID_OP_INVERT_ALL:
            return ChangeEachEntry([](uint8_t* e) {
                for (int c = 0; c < kChannelCount; ++c) {
                    e[c] = static_cast<uint8_t>(kLargestValue - e[c]);
                }
            });
        case ID_OP_SWAP_RG:
            return ChangeEachEntry([](uint8_t* e) { std::swap(e[0], e[1]); });
        case ID_OP_SWAP_GB:
            return ChangeEachEntry([](uint8_t* e) { std::swap(e[1], e[2]); });
        case ID_OP_SWAP_BR:
            return ChangeEachEntry([](uint8_t* e) { std::swap(e[2], e[0]); });
        default:
            return;
    }
}

int ColorTableEditor::SelectedEntry(uint32_t* index) const {
    const ColorGridSettings& grid = host_.Grid();
    if (column_ < 0 || row_ < 0 || column_ >= grid.columns) {
        return 0;
    }
    const uint64_t i = EntryOfCell(grid, column_, row_);
    if (i >= working_.GetCount()) {
        return 0;
    }
    *index = static_cast<uint32_t>(i);
    return 1;
}

// A selection that holds no entry shows 0 in every control.
void ColorTableEditor::ShowSelectedValues(int trackbars, int edits, int channel, int redraw) {
    uint32_t index = 0;
    uint8_t values[kChannelCount] = {};
    int valid = SelectedEntry(&index);
    if (valid) {
        const uint8_t* entry = working_.GetEntry(index);
        std::copy(entry, entry + kChannelCount, values);
    }
    showing_ = 1;
    for (int c = 0; c < kChannelCount; ++c) {
        if (channel != kAllChannels && c != channel) {
            continue;
        }
        if (trackbars) {
            window_->SetTrackbar(c, values[c]);
        }
        if (edits) {
            window_->SetEdit(c, values[c]);
        }
    }
    showing_ = 0;
    if (redraw && valid) {
        window_->DrawNow([&](DrawingTarget& target) {
            DrawEntry(target, host_.Grid(), column_, row_, working_.GetColor(index));
            DrawEntryMarks(target, index);
        });
    }
}

void ColorTableEditor::Mark() {
    if (!modified_) {
        modified_ = 1;
        window_->SetTitle(kEditorChangedTitle);
    }
}

void ColorTableEditor::Continue(int source) {
    if (source != source_) {
        history_.Close();
        source_ = source;
    }
}

void ColorTableEditor::EndStep() {
    history_.Close();
    source_ = kNoSource;
}

void ColorTableEditor::SetChannel(uint32_t index, int channel, uint32_t value) {
    ChangeEntry(index, [&](uint8_t* e) { e[channel] = static_cast<uint8_t>(value); });
}

template <typename Change>
void ColorTableEditor::ChangeEntry(uint32_t index, Change change) {
    uint8_t entry[kEntryBytes];
    std::copy(working_.GetEntry(index), working_.GetEntry(index) + kEntryBytes, entry);
    change(entry);
    history_.Set(working_, index, entry);
}

void ColorTableEditor::InvertChannel(int channel) {
    uint32_t index = 0;
    if (!SelectedEntry(&index)) {
        ShowSelectedValues(1, 1, channel, 0);
        return;
    }
    SetChannel(index, channel, kLargestValue - working_.GetEntry(index)[channel]);
    Changed();
    ShowSelectedValues(1, 1, channel, 1);
}

template <typename Change>
void ColorTableEditor::ChangeEachEntry(Change change) {
    for (uint32_t i = 0; i < working_.GetCount(); ++i) {
        ChangeEntry(i, change);
    }
    FinishWholeTableChange();
}

int ColorTableEditor::TakeEntries(const ColorTable& source) {
    if (source.GetCount() < working_.GetCount()) {
        return 0;
    }
    for (uint32_t i = 0; i < working_.GetCount(); ++i) {
        history_.Set(working_, i, source.GetEntry(i));
    }
    return 1;
}

// Without the preview the image shows its own table (or its highlight), which edits leave alone.
void ColorTableEditor::Changed() {
    Mark();
    ShowHistoryItems();
    if (host_.PreviewOn()) {
        ShowOnImage();
    }
}

// The controls keep what they show until the next selection or channel change.
void ColorTableEditor::FinishWholeTableChange() {
    Changed();
    window_->Repaint();
}

void ColorTableEditor::ShowHistoryItems() {
    window_->EnableMenuItem(kEditorMenuEdit, kEditUndo, history_.CanUndo());
    window_->EnableMenuItem(kEditorMenuEdit, kEditRedo, history_.CanRedo());
}

void ColorTableEditor::StopPreview() {
    if (previewing_) {
        host_.EndPreview();
        previewing_ = 0;
    }
}

void ColorTableEditor::TogglePreview() {
    int on = !host_.PreviewOn();
    host_.SetPreviewOn(on);
    window_->CheckMenuItem(kEditorMenuPalette, kPalettePreview, on);
    ShowOnImage();
}

// The restored entries may be any, so the whole grid is drawn again and the controls show the
// selected entry as it now is.
void ColorTableEditor::UndoOrRedo(int undo) {
    if (undo ? history_.Undo(working_) : history_.Redo(working_)) {
        FinishWholeTableChange();
        ShowSelectedValues(1, 1, kAllChannels, 0);
    }
}

void ColorTableEditor::Apply() {
    if (!modified_) {
        return;
    }
    host_.ApplyTable(working_);
    // The image's own table is now the one it shows, highlighted no more.
    previewing_ = 0;
    highlight_ = 0;
    window_->CheckMenuItem(kEditorMenuOperations, kOperationHighlight, 0);
    modified_ = 0;
    window_->SetTitle(kEditorTitle);
}

void ColorTableEditor::AskAndClose() {
    if (modified_) {
        Answer answer = host_.Ask(window_->Owner(), kApplyPrompt, MessageStyle::kSavePrompt);
        if (answer == Answer::kYes) {
            Apply();
        } else if (answer != Answer::kNo) {
            return;
        }
    }
    window_->Destroy();
}

void ColorTableEditor::Load() {
    OwnerWindow owner = window_->Owner();
    char path[kPathBytes];
    if (!host_.ChooseOpenPath(owner, path)) {
        return;
    }
    ColorTable loaded;
    TableLoad load = host_.LoadColorTable(path, loaded);
    if (load != TableLoad::kLoaded) {
        host_.Ask(owner, load == TableLoad::kMissing ? kFileMissingText : kLoadErrorText, MessageStyle::kError);
        return;
    }
    if (!TakeEntries(loaded)) {
        host_.Ask(owner, kTooFewEntriesText, MessageStyle::kWarning);
        return;
    }
    FinishWholeTableChange();
}

// The table as the editor shows it, in the format the user chose; the editor and the document
// stay as they were.
void ColorTableEditor::Export() {
    OwnerWindow owner = window_->Owner();
    char path[kPathBytes];
    PaletteFormat format = PaletteFormat::kJasc;
    if (!host_.ChoosePaletteFile(owner, path, &format)) {
        return;
    }
    if (format == PaletteFormat::kAct && working_.GetCount() > kLargestActEntries) {
        host_.Ask(owner, kActTooLargeText, MessageStyle::kError);
    } else if (!host_.SavePaletteFile(path, working_, format)) {
        host_.Ask(owner, kSaveErrorText, MessageStyle::kError);
    }
}

// Asked even when nothing changed; Yes marks the editor like any whole-table change.
void ColorTableEditor::Revert() {
    if (host_.Ask(window_->Owner(), kRevertPrompt, MessageStyle::kQuestion) != Answer::kYes) {
        return;
    }
    if (TakeEntries(host_.Snapshot())) {
        FinishWholeTableChange();
    }
}
