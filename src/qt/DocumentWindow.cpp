#include "qt/DocumentWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <cmath>

#include "document/InsertCommands.h"
#include "platform/Conversions.h"
#include "qt/EditActions.h"
#include "qt/Menus.h"

namespace korvane {
namespace {

// Where the window sits inside the frame when it is shown, twips from each edge.
constexpr double kDocumentOffset = 120;
// The place of Paste in the empty design's menu: after File, AWT and Swing.
constexpr int kPasteHerePlace = 3;

struct GenerateItem {
    const char* kind;
    const char* caption;
};

constexpr GenerateItem kAwtTargets[] = {
    {"Applet", "As &Applet"},
    {"Frame", "As &Frame"},
    {"Dialog", "As &Dialog"},
    {"Panel", "As &Panel"},
};
constexpr GenerateItem kSwingTargets[] = {
    {"JApplet", "As &JApplet"},
    {"JFrame", "As JFra&me"},
    {"JDialog", "As JDia&log"},
    {"JPanel", "As JPa&nel"},
};

QString Name(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMenu* TopMenu(const QString& caption, const QString& name, QWidget* owner) {
    QMenu* menu = new QMenu(caption, owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace

DocumentWindow::DocumentWindow(DocumentController& form, QWidget* parent)
    : QMdiSubWindow(parent), form_(form) {
    setObjectName("DocumentController");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    BuildMenuBar();
    BuildPopupMenus();
}

void DocumentWindow::SetSurface(QWidget* surface) {
    QWidget* old = widget();
    setWidget(surface);
    if (old && old != surface) old->deleteLater();
    ApplyDocumentSize();
}

// ---------------------------------------------------------------- menus

QMenu* DocumentWindow::BuildInsertMenu(QMenu* parent, bool popup, bool swing) {
    QMenu* menu =
        popup ? AddSubmenu(parent, swing ? "&Swing" : "&AWT", swing ? "OptionSwing" : "OptionAWT")
              : AddSubmenu(parent, swing ? "&Swing Components" : "&AWT Components",
                           swing ? "opt_SwingComponents" : "opt_AWTComponents");
    const auto commands = InsertCommands();
    const size_t first = swing ? kAwtInsertCommands : 0;
    const size_t last = swing ? commands.size() : kAwtInsertCommands;
    for (size_t k = first; k < last; ++k) {
        const InsertCommand& c = commands[k];
        const std::string tag(c.tag);
        if (popup) {
            // At the point pressed on the surface before the menu opened.
            AddMenuItem(menu, Name(c.popupCaption), Name(c.popupHandler),
                        [this, tag] { form_.editor.InsertComponent(tag); });
        } else {
            AddMenuItem(menu, Name(c.menuCaption), Name(c.menuHandler),
                        [this, tag] { form_.editor.InsertFromMenuBar(tag); });
        }
    }
    return menu;
}

QMenu* DocumentWindow::BuildGenerateMenu(QMenu* parent, const QString& caption, const QString& name,
                                         bool swing, const char* handlerPrefix) {
    QMenu* menu = AddSubmenu(parent, caption, name);
    for (const GenerateItem& item : swing ? kSwingTargets : kAwtTargets) {
        const QString kind = item.kind;
        AddMenuItem(menu, item.caption, QString(handlerPrefix) + kind,
                    [this, kind] { emit generateRequested(kind); });
    }
    return menu;
}

void DocumentWindow::BuildOptionsMenu(QMenu* parent, const QString& prefix,
                                      const QString& optionsCaption) {
    QMenu* options = AddSubmenu(parent, optionsCaption, prefix + "Options");
    AddMenuItem(options, "&Window Size && Font...", prefix + "WindowSize",
                [this] { emit windowFontRequested(); });
    AddMenuItem(options, "&Grid and Units...", prefix + "Grid", [this] { emit gridRequested(); });
}

void DocumentWindow::BuildMenuBar() {
    QMenu* file = TopMenu("&File", "mnuFile", this);
    AddMenuItem(file, "&New\tCtrl+N", "opt_New", [this] { form_.FileNew(); });
    AddMenuItem(file, "&Open...\tCtrl+O", "opt_Open", [this] { form_.FileOpen(); });
    AddMenuItem(file, "&Import Java...", "opt_ImportJava", [this] { emit importJavaRequested(); });
    recentMenu_ = AddSubmenu(file, "Open &Recent", "opt_OpenRecent");
    AddMenuItem(file, "&Close\tCtrl+W", "opt_Close", [this] { close(); });
    AddSeparator(file);
    AddMenuItem(file, "&Save\tCtrl+S", "opt_Save", [this] { form_.FileSave(); });
    AddMenuItem(file, "Save &As...\tCtrl+Shift+S", "opt_SaveAs", [this] { form_.FileSaveAs(); });
    revert_ = AddMenuItem(file, "Re&vert", "opt_Revert", [this] { form_.FileRevert(); });
    connect(file, &QMenu::aboutToShow, this,
            [this] { revert_->setEnabled(!form_.doc.FilePath.empty()); });
    BuildOptionsMenu(file, "opt_", "Op&tions");
    AddSeparator(file);
    AddMenuItem(file, "E&xit\tCtrl+Q", "opt_Exit", [this] { emit exitRequested(); });

    QMenu* view = TopMenu("&View", "mnuView", this);
    showText_ = AddMenuItem(view, "Show &Text", "opt_ShowText", nullptr);
    showText_->setCheckable(true);
    connect(showText_, &QAction::toggled, this, &DocumentWindow::showTextToggled);

    QMenu* insert = TopMenu("&Insert", "mnuInsert", this);
    BuildInsertMenu(insert, false, false);
    BuildInsertMenu(insert, false, true);
    AddMenuItem(insert, "&Menu...", "opt_Menu", [this] { emit menuBarRequested(); });

    QMenu* build = TopMenu("&Build", "mnuBuild", this);
    AddMenuItem(build, "Generate AWT", "opt_GenerateAWT", nullptr, false);
    for (const GenerateItem& item : kAwtTargets) {
        const QString kind = item.kind;
        AddMenuItem(build, item.caption, "opt_Generate" + kind,
                    [this, kind] { emit generateRequested(kind); });
    }
    AddSeparator(build);
    AddMenuItem(build, "Generate Swing", "opt_GenerateSwing", nullptr, false);
    for (const GenerateItem& item : kSwingTargets) {
        const QString kind = item.kind;
        AddMenuItem(build, item.caption, "opt_Generate" + kind,
                    [this, kind] { emit generateRequested(kind); });
    }

    AddSeparator(build);
    AddMenuItem(build, "&Generate into File", "opt_GenerateIntoFile",
                [this] { emit generateIntoFileRequested(); });
    QAction* preview =
        AddMenuItem(build, "Pre&view", "opt_Preview", [this] { emit previewRequested(); });
    preview->setShortcut(QKeySequence("Ctrl+R"));
    preview->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* help = TopMenu("&Help", "mnuHelp", this);
    AddMenuItem(help, "&Contents...\tF1", "opt_HelpContents",
                [this] { emit helpContentsRequested(); });
    AddSeparator(help);
    AddMenuItem(help, "&About...", "opt_About", [this] { emit aboutRequested(); });

    menuBar_ = {file, view, insert, build, help};
}

void DocumentWindow::AddEditMenu(EditActions* actions) {
    QMenu* edit = TopMenu("&Edit", "mnuEdit", this);
    actions->FillMenu(edit);
    connect(edit, &QMenu::aboutToShow, actions, &EditActions::Refresh);
    menuBar_.insert(1, edit);
    AddSeparator(menuControl_);
    actions->FillStackingMenu(menuControl_);
    AddSeparator(menuControl_);
    actions->FillArrangeMenu(menuControl_);
    connect(menuControl_, &QMenu::aboutToShow, actions, &EditActions::Refresh);
    // After the insert submenus of the empty design's menu.
    menuForm_->insertAction(menuForm_->actions().at(kPasteHerePlace), actions->PasteHere());
    connect(menuForm_, &QMenu::aboutToShow, actions, &EditActions::Refresh);
}

void DocumentWindow::BuildPopupMenus() {
    menuForm_ = new QMenu(this);
    menuForm_->setObjectName("menuForm");
    QMenu* file = AddSubmenu(menuForm_, "File", "OptionFile", false);
    AddMenuItem(file, "New", "OptionFileNew", [this] { form_.FileNew(); });
    AddMenuItem(file, "Open...", "OptionFileOpen", [this] { form_.FileOpen(); });
    AddMenuItem(file, "Save", "OptionFileSave", [this] { form_.FileSave(); });
    AddMenuItem(file, "Save As...", "OptionFileSaveAs", [this] { form_.FileSaveAs(); });
    BuildInsertMenu(menuForm_, true, false);
    BuildInsertMenu(menuForm_, true, true);
    AddMenuItem(menuForm_, "&Menu...", "OptionMenu", [this] { emit menuBarRequested(); });
    BuildOptionsMenu(menuForm_, "Option", "&Options");
    AddSeparator(menuForm_);
    BuildGenerateMenu(menuForm_, "Generate AW&T", "OptionGenerateAWT", false, "OptionGenerate");
    BuildGenerateMenu(menuForm_, "Generate Swin&g", "OptionGenerateSwing", true, "OptionGenerate");

    menuControl_ = new QMenu(this);
    menuControl_->setObjectName("menuControl");
    AddMenuItem(menuControl_, "&Delete", "OptionControlDelete",
                [this] { form_.editor.DeleteSelection(); });
    AddMenuItem(menuControl_, "Properties...", "OptionControlProperties", nullptr, false);
    AddMenuItem(
        menuControl_, "Main Menu", "OptionControlMainMenu",
        [this] { ShowPopupMenu("menuControl"); }, false);

    menuToolbar_ = new QMenu(this);
    menuToolbar_->setObjectName("menuToolbar");
    QAction* awt = AddMenuItem(menuToolbar_, "&AWT ", "OptionToolbarAWT", nullptr);
    QAction* swing = AddMenuItem(menuToolbar_, "&Swing", "OptionToolbarSwing1", nullptr);
    AddMenuItem(menuToolbar_, "Swing +", "OptionToolbarSwing2", nullptr, false);
    awt->setCheckable(true);
    swing->setCheckable(true);
    SetPaletteChecks(false, true);
    connect(awt, &QAction::triggered, this, [this] { emit paletteChosen("AWT"); });
    connect(swing, &QAction::triggered, this, [this] { emit paletteChosen("Swing1"); });
}

void DocumentWindow::SetPaletteChecks(bool awt, bool swing) {
    const QList<QAction*> items = menuToolbar_->actions();
    items[0]->setChecked(awt);
    items[1]->setChecked(swing);
}

QMenu* DocumentWindow::PopupMenu(std::string_view menuName) const {
    if (menuName == "menuForm") return menuForm_;
    if (menuName == "menuControl") return menuControl_;
    if (menuName == "menuToolbar") return menuToolbar_;
    return nullptr;
}

void DocumentWindow::ShowPopupMenu(std::string_view menuName) {
    QMenu* menu = PopupMenu(menuName);
    QPoint at = QCursor::pos();
    if (nextPopupX_) at.setX(*nextPopupX_);
    nextPopupX_.reset();
    if (!menu) return;
    // A right press selects the box under it, and the menu takes the release that would have
    // shown that component in the list and the inspector: show it now.
    const int active = form_.doc.ActiveSlot;
    if (menuName == "menuControl" && form_.doc.IsLive(active)) form_.list.ShowInList(active);
    menu->exec(at);
}

// ---------------------------------------------------------------- size and state

QSize DocumentWindow::OuterSizeTwips() const {
    const QSize surface = contentsRect().size();
    return QSize(static_cast<int>(PixelsToTwips(surface.width()) + kFrameWidth),
                 static_cast<int>(PixelsToTwips(surface.height()) + kFrameHeight));
}

// Sizes the window so that its surface is the document's outer size less the frame allowances.
void DocumentWindow::ApplyDocumentSize() {
    // Maximised or minimised, the frame decides the size; the document only records it.
    if (isMaximized() || isMinimized()) return;
    ensurePolished();
    const QSize surface(TwipsToWholePixels(form_.doc.OuterWidth - kFrameWidth),
                        TwipsToWholePixels(form_.doc.OuterHeight - kFrameHeight));
    const QSize frame = size() - contentsRect().size();
    if (contentsRect().size() == surface) return;
    applyingSize_ = true;
    resize(surface + frame);
    applyingSize_ = false;
}

void DocumentWindow::SyncVisibility() {
    if (closing_) return;
    if (form_.Loaded() && !isVisible()) {
        // Closing the window closed the surface inside it too.
        if (widget()) widget()->show();
        show();
        // Showing loads the window afresh at its place inside the frame.
        move(TwipsToWholePixels(kDocumentOffset), TwipsToWholePixels(kDocumentOffset));
        setFocus();
    } else if (!form_.Loaded() && isVisible()) {
        sizePending_ = false;
        hide();
    }
}

QString DocumentWindow::Title() const {
    const std::string& name = form_.doc.Caption;
    return (name.empty() ? QString("Untitled") : QString::fromStdString(name)) +
           (form_.Modified() ? "*" : "");
}

void DocumentWindow::ShowTitle() {
    setWindowTitle(Title());
    emit titleChanged();
}

void DocumentWindow::DesignChanged() {
    ShowTitle();
    SyncVisibility();
    ApplyDocumentSize();
    if (widget()) widget()->update();
    emit designChanged();
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    // A minimised window shows only its title: the design keeps its size.
    if (applyingSize_ || !form_.Loaded() || isMinimized()) return;
    // Maximising and restoring resize the window while it is hidden for the change; the design
    // follows once the window is shown again.
    if (!isVisible()) {
        sizePending_ = true;
        return;
    }
    RecordSize();
}

void DocumentWindow::RecordSize() {
    sizePending_ = false;
    const QSize outer = OuterSizeTwips();
    if (outer.width() != std::lround(form_.doc.OuterWidth) ||
        outer.height() != std::lround(form_.doc.OuterHeight))
        form_.ResizeWindow(outer.width(), outer.height());
    // A resize by the frame's edges is one step until the button comes up; any other (a
    // maximise, a restore) is one of its own.
    if (!mouseResizing_) form_.EndMerging();
}

void DocumentWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (sizePending_ && form_.Loaded() && !isMinimized()) {
        RecordSize();
    } else {
        ApplyDocumentSize();
    }
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (form_.Loaded()) {
        closing_ = true;
        const bool closes = form_.QueryClose();
        closing_ = false;
        if (!closes) {
            event->ignore();
            return;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

void DocumentWindow::mouseReleaseEvent(QMouseEvent* event) {
    QMdiSubWindow::mouseReleaseEvent(event);
    if (!mouseResizing_) return;
    mouseResizing_ = false;
    form_.EndMerging();
}

void DocumentWindow::mousePressEvent(QMouseEvent* event) {
    mouseResizing_ = event->button() == Qt::LeftButton;
    // A title-bar button acts on the part of the title bar the last mouse move found under the
    // mouse. After a prompt closed by a key (or any window that took the mouse away) no move
    // came since: find that part now, as a move to this point would.
    if (event->button() == Qt::LeftButton) {
        QMouseEvent move(QEvent::MouseMove, event->position(), event->globalPosition(),
                         Qt::NoButton, Qt::NoButton, event->modifiers());
        QMdiSubWindow::mouseMoveEvent(&move);
    }
    QMdiSubWindow::mousePressEvent(event);
}

void DocumentWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && form_.Loaded()) {
        form_.WindowKeyDown(kKeyDelete, 0);
        return;
    }
    // The surface answers the arrow keys and Escape, wherever the focus is in the window.
    const bool surfaceKey = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Left ||
                            event->key() == Qt::Key_Right || event->key() == Qt::Key_Up ||
                            event->key() == Qt::Key_Down;
    if (surfaceKey && form_.Loaded() && widget()) {
        QKeyEvent copy(event->type(), event->key(), event->modifiers());
        QCoreApplication::sendEvent(widget(), &copy);
        return;
    }
    QMdiSubWindow::keyPressEvent(event);
}

}  // namespace korvane
