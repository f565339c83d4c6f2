// Fuzzing of the Java reader: any input is imported as a generated class and merged with a
// fresh class. Neither may crash or hang; a merge that succeeds must give a file that merges
// again to the same bytes. A failed check aborts, which the fuzzer reports as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "javasource/JavaImport.h"
#include "javasource/JavaMerge.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "korvane fuzz check failed: %s\n", what);
    std::abort();
}

// A small class of the generator's, the new generation every input is merged with.
const std::string kFresh =
    "import java.awt.*;\r\nimport java.awt.event.*;\r\n\r\npublic class Demo extends Frame {\r\n"
    "    Button button_1;\r\n\r\n    public Demo() {\r\n"
    "        DemoLayout customLayout = new DemoLayout();\r\n\r\n"
    "        setFont(new Font(\"Helvetica\", Font.PLAIN, 12));\r\n"
    "        setLayout(customLayout);\r\n\r\n        button_1 = new Button(\"OK\");\r\n"
    "        add(button_1);\r\n\r\n        button_1.addActionListener(new button_1_AL());\r\n\r\n"
    "        pack();\r\n\r\n    }\r\n\r\n    class button_1_AL implements ActionListener {\r\n"
    "        public void actionPerformed(ActionEvent e) { \r\n"
    "            System.out.println(\"Action Performed by button_1\");\r\n        }\r\n    "
    "}\r\n\r\n"
    "}\r\n\r\nclass DemoLayout implements LayoutManager {\r\n\r\n"
    "    public void layoutContainer(Container parent) {\r\n"
    "        Insets insets = parent.getInsets();\r\n\r\n        Component c;\r\n"
    "        c = parent.getComponent(0);\r\n"
    "        if (c.isVisible()) {c.setBounds(insets.left+16,insets.top+16,72,24);}\r\n    "
    "}\r\n}\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    korvane::javasource::ImportJava(input);
    std::string merged;
    const auto result = korvane::javasource::MergeJava(
        input, kFresh, "Demo", [&](std::string_view bytes) { merged.append(bytes); });
    if (!result.merged) return 0;
    std::string again;
    if (!korvane::javasource::MergeJava(merged, kFresh, "Demo", [&](std::string_view bytes) {
             again.append(bytes);
         }).merged)
        Fail("a merged file does not merge again");
    if (again != merged) Fail("merging a merged file changes it");
    return 0;
}
