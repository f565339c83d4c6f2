// Generated files compile: for every target kind, a design holding all 25 component kinds,
// each with every listener method its class offers and a popup binding, goes through javac
// together with the example designs and the largest designs the checks let through. javac
// runs once for all files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "codegen/GenerationSupport.h"
#include "codegen/JavaFile.h"
#include "document/ComponentKinds.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJavac = "/usr/bin/javac";

std::string Joined(const std::vector<std::string_view>& methods) {
    std::string events;
    for (std::string_view m : methods) events += (events.empty() ? "" : "|") + std::string(m);
    return events;
}

// The popup windows the designs open; they stand in for classes of the user's project.
constexpr const char* kPopupStubs =
    "import java.awt.*;\n"
    "import javax.swing.*;\n"
    "class PopDialog extends Dialog { PopDialog(Frame owner, String title) { super(owner, title); "
    "} }\n"
    "class HelpDialog extends Dialog { HelpDialog(Frame owner, String title) { super(owner, "
    "title); } }\n"
    "class PopFrame extends Frame {}\n"
    "class PopJDialog extends JDialog {}\n"
    "class PopJFrame extends JFrame {}\n"
    "class AboutDialog extends JDialog {}\n"
    "class OrderSummary extends Frame {}\n";
constexpr const char* kPackagedStub =
    "package popups;\npublic class PopFrame2 extends java.awt.Frame {}\n";

// Every kind, with awkward values, all its methods, repeated and unknown ones, and a binding
// of every popup kind; tab orders run backwards with fractions.
DesignDocument AllKindsDesign(const std::string& className, const std::string& target) {
    const std::string awtPopups[] = {"Dialog,PopDialog,", "Frame,PopFrame,",
                                     "Frame,popups.PopFrame2,"};
    const std::string swingPopups[] = {"JDialog,PopJDialog,", "JFrame,PopJFrame,",
                                       "Dialog,PopDialog,"};
    std::vector<Part> parts;
    int i = 0;
    for (const ComponentKind& kind : korvane::AllKinds()) {
        const bool swing = kind.family == Family::Swing;
        const std::vector<std::string_view>& methods =
            Catalogue().MethodsForClass(kind.javaClassKey);
        std::string name = std::string(kind.namePrefix) + (swing ? "s" : "a") + "1";
        std::string value = IsListKind(kind.tag) ? "one|two \"2\"||caf\xc3\xa9\\"
                                                 : "say \"hi\"\\ caf\xc3\xa9\tand\nmore";
        // The catalogue offers no method for some classes (JRadioButton): their events and
        // trigger are dropped from the listener plan.
        std::string events = methods.empty()
                                 ? "itemStateChanged()"
                                 : Joined(methods) + "|bogus()|" + std::string(methods.front());
        // A binding whose trigger is not among the events, so the driver adds it.
        if (i % 4 == 3) events.clear();
        const std::string trigger =
            methods.empty() ? "itemStateChanged()"
                            : std::string(methods[static_cast<size_t>(i) % methods.size()]);
        std::string popup = (swing ? swingPopups : awtPopups)[i % 3] + trigger;
        parts.push_back({name, std::string(kind.tag), value, events,
                         std::to_string(25 - i) + (i % 2 ? ".5" : ""), popup});
        ++i;
    }
    // A binding whose trigger the class does not offer opens nothing.
    parts.push_back({"label_extra", "Label", "x", "", "0", "Frame,PopFrame,actionPerformed()"});
    DesignDocument doc = Design(className, target, parts);
    if (target.size() % 2) {
        doc.FontName = "Times Roman";
        doc.FontStyle = "BOLD ITALIC";
    }
    return doc;
}

