#include "document/Form1.h"

#include <algorithm>
#include <filesystem>

#include "document/ComponentKinds.h"
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

Form1::Form1(MessageBoxService& messages, FileDialogService& fileDialogs)
    : CommonDialogAPI(&fileDialogs), messages_(messages) {}

void Form1::NotifyChanged() {
    if (view_) view_->DesignChanged();
}

void Form1::NotifyComponentChanged(int slot) {
    if (view_) view_->ComponentChanged(slot);
}

// ---------------------------------------------------------------- lifecycle

void Form1::Form_Load() {
    doc.Save_Changes_Message = "Do you want to save the changes?";
    doc.GridSize = 120;
    doc.GridAlign = true;
    Grid_Data();
    doc.Insert_X = doc.Insert_Y = static_cast<float>(doc.GridSize);
    loaded_ = true;
    Inicializa_File_Name();
    Inicializa_Variables();
    Corners_Place();
    doc.Generate_Type = "Applet";
    NotifyChanged();
}

void Form1::Form_Activate() {
    if (main_) main_->PressTargetButton(doc.Generate_Type);
    Grid_Data();
    NotifyChanged();
}

void Form1::Grid_Data() {
    GridSettings g = main_ ? main_->Grid() : GridSettings{};
    doc.GridAlign = g.GridAlign;
    doc.GridShow = g.GridShow;
    doc.GridUnits = g.GridUnits;
    double size = g.GridUnits == "pixels" ? PixelsToTwips(g.GridSize) : g.GridSize;
    // A step below one twip is no grid (snapping divides by it): take the default 8 pixels.
    doc.GridSize = size < 1 ? PixelsToTwips(8) : size;
}

void Form1::RefreshWindowSize() {
    doc.Window_Width = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterWidth - kFrameWidth - kDesignMargin)));
    doc.Window_Height = static_cast<float>(
        RoundHalfEven(TwipsToPixels(doc.OuterHeight - kFrameHeight - kDesignMargin)));
}

void Form1::Form_Resize(double outerWidth, double outerHeight) {
    doc.OuterWidth = outerWidth;
    doc.OuterHeight = outerHeight;
    RefreshWindowSize();
    NotifyChanged();
}

void Form1::Inicializa_File_Name() {
    doc.File_Name.clear();
    doc.Caption.clear();
    doc.Java_File_Name.clear();
    doc.OuterWidth = kDefaultOuterWidth;
    doc.OuterHeight = kDefaultOuterHeight;
    doc.Font_Name = "Helvetica";
    doc.Font_Style = "PLAIN";
    doc.Font_Size = 12;
    doc.Window_Units = "pixels";
    RefreshWindowSize();
}

void Form1::Inicializa_Variables() {
    doc.ClearSlots();
    doc.Active_Object_Index = 0;
    Corners_Show(false);
    doc.isModified = false;
    doc.Dialog_parent.clear();
    doc.MenuElements.assign(1, MenuElement{});
    if (history_) history_->Clear();
    if (main_) {
        main_->Inicializa_VentanaPropiedades();
        main_->SetPaletteButtonsEnabled(true);
    }
}

void Form1::OptionFileNew_Click() {
    if (doc.isModified) {
        MessageRequest ask{"This action will discard your changes.\n\nDo you want to continue?",
                           "New File", MessageIcon::Warning, MessageButtons::YesNo, 2};
        if (messages_.Show(ask) != MessageResult::Yes) return;
    }
    Clear_Components();
    Inicializa_File_Name();
    Inicializa_Variables();
    if (main_) TreeView1_Load();
    NotifyChanged();
}

