#include "qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "mainwindow/Help.h"
#include "mainwindow/TargetSelector.h"
#include "platform/Conversions.h"
#include "qt/AboutDialog.h"
#include "qt/CodeWindow.h"
#include "qt/CommandBar.h"
#include "qt/DesignHistory.h"
#include "qt/DesignSurfaceWidget.h"
#include "qt/DocumentWindow.h"
#include "qt/EditActions.h"
#include "qt/HelpViewer.h"
#include "qt/InspectorPanel.h"
#include "qt/JavaFileCommands.h"
#include "qt/MenuBarDialog.h"
#include "qt/Menus.h"
#include "qt/OptionsDialogs.h"
#include "qt/PaletteWidget.h"
#include "qt/PreviewPane.h"
#include "qt/PreviewRunner.h"
#include "qt/ProgramSettings.h"

namespace korvane {
namespace {

// Panel sizes, twips.
constexpr double kPicture4Height = 0;
constexpr double kPaletteWidth = 945;
constexpr double kRightPanelWidth = 3255;

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// An empty panel (the left one until the palettes are in place).
QWidget* PlainPanel(const char* name) {
    QWidget* panel = new QWidget;
    panel->setObjectName(name);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    return panel;
}

// The panels have fixed sizes: no draggable separators between them.
class FixedPanelsStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_DockWidgetSeparatorExtent) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

MainWindow::MainWindow(MessageBoxService& messages, FileDialogService& dialogs, QWidget* parent)
    : QMainWindow(parent),
      document_(messages, dialogs),
      main_(document_),
      messages_(messages),
      dialogs_(dialogs),
      programFolder_(QCoreApplication::applicationDirPath()) {
    setObjectName("MainController");
    auto* style = new FixedPanelsStyle;
    style->setParent(this);
    setStyle(style);
    setWindowTitle(Text(kMainCaption));
    setWindowIcon(ProgramIcon());
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("ClientArea");
    // A design larger than the client area stays reachable.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    history_ = new DesignHistory(document_, this);
    LoadRecentFiles();
    editActions_ = new EditActions(main_, history_->Stack(), this);
    BuildMenus();
    BuildShortcuts();
    BuildPanels();
    setAcceptDrops(true);
    codeWindow_ =
        new CodeWindow(main_.codeListing, document_.doc.JavaClassName, messages_, dialogs_, this);
    helpViewer_ = new HelpViewer(this);

    main_.Load();
    resize(TwipsToWholePixels(main_.OuterWidth), TwipsToWholePixels(main_.OuterHeight));

    // The document window: loaded as a new, empty design once the frame is ready.
    documentWindow_ = new DocumentWindow(document_);
    documentWindow_->AddEditMenu(editActions_);
    FollowRecentFiles(documentWindow_->RecentMenu());
    connect(documentWindow_, &DocumentWindow::titleChanged, this, &MainWindow::ShowTitle);
    // Every step recorded, undone or redone may change the modified mark.
    connect(&history_->Stack(), &QUndoStack::indexChanged, documentWindow_,
            &DocumentWindow::ShowTitle);
    auto* surface = new DesignSurfaceWidget(document_, &main_);
    documentWindow_->SetSurface(surface);
    connect(documentWindow_, &DocumentWindow::designChanged, surface,
            &DesignSurfaceWidget::DesignChanged);
    connect(documentWindow_, &DocumentWindow::componentChanged, surface,
            &DesignSurfaceWidget::BoxChanged);
    connect(surface, &DesignSurfaceWidget::paletteChanged, paletteWidget_, &PaletteWidget::Refresh);
    connect(paletteWidget_, &PaletteWidget::paletteMenuAt, documentWindow_,
            &DocumentWindow::SetNextPopupX);
    mdiArea_->addSubWindow(documentWindow_);
    for (QMenu* menu : documentWindow_->MenuBarMenus()) documentMenus_ << menuBar()->addMenu(menu);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::OnSubWindowActivated);
    connect(documentWindow_, &DocumentWindow::designChanged, this, &MainWindow::Sync);
    connect(editActions_, &EditActions::designChanged, this, &MainWindow::Sync);
    connect(documentWindow_, &DocumentWindow::exitRequested, this, &QWidget::close);
    connect(documentWindow_, &DocumentWindow::helpContentsRequested, this,
            &MainWindow::HelpContents);
    connect(documentWindow_, &DocumentWindow::aboutRequested, this, &MainWindow::ShowAbout);
    connect(documentWindow_, &DocumentWindow::windowFontRequested, this,
            &MainWindow::EditWindowSize);
    connect(documentWindow_, &DocumentWindow::gridRequested, this, &MainWindow::EditGrid);
    connect(documentWindow_, &DocumentWindow::menuBarRequested, this, &MainWindow::EditMenuBar);
    connect(documentWindow_, &DocumentWindow::previewRequested, this, &MainWindow::RunPreview);
    connect(documentWindow_, &DocumentWindow::showTextToggled, surface,
            &DesignSurfaceWidget::SetShowText);
    preview_ = new PreviewRunner(this);
    BuildPreviewPane();
    connect(preview_, &PreviewRunner::finished, this, [this](int exitCode, const QString& output) {
        if (exitCode == 0) return;
        // Its end says why: the exception, or the last words of the program.
        messages_.Show(Warning(
            "The preview ended with an error.\n\n" + output.right(2000).toStdString(), "Preview"));
    });
    connect(documentWindow_, &DocumentWindow::generateRequested, this, [this](const QString& kind) {
        Generate([this, kind] { main_.GenerateAs(kind.toStdString()); });
    });
    // Java files: a save over one merges with it; a generated class reads back into a design.
    main_.codeListing.MergeWithExisting = [this](const std::string& path, std::string& bytes) {
        return MergeWithExistingJava(path, document_.doc.JavaClassName, bytes, messages_);
    };
    connect(documentWindow_, &DocumentWindow::generateIntoFileRequested, this, [this] {
        if (!document_.Loaded()) return;
        document_.doc.Target = main_.TargetCaption;
        GenerateIntoFile(document_, main_.catalogue, messages_);
        Sync();
    });
    connect(documentWindow_, &DocumentWindow::importJavaRequested, this, [this] {
        if (!document_.Loaded() || !ImportJavaFile(document_, dialogs_, messages_)) return;
        main_.ChooseTarget(document_.doc.Target);
        Sync();
    });
    connect(documentWindow_, &DocumentWindow::paletteChosen, this, [this](const QString& which) {
        if (which == "AWT") {
            main_.palettes.ChooseAwtPalette();
        } else {
            main_.palettes.ChooseSwingPalette();
        }
        Sync();
    });
    editActions_->AttachKeysTo({documentWindow_, rightPanel_, paletteWidget_, commandBar_});
    document_.SetMainWindow(&main_);
    document_.SetView(documentWindow_);
    document_.Load();
    ShowDocumentMenus(false);
    // Every menu, and items added to one later, can be reached from the keyboard.
    for (QMenu* menu : findChildren<QMenu*>()) {
        AssignMnemonics(menu);
        connect(menu, &QMenu::aboutToShow, menu, [menu] { AssignMnemonics(menu); });
    }
    Sync();
}

