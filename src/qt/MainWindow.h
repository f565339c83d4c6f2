// The main window: the frame with the command bar, the palettes on the left, the component
// list and inspector on the right, and the document window in its client area. It owns the
// windows of the program and turns menu and button clicks into the windows' commands.
#pragma once

#include <QList>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "document/DocumentController.h"
#include "mainwindow/MainController.h"
#include "qt/ProgramSettings.h"

class QDockWidget;
class QMdiArea;
class QMenu;

namespace korvane {

class CodeWindow;
class CommandBar;
class DesignHistory;
class EditActions;
class DocumentWindow;
class HelpViewer;
class PaletteWidget;
class PreviewPane;
class PreviewRunner;
class RightPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(MessageBoxService& messages, FileDialogService& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentController& Document() { return document_; }
    MainController& Main() { return main_; }
    DocumentWindow* DocumentSubWindow() const { return documentWindow_; }
    CodeWindow* Code() const { return codeWindow_; }
    CommandBar* Commands() const { return commandBar_; }
    HelpViewer* Help() const { return helpViewer_; }
    RightPanel* RightSide() const { return rightPanel_; }
    PaletteWidget* Palette() const { return paletteWidget_; }
    QMdiArea* ClientArea() const { return mdiArea_; }
    QMenu* GenerateTypeMenu() const { return menuGenerateType_; }
    DesignHistory* History() const { return history_; }
    EditActions* Edit() const { return editActions_; }

    // The folder searched for the help file; the program's own folder unless set.
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    // From now on the grid, Show Text and the window's layout are read from these settings and
    // kept in them (the program's own, not a test's).
    void KeepSettingsIn(const ProgramSettings& settings);

    // Help > Contents... and Help > About...
    void HelpContents();
    void ShowAbout();
    // Runs a generation command and shows its result in the code window.
    void Generate(const std::function<void()>& command);
    // Shows what the core windows hold: menus, command bar, code window, panels.
    void Sync();
    // Opens a project file named from outside (the command line, a dropped file) as Open
    // does after its dialog, asking first about unsaved changes; false when it did not open.
    bool OpenFromOutside(const QString& path);
    // The document's Options items, Insert > Menu... and Build > Preview.
    void EditWindowSize();
    void EditGrid();
    void EditMenuBar();
    void RunPreview();
    PreviewRunner* Preview() const { return preview_; }
    PreviewPane* PreviewOutput() const { return previewPane_; }
    QDockWidget* PreviewDock() const { return previewDock_; }
    // The frame's title: the document's title and the program's name.
    void ShowTitle();
    // File > Open Recent's item for a path.
    void OpenRecent(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    void BuildShortcuts();
    void BuildPanels();
    QDockWidget* AddPanel(Qt::DockWidgetArea area, const char* name, QWidget* content);
    void ShowDocumentMenus(bool documentActive);
    void BuildPreviewPane();
    QPoint PreviewPoint(const std::string& target) const;
    void OnSubWindowActivated();
    // The recent files from the program's settings, stored back whenever they change.
    void LoadRecentFiles();
    void FollowRecentFiles(QMenu* menu);
    void FillRecentMenu(QMenu* menu);

    DocumentController document_;
    MainController main_;
    MessageBoxService& messages_;
    FileDialogService& dialogs_;
    QMdiArea* mdiArea_ = nullptr;
    DocumentWindow* documentWindow_ = nullptr;
    CodeWindow* codeWindow_ = nullptr;
    CommandBar* commandBar_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    RightPanel* rightPanel_ = nullptr;
    PaletteWidget* paletteWidget_ = nullptr;
    QMenu* menuGenerateType_ = nullptr;
    PreviewRunner* preview_ = nullptr;
    PreviewPane* previewPane_ = nullptr;
    QDockWidget* previewDock_ = nullptr;
    DesignHistory* history_ = nullptr;
    EditActions* editActions_ = nullptr;
    // The frame's top-level menus with whether each is shown in the stored layout.
    QList<QPair<QAction*, bool>> frameMenus_;
    QList<QAction*> documentMenus_;
    QString programFolder_;
    std::optional<ProgramSettings> settings_;
};

}  // namespace korvane
