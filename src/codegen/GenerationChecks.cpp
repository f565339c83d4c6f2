#include "codegen/GenerationChecks.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <span>

#include "codegen/CaseFolding.h"
#include "codegen/ComponentWriters.h"
#include "codegen/ImportedClasses.h"
#include "codegen/JavaText.h"
#include "codegen/MenuBarWriter.h"
#include "codegen/NameTable.h"
#include "codegen/SkeletonWriter.h"
#include "codegen/TargetWrappers.h"
#include "document/ComponentKinds.h"
#include "platform/FixedNameIndex.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr std::string_view kFixedClasses[] = {
    // targets
    "Applet", "Frame", "Dialog", "Panel", "JApplet", "JFrame", "JDialog", "JPanel",
    // AWT components
    "Label", "Canvas", "TextField", "TextArea", "Button", "Checkbox", "CheckboxGroup", "Choice",
    "List", "Scrollbar", "ScrollPane",
    // Swing components
    "JLabel", "JTextField", "JTextArea", "JButton", "JCheckBox", "JRadioButton", "ButtonGroup",
    "JComboBox", "JList", "DefaultListModel", "JScrollBar", "JScrollPane",
    // layout and font
    "Font", "Dimension", "Insets", "Component", "Container", "LayoutManager",
    // java.lang
    "String", "System"};

// The classes the lines of a menu bar use.
constexpr std::string_view kMenuBarClasses[] = {
    "MenuBar",  "Menu",  "MenuItem",  "CheckboxMenuItem",  "MenuShortcut", "KeyEvent",
    "JMenuBar", "JMenu", "JMenuItem", "JCheckBoxMenuItem", "KeyStroke",    "InputEvent"};

// The member classes a generated class inherits from its target class, with the targets that
// have them ("" = every target). Inside the class such a member hides a top-level class of the
// same name, so the file cannot name one of the user's classes so.
struct InheritedType {
    std::string_view name;
    std::string_view targets;
};
constexpr InheritedType kInheritedTypes[] = {
    {"AccessibleAWTComponent", ""},
    {"AccessibleAWTContainer", ""},
    {"BaselineResizeBehavior", ""},
    {"BltBufferStrategy", ""},
    {"FlipBufferStrategy", ""},
    {"AccessibleAWTPanel", "Applet JApplet Panel"},
    {"AccessibleApplet", "Applet JApplet"},
    {"AccessibleJApplet", "JApplet"},
    {"AccessibleJComponent", "JPanel"},
    {"AccessibleJPanel", "JPanel"},
    {"AccessibleAWTWindow", "Frame JFrame Dialog JDialog"},
    {"Type", "Frame JFrame Dialog JDialog"},
    {"AccessibleAWTFrame", "Frame JFrame"},
    {"AccessibleJFrame", "JFrame"},
    {"AccessibleAWTDialog", "Dialog JDialog"},
    {"ModalityType", "Dialog JDialog"},
    {"ModalExclusionType", "Dialog JDialog"},
    {"AccessibleJDialog", "JDialog"},
};

// Asked of every popup class of a design.
constexpr FixedNameIndex<std::size(kInheritedTypes)> kInheritedTypeOfName(
    kInheritedTypes, [](const InheritedType& type) { return type.name; });

bool IsInheritedType(std::string_view target, std::string_view name) {
    const size_t k = kInheritedTypeOfName.Find(name);
    if (k == kInheritedTypeOfName.npos) return false;
    const std::string_view targets = kInheritedTypes[k].targets;
    if (targets.empty()) return true;
    for (size_t start = 0; start < targets.size();) {
        const size_t end = std::min(targets.find(' ', start), targets.size());
        if (targets.substr(start, end - start) == target) return true;
        start = end + 1;
    }
    return false;
}

// The package or outer class a qualified class name starts with, or the name itself.
std::string_view FirstPart(std::string_view className) {
    return className.substr(0, className.find('.'));
}

// javac writes each class to a file <name>.class, inner classes as <Class>$<name>.class; the
// usual file systems refuse a file name of more than 255 characters.
constexpr size_t kMaxFileName = 255;
// A class file holds a field name in at most 65535 bytes; a JList's model prefixes its name.
constexpr size_t kMaxFieldName = 65535 - std::string_view("listModel_").size();

