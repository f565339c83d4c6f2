#include "codegen/ComponentWriters.h"
#include "codegen/JavaFile.h"
#include "codegen/Stacking.h"

namespace korvane {
namespace {

// The container the children were added to, as a prefix of a call on it.
std::string_view ContainerPrefix(const JavaFile& file) {
    return UsesContentPane(file.generateType) ? "getContentPane()." : "";
}

}  // namespace

void WriteStackingLines(JavaFile& file) {
    if (!file.stacking.focusPolicy) return;
    const std::string_view container = ContainerPrefix(file);
    if (!IsFrameTarget(file.generateType) && !IsDialogTarget(file.generateType))
        file.Emit(8, "setFocusTraversalPolicyProvider(true);");
    file.Emit(8, {"setFocusTraversalPolicy(new ", file.className, "Focus(", container,
                  "getComponents()));"});
    for (size_t row : file.stacking.raised) {
        const ChildPieces child = ChildExpression(file, file.table[row]);
        file.Emit(
            8, {container, "setComponentZOrder(", child.before, child.name, child.after, ", 0);"});
    }
    file.Emit(0, "");
}

std::vector<std::string> FocusClassLines(std::string_view className, bool swing) {
    const std::string cls = std::string(className) + "Focus";
    // The policy of the family, whose accept() says which components take the focus.
    const std::string base = swing ? "LayoutFocusTraversalPolicy" : "DefaultFocusTraversalPolicy";
    const char* lines[] = {
        "",
        "@@class@@",
        "    private final Component[] order;",
        "",
        "@@ctor@@",
        "        this.order = order;",
        "    }",
        "",
        "    private Component target(Component c) {",
        "        if (accept(c)) return c;",
        "        if (c instanceof Container) {",
        "            for (Component inner : ((Container) c).getComponents()) {",
        "                Component found = target(inner);",
        "                if (found != null) return found;",
        "            }",
        "        }",
        "        return null;",
        "    }",
        "",
        "    private int indexOf(Component c) {",
        "        for (; c != null; c = c.getParent())",
        "            for (int i = 0; i < order.length; i++)",
        "                if (order[i] == c) return i;",
        "        return -1;",
        "    }",
        "",
        "    private Component step(int from, int direction) {",
        "        int n = order.length;",
        "        for (int k = 1; k <= n; k++) {",
        "            Component found = target(order[((from + direction * k) % n + n) % n]);",
        "            if (found != null) return found;",
        "        }",
        "        return null;",
        "    }",
        "",
        "    public Component getComponentAfter(Container root, Component c) {",
        "        return step(indexOf(c), 1);",
        "    }",
        "",
        "    public Component getComponentBefore(Container root, Component c) {",
        "        int i = indexOf(c);",
        "        return step(i < 0 ? 0 : i, -1);",
        "    }",
        "",
        "    public Component getFirstComponent(Container root) {",
        "        return step(-1, 1);",
        "    }",
        "",
        "    public Component getLastComponent(Container root) {",
        "        return step(0, -1);",
        "    }",
        "",
        "    public Component getDefaultComponent(Container root) {",
        "        return step(-1, 1);",
        "    }",
        "}",
    };
    std::vector<std::string> out;
    for (std::string_view line : lines) {
        if (line == "@@class@@") {
            out.push_back("class " + cls + " extends " + base + " {");
        } else if (line == "@@ctor@@") {
            out.push_back("    " + cls + "(Component[] order) {");
        } else {
            out.emplace_back(line);
        }
    }
    return out;
}

void WriteFocusClass(JavaFile& file) {
    if (!file.stacking.focusPolicy) return;
    for (const std::string& line : FocusClassLines(file.className, file.SwingTarget()))
        file.Emit(0, line);
}

}  // namespace korvane
