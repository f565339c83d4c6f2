#include "javasource/ClassReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "codegen/EventCatalogue.h"
#include "codegen/JavaFile.h"
#include "codegen/Listeners.h"
#include "codegen/MenuBarWriter.h"
#include "codegen/NameTable.h"
#include "codegen/Stacking.h"
#include "document/DesignDocument.h"
#include "javasource/GeneratedStatements.h"
#include "javasource/JavaLexis.h"
#include "platform/LargeMemory.h"
#include "platform/Text.h"
#include "platform/TextCodec.h"

namespace korvane::javasource {
namespace {

constexpr std::array<std::string_view, 4> kGeneratedImports = {
    "import java.awt.*;", "import java.awt.event.*;", "import java.applet.Applet;",
    "import javax.swing.*;"};

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\f") == std::string_view::npos;
}

// Room for `count` records at once, in large pages where the system has them.
template <typename Record>
void ReserveLarge(std::vector<Record>& records, size_t count) {
    records.reserve(count);
    AdviseLargePages(records.data(), records.capacity() * sizeof(Record));
}

int CountLines(std::string_view text) {
    return static_cast<int>(CountOfEach<1>(text, {'\n'})[0]);
}

class Reader {
  public:
    Reader(std::string_view file, bool trusted, const ItemFilter* keep, bool forMerge = false)
        : file_(file),
          cursor_(file),
          trusted_(trusted),
          forMerge_(forMerge),
          keep_(keep),
          statements_(result_.facts, !forMerge) {
        for (const ListenerRow& row : catalogue_.ListenerTable()) {
            listenerRows_.emplace(row.listenerType, &row);
            classTails_.push_back(ListenerClassHeaderTail(row));
        }
        methodForms_.resize(catalogue_.ListenerTable().size());
    }

    ReadClass Read() {
        // A generated file holds about one item for every 100 bytes, one listener method for
        // every 130, and seldom more than twice that; room reserved and not used costs no memory.
        // A listener class with its registration, and a component, take at least some 250
        // bytes. Grown by doubling, each of these tables would be copied and touch twice its
        // memory, which in a virtual machine costs more than reading the lines.
        if (!keep_) {
            ReserveLarge(result_.items, file_.size() / 50 + 16);
            if (!forMerge_) ReserveLarge(result_.methods, file_.size() / 64 + 16);
        }
        if (!trusted_ && !forMerge_) {
            ClassFacts& facts = result_.facts;
            ReserveLarge(facts.listenerClasses, file_.size() / 256 + 16);
            ReserveLarge(facts.registrations, file_.size() / 256 + 16);
            ReserveLarge(facts.components, std::min(file_.size() / 256, size_t{kMaxSlots}) + 16);
        }
        ReadTopLevel();
        if (!result_.refusal && !haveMainClass_)
            Refuse(1, "the file holds no public class that Korvane generated");
        if (!result_.refusal && !haveLayoutClass_)
            Refuse(result_.facts.headerLine, "the class " + result_.facts.className +
                                                 "Layout that Korvane generates is missing");
        if (!result_.refusal && !trusted_) {
            statements_.Finish();
            ResolveFields();
            CheckTexts();
        }
        return std::move(result_);
    }

  private:
    // --- lines ---
    const SourceLine& Line() const { return cursor_.Line(); }
    bool AtEnd() const { return cursor_.AtEnd() || result_.refusal.has_value(); }
    void Next() { cursor_.Advance(); }

    void Refuse(int line, std::string why) {
        if (!result_.refusal) result_.refusal = Finding{line, std::move(why)};
    }

    // An item not kept is read into a place of its own, which the next one not kept reuses.
    static constexpr int kNotKept = -3;

    int AddItem(std::string_view container, ItemKind kind, std::string_view name, int line) {
        GeneratedItem item;
        item.container = container;
        item.kind = kind;
        item.name = name;
        item.line = line;
        if (forMerge_ && (kind == ItemKind::Field || kind == ItemKind::ListenerClass))
            item.nameHash = static_cast<uint32_t>(NameHash{}(name));
        if (keep_ && !keep_->keep(item)) {
            notKept_ = item;
            anchor_ = kNotKept;
        } else {
            result_.items.push_back(item);
            anchor_ = static_cast<int>(result_.items.size()) - 1;
        }
        return anchor_;
    }
    // After an item: one blank line is the item's own, and the item ends after it.
    void TakeTrailingBlank() {
        if (anchor_ == -1) return;
        GeneratedItem& item =
            anchor_ == kNotKept ? notKept_ : result_.items[static_cast<size_t>(anchor_)];
        item.endOfLines = Line().begin;
        item.emptyLineAfter = !cursor_.AtEnd() && Line().code.empty();
        if (item.emptyLineAfter) Next();
        item.end = Line().begin;
    }

