#include "mainwindow/Preview.h"

#include "codegen/CodeListing.h"
#include "codegen/GenerateCode.h"

namespace korvane {

bool TargetRuns(std::string_view target) {
    return target == "Applet" || target == "Frame" || target == "JApplet" || target == "JFrame";
}

PreviewSource PreviewJava(const DesignDocument& doc, std::string_view target,
                          const EventCatalogue& catalogue) {
    PreviewSource source;
    if (!TargetRuns(target)) {
        source.refusal = "A " + std::string(target) +
                         " class has no main method to start it by: preview it as an Applet, "
                         "Frame, JApplet or JFrame.";
        return source;
    }
    if (doc.LiveCount() == 0) {
        source.refusal = kNoComponentMessage;
        return source;
    }
    DesignDocument copy = doc;
    copy.Target = std::string(target);
    if (copy.FileName.empty()) copy.FileName = kPreviewClassName;
    GeneratedJava generated = GenerateJava(copy, catalogue);
    if (!generated.ok()) {
        source.refusal = generated.refusal;
        return source;
    }
    CodeListing code;
    code.Lines = std::move(generated.lines);
    source.className = copy.FileName;
    source.fileText = code.FileText();
    source.warnings = generated.warnings;
    return source;
}

}  // namespace korvane
