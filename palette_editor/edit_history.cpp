#include "palette_editor/edit_history.h"

#include <algorithm>
#include <cstring>

#include "model/color_table.h"

namespace {

uint32_t ValueOf(const uint8_t* entry) {
    uint32_t value;
    std::memcpy(&value, entry, sizeof value);
    return value;
}

void Write(ColorTable& table, uint32_t index, uint32_t value) {
    if (index < table.GetCount()) {
        std::memcpy(table.GetEntry(index), &value, sizeof value);
    }
}

}  // namespace

void EditHistory::Set(ColorTable& table, uint32_t index, const uint8_t* value) {
    uint32_t before = ValueOf(table.GetEntry(index));
    uint32_t after = ValueOf(value);
    Write(table, index, after);
    if (open_ && !overflowed_ && !steps_.back().empty() && steps_.back().back().index == index) {
        steps_.back().back().after = after;
    } else if (before != after && Open() && MakeRoom()) {
        steps_.back().push_back(Change{index, before, after});
    }
}

// A step the budget could not hold was dropped with everything older: undoing what came before
// it would leave its changes standing among older values.
int EditHistory::Open() {
    if (open_) {
        return !overflowed_;
    }
    while (steps_.size() > done_) {
        bytes_ -= StepBytes(steps_.back());
        steps_.pop_back();
    }
    steps_.emplace_back();
    bytes_ += StepBytes(steps_.back());
    ++done_;
    open_ = 1;
    return 1;
}

int EditHistory::MakeRoom() {
    Step& step = steps_.back();
    if (step.size() < step.capacity()) {
        return 1;
    }
    size_t grown = std::max<size_t>(16, 2 * step.capacity());
    size_t more = (grown - step.capacity()) * sizeof(Change);
    while (bytes_ + more > budget_ && steps_.size() > 1) {
        bytes_ -= StepBytes(steps_.front());
        steps_.pop_front();
        --done_;
    }
    if (bytes_ + more > budget_) {
        Clear();
        open_ = 1;
        overflowed_ = 1;
        return 0;
    }
    step.reserve(grown);
    bytes_ += more;
    return 1;
}

void EditHistory::Close() {
    if (open_ && !overflowed_) {
        bytes_ -= StepBytes(steps_.back());
        steps_.back().shrink_to_fit();
        bytes_ += StepBytes(steps_.back());
    }
    open_ = 0;
    overflowed_ = 0;
}

int EditHistory::Undo(ColorTable& table) {
    Close();
    if (done_ == 0) {
        return 0;
    }
    const Step& step = steps_[--done_];
    std::for_each(step.rbegin(), step.rend(), [&](const Change& c) { Write(table, c.index, c.before); });
    return 1;
}

int EditHistory::Redo(ColorTable& table) {
    Close();
    if (done_ == steps_.size()) {
        return 0;
    }
    for (const Change& c : steps_[done_++]) {
        Write(table, c.index, c.after);
    }
    return 1;
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
    open_ = 0;
    overflowed_ = 0;
}
