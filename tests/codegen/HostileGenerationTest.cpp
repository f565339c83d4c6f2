// Hostile and careless designs: random mixes of every component kind with names, values, events,
// popup bindings, fonts, tab orders, dialog parents and menu elements chosen to break the
// generated Java. Every design is either refused with a message or becomes a file javac
// accepts and in which no text of the design stands outside a string literal. The random
// choices come from a fixed seed, so a failure repeats; javac runs once per round.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include "codegen/GenerationChecks.h"
#include "codegen/GenerationSupport.h"
#include "codegen/JavaFile.h"
#include "codegen/JavaText.h"
#include "document/ComponentKinds.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr const char* kJavac = "/usr/bin/javac";
constexpr uint32_t kSeed = 20261208;  // KORVANE_HOSTILE_SEED=n explores other mixes
constexpr int kRounds = 2;
constexpr int kDesignsPerRound = 90;

class Rng {
  public:
    explicit Rng(uint32_t seed) : engine_(seed) {}
    size_t Below(size_t n) { return static_cast<size_t>(engine_() % n); }
    bool Percent(int p) { return static_cast<int>(Below(100)) < p; }
    const std::string& Pick(const Strings& pool) { return pool[Below(pool.size())]; }
    // From `hostile` with probability p percent, otherwise from `plain`.
    const std::string& Mix(int p, const Strings& hostile, const Strings& plain) {
        return Pick(Percent(p) ? hostile : plain);
    }

  private:
    std::mt19937 engine_;
};

// clang-format off
// Every hostile text carries EVIL or exit(1), so code built from it is easy to spot.
const Strings kValues = {
    "", "plain", "say \"hi\"", "back\\slash\\", "\\u000a as text \\u0022", "*/ EVIL /*",
    "\"); System.exit(1); //EVIL", "EVIL\\\"); System.exit(1); //", "tab\tline\nfeed\rreturn",
    std::string("nul\0EVIL", 8), "del\x7f\x01\x1f", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
    "\xff\xfe not UTF-8 \xc3", "\xe2\x80\xa8 line separator \xc2\x85", "a|b||c \"|\\", "|",
    "'\\'' + EVIL + '", std::string(65534, 'v')};
const std::string kTooLongValue(65535, 'v');

// <class> stands for the design's class name.
const Strings kPlainNames = {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "okButton", "$x",
                             "_y"};
const Strings kHostileNames = {
    "", "int", "class", "true", "null", "_", "goto", "const", "yield", "var", "record",
    "sealed", "permits", "when", "module", "Font", "System", "String", "Label", "Frame",
    "Component", "Scrollbar", "Type", "Object", "Math", "cbg", "cbg_swing", "frame", "parent",
    "dialog_parent", "title", "customLayout", "sp_c1", "listModel_c1", "sp_c2", "listModel_c2",
    "c1_AL", "c1_ML", "<class>", "<class>Layout", "e", "window", "applet", "args", "c",
    "insets", "dim", "init", "main", "caf\xc3\xa9", "a b", "1a", "a-b", "x.y", "$", "__", "c1",
    "c2", "C1", "java", "popups", std::string(250, 'q')};

const Strings kPlainClasses = {"Hostile", "Demo", "MyForm", "$Form_2", "window", "e"};
const Strings kHostileClasses = {
    "", "class", "var", "yield", "record", "sealed", "permits", "_", "null", "Caf\xc3\xa9",
    "my-form", "2nd", "Font", "System", "String", "Label", "Frame", "Component", "Applet",
    "JFrame", "Dimension", "LayoutManager", "ActionListener", "MouseEvent", "Type",
    "ModalityType", "AccessibleAWTFrame", "AccessibleApplet", "BaselineResizeBehavior", "java",
    "popups", "app", "PopFrame", "PopDialog", "MainWindow", "c1_AL", "c2_ML", "$", "Object",
    "Math", "applet", "args", std::string(243, 'K')};

const Strings kTargets = {"Applet", "Frame", "Dialog", "Panel", "JApplet", "JFrame", "JDialog",
                          "JPanel"};
const Strings kHostileTargets = {"Window", "applet", "", "JWindow", "Frame "};

