#include "document/DocumentController.h"

#include <algorithm>
#include <filesystem>

#include "document/ComponentKinds.h"
#include "document/MenuBar.h"
#include "document/ProjectFile.h"
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
    : OpenSaveDialog(&fileDialogs), messages_(messages) {}

void DocumentController::NotifyChanged() {
    if (view_) view_->DesignChanged();
}

void DocumentController::NotifyComponentChanged(int slot) {
    if (view_) view_->ComponentChanged(slot);
}

// ---------------------------------------------------------------- lifecycle

void DocumentController::Load() {
    doc.SaveChangesMessage = "Do you want to save the changes?";
    doc.GridSize = 120;
    doc.GridAlign = true;
    TakeGridSettings();
    doc.InsertX = doc.InsertY = static_cast<float>(doc.GridSize);
    loaded_ = true;
    ResetFileFields();
    ResetDesign();
    PlaceHandles();
    doc.Target = "Applet";
    NotifyChanged();
}

void DocumentController::Activate() {
    if (main_) main_->PressTargetButton(doc.Target);
    TakeGridSettings();
    NotifyChanged();
}

void DocumentController::TakeGridSettings() {
    GridSettings g = main_ ? main_->Grid() : GridSettings{};
    doc.GridAlign = g.GridAlign;
    doc.GridShow = g.GridShow;
    doc.GridUnits = g.GridUnits;
    double size = g.GridUnits == "pixels" ? PixelsToTwips(g.GridSize) : g.GridSize;
    // A step below one twip is no grid (snapping divides by it): take the default 8 pixels.
    doc.GridSize = size < 1 ? PixelsToTwips(8) : size;
}

void DocumentController::RefreshWindowSize() {
    doc.WindowWidth = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterWidth - kFrameWidth - kDesignMargin)));
    doc.WindowHeight = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterHeight - kFrameHeight - kDesignMargin)));
}

void DocumentController::ResizeWindow(double outerWidth, double outerHeight) {
    doc.OuterWidth = outerWidth;
    doc.OuterHeight = outerHeight;
    RefreshWindowSize();
    NotifyChanged();
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
    doc.ActiveSlot = 0;
    ShowHandles(false);
    doc.Modified = false;
    doc.DialogParent.clear();
    doc.MenuElements.assign(1, MenuElement{});
    if (history_) history_->Clear();
    if (main_) {
        main_->ClearInspector();
        main_->SetPaletteButtonsEnabled(true);
    }
}

void DocumentController::FileNew() {
    if (doc.Modified) {
        MessageRequest ask{"This action will discard your changes.\n\nDo you want to continue?",
                           "New File", MessageIcon::Warning, MessageButtons::YesNo, 2};
        if (messages_.Show(ask) != MessageResult::Yes) return;
    }
    ClearComponents();
    ResetFileFields();
    ResetDesign();
    if (main_) FillComponentList();
    NotifyChanged();
}

bool DocumentController::QueryClose() {
    if (doc.Modified) {
        MessageRequest ask{doc.SaveChangesMessage, "Close File", MessageIcon::Warning,
                           MessageButtons::YesNoCancel, 1};
        MessageResult answer = messages_.Show(ask);
        if (answer == MessageResult::Cancel) return false;
        // A save that did not happen (cancelled dialog, failed write) keeps the window open.
        if (answer == MessageResult::Yes && !FileSave()) return false;
        if (answer == MessageResult::No) doc.Modified = false;
    }
    if (main_) main_->ComponentList().Clear();
    ResetDesign();
    if (main_) main_->SetPaletteButtonsEnabled(false);
    loaded_ = false;
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
        messages_.Show(Warning("The design could not be saved to \"" + path + "\": " + error +
                                   ".\nThe previous file is unchanged.",
                               "Korvane"));
        return false;
    }
    doc.Caption = doc.FileName;
    doc.Modified = false;
    if (history_) history_->MarkSaved();
    NotifyChanged();
    return true;
}

