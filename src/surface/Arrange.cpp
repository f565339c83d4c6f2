#include "surface/Arrange.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

#include "document/DocumentController.h"
#include "surface/GridSnap.h"

namespace korvane {
namespace {

constexpr float kPixelTwips = 15;

float Whole(double v) {
    return static_cast<float>(std::floor(v + 0.5));
}

// Spreads the boxes so that the gaps between them along one axis are equal: the first and
// the last (by position) stay, the others keep their order.
void Distribute(std::vector<BoxGeometry>& out, bool across) {
    auto pos = [&](BoxGeometry& g) -> float& { return across ? g.Left : g.Top; };
    auto size = [&](const BoxGeometry& g) { return across ? g.Width : g.Height; };
    std::vector<size_t> order(out.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return pos(out[a]) < pos(out[b]); });
    const BoxGeometry& first = out[order.front()];
    const BoxGeometry& last = out[order.back()];
    double span = (across ? last.Left : last.Top) + size(last) - (across ? first.Left : first.Top);
    double sizes = 0;
    for (const BoxGeometry& g : out) sizes += size(g);
    const double gap = (span - sizes) / static_cast<double>(out.size() - 1);
    double at = pos(out[order.front()]);
    for (size_t k = 0; k + 1 < order.size(); ++k) {
        BoxGeometry& g = out[order[k]];
        if (k > 0) pos(g) = Whole(at);
        at += size(g) + gap;
    }
}

}  // namespace

const std::vector<ArrangeInfo>& ArrangeCommands() {
    static const std::vector<ArrangeInfo> commands = {
        {ArrangeCommand::AlignLefts, "Align Left Edges", 2},
        {ArrangeCommand::AlignRights, "Align Right Edges", 2},
        {ArrangeCommand::AlignTops, "Align Top Edges", 2},
        {ArrangeCommand::AlignBottoms, "Align Bottom Edges", 2},
        {ArrangeCommand::AlignCentres, "Align Horizontal Centres", 2},
        {ArrangeCommand::AlignMiddles, "Align Vertical Centres", 2},
        {ArrangeCommand::SameWidth, "Same Width", 2},
        {ArrangeCommand::SameHeight, "Same Height", 2},
        {ArrangeCommand::SameSize, "Same Size", 2},
        {ArrangeCommand::DistributeAcross, "Distribute Across", 3},
        {ArrangeCommand::DistributeDown, "Distribute Down", 3},
    };
    return commands;
}

const ArrangeInfo& InfoOf(ArrangeCommand command) {
    for (const ArrangeInfo& info : ArrangeCommands())
        if (info.command == command) return info;
    return ArrangeCommands().front();
}

std::vector<BoxGeometry> Arranged(ArrangeCommand command, const std::vector<BoxGeometry>& boxes,
                                  size_t primary) {
    std::vector<BoxGeometry> out = boxes;
    if (primary >= boxes.size()) return out;
    const BoxGeometry p = boxes[primary];
    const double centreX = p.Left + p.Width / 2.0, centreY = p.Top + p.Height / 2.0;
    if (command == ArrangeCommand::DistributeAcross || command == ArrangeCommand::DistributeDown) {
        if (out.size() >= 3) Distribute(out, command == ArrangeCommand::DistributeAcross);
        return out;
    }
    for (BoxGeometry& g : out) {
        switch (command) {
            case ArrangeCommand::AlignLefts:
                g.Left = p.Left;
                break;
            case ArrangeCommand::AlignRights:
                g.Left = p.Left + p.Width - g.Width;
                break;
            case ArrangeCommand::AlignTops:
                g.Top = p.Top;
                break;
            case ArrangeCommand::AlignBottoms:
                g.Top = p.Top + p.Height - g.Height;
                break;
            case ArrangeCommand::AlignCentres:
                g.Left = Whole(centreX - g.Width / 2.0);
                break;
            case ArrangeCommand::AlignMiddles:
                g.Top = Whole(centreY - g.Height / 2.0);
                break;
            case ArrangeCommand::SameWidth:
                g.Width = p.Width;
                break;
            case ArrangeCommand::SameHeight:
                g.Height = p.Height;
                break;
            case ArrangeCommand::SameSize:
                g.Width = p.Width;
                g.Height = p.Height;
                break;
            default:
                break;
        }
    }
    return out;
}

bool CanArrange(const DocumentController& form, ArrangeCommand command) {
    return form.Loaded() &&
           static_cast<int>(form.selection.SelectedSlots().size()) >= InfoOf(command).needs;
}

void Arrange(DocumentController& form, ArrangeCommand command) {
    if (!CanArrange(form, command)) return;
    DesignDocument& doc = form.doc;
    const std::vector<int> slots = form.selection.SelectedSlots();
    std::vector<BoxGeometry> boxes;
    size_t primary = 0;
    for (size_t k = 0; k < slots.size(); ++k) {
        if (slots[k] == doc.ActiveSlot) primary = k;
        boxes.push_back(GeometryOf(doc.Slot(slots[k])));
    }
    const std::vector<BoxGeometry> after = Arranged(command, boxes, primary);
    DesignChange change(std::string(InfoOf(command).caption));
    for (size_t k = 0; k < slots.size(); ++k) change.SetGeometry(doc, slots[k], after[k]);
    if (change.Empty()) return;
    form.editor.Record(std::move(change));
    form.selection.PlaceHandles();
    form.NotifyChanged();
}

bool Nudge(DocumentController& form, int keyCode, int shift) {
    float dx = 0, dy = 0;
    switch (keyCode) {
        case kKeyLeft:
            dx = -1;
            break;
        case kKeyRight:
            dx = 1;
            break;
        case kKeyUp:
            dy = -1;
            break;
        case kKeyDown:
            dy = 1;
            break;
        default:
            return false;
    }
    DesignDocument& doc = form.doc;
    const std::vector<int> slots = form.selection.SelectedSlots();
    if (slots.empty() || doc.MouseIsDown) return true;
    const float step = (shift & 2) ? kPixelTwips : static_cast<float>(GridStep(doc.GridSize));
    dx *= step;
    dy *= step;
    const bool resize = (shift & 1) != 0;
    std::vector<BoxGeometry> before;
    before.reserve(slots.size());
    for (int s : slots) before.push_back(GeometryOf(doc.Slot(s)));
    if (resize) {
        // Each component keeps at least one pixel; the others still follow the key.
        for (size_t k = 0; k < slots.size(); ++k) {
            ComponentRecord& r = doc.MutableSlot(slots[k]);
            if (r.Width + dx >= kPixelTwips) r.Width += dx;
            if (r.Height + dy >= kPixelTwips) r.Height += dy;
        }
    } else {
        // The selection moves as a whole, and not past the left or top edge.
        for (const BoxGeometry& g : before) {
            if (g.Left + dx < 0) dx = 0;
            if (g.Top + dy < 0) dy = 0;
        }
        for (int s : slots) {
            ComponentRecord& r = doc.MutableSlot(s);
            r.Left += dx;
            r.Top += dy;
        }
    }
    const std::string what = slots.size() == 1 ? doc.Slot(slots[0]).ComponentName
                                               : std::to_string(slots.size()) + " components";
    DesignChange change((resize ? "Resize " : "Move ") + what,
                        resize ? MergeKind::Resize : MergeKind::Nudge);
    change.NoteGeometry(doc, slots, before);
    if (change.Empty()) return true;
    form.editor.Record(std::move(change));
    form.selection.PlaceHandles();
    form.NotifyChanged();
    return true;
}

}  // namespace korvane