// The largest designs the checks let through: the longest names, strings as long as a class
// file holds them, the most rows the layout method holds (with constants that take the most
// code), the most list items the constructor holds.
std::vector<DesignDocument> LimitDesigns() {
    std::string euros;
    for (int i = 0; i < 21845; ++i) euros += "\xe2\x82\xac";
    DesignDocument strings =
        Design("LongestStrings", "Frame",
               {{"text_1", "Label", std::string(65534, 'a')},
                {"text_2", "JLabel", euros},
                {"text_3", "JTextArea", std::string(32767, '\0') + "a"},
                {"list_1", "ComboBox", std::string(65534, 'b') + "|" + euros}});
    strings.FontName = std::string(65534, 'F');

    std::vector<Part> rows;
    for (int i = 0; i < 1598; ++i) {
        Part part("b" + std::to_string(i), "CommandButton", "x");
        part.left = static_cast<float>((100000 + i) * 15);
        part.top = static_cast<float>((200000 + i) * 15);
        part.width = static_cast<float>((300000 + i) * 15);
        part.height = static_cast<float>((400000 + i) * 15);
        rows.push_back(part);
    }
    DesignDocument widest = Design("WidestLayout", "JFrame", rows);

    std::string items = "item0";
    for (int i = 1; i < 6538; ++i) items += "|item" + std::to_string(i);
    DesignDocument longest = Design("LongestConstructor", "Frame", {{"list", "ComboBox", items}});

    // N$<name>_AL.class and <Class>Layout.class have 255 characters, the file system's limit.
    DesignDocument names =
        Design("N", "Frame",
               {{std::string(244, 'b'), "CommandButton", "", "actionPerformed()"},
                {std::string(65525, 'n'), "JList", "x"}});
    DesignDocument longClass = Design(std::string(243, 'C'), "Panel", {{"label", "Label", "x"}});

    std::vector<DesignDocument> designs;
    designs.push_back(std::move(names));
    designs.push_back(std::move(longClass));
    designs.push_back(std::move(strings));
    designs.push_back(std::move(widest));
    designs.push_back(std::move(longest));
    return designs;
}

// Names in other scripts, with listener classes named after them, and a class named so too.
std::vector<DesignDocument> OtherScriptDesigns() {
    std::vector<DesignDocument> designs;
    designs.push_back(Design("Nombres", "JFrame",
                             {{"número", "JButton", "número", "actionPerformed()|mouseClicked()"},
                              {"日本", "JList", "一|二"},
                              {"ñandú", "JRadioButton", "x", "itemStateChanged()"},
                              {"𝑥", "TextBox", "", "textValueChanged()"},
                              {"e\u0301", "CheckBox"}}));
    designs.push_back(Design("Café", "Frame", {{"añadir", "CommandButton", "+"}}));
    return designs;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string FileOf(const std::vector<std::string>& lines) {
    CodeListing code;
    code.Lines = lines;
    return code.FileText();
}

bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    return true;
}

