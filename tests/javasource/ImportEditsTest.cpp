// A generated class edited by hand, read back into a design: edits in the generator's forms
// change the design, and every line a design cannot give back is named with its line.
#include <gtest/gtest.h>

#include <functional>

#include "codegen/GenerationSupport.h"
#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"
#include "javasource/TextEdits.h"

namespace korvane::testing {
namespace {

// A window with a label, a button that listens, a File menu, and a Quit item with events
// standing in the bar.
std::string ShopClass() {
    Part buy("buy", "JButton", "Buy", "actionPerformed()", "2");
    buy.top = 600;
    DesignDocument doc = Design("Shop", "JFrame", {Part("title", "JLabel", "Shop", "", "1"), buy});
    doc.MenuElements = {{"file", "File", "Menu", "", "0", "", ""},
                        {"open", "Open", "Item", "", "1", "actionPerformed()", ""},
                        {"quit", "Quit", "Item", "", "0", "actionPerformed()", ""}};
    std::string text;
    for (const std::string& line : GenerateLines(std::move(doc))) text += line + "\r\n";
    return text;
}

const LoadedComponent* Named(const javasource::ImportedClass& imported, std::string_view name) {
    for (const LoadedComponent& c : imported.project.components)
        if (c.name == name) return &c;
    return nullptr;
}

struct ImportCase {
    const char* name;
    Edits edits;
    std::vector<std::string> unmapped;  // a part of each finding, in line order
    std::function<void(const javasource::ImportedClass&)> check = nullptr;
};

TEST(ImportEditsTest, EditedClassesReadBackWithWhatCannotBeMappedNamed) {
    const ImportCase cases[] = {
        {"Unedited", {}, {}},
        {"BoundsAndTextEdited",
         {{"insets.top+40,72,24", "insets.top+48,96,24"},
          {"new JButton(\"Buy\")", "new JButton(\"Pay\")"}},
         {},
         [](const javasource::ImportedClass& imported) {
             const LoadedComponent* buy = Named(imported, "buy");
             ASSERT_TRUE(buy);
             EXPECT_EQ(buy->value, "Pay");
             EXPECT_EQ(buy->y, 48 * 15);
             EXPECT_EQ(buy->sizeX, 96 * 15);
         }},
        {"ComponentAdded",
         {{"    JButton buy;\r\n", "    JButton buy;\r\n    JTextField name;\r\n"},
          {"        setJMenuBar",
           "        name = new JTextField(\"\");\r\n        getContentPane().add(name);\r\n\r\n"
           "        setJMenuBar"},
          {"insets.top+40,72,24);}\r\n",
           "insets.top+40,72,24);}\r\n        c = parent.getComponent(2);\r\n"
           "        if (c.isVisible()) {c.setBounds(insets.left+8,insets.top+72,72,24);}\r\n"}},
         {},
         [](const javasource::ImportedClass& imported) {
             const LoadedComponent* name = Named(imported, "name");
             ASSERT_TRUE(name);
             EXPECT_EQ(name->type, "JTextField");
             EXPECT_EQ(name->order, "3");
             EXPECT_EQ(name->y, 72 * 15);
         }},
        {"MenuBarWidthEdited",
         {{"ShopMenuBarLayout(320)", "ShopMenuBarLayout(500)"}},
         {"given the width 500, not the window's 320"}},
        {"OwnMenuRelabelled",
         {{"new JMenu(\"Quit\")).add(quit)", "new JMenu(\"Exit\")).add(quit)"}},
         {"the menu holding quit in the menu bar is not labelled as the item"}},
        {"BarItemWithoutEvents",
         {{"        quit.addActionListener(new quit_AL());\r\n", ""}},
         {"quit stands in the menu bar in a menu of its own but has no events",
          "the listener class quit_AL is registered on nothing"}},
        {"ItemInTheBarItself",
         {{"getJMenuBar().add(new JMenu(\"Quit\")).add(quit);", "getJMenuBar().add(quit);"}},
         {"quit stands in the menu bar itself"}},
        {"CodeInTheConstructor",
         {{"        pack();\r\n", "        pack();\r\n        setResizable(false);\r\n"}},
         {"code of your own in a generated method, which a design does not hold: "
          "setResizable(false);"}},
        {"ClassAdded", {{"", "\r\nclass Extra {\r\n}\r\n"}}, {"class Extra of your own"}},
    };
    const std::string shop = ShopClass();
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        const javasource::ImportedClass imported = javasource::ImportJava(Edited(shop, c.edits));
        ASSERT_FALSE(imported.refusal) << javasource::RefusalMessage(*imported.refusal);
        std::string all;
        for (const javasource::Finding& f : imported.unmapped)
            all += javasource::RefusalMessage(f) + "\n";
        ASSERT_EQ(imported.unmapped.size(), c.unmapped.size()) << all;
        for (size_t k = 0; k < c.unmapped.size(); ++k) {
            EXPECT_NE(imported.unmapped[k].text.find(c.unmapped[k]), std::string::npos) << all;
            EXPECT_GT(imported.unmapped[k].line, 0);
        }
        if (c.check) c.check(imported);
    }
}

}  // namespace
}  // namespace korvane::testing
