// The common file dialogs behind a small class with properties (CommonFileDialog).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr int kCancelErrorNumber = 32755;

// What the dialog is asked to show; the platform's dialog answers with a full path or "".
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string initialFolder;
    std::string proposedName;
    std::string defaultExt;
    // Description and pattern pairs.
    std::vector<std::pair<std::string, std::string>> filters;
    int filterIndex = 1;
    int32_t flags = 0;
};

struct FileDialogAnswer {
    std::string path;  // "" = cancelled
    int filterIndex = 1;
};

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer Show(const FileDialogRequest& request) = 0;
};

// Raised by ShowOpen and ShowSave on a cancel when CancelError is set.
struct CancelSelected {
    int number = kCancelErrorNumber;
    std::string description = "Cancel was selected";
    std::string source = "Run-time error";
};

class CommonFileDialog {
  public:
    explicit CommonFileDialog(FileDialogService* service = nullptr) : service_(service) {}
    void SetService(FileDialogService* service) { service_ = service; }

    bool CancelError = false;
    std::string DefaultExt;
    std::string DialogTitle;
    std::string FileName;
    std::string FileTitle;
    int FilterIndex = 1;
    int32_t Flags = 0;
    std::string InitDir = "C:\\";
    int MaxFileSize = 260;
    int32_t hwnd = 0;
    int FileExt = 0;

    // The filter as "description|pattern|..."; held in the platform form (NUL separated,
    // ended by two NULs).
    std::string Filter() const;
    void SetFilter(const std::string& text);
    const std::string& InternalFilter() const { return filter_; }

    // The program's settings for its file dialogs: one filter "All files (*.<ext>)", the
    // default extension, the proposed name and folder, no read-only box (4) and an overwrite
    // question (2), no error on cancel.
    void Prepare(std::string_view extension, std::string proposedName, std::string initialFolder);
    void ShowOpen();
    void ShowSave();

  private:
    void Show(bool save);
    FileDialogService* service_;
    std::string filter_ = std::string("All Files (*.*)\0*.*\0\0", 21);
};

}  // namespace korvane
