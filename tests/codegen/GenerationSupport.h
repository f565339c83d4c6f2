// Designs for the generation tests: built in memory, or opened from a project file through the
// document window's Open command and generated through its Generate command.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "codegen/CodeListing.h"
#include "codegen/EventCatalogue.h"
#include "codegen/GenerateCode.h"
#include "document/DesignDocument.h"
#include "document/DocumentController.h"
#include "support/ScriptedServices.h"

namespace korvane::testing {

inline std::string CodegenData(const std::string& name) {
    return std::string(KORVANE_TEST_DATA) + "/codegen/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The lines of a CR LF text, without their terminators.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// One component of an in-memory design.
struct Part {
    Part(std::string name, std::string type, std::string value = "", std::string events = "",
         std::string order = "1", std::string popup = "")
        : name(std::move(name)),
          type(std::move(type)),
          value(std::move(value)),
          events(std::move(events)),
          order(std::move(order)),
          popup(std::move(popup)) {}

    std::string name;
    std::string type;
    std::string value;
    std::string events;
    std::string order;
    std::string popup;
    float left = 120, top = 120, width = 1080, height = 360;
};

inline void AddPart(DesignDocument& doc, const Part& p) {
    ComponentRecord r;
    r.ComponentName = p.name;
    r.ComponentType = p.type;
    r.ComponentValue = p.value;
    r.ComponentEvents = p.events;
    r.ComponentTabOrder = p.order;
    r.ComponentPopup = p.popup;
    r.Left = p.left;
    r.Top = p.top;
    r.Width = p.width;
    r.Height = p.height;
    doc.AppendSlot(r);
}

inline DesignDocument Design(const std::string& className, const std::string& target,
                             const std::vector<Part>& parts) {
    DesignDocument doc;
    doc.FileName = className;
    doc.Target = target;
    for (const Part& p : parts) AddPart(doc, p);
    return doc;
}

inline const EventCatalogue& Catalogue() {
    static const EventCatalogue catalogue;
    return catalogue;
}

// Generates an in-memory design; fails the test on a refusal.
inline std::vector<std::string> GenerateLines(DesignDocument doc) {
    GeneratedJava generated = GenerateJava(doc, Catalogue());
    EXPECT_EQ(generated.refusal, "");
    return generated.lines;
}

inline std::string Refusal(DesignDocument doc) {
    return GenerateJava(doc, Catalogue()).refusal;
}

// The index of the first line equal to text, or -1.
inline int IndexOf(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return static_cast<int>(i);
    return -1;
}

inline int Count(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const std::string& line : lines) n += line == text;
    return n;
}

// The document window with scripted services, a code window and the catalogue.
struct Session {
    Session() { form.Load(); }

    // File > Open of a project file.
    void Open(const std::string& path) {
        dialogs.paths.push_back(path);
        ASSERT_TRUE(form.FileOpen());
        ASSERT_TRUE(messages.shown.empty());
    }
    // A Generate command of the given kind; returns the bytes Save As would write.
    std::string Generate(const std::string& kind) {
        form.doc.Target = kind;
        messages.shown.clear();
        RunGenerateCommand(form, code, Catalogue());
        return code.FileText();
    }

    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    DocumentController form{messages, dialogs};
    CodeListing code;
};

}  // namespace korvane::testing
