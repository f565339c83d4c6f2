#include "qt/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStringList>
#include <QTreeView>

namespace korvane {
namespace {

constexpr int32_t kOverwritePrompt = 2;
// Room for long names and every column of the detail view, pixels.
constexpr QSize kDialogSize(880, 560);

}  // namespace

QString QtNameFilter(const std::string& description, const std::string& pattern) {
    const QString text = QString::fromStdString(description);
    if (text.contains('(') || pattern.empty()) return text;
    return text + " (" + QString::fromStdString(pattern) + ")";
}

FileDialogAnswer QtFileDialog::Show(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title));
    const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : kDialogSize;
    dialog.resize(kDialogSize.boundedTo(room));
    // The detail view: names take the room the other columns leave, which show in full.
    if (auto* details = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto& [description, pattern] : request.filters)
        filters << QtNameFilter(description, pattern);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // "*.dat" as the default extension: a name typed without one receives ".dat".
    QString suffix = QString::fromStdString(request.defaultExt);
    if (suffix.startsWith("*.")) suffix.remove(0, 2);
    dialog.setDefaultSuffix(suffix);
    const QString folder = QString::fromStdString(request.initialFolder);
    dialog.setDirectory(folder.isEmpty() || !QDir(folder).exists() ? QDir::currentPath() : folder);
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & kOverwritePrompt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    FileDialogAnswer answer;
    answer.path = QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
    answer.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.filterIndex < 1) answer.filterIndex = 1;
    return answer;
}

}  // namespace korvane
