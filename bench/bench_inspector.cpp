// Inspector edits on a design at the format's limit of 32767 components: a tab-order edit that
// renumbers every other component, a rename and a kind change (one row of the component list
// shown again), and choosing a component in the list.
#include <benchmark/benchmark.h>

#include <string>

#include "mainwindow/MainController.h"

namespace korvane {
namespace {

struct SilentMessages : MessageBoxService {
    MessageResult Show(const MessageRequest&) override { return MessageResult::Ok; }
};
struct NoDialogs : FileDialogService {
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

struct FullDesign {
    explicit FullDesign(int count) {
        form.SetMainWindow(&main);
        main.Load();
        form.Load();
        for (int k = 1; k <= count; ++k) {
            ComponentRecord r;
            r.ComponentName = "label_" + std::to_string(k);
            r.ComponentType = "Label";
            r.ComponentTabOrder = std::to_string(k);
            form.doc.AppendSlot(std::move(r));
        }
        form.list.FillComponentList();
        form.list.ShowInList(count);
    }
    SilentMessages messages;
    NoDialogs dialogs;
    DocumentController form{messages, dialogs};
    MainController main{form};
};

void BM_TabOrderEditRenumbersAll(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    Inspector& ins = design.main.inspector;
    bool toFront = true;
    for (auto _ : state) {
        ins.TabOrderBox.Text = toFront ? "1" : std::to_string(count);
        benchmark::DoNotOptimize(ins.ValidateTabOrder());
        toFront = !toFront;
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_TabOrderEditRenumbersAll)->Arg(1024)->Arg(8192)->Arg(32767)->Complexity();

void BM_Rename(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    Inspector& ins = design.main.inspector;
    int n = 0;
    for (auto _ : state) {
        ins.NameBox.Text = "renamed_" + std::to_string(++n);
        benchmark::DoNotOptimize(ins.ValidateName());
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_Rename)->Arg(1024)->Arg(8192)->Arg(32767)->Complexity();

void BM_KindChange(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    Inspector& ins = design.main.inspector;
    const int label = ins.TypeList.Find("Label");
    const int button = ins.TypeList.Find("Button");
    bool toButton = true;
    for (auto _ : state) {
        ins.TypeList.ListIndex = toButton ? button : label;
        ins.TypeChosen();
        toButton = !toButton;
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_KindChange)->Arg(1024)->Arg(8192)->Arg(32767)->Complexity();

void BM_ChooseInTheList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    int row = 0;
    for (auto _ : state) {
        design.main.componentList.ListIndex = row;
        design.main.ComponentListClicked();
        row = (row + 7919) % count;
    }
}
BENCHMARK(BM_ChooseInTheList)->Arg(32767);

}  // namespace
}  // namespace korvane
