#include "surface/GridSnap.h"

#include <algorithm>
#include <cmath>

#include "platform/Conversions.h"

namespace korvane {
namespace {

// Where the stepping of v ends.
struct Walk {
    bool moved = false;  // the value was off the grid
    bool up = false;     // the steps go upward
    double end = 0;      // the value after the last step
    double lowest = 0;   // the lowest value reached after a step, going down
};

Walk StepToGrid(double v, int G) {
    Walk w;
    double m0 = RoundHalfEven(v);
    double r = std::fmod(m0, G);  // the sign of the rounded value
    w.end = w.lowest = v;
    if (r == 0) return w;
    w.moved = true;
    w.up = r > G / 2.0;
    // The multiple the rounded value heads for.
    double target = w.up ? m0 + (G - r) : (r > 0 ? m0 - r : m0 - (G + r));
    double fraction = v - std::floor(v);
    if (fraction != 0.5) {
        // The rounded value moves one for one with the value.
        w.end = w.lowest = v + (target - m0);
    } else if (std::fmod(target, 2) == 0) {
        // Halves round to even: the rounded value reaches the target one step early going up.
        w.end = w.lowest = w.up ? target - 0.5 : target + 0.5;
    } else {
        // An odd target is never reached: the steps swing between target -/+ one half.
        w.end = target;
        w.lowest = target - 0.5;
    }
    return w;
}

}  // namespace

int GridStep(double gridSize) {
    int g = RoundToInt16Clamped(gridSize);
    return g >= 1 ? g : 0;
}

float SnapPosition(float value, int G) {
    double v = value < 0 ? 0.0 : value;
    return static_cast<float>(StepToGrid(v, G).end);
}

float SnapWidth(float value, int G) {
    double minimum = std::max<double>(kMinimumSnapSize, G);
    double v = value < minimum ? minimum : value;
    return static_cast<float>(StepToGrid(v, G).end);
}

float SnapHeight(float value, int G) {
    double minimum = std::max<double>(kMinimumSnapSize, G);
    Walk w = StepToGrid(value, G);
    if (!w.moved) return value;
    double checked = w.up ? static_cast<double>(value) + 1 : w.lowest;
    return static_cast<float>(checked <= minimum ? minimum : w.end);
}

float SnapHandle(float value, float offset, int G) {
    double v = value < 0 ? 0.0 : value;
    return static_cast<float>(StepToGrid(v + offset, G).end - offset);
}

}  // namespace korvane
