// The About window: the program's name and version.
#pragma once

#include <string>

namespace korvane {

struct AboutBox {
    std::string Caption;
    std::string Title;
    std::string Version;
    std::string Description = "Draw AWT and Swing user interfaces and generate their Java source.";
    std::string DateLine = "August 2002";
    std::string ContactLine = "Comments or Suggestions to:";
    std::string Address = "korvane@example.org";

    void Load() {
        Caption = "About Korvane";
        Version = "Version 1.3";
        Title = "Korvane";
    }
};

}  // namespace korvane
