#include "palette_editor/color_table_editor.h"

#include <algorithm>
#include <utility>

#include "model/bitmap_image.h"
#include "resources/resource.h"
#include "resources/texts.h"

namespace {

constexpr int kAllChannels = -1;
// The dialog manager's commands for Enter on a default button and for the close box and Esc.
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;
constexpr uint32_t kLargestValue = 255;

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
    return 1;
}

void ColorTableEditor::End() {
    running_ = 0;
    modified_ = 0;
    window_ = nullptr;
    working_.Clear();
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
}

// A press off every cell does nothing. Selecting never marks the editor: the values it shows
// are the entry's own.
void ColorTableEditor::OnButtonDown(int32_t x, int32_t y) {
    int32_t column = 0;
    int32_t row = 0;
    if (window_ == nullptr || !HitTestCell(host_.Grid(), working_.GetCount(), x, y, &column, &row)) {
        return;
    }
    window_->DrawNow([&](DrawingTarget& target) { MoveCursor(target, host_.Grid(), &column_, &row_, column, row); });
    ShowSelectedValues(1, 1, kAllChannels, 0);
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
    Mark();
    SetChannel(index, channel, Clamp(window_->ReadEdit(channel)));
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
    Mark();
    working_.SetColor(index, Clamp(window_->GetTrackbar(0)), Clamp(window_->GetTrackbar(1)),
                      Clamp(window_->GetTrackbar(2)));
    ShowSelectedValues(0, 1, kAllChannels, 1);
}

void ColorTableEditor::OnCommand(int command) {
    if (window_ == nullptr) {
        return;
    }
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
    uint64_t i = static_cast<uint64_t>(row_) * static_cast<uint64_t>(grid.columns) + static_cast<uint64_t>(column_);
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
        window_->DrawNow(
            [&](DrawingTarget& target) { DrawEntry(target, host_.Grid(), column_, row_, working_.GetColor(index)); });
    }
}

void ColorTableEditor::Mark() {
    if (!modified_) {
        modified_ = 1;
        window_->SetTitle(kEditorChangedTitle);
    }
}

void ColorTableEditor::SetChannel(uint32_t index, int channel, uint32_t value) {
    uint8_t* entry = working_.GetEntry(index);
    entry[channel] = static_cast<uint8_t>(value);
}

void ColorTableEditor::InvertChannel(int channel) {
    uint32_t index = 0;
    if (!SelectedEntry(&index)) {
        ShowSelectedValues(1, 1, channel, 0);
        return;
    }
    Mark();
    SetChannel(index, channel, kLargestValue - working_.GetEntry(index)[channel]);
    ShowSelectedValues(1, 1, channel, 1);
}

template <typename Change>
void ColorTableEditor::ChangeEachEntry(Change change) {
    for (uint32_t i = 0; i < working_.GetCount(); ++i) {
        change(working_.GetEntry(i));
    }
    FinishWholeTableChange();
}

// The controls keep what they show until the next selection or channel change.
void ColorTableEditor::FinishWholeTableChange() {
    Mark();
    window_->Repaint();
}

void ColorTableEditor::Apply() {
    if (!modified_) {
        return;
    }
    host_.ApplyTable(working_);
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
    uint32_t count = working_.GetCount();
    if (loaded.GetCount() < count) {
        host_.Ask(owner, kTooFewEntriesText, MessageStyle::kWarning);
        return;
    }
    if (!working_.Assign(loaded.GetEntries(), count)) {
        host_.Ask(owner, kLoadErrorText, MessageStyle::kError);
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
    if (working_.CopyFrom(host_.Snapshot())) {
        FinishWholeTableChange();
    }
}
