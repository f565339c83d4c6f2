// The desktop program's commands on Java files: saving a generated class over a Java file merges
// with what the developer wrote in it (the code window's Save As, Build > Generate into File),
// and File > Import Java... reads a generated class back into the design.
#pragma once

#include <string>

#include "codegen/EventCatalogue.h"
#include "document/DocumentController.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

namespace korvane {

// Merges `bytes`, a class just generated, with the Java file at `path` when it is a plain file
// (a named pipe or device is left to be written into). When the merge is not safe the user is
// asked, with the line named, to replace the file or cancel.
// False when nothing is to be written; the merge's warnings are shown.
bool MergeWithExistingJava(const std::string& path, const std::string& className,
                           std::string& bytes, MessageBoxService& messages);

// Build > Generate into File: generates the document's class for its Target and writes
// <design>.java beside the design, merging with the file there. True when written.
bool GenerateIntoFile(DocumentController& form, const EventCatalogue& catalogue,
                      MessageBoxService& messages);

// File > Import Java...: asks for a .java file and reads it into the design in place of the
// present one (after the question about unsaved changes). The design is then new and modified,
// named after the class; its Target is the class's target kind. True when imported.
bool ImportJavaFile(DocumentController& form, FileDialogService& dialogs,
                    MessageBoxService& messages);
// The same for a path, without the dialog.
bool ImportJavaPath(DocumentController& form, const std::string& path, MessageBoxService& messages);

}  // namespace korvane
