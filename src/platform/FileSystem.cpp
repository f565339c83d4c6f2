#include "platform/FileSystem.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/LargeMemory.h"

namespace korvane {
namespace {

constexpr size_t kWritePiece = size_t(64) << 10;
// The part of an old file read at once to compare with a save's pieces.
constexpr size_t kCompareWindow = size_t(256) << 10;
// Two seconds for a pipe's reader to come.
constexpr int kReaderWaits = 40;
constexpr useconds_t kReaderWaitStepUs = 50000;

std::string Reason(int err) {
    return std::strerror(err ? err : EIO);
}

// What a file that is not a plain one is, for a message.
std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

std::string NotPlainFile(mode_t mode) {
    return S_ISDIR(mode) ? "it is a folder" : "it is " + KindOf(mode) + ", not a plain file";
}

// A user or group as a message names it: its name and number, or the number alone.
std::string UserText(uid_t uid) {
    std::vector<char> buffer(16384);
    passwd entry{}, *found = nullptr;
    const std::string number = std::to_string(uid);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return "user " + number;
    return "user \"" + std::string(entry.pw_name) + "\" (" + number + ")";
}

std::string GroupText(gid_t gid) {
    std::vector<char> buffer(16384);
    group entry{}, *found = nullptr;
    const std::string number = std::to_string(gid);
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return "group " + number;
    return "group \"" + std::string(entry.gr_name) + "\" (" + number + ")";
}

// The end of a chain of symbolic links that the system resolves: the first path along it that
// is not a link. A relative link is relative to the folder of the link.
std::string EndOfLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path at(path);
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(at, ec); ++hop) {
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) break;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return at.string();
}

constexpr const char* kShortened = "the file was shortened while being saved";

// Bytes [begin, end) of the file open to read as `from`, written into `to` through the program.
bool CopyThroughBuffer(FileSystem& files, int from, int to, uint64_t begin, uint64_t end,
                       std::string& error) {
    std::string buffer(std::min<uint64_t>(end - begin, kCompareWindow), '\0');
    for (uint64_t at = begin; at < end;) {
        size_t got = 0;
        const size_t want = static_cast<size_t>(std::min<uint64_t>(buffer.size(), end - at));
        if (!files.ReadAt(from, at, buffer.data(), want, got, error)) return false;
        if (got == 0) {
            error = kShortened;
            return false;
        }
        if (!files.Write(to, std::string_view(buffer.data(), got), error)) return false;
        at += got;
    }
    return true;
}

using SaveTarget = FileSystem::SaveTarget;
using Way = SaveTarget::Way;

// The target of a save to an existing file of this kind at `path`.
SaveTarget TargetOfKind(const std::string& path, mode_t mode) {
    if (S_ISREG(mode)) return {Way::Replace, path, {}};
    // What is written into a pipe or a terminal goes to a reader; nothing is there to replace.
    if (S_ISFIFO(mode) || S_ISCHR(mode)) return {Way::WriteInto, path, {}};
    if (S_ISDIR(mode)) return {Way::Refuse, path, "it is a folder"};
    return {Way::Refuse, path, "it is " + KindOf(mode) + ", which a save does not write onto"};
}

class PosixFileSystem : public FileSystem {
  public:
    PosixFileSystem() {
        // Ended in the middle of a save, the program would leave its temporary file behind.
        std::signal(SIGXFSZ, SIG_IGN);
        std::signal(SIGPIPE, SIG_IGN);
    }

    bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) override {
        // Looked at before it is opened: opening a pipe waits for a writer, and a device can
        // be read without end.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            error = NotPlainFile(st.st_mode);
            return false;
        }
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
        struct stat old {};
        if (modeLike.empty() || ::stat(modeLike.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
            return true;
        if (!KeepOwner(handle, old, error)) {
            ::close(handle);
            ::unlink(path.c_str());
            return false;
        }
        // After the owner: a change of owner clears the set-user and set-group bits.
        (void)::fchmod(handle, old.st_mode & 07777);
        return true;
    }

    bool OpenToWriteInto(const std::string& path, int& handle, std::string& error) override {
        // A pipe's reader may start just after the writer, as in `korvane-gen ... -o pipe &
        // reader pipe`; it is given a moment, not waited for without end as cp does, which
        // would leave a desktop save hanging.
        for (int wait = 0;; ++wait) {
            handle = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (handle >= 0 || errno != ENXIO || wait == kReaderWaits) break;
            ::usleep(kReaderWaitStepUs);
        }
        if (handle < 0) {
            error =
                errno == ENXIO ? "it is a named pipe that no program reads from" : Reason(errno);
            return false;
        }
        struct stat st {};
        const int flags = ::fcntl(handle, F_GETFL);
        if (::fstat(handle, &st) != 0 || S_ISREG(st.st_mode) || flags < 0 ||
            ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            // A plain file put in its place since is not written over in place.
            error = S_ISREG(st.st_mode) ? "it was replaced by a plain file while being saved"
                                        : Reason(errno);
            ::close(handle);
            return false;
        }
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

    bool OpenToRead(const std::string& path, int& handle, std::string& error) override {
        handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (handle < 0) {
            error = Reason(errno);
            return false;
        }
        struct stat st {};
        const bool known = ::fstat(handle, &st) == 0;
        if (known && S_ISREG(st.st_mode)) return true;
        error = known ? NotPlainFile(st.st_mode) : Reason(errno);
        ::close(handle);
        return false;
    }

    bool ReadAt(int handle, uint64_t offset, char* into, size_t size, size_t& got,
                std::string& error) override {
        ssize_t n;
        do {
            n = ::pread(handle, into, size, static_cast<off_t>(offset));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            error = Reason(errno);
            return false;
        }
        got = static_cast<size_t>(n);
        return true;
    }

    bool Touch(int handle, std::string& error) override {
        if (::futimens(handle, nullptr) == 0) return true;
        error = Reason(errno);
        return false;
    }

    // Copied by the system, without passing through the program, where it can.
    bool CopyStart(int from, int to, uint64_t size, std::string& error) override {
        loff_t in = 0;
        while (static_cast<uint64_t>(in) < size) {
            const ssize_t n =
                ::copy_file_range(from, &in, to, nullptr, static_cast<size_t>(size - in), 0);
            if (n > 0) continue;
            if (n < 0 && errno == EINTR) continue;
            if (n == 0) {
                error = kShortened;
                return false;
            }
            // Not between these two files: the rest through the program. Nothing was written
            // by the failed call, and `in` counts what was.
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
                return CopyThroughBuffer(*this, from, to, static_cast<uint64_t>(in), size, error);
            error = Reason(errno);
            return false;
        }
        return true;
    }

    SaveTarget FindSaveTarget(const std::string& path) override {
        struct stat st {};
        // Not there yet: a new file, whose creation says what is wrong with its folder.
        if (::lstat(path.c_str(), &st) != 0) return {Way::Replace, path, {}};
        if (!S_ISLNK(st.st_mode)) return TargetOfKind(path, st.st_mode);
        // The system resolves the links, the special ones of /proc and /dev included.
        if (::stat(path.c_str(), &st) != 0) {
            if (errno == ELOOP)
                return {Way::Refuse, path, "it is a symbolic link that leads round in a loop"};
            if (errno == ENOENT)
                return {
                    Way::Refuse, path,
                    "it is a symbolic link to \"" + EndOfLinks(path) + "\", which does not exist"};
            return {Way::Refuse, path, Reason(errno)};
        }
        // A plain file is replaced where it lies, so that the links stay; anything else is
        // opened through them.
        return TargetOfKind(S_ISREG(st.st_mode) ? EndOfLinks(path) : path, st.st_mode);
    }

  private:
    static bool ReadOpen(int fd, std::string& bytes, std::string& error) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            error = Reason(errno);
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = NotPlainFile(st.st_mode);
            return false;
        }
        const std::string tooLarge = "it is larger than 1 GiB (" +
                                     std::to_string(kLargestDesignFile) +
                                     " bytes), the largest design file Korvane opens";
        if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > kLargestDesignFile) {
            error = tooLarge;
            return false;
        }
        bytes.clear();
        bytes.reserve(static_cast<size_t>(st.st_size));
        AdviseLargePages(bytes.data(), bytes.capacity());
        char buffer[1 << 16];
        while (true) {
            ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error = Reason(errno);
                return false;
            }
            if (n == 0) return true;
            if (bytes.size() + static_cast<size_t>(n) > kLargestDesignFile) {
                error = tooLarge;
                return false;
            }
            bytes.append(buffer, static_cast<size_t>(n));
        }
    }

    // Gives the new file `fd` the owner and group of the file it replaces, where they differ.
    static bool KeepOwner(int fd, const struct stat& old, std::string& error) {
        struct stat now {};
        if (::fstat(fd, &now) != 0) {
            error = Reason(errno);
            return false;
        }
        if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return true;
        const uid_t uid = now.st_uid == old.st_uid ? static_cast<uid_t>(-1) : old.st_uid;
        const gid_t gid = now.st_gid == old.st_gid ? static_cast<gid_t>(-1) : old.st_gid;
        if (::fchown(fd, uid, gid) == 0) return true;
        error = "the file belongs to " + UserText(old.st_uid) + " and " + GroupText(old.st_gid) +
                ", which a file written in its place cannot keep (" + Reason(errno) + ")";
        return false;
    }
};

