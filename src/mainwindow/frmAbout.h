// The About window: the program's name and version.
#pragma once

#include <string>

namespace korvane {

struct frmAbout {
    std::string Caption;
    std::string lblTitle;
    std::string lblVersion;
    std::string lblDescription =
        "Draw AWT and Swing user interfaces and generate their Java source.";
    std::string Label2 = "August 2002";
    std::string lblDisclaimer = "Comments or Suggestions to:";
    std::string Label1 = "korvane@example.org";

    void Form_Load() {
        Caption = "About Korvane";
        lblVersion = "Version 1.3";
        lblTitle = "Korvane";
    }
};

}  // namespace korvane
