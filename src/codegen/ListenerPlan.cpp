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

// Adds the rows of one component or menu element: only the methods its class offers count; a
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
    for (size_t type : scratch.typeOrder)
        for (int index : scratch.methods[type])
            plan.rows.push_back({name, &methods[static_cast<size_t>(index)], &listeners[type]});
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
    RowsByType scratch;
    for (const CodegenRow& row : table) {
        if (row.events.empty()) continue;
        const std::string classKey = Type_To_Java_Class(row.type);
        Add_Listener_Rows(plan, catalogue, row.name, row.events, classKey, scratch);
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

}  // namespace korvane
