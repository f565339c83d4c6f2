#include "mainwindow/MainController.h"

#include "codegen/GenerateCode.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

constexpr std::array<std::string_view, 25> kTypeDisplayNames = {
    "Label",       "Button",       "TextField",    "TextArea",     "Checkbox",
    "Radiobutton", "Choice",       "List",         "Scrollbar H",  "Scrollbar V",
    "Panel",       "ScrollPane",   "Canvas",       "JLabel",       "JButton",
    "JTextField",  "JTextArea",    "JCheckBox",    "JRadioButton", "JComboBox",
    "JList",       "JScrollbar H", "JScrollbar V", "JPanel",       "JScrollPane"};

}  // namespace

MainController::MainController(DocumentController& document) : document_(document) {
    inspector.Attach(document_, componentList, catalogue);
    palettes.SetOwner(this);
}

void MainController::Load() {
    palettes = Palettes{};
    palettes.SetOwner(this);
    palettes.StartUp();
    inspector.ClearInspector();
    for (size_t i = 0; i < kTypeDisplayNames.size(); ++i)
        TypeDisplayNames[i] = kTypeDisplayNames[i];
    inspector.StartUp(TypeDisplayNames);
    PropertiesPageHeight = EventsPageHeight = PopupPageHeight = kInspectorPageHeight;
    OuterWidth = kMainOuterWidth;
    OuterHeight = kMainOuterHeight;
    LoadSettings();
}

void MainController::LoadSettings() {
    // The settings have no store: every text is empty, which gives the defaults.
    const std::string size, align, show, units;
    GridSize = (size.empty() || size == "0") ? 8 : ToInt16(size).value_or(8);
    GridAlign = align.empty() || Val(align) == 1;
    GridShow = show.empty() || Val(show) == 1;
    GridUnits = units.empty() ? "pixels" : units;
}

void MainController::SetGrid(const GridSettings& grid) {
    GridSize = grid.GridSize;
    GridAlign = grid.GridAlign;
    GridShow = grid.GridShow;
    GridUnits = grid.GridUnits;
    if (!DocumentLoaded()) return;
    document_.TakeGridSettings();
    document_.NotifyChanged();
}

GridSettings MainController::Grid() const {
    return GridSettings{GridSize, GridAlign, GridShow, GridUnits};
}

void MainController::ComponentListClicked() {
    inspector.Load();
}

void MainController::ClearInspector() {
    inspector.ClearInspector();
}

void MainController::SetPaletteButtonsEnabled(bool enabled) {
    palettes.ButtonsEnabled = enabled;
}

void MainController::PressTargetButton(std::string_view generateType) {
    if (generateType == "Applet" || generateType == "Frame" || generateType == "Dialog" ||
        generateType == "Panel") {
        document_.doc.Target = std::string(generateType);
        PressedTargetButton = std::string(generateType);
    }
}

void MainController::InsertAwtButton(int index) {
    if (!DocumentLoaded()) return;
    palettes.ArmedAwtButton = 0;
    palettes.ShowAwtPressed(0);
    if (const PaletteEntry* e = AwtPaletteEntry(index)) document_.editor.InsertComponent(e->tag);
    palettes.ShowAwtNormal(index);
}

void MainController::InsertSwingButton(int index) {
    if (!DocumentLoaded()) return;
    palettes.ArmedSwingButton = 0;
    palettes.ShowSwingPressed(0);
    if (const PaletteEntry* e = SwingPaletteEntry(index)) document_.editor.InsertComponent(e->tag);
    palettes.ShowSwingNormal(index);
}

void MainController::InsertWithArmedTool() {
    if (palettes.ArmedAwtButton != 0) {
        InsertAwtButton(palettes.ArmedAwtButton);
    } else if (palettes.ArmedSwingButton != 0) {
        InsertSwingButton(palettes.ArmedSwingButton);
    }
}

void MainController::ReleasePaletteButtons(int button, int shift, float x, float y) {
    if (palettes.PressedDeleteButton != 0) {
        palettes.PressedDeleteButton = 0;
        palettes.ResetDeletePalette();
    }
    palettes.PressedMenuButton = 0;
    palettes.PanelMouseMove(button, shift, x, y);
}

void MainController::ShowDocument() {
    if (!document_.Loaded()) document_.Load();
}

void MainController::MenuNew() {
    ShowDocument();
}

void MainController::MenuOpen() {
    ShowDocument();
    document_.FileOpen();
}

void MainController::NewButtonClicked() {
    ShowDocument();
    document_.FileNew();
}

void MainController::SaveButtonClicked() {
    if (DocumentLoaded()) document_.FileSave();
}

void MainController::EditDelete() {
    if (!DocumentLoaded()) return;
    document_.editor.DeleteSelection();
    document_.selection.ShowHandles(false);
}

void MainController::ResizeWindow(double outerWidth, double outerHeight) {
    OuterWidth = outerWidth;
    OuterHeight = outerHeight;
    if (kPropertiesPageTop + kPageBottomAllowance < outerHeight) {
        PropertiesPageHeight = outerHeight - kPropertiesPageTop - kPageBottomAllowance;
        EventsPageHeight = PopupPageHeight = PropertiesPageHeight;
    }
}

bool MainController::QueryClose() {
    codeListing.Close();
    return !DocumentLoaded() || document_.QueryClose();
}

void MainController::ChooseTarget(std::string_view caption) {
    TargetCaption = std::string(caption);
    if (DocumentLoaded()) document_.doc.Target = TargetCaption;
}

void MainController::GenerateButtonClicked() {
    if (!DocumentLoaded()) return;
    document_.doc.Target = TargetCaption;
    RunGenerateCommand();
}

void MainController::GenerateAs(std::string_view kind) {
    if (!DocumentLoaded()) return;
    document_.doc.Target = std::string(kind);
    RunGenerateCommand();
}

void MainController::RunGenerateCommand() {
    if (!DocumentLoaded()) return;
    korvane::RunGenerateCommand(document_, codeListing, catalogue);
}

}  // namespace korvane
