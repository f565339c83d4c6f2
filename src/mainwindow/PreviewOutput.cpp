#include "mainwindow/PreviewOutput.h"

#include <algorithm>

namespace korvane {
namespace {

constexpr std::string_view kCut = " [...]";

}  // namespace

void PreviewOutput::Append(std::string_view bytes) {
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        const size_t room = kLineBytesKept - std::min(kLineBytesKept, current_.size());
        current_.append(piece.substr(0, room));
        currentCut_ = currentCut_ || piece.size() > room;
        if (end == std::string_view::npos) return;
        EndLine();
        bytes.remove_prefix(end + 1);
    }
}

void PreviewOutput::EndLine() {
    if (currentCut_) current_ += kCut;
    lines_.push_back(std::move(current_));
    current_.clear();
    currentCut_ = false;
    if (lines_.size() > kLinesKept) {
        lines_.pop_front();
        ++dropped_;
    }
}

std::string PreviewOutput::Text() const {
    std::string text;
    if (dropped_ > 0) text = "[" + std::to_string(dropped_) + " earlier lines are not shown]\n";
    for (const std::string& line : lines_) (text += line) += '\n';
    text += current_;
    if (currentCut_) text += kCut;
    return text;
}

}  // namespace korvane
