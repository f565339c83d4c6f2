// The field declarations and construction blocks of the components: one writer for the 13 AWT
// kinds, one for the 12 Swing kinds. Each returns false, writing nothing, for a row whose kind
// is not its own.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/JavaFile.h"

namespace korvane {

// The items of a list kind's value: split at every "|"; an empty value has none. The items are
// walked in the value, without a list of them.
class ListItems {
  public:
    explicit ListItems(std::string_view value) : value_(value) {}

    class Iterator {
      public:
        Iterator(std::string_view rest, bool done) : rest_(rest), done_(done) {}
        std::string_view operator*() const { return rest_.substr(0, rest_.find('|')); }
        Iterator& operator++() {
            const size_t bar = rest_.find('|');
            if (bar == std::string_view::npos) {
                done_ = true;
            } else {
                rest_.remove_prefix(bar + 1);
            }
            return *this;
        }
        // Tells only whether both are past the last item: enough for a range-for.
        bool operator!=(const Iterator& other) const { return done_ != other.done_; }

      private:
        std::string_view rest_;  // from the current item to the end of the value
        bool done_;
    };

    Iterator begin() const { return Iterator(value_, value_.empty()); }
    Iterator end() const { return Iterator({}, true); }
    size_t size() const {
        return value_.empty()
                   ? 0
                   : static_cast<size_t>(std::count(value_.begin(), value_.end(), '|')) + 1;
    }

  private:
    std::string_view value_;
};

bool WriteAwtDeclaration(JavaFile& file, const CodegenRow& row);
bool WriteAwtConstruction(JavaFile& file, const CodegenRow& row);

bool WriteSwingDeclaration(JavaFile& file, const CodegenRow& row);
bool WriteSwingConstruction(JavaFile& file, const CodegenRow& row);

// The child a Swing row adds to the container: its scroll pane "sp_<name>" for JTextArea and
// JList, the component itself otherwise.
bool IsScrollWrappedKind(std::string_view type);
// The child a row adds: "sp_<name>" for the wrapped kinds, <name> otherwise.
ChildPieces AddName(const CodegenRow& row);
// The child a row added, as an expression of the constructor or init().
ChildPieces ChildExpression(const JavaFile& file, const CodegenRow& row);

}  // namespace korvane