const Strings kOddMethods = {"bogus()", "", " actionPerformed()", "actionPerformed",
                             "ACTIONPERFORMED()", "windowClosing()", "mouseClicked()"};

const Strings kTabOrders = {"1", "2", "2.5", "-1", "1e1", "abc", "99999", "", " 3", "&H10",
                            "1e400", "-1e400", "0", "3abc", "1d2"};

const Strings kPopupKinds = {"Dialog", "Frame", "JDialog", "JFrame"};
const Strings kHostilePopupKinds = {"(None)", "Window", "dialog", "JDialog ", ""};
// <kind> stands for the binding's kind, <name> for the component's name.
const Strings kPlainPopupClasses = {"Pop<kind>", "Pop<kind>", "popups.PopFrame2",
                                    "java.awt.<kind>", "javax.swing.<kind>"};
const Strings kHostilePopupClasses = {
    "", "My Settings", "Font", "Label", "System", "<class>", "<class>Layout", "<name>_AL",
    "<name>_ML", "Type", "ModalityType", "AccessibleAWTFrame", "AccessibleJPanel", "Frame.Foo",
    "<class>.Inner", "X();System.exit(1);//EVIL", "int", "var", "a..b", "a.", ".a",
    "java.awt.var", "Dialog.ModalityType"};
const Strings kOddBindings = {"Dialog,,actionPerformed()", "Frame,PopFrame", ",,,",
                              "Frame,PopFrame,actionPerformed(),x",
                              "(None),PopFrame,mouseClicked()", "JFrame,PopJFrame,(None)"};

const Strings kPlainParents = {"", "", "MainWindow", "app.Main", "Frame", "Component", "Object"};
const Strings kHostileParents = {
    "JFrame", "Label", "String", "int", "var", "Main window", "<class>", "Frame.Foo", "Type",
    "ActionListener", "java.awt.Frame", "<class>Layout", "x);System.exit(1);//EVIL", "c1_AL",
    "ModalityType", "AccessibleJDialog"};

const Strings kFontNames = {"Helvetica", "Times Roman", "Courier New",
                            "\"); System.exit(1); //EVIL", "caf\xc3\xa9", "", "a\\b\\u0022",
                            "new\nline"};
const Strings kPlainStyles = {"PLAIN", "BOLD ITALIC", "ITALIC\tBOLD", "BOLD BOLD", " BOLD "};
const Strings kHostileStyles = {"bold", "", " ", "PLAIN BOLD ITALIC", "Font.BOLD",
                                "BOLD, 12)); System.exit(1); //EVIL"};
const int kFontSizes[] = {12, 0, -5, 32767, -32768, std::numeric_limits<int>::max(),
                          std::numeric_limits<int>::min()};

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kGeometry[] = {0, 120, 112.5f, 337.5f, -120, 7.5f, 1e9f, -1e9f, 3.4e38f, -3.4e38f,
                           kInf, -kInf, std::numeric_limits<float>::quiet_NaN()};
const double kOuterSizes[] = {kDefaultOuterWidth, 0, -1e9, 1e12, kInf};

const Strings kPlainMenuNames = {"optOpen", "optSave", "optQuit"};
const Strings kHostileMenuNames = {"", "opt-open", "System", "Font", "cbg", "frame",
                                   "customLayout", "c1", "int", "<class>", "Type", "String",
                                   "parent", "title", "optOpen", "listModel_c1", "sp_c2"};
const Strings kMenuLabels = {"", "File", "\"); System.exit(1); //EVIL", "caf\xc3\xa9"};
const Strings kMenuTypes = {"", "Menu", "Item", "Check", "Separator", "Bogus", "jmenuitem"};
const Strings kMenuLevels = {"", "0", "1", "2", "3", "x", "-1"};
const Strings kMenuShortcuts = {"", "Ctrl+S", "Ctrl+Shift+F5", "Alt+X", "X", "^Q", "Ctrl+"};
const Strings kMenuStates = {"", "Checked", "Disabled", "Checked Disabled", "Bogus"};
// clang-format on

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

struct HostileDesign {
    DesignDocument doc;
    bool benign = false;  // drawn from the plain pools only: must be generated
};

