// The desktop program with a design at the format's limit: opening it into the window with
// its first paint, and one mouse move of a drag handled and repainted, of one component and
// of a selection of many.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "BenchWindows.h"
#include "qt/DesignSurfaceWidget.h"
#include "qt/DocumentWindow.h"
#include "qt/MainWindow.h"

namespace {

using namespace korvane;

// A design of n Labels spread over a large surface, or all stacked where the palette puts
// them, written once.
std::string DesignFile(int n, bool stacked = false) {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("korvane-qt-bench-" + std::to_string(n) + (stacked ? "-stacked-" : "-") +
                         std::to_string(::getpid()) + ".dat"))
                           .string();
    if (std::filesystem::exists(path)) return path;
    std::string text = "[Main]\r\nSizeX=28800\r\nSizeY=16200\r\nUnits=pixels\r\n";
    for (int k = 1; k <= n; ++k) {
        int x = k == 1 || stacked ? 240 : (k * 7919) % 27000;
        int y = k == 1 || stacked ? 240 : (k * 104729) % 15000;
        text += "[" + std::to_string(k) + "]\r\nName=label_" + std::to_string(k) +
                "\r\nType=Label\r\nValue=v\r\nX= " + std::to_string(x) +
                "\r\nY= " + std::to_string(y) +
                "\r\nSizeX= 1080\r\nSizeY= 360\r\nEvents=\r\nOrder=" + std::to_string(k) +
                "\r\nPopup=\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

QWidget* SurfaceOf(MainWindow& w) {
    return w.DocumentSubWindow()->Surface();
}

void BM_OpenIntoWindowAndFirstPaint(benchmark::State& state) {
    std::string path = DesignFile(static_cast<int>(state.range(0)));
    bench::QuietServices q;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>(q, q);
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->Document().OpenPath(path);
        window->Sync();
        benchmark::DoNotOptimize(SurfaceOf(*window)->grab());
        state.PauseTiming();
        window->Document().History().MarkSaved();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntoWindowAndFirstPaint)
    ->Arg(4096)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_DragMove(benchmark::State& state) {
    std::string path = DesignFile(static_cast<int>(state.range(0)), state.range(1) != 0);
    bench::QuietServices q;
    MainWindow window(q, q);
    bench::OpenShown(window, path);
    QWidget* surface = SurfaceOf(window);
    surface->grab();
    const ComponentRecord& r = window.Document().doc.Slot(1);
    QPoint start(static_cast<int>(r.Left / 15) + 5, static_cast<int>(r.Top / 15) + 5);
    QTest::mousePress(surface, Qt::LeftButton, {}, start);
    const DesignDocument& doc = window.Document().doc;
    const int pressed = doc.ActiveSlot;
    const float startLeft = doc.Slot(pressed).Left;
    bool moved = false;
    int step = 0;
    for (auto _ : state) {
        QPoint p = start + QPoint(1 + step % 40, 1 + step % 25);
        ++step;
        QMouseEvent move(QEvent::MouseMove, QPointF(p), surface->mapToGlobal(QPointF(p)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        // The area a move changes: the box's old and new places.
        const ComponentRecord& box = doc.Slot(pressed);
        QRect changed(static_cast<int>(box.Left / 15) - 45, static_cast<int>(box.Top / 15) - 30,
                      72 + 90, 24 + 60);
        benchmark::DoNotOptimize(surface->grab(changed));
        moved = moved || doc.Slot(pressed).Left != startLeft;
    }
    QTest::mouseRelease(surface, Qt::LeftButton, {}, start);
    if (!moved) state.SkipWithError("the drag moved nothing");
    window.Document().History().MarkSaved();
}
BENCHMARK(BM_DragMove)
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->ArgNames({"n", "stacked"})
    ->Unit(benchmark::kMicrosecond);

// Counts the paint events a widget gets, to tell that each move was really repainted.
struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// One mouse move of a drag of a selection of `selected` components (the pressed one and the
// first others), with the repaint the event loop then makes of what the move changed, in a
// main window of a full-screen size.
void BM_SelectionDragMove(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int selected = static_cast<int>(state.range(1));
    std::string path = DesignFile(n, state.range(2) != 0);
    bench::QuietServices q;
    MainWindow window(q, q);
    bench::OpenShown(window, path, {1920, 1080});
    auto* surface = static_cast<DesignSurfaceWidget*>(SurfaceOf(window));
    DocumentController& form = window.Document();
    const DesignDocument& doc = form.doc;
    const ComponentRecord& first = doc.Slot(1);
    const QPoint start(static_cast<int>(first.Left / 15) + 5, static_cast<int>(first.Top / 15) + 5);
    const int pressed = surface->HitAt(start).index;
    std::vector<int> chosen{pressed};
    for (int s = 1; static_cast<int>(chosen.size()) < selected && s <= n; ++s)
        if (s != pressed) chosen.push_back(s);
    std::sort(chosen.begin(), chosen.end());
    form.selection.SelectSlots(chosen, pressed);
    QApplication::processEvents();
    QTest::mousePress(surface, Qt::LeftButton, {}, start);
    QApplication::processEvents();
    const float startLeft = doc.Slot(pressed).Left;
    PaintCount count;
    surface->installEventFilter(&count);
    int step = 0;
    for (auto _ : state) {
        const QPoint p = start + QPoint(1 + step % 40, 1 + step % 25);
        ++step;
        QMouseEvent move(QEvent::MouseMove, QPointF(p), surface->mapToGlobal(QPointF(p)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        QApplication::processEvents();
    }
    surface->removeEventFilter(&count);
    const bool moved = doc.Slot(pressed).Left != startLeft;
    QTest::mouseRelease(surface, Qt::LeftButton, {}, start + QPoint(3, 3));
    state.counters["selected"] = static_cast<double>(form.selection.SelectedSlots().size());
    state.counters["visible_px"] = surface->visibleRegion().boundingRect().width() *
                                   surface->visibleRegion().boundingRect().height();
    if (!moved) state.SkipWithError("the drag moved nothing");
    if (count.paints < step) state.SkipWithError("a move was not repainted");
    form.History().MarkSaved();
}
BENCHMARK(BM_SelectionDragMove)
    ->Args({32767, 32767, 0})
    ->Args({32767, 32767, 1})
    ->Args({32767, 16, 0})
    ->ArgNames({"n", "selected", "stacked"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
