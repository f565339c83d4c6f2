// Inspector edits on a design at the format's limit of 32767 components: a tab-order edit that
// renumbers every other component, a rename and a kind change (one row of the component list
// shown again), and choosing a component in the list.
#include <benchmark/benchmark.h>

#include <string>

#include "mainwindow/MDIForm1.h"

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
        main.MDIForm_Load();
        form.Form_Load();
        for (int k = 1; k <= count; ++k) {
            ComponentRecord r;
            r.ComponentName = "label_" + std::to_string(k);
            r.Tag = r.ComponentName;
            r.ComponentType = "Label";
            r.ComponentTabOrder = std::to_string(k);
            form.doc.AppendSlot(std::move(r));
        }
        form.TreeView1_Load();
        form.Show_Data(count);
    }
    SilentMessages messages;
    NoDialogs dialogs;
    Form1 form{messages, dialogs};
    MDIForm1 main{form};
};

void BM_TabOrderEditRenumbersAll(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    Inspector& ins = design.main.inspector;
    bool toFront = true;
    for (auto _ : state) {
        ins.Text3_TabOrder.Text = toFront ? "1" : std::to_string(count);
        benchmark::DoNotOptimize(ins.Text3_TabOrder_Validate());
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
        ins.Text3_Name.Text = "renamed_" + std::to_string(++n);
        benchmark::DoNotOptimize(ins.Text3_Name_Validate());
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_Rename)->Arg(1024)->Arg(8192)->Arg(32767)->Complexity();

void BM_KindChange(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FullDesign design(count);
    Inspector& ins = design.main.inspector;
    const int label = ins.Combo3_Type.Find("Label");
    const int button = ins.Combo3_Type.Find("Button");
    bool toButton = true;
    for (auto _ : state) {
        ins.Combo3_Type.ListIndex = toButton ? button : label;
        ins.Combo3_Type_Click();
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
        design.main.list1.ListIndex = row;
        design.main.List1_Click();
        row = (row + 7919) % count;
    }
}
BENCHMARK(BM_ChooseInTheList)->Arg(32767);

}  // namespace
}  // namespace korvane
