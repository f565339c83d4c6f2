// What a save does with each kind of file found at its path: a plain file (also at the end of
// symbolic links) is replaced and keeps its permissions, owner and group; a named pipe or a
// character device is written into; anything else is refused with the reason and left as it
// was. No temporary file stays in any case. Then the same limits as korvane-gen meets them:
// special files and oversized files refused at once when opened, a pipe written into, and a
// write over the file-size limit failing as an error.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

enum class Outcome { Replaced, WrittenInto, Refused };

constexpr uid_t kOtherUser = 54321;

// Saves "new" to `path` as another user, in a child process; the error, "" on success.
std::string SaveAsOtherUser(const std::string& path) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string error;
        if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)
            error = "setuid failed";
        else if (WriteFileAtomically(path, "new", error))
            error.clear();
        else if (error.empty())
            error = "failed without a reason";
        (void)!::write(pipeFds[1], error.data(), error.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string error;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) error.append(buffer, n);
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return error;
}

struct SaveCase {
    const char* name;
    // Makes what the save meets; false when this machine or user cannot make it.
    std::function<bool(const fs::path& dir)> make;
    std::string saveTo;
    Outcome outcome;
    std::string where = {};  // Replaced: the file that holds the new bytes
    std::string says = {};   // Refused: part of the reason
    bool asOtherUser = false;
};

bool MakeLinks(const fs::path& dir, std::vector<std::pair<std::string, std::string>> links) {
    for (const auto& [link, target] : links) {
        const std::string to = target[0] == '@' ? (dir / target.substr(1)).string() : target;
        fs::create_symlink(to, dir / link);
    }
    return true;
}

bool MakeFifo(const fs::path& dir) {
    return ::mkfifo((dir / "pipe").c_str(), 0644) == 0;
}

// Keeps a reader on the pipe that the save finds, for the check after it.
int pipeReader = -1;

bool MakeOwnedByOther(const fs::path& dir, mode_t mode) {
    const fs::path file = dir / "real" / "design.dat";
    return ::geteuid() == 0 && ::chown(file.c_str(), kOtherUser, kOtherUser) == 0 &&
           ::chmod(file.c_str(), mode) == 0;
}