bool Form1::Form_QueryUnload() {
    if (doc.isModified) {
        MessageRequest ask{doc.Save_Changes_Message, "Close File", MessageIcon::Warning,
                           MessageButtons::YesNoCancel, 1};
        MessageResult answer = messages_.Show(ask);
        if (answer == MessageResult::Cancel) return false;
        // A save that did not happen (cancelled dialog, failed write) keeps the window open.
        if (answer == MessageResult::Yes && !OptionFileSave_Click()) return false;
        if (answer == MessageResult::No) doc.isModified = false;
    }
    if (main_) main_->List1().Clear();
    Inicializa_Variables();
    if (main_) main_->SetPaletteButtonsEnabled(false);
    loaded_ = false;
    NotifyChanged();
    return true;
}

// ---------------------------------------------------------------- file dialogs

void Form1::Open_File_Dialog() {
    CommonDialogAPI.Prepare("dat", "", Last_Directory);
    CommonDialogAPI.ShowOpen();
    doc.File_Name_Complete = TrimSpaces(CommonDialogAPI.FileName);
    SplitChosenPath();
}

void Form1::Save_File_Dialog() {
    CommonDialogAPI.Prepare("dat", doc.Java_File_Name, Last_Directory);
    CommonDialogAPI.ShowSave();
    doc.File_Name_Complete = TrimSpaces(CommonDialogAPI.FileName);
    SplitChosenPath();
}

// File_Name and Last_Directory from the chosen File_Name_Complete.
void Form1::SplitChosenPath() {
    const std::string& path = doc.File_Name_Complete;
    if (path.empty()) return;
    size_t b = path.rfind(kFolderSeparator);
    if (b == std::string::npos) {
        doc.File_Name = path;
        return;
    }
    Last_Directory = path.substr(0, b + 1);
    size_t d = path.rfind('.');
    if (d == std::string::npos || d < b) {
        doc.File_Name = path.substr(b + 1);  // no extension: the whole name after the folder
    } else {
        doc.File_Name = path.substr(b + 1, d - b - 1);
    }
}

// ---------------------------------------------------------------- project file

bool Form1::SavePath(const std::string& path) {
    std::string error;
    if (!WriteFileAtomically(*files_, path, ProjectFileText(doc), error)) {
        messages_.Show(Warning("The design could not be saved to \"" + path + "\": " + error +
                                   ".\nThe previous file is unchanged.",
                               "Korvane"));
        return false;
    }
    doc.Caption = doc.File_Name;
    doc.isModified = false;
    if (history_) history_->MarkSaved();
    NotifyChanged();
    return true;
}

bool Form1::OptionFileSave_Click() {
    if (doc.File_Name.empty()) return OptionFileSaveAs_Click();
    if (TrimSpaces(doc.File_Name_Complete).empty()) {
        if (main_) TreeView1_Load();
        // The path was lost to a cancelled dialog: ask for one rather than save nothing.
        return OptionFileSaveAs_Click();
    }
    return SavePath(doc.File_Name_Complete);
}

bool Form1::OptionFileSaveAs_Click() {
    std::string oldName = doc.File_Name;
    std::string oldComplete = doc.File_Name_Complete;
    Save_File_Dialog();
    if (TrimSpaces(doc.File_Name_Complete).empty()) return false;
    if (HasSpace(doc.File_Name)) {
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
        doc.File_Name_Complete.clear();
        doc.File_Name.clear();
        doc.Caption.clear();
        NotifyChanged();
        return false;
    }
    if (OptionFileSave_Click()) return true;
    // The write failed: the document keeps the file it had.
    doc.File_Name = oldName;
    doc.File_Name_Complete = oldComplete;
    return false;
}

bool Form1::ChangesMayGo() {
    if (!doc.isModified) return true;
    MessageRequest ask{doc.Save_Changes_Message, "Open File", MessageIcon::Warning,
                       MessageButtons::YesNoCancel, 1};
    MessageResult answer = messages_.Show(ask);
    if (answer == MessageResult::Cancel) return false;
    // Unsaved changes are never replaced: a save that did not happen stops the Open.
    return answer != MessageResult::Yes || OptionFileSave_Click();
}