TEST(JavacCompileTest, EveryTargetKindCompiles) {
    ASSERT_TRUE(fs::exists(kJavac)) << "javac is needed for this test: " << kJavac;
    const fs::path dir =
        fs::temp_directory_path() / ("korvane_javac_test_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "src" / "popups");
    std::vector<fs::path> sources;

    for (std::string_view kind : kTargetKinds) {
        const std::string cls = "All" + std::string(kind);
        DesignDocument doc = AllKindsDesign(cls, std::string(kind));
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        ASSERT_EQ(generated.refusal, "") << kind;
        const std::string text = FileOf(generated.lines);
        EXPECT_TRUE(IsAscii(text)) << kind;
        sources.push_back(dir / "src" / (cls + ".java"));
        WriteText(sources.back(), text);
    }
    // Swing components alone in an AWT frame, and AWT components alone in a JPanel.
    const struct {
        std::string cls, target;
        Family family;
    } partial[] = {{"SwingInFrame", "Frame", Family::Swing},
                   {"AwtInJPanel", "JPanel", Family::Awt}};
    for (const auto& p : partial) {
        DesignDocument all = AllKindsDesign(p.cls, p.target);
        std::vector<Part> parts;
        for (int slot = 1; slot <= all.SlotCount(); ++slot) {
            const ComponentRecord& r = all.Slot(slot);
            if (FindKind(r.ComponentType)->family == p.family)
                parts.push_back({r.ComponentName, r.ComponentType, r.ComponentValue,
                                 r.ComponentEvents, r.ComponentTabOrder, r.ComponentPopup});
        }
        DesignDocument doc = Design(p.cls, p.target, parts);
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        ASSERT_EQ(generated.refusal, "") << p.cls;
        sources.push_back(dir / "src" / (p.cls + ".java"));
        WriteText(sources.back(), FileOf(generated.lines));
    }
    std::vector<DesignDocument> more = LimitDesigns();
    for (DesignDocument& doc : OtherScriptDesigns()) more.push_back(std::move(doc));
    for (DesignDocument& doc : more) {
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        ASSERT_EQ(generated.refusal, "") << doc.FileName;
        sources.push_back(dir / "src" / (doc.FileName + ".java"));
        WriteText(sources.back(), FileOf(generated.lines));
    }
    // The examples, each as the target it was drawn for.
    const struct {
        std::string file, target;
    } examples[] = {{"login", "Dialog"}, {"settings", "JFrame"}, {"order", "Frame"}};
    for (const auto& e : examples) {
        Session s;
        s.Open(std::string(KORVANE_EXAMPLES) + "/" + e.file + ".dat");
        const std::string text = s.Generate(e.target);
        ASSERT_TRUE(s.code.Visible) << e.file;
        sources.push_back(dir / "src" / (e.file + ".java"));
        WriteText(sources.back(), text);
    }
    sources.push_back(dir / "src" / "PopupStubs.java");
    WriteText(sources.back(), kPopupStubs);
    sources.push_back(dir / "src" / "popups" / "PopFrame2.java");
    WriteText(sources.back(), kPackagedStub);

    // The files are ASCII whatever javac takes the machine's encoding to be; the file names
    // of classes named in other scripts need a UTF-8 locale.
    std::string command = "LC_ALL=C.UTF-8 " + std::string(kJavac) +
                          " -nowarn -Xlint:none -encoding US-ASCII -d " +
                          (dir / "classes").string();
    for (const fs::path& source : sources) command += " " + source.string();
    const fs::path log = dir / "javac.log";
    command += " > " + log.string() + " 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << ReadBytes(log.string());
    EXPECT_TRUE(fs::exists(dir / "classes" / "AllJApplet.class"));
    EXPECT_TRUE(fs::exists(dir / "classes" / "AllJPanelLayout.class"));
    EXPECT_TRUE(fs::exists(dir / "classes" / "Nombres$número_AL.class"));
    EXPECT_TRUE(fs::exists(dir / "classes" / "Café.class"));
    // KORVANE_KEEP_JAVAC=1 keeps the sources for a look.
    if (status == 0 && !std::getenv("KORVANE_KEEP_JAVAC")) fs::remove_all(dir);
}

// Where the generated window differed from the design: an item with events standing in the menu
// bar, a JFrame whose menu bar is wider than the window, a checked element without a type, and
// listener classes whose names differ only in the case of a non-ASCII letter. A file that is
// written must hold the lines that mend the fault and compile; one that is refused names both
// classes.
TEST(JavacCompileTest, WindowsAsDesignedInTheirMenusAndClassFiles) {
    ASSERT_TRUE(fs::exists(kJavac)) << "javac is needed for this test: " << kJavac;
    const std::vector<MenuElement> menus = {
        {"mFile", "File", "Menu", "", "0", "", ""},
        {"mGrid", "Grid", "", "Checked", "1", "itemStateChanged()", ""},
        {"mEdit", "Edit", "Menu", "", "0", "", ""},
        {"mView", "View", "Menu", "", "0", "", ""},
        {"mHelp", "Help", "Menu", "", "0", "", ""},
        {"mQuit", "Quit", "Item", "", "0", "actionPerformed()", ""}};
    const Part button("ok", "JButton", "OK", "actionPerformed()");
    const auto pair = [](const char* a, const char* b) {
        return std::vector<Part>{{a, "JButton", "", "actionPerformed()", "1"},
                                 {b, "JButton", "", "actionPerformed()", "2"}};
    };
    const struct {
        const char* what;
        std::string cls, target;
        std::vector<Part> parts;
        std::vector<MenuElement> menu;
        std::vector<std::string> lines;  // in the file, or in the refusal when `refused`
        bool refused = false;
    } cases[] = {
        {"an item with events in the bar, Swing",
         "BarItemSwing",
         "JFrame",
         {button},
         menus,
         {"        mQuit = new JMenuItem(\"Quit\");",
          "        getJMenuBar().add(new JMenu(\"Quit\")).add(mQuit);",
          "        mQuit.addActionListener(new mQuit_AL());"}},
        {"an item with events in the bar, AWT",
         "BarItemAwt",
         "Frame",
         {button},
         menus,
         {"        mQuit = new MenuItem(\"Quit\");",
          "        getMenuBar().add(new Menu(\"Quit\")).add(mQuit);",
          "        mQuit.addActionListener(new mQuit_AL());"}},
        {"a menu bar wider than the window",
         "WideMenus",
         "JFrame",
         {button},
         menus,
         {"        getJMenuBar().setLayout(new WideMenusMenuBarLayout(103));",
          "class WideMenusMenuBarLayout implements LayoutManager {"}},
        {"a checked element without a type, Swing",
         "CheckedSwing",
         "JFrame",
         {button},
         menus,
         {"        mGrid = new JCheckBoxMenuItem(\"Grid\", true);",
          "        mGrid.addItemListener(new mGrid_IL());"}},
        {"a checked element without a type, AWT",
         "CheckedAwt",
         "Frame",
         {button},
         menus,
         {"        mGrid = new CheckboxMenuItem(\"Grid\", true);",
          "        mGrid.addItemListener(new mGrid_IL());"}},
        {"an accented letter in two cases",
         "Accents",
         "JFrame",
         pair("\u00c9", "\u00e9"),
         {},
         {"\"\u00c9_AL\" and \"\u00e9_AL\""},
         true},
        {"final and medial sigma",
         "Sigmas",
         "Frame",
         pair("x\u03c3", "X\u03c2"),
         {},
         {"\"x\u03c3_AL\" and \"X\u03c2_AL\""},
         true},
        {"the Kelvin sign and k",
         "Kelvin",
         "Applet",
         pair("k", "\u212a"),
         {},
         {"\"k_AL\" and \"\u212a_AL\""},
         true},
        {"a letter beyond the first 65536",
         "Deseret",
         "JPanel",
         pair("\U00010400", "\U00010428"),
         {},
         {"\"\U00010400_AL\" and \"\U00010428_AL\""},
         true},
        // Simple case folding keeps these apart, as the file systems do.
        {"sharp s and ss", "SharpS", "JFrame", pair("\u00df", "ss"), {}, {}},
        {"dotted capital I and i", "DottedI", "JFrame", pair("\u0130", "i"), {}, {}},
    };
    const fs::path dir =
        fs::temp_directory_path() / ("korvane_javac_windows_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "src");
    std::string command = "LC_ALL=C.UTF-8 " + std::string(kJavac) +
                          " -nowarn -Xlint:none -encoding US-ASCII -d " +
                          (dir / "classes").string();
    for (const auto& c : cases) {
        DesignDocument doc = Design(c.cls, c.target, c.parts);
        doc.MenuElements = c.menu;
        doc.OuterWidth = 103 * 15 + kDesignMargin + kFrameWidth;
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        for (const std::string& line : c.lines) {
            if (c.refused) {
                EXPECT_NE(generated.refusal.find(line), std::string::npos)
                    << c.what << ": " << generated.refusal;
            } else {
                EXPECT_NE(IndexOf(generated.lines, line), -1) << c.what << ": " << line;
            }
        }
        if (c.refused) continue;
        EXPECT_EQ(generated.refusal, "") << c.what;
        const fs::path source = dir / "src" / (c.cls + ".java");
        WriteText(source, FileOf(generated.lines));
        command += " " + source.string();
    }
    const fs::path log = dir / "javac.log";
    const int status = std::system((command + " > " + log.string() + " 2>&1").c_str());
    EXPECT_EQ(status, 0) << ReadBytes(log.string());
    if (status == 0 && !std::getenv("KORVANE_KEEP_JAVAC")) fs::remove_all(dir);
}

}  // namespace
}  // namespace korvane::testing
