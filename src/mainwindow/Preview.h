// What a preview runs: the Java class of the open design for a target, generated from a copy
// of the design so that neither the design nor its file changes, with a host class that shows
// it and stand-ins for the windows its popup bindings open that the design's folder lacks.
//
// Every target runs. The host places the first window it or the class shows at the point it is
// given (beside the designer). An applet or frame runs by its own main method; a dialog is
// shown over a small host frame, its owner, and the preview ends when the dialog closes; a
// panel is shown inside a host frame. A popup window class found in the design's folder (as
// source or compiled) is compiled and run from there; any other gets a stand-in of its kind,
// a window titled with the class name, so that a design whose windows are written elsewhere
// runs too.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "document/DesignDocument.h"

namespace korvane {

// The class name of a design that was never saved.
inline constexpr const char* kPreviewClassName = "Preview";

// A source file of a preview, beside the design's class.
struct PreviewFile {
    std::string path;  // inside the preview's folder, folders separated by "/"
    std::string text;
};

struct PreviewSource {
    std::string className;              // the design's class
    std::string fileText;               // the bytes of <className>.java
    std::string mainClass;              // the class java starts: the host
    std::vector<PreviewFile> files;     // the host and the stand-ins
    std::vector<std::string> standIns;  // the window classes that have a stand-in
    std::string designFolder;           // searched for the popup classes; "" when never saved
    std::string refusal;                // why there is nothing to run, or ""
    std::vector<std::string> warnings;  // said with a generated file
    bool ok() const { return refusal.empty(); }
};

PreviewSource PreviewJava(const DesignDocument& doc, std::string_view target,
                          const EventCatalogue& catalogue);

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The top-left corner of a preview window of about this size: beside the main window, right of
// it where the screen has room, else left of it, else as far right as the screen allows (over
// as little of the main window as may be); its top level with the main window's, and all of it
// on the screen where it fits.
std::pair<int, int> PreviewPlace(const ScreenRect& screen, const ScreenRect& main, int width,
                                 int height);

}  // namespace korvane
