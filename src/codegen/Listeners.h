// The listener code of one generation: the ListenerPlan (which listener methods each component
// and menu element gets), the registration lines, the inner listener classes, and the popup
// bindings whose trigger methods open another window.
//
// Order of use by the generators:
//   before any line:  plan = BuildListenerPlan(table, catalogue, Target, MenuElements, tree)
//   section 4:        WriteListenerRegistrations(plan, file)
//   section 6:        WriteListenerClasses(plan, Target, sink)
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/CodegenTable.h"
#include "codegen/EventCatalogue.h"
#include "document/DesignDocument.h"
#include "document/MenuBar.h"
#include "document/PopupBinding.h"

namespace korvane {

struct JavaFile;

// One listener class of the file: the chosen methods of one listener type of one component or
// menu element, whose name is seen in the table row or menu element the plan was built from.
struct ListenerClass {
    std::string_view name;  // component or menu element name
    const ListenerRow* listener = nullptr;
    uint32_t firstMethod = 0;         // its methods start at ListenerPlan::methods[firstMethod]
    bool startsName = false;          // the first class of its name
    const CodegenRow* row = nullptr;  // the component's row; null for a menu element

    std::string_view flag() const { return listener->flag; }      // "L" implements, "A" extends
    std::string_view suffix() const { return listener->suffix; }  // e.g. "_MML"
    // e.g. "MouseMotionAdapter"
    std::string_view listenerType() const { return listener->listenerType; }
    // e.g. "addMouseMotionListener"
    std::string_view registration() const { return listener->registration; }
};

// The classes of one name are contiguous, in the order the names were added; within one name
// the classes come in the order of their first chosen method. Each class becomes one
// registration line and one inner class.
struct ListenerPlan {
    std::vector<ListenerClass> classes;
    // The chosen methods (EventCatalogue rows), class after class, each class's in the order
    // chosen. A design can choose every method of 32767 components, so a method is one pointer.
    std::vector<const EventMethodRow*> methods;
    // The catalogue's EventMethodTable, which the methods point into, and its ListenerTable,
    // which the classes point into.
    std::span<const EventMethodRow> methodTable;
    std::span<const ListenerRow> listenerTable;
    // The chosen methods that get no listener: unknown names, or methods the class of the
    // component or menu element does not offer. Each is named in a warning.
    struct Dropped {
        std::string name;    // component or menu element name
        std::string method;  // as stored
        std::string classKey;
    };
    std::vector<Dropped> dropped;

    // The methods of class k.
    std::span<const EventMethodRow* const> MethodsOf(size_t k) const;
    // Whether class k is the last one of its name.
    bool EndsName(size_t k) const { return k + 1 == classes.size() || classes[k + 1].startsName; }
    // The ListenerTable row of a class.
    size_t TypeOf(const ListenerClass& cls) const {
        return static_cast<size_t>(cls.listener - listenerTable.data());
    }
};

// Builds the plan from the table rows in row order (their events as extended by the popup
// trigger), then, for "Frame" and "JFrame" only, from the menu elements in index order.
// A method counts only when the class offers it: a component's class is JavaClassOfType of
// its type, a menu element's the AWT or Swing class of its place in the menu bar (Menu, MenuItem,
// CheckboxMenuItem or their J forms). A method named twice in one events string counts once, at
// its first place; empty parts are no method. menuTree is BuildMenuTree of menuElements, built
// once for the whole generation.
ListenerPlan BuildListenerPlan(const CodegenTable& table, const EventCatalogue& catalogue,
                               std::string_view generateType,
                               const std::vector<MenuElement>& menuElements,
                               const MenuTree& menuTree);

// The Java class of a menu element of this type: Menu, MenuItem, CheckboxMenuItem, or in a
// Swing menu bar JMenu, JMenuItem, JCheckBoxMenuItem. It is also the element's catalogue key.
std::string_view MenuElementClass(MenuElementType type, bool swing);

// Section 4: one registration line per class, an empty line after the last class of each name;
// in a split body, in its local classes.
void WriteListenerRegistrations(const ListenerPlan& plan, JavaFile& file);

// Section 6: one inner class per class of the plan with a stub per method; inside a popup
// binding's trigger method, the lines that open the bound window.
void WriteListenerClasses(const ListenerPlan& plan, std::string_view generateType, LineSink& sink);

// The first line of listener method `method` ("mouseClicked()") of event kind `kind` as the
// generator writes it, indentation and the blank after its brace included.
std::string ListenerMethodFirstLine(std::string_view method, std::string_view kind);

// The line a listener method's stub holds for method ("actionPerformed()") of the component or
// menu element `name`: a line that prints the name, or a comment.
std::string ListenerStubLine(std::string_view method, std::string_view name);

// What follows the name in the first line of a listener class of row `listener`, as the generator
// writes it: "_ML extends MouseAdapter {".
std::string ListenerClassHeaderTail(const ListenerRow& listener);

// Every listener class name the file declares (<name><suffix>), in plan order.
std::vector<std::string> ListenerClassNames(const ListenerPlan& plan);

// --- popup bindings (document/PopupBinding.h) ---

// Whether generation can open a window of this kind: "Dialog", "Frame", "JDialog" or "JFrame".
bool IsPopupWindowKind(std::string_view kind);
// Whether generation can write the binding: it is one (IsPopupBinding) of such a kind. A table
// row holds only such a binding; any other stays in the design, unwritten.
bool IsWritablePopup(std::string_view popup);

// Inside listener method `method` of the component `row`: when method is the trigger of the
// row's binding, the lines that create and show the bound window. A "Dialog" binding
// passes the frame field as owner, so only "Frame" and "JFrame" targets write it.
void WritePopupWindowLines(const CodegenRow& row, std::string_view method,
                           std::string_view generateType, LineSink& sink);

// True when some row holds a binding of kind "JDialog" or "JFrame": the file then needs
// `import javax.swing.*;`.
bool PopupsNeedSwingImport(const CodegenTable& table);

// True when some row holds a binding of kind "Dialog": a "Frame" or "JFrame" target then
// declares its frame field.
bool HasDialogPopupBinding(const CodegenTable& table);

}  // namespace korvane
