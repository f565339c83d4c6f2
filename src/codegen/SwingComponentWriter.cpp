#include <array>

#include "codegen/ComponentWriters.h"
#include "codegen/JavaText.h"

namespace korvane {
namespace {

struct SwingKind {
    std::string_view tag;
    std::string_view javaClass;
};

constexpr std::array<SwingKind, 12> kSwingKinds{{
    {"JLabel", "JLabel"},
    {"JTextField", "JTextField"},
    {"JTextArea", "JTextArea"},
    {"JButton", "JButton"},
    {"JCheckBox", "JCheckBox"},
    {"JRadioButton", "JRadioButton"},
    {"JComboBox", "JComboBox"},
    {"JList", "JList"},
    {"JHScrollBar", "JScrollBar"},
    {"JVScrollBar", "JScrollBar"},
    {"JPanel", "JPanel"},
    {"JScrollPane", "JScrollPane"},
}};

const SwingKind* FindSwingKind(std::string_view tag) {
    for (const SwingKind& kind : kSwingKinds)
        if (kind.tag == tag) return &kind;
    return nullptr;
}

void WriteJList(JavaFile& file, const CodegenRow& row) {
    const std::string_view name = row.name;
    if (file.splitBody) {
        // No local model: the items may go on in the next local class.
        file.Emit(8, {name, " = new JList(new DefaultListModel());"});
        for (std::string_view item : ListItems(row.value))
            file.Emit(8, {"((DefaultListModel) ", name, ".getModel()).addElement(",
                          JavaLiteral{item}, ");"});
        return;
    }
    const std::string model = "listModel_" + std::string(name);
    file.Emit(8, {"DefaultListModel ", model, " = new DefaultListModel();"});
    for (std::string_view item : ListItems(row.value))
        file.Emit(8, {model, ".addElement(", JavaLiteral{item}, ");"});
    file.Emit(8, {name, " = new JList(", model, ");"});
    file.Emit(8, {"sp_", name, " = new JScrollPane(", name, ");"});
}

void WriteJRadioButton(JavaFile& file, const CodegenRow& row) {
    const std::string& group = file.swingGroupName;
    if (!file.buttonGroupDeclared) {
        file.Emit(8, {group, " = new ButtonGroup();"});
        file.buttonGroupDeclared = true;
    }
    file.Emit(8, {row.name, " = new JRadioButton(", JavaLiteral{row.value}, ", false);"});
    file.Emit(8, {group, ".add(", row.name, ");"});
}

// The creation lines of a row, before its add line.
void WriteSwingCreation(JavaFile& file, const CodegenRow& row, const SwingKind& kind) {
    const std::string_view name = row.name;
    const std::string_view cls = kind.javaClass;
    const std::string_view tag = row.type;
    if (tag == "JList") {
        WriteJList(file, row);
    } else if (tag == "JRadioButton") {
        WriteJRadioButton(file, row);
    } else if (tag == "JComboBox") {
        file.Emit(8, {name, " = new JComboBox();"});
        for (std::string_view item : ListItems(row.value))
            file.Emit(8, {name, ".addItem(", JavaLiteral{item}, ");"});
    } else if (tag == "JHScrollBar") {
        file.Emit(8, {name, " = new JScrollBar(Scrollbar.HORIZONTAL);"});
    } else if (tag == "JVScrollBar") {
        file.Emit(8, {name, " = new JScrollBar(Scrollbar.VERTICAL);"});
    } else if (tag == "JPanel" || tag == "JScrollPane") {
        file.Emit(8, {name, " = new ", cls, "();"});
    } else {
        file.Emit(8, {name, " = new ", cls, "(", JavaLiteral{row.value}, ");"});
        if (tag == "JTextArea" && !file.splitBody)
            file.Emit(8, {"sp_", name, " = new JScrollPane(", name, ");"});
    }
}

}  // namespace

bool IsScrollWrappedKind(std::string_view type) {
    return type == "JTextArea" || type == "JList";
}

ChildPieces AddName(const CodegenRow& row) {
    return {IsScrollWrappedKind(row.type) ? "sp_" : "", row.name, ""};
}

ChildPieces ChildExpression(const JavaFile& file, const CodegenRow& row) {
    if (!IsScrollWrappedKind(row.type)) return {"", row.name, ""};
    // A split body keeps no scroll pane fields: the pane holds the component's viewport.
    return file.splitBody ? ChildPieces{"", row.name, ".getParent().getParent()"}
                          : ChildPieces{"sp_", row.name, ""};
}

bool WriteSwingDeclaration(JavaFile& file, const CodegenRow& row) {
    const SwingKind* kind = FindSwingKind(row.type);
    if (!kind) return false;
    if (row.type == "JRadioButton" && !file.buttonGroupDeclared) {
        file.Emit(4, "ButtonGroup " + file.swingGroupName + ";");
        file.buttonGroupDeclared = true;
    }
    file.Emit(4, {kind->javaClass, " ", row.name, ";"});
    if (IsScrollWrappedKind(row.type) && !file.splitBody)
        file.Emit(4, {"JScrollPane sp_", row.name, ";"});
    return true;
}

bool WriteSwingConstruction(JavaFile& file, const CodegenRow& row) {
    const SwingKind* kind = FindSwingKind(row.type);
    if (!kind) return false;
    WriteSwingCreation(file, row, *kind);
    // Swing components take their font from the look and feel, not from their container.
    const std::string_view container =
        UsesContentPane(file.generateType) ? "getContentPane()." : "";
    file.Emit(8, {row.name, ".setFont(", container, "getFont());"});
    const bool newPane = IsScrollWrappedKind(row.type) && file.splitBody;
    file.EmitAdd(newPane ? ChildPieces{"new JScrollPane(", row.name, ")"} : AddName(row));
    file.Emit(0, "");
    return true;
}

}  // namespace korvane