// javac refuses a method whose code exceeds 65535 bytes. Upper bounds, in bytes, of the code
// the lines of a design compile to, so that a design too large for one method is refused.
constexpr size_t kFixedMethodCode = 128;  // layout object, font, size and window listener lines
constexpr size_t kLayoutRowCode = 41;     // the getComponent and setBounds lines of one row
constexpr size_t kLayoutFixedCode = 6;
constexpr size_t kAddCode = 12;           // getContentPane().add(...)
constexpr size_t kItemCode = 10;          // one addItem, add or addElement line
constexpr size_t kRegistrationCode = 15;  // one add...Listener(new ...) line
constexpr size_t kGroupCode = 11;         // the creation of a radio group
constexpr size_t kFontCode = 15;          // a Swing component's setFont line
constexpr size_t kRaiseCode = 20;         // one setComponentZOrder line
constexpr size_t kFocusPolicyCode = 32;   // the two lines that set the focus policy
constexpr size_t kMenuCode = 60;          // the lines of one menu element

// The creation lines of one row without its list items.
size_t CreationCode(std::string_view type) {
    if (type == "JList") return 41 + kFontCode;
    if (type == "JTextArea") return 29 + kFontCode;
    if (type == "JRadioButton") return 26 + kGroupCode + kFontCode;
    if (IsSwingKind(type)) return 14 + kFontCode;
    if (type == "OptionButton") return 19 + kGroupCode;
    return 14;  // one constructor call with at most a text or a constant
}

// Canvases, scroll bars, panels and scroll panes are created without their value.
bool WritesValue(std::string_view type) {
    constexpr std::string_view kWithoutValue[] = {"PictureBox",  "HScrollBar", "VScrollBar",
                                                  "Panel",       "ScrollPane", "JHScrollBar",
                                                  "JVScrollBar", "JPanel",     "JScrollPane"};
    return std::find(std::begin(kWithoutValue), std::end(kWithoutValue), type) ==
           std::end(kWithoutValue);
}

// A class name, possibly qualified with its package: every part an identifier, the class
// itself not a restricted word.
bool IsJavaClassName(std::string_view name) {
    size_t start = 0;
    while (true) {
        const size_t dot = name.find('.', start);
        const std::string_view part = name.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (!IsJavaIdentifier(part)) return false;
        if (dot == std::string_view::npos) return !IsRestrictedTypeName(part);
        start = dot + 1;
    }
}

class Checker {
  public:
    Checker(const JavaFile& file, const ListenerPlan& plan, const EventCatalogue& catalogue)
        : file_(file), plan_(plan), listeners_(catalogue.ListenerTable()) {
        usedClassList_ = ClassesTheFileUses(catalogue);
        for (std::string_view cls : usedClassList_) usedClasses_.Insert(cls);
        if (WritesMenuBar(file))
            for (std::string_view cls : kMenuBarClasses) usedClasses_.Insert(cls);
        if (WritesMenuBarLayout(file)) usedClasses_.Insert("EventQueue");
        if (file.stacking.focusPolicy) {
            usedClasses_.Insert(file.SwingTarget() ? "LayoutFocusTraversalPolicy"
                                                   : "DefaultFocusTraversalPolicy");
        }
        for (const ListenerRow& listener : listeners_)
            if (!listener.suffix.empty())
                suffixEnds_[static_cast<unsigned char>(listener.suffix.back())] = true;
        IndexListenerClasses();
        for (const CodegenRow& row : file.table) {
            awtRadio_ = awtRadio_ || row.type == "OptionButton";
            swingRadio_ = swingRadio_ || row.type == "JRadioButton";
        }
        frameField_ = NeedsFrameField(file);
    }

    std::string ClassName() const;
    std::string ComponentNames();
    // The component names known as ComponentNames knows them, whether or not they pass.
    void IndexComponentNames();
    std::string GeneratedNameUse(std::string_view name) const;
    std::string OtherNames() const;
    std::string PopupClasses() const;
    std::string MenuElements(const std::vector<MenuElement>& elements) const;
    std::string Font() const;
    std::string DialogParent() const;
    std::string Texts() const;
    MethodCode MethodSizes() const;
    std::string ClassSize() const;
    std::string ClassFiles() const;

  private:
    // A design can have hundreds of thousands of listener classes: they are known by the
    // listener types of each name rather than each held as a string.
    void IndexListenerClasses();
    bool IsListenerClass(std::string_view name) const;
    // Whether a simple class name already means a class of the file inside the generated
    // class: the class itself, its layout or listener classes, a class it uses or inherits.
    bool TakenClassName(std::string_view name) const;

