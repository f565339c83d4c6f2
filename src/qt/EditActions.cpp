#include "qt/EditActions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

#include "document/Clipboard.h"
#include "mainwindow/MainController.h"
#include "surface/Arrange.h"

namespace korvane {

EditActions::EditActions(MainController& main, QUndoStack& stack, QObject* parent)
    : QObject(parent), main_(main), form_(main.Document()) {
    undo_ = stack.createUndoAction(this, "&Undo");
    undo_->setObjectName("OptionEditUndo");
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = stack.createRedoAction(this, "&Redo");
    redo_->setObjectName("OptionEditRedo");
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    order_ << undo_ << redo_ << nullptr;
    cut_ = Add("Cu&t", "OptionEditCut", [this] {
        if (!CopySelection()) return;
        main_.EditDelete();
    });
    cut_->setShortcut(QKeySequence::Cut);
    copy_ = Add("&Copy", "OptionEditCopy", [this] { CopySelection(); });
    copy_->setShortcut(QKeySequence::Copy);
    paste_ = Add("&Paste", "OptionEditPaste",
                 [this] { PasteText(form_, QGuiApplication::clipboard()->text().toStdString()); });
    paste_->setShortcut(QKeySequence::Paste);
    duplicate_ = Add("D&uplicate", "OptionEditDuplicate",
                     [this] { PasteText(form_, CopyText(form_), "Duplicate"); });
    duplicate_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    delete_ = Add("&Delete", "OptionEditDelete", [this] { main_.EditDelete(); });
    order_ << nullptr;
    selectAll_ = Add("Select &All", "OptionEditSelectAll", [this] { form_.selection.SelectAll(); });
    selectAll_->setShortcut(QKeySequence::SelectAll);
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
    return true;
}

void EditActions::FillArrangeMenu(QMenu* menu) {
    for (qsizetype k = 0; k < arrange_.size(); ++k) {
        // Align, size and distribute in three groups.
        if (k == 6 || k == 9) menu->addSeparator();
        menu->addAction(arrange_[k]);
    }
}

QAction* EditActions::Add(const QString& caption, const QString& name,
                          std::function<void()> onClick) {
    QAction* action = new QAction(caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, onClick = std::move(onClick)] {
        if (!form_.Loaded()) return;
        onClick();
        emit designChanged();
    });
    order_ << action;
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
    selectAll_->setEnabled(loaded && form_.doc.LiveCount() > 0);
    for (QAction* action : arrange_)
        action->setEnabled(CanArrange(form_, static_cast<ArrangeCommand>(action->data().toInt())));
}

}  // namespace korvane
