#include <array>

#include "codegen/ComponentWriters.h"
#include "codegen/JavaText.h"

namespace korvane {
namespace {

struct AwtKind {
    std::string_view tag;
    std::string_view javaClass;
};

constexpr std::array<AwtKind, 13> kAwtKinds{{
    {"Label", "Label"},
    {"PictureBox", "Canvas"},
    {"TextBox", "TextField"},
    {"TextArea", "TextArea"},
    {"CommandButton", "Button"},
    {"CheckBox", "Checkbox"},
    {"OptionButton", "Checkbox"},
    {"ComboBox", "Choice"},
    {"ListBox", "List"},
    {"HScrollBar", "Scrollbar"},
    {"VScrollBar", "Scrollbar"},
    {"Panel", "Panel"},
    {"ScrollPane", "ScrollPane"},
}};

const AwtKind* FindAwtKind(std::string_view tag) {
    for (const AwtKind& kind : kAwtKinds)
        if (kind.tag == tag) return &kind;
    return nullptr;
}

// The creation lines of a row, before its add line.
void WriteAwtCreation(JavaFile& file, const CodegenRow& row, const AwtKind& kind) {
    const std::string_view name = row.name;
    const std::string_view cls = kind.javaClass;
    const std::string_view tag = row.type;
    if (tag == "PictureBox" || tag == "Panel" || tag == "ScrollPane") {
        file.Emit(8, {name, " = new ", cls, "();"});
    } else if (tag == "OptionButton") {
        if (!file.checkboxGroupDeclared) {
            file.Emit(8, "cbg = new CheckboxGroup();");
            file.checkboxGroupDeclared = true;
        }
        file.Emit(8, {name, " = new Checkbox(", JavaLiteral{row.value}, ", cbg, false);"});
    } else if (tag == "ComboBox" || tag == "ListBox") {
        const std::string_view add = tag == "ComboBox" ? ".addItem(" : ".add(";
        file.Emit(8, {name, " = new ", cls, "();"});
        for (std::string_view item : ListItems(row.value))
            file.Emit(8, {name, add, JavaLiteral{item}, ");"});
    } else if (tag == "HScrollBar") {
        file.Emit(8, {name, " = new Scrollbar(Scrollbar.HORIZONTAL);"});
    } else if (tag == "VScrollBar") {
        file.Emit(8, {name, " = new Scrollbar(Scrollbar.VERTICAL);"});
    } else {
        file.Emit(8, {name, " = new ", cls, "(", JavaLiteral{row.value}, ");"});
    }
}

}  // namespace

bool WriteAwtDeclaration(JavaFile& file, const CodegenRow& row) {
    const AwtKind* kind = FindAwtKind(row.type);
    if (!kind) return false;
    if (row.type == "OptionButton" && !file.checkboxGroupDeclared) {
        file.Emit(4, "CheckboxGroup cbg;");
        file.checkboxGroupDeclared = true;
    }
    file.Emit(4, {kind->javaClass, " ", row.name, ";"});
    return true;
}

bool WriteAwtConstruction(JavaFile& file, const CodegenRow& row) {
    const AwtKind* kind = FindAwtKind(row.type);
    if (!kind) return false;
    WriteAwtCreation(file, row, *kind);
    file.EmitAdd({"", row.name, ""});
    file.Emit(0, "");
    return true;
}

}  // namespace korvane
