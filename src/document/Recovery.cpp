#include "document/Recovery.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSection = "Recovery";
constexpr const char* kDesignExtension = ".dat";
constexpr const char* kLockExtension = ".lock";

// A value kept whole by the file, which holds a value on one line.
std::string OneLine(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos ? text : std::string();
}

std::string FolderOf(const std::string& path) {
    const size_t separator = path.rfind(static_cast<char>(fs::path::preferred_separator));
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

std::string RecoveryFolder(const char* stateHome, const char* home) {
    fs::path state;
    if (stateHome && fs::path(stateHome).is_absolute()) {
        state = stateHome;
    } else if (home && fs::path(home).is_absolute()) {
        state = fs::path(home) / ".local" / "state";
    } else {
        return {};
    }
    return (state / "korvane" / "recovery").string();
}

std::string RecoveryText(const DesignDocument& doc) {
    ProfileWriter section;
    // A file name and its path come back together, or neither does.
    const bool whole =
        OneLine(doc.FileName) == doc.FileName && OneLine(doc.FilePath) == doc.FilePath;
    section.WriteText(kSection, "Name", whole ? doc.FileName : "");
    section.WriteText(kSection, "File", whole ? doc.FilePath : "");
    return ProjectFileText(doc) + std::move(section).Text();
}

bool RestoreRecovery(DocumentController& form, const LeftRecovery& left) {
    const std::string lastFolder = form.LastFolder;
    if (!form.OpenPath(left.design, false)) return false;
    DesignDocument& doc = form.doc;
    doc.FileName = left.fileName;
    doc.FilePath = left.filePath;
    doc.Caption = doc.FileName;
    // The dialogs open where the design's file is, not in the recovery folder.
    const std::string folder = FolderOf(left.filePath);
    form.LastFolder = folder.empty() ? lastFolder : folder;
    form.History().ForgetSaved();
    form.NotifyChanged();
    return true;
}

RecoverySchedule::Clock::time_point RecoverySchedule::Changed(Clock::time_point now) {
    if (!pending_) {
        pending_ = true;
        first_ = now;
    }
    return std::min(now + kPause, first_ + kLongest);
}

RecoveryFiles::RecoveryFiles(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) {
        problem_ = "there is no home folder";
        return;
    }
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // Designs are private: the folder is the user's alone.
    if (ec || ::chmod(folder_.c_str(), 0700) != 0) {
        problem_ = "the folder " + folder_ + " cannot be made: " + (ec ? ec.message() : "chmod");
        return;
    }
    RemoveLocksOfEndedPrograms();
    std::random_device random;
    const std::string stem = (fs::path(folder_) / (std::to_string(::getpid()) + "-" +
                                                   std::to_string(random() % 1000000000u)))
                                 .string();
    if (!lock_.Take(stem + kLockExtension, problem_)) {
        problem_ = "the lock " + stem + kLockExtension + " cannot be taken: " + problem_;
        return;
    }
    design_ = stem + kDesignExtension;
}

void RecoveryFiles::RemoveLocksOfEndedPrograms() const {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, ec)) {
        const fs::path& lock = entry.path();
        if (lock.extension() != kLockExtension) continue;
        // A program that ended by a signal without changes to keep leaves its lock alone.
        if (!OwnerLockHeld(lock.string()) &&
            !fs::exists(fs::path(lock).replace_extension(kDesignExtension), ec))
            fs::remove(lock, ec);
    }
}

RecoveryFiles::~RecoveryFiles() {
    lock_.RemoveFile();
}

std::vector<LeftRecovery> RecoveryFiles::Leftovers() const {
    std::vector<LeftRecovery> left;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, ec)) {
        const fs::path& design = entry.path();
        if (design.extension() != kDesignExtension || !entry.is_regular_file(ec) ||
            design == design_)
            continue;
        LeftRecovery r;
        r.design = design.string();
        r.lock = fs::path(design).replace_extension(kLockExtension).string();
        if (OwnerLockHeld(r.lock)) continue;
        r.written = entry.last_write_time(ec);
        std::string bytes, error;
        if (ReadWholeFile(r.design, bytes, error)) {
            const ProfileReader file = ProfileReader::FromOwnedBytes(std::move(bytes));
            r.fileName = file.Read(kSection, "Name");
            r.filePath = file.Read(kSection, "File");
        }
        left.push_back(std::move(r));
    }
    std::sort(left.begin(), left.end(),
              [](const LeftRecovery& a, const LeftRecovery& b) { return a.written > b.written; });
    return left;
}

}  // namespace korvane