    // Developer text from the current line on, as the scanner finds its end.
    void TakeText(std::string_view container, TextPlace place) {
        if (trusted_) {
            Refuse(Line().number,
                   "a generated line is not one the reader knows: " + std::string(Line().code));
            return;
        }
        const SourceLine line = Line();
        const TextExtent extent = ScanDeveloperText(file_, line.begin);
        if (!extent.error.empty()) {
            Refuse(line.number + CountLines(file_.substr(line.begin, extent.errorAt - line.begin)),
                   extent.error);
            return;
        }
        if (extent.end == line.begin) {
            Refuse(line.number, "a closing brace that closes nothing Korvane generated here");
            return;
        }
        const int lines = CountLines(file_.substr(line.begin, extent.end - line.begin));
        std::vector<DeveloperText>& texts = result_.texts;
        if (!texts.empty() && texts.back().end == line.begin &&
            texts.back().container == container && texts.back().anchor == anchor_ &&
            texts.back().place == place) {
            texts.back().end = extent.end;
            texts.back().lastLine = line.number + std::max(lines, 1) - 1;
        } else {
            DeveloperText& text = texts.emplace_back();
            text.container = container;
            text.anchor = anchor_;
            text.begin = line.begin;
            text.end = extent.end;
            text.firstLine = line.number;
            text.lastLine = line.number + std::max(lines, 1) - 1;
            text.place = place;
        }
        cursor_.MoveTo(extent.end, line.number + lines);
    }

    // --- the top level ---
    void ReadTopLevel() {
        anchor_ = -1;
        while (!AtEnd()) {
            const std::string_view t = Line().code;
            if (!haveMainClass_ && std::find(kGeneratedImports.begin(), kGeneratedImports.end(),
                                             t) != kGeneratedImports.end()) {
                AddItem(kTopLevel, ItemKind::Import, t, Line().number);
                Next();
                TakeTrailingBlank();
            } else if (!haveMainClass_ && MainClassHeader()) {
                ReadMainClass();
            } else if (haveMainClass_ && !haveLayoutClass_ && LayoutClassHeader()) {
                ReadLayoutClass();
            } else if (haveLayoutClass_ && !haveFocusClass_ && FocusClassHeader()) {
                haveFocusClass_ = true;
                ReadWholeClass(ItemKind::FocusClass,
                               FocusClassLines(result_.facts.className,
                                               focusBase_ == "LayoutFocusTraversalPolicy"));
            } else if (haveLayoutClass_ && !haveMenuBarLayoutClass_ && MenuBarLayoutClassHeader()) {
                haveMenuBarLayoutClass_ = true;
                result_.facts.menuBarLayoutLine = Line().number;
                ReadWholeClass(ItemKind::MenuBarLayoutClass,
                               MenuBarLayoutClassLines(result_.facts.className));
            } else {
                TakeText(kTopLevel, TextPlace::TopLevel);
            }
        }
    }

    bool MainClassHeader() {
        std::string name, target;
        if (!MatchLine(Line().text,
                       {T("public class "), N(name), T(" extends "), N(target), T(" {")}))
            return false;
        if (!IsTargetKind(target)) return false;
        result_.facts.className = name;
        result_.facts.target = target;
        result_.facts.headerLine = Line().number;
        return true;
    }

    bool LayoutClassHeader() {
        std::string name;
        return MatchLine(Line().text, {T("class "), N(name), T(" implements LayoutManager {")}) &&
               name == result_.facts.className + "Layout";
    }

    bool FocusClassHeader() {
        std::string name;
        return MatchLine(Line().text,
                         {T("class "), N(name), T(" extends "), N(focusBase_), T(" {")}) &&
               name == result_.facts.className + "Focus" &&
               (focusBase_ == "LayoutFocusTraversalPolicy" ||
                focusBase_ == "DefaultFocusTraversalPolicy");
    }

    bool MenuBarLayoutClassHeader() {
        std::string name;
        return MatchLine(Line().text, {T("class "), N(name), T(" implements LayoutManager {")}) &&
               name == result_.facts.className + std::string(kMenuBarLayoutSuffix);
    }

    // --- the public class ---
    void ReadMainClass() {
        haveMainClass_ = true;
        AddItem(kTopLevel, ItemKind::MainClass, {}, Line().number);
        const int classItem = anchor_;
        AddItem(kMainClass, ItemKind::Header, {}, Line().number);
        Next();
        TakeTrailingBlank();
        if (keep_ && !keep_->mainClass) SkipToLine(kClassClose);
        while (!AtEnd()) {
            // A field ends with ";", the first line of a method or class with "{".
            const std::string_view text = Line().code;
            const int number = Line().number;
            std::string_view written;
            if (text == "}") {
                result_.mainClassClose = Line().begin;
                Next();
                anchor_ = classItem;
                TakeTrailingBlank();
                return;
            }
            if (text.ends_with(';') && FieldLine(text, number, written)) {
                fields_.push_back({AddItem(kMainClass, ItemKind::Field, written, number),
                                   Line().begin, Line().next, written});
                Next();
                TakeTrailingBlank();
            } else if (text.ends_with('{') && ListenerClassHeader(text, written)) {
                // First: listener classes are many, the constructor and main one each.
                ReadListener(written);
            } else if (text.ends_with('{') && ConstructorHeader(text)) {
                AddItem(kMainClass, ItemKind::Constructor, {}, number);
                Next();
                ReadGeneratedMethod(Body::Constructor);
                TakeTrailingBlank();
            } else if (text.ends_with('{') &&
                       MatchLine(text, {T("public static void main(String args[]) {")})) {
                AddItem(kMainClass, ItemKind::Main, {}, number);
                Next();
                ReadGeneratedMethod(Body::Main);
                TakeTrailingBlank();
            } else {
                TakeText(kMainClass, TextPlace::Member);
            }
        }
        Refuse(result_.facts.headerLine, "the braces do not balance: the class " +
                                             result_.facts.className + " is never closed");
    }

