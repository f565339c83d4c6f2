// How many listener types the event catalogue's ListenerTable holds: a listener plan keeps one
// entry per type, and the table is checked against this count when it is compiled.
#pragma once

#include <cstddef>

namespace korvane {

inline constexpr size_t kListenerTypeCount = 11;

}  // namespace korvane
