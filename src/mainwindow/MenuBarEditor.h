// The menu-bar editor's rules: the design's menu elements as a tree (an element's level places
// it: 0 in the bar, 1 in a menu of the bar, ...), read as generation reads it, with adding,
// removing, moving and indenting that act on an element with all it holds, and the check that
// runs before the list is kept, which is generation's own.
//
// Values are written in the project file's forms: Type Menu, Item, Check or Separator; State
// "", Checked, Disabled or "Checked Disabled"; Level a whole number from 0; Shortcut such as
// Ctrl+S.
#pragma once

#include <string>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "document/DesignDocument.h"
#include "document/MenuBar.h"

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

    // How deep each element stands, as generation reads the levels (MenuDepths).
    std::vector<int> Depths() const { return MenuDepths(elements_); }
    int Depth(int index) const;
    // The type the element has in the menu bar: its own, or for one without a type a Menu
    // when it holds elements and an Item (a Check when checked) otherwise.
    MenuElementType TypeOf(int index) const;
    // The types of all elements, in one pass.
    std::vector<MenuElementType> Types() const;

    // A new element, which becomes the current one: the first of the current element's menu
    // when that is a Menu, else after the current element at its depth (first in an empty
    // list); named with the first free name menu_1, menu_2, ... not in `taken` nor in the
    // list. The first element of a list is a Menu, later ones Items. Refused, with the reason,
    // when the menu bar already holds as many elements as it can.
    std::string Add(const std::vector<std::string>& taken);
    // Removes the current element with the elements it holds.
    void Remove();
    // The current element, with what it holds, changes place with the element before or after
    // it in its menu; false when there is none.
    bool MoveUp();
    bool MoveDown();
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    // The current element, with what it holds, goes into the element before it in its menu,
    // last: an Item there becomes a Menu. Refused, with the reason, when there is none, or it
    // is a check item or separator, or an item with a shortcut, or the elements would stand
    // deeper than a menu bar holds.
    std::string Indent();
    // The current element, with what it holds, leaves its menu for the menu holding that,
    // right after it; false in the bar.
    bool Outdent();

    // Why generation would refuse the list as the menu bar of the design (a sentence naming
    // the element), or "".
    std::string Check(const DesignDocument& design, const EventCatalogue& catalogue) const;

    // The elements as the design keeps them.
    const std::vector<MenuElement>& Result() const { return elements_; }

  private:
    // Writes every element's level as its depth, so that levels travel with their elements.
    std::vector<int> PinLevels();
    void SetDepth(int index, int depth);

    std::vector<MenuElement> elements_;
    int current_ = -1;
};

// The event methods an element of this type offers: those that fire on it. A separator has
// none, and a menu none either: opening a menu fires no action event, and AWT menus no other.
std::vector<std::string> MenuElementMethods(const EventCatalogue& catalogue, MenuElementType type);

// The State text of the two check boxes.
std::string MenuStateFrom(bool checked, bool enabled);
bool MenuStateChecked(const std::string& state);
bool MenuStateEnabled(const std::string& state);

}  // namespace korvane
