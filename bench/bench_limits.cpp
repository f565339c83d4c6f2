// The goals at the format's limit of 32767 components, on the designs the whole-process script
// uses (a mixed design, and a worst case of long values, every event and a popup each):
// opening, saving, generating into a sink that only counts what it would write, and the number form
// of a save. Figures are CPU time; run with --benchmark_repetitions on a busy machine.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "BenchDesigns.h"
#include "codegen/GenerateCode.h"
#include "codegen/Stacking.h"
#include "document/DocumentController.h"
#include "document/ProjectFile.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"

namespace {

using namespace korvane;

struct Quiet : MessageBoxService, FileDialogService {
    MessageResult Show(const MessageRequest&) override { return MessageResult::Ok; }
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

bench::DesignShape ShapeOf(const benchmark::State& state) {
    return state.range(0) == 0 ? bench::DesignShape::Mixed : bench::DesignShape::Worst;
}

// The design's file, written once per run of the program.
std::string DesignPath(bench::DesignShape shape) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("korvane-limits-" + std::to_string(static_cast<int>(shape)) + "-" +
                               std::to_string(::getpid()) + ".dat"))
                                 .string();
    std::string error;
    if (!std::filesystem::exists(path))
        WriteFileAtomically(path, bench::DesignFileText(shape), error);
    return path;
}

void BM_Open(benchmark::State& state) {
    const std::string path = DesignPath(ShapeOf(state));
    Quiet q;
    for (auto _ : state) {
        DocumentController form(q, q);
        form.Load();
        if (!form.OpenPath(path)) state.SkipWithError("the design did not open");
        benchmark::DoNotOptimize(form.doc.LiveCount());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_Open)->Arg(0)->Arg(1)->ArgName("worst")->Unit(benchmark::kMillisecond);

void BM_SaveText(benchmark::State& state) {
    DesignDocument doc;
    bench::FillDesign(doc, ShapeOf(state));
    for (auto _ : state) benchmark::DoNotOptimize(ProjectFileText(doc).size());
}
BENCHMARK(BM_SaveText)->Arg(0)->Arg(1)->ArgName("worst")->Unit(benchmark::kMillisecond);

void BM_GenerateJFrame(benchmark::State& state) {
    const EventCatalogue catalogue;
    DesignDocument doc;
    bench::FillDesign(doc, ShapeOf(state));
    doc.FileName = "Limits";
    doc.Target = "JFrame";
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        // Written through as korvane-gen writes, into pieces that are only counted.
        LineSink sink("\r\n", [&](std::string_view piece) { bytes += piece.size(); });
        const GeneratedJava generated = GenerateJava(doc, catalogue, sink);
        if (!generated.ok()) state.SkipWithError(generated.refusal.c_str());
        sink.Flush();
    }
    state.counters["java_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_GenerateJFrame)->Arg(0)->Arg(1)->ArgName("worst")->Unit(benchmark::kMillisecond);

// Which components overlap another and must be raised: the surface of the mixed design is
// covered many times over.
void BM_PlanStacking(benchmark::State& state) {
    DesignDocument doc;
    bench::FillDesign(doc, ShapeOf(state));
    const CodegenTable table = BuildCodegenTable(doc);
    for (auto _ : state) benchmark::DoNotOptimize(PlanStacking(table).raised.size());
}
BENCHMARK(BM_PlanStacking)->Arg(0)->Unit(benchmark::kMillisecond);

// Whether Swing's order by position keeps the tab order, on components that overlap nothing (so
// that the stacking plan asks it): a grid of 181 columns in tab order, whose rows all compare.
void BM_PositionOrder(benchmark::State& state) {
    CodegenTable table(bench::kLimit);
    for (size_t i = 0; i < table.size(); ++i) {
        table[i].type = i % 3 ? "JButton" : "JLabel";
        table[i].left = static_cast<float>((i % 181) * 1200);
        table[i].top = static_cast<float>((i / 181) * 450);
        table[i].width = 1080;
        table[i].height = 360;
    }
    for (auto _ : state) {
        const StackingPlan plan = PlanStacking(table);
        if (plan.focusPolicy) state.SkipWithError("the grid is in tab order");
    }
}
BENCHMARK(BM_PositionOrder)->Unit(benchmark::kMillisecond);

// The four geometry numbers of every component of a save.
void BM_StrSingle(benchmark::State& state) {
    for (auto _ : state) {
        size_t size = 0;
        for (int k = 0; k < 4 * bench::kLimit; ++k)
            size += StrSingle(static_cast<float>(k % 28000) * 15.0f / 7.0f).size();
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_StrSingle)->Unit(benchmark::kMillisecond);

}  // namespace
