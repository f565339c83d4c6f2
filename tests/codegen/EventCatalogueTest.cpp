#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "codegen/EventCatalogue.h"

namespace korvane {
namespace {

using Methods = std::vector<std::string_view>;

const EventCatalogue& Catalogue() {
    static const EventCatalogue catalogue;
    return catalogue;
}

TEST(EventCatalogue, TableSizesAndSwingRowsAfterAwtRows) {
    const auto classRows = Catalogue().ClassEventTable();
    EXPECT_EQ(Catalogue().EventMethodTable().size(), 29u);
    EXPECT_EQ(Catalogue().ListenerTable().size(), 11u);
    ASSERT_EQ(classRows.size(), 191u);
    const auto firstSwing = std::find_if(classRows.begin(), classRows.end(),
                                         [](const auto& row) { return row.classKey[0] == 'J'; });
    EXPECT_EQ(firstSwing - classRows.begin(), 123);
    EXPECT_TRUE(std::all_of(firstSwing, classRows.end(),
                            [](const auto& row) { return row.classKey[0] == 'J'; }));
}

// The checks before generation find listener class files that differ only in case by name and
// suffix: that holds only while no suffix ends another one, ignoring case (as "_L" would end
// "_AL"), and each listener row has its own suffix.
TEST(EventCatalogue, NoListenerSuffixEndsAnotherIgnoringCase) {
    const auto folded = [](std::string_view text) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    const auto listeners = Catalogue().ListenerTable();
    ASSERT_LE(listeners.size(), 32u);  // one bit per row in a 32-bit mask
    for (const ListenerRow& a : listeners) {
        for (const ListenerRow& b : listeners) {
            if (&a == &b) continue;
            EXPECT_FALSE(folded(a.suffix).ends_with(folded(b.suffix)))
                << a.suffix << " ends with " << b.suffix;
        }
    }
}

TEST(EventCatalogue, MethodsForClassFollowTableOrder) {
    const Methods button{"actionPerformed()", "focusGained()",     "focusLost()",
                         "keyPressed()",      "keyReleased()",     "keyTyped()",
                         "mouseClicked()",    "mouseEntered()",    "mouseExited()",
                         "mousePressed()",    "mouseReleased()",   "mouseDragged()",
                         "mouseMoved()",      "componentHidden()", "componentShown()",
                         "componentMoved()",  "componentResized()"};
    EXPECT_EQ(Catalogue().MethodsForClass("Button"), button);

    const Methods& list = Catalogue().MethodsForClass("List");
    const auto at = [&](std::string_view m) { return std::find(list.begin(), list.end(), m); };
    EXPECT_EQ(at("itemStateChanged()") - at("mouseMoved()"), 1);
    EXPECT_EQ(at("componentHidden()") - at("itemStateChanged()"), 1);

    EXPECT_EQ(Catalogue().MethodsForClass("CheckBox").front(), "itemStateChanged()");
    const Methods& textField = Catalogue().MethodsForClass("TextField");
    EXPECT_EQ(Methods(textField.begin(), textField.begin() + 2),
              (Methods{"actionPerformed()", "textValueChanged()"}));
    EXPECT_EQ(Catalogue().MethodsForClass("Frame").size(), 25u);
    // A Swing radio button offers what a Swing check box does.
    EXPECT_EQ(Catalogue().MethodsForClass("JRadioButton"),
              Catalogue().MethodsForClass("JCheckBox"));
    EXPECT_TRUE(Catalogue().MethodsForClass("button").empty());
}

// Swing classes list only the kinds they can register.
TEST(EventCatalogue, SwingClassesOfferOnlyWhatTheyRegister) {
    struct Case {
        const char* classKey;
        const char* method;
        bool offered;
    };
    const Case cases[] = {
        {"JList", "actionPerformed()", false},      {"JList", "itemStateChanged()", false},
        {"JList", "mouseClicked()", true},          {"List", "actionPerformed()", true},
        {"JTextArea", "textValueChanged()", false}, {"JTextField", "textValueChanged()", false},
        {"JTextField", "actionPerformed()", true},  {"TextArea", "textValueChanged()", true},
        {"JComboBox", "itemStateChanged()", true},  {"JButton", "windowClosing()", false},
        {"Frame", "windowClosing()", true},         {"Button", "nothing()", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Catalogue().ClassOffersMethod(c.classKey, c.method), c.offered)
            << c.classKey << " " << c.method;
    EXPECT_EQ(Catalogue().MethodsForClass("JTextField").front(), "actionPerformed()");
    EXPECT_EQ(Catalogue().MethodsForClass("JTextField").size(), 17u);
}

TEST(EventCatalogue, MethodToKindToListener) {
    struct Case {
        const char* method;
        const char* kind;
        const char* listenerType;
        const char* suffix;
    };
    const Case cases[] = {
        {"mouseMoved()", "MouseEvent (Motion)", "MouseMotionAdapter", "_MML"},
        {"mouseClicked()", "MouseEvent", "MouseAdapter", "_ML"},
        {"adjustmentValueChanged()", "AdjustmentEvent", "AdjustmentListener", "_AdjL"},
        {"componentAdded()", "ContainerEvent", "ContainerAdapter", "_ContL"},
        {"componentResized()", "ComponentEvent", "ComponentAdapter", "_CompL"},
        {"textValueChanged()", "TextEvent", "TextListener", "_TL"},
    };
    for (const Case& c : cases) {
        const std::string_view kind = Catalogue().EventKindOfMethod(c.method);
        EXPECT_EQ(kind, c.kind);
        const ListenerRow* listener = Catalogue().ListenerOfEventKind(kind);
        ASSERT_NE(listener, nullptr);
        EXPECT_EQ(listener->listenerType, c.listenerType);
        EXPECT_EQ(listener->suffix, c.suffix);
    }
    EXPECT_EQ(Catalogue().EventKindOfMethod("mouseMoved"), "");
    EXPECT_EQ(Catalogue().EventKindOfMethod(""), "");
    EXPECT_EQ(Catalogue().ListenerOfEventKind("MouseEvent(Motion)"), nullptr);
}

}  // namespace
}  // namespace korvane
