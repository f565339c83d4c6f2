#include "codegen/EventCatalogue.h"

#include <array>

#include "platform/FixedNameIndex.h"

namespace korvane {
namespace {

constexpr std::string_view kAction = "ActionEvent";
constexpr std::string_view kAdjustment = "AdjustmentEvent";
constexpr std::string_view kComponent = "ComponentEvent";
constexpr std::string_view kContainer = "ContainerEvent";
constexpr std::string_view kFocus = "FocusEvent";
constexpr std::string_view kKey = "KeyEvent";
constexpr std::string_view kMouse = "MouseEvent";
constexpr std::string_view kMotion = "MouseEvent (Motion)";
constexpr std::string_view kWindow = "WindowEvent";
constexpr std::string_view kItem = "ItemEvent";
constexpr std::string_view kText = "TextEvent";

constexpr std::array<EventMethodRow, 29> kEventMethods{{
    {kAction, "actionPerformed()"},
    {kAdjustment, "adjustmentValueChanged()"},
    {kComponent, "componentHidden()"},
    {kComponent, "componentShown()"},
    {kComponent, "componentMoved()"},
    {kComponent, "componentResized()"},
    {kContainer, "componentAdded()"},
    {kContainer, "componentRemoved()"},
    {kFocus, "focusGained()"},
    {kFocus, "focusLost()"},
    {kKey, "keyPressed()"},
    {kKey, "keyReleased()"},
    {kKey, "keyTyped()"},
    {kMouse, "mouseClicked()"},
    {kMouse, "mouseEntered()"},
    {kMouse, "mouseExited()"},
    {kMouse, "mousePressed()"},
    {kMouse, "mouseReleased()"},
    {kMotion, "mouseDragged()"},
    {kMotion, "mouseMoved()"},
    {kWindow, "windowOpened()"},
    {kWindow, "windowClosing()"},
    {kWindow, "windowClosed()"},
    {kWindow, "windowActivated()"},
    {kWindow, "windowDeactivated()"},
    {kWindow, "windowIconified()"},
    {kWindow, "windowDeiconified()"},
    {kItem, "itemStateChanged()"},
    {kText, "textValueChanged()"},
}};
static_assert(kEventMethods.size() <= 64, "the class method masks hold 64 methods");
// Asked for every chosen method of a design, up to hundreds of thousands of times.
constexpr FixedNameIndex<kEventMethods.size()> kMethodOfName(kEventMethods,
                                                             [](const EventMethodRow& row) {
                                                                 return row.method;
                                                             });

constexpr std::array<ListenerRow, 11> kListeners{{
    {kAction, "L", "ActionListener", "_AL", "addActionListener"},
    {kAdjustment, "L", "AdjustmentListener", "_AdjL", "addAdjustmentListener"},
    {kComponent, "A", "ComponentAdapter", "_CompL", "addComponentListener"},
    {kContainer, "A", "ContainerAdapter", "_ContL", "addContainerListener"},
    {kFocus, "A", "FocusAdapter", "_FL", "addFocusListener"},
    {kKey, "A", "KeyAdapter", "_KL", "addKeyListener"},
    {kMouse, "A", "MouseAdapter", "_ML", "addMouseListener"},
    {kMotion, "A", "MouseMotionAdapter", "_MML", "addMouseMotionListener"},
    {kWindow, "A", "WindowAdapter", "_WL", "addWindowListener"},
    {kItem, "L", "ItemListener", "_IL", "addItemListener"},
    {kText, "L", "TextListener", "_TL", "addTextListener"},
}};

constexpr std::array<ClassEventRow, 123> kAwtClassEvents{{
    {"Adjustable", kAdjustment},
    {"Applet", kContainer},
    {"Applet", kFocus},
    {"Applet", kKey},
    {"Applet", kMouse},
    {"Applet", kMotion},
    {"Applet", kComponent},
    {"Button", kAction},
    {"Button", kFocus},
    {"Button", kKey},
    {"Button", kMouse},
    {"Button", kMotion},
    {"Button", kComponent},
    {"Canvas", kFocus},
    {"Canvas", kKey},
    {"Canvas", kMouse},
    {"Canvas", kMotion},
    {"Canvas", kComponent},
    {"CheckBox", kItem},
    {"CheckBox", kFocus},
    {"CheckBox", kKey},
    {"CheckBox", kMouse},
    {"CheckBox", kMotion},
    {"CheckBox", kComponent},
    {"CheckboxMenuItem", kAction},
    {"CheckboxMenuItem", kItem},
    {"Choice", kItem},
    {"Choice", kFocus},
    {"Choice", kKey},
    {"Choice", kMouse},
    {"Choice", kMotion},
    {"Choice", kComponent},
    {"Component", kFocus},
    {"Component", kKey},
    {"Component", kMouse},
    {"Component", kMotion},
    {"Component", kComponent},
    {"Container", kContainer},
    {"Container", kFocus},
    {"Container", kKey},
    {"Container", kMouse},
    {"Container", kMotion},
    {"Container", kComponent},
    {"Dialog", kContainer},
    {"Dialog", kWindow},
    {"Dialog", kFocus},
    {"Dialog", kKey},
    {"Dialog", kMouse},
    {"Dialog", kMotion},
    {"Dialog", kComponent},
    {"FileDialog", kContainer},
    {"FileDialog", kWindow},
    {"FileDialog", kFocus},
    {"FileDialog", kKey},
    {"FileDialog", kMouse},
    {"FileDialog", kMotion},
    {"FileDialog", kComponent},
    {"Frame", kContainer},
    {"Frame", kWindow},
    {"Frame", kFocus},
    {"Frame", kKey},
    {"Frame", kMouse},
    {"Frame", kMotion},
    {"Frame", kComponent},
    {"Label", kFocus},
    {"Label", kKey},
    {"Label", kMouse},
    {"Label", kMotion},
    {"Label", kComponent},
    {"List", kAction},
    {"List", kFocus},
    {"List", kKey},
    {"List", kMouse},
    {"List", kMotion},
    {"List", kItem},
    {"List", kComponent},
    {"Menu", kAction},
    {"MenuItem", kAction},
    {"Panel", kContainer},
    {"Panel", kFocus},
    {"Panel", kKey},
    {"Panel", kMouse},
    {"Panel", kMotion},
    {"Panel", kComponent},
    {"PopupMenu", kAction},
    {"Scrollbar", kAdjustment},
    {"Scrollbar", kFocus},
    {"Scrollbar", kKey},
    {"Scrollbar", kMouse},
    {"Scrollbar", kMotion},
    {"Scrollbar", kComponent},
    {"ScrollPane", kContainer},
    {"ScrollPane", kFocus},
    {"ScrollPane", kKey},
    {"ScrollPane", kMouse},
    {"ScrollPane", kMotion},
    {"ScrollPane", kComponent},
    {"TextArea", kText},
    {"TextArea", kFocus},
    {"TextArea", kKey},
    {"TextArea", kMouse},
    {"TextArea", kMotion},
    {"TextArea", kComponent},
    {"TextComponent", kText},
    {"TextComponent", kFocus},
    {"TextComponent", kKey},
    {"TextComponent", kMouse},
    {"TextComponent", kMotion},
    {"TextComponent", kComponent},
    {"TextField", kAction},
    {"TextField", kText},
    {"TextField", kFocus},
    {"TextField", kKey},
    {"TextField", kMouse},
    {"TextField", kMotion},
    {"TextField", kComponent},
    {"Window", kContainer},
    {"Window", kWindow},
    {"Window", kFocus},
    {"Window", kKey},
    {"Window", kMouse},
    {"Window", kMotion},
    {"Window", kComponent},
}};

// JList registers neither action nor item listeners, and JTextArea and JTextField no text
// listener, so those kinds are left out of their rows.
constexpr std::array<ClassEventRow, 68> kSwingClassEvents{{
    {"JButton", kAction},
    {"JButton", kFocus},
    {"JButton", kKey},
    {"JButton", kMouse},
    {"JButton", kMotion},
    {"JButton", kComponent},
    {"JCheckBox", kItem},
    {"JCheckBox", kFocus},
    {"JCheckBox", kKey},
    {"JCheckBox", kMouse},
    {"JCheckBox", kMotion},
    {"JCheckBox", kComponent},
    {"JCheckBoxMenuItem", kAction},
    {"JCheckBoxMenuItem", kItem},
    {"JComboBox", kItem},
    {"JComboBox", kFocus},
    {"JComboBox", kKey},
    {"JComboBox", kMouse},
    {"JComboBox", kMotion},
    {"JComboBox", kComponent},
    {"JLabel", kFocus},
    {"JLabel", kKey},
    {"JLabel", kMouse},
    {"JLabel", kMotion},
    {"JLabel", kComponent},
    {"JList", kFocus},
    {"JList", kKey},
    {"JList", kMouse},
    {"JList", kMotion},
    {"JList", kComponent},
    {"JMenu", kAction},
    {"JMenuItem", kAction},
    {"JPanel", kContainer},
    {"JPanel", kFocus},
    {"JPanel", kKey},
    {"JPanel", kMouse},
    {"JPanel", kMotion},
    {"JPanel", kComponent},
    {"JPopupMenu", kAction},
    {"JRadioButton", kItem},
    {"JRadioButton", kFocus},
    {"JRadioButton", kKey},
    {"JRadioButton", kMouse},
    {"JRadioButton", kMotion},
    {"JRadioButton", kComponent},
    {"JScrollBar", kAdjustment},
    {"JScrollBar", kFocus},
    {"JScrollBar", kKey},
    {"JScrollBar", kMouse},
    {"JScrollBar", kMotion},
    {"JScrollBar", kComponent},
    {"JScrollPane", kContainer},
    {"JScrollPane", kFocus},
    {"JScrollPane", kKey},
    {"JScrollPane", kMouse},
    {"JScrollPane", kMotion},
    {"JScrollPane", kComponent},
    {"JTextArea", kFocus},
    {"JTextArea", kKey},
    {"JTextArea", kMouse},
    {"JTextArea", kMotion},
    {"JTextArea", kComponent},
    {"JTextField", kAction},
    {"JTextField", kFocus},
    {"JTextField", kKey},
    {"JTextField", kMouse},
    {"JTextField", kMotion},
    {"JTextField", kComponent},
}};

}  // namespace

EventCatalogue::EventCatalogue() {
    for (const ListenerRow& row : kListeners) listenerOfKind_.emplace(row.kind, &row);
    for (const EventMethodRow& row : kEventMethods)
        listenerOfMethod_.push_back(ListenerOfEventKind(row.kind));
    AddAwtRows();
    AddSwingRows();
}

void EventCatalogue::AddAwtRows() {
    AddClassRows(kAwtClassEvents);
}

void EventCatalogue::AddSwingRows() {
    AddClassRows(kSwingClassEvents);
}

void EventCatalogue::AddClassRows(std::span<const ClassEventRow> rows) {
    for (const ClassEventRow& row : rows) {
        classEventTable_.push_back(row);
        ClassMethods& entry = methodsOfClass_[row.classKey];
        for (size_t i = 0; i < kEventMethods.size(); ++i) {
            if (kEventMethods[i].kind != row.kind) continue;
            entry.methods.push_back(kEventMethods[i].method);
            entry.methodMask |= 1ULL << i;
        }
    }
}

std::span<const EventMethodRow> EventCatalogue::EventMethodTable() const {
    return kEventMethods;
}

std::span<const ListenerRow> EventCatalogue::ListenerTable() const {
    return kListeners;
}

std::span<const ClassEventRow> EventCatalogue::ClassEventTable() const {
    return classEventTable_;
}

const std::vector<std::string_view>& EventCatalogue::MethodsForClass(
    std::string_view classKey) const {
    static const std::vector<std::string_view> kNone;
    const auto it = methodsOfClass_.find(classKey);
    return it == methodsOfClass_.end() ? kNone : it->second.methods;
}

bool EventCatalogue::ClassOffersMethod(std::string_view classKey, std::string_view method) const {
    const int index = MethodIndex(method);
    return index >= 0 && (MethodMaskOfClass(classKey) >> index & 1ULL) != 0;
}

unsigned long long EventCatalogue::MethodMaskOfClass(std::string_view classKey) const {
    const auto it = methodsOfClass_.find(classKey);
    return it == methodsOfClass_.end() ? 0 : it->second.methodMask;
}

std::string_view EventCatalogue::EventKindOfMethod(std::string_view method) const {
    const int index = MethodIndex(method);
    return index < 0 ? std::string_view{} : kEventMethods[static_cast<size_t>(index)].kind;
}

int EventCatalogue::MethodIndex(std::string_view method) const {
    const size_t index = kMethodOfName.Find(method);
    return index == kMethodOfName.npos ? -1 : static_cast<int>(index);
}

const ListenerRow* EventCatalogue::ListenerOfEventKind(std::string_view kind) const {
    const auto it = listenerOfKind_.find(kind);
    return it == listenerOfKind_.end() ? nullptr : it->second;
}

}  // namespace korvane