std::string Events(Rng& rng, const ComponentKind* kind, int hostility) {
    const std::vector<std::string_view>& offered =
        kind ? Catalogue().MethodsForClass(kind->javaClassKey) : std::vector<std::string_view>{};
    const std::span<const EventMethodRow> all = Catalogue().EventMethodTable();
    std::string events;
    const size_t count = rng.Below(6);
    for (size_t i = 0; i < count; ++i) {
        std::string method;
        if (rng.Percent(hostility)) {
            method = rng.Pick(kOddMethods);
        } else if (!offered.empty() && rng.Percent(80)) {
            method = offered[rng.Below(offered.size())];
        } else {
            method = all[rng.Below(all.size())].method;  // perhaps one the class does not offer
        }
        events += (i ? "|" : "") + method;
    }
    return events;
}

// The window kind each class named in a design stands for: the user's project has one class
// of that name, so a design names it with one kind only. A dialog parent is a JFrame.
using WindowKinds = std::map<std::string, std::string>;

std::string Popup(Rng& rng, const std::string& name, const std::string& cls, int hostility,
                  WindowKinds& windowKinds) {
    if (rng.Percent(50)) return "";
    if (rng.Percent(hostility / 2)) return rng.Pick(kOddBindings);
    std::string kind = rng.Mix(hostility / 2, kHostilePopupKinds, kPopupKinds);
    std::string popupClass = rng.Mix(hostility, kHostilePopupClasses, kPlainPopupClasses);
    // The qualified library classes and the packaged stub only fit some kinds.
    const bool awtKind = kind == "Dialog" || kind == "Frame";
    if ((popupClass == "popups.PopFrame2" && kind != "Frame") ||
        (popupClass.starts_with("java.awt.") && !awtKind) ||
        (popupClass.starts_with("javax.swing.<") && awtKind))
        popupClass = "Pop<kind>";
    popupClass =
        Replaced(Replaced(Replaced(popupClass, "<kind>", kind), "<class>", cls), "<name>", name);
    if (const auto known = windowKinds.emplace(popupClass, kind).first; known->second != kind) {
        if (std::count(std::begin(kPopupKinds), std::end(kPopupKinds), kind)) kind = known->second;
    }
    const std::string trigger =
        rng.Percent(hostility)
            ? rng.Pick(Strings{"(None)", "bogus()", "", "actionPerformed()|mouseClicked()"})
            : std::string(Catalogue().EventMethodTable()[rng.Below(29)].method);
    return kind + "," + popupClass + "," + trigger;
}

