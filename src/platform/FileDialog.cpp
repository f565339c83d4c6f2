#include "platform/FileDialog.h"

#include <filesystem>

#include "platform/Text.h"

namespace korvane {
std::string CommonFileDialog::Filter() const {
    std::string text = filter_;
    for (char& c : text)
        if (c == '\0') c = '|';
    for (int k = 0; k < 2 && !text.empty() && text.back() == '|'; ++k) text.pop_back();
    return text;
}

void CommonFileDialog::SetFilter(const std::string& text) {
    filter_ = text;
    for (char& c : filter_)
        if (c == '|') c = '\0';
    if (filter_.size() < 2 || filter_.compare(filter_.size() - 2, 2, std::string(2, '\0')) != 0)
        filter_.append(2, '\0');
}

void CommonFileDialog::Prepare(std::string_view extension, std::string proposedName,
                               std::string initialFolder) {
    DefaultExt = "*." + std::string(extension);
    DialogTitle = "";
    FileName = std::move(proposedName);
    SetFilter("All files (*." + std::string(extension) + ")|*." + std::string(extension));
    FilterIndex = 1;
    Flags = 6;
    InitDir = std::move(initialFolder);
    CancelError = false;
}

void CommonFileDialog::ShowOpen() {
    Show(false);
}
void CommonFileDialog::ShowSave() {
    Show(true);
}

void CommonFileDialog::Show(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = DialogTitle;
    request.initialFolder = InitDir;
    request.proposedName = FileName;
    request.defaultExt = DefaultExt;
    request.filterIndex = FilterIndex;
    request.flags = Flags;
    std::string text = Filter();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t bar = text.find('|', pos);
        std::string description =
            text.substr(pos, bar == std::string::npos ? std::string::npos : bar - pos);
        std::string pattern;
        if (bar != std::string::npos) {
            size_t next = text.find('|', bar + 1);
            pattern = text.substr(bar + 1,
                                  next == std::string::npos ? std::string::npos : next - bar - 1);
            pos = next == std::string::npos ? text.size() : next + 1;
        } else {
            pos = text.size();
        }
        request.filters.emplace_back(description, pattern);
    }
    FileDialogAnswer answer = service_ ? service_->Show(request) : FileDialogAnswer{};
    if (answer.path.empty()) {
        if (save) FileName.clear();
        if (CancelError) throw CancelSelected{};
        return;
    }
    FileName = TrimSpaces(answer.path);
    FileTitle = TrimSpaces(std::filesystem::path(FileName).filename().string());
    FileExt = static_cast<int>(FileName.size() - FileTitle.size());
    FilterIndex = answer.filterIndex;
}

}  // namespace korvane
