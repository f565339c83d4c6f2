#include "qt/HelpViewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    browser_->setObjectName("HelpText");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

void HelpViewer::ShowContents(const QString& path) {
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable()) {
        setWindowTitle("Korvane Help");
        browser_->setSearchPaths({file.absolutePath()});
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()),
                            QTextDocument::HtmlResource);
        browser_->scrollToAnchor("contents");
    } else {
        setWindowTitle("Korvane Help");
        browser_->setSource(QUrl());
        browser_->setHtml("<h3>Help file not found</h3><p>The help file <b>" +
                          path.toHtmlEscaped() + "</b> could not be found.</p>");
    }
    // Opened first over the middle of the main window; afterwards where the user left it.
    if (!placed_ && parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        resize(std::min(760, std::max(560, owner.width() * 2 / 3)),
               std::min(640, std::max(480, owner.height() * 3 / 4)));
        move(owner.center() - rect().center());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace korvane
