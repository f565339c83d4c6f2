// Files kept in memory, so that fuzzing opens and saves without touching the disk.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace korvane::fuzz {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;

    bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) override {
        auto it = files.find(path);
        if (it == files.end()) {
            error = "No such file or directory";
            return false;
        }
        bytes = it->second;
        return true;
    }
    bool CreateNew(const std::string& path, const std::string&, int& handle,
                   std::string& error) override {
        if (files.count(path)) {
            error = "File exists";
            return false;
        }
        files[path];
        handle = static_cast<int>(open_.size());
        open_.push_back(path);
        return true;
    }
    bool Write(int handle, std::string_view bytes, std::string&) override {
        files[open_.at(static_cast<size_t>(handle))].append(bytes);
        return true;
    }
    bool Flush(int, std::string&) override { return true; }
    bool Close(int, std::string&) override { return true; }
    bool Rename(const std::string& from, const std::string& to, std::string&) override {
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }
    void Remove(const std::string& path) override { files.erase(path); }

  private:
    std::vector<std::string> open_;
};

}  // namespace korvane::fuzz