// A hidden name beside the target, short enough for any target name the folder allows.
std::string TemporaryPath(const std::string& target, unsigned number) {
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    std::string name = ".korvane-" + std::to_string(number) + ".tmp";
    return folder.empty() ? name : (folder / name).string();
}

}  // namespace

bool FileSystem::OpenToWriteInto(const std::string&, int&, std::string& error) {
    error = Reason(ENOTSUP);
    return false;
}

bool FileSystem::OpenToRead(const std::string&, int&, std::string& error) {
    error = Reason(ENOTSUP);
    return false;
}

bool FileSystem::ReadAt(int, uint64_t, char*, size_t, size_t&, std::string& error) {
    error = Reason(ENOTSUP);
    return false;
}

bool FileSystem::Touch(int, std::string& error) {
    error = Reason(ENOTSUP);
    return false;
}

bool FileSystem::CopyStart(int from, int to, uint64_t size, std::string& error) {
    return CopyThroughBuffer(*this, from, to, 0, size, error);
}

FileSystem& RealFileSystem() {
    static PosixFileSystem files;
    return files;
}

AtomicFileWriter::AtomicFileWriter(FileSystem& files, std::string path, IfUnchanged ifUnchanged)
    : files_(files), target_(files.FindSaveTarget(path)), ifUnchanged_(ifUnchanged) {}

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

void AtomicFileWriter::Abandon() {
    CloseOldFile();
    if (open_) {
        std::string ignored;
        files_.Close(handle_, ignored);
        open_ = false;
    }
    if (!temp_.empty()) files_.Remove(temp_);
    temp_.clear();
}

void AtomicFileWriter::CloseOldFile() {
    if (oldHandle_ >= 0) {
        std::string ignored;
        files_.Close(oldHandle_, ignored);
    }
    oldHandle_ = -1;
    comparing_ = false;
}

bool AtomicFileWriter::Open(std::string& error) {
    Abandon();
    switch (target_.way) {
        case FileSystem::SaveTarget::Way::Refuse:
            error = target_.reason;
            return false;
        case FileSystem::SaveTarget::Way::WriteInto:
            open_ = files_.OpenToWriteInto(target_.path, handle_, error);
            return open_;
        case FileSystem::SaveTarget::Way::Replace:
            break;
    }
    // A file that cannot be read (missing, or not readable) is simply written afresh.
    std::string ignored;
    if (ifUnchanged_ == IfUnchanged::KeepFile &&
        files_.OpenToRead(target_.path, oldHandle_, ignored)) {
        comparing_ = true;
        repeated_ = 0;
        window_.resize(kCompareWindow);  // once: a resize per read would clear it each time
        windowStart_ = windowEnd_ = 0;
        return true;
    }
    oldHandle_ = -1;
    return OpenTemporaryFile(error);
}

