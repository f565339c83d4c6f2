#include "qt/InspectorPanel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "mainwindow/MainController.h"
#include "platform/Conversions.h"
#include "qt/ComponentListPanel.h"

namespace korvane {
namespace {

constexpr double kPageLeft = 45;
constexpr double kPageWidth = 3180;
constexpr double kTabWidth = 1035;
constexpr int kCaptionGap = 6;  // pixels between a caption and its box

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

void SetBackground(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The character a key types, as the text boxes' key handlers take it: Backspace, Enter,
// Escape and Ctrl+letter as their control codes; 0 for a key that types nothing.
int KeyAscii(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Backspace:
            return kKeyBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Escape:
            return kKeyEscape;
        default:
            break;
    }
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    const QList<uint> text = e->text().toUcs4();
    return text.isEmpty() || text[0] < 32 ? 0 : static_cast<int>(text[0]);
}

void ShowText(QLineEdit* box, const TextBoxState& state) {
    QString text = QString::fromStdString(state.Text);
    if (box->text() != text) {
        box->setText(text);
        // A text put in from the record shows from its start, as a text box shows new text.
        box->setCursorPosition(0);
    }
    box->setEnabled(state.Enabled);
}

void ShowItems(QComboBox* combo, const ListState& state) {
    QStringList items;
    for (const std::string& item : state.Items) items.append(QString::fromStdString(item));
    QStringList shown;
    for (int k = 0; k < combo->count(); ++k) shown.append(combo->itemText(k));
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(state.ListIndex);
    combo->setEnabled(state.Enabled);
}

// The Events page: the events the class offers, then the stored ones it does not offer, greyed;
// the popup trigger's row is checked and cannot be unchecked.
void ShowEventList(QListWidget* list, const Inspector& ins) {
    const ListState& state = ins.EventList;
    const auto text = [&](int k) {
        const QString name = QString::fromStdString(state.Items[static_cast<size_t>(k)]);
        if (k == ins.TriggerRow) return name + "  (opens the popup window)";
        return k < ins.OfferedEvents ? name : name + "  (not offered)";
    };
    bool same = list->count() == static_cast<int>(state.Items.size());
    for (int k = 0; same && k < list->count(); ++k) same = list->item(k)->text() == text(k);
    if (!same) {
        list->clear();
        for (int k = 0; k < static_cast<int>(state.Items.size()); ++k) {
            auto* item = new QListWidgetItem(text(k), list);
            item->setFlags(k == ins.TriggerRow ? item->flags() & ~Qt::ItemIsUserCheckable
                                               : item->flags() | Qt::ItemIsUserCheckable);
            if (k >= ins.OfferedEvents) {
                item->setForeground(list->palette().color(QPalette::Disabled, QPalette::Text));
                item->setToolTip(
                    k == ins.TriggerRow
                        ? "The popup binding opens its window on this event: the Popup page "
                          "changes or clears it."
                        : "This kind of component does not offer the event, so generation "
                          "leaves it out: uncheck it to remove it.");
            } else if (k == ins.TriggerRow) {
                item->setToolTip(
                    "The popup binding opens its window on this event: the Popup page changes "
                    "or clears it.");
            }
        }
    }
    for (int k = 0; k < list->count(); ++k)
        list->item(k)->setCheckState(state.Checked[static_cast<size_t>(k)] ? Qt::Checked
                                                                           : Qt::Unchecked);
    list->setCurrentRow(state.ListIndex);
    list->setEnabled(state.Enabled);
}

}  // namespace

QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(TwipsToWholePixels(left), TwipsToWholePixels(top), TwipsToWholePixels(width),
                 TwipsToWholePixels(height));
}

QFont InspectorFont() {
    return QFont("Tahoma", 8);
}

QString ShapeStyle(const ShapeState& shape) {
    return QString("QLabel { background-color: %1; border: 1px solid %2; border-radius: 4px; }")
        .arg(ToQColor(shape.FillColor).name(), ToQColor(shape.BorderColor).name());
}

// ---------------------------------------------------------------- InspectorPanel

InspectorPanel::InspectorPanel(MainController& main, QWidget* parent)
    : QWidget(parent), main_(main), ins_(main.inspector) {
    setObjectName("InspectorPanel");
    setFont(InspectorFont());
    BuildHeader();
    BuildProperties();
    selectionNotice_ = new QLabel(this);
    selectionNotice_->setObjectName("SelectionNotice");
    selectionNotice_->setWordWrap(true);
    selectionNotice_->hide();
    events_ = new QListWidget(this);
    events_->setObjectName("EventList");
    connect(events_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        int row = events_->row(item);
        if (refreshing_ || row < 0 || row >= static_cast<int>(ins_.EventList.Checked.size()))
            return;
        ins_.EventChecked(row, item->checkState() == Qt::Checked);
    });
    connect(events_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_) ins_.EventList.ListIndex = row;
    });
    BuildPopup();
    Refresh();
}

void InspectorPanel::BuildHeader() {
    header_ = new QLabel(this);
    header_->setObjectName("ShapeToolbar2_4");
    header_->setGeometry(TwipsRect(0, 0, kRightPanelWidthTwips, kTabHeaderHeight));
    for (int k = 1; k <= 3; ++k) {
        QLabel* label = new QLabel(this);
        label->setObjectName(QString("LabelToolbar2_%1").arg(k));
        label->installEventFilter(this);
        tabLabels_[static_cast<size_t>(k)] = label;
    }
}

QLineEdit* InspectorPanel::AddLineEdit(QWidget* page, const char* name, QRect rect) {
    auto* box = new QLineEdit(page);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->installEventFilter(this);
    return box;
}

QComboBox* InspectorPanel::AddCombo(QWidget* page, const char* name, QRect rect) {
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->setGeometry(rect);
    combo->installEventFilter(this);
    return combo;
}

void InspectorPanel::BuildProperties() {
    properties_ = new QWidget(this);
    properties_->setObjectName("PropertiesPage");
    properties_->setFocusPolicy(Qt::ClickFocus);
    properties_->installEventFilter(this);
    SetBackground(properties_, Rgb{192, 192, 192});
    const struct {
        const char* name;
        const char* caption;
        double left, top;
    } labels[] = {{"Label3_Name", "Name:", 120, 150},
                  {"Label3_Type", "Type:", 120, 510},
                  {"Label3_Value", "Value:", 120, 885},
                  {"Label3_TabOrder", "Tab Order:", 120, 1230}};
    // The boxes stand in one column right of the widest caption in the font at hand.
    int column = TwipsToWholePixels(960);
    for (const auto& l : labels) {
        auto* label = new QLabel(l.caption, properties_);
        label->setObjectName(l.name);
        label->move(TwipsRect(l.left, l.top, 0, 0).topLeft());
        column = std::max(column, label->x() + label->sizeHint().width() + kCaptionGap);
    }
    auto inColumn = [column](QRect r) {
        r.moveLeft(column);
        return r;
    };
    text3Name_ = AddLineEdit(properties_, "NameBox", inColumn(TwipsRect(960, 120, 1275, 285)));
    combo3Type_ = AddCombo(properties_, "TypeList", inColumn(TwipsRect(960, 480, 1290, 315)));
    // Wide enough for its longest kind ("JScrollbar H").
    combo3Type_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    text3Value_ = AddLineEdit(properties_, "ValueBox", inColumn(TwipsRect(960, 855, 1275, 285)));
    text3TabOrder_ =
        AddLineEdit(properties_, "TabOrderBox", inColumn(TwipsRect(960, 1215, 570, 285)));
    groupNotice_ = new QLabel(properties_);
    groupNotice_->setObjectName("GroupNotice");
    groupNotice_->setWordWrap(true);
    groupNotice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The key filter keeps typed letters out; the validator also pasted and dropped ones.
    text3TabOrder_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), text3TabOrder_));

    connect(text3Name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ins_.NameBox.Text = text.toStdString(); });
    connect(text3Value_, &QLineEdit::textEdited, this, [this](const QString& text) {
        ins_.ValueBox.Text = text.toStdString();
        ins_.ValueChanged();
    });
    // Enter or leaving the box ends one edit of the value: the next typing is a step of its own.
    connect(text3Value_, &QLineEdit::editingFinished, this, [this] { ins_.ValueTypingEnds(); });
    connect(text3TabOrder_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ins_.TabOrderBox.Text = text.toStdString(); });
    connect(combo3Type_, &QComboBox::activated, this, [this](int row) {
        if (refreshing_) return;
        ins_.TypeList.ListIndex = row;
        ins_.TypeChosen();
        Refresh();
    });
}

