#include <array>

#include "codegen/Listeners.h"
#include "platform/Text.h"

namespace korvane {
namespace {

bool IsPopupKind(std::string_view kind) {
    return kind == "Dialog" || kind == "Frame" || kind == "JDialog" || kind == "JFrame";
}

// Whether the popup is a valid binding of this kind, its first field: asked of every row, and
// most rows are passed over on their first bytes.
bool IsValidBindingOfKind(std::string_view popup, std::string_view kind) {
    return popup.size() > kind.size() && popup[kind.size()] == ',' && popup.starts_with(kind) &&
           IsValidPopupBinding(popup);
}

}  // namespace

PopupBinding SplitPopupBinding(std::string_view popup) {
    std::array<std::string_view, 3> fields;
    size_t start = 0;
    for (std::string_view& field : fields) {
        if (start > popup.size()) break;
        size_t end = popup.find(',', start);
        if (end == std::string_view::npos) end = popup.size();
        field = popup.substr(start, end - start);
        start = end + 1;
    }
    return {fields[0], fields[1], fields[2]};
}

bool IsValidPopupBinding(std::string_view popup) {
    // Three fields need two commas.
    const size_t firstComma = popup.find(',');
    if (firstComma == std::string_view::npos ||
        popup.find(',', firstComma + 1) == std::string_view::npos)
        return false;
    const PopupBinding binding = SplitPopupBinding(popup);
    return IsPopupKind(binding.kind) && !binding.className.empty() && binding.trigger != "(None)";
}

void WritePopupWindowLines(const CodegenRow& row, std::string_view method,
                           std::string_view generateType, LineSink& sink) {
    if (!IsValidPopupBinding(row.popup)) return;
    const PopupBinding binding = SplitPopupBinding(row.popup);
    if (binding.trigger != method) return;
    if (binding.kind == "Dialog") {
        // Only frames keep the frame field a dialog needs as its owner.
        if (generateType != "Frame" && generateType != "JFrame") return;
        AppendAll(sink.BeginLine(),
                  {"            Dialog window = new ", binding.className, "(frame, \"Title\");"});
    } else {
        AppendAll(sink.BeginLine(),
                  {"            ", binding.kind, " window = new ", binding.className, "();"});
    }
    sink.EndLine();
    sink.EmitLine("            window.pack();");
    sink.EmitLine("            window.show();");
}

bool PopupsNeedSwingImport(const CodegenTable& table) {
    for (const CodegenRow& row : table)
        if (IsValidBindingOfKind(row.popup, "JDialog") || IsValidBindingOfKind(row.popup, "JFrame"))
            return true;
    return false;
}

bool HasDialogPopupBinding(const CodegenTable& table) {
    for (const CodegenRow& row : table)
        if (IsValidBindingOfKind(row.popup, "Dialog")) return true;
    return false;
}

}  // namespace korvane
