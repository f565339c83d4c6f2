#include "document/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numeric>
#include <string_view>
#include <utility>

#include "document/ComponentKinds.h"
#include "document/PopupBinding.h"
#include "document/StackOrder.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

constexpr std::array<std::string_view, 10> kLegacyDisplayNames = {
    "Label",  "Canvas", "TextField/TextArea", "Button",     "Checkbox", "Radiobutton",
    "Choice", "List",   "Scrollbar H",        "Scrollbar V"};

bool InGeometryRange(double twips) {
    return twips >= -kGeometryLimit && twips <= kGeometryLimit;
}

// A value as the file holds it: within the range, so that reading it back gives it again.
double StoredGeometry(double twips) {
    if (std::isnan(twips)) return 0;
    return std::clamp(twips, -kGeometryLimit, kGeometryLimit);
}

double StoredWindowSize(double twips) {
    if (std::isnan(twips)) return 0;
    return std::clamp(RoundHalfEven(twips), 0.0, kGeometryLimit);
}

// stack: the component's place in the stacking, 1 = back-most; 0 writes no Stack key.
void WriteComponentSection(ProfileWriter& w, int k, const ComponentRecord& r, int stack) {
    std::string section = std::to_string(k);
    w.WriteText(section, "Name", r.ComponentName);
    w.WriteText(section, "Type", DisplayNameOfType(r.ComponentType));
    w.WriteText(section, "Value", r.ComponentValue);
    w.Write(section, "X", StrSingle(StoredGeometry(r.Left)));
    w.Write(section, "Y", StrSingle(StoredGeometry(r.Top)));
    w.Write(section, "SizeX", StrSingle(StoredGeometry(r.Width)));
    w.Write(section, "SizeY", StrSingle(StoredGeometry(r.Height)));
    w.WriteText(section, "Events", r.ComponentEvents);
    w.WriteText(section, "Order", r.ComponentTabOrder);
    w.WriteText(section, "Popup",
                HoldsPopupChoice(r.ComponentPopup) ? r.ComponentPopup : std::string());
    if (stack > 0) w.Write(section, "Stack", std::to_string(stack));
}

void WriteMenuElements(ProfileWriter& w, const std::vector<MenuElement>& elements) {
    for (size_t k = 0; k < elements.size() && !elements[k].Name.empty(); ++k) {
        const MenuElement& e = elements[k];
        std::string section = "MenuElement" + std::to_string(k + 1);
        w.WriteText(section, "Name", e.Name);
        w.WriteText(section, "Label", e.Label);
        w.WriteText(section, "Type", e.Type);
        w.WriteText(section, "State", e.State);
        w.WriteText(section, "Level", e.Level);
        w.WriteText(section, "Events", e.Events);
        w.WriteText(section, "Shortcut", e.Shortcut);
    }
}

void ReadMainAndFont(const ProfileReader& f, LoadedProject& out) {
    std::string sizeX = f.Read("Main", "SizeX");
    if (sizeX.empty()) return;
    out.hasMainSize = true;
    if (std::optional<double> w = WindowSizeValue(sizeX))
        out.outerWidth = *w + kFrameWidth + kDesignMargin;
    if (std::optional<double> h = WindowSizeValue(f.Read("Main", "SizeY")))
        out.outerHeight = *h + kFrameHeight + kDesignMargin;
    std::string name = f.Read("Font", "Name");
    std::string style = f.Read("Font", "Style");
    std::string units = f.Read("Main", "Units");
    std::optional<int> size = ToInt16(f.Read("Font", "Size"));
    out.fontName = name.empty() ? "Helvetica" : name;
    out.fontStyle = style.empty() ? "PLAIN" : style;
    out.fontSize = size.value_or(12);
    out.units = units.empty() ? "pixels" : units;
}