MainWindow::~MainWindow() {
    document_.SetView(nullptr);
    document_.SetMainWindow(nullptr);
    // The views refer to the core windows, which are members and go before the base class
    // deletes its children: the views go first.
    for (QDockWidget* dock : findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly)) delete dock;
    delete mdiArea_;
    delete codeWindow_;
    delete helpViewer_;
}

// ---------------------------------------------------------------- construction

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("MenuFile");
    AddMenuItem(file, "&New\tCtrl+N", "OptionNew", [this] { main_.MenuNew(); });
    AddMenuItem(file, "&Open...\tCtrl+O", "OptionOpen", [this] { main_.MenuOpen(); });
    FollowRecentFiles(AddSubmenu(file, "Open &Recent", "OptionOpenRecent"));
    AddSeparator(file, "LineFile1");
    AddMenuItem(file, "E&xit\tCtrl+Q", "OptionExit", [this] { close(); });

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    editActions_->FillMenu(edit);
    connect(edit, &QMenu::aboutToShow, editActions_, &EditActions::Refresh);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("MenuHelp");
    AddMenuItem(help, "&Contents...\tF1", "OptionsHelpContents", [this] { HelpContents(); });
    AddSeparator(help, "LineMenuHelp");
    AddMenuItem(help, "&About...", "OptionAbout", [this] { ShowAbout(); });

    menuGenerateType_ = bar->addMenu("menuGenerateType");
    menuGenerateType_->setObjectName("menuGenerateType");
    for (const TargetMenuItem& item : TargetMenuItems()) {
        if (item.caption.empty()) {
            AddSeparator(menuGenerateType_, Text(item.name));
            continue;
        }
        const std::string caption(item.caption);
        AddMenuItem(menuGenerateType_, Text(item.caption), Text(item.name), [this, caption] {
            main_.ChooseTarget(caption);
            Sync();
        });
    }

    frameMenus_ = {{file->menuAction(), true},
                   {edit->menuAction(), true},
                   {help->menuAction(), true},
                   {menuGenerateType_->menuAction(), false}};
    for (auto& [action, shown] : frameMenus_) action->setObjectName(action->menu()->objectName());
}

