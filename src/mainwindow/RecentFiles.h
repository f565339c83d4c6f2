// File > Open Recent: the project files opened or saved last, newest first. The program keeps
// the list in its settings between runs; OnChanged says when to store it again.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace korvane {

class RecentFiles {
  public:
    static constexpr size_t kMaxFiles = 10;

    const std::vector<std::string>& Paths() const { return paths_; }
    // The list as stored: empty paths and repeats left out, at most kMaxFiles.
    void Set(const std::vector<std::string>& paths);
    // A file was opened or saved: first in the list, once.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    void Clear();

    std::function<void()> OnChanged;

  private:
    void Changed();
    std::vector<std::string> paths_;
};

}  // namespace korvane
