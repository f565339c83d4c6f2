#include "javasource/GeneratedStatements.h"

#include <array>
#include <span>

#include "codegen/MenuBarWriter.h"
#include "document/MenuBar.h"
#include "javasource/JavaLexis.h"

namespace korvane::javasource {
namespace {

// Kinds created with their text: new <class>("<value>").
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kTextKinds{{
    {"Label", "Label"},
    {"TextField", "TextBox"},
    {"TextArea", "TextArea"},
    {"Button", "CommandButton"},
    {"Checkbox", "CheckBox"},
    {"JLabel", "JLabel"},
    {"JTextField", "JTextField"},
    {"JTextArea", "JTextArea"},
    {"JButton", "JButton"},
    {"JCheckBox", "JCheckBox"},
}};

// Kinds created without arguments: new <class>().
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kPlainKinds{{
    {"Canvas", "PictureBox"},
    {"Panel", "Panel"},
    {"ScrollPane", "ScrollPane"},
    {"Choice", "ComboBox"},
    {"List", "ListBox"},
    {"JComboBox", "JComboBox"},
    {"JPanel", "JPanel"},
    {"JScrollPane", "JScrollPane"},
}};

std::string_view KindOf(std::string_view javaClass,
                        std::span<const std::pair<std::string_view, std::string_view>> kinds) {
    for (const auto& [cls, tag] : kinds)
        if (cls == javaClass) return tag;
    return {};
}

bool IsGroupName(std::string_view name) {
    return name == "cbg" || name == "cbg_swing";
}

// The key name after VK_ as the menu element's Shortcut names it.
std::string ShortcutKey(std::string_view vk) {
    if (vk == "DELETE") return "Delete";
    if (vk == "INSERT") return "Insert";
    return std::string(vk);
}

std::string ShortcutText(std::string_view vk, bool shift) {
    return MenuShortcutText(MenuShortcut{ShortcutKey(vk), shift});
}

// Two names as lines write them, compared as Java reads them.
bool SameName(std::string_view a, std::string_view b) {
    if (a == b) return true;
    std::string scratchA, scratchB;
    return UnescapedName(a, scratchA) == UnescapedName(b, scratchB);
}

std::string Unescaped(std::string_view written) {
    std::string scratch;
    return std::string(UnescapedName(written, scratch));
}

// Each splitter below reads a line of one shape: the generator's own spacing and ASCII names
// at once, any other spacing or names with \u escapes through MatchLine. The rest of the line
// is matched later with MatchLine, which skips the blanks before it.

// name.call(rest, where `dot` is the end of the line's first ASCII name
bool SplitNameCall(std::string_view line, size_t dot, std::string_view& name,
                   std::string_view& call, std::string_view& rest) {
    if (dot > 0 && dot < line.size() && line[dot] == '.') {
        const size_t open = AsciiNameEnd(line, dot + 1);
        if (open > dot + 1 && open < line.size() && line[open] == '(') {
            name = line.substr(0, dot);
            call = line.substr(dot + 1, open - dot - 1);
            rest = line.substr(open + 1);
            return true;
        }
    }
    return MatchLine(line, {W(name), T("."), W(call), T("("), R(rest)});
}

// prefix call(rest
bool SplitCall(std::string_view line, std::string_view prefix, std::string_view& call,
               std::string_view& rest) {
    if (line.starts_with(prefix)) {
        const size_t open = AsciiNameEnd(line, prefix.size());
        if (open > prefix.size() && open < line.size() && line[open] == '(') {
            call = line.substr(prefix.size(), open - prefix.size());
            rest = line.substr(open + 1);
            return true;
        }
    }
    return MatchLine(line, {T(prefix), W(call), T("("), R(rest)});
}

// name = new Class(rest, where `nameEnd` is the end of the line's first ASCII name
bool SplitCreation(std::string_view line, size_t nameEnd, std::string_view& name,
                   std::string_view& cls, std::string_view& rest) {
    constexpr std::string_view kNew = " = new ";
    if (nameEnd > 0 && line.substr(nameEnd, kNew.size()) == kNew) {
        const size_t open = AsciiNameEnd(line, nameEnd + kNew.size());
        if (open > nameEnd + kNew.size() && open < line.size() && line[open] == '(') {
            name = line.substr(0, nameEnd);
            cls = line.substr(nameEnd + kNew.size(), open - nameEnd - kNew.size());
            rest = line.substr(open + 1);
            return true;
        }
    }
    return MatchLine(line, {W(name), T(kNew), W(cls), T("("), R(rest)});
}

// `text`, in the generator's spacing or any other.
bool RestIs(std::string_view rest, std::string_view text) {
    return rest == text || MatchLine(rest, {T(text)});
}

// Texts, names and integers in the generator's own spacing, one after another; what fails here is
// read again with MatchLine, which takes any spacing.
class ExactLine {
  public:
    explicit ExactLine(std::string_view line) : line_(line) {}
    ExactLine& Text(std::string_view text) {
        ok_ = ok_ && line_.substr(pos_, text.size()) == text;
        if (ok_) pos_ += text.size();
        return *this;
    }
    // An ASCII name, as written; one that goes on in a \u escape or another script is not.
    ExactLine& Name(std::string_view& written) {
        if (!ok_) return *this;
        const size_t end = AsciiNameEnd(line_, pos_);
        ok_ = end > pos_ && (end == line_.size() ||
                             (line_[end] != '\\' && static_cast<unsigned char>(line_[end]) < 0x80));
        written = line_.substr(pos_, end - pos_);
        pos_ = end;
        return *this;
    }
    ExactLine& Integer(int64_t& number) {
        if (!ok_) return *this;
        JavaLineReader reader(line_.substr(pos_));
        ok_ = reader.Integer(number);
        pos_ += reader.Position();
        return *this;
    }
    bool Whole() const { return ok_ && pos_ == line_.size(); }
    // What follows, when all before it was read.
    bool Rest(std::string_view& rest) const {
        rest = line_.substr(std::min(pos_, line_.size()));
        return ok_;
    }

