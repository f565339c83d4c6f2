#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace korvane {
namespace {

constexpr size_t kLargestFile = size_t(1) << 30;
constexpr size_t kWritePiece = size_t(64) << 10;

std::string Reason(int err) {
    return std::strerror(err ? err : EIO);
}

class PosixFileSystem : public FileSystem {
  public:
    bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) override {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = Reason(errno);
            return false;
        }
        bool ok = ReadOpen(fd, bytes, error);
        ::close(fd);
        return ok;
    }

    bool CreateNew(const std::string& path, const std::string& modeLike, int& handle,
                   std::string& error) override {
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle < 0) {
            error = Reason(errno);
            return false;
        }
        // A replaced file keeps its permissions.
        struct stat old {};
        if (!modeLike.empty() && ::stat(modeLike.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            (void)::fchmod(handle, old.st_mode & 07777);
        return true;
    }

    bool Write(int handle, std::string_view bytes, std::string& error) override {
        while (!bytes.empty()) {
            ssize_t n = ::write(handle, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error = Reason(n < 0 ? errno : ENOSPC);
                return false;
            }
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    bool Flush(int handle, std::string& error) override {
        if (::fsync(handle) == 0) return true;
        error = Reason(errno);
        return false;
    }

    bool Close(int handle, std::string& error) override {
        if (::close(handle) == 0) return true;
        error = Reason(errno);
        return false;
    }

    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        if (::rename(from.c_str(), to.c_str()) == 0) return true;
        error = Reason(errno);
        return false;
    }

    void Remove(const std::string& path) override { ::unlink(path.c_str()); }

    std::string SaveTarget(const std::string& path) override {
        namespace fs = std::filesystem;
        fs::path at(path);
        std::error_code ec;
        // As the system does, give up on a chain longer than 40 links (a loop); the rename
        // then replaces the first link, as it would any file.
        for (int hop = 0; hop < 40 && fs::is_symlink(at, ec); ++hop) {
            const fs::path next = fs::read_symlink(at, ec);
            if (ec) return path;
            at = next.is_absolute() ? next : at.parent_path() / next;
        }
        return fs::is_symlink(at, ec) ? path : at.string();
    }

  private:
    static bool ReadOpen(int fd, std::string& bytes, std::string& error) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            error = Reason(errno);
            return false;
        }
        if (S_ISDIR(st.st_mode)) {
            error = "it is a folder";
            return false;
        }
        if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > kLargestFile) {
            error = "the file is larger than 1 GiB";
            return false;
        }
        bytes.clear();
        bytes.reserve(static_cast<size_t>(st.st_size));
        char buffer[1 << 16];
        while (true) {
            ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error = Reason(errno);
                return false;
            }
            if (n == 0) return true;
            if (bytes.size() + static_cast<size_t>(n) > kLargestFile) {
                error = "the file is larger than 1 GiB";
                return false;
            }
            bytes.append(buffer, static_cast<size_t>(n));
        }
    }
};

// A hidden name beside the target, short enough for any target name the folder allows.
std::string TemporaryPath(const std::string& target, unsigned number) {
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    std::string name = ".korvane-" + std::to_string(number) + ".tmp";
    return folder.empty() ? name : (folder / name).string();
}

}  // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem files;
    return files;
}

AtomicFileWriter::AtomicFileWriter(FileSystem& files, std::string path)
    : files_(files), path_(files.SaveTarget(path)) {}

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

void AtomicFileWriter::Abandon() {
    if (open_) {
        std::string ignored;
        files_.Close(handle_, ignored);
        open_ = false;
    }
    if (!temp_.empty()) files_.Remove(temp_);
    temp_.clear();
}

bool AtomicFileWriter::Open(std::string& error) {
    Abandon();
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string temp = TemporaryPath(path_, random() % 1000000000u);
        if (files_.CreateNew(temp, path_, handle_, error)) {
            temp_ = std::move(temp);
            open_ = true;
            return true;
        }
        if (error != std::strerror(EEXIST)) return false;
    }
    return false;
}

bool AtomicFileWriter::Write(std::string_view bytes, std::string& error) {
    if (!open_) {
        error = Reason(EBADF);
        return false;
    }
    if (files_.Write(handle_, bytes, error)) return true;
    Abandon();
    return false;
}

bool AtomicFileWriter::Commit(std::string& error) {
    if (!open_) {
        error = Reason(EBADF);
        return false;
    }
    bool flushed = files_.Flush(handle_, error);
    open_ = false;
    std::string closeError;
    bool closed = files_.Close(handle_, closeError);
    if (flushed && !closed) error = closeError;
    if (!flushed || !closed || !files_.Rename(temp_, path_, error)) {
        Abandon();
        return false;
    }
    temp_.clear();
    return true;
}

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes,
                         std::string& error) {
    AtomicFileWriter out(files, path);
    if (!out.Open(error)) return false;
    for (size_t at = 0; at < bytes.size(); at += kWritePiece)
        if (!out.Write(bytes.substr(at, std::min(kWritePiece, bytes.size() - at)), error))
            return false;
    return out.Commit(error);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    return WriteFileAtomically(RealFileSystem(), path, bytes, error);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    return RealFileSystem().ReadWhole(path, bytes, error);
}

}  // namespace korvane
