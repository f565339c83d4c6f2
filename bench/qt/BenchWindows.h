// What the desktop benchmarks share: services that answer every question at once, and a main
// window opened on a design as a user sees it.
#pragma once

#include <QSize>
#include <string>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "qt/MainWindow.h"

namespace korvane::bench {

// Every message is answered No and every file dialog cancelled, without a window.
struct QuietServices : MessageBoxService, FileDialogService {
    MessageResult Show(const MessageRequest&) override { return MessageResult::No; }
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

// Shows the window (at `size`, when given) and opens the design at `path` in it.
inline void OpenShown(MainWindow& window, const std::string& path, QSize size = {}) {
    if (size.isValid()) window.resize(size);
    window.show();
    window.Document().OpenPath(path);
    window.Sync();
}

}  // namespace korvane::bench
