// The Java file of one generation as every writer sees it: the target kind, the class name,
// the document's font and sizes, the rows in tab order, the once-flags and the line sink.
#pragma once

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "codegen/CodegenTable.h"
#include "codegen/Stacking.h"
#include "document/DesignDocument.h"
#include "document/MenuBar.h"

namespace korvane {

// The eight target kinds, in the order of the generation menus.
inline constexpr std::string_view kTargetKinds[] = {"Applet",  "Frame",  "Dialog",  "Panel",
                                                    "JApplet", "JFrame", "JDialog", "JPanel"};

bool IsTargetKind(std::string_view generateType);
// A Swing target: the first character of the kind is "J".
bool IsSwingTarget(std::string_view generateType);
// "Applet" and "JApplet" have init(); the six others a constructor.
bool IsAppletTarget(std::string_view generateType);
bool IsFrameTarget(std::string_view generateType);
bool IsDialogTarget(std::string_view generateType);
// JApplet, JFrame and JDialog reach their children through getContentPane(); a JPanel is
// the container itself, like every AWT target.
bool UsesContentPane(std::string_view generateType);

// A piece of a line of JavaFile::Emit: text as it is, or a Java string literal of the text.
struct JavaLiteral {
    std::string_view text;
};
// A whole number as a piece of a line, in decimal, without allocating.
class IntegerText {
  public:
    explicit IntegerText(int64_t n) {
        size_ =
            static_cast<size_t>(std::to_chars(digits_, digits_ + sizeof digits_, n).ptr - digits_);
    }
    std::string_view text() const { return {digits_, size_}; }

  private:
    char digits_[20];
    size_t size_;
};

struct LinePiece {
    LinePiece(std::string_view text) : text(text) {}
    LinePiece(const IntegerText& number) : text(number.text()) {}
    LinePiece(const std::string& text) : text(text) {}
    LinePiece(const char* text) : text(text) {}
    LinePiece(JavaLiteral literal) : text(literal.text), literal(true) {}
    std::string_view text;
    bool literal = false;
};

// An expression naming a child of the container: a name with text before and after it, such
// as "sp_" + name or "new JScrollPane(" + name + ")".
struct ChildPieces {
    std::string_view before;
    std::string_view name;
    std::string_view after;
};

struct JavaFile {
    JavaFile(LineSink& sink, const CodegenTable& table) : sink(sink), table(table) {}

    LineSink& sink;
    const CodegenTable& table;

    std::string generateType = "Applet";
    std::string className;  // JavaClassName
    std::string fontName = "Helvetica";
    std::string fontStyle = "PLAIN";
    int fontSize = 12;
    std::string dialogParent;  // DialogParent: the owner type of a dialog, "" = the default
    // The design surface, twips.
    double surfaceWidth = 0;
    double surfaceHeight = 0;

    // The design's menu elements and, for "Frame" and "JFrame", the menu bar they make.
    const std::vector<MenuElement>* menuElements = nullptr;
    MenuTree menuTree;

    // The components raised where they overlap, and the resulting order of the children.
    StackingPlan stacking;

    // The Swing radio group's field: "cbg", or "cbg_swing" when AWT radio buttons have
    // taken "cbg".
    std::string swingGroupName = "cbg";

    // Once-flags: the radio groups' lines are written once per block.
    bool checkboxGroupDeclared = false;
    bool buttonGroupDeclared = false;

    // A design too large for one method (javac takes at most 64 KB of code in one) spreads the
    // statements of its constructor or init() over local classes B1, B2, ... each run in turn,
    // and the bounds of its layout over methods place1, place2, ... of the layout class.
    bool splitBody = false;
    bool splitLayout = false;

    // One line at an indent of `spaces`, appended with the sink's EmitLine. Between
    // BeginChunks and EndChunks of a split body, a statement (indent 8 or more) goes into the
    // open local class, which is closed and run once it holds kChunkStatements statements.
    void Emit(int spaces, std::string_view text) { Emit(spaces, {LinePiece(text)}); }
    // The line made of the pieces in turn: text as it is, a JavaLiteral as a string literal.
    void Emit(int spaces, std::initializer_list<LinePiece> pieces);
    void BeginChunks();
    void EndChunks();
    static constexpr size_t kChunkStatements = 1500;
    // The name of local class k (from 1): B<k>, or C<k> when the class itself starts with B.
    std::string ChunkClass(int k) const;

    bool SwingTarget() const { return IsSwingTarget(generateType); }
    // Whether some row holds a valid popup binding of kind "Dialog": asked by the checks and
    // the writers, found once.
    bool HasDialogPopup() const;
    // The line that adds a child, written as the pieces of its expression, to the container of
    // the target.
    void EmitAdd(const ChildPieces& child);

  private:
    void OpenChunk();
    void CloseChunk();
    bool chunking_ = false;
    bool inChunk_ = false;
    int chunks_ = 0;
    size_t chunkStatements_ = 0;
    mutable std::optional<bool> hasDialogPopup_;
};

}  // namespace korvane
