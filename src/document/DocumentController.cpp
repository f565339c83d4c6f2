#include "document/DocumentController.h"

#include <cmath>
#include <filesystem>

#include "document/MenuBar.h"
#include "document/ProjectFile.h"
#include "document/StackOrder.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr char kFolderSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool HasSpace(const std::string& s) {
    return s.find(' ') != std::string::npos;
}

}  // namespace

DocumentController::DocumentController(MessageBoxService& messages, FileDialogService& fileDialogs)
    : OpenSaveDialog(&fileDialogs), links_(messages) {}

void DocumentController::SetHistory(ChangeHistory* history) {
    const bool modified = Modified();
    links_.history = history ? history : &links_.unrecorded;
    if (modified) {
        links_.history->ForgetSaved();
    } else {
        links_.history->MarkSaved();
    }
}

void DocumentController::NotifyChanged() {
    links_.NotifyChanged();
}

void DocumentController::NotifyComponentChanged(int slot) {
    if (links_.view) links_.view->ComponentChanged(slot);
}

// ---------------------------------------------------------------- lifecycle

void DocumentController::Load() {
    doc.SaveChangesMessage = "Do you want to save the changes?";
    doc.InsertX = doc.InsertY = static_cast<float>(doc.GridSize);
    links_.open = true;
    ResetFileFields();
    ResetDesign();
    selection.PlaceHandles();
    doc.Target = "Applet";
    NotifyChanged();
}

void DocumentController::Activate() {
    if (links_.main) links_.main->PressTargetButton(doc.Target);
    NotifyChanged();
}

GridSettings DocumentController::Grid() const {
    const bool pixels = doc.GridUnits == "pixels";
    const double size = pixels ? TwipsToPixels(doc.GridSize) : doc.GridSize;
    return GridSettings{static_cast<int>(std::lround(size)), doc.GridAlign, doc.GridShow,
                        doc.GridUnits};
}

void DocumentController::SetGrid(const GridSettings& grid) {
    doc.GridAlign = grid.GridAlign;
    doc.GridShow = grid.GridShow;
    doc.GridUnits = grid.GridUnits;
    double size = grid.GridUnits == "pixels" ? PixelsToTwips(grid.GridSize) : grid.GridSize;
    // A step below one twip is no grid (snapping divides by it): take the default 8 pixels.
    doc.GridSize = size < 1 ? PixelsToTwips(8) : size;
    if (Loaded()) NotifyChanged();
}

void DocumentController::RefreshWindowSize() {
    doc.WindowWidth = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterWidth - kFrameWidth - kDesignMargin)));
    doc.WindowHeight = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterHeight - kFrameHeight - kDesignMargin)));
}

void DocumentController::ResizeWindow(double outerWidth, double outerHeight) {
    // The designed window's size is part of the design: an undoable step, merged with the
    // resizes that follow until the resize ends.
    DocumentSettings resized = DocumentSettings::Capture(doc);
    resized.OuterWidth = outerWidth;
    resized.OuterHeight = outerHeight;
    resized.WindowWidth =
        static_cast<float>(RoundHalfEven(TwipsToPixels(outerWidth - kFrameWidth - kDesignMargin)));
    resized.WindowHeight = static_cast<float>(
        RoundHalfEven(TwipsToPixels(outerHeight - kFrameHeight - kDesignMargin)));
    DesignChange change("Resize Window", MergeKind::WindowSize);
    change.SetSettings(doc, resized);
    editor.Record(std::move(change));
    NotifyChanged();
}

void DocumentController::EndMerging() {
    if (links_.history) links_.history->EndMerging();
}

void DocumentController::ResetFileFields() {
    doc.FileName.clear();
    doc.Caption.clear();
    doc.JavaClassName.clear();
    doc.OuterWidth = kDefaultOuterWidth;
    doc.OuterHeight = kDefaultOuterHeight;
    doc.FontName = "Helvetica";
    doc.FontStyle = "PLAIN";
    doc.FontSize = 12;
    doc.WindowUnits = "pixels";
    RefreshWindowSize();
}

void DocumentController::ResetDesign() {
    doc.ClearSlots();
    selection.Reset();
    doc.DialogParent.clear();
    doc.MenuElements.assign(1, MenuElement{});
    links_.history->Clear();
    if (MainWindowLink* main = links_.main) {
        main->ClearInspector();
        main->SetPaletteButtonsEnabled(true);
    }
}

