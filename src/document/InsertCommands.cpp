#include "document/InsertCommands.h"

#include <array>

namespace korvane {

std::span<const InsertCommand> InsertCommands() {
    static constexpr std::array<InsertCommand, 25> kCommands{{
        {"Label", "Label", "OptionInsertLabel_Click", "Label", "opt_Label_Click"},
        {"CommandButton", "Button", "OptionInsertButton_Click", "Button", "opt_Button_Click"},
        {"TextBox", "TextField", "OptionInsertTextField_Click", "TextField", "opt_TextField_Click"},
        {"TextArea", "TextArea", "OptionInsertTextArea_Click", "TextArea", "opt_TextArea_Click"},
        {"CheckBox", "CheckBox", "OptionInsertCheckBox_Click", "CheckBox", "opt_CheckBox_Click"},
        {"OptionButton", "RadioButton", "OptionInsertRadioButton_Click", "RadioButton",
         "opt_RadioButton_Click"},
        {"ComboBox", "Choice", "OptionInsertChoice_Click", "Choice", "opt_Choice_Click"},
        {"ListBox", "List", "OptionInsertList_Click", "List", "opt_List_Click"},
        {"HScrollBar", "ScrollBar H. ", "OptionInsertScrollBarH_Click", "Scrollbar H.",
         "opt_ScrollbarH_Click"},
        {"VScrollBar", "ScrollBar V. ", "OptionInsertScrollBarV_Click", "Scrollbar V.",
         "opt_ScrollbarV_Click"},
        {"PictureBox", "Canvas", "OptionInsertCanvas_Click", "Canvas", "opt_Canvas_Click"},
        {"Panel", "Panel", "OptionInsertPanel_Click", "Panel", "opt_Panel_Click"},
        {"ScrollPane", "ScrollPane", "optionInsertScrollPane_Click", "ScrollPane",
         "opt_ScrollPane_Click"},
        {"JLabel", "JLabel", "OptionInsertJLabel_Click", "JLabel", "opt_JLabel_Click"},
        {"JButton", "JButton", "OptionInsertJButton_Click", "JButton", "opt_JButton_Click"},
        {"JTextField", "JTextField", "OptionInsertJTextField_Click", "JTextField",
         "opt_JTextField_Click"},
        {"JTextArea", "JTextArea", "OptionInsertJTextArea_Click", "JTextArea",
         "opt_JTextArea_Click"},
        {"JCheckBox", "JCheckBox", "OptionInsertJCheckBox_Click", "JCheckBox",
         "opt_JCheckBox_Click"},
        {"JRadioButton", "JRadioButton", "OptionInsertJRadioButton_Click", "JRadioButton",
         "opt_JRadioButton_Click"},
        {"JComboBox", "JComboBox", "OptionInsertJComboBox_Click", "JComboBox",
         "opt_JComboBox_Click"},
        {"JList", "JList", "OptionInsertJList_Click", "JList", "opt_JList_Click"},
        {"JHScrollBar", "JScrollBar H.", "OptionInsertJScrollBarH_Click", "JScrollBar H.",
         "opt_JScrollBarH_Click"},
        {"JVScrollBar", "JScrollBar V.", "OptionInsertJScrollBarV_Click", "JScrollBar V.",
         "opt_JScrollBarV_Click"},
        {"JPanel", "JPanel", "OptionInsertJPanel_Click", "JPanel", "opt_JPanel_Click"},
        {"JScrollPane", "JScrollPane", "OptionInsertJScrollPane_Click", "JScrollPane",
         "opt_JScrollPane_Click"},
    }};
    return kCommands;
}

}  // namespace korvane