  private:
    std::string_view line_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Either of two forms of <before><name><after>, neither of which can read as the other; the name
// as written.
bool NameBetweenEither(std::string_view rest, std::string_view& written, std::string_view before1,
                       std::string_view after1, std::string_view before2, std::string_view after2) {
    const std::pair<std::string_view, std::string_view> forms[] = {{before1, after1},
                                                                   {before2, after2}};
    for (const auto& [before, after] : forms)
        if (ExactLine(rest).Text(before).Name(written).Text(after).Whole()) return true;
    for (const auto& [before, after] : forms)
        if (MatchLine(rest, {T(before), W(written), T(after)})) return true;
    return false;
}

// "literal"<tail>, the literal's value read into `value` when one is given.
bool LiteralThen(std::string_view rest, std::string* value, std::string_view tail) {
    JavaLineReader reader(rest);
    if ((value ? reader.StringLiteral(*value) : reader.StringLiteralEnd()) &&
        rest.substr(reader.Position()) == tail)
        return true;
    std::string ignored;
    return MatchLine(rest, {S(value ? *value : ignored), T(tail)});
}

// The part of a line before its first blank, "." or "(", and the character there.
char AfterFirstName(std::string_view line) {
    for (char c : line)
        if (c == ' ' || c == '.' || c == '(') return c;
    return '\0';
}

}  // namespace

GeneratedStatements::NameFacts& GeneratedStatements::Facts(std::string_view written) {
    const std::string_view name = UnescapedName(written, scratch_);
    if (NameFacts* known = names_.Find(name)) return *known;
    return names_.Insert(keys_.emplace_back(name)).first;
}

GeneratedStatements::NameFacts* GeneratedStatements::Known(std::string_view written) {
    return names_.Find(UnescapedName(written, scratch_));
}

ReadComponent* GeneratedStatements::Component(std::string_view written) {
    const NameFacts* facts = Known(written);
    if (!facts || facts->component < 0) return nullptr;
    return &facts_.components[static_cast<size_t>(facts->component)];
}

ReadMenuElement* GeneratedStatements::MenuElement(std::string_view written) {
    const NameFacts* facts = Known(written);
    if (!facts || facts->menu < 0) return nullptr;
    return &facts_.menu[static_cast<size_t>(facts->menu)];
}

bool GeneratedStatements::Assigned(std::string_view written) {
    const NameFacts* facts = Known(written);
    return facts && facts->assigned;
}

void GeneratedStatements::Finish() {
    for (ReadComponent& c : facts_.components) {
        if (const NameFacts* facts = names_.Find(c.name)) c.fieldLine = facts->fieldLine;
    }
}

ReadComponent& GeneratedStatements::Create(std::string_view written, std::string_view type,
                                           int number) {
    NameFacts& facts = Facts(written);
    facts.assigned = true;
    if (facts.component >= 0) {
        facts_.notes.push_back(
            {number, "the component " + Unescaped(written) + " is created a second time"});
        return facts_.components[static_cast<size_t>(facts.component)];
    }
    facts.component = static_cast<int>(facts_.components.size());
    ReadComponent& c = facts_.components.emplace_back();
    c.name = Unescaped(written);
    c.type = type;
    c.line = number;
    return c;
}

ReadMenuElement& GeneratedStatements::CreateMenuElement(std::string_view written,
                                                        std::string_view type, std::string label,
                                                        int number) {
    NameFacts& facts = Facts(written);
    facts.assigned = true;
    facts.menu = static_cast<int>(facts_.menu.size());
    ReadMenuElement& e = facts_.menu.emplace_back();
    e.name = Unescaped(written);
    e.type = type;
    e.label = std::move(label);
    e.line = number;
    return e;
}

bool GeneratedStatements::Field(std::string_view line, int number, std::string_view& name) {
    std::string_view type;
    const bool exact = ExactLine(line).Name(type).Text(" ").Name(name).Text(";").Whole();
    if (!exact && !MatchLine(line, {W(type), T(" "), W(name), T(";")})) return false;
    int& fieldLine = Facts(name).fieldLine;
    if (!fieldLine) fieldLine = number;
    if (UnescapedName(name, scratch_) == "parent") {
        facts_.dialogParent = Unescaped(type);
        facts_.dialogParentLine = number;
    }
    return true;
}

// name = new Class(...); and the other lines whose first name a blank follows.
bool GeneratedStatements::Creation(std::string_view line, size_t nameEnd, int number) {
    std::string_view name, written, rest, other;
    if (line.starts_with("new ")) return MatchLine(line, {T("new "), W(name), T("().run();")});
    if (!SplitCreation(line, nameEnd, name, written, rest)) {
        // A JList's model is a local variable, or in a method spread over local classes the
        // list's own model.
        if (MatchLine(line, {T("DefaultListModel listModel_"), W(name),
                             T(" = new DefaultListModel();")})) {
            Create(name, "JList", number);
            return true;
        }
        return Skeleton(line);
    }
    std::string clsScratch;
    const std::string_view cls = UnescapedName(written, clsScratch);
    std::string value;
    if (const std::string_view type = KindOf(cls, kTextKinds); !type.empty()) {
        if (LiteralThen(rest, keepAllFacts_ ? &value : nullptr, ");")) {
            Create(name, type, number).value = std::move(value);
            return true;
        }
        if (cls == "Checkbox" &&
            LiteralThen(rest, keepAllFacts_ ? &value : nullptr, ", cbg, false);")) {
            Create(name, "OptionButton", number).value = std::move(value);
            return true;
        }
        return false;
    }
    if (cls == "JRadioButton" && LiteralThen(rest, keepAllFacts_ ? &value : nullptr, ", false);")) {
        Create(name, "JRadioButton", number).value = std::move(value);
        return true;
    }
    if (cls == "Scrollbar" || cls == "JScrollBar") {
        constexpr std::string_view kHorizontal = "Scrollbar.HORIZONTAL);",
                                   kVertical = "Scrollbar.VERTICAL);";
        const bool vertical = rest == kVertical || (rest != kHorizontal && RestIs(rest, kVertical));
        if (!vertical && rest != kHorizontal && !RestIs(rest, kHorizontal)) return false;
        const bool swing = cls == "JScrollBar";
        Create(name,
               swing ? (vertical ? "JVScrollBar" : "JHScrollBar")
                     : (vertical ? "VScrollBar" : "HScrollBar"),
               number);
        return true;
    }
    if (cls == "JList") {
        if (MatchLine(rest, {T("listModel_"), W(other), T(");")}) && SameName(name, other)) {
            const ReadComponent* c = Component(name);
            return c && c->type == "JList";
        }
        if (!MatchLine(rest, {T("new DefaultListModel());")})) return false;
        Create(name, "JList", number);
        return true;
    }
    // The scroll pane of a JTextArea or JList named <name> is sp_<name>.
    if (cls == "JScrollPane" && name.starts_with("sp_") && MatchLine(rest, {W(other), T(");")}) &&
        SameName(name.substr(3), other)) {
        Assign(name);
        return true;
    }
    if (RestIs(rest, ");")) {
        if (cls == "CheckboxGroup" || cls == "ButtonGroup") {
            if (!IsGroupName(UnescapedName(name, scratch_))) return false;
            Assign(name);
            return true;
        }
        if (const std::string_view type = KindOf(cls, kPlainKinds); !type.empty()) {
            Create(name, type, number);
            return true;
        }
        return false;
    }
    return MenuCreation(name, cls, rest, number);
}

bool GeneratedStatements::MenuCreation(std::string_view name, std::string_view cls,
                                       std::string_view rest, int number) {
    std::string label;
    std::string_view vk;
    if (cls == "Menu" || cls == "JMenu" || cls == "MenuItem" || cls == "JMenuItem") {
        const std::string_view type = cls.ends_with("Menu") ? "Menu" : "Item";
        if (MatchLine(rest, {S(label), T(");")})) {
            CreateMenuElement(name, type, std::move(label), number);
            return true;
        }
        if (cls != "MenuItem") return false;
        for (const bool shift : {false, true})
            if (MatchLine(rest, {S(label), T(", new MenuShortcut(KeyEvent.VK_"), W(vk),
                                 T(shift ? ", true));" : "));")})) {
                CreateMenuElement(name, "Item", std::move(label), number).shortcut =
                    ShortcutText(vk, shift);
                return true;
            }
        return false;
    }
    if (cls != "CheckboxMenuItem" && cls != "JCheckBoxMenuItem") return false;
    for (const std::string_view state : {"true", "false"})
        if (MatchLine(rest, {S(label), T(", "), T(state), T(");")})) {
            CreateMenuElement(name, "Check", std::move(label), number).checked = state == "true";
            return true;
        }
    return false;
}

// The lines of the constructor that start with a name and a blank but create nothing.
bool GeneratedStatements::Skeleton(std::string_view line) {
    std::string_view a, b;
    if (MatchLine(line, {W(a), T(" customLayout = new "), W(b), T("();")}))
        return SameName(a, b) &&
               UnescapedName(a, scratch_) == std::string(facts_.className) + "Layout";
    if (MatchLine(line, {T("frame = this;")})) {
        Assign("frame");
        return true;
    }
    if (MatchLine(line, {T("parent = ("), W(a), T(")dialog_parent;")})) {
        Assign("parent");
        return true;
    }
    return false;
}

// name.call(...): a component's font, list items, listener registrations, menu elements.
bool GeneratedStatements::CallOnName(std::string_view line, size_t nameEnd, int number) {
    std::string_view name, call, rest, cls;
    if (!SplitNameCall(line, nameEnd, name, call, rest)) return false;
    if (call == "setFont")
        return (RestIs(rest, "getFont());") || RestIs(rest, "getContentPane().getFont());")) &&
               Component(name) != nullptr;
    if (call == "addItem") return ListItem(name, rest, "ComboBox");
    if (call == "add" && ListItem(name, rest, "ListBox")) return true;
    if (call == "addElement" && name.starts_with("listModel_"))
        return ListItem(name.substr(10), rest, "JList");
    if (call.starts_with("add") && call.ends_with("Listener")) {
        constexpr std::string_view kNew = "new ", kEnd = "());";
        if (rest.starts_with(kNew) && rest.ends_with(kEnd) &&
            AsciiNameEnd(rest, kNew.size()) == rest.size() - kEnd.size()) {
            cls = rest.substr(kNew.size(), rest.size() - kNew.size() - kEnd.size());
        } else if (!MatchLine(rest, {T(kNew), W(cls), T(kEnd)})) {
            return false;
        }
        if (keepAllFacts_) facts_.registrations.push_back({name, call, cls, number});
        return true;
    }
    return MenuCall(name, call, rest, number);
}

bool GeneratedStatements::ListItem(std::string_view name, std::string_view rest,
                                   std::string_view kind) {
    std::string item;
    if (!LiteralThen(rest, keepAllFacts_ ? &item : nullptr, ");")) return false;
    ReadComponent* c = Component(name);
    if (!c || (c->type != kind && !(kind == "ComboBox" && c->type == "JComboBox"))) return false;
    if (!keepAllFacts_) return true;
    if (c->items++ > 0) c->value += '|';
    c->value += item;
    return true;
}

bool GeneratedStatements::MenuCall(std::string_view name, std::string_view call,
                                   std::string_view rest, int number) {
    std::string_view element, vk;
    if (call == "addSeparator") {
        if (!MatchLine(rest, {T(");")})) return false;
        ReadMenuElement& e = facts_.menu.emplace_back();
        e.type = "Separator";
        e.holder = Unescaped(name);
        e.line = number;
        return true;
    }
    if (call == "add") {
        if (!MatchLine(rest, {W(element), T(");")})) return false;
        if (IsGroupName(UnescapedName(name, scratch_))) return Component(element) != nullptr;
        ReadMenuElement* e = MenuElement(element);
        if (!e) return false;
        e->holder = Unescaped(name);
        return true;
    }
    if (call == "setEnabled") {
        ReadMenuElement* e = MenuElement(name);
        if (!e || !MatchLine(rest, {T("false);")})) return false;
        e->disabled = true;
        return true;
    }
    for (const bool shift : {false, true}) {
        const bool shortcut =
            call == "setShortcut" && MatchLine(rest, {T("new MenuShortcut(KeyEvent.VK_"), W(vk),
                                                      T(shift ? ", true));" : "));")});
        const bool accelerator =
            call == "setAccelerator" &&
            MatchLine(rest, {T("KeyStroke.getKeyStroke(KeyEvent.VK_"), W(vk),
                             T(shift ? ", InputEvent.CTRL_DOWN_MASK | InputEvent.SHIFT_DOWN_MASK));"
                                     : ", InputEvent.CTRL_DOWN_MASK));")});
        if (!shortcut && !accelerator) continue;
        ReadMenuElement* e = MenuElement(name);
        if (!e) return false;
        e->shortcut = ShortcutText(vk, shift);
        return true;
    }
    return false;
}

// call(...) on the window, its content pane or its menu bar.
bool GeneratedStatements::CallOnWindow(std::string_view line, int number) {
    std::string_view name, call, rest;
    if (line.starts_with('(')) {
        constexpr std::string_view kBefore = "((DefaultListModel) ",
                                   kAfter = ".getModel()).addElement(";
        return (ExactLine(line).Text(kBefore).Name(name).Text(kAfter).Rest(rest) ||
                MatchLine(line, {T(kBefore), W(name), T(kAfter), R(rest)})) &&
               ListItem(name, rest, "JList");
    }
    std::string_view container = "getContentPane().";
    if (!SplitCall(line, container, call, rest)) {
        for (const bool swing : {false, true})
            if (SplitCall(line, swing ? "getJMenuBar()." : "getMenuBar().", call, rest))
                return BarCall(call, rest, swing, number);
        container = {};
        if (!SplitCall(line, container, call, rest)) return false;
    }
    if (call == "add") return Addition(rest, number);
    if (call == "setComponentZOrder" || call == "setFocusTraversalPolicy" ||
        call == "setFocusTraversalPolicyProvider")
        return Stacking(call, rest, container);
    if (call == "setLayout") return RestIs(rest, "customLayout);");
    if (call == "setFont") {
        std::string font;
        std::string_view style1, style2;
        int64_t size = 0;
        if (!MatchLine(rest, {T("new Font("), S(font), T(", Font."), W(style1), T(", "), I(size),
                              T("));")}) &&
            !MatchLine(rest, {T("new Font("), S(font), T(", Font."), W(style1), T("|Font."),
                              W(style2), T(", "), I(size), T("));")}))
            return false;
        facts_.hasFont = true;
        facts_.fontName = std::move(font);
        facts_.fontStyle = Unescaped(style1);
        if (!style2.empty()) facts_.fontStyle += " " + Unescaped(style2);
        facts_.fontSize = size;
        return true;
    }
    if (!container.empty()) return false;
    if (call == "setSize") return MatchLine(rest, {T("getPreferredSize());")});
    if (call == "pack") return MatchLine(rest, {T(");")});
    if (call == "super") return MatchLine(rest, {T("dialog_parent, title, true);")});
    if (call == "setMenuBar") return MatchLine(rest, {T("new MenuBar());")});
    if (call == "setJMenuBar") return MatchLine(rest, {T("new JMenuBar());")});
    return false;
}

bool GeneratedStatements::Addition(std::string_view rest, int number) {
    std::string_view written;
    if (!NameBetweenEither(rest, written, "new JScrollPane(", "));", {}, ");")) return false;
    if (!keepAllFacts_) return true;
    std::string name = Unescaped(written);
    // "sp_<name>" is the scroll pane of a JTextArea or JList named <name>.
    if (!Component(name) && name.starts_with("sp_")) {
        const ReadComponent* wrapped = Component(name.substr(3));
        if (wrapped && (wrapped->type == "JTextArea" || wrapped->type == "JList"))
            name = name.substr(3);
    }
    ReadComponent* c = Component(name);
    if (!c) {
        facts_.notes.push_back({number, name + " is added to the window but never created"});
        return true;
    }
    if (c->addLine) {
        facts_.notes.push_back({number, name + " is added to the window a second time"});
        return true;
    }
    c->addLine = number;
    facts_.addOrder.push_back(std::move(name));
    return true;
}

bool GeneratedStatements::Stacking(std::string_view call, std::string_view rest,
                                   std::string_view container) {
    std::string_view written;
    if (call == "setFocusTraversalPolicyProvider")
        return container.empty() && MatchLine(rest, {T("true);")});
    if (call == "setFocusTraversalPolicy") {
        if (!container.empty()) return false;
        for (const std::string_view components :
             {"getComponents()));", "getContentPane().getComponents()));"})
            if (MatchLine(rest, {T("new "), W(written), T("("), T(components)}))
                return UnescapedName(written, scratch_) == facts_.className + "Focus";
        return false;
    }
    if (!NameBetweenEither(rest, written, {}, ".getParent().getParent(), 0);", {}, ", 0);"))
        return false;
    if (!keepAllFacts_) return true;
    std::string name = Unescaped(written);
    if (!Component(name) && name.starts_with("sp_") && Component(name.substr(3)))
        name = name.substr(3);
    facts_.raisedChildren.push_back(std::move(name));
    return true;
}

// getMenuBar().call(...) or getJMenuBar().call(...): the elements that stand in the bar, and
// the layout of a JMenuBar.
bool GeneratedStatements::BarCall(std::string_view call, std::string_view rest, bool swing,
                                  int number) {
    std::string_view name, written;
    std::string label;
    int64_t width = 0;
    if (call == "addSeparator") {
        if (!MatchLine(rest, {T(");")})) return false;
        ReadMenuElement& e = facts_.menu.emplace_back();
        e.type = "Separator";
        e.line = number;
        return true;
    }
    if (call == "setLayout") {
        if (!swing || !MatchLine(rest, {T("new "), W(written), T("("), I(width), T("));")}) ||
            UnescapedName(written, scratch_) !=
                facts_.className + std::string(kMenuBarLayoutSuffix))
            return false;
        facts_.menuBarWidth = width;
        facts_.menuBarWidthLine = number;
        return true;
    }
    if (call != "add") return false;
    // An item standing in the bar, in a menu of its own: bar.add(new Menu("label")).add(item);
    if (MatchLine(rest, {T(swing ? "new JMenu(" : "new Menu("), S(label), T(")).add("), W(name),
                         T(");")})) {
        ReadMenuElement* e = MenuElement(name);
        if (!e || e->type != "Item") return false;
        e->holder.clear();
        e->ownMenuLabel = std::move(label);
        return true;
    }
    if (!MatchLine(rest, {W(name), T(");")})) return false;
    ReadMenuElement* e = MenuElement(name);
    if (!e) return false;
    e->holder.clear();
    return true;
}

bool GeneratedStatements::Constructor(std::string_view line, int number, bool& opens,
                                      bool& closes) {
    opens = closes = false;
    line = Trimmed(line);
    std::string_view name;
    if (line == "}" || line == "});") {
        closes = true;
        return true;
    }
    if (line == "System.exit(0);" || line == "dispose();") return true;
    if (line.ends_with("{")) {
        opens = true;
        if (MatchLine(line, {T("class "), W(name), T(" {")}))
            return (name[0] == 'B' || name[0] == 'C') && name.size() > 1;
        return MatchLine(line, {T("addWindowListener(new WindowAdapter() {")}) ||
               MatchLine(line, {T("public void windowClosing(WindowEvent e) {")}) ||
               MatchLine(line, {T("void run() {")});
    }
    // An ASCII name ends where the first blank, "." or "(" stands, or the line is read again.
    const size_t nameEnd = AsciiNameEnd(line, 0);
    const char after = nameEnd < line.size() ? line[nameEnd] : '\0';
    switch (after == ' ' || after == '.' || after == '(' ? after : AfterFirstName(line)) {
        case ' ':
            // Blanks may also stand before a "." or "(".
            return Creation(line, nameEnd, number) || CallOnName(line, nameEnd, number) ||
                   CallOnWindow(line, number);
        case '.':
            return CallOnName(line, nameEnd, number);
        default:
            return CallOnWindow(line, number);
    }
}

bool GeneratedStatements::Layout(std::string_view line, int number, bool& opens, bool& closes) {
    opens = closes = false;
    line = Trimmed(line);
    int64_t n = 0, left = 0, top = 0, width = 0, height = 0;
    // The two lines of each child first: they are most of the class.
    if (line.starts_with('c')) {
        if (!(ExactLine(line).Text("c = parent.getComponent(").Integer(n).Text(");").Whole() ||
              MatchLine(line, {T("c = parent.getComponent("), I(n), T(");")})) ||
            n < 0 || n > 1 << 20)
            return false;
        pendingChild_ = static_cast<int>(n);
        return true;
    }
    if (line.starts_with('i')) {
        const bool exact = ExactLine(line)
                               .Text("if (c.isVisible()) {c.setBounds(insets.left+")
                               .Integer(left)
                               .Text(",insets.top+")
                               .Integer(top)
                               .Text(",")
                               .Integer(width)
                               .Text(",")
                               .Integer(height)
                               .Text(");}")
                               .Whole();
        if (!(exact || MatchLine(line, {T("if (c.isVisible()) {c.setBounds(insets.left+"), I(left),
                                        T(",insets.top+"), I(top), T(","), I(width), T(","),
                                        I(height), T(");}")})) ||
            pendingChild_ < 0)
            return false;
        const auto child = static_cast<size_t>(pendingChild_);
        if (facts_.bounds.size() <= child) facts_.bounds.resize(child + 1);
        if (facts_.bounds[child])
            facts_.notes.push_back({number, "child " + std::to_string(child) +
                                                " of the window is placed a second time"});
        facts_.bounds[child] = ReadBounds{left, top, width, height, number};
        pendingChild_ = -1;
        return true;
    }
    if (line == "}") {
        closes = true;
        return true;
    }
    if (MatchLine(line, {T("Component c;")}) ||
        MatchLine(line, {T("Insets insets = parent.getInsets();")}) ||
        MatchLine(line, {T("Dimension dim = new Dimension(0, 0);")}) ||
        MatchLine(line, {T("return dim;")}))
        return true;
    if (MatchLine(line, {T("place"), I(n), T("(parent, insets);")})) return true;
    if (MatchLine(line, {T("dim.width = "), I(n), T(" + insets.left + insets.right;")})) {
        facts_.width = n;
        return true;
    }
    if (MatchLine(line, {T("dim.height = "), I(n), T(" + insets.top + insets.bottom;")})) {
        facts_.height = n;
        return true;
    }
    return false;
}

bool GeneratedStatements::Main(std::string_view line, bool& opens, bool& closes) {
    opens = closes = false;
    const std::string& cls = facts_.className;
    std::string a, b, title;
    if (MatchLine(line, {T("}")}) || MatchLine(line, {T("});")})) {
        closes = true;
        return true;
    }
    if (MatchLine(line, {T("window.addWindowListener(new WindowAdapter() {")}) ||
        MatchLine(line, {T("public void windowClosing(WindowEvent e) {")})) {
        opens = true;
        return true;
    }
    if (MatchLine(line, {N(a), T(" applet = new "), N(b), T("();")}) ||
        MatchLine(line, {N(a), T(" window = new "), N(b), T("();")}))
        return a == cls && b == cls;
    for (std::string_view frame : {"Frame", "JFrame"})
        if (MatchLine(line, {T(frame), T(" window = new "), T(frame), T("("), S(title), T(");")}))
            return title == cls;
    if (MatchLine(line, {T("window.setTitle("), S(title), T(");")})) return title == cls;
    for (std::string_view fixed :
         {"System.exit(0);", "applet.init();", "window.add(\"Center\", applet);",
          "window.getContentPane().add(\"Center\", applet);", "window.pack();",
          "window.setVisible(true);", "window.show();"})
        if (MatchLine(line, {T(fixed)})) return true;
    return false;
}

}  // namespace korvane::javasource