void DocumentController::FileNew() {
    if (Modified()) {
        MessageRequest ask{"This action will discard your changes.\n\nDo you want to continue?",
                           "New File", MessageIcon::Warning, MessageButtons::YesNo, 2};
        if (links_.messages.Show(ask) != MessageResult::Yes) return;
    }
    ClearComponents();
    ResetFileFields();
    ResetDesign();
    list.FillComponentList();
    NotifyChanged();
}

bool DocumentController::QueryClose() {
    if (Modified()) {
        MessageRequest ask{doc.SaveChangesMessage, "Close File", MessageIcon::Warning,
                           MessageButtons::YesNoCancel, 1};
        MessageResult answer = links_.messages.Show(ask);
        if (answer == MessageResult::Cancel) return false;
        // A save that did not happen (cancelled dialog, failed write) keeps the window open.
        if (answer == MessageResult::Yes && !FileSave()) return false;
    }
    if (links_.main) links_.main->ComponentList().Clear();
    ResetDesign();
    if (links_.main) links_.main->SetPaletteButtonsEnabled(false);
    links_.open = false;
    NotifyChanged();
    return true;
}

// ---------------------------------------------------------------- file dialogs

void DocumentController::AskOpenPath() {
    OpenSaveDialog.Prepare("dat", "", LastFolder);
    OpenSaveDialog.ShowOpen();
    doc.FilePath = TrimSpaces(OpenSaveDialog.FileName);
    SplitChosenPath();
}

void DocumentController::AskSavePath() {
    OpenSaveDialog.Prepare("dat", doc.JavaClassName, LastFolder);
    OpenSaveDialog.ShowSave();
    doc.FilePath = TrimSpaces(OpenSaveDialog.FileName);
    SplitChosenPath();
}

// FileName and LastFolder from the chosen FilePath.
void DocumentController::SplitChosenPath() {
    const std::string& path = doc.FilePath;
    if (path.empty()) return;
    size_t b = path.rfind(kFolderSeparator);
    if (b == std::string::npos) {
        doc.FileName = path;
        return;
    }
    LastFolder = path.substr(0, b + 1);
    size_t d = path.rfind('.');
    if (d == std::string::npos || d < b) {
        doc.FileName = path.substr(b + 1);  // no extension: the whole name after the folder
    } else {
        doc.FileName = path.substr(b + 1, d - b - 1);
    }
}

// ---------------------------------------------------------------- project file

bool DocumentController::SavePath(const std::string& path) {
    std::string error;
    if (!WriteFileAtomically(*files_, path, ProjectFileText(doc), error)) {
        links_.messages.Show(Warning("The design could not be saved to \"" + path + "\": " + error +
                                         ".\nThe previous file is unchanged.",
                                     "Korvane"));
        return false;
    }
    doc.Caption = doc.FileName;
    links_.history->MarkSaved();
    if (links_.main) links_.main->FileUsed(path);
    NotifyChanged();
    return true;
}

bool DocumentController::FileSave() {
    if (doc.FileName.empty()) return FileSaveAs();
    if (TrimSpaces(doc.FilePath).empty()) {
        list.FillComponentList();
        // The path was lost to a cancelled dialog: ask for one rather than save nothing.
        return FileSaveAs();
    }
    return SavePath(doc.FilePath);
}

bool DocumentController::FileSaveAs() {
    std::string oldName = doc.FileName;
    std::string oldComplete = doc.FilePath;
    AskSavePath();
    if (TrimSpaces(doc.FilePath).empty()) return false;
    if (HasSpace(doc.FileName)) {
        links_.messages.Show(Warning("File Name cannot have spaces.", "File Name"));
        doc.FilePath.clear();
        doc.FileName.clear();
        doc.Caption.clear();
        NotifyChanged();
        return false;
    }
    if (FileSave()) return true;
    // The write failed: the document keeps the file it had.
    doc.FileName = oldName;
    doc.FilePath = oldComplete;
    return false;
}

bool DocumentController::ChangesMayGo() {
    if (!Modified()) return true;
    MessageRequest ask{doc.SaveChangesMessage, "Open File", MessageIcon::Warning,
                       MessageButtons::YesNoCancel, 1};
    MessageResult answer = links_.messages.Show(ask);
    if (answer == MessageResult::Cancel) return false;
    // Unsaved changes are never replaced: a save that did not happen stops the Open.
    return answer != MessageResult::Yes || FileSave();
}

bool DocumentController::OpenFromOutside(const std::string& path) {
    if (!ChangesMayGo()) return false;
    const std::string name = std::filesystem::path(path).stem().string();
    if (HasSpace(name)) {
        links_.messages.Show(Warning("File Name cannot have spaces.", "File Name"));
        return false;
    }
    return OpenPath(path);
}

