// The checks that run before any line of a generation is written, so that the file either
// compiles or is not written: names that Java would reject or that would clash with a name
// the file itself uses, declares or inherits, popup window and dialog parent classes, the font
// style, unknown component kinds, and the limits of a class file (string literals, method
// code, file names of the compiled classes).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/EventCatalogue.h"
#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"
#include "document/DesignDocument.h"

namespace korvane {

// The simple names of the classes a generated file may refer to: the targets, the component
// classes and their groups and models, the layout and font classes, the listener, adapter and
// event classes, String and System.
std::vector<std::string> ClassesTheFileUses(const EventCatalogue& catalogue);

// Why a popup binding's window class cannot be generated whatever the target and design (a
// sentence naming it), or "": not a Java class name, or a class every generated file uses.
std::string PopupClassFault(std::string_view className, const EventCatalogue& catalogue);

// javac refuses a method with more than 65535 bytes of code.
inline constexpr size_t kMaxMethodCode = 65535;

// Upper bounds of the bytes of code of the constructor or init() (with everything it runs:
// construction, menu bar, stacking, registrations) and of the layout method, written unsplit.
struct MethodCode {
    size_t body = 0;
    size_t layout = 0;
};

// The checks of one generation. What they know of the file and the plan is gathered once;
// the file and the plan must outlive the checker.
class GenerationChecker {
  public:
    GenerationChecker(const JavaFile& file, const ListenerPlan& plan,
                      const EventCatalogue& catalogue);
    ~GenerationChecker();
    // Why this file cannot be generated (a sentence naming the offending name), or "" when it
    // can. The menu elements count only for "Frame" and "JFrame".
    std::string Refusal(const std::vector<MenuElement>& menuElements);
    // What Refusal says of the menu elements alone, for a "Frame" or "JFrame" file.
    std::string MenuBarRefusal(const std::vector<MenuElement>& menuElements);
    MethodCode MethodSizes() const;
    // A warning when the public class may hold more constants than a class file can, or "";
    // such a file is still generated. It counts the file as split when it is asked.
    std::string ClassSizeWarning() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace korvane
