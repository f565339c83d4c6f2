#include "codegen/GenerationChecks.h"

#include <unordered_map>
#include <unordered_set>

#include "codegen/ComponentWriters.h"
#include "codegen/JavaText.h"
#include "codegen/SkeletonWriter.h"
#include "codegen/TargetWrappers.h"
#include "document/ComponentKinds.h"

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

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
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
        : file_(file) {
        for (const std::string& cls : ClassesTheFileUses(catalogue)) usedClasses_.insert(cls);
        for (std::string& cls : ListenerClassNames(plan)) listenerClasses_.insert(std::move(cls));
    }

    std::string ClassName() const;
    std::string ComponentNames();
    std::string OtherNames() const;
    std::string PopupClasses() const;
    std::string MenuElements(const std::vector<MenuElement>& elements) const;
    std::string Font() const;
    std::string DialogParent() const;

  private:
    const JavaFile& file_;
    std::unordered_set<std::string> usedClasses_;
    std::unordered_set<std::string> listenerClasses_;
    std::unordered_set<std::string_view> componentNames_;
};

std::string Checker::ClassName() const {
    const std::string& name = file_.className;
    if (!IsJavaIdentifier(name))
        return "The class name " + Quoted(name) +
               " (the name of the project file) is not a valid Java identifier.";
    if (IsRestrictedTypeName(name))
        return "The class name " + Quoted(name) +
               " is a restricted word of Java and cannot "
               "name a class.";
    if (usedClasses_.count(name))
        return "The class name " + Quoted(name) +
               " is the name of a class the generated file uses.";
    if (listenerClasses_.count(name))
        return "The class name " + Quoted(name) +
               " is also the name of a listener class of the generated file.";
    return {};
}

std::string Checker::ComponentNames() {
    for (const CodegenRow& row : file_.table) {
        const std::string& name = row.name;
        if (!FindKind(row.type))
            return "The component " + Quoted(name) + " has the unknown kind " + Quoted(row.type) +
                   ".";
        if (!IsJavaIdentifier(name))
            return "The component name " + Quoted(name) + " is not a valid Java identifier.";
        if (usedClasses_.count(name))
            return "The component name " + Quoted(name) +
                   " is the name of a class the generated file uses.";
        if (!componentNames_.insert(name).second)
            return "The component name " + Quoted(name) + " is used by more than one component.";
    }
    return {};
}

// The names the class declares or uses besides the components' own fields.
std::string Checker::OtherNames() const {
    std::unordered_map<std::string, std::string> names;  // name -> what it is
    bool awtRadio = false, swingRadio = false;
    for (const CodegenRow& row : file_.table) {
        awtRadio = awtRadio || row.type == "OptionButton";
        swingRadio = swingRadio || row.type == "JRadioButton";
        if (IsScrollWrappedKind(row.type))
            names.emplace("sp_" + row.name, "the scroll pane of " + Quoted(row.name));
        if (row.type == "JList")
            names.emplace("listModel_" + row.name, "the list model of " + Quoted(row.name));
    }
    if (awtRadio || swingRadio) names.emplace("cbg", "the radio button group");
    if (swingRadio) names.emplace(file_.swingGroupName, "the radio button group");
    if (NeedsFrameField(file_)) names.emplace("frame", "the frame field");
    if (IsDialogTarget(file_.generateType)) {
        names.emplace("parent", "the dialog's parent field");
        names.emplace("dialog_parent", "a parameter of the constructor");
        names.emplace("title", "a parameter of the constructor");
    }
    names.emplace("customLayout", "the layout object");
    for (const CodegenRow& row : file_.table) {
        const auto it = names.find(row.name);
        if (it != names.end())
            return "The component name " + Quoted(row.name) +
                   " is also a name the generated class uses for " + it->second + ".";
    }
    return {};
}

std::string Checker::PopupClasses() const {
    for (const CodegenRow& row : file_.table) {
        if (row.popup.empty()) continue;
        const std::string cls(SplitPopupBinding(row.popup).className);
        if (!IsJavaClassName(cls))
            return "The window class " + Quoted(cls) + " of the popup binding of " +
                   Quoted(row.name) + " is not a valid Java class name.";
        if (cls == file_.className || cls == file_.className + "Layout" ||
            usedClasses_.count(cls) || listenerClasses_.count(cls))
            return "The window class " + Quoted(cls) + " of the popup binding of " +
                   Quoted(row.name) + " is a class the generated file itself declares or uses.";
    }
    return {};
}

std::string Checker::MenuElements(const std::vector<MenuElement>& elements) const {
    if (!IsFrameTarget(file_.generateType)) return {};
    std::unordered_set<std::string_view> menuNames;
    for (const MenuElement& element : elements) {
        if (element.Name.empty() || element.Events.empty()) continue;
        const std::string& name = element.Name;
        if (!IsJavaIdentifier(name))
            return "The menu element name " + Quoted(name) + " is not a valid Java identifier.";
        if (componentNames_.count(name))
            return "The menu element name " + Quoted(name) + " is also the name of a component.";
        if (!menuNames.insert(name).second)
            return "The menu element name " + Quoted(name) +
                   " is used by more than one menu element.";
    }
    return {};
}

std::string Checker::Font() const {
    if (FontStyleExpression(file_.fontStyle)) return {};
    return "The font style " + Quoted(file_.fontStyle) +
           " is not valid: use PLAIN, BOLD or ITALIC, or two of them such as BOLD ITALIC.";
}

std::string Checker::DialogParent() const {
    if (!IsDialogTarget(file_.generateType) || file_.dialogParent.empty()) return {};
    if (IsJavaClassName(file_.dialogParent)) return {};
    return "The dialog parent class " + Quoted(file_.dialogParent) +
           " is not a valid Java class name.";
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

std::string CheckGeneration(const JavaFile& file, const ListenerPlan& plan,
                            const std::vector<MenuElement>& menuElements,
                            const EventCatalogue& catalogue) {
    Checker check(file, plan, catalogue);
    std::string refusal = check.ClassName();
    if (refusal.empty()) refusal = check.ComponentNames();
    if (refusal.empty()) refusal = check.OtherNames();
    if (refusal.empty()) refusal = check.PopupClasses();
    if (refusal.empty()) refusal = check.MenuElements(menuElements);
    if (refusal.empty()) refusal = check.Font();
    if (refusal.empty()) refusal = check.DialogParent();
    return refusal;
}

}  // namespace korvane
