#include "codegen/Listeners.h"
#include "platform/Text.h"

namespace korvane {
namespace {

// Whether the popup is a binding of this kind, its first field: asked of every row, and most
// rows are passed over on their first bytes.
bool IsBindingOfKind(std::string_view popup, std::string_view kind) {
    return popup.size() > kind.size() && popup[kind.size()] == ',' && popup.starts_with(kind) &&
           IsPopupBinding(popup);
}

}  // namespace

bool IsPopupWindowKind(std::string_view kind) {
    return kind == "Dialog" || kind == "Frame" || kind == "JDialog" || kind == "JFrame";
}

bool IsWritablePopup(std::string_view popup) {
    return IsPopupBinding(popup) && IsPopupWindowKind(PopupBinding::Read(popup).kind);
}

void WritePopupWindowLines(const CodegenRow& row, std::string_view method,
                           std::string_view generateType, LineSink& sink) {
    if (!IsWritablePopup(row.popup)) return;
    const PopupBinding binding = PopupBinding::Read(row.popup);
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
        if (IsBindingOfKind(row.popup, "JDialog") || IsBindingOfKind(row.popup, "JFrame"))
            return true;
    return false;
}

bool HasDialogPopupBinding(const CodegenTable& table) {
    for (const CodegenRow& row : table)
        if (IsBindingOfKind(row.popup, "Dialog")) return true;
    return false;
}

}  // namespace korvane
