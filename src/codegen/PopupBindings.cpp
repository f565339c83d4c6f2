#include "codegen/Listeners.h"
#include "platform/Text.h"

namespace korvane {

bool IsPopupWindowKind(std::string_view kind) {
    return kind == "Dialog" || kind == "Frame" || kind == "JDialog" || kind == "JFrame";
}

bool IsWritablePopup(std::string_view popup) {
    return IsPopupBinding(popup) && IsPopupWindowKind(PopupBinding::Read(popup).kind);
}

void WritePopupWindowLines(const CodegenRow& row, std::string_view method,
                           std::string_view generateType, LineSink& sink) {
    if (row.popup.empty()) return;
    const PopupBinding& binding = row.binding;
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
        if (!row.popup.empty() && (row.binding.kind == "JDialog" || row.binding.kind == "JFrame"))
            return true;
    return false;
}

bool HasDialogPopupBinding(const CodegenTable& table) {
    for (const CodegenRow& row : table)
        if (!row.popup.empty() && row.binding.kind == "Dialog") return true;
    return false;
}

}  // namespace korvane