    const JavaFile& file_;
    const ListenerPlan& plan_;
    std::span<const ListenerRow> listeners_;
    std::vector<std::string> usedClassList_;
    NameTable<bool> usedClasses_;
    // The last bytes of the listener suffixes: a name that ends otherwise names no listener class.
    std::bitset<256> suffixEnds_;
    // Bit t: the name has a listener class of ListenerTable row t.
    NameTable<uint32_t> listenerTypesOfName_;
    // The row of each component name, once ComponentNames has passed.
    NameTable<const CodegenRow*> componentNames_;
    bool awtRadio_ = false, swingRadio_ = false;  // the file declares radio groups
    bool frameField_ = false;
};

void Checker::IndexListenerClasses() {
    const auto& classes = plan_.classes;
    // The classes of one name are contiguous: one look-up per name.
    uint32_t* types = nullptr;
    for (size_t k = 0; k < classes.size(); ++k) {
        if (classes[k].startsName) types = &listenerTypesOfName_[classes[k].name];
        *types |= uint32_t{1} << plan_.TypeOf(classes[k]);
    }
}

bool Checker::IsListenerClass(std::string_view name) const {
    if (name.empty() || !suffixEnds_[static_cast<unsigned char>(name.back())]) return false;
    for (size_t type = 0; type < listeners_.size(); ++type) {
        const std::string_view suffix = listeners_[type].suffix;
        if (!name.ends_with(suffix)) continue;
        const uint32_t* types =
            listenerTypesOfName_.Find(name.substr(0, name.size() - suffix.size()));
        if (types && (*types >> type & 1) != 0) return true;
    }
    return false;
}

std::string Checker::ClassName() const {
    const std::string& name = file_.className;
    if (!IsJavaIdentifier(name))
        return "The class name " + Quoted(name) +
               " (the name of the project file) is not a valid Java identifier.";
    // The longest name of a class the file declares beside the class itself.
    const std::string_view longest = WritesMenuBarLayout(file_) ? kMenuBarLayoutSuffix : "Layout";
    if (name.size() + longest.size() + std::string_view(".class").size() > kMaxFileName)
        return "The class name " + Quoted(name) + " is too long: the file of its " +
               (WritesMenuBarLayout(file_) ? "menu bar layout" : "layout") + " class " +
               "would have a name of more than " + std::to_string(kMaxFileName) + " characters.";
    if (IsRestrictedTypeName(name))
        return "The class name " + Quoted(name) +
               " is a restricted word of Java and cannot "
               "name a class.";
    if (usedClasses_.Contains(name))
        return "The class name " + Quoted(name) +
               " is the name of a class the generated file uses.";
    if (IsListenerClass(name))
        return "The class name " + Quoted(name) +
               " is also the name of a listener class of the generated file.";
    if (IsInheritedType(file_.generateType, name))
        return "The class name " + Quoted(name) +
               " is the name of a class the generated class inherits from " + file_.generateType +
               ".";
    return {};
}

bool Checker::TakenClassName(std::string_view name) const {
    const std::string_view cls = file_.className;
    const auto classAnd = [&](std::string_view tail) {
        return name.size() == cls.size() + tail.size() && name.starts_with(cls) &&
               name.ends_with(tail);
    };
    const bool focusClass = file_.stacking.focusPolicy && classAnd("Focus");
    const bool menuBarLayout = WritesMenuBarLayout(file_) && classAnd(kMenuBarLayoutSuffix);
    return name == cls || classAnd("Layout") || focusClass || menuBarLayout ||
           usedClasses_.Contains(name) || IsListenerClass(name) ||
           IsInheritedType(file_.generateType, name);
}

std::string Checker::ComponentNames() {
    componentNames_.Reserve(file_.table.size());
    for (const CodegenRow& row : file_.table) {
        const std::string_view name = row.name;
        if (!FindKind(row.type))
            return "The component " + Quoted(name) + " has the unknown kind " + Quoted(row.type) +
                   ".";
        if (!IsJavaIdentifier(name))
            return "The component name " + Quoted(name) + " is not a valid Java identifier.";
        if (name.size() > kMaxFieldName)
            return "The component name " + Quoted(name) + " is too long for a Java class file.";
        if (usedClasses_.Contains(name))
            return "The component name " + Quoted(name) +
                   " is the name of a class the generated file uses.";
        if (!componentNames_.Insert(name, &row).second)
            return "The component name " + Quoted(name) + " is used by more than one component.";
    }
    return {};
}

