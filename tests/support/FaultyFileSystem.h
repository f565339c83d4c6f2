// The machine's files with one operation made to fail: the n-th open, write, flush, close or
// rename (counting from 1) reports "No space left on device" or "Permission denied" instead
// of happening.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/FileSystem.h"

namespace korvane::testing {

enum class FileStep { Open, Write, Flush, Close, Rename };

inline const char* StepName(FileStep step) {
    switch (step) {
        case FileStep::Open:
            return "open";
        case FileStep::Write:
            return "write";
        case FileStep::Flush:
            return "flush";
        case FileStep::Close:
            return "close";
        case FileStep::Rename:
            return "rename";
    }
    return "";
}

class FaultyFileSystem : public FileSystem {
  public:
    FaultyFileSystem(FileStep step, int nth) : step_(step), nth_(nth) {}

    // Whether the planned failure happened.
    bool Failed() const { return failed_; }
    // The reason the failing step reports.
    std::string Reason() const { return std::strerror(step_ == FileStep::Open ? EACCES : ENOSPC); }
    int Writes() const { return counts_[static_cast<int>(FileStep::Write)]; }

    bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) override {
        return real_.ReadWhole(path, bytes, error);
    }
    bool CreateNew(const std::string& path, const std::string& modeLike, int& handle,
                   std::string& error) override {
        return !Fails(FileStep::Open, error) && real_.CreateNew(path, modeLike, handle, error);
    }
    bool Write(int handle, std::string_view bytes, std::string& error) override {
        return !Fails(FileStep::Write, error) && real_.Write(handle, bytes, error);
    }
    bool Flush(int handle, std::string& error) override {
        return !Fails(FileStep::Flush, error) && real_.Flush(handle, error);
    }
    bool Close(int handle, std::string& error) override {
        // The descriptor goes in any case, as close() does.
        std::string realError;
        bool closed = real_.Close(handle, realError);
        if (Fails(FileStep::Close, error)) return false;
        if (!closed) error = realError;
        return closed;
    }
    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        return !Fails(FileStep::Rename, error) && real_.Rename(from, to, error);
    }
    void Remove(const std::string& path) override { real_.Remove(path); }
    bool OpenToWriteInto(const std::string& path, int& handle, std::string& error) override {
        return !Fails(FileStep::Open, error) && real_.OpenToWriteInto(path, handle, error);
    }
    SaveTarget FindSaveTarget(const std::string& path) override {
        return real_.FindSaveTarget(path);
    }

  private:
    bool Fails(FileStep step, std::string& error) {
        if (step != step_ || ++counts_[static_cast<int>(step)] != nth_) {
            if (step != step_) ++counts_[static_cast<int>(step)];
            return false;
        }
        failed_ = true;
        error = Reason();
        return true;
    }

    FileSystem& real_ = RealFileSystem();
    FileStep step_;
    int nth_;
    int counts_[5] = {};
    bool failed_ = false;
};

}  // namespace korvane::testing