HostileDesign MakeDesign(Rng& rng) {
    HostileDesign design;
    design.benign = rng.Percent(15);
    const int hostility = design.benign ? 0 : 8 + static_cast<int>(rng.Below(20));
    DesignDocument& doc = design.doc;
    const std::string cls = rng.Mix(hostility, kHostileClasses, kPlainClasses);
    doc.FileName = cls;
    doc.Target = rng.Mix(hostility / 4, kHostileTargets, kTargets);
    doc.FontName = rng.Pick(kFontNames);
    doc.FontStyle = rng.Mix(hostility / 2, kHostileStyles, kPlainStyles);
    doc.FontSize = kFontSizes[rng.Below(std::size(kFontSizes))];
    doc.DialogParent = Replaced(rng.Mix(hostility, kHostileParents, kPlainParents), "<class>", cls);
    WindowKinds windowKinds{{doc.DialogParent, "JFrame"}};
    doc.OuterWidth = kOuterSizes[rng.Below(std::size(kOuterSizes))];
    doc.OuterHeight = kOuterSizes[rng.Below(std::size(kOuterSizes))];

    const std::span<const ComponentKind> kinds = AllKinds();
    const size_t count = 1 + rng.Below(10);
    for (size_t i = 0; i < count; ++i) {
        ComponentRecord r;
        r.ComponentType = rng.Percent(hostility / 8)
                              ? rng.Pick(Strings{"Spinner", "", "label"})
                              : std::string(kinds[rng.Below(kinds.size())].tag);
        r.ComponentName = "c" + std::to_string(i + 1);
        if (!design.benign && rng.Percent(hostility))
            r.ComponentName = Replaced(rng.Pick(kHostileNames), "<class>", cls);
        else if (!design.benign && rng.Percent(10))
            r.ComponentName = rng.Pick(kPlainNames);
        r.ComponentValue = !design.benign && rng.Percent(2) ? kTooLongValue : rng.Pick(kValues);
        if (IsListKind(r.ComponentType) && rng.Percent(50))
            r.ComponentValue += "|" + rng.Pick(kValues) + "|" + rng.Pick(kValues);
        r.ComponentEvents = Events(rng, FindKind(r.ComponentType), hostility);
        r.ComponentTabOrder = rng.Pick(kTabOrders);
        r.ComponentPopup = Popup(rng, r.ComponentName, cls, hostility, windowKinds);
        r.Left = kGeometry[rng.Below(std::size(kGeometry))];
        r.Top = kGeometry[rng.Below(std::size(kGeometry))];
        r.Width = kGeometry[rng.Below(std::size(kGeometry))];
        r.Height = kGeometry[rng.Below(std::size(kGeometry))];
        const int slot = doc.AppendSlot(r);
        if (!design.benign && rng.Percent(8)) doc.SetVisible(slot, false);
    }
    doc.MenuElements.clear();
    const size_t menuCount = rng.Below(4);
    for (size_t i = 0; i < menuCount; ++i) {
        MenuElement element;
        element.Name =
            design.benign
                ? "opt" + std::to_string(i + 1)
                : Replaced(rng.Mix(hostility, kHostileMenuNames, kPlainMenuNames), "<class>", cls);
        element.Events = Events(rng, nullptr, hostility);
        element.Type = i == 0 ? "Menu" : "Item";
        element.Level = i == 0 ? "0" : "1";
        element.Label = rng.Pick(kMenuLabels);
        if (!design.benign && rng.Percent(hostility * 2)) {
            element.Type = rng.Pick(kMenuTypes);
            element.Level = rng.Pick(kMenuLevels);
            element.Shortcut = rng.Pick(kMenuShortcuts);
            element.State = rng.Pick(kMenuStates);
        }
        doc.MenuElements.push_back(element);
    }
    if (doc.MenuElements.empty()) doc.MenuElements.emplace_back();
    return design;
}

// The design as text for a failure message; every string is shown as a Java literal.
std::string Describe(const DesignDocument& doc) {
    const auto q = [](const std::string& s) {
        if (s.size() <= 100) return JavaStringLiteral(s);
        return JavaStringLiteral(s.substr(0, 40)) + "... (" + std::to_string(s.size()) + " bytes)";
    };
    std::ostringstream out;
    out << "class " << q(doc.FileName) << " target " << q(doc.Target) << " font " << q(doc.FontName)
        << " " << q(doc.FontStyle) << " " << doc.FontSize << " parent " << q(doc.DialogParent)
        << " outer " << doc.OuterWidth << "x" << doc.OuterHeight << "\n";
    for (int slot = 1; slot <= doc.SlotCount(); ++slot) {
        const ComponentRecord& r = doc.Slot(slot);
        out << "  " << (r.Visible ? "" : "(deleted) ") << q(r.ComponentName) << " "
            << q(r.ComponentType) << " value " << q(r.ComponentValue) << " events "
            << q(r.ComponentEvents) << " order " << q(r.ComponentTabOrder) << " popup "
            << q(r.ComponentPopup) << " at " << r.Left << "," << r.Top << " " << r.Width << "x"
            << r.Height << "\n";
    }
    for (const MenuElement& e : doc.MenuElements)
        if (!e.Name.empty() || !e.Events.empty())
            out << "  menu " << q(e.Name) << " events " << q(e.Events) << " type " << q(e.Type)
                << " level " << q(e.Level) << " label " << q(e.Label) << " shortcut "
                << q(e.Shortcut) << " state " << q(e.State) << "\n";
    return out.str();
}

// The code of a line with its string literals removed; false when a literal is not closed.
bool CodeOutsideLiterals(const std::string& line, std::string& code) {
    code.clear();
    bool inLiteral = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inLiteral) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inLiteral = false;
            }
        } else if (c == '"') {
            inLiteral = true;
            code += "\"\"";
        } else {
            code += c;
        }
    }
    return !inLiteral;
}

