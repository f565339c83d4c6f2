// The generated classes of all eight targets, compiled and run under a virtual display (with a
// window manager where one is installed). A probe prints what each window shows: its content
// size, every child's class, bounds, stacking position and font, and the menu bar; all of it
// must be the design.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "codegen/GenerationSupport.h"
#include "codegen/JavaFile.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJavac = "/usr/bin/javac";
constexpr int kWidth = 400, kHeight = 260;  // the designed window, pixels

// The Java class a running window shows for each kind.
const std::map<std::string, std::string> kShownClass = {{"Label", "Label"},
                                                        {"PictureBox", "Canvas"},
                                                        {"TextBox", "TextField"},
                                                        {"TextArea", "TextArea"},
                                                        {"CommandButton", "Button"},
                                                        {"CheckBox", "Checkbox"},
                                                        {"OptionButton", "Checkbox"},
                                                        {"ComboBox", "Choice"},
                                                        {"ListBox", "List"},
                                                        {"HScrollBar", "Scrollbar"},
                                                        {"VScrollBar", "Scrollbar"},
                                                        {"Panel", "Panel"},
                                                        {"ScrollPane", "ScrollPane"},
                                                        {"JLabel", "JLabel"},
                                                        {"JTextField", "JTextField"},
                                                        {"JTextArea", "JTextArea"},
                                                        {"JButton", "JButton"},
                                                        {"JCheckBox", "JCheckBox"},
                                                        {"JRadioButton", "JRadioButton"},
                                                        {"JComboBox", "JComboBox"},
                                                        {"JList", "JList"},
                                                        {"JHScrollBar", "JScrollBar"},
                                                        {"JVScrollBar", "JScrollBar"},
                                                        {"JPanel", "JPanel"},
                                                        {"JScrollPane", "JScrollPane"}};

Part At(Part part, int x, int y, int w, int h) {
    part.left = static_cast<float>(x * 15);
    part.top = static_cast<float>(y * 15);
    part.width = static_cast<float>(w * 15);
    part.height = static_cast<float>(h * 15);
    return part;
}

// A container drawn first in tab order with components drawn over it, overlapping lists,
// radio buttons with events, and components apart; AWT or Swing after the target.
DesignDocument RunDesign(const std::string& target) {
    const bool swing = target.front() == 'J';
    const std::string p = swing ? "J" : "";
    std::vector<Part> parts = {
        At({"box", swing ? "JPanel" : "Panel", "", "", "1"}, 8, 8, 200, 120),
        At({"caption", swing ? "JLabel" : "Label", "Name:", "mouseClicked()", "2"}, 16, 16, 80, 24),
        At({"ok", swing ? "JButton" : "CommandButton", "OK", "actionPerformed()", "3"}, 16, 48, 80,
           24),
        At({"yes", swing ? "JRadioButton" : "OptionButton", "Yes", "itemStateChanged()", "4"}, 220,
           16, 80, 24),
        At({"no", swing ? "JRadioButton" : "OptionButton", "No", "itemStateChanged()", "5"}, 220,
           44, 80, 24),
        At({"items", "JList", "one|two|three", "mouseClicked()", "6"}, 220, 80, 100, 60),
        At({"notes", swing ? "TextArea" : "JTextArea", "notes", "", "7"}, 280, 100, 100, 60),
        At({"awt", "TextBox", "awt", "", "8"}, 16, 200, 120, 24),
        At({"swing", "JCheckBox", "swing", "", "9"}, 160, 200, 120, 24),
    };
    DesignDocument doc = Design("Run" + target, target, parts);
    doc.OuterWidth = kWidth * 15 + kDesignMargin + kFrameWidth;
    doc.OuterHeight = kHeight * 15 + kDesignMargin + kFrameHeight;
    if (swing) {
        doc.FontName = "Times Roman";
        doc.FontStyle = "BOLD ITALIC";
        doc.FontSize = 9;
    } else {
        doc.FontName = "Courier";
        doc.FontStyle = "PLAIN";
        doc.FontSize = 14;
    }
    doc.MenuElements = {{"mFile", "File", "Menu", "", "0", "", ""},
                        {"mOpen", "Open", "Item", "", "1", "actionPerformed()", "Ctrl+O"},
                        {"mSep", "", "Separator", "", "1", "", ""},
                        {"mAuto", "Auto", "Check", "Checked", "1", "itemStateChanged()", ""},
                        {"mHelp", "Help", "Menu", "", "0", "", ""},
                        {"mAbout", "About", "", "", "1", "actionPerformed()", ""}};
    return doc;
}

struct Shown {
    int width = -1, height = -1;
    struct Child {
        std::string cls;
        int x, y, w, h;
        std::string font;
    };
    std::vector<Child> children;
    std::vector<std::string> menu;
};

