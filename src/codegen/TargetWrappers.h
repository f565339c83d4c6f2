// What differs between the target kinds: the opening and closing of the constructor of frames,
// dialogs and panels, the main method of applets and frames, and the end of the public class.
#pragma once

#include "codegen/JavaFile.h"

namespace korvane {

// A "Frame" or "JFrame" keeps a reference to itself as the owner of the AWT dialogs its popup
// bindings open.
bool NeedsFrameField(const JavaFile& file);

// The owner type of a dialog: DialogParent, or Frame ("Dialog") or JFrame ("JDialog") when
// the document names none.
std::string DialogParentType(const JavaFile& file);

// Section 2 of the six non-applet kinds, before the layout and font lines.
void WriteConstructorOpening(JavaFile& file);
// Section 5 of the six non-applet kinds.
void WriteConstructorClosing(JavaFile& file);
// Section 7: the main method of an applet or a frame, then the end of the public class.
void WriteMainAndClassEnd(JavaFile& file);

}  // namespace korvane
