// The main window: the frame around the document window, with the command bar, the palettes,
// the component list and the inspector; it owns the application's grid settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/Form1.h"
#include "document/Links.h"
#include "mainwindow/Inspector.h"
#include "mainwindow/Palettes.h"

namespace korvane {

inline constexpr std::string_view kMainCaption = "Korvane - Version 1.3";
inline constexpr double kMainOuterWidth = 9650;   // twips
inline constexpr double kMainOuterHeight = 6700;  // twips

class MDIForm1 : public MainWindowLink {
public:
    explicit MDIForm1(Form1& document);

    // Application settings.
    int GridSize = 8;
    bool GridAlign = true;
    bool GridShow = true;
    std::string GridUnits = "pixels";

    Palettes palettes;
    Inspector inspector;
    ComponentListBox list1;
    // The command bar's target button caption.
    std::string Cmd_GenerateType_Caption = "Applet";
    std::array<std::string, 25> TypeDisplayNames{};

    double OuterWidth = kMainOuterWidth;
    double OuterHeight = kMainOuterHeight;

    Form1& Document() { return document_; }
    bool DocumentLoaded() const { return document_.Loaded(); }

    // Start-up, in its order; then the document window loads.
    void MDIForm_Load();
    void IniFile_Load();
    void IniFile_Unload() {}

    // Palette insertion forwarding by button number.
    void Insert_Control(int index);
    void Insert_Control_Swing(int index);

    // File menu and command bar.
    void OptionNew_Click();
    void OptionOpen_Click();
    void Toolbar2_New_Click();
    void Toolbar2_Save_Click();
    void OptionEditDelete_Click();

    // --- MainWindowLink ---
    GridSettings Grid() const override;
    ComponentListBox& List1() override { return list1; }
    void List1_Click() override;
    void Inicializa_VentanaPropiedades() override;
    void SetPaletteButtonsEnabled(bool enabled) override;
    void PressTargetButton(std::string_view generateType) override;

    // The pressed button of the hidden second row of kind buttons ("" = none).
    std::string PressedTargetButton;

private:
    void ShowDocument();
    Form1& document_;
};

}  // namespace korvane
