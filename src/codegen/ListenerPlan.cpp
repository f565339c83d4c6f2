#include <array>
#include <optional>

#include "codegen/Listeners.h"
#include "document/ComponentKinds.h"

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

// Adds the rows of one component or menu element. With a class key, only the methods that
// class offers count; a repeated method counts once, at its first place.
void Add_Listener_Rows(ListenerPlan& plan, const EventCatalogue& catalogue, std::string_view name,
                       std::string_view events, std::optional<std::string_view> classKey,
                       RowsByType& scratch) {
    const std::span<const ListenerRow> listeners = catalogue.ListenerTable();
    const std::span<const EventMethodRow> methods = catalogue.EventMethodTable();
    scratch.Clear();
    unsigned long long seen = 0;
    size_t start = 0;
    while (start <= events.size()) {
        size_t end = events.find('|', start);
        if (end == std::string_view::npos) end = events.size();
        const std::string_view method = events.substr(start, end - start);
        start = end + 1;

        const int index = catalogue.MethodIndex(method);
        if (index < 0 || (seen >> index & 1ULL) != 0) continue;
        if (classKey && !catalogue.ClassOffersMethod(*classKey, method)) continue;
        const ListenerRow* listener =
            catalogue.Listener_Of_Event_Kind(methods[static_cast<size_t>(index)].kind);
        if (!listener) continue;
        seen |= 1ULL << index;
        const auto type = static_cast<size_t>(listener - listeners.data());
        if (scratch.methods[type].empty()) scratch.typeOrder.push_back(type);
        scratch.methods[type].push_back(index);
    }
    for (size_t type : scratch.typeOrder) {
        const ListenerRow& listener = listeners[type];
        for (int index : scratch.methods[type]) {
            const EventMethodRow& method = methods[static_cast<size_t>(index)];
            plan.rows.push_back({std::string(name), method.method, method.kind,
                                 listener.listenerType, listener.flag, listener.suffix,
                                 listener.registration});
        }
    }
}

}  // namespace

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
    for (const MenuElement& element : menuElements) {
        // An unnamed element stands for a design without menu bar.
        if (element.Name.empty() || element.Events.empty()) continue;
        Add_Listener_Rows(plan, catalogue, element.Name, element.Events, std::nullopt, scratch);
    }
    return plan;
}

}  // namespace korvane
