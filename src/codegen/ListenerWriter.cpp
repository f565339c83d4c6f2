#include <unordered_map>

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"

namespace korvane {
namespace {

using Rows = decltype(ListenerPlan::rows);

bool StartsRun(const Rows& rows, size_t i) {
    return i == 0 || rows[i].name != rows[i - 1].name ||
           rows[i].listenerRow != rows[i - 1].listenerRow;
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
    const Rows& rows = plan.rows;
    std::string line;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ListenerPlanRow& row = rows[i];
        if (StartsRun(rows, i)) {
            line.assign("        ").append(row.name).append(".").append(row.registration());
            line.append("(new ").append(row.name).append(row.suffix()).append("());");
            sink.Emit_Line(line);
        }
        if (EndsName(rows, i)) sink.Emit_Line("");
    }
}

void WriteListenerClasses(const ListenerPlan& plan, const CodegenTable& table,
                          std::string_view generateType, LineSink& sink) {
    if (plan.rows.empty()) return;
    std::unordered_map<std::string_view, const CodegenRow*> firstRowOfName;
    for (const CodegenRow& row : table) firstRowOfName.emplace(row.name, &row);

    const Rows& rows = plan.rows;
    std::string_view javaKind;
    std::string line;
    // What the rows of one name share, found when the name starts.
    std::string shownName;
    const CodegenRow* popupRow = nullptr;  // the name's row, when it has a valid popup binding
    std::string_view trigger;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ListenerPlanRow& row = rows[i];
        if (i == 0 || row.name != rows[i - 1].name) {
            shownName = JavaStringContent(row.name);
            const auto it = firstRowOfName.find(row.name);
            popupRow = it != firstRowOfName.end() && IsValidPopupBinding(it->second->popup)
                           ? it->second
                           : nullptr;
            trigger = popupRow ? SplitPopupBinding(popupRow->popup).trigger : std::string_view{};
        }
        if (StartsRun(rows, i)) {
            const char* relation = row.flag() == "L" ? " implements " : " extends ";
            line.assign("    class ").append(row.name).append(row.suffix()).append(relation);
            line.append(row.listenerType()).append(" {");
            sink.Emit_Line(line);
            javaKind = JavaEventClass(row.kind());
        }
        line.clear();
        AppendMethodHeader(line, row.method(), javaKind);
        sink.Emit_Line(line);
        line.clear();
        AppendBodyLine(line, row.method(), shownName);
        sink.Emit_Line(line);
        if (popupRow && trigger == row.method())
            WritePopupWindowLines(*popupRow, row.method(), generateType, sink);
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
