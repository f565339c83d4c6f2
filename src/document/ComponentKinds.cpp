#include "document/ComponentKinds.h"

#include <array>

#include "platform/FixedNameIndex.h"

namespace korvane {
namespace {

constexpr std::array<ComponentKind, 25> kKinds{{
    {"Label", Family::Awt, "label_", "Label", "Label"},
    {"TextBox", Family::Awt, "textfield_", "TextField", "TextField"},
    {"TextArea", Family::Awt, "textarea_", "TextArea", "TextArea"},
    {"CommandButton", Family::Awt, "button_", "Button", "Button"},
    {"PictureBox", Family::Awt, "canvas_", "Canvas", "Canvas"},
    {"CheckBox", Family::Awt, "checkbox_", "Checkbox", "CheckBox"},
    {"OptionButton", Family::Awt, "radio_", "Radiobutton", "CheckBox"},
    {"ComboBox", Family::Awt, "choice_", "Choice", "Choice"},
    {"ListBox", Family::Awt, "list_", "List", "List"},
    {"HScrollBar", Family::Awt, "scrollbar_h_", "Scrollbar H", "Scrollbar"},
    {"VScrollBar", Family::Awt, "scrollbar_v_", "Scrollbar V", "Scrollbar"},
    {"Panel", Family::Awt, "panel_", "Panel", "Panel"},
    {"ScrollPane", Family::Awt, "scrollpane_", "ScrollPane", "ScrollPane"},
    {"JLabel", Family::Swing, "label_", "JLabel", "JLabel"},
    {"JTextField", Family::Swing, "textfield_", "JTextField", "JTextField"},
    {"JTextArea", Family::Swing, "textarea_", "JTextArea", "JTextArea"},
    {"JButton", Family::Swing, "button_", "JButton", "JButton"},
    {"JCheckBox", Family::Swing, "checkbox_", "JCheckBox", "JCheckBox"},
    {"JRadioButton", Family::Swing, "radio_", "JRadioButton", "JRadioButton"},
    {"JComboBox", Family::Swing, "combobox_", "JComboBox", "JComboBox"},
    {"JList", Family::Swing, "list_", "JList", "JList"},
    {"JHScrollBar", Family::Swing, "scrollbar_h_", "JScrollbar H", "JScrollBar"},
    {"JVScrollBar", Family::Swing, "scrollbar_v_", "JScrollbar V", "JScrollBar"},
    {"JPanel", Family::Swing, "panel_", "JPanel", "JPanel"},
    {"JScrollPane", Family::Swing, "scrollpane_", "JScrollPane", "JScrollPane"},
}};

constexpr FixedNameIndex<kKinds.size()> kKindOfTag(kKinds,
                                                   [](const ComponentKind& k) { return k.tag; });

}  // namespace

std::span<const ComponentKind> AllKinds() {
    return kKinds;
}

const ComponentKind* FindKind(std::string_view tag) {
    const size_t k = kKindOfTag.Find(tag);
    return k == kKindOfTag.npos ? nullptr : &kKinds[k];
}

std::string DisplayNameOfType(std::string_view tag) {
    const ComponentKind* k = FindKind(tag);
    return std::string(k ? k->displayName : tag);
}

std::string TypeOfDisplayName(std::string_view displayName) {
    if (displayName == "TextField/TextArea") return "TextBox";
    for (const ComponentKind& k : kKinds)
        if (k.displayName == displayName) return std::string(k.tag);
    return std::string(displayName);
}

std::string JavaClassOfType(std::string_view tag) {
    const ComponentKind* k = FindKind(tag);
    return std::string(k ? k->javaClassKey : tag);
}

bool IsListKind(std::string_view tag) {
    return tag == "ComboBox" || tag == "ListBox" || tag == "JComboBox" || tag == "JList";
}

bool IsVerticalScrollBar(std::string_view tag) {
    return tag == "VScrollBar" || tag == "JVScrollBar";
}

bool IsSwingKind(std::string_view tag) {
    const ComponentKind* k = FindKind(tag);
    return k && k->family == Family::Swing;
}

}  // namespace korvane
