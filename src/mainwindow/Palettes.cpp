#include "mainwindow/Palettes.h"

#include <array>

namespace korvane {
namespace {

constexpr std::array<PaletteEntry, 13> kAwt{{
    {"Label", "Label"},
    {"TextField", "TextBox"},
    {"TextArea", "TextArea"},
    {"Button", "CommandButton"},
    {"Canvas", "PictureBox"},
    {"Checkbox", "CheckBox"},
    {"Radiobutton", "OptionButton"},
    {"Choice", "ComboBox"},
    {"List", "ListBox"},
    {"Scrollbar H", "HScrollBar"},
    {"Scrollbar V", "VScrollBar"},
    {"Panel", "Panel"},
    {"ScrollPane", "ScrollPane"},
}};

constexpr std::array<PaletteEntry, 12> kSwing{{
    {"JLabel", "JLabel"},
    {"JButton", "JButton"},
    {"JTextField", "JTextField"},
    {"JTextArea", "JTextArea"},
    {"JCheckBox", "JCheckBox"},
    {"JRadioButton", "JRadioButton"},
    {"JComboBox", "JComboBox"},
    {"JList", "JList"},
    {"JScrollbar H", "JHScrollBar"},
    {"JScrollbar V", "JVScrollBar"},
    {"JPanel", "JPanel"},
    {"JScrollPane", "JScrollPane"},
}};

}  // namespace

const PaletteEntry* AwtPaletteEntry(int index) {
    return index >= 1 && index <= 13 ? &kAwt[static_cast<size_t>(index - 1)] : nullptr;
}

const PaletteEntry* SwingPaletteEntry(int index) {
    return index >= 1 && index <= 12 ? &kSwing[static_cast<size_t>(index - 1)] : nullptr;
}

}  // namespace korvane