bool AtomicFileWriter::OpenTemporaryFile(std::string& error) {
    std::random_device random;
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string temp = TemporaryPath(target_.path, random() % 1000000000u);
        if (files_.CreateNew(temp, target_.path, handle_, error)) {
            temp_ = std::move(temp);
            open_ = true;
            return true;
        }
        if (error != std::strerror(EEXIST)) return false;
    }
    return false;
}

size_t AtomicFileWriter::RepeatedOfOld(std::string_view bytes) {
    size_t same = 0;
    while (same < bytes.size()) {
        if (repeated_ == windowEnd_) {
            // The next part of the old file; a file that ends or cannot be read differs.
            size_t got = 0;
            std::string ignored;
            if (!files_.ReadAt(oldHandle_, repeated_, window_.data(), window_.size(), got, ignored))
                got = 0;
            windowStart_ = repeated_;
            windowEnd_ = repeated_ + got;
            if (got == 0) break;
        }
        const size_t at = static_cast<size_t>(repeated_ - windowStart_);
        const size_t n = std::min<uint64_t>(bytes.size() - same, windowEnd_ - repeated_);
        if (std::memcmp(bytes.data() + same, window_.data() + at, n) != 0) {
            // Only the part before the first difference is shared.
            size_t k = 0;
            while (bytes[same + k] == window_[at + k]) ++k;
            repeated_ += k;
            return same + k;
        }
        same += n;
        repeated_ += n;
    }
    return same;
}

bool AtomicFileWriter::OldFileEndsHere() {
    char byte;
    size_t got = 0;
    std::string ignored;
    return files_.ReadAt(oldHandle_, repeated_, &byte, 1, got, ignored) && got == 0;
}

bool AtomicFileWriter::StopComparing(std::string& error) {
    comparing_ = false;
    if (!OpenTemporaryFile(error)) {
        CloseOldFile();
        return false;
    }
    if (!files_.CopyStart(oldHandle_, handle_, repeated_, error)) {
        Abandon();
        return false;
    }
    CloseOldFile();
    std::string().swap(window_);
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes, std::string& error) {
    if (comparing_) {
        const size_t same = RepeatedOfOld(bytes);
        if (same == bytes.size()) return true;
        // `repeated_` now counts the bytes before the first difference.
        if (!StopComparing(error)) return false;
        bytes.remove_prefix(same);
    }
    if (!open_) {
        error = Reason(EBADF);
        return false;
    }
    if (files_.Write(handle_, bytes, error)) return true;
    Abandon();
    return false;
}

bool AtomicFileWriter::Commit(std::string& error) {
    if (comparing_) {
        // The same bytes: the file stays as it is, only marked as written now. A file that
        // cannot be marked (not the user's own) is written afresh, as it would have been.
        std::string ignored;
        if (OldFileEndsHere() && files_.Touch(oldHandle_, ignored)) {
            CloseOldFile();
            return true;
        }
        if (!StopComparing(error)) return false;
    }
    if (!open_) {
        error = Reason(EBADF);
        return false;
    }
    const bool replacing = target_.way == FileSystem::SaveTarget::Way::Replace;
    // A pipe or a terminal has nothing to make durable.
    bool flushed = !replacing || files_.Flush(handle_, error);
    open_ = false;
    std::string closeError;
    bool closed = files_.Close(handle_, closeError);
    if (flushed && !closed) error = closeError;
    if (!flushed || !closed || (replacing && !files_.Rename(temp_, target_.path, error))) {
        Abandon();
        return false;
    }
    temp_.clear();
    return true;
}

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes,
                         std::string& error, IfUnchanged ifUnchanged) {
    AtomicFileWriter out(files, path, ifUnchanged);
    if (!out.Open(error)) return false;
    for (size_t at = 0; at < bytes.size(); at += kWritePiece)
        if (!out.Write(bytes.substr(at, std::min(kWritePiece, bytes.size() - at)), error))
            return false;
    return out.Commit(error);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         IfUnchanged ifUnchanged) {
    return WriteFileAtomically(RealFileSystem(), path, bytes, error, ifUnchanged);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    return RealFileSystem().ReadWhole(path, bytes, error);
}

}  // namespace korvane