// The file keys work in both windows' menus, which show them beside their items; each key
// belongs to one action of the frame that runs what the shown menu's item runs.
void MainWindow::BuildShortcuts() {
    auto key = [this](const char* name, QKeySequence sequence, std::function<void()> run) {
        QAction* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(sequence);
        connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
            run();
            Sync();
        });
        addAction(action);
    };
    key("KeyNew", QKeySequence::New, [this] {
        if (document_.Loaded()) {
            document_.FileNew();
        } else {
            main_.MenuNew();
        }
    });
    key("KeyOpen", QKeySequence::Open, [this] { main_.MenuOpen(); });
    key("KeySave", QKeySequence::Save, [this] { main_.SaveButtonClicked(); });
    key("KeySaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        if (document_.Loaded()) document_.FileSaveAs();
    });
    key("KeyClose", QKeySequence(Qt::CTRL | Qt::Key_W), [this] {
        if (document_.Loaded()) documentWindow_->close();
    });
    key("KeyExit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    key("KeyHelp", QKeySequence(Qt::Key_F1), [this] { HelpContents(); });
}

bool MainWindow::OpenFromOutside(const QString& path) {
    // As File > Open: the document window is shown first.
    if (!document_.Loaded()) main_.MenuNew();
    const bool opened = document_.OpenFromOutside(path.toStdString());
    Sync();
    return opened;
}

