#include "qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProxyStyle>
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
#include "qt/PreviewRunner.h"

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
      form1_(messages, dialogs),
      mdi_(form1_),
      messages_(messages),
      dialogs_(dialogs),
      programFolder_(QCoreApplication::applicationDirPath()) {
    setObjectName("MDIForm1");
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
    history_ = new DesignHistory(form1_, this);
    editActions_ = new EditActions(mdi_, history_->Stack(), this);
    BuildMenus();
    BuildShortcuts();
    BuildPanels();
    setAcceptDrops(true);
    codeWindow_ = new CodeWindow(mdi_.form2, form1_.doc.Java_File_Name, messages_, dialogs_, this);
    helpViewer_ = new HelpViewer(this);

    mdi_.MDIForm_Load();
    resize(TwipsToWholePixels(mdi_.OuterWidth), TwipsToWholePixels(mdi_.OuterHeight));

    // The document window: loaded as a new, empty design once the frame is ready.
    documentWindow_ = new DocumentWindow(form1_);
    documentWindow_->AddEditMenu(editActions_);
    auto* surface = new DesignSurfaceWidget(form1_, &mdi_);
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
            &MainWindow::OptionsHelpContents_Click);
    connect(documentWindow_, &DocumentWindow::aboutRequested, this, &MainWindow::OptionAbout_Click);
    connect(documentWindow_, &DocumentWindow::windowFontRequested, this,
            &MainWindow::OptionWindowSize_Click);
    connect(documentWindow_, &DocumentWindow::gridRequested, this, &MainWindow::OptionGrid_Click);
    connect(documentWindow_, &DocumentWindow::menuBarRequested, this,
            &MainWindow::OptionMenu_Click);
    connect(documentWindow_, &DocumentWindow::previewRequested, this,
            &MainWindow::OptionPreview_Click);
    connect(documentWindow_, &DocumentWindow::showTextToggled, surface,
            &DesignSurfaceWidget::SetShowText);
    preview_ = new PreviewRunner(this);
    connect(preview_, &PreviewRunner::compileFailed, this, &MainWindow::ShowCompilerMessages);
    connect(preview_, &PreviewRunner::finished, this, [this](int exitCode, const QString& output) {
        if (exitCode == 0) return;
        messages_.Show(Warning(
            "The preview ended with an error.\n\n" + output.left(2000).toStdString(), "Preview"));
    });
    connect(documentWindow_, &DocumentWindow::generateRequested, this, [this](const QString& kind) {
        Generate([this, kind] { mdi_.OptionGenerate_Click(kind.toStdString()); });
    });
    // Java files: a save over one merges with it; a generated class reads back into a design.
    mdi_.form2.MergeWithExisting = [this](const std::string& path, std::string& bytes) {
        return MergeWithExistingJava(path, form1_.doc.Java_File_Name, bytes, messages_);
    };
    connect(documentWindow_, &DocumentWindow::generateIntoFileRequested, this, [this] {
        if (!form1_.Loaded()) return;
        form1_.doc.Generate_Type = mdi_.Cmd_GenerateType_Caption;
        GenerateIntoFile(form1_, mdi_.catalogue, messages_);
        Sync();
    });
    connect(documentWindow_, &DocumentWindow::importJavaRequested, this, [this] {
        if (!form1_.Loaded() || !ImportJavaFile(form1_, dialogs_, messages_)) return;
        mdi_.OptionGenerateType_Click(form1_.doc.Generate_Type);
        Sync();
    });
    connect(documentWindow_, &DocumentWindow::paletteChosen, this, [this](const QString& which) {
        if (which == "AWT") {
            mdi_.palettes.OptionToolbarAWT_Click();
        } else {
            mdi_.palettes.OptionToolbarSwing1_Click();
        }
        Sync();
    });
    editActions_->AttachKeysTo({documentWindow_, rightPanel_, paletteWidget_, commandBar_});
    form1_.SetMainWindow(&mdi_);
    form1_.SetView(documentWindow_);
    form1_.Form_Load();
    ShowDocumentMenus(false);
    Sync();
}

MainWindow::~MainWindow() {
    form1_.SetView(nullptr);
    form1_.SetMainWindow(nullptr);
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
    AddMenuItem(file, "&New\tCtrl+N", "OptionNew", [this] { mdi_.OptionNew_Click(); });
    AddMenuItem(file, "&Open...\tCtrl+O", "OptionOpen", [this] { mdi_.OptionOpen_Click(); });
    AddSeparator(file, "LineFile1");
    AddMenuItem(file, "E&xit\tCtrl+Q", "OptionExit", [this] { close(); });

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    editActions_->FillMenu(edit);
    connect(edit, &QMenu::aboutToShow, editActions_, &EditActions::Refresh);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("MenuHelp");
    AddMenuItem(help, "&Contents...\tF1", "OptionsHelpContents",
                [this] { OptionsHelpContents_Click(); });
    AddSeparator(help, "LineMenuHelp");
    AddMenuItem(help, "&About...", "OptionAbout", [this] { OptionAbout_Click(); });

    menuGenerateType_ = bar->addMenu("menuGenerateType");
    menuGenerateType_->setObjectName("menuGenerateType");
    for (const TargetMenuItem& item : TargetMenuItems()) {
        if (item.caption.empty()) {
            AddSeparator(menuGenerateType_, Text(item.name), item.visible);
            continue;
        }
        const std::string caption(item.caption);
        AddMenuItem(
            menuGenerateType_, Text(item.caption), Text(item.name),
            [this, caption] {
                mdi_.OptionGenerateType_Click(caption);
                Sync();
            },
            item.visible);
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
        if (form1_.Loaded()) {
            form1_.OptionFileNew_Click();
        } else {
            mdi_.OptionNew_Click();
        }
    });
    key("KeyOpen", QKeySequence::Open, [this] { mdi_.OptionOpen_Click(); });
    key("KeySave", QKeySequence::Save, [this] { mdi_.Toolbar2_Save_Click(); });
    key("KeySaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        if (form1_.Loaded()) form1_.OptionFileSaveAs_Click();
    });
    key("KeyExit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    key("KeyHelp", QKeySequence(Qt::Key_F1), [this] { OptionsHelpContents_Click(); });
}

