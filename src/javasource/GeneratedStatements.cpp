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

}  // namespace

ReadComponent* GeneratedStatements::Component(const std::string& name) {
    const auto it = names_.find(name);
    if (it == names_.end() || it->second.component < 0) return nullptr;
    return &facts_.components[static_cast<size_t>(it->second.component)];
}

void GeneratedStatements::Finish() {
    for (ReadComponent& c : facts_.components) c.fieldLine = names_[c.name].fieldLine;
}

ReadComponent& GeneratedStatements::Create(const std::string& name, std::string_view type,
                                           int number) {
    NameFacts& facts = names_[name];
    facts.assigned = true;
    if (facts.component >= 0) {
        facts_.notes.push_back({number, "the component " + name + " is created a second time"});
        return facts_.components[static_cast<size_t>(facts.component)];
    }
    facts.component = static_cast<int>(facts_.components.size());
    ReadComponent& c = facts_.components.emplace_back();
    c.name = name;
    c.type = type;
    c.line = number;
    return c;
}

bool GeneratedStatements::Field(std::string_view line, int number) {
    std::string type, name;
    if (!MatchLine(line, {N(type), T(" "), N(name), T(";")})) return false;
    int& fieldLine = names_[name].fieldLine;
    if (!fieldLine) fieldLine = number;
    if (name == "parent") {
        facts_.dialogParent = type;
        facts_.dialogParentLine = number;
    }
    return true;
}

bool GeneratedStatements::Creation(std::string_view line, int number) {
    std::string name, cls, value, other;
    if (MatchLine(line, {N(name), T(" = new "), N(cls), T("("), S(value), T(");")})) {
        const std::string_view type = KindOf(cls, kTextKinds);
        if (type.empty()) return false;
        Create(name, type, number).value = value;
        return true;
    }
    if (MatchLine(line, {N(name), T(" = new "), N(cls), T("();")})) {
        if (cls == "CheckboxGroup" || cls == "ButtonGroup") {
            if (!IsGroupName(name)) return false;
            Assign(name);
            return true;
        }
        const std::string_view type = KindOf(cls, kPlainKinds);
        if (type.empty()) return false;
        Create(name, type, number);
        return true;
    }
    if (MatchLine(line, {N(name), T(" = new Checkbox("), S(value), T(", cbg, false);")})) {
        Create(name, "OptionButton", number).value = value;
        return true;
    }
    if (MatchLine(line, {N(name), T(" = new JRadioButton("), S(value), T(", false);")})) {
        Create(name, "JRadioButton", number).value = value;
        return true;
    }
    for (const bool swing : {false, true}) {
        for (const bool vertical : {false, true}) {
            const std::string_view creation =
                swing ? (vertical ? " = new JScrollBar(Scrollbar.VERTICAL);"
                                  : " = new JScrollBar(Scrollbar.HORIZONTAL);")
                      : (vertical ? " = new Scrollbar(Scrollbar.VERTICAL);"
                                  : " = new Scrollbar(Scrollbar.HORIZONTAL);");
            if (MatchLine(line, {N(name), T(creation)})) {
                Create(name,
                       swing ? (vertical ? "JVScrollBar" : "JHScrollBar")
                             : (vertical ? "VScrollBar" : "HScrollBar"),
                       number);
                return true;
            }
        }
    }
    // A JList: its model is a local variable, or in a method spread over local classes the
    // list's own model.
    if (MatchLine(line,
                  {T("DefaultListModel listModel_"), N(name), T(" = new DefaultListModel();")})) {
        Create(name, "JList", number);
        return true;
    }
    if (MatchLine(line, {N(name), T(" = new JList(listModel_"), N(other), T(");")}) &&
        name == other) {
        const ReadComponent* c = Component(name);
        return c && c->type == "JList";
    }
    if (MatchLine(line, {N(name), T(" = new JList(new DefaultListModel());")})) {
        Create(name, "JList", number);
        return true;
    }
    if (MatchLine(line, {T("sp_"), N(name), T(" = new JScrollPane("), N(other), T(");")}) &&
        name == other) {
        Assign("sp_" + name);
        return true;
    }
    return false;
}