    enum class Body { Constructor, Main, Layout };

    // The lines of a generated method after its first line, up to its closing brace.
    void ReadGeneratedMethod(Body body) {
        if (trusted_) {
            SkipToLine(kMemberClose);
            Next();
            return;
        }
        int depth = 0;
        while (!AtEnd()) {
            const SourceLine line = Line();
            if (line.code.empty()) {
                Next();
                continue;
            }
            bool opens = false, closes = false, known = false;
            if (body == Body::Constructor) {
                known = statements_.Constructor(line.code, line.number, opens, closes);
            } else if (body == Body::Main) {
                known = statements_.Main(line.code, opens, closes);
            } else {
                known = statements_.Layout(line.code, line.number, opens, closes);
            }
            if (!known) {
                result_.codeInGeneratedMethods.push_back({line.number, std::string(line.code)});
                TakeForeignStatements();
                continue;
            }
            Next();
            if (opens) ++depth;
            if (closes && depth-- == 0) return;
        }
    }

    // Code of the developer's own inside a generated method: checked as statements and passed
    // over; the generated method around it is not the developer's to keep.
    void TakeForeignStatements() {
        const SourceLine line = Line();
        const TextExtent extent = ScanDeveloperText(file_, line.begin);
        if (!extent.error.empty() || extent.end == line.begin) {
            Refuse(line.number, extent.error.empty() ? "a closing brace that closes nothing here"
                                                     : extent.error);
            return;
        }
        const int lines = CountLines(file_.substr(line.begin, extent.end - line.begin));
        const CheckedText checked =
            checker_.Check(file_, line.begin, extent.end, line.number, TextPlace::Statements);
        if (!checked.ok) Refuse(checked.errorLine, checked.error);
        cursor_.MoveTo(extent.end, line.number + lines);
    }

    // "<Type> <name>;": the generator's fields are read for the facts of their names, except in
    // a class just generated.
    bool FieldLine(std::string_view text, int number, std::string_view& name) {
        if (!trusted_) return statements_.Field(text, number, name);
        const size_t space = text.rfind(' ');
        if (space == std::string_view::npos) return false;
        name = text.substr(space + 1, text.size() - space - 2);
        return true;
    }

    bool IsClassName(std::string_view written) {
        return UnescapedName(written, scratch_) == result_.facts.className;
    }

    // public <Class>(), public <Class>(<Owner> dialog_parent, String title) or init().
    bool ConstructorHeader(std::string_view text) {
        std::string_view name, owner;
        return MatchLine(text, {T("public void init() {")}) ||
               (MatchLine(text, {T("public "), W(name), T("() {")}) && IsClassName(name)) ||
               (MatchLine(text, {T("public "), W(name), T("("), W(owner),
                                 T(" dialog_parent, String title) {")}) &&
                IsClassName(name));
    }

    // --- listener classes ---
    bool ListenerClassHeader(std::string_view text, std::string_view& written) {
        if (!trusted_ && HeaderAsGenerated(text, written)) return true;
        std::string_view relationWritten, typeWritten;
        if (!SplitListenerClassHeader(text, written, relationWritten, typeWritten)) return false;
        if (trusted_) {
            // The generator writes no other class among the members; what it listens to is
            // read only from a file that is not trusted.
            listenerSuffix_ = {};
            return true;
        }
        std::string relationScratch;
        const std::string_view relation = UnescapedName(relationWritten, relationScratch);
        if (relation != "implements" && relation != "extends") return false;
        const auto row = listenerRows_.find(UnescapedName(typeWritten, scratch_));
        if (row == listenerRows_.end()) return false;
        const bool implements = row->second->flag == "L";
        const std::string_view name = UnescapedName(written, scratch_);
        if ((relation == "implements") != implements || !name.ends_with(row->second->suffix) ||
            name.size() == row->second->suffix.size())
            return false;
        listenerRow_ = row->second;
        listenerSuffix_ = row->second->suffix;
        return true;
    }

    // "class <component><suffix> <relation> <type> {" with the generator's spacing and an ASCII
    // name, its end compared with the end each listener type gives it; the type after the
    // last one read first, as the generator writes the classes of a component in that order.
    bool HeaderAsGenerated(std::string_view text, std::string_view& written) {
        constexpr std::string_view kStart = "class ";
        if (!text.starts_with(kStart)) return false;
        const size_t count = classTails_.size();
        for (size_t tried = 0; tried < count; ++tried) {
            const size_t k = (lastTail_ + 1 + tried) % count;
            const std::string_view tail = classTails_[k];
            if (!text.ends_with(tail) || text.size() <= kStart.size() + tail.size() ||
                AsciiNameEnd(text, kStart.size()) !=
                    text.size() - tail.size() + catalogue_.ListenerTable()[k].suffix.size())
                continue;
            lastTail_ = k;
            listenerRow_ = &catalogue_.ListenerTable()[k];
            listenerSuffix_ = listenerRow_->suffix;
            written = text.substr(
                kStart.size(), text.size() - kStart.size() - tail.size() + listenerSuffix_.size());
            return true;
        }
        return false;
    }

