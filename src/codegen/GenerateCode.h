// The generation driver: from the open design to the lines of one Java source file.
//
// GenerateJava validates and writes the file without any window (korvane-gen and the tests
// use it); RunGenerateCommand is the document window's command around it, with its messages, the
// save of a never-saved design and the code window.
#pragma once

#include <string>
#include <vector>

#include "codegen/CodeListing.h"
#include "codegen/CodegenTable.h"
#include "codegen/EventCatalogue.h"
#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"
#include "document/DesignDocument.h"
#include "document/DocumentController.h"

namespace korvane {

inline constexpr const char* kNoComponentMessage =
    "You must add at least one AWT or Swing component.";
inline constexpr const char* kSaveFirstMessage = "You must save your file first.";
inline constexpr const char* kGeneratedMessage = "Java File Generated Succesfully!";

// The live components in tab order (the numeric value of the tab order, ties in slot order).
// A row holds the component's popup binding only when generation can write it
// (IsWritablePopup), and then with its trigger added to the row's events when missing.
CodegenTable BuildCodegenTable(const DesignDocument& doc);

struct GeneratedJava {
    std::vector<std::string> lines;     // the file, one entry per line, when refusal is ""
    std::string refusal;                // why nothing was generated
    std::vector<std::string> warnings;  // said after a generated file, one sentence each
    bool ok() const { return refusal.empty(); }
};

// Generates the class named FileName for the target Target into the sink, leaving the design as
// it is; a refusal emits no line. The result holds the refusal and the warnings (among them one
// for each popup binding it cannot write); its lines stay empty.
GeneratedJava GenerateJava(const DesignDocument& doc, const EventCatalogue& catalogue,
                           LineSink& sink);
// The same, with the lines kept in the result.
GeneratedJava GenerateJava(const DesignDocument& doc, const EventCatalogue& catalogue);

// Why generation would refuse these menu elements as the menu bar of the design (a sentence
// naming the element), or "": the checks of a "Frame" or "JFrame" (the design's own target when
// it is one) of the menu elements alone. The menu-bar editor keeps a list only when it passes,
// so that the editor and generation read the elements alike.
std::string MenuBarRefusal(const DesignDocument& doc, const std::vector<MenuElement>& elements,
                           const EventCatalogue& catalogue);

// The command: refuses a design without live components, has a never-saved design saved
// first, takes the file's name as the class's (JavaClassName), generates, and on success shows
// "Java File Generated Succesfully!", then the warnings in one message, and fills and shows the
// code window. A refusal is shown as a warning and leaves the code window as it was.
void RunGenerateCommand(DocumentController& form, CodeListing& codeWindow,
                        const EventCatalogue& catalogue);

// The two generators, run on a validated file.
void WriteAppletClass(JavaFile& file, const ListenerPlan& plan);
void WriteWindowClass(JavaFile& file, const ListenerPlan& plan);

}  // namespace korvane
