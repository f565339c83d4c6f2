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
    const std::string& name = row.name;
    const std::string model = "listModel_" + name;
    file.Emit(8, "DefaultListModel " + model + " = new DefaultListModel();");
    for (std::string_view item : ListItems(row.value))
        file.Emit(8, model + ".addElement(" + JavaStringLiteral(item) + ");");
    file.Emit(8, name + " = new JList(" + model + ");");
    file.Emit(8, "sp_" + name + " = new JScrollPane(" + name + ");");
}

void WriteJRadioButton(JavaFile& file, const CodegenRow& row) {
    const std::string& group = file.swingGroupName;
    if (!file.ButtonGroup_Declared) {
        file.Emit(8, group + " = new ButtonGroup();");
        file.ButtonGroup_Declared = true;
    }
    file.Emit(8, row.name + " = new JRadioButton(" + JavaStringLiteral(row.value) + ", false);");
    file.Emit(8, group + ".add(" + row.name + ");");
}

// The creation lines of a row, before its add line.
void WriteSwingCreation(JavaFile& file, const CodegenRow& row, const SwingKind& kind) {
    const std::string& name = row.name;
    const std::string cls(kind.javaClass);
    const std::string_view tag = row.type;
    if (tag == "JList") {
        WriteJList(file, row);
    } else if (tag == "JRadioButton") {
        WriteJRadioButton(file, row);
    } else if (tag == "JComboBox") {
        file.Emit(8, name + " = new JComboBox();");
        for (std::string_view item : ListItems(row.value))
            file.Emit(8, name + ".addItem(" + JavaStringLiteral(item) + ");");
    } else if (tag == "JHScrollBar") {
        file.Emit(8, name + " = new JScrollBar(Scrollbar.HORIZONTAL);");
    } else if (tag == "JVScrollBar") {
        file.Emit(8, name + " = new JScrollBar(Scrollbar.VERTICAL);");
    } else if (tag == "JPanel" || tag == "JScrollPane") {
        file.Emit(8, name + " = new " + cls + "();");
    } else {
        file.Emit(8, name + " = new " + cls + "(" + JavaStringLiteral(row.value) + ");");
        if (tag == "JTextArea") file.Emit(8, "sp_" + name + " = new JScrollPane(" + name + ");");
    }
}

}  // namespace

bool IsScrollWrappedKind(std::string_view type) {
    return type == "JTextArea" || type == "JList";
}

bool WriteSwingDeclaration(JavaFile& file, const CodegenRow& row) {
    const SwingKind* kind = FindSwingKind(row.type);
    if (!kind) return false;
    if (row.type == "JRadioButton" && !file.ButtonGroup_Declared) {
        file.Emit(4, "ButtonGroup " + file.swingGroupName + ";");
        file.ButtonGroup_Declared = true;
    }
    file.Emit(4, std::string(kind->javaClass) + " " + row.name + ";");
    if (IsScrollWrappedKind(row.type)) file.Emit(4, "JScrollPane sp_" + row.name + ";");
    return true;
}

bool WriteSwingConstruction(JavaFile& file, const CodegenRow& row) {
    const SwingKind* kind = FindSwingKind(row.type);
    if (!kind) return false;
    WriteSwingCreation(file, row, *kind);
    file.Emit(8, file.AddLine(IsScrollWrappedKind(row.type) ? "sp_" + row.name : row.name));
    file.Emit(0, "");
    return true;
}

}  // namespace korvane
