// The round trip at 32767 components: merging a new generation into an edited Java file, and
// reading a generated class back into a design, on the mixed and the worst-case designs.
#include <benchmark/benchmark.h>

#include "BenchDesigns.h"
#include "codegen/CodeListing.h"
#include "codegen/EventCatalogue.h"
#include "codegen/GenerateCode.h"
#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"

namespace {

using namespace korvane;

std::string GeneratedText(bench::DesignShape shape) {
    DesignDocument doc;
    bench::FillDesign(doc, shape);
    doc.FileName = "Bench";
    doc.Target = "JFrame";
    const EventCatalogue catalogue;
    std::string text;
    LineSink sink(kJavaLineEnd, [&](std::string_view bytes) { text.append(bytes); });
    GenerateJava(doc, catalogue, sink);
    sink.Flush();
    return text;
}

// The class as a developer leaves it: an import, a method of their own before main, and every
// hundredth listener method with a body of their own.
std::string Edited(std::string text) {
    text.replace(text.find("\r\n\r\npublic class"), 0, "\r\nimport java.util.ArrayList;");
    text.insert(text.find("    public static void main"),
                "    int clicks;\r\n\r\n    void count() {\r\n        clicks++;\r\n    }\r\n\r\n");
    const std::string stub = "            System.out.println(";
    std::string edited;
    edited.reserve(text.size() + text.size() / 50);
    size_t from = 0;
    for (size_t at = 0, k = 0; (at = text.find(stub, at)) != std::string::npos; ++k, at += 1) {
        if (k % 100 != 0) continue;
        edited.append(text, from, at - from).append("            clicks++; // kept\r\n");
        from = at;
    }
    return edited.append(text, from);
}

void BM_MergeJava(benchmark::State& state) {
    const auto shape = static_cast<bench::DesignShape>(state.range(0));
    const std::string fresh = GeneratedText(shape);
    const std::string old = Edited(fresh);
    size_t written = 0;
    for (auto _ : state) {
        written = 0;
        const javasource::MergeResult merged = javasource::MergeJava(
            old, fresh, "Bench", [&](std::string_view bytes) { written += bytes.size(); });
        if (!merged.merged) state.SkipWithError(merged.refusal.text.c_str());
    }
    state.counters["MB"] = static_cast<double>(written) / (1 << 20);
}
BENCHMARK(BM_MergeJava)
    ->ArgName("worst")
    ->Arg(static_cast<int>(bench::DesignShape::Mixed))
    ->Arg(static_cast<int>(bench::DesignShape::Worst))
    ->Unit(benchmark::kMillisecond);

void BM_ImportJava(benchmark::State& state) {
    const std::string text = GeneratedText(static_cast<bench::DesignShape>(state.range(0)));
    for (auto _ : state) {
        javasource::ImportedClass imported = javasource::ImportJava(text);
        if (imported.refusal) state.SkipWithError(imported.refusal->text.c_str());
        benchmark::DoNotOptimize(imported.project.components.data());
    }
    state.counters["MB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(BM_ImportJava)
    ->ArgName("worst")
    ->Arg(static_cast<int>(bench::DesignShape::Mixed))
    ->Arg(static_cast<int>(bench::DesignShape::Worst))
    ->Unit(benchmark::kMillisecond);

}  // namespace
