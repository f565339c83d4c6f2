#include "qt/MenuBarDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "document/DesignEdits.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr char kTitle[] = "Menu Bar";
constexpr int kIndentBlanks = 4;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string S(const QString& s) {
    return s.toStdString();
}

}  // namespace

MenuBarDialog::MenuBarDialog(DocumentController& form, const EventCatalogue& catalogue,
                             MessageBoxService& messages, QWidget* parent)
    : QDialog(parent),
      form_(form),
      catalogue_(catalogue),
      messages_(messages),
      editor_(form.doc.MenuElements) {
    setObjectName("MenuBarDialog");
    setWindowTitle(kTitle);
    list_ = new QListWidget(this);
    list_->setObjectName("MenuElements");
    list_->setMinimumWidth(220);
    name_ = new QLineEdit(this);
    name_->setObjectName("MenuName");
    label_ = new QLineEdit(this);
    label_->setObjectName("MenuLabel");
    type_ = new QComboBox(this);
    type_->setObjectName("MenuType");
    for (const char* type : kMenuTypes) type_->addItem(type);
    checked_ = new QCheckBox("Chec&ked", this);
    checked_->setObjectName("MenuChecked");
    enabled_ = new QCheckBox("&Enabled", this);
    enabled_->setObjectName("MenuEnabled");
    shortcut_ = new QLineEdit(this);
    shortcut_->setObjectName("MenuShortcut");
    shortcut_->setPlaceholderText("Ctrl+S");
    events_ = new QListWidget(this);
    events_->setObjectName("MenuEvents");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton("Add", "&Add", &MenuBarDialog::AddElement));
    buttons->addWidget(AddButton("Remove", "&Remove", &MenuBarDialog::RemoveElement));
    buttons->addWidget(AddButton("Up", "Move &Up", &MenuBarDialog::MoveUp));
    buttons->addWidget(AddButton("Down", "Move &Down", &MenuBarDialog::MoveDown));
    buttons->addWidget(AddButton("Indent", "&Indent", &MenuBarDialog::Indent));
    buttons->addWidget(AddButton("Outdent", "Ou&tdent", &MenuBarDialog::Outdent));
    buttons->addStretch();

    auto* fields = new QFormLayout;
    fields->addRow("&Name:", name_);
    fields->addRow("&Label:", label_);
    fields->addRow("T&ype:", type_);
    fields->addRow("State:", checked_);
    fields->addRow("", enabled_);
    fields->addRow("&Shortcut:", shortcut_);
    fields->addRow("E&vents:", events_);

    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    top->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->setObjectName("Buttons");
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        editor_.Select(row);
        ShowFields();
    });
    for (QLineEdit* edit : {name_, label_, shortcut_})
        connect(edit, &QLineEdit::textEdited, this, &MenuBarDialog::FieldsEdited);
    connect(type_, &QComboBox::activated, this, &MenuBarDialog::FieldsEdited);
    connect(checked_, &QCheckBox::clicked, this, &MenuBarDialog::FieldsEdited);
    connect(enabled_, &QCheckBox::clicked, this, &MenuBarDialog::FieldsEdited);
    connect(events_, &QListWidget::itemChanged, this, &MenuBarDialog::EventChecked);
    ShowList();
    resize(620, 380);
}

QPushButton* MenuBarDialog::AddButton(const char* name, const QString& caption,
                                      void (MenuBarDialog::*act)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, act] {
        (this->*act)();
        ShowList();
    });
    return button;
}

QPushButton* MenuBarDialog::Button(const char* name) const {
    return findChild<QPushButton*>(name);
}

void MenuBarDialog::Refuse(const std::string& reason) {
    if (!reason.empty()) messages_.Show(Warning(reason, kTitle));
}

void MenuBarDialog::AddElement() {
    std::vector<std::string> components;
    for (int i = 1; i <= form_.doc.SlotCount(); ++i)
        components.push_back(form_.doc.Slot(i).ComponentName);
    Refuse(editor_.Add(components));
}

void MenuBarDialog::RemoveElement() {
    editor_.Remove();
}

void MenuBarDialog::MoveUp() {
    editor_.MoveUp();
}

void MenuBarDialog::MoveDown() {
    editor_.MoveDown();
}

void MenuBarDialog::Indent() {
    Refuse(editor_.Indent());
}

void MenuBarDialog::Outdent() {
    editor_.Outdent();
}

namespace {

// The type as the element has it: its own written one when that is not one of the four, so
// that the check can name it.
QString TypeText(const MenuElement& e, MenuElementType type) {
    if (!Trimmed(e.Type).empty() && !ParseMenuType(e.Type)) return Q(e.Type);
    return Q(std::string(MenuTypeText(type)));
}

QString RowText(const MenuElement& e, int depth, MenuElementType type) {
    const QString label = Q(e.Label.empty() ? e.Name : e.Label);
    return QString(depth * kIndentBlanks, ' ') + label + "  (" + TypeText(e, type) + ")";
}

std::vector<std::string> StoredEvents(const std::string& events) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= events.size()) {
        size_t end = events.find('|', start);
        if (end == std::string::npos) end = events.size();
        std::string name =
            std::string(Trimmed(std::string_view(events).substr(start, end - start)));
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
        start = end + 1;
    }
    return names;
}

}  // namespace

