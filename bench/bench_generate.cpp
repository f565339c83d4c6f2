// Generating the Java file of a large design: every component has events, every tenth a
// popup binding, and the tab orders run against the slot order.
#include <benchmark/benchmark.h>

#include "codegen/EventCatalogue.h"
#include "codegen/GenerateCode.h"
#include "document/ComponentKinds.h"

namespace {

using namespace korvane;

DesignDocument LargeDesign(int count, const EventCatalogue& catalogue) {
    DesignDocument doc;
    doc.FileName = "Large";
    doc.Target = "JFrame";
    const auto kinds = AllKinds();
    for (int i = 0; i < count; ++i) {
        const ComponentKind& kind = kinds[static_cast<size_t>(i) % kinds.size()];
        ComponentRecord r;
        r.ComponentName = std::string(kind.namePrefix) + "c" + std::to_string(i);
        r.ComponentType = std::string(kind.tag);
        r.ComponentValue = IsListKind(kind.tag) ? "one|two|three" : "text " + std::to_string(i);
        const auto& methods = catalogue.MethodsForClass(kind.javaClassKey);
        for (size_t m = 0; m < methods.size() && m < 4; ++m)
            r.ComponentEvents += (m ? "|" : "") + std::string(methods[m]);
        if (r.ComponentEvents.empty()) r.ComponentEvents = "itemStateChanged()";
        if (i % 10 == 0 && !methods.empty())
            r.ComponentPopup = kind.family == Family::Swing ? "JFrame,FramePopup,mouseClicked()"
                                                            : "Dialog,DialogPopup,mouseClicked()";
        r.ComponentTabOrder = std::to_string((count - i) / 3);
        r.Left = static_cast<float>(i % 50) * 120;
        r.Top = static_cast<float>(i / 50) * 120;
        r.Width = 1080;
        r.Height = 360;
        doc.AppendSlot(r);
    }
    return doc;
}

void BM_GenerateJava(benchmark::State& state) {
    const EventCatalogue catalogue;
    DesignDocument doc = LargeDesign(static_cast<int>(state.range(0)), catalogue);
    size_t lines = 0;
    for (auto _ : state) {
        GeneratedJava generated = GenerateJava(doc, catalogue);
        if (!generated.ok()) state.SkipWithError(generated.refusal.c_str());
        lines = generated.lines.size();
        benchmark::DoNotOptimize(generated.lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GenerateJava)->Arg(4096)->Arg(32767)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