    void ReadListener(std::string_view container) {
        const int headerLine = Line().number;
        AddItem(kMainClass, ItemKind::ListenerClass, container, headerLine);
        const int classItem = anchor_;
        javasource::ReadListenerClass* facts = nullptr;
        if (!trusted_ && !forMerge_) {
            facts = &result_.facts.listenerClasses.emplace_back();
            facts->name = container;
            facts->listener = listenerRow_;
            facts->line = headerLine;
            facts->firstMethod = result_.methods.size();
        }
        // The component's name as the class name writes it.
        const std::string_view component =
            container.substr(0, container.size() - listenerSuffix_.size());
        const size_t itemsBeforeClass = result_.items.size();
        const size_t textsBeforeClass = result_.texts.size();
        methodsOfClass_.Clear();
        AddItem(container, ItemKind::Header, {}, Line().number);
        Next();
        TakeTrailingBlank();
        // After its closing line.
        const auto close = [&] {
            anchor_ = classItem;
            TakeTrailingBlank();
            // A merge places text after the items of a listener class only when the class holds
            // some.
            if (forMerge_ && result_.texts.size() == textsBeforeClass)
                result_.items.resize(itemsBeforeClass);
        };
        if (anchor_ == kNotKept)
            SkipToLine(kMemberClose);
        else if (!trusted_ && TakeStubsAsGenerated(container, component, facts))
            return close();
        while (!AtEnd()) {
            const std::string_view text = Line().code;
            std::string_view written;
            if (text == "}") {
                Next();
                return close();
            }
            if (ListenerMethodHeader(text, written)) {
                if (facts) ++facts->methodCount;
                if (forMerge_ && !methodsOfClass_.Add(written)) {
                    Refuse(Line().number,
                           std::string(container) + "." + std::string(written) + " is there twice");
                    return;
                }
                AddItem(container, ItemKind::ListenerMethod, written, Line().number);
                ReadListenerMethod(container, written, component);
                TakeTrailingBlank();
            } else {
                TakeText(container, TextPlace::Member);
            }
        }
        Refuse(headerLine, "the braces do not balance: the class " +
                               std::string(UnescapedName(container, scratch_)) +
                               " is never closed");
    }

    // class <name> <relation> <type> {
    static bool SplitListenerClassHeader(std::string_view text, std::string_view& name,
                                         std::string_view& relation, std::string_view& type) {
        // The generator's own spacing and ASCII names first, without the general matcher.
        constexpr std::string_view kStart = "class ", kEnd = " {";
        if (text.starts_with(kStart) && text.ends_with(kEnd)) {
            const size_t nameEnd = AsciiNameEnd(text, kStart.size());
            const size_t relationEnd = AsciiNameEnd(text, nameEnd + 1);
            const size_t typeEnd = AsciiNameEnd(text, relationEnd + 1);
            if (nameEnd > kStart.size() && text[nameEnd] == ' ' && relationEnd > nameEnd + 1 &&
                text[relationEnd] == ' ' && typeEnd > relationEnd + 1 &&
                typeEnd == text.size() - kEnd.size()) {
                name = text.substr(kStart.size(), nameEnd - kStart.size());
                relation = text.substr(nameEnd + 1, relationEnd - nameEnd - 1);
                type = text.substr(relationEnd + 1, typeEnd - relationEnd - 1);
                return true;
            }
        }
        return MatchLine(text, {T(kStart), W(name), T(" "), W(relation), T(" "), W(type), T(kEnd)});
    }

    // In a class just generated, what is not read is passed over to its closing line: the
    // generator indents its members by four and their contents further, so that the closing
    // line of a member (a method or listener class) is the first line after its first that is
    // "    }", and that of a top-level class the first that is "}".
    static constexpr std::string_view kMemberClose = "    }", kClassClose = "}";
    void SkipToLine(std::string_view close) {
        const std::string_view text = file_;
        const size_t from = Line().begin;
        // A closing line ends with a brace, which few lines hold: each brace is looked at.
        size_t at = text.size();
        for (size_t brace = from; brace < text.size(); ++brace) {
            const auto* found = static_cast<const char*>(
                std::memchr(text.data() + brace, '}', text.size() - brace));
            if (!found) break;
            brace = static_cast<size_t>(found - text.data());
            const size_t after = brace + 1;
            if (after < from + close.size()) continue;
            const size_t start = after - close.size();
            if ((start == from || text[start - 1] == '\n') &&
                (after == text.size() || text[after] == '\r' || text[after] == '\n') &&
                text.substr(start, close.size()) == close) {
                at = start;
                break;
            }
        }
        const bool count = !keep_ || keep_->countLines;
        cursor_.MoveTo(at, Line().number + (count ? CountLines(text.substr(from, at - from)) : 0));
    }