bool Form1::OpenFromOutside(const std::string& path) {
    if (!ChangesMayGo()) return false;
    const std::string name = std::filesystem::path(path).stem().string();
    if (HasSpace(name)) {
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
        return false;
    }
    return OpenPath(path);
}

bool Form1::OptionFileOpen_Click() {
    if (!ChangesMayGo()) return false;
    std::string oldName = doc.File_Name;
    std::string oldComplete = doc.File_Name_Complete;
    Open_File_Dialog();
    if (TrimSpaces(doc.File_Name_Complete).empty()) {
        if (main_) {
            TreeView1_Load();
            if (main_->List1().ListCount() > 0) TreeView1_Select(EntryName(main_->List1().List(0)));
        }
        return false;
    }
    bool refused = false;
    if (HasSpace(doc.File_Name)) {
        messages_.Show(Warning("File Name cannot have spaces.", "File Name"));
        refused = true;
    } else if (!LoadFile(doc.File_Name_Complete)) {
        refused = true;
    }
    if (refused) {
        // The current design stays as it was, under its own file name.
        doc.File_Name = oldName;
        doc.File_Name_Complete = oldComplete;
        return false;
    }
    return true;
}

bool Form1::OpenPath(const std::string& path) {
    std::string oldName = doc.File_Name;
    std::string oldComplete = doc.File_Name_Complete;
    // A path as a dialog returns it: with its folder, so the name loses its extension.
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    doc.File_Name_Complete = ec ? path : full.string();
    SplitChosenPath();
    if (LoadFile(doc.File_Name_Complete)) return true;
    doc.File_Name = oldName;
    doc.File_Name_Complete = oldComplete;
    return false;
}

bool Form1::LoadFile(const std::string& path) {
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
    LoadProject(std::move(project));
    return true;
}

void Form1::LoadProject(LoadedProject project) {
    Clear_Components();
    Inicializa_Variables();
    doc.Caption = doc.File_Name;
    if (project.hasMainSize || project.legacy) {
        doc.OuterWidth = project.outerWidth;
        doc.OuterHeight = project.outerHeight;
    }
    if (project.hasMainSize) {
        doc.Font_Name = project.fontName;
        doc.Font_Style = project.fontStyle;
        doc.Font_Size = project.fontSize;
        doc.Window_Units = project.units;
    }
    RefreshWindowSize();
    doc.ReserveSlots(static_cast<int>(project.components.size()));
    for (LoadedComponent& c : project.components) {
        Inicializa_Control(c.type, std::move(c.name), std::move(c.value), std::move(c.events), c.x,
                           c.y, c.sizeX, c.sizeY, std::move(c.order), std::move(c.popup));
    }
    if (!project.menuElements.empty()) doc.MenuElements = std::move(project.menuElements);
    if (main_) {
        TreeView1_Load();
        if (main_->List1().ListCount() > 0) TreeView1_Select(EntryName(main_->List1().List(0)));
    }
    NotifyChanged();
}

// ---------------------------------------------------------------- insertion and deletion

bool Form1::Name_Find(std::string_view itemName) {
    if (!doc.NameUsed(itemName)) return false;
    messages_.Show(Warning("Name already has been used.", "Component Name"));
    return true;
}

void Form1::Insert_Control(std::string_view controlType) {
    double g = doc.GridSize;
    bool tall = IsVerticalScrollBar(controlType);
    double width = tall ? 3 * g : 9 * g;
    double height = tall ? 9 * g : 3 * g;
    std::string name = doc.Name_New(controlType);
    if (!name.empty() && !Name_Find(name)) {
        if (HasSpace(name)) {
            messages_.Show(Warning("Component Name cannot have spaces.", "Component Name"));
            return;
        }
        if (doc.Objects_Count() >= kMaxSlots) {
            messages_.Show(Warning(
                "A design holds at most 32767 components: no more can be inserted.", "Korvane"));
            return;
        }
        std::string value = IsListKind(controlType) ? "item1|item2" : name;
        int slot = Inicializa_Control(controlType, name, value, "", doc.Insert_X, doc.Insert_Y,
                                      width, height, doc.TabOrder_New(), "");
        doc.isModified = true;
        DesignChange change("Insert " + name);
        change.NoteAppended(doc, slot);
        Record(std::move(change));
    }
    if (main_) {
        TreeView1_Load();
        if (doc.Objects_Count() > 0) TreeView1_Select(doc.Slot(doc.Objects_Count()).ComponentName);
    }
    NotifyChanged();
}

