// What the document window needs from the windows around it. The main window and the design
// surface implement these; a document without a main window has none.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "document/ComponentListBox.h"
#include "platform/MessageBox.h"

namespace korvane {

class DesignChange;

// Where the document's changes go to be undone and redone: the desktop program's undo stack.
// Record receives a change already applied; Clear starts a fresh history (New, Open, close);
// MarkSaved makes the present state the saved one.
class ChangeHistory {
  public:
    virtual ~ChangeHistory() = default;
    virtual void Record(DesignChange change) = 0;
    virtual void Clear() = 0;
    virtual void MarkSaved() = 0;
    // The last step takes no later change into it (typing in one box, resizing the window).
    virtual void EndMerging() {}
};

struct GridSettings {
    int GridSize = 8;
    bool GridAlign = true;
    bool GridShow = true;
    std::string GridUnits = "pixels";
};

class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;
    virtual GridSettings Grid() const = 0;
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
    MessageBoxService& messages;
    MainWindowLink* main = nullptr;
    DocumentView* view = nullptr;
    // The history the design's edits go to; null records nothing.
    ChangeHistory* history = nullptr;
    // Whether the window is open (from Load until it closes); a closed window lists nothing.
    bool open = false;

    void NotifyChanged() const {
        if (view) view->DesignChanged();
    }
};

}  // namespace korvane
