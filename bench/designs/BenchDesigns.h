// The two designs the benchmarks measure at the format's limit of 32767 components.
//
// Mixed: the 25 kinds in turn, spread over a full-screen window, with the values, tab orders
// and empty events a design made in the program has. Worst: the same kinds with every value
// 240 characters long (24 items for the list kinds), every event its class offers and a
// popup window bound to each component.
#pragma once

#include <string>

#include "document/DesignDocument.h"

namespace korvane::bench {

inline constexpr int kLimit = 32767;

enum class DesignShape { Mixed, Worst };

// Fills an empty document with n components of the shape.
void FillDesign(DesignDocument& doc, DesignShape shape, int n = kLimit);

// The project file text of such a design.
std::string DesignFileText(DesignShape shape, int n = kLimit);

}  // namespace korvane::bench
