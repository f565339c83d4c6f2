// korvane-gen render FILE.dat [--text] -o OUT.png: the design surface as the document window shows
// it, grid dots and every live component's look, without the selection handles; a surface
// larger than 8192 x 8192 pixels is refused.
#include <iostream>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"
#include "cli/RenderText.h"
#include "cli/SurfacePng.h"
#include "platform/FileSystem.h"

namespace korvane {
namespace {

constexpr const char* kRenderUsage = "usage: korvane-gen render FILE.dat [--text] -o OUT.png\n";

bool ParseRenderArgs(const std::vector<std::string>& args, std::string& design, std::string& output,
                     bool& text) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--text" && !text) {
            text = true;
        } else if (args[i] == "-o" && i + 1 < args.size() && output.empty()) {
            output = args[++i];
        } else if (design.empty() && !args[i].empty() && args[i].front() != '-') {
            design = args[i];
        } else {
            return false;
        }
    }
    return !design.empty() && !output.empty();
}

}  // namespace

int RunRenderCommand(const std::vector<std::string>& args, FileSystem& files) {
    std::string design, output;
    bool text = false;
    if (!ParseRenderArgs(args, design, output, text)) {
        std::cerr << kRenderUsage;
        return 2;
    }
    cli::CommandDocument document(files);
    cli::HeadlessDocument& d = *document;
    if (!d.Open(design)) return 1;
    std::string error;
    const bool written = text ? WriteSurfacePngWithText(d.form.doc, files, output, error)
                              : WriteSurfacePng(d.form.doc, files, output, error);
    if (!written) {
        std::cerr << "korvane-gen: cannot render \"" << output << "\": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace korvane
