#include <iostream>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"

namespace korvane::cli {

int RunListCommand(const std::vector<std::string>& args, FileSystem& files) {
    if (args.size() != 1) {
        std::cerr << "usage: korvane-gen list FILE.dat\n";
        return 2;
    }
    CommandDocument document(files);
    HeadlessDocument& d = *document;
    if (!d.Open(args[0])) return 1;
    const DesignDocument& doc = d.form.doc;
    std::string out;
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.IsLive(i)) out += ComponentListSync::ListEntry(doc.Slot(i)) + "\n";
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

int RunResaveCommand(const std::vector<std::string>& args, FileSystem& files) {
    if (args.size() != 2) {
        std::cerr << "usage: korvane-gen resave IN.dat OUT.dat\n";
        return 2;
    }
    CommandDocument document(files);
    HeadlessDocument& d = *document;
    if (!d.Open(args[0])) return 1;
    if (d.form.SavePath(args[1])) return 0;
    d.PrintMessages();
    return 1;
}

}  // namespace korvane::cli