bool DocumentController::FileSave() {
    if (doc.FileName.empty()) return FileSaveAs();
    if (TrimSpaces(doc.FilePath).empty()) {
        if (main_) FillComponentList();
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
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
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
    if (!doc.Modified) return true;
    MessageRequest ask{doc.SaveChangesMessage, "Open File", MessageIcon::Warning,
                       MessageButtons::YesNoCancel, 1};
    MessageResult answer = messages_.Show(ask);
    if (answer == MessageResult::Cancel) return false;
    // Unsaved changes are never replaced: a save that did not happen stops the Open.
    return answer != MessageResult::Yes || FileSave();
}

bool DocumentController::OpenFromOutside(const std::string& path) {
    if (!ChangesMayGo()) return false;
    const std::string name = std::filesystem::path(path).stem().string();
    if (HasSpace(name)) {
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
        return false;
    }
    return OpenPath(path);
}

bool DocumentController::FileOpen() {
    if (!ChangesMayGo()) return false;
    std::string oldName = doc.FileName;
    std::string oldComplete = doc.FilePath;
    AskOpenPath();
    if (TrimSpaces(doc.FilePath).empty()) {
        if (main_) {
            FillComponentList();
            if (main_->ComponentList().ListCount() > 0)
                SelectListEntry(EntryName(main_->ComponentList().List(0)));
        }
        return false;
    }
    bool refused = false;
    if (HasSpace(doc.FileName)) {
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
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

bool DocumentController::OpenPath(const std::string& path) {
    std::string oldName = doc.FileName;
    std::string oldComplete = doc.FilePath;
    // A path as a dialog returns it: with its folder, so the name loses its extension.
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    doc.FilePath = ec ? path : full.string();
    SplitChosenPath();
    if (LoadFile(doc.FilePath)) return true;
    doc.FileName = oldName;
    doc.FilePath = oldComplete;
    return false;
}

bool DocumentController::LoadFile(const std::string& path) {
    std::string bytes, error;
    LoadedProject project;
    bool ok =
        files_->ReadWhole(path, bytes, error) &&
        ReadProject(ProfileReader::FromOwnedBytes(std::move(bytes)), doc.GridSize, project, error);
    if (!ok) {
        messages_.Show(
            Warning("The file \"" + path + "\" could not be opened: " + error + ".", "Korvane"));
        return false;
    }
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
    for (LoadedComponent& c : project.components) {
        AppendComponent(c.type, std::move(c.name), std::move(c.value), std::move(c.events), c.x,
                        c.y, c.sizeX, c.sizeY, std::move(c.order), std::move(c.popup));
    }
    if (!project.menuElements.empty()) doc.MenuElements = std::move(project.menuElements);
    if (const std::string fault = MenuElementCountFault(NamedMenuElementCount(doc.MenuElements));
        !fault.empty())
        messages_.Show(Warning(fault + " All of them are kept, but a Frame or JFrame is generated "
                                       "only once some are removed (Insert > Menu...).",
                               "Open File"));
    if (main_) {
        FillComponentList();
        if (main_->ComponentList().ListCount() > 0)
            SelectListEntry(EntryName(main_->ComponentList().List(0)));
    }
    NotifyChanged();
    return true;
}

// ---------------------------------------------------------------- insertion and deletion

bool DocumentController::RefuseUsedName(std::string_view itemName) {
    if (!doc.NameUsed(itemName)) return false;
    messages_.Show(Warning("Name already has been used.", "Component Name"));
    return true;
}

void DocumentController::InsertComponent(std::string_view controlType) {
    double g = doc.GridSize;
    bool tall = IsVerticalScrollBar(controlType);
    double width = tall ? 3 * g : 9 * g;
    double height = tall ? 9 * g : 3 * g;
    std::string name = doc.NewName(controlType);
    if (!name.empty() && !RefuseUsedName(name)) {
        if (HasSpace(name)) {
            messages_.Show(Warning("Component Name cannot have spaces.", "Component Name"));
            return;
        }
        if (doc.SlotCount() >= kMaxSlots) {
            messages_.Show(Warning(
                "A design holds at most 32767 components: no more can be inserted.", "Korvane"));
            return;
        }
        std::string value = IsListKind(controlType) ? "item1|item2" : name;
        int slot = AppendComponent(controlType, name, value, "", doc.InsertX, doc.InsertY, width,
                                   height, doc.NewTabOrder(), "");
        doc.Modified = true;
        DesignChange change("Insert " + name);
        change.NoteAppended(doc, slot);
        Record(std::move(change));
    }
    if (main_) {
        FillComponentList();
        if (doc.SlotCount() > 0) SelectListEntry(doc.Slot(doc.SlotCount()).ComponentName);
    }
    NotifyChanged();
}

void DocumentController::InsertFromMenuBar(std::string_view controlType) {
    doc.InsertX = doc.InsertY = static_cast<float>(doc.GridSize);
    InsertComponent(controlType);
}

int DocumentController::AppendComponent(std::string_view controlType, std::string name,
                                        std::string value, std::string events, float x, float y,
                                        double sizeX, double sizeY, std::string tabOrder,
                                        std::string popupData) {
    ComponentRecord r;
    r.ComponentType = std::string(controlType);
    r.ComponentName = std::move(name);
    r.ComponentValue = std::move(value);
    r.ComponentEvents = std::move(events);
    r.ComponentTabOrder = std::move(tabOrder);
    r.ComponentPopup = std::move(popupData);
    r.Width = static_cast<float>(sizeX);
    r.Height = static_cast<float>(sizeY);
    r.Left = x;
    r.Top = y;
    int n = doc.AppendSlot(std::move(r));
    // Selected as a click with no palette tool armed selects: a load never inserts.
    if (n > 0) SelectSlot(n);
    return n;
}

void DocumentController::DeleteSelection() {
    int i = doc.ActiveSlot;
    if (i <= 0 || !doc.IsSlot(i)) return;
    if (doc.IsLive(i)) {
        // Every selected component goes, as one step.
        std::vector<int> slots = SelectedSlots();
        DesignChange change(slots.size() == 1
                                ? "Delete " + doc.Slot(i).ComponentName
                                : "Delete " + std::to_string(slots.size()) + " components");
        change.SetVisible(doc, slots, false);
        Record(std::move(change));
        doc.Selected.Clear();
        doc.Modified = true;
    }
    if (main_) {
        FillComponentList();
        main_->ClearInspector();
    }
    NotifyChanged();
}

void DocumentController::ClearComponents() {
    if (Visible()) doc.ClearSlots();
}

// ---------------------------------------------------------------- mouse and keys

void DocumentController::WindowMouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button == kRightButton) {
        if (view_) view_->ShowPopupMenu("menuForm");
        return;
    }
    if (button != kLeftButton) return;
    doc.ActiveSlot = 0;
    doc.Selected.Clear();
    ShowHandles(false);
    if (main_) {
        main_->ComponentList().ListIndex = -1;
        main_->ComponentList().SetSelectedSlots({});
        main_->ClearInspector();
    }
    NotifyChanged();
}

void DocumentController::WindowKeyDown(int keyCode, int /*shift*/) {
    if (keyCode != kKeyDelete) return;
    DeleteSelection();
    if (!doc.IsLive(doc.ActiveSlot)) ShowHandles(false);
    NotifyChanged();
}

// ---------------------------------------------------------------- selection

void DocumentController::SelectSlot(int index) {
    if (!doc.IsSlot(index)) return;
    if (!doc.Selected.Contains(index)) {
        doc.Selected.Clear();
        doc.Selected.Add(index);
        if (main_) main_->ComponentList().SetSelectedSlots({index});
    }
    doc.ActiveSlot = index;
    doc.BringToFront(index);
    PlaceHandles();
    ShowHandles(true);
    const ComponentRecord& r = doc.Slot(index);
    doc.SelectedWidth = RoundToInt16Clamped(r.Width);
    doc.SelectedHeight = RoundToInt16Clamped(r.Height);
}

std::vector<int> DocumentController::SelectedSlots() const {
    const int active = doc.ActiveSlot;
    if (!doc.IsLive(active)) return {};
    // A primary one chosen without the set (set directly) is the whole selection.
    if (!doc.Selected.Contains(active) || doc.Selected.Count() == 1) return {active};
    std::vector<int> slots;
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.Selected.Contains(i) && doc.IsLive(i)) slots.push_back(i);
    return slots;
}

