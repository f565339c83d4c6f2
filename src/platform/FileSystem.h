// The file operations every save and open goes through, behind one small interface so that a
// test can make any of them fail (or keep files in memory), and the atomic replace built on
// them: a save writes a temporary file beside the target and renames it over the target, so
// the previous file survives any failure byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Reads a whole file; false with a reason on failure.
    virtual bool ReadWhole(const std::string& path, std::string& bytes, std::string& error) = 0;
    // Creates a file that must not exist yet, for writing; false with a reason on failure.
    // `modeLike` names a file whose permissions the new one takes ("" or missing: defaults).
    virtual bool CreateNew(const std::string& path, const std::string& modeLike, int& handle,
                           std::string& error) = 0;
    virtual bool Write(int handle, std::string_view bytes, std::string& error) = 0;
    // Makes what was written durable.
    virtual bool Flush(int handle, std::string& error) = 0;
    virtual bool Close(int handle, std::string& error) = 0;
    // Replaces `to` with `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& error) = 0;
    virtual void Remove(const std::string& path) = 0;
    // The file a save to `path` replaces: the end of its chain of symbolic links, so that a
    // save through a link writes the file it points to instead of replacing the link.
    virtual std::string SaveTarget(const std::string& path) { return path; }
};

// The machine's own files.
FileSystem& RealFileSystem();

// One file written in pieces and put in place whole by Commit. Until Commit succeeds the
// target is untouched; a writer that fails or is dropped removes its temporary file.
class AtomicFileWriter {
  public:
    AtomicFileWriter(FileSystem& files, std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Open(std::string& error);
    bool Write(std::string_view bytes, std::string& error);
    // Flushes, closes and renames the temporary file over the target.
    bool Commit(std::string& error);

  private:
    void Abandon();

    FileSystem& files_;
    std::string path_;
    std::string temp_;
    int handle_ = -1;
    bool open_ = false;
};

// Writes a whole file atomically, in pieces of at most 64 KiB; false with a reason on failure.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes,
                         std::string& error);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Reads a whole file of at most 1 GiB; false with a reason on failure.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace korvane
