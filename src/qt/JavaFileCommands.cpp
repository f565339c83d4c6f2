#include "qt/JavaFileCommands.h"

#include <filesystem>

#include "codegen/CodeListing.h"
#include "codegen/GenerateCode.h"
#include "codegen/GenerationWarnings.h"
#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr const char* kTitle = "Korvane";
// The longest list of what an import could not map that a message shows.
constexpr size_t kShownFindings = 25;

MessageRequest Information(std::string text) {
    return MessageRequest{std::move(text), kTitle, MessageIcon::Information, MessageButtons::Ok, 1};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + std::string(kJavaLineEnd);
    return text;
}

}  // namespace

bool MergeWithExistingJava(const std::string& path, const std::string& className,
                           std::string& bytes, MessageBoxService& messages) {
    // Only a plain file is merged with: a pipe or device is written into afresh, never read,
    // and a target that a save refuses is refused by the save, with its reason.
    const FileSystem::SaveTarget target = RealFileSystem().FindSaveTarget(path);
    std::error_code ec;
    if (target.way != FileSystem::SaveTarget::Way::Replace ||
        !std::filesystem::exists(target.path, ec))
        return true;
    std::string old, error;
    if (!ReadWholeFile(target.path, old, error)) {
        messages.Show(
            Warning("The Java file \"" + path + "\" could not be read: " + error + ".", kTitle));
        return false;
    }
    std::string merged;
    const javasource::MergeResult result = javasource::MergeJava(
        old, bytes, className, [&](std::string_view piece) { merged.append(piece); });
    if (!result.merged) {
        const MessageRequest ask{
            "The Java file \"" + path +
                "\" cannot keep its code through a merge with the new class: " +
                javasource::RefusalMessage(result.refusal) +
                ".\n\nReplace it with the new class (what it holds now is lost), or Cancel and "
                "leave it as it is?",
            kTitle, MessageIcon::Warning, MessageButtons::ReplaceCancel, 2};
        return messages.Show(ask) == MessageResult::Yes;
    }
    bytes = std::move(merged);
    if (!result.warnings.empty()) messages.Show(Warning(WarningsMessage(result.warnings), kTitle));
    return true;
}

bool GenerateIntoFile(DocumentController& form, const EventCatalogue& catalogue,
                      MessageBoxService& messages) {
    DesignDocument& doc = form.doc;
    if (doc.LiveCount() == 0) {
        messages.Show(Warning(kNoComponentMessage, kTitle));
        return false;
    }
    if (doc.FileName.empty() || TrimSpaces(doc.FilePath).empty()) {
        messages.Show(Warning(kSaveFirstMessage, kTitle));
        if (!form.FileSave() || TrimSpaces(doc.FilePath).empty()) return false;
    }
    doc.JavaClassName = doc.FileName;
    GeneratedJava generated = GenerateJava(doc, catalogue);
    if (!generated.ok()) {
        messages.Show(Warning(generated.refusal, kTitle));
        return false;
    }
    // The class is named after the design's file.
    const std::string& className = doc.FileName;
    const std::filesystem::path design(doc.FilePath);
    const std::string path = (design.parent_path() / (className + ".java")).string();
    std::string bytes = Joined(generated.lines);
    if (!MergeWithExistingJava(path, className, bytes, messages)) return false;
    std::string error;
    if (!WriteFileAtomically(path, bytes, error, IfUnchanged::KeepFile)) {
        messages.Show(Warning(
            "The Java file could not be saved to \"" + path + "\": " + error + ".", kTitle));
        return false;
    }
    messages.Show(Information("The class " + className + " was written to \"" + path + "\"."));
    if (!generated.warnings.empty())
        messages.Show(Warning(WarningsMessage(generated.warnings), kTitle));
    return true;
}

bool ImportJavaPath(DocumentController& form, const std::string& path,
                    MessageBoxService& messages) {
    std::string text, error;
    if (!ReadWholeFile(path, text, error)) {
        messages.Show(
            Warning("The file \"" + path + "\" could not be read: " + error + ".", kTitle));
        return false;
    }
    javasource::ImportedClass imported = javasource::ImportJava(text);
    if (imported.refusal) {
        messages.Show(Warning("The file \"" + path +
                                  "\" is not read as a class Korvane generated: " +
                                  javasource::RefusalMessage(*imported.refusal) + ".",
                              kTitle));
        return false;
    }
    DesignDocument& doc = form.doc;
    if (form.Modified()) {
        const MessageRequest ask{doc.SaveChangesMessage, "Import Java", MessageIcon::Warning,
                                 MessageButtons::YesNoCancel, 1};
        const MessageResult answer = messages.Show(ask);
        if (answer == MessageResult::Cancel) return false;
        if (answer == MessageResult::Yes && !form.FileSave()) return false;
    }
    // A new design named after the class: its first save asks where to keep it.
    // The slots' order is the stacking of the class, and loading keeps it.
    form.LoadProject(std::move(imported.project));
    doc.FileName = imported.className;
    doc.JavaClassName = imported.className;
    doc.FilePath.clear();
    doc.Caption = imported.className;
    doc.Target = imported.target;
    doc.DialogParent = imported.dialogParent;
    // Never saved: modified, whatever is undone.
    form.History().ForgetSaved();
    form.NotifyChanged();
    std::string report = "The class " + imported.className + " (a " + imported.target +
                         ") was read into the design.";
    if (!imported.unmapped.empty()) {
        report += "\n\nNot in the design:";
        for (size_t k = 0; k < imported.unmapped.size() && k < kShownFindings; ++k)
            report += "\n" + javasource::RefusalMessage(imported.unmapped[k]);
        if (imported.unmapped.size() > kShownFindings)
            report +=
                "\n... and " + std::to_string(imported.unmapped.size() - kShownFindings) + " more.";
    }
    messages.Show(Information(report));
    return true;
}

bool ImportJavaFile(DocumentController& form, FileDialogService& dialogs,
                    MessageBoxService& messages) {
    CommonFileDialog dialog(&dialogs);
    dialog.Prepare("java", "", form.LastFolder);
    dialog.ShowOpen();
    const std::string path = TrimSpaces(dialog.FileName);
    if (path.empty()) return false;
    return ImportJavaPath(form, path, messages);
}

}  // namespace korvane
