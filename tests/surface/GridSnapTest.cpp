#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "platform/Conversions.h"
#include "surface/GridSnap.h"

namespace korvane {
namespace {

// The stepping loops of a drop, one twip per step, as written; nullopt when a loop does not
// come to an end.
double ModRounded(float v, int G) {
    return std::fmod(RoundHalfEven(v), G);
}
constexpr int kStepLimit = 2000;  // far more than any real walk (at most G steps)

std::optional<float> LoopPosition(float v, int G) {
    if (v < 0) v = 0;
    for (int n = 0; ModRounded(v, G) != 0; ++n) {
        if (n > kStepLimit) return std::nullopt;
        v = ModRounded(v, G) > G / 2.0 ? v + 1 : v - 1;
    }
    return v;
}

float Minimum(int G) {
    return G >= 240 ? static_cast<float>(G) : 240.0f;
}

std::optional<float> LoopWidth(float v, int G) {
    if (v < 240 || v < G) v = Minimum(G);
    return LoopPosition(v, G);
}

std::optional<float> LoopHeight(float v, int G) {
    for (int n = 0; ModRounded(v, G) != 0; ++n) {
        if (n > kStepLimit) return std::nullopt;
        v = ModRounded(v, G) > G / 2.0 ? v + 1 : v - 1;
        if (v <= 240 || v <= G) return Minimum(G);
    }
    return v;
}

std::optional<float> LoopHandle(float v, float offset, int G) {
    if (v < 0) v = 0;
    for (int n = 0;; ++n) {
        double r = std::fmod(RoundHalfEven(v + offset), G);
        if (r == 0) return v;
        if (n > kStepLimit) return std::nullopt;
        v = G / 2.0 >= r ? v - 1 : v + 1;
    }
}

bool OnGrid(float v, int G) {
    return ModRounded(v, G) == 0;
}

TEST(GridSnapTest, ClosedFormsEqualTheSteppingLoops) {
    int compared = 0, endless = 0;
    for (int G : {1, 2, 3, 7, 8, 100, 105, 120, 135, 240, 250, 500}) {
        for (float v = -600; v <= 1600; v += 0.25f) {
            auto check = [&](std::optional<float> loop, float closed, bool onGridOrMin) {
                if (loop) {
                    EXPECT_EQ(closed, *loop) << "G=" << G << " v=" << v;
                    ++compared;
                } else {
                    // The loop swings for ever: the value ends on the grid instead.
                    EXPECT_TRUE(onGridOrMin) << "G=" << G << " v=" << v << " -> " << closed;
                    ++endless;
                }
            };
            float p = SnapPosition(v, G);
            check(LoopPosition(v, G), p, OnGrid(p, G));
            float w = SnapWidth(v, G);
            check(LoopWidth(v, G), w, OnGrid(w, G));
            float h = SnapHeight(v, G);
            check(LoopHeight(v, G), h, OnGrid(h, G) || h == Minimum(G));
            float k = SnapHandle(v, 90, G);
            check(LoopHandle(v, 90, G), k, OnGrid(k + 90, G));
        }
    }
    EXPECT_GT(compared, 300000);
    EXPECT_GT(endless, 0);  // odd steps with half-twip values
}

TEST(GridSnapTest, DropExamples) {
    struct Case {
        int G;
        float left, width, height;
        float left_, width_, height_;
    };
    const Case cases[] = {
        {120, 170, 1080, 360, 120, 1080, 360},
        {120, 181, 1080, 360, 240, 1080, 360},
        {120, 180, 1080, 360, 120, 1080, 360},  // remainder exactly G / 2: down
        {120, -50, 120, 120, 0, 240, 120},      // a height on the grid is never raised
        {100, 0, 130, 130, 0, 200, 240},        // raised to 240 then aligned down; stepped to 129
        {120, 170.5f, 250, 300, 120.5f, 240, 240},
        {120, 230.5f, 1000, 1000, 239.5f, 960, 960},  // halves keep their fraction
        {300, 100, 100, 100, 0, 300, 300},            // the minimum is G when G is over 240
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "G=" << c.G << " left=" << c.left);
        EXPECT_EQ(SnapPosition(c.left, c.G), c.left_);
        EXPECT_EQ(SnapWidth(c.width, c.G), c.width_);
        EXPECT_EQ(SnapHeight(c.height, c.G), c.height_);
    }
}

TEST(GridSnapTest, HugeValuesEndAtOnce) {
    EXPECT_EQ(SnapPosition(3e9f, 120), 3e9f);  // already a multiple of 120
    float far = SnapPosition(1e30f, 7);
    EXPECT_TRUE(std::isfinite(far));
    EXPECT_EQ(SnapHeight(-1e7f, 120), 240.0f);
    // Infinite or undefined places end too (and stay unusable rather than hang the drop).
    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {inf, -inf, std::nanf("")}) {
        SnapPosition(v, 120);
        SnapWidth(v, 7);
        SnapHeight(v, 120);
        SnapHandle(v, 90, 120);
    }
    EXPECT_EQ(SnapPosition(-inf, 120), 0.0f);
    EXPECT_EQ(SnapWidth(-inf, 120), 240.0f);
}

TEST(GridSnapTest, GridStepIsTheRoundedSixteenBitStepOrNoGrid) {
    EXPECT_EQ(GridStep(120), 120);
    EXPECT_EQ(GridStep(112.5), 112);
    EXPECT_EQ(GridStep(0.4), 0);
    EXPECT_EQ(GridStep(-15), 0);
    EXPECT_EQ(GridStep(1e9), 32767);
    EXPECT_EQ(GridStep(std::nan("")), 0);
}

}  // namespace
}  // namespace korvane