bool GeneratedStatements::ListItem(std::string_view line) {
    std::string name, item;
    ReadComponent* c = nullptr;
    if (MatchLine(line, {N(name), T(".addItem("), S(item), T(");")})) {
        c = Component(name);
        if (!c || (c->type != "ComboBox" && c->type != "JComboBox")) return false;
    } else if (MatchLine(line, {N(name), T(".add("), S(item), T(");")})) {
        c = Component(name);
        if (!c || c->type != "ListBox") return false;
    } else if (MatchLine(line, {T("listModel_"), N(name), T(".addElement("), S(item), T(");")}) ||
               MatchLine(line, {T("((DefaultListModel) "), N(name), T(".getModel()).addElement("),
                                S(item), T(");")})) {
        c = Component(name);
        if (!c || c->type != "JList") return false;
    } else {
        return false;
    }
    if (c->items++ > 0) c->value += '|';
    c->value += item;
    return true;
}

bool GeneratedStatements::Addition(std::string_view line, int number) {
    std::string name;
    bool added = false;
    for (std::string_view container : {"", "getContentPane()."}) {
        const std::string add = std::string(container) + "add(";
        if (MatchLine(line, {T(add), T("new JScrollPane("), N(name), T("));")}) ||
            MatchLine(line, {T(add), N(name), T(");")})) {
            added = true;
            break;
        }
    }
    if (!added) return false;
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
    facts_.addOrder.push_back(name);
    return true;
}

bool GeneratedStatements::Menu(std::string_view line, int number) {
    std::string name, cls, label, holder, vk, checked;
    if (MatchLine(line, {T("setMenuBar(new MenuBar());")}) ||
        MatchLine(line, {T("setJMenuBar(new JMenuBar());")}))
        return true;
    int64_t width = 0;
    if (MatchLine(line, {T("getJMenuBar().setLayout(new "), N(cls), T("("), I(width), T("));")})) {
        if (cls != facts_.className + std::string(kMenuBarLayoutSuffix)) return false;
        facts_.menuBarWidth = width;
        facts_.menuBarWidthLine = number;
        return true;
    }
    const auto element = [&](std::string_view type) -> ReadMenuElement& {
        NameFacts& facts = names_[name];
        facts.assigned = true;
        facts.menu = static_cast<int>(facts_.menu.size());
        ReadMenuElement& e = facts_.menu.emplace_back();
        e.name = name;
        e.type = type;
        e.label = label;
        e.line = number;
        return e;
    };
    const auto known = [&]() -> ReadMenuElement* {
        const auto it = names_.find(name);
        if (it == names_.end() || it->second.menu < 0) return nullptr;
        return &facts_.menu[static_cast<size_t>(it->second.menu)];
    };
    // The bar is reached through the window: getMenuBar() or getJMenuBar().
    const auto holderOf = [&](std::string_view rest, LinePiece piece) {
        for (std::string_view bar : {"getMenuBar()", "getJMenuBar()"})
            if (MatchLine(line, {T(bar), T(rest), piece, T(");")})) {
                holder.clear();
                return true;
            }
        return MatchLine(line, {N(holder), T(rest), piece, T(");")});
    };
    if (holderOf(".addSeparator(", T(""))) {
        ReadMenuElement& e = facts_.menu.emplace_back();
        e.type = "Separator";
        e.holder = holder;
        e.line = number;
        return true;
    }
    if (MatchLine(line, {N(name), T(" = new "), N(cls), T("("), S(label), T(");")})) {
        if (cls == "Menu" || cls == "JMenu")
            element("Menu");
        else if (cls == "MenuItem" || cls == "JMenuItem")
            element("Item");
        else
            return false;
        return true;
    }
    for (std::string_view state : {"true", "false"}) {
        if (MatchLine(line, {N(name), T(" = new "), N(cls), T("("), S(label), T(", "), T(state),
                             T(");")}) &&
            (cls == "CheckboxMenuItem" || cls == "JCheckBoxMenuItem")) {
            element("Check").checked = state == "true";
            return true;
        }
    }
    for (const bool shift : {false, true}) {
        const std::string_view end = shift ? ", true));" : "));";
        if (MatchLine(line, {N(name), T(" = new MenuItem("), S(label),
                             T(", new MenuShortcut(KeyEvent.VK_"), N(vk), T(end)})) {
            element("Item").shortcut = ShortcutText(vk, shift);
            return true;
        }
        if (MatchLine(line,
                      {N(name), T(".setShortcut(new MenuShortcut(KeyEvent.VK_"), N(vk), T(end)})) {
            ReadMenuElement* e = known();
            if (!e) return false;
            e->shortcut = ShortcutText(vk, shift);
            return true;
        }
        const std::string_view mask =
            shift ? ", InputEvent.CTRL_DOWN_MASK | InputEvent.SHIFT_DOWN_MASK));"
                  : ", InputEvent.CTRL_DOWN_MASK));";
        if (MatchLine(line, {N(name), T(".setAccelerator(KeyStroke.getKeyStroke(KeyEvent.VK_"),
                             N(vk), T(mask)})) {
            ReadMenuElement* e = known();
            if (!e) return false;
            e->shortcut = ShortcutText(vk, shift);
            return true;
        }
    }
    if (MatchLine(line, {N(name), T(".setEnabled(false);")})) {
        ReadMenuElement* e = known();
        if (!e) return false;
        e->disabled = true;
        return true;
    }
    // An item standing in the bar, in a menu of its own: bar.add(new Menu("label")).add(item);
    for (std::string_view own : {"getMenuBar().add(new Menu(", "getJMenuBar().add(new JMenu("}) {
        if (!MatchLine(line, {T(own), S(label), T(")).add("), N(name), T(");")})) continue;
        ReadMenuElement* e = known();
        if (!e || e->type != "Item") return false;
        e->holder.clear();
        e->ownMenuLabel = label;
        return true;
    }
    if (holderOf(".add(", N(name))) {
        if (IsGroupName(holder)) return Component(name) != nullptr;
        ReadMenuElement* e = known();
        if (!e) return false;
        e->holder = holder;
        return true;
    }
    return false;
}