TEST(SaveTargetTest, EachKindOfTargetIsReplacedWrittenIntoOrRefused) {
    const SaveCase cases[] = {
        {"plain file", [](auto&) { return true; }, "real/design.dat", Outcome::Replaced,
         "real/design.dat"},
        {"new file", [](auto&) { return true; }, "real/new.dat", Outcome::Replaced, "real/new.dat"},
        {"absolute link",
         [](auto& d) {
             return MakeLinks(d, {{"link.dat", "@real/design.dat"}});
         },
         "link.dat", Outcome::Replaced, "real/design.dat"},
        {"relative link",
         [](auto& d) {
             return MakeLinks(d, {{"link.dat", "real/design.dat"}});
         },
         "link.dat", Outcome::Replaced, "real/design.dat"},
        {"link relative to its own folder",
         [](auto& d) {
             return MakeLinks(d, {{"real/link.dat", "design.dat"}});
         },
         "real/link.dat", Outcome::Replaced, "real/design.dat"},
        {"chain of two links",
         [](auto& d) {
             return MakeLinks(d, {{"a.dat", "b.dat"}, {"b.dat", "real/design.dat"}});
         },
         "a.dat", Outcome::Replaced, "real/design.dat"},
        {"dangling link",
         [](auto& d) {
             return MakeLinks(d, {{"link.dat", "real/gone.dat"}});
         },
         "link.dat", Outcome::Refused, "", "which does not exist"},
        {"link to itself",
         [](auto& d) {
             return MakeLinks(d, {{"loop.dat", "loop.dat"}});
         },
         "loop.dat", Outcome::Refused, "", "loop"},
        {"loop of two links",
         [](auto& d) {
             return MakeLinks(d, {{"a.dat", "b.dat"}, {"b.dat", "a.dat"}});
         },
         "a.dat", Outcome::Refused, "", "loop"},
        {"folder", [](auto& d) { return fs::create_directory(d / "folder.dat"); }, "folder.dat",
         Outcome::Refused, "", "it is a folder"},
        {"link to a folder",
         [](auto& d) {
             return fs::create_directory(d / "folder") && MakeLinks(d, {{"l.dat", "folder"}});
         },
         "l.dat", Outcome::Refused, "", "it is a folder"},
        {"named pipe that nobody reads", MakeFifo, "pipe", Outcome::Refused, "",
         "no program reads from"},
        {"named pipe being read",
         [](auto& d) {
             if (!MakeFifo(d)) return false;
             pipeReader = ::open((d / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
             return pipeReader >= 0;
         },
         "pipe", Outcome::WrittenInto},
        {"character device node in a private folder",
         [](auto& d) {
             // The numbers of /dev/null: whatever goes wrong, nothing is harmed.
             const fs::path node = d / "null";
             if (::mknod(node.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) return false;
             const int fd = ::open(node.c_str(), O_WRONLY);  // not on a nodev mount
             return fd >= 0 && ::close(fd) == 0;
         },
         "null", Outcome::WrittenInto},
        {"socket",
         [](auto& d) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const std::string path = (d / "socket").string();
             if (path.size() >= sizeof address.sun_path) return false;
             path.copy(address.sun_path, path.size());
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound =
                 ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(s);
             return bound;
         },
         "socket", Outcome::Refused, "", "it is a socket"},
        {"read-only file of another owner, saved by root",
         [](auto& d) { return MakeOwnedByOther(d, 0444); }, "real/design.dat", Outcome::Replaced,
         "real/design.dat"},
        {"file of another owner, saved by a user who cannot give a file away",
         [](auto& d) {
             // The saver may write in the folder but owns neither file nor group.
             return MakeOwnedByOther(d, 0666) && ::chmod(d.c_str(), 0777) == 0 &&
                    ::chmod((d / "real").c_str(), 0777) == 0 &&
                    ::chown((d / "real" / "design.dat").c_str(), kOtherUser + 1, kOtherUser + 1) ==
                        0;
         },
         "real/design.dat", Outcome::Refused, "", "belongs to user 54322", true},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder("save-target");
        fs::create_directories(folder.dir / "real");
        TempFolder::Write(folder.Path("real/design.dat"), "old");
        pipeReader = -1;
        if (!c.make(folder.dir)) {
            std::cout << "[ SKIPPED  ] " << c.name << ": cannot be made here\n";
            continue;
        }
        const std::string path = folder.Path(c.saveTo);
        struct stat before {};
        const bool existed = ::lstat(path.c_str(), &before) == 0;
        struct stat old {};
        ::stat(folder.Path("real/design.dat").c_str(), &old);

        std::string error;
        const bool saved = c.asOtherUser ? (error = SaveAsOtherUser(path)).empty()
                                         : WriteFileAtomically(path, "new", error);

        struct stat after {};
        ::lstat(path.c_str(), &after);
        switch (c.outcome) {
            case Outcome::Replaced: {
                ASSERT_TRUE(saved) << error;
                EXPECT_EQ(TempFolder::Read(folder.Path(c.where)), "new");
                if (existed) {
                    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
                }
                struct stat now {};
                ::stat(folder.Path(c.where).c_str(), &now);
                if (c.where == "real/design.dat") {
                    EXPECT_EQ(now.st_uid, old.st_uid);
                    EXPECT_EQ(now.st_gid, old.st_gid);
                    EXPECT_EQ(now.st_mode, old.st_mode);
                }
                break;
            }
            case Outcome::WrittenInto: {
                ASSERT_TRUE(saved) << error;
                EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
                if (pipeReader >= 0) {
                    char got[16] = {};
                    EXPECT_EQ(::read(pipeReader, got, sizeof got), 3);
                    EXPECT_EQ(std::string(got), "new");
                    ::close(pipeReader);
                }
                break;
            }
            case Outcome::Refused:
                EXPECT_FALSE(saved);
                EXPECT_NE(error.find(c.says), std::string::npos) << error;
                EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
                EXPECT_EQ(TempFolder::Read(folder.Path("real/design.dat")), "old");
                break;
        }
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder.dir))
            EXPECT_NE(e.path().filename().string().rfind(".korvane-", 0), 0u)
                << "temporary file left: " << e.path();
    }
}