namespace {

// The first local project file among dragged things, or "".
QString DroppedProject(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(".dat", Qt::CaseInsensitive)) return path;
    }
    return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedProject(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedProject(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenFromOutside(path);
}

QDockWidget* MainWindow::AddPanel(Qt::DockWidgetArea area, const char* name, QWidget* content) {
    QDockWidget* dock = new QDockWidget(this);
    dock->setObjectName(QString(name) + "Dock");
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    QWidget* noTitle = PlainPanel("NoTitle");
    noTitle->setFixedSize(0, 0);
    dock->setTitleBarWidget(noTitle);
    dock->setWidget(content);
    addDockWidget(area, dock);
    return dock;
}

void MainWindow::BuildPanels() {
    setCorner(Qt::TopLeftCorner, Qt::TopDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::TopDockWidgetArea);
    commandBar_ = new CommandBar(main_, menuGenerateType_);
    connect(commandBar_, &CommandBar::newRequested, this, [this] { main_.NewButtonClicked(); });
    connect(commandBar_, &CommandBar::openRequested, this, [this] { main_.OpenButtonClicked(); });
    connect(commandBar_, &CommandBar::saveRequested, this, [this] { main_.SaveButtonClicked(); });
    connect(commandBar_, &CommandBar::generateRequested, this,
            [this] { Generate([this] { main_.GenerateButtonClicked(); }); });
    QDockWidget* top = AddPanel(Qt::TopDockWidgetArea, "Picture2", commandBar_);
    QWidget* strip = PlainPanel("Picture4");
    strip->setFixedHeight(TwipsToWholePixels(kPicture4Height));
    QDockWidget* under = AddPanel(Qt::TopDockWidgetArea, "Picture4", strip);
    splitDockWidget(top, under, Qt::Vertical);
    paletteWidget_ = new PaletteWidget(main_);
    paletteWidget_->setObjectName("Picture_Toolbar");
    paletteWidget_->setFixedWidth(TwipsToWholePixels(kPaletteWidth));
    connect(paletteWidget_, &PaletteWidget::paletteUsed, this, &MainWindow::Sync);
    AddPanel(Qt::LeftDockWidgetArea, "Picture_Toolbar", paletteWidget_);
    rightPanel_ = new RightPanel(main_);
    rightPanel_->setObjectName("Picture_Toolbar2");
    rightPanel_->setFixedWidth(TwipsToWholePixels(kRightPanelWidth));
    AddPanel(Qt::RightDockWidgetArea, "Picture_Toolbar2", rightPanel_);
}

// ---------------------------------------------------------------- menus and state

void MainWindow::ShowDocumentMenus(bool documentActive) {
    for (auto& [action, shown] : frameMenus_) action->setVisible(!documentActive && shown);
    for (QAction* action : documentMenus_) action->setVisible(documentActive);
}

void MainWindow::OnSubWindowActivated() {
    const bool active = mdiArea_->activeSubWindow() == documentWindow_ && document_.Loaded();
    ShowDocumentMenus(active);
    if (active) document_.Activate();
}

void MainWindow::ShowTitle() {
    // The frame's title names the open design too, as the task bar shows only the frame's.
    const QString program = Text(kMainCaption);
    setWindowTitle(document_.Loaded() ? documentWindow_->Title() + " - " + program : program);
}

// ---------------------------------------------------------------- Open Recent

void MainWindow::LoadRecentFiles() {
    const QStringList stored = settings_ ? settings_->RecentFiles() : QStringList();
    std::vector<std::string> paths;
    for (const QString& path : stored) paths.push_back(path.toStdString());
    main_.recentFiles.Set(paths);
    main_.recentFiles.OnChanged = [this] {
        QStringList paths;
        for (const std::string& path : main_.recentFiles.Paths())
            paths << QString::fromStdString(path);
        if (settings_) settings_->SetRecentFiles(paths);
    };
}

void MainWindow::FollowRecentFiles(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillRecentMenu(menu); });
    FillRecentMenu(menu);
}

void MainWindow::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const std::vector<std::string>& paths = main_.recentFiles.Paths();
    for (size_t k = 0; k < paths.size(); ++k) {
        const QString path = QString::fromStdString(paths[k]);
        // The first nine get a digit to choose them by.
        const QString number = k < 9 ? QString("&%1 ").arg(k + 1) : QString();
        QString shown = path;
        shown.replace('&', "&&");
        QAction* item = menu->addAction(number + shown);
        item->setObjectName(QString("OptionRecentFile%1").arg(k + 1));
        connect(item, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    }
    if (!paths.empty()) menu->addSeparator();
    QAction* clear = menu->addAction("&Clear List");
    clear->setObjectName("OptionClearRecent");
    clear->setEnabled(!paths.empty());
    connect(clear, &QAction::triggered, this, [this] { main_.recentFiles.Clear(); });
}

void MainWindow::OpenRecent(const QString& path) {
    // A file that is gone leaves the list once its message said so.
    if (!OpenFromOutside(path) && !QFileInfo::exists(path))
        main_.recentFiles.Remove(path.toStdString());
}

void MainWindow::Sync() {
    ShowTitle();
    if (!document_.Loaded() || !documentWindow_->isVisible()) ShowDocumentMenus(false);
    commandBar_->Sync();
    rightPanel_->Refresh();
    paletteWidget_->Refresh();
    editActions_->Refresh();
    documentWindow_->SetPaletteChecks(main_.palettes.AwtMenuChecked,
                                      main_.palettes.SwingMenuChecked);
}

void MainWindow::Generate(const std::function<void()>& command) {
    command();
    codeWindow_->Sync();
    Sync();
}

void MainWindow::EditWindowSize() {
    if (!document_.Loaded()) return;
    WindowFontDialog dialog(document_, messages_, this);
    dialog.exec();
}

