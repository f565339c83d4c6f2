// The statement and field forms the generator writes, each read into the facts of the design
// it came from: the components with their kinds, values and list items, the order they are
// added in, the raised children, the menu bar, the listener registrations, the font and the
// layout's bounds. A line in none of these forms is not taken.
//
// A statement is told apart by what follows its first name (" = ", "." or "(") and the name of
// the member it calls, so that each line is matched against the few forms that can be it.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "codegen/NameTable.h"
#include "javasource/ClassReader.h"

namespace korvane::javasource {

class GeneratedStatements {
  public:
    // Without `keepAllFacts` (for a merge), every line is checked as before, but of the facts
    // only the components and what the constructor assigns are kept: not the listener
    // registrations, the list items, nor the order components are added and raised in.
    GeneratedStatements(ClassFacts& facts, bool keepAllFacts)
        : facts_(facts), keepAllFacts_(keepAllFacts) {}

    // A field declaration of the public class ("Label label_1;"); false for another line.
    // `name` is the field's name as the line writes it.
    bool Field(std::string_view line, int number, std::string_view& name);
    // A statement of the constructor or init(), the lines that open and close its local
    // classes and window listener included; false for another line. `opens` and `closes`
    // say whether the line opens or closes a block.
    bool Constructor(std::string_view line, int number, bool& opens, bool& closes);
    // A line of the layout class's generated methods.
    bool Layout(std::string_view line, int number, bool& opens, bool& closes);
    // A line of main().
    bool Main(std::string_view line, bool& opens, bool& closes);

    // Whether the constructor gives the field of this name (as written) its value: a field
    // without one is not one the generator wrote.
    bool Assigned(std::string_view written);
    // Gives each component the line of its field, once the whole class is read.
    void Finish();

  private:
    // `nameEnd`: where the line's first ASCII name ends.
    bool Creation(std::string_view line, size_t nameEnd, int number);
    bool CallOnName(std::string_view line, size_t nameEnd, int number);
    bool CallOnWindow(std::string_view line, int number);
    bool ListItem(std::string_view name, std::string_view rest, std::string_view kind);
    bool Addition(std::string_view line, int number);
    bool Stacking(std::string_view call, std::string_view rest, std::string_view container);
    bool Skeleton(std::string_view line);
    bool BarCall(std::string_view call, std::string_view rest, bool swing, int number);
    bool MenuCreation(std::string_view name, std::string_view cls, std::string_view rest,
                      int number);
    bool MenuCall(std::string_view name, std::string_view call, std::string_view rest, int number);

    struct NameFacts {
        int component = -1;  // index into facts_.components
        int menu = -1;       // index into facts_.menu
        int fieldLine = 0;
        bool assigned = false;  // the constructor gives the field its value
    };
    // The facts of a name as a line writes it (its \u escapes translated).
    NameFacts& Facts(std::string_view written);
    NameFacts* Known(std::string_view written);
    ReadComponent* Component(std::string_view written);
    ReadMenuElement* MenuElement(std::string_view written);
    ReadComponent& Create(std::string_view written, std::string_view type, int number);
    ReadMenuElement& CreateMenuElement(std::string_view written, std::string_view type,
                                       std::string label, int number);
    void Assign(std::string_view written) { Facts(written).assigned = true; }

    ClassFacts& facts_;
    bool keepAllFacts_;
    // What the class says about each name, in one table, and the names it holds.
    NameTable<NameFacts> names_;
    std::deque<std::string> keys_;
    std::string scratch_;    // a translated name
    int pendingChild_ = -1;  // the child index of the last "c = parent.getComponent(i);"
};

}  // namespace korvane::javasource