    // A listener class whose lines are all the generator's own, byte for byte, holds only the
    // stubs of its methods. Its lines are compared here with the few forms each can be, at a
    // fraction of the cost of reading them one by one, and the class is taken to its closing
    // line with the items and methods the line-by-line reading gives it (in a merge, none: it
    // holds nothing a merge keeps). Anything else (an edited body, other spacing, a blank line,
    // a method twice) leaves the class to be read line by line.
    bool TakeStubsAsGenerated(std::string_view container, std::string_view component,
                              javasource::ReadListenerClass* facts) {
        const size_t itemsBefore = result_.items.size(), methodsBefore = result_.methods.size();
        const int anchorBefore = anchor_;
        const auto giveUp = [&] {
            result_.items.resize(itemsBefore);
            result_.methods.resize(methodsBefore);
            anchor_ = anchorBefore;
            if (facts) facts->methodCount = 0;
            return false;
        };
        const std::vector<MethodForm>& forms = MethodFormsOf(*listenerRow_);
        uint64_t seen = 0;  // bit k: forms[k] was read
        size_t at = Line().begin, next = 0;
        int number = Line().number;
        // The methods are compared in place, a few pieces each, in the line end of the class's
        // first line; the generator writes them in the order of their forms.
        const size_t crlf = at >= 2 && file_[at - 2] == '\r' ? 1 : 0;
        const std::string_view lineEnd = crlf ? "\r\n" : "\n";
        for (size_t k = 0; !IsLineAt(at, kMemberClose, lineEnd); ++k) {
            if (k >= forms.size() || !StartsAt(at, forms[k].head[crlf])) {
                k = 0;
                while (k < forms.size() && !StartsAt(at, forms[k].head[crlf])) ++k;
            }
            if (k == forms.size() || (seen >> k & 1) != 0) return giveUp();
            seen |= uint64_t{1} << k;
            const MethodForm& form = forms[k];
            ListenerMethod m;
            m.className = container;
            m.method = file_.substr(at + kMethodNameAt, form.methodSize);
            m.eventIndex = form.eventIndex;
            m.headerLine = number;
            m.begin = at;
            m.bodyBegin = at + form.firstLineSize + lineEnd.size();
            at += form.head[crlf].size();
            if (form.stub->named) {
                if (!StartsAt(at, component)) return giveUp();
                at += component.size();
            }
            if (!StartsAt(at, form.stubEnd[crlf])) return giveUp();
            at += form.stubEnd[crlf].size();
            number += 2;
            if (!IsLineAt(at, kStubClose, lineEnd)) {
                if (!IsPopupLines(LineAt(file_, at, next), at, next, m)) return giveUp();
                at = next;
                number += 3;
                if (!IsLineAt(at, kStubClose, lineEnd)) return giveUp();
            }
            m.bodyEnd = at;
            m.end = at += kStubClose.size() + lineEnd.size();
            ++number;
            if (forMerge_) continue;
            GeneratedItem& item = result_.items[static_cast<size_t>(
                AddItem(container, ItemKind::ListenerMethod, m.method, m.headerLine))];
            item.endOfLines = item.end = m.end;
            result_.methods.push_back(m);
            if (facts) ++facts->methodCount;
        }
        // Past the closing line, found above.
        cursor_.MoveTo(at + kMemberClose.size() + lineEnd.size(), number + 1);
        return true;
    }

    // Where a method's name begins in its first line as the generator writes it.
    static constexpr size_t kMethodNameAt = std::string_view("        public void ").size();
    static constexpr std::string_view kStubIndent = "            ";

    // Whether `line` and the two after it are the lines of a stub that open its popup window
    // as the generator writes them; `at` and `next` then move to the last of them.
    bool IsPopupLines(std::string_view line, size_t& at, size_t& next, ListenerMethod& m) const {
        if (!line.starts_with(kStubIndent)) return false;
        line.remove_prefix(kStubIndent.size());
        constexpr std::string_view kNew = " window = new ";
        const size_t kindEnd = AsciiNameEnd(line, 0);
        const std::string_view kind = line.substr(0, kindEnd);
        if (line.substr(kindEnd, kNew.size()) != kNew) return false;
        const size_t classEnd = AsciiNameEnd(line, kindEnd + kNew.size());
        if (classEnd == kindEnd + kNew.size()) return false;
        const std::string_view rest = line.substr(classEnd);
        if (kind == "Dialog"
                ? rest != "(frame, \"Title\");"
                : (kind != "Frame" && kind != "JFrame" && kind != "JDialog") || rest != "();")
            return false;
        size_t pos = next, after = 0;
        if (LineAt(file_, pos, after) != "            window.pack();") return false;
        pos = after;
        if (LineAt(file_, pos, after) != "            window.show();") return false;
        at = pos;
        next = after;
        m.popupKind = kind;
        m.popupClass = line.substr(kindEnd + kNew.size(), classEnd - kindEnd - kNew.size());
        return true;
    }

    // public void <method>(<Event> e) {
    static bool ListenerMethodHeader(std::string_view text, std::string_view& method) {
        // The generator's own spacing and ASCII names first, without the general matcher.
        constexpr std::string_view kStart = "public void ", kEnd = " e) {";
        if (text.starts_with(kStart) && text.ends_with(kEnd)) {
            const size_t open = AsciiNameEnd(text, kStart.size());
            if (open > kStart.size() && open < text.size() && text[open] == '(' &&
                AsciiNameEnd(text, open + 1) == text.size() - kEnd.size()) {
                method = text.substr(kStart.size(), open - kStart.size());
                return true;
            }
        }
        std::string_view event;
        return MatchLine(text, {T(kStart), W(method), T("("), W(event), T(kEnd)});
    }