void DocumentController::SelectSlots(const std::vector<int>& slots, int primary) {
    doc.Selected.Clear();
    std::vector<int> live;
    live.reserve(slots.size());
    for (int s : slots)
        if (doc.IsLive(s)) live.push_back(s);
    for (int s : live) doc.Selected.Add(s);
    if (primary == 0) {
        for (auto it = slots.rbegin(); it != slots.rend() && primary == 0; ++it)
            if (doc.IsLive(*it)) primary = *it;
    }
    if (doc.IsLive(primary)) {
        doc.Selected.Add(primary);
        SelectSlot(primary);
        if (main_) ShowInList(primary);
    } else {
        doc.ActiveSlot = 0;
        ShowHandles(false);
        if (main_) {
            main_->ComponentList().ListIndex = -1;
            main_->ClearInspector();
        }
    }
    if (main_) main_->ComponentList().SetSelectedSlots(live);
    NotifyChanged();
}

void DocumentController::ToggleSelection(int index) {
    if (!doc.IsLive(index)) return;
    std::vector<int> slots = SelectedSlots();
    auto at = std::lower_bound(slots.begin(), slots.end(), index);
    if (at != slots.end() && *at == index) {
        slots.erase(at);
        // The primary one goes to the most recent of the others.
        int primary = index == doc.ActiveSlot ? (slots.empty() ? 0 : slots.back()) : doc.ActiveSlot;
        SelectSlots(slots, primary);
    } else {
        slots.insert(at, index);
        SelectSlots(slots, index);
    }
}