// The machine's files, with the bytes a save shares with the old file copied through the
// program, as on a system that cannot copy between two files itself.
class CopyThroughProgram : public FileSystem {
  public:
    bool ReadWhole(const std::string& p, std::string& b, std::string& e) override {
        return real_.ReadWhole(p, b, e);
    }
    bool CreateNew(const std::string& p, const std::string& m, int& h, std::string& e) override {
        return real_.CreateNew(p, m, h, e);
    }
    bool Write(int h, std::string_view b, std::string& e) override { return real_.Write(h, b, e); }
    bool Flush(int h, std::string& e) override { return real_.Flush(h, e); }
    bool Close(int h, std::string& e) override { return real_.Close(h, e); }
    bool Rename(const std::string& f, const std::string& t, std::string& e) override {
        return real_.Rename(f, t, e);
    }
    void Remove(const std::string& p) override { real_.Remove(p); }
    bool OpenToRead(const std::string& p, int& h, std::string& e) override {
        return real_.OpenToRead(p, h, e);
    }
    bool ReadAt(int h, uint64_t at, char* into, size_t n, size_t& got, std::string& e) override {
        return real_.ReadAt(h, at, into, n, got, e);
    }
    bool Touch(int h, std::string& e) override { return real_.Touch(h, e); }

  private:
    FileSystem& real_ = RealFileSystem();
};

// A save that keeps a file holding its bytes already: the file stays (the same inode, only its
// time set to now) exactly when every byte repeats it; otherwise it holds the new bytes, whatever
// the pieces and wherever the first difference falls against the compared parts of the file,
// whether the shared bytes are copied by the system or through the program.
TEST(SaveTargetTest, AFileHoldingTheSameBytesIsKeptAndAnyDifferenceRewritesIt) {
    // Longer than two of the parts of the old file compared at once (256 KiB).
    std::string big;
    for (int k = 0; big.size() < 600000; ++k) big += "line " + std::to_string(k) + "\r\n";
    const auto changedAt = [&](size_t at) {
        std::string text = big;
        text[at] = '#';
        return text;
    };
    struct KeepCase {
        const char* name;
        std::optional<std::string> old;  // nullopt: no file yet
        std::string text;
        size_t piece;  // the size of the pieces the text is written in
        bool kept;
    };
    const KeepCase cases[] = {
        {"the same, one piece", big, big, big.size(), true},
        {"the same, pieces across the parts", big, big, 100003, true},
        {"the same, empty", std::string(), "", 1, true},
        {"a byte changed in the first part", big, changedAt(10), 4096, false},
        {"a byte changed past a part, inside a piece", big, changedAt(300000), 100003, false},
        {"the last byte changed", big, changedAt(big.size() - 1), big.size(), false},
        {"longer than the file", big.substr(0, 500000), big, 65536, false},
        {"shorter than the file", big, big.substr(0, 500000), 65536, false},
        {"no file", std::nullopt, big, 65536, false},
    };
    CopyThroughProgram throughProgram;
    for (FileSystem* files : {&RealFileSystem(), static_cast<FileSystem*>(&throughProgram)})
        for (const KeepCase& c : cases) {
            SCOPED_TRACE(c.name);
            TempFolder folder("keep");
            const std::string path = folder.Path("Window.java");
            struct stat before {};
            if (c.old) {
                TempFolder::Write(path, *c.old);
                const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
                ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), past, 0), 0);
                ::stat(path.c_str(), &before);
            }
            AtomicFileWriter out(*files, path, IfUnchanged::KeepFile);
            std::string error;
            bool saved = out.Open(error);
            for (size_t at = 0; saved && at < c.text.size(); at += c.piece)
                saved = out.Write(std::string_view(c.text).substr(at, c.piece), error);
            ASSERT_TRUE(saved && out.Commit(error)) << error;

            struct stat after {};
            ::stat(path.c_str(), &after);
            // Compared whole: a diff of texts this long would take the test minutes to print.
            EXPECT_TRUE(TempFolder::Read(path) == c.text);
            EXPECT_EQ(c.old && after.st_ino == before.st_ino, c.kept);
            EXPECT_GT(after.st_mtim.tv_sec, 1000000000);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.dir), fs::directory_iterator()),
                      1);
        }
}

