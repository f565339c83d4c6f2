// The top of the main window's right panel: the "Components" header and the component list
// List1, showing MainController::componentList and reporting the user's choice to its click
// handler.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace korvane {

class MainController;

class ComponentListPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ComponentListPanel(MainController& main, QWidget* parent = nullptr);

    QListWidget* ComponentList() const { return list_; }
    // Shows the list again: refilled when it was rebuilt, with its selected row.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectionChanged();
    // Selects the rows of the selected components, the primary one current.
    void ShowSelection();

    MainController& main_;
    QLabel* header_;
    QListWidget* list_;
    unsigned shownGeneration_;
    size_t shownEdits_ = 0;  // rows of EditedRows() already shown
    unsigned shownSelection_ = 0;
    int shownIndex_ = -2;
    bool refreshing_ = false;
};

}  // namespace korvane
