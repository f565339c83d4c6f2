// korvane-gen java FILE.dat [--as KIND] [-o OUT.java] [--replace]: the Java class of a design,
// as the code window would save it (each line followed by CR LF), to a file or to standard
// output. An existing OUT.java is merged with: what the developer wrote in it stays, unless
// --replace asks for the fresh class.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/Commands.h"
#include "cli/HeadlessDocument.h"
#include "codegen/CodeListing.h"
#include "codegen/GenerateCode.h"
#include "javasource/JavaMerge.h"
#include "platform/FileSystem.h"
#include "platform/LargeMemory.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr const char* kJavaUsage =
    "usage: korvane-gen java FILE.dat [--as KIND] [-o OUT.java] [--replace]\n";

struct JavaArgs {
    std::string design;
    std::string kind = "Applet";
    std::string output;    // "" = standard output
    bool replace = false;  // write the fresh class over an existing file instead of merging
};

bool ParseJavaArgs(const std::vector<std::string>& args, JavaArgs& out) {
    bool haveDesign = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--replace") {
            out.replace = true;
        } else if (arg == "--as" || arg == "-o") {
            if (i + 1 == args.size()) return false;
            (arg == "--as" ? out.kind : out.output) = args[++i];
            if (arg == "-o" && out.output.empty()) return false;
        } else if (!haveDesign && (arg.empty() || arg.front() != '-')) {
            out.design = arg;
            haveDesign = true;
        } else {
            return false;
        }
    }
    return haveDesign && (!out.replace || !out.output.empty());
}

// Generates through the sink; false, after saying why, when the design is refused.
bool Generate(DesignDocument& doc, LineSink& sink) {
    const EventCatalogue catalogue;
    const GeneratedJava generated = GenerateJava(doc, catalogue, sink);
    if (!generated.ok()) {
        std::cerr << "korvane-gen: " << generated.refusal << "\n";
        return false;
    }
    sink.Flush();
    for (const std::string& warning : generated.warnings)
        std::cerr << "korvane-gen: warning: " << warning << "\n";
    return true;
}

int GenerateToStandardOutput(DesignDocument& doc) {
    bool written = true;
    LineSink sink(kJavaLineEnd, [&](std::string_view bytes) {
        written = written && std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    });
    if (!Generate(doc, sink)) return 1;
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}

int GenerateToFile(DesignDocument& doc, const std::string& path, FileSystem& files) {
    AtomicFileWriter file(files, path, IfUnchanged::KeepFile);
    std::string error;
    const bool opened = file.Open(error);
    bool written = opened;
    LineSink sink(kJavaLineEnd,
                  [&](std::string_view bytes) { written = written && file.Write(bytes, error); });
    // A refusal is said even when the file cannot be written; it leaves no file behind (the
    // uncommitted temporary file goes).
    if (!Generate(doc, sink)) return 1;
    if (!written || !file.Commit(error)) {
        std::cerr << "korvane-gen: cannot write \"" << path << "\": " << error << "\n";
        return 1;
    }
    return 0;
}

int CannotMerge(const std::string& path, const javasource::Finding& refusal) {
    std::cerr << "korvane-gen: " << Quoted(path)
              << " cannot be merged with the new class, so nothing was written: "
              << javasource::RefusalMessage(refusal)
              << "\nkorvane-gen: --replace writes the new class over it\n";
    return 1;
}

// Reads the file already at the path, then generates into the memory its text held and merges
// the two; writes nothing when the merge is not safe.
int MergeIntoFile(DesignDocument& doc, const std::string& path, FileSystem& files) {
    // One block holds the old text and then the new class, which is about as long: room for a
    // quarter more at once, rather than growth by doubling.
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(path, ec);
    std::string text, error;
    if (!ec && size <= kLargestDesignFile) {
        text.reserve(static_cast<size_t>(size + size / 4));
        AdviseLargePages(text.data(), text.capacity());
    }
    if (!files.ReadWhole(path, text, error)) {
        std::cerr << "korvane-gen: cannot read \"" << path << "\": " << error << "\n";
        return 1;
    }
    javasource::JavaMerge merge(doc.FileName);  // the generated class is named after the file
    if (const std::optional<javasource::Finding> refusal = merge.ReadOld(text)) {
        // A design that cannot be generated is said first, as when there is no file to merge.
        LineSink discard(kJavaLineEnd, [](std::string_view) {});
        return Generate(doc, discard) ? CannotMerge(path, *refusal) : 1;
    }
    text.clear();
    LineSink sink(kJavaLineEnd, text);
    if (!Generate(doc, sink)) return 1;
    AtomicFileWriter file(files, path, IfUnchanged::KeepFile);
    bool written = file.Open(error);
    const javasource::MergeResult merged = merge.Merge(
        text, [&](std::string_view bytes) { written = written && file.Write(bytes, error); });
    if (!merged.merged) return CannotMerge(path, merged.refusal);
    if (!written || !file.Commit(error)) {
        std::cerr << "korvane-gen: cannot write \"" << path << "\": " << error << "\n";
        return 1;
    }
    for (const std::string& warning : merged.warnings)
        std::cerr << "korvane-gen: warning: " << warning << "\n";
    return 0;
}

}  // namespace

int RunJavaCommand(const std::vector<std::string>& args, FileSystem& files) {
    JavaArgs java;
    if (!ParseJavaArgs(args, java)) {
        std::cerr << kJavaUsage;
        return 2;
    }
    if (!IsTargetKind(java.kind)) {
        std::cerr << "korvane-gen: unknown target kind " << Quoted(java.kind)
                  << "; use Applet, Frame, Dialog, Panel, JApplet, JFrame, JDialog or JPanel\n";
        return 2;
    }
    cli::CommandDocument document(files);
    cli::HeadlessDocument& d = *document;
    if (!d.Open(java.design)) return 1;
    DesignDocument& doc = d.form.doc;
    doc.Target = java.kind;
    // javac takes a public class only from the file named after it.
    if (const std::string expected = doc.FileName + ".java";
        !java.output.empty() && std::filesystem::path(java.output).filename() != expected) {
        std::cerr << "korvane-gen: the output file " << Quoted(java.output) << " must be named "
                  << Quoted(expected)
                  << ": javac takes the generated public class only from a file of that name\n";
        return 1;
    }
    if (java.output.empty()) return GenerateToStandardOutput(doc);
    std::error_code ec;
    // Only a plain file is merged into; a pipe or device is written into afresh.
    const FileSystem::SaveTarget target = files.FindSaveTarget(java.output);
    if (!java.replace && target.way == FileSystem::SaveTarget::Way::Replace &&
        std::filesystem::exists(target.path, ec))
        return MergeIntoFile(doc, java.output, files);
    return GenerateToFile(doc, java.output, files);
}

}  // namespace korvane
