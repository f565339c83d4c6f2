// The undo history of the design: Qt's undo stack holding the document's changes.
//
// Every change the document records (DesignEditor::Record) becomes one command on the stack.
// The stack's clean state is the saved file: the design is modified exactly when the stack is
// not clean, so undoing back to the last save clears the modified flag and redoing past it sets
// it again. Consecutive arrow-key moves of the same components and the typing of one value merge
// into one step. See document/DesignChange.h for how an edit becomes undoable.
#pragma once

#include <QObject>
#include <QUndoStack>

#include "document/DocumentController.h"

namespace korvane {

class DesignHistory : public QObject, public ChangeHistory {
    Q_OBJECT
  public:
    explicit DesignHistory(DocumentController& form, QObject* parent = nullptr);
    ~DesignHistory() override;

    QUndoStack& Stack() { return stack_; }
    // Bytes the recorded changes hold.
    size_t Footprint() const;

    // --- ChangeHistory ---
    void Record(DesignChange change) override;
    void Clear() override;
    void MarkSaved() override;
    void EndMerging() override;
    void ForgetSaved() override;
    bool Clean() const override;

  signals:
    // An undo or redo changed the design.
    void designChanged();

  private:
    DocumentController& form_;
    QUndoStack stack_;
    bool recording_ = false;
};

}  // namespace korvane
