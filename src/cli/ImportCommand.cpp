// korvane-gen import FILE.java -o DESIGN.dat: a class Korvane generated, read back into a
// design. What the design cannot hold is listed on standard error with its line.
#include <filesystem>
#include <iostream>
#include <utility>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"
#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"
#include "platform/Text.h"

namespace korvane {

int RunImportCommand(const std::vector<std::string>& args, FileSystem& files) {
    if (args.size() != 3 || args[1] != "-o" || args[2].empty()) {
        std::cerr << "usage: korvane-gen import FILE.java -o DESIGN.dat\n";
        return 2;
    }
    const std::string& source = args[0];
    const std::string& output = args[2];
    std::string text, error;
    if (!files.ReadWhole(source, text, error)) {
        std::cerr << "korvane-gen: cannot read \"" << source << "\": " << error << "\n";
        return 1;
    }
    javasource::ImportedClass imported = javasource::ImportJava(text);
    if (imported.refusal) {
        std::cerr << "korvane-gen: " << Quoted(source)
                  << " is not read as a class Korvane generated: "
                  << javasource::RefusalMessage(*imported.refusal) << "\n";
        return 1;
    }
    // The class is named after the design file, so the design must carry the class's name.
    if (const std::string expected = imported.className + ".dat";
        std::filesystem::path(output).filename() != expected) {
        std::cerr << "korvane-gen: the design file " << Quoted(output) << " must be named "
                  << Quoted(expected) << ": a design generates the class named after its file\n";
        return 1;
    }
    cli::CommandDocument document(files);
    cli::HeadlessDocument& d = *document;
    d.form.LoadProject(std::move(imported.project));
    if (!d.form.SavePath(output)) {
        d.PrintMessages();
        return 1;
    }
    for (const javasource::Finding& finding : imported.unmapped)
        std::cerr << "korvane-gen: not in the design: " << javasource::RefusalMessage(finding)
                  << "\n";
    std::cerr << "korvane-gen: the class is a " << imported.target
              << "; generate it again with: korvane-gen java " << output << " --as "
              << imported.target << "\n";
    return 0;
}

}  // namespace korvane
