#include <unordered_map>

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"

namespace korvane {
namespace {

using Rows = decltype(ListenerPlan::rows);

bool StartsRun(const Rows& rows, size_t i) {
    return i == 0 || rows[i].name != rows[i - 1].name ||
           rows[i].listenerType() != rows[i - 1].listenerType();
}

bool EndsRun(const Rows& rows, size_t i) {
    return i + 1 == rows.size() || StartsRun(rows, i + 1);
}

bool EndsName(const Rows& rows, size_t i) {
    return i + 1 == rows.size() || rows[i + 1].name != rows[i].name;
}

std::string ClassName(const ListenerPlanRow& row) {
    std::string name(row.name);
    name += row.suffix();
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

std::string MethodHeader(std::string_view method, std::string_view javaKind) {
    std::string_view bare = method;
    if (bare.ends_with("()")) bare.remove_suffix(2);
    return "        public void " + std::string(bare) + "(" + std::string(javaKind) + " e) { ";
}

std::string BodyLine(std::string_view method, std::string_view name) {
    const std::string shown = JavaStringContent(name);
    std::string text;
    if (method == "actionPerformed()") {
        text = "System.out.println(\"Action Performed by " + shown + "\");";
    } else if (method == "keyPressed()") {
        text = "System.out.println(\"You have pressed a key in " + shown + "\");";
    } else if (method == "keyReleased()") {
        text = "System.out.println(\"You have released a key in " + shown + "\");";
    } else if (method == "textValueChanged()") {
        text = "System.out.println(\"You have changed the text in " + shown + "\");";
    } else if (method == "mouseClicked()") {
        text = "System.out.println(\"You have clicked " + shown + "\");";
    } else if (method == "itemStateChanged()") {
        text =
            "System.out.println(\"You have clicked the item \" + e.getItem().toString() + "
            "\" in " +
            shown + "\");";
    } else {
        text = "//";
    }
    return "            " + text;
}

}  // namespace

void WriteListenerRegistrations(const ListenerPlan& plan, LineSink& sink) {
    const Rows& rows = plan.rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ListenerPlanRow& row = rows[i];
        if (StartsRun(rows, i))
            sink.Emit_Line("        " + std::string(row.name) + "." +
                           std::string(row.registration()) + "(new " + ClassName(row) + "());");
        if (EndsName(rows, i)) sink.Emit_Line("");
    }
}

void WriteListenerClasses(const ListenerPlan& plan, const CodegenTable& table,
                          std::string_view generateType, LineSink& sink) {
    std::unordered_map<std::string_view, const CodegenRow*> firstRowOfName;
    for (const CodegenRow& row : table) firstRowOfName.emplace(row.name, &row);

    const Rows& rows = plan.rows;
    std::string_view javaKind;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ListenerPlanRow& row = rows[i];
        if (StartsRun(rows, i)) {
            const char* relation = row.flag() == "L" ? " implements " : " extends ";
            sink.Emit_Line("    class " + ClassName(row) + relation +
                           std::string(row.listenerType()) + " {");
            javaKind = JavaEventClass(row.kind());
        }
        sink.Emit_Line(MethodHeader(row.method(), javaKind));
        sink.Emit_Line(BodyLine(row.method(), row.name));
        if (const auto it = firstRowOfName.find(row.name); it != firstRowOfName.end())
            WritePopupWindowLines(*it->second, row.method(), generateType, sink);
        sink.Emit_Line("        }");
        if (EndsRun(rows, i)) {
            sink.Emit_Line("    }");
            sink.Emit_Line("");
        }
    }
}

std::vector<std::string> ListenerClassNames(const ListenerPlan& plan) {
    std::vector<std::string> names;
    for (size_t i = 0; i < plan.rows.size(); ++i)
        if (StartsRun(plan.rows, i)) names.push_back(ClassName(plan.rows[i]));
    return names;
}

}  // namespace korvane