bool GeneratedStatements::Stacking(std::string_view line) {
    std::string name, cls;
    if (MatchLine(line, {T("setFocusTraversalPolicyProvider(true);")})) return true;
    for (std::string_view container : {"", "getContentPane()."}) {
        const std::string components = std::string(container) + "getComponents()));";
        if (MatchLine(line, {T("setFocusTraversalPolicy(new "), N(cls), T("("), T(components)}))
            return cls == facts_.className + "Focus";
        const std::string raise = std::string(container) + "setComponentZOrder(";
        if (MatchLine(line, {T(raise), N(name), T(".getParent().getParent(), 0);")}) ||
            MatchLine(line, {T(raise), N(name), T(", 0);")})) {
            if (!Component(name) && name.starts_with("sp_") && Component(name.substr(3)))
                name = name.substr(3);
            facts_.raisedChildren.push_back(name);
            return true;
        }
    }
    return false;
}

bool GeneratedStatements::Registration(std::string_view line, int number) {
    std::string name;
    std::string_view registration, cls;
    if (!MatchLine(line, {N(name), T("."), W(registration), T("(new "), W(cls), T("());")}))
        return false;
    if (!registration.starts_with("add") || !registration.ends_with("Listener")) return false;
    facts_.registrations.push_back({name, registration, cls, number});
    return true;
}

