#include "codegen/Stacking.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/Conversions.h"

namespace korvane {
namespace {

// Coordinates as small order-keeping numbers: equal values get equal ranks, a smaller value a
// smaller rank, and every rank is below `count`. A design's coordinates mostly lie within a few
// thousand pixels and are their own ranks less the smallest; scattered ones are ranked by sorting.
struct Ranks {
    std::vector<uint32_t> of;  // the rank of each value, in the order given
    size_t count = 0;
};

Ranks RankValues(const std::vector<int64_t>& values) {
    Ranks ranks;
    if (values.empty()) return ranks;
    ranks.of.reserve(values.size());
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const int64_t lowest = *low;
    // Pixel bounds are sums of two ints, so the span fits in 64 bits.
    const auto span = static_cast<uint64_t>(*high - lowest);
    if (span < 4 * values.size()) {
        for (int64_t v : values) ranks.of.push_back(static_cast<uint32_t>(v - lowest));
        ranks.count = span + 1;
        return ranks;
    }
    std::vector<int64_t> distinct = values;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (int64_t v : values)
        ranks.of.push_back(static_cast<uint32_t>(
            std::lower_bound(distinct.begin(), distinct.end(), v) - distinct.begin()));
    ranks.count = distinct.size();
    return ranks;
}

// The edges of the rects with area as ranks: left < right among the x ranks, top < bottom among
// the y ranks.
struct RankedEdges {
    std::vector<uint32_t> left, top, right, bottom;
};

// How many of the ranks are at most k, for each k below count.
std::vector<uint32_t> CountAtMost(const std::vector<uint32_t>& ranks, size_t count) {
    std::vector<uint32_t> atMost(count, 0);
    for (uint32_t r : ranks) ++atMost[r];
    for (size_t k = 1; k < count; ++k) atMost[k] += atMost[k - 1];
    return atMost;
}

// The indexes of the ranks grouped by rank, smallest first: the group of rank k starts at
// atMost[k - 1] (0 for k = 0), with atMost from CountAtMost.
std::vector<uint32_t> GroupByRank(const std::vector<uint32_t>& ranks,
                                  const std::vector<uint32_t>& atMost) {
    std::vector<uint32_t> next(atMost.size(), 0);
    for (size_t k = 1; k < atMost.size(); ++k) next[k] = atMost[k - 1];
    std::vector<uint32_t> grouped(ranks.size());
    for (size_t i = 0; i < ranks.size(); ++i) grouped[next[ranks[i]]++] = static_cast<uint32_t>(i);
    return grouped;
}

// Counts of added ranks, asked as "how many below r" (a Fenwick tree).
class RankCounter {
  public:
    explicit RankCounter(size_t count) : tree_(count + 1, 0) {}
    void Add(uint32_t rank) {
        ++added_;
        for (size_t i = rank + size_t{1}; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    }
    uint32_t Below(uint32_t rank) const {
        uint32_t n = 0;
        for (size_t i = rank; i > 0; i -= i & (~i + 1)) n += tree_[i];
        return n;
    }
    uint32_t AtLeast(uint32_t rank) const { return added_ - Below(rank); }

  private:
    std::vector<uint32_t> tree_;
    uint32_t added_ = 0;
};

// For each rect, how many others lie apart from it both in x and in y: in one of the four corner
// regions around it. Rects apart in x are swept in x order: those wholly before it (right <=
// its left) are added before it is asked, and likewise backwards for those wholly after it.
std::vector<uint32_t> CountApartInBoth(const RankedEdges& rects, size_t yCount,
                                       const std::vector<uint32_t>& byLeft,
                                       const std::vector<uint32_t>& byRight) {
    std::vector<uint32_t> apart(byLeft.size(), 0);
    // Before in x: the rects in order of their right edges, the askers in order of their left.
    RankCounter bottoms(yCount), tops(yCount);
    for (size_t asked = 0, added = 0; asked < byLeft.size(); ++asked) {
        const uint32_t i = byLeft[asked];
        for (; added < byRight.size() && rects.right[byRight[added]] <= rects.left[i]; ++added) {
            bottoms.Add(rects.bottom[byRight[added]]);
            tops.Add(rects.top[byRight[added]]);
        }
        apart[i] += bottoms.Below(rects.top[i] + 1) + tops.AtLeast(rects.bottom[i]);
    }
    // After in x: backwards, the rects in order of their left edges, the askers of their right.
    RankCounter afterBottoms(yCount), afterTops(yCount);
    for (size_t asked = byRight.size(), added = byLeft.size(); asked > 0; --asked) {
        const uint32_t i = byRight[asked - 1];
        for (; added > 0 && rects.left[byLeft[added - 1]] >= rects.right[i]; --added) {
            afterBottoms.Add(rects.bottom[byLeft[added - 1]]);
            afterTops.Add(rects.top[byLeft[added - 1]]);
        }
        apart[i] += afterBottoms.Below(rects.top[i] + 1) + afterTops.AtLeast(rects.bottom[i]);
    }
    return apart;
}

bool HasArea(const ChildBounds& r) {
    return r.right > r.left && r.bottom > r.top;
}

// Swing's LayoutComparator: tops less than this many pixels apart are one row.
constexpr int64_t kRowTolerance = 10;

// Kinds that take no keyboard focus on any platform, so Tab never stops at them: where they come
// in the position order does not matter. Every other kind counts as a stop, also those that take
// the focus only on some platforms or in some looks.
bool TakesNoFocus(std::string_view type) {
    return type == "Label" || type == "JLabel" || type == "JPanel";
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
    std::vector<size_t> solid;  // the rects with area
    std::vector<int64_t> xs, ys;
    for (size_t i = 0; i < rects.size(); ++i) {
        const ChildBounds& r = rects[i];
        if (!HasArea(r)) continue;
        solid.push_back(i);
        xs.insert(xs.end(), {r.left, r.right});
        ys.insert(ys.end(), {r.top, r.bottom});
    }
    const Ranks x = RankValues(xs), y = RankValues(ys);
    RankedEdges edges;
    for (size_t s = 0; s < solid.size(); ++s) {
        edges.left.push_back(x.of[2 * s]);
        edges.right.push_back(x.of[2 * s + 1]);
        edges.top.push_back(y.of[2 * s]);
        edges.bottom.push_back(y.of[2 * s + 1]);
    }
    const std::vector<uint32_t> leftsAtMost = CountAtMost(edges.left, x.count);
    const std::vector<uint32_t> rightsAtMost = CountAtMost(edges.right, x.count);
    const std::vector<uint32_t> topsAtMost = CountAtMost(edges.top, y.count);
    const std::vector<uint32_t> bottomsAtMost = CountAtMost(edges.bottom, y.count);
    const std::vector<uint32_t> apartInBoth =
        CountApartInBoth(edges, y.count, GroupByRank(edges.left, leftsAtMost),
                         GroupByRank(edges.right, rightsAtMost));

    const auto count = static_cast<uint32_t>(solid.size());
    // How many edges are at rank k or above, from the counts at most k - 1 (k is never 0: a
    // right or bottom edge ranks above its left or top).
    const auto atLeast = [count](const std::vector<uint32_t>& atMost, uint32_t k) {
        return count - atMost[k - 1];
    };
    std::vector<bool> overlaps(rects.size(), false);
    for (size_t s = 0; s < solid.size(); ++s) {
        const uint32_t apartInX =
            rightsAtMost[edges.left[s]] + atLeast(leftsAtMost, edges.right[s]);
        const uint32_t apartInY =
            bottomsAtMost[edges.top[s]] + atLeast(topsAtMost, edges.bottom[s]);
        overlaps[solid[s]] = apartInX + apartInY - apartInBoth[s] < count - 1;
    }
    return overlaps;
}

// The comparison is a total order exactly when the numbers of children each child precedes are
// 0 to n - 1, each once; the child that precedes k others is then n - 1 - k places from the
// front. A child precedes those at least a row tolerance lower, counted by binary search, and
// those in its row to its right (or at its left with a later child index), counted by sweeping
// from the right with the tops seen so far.
bool PositionOrderKeepsTabOrder(const CodegenTable& table) {
    const size_t n = table.size();
    std::vector<int64_t> lefts(n), tops(n);
    for (size_t i = 0; i < n; ++i) {
        const ChildBounds bounds = PixelBounds(table[i]);
        lefts[i] = bounds.left;
        tops[i] = bounds.top;
    }
    std::vector<int64_t> sortedTops = tops;
    std::sort(sortedTops.begin(), sortedTops.end());
    const auto topsFrom = [&](int64_t top) {
        return static_cast<size_t>(std::lower_bound(sortedTops.begin(), sortedTops.end(), top) -
                                   sortedTops.begin());
    };
    std::vector<size_t> precedes(n);
    for (size_t i = 0; i < n; ++i) precedes[i] = n - topsFrom(tops[i] + kRowTolerance);

    std::vector<int64_t> distinctTops = sortedTops;
    distinctTops.erase(std::unique(distinctTops.begin(), distinctTops.end()), distinctTops.end());
    const auto rankFrom = [&](int64_t top) {
        return static_cast<uint32_t>(
            std::lower_bound(distinctTops.begin(), distinctTops.end(), top) - distinctTops.begin());
    };
    std::vector<size_t> rightFirst(n);
    for (size_t i = 0; i < n; ++i) rightFirst[i] = i;
    std::sort(rightFirst.begin(), rightFirst.end(), [&](size_t a, size_t b) {
        return lefts[a] != lefts[b] ? lefts[a] > lefts[b] : a > b;
    });
    RankCounter seen(distinctTops.size());
    for (size_t i : rightFirst) {
        precedes[i] += seen.Below(rankFrom(tops[i] + kRowTolerance)) -
                       seen.Below(rankFrom(tops[i] - kRowTolerance + 1));
        seen.Add(rankFrom(tops[i]));
    }

    constexpr size_t kNone = SIZE_MAX;
    std::vector<size_t> childAt(n, kNone);
    for (size_t i = 0; i < n; ++i) {
        size_t& place = childAt[n - 1 - precedes[i]];
        if (place != kNone) return false;  // not a total order
        place = i;
    }
    size_t lastStop = 0;
    bool stopSeen = false;
    for (size_t i : childAt) {
        if (TakesNoFocus(table[i].type)) continue;
        if (stopSeen && i < lastStop) return false;
        lastStop = i;
        stopSeen = true;
    }
    return true;
}

StackingPlan PlanStacking(const CodegenTable& table) {
    std::vector<ChildBounds> rects;
    rects.reserve(table.size());
    for (const CodegenRow& row : table) rects.push_back(PixelBounds(row));
    const std::vector<bool> overlaps = OverlapsAnother(rects);

    // The overlapping rows with their surface order, in row (child) order: sorted with the
    // order beside the row rather than looked up in the table.
    struct Stacked {
        uint64_t zOrder;
        size_t row;
    };
    std::vector<Stacked> stacked;
    for (size_t i = 0; i < table.size(); ++i)
        if (overlaps[i]) stacked.push_back({table[i].zOrder, i});
    // Front first; rows of one surface order keep their row order.
    const auto inFront = [](const Stacked& a, const Stacked& b) {
        return a.zOrder != b.zOrder ? a.zOrder > b.zOrder : a.row < b.row;
    };
    StackingPlan plan;
    if (std::is_sorted(stacked.begin(), stacked.end(), inFront)) {
        plan.focusPolicy = !PositionOrderKeepsTabOrder(table);
        return plan;
    }
    plan.focusPolicy = true;
    std::sort(stacked.begin(), stacked.end(), inFront);
    for (const Stacked& s : stacked) plan.childOrder.push_back(s.row);
    plan.raised.assign(plan.childOrder.rbegin(), plan.childOrder.rend());
    for (size_t i = 0; i < table.size(); ++i)
        if (!overlaps[i]) plan.childOrder.push_back(i);
    return plan;
}

}  // namespace korvane
