// Reads a Java file as a class Korvane generated: every line in one of the forms the generator
// writes is recognised in its place (the file's shape: imports, the public class with its
// fields, constructor or init(), listener classes and main, the layout class, the focus class,
// the menu bar's layout class),
// and what the generator did not write is kept as developer text with the place it stands in
// and the generated item before it. The merge (JavaMerge.h) puts a new generation around that
// text; the import (JavaImport.h) reads the design back from the recognised lines.
//
// Lines are recognised whatever their indentation and trailing blanks. Developer text is found
// with a bracket scanner and taken only once tree-sitter has parsed it in its place
// (SyntaxCheck.h), so strings, comments and \u escapes in it never mislead the reader.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "javasource/SyntaxCheck.h"

namespace korvane::javasource {

// Containers of the file: the top level, the public class, the layout class, and each listener
// class, named by its name as the file writes it.
inline constexpr std::string_view kTopLevel = "";
inline constexpr std::string_view kMainClass = "M";
inline constexpr std::string_view kLayoutClass = "L";
inline bool IsListenerContainer(std::string_view container) {
    return container != kTopLevel && container != kMainClass && container != kLayoutClass;
}

// A line the reader could not take, or a fact it could not map, with its line number.
struct Finding {
    int line = 0;
    std::string text;
};

enum class ItemKind : uint8_t {
    None,  // a line that turned out to be the developer's
    Import,
    MainClass,
    LayoutClass,
    FocusClass,
    MenuBarLayoutClass,
    Header,  // the first line of a class
    Field,
    Constructor,  // or init()
    Main,
    ListenerClass,
    ListenerMethod,
    LayoutMethod,
};

// A generated item (an import, a field, the constructor, a listener class or method, ...): the
// items of a file name the places developer text is kept at. Its names are views into the file
// as it writes them.
struct GeneratedItem {
    std::string_view container;
    std::string_view name;  // an import's text; a field, listener class or method, layout method
    ItemKind kind = ItemKind::None;
    bool emptyLineAfter = false;
    int line = 0;
    // For a merge, the low bits of NameHash of a field's or listener class's name, taken while
    // the name is in the processor's cache: the merge looks for names written twice.
    uint32_t nameHash = 0;
    size_t end = 0;         // past its lines and the empty line that follows it, if any
    size_t endOfLines = 0;  // past its lines
};

// Text the generator did not write: whole lines, in one container, after the generated item
// `anchor` (an index into the file's items, -1: at the start of the container).
struct DeveloperText {
    std::string_view container;
    int anchor = -1;
    size_t begin = 0, end = 0;
    int firstLine = 0, lastLine = 0;
    TextPlace place = TextPlace::Member;
    std::vector<std::string> contents;  // what it declares ("method helper", ...)
    bool blank = false;                 // only blank lines
};

// A listener method as the file has it. Its body is the developer's when it is not the stub the
// generator writes (the print line or comment of the method and the lines that open a popup
// window).
struct ListenerMethod {
    std::string_view className;  // e.g. button_ok_AL, as the file writes it
    std::string_view method;     // e.g. actionPerformed
    int headerLine = 0;
    size_t begin = 0, end = 0;  // the whole method, whole lines
    bool edited = false;        // the body is not the stub
    // The body: from the line after the first to the line of the closing brace, or to the
    // brace itself when code stands before it on its line.
    size_t bodyBegin = 0, bodyEnd = 0;
    // The popup window its stub opens: its kind ("Dialog", "JFrame", ...) and class as the file
    // writes it; empty for none.
    std::string_view popupKind, popupClass;
    // Its row of the event catalogue's EventMethodTable, when the reader found it there; -1 when
    // it is to be looked up by its name.
    int eventIndex = -1;
};

// What the recognised lines say about the design, for the import.
struct ReadComponent {
    std::string name;
    std::string type;   // TypeTag, from the line that creates it
    std::string value;  // text, or list items joined by "|"
    size_t items = 0;
    int line = 0;       // where it is created
    int addLine = 0;    // 0: never added to the window
    int fieldLine = 0;  // 0: no field declares it
};

struct ReadMenuElement {
    std::string name;
    std::string type;  // Menu, Item, Check, Separator
    std::string label;
    bool checked = false;
    bool disabled = false;
    std::string shortcut;  // "Ctrl+S", "Ctrl+Shift+F5"
    std::string holder;    // "" = the bar, otherwise the name of the menu holding it
    // An item standing in the bar is held by a menu of its own, written with the item: its label.
    std::optional<std::string> ownMenuLabel;
    int line = 0;
};

struct ReadRegistration {
    std::string_view name;          // as the file writes it
    std::string_view registration;  // e.g. addActionListener
    std::string_view className;     // e.g. button_ok_AL, as the file writes it
    int line = 0;
};

struct ReadListenerClass {
    std::string_view name;                  // as the file writes it
    const ListenerRow* listener = nullptr;  // the catalogue's row of what it listens to
    // Its methods: ReadClass::methods from firstMethod on, in file order.
    size_t firstMethod = 0, methodCount = 0;
    int line = 0;
};

struct ReadBounds {
    int64_t left = 0, top = 0, width = 0, height = 0;
    int line = 0;
};

struct ClassFacts {
    std::string className;
    std::string target;  // what the class extends
    int headerLine = 0;
    bool hasFont = false;
    std::string fontName, fontStyle;
    int64_t fontSize = 12;
    std::optional<int64_t> width, height;  // the preferred size, pixels
    std::string dialogParent;
    int dialogParentLine = 0;
    std::vector<ReadComponent> components;
    std::vector<std::string> addOrder;              // the names added to the window, in order
    std::vector<std::string> raisedChildren;        // the names raised to the top, in order
    std::vector<std::optional<ReadBounds>> bounds;  // by child index
    std::vector<ReadMenuElement> menu;
    // The width the menu bar's layout is given, pixels, with its line; and the line of the
    // menu bar's layout class (0: none).
    std::optional<int64_t> menuBarWidth;
    int menuBarWidthLine = 0, menuBarLayoutLine = 0;
    std::vector<ReadRegistration> registrations;
    std::vector<ReadListenerClass> listenerClasses;
    // Lines of generated forms the import has to judge (a field without a component, ...).
    std::vector<Finding> notes;
};

struct ReadClass {
    // Why the file cannot be read as a generated class at all: not one Korvane wrote, text
    // that does not parse, brackets that do not balance. Names the line.
    std::optional<Finding> refusal;
    std::vector<GeneratedItem> items;
    std::vector<DeveloperText> texts;
    std::vector<ListenerMethod> methods;
    size_t mainClassClose = 0;  // where the line that closes the public class starts
    // Developer code inside generated methods (the constructor, init(), main, the layout
    // class's methods): a new generation would drop it.
    std::vector<Finding> codeInGeneratedMethods;
    ClassFacts facts;
};

// The items of a class just generated that a reader stores; the others are passed over.
struct ItemFilter {
    std::function<bool(const GeneratedItem&)> keep;
    // Whether any item of the public class or of its listener classes is kept: when none is,
    // the class is passed over to its closing line without reading its lines.
    bool mainClass = true;
    // Whether the lines passed over are counted. Without, the line numbers after the first
    // such pass are wrong: a merge needs those of the fresh class only to report a fault, and
    // reads it again with them then.
    bool countLines = true;
};

// Reads `file` as a generated class. With `trusted`, the text is one the generator has just
// written: its items are found without checking the lines inside generated methods, which are
// passed over, and the design facts are not collected. With `keep` (for a trusted text only),
// only the items it keeps are stored, with the listener methods among them.
ReadClass ReadGeneratedClass(std::string_view file, bool trusted = false,
                             const ItemFilter* keep = nullptr);

// Reads `file` as the old side of a merge: checked line by line as ReadGeneratedClass checks
// it, but only what a merge uses is kept, so that a class of a hundred megabytes costs tables of
// a few: the items inside a listener class only when developer text stands in it, the listener
// methods only those with a body of the developer's, and none of the listener classes and
// registrations that only the import reads. A listener method written twice in its class is
// refused.
ReadClass ReadClassForMerge(std::string_view file);

}  // namespace korvane::javasource
