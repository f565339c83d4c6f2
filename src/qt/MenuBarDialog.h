// Insert > Menu...: the menu-bar editor. The elements on the left as the tree they make, with
// buttons to add, remove, move and indent an element with what it holds; the chosen element's
// fields on the right. OK runs generation's checks of the menu bar and keeps the list as one
// edit of the design.
#pragma once

#include <QDialog>

#include "document/DocumentController.h"
#include "mainwindow/MenuBarEditor.h"
#include "platform/MessageBox.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvane {

class MenuBarDialog : public QDialog {
    Q_OBJECT
  public:
    MenuBarDialog(DocumentController& form, const EventCatalogue& catalogue,
                  MessageBoxService& messages, QWidget* parent = nullptr);

    MenuBarEditor& Editor() { return editor_; }
    QListWidget* ElementList() const { return list_; }
    QPushButton* Button(const char* name) const;

    void accept() override;

  private:
    QPushButton* AddButton(const char* name, const QString& caption, void (MenuBarDialog::*act)());
    void AddElement();
    void RemoveElement();
    void MoveUp();
    void MoveDown();
    void Indent();
    void Outdent();
    void ShowList();
    void ShowFields();
    void ShowButtons();
    void Refuse(const std::string& reason);
    void FieldsEdited();
    void EventChecked();

    DocumentController& form_;
    const EventCatalogue& catalogue_;
    MessageBoxService& messages_;
    MenuBarEditor editor_;
    QListWidget* list_;
    QLineEdit* name_;
    QLineEdit* label_;
    QComboBox* type_;
    QCheckBox* checked_;
    QCheckBox* enabled_;
    QLineEdit* shortcut_;
    QListWidget* events_;
    // The events the shown element offers: the first rows of the events list; the rows after
    // them are stored events it does not offer.
    int offeredEvents_ = 0;
    bool showing_ = false;
};

}  // namespace korvane
