#include "codegen/Stacking.h"

#include <algorithm>
#include <numeric>

#include "platform/Conversions.h"

namespace korvane {
namespace {

struct Point {
    int64_t x, y;
};

// For each query, how many points have x <= query.x and y <= query.y: one sweep over x with a
// Fenwick tree over the ranks of y.
std::vector<int64_t> CountDominated(std::vector<Point> points, const std::vector<Point>& queries) {
    std::vector<int64_t> ys;
    ys.reserve(points.size());
    for (const Point& p : points) ys.push_back(p.y);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<int64_t> tree(ys.size() + 1, 0);
    const auto add = [&](int64_t y) {
        for (size_t i =
                 static_cast<size_t>(std::lower_bound(ys.begin(), ys.end(), y) - ys.begin()) + 1;
             i < tree.size(); i += i & (~i + 1))
            ++tree[i];
    };
    const auto countUpTo = [&](int64_t y) {
        int64_t n = 0;
        for (size_t i = static_cast<size_t>(std::upper_bound(ys.begin(), ys.end(), y) - ys.begin());
             i > 0; i -= i & (~i + 1))
            n += tree[i];
        return n;
    };

    // Sorted by value rather than through indexes: the sweep then reads memory in order.
    struct Query {
        int64_t x, y;
        size_t index;
    };
    std::vector<Query> byX;
    byX.reserve(queries.size());
    for (size_t q = 0; q < queries.size(); ++q) byX.push_back({queries[q].x, queries[q].y, q});
    std::sort(points.begin(), points.end(),
              [](const Point& a, const Point& b) { return a.x < b.x; });
    std::sort(byX.begin(), byX.end(), [](const Query& a, const Query& b) { return a.x < b.x; });
    std::vector<int64_t> counts(queries.size());
    size_t next = 0;
    for (const Query& q : byX) {
        while (next < points.size() && points[next].x <= q.x) add(points[next++].y);
        counts[q.index] = countUpTo(q.y);
    }
    return counts;
}

bool HasArea(const ChildBounds& r) {
    return r.right > r.left && r.bottom > r.top;
}

}  // namespace

ChildBounds PixelBounds(const CodegenRow& row) {
    const int64_t left = TwipsToWholePixels(row.left);
    const int64_t top = TwipsToWholePixels(row.top);
    return {left, top, left + TwipsToWholePixels(row.width), top + TwipsToWholePixels(row.height)};
}

// Two rects with area meet unless one lies wholly to one side of the other in x or in y; the
// rects that meet a rect are all the others less those apart in x or in y, counted with
// inclusion and exclusion (apart in both is one of four corner regions).
std::vector<bool> OverlapsAnother(const std::vector<ChildBounds>& rects) {
    std::vector<ChildBounds> solid;
    for (const ChildBounds& r : rects)
        if (HasArea(r)) solid.push_back(r);
    std::vector<int64_t> rights, lefts, bottoms, tops;
    for (const ChildBounds& r : solid) {
        rights.push_back(r.right);
        lefts.push_back(r.left);
        bottoms.push_back(r.bottom);
        tops.push_back(r.top);
    }
    for (auto* v : {&rights, &lefts, &bottoms, &tops}) std::sort(v->begin(), v->end());
    const auto atMost = [](const std::vector<int64_t>& v, int64_t x) {
        return static_cast<int64_t>(std::upper_bound(v.begin(), v.end(), x) - v.begin());
    };
    const auto atLeast = [](const std::vector<int64_t>& v, int64_t x) {
        return static_cast<int64_t>(v.end() - std::lower_bound(v.begin(), v.end(), x));
    };

    // The four corners: before or after in x, and above or below in y.
    std::vector<Point> points[4], queries[4];
    for (const ChildBounds& r : solid) {
        points[0].push_back({r.right, r.bottom});
        points[1].push_back({r.right, -r.top});
        points[2].push_back({-r.left, r.bottom});
        points[3].push_back({-r.left, -r.top});
        queries[0].push_back({r.left, r.top});
        queries[1].push_back({r.left, -r.bottom});
        queries[2].push_back({-r.right, r.top});
        queries[3].push_back({-r.right, -r.bottom});
    }
    std::vector<int64_t> corners(solid.size(), 0);
    for (int k = 0; k < 4; ++k) {
        const std::vector<int64_t> counts = CountDominated(std::move(points[k]), queries[k]);
        for (size_t i = 0; i < solid.size(); ++i) corners[i] += counts[i];
    }

    std::vector<bool> overlaps(rects.size(), false);
    const auto others = static_cast<int64_t>(solid.size()) - 1;
    for (size_t i = 0, s = 0; i < rects.size(); ++i) {
        if (!HasArea(rects[i])) continue;
        const ChildBounds& r = solid[s];
        const int64_t apartInX = atMost(rights, r.left) + atLeast(lefts, r.right);
        const int64_t apartInY = atMost(bottoms, r.top) + atLeast(tops, r.bottom);
        overlaps[i] = others - (apartInX + apartInY - corners[s]) > 0;
        ++s;
    }
    return overlaps;
}

StackingPlan PlanStacking(const CodegenTable& table) {
    std::vector<ChildBounds> rects;
    rects.reserve(table.size());
    for (const CodegenRow& row : table) rects.push_back(PixelBounds(row));
    const std::vector<bool> overlaps = OverlapsAnother(rects);

    std::vector<size_t> stacked;  // the overlapping rows, in row (child) order
    for (size_t i = 0; i < table.size(); ++i)
        if (overlaps[i]) stacked.push_back(i);
    const auto inFront = [&](size_t a, size_t b) { return table[a].zOrder > table[b].zOrder; };
    if (std::is_sorted(stacked.begin(), stacked.end(), inFront)) return {};

    StackingPlan plan;
    std::stable_sort(stacked.begin(), stacked.end(), inFront);
    plan.raised.assign(stacked.rbegin(), stacked.rend());
    plan.childOrder = stacked;
    for (size_t i = 0; i < table.size(); ++i)
        if (!overlaps[i]) plan.childOrder.push_back(i);
    return plan;
}

}  // namespace korvane
