// The inspector of the main window's right panel: the tab header and the Properties, Events
// and Popup pages, mirroring MainController::inspector and forwarding keys, edits and focus changes
// to its handlers. RightPanel holds the component list above the inspector: the one widget
// for the right dock.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

#include "mainwindow/Inspector.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvane {

class MainController;
class ComponentListPanel;

inline constexpr double kRightPanelWidthTwips = 3255;

// A rectangle given in twips, in whole pixels.
QRect TwipsRect(double left, double top, double width, double height);
// The font of the inspector's text controls.
QFont InspectorFont();
// The style sheet of a label drawn on a rounded-rectangle shape.
QString ShapeStyle(const ShapeState& shape);

class InspectorPanel : public QWidget {
    Q_OBJECT
  public:
    explicit InspectorPanel(MainController& main, QWidget* parent = nullptr);

    // Shows the inspector's state again.
    void Refresh();

    QLineEdit* NameEdit() const { return text3Name_; }
    QComboBox* TypeCombo() const { return combo3Type_; }
    QLineEdit* ValueEdit() const { return text3Value_; }
    QLineEdit* TabOrderEdit() const { return text3TabOrder_; }
    QWidget* PropertiesPage() const { return properties_; }
    QListWidget* EventsList() const { return events_; }
    QWidget* PopupPage() const { return popup_; }
    QLabel* TabLabel(int k) const { return tabLabels_[static_cast<size_t>(k)]; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildHeader();
    void BuildProperties();
    void BuildPopup();
    QLineEdit* AddLineEdit(QWidget* page, const char* name, QRect rect);
    QComboBox* AddCombo(QWidget* page, const char* name, QRect rect);
    bool BoxKey(QLineEdit* box, int keyAscii);
    void BoxFocusOut(QLineEdit* box);
    void ApplyFocusRequest();
    QWidget* WidgetOf(InspectorControl control) const;
    InspectorControl ControlOf(QObject* widget) const;

    MainController& main_;
    Inspector& ins_;
    QWidget* header_ = nullptr;
    std::array<QLabel*, 4> tabLabels_{};  // index 0 unused here: the list panel shows it
    QWidget* properties_ = nullptr;
    QLineEdit* text3Name_ = nullptr;
    QComboBox* combo3Type_ = nullptr;
    QLineEdit* text3Value_ = nullptr;
    QLineEdit* text3TabOrder_ = nullptr;
    QListWidget* events_ = nullptr;
    QWidget* popup_ = nullptr;
    QComboBox* combo4Popup_ = nullptr;
    QLineEdit* text4Name_ = nullptr;
    QComboBox* combo4When_ = nullptr;
    QPushButton* cmdClearPopup_ = nullptr;
    QLabel* popupNotice_ = nullptr;
    QLabel* selectionNotice_ = nullptr;
    QLabel* groupNotice_ = nullptr;
    unsigned appliedFocusRequests_ = 0;
    bool refreshing_ = false;
    // Set while an edit is validated or refused, so that the focus moves it causes do not
    // validate again.
    bool validating_ = false;
};

class RightPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RightPanel(MainController& main, QWidget* parent = nullptr);
    ~RightPanel() override;

    ComponentListPanel* Components() const { return components_; }
    InspectorPanel* Properties() const { return inspector_; }
    // Shows the list and the inspector again (also done by itself after every inspector
    // change, once the events of the moment are handled).
    void Refresh();

  private:
    void ScheduleRefresh();

    MainController& main_;
    ComponentListPanel* components_;
    InspectorPanel* inspector_;
    bool refreshPending_ = false;
};

}  // namespace korvane
