// A design history that keeps every recorded change, so that a test can undo and redo them
// as the desktop program's undo stack does.
#pragma once

#include <vector>

#include "document/DesignChange.h"
#include "document/DocumentController.h"

namespace korvane::testing {

struct RecordingHistory : UnrecordedHistory {
    void Record(DesignChange change) override {
        UnrecordedHistory::Record(change);
        changes.push_back(std::move(change));
    }
    void Clear() override {
        UnrecordedHistory::Clear();
        changes.clear();
    }

    void Undo(DocumentController& form, size_t k) { form.editor.ApplyChange(changes.at(k), false); }
    void Redo(DocumentController& form, size_t k) { form.editor.ApplyChange(changes.at(k), true); }

    std::vector<DesignChange> changes;
};

}  // namespace korvane::testing
