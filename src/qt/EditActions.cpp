#include "qt/EditActions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

#include "document/StackOrder.h"
#include "mainwindow/Clipboard.h"
#include "mainwindow/MainController.h"
#include "surface/Arrange.h"

namespace korvane {

EditActions::EditActions(MainController& main, QUndoStack& stack, QObject* parent)
    : QObject(parent), main_(main), form_(main.Document()) {
    // Undo and Redo act on the design even while a property box has the focus: its typing is
    // committed first, as Enter would.
    undo_ = stack.createUndoAction(this, "&Undo");
    undo_->setObjectName("OptionEditUndo");
    undo_->setShortcut(QKeySequence::Undo);
    disconnect(undo_, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(undo_, &QAction::triggered, this, [this, &stack] {
        if (!main_.inspector.CommitTyping()) return;
        stack.undo();
        emit designChanged();
    });
    redo_ = stack.createRedoAction(this, "&Redo");
    redo_->setObjectName("OptionEditRedo");
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    disconnect(redo_, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(redo_, &QAction::triggered, this, [this, &stack] {
        if (!main_.inspector.CommitTyping()) return;
        stack.redo();
        emit designChanged();
    });
    order_ << undo_ << redo_ << nullptr;
    cut_ = Add("Cu&t", "OptionEditCut", [this] {
        if (!CopySelection()) return;
        main_.EditDelete();
    });
    cut_->setShortcut(QKeySequence::Cut);
    copy_ = Add("&Copy", "OptionEditCopy", [this] { CopySelection(); });
    copy_->setShortcut(QKeySequence::Copy);
    paste_ = Add("&Paste", "OptionEditPaste", [this] { Paste(PastePlace{}); });
    paste_->setShortcut(QKeySequence::Paste);
    // The empty design's pop-up menu pastes where it was opened.
    pasteHere_ = Add(
        "&Paste", "OptionPaste",
        [this] {
            Paste(PastePlace{true, form_.doc.InsertX, form_.doc.InsertY});
        },
        false);
    duplicate_ = Add("Dupl&icate", "OptionEditDuplicate",
                     [this] { PasteText(form_, CopyText(form_), "Duplicate"); });
    duplicate_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    delete_ = Add("&Delete", "OptionEditDelete", [this] { main_.EditDelete(); });
    order_ << nullptr;
    selectAll_ = Add("Select &All", "OptionEditSelectAll", [this] { form_.selection.SelectAll(); });
    selectAll_->setShortcut(QKeySequence::SelectAll);
    order_ << nullptr;
    toFront_ = Add("Bring to &Front", "OptionEditBringToFront", [this] { BringToFront(form_); });
    toFront_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    toBack_ = Add("Send to &Back", "OptionEditSendToBack", [this] { SendToBack(form_); });
    toBack_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    for (const ArrangeInfo& info : ArrangeCommands()) {
        const ArrangeCommand command = info.command;
        QAction* action = new QAction(
            QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size())),
            this);
        action->setObjectName("OptionArrange" + QString::number(static_cast<int>(command)));
        action->setData(static_cast<int>(command));
        connect(action, &QAction::triggered, this, [this, command] {
            Arrange(form_, command);
            emit designChanged();
        });
        arrange_ << action;
    }
}

void EditActions::AttachKeysTo(const QList<QWidget*>& widgets) {
    for (QAction* action : order_) {
        if (!action || action->shortcut().isEmpty()) continue;
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        for (QWidget* w : widgets) w->addAction(action);
    }
}

bool EditActions::CopySelection() {
    const std::string text = CopyText(form_);
    if (text.empty()) return false;
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    pastes_ = 0;
    return true;
}

void EditActions::Paste(PastePlace place) {
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    // Each paste of the same text lands one grid step further than the one before.
    if (text != lastPasted_) pastes_ = 0;
    lastPasted_ = text;
    place.steps = ++pastes_;
    PasteText(form_, text, "Paste", place);
}

void EditActions::FillStackingMenu(QMenu* menu) {
    menu->addAction(toFront_);
    menu->addAction(toBack_);
}

void EditActions::FillArrangeMenu(QMenu* menu) {
    for (qsizetype k = 0; k < arrange_.size(); ++k) {
        // Align, size and distribute in three groups.
        if (k == 6 || k == 9) menu->addSeparator();
        menu->addAction(arrange_[k]);
    }
}

QAction* EditActions::Add(const QString& caption, const QString& name,
                          std::function<void()> onClick, bool inEditMenu) {
    QAction* action = new QAction(caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, onClick = std::move(onClick)] {
        if (!form_.Loaded()) return;
        onClick();
        emit designChanged();
    });
    if (inEditMenu) order_ << action;
    return action;
}

void EditActions::FillMenu(QMenu* menu) {
    for (QAction* action : order_) {
        if (action) {
            menu->addAction(action);
        } else {
            menu->addSeparator();
        }
    }
    menu->addSeparator();
    QMenu* arrange = menu->addMenu("A&lign and Size");
    FillArrangeMenu(arrange);
    connect(arrange, &QMenu::aboutToShow, this, &EditActions::Refresh);
}

void EditActions::Refresh() {
    const bool loaded = form_.Loaded();
    const bool selected = loaded && form_.doc.IsLive(form_.doc.ActiveSlot);
    delete_->setEnabled(selected);
    cut_->setEnabled(selected);
    copy_->setEnabled(selected);
    duplicate_->setEnabled(selected);
    paste_->setEnabled(loaded);
    pasteHere_->setEnabled(loaded);
    selectAll_->setEnabled(loaded && form_.doc.LiveCount() > 0);
    toFront_->setEnabled(CanBringToFront(form_));
    toBack_->setEnabled(CanSendToBack(form_));
    for (QAction* action : arrange_)
        action->setEnabled(CanArrange(form_, static_cast<ArrangeCommand>(action->data().toInt())));
}

}  // namespace korvane
