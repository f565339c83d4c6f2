#include "qt/OptionsDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "mainwindow/DesignSettings.h"

namespace korvane {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string S(const QString& s) {
    return s.toStdString();
}

QDialogButtonBox* AddButtons(QDialog* dialog, QVBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName("Buttons");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

QLineEdit* NumberEdit(const char* name, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(name);
    return edit;
}

// A list offering the choices; a value outside them is added so that OK keeps it.
QComboBox* ChoiceCombo(const char* name, const std::vector<std::string>& choices,
                       const std::string& value, bool editable, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    for (const std::string& choice : choices) combo->addItem(Q(choice));
    if (combo->findText(Q(value)) < 0) combo->addItem(Q(value));
    combo->setCurrentIndex(combo->findText(Q(value)));
    return combo;
}

}  // namespace

// ---------------------------------------------------------------- Window Size && Font

WindowFontDialog::WindowFontDialog(DocumentController& form, MessageBoxService& messages,
                                   QWidget* parent)
    : QDialog(parent), form_(form), messages_(messages) {
    setObjectName("WindowFontDialog");
    setWindowTitle("Window Size and Font");
    const WindowFont now = CurrentWindowFont(form.doc);
    width_ = NumberEdit("Width", now.width, this);
    height_ = NumberEdit("Height", now.height, this);
    fontName_ = ChoiceCombo("FontName", FontNameChoices(), now.fontName, true, this);
    fontStyle_ = ChoiceCombo("FontStyle", FontStyleChoices(), now.fontStyle, false, this);
    fontSize_ = NumberEdit("FontSize", now.fontSize, this);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow("&Width (pixels):", width_);
    fields->addRow("&Height (pixels):", height_);
    fields->addRow("Font &name:", fontName_);
    fields->addRow("Font &style:", fontStyle_);
    fields->addRow("Font si&ze:", fontSize_);
    layout->addLayout(fields);
    AddButtons(this, layout);
}

void WindowFontDialog::accept() {
    WindowFontTexts texts{S(width_->text()), S(height_->text()), S(fontName_->currentText()),
                          S(fontStyle_->currentText()), S(fontSize_->text())};
    WindowFont values;
    const std::string refusal = ReadWindowFont(texts, values);
    if (!refusal.empty()) {
        messages_.Show(Warning(refusal, "Window Size and Font"));
        return;
    }
    EditWindowFont(form_, values);
    QDialog::accept();
}

// ---------------------------------------------------------------- Grid and Units

GridDialog::GridDialog(MainController& main, MessageBoxService& messages, QWidget* parent)
    : QDialog(parent), main_(main), messages_(messages) {
    setObjectName("GridDialog");
    setWindowTitle("Grid and Units");
    const GridSettings now = main.Grid();
    const bool pixels = now.GridUnits == "pixels";
    size_ = NumberEdit("GridSize", now.GridSize, this);
    units_ = new QComboBox(this);
    units_->setObjectName("GridUnits");
    units_->addItems({"pixels", kGridTwips});
    units_->setCurrentIndex(pixels ? 0 : 1);
    shownUnits_ = units_->currentText();
    snap_ = new QCheckBox("S&nap to the grid", this);
    snap_->setObjectName("GridAlign");
    snap_->setChecked(now.GridAlign);
    show_ = new QCheckBox("Show grid &dots", this);
    show_->setObjectName("GridShow");
    show_->setChecked(now.GridShow);
    // The size follows the unit, so that the grid stays the same until it is changed.
    connect(units_, &QComboBox::currentTextChanged, this, [this](const QString& units) {
        size_->setText(Q(ConvertGridSize(S(size_->text()), S(shownUnits_), S(units))));
        shownUnits_ = units;
    });
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow("Grid &size:", size_);
    fields->addRow("&Unit:", units_);
    layout->addLayout(fields);
    layout->addWidget(snap_);
    layout->addWidget(show_);
    AddButtons(this, layout);
}

void GridDialog::accept() {
    GridTexts texts{S(size_->text()), S(units_->currentText()), snap_->isChecked(),
                    show_->isChecked()};
    GridSettings grid;
    const std::string refusal = ReadGridSettings(texts, grid);
    if (!refusal.empty()) {
        messages_.Show(Warning(refusal, "Grid and Units"));
        return;
    }
    main_.SetGrid(grid);
    QDialog::accept();
}

}  // namespace korvane
