// The Java file of one generation as every writer sees it: the target kind, the class name,
// the document's font and sizes, the rows in tab order, the once-flags and the line sink.
#pragma once

#include <string>
#include <string_view>

#include "codegen/CodegenTable.h"

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

struct JavaFile {
    JavaFile(LineSink& sink, const CodegenTable& table) : sink(sink), table(table) {}

    LineSink& sink;
    const CodegenTable& table;

    std::string generateType = "Applet";
    std::string className;  // Java_File_Name
    std::string fontName = "Helvetica";
    std::string fontStyle = "PLAIN";
    int fontSize = 12;
    std::string dialogParent;  // Dialog_parent: the owner type of a dialog, "" = the default
    // The design surface, twips.
    double surfaceWidth = 0;
    double surfaceHeight = 0;

    // The Swing radio group's field: "cbg", or "cbg_swing" when AWT radio buttons have
    // taken "cbg".
    std::string swingGroupName = "cbg";

    // Once-flags: the radio groups' lines are written once per block.
    bool CheckboxGroup_Declared = false;
    bool ButtonGroup_Declared = false;

    // One line at an indent of `spaces`, appended with the sink's Emit_Line.
    void Emit(int spaces, std::string_view text);

    bool SwingTarget() const { return IsSwingTarget(generateType); }
    // The line that adds a child to the container of the target.
    std::string AddLine(std::string_view addName) const;
};

}  // namespace korvane
