#include "codegen/MenuBarWriter.h"

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"

namespace korvane {
namespace {

const std::string& NameOf(const JavaFile& file, const MenuNode& node) {
    return (*file.menuElements)[node.element].Name;
}

// What holds node: the window's menu bar, or the field of the menu above it.
std::string HolderOf(const JavaFile& file, const MenuNode& node) {
    if (node.parent < 0) return file.SwingTarget() ? "getJMenuBar()" : "getMenuBar()";
    return NameOf(file, file.menuTree.nodes[static_cast<size_t>(node.parent)]);
}

std::string KeyCode(const MenuShortcut& shortcut) {
    return "KeyEvent.VK_" + shortcut.key;
}

void WriteAwtElement(JavaFile& file, const MenuNode& node) {
    const std::string& name = NameOf(file, node);
    const std::string cls(MenuElementClass(node.type, false));
    const std::string label = JavaStringLiteral(node.label);
    if (node.type == MenuElementType::Check) {
        file.Emit(8, name + " = new " + cls + "(" + label + ", " +
                         (node.state.checked ? "true" : "false") + ");");
        if (node.shortcut)
            file.Emit(8, name + ".setShortcut(new MenuShortcut(" + KeyCode(*node.shortcut) +
                             (node.shortcut->shift ? ", true" : "") + "));");
    } else if (node.shortcut) {
        file.Emit(8, name + " = new " + cls + "(" + label + ", new MenuShortcut(" +
                         KeyCode(*node.shortcut) + (node.shortcut->shift ? ", true" : "") + "));");
    } else {
        file.Emit(8, name + " = new " + cls + "(" + label + ");");
    }
}

void WriteSwingElement(JavaFile& file, const MenuNode& node) {
    const std::string& name = NameOf(file, node);
    const std::string cls(MenuElementClass(node.type, true));
    const std::string label = JavaStringLiteral(node.label);
    if (node.type == MenuElementType::Check) {
        file.Emit(8, name + " = new " + cls + "(" + label + ", " +
                         (node.state.checked ? "true" : "false") + ");");
    } else {
        file.Emit(8, name + " = new " + cls + "(" + label + ");");
    }
    if (node.shortcut)
        file.Emit(8, name + ".setAccelerator(KeyStroke.getKeyStroke(" + KeyCode(*node.shortcut) +
                         ", InputEvent.CTRL_DOWN_MASK" +
                         (node.shortcut->shift ? " | InputEvent.SHIFT_DOWN_MASK" : "") + "));");
}

}  // namespace

bool WritesMenuBar(const JavaFile& file) {
    return IsFrameTarget(file.generateType) && !file.menuTree.nodes.empty();
}

void WriteMenuDeclarations(JavaFile& file) {
    if (!WritesMenuBar(file)) return;
    const bool swing = file.SwingTarget();
    for (const MenuNode& node : file.menuTree.nodes)
        if (node.type != MenuElementType::Separator)
            file.Emit(4, std::string(MenuElementClass(node.type, swing)) + " " +
                             NameOf(file, node) + ";");
}

void WriteMenuBarConstruction(JavaFile& file) {
    if (!WritesMenuBar(file)) return;
    const bool swing = file.SwingTarget();
    // The bar is set first and reached through the window, so that no local variable has to
    // live across the statements (which a very large design spreads over several methods).
    file.Emit(8, swing ? "setJMenuBar(new JMenuBar());" : "setMenuBar(new MenuBar());");
    for (const MenuNode& node : file.menuTree.nodes) {
        const std::string holder = HolderOf(file, node);
        if (node.type == MenuElementType::Separator) {
            file.Emit(8, holder + ".addSeparator();");
            continue;
        }
        if (swing) {
            WriteSwingElement(file, node);
        } else {
            WriteAwtElement(file, node);
        }
        const std::string& name = NameOf(file, node);
        if (!node.state.enabled) file.Emit(8, name + ".setEnabled(false);");
        file.Emit(8, holder + ".add(" + name + ");");
    }
    file.Emit(0, "");
}

}  // namespace korvane