void Form1::InsertFromMenuBar(std::string_view controlType) {
    doc.Insert_X = doc.Insert_Y = static_cast<float>(doc.GridSize);
    Insert_Control(controlType);
}

int Form1::Inicializa_Control(std::string_view controlType, std::string name, std::string value,
                              std::string events, float x, float y, double sizeX, double sizeY,
                              std::string tabOrder, std::string popupData) {
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
    r.Tag = r.ComponentName;
    int n = doc.AppendSlot(std::move(r));
    // Selected as a click with no palette tool armed selects: a load never inserts.
    if (n > 0) SelectSlot(n);
    return n;
}

void Form1::OptionControlDelete_Click() {
    int i = doc.Active_Object_Index;
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
        doc.isModified = true;
    }
    if (main_) {
        TreeView1_Load();
        main_->Inicializa_VentanaPropiedades();
    }
    NotifyChanged();
}

void Form1::Clear_Components() {
    if (Visible()) doc.ClearSlots();
}

// ---------------------------------------------------------------- mouse and keys

void Form1::Form_MouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button == kRightButton) {
        if (view_) view_->ShowPopupMenu("menuForm");
        return;
    }
    if (button != kLeftButton) return;
    doc.Active_Object_Index = 0;
    doc.Selected.Clear();
    Corners_Show(false);
    if (main_) {
        main_->List1().ListIndex = -1;
        main_->List1().SetSelectedSlots({});
        main_->Inicializa_VentanaPropiedades();
    }
    NotifyChanged();
}

void Form1::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode != kKeyDelete) return;
    OptionControlDelete_Click();
    if (!doc.IsLive(doc.Active_Object_Index)) Corners_Show(false);
    NotifyChanged();
}

// ---------------------------------------------------------------- selection

void Form1::SelectSlot(int index) {
    if (!doc.IsSlot(index)) return;
    if (!doc.Selected.Contains(index)) {
        doc.Selected.Clear();
        doc.Selected.Add(index);
        if (main_) main_->List1().SetSelectedSlots({index});
    }
    doc.Active_Object_Index = index;
    Corners_To_Front(0);
    doc.BringToFront(index);
    Corners_Place();
    Corners_Show(true);
    const ComponentRecord& r = doc.Slot(index);
    doc.Picture_Control_Width = RoundToInt16Clamped(r.Width);
    doc.Picture_Control_Height = RoundToInt16Clamped(r.Height);
}

std::vector<int> Form1::SelectedSlots() const {
    const int active = doc.Active_Object_Index;
    if (!doc.IsLive(active)) return {};
    // A primary one chosen without the set (set directly) is the whole selection.
    if (!doc.Selected.Contains(active) || doc.Selected.Count() == 1) return {active};
    std::vector<int> slots;
    for (int i = 1; i <= doc.Objects_Count(); ++i)
        if (doc.Selected.Contains(i) && doc.IsLive(i)) slots.push_back(i);
    return slots;
}

void Form1::SelectSlots(const std::vector<int>& slots, int primary) {
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
        if (main_) Show_Data(primary);
    } else {
        doc.Active_Object_Index = 0;
        Corners_Show(false);
        if (main_) {
            main_->List1().ListIndex = -1;
            main_->Inicializa_VentanaPropiedades();
        }
    }
    if (main_) main_->List1().SetSelectedSlots(live);
    NotifyChanged();
}

