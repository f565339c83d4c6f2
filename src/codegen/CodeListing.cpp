#include "codegen/CodeListing.h"

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace korvane {
namespace {

// An existing file without write permission is kept, as a read-only file is; the atomic
// replace would otherwise rename over it.
bool IsReadOnlyFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

constexpr char kFolderSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

}  // namespace

std::string CodeListing::FileText() const {
    size_t size = 0;
    for (const std::string& line : Lines) size += line.size() + kJavaLineEnd.size();
    std::string text;
    text.reserve(size);
    for (const std::string& line : Lines) {
        text += line;
        text += kJavaLineEnd;
    }
    return text;
}

bool CodeListing::SaveAs(std::string_view javaFileName, FileDialogService& dialogs,
                         MessageBoxService& messages, FileSystem& files) {
    dialog_.SetService(&dialogs);
    dialog_.Prepare("java", std::string(javaFileName), LastJavaFolder);
    dialog_.ShowSave();
    const std::string path = TrimSpaces(dialog_.FileName);
    if (path.empty()) return false;

    std::string error;
    bool written = false;
    std::string text = FileText();
    if (IsReadOnlyFile(path)) {
        error = "the file is read-only";
    } else if (MergeWithExisting && !MergeWithExisting(path, text)) {
        return false;
    } else {
        written = WriteFileAtomically(files, path, text, error, IfUnchanged::KeepFile);
    }
    if (!written) {
        messages.Show(Warning(
            "The Java file could not be saved to \"" + path + "\": " + error + ".", "Korvane"));
        return false;
    }
    // Only a save that happened moves the next dialog to its folder.
    const size_t separator = path.rfind(kFolderSeparator);
    if (separator != std::string::npos) LastJavaFolder = path.substr(0, separator + 1);
    return true;
}

void CodeListing::Close() {
    Visible = false;
    Lines.clear();
}

}  // namespace korvane