void MenuBarDialog::ShowList() {
    showing_ = true;
    list_->clear();
    const std::vector<int> depths = editor_.Depths();
    const std::vector<MenuElementType> types = editor_.Types();
    for (size_t i = 0; i < editor_.Elements().size(); ++i)
        list_->addItem(RowText(editor_.Elements()[i], depths[i], types[i]));
    list_->setCurrentRow(editor_.Current());
    showing_ = false;
    ShowFields();
}

void MenuBarDialog::ShowButtons() {
    const bool any = editor_.Current() >= 0;
    Button("Remove")->setEnabled(any);
    Button("Up")->setEnabled(editor_.CanMoveUp());
    Button("Down")->setEnabled(editor_.CanMoveDown());
    // A refused Indent says why, so it is offered wherever an element is chosen.
    Button("Indent")->setEnabled(any);
    Button("Outdent")->setEnabled(any && editor_.Depth(editor_.Current()) > 0);
}

void MenuBarDialog::ShowFields() {
    showing_ = true;
    const bool any = editor_.Current() >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{name_, label_, type_, checked_, enabled_,
                                                      shortcut_, events_})
        w->setEnabled(any);
    ShowButtons();
    const MenuElement shown = any ? editor_.CurrentElement() : MenuElement{};
    const MenuElementType type = any ? editor_.TypeOf(editor_.Current()) : MenuElementType::Item;
    name_->setText(Q(shown.Name));
    label_->setText(Q(shown.Label));
    const QString typeText = Trimmed(shown.Type).empty() ? TypeText(shown, type) : Q(shown.Type);
    if (type_->findText(typeText) < 0) type_->addItem(typeText);
    type_->setCurrentIndex(type_->findText(typeText));
    checked_->setChecked(MenuStateChecked(shown.State));
    enabled_->setChecked(MenuStateEnabled(shown.State));
    shortcut_->setText(Q(shown.Shortcut));
    events_->clear();
    const std::vector<std::string> stored = StoredEvents(shown.Events);
    const auto add = [&](const std::string& method, bool offered) {
        const bool on = std::find(stored.begin(), stored.end(), method) != stored.end();
        auto* item = new QListWidgetItem(
            offered ? Q(method) : Q(method) + "  (not offered: uncheck to remove)", events_);
        item->setData(Qt::UserRole, Q(method));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        if (!offered) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip("A " + Q(std::string(MenuTypeText(type))).toLower() +
                             " does not fire this event, so generation leaves it out.");
        }
    };
    const std::vector<std::string> offered =
        any ? MenuElementMethods(catalogue_, type) : std::vector<std::string>{};
    for (const std::string& m : offered) add(m, true);
    offeredEvents_ = static_cast<int>(offered.size());
    for (const std::string& m : stored)
        if (std::find(offered.begin(), offered.end(), m) == offered.end()) add(m, false);
    showing_ = false;
}

void MenuBarDialog::FieldsEdited() {
    if (showing_ || editor_.Current() < 0) return;
    MenuElement& e = editor_.CurrentElement();
    e.Name = S(name_->text());
    e.Label = S(label_->text());
    e.Type = S(type_->currentText());
    e.State = MenuStateFrom(checked_->isChecked(), enabled_->isChecked());
    e.Shortcut = S(shortcut_->text());
    const int row = editor_.Current();
    showing_ = true;
    if (QListWidgetItem* item = list_->item(row))
        item->setText(RowText(e, editor_.Depth(row), editor_.TypeOf(row)));
    showing_ = false;
    // The type or the state may change what the element offers.
    const int offered =
        static_cast<int>(MenuElementMethods(catalogue_, editor_.TypeOf(row)).size());
    if (offered != offeredEvents_ || sender() == type_) ShowFields();
}

void MenuBarDialog::EventChecked() {
    if (showing_ || editor_.Current() < 0) return;
    std::string events;
    for (int k = 0; k < events_->count(); ++k) {
        const QListWidgetItem* item = events_->item(k);
        if (item->checkState() != Qt::Checked) continue;
        if (!events.empty()) events += '|';
        events += S(item->data(Qt::UserRole).toString());
    }
    editor_.CurrentElement().Events = events;
    // An event left unchecked that the element does not offer is gone.
    bool dropped = false;
    for (int k = offeredEvents_; k < events_->count(); ++k)
        dropped |= events_->item(k)->checkState() != Qt::Checked;
    if (dropped) QTimer::singleShot(0, this, [this] { ShowFields(); });
}

void MenuBarDialog::accept() {
    const std::string refusal = editor_.Check(form_.doc, catalogue_);
    if (!refusal.empty()) {
        messages_.Show(Warning(refusal, kTitle));
        return;
    }
    EditMenuElements(form_, editor_.Result());
    QDialog::accept();
}

}  // namespace korvane