    // A listener method from its first line: the stub, or a body of the developer's.
    void ReadListenerMethod(std::string_view cls, std::string_view method,
                            std::string_view component) {
        ListenerMethod& m =
            anchor_ == kNotKept ? (notKeptMethod_ = {}) : result_.methods.emplace_back();
        m.className = cls;
        m.method = method;
        m.headerLine = Line().number;
        m.begin = Line().begin;
        const SourceLine header = Line();
        Next();
        m.bodyBegin = header.next;
        if (ReadStub(component, method, m)) {
            m.end = Line().begin;
            m.bodyEnd = closeOfStub_;
            // A merge writes the fresh stub in its place.
            if (forMerge_) result_.methods.pop_back();
            return;
        }
        // Not the stub: the body is the developer's, up to the brace that closes it.
        m.edited = true;
        cursor_.MoveTo(header.next, header.number + 1);
        const size_t open = header.begin + header.text.rfind('{');
        size_t failedAt = 0;
        const std::optional<size_t> close = MatchingBrace(file_, open, failedAt);
        if (!close) {
            Refuse(header.number + CountLines(file_.substr(header.begin, failedAt - header.begin)),
                   "the braces of " + std::string(cls) + "." + std::string(method) +
                       " do not balance");
            return;
        }
        size_t closeLine = file_.rfind('\n', *close);
        closeLine = closeLine == std::string_view::npos ? 0 : closeLine + 1;
        m.bodyEnd = IsBlankText(file_.substr(closeLine, *close - closeLine)) ? closeLine : *close;
        const int closeNumber =
            header.number + CountLines(file_.substr(header.begin, *close - header.begin));
        cursor_.MoveTo(closeLine, closeNumber);
        if (!IsBlankText(Line().text.substr(*close - closeLine + 1))) {
            Refuse(closeNumber, "code follows the closing brace of " + std::string(cls) + "." +
                                    std::string(method));
            return;
        }
        // The closing line is kept with the body; a carriage return standing alone among its
        // blanks would end a line in a merged file where the brace is commented out.
        if (LoneCarriageReturn(Line().text)) {
            Refuse(closeNumber, std::string(kLoneCarriageReturn));
            return;
        }
        if (m.bodyEnd > m.bodyBegin) {
            const CheckedText checked = checker_.Check(file_, m.bodyBegin, m.bodyEnd,
                                                       header.number + 1, TextPlace::Statements);
            if (!checked.ok) Refuse(checked.errorLine, checked.error);
        }
        Next();
        m.end = Line().begin;
    }

    // Whether the lines after a listener method's first line are the stub and its closing
    // brace; the popup window it opens is kept in m.
    // The stub line of a method around the component's name: the name stands in it as its
    // field does (in the generator's \u escapes), between the two parts.
    struct StubParts {
        std::string before, after;
        bool named = true;  // the component's name stands between the two parts
    };
    const StubParts& StubOf(std::string_view method) {
        if (const auto it = stubs_.find(method); it != stubs_.end()) return it->second;
        constexpr std::string_view kMark = "@NAME@";
        const std::string line(Trimmed(ListenerStubLine(std::string(method) + "()", kMark)));
        const size_t at = line.find(kMark);
        StubParts& parts = stubs_[method];
        parts.before = at == std::string::npos ? line : line.substr(0, at);
        if (at != std::string::npos) parts.after = line.substr(at + kMark.size());
        // A comment, without the name.
        parts.named = !parts.after.empty() || parts.before.find("println") != std::string::npos;
        return parts;
    }

    bool IsStubLine(std::string_view line, std::string_view component, std::string_view method) {
        const StubParts& parts = StubOf(method);
        if (!parts.named) return line == parts.before;
        return line.size() == parts.before.size() + component.size() + parts.after.size() &&
               line.starts_with(parts.before) && line.ends_with(parts.after) &&
               line.substr(parts.before.size(), component.size()) == component;
    }

    // Whether `text` stands in the file at `at`.
    bool StartsAt(size_t at, std::string_view text) const {
        return file_.size() - at >= text.size() &&
               std::memcmp(file_.data() + at, text.data(), text.size()) == 0;
    }
    // Whether the line at `at` is `text` ended by `lineEnd`.
    bool IsLineAt(size_t at, std::string_view text, std::string_view lineEnd) const {
        return StartsAt(at, text) && StartsAt(at + text.size(), lineEnd);
    }
    static constexpr std::string_view kStubClose = "        }";