bool DocumentController::FileOpen() {
    if (!ChangesMayGo()) return false;
    std::string oldName = doc.FileName;
    std::string oldComplete = doc.FilePath;
    AskOpenPath();
    // A cancelled dialog leaves the design, its list and its selection as they were.
    if (TrimSpaces(doc.FilePath).empty()) return false;
    bool refused = false;
    if (HasSpace(doc.FileName)) {
        links_.messages.Show(Warning("File Name cannot have spaces.", "File Name"));
        refused = true;
    } else if (!LoadFile(doc.FilePath)) {
        refused = true;
    }
    if (refused) {
        // The current design stays as it was, under its own file name.
        doc.FileName = oldName;
        doc.FilePath = oldComplete;
        return false;
    }
    return true;
}

bool DocumentController::FileRevert() {
    if (!Loaded() || TrimSpaces(doc.FilePath).empty()) return false;
    if (Modified()) {
        MessageRequest ask{"Discard the changes and open \"" + doc.FileName +
                               "\" as it was last saved?\n\nThis cannot be undone.",
                           "Revert", MessageIcon::Warning, MessageButtons::YesNo, 2};
        if (links_.messages.Show(ask) != MessageResult::Yes) return false;
    }
    return LoadFile(doc.FilePath);
}

bool DocumentController::OpenPath(const std::string& path, bool listAsRecent) {
    std::string oldName = doc.FileName;
    std::string oldComplete = doc.FilePath;
    // A path as a dialog returns it: with its folder, so the name loses its extension.
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    doc.FilePath = ec ? path : full.string();
    SplitChosenPath();
    if (LoadFile(doc.FilePath, listAsRecent)) return true;
    doc.FileName = oldName;
    doc.FilePath = oldComplete;
    return false;
}

bool DocumentController::LoadFile(const std::string& path, bool listAsRecent) {
    std::string bytes, error;
    LoadedProject project;
    bool ok =
        files_->ReadWhole(path, bytes, error) &&
        ReadProject(ProfileReader::FromOwnedBytes(std::move(bytes)), doc.GridSize, project, error);
    if (!ok) {
        links_.messages.Show(
            Warning("The file \"" + path + "\" could not be opened: " + error + ".", "Korvane"));
        return false;
    }
    LoadProject(std::move(project));
    if (links_.main && listAsRecent) links_.main->FileUsed(path);
    return true;
}

void DocumentController::LoadProject(LoadedProject project) {
    ClearComponents();
    ResetDesign();
    doc.Caption = doc.FileName;
    if (project.hasMainSize || project.legacy) {
        doc.OuterWidth = project.outerWidth;
        doc.OuterHeight = project.outerHeight;
    }
    if (project.hasMainSize) {
        doc.FontName = project.fontName;
        doc.FontStyle = project.fontStyle;
        doc.FontSize = project.fontSize;
        doc.WindowUnits = project.units;
    }
    RefreshWindowSize();
    doc.ReserveSlots(static_cast<int>(project.components.size()));
    const int first = doc.SlotCount() + 1;
    for (LoadedComponent& c : project.components) doc.AppendSlot(RecordOf(std::move(c)));
    std::vector<int> backToFront;
    for (size_t k : project.stackOrder) backToFront.push_back(first + static_cast<int>(k));
    StackInFront(doc, backToFront);
    if (!project.menuElements.empty()) doc.MenuElements = std::move(project.menuElements);
    if (const std::string fault = MenuElementCountFault(NamedMenuElementCount(doc.MenuElements));
        !fault.empty())
        links_.messages.Show(
            Warning(fault + " All of them are kept, but a Frame or JFrame is generated "
                            "only once some are removed (Insert > Menu...).",
                    "Open File"));
    // An opened design has nothing selected, so that no key acts on a component unasked.
    if (links_.main) list.FillComponentList();
    selection.SelectNone();
    NotifyChanged();
}

void DocumentController::ClearComponents() {
    if (Visible()) doc.ClearSlots();
}

// ---------------------------------------------------------------- mouse and keys

void DocumentController::WindowMouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button == kRightButton) {
        if (links_.view) links_.view->ShowPopupMenu("menuForm");
        return;
    }
    if (button != kLeftButton) return;
    selection.SelectNone();
    NotifyChanged();
}

void DocumentController::WindowKeyDown(int keyCode, int /*shift*/) {
    if (keyCode != kKeyDelete) return;
    editor.DeleteSelection();
    if (!doc.IsLive(doc.ActiveSlot)) selection.ShowHandles(false);
    NotifyChanged();
}

}  // namespace korvane
