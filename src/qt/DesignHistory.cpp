#include "qt/DesignHistory.h"

#include <QUndoCommand>

namespace korvane {
namespace {

// One recorded change. It arrives already applied, so its first redo does nothing.
class ChangeCommand : public QUndoCommand {
  public:
    ChangeCommand(DocumentController& form, DesignChange change)
        : QUndoCommand(QString::fromStdString(change.Text())),
          form_(form),
          change_(std::move(change)) {}

    void redo() override {
        if (fresh_) {
            fresh_ = false;
            return;
        }
        form_.editor.ApplyChange(change_, true);
    }
    void undo() override { form_.editor.ApplyChange(change_, false); }
    int id() const override {
        return change_.Merge() == MergeKind::None || closed_ ? -1
                                                             : static_cast<int>(change_.Merge());
    }
    bool mergeWith(const QUndoCommand* other) override {
        return change_.MergeWith(static_cast<const ChangeCommand*>(other)->change_);
    }
    const DesignChange& Change() const { return change_; }
    // No later change merges into this one.
    void Close() { closed_ = true; }

  private:
    DocumentController& form_;
    DesignChange change_;
    bool fresh_ = true;
    bool closed_ = false;
};

}  // namespace

DesignHistory::DesignHistory(DocumentController& form, QObject* parent)
    : QObject(parent), form_(form) {
    form_.SetHistory(this);
    connect(&stack_, &QUndoStack::indexChanged, this, [this] {
        if (recording_) return;
        form_.NotifyChanged();
        emit designChanged();
    });
}

DesignHistory::~DesignHistory() {
    form_.SetHistory(nullptr);
}

void DesignHistory::Record(DesignChange change) {
    recording_ = true;
    stack_.push(new ChangeCommand(form_, std::move(change)));
    recording_ = false;
}

void DesignHistory::Clear() {
    recording_ = true;
    stack_.clear();
    recording_ = false;
}

void DesignHistory::EndMerging() {
    if (stack_.index() == 0) return;
    // The stack hands out its commands as const; closing one only changes its id.
    if (auto* top = dynamic_cast<const ChangeCommand*>(stack_.command(stack_.index() - 1)))
        const_cast<ChangeCommand*>(top)->Close();
}

void DesignHistory::MarkSaved() {
    stack_.setClean();
}

void DesignHistory::ForgetSaved() {
    stack_.resetClean();
}

bool DesignHistory::Clean() const {
    return stack_.isClean();
}

size_t DesignHistory::Footprint() const {
    size_t bytes = 0;
    for (int k = 0; k < stack_.count(); ++k)
        if (auto* c = dynamic_cast<const ChangeCommand*>(stack_.command(k)))
            bytes += c->Change().Footprint();
    return bytes;
}

}  // namespace korvane
