// The code window: the lines of the last generation, shown in a fixed-pitch font and saved
// as a .java file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace korvane {

inline constexpr std::string_view kCodeWindowCaption = "Java Generated File";
inline constexpr double kCodeClientWidth = 8940;   // twips
inline constexpr double kCodeClientHeight = 4575;  // twips
// What ends each line of a saved .java file.
inline constexpr std::string_view kJavaLineEnd = "\r\n";

class CodeListing {
  public:
    // Entry i is line i of the generated file.
    std::vector<std::string> Lines;
    bool Visible = false;
    // The folder of the last successful Save As, with its final separator; "" at first.
    std::string LastJavaFolder;
    // Set by the desktop program: given the chosen path and the bytes of the new file, merges
    // them with the Java file already there; false when nothing is to be written.
    std::function<bool(const std::string& path, std::string& bytes)> MergeWithExisting;

    // Replaces the whole text with a generation's lines and shows the window.
    void ShowGenerated(std::vector<std::string> lines) {
        Lines = std::move(lines);
        Visible = true;
    }
    void Clear() { Lines.clear(); }
    void EmitLine(std::string line) { Lines.push_back(std::move(line)); }
    void Show() { Visible = true; }

    // File > Save As...: asks for a .java path (proposing the class name) and writes every
    // line followed by CR LF. A cancel writes nothing; a failed write is reported and leaves
    // the window, its text and the file on disk as they were. True when a file was written.
    bool SaveAs(std::string_view javaFileName, FileDialogService& dialogs,
                MessageBoxService& messages, FileSystem& files = RealFileSystem());
    // File > Close: the window goes and its text with it.
    void Close();

    // The file's bytes: each line followed by CR LF.
    std::string FileText() const;

  private:
    CommonFileDialog dialog_;
};

}  // namespace korvane
