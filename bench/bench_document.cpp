// The design document at the format's limit: inserting, saving and opening.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "document/DocumentController.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

namespace {

using namespace korvane;

struct Quiet : MessageBoxService, FileDialogService {
    MessageResult Show(const MessageRequest&) override { return MessageResult::Ok; }
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

int Count(const benchmark::State& state) {
    return std::min<int>(static_cast<int>(state.range(0)), kMaxSlots);
}

void FillLabels(DocumentController& form, int n) {
    for (int i = 0; i < n; ++i) form.editor.InsertComponent("Label");
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string(name) + std::to_string(::getpid()) + ".dat"))
        .string();
}

void BM_InsertLabels(benchmark::State& state) {
    for (auto _ : state) {
        Quiet q;
        DocumentController form(q, q);
        form.Load();
        FillLabels(form, Count(state));
        benchmark::DoNotOptimize(form.doc.SlotCount());
    }
    state.SetComplexityN(Count(state));
}
BENCHMARK(BM_InsertLabels)->Arg(4096)->Arg(32768)->Unit(benchmark::kMillisecond)->Complexity();

void BM_SaveDesign(benchmark::State& state) {
    Quiet q;
    DocumentController form(q, q);
    form.Load();
    FillLabels(form, Count(state));
    std::string path = TempPath("korvane-bench-save");
    for (auto _ : state) benchmark::DoNotOptimize(form.SavePath(path));
    std::filesystem::remove(path);
    state.SetComplexityN(Count(state));
}
BENCHMARK(BM_SaveDesign)->Arg(4096)->Arg(32768)->Unit(benchmark::kMillisecond)->Complexity();

void BM_OpenDesign(benchmark::State& state) {
    Quiet q;
    std::string path = TempPath("korvane-bench-open");
    {
        DocumentController form(q, q);
        form.Load();
        FillLabels(form, Count(state));
        form.SavePath(path);
    }
    for (auto _ : state) {
        DocumentController form(q, q);
        form.Load();
        benchmark::DoNotOptimize(form.OpenPath(path));
    }
    std::filesystem::remove(path);
    state.SetComplexityN(Count(state));
}
BENCHMARK(BM_OpenDesign)->Arg(4096)->Arg(32768)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