// Reads the component sections 1, 2, ... up to the first without a Name.
bool ReadComponents(const ProfileReader& f, LoadedProject& out, std::string& error) {
    out.components.reserve(std::min<size_t>(f.SectionCount(), kMaxSlots));
    constexpr std::string_view kKeys[] = {"Name", "Type", "Value", "Events", "Order", "Popup",
                                          "X",    "Y",    "SizeX", "SizeY",  "Stack"};
    enum { kName, kType, kValue, kEvents, kOrder, kPopup, kX, kY, kSizeX, kSizeY, kStack };
    std::string_view values[std::size(kKeys)];
    // The place in the stacking of each component: its Stack number, else its section number.
    std::vector<double> stack;
    bool anyStack = false;
    for (int k = 1;; ++k) {
        f.Section(std::to_string(k)).ViewEach(kKeys, values);
        if (values[kName].empty()) break;
        if (k > kMaxSlots) {
            error = "the file holds more than " + std::to_string(kMaxSlots) +
                    " components, more than a design can hold";
            return false;
        }
        LoadedComponent& c = out.components.emplace_back();
        c.name = values[kName];
        c.type = TypeOfDisplayName(values[kType]);
        c.value = values[kValue];
        c.events = values[kEvents];
        c.order = values[kOrder];
        c.popup = values[kPopup];
        c.x = static_cast<float>(GeometryValue(values[kX]));
        c.y = static_cast<float>(GeometryValue(values[kY]));
        c.sizeX = GeometryValue(values[kSizeX]);
        c.sizeY = GeometryValue(values[kSizeY]);
        const bool stated = HasLeadingNumber(values[kStack]);
        stack.push_back(stated ? Val(values[kStack]) : k);
        anyStack = anyStack || stated;
    }
    if (anyStack) {
        out.stackOrder.resize(stack.size());
        std::iota(out.stackOrder.begin(), out.stackOrder.end(), size_t{0});
        std::stable_sort(out.stackOrder.begin(), out.stackOrder.end(),
                         [&](size_t a, size_t b) { return stack[a] < stack[b]; });
    }
    return true;
}

// All of them, however many: a menu bar with more than it can hold is kept whole, so that
// nothing of the file is lost, and said when the file is opened.
void ReadMenuElements(const ProfileReader& f, LoadedProject& out) {
    for (size_t k = 1;; ++k) {
        std::string section = "MenuElement" + std::to_string(k);
        MenuElement e;
        e.Name = f.Read(section, "Name");
        if (e.Name.empty()) break;
        e.Label = f.Read(section, "Label");
        e.Type = f.Read(section, "Type");
        e.State = f.Read(section, "State");
        e.Level = f.Read(section, "Level");
        e.Events = f.Read(section, "Events");
        e.Shortcut = f.Read(section, "Shortcut");
        out.menuElements.push_back(std::move(e));
    }
}

// The older per-kind layout counts in grid cells of 120 twips. Its values are brought into
// the file's range as they are imported, so that the first save writes what a later open
// reads back: a component value out of range reads as 0, as it does in the current layout.
constexpr double kLegacyCell = 120;

double LegacyGeometry(const std::string& cells) {
    double twips = ValUnbounded(cells) * kLegacyCell;
    return InGeometryRange(twips) ? twips : 0;
}

// The window's outer size from the older formula. One too small to hold its own frame is
// raised to an empty design area; one past the range keeps the default window, as a [Main]
// size past the range does in the current layout.
void LegacyWindowSize(double outer, double frame, double& size) {
    double designed = outer - frame - kDesignMargin;
    if (designed > kGeometryLimit) return;
    size = std::max(designed, 0.0) + frame + kDesignMargin;
}

// The older per-kind layout: ten kinds with sections <display name><digit>, in grid cells.
void ReadLegacyComponents(const ProfileReader& f, double gridSize, LoadedProject& out) {
    int tab = 0;
    for (std::string_view display : kLegacyDisplayNames) {
        for (char d = '0'; d <= '9'; ++d) {
            std::string section = std::string(display) + d;
            std::string name = f.Read(section, "Name");
            if (name.empty()) continue;
            LoadedComponent c;
            c.type = TypeOfDisplayName(display);
            c.name = name;
            c.value = name;
            c.x = static_cast<float>(LegacyGeometry(f.Read(section, "X")));
            c.y = static_cast<float>(LegacyGeometry(f.Read(section, "Y")));
            c.sizeX = LegacyGeometry(f.Read(section, "SizeX"));
            c.sizeY = LegacyGeometry(f.Read(section, "SizeY"));
            c.order = std::to_string(++tab);
            out.components.push_back(std::move(c));
        }
    }
    if (out.components.empty()) return;
    out.legacy = true;
    std::optional<double> cellsX = WindowSizeValue(f.Read("Main", "SizeX"));
    std::optional<double> cellsY = WindowSizeValue(f.Read("Main", "SizeY"));
    if (cellsX) LegacyWindowSize(*cellsX * kLegacyCell + 100, kFrameWidth, out.outerWidth);
    if (cellsY) LegacyWindowSize((*cellsY + 3) * gridSize, kFrameHeight, out.outerHeight);
}

}  // namespace