// Whether some design text stands in the code of the file outside a string literal.
std::string StrayText(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string code;
        const bool closed = CodeOutsideLiterals(line, code);
        // A non-ASCII character of a name is written as a \u escape; one of an ASCII
        // character (a quote, a line break) would be design text turned into code.
        static const std::regex nonAsciiEscape(R"(\\u(?!00[0-7])[0-9a-f]{4})");
        code = std::regex_replace(code, nonAsciiEscape, "U");
        const bool nonAscii = std::any_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E;
        });
        const bool comment = code.find("//") != std::string::npos && line != "            //";
        if (!closed || nonAscii || comment || code.find("EVIL") != std::string::npos ||
            code.find("exit(1)") != std::string::npos || code.find("/*") != std::string::npos ||
            code.find("*/") != std::string::npos || code.find('\\') != std::string::npos ||
            code.find('\'') != std::string::npos)
            return "line " + std::to_string(i + 1) + ": " + JavaStringLiteral(line);
    }
    return {};
}

// The classes of the user's project that a generated design refers to.
constexpr const char* kStubHeader =
    "import java.awt.*;\nimport java.awt.event.*;\nimport javax.swing.*;\n";

std::string WindowStub(const std::string& cls, const std::string& kind) {
    if (kind == "Dialog")
        return "class " + cls + " extends Dialog { " + cls +
               "(Frame o, String t) { super(o, t); } }\n";
    return "class " + cls + " extends " + kind + " {}\n";
}

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

struct Compiled {
    std::string package;
    std::string description;
    std::vector<std::string> lines;  // as javac sees them, package line included
};

// One generated design in package `package`: its file and the stubs it needs.
Compiled WriteDesign(const fs::path& src, const std::string& package, const DesignDocument& doc,
                     std::vector<std::string> lines, std::vector<fs::path>& sources) {
    // The classes the file declares, and those it uses: no stub may stand for one of them.
    std::set<std::string> taken;
    const std::regex declared(R"(^(?:public class|    class|class) ([^ ]+) )");
    for (const std::string& line : lines)
        if (std::smatch m; std::regex_search(line, m, declared)) taken.insert(m[1]);
    for (const std::string& cls : ClassesTheFileUses(Catalogue())) taken.insert(cls);
    std::map<std::string, std::string> stubs;  // class -> kind
    for (int slot = 1; slot <= doc.SlotCount(); ++slot) {
        const std::string& popup = doc.Slot(slot).ComponentPopup;  // invalid ones are erased
        if (!doc.IsLive(slot) || popup.empty()) continue;
        const PopupBinding binding = SplitPopupBinding(popup);
        stubs.emplace(binding.className, binding.kind);
    }
    if (IsDialogTarget(doc.Target)) stubs.emplace(doc.DialogParent, "JFrame");
    std::string stubText = "package " + package + ";\n" + kStubHeader;
    for (const auto& [cls, kind] : stubs)
        if (IsJavaIdentifier(cls) && !taken.count(cls) && cls != "Object")
            stubText += WindowStub(cls, kind);
    sources.push_back(src / package / "KvStubs.java");
    WriteText(sources.back(), stubText);

    lines.front() = "package " + package + "; " + lines.front();
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    sources.push_back(src / package / (doc.FileName + ".java"));
    WriteText(sources.back(), text);
    return {package, Describe(doc), std::move(lines)};
}

