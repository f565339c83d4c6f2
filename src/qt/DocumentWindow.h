// The document window: the one child window of the frame, showing the design surface, with
// the document's menu bar (taken over by the frame while the window is active) and its
// pop-up menus.
#pragma once

#include <QList>
#include <QMdiSubWindow>
#include <optional>
#include <string_view>

#include "document/DocumentController.h"

class QAction;
class QMenu;

namespace korvane {

class EditActions;

class DocumentWindow : public QMdiSubWindow, public DocumentView {
    Q_OBJECT
  public:
    explicit DocumentWindow(DocumentController& form, QWidget* parent = nullptr);

    // --- DocumentView ---
    void ShowPopupMenu(std::string_view menuName) override;
    void DesignChanged() override;
    void ComponentChanged(int slot) override { emit componentChanged(slot); }

    // mnuFile, mnuInsert, mnuBuild and mnuHelp, for the frame's menu bar.
    const QList<QMenu*>& MenuBarMenus() const { return menuBar_; }
    // The Edit menu, after File, with the program's edit commands.
    void AddEditMenu(EditActions* actions);

    // menuForm, menuControl or menuToolbar; null for another name.
    QMenu* PopupMenu(std::string_view menuName) const;

    // The next pop-up menu opens at this horizontal screen position, at the mouse's height.
    void SetNextPopupX(int globalX) { nextPopupX_ = globalX; }

    // The check marks of menuToolbar's "AWT " and "Swing".
    void SetPaletteChecks(bool awt, bool swing);

    // Puts the design surface in the window (replacing the previous one).
    void SetSurface(QWidget* surface);
    QWidget* Surface() const { return widget(); }

    // The window's outer size as the document counts it, twips: the surface plus the frame
    // allowances, whatever the frame Qt draws.
    QSize OuterSizeTwips() const;

    // View > Show Text.
    QAction* ShowTextAction() const { return showText_; }
    // File > Open Recent, filled by the main window as it opens.
    QMenu* RecentMenu() const { return recentMenu_; }
    // The title: the design's file name (Untitled before its first save), with * while it has
    // changes not saved.
    QString Title() const;
    void ShowTitle();

  signals:
    void designChanged();
    void titleChanged();
    void componentChanged(int slot);
    void windowFontRequested();
    void gridRequested();
    void menuBarRequested();
    void previewRequested();
    void showTextToggled(bool shown);
    void exitRequested();
    void generateRequested(const QString& kind);
    void generateIntoFileRequested();
    void importJavaRequested();
    void helpContentsRequested();
    void aboutRequested();
    void paletteChosen(const QString& which);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void BuildMenuBar();
    void BuildPopupMenus();
    void BuildOptionsMenu(QMenu* parent, const QString& prefix, const QString& optionsCaption);
    QMenu* BuildInsertMenu(QMenu* parent, bool popup, bool swing);
    QMenu* BuildGenerateMenu(QMenu* parent, const QString& caption, const QString& name, bool swing,
                             const char* handlerPrefix);
    void ApplyDocumentSize();
    // The document takes the window's present size.
    void RecordSize();
    void SyncVisibility();

    DocumentController& form_;
    QList<QMenu*> menuBar_;
    QMenu* menuForm_ = nullptr;
    QMenu* menuControl_ = nullptr;
    QMenu* menuToolbar_ = nullptr;
    QAction* showText_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* revert_ = nullptr;
    // The left button is down on the frame (its edges resize the window).
    bool mouseResizing_ = false;
    bool applyingSize_ = false;
    // The window was resized while hidden for a change of state.
    bool sizePending_ = false;
    bool closing_ = false;
    std::optional<int> nextPopupX_;
};

}  // namespace korvane