Shown Parse(const std::string& output) {
    Shown shown;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "content") {
            words >> shown.width >> shown.height;
        } else if (what == "child") {
            Shown::Child c;
            int index = 0;
            std::string name, style, size;
            words >> index >> c.cls >> c.x >> c.y >> c.w >> c.h >> name >> style >> size;
            c.font = name + " " + style + " " + size;
            shown.children.push_back(c);
        } else if (what == "menu") {
            shown.menu.push_back(line.substr(5));
        }
    }
    return shown;
}

bool Overlap(const ComponentRecord& a, const ComponentRecord& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

void CompareWithDesign(const DesignDocument& doc, const Shown& shown) {
    const std::string& target = doc.Target;
    EXPECT_EQ(shown.width, kWidth) << target << ": the content area";
    EXPECT_EQ(shown.height, kHeight) << target << ": the content area";
    ASSERT_EQ(shown.children.size(), static_cast<size_t>(doc.LiveCount())) << target;
    const std::string font = doc.FontSize == 9 ? "TimesRoman 3 9" : "Courier 0 14";
    std::map<int, size_t> childOfSlot;
    for (int slot = 1; slot <= doc.SlotCount(); ++slot) {
        const ComponentRecord& r = doc.Slot(slot);
        const int x = static_cast<int>(r.Left / 15), y = static_cast<int>(r.Top / 15);
        bool found = false;
        for (size_t i = 0; i < shown.children.size(); ++i) {
            const Shown::Child& c = shown.children[i];
            if (c.x != x || c.y != y) continue;
            found = true;
            childOfSlot[slot] = i;
            EXPECT_EQ(c.cls, kShownClass.at(r.ComponentType)) << target << " " << r.ComponentName;
            EXPECT_EQ(c.w, static_cast<int>(r.Width / 15)) << target << " " << r.ComponentName;
            EXPECT_EQ(c.h, static_cast<int>(r.Height / 15)) << target << " " << r.ComponentName;
            EXPECT_EQ(c.font, font) << target << " " << r.ComponentName;
        }
        EXPECT_TRUE(found) << target << ": " << r.ComponentName << " is not at its place";
    }
    // Of two overlapping components, the one in front on the surface is the earlier child.
    for (int a = 1; a <= doc.SlotCount(); ++a)
        for (int b = a + 1; b <= doc.SlotCount(); ++b)
            if (Overlap(doc.Slot(a), doc.Slot(b))) {
                EXPECT_LT(childOfSlot[b], childOfSlot[a])
                    << target << ": " << doc.Slot(b).ComponentName << " should cover "
                    << doc.Slot(a).ComponentName;
            }

    std::vector<std::string> menu;
    if (target == "Frame")
        menu = {"0 Menu File", "1 MenuItem Open", "1 MenuItem -", "1 CheckboxMenuItem Auto",
                "0 Menu Help", "1 MenuItem About"};
    if (target == "JFrame")
        menu = {"0 JMenu File", "1 JMenuItem Open", "1 Separator -", "1 JCheckBoxMenuItem Auto",
                "0 JMenu Help", "1 JMenuItem About"};
    EXPECT_EQ(shown.menu, menu) << target;
}

bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}

bool CanRunJava() {
    return fs::exists(kJavac) && OnPath("java") && OnPath("xvfb-run") && OnPath("Xvfb");
}

