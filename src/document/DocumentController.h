// The document window: the one open design, its lifecycle (load, new, close) and its file
// commands (open, save). Its parts keep the rest: what is selected (Selection), the main
// window's component list (ComponentListSync), and inserting, deleting and the undo history
// (DesignEditor).
#pragma once

#include <string>
#include <string_view>

#include "document/ComponentListSync.h"
#include "document/DesignDocument.h"
#include "document/DesignEditor.h"
#include "document/Links.h"
#include "document/ProjectFile.h"
#include "document/Selection.h"
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
    DocumentController(const DocumentController&) = delete;
    DocumentController& operator=(const DocumentController&) = delete;

    DesignDocument doc;
    CommonFileDialog OpenSaveDialog;
    // The folder of the last file chosen in either dialog, with its final separator.
    std::string LastFolder;

  private:
    DocumentLinks links_;  // before the parts, which hold on to it

  public:
    ComponentListSync list{doc, links_};
    Selection selection{doc, links_, list};
    DesignEditor editor{doc, links_, selection, list};

    // Links to the windows around; null when that window is not there.
    void SetMainWindow(MainWindowLink* main) { links_.main = main; }
    void SetView(DocumentView* view) { links_.view = view; }
    DocumentView* View() const { return links_.view; }
    // The history the design's edits go to (null: one that records nothing). It takes over
    // whether the design is modified.
    void SetHistory(ChangeHistory* history);
    ChangeHistory& History() { return *links_.history; }
    // Whether the design differs from its file: its history is away from the saved state.
    bool Modified() const { return !links_.history->Clean(); }
    MainWindowLink* MainWindow() const { return links_.main; }
    MessageBoxService& Messages() { return links_.messages; }
    // The files that Open reads and Save writes; the machine's own unless a test sets others.
    void SetFileSystem(FileSystem& files) { files_ = &files; }
    FileSystem& Files() const { return *files_; }

    bool Loaded() const { return links_.open; }
    bool Visible() const { return links_.open; }

    // --- lifecycle ---
    void Load();
    void Activate();
    // The window got a new outer size (twips): an undoable step, merged with the next ones
    // until EndMerging.
    void ResizeWindow(double outerWidth, double outerHeight);
    // The last recorded step takes no later change into it.
    void EndMerging();
    // The window is asked to close; false when the user keeps it open.
    bool QueryClose();
    void ResetFileFields();
    void ResetDesign();
    // The grid the design is shown and edited with (kept in doc), as the user gives it.
    GridSettings Grid() const;
    void SetGrid(const GridSettings& grid);
    void FileNew();

    // --- project file; each returns whether the command completed ---
    bool FileSave();
    bool FileSaveAs();
    bool FileOpen();
    // File > Revert: the design as its file holds it, after asking when it has changes; false
    // when it did not happen (asked No, no file, the file could not be read).
    bool FileRevert();
    // Opens a file by path, as Open does after its dialog; false with a message on failure.
    // A file the user did not choose (a recovery copy) is not listed under Open Recent.
    bool OpenPath(const std::string& path, bool listAsRecent = true);
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

    // --- mouse and keys on the window ---
    void WindowMouseDown(int button, int shift, float x, float y);
    void WindowKeyDown(int keyCode, int shift);

    void NotifyChanged();
    void NotifyComponentChanged(int slot);

  private:
    void ClearComponents();
    bool LoadFile(const std::string& path, bool listAsRecent = true);
    // Open's question about unsaved changes: false when the Open must stop.
    bool ChangesMayGo();
    void SplitChosenPath();
    void RefreshWindowSize();

    FileSystem* files_ = &RealFileSystem();
};

}  // namespace korvane
