// The file operations every save and open goes through, behind one small interface so that a
// test can make any of them fail (or keep files in memory), and the saving built on them.
//
// A save to a plain file (or to a name not taken yet) writes a temporary file beside the target
// and renames it over the target, so the previous file survives any failure byte for byte, and
// the new file keeps the old one's permissions, owner and group. A save through symbolic links
// replaces the plain file at their end. A named pipe or a character device (/dev/null, a
// terminal) is written into directly, as cp does. Every other target is refused with the
// reason: a folder, a socket, a block device, a loop of links, a link to nothing, or a file
// whose owner and group a replacement could not keep.
//
// Opening reads plain files only, and none larger than the largest design file: a pipe or a
// device is refused at once, before anything waits on it or reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// The largest file opened as a design: 1 GiB. The profile reader places everything it indexes
// by 32-bit offsets into the file's text as UTF-8, so it holds at most 4 GiB - 1 bytes of text;
// a file in Windows-1252 grows by up to three times as it is decoded (0x80, the euro sign,
// becomes three bytes), so 3 GiB of decoded text is the most a 1 GiB file can become. Nothing
// else bounds a design's file: 32767 components each hold texts of any length.
inline constexpr size_t kLargestDesignFile = size_t(1) << 30;

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Reads a whole file; false with a reason on failure.
    virtual bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) = 0;
    // Creates a file that must not exist yet, for writing; false with a reason on failure.
    // `modeLike` names the plain file the new one is to replace: the new one takes its
    // permissions, owner and group, and is not made (false, with the reason) when the owner
    // and group cannot be kept. "" or a missing file: the defaults.
    virtual bool CreateNew(const std::string& path, const std::string& modeLike, int& handle,
                           std::string& error) = 0;
    // Opens an existing pipe or device for writing into it; false with a reason on failure
    // (a pipe that no program reads from within 2 seconds fails instead of waiting on).
    virtual bool OpenToWriteInto(const std::string& path, int& handle, std::string& error);
    virtual bool Write(int handle, std::string_view bytes, std::string& error) = 0;
    // Makes what was written into a created file durable.
    virtual bool Flush(int handle, std::string& error) = 0;
    virtual bool Close(int handle, std::string& error) = 0;
    // Replaces `to` with `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& error) = 0;
    virtual void Remove(const std::string& path) = 0;

    // Reading a plain file piece by piece, to compare it with what a save would write. A file
    // system without them (the default) has every such save written afresh.
    virtual bool OpenToRead(const std::string& path, int& handle, std::string& error);
    // Up to `size` bytes from `offset` into `into`; `got` is 0 at the end of the file.
    virtual bool ReadAt(int handle, uint64_t offset, char* into, size_t size, size_t& got,
                        std::string& error);
    // Sets the modification time of the file open as `handle` to now.
    virtual bool Touch(int handle, std::string& error);
    // Writes the first `size` bytes of the file open to read as `from` into `to`.
    virtual bool CopyStart(int from, int to, uint64_t size, std::string& error);

    // How a save to `path` reaches its target; by default it replaces `path`.
    struct SaveTarget {
        enum class Way {
            Replace,    // a plain file or a new one: written beside it and renamed over it
            WriteInto,  // a named pipe or a character device: written into directly
            Refuse,     // `reason` says why nothing is written
        };
        Way way = Way::Replace;
        std::string path;  // the file replaced or written into: the end of the links
        std::string reason;
    };
    virtual SaveTarget FindSaveTarget(const std::string& path) {
        return {SaveTarget::Way::Replace, path, {}};
    }
};

// The machine's own files. The first use makes the process ignore SIGXFSZ and SIGPIPE, so that
// a write past the file-size limit (ulimit -f) or into a pipe whose reader went away fails
// with its reason instead of ending the program in the middle of a save.
FileSystem& RealFileSystem();

// What a save does when the plain file it replaces holds exactly the bytes it writes: rewrite
// it, or keep it as it is and only set its modification time to now. Keeping it spares a build
// that regenerates an unchanged class writing and syncing its file again (100 MB at the
// format's limit), and the file keeps its links and identity.
enum class IfUnchanged { Rewrite, KeepFile };

// One file written in pieces and put in place whole by Commit. Until Commit succeeds the
// target is untouched; a writer that fails or is dropped removes its temporary file. A pipe or
// device target is written into as the pieces come, and Commit closes it.
//
// With IfUnchanged::KeepFile, the pieces are first compared with the file in place as they
// come; the temporary file is made only at the first difference, from the bytes they shared.
class AtomicFileWriter {
  public:
    AtomicFileWriter(FileSystem& files, std::string path,
                     IfUnchanged ifUnchanged = IfUnchanged::Rewrite);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Open(std::string& error);
    bool Write(std::string_view bytes, std::string& error);
    // Flushes, closes and renames the temporary file over the target.
    bool Commit(std::string& error);

  private:
    void Abandon();
    bool OpenTemporaryFile(std::string& error);
    // How many of `bytes` repeat the old file's next bytes.
    size_t RepeatedOfOld(std::string_view bytes);
    bool OldFileEndsHere();
    // Makes the temporary file and writes into it the bytes the pieces shared with the old file.
    bool StopComparing(std::string& error);
    void CloseOldFile();

    FileSystem& files_;
    FileSystem::SaveTarget target_;
    IfUnchanged ifUnchanged_;
    std::string temp_;
    int handle_ = -1;
    bool open_ = false;
    // While comparing with the old file: its handle, how many of its bytes the pieces repeated,
    // and the part of it last read, [windowStart_, windowEnd_), held in window_.
    int oldHandle_ = -1;
    bool comparing_ = false;
    uint64_t repeated_ = 0;
    std::string window_;
    uint64_t windowStart_ = 0, windowEnd_ = 0;
};

// Writes a whole file atomically, in pieces of at most 64 KiB; false with a reason on failure.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes,
                         std::string& error, IfUnchanged ifUnchanged = IfUnchanged::Rewrite);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         IfUnchanged ifUnchanged = IfUnchanged::Rewrite);

// Reads a whole plain file of at most kLargestDesignFile bytes; false with a reason on failure.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace korvane
