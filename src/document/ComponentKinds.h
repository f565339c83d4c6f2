// The component kinds: each TypeTag with its family, name prefix, display name (the form of
// the project file and the component list) and Java class key (the event catalogue's key).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvane {

enum class Family { Awt, Swing };

struct ComponentKind {
    std::string_view tag;
    Family family;
    std::string_view namePrefix;
    std::string_view displayName;
    std::string_view javaClassKey;
};

// The 25 kinds in menu order: the 13 AWT kinds, then the 12 Swing kinds.
std::span<const ComponentKind> AllKinds();
// The kind of a tag, or null for a tag that is not in the table.
const ComponentKind* FindKind(std::string_view tag);

std::string DisplayNameOfType(std::string_view tag);
std::string TypeOfDisplayName(std::string_view displayName);
std::string JavaClassOfType(std::string_view tag);

// The kinds whose value is a list of items joined by "|".
bool IsListKind(std::string_view tag);
// The kinds inserted tall instead of wide.
bool IsVerticalScrollBar(std::string_view tag);
bool IsSwingKind(std::string_view tag);

}  // namespace korvane
