// Generating over an edited Java file: a table of edits with the file the merge must give, each
// merged file compiled with javac, and the merge of a merged file giving it back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "codegen/GenerationSupport.h"
#include "javasource/JavaMerge.h"
#include "javasource/TextEdits.h"
#include "support/TempFolder.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;
using javasource::MergeJava;
using javasource::MergeResult;

// The design every case starts from; its class is named per case so that javac takes all the
// merged files at once.
DesignDocument Shop(const std::string& className) {
    Part buy("buy", "JButton", "Buy", "actionPerformed()|mouseClicked()", "3");
    buy.left = 1200;
    Part size(
        "gr\xc3\xb6\xc3\x9f"
        "e",
        "CommandButton", "Size", "actionPerformed()", "4");
    size.top = 600;
    return Design(className, "JFrame",
                  {Part("title", "JLabel", "Shop {", "", "1"),
                   Part("qty", "TextBox", "1", "textValueChanged()", "2"), buy, size});
}

std::string Fresh(DesignDocument doc) {
    std::string text;
    for (const std::string& line : GenerateLines(std::move(doc))) text += line + "\r\n";
    return text;
}

MergeResult Merge(const std::string& old, const std::string& fresh, const std::string& cls,
                  std::string& out) {
    out.clear();
    return MergeJava(old, fresh, cls, [&](std::string_view bytes) { out.append(bytes); });
}

const std::string kBuyStub = "            System.out.println(\"Action Performed by buy\");\r\n";
const std::string kBuyBody = "            System.out.println(\"bought\");\r\n";
const std::string kKeptBuy =
    "    // Korvane kept this code of buy.actionPerformed(), which the design no longer has:\r\n"
    "    //        public void actionPerformed(ActionEvent e) { \r\n"
    "    //            System.out.println(\"bought\");\r\n"
    "    //        }\r\n";
const std::string kHelperClass =
    "\r\nclass Helper {\r\n    String text = \"\"\"\r\n        a } text block\r\n        "
    "\"\"\";\r\n}\r\n";
const std::string kJWindowLines =
    "            JWindow window = new JWindow();\r\n            window.pack();\r\n"
    "            window.show();\r\n";
const std::string kClassEnd = "        window.show();\r\n    }\r\n";

struct MergeCase {
    const char* name;
    Edits edits;                                  // made to the old generation
    std::function<void(DesignDocument&)> change;  // made to the design before generating again
    Edits expected;                               // made to the new generation: the merged file
    int warnings = 0;
    const char* refusal = nullptr;  // part of the refusal, when the merge must refuse
    int refusalLine = 0;
};

void Rename(DesignDocument& doc, const std::string& from, const std::string& to) {
    doc.SetName(doc.SlotOfName(from), to);
}

