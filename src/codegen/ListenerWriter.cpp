#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "codegen/NameTable.h"

namespace korvane {
namespace {

std::string ClassName(const ListenerClass& cls) {
    std::string name(cls.name);
    name += cls.suffix();
    return name;
}

// The event kind as a Java class name: "MouseEvent (Motion)" is delivered as a MouseEvent.
std::string_view JavaEventClass(std::string_view kind) {
    constexpr std::string_view kMotion = "(Motion)";
    if (const size_t at = kind.find(kMotion); at != std::string_view::npos) {
        std::string_view rest = kind.substr(0, at);
        while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
        return rest;
    }
    return kind;
}

// "        public void mouseClicked(MouseEvent e) { "
void AppendMethodHeader(std::string& line, std::string_view method, std::string_view javaKind) {
    std::string_view bare = method;
    if (bare.ends_with("()")) bare.remove_suffix(2);
    line.append("        public void ").append(bare).append("(").append(javaKind).append(" e) { ");
}

// The method's one statement; shown is the component name as string literal content.
void AppendBodyLine(std::string& line, std::string_view method, std::string_view shown) {
    line += "            ";
    const auto print = [&](std::string_view before, std::string_view after = "\");") {
        line.append("System.out.println(\"").append(before).append(shown).append(after);
    };
    if (method == "actionPerformed()") {
        print("Action Performed by ");
    } else if (method == "keyPressed()") {
        print("You have pressed a key in ");
    } else if (method == "keyReleased()") {
        print("You have released a key in ");
    } else if (method == "textValueChanged()") {
        print("You have changed the text in ");
    } else if (method == "mouseClicked()") {
        print("You have clicked ");
    } else if (method == "itemStateChanged()") {
        print("You have clicked the item \" + e.getItem().toString() + \" in ");
    } else {
        line += "//";
    }
}

}  // namespace

void WriteListenerRegistrations(const ListenerPlan& plan, LineSink& sink) {
    std::string line;
    for (size_t k = 0; k < plan.classes.size(); ++k) {
        const ListenerClass& cls = plan.classes[k];
        line.assign("        ").append(cls.name).append(".").append(cls.registration());
        line.append("(new ").append(cls.name).append(cls.suffix()).append("());");
        sink.Emit_Line(line);
        if (plan.EndsName(k)) sink.Emit_Line("");
    }
}

void WriteListenerClasses(const ListenerPlan& plan, const CodegenTable& table,
                          std::string_view generateType, LineSink& sink) {
    if (plan.classes.empty()) return;
    // A popup binding is the first row's of the name.
    NameTable<const CodegenRow*> firstRowOfName(table.size());
    for (const CodegenRow& row : table) firstRowOfName.Insert(row.name, &row);

    std::string line;
    // What the classes of one name share, found when the name starts.
    std::string shownName;                 // the name as string literal content
    const CodegenRow* popupRow = nullptr;  // the name's row, when it has a valid popup binding
    std::string_view trigger;
    for (size_t k = 0; k < plan.classes.size(); ++k) {
        const ListenerClass& cls = plan.classes[k];
        if (k == 0 || cls.name != plan.classes[k - 1].name) {
            shownName.clear();
            AppendJavaStringContent(shownName, cls.name);
            const CodegenRow* const* row = firstRowOfName.Find(cls.name);
            popupRow = row && IsValidPopupBinding((*row)->popup) ? *row : nullptr;
            trigger = popupRow ? SplitPopupBinding(popupRow->popup).trigger : std::string_view{};
        }
        const std::span<const EventMethodRow* const> methods = plan.MethodsOf(k);
        const char* relation = cls.flag() == "L" ? " implements " : " extends ";
        line.assign("    class ").append(cls.name).append(cls.suffix()).append(relation);
        line.append(cls.listenerType()).append(" {");
        sink.Emit_Line(line);
        const std::string_view javaKind = JavaEventClass(methods.front()->kind);
        for (const EventMethodRow* method : methods) {
            line.clear();
            AppendMethodHeader(line, method->method, javaKind);
            sink.Emit_Line(line);
            line.clear();
            AppendBodyLine(line, method->method, shownName);
            sink.Emit_Line(line);
            if (popupRow && trigger == method->method)
                WritePopupWindowLines(*popupRow, method->method, generateType, sink);
            sink.Emit_Line("        }");
        }
        sink.Emit_Line("    }");
        sink.Emit_Line("");
    }
}

std::vector<std::string> ListenerClassNames(const ListenerPlan& plan) {
    std::vector<std::string> names;
    for (const ListenerClass& cls : plan.classes) names.push_back(ClassName(cls));
    return names;
}

}  // namespace korvane
