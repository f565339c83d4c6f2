#include "codegen/MenuBarWriter.h"

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "codegen/SkeletonWriter.h"

namespace korvane {
namespace {

const std::string& NameOf(const JavaFile& file, const MenuNode& node) {
    return (*file.menuElements)[node.element].Name;
}

// What holds node: the window's menu bar, a menu of its own added to the bar, or the field of
// the menu above it.
std::string HolderOf(const JavaFile& file, const MenuNode& node) {
    const bool swing = file.SwingTarget();
    if (node.ownMenu)
        return std::string(swing ? "getJMenuBar().add(new JMenu(" : "getMenuBar().add(new Menu(") +
               JavaStringLiteral(node.label) + "))";
    if (node.parent < 0) return swing ? "getJMenuBar()" : "getMenuBar()";
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

bool WritesMenuBarLayout(const JavaFile& file) {
    return WritesMenuBar(file) && file.SwingTarget();
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
    if (WritesMenuBarLayout(file))
        file.Emit(8, {"getJMenuBar().setLayout(new ", file.className, kMenuBarLayoutSuffix, "(",
                      IntegerText(DesignedContentWidth(file)), "));"});
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

std::vector<std::string> MenuBarLayoutClassLines(std::string_view className) {
    const std::string cls = std::string(className) + std::string(kMenuBarLayoutSuffix);
    const char* lines[] = {
        "",
        "@@class@@",
        "    private final int designedWidth;",
        "",
        "@@ctor@@",
        "        this.designedWidth = designedWidth;",
        "    }",
        "",
        "    public void addLayoutComponent(String name, Component comp) {",
        "    }",
        "",
        "    public void removeLayoutComponent(Component comp) {",
        "    }",
        "",
        "    private int width(Container bar) {",
        "        int window = bar.getParent() == null ? 0 : bar.getParent().getWidth();",
        "        return window > 0 ? window : designedWidth;",
        "    }",
        "",
        "    private Dimension place(Container bar, int width, boolean move) {",
        "        Insets insets = bar.getInsets();",
        "        int rowHeight = 0;",
        "        for (Component menu : bar.getComponents())",
        "            if (menu.isVisible() && menu.getPreferredSize().height > rowHeight)",
        "                rowHeight = menu.getPreferredSize().height;",
        "        int x = insets.left, y = insets.top, widest = insets.left;",
        "        for (Component menu : bar.getComponents()) {",
        "            if (!menu.isVisible()) continue;",
        "            int menuWidth = menu.getPreferredSize().width;",
        "            if (x > insets.left && x + menuWidth > width - insets.right) {",
        "                x = insets.left;",
        "                y += rowHeight;",
        "            }",
        "            if (move) menu.setBounds(x, y, menuWidth, rowHeight);",
        "            x += menuWidth;",
        "            if (x > widest) widest = x;",
        "        }",
        "        return new Dimension(widest + insets.right, y + rowHeight + insets.bottom);",
        "    }",
        "",
        "    public Dimension preferredLayoutSize(Container bar) {",
        "        return place(bar, width(bar), false);",
        "    }",
        "",
        "    public Dimension minimumLayoutSize(Container bar) {",
        "        return place(bar, width(bar), false);",
        "    }",
        "",
        "    public void layoutContainer(Container bar) {",
        "        if (place(bar, bar.getWidth(), true).height != bar.getHeight())",
        "            EventQueue.invokeLater(bar::revalidate);",
        "    }",
        "}",
    };
    std::vector<std::string> out;
    for (std::string_view line : lines) {
        if (line == "@@class@@") {
            out.push_back("class " + cls + " implements LayoutManager {");
        } else if (line == "@@ctor@@") {
            out.push_back("    " + cls + "(int designedWidth) {");
        } else {
            out.emplace_back(line);
        }
    }
    return out;
}

void WriteMenuBarLayoutClass(JavaFile& file) {
    if (!WritesMenuBarLayout(file)) return;
    for (const std::string& line : MenuBarLayoutClassLines(file.className)) file.Emit(0, line);
}

}  // namespace korvane