void Checker::IndexComponentNames() {
    componentNames_.Reserve(file_.table.size());
    for (const CodegenRow& row : file_.table) componentNames_.Insert(row.name, &row);
}

// What the class declares or uses under this name besides the components' own fields, or ""
// when nothing: a component or menu element field of that name would clash with it or hide it.
// The scroll panes and list models are named after their components, which are known once
// ComponentNames has passed.
std::string Checker::GeneratedNameUse(std::string_view name) const {
    // The component a prefixed name is made from, or null.
    const auto componentOf = [&](std::string_view prefix) -> const CodegenRow* {
        if (!name.starts_with(prefix)) return nullptr;
        const CodegenRow* const* row = componentNames_.Find(name.substr(prefix.size()));
        return row ? *row : nullptr;
    };
    if (const CodegenRow* row = componentOf("sp_"); row && IsScrollWrappedKind(row->type))
        return "the scroll pane of " + Quoted(row->name);
    if (const CodegenRow* row = componentOf("listModel_"); row && row->type == "JList")
        return "the list model of " + Quoted(row->name);
    if ((awtRadio_ || swingRadio_) && name == "cbg") return "the radio button group";
    if (swingRadio_ && name == file_.swingGroupName) return "the radio button group";
    if (frameField_ && name == "frame") return "the frame field";
    if (IsDialogTarget(file_.generateType)) {
        if (name == "parent") return "the dialog's parent field";
        if (name == "dialog_parent" || name == "title") return "a parameter of the constructor";
    }
    if (name == "customLayout") return "the layout object";
    return {};
}

std::string Checker::OtherNames() const {
    for (const CodegenRow& row : file_.table) {
        if (const std::string use = GeneratedNameUse(row.name); !use.empty())
            return "The component name " + Quoted(row.name) +
                   " is also a name the generated class uses for " + use + ".";
    }
    return {};
}

std::string Checker::PopupClasses() const {
    NameTable<const CodegenRow*> windowOfClass, dialogOfClass;
    const bool swingImported = NeedsSwingImport(file_);
    const bool appletImported = IsAppletTarget(file_.generateType);
    for (const CodegenRow& row : file_.table) {
        if (row.popup.empty()) continue;
        const PopupBinding& binding = row.binding;
        const std::string_view cls = binding.className;
        const auto named = [&] {
            return "The window class " + Quoted(cls) + " of the popup binding of " +
                   Quoted(row.name);
        };
        if (!IsJavaClassName(cls)) return named() + " is not a valid Java class name.";
        // A qualified name is looked up from its first part.
        const std::string_view first = FirstPart(cls);
        if (TakenClassName(first))
            return named() + " is a class the generated file itself declares, inherits or uses.";
        if (first.size() < cls.size() && IsImportedClassName(first, swingImported, appletImported))
            return named() + " starts with " + Quoted(first) +
                   ", a class the generated file imports, so javac would look for a member of "
                   "that class.";
        // javac names the classes it compiles from this file <Class>$...: inner and anonymous.
        if (cls.size() > file_.className.size() && cls.starts_with(file_.className) &&
            cls[file_.className.size()] == '$')
            return named() + " is a class javac compiles from the generated file itself.";
        // A Dialog binding opens a window only where the file has a frame to own it.
        const bool dialog = binding.kind == "JDialog" ||
                            (binding.kind == "Dialog" && IsFrameTarget(file_.generateType));
        const bool window = binding.kind == "Frame" || binding.kind == "JFrame";
        auto& otherFamily = dialog ? windowOfClass : dialogOfClass;
        if (const CodegenRow* const* other = otherFamily.Find(cls); (dialog || window) && other)
            return named() + " is opened as a " + std::string(binding.kind) + ", and " +
                   Quoted((*other)->name) + " opens it as a " +
                   std::string((*other)->binding.kind) +
                   ": one class cannot be both a frame and a dialog.";
        if (dialog) dialogOfClass.Insert(cls, &row);
        if (window) windowOfClass.Insert(cls, &row);
    }
    return {};
}

