// The design surface at the format's limit of 32767 components: the first paint of the whole
// surface, and one mouse move of a drag with the repaint of the places the box left and took.
// Two designs: the components spread over a full-screen window, and all stacked where the
// palette puts them.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "document/ComponentKinds.h"
#include "mainwindow/MainController.h"
#include "surface/DesignSurface.h"
#include "surface/PaintControl.h"
#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

struct QuietMessages : MessageBoxService {
    MessageResult Show(const MessageRequest&) override { return MessageResult::Ok; }
};
struct NoFileDialogs : FileDialogService {
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

constexpr int kLimit = 32767;

struct SurfaceDesign {
    explicit SurfaceDesign(bool stacked) {
        form.SetMainWindow(&main);
        main.Load();
        form.Load();
        DesignDocument& doc = form.doc;
        // A 1920 x 1080 pixel surface.
        doc.OuterWidth = 1920 * 15 + kFrameWidth;
        doc.OuterHeight = 1080 * 15 + kFrameHeight;
        auto kinds = AllKinds();
        unsigned seed = 12345;
        for (int k = 1; k <= kLimit; ++k) {
            seed = seed * 1103515245u + 12345u;
            ComponentRecord r;
            r.ComponentName = "c_" + std::to_string(k);
            r.ComponentType = std::string(kinds[static_cast<size_t>(k) % kinds.size()].tag);
            r.Left = stacked ? 120.0f : static_cast<float>((seed >> 8) % 1850) * 15;
            r.Top = stacked ? 120.0f : static_cast<float>((seed >> 4) % 1050) * 15;
            r.Width = 1080;
            r.Height = 360;
            doc.AppendSlot(std::move(r));
        }
        form.selection.SelectSlot(kLimit);
        index.Rebuild(doc);
    }
    QuietMessages messages;
    NoFileDialogs dialogs;
    DocumentController form{messages, dialogs};
    MainController main{form};
    DesignSurface surface{form, &main};
    SurfaceIndex index;
};

double PeakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void FirstFullPaint(benchmark::State& state) {
    SurfaceDesign design(state.range(0) != 0);
    PixelRect all = SurfacePixels(design.form.doc);
    for (auto _ : state) {
        Canvas canvas(static_cast<int>(all.width), static_cast<int>(all.height));
        SurfaceIndex index;
        index.Rebuild(design.form.doc);
        PaintSurfaceArea(canvas, design.form.doc, &index, all);
        benchmark::DoNotOptimize(canvas.Data().data());
    }
    state.counters["raster_MB"] = static_cast<double>(all.width * all.height * 3) / 1e6;
    state.counters["index_MB"] = static_cast<double>(design.index.MemoryBytes()) / 1e6;
    state.counters["peak_RSS_MB"] = PeakRssMegabytes();
}

// Paints one area as the widget does for each rectangle of a repaint.
void PaintArea(const DesignDocument& doc, const SurfaceIndex& index, const PixelRect& area) {
    if (area.Empty()) return;
    Canvas canvas(static_cast<int>(area.width), static_cast<int>(area.height));
    canvas.SetRasterOrigin(area.left, area.top);
    PaintSurfaceArea(canvas, doc, &index, area);
    benchmark::DoNotOptimize(canvas.Data().data());
}

void DragMove(benchmark::State& state) {
    SurfaceDesign design(state.range(0) != 0);
    DesignDocument& doc = design.form.doc;
    const int slot = kLimit;
    design.surface.ComponentMouseDown(slot, kLeftButton, 0, 30, 30);
    float step = 15;
    for (auto _ : state) {
        PixelRect before = BoxPixels(doc.Slot(slot));
        // The pointer one pixel on, in the box's own coordinates; back and forth over 40 px.
        design.surface.ComponentMouseMove(slot, kLeftButton, 0, 30 + step, 30 + step);
        if (doc.Slot(slot).Left > 120 + 600 || doc.Slot(slot).Left < 120) step = -step;
        design.index.Update(doc, slot);
        PaintArea(doc, design.index, before);
        PaintArea(doc, design.index, BoxPixels(doc.Slot(slot)));
    }
    state.counters["peak_RSS_MB"] = PeakRssMegabytes();
}

BENCHMARK(FirstFullPaint)->Arg(0)->Arg(1)->ArgName("stacked")->Unit(benchmark::kMillisecond);
BENCHMARK(DragMove)->Arg(0)->Arg(1)->ArgName("stacked")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvane
