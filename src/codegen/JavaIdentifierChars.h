// Which characters Java takes in an identifier.
#pragma once

namespace korvane {

enum class JavaIdentifierChar {
    None,   // not in an identifier
    Part,   // inside an identifier, not first: digits, combining marks
    Start,  // anywhere: letters, "_", "$", currency symbols, connectors, letter numbers
};

JavaIdentifierChar ClassifyJavaIdentifierChar(char32_t c);

}  // namespace korvane
