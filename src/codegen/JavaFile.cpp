#include "codegen/JavaFile.h"

#include <algorithm>

#include "codegen/JavaText.h"

namespace korvane {

bool IsTargetKind(std::string_view generateType) {
    return std::find(std::begin(kTargetKinds), std::end(kTargetKinds), generateType) !=
           std::end(kTargetKinds);
}

bool IsSwingTarget(std::string_view generateType) {
    return !generateType.empty() && generateType.front() == 'J';
}

bool IsAppletTarget(std::string_view generateType) {
    return generateType == "Applet" || generateType == "JApplet";
}

bool IsFrameTarget(std::string_view generateType) {
    return generateType == "Frame" || generateType == "JFrame";
}

bool IsDialogTarget(std::string_view generateType) {
    return generateType == "Dialog" || generateType == "JDialog";
}

bool UsesContentPane(std::string_view generateType) {
    return IsSwingTarget(generateType) && generateType != "JPanel";
}

void JavaFile::Emit(int spaces, std::string_view text) {
    std::string line(static_cast<size_t>(spaces), ' ');
    line += text;
    sink.Emit_Line(std::move(line));
}

std::string JavaFile::AddLine(std::string_view addName) const {
    std::string prefix = UsesContentPane(generateType) ? "getContentPane().add(" : "add(";
    return prefix + std::string(addName) + ");";
}

}  // namespace korvane
