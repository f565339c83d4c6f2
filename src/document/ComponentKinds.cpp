#include "document/ComponentKinds.h"

#include <array>
#include <cstdint>

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

// The kinds by a hash of a tag's length and three of its letters, so that a look-up, asked
// several times for each component of a generation, compares one tag rather than up to 25.
class KindIndex {
  public:
    static constexpr size_t kBuckets = 64;
    static constexpr size_t kPerBucket = 2;

    static constexpr size_t BucketOf(std::string_view tag) {
        const auto at = [&](size_t i) {
            return static_cast<size_t>(static_cast<unsigned char>(tag[i]));
        };
        return (tag.size() + at(0) + 2 * at(tag.size() / 2) + at(tag.size() - 1)) % kBuckets;
    }

    constexpr KindIndex() : kinds_{} {
        for (auto& bucket : kinds_) bucket.fill(kNone);
        for (size_t k = 0; k < kKinds.size(); ++k) {
            auto& bucket = kinds_[BucketOf(kKinds[k].tag)];
            size_t free = 0;
            while (bucket[free] != kNone) ++free;    // past the end when a bucket overflows,
            bucket[free] = static_cast<uint8_t>(k);  // which stops the constant evaluation
        }
    }

    const ComponentKind* Find(std::string_view tag) const {
        if (tag.empty()) return nullptr;
        for (uint8_t k : kinds_[BucketOf(tag)])
            if (k != kNone && kKinds[k].tag == tag) return &kKinds[k];
        return nullptr;
    }

  private:
    static constexpr uint8_t kNone = 0xff;
    std::array<std::array<uint8_t, kPerBucket>, kBuckets> kinds_;
};

constexpr KindIndex kKindIndex;

}  // namespace

std::span<const ComponentKind> AllKinds() {
    return kKinds;
}

const ComponentKind* FindKind(std::string_view tag) {
    return kKindIndex.Find(tag);
}

std::string Type_To_Display_Name(std::string_view tag) {
    const ComponentKind* k = FindKind(tag);
    return std::string(k ? k->displayName : tag);
}

std::string Display_Name_To_Type(std::string_view displayName) {
    if (displayName == "TextField/TextArea") return "TextBox";
    for (const ComponentKind& k : kKinds)
        if (k.displayName == displayName) return std::string(k.tag);
    return std::string(displayName);
}

std::string Type_To_Java_Class(std::string_view tag) {
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
