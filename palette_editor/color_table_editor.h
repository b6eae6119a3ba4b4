// The colour-table editor's state and rules: a working copy of the image's colour table, the
// selected cell, the mark of unapplied changes, the undo history, the preview of the working
// table on the image, and what it knows of the image's pixels (how many use each entry, the
// highlight) and of a range's second end. It lives as long as the shell; its window comes and
// goes, reporting its messages here. Its rules are spread over color_table_editor.cpp (controls,
// commands, history, files), color_table_editor_image.cpp (counts, tips, marks, what the image
// shows) and color_table_editor_colors.cpp (hex codes through the clipboard, the ramp).
#pragma once

#include <cstdint>

#include "model/color_table.h"
#include "model/pixel_usage.h"
#include "palette_editor/edit_history.h"
#include "palette_editor/editor_host.h"
#include "palette_editor/editor_window.h"

class BitmapImage;

class ColorTableEditor {
  public:
    explicit ColorTableEditor(EditorHost& host) : host_(host) {}

    // Copies the image's table to begin a session; 0, and nothing begun, while a session runs or
    // when the image has no colour table.
    int Begin();
    // The session is over: its window is gone, the working table and the history released.
    void End();
    int IsRunning() const { return running_; }
    int IsOpen() const { return window_ != nullptr; }
    // Destroys the window without asking and without applying.
    void Close();

    // What the window reports.
    void OnInit(EditorWindow& window);
    void OnPaint(DrawingTarget& target);
    // A press on a cell selects it; with Shift (as the press reports it) it marks the other end
    // of a range instead, and a press without clears that mark.
    void OnButtonDown(int32_t x, int32_t y, int shift);
    // The pointer over the grid: the tip of the entry under it, none off every cell.
    void OnMouseMove(int32_t x, int32_t y);
    void OnMouseLeft();
    void OnEditChanged(int channel);
    // Every movement of a trackbar; released ends its gesture (the mouse let go, or a key's
    // move done), so the next movement is a new step.
    void OnTrackbarScrolled();
    void OnTrackbarReleased();
    // The focus left an edit: typing there again is a new step.
    void OnEditLeft();
    void OnCommand(int command);
    // The window is gone: an image still showing the preview shows its own table again.
    void OnDestroyed();
    // Selects the cell of the entry as a click on it would; nothing for an index beyond the table.
    void SelectEntry(uint32_t index);
    // The grid settings changed: the window is laid out and drawn anew with them, so what it
    // shows and what a click selects agree.
    void OnGridChanged();

    int IsModified() const { return modified_; }
    // How many of the image's pixels use entry i, counted once when the session began.
    uint64_t PixelsUsing(uint32_t i) const { return i < kIndexedEntries ? usage_.perEntry[i] : 0; }
    const ColorTable& WorkingTable() const { return working_; }
    int32_t SelectedColumn() const { return column_; }
    int32_t SelectedRow() const { return row_; }

  private:
    // The selected entry's index, when the selected cell holds one of the working table; after
    // the options changed the columns, it may not.
    int SelectedEntry(uint32_t* index) const;
    void ShowSelectedValues(int trackbars, int edits, int channel, int redraw);
    void Mark();
    // Changes from the same source (one edit, or the trackbars) go into one step until another
    // source or action comes; EndStep closes the step at once.
    void Continue(int source);
    void EndStep();
    void SetChannel(uint32_t index, int channel, uint32_t value);
    // change(entry) on a copy of the entry's bytes, written back as a change of the open step.
    template <typename Change>
    void ChangeEntry(uint32_t index, Change change);
    void InvertChannel(int channel);
    template <typename Change>
    void ChangeEachEntry(Change change);
    // The first N entries of source, one step; 0, with nothing changed, when it has fewer.
    int TakeEntries(const ColorTable& source);
    // After every change of the working table: the mark, the undo items and the preview.
    void Changed();
    void FinishWholeTableChange();
    void ShowHistoryItems();
    // What the image shows while the editor is open: the selected entry's pixels highlighted,
    // the working table previewed, or its own table.
    void ShowOnImage();
    void CountPixels(const BitmapImage& image);
    void StopPreview();
    void TogglePreview();
    void UndoOrRedo(int undo);
    void Select(int32_t column, int32_t row);
    // The usage marks and the range's second end, drawn over the grid.
    void DrawMarks(DrawingTarget& target);
    void DrawEntryMarks(DrawingTarget& target, uint32_t index);
    void SetRangeEnd(int has, uint32_t index);
    void ShowOperationItems();
    void ToggleMarkUnused();
    void ToggleHighlight();
    void FillRampToEnd();
    void CopyColor();
    void CopyTable();
    void PasteColors();
    void Apply();
    void AskAndClose();
    void Load();
    void Revert();
    void Export();

    EditorHost& host_;
    EditorWindow* window_ = nullptr;
    ColorTable working_;
    int32_t column_ = 0;
    int32_t row_ = 0;
    int modified_ = 0;
    int running_ = 0;
    EditHistory history_;
    int source_ = -1;
    PixelUsage usage_ = {};
    uint64_t imagePixels_ = 0;
    int markUnused_ = 0;
    int highlight_ = 0;
    int hasRangeEnd_ = 0;
    uint32_t rangeEnd_ = 0;
    // The entry whose tip shows; -1 for none.
    int64_t tipEntry_ = -1;
    // Set while the image shows a table that may not be its own.
    int previewing_ = 0;
    // Set while the editor itself fills the edits, whose change notifications then carry nothing new.
    int showing_ = 0;
};