// Runs javac once over `sources`; adds one failure per design that javac rejects.
void CompileAll(const fs::path& dir, const std::vector<fs::path>& sources,
                const std::vector<Compiled>& designs) {
    std::string arguments;
    for (const fs::path& source : sources) arguments += source.string() + "\n";
    WriteText(dir / "sources.txt", arguments);
    const fs::path log = dir / "javac.log";
    // The file names of classes named in other scripts need a UTF-8 locale.
    const std::string command = "LC_ALL=C.UTF-8 " + std::string(kJavac) +
                                " -nowarn -Xlint:none -encoding US-ASCII -Xmaxerrs 10000 -d " +
                                (dir / "classes").string() + " @" + (dir / "sources.txt").string() +
                                " > " + log.string() + " 2>&1";
    const int status = std::system(command.c_str());
    const std::string output = ReadBytes(log.string());
    if (status == 0) return;

    // package -> (line, message); the stub files' errors count for their design too.
    std::map<std::string, std::vector<std::pair<size_t, std::string>>> errorsOfPackage;
    const std::regex error(R"(/src/([A-Za-z0-9_]+)/([^:/]+)\.java:(\d+): error: (.*))");
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, error)) continue;
        const bool stub = m[2] == "KvStubs";  // its line numbers are not the design's
        errorsOfPackage[m[1]].push_back({stub ? 0 : std::stoul(m[3].str()), m[4].str()});
    }
    for (const Compiled& design : designs) {
        const auto it = errorsOfPackage.find(design.package);
        if (it == errorsOfPackage.end()) continue;
        std::string errors;
        for (const auto& [line, message] : it->second) {
            const bool known = line >= 1 && line <= design.lines.size();
            errors += "  " + std::to_string(line) + ": " + message + "\n    " +
                      (known ? design.lines[line - 1] : std::string("?")) + "\n";
        }
        ADD_FAILURE() << "javac rejects the file of " << design.package << ":\n"
                      << design.description << errors;
    }
    EXPECT_FALSE(errorsOfPackage.empty()) << "javac failed without an error line:\n" << output;
}

TEST(HostileGenerationTest, EveryDesignIsRefusedOrCompiles) {
    ASSERT_TRUE(fs::exists(kJavac)) << "javac is needed for this test: " << kJavac;
    const auto started = std::chrono::steady_clock::now();
    const char* seed = std::getenv("KORVANE_HOSTILE_SEED");
    Rng rng(seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : kSeed);
    int refused = 0, generated = 0;
    for (int round = 0; round < kRounds; ++round) {
        const fs::path dir =
            fs::temp_directory_path() /
            ("korvane_hostile_" + std::to_string(::getpid()) + "_" + std::to_string(round));
        fs::remove_all(dir);
        const fs::path src = dir / "src";
        std::vector<fs::path> sources;
        std::vector<Compiled> designs;
        for (int k = 0; k < kDesignsPerRound; ++k) {
            HostileDesign design = MakeDesign(rng);
            const std::string before = Describe(design.doc);
            const GeneratedJava out = GenerateJava(design.doc, Catalogue());
            if (!out.ok()) {
                ++refused;
                EXPECT_TRUE(out.lines.empty());
                EXPECT_FALSE(design.benign) << "a plain design is refused: " << out.refusal << "\n"
                                            << before;
                continue;
            }
            ++generated;
            ASSERT_FALSE(out.lines.empty());
            if (const std::string stray = StrayText(out.lines); !stray.empty())
                ADD_FAILURE() << "design text outside a string literal, " << stray << "\n"
                              << before;
            designs.push_back(WriteDesign(src, "h" + std::to_string(round * 1000 + k), design.doc,
                                          out.lines, sources));
        }
        WriteText(src / "popups" / "PopFrame2.java",
                  "package popups;\npublic class PopFrame2 extends java.awt.Frame {}\n");
        WriteText(src / "app" / "Main.java",
                  "package app;\npublic class Main extends javax.swing.JFrame {}\n");
        sources.push_back(src / "popups" / "PopFrame2.java");
        sources.push_back(src / "app" / "Main.java");
        CompileAll(dir, sources, designs);
        // KORVANE_KEEP_JAVAC=1 keeps the sources for a look.
        if (!HasFailure() && !std::getenv("KORVANE_KEEP_JAVAC")) fs::remove_all(dir);
    }
    // The mix must exercise both outcomes.
    EXPECT_GT(refused, kRounds * kDesignsPerRound / 5);
    EXPECT_GT(generated, kRounds * kDesignsPerRound / 5);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    std::cout << "[ hostile ] " << generated << " generated, " << refused << " refused in "
              << seconds.count() << " s\n";
}

}  // namespace
}  // namespace korvane::testing
