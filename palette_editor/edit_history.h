// The colour-table editor's undo and redo. A step keeps only the entries it changed, each with
// its value before and after; all steps together stay within a budget of bytes, the oldest
// dropped first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class ColorTable;

constexpr size_t kHistoryBudget = size_t{16} << 20;

class EditHistory {
  public:
    explicit EditHistory(size_t budget = kHistoryBudget) : budget_(budget) {}

    // Sets entry index of table (below its count) to the four bytes of value, as a change of the
    // open step; the first change after a closed step opens a new one and drops what could be
    // redone. A change of the entry the step changed last only moves that entry's value after.
    void Set(ColorTable& table, uint32_t index, const uint8_t* value);
    // The open step is complete: the next change opens another.
    void Close();
    int CanUndo() const { return done_ > 0; }
    int CanRedo() const { return done_ < steps_.size(); }
    // The entries of the last step done back as they were before it, or those of the next step
    // undone as they were after it; 0 when there is none.
    int Undo(ColorTable& table);
    int Redo(ColorTable& table);
    void Clear();
    // What the steps hold now, at most the budget.
    size_t Bytes() const { return bytes_; }

  private:
    struct Change {
        uint32_t index;
        uint32_t before;
        uint32_t after;
    };
    using Step = std::vector<Change>;

    int Open();
    // Room for one more change in the open step, older steps dropped to make it; 0 when the
    // budget cannot hold the open step at all.
    int MakeRoom();
    static size_t StepBytes(const Step& step) { return sizeof(Step) + step.capacity() * sizeof(Change); }

    std::deque<Step> steps_;
    size_t done_ = 0;  // the first done_ steps can be undone, the others redone
    size_t bytes_ = 0;
    size_t budget_;
    int open_ = 0;
    // Set when the open step outgrew the budget: its changes are not kept, nor is anything older.
    int overflowed_ = 0;
};
