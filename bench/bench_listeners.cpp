// Planning and writing the listener code of a design at the format's limit of 32767
// components, every one with chosen methods of several listener types and a popup binding.
#include <benchmark/benchmark.h>

#include <deque>
#include <string>

#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"

namespace korvane {
namespace {

// The names the rows see, kept for the whole run.
std::deque<std::string> names;

CodegenTable ButtonsWithEvents(int count) {
    CodegenTable table(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CodegenRow& row = table[static_cast<size_t>(i)];
        row.name = names.emplace_back("button_" + std::to_string(i + 1));
        row.type = i % 2 == 0 ? "CommandButton" : "JButton";
        row.designEvents =
            "mouseClicked()|actionPerformed()|keyTyped()|mouseEntered()|mouseDragged()|"
            "focusLost()|componentMoved()";
        row.SetPopup("Frame,Settings,mouseClicked()");
    }
    return table;
}

void BM_PlanAndWriteListeners(benchmark::State& state) {
    const EventCatalogue catalogue;
    const CodegenTable table = ButtonsWithEvents(static_cast<int>(state.range(0)));
    const std::vector<MenuElement> menu(1);
    size_t lines = 0;
    for (auto _ : state) {
        const ListenerPlan plan =
            BuildListenerPlan(table, catalogue, "Frame", menu, BuildMenuTree(menu));
        LineSink sink;
        JavaFile file(sink, table);
        WriteListenerRegistrations(plan, file);
        WriteListenerClasses(plan, "Frame", sink);
        lines = sink.Lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PlanAndWriteListeners)
    ->RangeMultiplier(4)
    ->Range(512, 32767)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// One hand-edited events string of a million repeated methods.
void BM_PlanLongEventsString(benchmark::State& state) {
    const EventCatalogue catalogue;
    CodegenTable table(1);
    table[0].name = "button_1";
    table[0].type = "CommandButton";
    for (int i = 0; i < 1'000'000; ++i) table[0].ownEvents += "actionPerformed()|";
    for (auto _ : state) {
        const ListenerPlan plan = BuildListenerPlan(table, catalogue, "Applet", {}, {});
        benchmark::DoNotOptimize(plan.methods.size());
    }
}
BENCHMARK(BM_PlanLongEventsString)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvane
