// The fixed knowledge of Java events: which event kinds each AWT and Swing class produces,
// the listener methods of each event kind, and the listener interface or adapter, class-name
// suffix and registration method the generated code uses for each kind.
#pragma once

#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

// One row of the EventMethodTable. A method name carries its "()", e.g. "mouseClicked()".
struct EventMethodRow {
    std::string_view kind;
    std::string_view method;
};

// One row of the ListenerTable. flag is "L" for an interface the listener class implements,
// "A" for an adapter class it extends.
struct ListenerRow {
    std::string_view kind;
    std::string_view flag;
    std::string_view listenerType;
    std::string_view suffix;
    std::string_view registration;
};

// One row of the ClassEventTable.
struct ClassEventRow {
    std::string_view classKey;
    std::string_view kind;
};

// Read-only after construction; every string it hands out lives for the whole program run.
class EventCatalogue {
  public:
    // Builds the tables: the AWT rows first, then the Swing rows.
    EventCatalogue();

    std::span<const EventMethodRow> EventMethodTable() const;
    std::span<const ListenerRow> ListenerTable() const;
    std::span<const ClassEventRow> ClassEventTable() const;

    // The methods a class key supports, in table order (its kinds in ClassEventTable order,
    // each kind's methods in EventMethodTable order); empty for a key without rows.
    const std::vector<std::string_view>& MethodsForClass(std::string_view classKey) const;
    // True when MethodsForClass(classKey) holds method.
    bool ClassOffersMethod(std::string_view classKey, std::string_view method) const;

    // The event kind of the first EventMethodTable row with this method; "" if none.
    std::string_view EventKindOfMethod(std::string_view method) const;
    // The row index of method in EventMethodTable, or -1.
    int MethodIndex(std::string_view method) const;
    // The first ListenerTable row of this kind, or null.
    const ListenerRow* ListenerOfEventKind(std::string_view kind) const;
    // The listener of the kind of EventMethodTable row `index`, or null.
    const ListenerRow* ListenerOfMethod(int index) const {
        return listenerOfMethod_[static_cast<size_t>(index)];
    }
    // Bit i set: the class offers EventMethodTable row i; 0 for a key without rows.
    unsigned long long MethodMaskOfClass(std::string_view classKey) const;

  private:
    struct ClassMethods {
        std::vector<std::string_view> methods;
        unsigned long long methodMask = 0;  // bit i: EventMethodTable row i
    };

    void AddAwtRows();
    void AddSwingRows();
    void AddClassRows(std::span<const ClassEventRow> rows);

    std::vector<ClassEventRow> classEventTable_;
    std::vector<const ListenerRow*> listenerOfMethod_;
    std::unordered_map<std::string_view, const ListenerRow*> listenerOfKind_;
    std::unordered_map<std::string_view, ClassMethods> methodsOfClass_;
};

}  // namespace korvane
