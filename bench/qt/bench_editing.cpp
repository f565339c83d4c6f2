// Editing a design at the limit of 32767 components: selecting all, moving all one grid
// step, undoing that move, pasting 1,000 components, and what 100 moves of everything add to
// the undo history.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchWindows.h"
#include "mainwindow/Clipboard.h"
#include "mainwindow/MainController.h"
#include "qt/DesignHistory.h"
#include "surface/Arrange.h"

namespace {

using namespace korvane;

// The core windows with a design of n Labels on whole-twip places, and its undo history.
struct Program {
    explicit Program(int n) : form(silent, silent), main(form), history(form) {
        main.Load();
        form.SetMainWindow(&main);
        form.Load();
        for (int k = 1; k <= n; ++k) {
            ComponentRecord r;
            r.ComponentName = "label_" + std::to_string(k);
            r.ComponentType = "Label";
            r.ComponentValue = "v";
            r.ComponentTabOrder = std::to_string(k);
            r.Left = static_cast<float>((k * 7919) % 27000);
            r.Top = static_cast<float>((k * 104729) % 15000);
            r.Width = 1080;
            r.Height = 360;
            form.doc.AppendSlot(std::move(r));
        }
        form.list.FillComponentList();
    }
    bench::QuietServices silent;
    DocumentController form;
    MainController main;
    DesignHistory history;
};

void BM_SelectAll(benchmark::State& state) {
    Program p(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        p.form.selection.SelectAll();
        state.PauseTiming();
        p.form.selection.SelectNone();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectAll)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_MoveAllOneGridStep(benchmark::State& state) {
    Program p(static_cast<int>(state.range(0)));
    p.form.selection.SelectAll();
    bool right = true;
    for (auto _ : state) {
        Nudge(p.form, right ? kKeyRight : kKeyLeft, 0);
        right = !right;
    }
}
BENCHMARK(BM_MoveAllOneGridStep)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_UndoMoveOfAll(benchmark::State& state) {
    Program p(static_cast<int>(state.range(0)));
    p.form.selection.SelectAll();
    for (auto _ : state) {
        state.PauseTiming();
        Nudge(p.form, kKeyRight, 0);
        state.ResumeTiming();
        p.history.Stack().undo();
    }
}
BENCHMARK(BM_UndoMoveOfAll)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_Paste1000(benchmark::State& state) {
    // 1,000 components on the clipboard, pasted into a design that then holds the limit.
    Program p(static_cast<int>(state.range(0)) - 1000);
    std::vector<int> first;
    for (int k = 1; k <= 1000; ++k) first.push_back(k);
    p.form.selection.SelectSlots(first);
    const std::string text = CopyText(p.form);
    for (auto _ : state) {
        if (PasteText(p.form, text) != 1000) state.SkipWithError("the paste was refused");
        state.PauseTiming();
        p.history.Stack().undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Paste1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// Not a time: the bytes the history holds after 100 separate moves of every component.
void BM_HistoryOf100MovesOfAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Program>(static_cast<int>(state.range(0)));
        p->form.selection.SelectAll();
        const std::vector<int> all = p->form.selection.SelectedSlots();
        state.ResumeTiming();
        for (int move = 0; move < 100; ++move) {
            DesignChange change("Move all");
            const float step = move % 2 ? -120.0f : 120.0f;
            std::vector<BoxGeometry> before;
            before.reserve(all.size());
            for (int s : all) {
                ComponentRecord& r = p->form.doc.MutableSlot(s);
                before.push_back(GeometryOf(r));
                r.Left += step;
            }
            change.NoteGeometry(p->form.doc, all, before);
            p->form.editor.Record(std::move(change));
        }
        state.PauseTiming();
        const double mb = static_cast<double>(p->history.Footprint()) / (1024.0 * 1024.0);
        state.counters["history_MB"] = mb;
        if (mb >= 50) state.SkipWithError("the history holds 50 MB or more");
        p.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryOf100MovesOfAll)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
