// korvane-gen: Korvane's command-line tool, for builds and scripts.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"
#include "platform/LargeMemory.h"
#include "platform/Text.h"

#ifdef __GLIBC__
#include <malloc.h>
#include <unistd.h>
#endif

namespace {

constexpr const char* kUsage =
    "usage: korvane-gen COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  list FILE.dat                          print the design's components, one a line\n"
    "  resave IN.dat OUT.dat                  open a design and save it under a new name\n"
    "                                         (also converts a file of the older layout)\n"
    "  java FILE.dat [--as KIND] [-o OUT.java] [--replace]\n"
    "                                         generate the Java class of a design; KIND is\n"
    "                                         Applet (default), Frame, Dialog, Panel, JApplet,\n"
    "                                         JFrame, JDialog or JPanel. An existing OUT.java\n"
    "                                         keeps the code written into it; --replace\n"
    "                                         writes the new class over it\n"
    "  import FILE.java -o DESIGN.dat         read a class Korvane generated back into a\n"
    "                                         design\n"
    "  render FILE.dat [--text] -o OUT.png    draw the design surface as a PNG picture;\n"
    "                                         --text adds each component's text\n"
    "                                         (at most 8192 x 8192 pixels)\n"
    "\n"
    "Options:\n"
    "  --help                                 show this help\n"
    "  --version                              show the version\n";

// A command opens a design, works and ends. The memory it frees along the way (the file's
// text once read, the reader's index once the design is loaded) is kept for what it allocates
// next instead of going back to the system: every page the system hands out again costs a
// fault. Only blocks of 32 MB and more (the most glibc allows) come from and go back to the
// system at once, so that the text of a file of 21 MB, freed after the open, holds the Java
// generated next. A design of 32767 components opens, saves and generates with a quarter to a
// third fewer faults.
//
// The heap itself is grown once by enough for a design at the format's limit and backed with
// large pages: in a virtual machine a fault costs more than the work on the page it brings, and
// a command at 32767 components otherwise takes about 10,000 of them, twice its own work.
void KeepFreedMemoryForReuse() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    constexpr size_t kHeapStep = size_t{512} << 20;  // address space only, until touched
    mallopt(M_TOP_PAD, static_cast<int>(kHeapStep));
    char* const before = static_cast<char*>(sbrk(0));
    // More than the heap has left at the start; volatile, as a block never used may be elided.
    void* volatile grow = malloc(size_t{4} << 20);
    char* const after = static_cast<char*>(sbrk(0));
    free(grow);
    mallopt(M_TOP_PAD, 128 << 10);  // glibc's own default
    // A system that refuses the step or the advice runs as before.
    if (before != reinterpret_cast<char*>(-1) && after > before)
        korvane::AdviseLargePages(before, static_cast<size_t>(after - before));
#endif
}

}  // namespace

int main(int argc, char** argv) {
    KeepFreedMemoryForReuse();
    korvane::cli::EndsAfterCommand() = true;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "korvane-gen " << KORVANE_VERSION << "\n";
        return 0;
    }
    if (command == "list") return korvane::cli::RunListCommand(args);
    if (command == "resave") return korvane::cli::RunResaveCommand(args);
    if (command == "java") return korvane::RunJavaCommand(args);
    if (command == "render") return korvane::RunRenderCommand(args);
    if (command == "import") return korvane::RunImportCommand(args);
    std::cerr << "korvane-gen: unknown command " << korvane::Quoted(command) << "\n" << kUsage;
    return 2;
}
