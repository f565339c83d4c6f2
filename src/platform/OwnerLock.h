// A file locked for as long as the process that locked it runs. The system lets the lock go
// however the process ends, a crash or SIGKILL included, so another process tells from it
// whether its owner still runs, whatever became of the owner's process id since and whichever
// process-id namespace it ran in.
#pragma once

#include <string>

namespace korvane {

class OwnerLock {
  public:
    OwnerLock() = default;
    ~OwnerLock() { Release(); }
    OwnerLock(const OwnerLock&) = delete;
    OwnerLock& operator=(const OwnerLock&) = delete;

    // Makes the file at `path` and locks it; false with a reason when it cannot, or when
    // another process holds it. Meant for a name that no other process takes at the same time.
    bool Take(const std::string& path, std::string& error);
    // Lets the lock go; the file stays (RemoveFile takes it away first).
    void Release();
    // Removes the file, then lets the lock go.
    void RemoveFile();
    bool Held() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
};

// Whether a running process, this one included, holds the lock of the file at `path`; false
// when there is no such file.
bool OwnerLockHeld(const std::string& path);

// Removes the folders in `parent` whose names begin with `prefix` and that belong to this
// user, when the lock file `lockName` inside is not held: what programs that ended without
// cleaning up left. A folder without its lock file is taken as abandoned only once it is a
// day old, since its program may be about to lock it.
void RemoveAbandonedFolders(const std::string& parent, const std::string& prefix,
                            const std::string& lockName);

}  // namespace korvane