    // The first line and the stub of each listener method of a listener type, as the generator
    // writes them, made the first time a class of the type is read.
    struct MethodForm {
        size_t firstLineSize = 0;
        // For LF and for CR LF line ends: the first line with its line end and the stub line up
        // to the component's name, and the rest of the stub line with its line end.
        std::string head[2], stubEnd[2];
        size_t methodSize = 0;  // of the method's name in it
        int eventIndex = 0;     // its row of the catalogue's EventMethodTable
        const StubParts* stub = nullptr;
    };
    const std::vector<MethodForm>& MethodFormsOf(const ListenerRow& listener) {
        const auto rows = catalogue_.ListenerTable();
        std::optional<std::vector<MethodForm>>& forms =
            methodForms_[static_cast<size_t>(&listener - rows.data())];
        if (!forms) {
            forms.emplace();
            for (const EventMethodRow& row : catalogue_.EventMethodTable()) {
                if (row.kind != listener.kind || forms->size() == 64) continue;
                std::string_view method = row.method;
                if (method.ends_with("()")) method.remove_suffix(2);
                MethodForm& form = forms->emplace_back();
                const std::string firstLine = ListenerMethodFirstLine(row.method, row.kind);
                form.firstLineSize = firstLine.size();
                form.methodSize = method.size();
                form.eventIndex = static_cast<int>(&row - catalogue_.EventMethodTable().data());
                form.stub = &StubOf(method);
                for (const size_t crlf : {0, 1}) {
                    const std::string_view lineEnd = crlf ? "\r\n" : "\n";
                    AppendAll(form.head[crlf], {std::string_view(firstLine), lineEnd, kStubIndent,
                                                std::string_view(form.stub->before)});
                    AppendAll(
                        form.stubEnd[crlf],
                        {form.stub->named ? std::string_view(form.stub->after) : "", lineEnd});
                }
            }
        }
        return *forms;
    }

    bool ReadStub(std::string_view component, std::string_view method, ListenerMethod& m) {
        if (AtEnd()) return false;
        if (trusted_) {
            // The generator's stub: its lines up to the closing brace at the method's indent.
            while (!AtEnd() && Line().code != "}") Next();
            closeOfStub_ = Line().begin;
            Next();
            return true;
        }
        if (!IsStubLine(Line().code, component, method)) return false;
        Next();
        std::string_view windowKind, windowClass;
        const std::string_view next = Line().code;
        if (next != "}") {
            const bool dialog = MatchLine(
                next, {T("Dialog window = new "), W(windowClass), T("(frame, \"Title\");")});
            if (dialog ||
                (MatchLine(next, {W(windowKind), T(" window = new "), W(windowClass), T("();")}) &&
                 (windowKind == "Frame" || windowKind == "JFrame" || windowKind == "JDialog"))) {
                Next();
                if (!MatchLine(Line().text, {T("window.pack();")})) return false;
                Next();
                if (!MatchLine(Line().text, {T("window.show();")})) return false;
                Next();
                m.popupKind = dialog ? "Dialog" : windowKind;
                m.popupClass = windowClass;
            }
        }
        if (Line().code != "}") {
            // An edited body may still begin with the popup lines; the import reads them.
            return false;
        }
        closeOfStub_ = Line().begin;
        Next();
        return true;
    }

    // --- the layout and focus classes ---
    void ReadLayoutClass() {
        haveLayoutClass_ = true;
        AddItem(kTopLevel, ItemKind::LayoutClass, {}, Line().number);
        const int classItem = anchor_;
        AddItem(kLayoutClass, ItemKind::Header, {}, Line().number);
        const std::string layout = result_.facts.className + "Layout";
        Next();
        TakeTrailingBlank();
        while (!AtEnd()) {
            const std::string_view text = Line().code;
            std::string name;
            std::string_view key, written;
            if (MatchLine(text, {T("}")})) {
                Next();
                anchor_ = classItem;
                TakeTrailingBlank();
                return;
            }
            if (MatchLine(text, {T("public "), N(name), T("() {")}) && name == layout)
                key = "constructor";
            else if (MatchLine(
                         text,
                         {T("public void addLayoutComponent(String name, Component comp) {")}))
                key = "add";
            else if (MatchLine(text, {T("public void removeLayoutComponent(Component comp) {")}))
                key = "remove";
            else if (MatchLine(text,
                               {T("public Dimension preferredLayoutSize(Container parent) {")}))
                key = "preferred";
            else if (MatchLine(text, {T("public Dimension minimumLayoutSize(Container parent) {")}))
                key = "minimum";
            else if (MatchLine(text, {T("public void layoutContainer(Container parent) {")}))
                key = "layout";
            else if (MatchLine(text, {T("private void "), W(written),
                                      T("(Container parent, Insets insets) {")}) &&
                     written.starts_with("place"))
                key = written;
            if (key.empty()) {
                TakeText(kLayoutClass, TextPlace::Member);
                continue;
            }
            AddItem(kLayoutClass, ItemKind::LayoutMethod, key, Line().number);
            Next();
            ReadGeneratedMethod(Body::Layout);
            TakeTrailingBlank();
        }
        Refuse(result_.facts.headerLine,
               "the braces do not balance: the class " + layout + " is never closed");
    }

