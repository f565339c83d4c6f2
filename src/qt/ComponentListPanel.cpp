#include "qt/ComponentListPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

#include "document/Form1.h"
#include "mainwindow/MDIForm1.h"
#include "platform/Conversions.h"
#include "qt/InspectorPanel.h"

namespace korvane {

ComponentListPanel::ComponentListPanel(MDIForm1& main, QWidget* parent)
    : QWidget(parent),
      main_(main),
      header_(new QLabel(this)),
      list_(new QListWidget(this)),
      shownGeneration_(main.list1.Generation() - 1) {
    setObjectName("ComponentListPanel");
    setFixedSize(TwipsToWholePixels(kRightPanelWidthTwips), TwipsToWholePixels(kTabHeaderTop));
    header_->setObjectName("LabelToolbar2_0");
    header_->setGeometry(TwipsRect(45, 15, 3180, 270));
    header_->setFont(InspectorFont());
    list_->setObjectName("List1");
    list_->setGeometry(TwipsRect(45, 300, 3180, 2010));
    list_->setFont(InspectorFont());
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    // Only a selection made by the user counts as a choice: the list moves its current row by
    // itself, to the first entry, when it gets the focus with nothing current.
    connect(list_, &QListWidget::itemSelectionChanged, this, &ComponentListPanel::SelectionChanged);
    Refresh();
}

int ComponentListPanel::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void ComponentListPanel::SelectionChanged() {
    if (refreshing_) return;
    const int row = SelectedRow();
    if (row < 0) return;
    main_.list1.ListIndex = row;
    main_.List1_Click();
}

bool ComponentListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        main_.inspector.List1_KeyDown(kKeyDelete);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ComponentListPanel::Refresh() {
    const Inspector& inspector = main_.inspector;
    header_->setText(QString::fromStdString(inspector.LabelToolbar2[0].Caption));
    header_->setStyleSheet(ShapeStyle(inspector.ShapeToolbar2[0]));
    const ComponentListBox& list = main_.list1;
    refreshing_ = true;
    if (list.Generation() != shownGeneration_) {
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
    if (SelectedRow() != list.ListIndex) {
        if (list.ListIndex >= 0) {
            list_->setCurrentRow(list.ListIndex);
        } else {
            list_->clearSelection();
        }
    }
    // With nothing chosen nothing is current either, so no entry is outlined as if chosen,
    // and the list does not make its first entry current when it next gets the focus.
    if (list.ListIndex < 0) list_->setCurrentIndex(QModelIndex());
    refreshing_ = false;
}

}  // namespace korvane