std::string Checker::MenuElements(const std::vector<MenuElement>& elements) const {
    if (!IsFrameTarget(file_.generateType)) return {};
    if (!file_.menuTree.ok()) return file_.menuTree.error;
    NameTable<bool> menuNames;
    for (const MenuNode& node : file_.menuTree.nodes) {
        // A separator has no field.
        if (node.type == MenuElementType::Separator) continue;
        const std::string& name = elements[node.element].Name;
        if (!IsJavaIdentifier(name))
            return "The menu element name " + Quoted(name) + " is not a valid Java identifier.";
        if (name.size() > kMaxFieldName)
            return "The menu element name " + Quoted(name) + " is too long for a Java class file.";
        if (componentNames_.Contains(name))
            return "The menu element name " + Quoted(name) + " is also the name of a component.";
        if (usedClasses_.Contains(name))
            return "The menu element name " + Quoted(name) +
                   " is the name of a class the generated file uses.";
        if (const std::string use = GeneratedNameUse(name); !use.empty())
            return "The menu element name " + Quoted(name) +
                   " is also a name the generated class uses for " + use + ".";
        if (!menuNames.Insert(name).second)
            return "The menu element name " + Quoted(name) +
                   " is used by more than one menu element.";
        if (!FitsJavaStringLiteral(node.label))
            return "The label of the menu element " + Quoted(name) +
                   " is too long for a Java string literal.";
    }
    return {};
}

std::string Checker::Font() const {
    if (FontStyleExpression(file_.fontStyle)) return {};
    return "The font style " + Quoted(file_.fontStyle) +
           " is not valid: use PLAIN, BOLD or ITALIC, or two of them such as BOLD ITALIC.";
}

std::string Checker::DialogParent() const {
    const std::string& parent = file_.dialogParent;
    if (!IsDialogTarget(file_.generateType) || parent.empty()) return {};
    if (!IsJavaClassName(parent))
        return "The dialog parent class " + Quoted(parent) + " is not a valid Java class name.";
    // The owner frame is cast to the parent class: the classes of the file it may be cast to.
    const bool ownerClass = parent == "Frame" || parent == "Component" || parent == "Container" ||
                            (parent == "JFrame" && file_.generateType == "JDialog");
    if (!ownerClass && TakenClassName(FirstPart(parent)))
        return "The dialog parent class " + Quoted(parent) +
               " is a class the generated file itself declares, inherits or uses, and cannot "
               "hold the dialog's owner window.";
    return {};
}

std::string Checker::Texts() const {
    const auto tooLong = [](std::string_view text) { return !FitsJavaStringLiteral(text); };
    const std::string tail =
        " is too long for a Java string literal: javac takes at most 65534 characters and "
        "65535 bytes of its class-file form.";
    for (const CodegenRow& row : file_.table) {
        if (!WritesValue(row.type)) continue;
        if (!IsListKind(row.type)) {
            if (tooLong(row.value)) return "The value of " + Quoted(row.name) + tail;
            continue;
        }
        for (std::string_view item : ListItems(row.value))
            if (tooLong(item)) return "A list item of " + Quoted(row.name) + tail;
    }
    if (tooLong(JavaFontName(file_.fontName))) return "The font name" + tail;
    return {};
}

MethodCode Checker::MethodSizes() const {
    MethodCode code;
    code.body = kFixedMethodCode + kRegistrationCode * plan_.classes.size() +
                kRaiseCode * file_.stacking.raised.size() + kMenuCode * file_.menuTree.nodes.size();
    if (file_.stacking.focusPolicy) code.body += kFocusPolicyCode;
    for (const CodegenRow& row : file_.table) {
        code.body += CreationCode(row.type) + kAddCode;
        if (IsListKind(row.type)) code.body += kItemCode * ListItems(row.value).size();
    }
    code.layout = kLayoutFixedCode + kLayoutRowCode * file_.table.size();
    return code;
}

// Every class file holds at most 65535 constants. The public class keeps, even when its body
// is split, one name per field and three constants per inner class; the rest is bounded.
std::string Checker::ClassSize() const {
    constexpr size_t kMaxConstants = 65535;
    constexpr size_t kFixedConstants = 400;
    size_t constants = kFixedConstants + 3 * plan_.classes.size() + file_.menuTree.nodes.size();
    for (const CodegenRow& row : file_.table)
        constants += IsScrollWrappedKind(row.type) && !file_.splitBody ? 2 : 1;
    if (constants <= kMaxConstants) return {};
    return "The design may be too large for one Java class: the class " + Quoted(file_.className) +
           " may need up to " + std::to_string(constants) + " constants, and a class file holds " +
           std::to_string(kMaxConstants) +
           ". The file is generated; give fewer components listeners if javac reports \"too "
           "many constants\".";
}

