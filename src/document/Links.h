// What the document window needs from the windows around it. The main window and the design
// surface implement these; a document without a main window has none.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "document/ComponentListBox.h"
#include "document/DesignChange.h"
#include "platform/MessageBox.h"

namespace korvane {

// Where the document's changes go to be undone and redone, and so whether the design is as it
// was saved: the design is modified exactly when its history is not Clean. Record receives a
// change already applied; Clear starts a fresh history at the saved state (New, Open, close);
// MarkSaved makes the present state the saved one; ForgetSaved puts the saved state out of
// reach (a design restored from a recovery copy differs from its file, whatever is undone).
class ChangeHistory {
  public:
    virtual ~ChangeHistory() = default;
    virtual void Record(DesignChange change) = 0;
    virtual void Clear() = 0;
    virtual void MarkSaved() = 0;
    // The last step takes no later change into it (typing in one box, resizing the window).
    virtual void EndMerging() {}
    virtual void ForgetSaved() = 0;
    virtual bool Clean() const = 0;
};

// The history of a design that no undo stack keeps (korvane-gen, the core's tests): nothing can
// be undone, and the design is modified from its first change until it is saved or emptied.
class UnrecordedHistory : public ChangeHistory {
  public:
    void Record(DesignChange /*change*/) override { clean_ = false; }
    void Clear() override { clean_ = true; }
    void MarkSaved() override { clean_ = true; }
    void ForgetSaved() override { clean_ = false; }
    bool Clean() const override { return clean_; }

  private:
    bool clean_ = true;
};

// The grid as the user gives it: the step in GridUnits.
struct GridSettings {
    int GridSize = 8;
    bool GridAlign = true;
    bool GridShow = true;
    std::string GridUnits = "pixels";
};

class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;
    virtual ComponentListBox& ComponentList() = 0;
    // The list's click handler: loads the selected entry into the inspector.
    virtual void ComponentListClicked() = 0;
    virtual void ClearInspector() = 0;
    // Enables or disables every button of the three palettes.
    virtual void SetPaletteButtonsEnabled(bool enabled) = 0;
    // Presses the command bar's target button for a generation kind.
    virtual void PressTargetButton(std::string_view generateType) = 0;
    // A project file was opened or saved at this path (for File > Open Recent).
    virtual void FileUsed(const std::string& /*path*/) {}
};

// The document window's own view: its pop-up menus and its repainting.
class DocumentView {
  public:
    virtual ~DocumentView() = default;
    // Opens "menuForm", "menuControl" or "menuToolbar" at the mouse; returns when it closed.
    virtual void ShowPopupMenu(std::string_view menuName) = 0;
    // The design changed (components, selection, caption or size): show it again.
    virtual void DesignChanged() {}
    // Only what one component shows changed (its value): show that box again.
    virtual void ComponentChanged(int /*slot*/) {}
};

// The windows and services the parts of the document window share: DocumentController sets
// them, its selection, list and editing parts read them.
struct DocumentLinks {
    explicit DocumentLinks(MessageBoxService& messageBoxes) : messages(messageBoxes) {}
    DocumentLinks(const DocumentLinks&) = delete;
    DocumentLinks& operator=(const DocumentLinks&) = delete;

    MessageBoxService& messages;
    MainWindowLink* main = nullptr;
    DocumentView* view = nullptr;
    // The history the design's edits go to: the desktop program's undo stack, or `unrecorded`.
    UnrecordedHistory unrecorded;
    ChangeHistory* history = &unrecorded;
    // Whether the window is open (from Load until it closes); a closed window lists nothing.
    bool open = false;

    void NotifyChanged() const {
        if (view) view->DesignChanged();
    }
};

}  // namespace korvane
