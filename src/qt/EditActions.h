// The Edit commands of the program: one set of actions shown both in the main window's Edit
// menu and in the document window's, so that each shortcut belongs to exactly one action.
#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <string>

#include "mainwindow/Clipboard.h"

class QAction;
class QMenu;
class QUndoStack;

namespace korvane {

class DocumentController;
class MainController;

class EditActions : public QObject {
    Q_OBJECT
  public:
    EditActions(MainController& main, QUndoStack& stack, QObject* parent = nullptr);

    // Adds the commands to a menu (the Edit menu of either window).
    void FillMenu(QMenu* menu);
    // Adds the align and size commands to a menu (the component's pop-up menu).
    void FillArrangeMenu(QMenu* menu);
    // Adds Bring to Front and Send to Back to a menu (the component's pop-up menu).
    void FillStackingMenu(QMenu* menu);
    // The keys of the commands work while the focus is in one of these widgets (the design,
    // the panels), not in other windows' text, which keeps its own copy and select-all.
    void AttachKeysTo(const QList<QWidget*>& widgets);
    // Enables the commands that need a document, a selection or several selected.
    void Refresh();

    QAction* Undo() const { return undo_; }
    QAction* Redo() const { return redo_; }
    QAction* Delete() const { return delete_; }
    QAction* SelectAll() const { return selectAll_; }
    // Paste at the point where the empty design's pop-up menu was opened.
    QAction* PasteHere() const { return pasteHere_; }
    QAction* ToFront() const { return toFront_; }
    QAction* ToBack() const { return toBack_; }

  signals:
    void designChanged();

  private:
    QAction* Add(const QString& caption, const QString& name, std::function<void()> onClick,
                 bool inEditMenu = true);
    // Puts the selected components on the clipboard; false when none is selected.
    bool CopySelection();
    void Paste(PastePlace place);

    MainController& main_;
    DocumentController& form_;
    QAction* undo_;
    QAction* redo_;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* pasteHere_ = nullptr;
    QAction* toFront_ = nullptr;
    QAction* toBack_ = nullptr;
    // The clipboard text pasted last, and how many times in a row.
    std::string lastPasted_;
    int pastes_ = 0;
    QAction* duplicate_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* selectAll_ = nullptr;
    QList<QAction*> order_;
    QList<QAction*> arrange_;
};

}  // namespace korvane
