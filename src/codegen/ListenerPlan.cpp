#include <algorithm>
#include <array>

#include "codegen/ListenerTypes.h"
#include "codegen/Listeners.h"
#include "document/ComponentKinds.h"
#include "document/MenuBar.h"

namespace korvane {
namespace {

// What one events string gives a class key: its listener types in the order of their first
// chosen method, each with its methods, and the methods that get no listener.
struct EventsPlan {
    std::string_view classKey, events;
    std::vector<const ListenerRow*> listeners;
    std::vector<size_t> methodCounts;              // of each listener, in turn
    std::vector<const EventMethodRow*> methods;    // listener after listener
    std::vector<std::string_view> droppedMethods;  // as stored
};

// Reads an events string for a class key: only the methods the class offers count; a repeated
// method counts once, at its first place; empty parts are no method.
void ReadEvents(const EventCatalogue& catalogue, std::string_view events, std::string_view classKey,
                EventsPlan& out) {
    const std::span<const ListenerRow> listeners = catalogue.ListenerTable();
    const std::span<const EventMethodRow> methods = catalogue.EventMethodTable();
    std::array<std::vector<int>, kListenerTypeCount> methodsOfType;  // EventMethodTable rows
    std::vector<size_t> typeOrder;                                   // first occurrence order
    out = EventsPlan{classKey, events, {}, {}, {}, {}};
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
            out.droppedMethods.push_back(method);
            continue;
        }
        seen |= 1ULL << index;
        const auto type = static_cast<size_t>(listener - listeners.data());
        if (methodsOfType[type].empty()) typeOrder.push_back(type);
        methodsOfType[type].push_back(index);
    }
    for (size_t type : typeOrder) {
        out.listeners.push_back(&listeners[type]);
        out.methodCounts.push_back(methodsOfType[type].size());
        for (int index : methodsOfType[type])
            out.methods.push_back(&methods[static_cast<size_t>(index)]);
    }
}

// Opens the class of a name and listener, or goes on with the last one when it is of the same
// name and listener.
void OpenClass(ListenerPlan& plan, std::string_view name, const ListenerRow* listener,
               const CodegenRow* row) {
    const bool sameName = !plan.classes.empty() && plan.classes.back().name == name;
    if (sameName && plan.classes.back().listener == listener) return;
    plan.classes.push_back(
        {name, listener, static_cast<uint32_t>(plan.methods.size()), !sameName, row});
}

// Adds the classes of one component (of its row) or menu element (no row).
void AddClasses(ListenerPlan& plan, std::string_view name, const EventsPlan& events,
                const CodegenRow* row) {
    for (std::string_view method : events.droppedMethods)
        plan.dropped.push_back(
            {std::string(name), std::string(method), std::string(events.classKey)});
    auto method = events.methods.begin();
    for (size_t k = 0; k < events.listeners.size(); ++k) {
        OpenClass(plan, name, events.listeners[k], row);
        const auto end = method + static_cast<std::ptrdiff_t>(events.methodCounts[k]);
        plan.methods.insert(plan.methods.end(), method, end);
        method = end;
    }
}

// The events plans last read, one for each class key: the components of one kind mostly share
// their events string, which is then read once rather than for every component.
class EventsPlans {
  public:
    explicit EventsPlans(const EventCatalogue& catalogue) : catalogue_(catalogue) {}

    const EventsPlan& Of(std::string_view classKey, std::string_view events) {
        const auto last = std::find_if(plans_.begin(), plans_.end(), [&](const EventsPlan& plan) {
            return plan.classKey == classKey;
        });
        if (last == plans_.end()) {
            ReadEvents(catalogue_, events, classKey, plans_.emplace_back());
            return plans_.back();
        }
        if (last->events != events) ReadEvents(catalogue_, events, classKey, *last);
        return *last;
    }

  private:
    const EventCatalogue& catalogue_;
    std::vector<EventsPlan> plans_;
};

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
                               const std::vector<MenuElement>& menuElements,
                               const MenuTree& menuTree) {
    ListenerPlan plan;
    plan.methodTable = catalogue.EventMethodTable();
    plan.listenerTable = catalogue.ListenerTable();
    // Room for as many classes and methods as the rows can have, so that the plan is never
    // copied as it grows; the room no class or method takes is never touched.
    plan.classes.reserve(table.size() * kListenerTypeCount);
    plan.methods.reserve(table.size() * plan.methodTable.size());
    EventsPlans eventsPlans(catalogue);
    for (const CodegenRow& row : table) {
        const std::string_view events = row.events();
        if (events.empty()) continue;
        // The class key of a kind, or the type itself when it is no kind.
        const ComponentKind* kind = FindKind(row.type);
        const std::string_view classKey = kind ? kind->javaClassKey : std::string_view(row.type);
        AddClasses(plan, row.name, eventsPlans.Of(classKey, events), &row);
    }
    if (generateType != "Frame" && generateType != "JFrame") return plan;
    const bool swing = generateType == "JFrame";
    for (const MenuNode& node : menuTree.nodes) {
        const MenuElement& element = menuElements[node.element];
        if (element.Events.empty()) continue;
        AddClasses(plan, element.Name,
                   eventsPlans.Of(MenuElementClass(node.type, swing), element.Events), nullptr);
    }
    return plan;
}

std::span<const EventMethodRow* const> ListenerPlan::MethodsOf(size_t k) const {
    const size_t end = k + 1 < classes.size() ? classes[k + 1].firstMethod : methods.size();
    return {methods.data() + classes[k].firstMethod, end - classes[k].firstMethod};
}

}  // namespace korvane
