#include "qt/MenuBarDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/DesignEdits.h"
#include "mainwindow/Inspector.h"

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
    checked_ = new QCheckBox("&Checked", this);
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
    buttons->addWidget(AddButton("Outdent", "&Outdent", &MenuBarDialog::Outdent));
    buttons->addStretch();

    auto* fields = new QFormLayout;
    fields->addRow("&Name:", name_);
    fields->addRow("&Label:", label_);
    fields->addRow("&Type:", type_);
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

void MenuBarDialog::AddElement() {
    std::vector<std::string> components;
    for (int i = 1; i <= form_.doc.SlotCount(); ++i)
        components.push_back(form_.doc.Slot(i).ComponentName);
    editor_.Add(components);
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
    editor_.Indent();
}

void MenuBarDialog::Outdent() {
    editor_.Outdent();
}

void MenuBarDialog::ShowList() {
    showing_ = true;
    list_->clear();
    const std::vector<int> depths = editor_.Depths();
    for (int i = 0; i < editor_.Count(); ++i) {
        const MenuElement& e = editor_.Elements()[static_cast<size_t>(i)];
        const QString label = Q(e.Label.empty() ? e.Name : e.Label);
        list_->addItem(QString(depths[static_cast<size_t>(i)] * kIndentBlanks, ' ') + label +
                       "  (" + Q(e.Type.empty() ? std::string("Item") : e.Type) + ")");
    }
    list_->setCurrentRow(editor_.Current());
    showing_ = false;
    ShowFields();
}

void MenuBarDialog::ShowFields() {
    showing_ = true;
    const bool any = editor_.Current() >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{name_, label_, type_, checked_, enabled_,
                                                      shortcut_, events_})
        w->setEnabled(any);
    Button("Remove")->setEnabled(any);
    MenuElement shown = any ? editor_.CurrentElement() : MenuElement{};
    name_->setText(Q(shown.Name));
    label_->setText(Q(shown.Label));
    if (type_->findText(Q(shown.Type)) < 0 && !shown.Type.empty()) type_->addItem(Q(shown.Type));
    type_->setCurrentIndex(shown.Type.empty() ? 1 : type_->findText(Q(shown.Type)));
    checked_->setChecked(MenuStateChecked(shown.State));
    enabled_->setChecked(MenuStateEnabled(shown.State));
    shortcut_->setText(Q(shown.Shortcut));
    events_->clear();
    ListState offered;
    for (const std::string& m : MenuElementMethods(catalogue_, S(type_->currentText())))
        offered.AddItem(m);
    const std::string stored = shown.Events;
    for (const std::string& m : offered.Items) {
        auto* item = new QListWidgetItem(Q(m), events_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        bool on = false;
        size_t start = 0;
        while (start <= stored.size()) {
            size_t end = stored.find('|', start);
            if (end == std::string::npos) end = stored.size();
            on |= stored.compare(start, end - start, m) == 0;
            start = end + 1;
        }
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    showing_ = false;
}

void MenuBarDialog::FieldsEdited() {
    if (showing_ || editor_.Current() < 0) return;
    MenuElement& e = editor_.CurrentElement();
    const bool typeChanged = e.Type != S(type_->currentText());
    e.Name = S(name_->text());
    e.Label = S(label_->text());
    e.Type = S(type_->currentText());
    e.State = MenuStateFrom(checked_->isChecked(), enabled_->isChecked());
    e.Shortcut = S(shortcut_->text());
    const int row = editor_.Current();
    showing_ = true;
    if (QListWidgetItem* item = list_->item(row)) {
        const QString label = Q(e.Label.empty() ? e.Name : e.Label);
        item->setText(QString(editor_.Depth(row) * kIndentBlanks, ' ') + label + "  (" + Q(e.Type) +
                      ")");
    }
    showing_ = false;
    if (typeChanged) ShowList();
}

void MenuBarDialog::EventChecked() {
    if (showing_ || editor_.Current() < 0) return;
    ListState list;
    for (int k = 0; k < events_->count(); ++k) {
        list.AddItem(S(events_->item(k)->text()));
        list.Checked.back() = events_->item(k)->checkState() == Qt::Checked;
    }
    MenuElement& e = editor_.CurrentElement();
    e.Events = EventsFromChecks(list, e.Events);
}

void MenuBarDialog::accept() {
    std::vector<std::string> components;
    for (int i = 1; i <= form_.doc.SlotCount(); ++i)
        if (form_.doc.IsLive(i)) components.push_back(form_.doc.Slot(i).ComponentName);
    const std::string refusal = editor_.Check(components);
    if (!refusal.empty()) {
        messages_.Show(Warning(refusal, kTitle));
        return;
    }
    EditMenuElements(form_, editor_.Result());
    QDialog::accept();
}

}  // namespace korvane