void Form1::ToggleSelection(int index) {
    if (!doc.IsLive(index)) return;
    std::vector<int> slots = SelectedSlots();
    auto at = std::lower_bound(slots.begin(), slots.end(), index);
    if (at != slots.end() && *at == index) {
        slots.erase(at);
        // The primary one goes to the most recent of the others.
        int primary = index == doc.Active_Object_Index ? (slots.empty() ? 0 : slots.back())
                                                       : doc.Active_Object_Index;
        SelectSlots(slots, primary);
    } else {
        slots.insert(at, index);
        SelectSlots(slots, index);
    }
}

void Form1::SelectAll() {
    std::vector<int> slots;
    for (int i = 1; i <= doc.Objects_Count(); ++i)
        if (doc.IsLive(i)) slots.push_back(i);
    int primary = doc.IsLive(doc.Active_Object_Index) ? doc.Active_Object_Index : 0;
    SelectSlots(slots, primary);
}

void Form1::SelectNone() {
    SelectSlots({}, 0);
}

// ---------------------------------------------------------------- undo history

void Form1::Record(DesignChange change) {
    if (change.Empty()) return;
    doc.isModified = true;
    if (history_) history_->Record(std::move(change));
}

void Form1::ApplyChange(DesignChange& change, bool forward) {
    doc.isMouseDown = false;
    change.Apply(doc, forward);
    if (main_ && change.ChangesList()) TreeView1_Load();
    std::vector<int> touched = change.TouchedLive(doc);
    int primary = 0;
    if (!touched.empty()) {
        const bool keep = std::binary_search(touched.begin(), touched.end(),
                                             static_cast<int>(doc.Active_Object_Index));
        primary = keep ? doc.Active_Object_Index : touched.back();
    }
    SelectSlots(touched, primary);
}

void Form1::Corners_Place() {
    ComponentRecord none;
    const ComponentRecord& c =
        doc.IsSlot(doc.Active_Object_Index) ? doc.Slot(doc.Active_Object_Index) : none;
    auto& h = doc.Picture_Corner;
    h[1].Left = c.Left - h[1].Width;
    h[1].Top = c.Top - h[1].Height;
    h[2].Left = c.Left + c.Width;
    h[2].Top = c.Top - h[2].Height;
    h[3].Left = c.Left - h[3].Width;
    h[3].Top = c.Top + c.Height;
    h[4].Left = c.Left + c.Width;
    h[4].Top = c.Top + c.Height;
}

void Form1::Corners_Show(bool visible) {
    for (int k = 1; k <= 4; ++k) doc.Picture_Corner[k].Visible = visible;
}

void Form1::Corners_To_Front(int position) {
    handlesInFront_ = position == 0;
}

// ---------------------------------------------------------------- component list

std::string Form1::ListEntry(const ComponentRecord& r) {
    return r.ComponentName + " (" + Type_To_Display_Name(r.ComponentType) + ")";
}

void Form1::TreeView1_Load() {
    if (!main_) return;
    ComponentListBox& list = main_->List1();
    list.Clear();
    if (!Visible()) return;
    for (int i = 1; i <= doc.Objects_Count(); ++i)
        if (doc.IsLive(i)) list.AddItem(ListEntry(doc.Slot(i)), i);
}

void Form1::TreeView1_Refresh(int index) {
    if (!main_) return;
    if (!doc.IsLive(index) || !Visible() ||
        !main_->List1().SetItemOfSlot(index, ListEntry(doc.Slot(index))))
        TreeView1_Load();
}

void Form1::TreeView1_Select(std::string_view itemText) {
    if (!main_) return;
    ComponentListBox& list = main_->List1();
    int row = list.FindName(itemText);
    if (row < 0) return;
    list.ListIndex = row;
    main_->List1_Click();
}

void Form1::Show_Data(int index) {
    if (doc.IsSlot(index)) TreeView1_Select(doc.Slot(index).ComponentName);
}

}  // namespace korvane
