// korvane-gen render FILE.dat -o OUT.png: the design surface as the document window shows
// it, grid dots and every live component's look, without the selection handles.
#include <algorithm>
#include <iostream>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"
#include "platform/FileSystem.h"
#include "platform/Png.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

constexpr const char* kRenderUsage = "usage: korvane-gen render FILE.dat -o OUT.png\n";
// A window cannot be larger than a screen; a file asking for more gets its top-left part.
constexpr long long kMaxSidePixels = 8192;

bool ParseRenderArgs(const std::vector<std::string>& args, std::string& design,
                     std::string& output) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && output.empty()) {
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
    if (!ParseRenderArgs(args, design, output)) {
        std::cerr << kRenderUsage;
        return 2;
    }
    cli::HeadlessDocument d(files);
    if (!d.Open(design)) return 1;
    const DesignDocument& doc = d.form.doc;
    PixelRect surface = SurfacePixels(doc);
    if (surface.width > kMaxSidePixels || surface.height > kMaxSidePixels) {
        std::cerr << "korvane-gen: the surface is " << surface.width << " x " << surface.height
                  << " pixels; drawing its top-left " << kMaxSidePixels << " x " << kMaxSidePixels
                  << " at most\n";
        surface.width = std::min(surface.width, kMaxSidePixels);
        surface.height = std::min(surface.height, kMaxSidePixels);
    }
    Canvas canvas(static_cast<int>(surface.width), static_cast<int>(surface.height));
    SurfaceIndex index;
    index.Rebuild(doc);
    PaintSurfaceArea(canvas, doc, &index, surface, SurfacePaintOptions{false});
    std::vector<uint8_t> png = EncodePng(canvas);
    std::string error;
    if (!WriteFileAtomically(files, output, std::string(png.begin(), png.end()), error)) {
        std::cerr << "korvane-gen: cannot write \"" << output << "\": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace korvane
