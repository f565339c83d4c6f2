// Unsaved work kept for recovery. While the design differs from its file, the desktop program
// keeps a copy of it in a recovery file of its own in the user's state folder (never beside
// the design), written a few seconds after the changes, and removes that file once the design
// is saved, closed or discarded and when the program exits cleanly. A program that ends
// otherwise (a crash, a kill, the session or the machine stopping) leaves the file, and the
// next program to start offers it back.
//
// Each running program holds the lock of its own files (platform/OwnerLock), so that a
// program starting while others run tells their files, which it leaves alone, from those of
// programs that ended. Files are named after the process id with a random part, so that a
// process id used again never meets an old file.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "document/DesignDocument.h"
#include "platform/OwnerLock.h"

namespace korvane {

class DocumentController;

// The recovery folder for these values of XDG_STATE_HOME and HOME (either may be null):
// $XDG_STATE_HOME/korvane/recovery, else ~/.local/state/korvane/recovery; "" when neither
// gives an absolute folder.
std::string RecoveryFolder(const char* stateHome, const char* home);

// The text of a recovery file: the project file Save writes, then a [Recovery] section with
// the design's file name and path (empty for a design never saved).
std::string RecoveryText(const DesignDocument& doc);

// A recovery file that a program left when it ended without cleaning up.
struct LeftRecovery {
    std::string design;    // the recovery file
    std::string lock;      // the lock file of the program that wrote it
    std::string fileName;  // the design's own file: its name and full path ("" if none)
    std::string filePath;
    std::filesystem::file_time_type written;
};

// Opens a left recovery file as the design it keeps: under its own file's name and path, and
// modified, so that Save writes the design's file and closing asks first. False, with the
// message shown, when it cannot be read.
bool RestoreRecovery(DocumentController& form, const LeftRecovery& left);

// When the recovery file is written: once the user pauses for a moment after a change, and
// while changes go on without a pause, no later than a while after the first of them.
class RecoverySchedule {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kPause = std::chrono::seconds(2);
    static constexpr Clock::duration kLongest = std::chrono::seconds(20);

    // A change at `now`; returns when the write is due.
    Clock::time_point Changed(Clock::time_point now);
    // The changes so far are written (or there is nothing left to write).
    void Written() { pending_ = false; }
    bool Pending() const { return pending_; }

  private:
    bool pending_ = false;
    Clock::time_point first_{};
};

// This program's recovery file and its lock, and the files that ended programs left.
class RecoveryFiles {
  public:
    // Creates the folder (for this user only) and takes a lock of this program's own in it;
    // Ready() tells whether it could, Problem() why not.
    explicit RecoveryFiles(std::string folder);
    // The lock file goes with the lock; the recovery file is the caller's to remove first.
    ~RecoveryFiles();
    RecoveryFiles(const RecoveryFiles&) = delete;
    RecoveryFiles& operator=(const RecoveryFiles&) = delete;

    bool Ready() const { return lock_.Held(); }
    const std::string& Problem() const { return problem_; }
    // This program's recovery file.
    const std::string& DesignPath() const { return design_; }
    // The recovery files of programs no longer running, newest first.
    std::vector<LeftRecovery> Leftovers() const;

  private:
    void RemoveLocksOfEndedPrograms() const;

    std::string folder_;
    std::string design_;
    std::string problem_;
    OwnerLock lock_;
};

}  // namespace korvane