    // The focus class and the menu bar's layout class are generated whole: their lines must be
    // the generator's (`lines`, the empty line before the class first).
    void ReadWholeClass(ItemKind kind, const std::vector<std::string>& lines) {
        AddItem(kTopLevel, kind, {}, Line().number);
        const SourceLine header = Line();
        Next();
        for (size_t k = 2; k < lines.size() && !AtEnd(); ++k) {
            if (Line().code != Trimmed(lines[k])) {
                if (!trusted_) {
                    result_.codeInGeneratedMethods.push_back(
                        {Line().number, std::string(Line().code)});
                }
                // Past the class, wherever its brace closes.
                size_t failedAt = 0;
                const std::optional<size_t> close =
                    MatchingBrace(file_, header.begin + header.text.rfind('{'), failedAt);
                if (!close) {
                    Refuse(header.number, "the braces of the class " + std::string(header.code) +
                                              " do not balance");
                    return;
                }
                const size_t lf = file_.find('\n', *close);
                const size_t next = lf == std::string_view::npos ? file_.size() : lf + 1;
                cursor_.MoveTo(next, header.number + CountLines(file_.substr(header.begin,
                                                                             next - header.begin)));
                return;
            }
            Next();
        }
        TakeTrailingBlank();
    }

    // A field without a component, group, scroll pane or other value the constructor gives it
    // was written by the developer: it is kept as text where it stands.
    void ResolveFields() {
        bool any = false;
        for (const Field& field : fields_) {
            if (statements_.Assigned(field.name)) continue;
            GeneratedItem& item = result_.items[static_cast<size_t>(field.item)];
            item.kind = ItemKind::None;
            DeveloperText& text = result_.texts.emplace_back();
            text.container = kMainClass;
            text.anchor = field.item - 1;
            // With the empty line after it, which was taken as the field's.
            text.begin = field.begin;
            text.end = item.end;
            text.firstLine = text.lastLine = item.line;
            text.place = TextPlace::Member;
            text.contents = {"field " + std::string(UnescapedName(field.name, scratch_))};
            any = true;
        }
        if (any)
            std::stable_sort(
                result_.texts.begin(), result_.texts.end(),
                [](const DeveloperText& a, const DeveloperText& b) { return a.begin < b.begin; });
    }

    void CheckTexts() {
        for (DeveloperText& text : result_.texts) {
            const std::string_view bytes = file_.substr(text.begin, text.end - text.begin);
            if (IsBlankText(bytes)) {
                text.blank = true;
                continue;
            }
            if (!text.contents.empty()) continue;  // a field line already read
            const CheckedText checked =
                checker_.Check(file_, text.begin, text.end, text.firstLine, text.place);
            if (!checked.ok) {
                Refuse(checked.errorLine, checked.error);
                return;
            }
            text.contents = checked.contents;
        }
    }

    std::string_view file_;
    LineCursor cursor_;
    bool trusted_;
    bool forMerge_;
    const ItemFilter* keep_;
    GeneratedItem notKept_;
    ListenerMethod notKeptMethod_;
    ReadClass result_;
    GeneratedStatements statements_;
    SyntaxChecker checker_;
    EventCatalogue catalogue_;
    int anchor_ = -1;
    bool haveMainClass_ = false, haveLayoutClass_ = false, haveFocusClass_ = false,
         haveMenuBarLayoutClass_ = false;
    std::string focusBase_;
    struct Field {
        int item;
        size_t begin, end;
        std::string_view name;  // as written
    };
    std::vector<Field> fields_;
    // The names of the methods of the listener class being read, as written: a class holds a
    // few, and any number only in a file made to hold them.
    class MethodNames {
      public:
        void Clear() {
            few_.clear();
            if (many_.size() > 0) many_ = NameTable<bool>();
        }
        // False when the class has the name already.
        bool Add(std::string_view name) {
            if (few_.size() < kFew) {
                if (std::find(few_.begin(), few_.end(), name) != few_.end()) return false;
                few_.push_back(name);
                return true;
            }
            if (many_.size() == 0)
                for (std::string_view earlier : few_) many_.Insert(earlier);
            return many_.Insert(name).second;
        }

      private:
        static constexpr size_t kFew = 16;
        std::vector<std::string_view> few_;
        NameTable<bool> many_;
    };
    MethodNames methodsOfClass_;
    const ListenerRow* listenerRow_ = nullptr;
    std::string_view listenerSuffix_;
    size_t closeOfStub_ = 0;
    // The methods are the few of the catalogue: told apart by their length and three letters.
    struct MethodHash {
        size_t operator()(std::string_view m) const {
            return m.empty() ? 0
                             : m.size() * 977 + static_cast<unsigned char>(m[0]) * 31 +
                                   static_cast<unsigned char>(m[m.size() / 2]) * 7 +
                                   static_cast<unsigned char>(m.back());
        }
    };
    std::unordered_map<std::string_view, StubParts, MethodHash> stubs_;
    std::unordered_map<std::string_view, const ListenerRow*> listenerRows_;
    // For each row of the listener table, what follows the component's name in the first line
    // of a class of it: "_ML extends MouseAdapter {".
    std::vector<std::string> classTails_;
    size_t lastTail_ = 0;
    std::vector<std::optional<std::vector<MethodForm>>> methodForms_;
    std::string scratch_;
};

}  // namespace

ReadClass ReadGeneratedClass(std::string_view file, bool trusted, const ItemFilter* keep) {
    return Reader(file, trusted, keep).Read();
}

ReadClass ReadClassForMerge(std::string_view file) {
    return Reader(file, false, nullptr, true).Read();
}

}  // namespace korvane::javasource
