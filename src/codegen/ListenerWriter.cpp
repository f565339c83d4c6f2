#include <optional>

#include "codegen/JavaFile.h"
#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "platform/Text.h"

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

constexpr std::string_view kMethodEnd = "        }";

// "        public void mouseClicked(MouseEvent e) { "
std::string MethodHeader(std::string_view method, std::string_view javaKind) {
    std::string_view bare = method;
    if (bare.ends_with("()")) bare.remove_suffix(2);
    std::string line("        public void ");
    line.append(bare).append("(").append(javaKind).append(" e) { ");
    return line;
}

// The method's one statement: a line that prints the component's name (as string literal
// content) between `before` and `after`, or a comment without it.
struct MethodStatement {
    std::string before;
    std::string_view after;
    bool showsName = false;
};

MethodStatement StatementOf(std::string_view method) {
    const auto print = [](std::string_view before) {
        return MethodStatement{std::string("            System.out.println(\"").append(before),
                               "\");", true};
    };
    if (method == "actionPerformed()") return print("Action Performed by ");
    if (method == "keyPressed()") return print("You have pressed a key in ");
    if (method == "keyReleased()") return print("You have released a key in ");
    if (method == "textValueChanged()") return print("You have changed the text in ");
    if (method == "mouseClicked()") return print("You have clicked ");
    if (method == "itemStateChanged()")
        return print("You have clicked the item \" + e.getItem().toString() + \" in ");
    return {"            //", {}, false};
}

// The lines of each catalogue method, made the first time a class has the method: every
// component with listeners has the same few methods.
class MethodLines {
  public:
    explicit MethodLines(std::span<const EventMethodRow> table)
        : table_(table), lines_(table.size()) {}

    struct Lines {
        std::string header;
        MethodStatement statement;
        LineBlock whole;  // the method as a whole, when its statement does not show the name
    };
    // The methods of a class share their listener, whose event kind is theirs: the header's
    // event class follows from the method alone.
    const Lines& Of(const EventMethodRow* method, const LineSink& sink) {
        std::optional<Lines>& lines = lines_[static_cast<size_t>(method - table_.data())];
        if (!lines) {
            lines = Lines{MethodHeader(method->method, JavaEventClass(method->kind)),
                          StatementOf(method->method),
                          {}};
            if (!lines->statement.showsName)
                lines->whole = sink.MakeBlock({lines->header, lines->statement.before, kMethodEnd});
        }
        return *lines;
    }

  private:
    std::span<const EventMethodRow> table_;
    std::vector<std::optional<Lines>> lines_;
};

}  // namespace

void WriteListenerRegistrations(const ListenerPlan& plan, JavaFile& file) {
    // What follows the name in the registration line of each listener type:
    // ".addMouseListener(new " and "_ML());".
    std::vector<std::string> registration, construction;
    for (const ListenerRow& listener : plan.listenerTable) {
        registration.push_back(std::string(".").append(listener.registration).append("(new "));
        construction.push_back(std::string(listener.suffix).append("());"));
    }
    for (size_t k = 0; k < plan.classes.size(); ++k) {
        const ListenerClass& cls = plan.classes[k];
        const size_t type = plan.TypeOf(cls);
        file.Emit(8, {cls.name, registration[type], cls.name, construction[type]});
        if (plan.EndsName(k)) file.Emit(0, "");
    }
}

void WriteListenerClasses(const ListenerPlan& plan, std::string_view generateType, LineSink& sink) {
    if (plan.classes.empty()) return;
    MethodLines methodLines(plan.methodTable);
    // What follows the name in the first line of a class of each listener type:
    // "_ML extends MouseAdapter {".
    std::vector<std::string> classTail;
    for (const ListenerRow& listener : plan.listenerTable)
        classTail.push_back(ListenerClassHeaderTail(listener));
    const LineBlock classEnd = sink.MakeBlock({"    }", ""});
    // What the classes of one name share, found when the name starts.
    std::string shownName;                 // the name as string literal content
    const CodegenRow* popupRow = nullptr;  // the name's row, when it has a valid popup binding
    std::string_view trigger;
    for (size_t k = 0; k < plan.classes.size(); ++k) {
        const ListenerClass& cls = plan.classes[k];
        if (cls.startsName) {
            shownName.clear();
            AppendJavaStringContent(shownName, cls.name);
            // A generated design's names are its components' own: the class's row is the only
            // one of its name.
            popupRow = cls.row && !cls.row->popup.empty() ? cls.row : nullptr;
            trigger = popupRow ? popupRow->binding.trigger : std::string_view{};
        }
        const std::span<const EventMethodRow* const> methods = plan.MethodsOf(k);
        AppendAll(sink.BeginLine(), {"    class ", cls.name, classTail[plan.TypeOf(cls)]});
        sink.EndLine();
        for (const EventMethodRow* method : methods) {
            const MethodLines::Lines& lines = methodLines.Of(method, sink);
            const bool opensPopup = popupRow && trigger == method->method;
            const MethodStatement& statement = lines.statement;
            if (!statement.showsName && !opensPopup) {
                sink.EmitBlock(lines.whole);
                continue;
            }
            sink.EmitLine(lines.header);
            if (statement.showsName) {
                AppendAll(sink.BeginLine(), {statement.before, shownName, statement.after});
                sink.EndLine();
            } else {
                sink.EmitLine(statement.before);
            }
            if (opensPopup) WritePopupWindowLines(*popupRow, method->method, generateType, sink);
            sink.EmitLine(kMethodEnd);
        }
        sink.EmitBlock(classEnd);
    }
}

std::string ListenerClassHeaderTail(const ListenerRow& listener) {
    std::string tail;
    const std::string_view relation = listener.flag == "L" ? " implements " : " extends ";
    AppendAll(tail, {listener.suffix, relation, listener.listenerType, " {"});
    return tail;
}

std::string ListenerMethodFirstLine(std::string_view method, std::string_view kind) {
    return MethodHeader(method, JavaEventClass(kind));
}

std::string ListenerStubLine(std::string_view method, std::string_view name) {
    const MethodStatement statement = StatementOf(method);
    std::string line = statement.before;
    if (statement.showsName) {
        AppendJavaStringContent(line, name);
        line += statement.after;
    }
    return line;
}

std::vector<std::string> ListenerClassNames(const ListenerPlan& plan) {
    std::vector<std::string> names;
    for (const ListenerClass& cls : plan.classes) names.push_back(ClassName(cls));
    return names;
}

}  // namespace korvane
