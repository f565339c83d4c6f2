#include "javasource/SyntaxCheck.h"

#include <tree_sitter/api.h>

#include <algorithm>

#include "javasource/JavaLexis.h"

extern "C" const TSLanguage* tree_sitter_java(void);

namespace korvane::javasource {
namespace {

// Moves the cursor past the subtree of its node: to the next sibling of the node or of its
// nearest ancestor that has one. False when the walk is over.
bool SkipSubtree(TSTreeCursor& cursor) {
    while (!ts_tree_cursor_goto_next_sibling(&cursor))
        if (!ts_tree_cursor_goto_parent(&cursor)) return false;
    return true;
}

struct Wrapper {
    std::string_view prefix;
    std::string_view suffix;
};

Wrapper WrapperOf(TextPlace place) {
    switch (place) {
        case TextPlace::TopLevel:
            return {"", "\n"};
        case TextPlace::Member:
            return {"class K{", "\n}\n"};
        case TextPlace::Statements:
            return {"class K{void m(){", "\n}}\n"};
    }
    return {};
}

bool IsOneOf(std::string_view type, std::initializer_list<std::string_view> types) {
    for (std::string_view t : types)
        if (t == type) return true;
    return false;
}

bool IsComment(std::string_view type) {
    return type == "line_comment" || type == "block_comment";
}

bool IsTypeDeclaration(std::string_view type) {
    return IsOneOf(type, {"class_declaration", "interface_declaration", "enum_declaration",
                          "record_declaration", "annotation_type_declaration"});
}

bool AllowedAt(TextPlace place, std::string_view type) {
    if (IsComment(type) || type == ";") return true;
    switch (place) {
        case TextPlace::TopLevel:
            return IsTypeDeclaration(type) || type == "package_declaration" ||
                   type == "import_declaration";
        case TextPlace::Member:
            return IsTypeDeclaration(type) ||
                   IsOneOf(type, {"field_declaration", "method_declaration",
                                  "constructor_declaration", "block", "static_initializer"});
        case TextPlace::Statements:
            return true;
    }
    return false;
}

std::string NodeText(TSNode node, std::string_view source) {
    const uint32_t b = ts_node_start_byte(node), e = ts_node_end_byte(node);
    return std::string(source.substr(b, e - b));
}

// "method helper", "field count", "class Util", "import java.util.*".
std::string Describe(TSNode node, std::string_view source) {
    const std::string_view type = ts_node_type(node);
    if (IsComment(type)) return "a comment";
    if (type == "import_declaration" || type == "package_declaration") {
        std::string text = NodeText(node, source);
        if (!text.empty() && text.back() == ';') text.pop_back();
        return text;
    }
    std::string what(type);
    if (const size_t under = what.find("_declaration"); under != std::string::npos)
        what.resize(under);
    for (char& c : what)
        if (c == '_') c = ' ';
    TSNode name = ts_node_child_by_field_name(node, "name", 4);
    if (ts_node_is_null(name) && type == "field_declaration") {
        TSNode declarator = ts_node_child_by_field_name(node, "declarator", 10);
        if (!ts_node_is_null(declarator)) name = ts_node_child_by_field_name(declarator, "name", 4);
    }
    if (!ts_node_is_null(name)) what += " " + NodeText(name, source);
    return what;
}

// The first node of the tree that is an error or stands for something missing.
bool FirstFault(TSNode root, TSNode& fault) {
    if (!ts_node_has_error(root)) return false;
    TSTreeCursor cursor = ts_tree_cursor_new(root);
    bool found = false;
    while (true) {
        TSNode node = ts_tree_cursor_current_node(&cursor);
        if (std::string_view(ts_node_type(node)) == "ERROR" || ts_node_is_missing(node)) {
            fault = node;
            found = true;
            break;
        }
        if (ts_node_has_error(node) && ts_tree_cursor_goto_first_child(&cursor)) continue;
        if (!SkipSubtree(cursor)) break;
    }
    ts_tree_cursor_delete(&cursor);
    if (!found) fault = root;
    return true;
}

bool IsNameCharacter(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

// Whether an escape standing for the ASCII character c may stand inside a node of this type:
// it may not close or change the token it is part of.
bool EscapeHarmlessIn(std::string_view type, char16_t c) {
    if (c == '\r' || c == '\n') return false;
    if (type == "identifier" || type == "type_identifier") return IsNameCharacter(c);
    if (type == "string_fragment" || type == "multiline_string_fragment" ||
        type == "string_literal")
        return c != '"' && c != '\\';
    if (type == "character_literal") return c != '\'' && c != '\\';
    if (type == "line_comment") return true;
    if (type == "block_comment") return c != '*' && c != '/';
    return false;
}

// The first string literal that runs over a line end: tree-sitter takes one, javac does not.
bool OpenString(TSNode root, std::string_view source, TSNode& found) {
    TSTreeCursor cursor = ts_tree_cursor_new(root);
    bool any = false;
    while (!any) {
        TSNode node = ts_tree_cursor_current_node(&cursor);
        const bool multiline = ts_node_start_point(node).row != ts_node_end_point(node).row;
        if (multiline && std::string_view(ts_node_type(node)) == "string_literal" &&
            source.substr(ts_node_start_byte(node), 3) != "\"\"\"") {
            found = node;
            any = true;
            break;
        }
        if (multiline && ts_tree_cursor_goto_first_child(&cursor)) continue;
        if (!SkipSubtree(cursor)) break;
    }
    ts_tree_cursor_delete(&cursor);
    return any;
}

}  // namespace

struct SyntaxChecker::Parser {
    TSParser* parser = ts_parser_new();
    bool ready = false;
    Parser() { ready = ts_parser_set_language(parser, tree_sitter_java()); }
    ~Parser() { ts_parser_delete(parser); }
};

SyntaxChecker::SyntaxChecker() : parser_(std::make_unique<Parser>()) {}
SyntaxChecker::~SyntaxChecker() = default;

bool SyntaxChecker::Ready() const {
    return parser_->ready;
}

CheckedText SyntaxChecker::Check(std::string_view file, size_t begin, size_t end, int firstLine,
                                 TextPlace place) {
    CheckedText result;
    if (!parser_->ready) {
        result.errorLine = firstLine;
        result.error = "the Java grammar does not fit the tree-sitter library of this system";
        return result;
    }
    // javac ends a line at a carriage return that stands alone, tree-sitter does not: a line
    // comment could hide code from the reader. Generated lines, matched exactly, hold none.
    if (const int line = LoneCarriageReturn(file.substr(begin, end - begin))) {
        result.errorLine = firstLine + line - 1;
        result.error = kLoneCarriageReturn;
        return result;
    }
    const Wrapper wrapper = WrapperOf(place);
    std::string source;
    source.reserve(wrapper.prefix.size() + (end - begin) + wrapper.suffix.size());
    source.append(wrapper.prefix).append(file.substr(begin, end - begin)).append(wrapper.suffix);
    const size_t offset = wrapper.prefix.size();
    const auto lineOf = [&](TSNode node) {
        return firstLine + static_cast<int>(ts_node_start_point(node).row);
    };

    std::vector<UnicodeEscape> escapes;
    size_t badAt = 0;
    const std::string_view text(source.data() + offset, end - begin);
    if (!ForEachUnicodeEscape(
            text, [&](const UnicodeEscape& e) { escapes.push_back(e); }, badAt)) {
        result.errorLine =
            firstLine + static_cast<int>(std::count(text.begin(), text.begin() + badAt, '\n'));
        result.error = "a \\u escape without four hex digits";
        return result;
    }
    // Each escape is parsed as the name characters "_u...." of its length.
    for (const UnicodeEscape& e : escapes) source[offset + e.at] = '_';

    TSTree* tree = ts_parser_parse_string(parser_->parser, nullptr, source.data(),
                                          static_cast<uint32_t>(source.size()));
    TSNode root = ts_tree_root_node(tree);
    TSNode fault;
    if (FirstFault(root, fault)) {
        result.errorLine = lineOf(fault);
        result.error = "the text does not parse as Java";
        ts_tree_delete(tree);
        return result;
    }
    if (TSNode open; OpenString(root, source, open)) {
        result.errorLine = lineOf(open);
        result.error = "a string that is not closed on its line";
        ts_tree_delete(tree);
        return result;
    }
    for (const UnicodeEscape& e : escapes) {
        if (e.unit >= 0x80) continue;
        const auto at = static_cast<uint32_t>(offset + e.at);
        TSNode node = ts_node_descendant_for_byte_range(root, at, at + 1);
        if (!EscapeHarmlessIn(ts_node_type(node), e.unit)) {
            result.errorLine = lineOf(node);
            result.error =
                "a \\u escape stands for a character that would change how the line "
                "reads; write the character itself";
            ts_tree_delete(tree);
            return result;
        }
    }

    // The nodes of the text itself: inside the wrapper's class body or method body.
    TSNode holder = root;
    for (int depth = place == TextPlace::TopLevel ? 0
                     : place == TextPlace::Member ? 2
                                                  : 4;
         depth > 0 && !ts_node_is_null(holder); --depth) {
        // class_declaration > class_body (> method_declaration > block)
        TSNode next = ts_node_named_child(holder, ts_node_named_child_count(holder) - 1);
        holder = next;
    }
    const uint32_t count = ts_node_child_count(holder);
    for (uint32_t i = 0; i < count; ++i) {
        TSNode node = ts_node_child(holder, i);
        if (ts_node_start_byte(node) < offset || ts_node_end_byte(node) > offset + (end - begin))
            continue;  // the wrapper's own braces
        const std::string_view type = ts_node_type(node);
        if (!AllowedAt(place, type)) {
            result.errorLine = lineOf(node);
            result.error = place == TextPlace::TopLevel
                               ? "only imports and declarations may stand outside a class"
                               : "only declarations may stand among the members of a class";
            ts_tree_delete(tree);
            return result;
        }
        if (!IsComment(type)) result.onlyComments = false;
        result.contents.push_back(Describe(node, source));
    }
    ts_tree_delete(tree);
    result.ok = true;
    return result;
}

}  // namespace korvane::javasource
