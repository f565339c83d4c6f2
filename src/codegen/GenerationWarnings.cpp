#include "codegen/GenerationWarnings.h"

#include "document/MenuBar.h"
#include "platform/Text.h"

namespace korvane {
namespace {

void DroppedEvents(const ListenerPlan& plan, std::vector<std::string>& out) {
    for (const ListenerPlan::Dropped& d : plan.dropped) {
        const std::string what = d.classKey.empty() ? "its kind" : d.classKey;
        out.push_back("The event " + Quoted(d.method) + " of " + Quoted(d.name) +
                      " is left out: " + what + " has no listener method of that name.");
    }
}

void DialogBindings(const JavaFile& file, std::vector<std::string>& out) {
    if (IsFrameTarget(file.generateType)) return;
    for (const CodegenRow& row : file.table) {
        if (row.popup.empty()) continue;
        const PopupBinding& binding = row.binding;
        if (binding.kind != "Dialog") continue;
        out.push_back("The popup binding of " + Quoted(row.name) + " opens the Dialog " +
                      Quoted(binding.className) +
                      ", which needs an owner frame: only the Frame and JFrame targets write it, "
                      "so in this " +
                      file.generateType + " it opens nothing.");
    }
}

// Opening a menu fires no event: the listeners of a menu are written but never run.
void MenuEvents(const JavaFile& file, const std::vector<MenuElement>& menuElements,
                std::vector<std::string>& out) {
    for (const MenuNode& node : file.menuTree.nodes) {
        const MenuElement& element = menuElements[node.element];
        if (node.type != MenuElementType::Menu || TrimSpaces(element.Events).empty()) continue;
        out.push_back("The events of the menu " + Quoted(element.Name) +
                      " are written, but opening a menu fires none of them: give them to an "
                      "item of the menu.");
    }
}

}  // namespace

std::vector<std::string> GenerationWarnings(const JavaFile& file, const ListenerPlan& plan,
                                            const std::vector<MenuElement>& menuElements) {
    std::vector<std::string> warnings;
    DroppedEvents(plan, warnings);
    DialogBindings(file, warnings);
    MenuEvents(file, menuElements, warnings);
    if (!IsFrameTarget(file.generateType) && HasMenuElements(menuElements))
        warnings.push_back(
            "The design has a menu bar, which only the Frame and JFrame targets "
            "generate: this " +
            file.generateType + " has none.");
    if (IsAppletTarget(file.generateType))
        warnings.push_back("The class " + Quoted(file.className) + " extends " + file.generateType +
                           ", which JDK 26 no longer has: it compiles and runs on JDK 8 to 25. "
                           "The Frame and JFrame targets run on any JDK.");
    return warnings;
}

void UnwrittenPopupBindings(const DesignDocument& doc, const CodegenTable& table,
                            std::vector<std::string>& out) {
    for (const CodegenRow& row : table) {
        const std::string& popup = doc.Slot(row.slot).ComponentPopup;
        if (!row.popup.empty() || !HoldsPopupChoice(popup)) continue;
        if (!IsPopupBinding(popup)) {
            out.push_back("The popup binding of " + Quoted(row.name) + " is incomplete: it needs " +
                          MissingPopupFields(PopupBinding::Read(popup)) +
                          ". It is not written, and stays in the design.");
            continue;
        }
        out.push_back("The popup binding of " + Quoted(row.name) + " opens a " +
                      Quoted(PopupBinding::Read(popup).kind) +
                      ", which is none of Dialog, Frame, JDialog and JFrame: it is not written, "
                      "and stays in the design.");
    }
}

std::string WarningsMessage(const std::vector<std::string>& warnings, size_t shown) {
    std::string message;
    for (size_t i = 0; i < warnings.size() && i < shown; ++i)
        message += (i ? "\n" : "") + warnings[i];
    if (warnings.size() > shown)
        message += "\n... and " + std::to_string(warnings.size() - shown) + " more.";
    return message;
}

}  // namespace korvane
