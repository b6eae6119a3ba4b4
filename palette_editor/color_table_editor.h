// The colour-table editor's state and rules: a working copy of the image's colour table, the
// selected cell and the mark of unapplied changes. It lives as long as the shell; its window
// comes and goes, reporting its messages here.
#pragma once

#include <cstdint>

#include "model/color_table.h"
#include "palette_editor/editor_host.h"
#include "palette_editor/editor_window.h"

class ColorTableEditor {
  public:
    explicit ColorTableEditor(EditorHost& host) : host_(host) {}

    // Copies the image's table to begin a session; 0, and nothing begun, while a session runs or
    // when the image has no colour table.
    int Begin();
    // The session is over: its window is gone, the working table released.
    void End();
    int IsRunning() const { return running_; }
    int IsOpen() const { return window_ != nullptr; }
    // Destroys the window without asking and without applying.
    void Close();

    // What the window reports.
    void OnInit(EditorWindow& window);
    void OnPaint(DrawingTarget& target);
    void OnButtonDown(int32_t x, int32_t y);
    void OnEditChanged(int channel);
    void OnTrackbarScrolled();
    void OnCommand(int command);
    void OnDestroyed() { window_ = nullptr; }
    // The grid settings changed: the window is laid out and drawn anew with them, so what it
    // shows and what a click selects agree.
    void OnGridChanged();

    int IsModified() const { return modified_; }
    const ColorTable& WorkingTable() const { return working_; }
    int32_t SelectedColumn() const { return column_; }
    int32_t SelectedRow() const { return row_; }

  private:
    // The selected entry's index, when the selected cell holds one of the working table; after
    // the options changed the columns, it may not.
    int SelectedEntry(uint32_t* index) const;
    void ShowSelectedValues(int trackbars, int edits, int channel, int redraw);
    void Mark();
    void SetChannel(uint32_t index, int channel, uint32_t value);
    void InvertChannel(int channel);
    template <typename Change>
    void ChangeEachEntry(Change change);
    void FinishWholeTableChange();
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
    // Set while the editor itself fills the edits, whose change notifications then carry nothing new.
    int showing_ = 0;
};