struct ShellRun {
    int status;
    std::string err;
};

// Runs a bash script in the folder with $GEN naming korvane-gen; its status and standard error.
ShellRun Shell(const fs::path& dir, const std::string& script) {
    const fs::path err = dir / "stderr.txt";
    const std::string command = "cd '" + dir.string() + "' && GEN='" KORVANE_GEN_EXE "' bash -c '" +
                                script + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempFolder::Read(err.string())};
}

// A design of about 120 KB: three labels with long values.
constexpr const char* kMakeDesign =
    "v=$(head -c 40000 /dev/zero | tr \"\\0\" v); "
    "{ printf \"[Main]\\r\\nSizeX=4800\\r\\nSizeY=3600\\r\\n\"; "
    "for k in 1 2 3; do printf \"[$k]\\r\\nName=l$k\\r\\nType=Label\\r\\nValue=$v\\r\\n"
    "Order=$k\\r\\n\"; done; } > d.dat; ";

TEST(KorvaneGenFilesTest, SpecialFilesAndLimitsAsACommandMeetsThem) {
    struct Case {
        const char* name;
        std::string script;  // after the design d.dat is made; `timeout` catches a hang
        int status;
        std::string says;   // in standard error
        std::string check;  // a script that must succeed afterwards
    };
    const Case cases[] = {
        {"list of a pipe with no writer", "mkfifo p.dat; timeout 20 $GEN list p.dat", 1,
         "p.dat\" could not be opened: it is a named pipe, not a plain file", ""},
        {"list of an endless device", "timeout 20 $GEN list /dev/zero", 1,
         "it is a character device, not a plain file", ""},
        {"list of a link to a pipe", "mkfifo p; ln -s p l.dat; timeout 20 $GEN list l.dat", 1,
         "it is a named pipe", ""},
        {"list of a file over the largest design",
         "truncate -s 1073741825 huge.dat; timeout 20 $GEN list huge.dat", 1,
         "it is larger than 1 GiB (1073741824 bytes)", ""},
        {"resave into a folder", "mkdir out.dat; $GEN resave d.dat out.dat", 1, "it is a folder",
         "test -d out.dat"},
        {"render into a pipe being read",
         "mkfifo out.png; (cat out.png > got.png &); timeout 20 $GEN render d.dat -o out.png", 0,
         "", "sleep 1; test -p out.png && head -c 4 got.png | grep -q PNG"},
        {"render into a pipe nobody reads",
         "mkfifo out.png; timeout 20 $GEN render d.dat -o out.png", 1, "no program reads from",
         "test -p out.png"},
        {"resave over the file-size limit",
         "echo previous > out.dat; ulimit -f 16; $GEN resave d.dat out.dat", 1, "File too large",
         "test \"$(cat out.dat)\" = previous && ! ls -A | grep -q korvane-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder("gen-files");
        const ShellRun run = Shell(folder.dir, std::string(kMakeDesign) + c.script);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        if (!c.check.empty()) {
            EXPECT_EQ(Shell(folder.dir, c.check).status, 0) << c.check;
        }
    }
}

}  // namespace
}  // namespace korvane
