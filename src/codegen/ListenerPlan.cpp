#include <array>

#include "codegen/Listeners.h"
#include "document/ComponentKinds.h"
#include "document/MenuBar.h"

namespace korvane {
namespace {

constexpr size_t kListenerTypeCount = 11;

// Reused across calls so that planning many components allocates little.
struct RowsByType {
    std::array<std::vector<int>, kListenerTypeCount> methods;  // EventMethodTable indexes
    std::vector<size_t> typeOrder;                             // first occurrence order

    void Clear() {
        for (size_t type : typeOrder) methods[type].clear();
        typeOrder.clear();
    }
};

// Opens the class of a name and listener, or goes on with the last one when it is of the same
// name and listener.
void OpenClass(ListenerPlan& plan, std::string_view name, const ListenerRow* listener) {
    if (!plan.classes.empty() && plan.classes.back().listener == listener &&
        plan.classes.back().name == name)
        return;
    plan.classes.push_back({name, listener, plan.methods.size()});
}

// Adds the classes of one component or menu element: only the methods its class offers count; a
// repeated method counts once, at its first place.
void Add_Listener_Rows(ListenerPlan& plan, const EventCatalogue& catalogue, std::string_view name,
                       std::string_view events, std::string_view classKey, RowsByType& scratch) {
    const std::span<const ListenerRow> listeners = catalogue.ListenerTable();
    const std::span<const EventMethodRow> methods = catalogue.EventMethodTable();
    scratch.Clear();
    const unsigned long long offered = catalogue.MethodMaskOfClass(classKey);
    unsigned long long seen = 0;
    size_t start = 0;
    while (start <= events.size()) {
        size_t end = events.find('|', start);
        if (end == std::string_view::npos) end = events.size();
        const std::string_view method = events.substr(start, end - start);
        start = end + 1;

        if (method.empty()) continue;
        const int index = catalogue.MethodIndex(method);
        if (index >= 0 && (seen >> index & 1ULL) != 0) continue;
        const ListenerRow* listener = index < 0 ? nullptr : catalogue.ListenerOfMethod(index);
        if (!listener || (offered >> index & 1ULL) == 0) {
            plan.dropped.push_back({std::string(name), std::string(method), std::string(classKey)});
            continue;
        }
        seen |= 1ULL << index;
        const auto type = static_cast<size_t>(listener - listeners.data());
        if (scratch.methods[type].empty()) scratch.typeOrder.push_back(type);
        scratch.methods[type].push_back(index);
    }
    for (size_t type : scratch.typeOrder) {
        OpenClass(plan, name, &listeners[type]);
        for (int index : scratch.methods[type])
            plan.methods.push_back(&methods[static_cast<size_t>(index)]);
    }
}

}  // namespace

std::string_view MenuElementClass(MenuElementType type, bool swing) {
    switch (type) {
        case MenuElementType::Menu:
            return swing ? "JMenu" : "Menu";
        case MenuElementType::Check:
            return swing ? "JCheckBoxMenuItem" : "CheckboxMenuItem";
        case MenuElementType::Item:
        case MenuElementType::Separator:
            break;
    }
    return swing ? "JMenuItem" : "MenuItem";
}

ListenerPlan BuildListenerPlan(const CodegenTable& table, const EventCatalogue& catalogue,
                               std::string_view generateType,
                               const std::vector<MenuElement>& menuElements) {
    ListenerPlan plan;
    plan.methodTable = catalogue.EventMethodTable();
    plan.listenerTable = catalogue.ListenerTable();
    // Room for as many classes and methods as the rows can have, so that the plan is never
    // copied as it grows; the room no class or method takes is never touched.
    plan.classes.reserve(table.size() * kListenerTypeCount);
    plan.methods.reserve(table.size() * plan.methodTable.size());
    RowsByType scratch;
    for (const CodegenRow& row : table) {
        const std::string_view events = row.events();
        if (events.empty()) continue;
        // The class key of a kind, or the type itself when it is no kind.
        const ComponentKind* kind = FindKind(row.type);
        const std::string_view classKey = kind ? kind->javaClassKey : std::string_view(row.type);
        Add_Listener_Rows(plan, catalogue, row.name, events, classKey, scratch);
    }
    if (generateType != "Frame" && generateType != "JFrame") return plan;
    const MenuTree tree = BuildMenuTree(menuElements);
    const bool swing = generateType == "JFrame";
    for (const MenuNode& node : tree.nodes) {
        const MenuElement& element = menuElements[node.element];
        if (element.Events.empty()) continue;
        Add_Listener_Rows(plan, catalogue, element.Name, element.Events,
                          MenuElementClass(node.type, swing), scratch);
    }
    return plan;
}

std::span<const EventMethodRow* const> ListenerPlan::MethodsOf(size_t k) const {
    const size_t end = k + 1 < classes.size() ? classes[k + 1].firstMethod : methods.size();
    return {methods.data() + classes[k].firstMethod, end - classes[k].firstMethod};
}

bool ListenerPlan::EndsName(size_t k) const {
    return k + 1 == classes.size() || classes[k + 1].name != classes[k].name;
}

}  // namespace korvane