// Each listener class is compiled to its own file <Class>$<listener>.class; on a file system
// that ignores case (Windows, macOS) two names that differ only in case, in any script, would
// share one file.
// No suffix ends another, ignoring case (the catalogue tests hold it), so two listener classes
// share a file name ignoring case exactly when their suffixes are the same and their names
// differ only in case.
std::string Checker::ClassFiles() const {
    // Bit t: a listener class of ListenerTable row t has been met with this name, ignoring case.
    NameTable<uint32_t, CaseFoldedHash, CaseFoldedEqual> typesOfName;
    const auto& classes = plan_.classes;
    // The classes of one name are contiguous: one look-up per name.
    uint32_t* types = nullptr;
    for (size_t k = 0; k < classes.size(); ++k) {
        const std::string_view name = classes[k].name;
        const std::string_view suffix = classes[k].suffix();
        const auto cls = [suffix](std::string_view of) { return std::string(of) += suffix; };
        if (file_.className.size() + 1 + name.size() + suffix.size() +
                std::string_view(".class").size() >
            kMaxFileName)
            return "The listener class " + Quoted(cls(name)) +
                   " would be written to a file whose name has more than " +
                   std::to_string(kMaxFileName) +
                   " characters: shorten the name of its component or of the class.";
        if (classes[k].startsName) types = &typesOfName[name];
        const uint32_t bit = uint32_t{1} << plan_.TypeOf(classes[k]);
        if ((*types & bit) == 0) {
            *types |= bit;
            continue;
        }
        // The first class that shares this file.
        size_t first = 0;
        while (!(classes[first].listener == classes[k].listener &&
                 CaseFoldedEqual()(classes[first].name, name)))
            ++first;
        return "The listener classes " + Quoted(cls(classes[first].name)) + " and " +
               Quoted(cls(name)) +
               " differ only in case, so Windows and macOS would keep one file for both: "
               "rename one of their components.";
    }
    return {};
}

}  // namespace

std::vector<std::string> ClassesTheFileUses(const EventCatalogue& catalogue) {
    std::vector<std::string> classes(std::begin(kFixedClasses), std::end(kFixedClasses));
    for (const ListenerRow& row : catalogue.ListenerTable()) {
        classes.emplace_back(row.listenerType);
        std::string_view kind = row.kind;
        kind = kind.substr(0, kind.find(' '));  // "MouseEvent (Motion)" is a MouseEvent
        classes.emplace_back(kind);
    }
    return classes;
}

std::string PopupClassFault(std::string_view className, const EventCatalogue& catalogue) {
    if (!IsJavaClassName(className))
        return "The window class " + Quoted(className) + " is not a valid Java class name.";
    const std::vector<std::string> used = ClassesTheFileUses(catalogue);
    if (std::find(used.begin(), used.end(), FirstPart(className)) != used.end())
        return "The window class " + Quoted(className) +
               " is a class the generated file itself uses.";
    return {};
}

struct GenerationChecker::State {
    Checker checker;
};

GenerationChecker::GenerationChecker(const JavaFile& file, const ListenerPlan& plan,
                                     const EventCatalogue& catalogue)
    : state_(std::make_unique<State>(State{Checker(file, plan, catalogue)})) {}

GenerationChecker::~GenerationChecker() = default;

std::string GenerationChecker::Refusal(const std::vector<MenuElement>& menuElements) {
    Checker& check = state_->checker;
    std::string refusal = check.ClassName();
    if (refusal.empty()) refusal = check.ComponentNames();
    if (refusal.empty()) refusal = check.OtherNames();
    if (refusal.empty()) refusal = check.PopupClasses();
    if (refusal.empty()) refusal = check.MenuElements(menuElements);
    if (refusal.empty()) refusal = check.Font();
    if (refusal.empty()) refusal = check.DialogParent();
    if (refusal.empty()) refusal = check.Texts();
    if (refusal.empty()) refusal = check.ClassFiles();
    return refusal;
}

std::string GenerationChecker::MenuBarRefusal(const std::vector<MenuElement>& menuElements) {
    Checker& check = state_->checker;
    check.IndexComponentNames();
    return check.MenuElements(menuElements);
}

MethodCode GenerationChecker::MethodSizes() const {
    return state_->checker.MethodSizes();
}

std::string GenerationChecker::ClassSizeWarning() const {
    return state_->checker.ClassSize();
}

}  // namespace korvane
