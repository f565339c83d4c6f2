// The statement and field forms the generator writes, each read into the facts of the design
// it came from: the components with their kinds, values and list items, the order they are
// added in, the raised children, the menu bar, the listener registrations, the font and the
// layout's bounds. A line in none of these forms is not taken.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "javasource/ClassReader.h"

namespace korvane::javasource {

class GeneratedStatements {
  public:
    explicit GeneratedStatements(ClassFacts& facts) : facts_(facts) {}

    // A field declaration of the public class ("Label label_1;"); false for another line.
    bool Field(std::string_view line, int number);
    // A statement of the constructor or init(), the lines that open and close its local
    // classes and window listener included; false for another line. `opens` and `closes`
    // say whether the line opens or closes a block.
    bool Constructor(std::string_view line, int number, bool& opens, bool& closes);
    // A line of the layout class's generated methods.
    bool Layout(std::string_view line, int number, bool& opens, bool& closes);
    // A line of main().
    bool Main(std::string_view line, bool& opens, bool& closes);

    // Whether the constructor gives the field of this name its value: a field without one is
    // not one the generator wrote.
    bool Assigned(const std::string& name) const {
        const auto it = names_.find(name);
        return it != names_.end() && it->second.assigned;
    }
    // Gives each component the line of its field, once the whole class is read.
    void Finish();

  private:
    bool Creation(std::string_view line, int number);
    bool ListItem(std::string_view line);
    bool Addition(std::string_view line, int number);
    bool Menu(std::string_view line, int number);
    bool Stacking(std::string_view line);
    bool Registration(std::string_view line, int number);
    bool Skeleton(std::string_view line, int number);
    ReadComponent* Component(const std::string& name);
    ReadComponent& Create(const std::string& name, std::string_view type, int number);
    void Assign(const std::string& name) { names_[name].assigned = true; }

    // What the class says about each name, in one table.
    struct NameFacts {
        int component = -1;  // index into facts_.components
        int menu = -1;       // index into facts_.menu
        int fieldLine = 0;
        bool assigned = false;  // the constructor gives the field its value
    };
    ClassFacts& facts_;
    std::unordered_map<std::string, NameFacts> names_;
    int pendingChild_ = -1;  // the child index of the last "c = parent.getComponent(i);"
};

}  // namespace korvane::javasource