const std::vector<MergeCase>& Cases() {
    static const std::vector<MergeCase> cases = {
        {"Unedited", {}, [](DesignDocument& d) { d.SetVisible(d.SlotOfName("qty"), false); }, {}},
        {"BodyChanged",
         {{kBuyStub, kBuyBody}},
         [](DesignDocument& d) { AddPart(d, Part("note", "Label", "x", "", "5")); },
         {{kBuyStub, kBuyBody}}},
        {"MemberAdded",
         {{"    class qty_TL",
           "    int clicks;\r\n\r\n    void count() {\r\n        clicks++;\r\n"
           "    }\r\n\r\n    class qty_TL"},
          {"    public Dimension minimumLayoutSize",
           "    int spare;\r\n\r\n    public Dimension "
           "minimumLayoutSize"},
          {"    JButton buy;\r\n", "    JButton buy;\r\n    private int total = 0;\r\n"}},
         [](DesignDocument& d) { d.SetVisible(d.SlotOfName("buy"), false); },
         {{"    class qty_TL",
           "    int clicks;\r\n\r\n    void count() {\r\n        clicks++;\r\n"
           "    }\r\n\r\n    class qty_TL"},
          {"    public Dimension minimumLayoutSize",
           "    int spare;\r\n\r\n    public Dimension "
           "minimumLayoutSize"},
          {"    TextField qty;\r\n", "    TextField qty;\r\n    private int total = 0;\r\n"}}},
        {"ImportAdded",
         {{"import javax.swing.*;\r\n",
           "import javax.swing.*;\r\nimport java.util.ArrayList;\r\n"}},
         nullptr,
         {{"import javax.swing.*;\r\n",
           "import javax.swing.*;\r\nimport java.util.ArrayList;\r\n"}}},
        {"ClassAdded", {{"", kHelperClass}}, nullptr, {{"", kHelperClass}}},
        {"ComponentRenamed",
         {{kBuyStub, kBuyBody}},
         [](DesignDocument& d) { Rename(d, "buy", "purchase"); },
         {{kClassEnd, kClassEnd + kKeptBuy}},
         1},
        {"ComponentDeleted",
         {{kBuyStub, kBuyBody}},
         [](DesignDocument& d) { d.SetVisible(d.SlotOfName("buy"), false); },
         {{kClassEnd, kClassEnd + kKeptBuy}},
         1},
        {"KindChanged",
         {{kBuyStub, kBuyBody}},
         [](DesignDocument& d) { d.MutableSlot(d.SlotOfName("buy")).ComponentType = "JCheckBox"; },
         {{kClassEnd, kClassEnd + kKeptBuy}},
         1},
        {"EventRemoved",
         {{kBuyStub, kBuyBody}},
         [](DesignDocument& d) {
             d.MutableSlot(d.SlotOfName("buy")).ComponentEvents = "mouseClicked()";
         },
         {{kClassEnd, kClassEnd + kKeptBuy}},
         1},
        {"BracesAndCommentEndsInText",
         {{kBuyStub,
           "            String s = \"} */ { \\\"\"; /* { */ char c = '}'; // } {\r\n"
           "            if (s.length() > 0) { System.out.println(s + c); }\r\n"}},
         nullptr,
         {{kBuyStub,
           "            String s = \"} */ { \\\"\"; /* { */ char c = '}'; // } {\r\n"
           "            if (s.length() > 0) { System.out.println(s + c); }\r\n"}}},
        {"NonAsciiNameAsEscapes",
         {{"Action Performed by gr\\u00f6\\u00dfe\");", "\\u00fc\");"}},
         [](DesignDocument& d) { d.MutableSlot(d.SlotOfName("title")).ComponentValue = "Shop"; },
         {{"Action Performed by gr\\u00f6\\u00dfe\");", "\\u00fc\");"}}},
        {"NotGeneratedByKorvane",
         {{"public class", "class Other {}\r\npublic class"},
          {" extends JFrame {", " extends java.awt.Frame {"}},
         nullptr,
         {},
         0,
         "no public class that Korvane generated",
         1},
        {"UnbalancedBraces",
         {{kBuyStub, "            if (true) {\r\n"}},
         nullptr,
         {},
         0,
         "do not balance",
         0},
        {"CodeInConstructor",
         {{"        qty.addTextListener",
           "        qty.setEditable(false);\r\n        qty.addTextListener"}},
         nullptr,
         {},
         0,
         "would be lost",
         0},
        {"FieldOfTheDeveloperNowAComponent",
         {{"    JButton buy;\r\n", "    JButton buy;\r\n    private int note;\r\n"}},
         [](DesignDocument& d) { AddPart(d, Part("note", "Label", "x", "", "5")); },
         {},
         0,
         "of your own has the name of a field Korvane generates",
         0},
        {"FieldDeclaredTwice",
         {{"    JButton buy;\r\n", "    JButton buy;\r\n    JButton buy;\r\n"}},
         nullptr,
         {},
         0,
         "the field buy is declared twice",
         0},
        {"LoneCarriageReturnAmongBlanks",
         {{"    JButton buy;\r\n", "    JButton buy;\r\n \r\r\n    int extra;\r\n"}},
         nullptr,
         {{"    JButton buy;\r\n", "    JButton buy;\r\n \r\r\n    int extra;\r\n"}}},
        {"LoneCarriageReturnEndingAComment",
         {{"    JButton buy;\r\n", "    JButton buy;\r\n    // note\r    int extra;\r\n"}},
         nullptr,
         {},
         0,
         "a carriage return stands alone",
         0},
        {"LoneCarriageReturnAfterAClosingBrace",
         {{kBuyStub + "        }\r\n", kBuyBody + "        } \r \n"}},
         [](DesignDocument& d) { d.SetVisible(d.SlotOfName("buy"), false); },
         {},
         0,
         "a carriage return stands alone",
         0},
        {"MemberInAListenerClass",
         {{kBuyStub + "        }\r\n", kBuyStub + "        }\r\n\r\n        int presses;\r\n"}},
         [](DesignDocument& d) { AddPart(d, Part("note", "Label", "x", "", "5")); },
         {{kBuyStub + "        }\r\n", kBuyStub + "        }\r\n\r\n        int presses;\r\n"}}},
        {"ListenerMethodTwice",
         {{kBuyStub + "        }\r\n",
           kBuyStub + "        }\r\n        public void actionPerformed(ActionEvent e) { \r\n" +
               kBuyBody + "        }\r\n"}},
         nullptr,
         {},
         0,
         "buy_AL.actionPerformed is there twice",
         0},
        {"ListenerClassTwice",
         {{"    class buy_AL implements ActionListener {\r\n",
           "    class buy_AL implements ActionListener {\r\n    }\r\n\r\n"
           "    class buy_AL implements ActionListener {\r\n"}},
         nullptr,
         {},
         0,
         "the listener class buy_AL is there twice",
         0},
        // The same two edits with every line as the generator writes it.
        {"ListenerStubTwice",
         {{kBuyStub + "        }\r\n",
           kBuyStub + "        }\r\n        public void actionPerformed(ActionEvent e) { \r\n" +
               kBuyStub + "        }\r\n"}},
         nullptr,
         {},
         0,
         "buy_AL.actionPerformed is there twice",
         0},
        {"WindowTheGeneratorDoesNotOpen",
         {{kBuyStub, kBuyStub + kJWindowLines}},
         nullptr,
         {{kBuyStub, kBuyStub + kJWindowLines}}},
        {"ListenerHeaderChanged",
         {{"public void actionPerformed(ActionEvent e) { \r\n" + kBuyStub,
           "public void actionPerformed(final ActionEvent e) {\r\n" + kBuyStub}},
         nullptr,
         {},
         0,
         "cannot be matched",
         0},
    };
    return cases;
}

