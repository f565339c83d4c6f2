// What a preview runs: the Java class of the open design for a target, generated from a copy
// of the design so that neither the design nor its file changes, and the class to start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "document/DesignDocument.h"

namespace korvane {

// The class name of a design that was never saved.
inline constexpr const char* kPreviewClassName = "Preview";

struct PreviewSource {
    std::string className;
    std::string fileText;               // the .java file's bytes
    std::string refusal;                // why there is nothing to run, or ""
    std::vector<std::string> warnings;  // said with a generated file
    bool ok() const { return refusal.empty(); }
};

// Whether the target's class has a main method that shows it (applets run in a frame).
bool TargetRuns(std::string_view target);

PreviewSource PreviewJava(const DesignDocument& doc, std::string_view target,
                          const EventCatalogue& catalogue);

}  // namespace korvane