void MainWindow::EditGrid() {
    GridDialog dialog(main_, messages_, this);
    if (dialog.exec() == QDialog::Accepted && settings_) settings_->SetGrid(main_.Grid());
}

void MainWindow::EditMenuBar() {
    if (!document_.Loaded()) return;
    MenuBarDialog dialog(document_, main_.catalogue, messages_, this);
    dialog.exec();
}

void MainWindow::BuildPreviewPane() {
    previewPane_ = new PreviewPane(*preview_);
    previewDock_ = new QDockWidget("Preview Output", this);
    previewDock_->setObjectName("PreviewDock");
    previewDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
    previewDock_->setWidget(previewPane_);
    addDockWidget(Qt::BottomDockWidgetArea, previewDock_);
    previewDock_->hide();
    QAction* toggle = previewDock_->toggleViewAction();
    toggle->setObjectName("opt_PreviewOutput");
    toggle->setText("Preview &Output");
    if (auto* view = documentWindow_->findChild<QMenu*>("mnuView")) view->addAction(toggle);
}

void MainWindow::RunPreview() {
    if (!document_.Loaded()) return;
    const std::string target = main_.TargetCaption;
    const PreviewSource source = PreviewJava(document_.doc, target, main_.catalogue);
    if (!source.ok()) {
        messages_.Show(Warning(source.refusal, "Preview"));
        return;
    }
    QStringList notes;
    for (const std::string& warning : source.warnings) notes << QString::fromStdString(warning);
    for (const std::string& cls : source.standIns)
        notes << "The window class " + QString::fromStdString(cls) +
                     " is not in the design's folder: a stand-in titled with its name opens "
                     "instead.";
    previewPane_->Begin(QString::fromStdString(source.className), QString::fromStdString(target),
                        notes);
    if (!preview_->Start(source, PreviewPoint(target))) {
        messages_.Show(Warning(preview_->Problem().toStdString(), "Preview"));
        return;
    }
    previewDock_->show();
}

// Beside the main window, for a window of about the designed size.
QPoint MainWindow::PreviewPoint(const std::string& target) const {
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    const QRect frame = frameGeometry();
    const auto rect = [](const QRect& r) {
        return ScreenRect{r.left(), r.top(), r.width(), r.height()};
    };
    constexpr int kDecorationWidth = 16, kDecorationHeight = 40;
    const int width = TwipsToWholePixels(document_.doc.OuterWidth - kFrameWidth - kDesignMargin) +
                      kDecorationWidth;
    int height = TwipsToWholePixels(document_.doc.OuterHeight - kFrameHeight - kDesignMargin) +
                 kDecorationHeight;
    if (target == "Dialog" || target == "JDialog") height += 2 * kDecorationHeight;
    const auto [x, y] = PreviewPlace(rect(screen), rect(frame), width, height);
    return {x, y};
}

void MainWindow::HelpContents() {
    helpViewer_->ShowContents(QString::fromStdString(HelpFilePath(programFolder_.toStdString())));
}

void MainWindow::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

// ---------------------------------------------------------------- size and shutdown

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize outer = frameGeometry().size();
    main_.ResizeWindow(PixelsToTwips(outer.width()), PixelsToTwips(outer.height()));
    if (rightPanel_) rightPanel_->Refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The code window goes first, even when the document then keeps the program open.
    const bool closes = main_.QueryClose();
    codeWindow_->Sync();
    if (!closes) {
        event->ignore();
        Sync();
        return;
    }
    helpViewer_->close();
    if (settings_) settings_->SetLayout(*this);
    event->accept();
}

void MainWindow::KeepSettingsIn(const ProgramSettings& settings) {
    settings_ = settings;
    settings_->RestoreLayout(*this);
    main_.SetGrid(settings_->Grid(main_.Grid()));
    LoadRecentFiles();
    QAction* showText = documentWindow_->findChild<QAction*>("opt_ShowText");
    showText->setChecked(settings_->ShowText());
    connect(showText, &QAction::toggled, this, [this](bool shown) {
        if (settings_) settings_->SetShowText(shown);
    });
}

}  // namespace korvane