bool GeneratedStatements::Skeleton(std::string_view line, int number) {
    const std::string& cls = facts_.className;
    std::string a, b, name, style1, style2;
    int64_t size = 0;
    if (MatchLine(line, {N(a), T(" customLayout = new "), N(b), T("();")}))
        return a == cls + "Layout" && b == a;
    for (std::string_view container : {"", "getContentPane()."}) {
        const std::string font = std::string(container) + "setFont(new Font(";
        if (MatchLine(line,
                      {T(font), S(name), T(", Font."), N(style1), T(", "), I(size), T("));")}) ||
            MatchLine(line, {T(font), S(name), T(", Font."), N(style1), T("|Font."), N(style2),
                             T(", "), I(size), T("));")})) {
            facts_.hasFont = true;
            facts_.fontName = name;
            facts_.fontStyle = style2.empty() ? style1 : style1 + " " + style2;
            facts_.fontSize = size;
            return true;
        }
        if (MatchLine(line, {T(std::string(container) + "setLayout(customLayout);")})) return true;
    }
    if (MatchLine(line, {T("frame = this;")})) {
        Assign("frame");
        return true;
    }
    if (MatchLine(line, {T("super(dialog_parent, title, true);")})) return true;
    if (MatchLine(line, {T("parent = ("), N(a), T(")dialog_parent;")})) {
        Assign("parent");
        return true;
    }
    (void)number;
    return MatchLine(line, {T("setSize(getPreferredSize());")}) || MatchLine(line, {T("pack();")});
}

bool GeneratedStatements::Constructor(std::string_view line, int number, bool& opens,
                                      bool& closes) {
    opens = closes = false;
    line = Trimmed(line);
    std::string name;
    if (line == "}" || line == "});") {
        closes = true;
        return true;
    }
    if (line == "System.exit(0);" || line == "dispose();") return true;
    if (line.ends_with("{")) {
        opens = true;
        if (MatchLine(line, {T("class "), N(name), T(" {")}))
            return (name[0] == 'B' || name[0] == 'C') && name.size() > 1;
        return MatchLine(line, {T("addWindowListener(new WindowAdapter() {")}) ||
               MatchLine(line, {T("public void windowClosing(WindowEvent e) {")}) ||
               MatchLine(line, {T("void run() {")});
    }
    // The forms are told apart by what follows the first name: " = " (a creation), "." (a
    // call on a component or menu) or "(" (a call on the window).
    size_t head = 0;
    while (head < line.size() && line[head] != ' ' && line[head] != '.' && line[head] != '(')
        ++head;
    const char after = head < line.size() ? line[head] : '\0';
    if (after == ' ')
        return Creation(line, number) || Menu(line, number) || Skeleton(line, number) ||
               MatchLine(line, {T("new "), N(name), T("().run();")});
    if (after == '.' && !line.starts_with("getContentPane().") &&
        !line.starts_with("getMenuBar()") && !line.starts_with("getJMenuBar()")) {
        if (MatchLine(line, {N(name), T(".setFont(getFont());")}) ||
            MatchLine(line, {N(name), T(".setFont(getContentPane().getFont());")}))
            return Component(name) != nullptr;
        return ListItem(line) || Registration(line, number) || Menu(line, number);
    }
    if (line.starts_with("((DefaultListModel)")) return ListItem(line);
    return Addition(line, number) || Skeleton(line, number) || Stacking(line) || Menu(line, number);
}

bool GeneratedStatements::Layout(std::string_view line, int number, bool& opens, bool& closes) {
    opens = closes = false;
    int64_t n = 0, left = 0, top = 0, width = 0, height = 0;
    std::string name;
    if (MatchLine(line, {T("}")})) {
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
    if (MatchLine(line, {T("c = parent.getComponent("), I(n), T(");")})) {
        if (n < 0 || n > 1 << 20) return false;
        pendingChild_ = static_cast<int>(n);
        return true;
    }
    if (MatchLine(line,
                  {T("if (c.isVisible()) {c.setBounds(insets.left+"), I(left), T(",insets.top+"),
                   I(top), T(","), I(width), T(","), I(height), T(");}")})) {
        if (pendingChild_ < 0) return false;
        const auto child = static_cast<size_t>(pendingChild_);
        if (facts_.bounds.size() <= child) facts_.bounds.resize(child + 1);
        if (facts_.bounds[child])
            facts_.notes.push_back({number, "child " + std::to_string(child) +
                                                " of the window is placed a second time"});
        facts_.bounds[child] = ReadBounds{left, top, width, height, number};
        pendingChild_ = -1;
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
