// The class of a design, read back into a design and saved as a project file, generates the
// same class byte for byte: random designs for every target kind, with every kind of component,
// texts that need escaping, names written as \u escapes, events, popup windows, overlapping
// components raised out of tab order, components apart in or out of position order, menu bars
// (wide ones, items with events standing in the bar), fonts, and designs large enough to be
// split.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "codegen/GenerationSupport.h"
#include "document/ComponentKinds.h"
#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"

namespace korvane::testing {
namespace {

template <typename T>
const T& Pick(std::mt19937& rng, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
}

int Between(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

const std::vector<std::string> kTexts = {"",
                                         "OK",
                                         "Name:",
                                         "a \"quoted\" \\ value",
                                         "caf\xc3\xa9",
                                         "tab\there",
                                         "{ } */ /*",
                                         "\xe5\x90\x8d\xe5\x89\x8d",
                                         "x|y",
                                         "||",
                                         "emoji \xf0\x9f\x98\x80"};
const std::vector<std::string> kNameStems = {"c",
                                             "\xc3\xa9tiquette",
                                             "gr\xc3\xb6\xc3\x9f"
                                             "e",
                                             "$x",
                                             "_under",
                                             "\xe5\x90\x8d"};

std::string Events(std::mt19937& rng, std::string_view type) {
    const std::vector<std::string_view>& offered =
        Catalogue().MethodsForClass(JavaClassOfType(type));
    std::string events;
    if (offered.empty()) return events;
    for (int k = Between(rng, 0, 3); k > 0; --k) {
        if (!events.empty()) events += "|";
        events +=
            offered[static_cast<size_t>(Between(rng, 0, static_cast<int>(offered.size()) - 1))];
    }
    return events;
}

void AddMenu(std::mt19937& rng, DesignDocument& doc) {
    doc.MenuElements.clear();
    // An empty type is left to the tree: a menu when it holds others, a check item when checked.
    const std::vector<std::string> types = {"Item", "Check", "Separator", "Item", ""};
    int level = 0;
    // Now and then a bar of many menus, wider than most windows, which a JMenuBar wraps.
    const int count = Between(rng, 0, 3) == 0 ? Between(rng, 12, 30) : Between(rng, 1, 8);
    for (int k = 0; k < count; ++k) {
        MenuElement e;
        e.Name = "menu" + std::to_string(k);
        // A menu first, then elements one level deeper or back up; an item with events may
        // stand in the bar, in a menu of its own.
        if (Between(rng, 0, 4) == 0) {
            e.Type = Between(rng, 0, 1) ? "Item" : "";
            e.Level = "0";
            e.Events = "actionPerformed()";
            level = 0;
        } else if (k == 0 || level == 0 || Between(rng, 0, 3) == 0) {
            e.Type = "Menu";
            e.Level = std::to_string(Between(rng, 0, level));
            level = std::stoi(e.Level) + 1;
        } else {
            e.Type = Pick(rng, types);
            e.Level = std::to_string(level);
        }
        e.Label = Between(rng, 0, 1) ? "Label " + std::to_string(k) : "";
        if (e.Type == "Check" || (e.Type.empty() && level > 0))
            e.State = Between(rng, 0, 1) ? "Checked" : "";
        if (e.Type != "Separator" && Between(rng, 0, 3) == 0) e.State += " Disabled";
        if (e.Type == "Item" && Between(rng, 0, 2) == 0)
            e.Shortcut = Between(rng, 0, 1) ? "Ctrl+S" : "Ctrl+Shift+F5";
        if (e.Type != "Separator" && e.Type != "Menu" && Between(rng, 0, 1))
            e.Events = "actionPerformed()";
        doc.MenuElements.push_back(e);
    }
}

DesignDocument RandomDesign(std::mt19937& rng, const std::string& cls, const std::string& target,
                            int count) {
    DesignDocument doc;
    doc.FileName = cls;
    doc.Target = target;
    doc.OuterWidth = Between(rng, 2000, 20000);
    doc.OuterHeight = Between(rng, 2000, 20000);
    const std::vector<std::tuple<std::string, std::string, int>> fonts = {
        {"Helvetica", "PLAIN", 12}, {"Times Roman", "BOLD", 14}, {"Courier New", "BOLD ITALIC", 9}};
    const auto& [font, style, size] = Pick(rng, fonts);
    doc.FontName = font;
    doc.FontStyle = style;
    doc.FontSize = size;
    const std::span<const ComponentKind> kinds = AllKinds();
    const std::vector<std::string> windows = {"Dialog", "Frame", "JDialog", "JFrame"};
    const bool apart = Between(rng, 0, 2) == 0, inPositionOrder = Between(rng, 0, 1) == 0;
    for (int i = 0; i < count; ++i) {
        const ComponentKind& kind =
            kinds[static_cast<size_t>(Between(rng, 0, static_cast<int>(kinds.size()) - 1))];
        const int order = apart && inPositionOrder ? i + 1 : Between(rng, 0, count);
        Part p(Pick(rng, kNameStems) + std::to_string(i), std::string(kind.tag), Pick(rng, kTexts),
               Events(rng, kind.tag), std::to_string(order));
        if (IsListKind(kind.tag) && Between(rng, 0, 1)) p.value = "one|two||three";
        if (apart) {
            // In a grid, apart: only the tab order (random) decides whether a focus policy is
            // needed.
            p.left = static_cast<float>(1200 * (i % 8) + Between(rng, 0, 200));
            p.top = static_cast<float>(600 * (i / 8) + Between(rng, 0, 140));
            p.width = static_cast<float>(Between(rng, 0, 1000));
            p.height = static_cast<float>(Between(rng, 0, 450));
        } else {
            // Crowded: many overlap, some reach past the window's left and top edges.
            p.left = static_cast<float>(Between(rng, -200, 6000));
            p.top = static_cast<float>(Between(rng, -200, 6000));
            p.width = static_cast<float>(Between(rng, 0, 3000));
            p.height = static_cast<float>(Between(rng, 0, 1500));
        }
        const std::vector<std::string_view>& offered =
            Catalogue().MethodsForClass(JavaClassOfType(kind.tag));
        if (!offered.empty() && Between(rng, 0, 4) == 0)
            p.popup = Pick(rng, windows) + ",Window" + std::to_string(i) + "," +
                      std::string(offered[static_cast<size_t>(
                          Between(rng, 0, static_cast<int>(offered.size()) - 1))]);
        AddPart(doc, p);
    }
    for (int k = apart ? 0 : Between(rng, 0, count / 3); k > 0; --k)
        doc.BringToFront(Between(rng, 1, doc.SlotCount()));
    if (IsFrameTarget(target) && Between(rng, 0, 1)) AddMenu(rng, doc);
    return doc;
}

std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Import, then the round trip through a project file, then generation.
std::string RegeneratedFromImport(const std::string& java, const std::string& cls) {
    const javasource::ImportedClass imported = javasource::ImportJava(java);
    EXPECT_FALSE(imported.refusal) << javasource::RefusalMessage(*imported.refusal);
    for (const javasource::Finding& f : imported.unmapped)
        ADD_FAILURE() << "not mapped: " << javasource::RefusalMessage(f);
    Session first;
    first.form.LoadProject(imported.project);
    LoadedProject reread;
    std::string error;
    EXPECT_TRUE(ReadProject(ProfileReader::FromBytes(ProjectFileText(first.form.doc)),
                            first.form.doc.GridSize, reread, error))
        << error;
    Session second;
    second.form.LoadProject(std::move(reread));
    second.form.doc.FileName = cls;
    second.form.doc.Target = imported.target;
    const GeneratedJava again = GenerateJava(second.form.doc, Catalogue());
    EXPECT_EQ(again.refusal, "");
    return Text(again.lines);
}

// Forms of the generated class that the random designs must meet, each by a text only it holds.
struct Form {
    const char* what;
    std::function<bool(const std::string&)> in;
    int met = 0;
};
bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(ImportRoundTripTest, RandomDesignsOfEveryTargetGenerateTheSameClass) {
    std::mt19937 rng(20240521);
    int generated = 0;
    std::vector<Form> forms = {
        {"raised children", [](const std::string& t) { return Has(t, "setComponentZOrder("); }},
        {"a focus policy without raised children",
         [](const std::string& t) {
             return Has(t, "Focus(getComponents()") && !Has(t, "setComponentZOrder(");
         }},
        {"an AWT window's focus policy",
         [](const std::string& t) { return Has(t, "extends DefaultFocusTraversalPolicy"); }},
        {"a JMenuBar's layout", [](const std::string& t) { return Has(t, "MenuBarLayout("); }},
        {"a JFrame's bar item in a menu of its own",
         [](const std::string& t) { return Has(t, "getJMenuBar().add(new JMenu("); }},
        {"a Frame's bar item in a menu of its own",
         [](const std::string& t) { return Has(t, "getMenuBar().add(new Menu("); }},
        {"a body spread over local classes",
         [](const std::string& t) { return Has(t, "().run();"); }},
    };
    for (std::string_view target : kTargetKinds) {
        for (int k = 0; k < 25; ++k) {
            // Now and then a design too large for one method, whose body and layout are split.
            const int count = k == 0 ? 1700 : Between(rng, 1, 30);
            const std::string cls = "R" + std::string(target) + std::to_string(k);
            DesignDocument doc = RandomDesign(rng, cls, std::string(target), count);
            const GeneratedJava java = GenerateJava(doc, Catalogue());
            if (!java.ok()) continue;  // a random design the checks refuse
            ++generated;
            SCOPED_TRACE(cls);
            const std::string text = Text(java.lines);
            for (Form& form : forms) form.met += form.in(text);
            ASSERT_EQ(RegeneratedFromImport(text, cls), text);
            // A merge into the unedited class gives the fresh class.
            std::string merged;
            ASSERT_TRUE(javasource::MergeJava(text, text, cls, [&](std::string_view b) {
                            merged.append(b);
                        }).merged);
            ASSERT_EQ(merged, text);
        }
    }
    EXPECT_GT(generated, 150);
    for (const Form& form : forms) EXPECT_GE(form.met, 3) << form.what;
}

}  // namespace
}  // namespace korvane::testing
