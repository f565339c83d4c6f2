#include "javasource/JavaImport.h"

#include <algorithm>
#include <memory_resource>
#include <unordered_map>
#include <unordered_set>

#include "codegen/EventCatalogue.h"
#include "codegen/MenuBarWriter.h"
#include "codegen/Stacking.h"
#include "document/ComponentKinds.h"
#include "document/MenuBar.h"
#include "javasource/JavaLexis.h"

namespace korvane::javasource {
namespace {

constexpr double kTwipsPerPixel = 15;

// A name as the file writes it, its \u escapes translated.
std::string Decoded(std::string_view written) {
    std::string name;
    return JavaLineReader(written).Name(name) ? name : std::string(written);
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty()) out += ", ";
        out += p;
    }
    return out;
}

class Importer {
  public:
    explicit Importer(std::string_view file) : file_(file) {}

    ImportedClass Run() {
        read_ = ReadGeneratedClass(file_);
        if (read_.refusal) {
            out_.refusal = read_.refusal;
            return std::move(out_);
        }
        const ClassFacts& facts = read_.facts;
        out_.className = facts.className;
        out_.target = facts.target;
        WindowAndFont();
        Components();
        Events();
        Popups();
        MenuBar();
        for (size_t k : slotOrder_) out_.project.components.push_back(std::move(components_[k]));
        DeveloperCode();
        for (const Finding& note : facts.notes) Unmapped(note.line, note.text);
        std::stable_sort(out_.unmapped.begin(), out_.unmapped.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        return std::move(out_);
    }

  private:
    void Unmapped(int line, std::string what) { out_.unmapped.push_back({line, std::move(what)}); }

    void WindowAndFont() {
        const ClassFacts& facts = read_.facts;
        LoadedProject& p = out_.project;
        p.hasMainSize = true;
        if (facts.width && facts.height) {
            p.outerWidth =
                static_cast<double>(*facts.width) * kTwipsPerPixel + kDesignMargin + kFrameWidth;
            p.outerHeight =
                static_cast<double>(*facts.height) * kTwipsPerPixel + kDesignMargin + kFrameHeight;
        } else {
            Unmapped(facts.headerLine,
                     "the window's size is not given by the layout class; the "
                     "default size is taken");
        }
        if (facts.hasFont) {
            p.fontName = facts.fontName;
            p.fontStyle = facts.fontStyle;
            if (facts.fontSize >= 1 && facts.fontSize <= 32767) {
                p.fontSize = static_cast<int>(facts.fontSize);
            } else {
                Unmapped(facts.headerLine, "the font size " + std::to_string(facts.fontSize) +
                                               " is out of range; 12 is taken");
            }
        } else {
            Unmapped(facts.headerLine, "the class sets no font; Helvetica PLAIN 12 is taken");
        }
        const bool dialog = facts.target == "Dialog" || facts.target == "JDialog";
        const std::string owner = facts.target == "JDialog" ? "JFrame" : "Frame";
        if (dialog && !facts.dialogParent.empty() && facts.dialogParent != owner) {
            out_.dialogParent = facts.dialogParent;
            Unmapped(facts.dialogParentLine, "the dialog's owner type " + facts.dialogParent +
                                                 " is not kept in a design file");
        }
    }

    // The components in the order they are added: the tab order. Their slots go back to front,
    // so that the design surface stacks overlapping ones as the window does.
    void Components() {
        const ClassFacts& facts = read_.facts;
        std::unordered_map<std::string, size_t> byName;
        for (size_t i = 0; i < facts.components.size(); ++i) {
            const ReadComponent& c = facts.components[i];
            byName.emplace(c.name, i);
            if (!c.addLine)
                Unmapped(c.line, "the component " + c.name +
                                     " is created but never added to the "
                                     "window; it is not taken");
            else if (!c.fieldLine)
                Unmapped(c.line,
                         "the component " + c.name + " has no field; it is taken as a " + c.type);
        }
        const std::vector<std::string>& added = facts.addOrder;
        // The children once raised: the last raised first, then the others in the order added.
        std::vector<size_t> childOrder;  // indexes into `added`
        std::unordered_map<std::string, size_t> addIndex;
        for (size_t i = 0; i < added.size(); ++i) addIndex.emplace(added[i], i);
        std::vector<bool> raised(added.size(), false);
        std::vector<size_t> raiseRank(added.size(), 0);
        for (size_t r = facts.raisedChildren.size(); r-- > 0;) {
            const auto it = addIndex.find(facts.raisedChildren[r]);
            if (it == addIndex.end() || raised[it->second]) continue;
            raised[it->second] = true;
            raiseRank[it->second] = r;
            childOrder.push_back(it->second);
        }
        for (size_t i = 0; i < added.size(); ++i)
            if (!raised[i]) childOrder.push_back(i);

        components_.resize(added.size());
        for (size_t i = 0; i < added.size(); ++i) {
            const ReadComponent& read = facts.components[byName.at(added[i])];
            LoadedComponent& c = components_[i];
            c.name = read.name;
            c.type = read.type;
            c.value = read.value;
            c.order = std::to_string(i + 1);
            componentIndex_.emplace(c.name, i);
        }
        std::vector<ChildBounds> pixels(added.size());
        for (size_t child = 0; child < childOrder.size(); ++child) {
            const size_t i = childOrder[child];
            LoadedComponent& c = components_[i];
            if (child >= facts.bounds.size() || !facts.bounds[child]) {
                Unmapped(facts.components[byName.at(added[i])].addLine,
                         c.name + " (child " + std::to_string(child) +
                             " of the window) has no bounds in the layout class");
                continue;
            }
            const ReadBounds& b = *facts.bounds[child];
            c.x = static_cast<float>(static_cast<double>(b.left) * kTwipsPerPixel);
            c.y = static_cast<float>(static_cast<double>(b.top) * kTwipsPerPixel);
            c.sizeX = static_cast<double>(b.width) * kTwipsPerPixel;
            c.sizeY = static_cast<double>(b.height) * kTwipsPerPixel;
            if (!InRange(c)) {
                Unmapped(b.line,
                         "the bounds of " + c.name + " are beyond what a design holds; 0 is taken");
                c.x = c.y = 0;
                c.sizeX = c.sizeY = 0;
                continue;
            }
            pixels[i] = {b.left, b.top, b.left + b.width, b.top + b.height};
        }
        for (size_t child = added.size(); child < facts.bounds.size(); ++child)
            if (facts.bounds[child])
                Unmapped(facts.bounds[child]->line,
                         "the window has no child " + std::to_string(child) + " to place");
        slotOrder_ = SurfaceOrder(pixels, raised, raiseRank);
    }

    static bool InRange(const LoadedComponent& c) {
        const auto ok = [](double v) { return v >= -kGeometryLimit && v <= kGeometryLimit; };
        return ok(c.x) && ok(c.y) && ok(c.sizeX) && ok(c.sizeY);
    }

    // The slots in the order that gives the window's stacking: Java paints child 0 on top. Only
    // components that overlap another need an order; the others keep the order they were added.
    static std::vector<size_t> SurfaceOrder(const std::vector<ChildBounds>& pixels,
                                            const std::vector<bool>& raised,
                                            const std::vector<size_t>& raiseRank) {
        const std::vector<bool> overlaps = OverlapsAnother(pixels);
        const size_t n = pixels.size();
        // Back to front: the others from the last added (the first added is on top), then the
        // raised, the last raised on top.
        std::vector<size_t> stacked, sorted, raisedStacked;
        for (size_t i = 0; i < n; ++i)
            if (overlaps[i]) stacked.push_back(i);
        for (size_t k = stacked.size(); k-- > 0;)
            if (!raised[stacked[k]]) sorted.push_back(stacked[k]);
        for (const size_t i : stacked)
            if (raised[i]) raisedStacked.push_back(i);
        std::sort(raisedStacked.begin(), raisedStacked.end(),
                  [&](size_t a, size_t b) { return raiseRank[a] < raiseRank[b]; });
        sorted.insert(sorted.end(), raisedStacked.begin(), raisedStacked.end());
        std::vector<size_t> order(n);
        for (size_t i = 0; i < n; ++i) order[i] = i;
        for (size_t k = 0; k < stacked.size(); ++k) order[stacked[k]] = sorted[k];
        return order;
    }

    // The component or menu element a listener class belongs to: its name less the suffix,
    // translated (kept in `scratch` when it has \u escapes).
    std::string_view ComponentOfClass(const ReadListenerClass& cls, std::string& scratch) const {
        const std::string_view name = UnescapedName(cls.name, scratch);
        const ListenerRow* row = cls.listener;
        if (row && name.ends_with(row->suffix))
            return name.substr(0, name.size() - row->suffix.size());
        return name;
    }

    // The listener class of a name as written, or -1. The generator registers the classes in
    // the order it writes them: the class after the last one found is tried first, and the
    // table of all of them is built only when that guess fails.
    int ListenerClassNamed(std::string_view written) {
        const std::vector<ReadListenerClass>& listeners = read_.facts.listenerClasses;
        if (nextClass_ < listeners.size() && listeners[nextClass_].name == written)
            return static_cast<int>(nextClass_++);
        if (classIndex_.empty()) {
            classIndex_.reserve(listeners.size());
            for (size_t i = 0; i < listeners.size(); ++i) classIndex_.emplace(listeners[i].name, i);
        }
        const auto it = classIndex_.find(written);
        if (it == classIndex_.end()) return -1;
        nextClass_ = it->second + 1;
        return static_cast<int>(it->second);
    }

    // The component of a name, or components_.size(). A component's registrations follow one
    // another, and the next component's come next: those two are tried first.
    size_t ComponentNamed(std::string_view name) {
        for (const size_t guess : {lastComponent_, lastComponent_ + 1})
            if (guess < components_.size() && components_[guess].name == name)
                return lastComponent_ = guess;
        const auto it = componentIndex_.find(name);
        if (it == componentIndex_.end()) return components_.size();
        return lastComponent_ = it->second;
    }

    // A listener method's event as a design names it ("mouseClicked()") with its row of the
    // catalogue (-1 for none); the few methods of the catalogue are looked up once each.
    const std::pair<std::string, int>& EventOfMethod(std::string_view written) {
        const auto it = events_.find(written);
        if (it != events_.end()) return it->second;
        std::string scratch;
        std::string name = std::string(UnescapedName(written, scratch)) + "()";
        const int index = catalogue_.MethodIndex(name);
        return events_.emplace(written, std::pair{std::move(name), index}).first->second;
    }

    std::pair<std::string_view, int> EventOf(const ListenerMethod& m) {
        if (m.eventIndex < 0) return EventOfMethod(m.method);
        return {catalogue_.EventMethodTable()[static_cast<size_t>(m.eventIndex)].method,
                m.eventIndex};
    }

    void Events() {
        const ClassFacts& facts = read_.facts;
        const std::vector<ReadListenerClass>& listeners = facts.listenerClasses;
        std::unordered_set<std::string_view> menuNames;
        for (const ReadMenuElement& e : facts.menu)
            if (!e.name.empty()) menuNames.insert(e.name);
        std::vector<bool> registered(listeners.size(), false);
        std::string nameScratch, classScratch;
        for (const ReadRegistration& r : facts.registrations) {
            const std::string_view name = UnescapedName(r.name, nameScratch);
            const int clsIndex = ListenerClassNamed(r.className);
            const ReadListenerClass* cls =
                clsIndex < 0 ? nullptr : &listeners[static_cast<size_t>(clsIndex)];
            const ListenerRow* row = cls ? cls->listener : nullptr;
            if (!row || row->registration != r.registration ||
                ComponentOfClass(*cls, classScratch) != name) {
                Unmapped(r.line, "the registration of " + std::string(r.className) + " on " +
                                     std::string(name) +
                                     " is not one Korvane writes; it is not "
                                     "taken");
                continue;
            }
            const size_t component = ComponentNamed(name);
            if (component == components_.size() && !menuNames.count(name)) {
                Unmapped(r.line, std::string(name) +
                                     " is neither a component nor a menu element; its "
                                     "listener is not taken");
                continue;
            }
            if (registered[static_cast<size_t>(clsIndex)]) {
                Unmapped(r.line, std::string(r.className) + " is registered a second time");
                continue;
            }
            registered[static_cast<size_t>(clsIndex)] = true;
            std::string& events = component != components_.size() ? components_[component].events
                                                                  : menuEvents_[std::string(name)];
            for (size_t k = 0; k < cls->methodCount; ++k) {
                const ListenerMethod& m = read_.methods[cls->firstMethod + k];
                const auto [method, index] = EventOf(m);
                if (index < 0 || catalogue_.ListenerOfMethod(index) != row) {
                    Unmapped(m.headerLine, std::string(method) + " is not a method of " +
                                               std::string(row->listenerType) +
                                               "; it is not taken as an event of " +
                                               std::string(name));
                    continue;
                }
                if (!events.empty()) events += '|';
                events += method;
            }
        }
        for (size_t i = 0; i < listeners.size(); ++i)
            if (!registered[i])
                Unmapped(listeners[i].line, "the listener class " + Decoded(listeners[i].name) +
                                                " is registered on nothing; its methods are not "
                                                "taken");
    }

    void Popups() {
        std::string scratch;
        // Each method is read within its class: the class is the one whose methods hold it.
        for (const ReadListenerClass& owner : read_.facts.listenerClasses)
            for (size_t k = 0; k < owner.methodCount; ++k)
                Popup(owner, read_.methods[owner.firstMethod + k], scratch);
    }

    void Popup(const ReadListenerClass& owner, const ListenerMethod& m, std::string& scratch) {
        if (m.popupKind.empty()) return;
        const std::string cls = Decoded(m.className), method = Decoded(m.method);
        const std::string name(ComponentOfClass(owner, scratch));
        const size_t c = ComponentNamed(name);
        if (c == components_.size()) {
            Unmapped(m.headerLine, "the window opened in " + cls + "." + method +
                                       " belongs to no component; it is not taken");
            return;
        }
        std::string& popup = components_[c].popup;
        if (!popup.empty()) {
            Unmapped(m.headerLine, name + " opens a second window; only the first is taken");
            return;
        }
        popup = std::string(m.popupKind) + "," + Decoded(m.popupClass) + "," + method + "()";
    }

    void MenuBar() {
        const ClassFacts& facts = read_.facts;
        std::unordered_map<std::string, int> levelOf;
        std::unordered_set<std::string> names;
        for (const ReadMenuElement& e : facts.menu)
            if (!e.name.empty()) names.insert(e.name);
        int separators = 0;
        for (const ReadMenuElement& e : facts.menu) {
            int level = 0;
            if (!e.holder.empty()) {
                const auto it = levelOf.find(e.holder);
                if (it == levelOf.end()) {
                    Unmapped(e.line, "the menu " + e.holder +
                                         " holding this element comes later "
                                         "or is not a menu; it is not taken");
                    continue;
                }
                level = it->second + 1;
            }
            MenuElement m;
            m.Name = e.name;
            if (e.type == "Separator") {
                // A separator's name is not written; one is made up that no element has.
                do {
                    m.Name = "separator" + std::to_string(++separators);
                } while (names.count(m.Name));
                names.insert(m.Name);
            }
            m.Label = e.label;
            m.Type = e.type;
            m.State = MenuStateText(MenuElementState{e.checked, !e.disabled});
            m.Level = std::to_string(level);
            m.Shortcut = e.shortcut;
            if (const auto ev = menuEvents_.find(e.name); ev != menuEvents_.end())
                m.Events = ev->second;
            if (e.type == "Menu") levelOf[e.name] = level;
            if (level == 0) BarElement(e, m.Events);
            out_.project.menuElements.push_back(std::move(m));
        }
        MenuBarLayout();
    }

    // Only menus stand in the bar; an item with events stands there in a menu of its own,
    // labelled as the item.
    void BarElement(const ReadMenuElement& e, const std::string& events) {
        if (e.type == "Menu") return;
        if (!e.ownMenuLabel) {
            Unmapped(e.line, e.name +
                                 " stands in the menu bar itself, where a design holds only "
                                 "menus and items with events in a menu of their own");
        } else if (events.empty()) {
            Unmapped(e.line, e.name +
                                 " stands in the menu bar in a menu of its own but has no "
                                 "events; a design makes it a menu");
        } else if (*e.ownMenuLabel != e.label) {
            Unmapped(e.line, "the menu holding " + e.name +
                                 " in the menu bar is not labelled as the item; a design "
                                 "labels it so");
        }
    }

    // A JFrame's menu bar is laid out by the class <Class>MenuBarLayout, given the window's
    // width; another window has no such class.
    void MenuBarLayout() {
        const ClassFacts& facts = read_.facts;
        const bool writes = facts.target == "JFrame" && !facts.menu.empty();
        const std::string cls = facts.className + std::string(kMenuBarLayoutSuffix);
        if (!writes) {
            if (facts.menuBarWidthLine)
                Unmapped(facts.menuBarWidthLine,
                         "the layout of a menu bar the window does not have is not taken");
            if (facts.menuBarLayoutLine)
                Unmapped(facts.menuBarLayoutLine,
                         "the class " + cls +
                             " lays out a menu bar the window does not have; "
                             "it is not taken");
            return;
        }
        if (!facts.menuBarWidthLine)
            Unmapped(facts.headerLine,
                     "the menu bar is not given the layout " + cls + "; a design gives it");
        else if (facts.width && *facts.menuBarWidth != *facts.width)
            Unmapped(facts.menuBarWidthLine,
                     "the menu bar's layout is given the width " +
                         std::to_string(*facts.menuBarWidth) + ", not the window's " +
                         std::to_string(*facts.width) + "; the window's is taken");
        if (!facts.menuBarLayoutLine)
            Unmapped(facts.headerLine, "the class " + cls + " that Korvane generates is missing");
    }

    void DeveloperCode() {
        for (const DeveloperText& text : read_.texts) {
            if (text.blank) continue;
            const std::string to = text.lastLine > text.firstLine
                                       ? " (to line " + std::to_string(text.lastLine) + ")"
                                       : "";
            Unmapped(text.firstLine, Joined(text.contents) + " of your own" + to +
                                         ", which a design does not hold");
        }
        for (const ListenerMethod& m : read_.methods)
            if (m.edited)
                Unmapped(m.headerLine, "the body of " + Decoded(m.className) + "." +
                                           Decoded(m.method) +
                                           " is code of your own, which a design does not hold");
        for (const Finding& code : read_.codeInGeneratedMethods)
            Unmapped(code.line,
                     "code of your own in a generated method, which a design does not "
                     "hold: " +
                         code.text);
    }

    std::string_view file_;
    ReadClass read_;
    ImportedClass out_;
    EventCatalogue catalogue_;
    std::vector<LoadedComponent> components_;  // in add (tab) order
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, size_t, Hash, std::equal_to<>> componentIndex_;
    std::pmr::monotonic_buffer_resource classNodes_;
    std::pmr::unordered_map<std::string_view, size_t> classIndex_{&classNodes_};
    size_t nextClass_ = 0;      // the listener class tried first
    size_t lastComponent_ = 0;  // the component found last
    std::unordered_map<std::string_view, std::pair<std::string, int>> events_;
    std::vector<size_t> slotOrder_;  // slot k holds components_[slotOrder_[k]]
    std::unordered_map<std::string, std::string> menuEvents_;
};

}  // namespace

ImportedClass ImportJava(std::string_view file) {
    Importer importer(file);
    return importer.Run();
}

}  // namespace korvane::javasource