bool MainWindow::OpenFromOutside(const QString& path) {
    // As File > Open: the document window is shown first.
    if (!form1_.Loaded()) mdi_.OptionNew_Click();
    const bool opened = form1_.OpenFromOutside(path.toStdString());
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
    commandBar_ = new CommandBar(mdi_, menuGenerateType_);
    connect(commandBar_, &CommandBar::newRequested, this, [this] { mdi_.Toolbar2_New_Click(); });
    connect(commandBar_, &CommandBar::openRequested, this, [this] { mdi_.Toolbar2_Open_Click(); });
    connect(commandBar_, &CommandBar::saveRequested, this, [this] { mdi_.Toolbar2_Save_Click(); });
    connect(commandBar_, &CommandBar::generateRequested, this,
            [this] { Generate([this] { mdi_.Toolbar2_Code_Click(); }); });
    QDockWidget* top = AddPanel(Qt::TopDockWidgetArea, "Picture2", commandBar_);
    QWidget* strip = PlainPanel("Picture4");
    strip->setFixedHeight(TwipsToWholePixels(kPicture4Height));
    QDockWidget* under = AddPanel(Qt::TopDockWidgetArea, "Picture4", strip);
    splitDockWidget(top, under, Qt::Vertical);
    paletteWidget_ = new PaletteWidget(mdi_);
    paletteWidget_->setObjectName("Picture_Toolbar");
    paletteWidget_->setFixedWidth(TwipsToWholePixels(kPaletteWidth));
    connect(paletteWidget_, &PaletteWidget::paletteUsed, this, &MainWindow::Sync);
    AddPanel(Qt::LeftDockWidgetArea, "Picture_Toolbar", paletteWidget_);
    rightPanel_ = new RightPanel(mdi_);
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
    const bool active = mdiArea_->activeSubWindow() == documentWindow_ && form1_.Loaded();
    ShowDocumentMenus(active);
    if (active) form1_.Form_Activate();
}

void MainWindow::Sync() {
    if (!form1_.Loaded() || !documentWindow_->isVisible()) ShowDocumentMenus(false);
    commandBar_->Sync();
    rightPanel_->Refresh();
    paletteWidget_->Refresh();
    editActions_->Refresh();
    documentWindow_->SetPaletteChecks(mdi_.palettes.OptionToolbarAWT_Checked,
                                      mdi_.palettes.OptionToolbarSwing1_Checked);
}

void MainWindow::Generate(const std::function<void()>& command) {
    command();
    codeWindow_->Sync();
    Sync();
}

void MainWindow::OptionWindowSize_Click() {
    if (!form1_.Loaded()) return;
    WindowFontDialog dialog(form1_, messages_, this);
    dialog.exec();
}

void MainWindow::OptionGrid_Click() {
    GridDialog dialog(mdi_, messages_, this);
    dialog.exec();
}

void MainWindow::OptionMenu_Click() {
    if (!form1_.Loaded()) return;
    MenuBarDialog dialog(form1_, mdi_.catalogue, messages_, this);
    dialog.exec();
}

void MainWindow::OptionPreview_Click() {
    if (!form1_.Loaded()) return;
    const PreviewSource source =
        PreviewJava(form1_.doc, mdi_.Cmd_GenerateType_Caption, mdi_.catalogue);
    if (!source.ok()) {
        messages_.Show(Warning(source.refusal, "Preview"));
        return;
    }
    if (!preview_->Start(source))
        messages_.Show(Warning(preview_->Problem().toStdString(), "Preview"));
}

void MainWindow::ShowCompilerMessages(const QString& text) {
    auto* dialog = new QDialog(this);
    dialog->setObjectName("CompilerMessages");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle("Preview: the Java compiler's messages");
    auto* layout = new QVBoxLayout(dialog);
    auto* view = new QPlainTextEdit(text, dialog);
    view->setObjectName("CompilerOutput");
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    dialog->resize(640, 360);
    dialog->show();
}

void MainWindow::OptionsHelpContents_Click() {
    helpViewer_->ShowContents(QString::fromStdString(HelpFilePath(programFolder_.toStdString())));
}

void MainWindow::OptionAbout_Click() {
    AboutDialog about(this);
    about.exec();
}

// ---------------------------------------------------------------- size and shutdown

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize outer = frameGeometry().size();
    mdi_.MDIForm_Resize(PixelsToTwips(outer.width()), PixelsToTwips(outer.height()));
    if (rightPanel_) rightPanel_->Refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The code window goes first, even when the document then keeps the program open.
    const bool closes = mdi_.MDIForm_QueryUnload();
    codeWindow_->Sync();
    if (!closes) {
        event->ignore();
        Sync();
        return;
    }
    helpViewer_->close();
    event->accept();
}

}  // namespace korvane
