#include "app/CommandLine.h"

#include <iostream>
#include <string_view>

namespace korvane {
namespace {

constexpr const char* kUsage =
    "usage: korvane [FILE.dat]\n"
    "\n"
    "Starts the Java user interface designer, opening the design FILE.dat when it is given.\n"
    "\n"
    "Options:\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

}  // namespace

std::optional<int> AnswerWithoutWindow(int argc, const char* const* argv) {
    if (argc < 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--help" || option == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (option == "--version") {
        std::cout << "korvane " << KORVANE_VERSION << "\n";
        return 0;
    }
    return std::nullopt;
}

}  // namespace korvane