TEST(MergeTest, EditsAreKeptAndMergedFilesCompile) {
    TempFolder folder("merge");
    int index = 0;
    std::vector<std::string> written;
    for (const MergeCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const std::string cls = std::string("Shop") + c.name;
        const std::string old = Edited(Fresh(Shop(cls)), c.edits);
        DesignDocument design = Shop(cls);
        if (c.change) c.change(design);
        const std::string fresh = Fresh(std::move(design));
        std::string merged;
        const MergeResult result = Merge(old, fresh, cls, merged);
        if (c.refusal) {
            EXPECT_FALSE(result.merged);
            EXPECT_NE(result.refusal.text.find(c.refusal), std::string::npos)
                << result.refusal.text;
            if (c.refusalLine) {
                EXPECT_EQ(result.refusal.line, c.refusalLine);
            }
            EXPECT_GT(result.refusal.line, 0);
            EXPECT_TRUE(merged.empty());
            continue;
        }
        ASSERT_TRUE(result.merged) << javasource::RefusalMessage(result.refusal);
        EXPECT_EQ(merged, Edited(fresh, c.expected));
        EXPECT_EQ(result.warnings.size(), static_cast<size_t>(c.warnings));
        std::string again;
        ASSERT_TRUE(Merge(merged, fresh, cls, again).merged);
        EXPECT_EQ(again, merged) << "a second merge changes the file";
        const fs::path dir = folder.dir / std::to_string(index++);
        fs::create_directories(dir);
        TempFolder::Write((dir / (cls + ".java")).string(), merged);
        written.push_back((dir / (cls + ".java")).string());
    }
    const std::string javac = "/usr/bin/javac";
    ASSERT_TRUE(fs::exists(javac)) << "javac is needed for this test";
    std::string command =
        "LC_ALL=C.UTF-8 " + javac + " -nowarn -Xlint:none -d " + (folder.dir / "classes").string();
    for (const std::string& file : written) command += " " + file;
    command += " > " + (folder.dir / "javac.log").string() + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0)
        << TempFolder::Read((folder.dir / "javac.log").string());
}

}  // namespace
}  // namespace korvane::testing