void DocumentController::SelectAll() {
    std::vector<int> slots;
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.IsLive(i)) slots.push_back(i);
    int primary = doc.IsLive(doc.ActiveSlot) ? doc.ActiveSlot : 0;
    SelectSlots(slots, primary);
}

void DocumentController::SelectNone() {
    SelectSlots({}, 0);
}

// ---------------------------------------------------------------- undo history

void DocumentController::Record(DesignChange change) {
    if (change.Empty()) return;
    doc.Modified = true;
    if (history_) history_->Record(std::move(change));
}

void DocumentController::ApplyChange(DesignChange& change, bool forward) {
    doc.MouseIsDown = false;
    change.Apply(doc, forward);
    if (main_ && change.ChangesList()) FillComponentList();
    std::vector<int> touched = change.TouchedLive(doc);
    int primary = 0;
    if (!touched.empty()) {
        const bool keep =
            std::binary_search(touched.begin(), touched.end(), static_cast<int>(doc.ActiveSlot));
        primary = keep ? doc.ActiveSlot : touched.back();
    }
    SelectSlots(touched, primary);
}

void DocumentController::PlaceHandles() {
    ComponentRecord none;
    const ComponentRecord& c = doc.IsSlot(doc.ActiveSlot) ? doc.Slot(doc.ActiveSlot) : none;
    auto& h = doc.Handles;
    h[1].Left = c.Left - h[1].Width;
    h[1].Top = c.Top - h[1].Height;
    h[2].Left = c.Left + c.Width;
    h[2].Top = c.Top - h[2].Height;
    h[3].Left = c.Left - h[3].Width;
    h[3].Top = c.Top + c.Height;
    h[4].Left = c.Left + c.Width;
    h[4].Top = c.Top + c.Height;
}

void DocumentController::ShowHandles(bool visible) {
    for (int k = 1; k <= 4; ++k) doc.Handles[k].Visible = visible;
}

// ---------------------------------------------------------------- component list

std::string DocumentController::ListEntry(const ComponentRecord& r) {
    return r.ComponentName + " (" + DisplayNameOfType(r.ComponentType) + ")";
}

void DocumentController::FillComponentList() {
    if (!main_) return;
    ComponentListBox& list = main_->ComponentList();
    list.Clear();
    if (!Visible()) return;
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.IsLive(i)) list.AddItem(ListEntry(doc.Slot(i)), i);
}

void DocumentController::RefreshListEntry(int index) {
    if (!main_) return;
    if (!doc.IsLive(index) || !Visible() ||
        !main_->ComponentList().SetItemOfSlot(index, ListEntry(doc.Slot(index))))
        FillComponentList();
}

void DocumentController::SelectListEntry(std::string_view itemText) {
    if (!main_) return;
    ComponentListBox& list = main_->ComponentList();
    int row = list.FindName(itemText);
    if (row < 0) return;
    list.ListIndex = row;
    main_->ComponentListClicked();
}

void DocumentController::ShowInList(int index) {
    if (doc.IsSlot(index)) SelectListEntry(doc.Slot(index).ComponentName);
}

}  // namespace korvane
