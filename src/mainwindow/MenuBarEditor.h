// The menu-bar editor's rules: the design's menu elements as an ordered list in which each
// element's level places it (0 in the bar, 1 in a menu of the bar, ...), with adding,
// removing, moving and indenting, and the check that runs before the list is kept.
//
// Values are written in the project file's forms: Type Menu, Item, Check or Separator; State
// "", Checked, Disabled or "Checked Disabled"; Level a whole number; Shortcut such as Ctrl+S.
#pragma once

#include <string>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "document/DesignDocument.h"

namespace korvane {

inline constexpr const char* kMenuTypes[] = {"Menu", "Item", "Check", "Separator"};

class MenuBarEditor {
  public:
    // The named elements up to the first one without a name; a design without a menu bar
    // gives an empty list.
    explicit MenuBarEditor(const std::vector<MenuElement>& elements);

    const std::vector<MenuElement>& Elements() const { return elements_; }
    int Count() const { return static_cast<int>(elements_.size()); }
    // The element being edited, -1 = none.
    int Current() const { return current_; }
    void Select(int index);
    MenuElement& CurrentElement() { return elements_.at(static_cast<size_t>(current_)); }

    // How deep an element stands: its level, or for one without a level, 0 for a Menu and one
    // below the nearest Menu above it for anything else.
    int Depth(int index) const;
    // The depths of the elements up to `last` (all of them by default), in one pass.
    std::vector<int> Depths(int last = -1) const;

    // A new element after the current one (first in an empty list): inside it when it is a
    // Menu, else at its depth; named with the first free name menu_1, menu_2, ... not in
    // `taken` nor in the list. The first element of a list is a Menu, later ones Items. It
    // becomes the current one.
    void Add(const std::vector<std::string>& taken);
    // Removes the current element with the elements below it (deeper, right after it).
    void Remove();
    // The current element changes place with the one before or after it.
    bool MoveUp();
    bool MoveDown();
    // One level deeper (at most one below the element before it) or one level up.
    bool Indent();
    bool Outdent();

    // Why the list cannot be kept (a sentence naming the element), or "": names must be Java
    // identifiers used once, not the name of a component in `componentNames`; the first
    // element stands in the bar and each later one at most one level below the one before.
    std::string Check(const std::vector<std::string>& componentNames) const;

    // The elements as the design keeps them.
    const std::vector<MenuElement>& Result() const { return elements_; }

  private:
    void SetDepth(int index, int depth);

    std::vector<MenuElement> elements_;
    int current_ = -1;
};

// The event methods a menu element of this type can have (from the catalogue's AWT menu
// classes): none for a separator.
std::vector<std::string> MenuElementMethods(const EventCatalogue& catalogue,
                                            const std::string& type);

// The State text of the two check boxes.
std::string MenuStateFrom(bool checked, bool enabled);
bool MenuStateChecked(const std::string& state);
bool MenuStateEnabled(const std::string& state);

}  // namespace korvane
