// The document window: the one open design, its lifecycle, its file commands, insertion and
// deletion, the selection handles and the component list it fills in the main window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/DesignChange.h"
#include "document/DesignDocument.h"
#include "document/Links.h"
#include "document/ProjectFile.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace korvane {

inline constexpr int kKeyDelete = 46;
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

class DocumentController {
  public:
    DocumentController(MessageBoxService& messages, FileDialogService& fileDialogs);

    DesignDocument doc;
    CommonFileDialog OpenSaveDialog;
    // The folder of the last file chosen in either dialog, with its final separator.
    std::string LastFolder;

    // Links to the windows around; null when that window is not there.
    void SetMainWindow(MainWindowLink* main) { main_ = main; }
    void SetView(DocumentView* view) { view_ = view; }
    DocumentView* View() const { return view_; }
    void SetHistory(ChangeHistory* history) { history_ = history; }
    MainWindowLink* MainWindow() const { return main_; }
    MessageBoxService& Messages() { return messages_; }
    // The files that Open reads and Save writes; the machine's own unless a test sets others.
    void SetFileSystem(FileSystem& files) { files_ = &files; }
    FileSystem& Files() const { return *files_; }
    // The history the design's edits go to; null records nothing.

    bool Loaded() const { return loaded_; }
    bool Visible() const { return loaded_; }

    // --- lifecycle ---
    void Load();
    void Activate();
    // The window got a new outer size (twips).
    void ResizeWindow(double outerWidth, double outerHeight);
    // The window is asked to close; false when the user keeps it open.
    bool QueryClose();
    void ResetFileFields();
    void ResetDesign();
    void TakeGridSettings();
    void FileNew();

    // --- project file; each returns whether the command completed ---
    bool FileSave();
    bool FileSaveAs();
    bool FileOpen();
    // Opens a file by path, as Open does after its dialog; false with a message on failure.
    bool OpenPath(const std::string& path);
    // Opens a file named from outside the program: Open's question about unsaved changes,
    // then its refusals (a file name with blanks) and OpenPath.
    bool OpenFromOutside(const std::string& path);
    // Replaces the design with one read from a file or an imported class, as Open does once it
    // has read the file; the file names stay as they are.
    void LoadProject(LoadedProject project);
    // Saves to a path, as Save does once a name is chosen; false with a message on failure.
    bool SavePath(const std::string& path);
    void AskOpenPath();
    void AskSavePath();

    // --- insertion and deletion ---
    void InsertComponent(std::string_view controlType);
    // The menu bar's insert items: one grid step from the top-left corner.
    void InsertFromMenuBar(std::string_view controlType);
    // Appends a slot with exactly these values and selects it; returns it, 0 when full.
    int AppendComponent(std::string_view controlType, std::string name, std::string value,
                        std::string events, float x, float y, double sizeX, double sizeY,
                        std::string tabOrder, std::string popupData);
    void DeleteSelection();
    void ClearComponents();
    // Whether RefuseUsedName of this name is True; shows "Name already has been used." if so.
    bool RefuseUsedName(std::string_view itemName);

    // --- mouse and keys on the window ---
    void WindowMouseDown(int button, int shift, float x, float y);
    void WindowKeyDown(int keyCode, int shift);

    // --- undo history ---
    // Hands a change already made to the history and marks the design modified (nothing
    // happens for an empty change).
    void Record(DesignChange change);
    // Undoes (forward = false) or redoes a recorded change and shows the result: the
    // components it touched are selected, the list and the inspector follow.
    void ApplyChange(DesignChange& change, bool forward);

    // --- selection ---
    // Steps of selecting a box once no palette tool intercepts: active, in front, handles.
    // A box that is already one of several selected becomes the primary one; any other box
    // becomes the only one selected.
    void SelectSlot(int index);
    // The live selected components in slot order (the primary one included).
    std::vector<int> SelectedSlots() const;
    // Selects exactly these (the live ones among them) with `primary` as the primary one (0:
    // the last of them), and shows the primary one in the list and the inspector.
    void SelectSlots(const std::vector<int>& slots, int primary = 0);
    // Ctrl+click: adds a box to the selection or takes it out.
    void ToggleSelection(int index);
    void SelectAll();
    void SelectNone();
    void PlaceHandles();
    void ShowHandles(bool visible);

    // --- component list of the main window ---
    void FillComponentList();
    // The entry of one slot shown again after its name or kind changed: the list as
    // FillComponentList would build it, changing one row instead of all.
    void RefreshListEntry(int index);
    void SelectListEntry(std::string_view itemText);
    void ShowInList(int index);
    static std::string ListEntry(const ComponentRecord& r);

    void NotifyChanged();
    void NotifyComponentChanged(int slot);

  private:
    bool LoadFile(const std::string& path);
    // Open's question about unsaved changes: false when the Open must stop.
    bool ChangesMayGo();
    void SplitChosenPath();
    void RefreshWindowSize();

    MessageBoxService& messages_;
    FileSystem* files_ = &RealFileSystem();
    MainWindowLink* main_ = nullptr;
    DocumentView* view_ = nullptr;
    ChangeHistory* history_ = nullptr;
    bool loaded_ = false;
};

}  // namespace korvane
