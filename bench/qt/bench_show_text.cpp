// View > Show Text at a cost that follows the boxes, not the texts: a whole paint of a design
// whose components each hold one character, and of the same design whose components each hold
// 20,000 combining accents on one letter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "BenchWindows.h"
#include "qt/DesignSurfaceWidget.h"
#include "qt/DocumentWindow.h"
#include "qt/MainWindow.h"

namespace {

using namespace korvane;

// n components of each kind that shows a text, in rows, with one value for all.
std::string DesignFile(int n, const std::string& value, const char* label) {
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("korvane-show-text-" + std::string(label) + "-" + std::to_string(::getpid()) + ".dat"))
            .string();
    if (std::filesystem::exists(path)) return path;
    const char* kinds[] = {"Label",  "Button",     "TextField", "List",  "Checkbox",
                           "JLabel", "JTextField", "JTextArea", "JList", "JComboBox"};
    std::string text = "[Main]\r\nSizeX=28800\r\nSizeY=16200\r\nUnits=pixels\r\n";
    for (int k = 1; k <= n; ++k) {
        const int x = 120 + (k % 40) * 700, y = 120 + (k / 40) * 400;
        text += "[" + std::to_string(k) + "]\r\nName=c" + std::to_string(k) +
                "\r\nType=" + kinds[k % 10] + "\r\nValue=" + value + "\r\nX= " + std::to_string(x) +
                "\r\nY= " + std::to_string(y) +
                "\r\nSizeX= 1080\r\nSizeY= 360\r\nEvents=\r\nOrder=" + std::to_string(k) +
                "\r\nPopup=\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void BM_PaintWithShowText(benchmark::State& state) {
    const bool longTexts = state.range(1) != 0;
    std::string value = "a";
    if (longTexts)
        for (int k = 0; k < 20000; ++k) value += "\xcc\x81";  // combining acute accents
    const std::string path =
        DesignFile(static_cast<int>(state.range(0)), value, longTexts ? "accents" : "short");
    bench::QuietServices q;
    MainWindow window(q, q);
    bench::OpenShown(window, path, {1600, 1000});
    auto* surface = static_cast<DesignSurfaceWidget*>(window.DocumentSubWindow()->Surface());
    surface->SetShowText(true);
    for (auto _ : state) benchmark::DoNotOptimize(surface->grab());
    std::filesystem::remove(path);
}
BENCHMARK(BM_PaintWithShowText)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->ArgNames({"n", "accents"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