void InspectorPanel::BuildPopup() {
    popup_ = new QWidget(this);
    popup_->setObjectName("PopupPage");
    SetBackground(popup_, Rgb{192, 192, 192});
    const struct {
        const char* name;
        const char* caption;
        double left, top;
    } labels[] = {{"Label4_Popup", "Popup:", 135, 135},
                  {"Label4_Name", "Name:", 135, 495},
                  {"Label4_when", "When:", 135, 855}};
    for (const auto& l : labels) {
        auto* label = new QLabel(l.caption, popup_);
        label->setObjectName(l.name);
        label->move(TwipsRect(l.left, l.top, 0, 0).topLeft());
    }
    combo4Popup_ = AddCombo(popup_, "PopupKindList", TwipsRect(960, 105, 1065, 315));
    text4Name_ = AddLineEdit(popup_, "PopupClassBox", TwipsRect(960, 495, 1500, 285));
    combo4When_ = AddCombo(popup_, "PopupTriggerList", TwipsRect(960, 855, 1830, 315));
    cmdClearPopup_ = new QPushButton("Clear", popup_);
    cmdClearPopup_->setObjectName("CmdClearPopup");
    cmdClearPopup_->setGeometry(TwipsRect(1305, 1350, 630, 330));
    cmdClearPopup_->setStyleSheet("QPushButton { background-color: #e0e0e0; }");
    popupNotice_ = new QLabel(popup_);
    popupNotice_->setObjectName("PopupNotice");
    popupNotice_->setWordWrap(true);
    popupNotice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    popupNotice_->setGeometry(TwipsRect(135, 1830, 2910, 1200));
    connect(combo4Popup_, &QComboBox::activated, this, [this](int row) {
        if (refreshing_) return;
        ins_.PopupKindList.ListIndex = row;
        ins_.PopupKindChosen();
        Refresh();
    });
    connect(combo4When_, &QComboBox::activated, this, [this](int row) {
        if (refreshing_) return;
        ins_.PopupTriggerList.ListIndex = row;
        ins_.PopupTriggerChosen();
        Refresh();
    });
    connect(text4Name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ins_.PopupClassBox.Text = text.toStdString(); });
    connect(cmdClearPopup_, &QPushButton::clicked, this, [this] {
        ins_.ClearPopup();
        Refresh();
    });
}

// ---------------------------------------------------------------- events

InspectorControl InspectorPanel::ControlOf(QObject* widget) const {
    if (widget == text3Name_) return InspectorControl::NameBox;
    if (widget == combo3Type_) return InspectorControl::TypeList;
    if (widget == text3Value_) return InspectorControl::ValueBox;
    if (widget == text3TabOrder_) return InspectorControl::TabOrderBox;
    if (widget == properties_) return InspectorControl::PropertiesPage;
    if (widget == combo4Popup_) return InspectorControl::PopupKindList;
    if (widget == text4Name_) return InspectorControl::PopupClassBox;
    if (widget == combo4When_) return InspectorControl::PopupTriggerList;
    return InspectorControl::None;
}

QWidget* InspectorPanel::WidgetOf(InspectorControl control) const {
    switch (control) {
        case InspectorControl::NameBox:
            return text3Name_;
        case InspectorControl::TypeList:
            return combo3Type_;
        case InspectorControl::ValueBox:
            return text3Value_;
        case InspectorControl::TabOrderBox:
            return text3TabOrder_;
        case InspectorControl::PropertiesPage:
            return properties_;
        case InspectorControl::EventList:
            return events_;
        case InspectorControl::PopupKindList:
            return combo4Popup_;
        case InspectorControl::PopupClassBox:
            return text4Name_;
        case InspectorControl::PopupTriggerList:
            return combo4When_;
        case InspectorControl::CmdClearPopup:
            return cmdClearPopup_;
        case InspectorControl::None:
            break;
    }
    return nullptr;
}

bool InspectorPanel::eventFilter(QObject* watched, QEvent* event) {
    for (int k = 1; k <= 3; ++k) {
        if (watched == tabLabels_[static_cast<size_t>(k)] &&
            event->type() == QEvent::MouseButtonPress) {
            ins_.TabHeaderClicked(k);
            Refresh();
            return true;
        }
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    bool edited = box == text3Name_ || box == text3TabOrder_ || box == text4Name_;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == properties_ && key->key() == Qt::Key_Delete) {
                ins_.PropertiesPageKeyDown(kKeyDelete);
                return true;
            }
            int keyAscii = KeyAscii(key);
            // Ctrl with a letter is the box's own command (select all, undo, copy, paste).
            const bool command = key->modifiers() & Qt::ControlModifier;
            if (edited && keyAscii != 0 && !command) return BoxKey(box, keyAscii);
            break;
        }
        case QEvent::ShortcutOverride: {
            // Undo and Redo act on the design, unless the box holds typing of its own not yet
            // stored: that is taken back inside the box, as text editors do.
            auto* key = static_cast<QKeyEvent*>(event);
            const bool history = key->matches(QKeySequence::Undo) ||
                                 key->matches(QKeySequence::Redo) ||
                                 key->keyCombination() == (Qt::CTRL | Qt::Key_Y);
            if (box && history && !ins_.HasPendingTyping(ControlOf(box))) {
                event->ignore();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            if (ControlOf(watched) != InspectorControl::None) ins_.GotFocus(ControlOf(watched));
            break;
        case QEvent::FocusOut: {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Switching windows (a message box, a menu) does not leave the control.
            bool leaves = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
            if (edited && leaves && !validating_) BoxFocusOut(box);
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// Returns whether the key is used up.
bool InspectorPanel::BoxKey(QLineEdit* box, int keyAscii) {
    validating_ = true;
    int passed = box == text3Name_   ? ins_.NameKeyPress(keyAscii)
                 : box == text4Name_ ? ins_.PopupClassKeyPress(keyAscii)
                                     : ins_.TabOrderKeyPress(keyAscii);
    Refresh();
    validating_ = false;
    return passed == 0 || keyAscii == kKeyEnter || keyAscii == kKeyEscape;
}

void InspectorPanel::BoxFocusOut(QLineEdit* box) {
    validating_ = true;
    if (box == text3Name_) {
        ins_.NameLosesFocus();
    } else if (box == text4Name_) {
        ins_.PopupClassLosesFocus();
    } else {
        ins_.TabOrderLosesFocus();
    }
    Refresh();  // a refusal takes the focus back here
    validating_ = false;
}

void InspectorPanel::ApplyFocusRequest() {
    if (ins_.FocusRequests == appliedFocusRequests_) return;
    appliedFocusRequests_ = ins_.FocusRequests;
    QWidget* target = WidgetOf(ins_.Focus);
    if (!target) return;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(target)) {
        const TextBoxState& state = box == text3Name_       ? ins_.NameBox
                                    : box == text3TabOrder_ ? ins_.TabOrderBox
                                    : box == text4Name_     ? ins_.PopupClassBox
                                                            : ins_.ValueBox;
        // After the focus change under way: a line edit drops its selection when it loses focus.
        QTimer::singleShot(0, box, [box, start = state.SelStart, length = state.SelLength] {
            box->setSelection(start, length);
        });
    }
}

// ---------------------------------------------------------------- showing the state

void InspectorPanel::Refresh() {
    refreshing_ = true;
    // The visible tabs side by side, each at least its stored width and wide enough for its
    // caption in the font at hand.
    QRect tab = TwipsRect(kPageLeft, 30, kTabWidth, 285);
    for (int k = 1; k <= 3; ++k) {
        QLabel* label = tabLabels_[static_cast<size_t>(k)];
        label->setText(QString::fromStdString(ins_.TabHeaderLabels[k].Caption));
        label->setStyleSheet(ShapeStyle(ins_.TabHeaderShapes[k]));
        label->setVisible(ins_.TabHeaderLabels[k].Visible);
        if (!ins_.TabHeaderLabels[k].Visible) continue;
        tab.setWidth(std::max(TwipsToWholePixels(kTabWidth), label->sizeHint().width() + 8));
        label->setGeometry(tab);
        tab.moveLeft(tab.right() + 3);
    }
    header_->setStyleSheet(ShapeStyle(ins_.TabHeaderShapes[4]));

    ShowText(text3Name_, ins_.NameBox);
    ShowItems(combo3Type_, ins_.TypeList);
    combo3Type_->resize(std::max(TwipsToWholePixels(1290), combo3Type_->sizeHint().width()),
                        combo3Type_->height());
    ShowText(text3Value_, ins_.ValueBox);
    ShowText(text3TabOrder_, ins_.TabOrderBox);
    ShowEventList(events_, ins_);
    ShowItems(combo4Popup_, ins_.PopupKindList);
    ShowText(text4Name_, ins_.PopupClassBox);
    ShowItems(combo4When_, ins_.PopupTriggerList);
    cmdClearPopup_->setEnabled(ins_.ClearPopupEnabled);
    // With several selected: what the Properties and Events pages change, and which one the
    // Popup page edits.
    const QString group = QString::fromStdString(ins_.GroupNotice);
    groupNotice_->setText(group);
    groupNotice_->setVisible(!group.isEmpty());
    // Below the boxes, down to the page's foot: a long name takes a third line.
    constexpr double kGroupNoticeTop = 1590;
    groupNotice_->setGeometry(
        TwipsRect(120, kGroupNoticeTop, 2985,
                  std::max(400.0, main_.PropertiesPageHeight - kGroupNoticeTop - 30)));
    const QString selection = QString::fromStdString(ins_.SelectionNotice);
    popupNotice_->setText(selection.isEmpty()
                              ? QString::fromStdString(ins_.PopupNotice)
                              : selection + ".\n" + QString::fromStdString(ins_.PopupNotice));
    selectionNotice_->setText(group);

    const double pageTop = kPropertiesPageTop - kTabHeaderTop;
    properties_->setGeometry(TwipsRect(kPageLeft, pageTop, kPageWidth, main_.PropertiesPageHeight));
    const double noticeHeight = group.isEmpty() ? 0 : 420;
    selectionNotice_->setGeometry(TwipsRect(kPageLeft, pageTop, kPageWidth, noticeHeight));
    selectionNotice_->setVisible(ins_.EventsPage.Visible && noticeHeight > 0);
    events_->setGeometry(TwipsRect(kPageLeft, pageTop + noticeHeight, kPageWidth,
                                   main_.EventsPageHeight - noticeHeight));
    popup_->setGeometry(TwipsRect(kPageLeft, pageTop, kPageWidth, main_.PopupPageHeight));
    properties_->setVisible(ins_.PropertiesPage.Visible);
    events_->setVisible(ins_.EventsPage.Visible);
    popup_->setVisible(ins_.PopupPage.Visible);
    setFixedSize(TwipsToWholePixels(kRightPanelWidthTwips),
                 TwipsRect(0, 0, 0, pageTop + main_.PropertiesPageHeight).height());
    refreshing_ = false;
    ApplyFocusRequest();
}

// ---------------------------------------------------------------- RightPanel

RightPanel::RightPanel(MainController& main, QWidget* parent)
    : QWidget(parent),
      main_(main),
      components_(new ComponentListPanel(main, this)),
      inspector_(new InspectorPanel(main, this)) {
    setObjectName("Picture_Toolbar2");
    inspector_->move(0, TwipsToWholePixels(kTabHeaderTop));
    // The pages grow with the main window; the panel asks only for their first height, so
    // the window can be made small again.
    setMinimumSize(TwipsToWholePixels(kRightPanelWidthTwips),
                   TwipsToWholePixels(kPropertiesPageTop + kInspectorPageHeight));
    main_.inspector.OnChanged = [this] { ScheduleRefresh(); };
    Refresh();
}

RightPanel::~RightPanel() {
    main_.inspector.OnChanged = nullptr;
}

void RightPanel::ScheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void RightPanel::Refresh() {
    refreshPending_ = false;
    components_->Refresh();
    inspector_->Refresh();
}

}  // namespace korvane
