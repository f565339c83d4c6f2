// Fuzzing of the project file: any input is opened as a design; one that opens must save,
// reopen and save again to the same bytes, generate every target kind without failing, and
// render within a small bound. A failed check aborts, which the fuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/SurfacePng.h"
#include "codegen/GenerateCode.h"
#include "document/DocumentController.h"
#include "fuzz/MemoryFileSystem.h"

namespace korvane::fuzz {
namespace {

class SilentMessageBox : public MessageBoxService {
  public:
    MessageResult Show(const MessageRequest& request) override {
        return request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    }
};

class NoFileDialog : public FileDialogService {
  public:
    FileDialogAnswer Show(const FileDialogRequest&) override { return {}; }
};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "korvane fuzz check failed: %s\n", what);
    std::abort();
}

struct Window {
    SilentMessageBox messages;
    NoFileDialog dialogs;
    DocumentController form{messages, dialogs};
    explicit Window(FileSystem& files) {
        form.SetFileSystem(files);
        form.Load();
    }
};

constexpr const char* kTargets[] = {"Applet",  "Frame",  "Dialog",  "Panel",
                                    "JApplet", "JFrame", "JDialog", "JPanel"};
// Renders are refused above this many pixels a side, which keeps every run short.
constexpr long long kRenderSide = 256;

void GenerateEveryTarget(DesignDocument& doc) {
    static const EventCatalogue catalogue;
    for (const char* target : kTargets) {
        doc.Target = target;
        GeneratedJava generated = GenerateJava(doc, catalogue);
        if (generated.ok() == generated.lines.empty()) Fail("generation neither wrote nor refused");
    }
}

}  // namespace
}  // namespace korvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace korvane;
    using namespace korvane::fuzz;
    MemoryFileSystem files;
    files.files["/fuzz/Design.dat"] = std::string(reinterpret_cast<const char*>(data), size);
    Window first(files);
    if (!first.form.OpenPath("/fuzz/Design.dat")) return 0;
    if (!first.form.SavePath("/fuzz/First.dat")) Fail("the first save");
    Window second(files);
    if (!second.form.OpenPath("/fuzz/First.dat")) Fail("reopening the first save");
    if (!second.form.SavePath("/fuzz/Second.dat")) Fail("the second save");
    if (files.files["/fuzz/First.dat"] != files.files["/fuzz/Second.dat"])
        Fail("save, reopen and save gave other bytes than the first save");
    GenerateEveryTarget(first.form.doc);
    std::string error;
    WriteSurfacePng(first.form.doc, files, "/fuzz/Design.png", error, kRenderSide);
    return 0;
}
