#include "mainwindow/RecentFiles.h"

#include <algorithm>

namespace korvane {

void RecentFiles::Set(const std::vector<std::string>& paths) {
    paths_.clear();
    for (const std::string& path : paths) {
        if (path.empty() || std::find(paths_.begin(), paths_.end(), path) != paths_.end()) continue;
        paths_.push_back(path);
        if (paths_.size() == kMaxFiles) break;
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty() || (!paths_.empty() && paths_.front() == path)) return;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxFiles) paths_.resize(kMaxFiles);
    Changed();
}

void RecentFiles::Remove(const std::string& path) {
    if (std::erase(paths_, path) > 0) Changed();
}

void RecentFiles::Clear() {
    if (paths_.empty()) return;
    paths_.clear();
    Changed();
}

void RecentFiles::Changed() {
    if (OnChanged) OnChanged();
}

}  // namespace korvane
