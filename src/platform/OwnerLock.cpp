#include "platform/OwnerLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace korvane {
namespace {

constexpr std::time_t kUnlockedFolderAge = 24 * 60 * 60;

}  // namespace

bool OwnerLock::Take(const std::string& path, std::string& error) {
    Release();
    if (OwnerLockHeld(path)) {
        error = "another program holds it";
        return false;
    }
    // Locked under a name of its own, then renamed into place: no other process ever finds
    // the file at `path` unlocked while its owner runs. Not inherited: a child process (the
    // preview's Java) must not keep the lock alive.
    const std::string fresh = path + ".new-" + std::to_string(::getpid());
    const int fd = ::open(fresh.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(fresh.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(fresh.c_str());
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

void OwnerLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void OwnerLock::RemoveFile() {
    if (fd_ >= 0) ::unlink(path_.c_str());
    Release();
}

bool OwnerLockHeld(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void RemoveAbandonedFolders(const std::string& parent, const std::string& prefix,
                            const std::string& lockName) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::time_t now = std::time(nullptr);
    for (const fs::directory_entry& entry : fs::directory_iterator(parent, ec)) {
        const std::string name = entry.path().filename().string();
        struct stat st {};
        // Only this user's own folders, never through a link.
        if (name.rfind(prefix, 0) != 0 || ::lstat(entry.path().c_str(), &st) != 0 ||
            !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const std::string lock = (entry.path() / lockName).string();
        struct stat lockStat {};
        const bool locked = ::lstat(lock.c_str(), &lockStat) == 0;
        if (locked ? OwnerLockHeld(lock) : now - st.st_mtime < kUnlockedFolderAge) continue;
        fs::remove_all(entry.path(), ec);
    }
}

}  // namespace korvane
