#include "codegen/TargetWrappers.h"

#include "codegen/Listeners.h"

namespace korvane {
namespace {

void WriteAppletMain(JavaFile& file) {
    const std::string& cls = file.className;
    const bool swing = file.SwingTarget();
    file.Emit(4, "public static void main(String args[]) {");
    file.Emit(8, cls + " applet = new " + cls + "();");
    const std::string window = swing ? "JFrame" : "Frame";
    file.Emit(8, window + " window = new " + window + "(\"" + cls + "\");");
    file.Emit(0, "");
    file.Emit(8, "window.addWindowListener(new WindowAdapter() {");
    file.Emit(12, "public void windowClosing(WindowEvent e) {");
    file.Emit(16, "System.exit(0);");
    file.Emit(12, "}");
    file.Emit(8, "});");
    file.Emit(0, "");
    file.Emit(8, "applet.init();");
    file.Emit(8, swing ? "window.getContentPane().add(\"Center\", applet);"
                       : "window.add(\"Center\", applet);");
    file.Emit(8, "window.pack();");
    file.Emit(8, "window.setVisible(true);");
    file.Emit(4, "}");
}

void WriteFrameMain(JavaFile& file) {
    const std::string& cls = file.className;
    file.Emit(4, "public static void main(String args[]) {");
    file.Emit(8, cls + " window = new " + cls + "();");
    file.Emit(0, "");
    file.Emit(8, "window.setTitle(\"" + cls + "\");");
    file.Emit(8, "window.pack();");
    file.Emit(8, "window.show();");
    file.Emit(4, "}");
}

}  // namespace

bool NeedsFrameField(const JavaFile& file) {
    return IsFrameTarget(file.generateType) && file.HasDialogPopup();
}

std::string DialogParentType(const JavaFile& file) {
    if (!file.dialogParent.empty()) return file.dialogParent;
    return file.SwingTarget() ? "JFrame" : "Frame";
}

void WriteConstructorOpening(JavaFile& file) {
    const std::string& cls = file.className;
    if (IsFrameTarget(file.generateType)) {
        const bool frameField = NeedsFrameField(file);
        if (frameField) {
            file.Emit(0, "");
            file.Emit(4, file.generateType + " frame;");
        }
        file.Emit(0, "");
        file.Emit(4, "public " + cls + "() {");
        if (frameField) {
            file.Emit(8, "frame = this;");
            file.Emit(0, "");
        }
    } else if (IsDialogTarget(file.generateType)) {
        const std::string owner = file.SwingTarget() ? "JFrame" : "Frame";
        const std::string parent = DialogParentType(file);
        file.Emit(0, "");
        file.Emit(4, parent + " parent;");
        file.Emit(0, "");
        file.Emit(4, "public " + cls + "(" + owner + " dialog_parent, String title) {");
        file.Emit(8, "super(dialog_parent, title, true);");
        file.Emit(8, "parent = (" + parent + ")dialog_parent;");
        file.Emit(0, "");
    } else {
        file.Emit(0, "");
        file.Emit(4, "public " + cls + "() {");
    }
}

void WriteConstructorClosing(JavaFile& file) {
    const bool frame = IsFrameTarget(file.generateType);
    const bool window = frame || IsDialogTarget(file.generateType);
    // A window knows the insets of its decorations only once it is displayable, which pack()
    // makes it; the size of a panel is its content's.
    file.Emit(8, window ? "pack();" : "setSize(getPreferredSize());");
    file.Emit(0, "");
    if (window) {
        file.Emit(8, "addWindowListener(new WindowAdapter() {");
        file.Emit(12, "public void windowClosing(WindowEvent e) {");
        file.Emit(16, frame ? "System.exit(0);" : "dispose();");
        file.Emit(12, "}");
        file.Emit(8, "});");
    }
    file.Emit(4, "}");
    file.Emit(0, "");
}

void WriteMainAndClassEnd(JavaFile& file) {
    if (IsAppletTarget(file.generateType)) {
        WriteAppletMain(file);
    } else if (IsFrameTarget(file.generateType)) {
        WriteFrameMain(file);
    }
    file.Emit(0, "}");
    file.Emit(0, "");
}

}  // namespace korvane
