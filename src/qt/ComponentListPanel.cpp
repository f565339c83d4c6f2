#include "qt/ComponentListPanel.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "document/DocumentController.h"
#include "mainwindow/MainController.h"
#include "platform/Conversions.h"
#include "qt/InspectorPanel.h"

namespace korvane {

ComponentListPanel::ComponentListPanel(MainController& main, QWidget* parent)
    : QWidget(parent),
      main_(main),
      header_(new QLabel(this)),
      list_(new QListWidget(this)),
      shownGeneration_(main.componentList.Generation() - 1) {
    setObjectName("ComponentListPanel");
    setFixedSize(TwipsToWholePixels(kRightPanelWidthTwips), TwipsToWholePixels(kTabHeaderTop));
    header_->setObjectName("LabelToolbar2_0");
    header_->setGeometry(TwipsRect(45, 15, 3180, 270));
    header_->setFont(InspectorFont());
    list_->setObjectName("List1");
    list_->setGeometry(TwipsRect(45, 300, 3180, 2010));
    list_->setFont(InspectorFont());
    list_->setUniformItemSizes(true);
    // Ctrl+click and Shift+click choose several components, as on the surface.
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->installEventFilter(this);
    // Only a selection made by the user counts as a choice: the list moves its current row by
    // itself, to the first entry, when it gets the focus with nothing current.
    connect(list_, &QListWidget::itemSelectionChanged, this, &ComponentListPanel::SelectionChanged);
    Refresh();
}

void ComponentListPanel::SelectionChanged() {
    if (refreshing_) return;
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    const ComponentListBox& list = main_.componentList;
    DocumentController& form = main_.Document();
    if (rows.isEmpty()) {
        // Ctrl+click took the last chosen row out.
        if (form.doc.ActiveSlot != 0) form.selection.SelectNone();
        return;
    }
    if (rows.size() == 1) {
        const int row = rows.front().row();
        // Out of several chosen, one is left: the others are no longer selected.
        if (form.doc.Selected.Count() > 1) {
            const int slot = list.SlotOfRow(row);
            form.selection.SelectSlots({slot}, slot);
            return;
        }
        main_.componentList.ListIndex = row;
        main_.ComponentListClicked();
        return;
    }
    // Several rows: the current one (the last clicked) is the primary one when selected.
    std::vector<int> chosen;
    chosen.reserve(static_cast<size_t>(rows.size()));
    for (const QModelIndex& index : rows)
        if (int slot = list.SlotOfRow(index.row()); slot > 0) chosen.push_back(slot);
    std::sort(chosen.begin(), chosen.end());
    const QModelIndex current = list_->currentIndex();
    const int primary = current.isValid() && list_->selectionModel()->isSelected(current)
                            ? list.SlotOfRow(current.row())
                            : 0;
    form.selection.SelectSlots(chosen, primary);
}

void ComponentListPanel::ShowSelection() {
    const ComponentListBox& list = main_.componentList;
    QItemSelection selection;
    const QAbstractItemModel* model = list_->model();
    // Runs of consecutive rows as one range each, so selecting all is one range.
    const std::vector<int>& rows = list.SelectedRows();
    for (size_t first = 0; first < rows.size();) {
        size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
        selection.select(model->index(rows[first], 0), model->index(rows[last], 0));
        first = last + 1;
    }
    if (list.ListIndex >= 0) {
        const QModelIndex primary = model->index(list.ListIndex, 0);
        if (!selection.contains(primary)) selection.select(primary, primary);
        list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        list_->selectionModel()->setCurrentIndex(primary, QItemSelectionModel::NoUpdate);
        list_->scrollTo(primary);
    } else {
        list_->clearSelection();
        // With nothing chosen nothing is current either, so no entry is outlined as if
        // chosen, and the list does not make its first entry current when it next gets the
        // focus.
        list_->setCurrentIndex(QModelIndex());
    }
    shownSelection_ = list.SelectionGeneration();
    shownIndex_ = list.ListIndex;
}

bool ComponentListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        main_.inspector.ComponentListKeyDown(kKeyDelete);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ComponentListPanel::Refresh() {
    const Inspector& inspector = main_.inspector;
    header_->setText(QString::fromStdString(inspector.TabHeaderLabels[0].Caption));
    header_->setStyleSheet(ShapeStyle(inspector.TabHeaderShapes[0]));
    const ComponentListBox& list = main_.componentList;
    refreshing_ = true;
    const bool rebuilt = list.Generation() != shownGeneration_;
    if (rebuilt) {
        QStringList entries;
        entries.reserve(list.ListCount());
        for (const std::string& entry : list.Items()) entries.append(QString::fromStdString(entry));
        list_->clear();
        list_->addItems(entries);
        shownGeneration_ = list.Generation();
        shownEdits_ = list.EditedRows().size();
    }
    // A rename or kind change gives one row a new text.
    for (; shownEdits_ < list.EditedRows().size(); ++shownEdits_) {
        const int row = list.EditedRows()[shownEdits_];
        if (QListWidgetItem* item = list_->item(row))
            item->setText(QString::fromStdString(list.List(row)));
    }
    if (rebuilt || list.SelectionGeneration() != shownSelection_ || list.ListIndex != shownIndex_ ||
        (list.ListIndex < 0) == list_->selectionModel()->hasSelection())
        ShowSelection();
    refreshing_ = false;
}

}  // namespace korvane