ComponentRecord RecordOf(LoadedComponent component) {
    ComponentRecord r;
    r.ComponentType = std::move(component.type);
    r.ComponentName = std::move(component.name);
    r.ComponentValue = std::move(component.value);
    r.ComponentEvents = std::move(component.events);
    r.ComponentTabOrder = std::move(component.order);
    r.ComponentPopup = std::move(component.popup);
    r.Left = component.x;
    r.Top = component.y;
    r.Width = static_cast<float>(component.sizeX);
    r.Height = static_cast<float>(component.sizeY);
    return r;
}

double GeometryValue(std::string_view text) {
    double v = ValUnbounded(text);
    return InGeometryRange(v) ? v : 0;
}

std::optional<double> WindowSizeValue(const std::string& text) {
    if (!HasLeadingNumber(text)) return std::nullopt;
    double v = RoundHalfEven(ValUnbounded(text));
    if (!(v >= 0 && v <= kGeometryLimit)) return std::nullopt;
    return v;
}

namespace {

// The keys and about the bytes of a save, so that the text is built without regrowing.
void ReserveForSave(ProfileWriter& w, const DesignDocument& doc) {
    // A section's header, key names and numbers take under this much besides the texts.
    constexpr size_t kComponentOverhead = 120, kMenuOverhead = 80, kHeader = 200;
    size_t keys = 6, bytes = kHeader;
    for (int i = 1; i <= doc.SlotCount(); ++i) {
        if (!doc.IsLive(i)) continue;
        const ComponentRecord& r = doc.Slot(i);
        keys += 10;
        bytes += kComponentOverhead + r.ComponentName.size() + r.ComponentType.size() +
                 r.ComponentValue.size() + r.ComponentEvents.size() + r.ComponentTabOrder.size() +
                 r.ComponentPopup.size();
    }
    for (const MenuElement& e : doc.MenuElements) {
        keys += 7;
        bytes += kMenuOverhead + e.Name.size() + e.Label.size() + e.Type.size() + e.State.size() +
                 e.Level.size() + e.Events.size() + e.Shortcut.size();
    }
    w.Reserve(keys, bytes);
}

}  // namespace

std::string ProjectFileText(const DesignDocument& doc) {
    ProfileWriter w;
    ReserveForSave(w, doc);
    w.Write("Main", "SizeX",
            NumberText(StoredWindowSize(doc.OuterWidth - kFrameWidth - kDesignMargin)));
    w.Write("Main", "SizeY",
            NumberText(StoredWindowSize(doc.OuterHeight - kFrameHeight - kDesignMargin)));
    w.WriteText("Main", "Units", doc.WindowUnits);
    w.WriteText("Font", "Name", doc.FontName);
    w.WriteText("Font", "Style", doc.FontStyle);
    w.Write("Font", "Size", std::to_string(doc.FontSize));
    // A design stacked in the order of its sections writes no Stack keys, as files always did.
    std::vector<int> stack;
    if (!StacksInSlotOrder(doc)) {
        stack.assign(static_cast<size_t>(doc.SlotCount()) + 1, 0);
        int place = 0;
        for (int slot : LiveSlotsBackToFront(doc)) stack[static_cast<size_t>(slot)] = ++place;
    }
    int k = 1;
    for (int i = 1; i <= doc.SlotCount(); ++i)
        if (doc.IsLive(i))
            WriteComponentSection(w, k++, doc.Slot(i),
                                  stack.empty() ? 0 : stack[static_cast<size_t>(i)]);
    WriteMenuElements(w, doc.MenuElements);
    return std::move(w).Text();
}

bool ReadProject(const ProfileReader& file, double gridSize, LoadedProject& out,
                 std::string& error) {
    out = LoadedProject{};
    ReadMainAndFont(file, out);
    if (!ReadComponents(file, out, error)) return false;
    ReadMenuElements(file, out);
    if (out.components.empty()) ReadLegacyComponents(file, gridSize, out);
    return true;
}

}  // namespace korvane