// Compiles the designs' classes with the probe and runs the probe on each, with `probeArgs`
// after its class and target, on one virtual display (with a window manager where there is
// one); the output of each run. KORVANE_KEEP_JAVAC=1 keeps the folder.
std::vector<std::string> RunProbes(const std::string& name,
                                   const std::vector<DesignDocument>& designs,
                                   const std::string& probeArgs) {
    const fs::path dir =
        fs::temp_directory_path() / ("korvane_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "src");
    std::string sources = std::string(KORVANE_TEST_SOURCE) + "/javarun/WindowProbe.java";
    for (DesignDocument doc : designs) {
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        EXPECT_TRUE(generated.ok()) << doc.Target << ": " << generated.refusal;
        std::ofstream(dir / "src" / (doc.FileName + ".java")) << [&] {
            std::string text;
            for (const std::string& line : generated.lines) text += line + "\n";
            return text;
        }();
        sources += " " + (dir / "src" / (doc.FileName + ".java")).string();
    }
    const fs::path log = dir / "javac.log";
    const std::string javac = std::string(kJavac) + " -nowarn -Xlint:none -d " +
                              (dir / "classes").string() + " " + sources + " > " + log.string() +
                              " 2>&1";
    EXPECT_EQ(std::system(javac.c_str()), 0) << ReadBytes(log.string());

    std::string script = "cd " + (dir / "classes").string() + "; ";
    if (OnPath("openbox")) script += "openbox > /dev/null 2>&1 & sleep 1; ";
    for (const DesignDocument& doc : designs)
        script += "timeout 60 java WindowProbe " + doc.FileName + " " + doc.Target + " " +
                  probeArgs + " > " + (dir / (doc.FileName + ".out")).string() + " 2>&1; ";
    const std::string run = "xvfb-run -a -s '-screen 0 1024x768x24' sh -c '" + script + "'";
    std::ofstream(dir / "run.sh") << run << "\n";
    EXPECT_EQ(std::system(("sh " + (dir / "run.sh").string()).c_str()), 0);

    std::vector<std::string> outputs;
    for (const DesignDocument& doc : designs)
        outputs.push_back(ReadBytes((dir / (doc.FileName + ".out")).string()));
    if (!::testing::Test::HasFailure() && !std::getenv("KORVANE_KEEP_JAVAC")) fs::remove_all(dir);
    return outputs;
}

TEST(RunningWindowTest, EveryTargetRunsAsDesigned) {
    if (!CanRunJava()) GTEST_SKIP() << "javac, java, xvfb-run and Xvfb are needed";
    std::vector<DesignDocument> designs;
    for (std::string_view target : kTargetKinds) designs.push_back(RunDesign(std::string(target)));
    const std::vector<std::string> outputs = RunProbes("running", designs, "");
    for (size_t i = 0; i < designs.size(); ++i) {
        SCOPED_TRACE(designs[i].Target + ":\n" + outputs[i]);
        CompareWithDesign(designs[i], Parse(outputs[i]));
    }
}

// Components apart, in a tab order that is not their order by position, with a label (which
// takes no focus) among them; a window narrower than its menu bar, with an item standing in the
// bar. Tab pressed through the display must visit the components in tab order, and the window
// keeps its designed content size.
TEST(RunningWindowTest, TabFollowsTheTabOrderAndTheMenuBarLeavesTheContentSize) {
    if (!CanRunJava()) GTEST_SKIP() << "javac, java, xvfb-run and Xvfb are needed";
    constexpr int kNarrow = 240, kLow = 170;
    const auto design = [&](const std::string& target) {
        const bool swing = target.front() == 'J';
        const auto kind = [&](const char* awt, const char* swingKind) {
            return swing ? swingKind : awt;
        };
        DesignDocument doc = Design(
            "Tab" + target, target,
            {At({"topRight", kind("TextBox", "JTextField"), "", "", "1"}, 128, 8, 100, 24),
             At({"midRight", kind("CommandButton", "JButton"), "b", "", "2"}, 128, 48, 100, 24),
             At({"bottom", kind("CheckBox", "JCheckBox"), "c", "", "3"}, 8, 128, 100, 24),
             At({"caption", kind("Label", "JLabel"), "l", "", "4"}, 8, 88, 100, 24),
             At({"midLeft", kind("ComboBox", "JComboBox"), "x|y", "", "5"}, 8, 48, 100, 24),
             At({"topLeft", kind("ListBox", "JList"), "x|y", "", "6"}, 8, 8, 100, 24),
             At({"bottomRight", kind("TextBox", "JTextField"), "", "", "7"}, 128, 128, 100, 24)});
        doc.OuterWidth = kNarrow * 15 + kDesignMargin + kFrameWidth;
        doc.OuterHeight = kLow * 15 + kDesignMargin + kFrameHeight;
        std::vector<MenuElement> menus;
        for (const char* menu : {"File", "Edit", "View", "Insert", "Format", "Tools", "Window"}) {
            menus.push_back({std::string("m") + menu, menu, "Menu", "", "0", "", ""});
            menus.push_back(
                {std::string("i") + menu, "Item", "Item", "", "1", "actionPerformed()", ""});
        }
        menus.push_back({"mQuit", "Quit", "Item", "", "0", "actionPerformed()", ""});
        doc.MenuElements = menus;
        return doc;
    };
    const std::vector<DesignDocument> designs = {design("JFrame"), design("Frame")};
    // The children that take the focus, in tab order (the label, child 3, takes none), around
    // once and on to the second.
    const std::vector<std::string> focus = {"focus 0", "focus 1", "focus 2", "focus 4",
                                            "focus 5", "focus 6", "focus 0", "focus 1"};
    const std::vector<std::string> outputs = RunProbes("tab", designs, "tab 7");
    for (size_t i = 0; i < designs.size(); ++i) {
        SCOPED_TRACE(designs[i].Target + ":\n" + outputs[i]);
        std::vector<std::string> shown;
        std::istringstream in(outputs[i]);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("focus ")) shown.push_back(line);
        EXPECT_EQ(shown, focus);
        const Shown window = Parse(outputs[i]);
        EXPECT_EQ(window.width, kNarrow);
        EXPECT_EQ(window.height, kLow);
        ASSERT_GE(window.menu.size(), 2u);
        const bool swing = designs[i].Target == "JFrame";
        EXPECT_EQ(window.menu[window.menu.size() - 2], swing ? "0 JMenu Quit" : "0 Menu Quit");
        EXPECT_EQ(window.menu.back(), swing ? "1 JMenuItem Quit" : "1 MenuItem Quit");
    }
}

}  // namespace
}  // namespace korvane::testing
