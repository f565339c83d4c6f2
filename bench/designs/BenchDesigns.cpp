#include "BenchDesigns.h"

#include "codegen/EventCatalogue.h"
#include "document/ComponentKinds.h"
#include "document/ProjectFile.h"

namespace korvane::bench {
namespace {

constexpr int kSurfaceWidthPixels = 1850;
constexpr int kSurfaceHeightPixels = 1050;
constexpr float kPixel = 15;
constexpr size_t kLongValue = 240;
constexpr int kListItems = 24;

std::string LongValue(int k) {
    std::string v = "Text " + std::to_string(k) + " ";
    while (v.size() < kLongValue) v += "with \"quotes\" and \\ more words ";
    v.resize(kLongValue);
    return v;
}

std::string ListItems(int k) {
    std::string v;
    for (int i = 1; i <= kListItems; ++i)
        v += (i > 1 ? "|" : "") + ("item" + std::to_string(k % 97) + "_" + std::to_string(i));
    return v;
}

std::string AllEvents(const EventCatalogue& catalogue, std::string_view tag) {
    std::string events;
    for (std::string_view m : catalogue.MethodsForClass(JavaClassOfType(tag))) {
        if (!events.empty()) events += '|';
        events += m;
    }
    return events;
}

}  // namespace

void FillDesign(DesignDocument& doc, DesignShape shape, int n) {
    const EventCatalogue catalogue;
    const auto kinds = AllKinds();
    doc.OuterWidth = (kSurfaceWidthPixels + 70) * kPixel + kFrameWidth;
    doc.OuterHeight = (kSurfaceHeightPixels + 30) * kPixel + kFrameHeight;
    unsigned seed = 12345;
    for (int k = 1; k <= n; ++k) {
        seed = seed * 1103515245u + 12345u;
        const ComponentKind& kind = kinds[static_cast<size_t>(k - 1) % kinds.size()];
        ComponentRecord r;
        r.ComponentType = std::string(kind.tag);
        r.ComponentName = std::string(kind.namePrefix) + std::to_string(k);
        r.ComponentTabOrder = std::to_string(k);
        r.Left = static_cast<float>((seed >> 8) % kSurfaceWidthPixels) * kPixel;
        r.Top = static_cast<float>((seed >> 4) % kSurfaceHeightPixels) * kPixel;
        r.Width = IsVerticalScrollBar(kind.tag) ? 360 : 1080;
        r.Height = IsVerticalScrollBar(kind.tag) ? 1080 : 360;
        if (shape == DesignShape::Mixed) {
            r.ComponentValue = IsListKind(kind.tag) ? "item1|item2" : r.ComponentName;
        } else {
            r.ComponentValue = IsListKind(kind.tag) ? ListItems(k) : LongValue(k);
            r.ComponentEvents = AllEvents(catalogue, kind.tag);
            const std::string trigger = r.ComponentEvents.substr(0, r.ComponentEvents.find('|'));
            if (!trigger.empty())
                r.ComponentPopup = "JFrame,Window" + std::to_string(k) + "," + trigger;
        }
        doc.AppendSlot(std::move(r));
    }
}

std::string DesignFileText(DesignShape shape, int n) {
    DesignDocument doc;
    FillDesign(doc, shape, n);
    return ProjectFileText(doc);
}

}  // namespace korvane::bench
