#include "mainwindow/MDIForm1.h"

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

MDIForm1::MDIForm1(Form1& document) : document_(document) {
    inspector.Attach(document_, list1, catalogue);
    palettes.SetOwner(this);
}

void MDIForm1::MDIForm_Load() {
    palettes = Palettes{};
    palettes.SetOwner(this);
    palettes.StartUp();
    inspector.Inicializa_VentanaPropiedades();
    for (size_t i = 0; i < kTypeDisplayNames.size(); ++i)
        TypeDisplayNames[i] = kTypeDisplayNames[i];
    inspector.Form_Start(TypeDisplayNames);
    PropertiesPageHeight = EventsPageHeight = PopupPageHeight = kInspectorPageHeight;
    OuterWidth = kMainOuterWidth;
    OuterHeight = kMainOuterHeight;
    IniFile_Load();
}

void MDIForm1::IniFile_Load() {
    // The settings have no store: every text is empty, which gives the defaults.
    const std::string size, align, show, units;
    GridSize = (size.empty() || size == "0") ? 8 : ToInt16(size).value_or(8);
    GridAlign = align.empty() || Val(align) == 1;
    GridShow = show.empty() || Val(show) == 1;
    GridUnits = units.empty() ? "pixels" : units;
}

void MDIForm1::SetGrid(const GridSettings& grid) {
    GridSize = grid.GridSize;
    GridAlign = grid.GridAlign;
    GridShow = grid.GridShow;
    GridUnits = grid.GridUnits;
    if (!DocumentLoaded()) return;
    document_.Grid_Data();
    document_.NotifyChanged();
}

GridSettings MDIForm1::Grid() const {
    return GridSettings{GridSize, GridAlign, GridShow, GridUnits};
}

void MDIForm1::List1_Click() {
    inspector.Load();
}

void MDIForm1::Inicializa_VentanaPropiedades() {
    inspector.Inicializa_VentanaPropiedades();
}

void MDIForm1::SetPaletteButtonsEnabled(bool enabled) {
    palettes.ButtonsEnabled = enabled;
}

void MDIForm1::PressTargetButton(std::string_view generateType) {
    if (generateType == "Applet" || generateType == "Frame" || generateType == "Dialog" ||
        generateType == "Panel") {
        document_.doc.Generate_Type = std::string(generateType);
        PressedTargetButton = std::string(generateType);
    }
}

void MDIForm1::Insert_Control(int index) {
    if (!DocumentLoaded()) return;
    palettes.Toolbar_Button_pressed = 0;
    palettes.boton_presionado(0);
    if (const PaletteEntry* e = AwtPaletteEntry(index)) document_.Insert_Control(e->tag);
    palettes.boton_normal(index);
}

void MDIForm1::Insert_Control_Swing(int index) {
    if (!DocumentLoaded()) return;
    palettes.Toolbar_ButtonSwing_pressed = 0;
    palettes.boton_swing_presionado(0);
    if (const PaletteEntry* e = SwingPaletteEntry(index)) document_.Insert_Control(e->tag);
    palettes.boton_swing_normal(index);
}

void MDIForm1::ShowDocument() {
    if (!document_.Loaded()) document_.Form_Load();
}

void MDIForm1::OptionNew_Click() {
    ShowDocument();
}

void MDIForm1::OptionOpen_Click() {
    ShowDocument();
    document_.OptionFileOpen_Click();
}

void MDIForm1::Toolbar2_New_Click() {
    ShowDocument();
    document_.OptionFileNew_Click();
}

void MDIForm1::Toolbar2_Save_Click() {
    if (DocumentLoaded()) document_.OptionFileSave_Click();
}

void MDIForm1::OptionEditDelete_Click() {
    if (!DocumentLoaded()) return;
    document_.OptionControlDelete_Click();
    document_.Corners_Show(false);
}

void MDIForm1::MDIForm_Resize(double outerWidth, double outerHeight) {
    OuterWidth = outerWidth;
    OuterHeight = outerHeight;
    if (kPropertiesPageTop + kPageBottomAllowance < outerHeight) {
        PropertiesPageHeight = outerHeight - kPropertiesPageTop - kPageBottomAllowance;
        EventsPageHeight = PopupPageHeight = PropertiesPageHeight;
    }
}

bool MDIForm1::MDIForm_QueryUnload() {
    form2.OptionClose_Click();
    IniFile_Unload();
    return !DocumentLoaded() || document_.Form_QueryUnload();
}

void MDIForm1::OptionGenerateType_Click(std::string_view caption) {
    Cmd_GenerateType_Caption = std::string(caption);
    if (DocumentLoaded()) document_.doc.Generate_Type = Cmd_GenerateType_Caption;
}

void MDIForm1::Toolbar2_Code_Click() {
    if (!DocumentLoaded()) return;
    document_.doc.Generate_Type = Cmd_GenerateType_Caption;
    Generate_Code();
}

void MDIForm1::OptionGenerate_Click(std::string_view kind) {
    if (!DocumentLoaded()) return;
    document_.doc.Generate_Type = std::string(kind);
    Generate_Code();
}

void MDIForm1::Generate_Code() {
    if (!DocumentLoaded()) return;
    korvane::Generate_Code(document_, form2, catalogue);
}

}  // namespace korvane
