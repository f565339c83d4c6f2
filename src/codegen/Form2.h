// The code window: the lines of the last generation, shown in a fixed-pitch font and saved
// as a .java file.
#pragma once

#include <string>
#include <vector>

namespace korvane {

class Form2 {
public:
    std::vector<std::string> Lines;
    bool Visible = false;

    // Replaces the whole text with a generation's lines and shows the window.
    void ShowGenerated(std::vector<std::string> lines) {
        Lines = std::move(lines);
        Visible = true;
    }
};

}  // namespace korvane
