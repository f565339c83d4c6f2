// The main window: the frame around the document window, with the command bar, the palettes,
// the component list and the inspector; it owns the application's grid settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "codegen/CodeListing.h"
#include "codegen/EventCatalogue.h"
#include "document/DocumentController.h"
#include "document/Links.h"
#include "mainwindow/Inspector.h"
#include "mainwindow/Palettes.h"
#include "mainwindow/RecentFiles.h"
#include "surface/PaletteTools.h"

namespace korvane {

inline constexpr std::string_view kMainCaption = "Korvane - Version 1.3";
inline constexpr double kMainOuterWidth = 9650;   // twips
inline constexpr double kMainOuterHeight = 6700;  // twips
// The inspector's tab pages in the right panel, twips.
inline constexpr double kPropertiesPageTop = 2670;
inline constexpr double kInspectorPageHeight = 2000;
inline constexpr double kPageBottomAllowance = 1440;

class MainController : public MainWindowLink, public PaletteTools {
  public:
    explicit MainController(DocumentController& document);

    Palettes palettes;
    Inspector inspector;
    ComponentListBox componentList;
    RecentFiles recentFiles;
    // The command bar's target button caption.
    std::string TargetCaption = "Applet";
    std::array<std::string, 25> TypeDisplayNames{};

    double OuterWidth = kMainOuterWidth;
    double OuterHeight = kMainOuterHeight;
    // Heights of the Properties, Events and Popup pages (they always match).
    double PropertiesPageHeight = kInspectorPageHeight;
    double EventsPageHeight = kInspectorPageHeight;
    double PopupPageHeight = kInspectorPageHeight;

    // The code window; it holds the lines of the last generation.
    CodeListing codeListing;
    // Built once at start-up, AWT rows first.
    const EventCatalogue catalogue;

    DocumentController& Document() { return document_; }
    bool DocumentLoaded() const { return document_.Loaded(); }

    // Start-up, in its order; then the document window loads.
    void Load();
    void LoadSettings();
    // Grid and Units...: new application grid settings, taken by the open document at once.
    void SetGrid(const GridSettings& grid);

    // Palette insertion forwarding by button number.
    void InsertAwtButton(int index);
    void InsertSwingButton(int index);

    // File menu and command bar.
    void MenuNew();
    void MenuOpen();
    void NewButtonClicked();
    void SaveButtonClicked();
    void EditDelete();
    void OpenButtonClicked() { MenuOpen(); }

    // The window got a new outer size (twips): the inspector pages follow its height.
    void ResizeWindow(double outerWidth, double outerHeight);
    // The window is asked to close: the code window closes first, then the document asks
    // to save; false when the user keeps the document (and so the program) open.
    bool QueryClose();

    // Target selector: an item of menuGenerateType was chosen.
    void ChooseTarget(std::string_view caption);
    // Generate Code: the selector's kind for the active document.
    void GenerateButtonClicked();
    // The document's own generate commands (Build menu and menuForm): that kind.
    void GenerateAs(std::string_view kind);
    // Runs the generator on the document with its current Target.
    void RunGenerateCommand();

    // --- MainWindowLink ---
    GridSettings Grid() const { return document_.Grid(); }
    ComponentListBox& ComponentList() override { return componentList; }
    void ComponentListClicked() override;
    void ClearInspector() override;
    void SetPaletteButtonsEnabled(bool enabled) override;
    void PressTargetButton(std::string_view generateType) override;
    void FileUsed(const std::string& path) override { recentFiles.Add(path); }

    // --- PaletteTools ---
    bool ToolArmed() const override { return palettes.ToolArmed(); }
    void InsertWithArmedTool() override;
    void ReleasePaletteButtons(int button, int shift, float x, float y) override;

    // The pressed button of the hidden second row of kind buttons ("" = none).
    std::string PressedTargetButton;

  private:
    void ShowDocument();
    DocumentController& document_;
};

}  // namespace korvane
