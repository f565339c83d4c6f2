// The largest design there is, 32767 components of every kind with values as long as a project
// file holds them, overlapping, some with listeners, and a menu bar, compiles: its constructor
// and layout are spread over helper classes and methods below javac's 64 KB per method.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "codegen/GenerationSupport.h"
#include "document/ComponentKinds.h"

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJavac = "/usr/bin/javac";

DesignDocument LargestDesign(const std::string& target) {
    DesignDocument doc;
    doc.FileName = "Largest" + target;
    doc.Target = target;
    const std::span<const ComponentKind> kinds = AllKinds();
    std::string items;  // 254 characters, as many items as fit
    while (items.size() + 8 <= 254)
        items +=
            (items.empty() ? "" : "|") + std::string("item" + std::to_string(items.size() % 1000));
    items.resize(254, 'x');
    for (int i = 0; i < kMaxSlots; ++i) {
        const ComponentKind& kind = kinds[static_cast<size_t>(i) % kinds.size()];
        ComponentRecord r;
        r.ComponentName = "c" + std::to_string(i);
        r.ComponentType = kind.tag;
        r.ComponentValue =
            IsListKind(kind.tag) ? items : std::string(254, static_cast<char>('a' + i % 26));
        r.ComponentTabOrder = std::to_string(kMaxSlots - i);  // backwards: the sort has work
        if (i % 10 == 0) r.ComponentEvents = "mouseClicked()|focusLost()";
        // A dense grid of overlapping boxes within the geometry a project file holds.
        r.Left = static_cast<float>((i % 181) * 180);
        r.Top = static_cast<float>((i / 181) * 180);
        r.Width = 1080;
        r.Height = 360;
        doc.AppendSlot(r);
    }
    doc.MenuElements.clear();
    for (int m = 0; m < 10; ++m) {
        doc.MenuElements.push_back({"menu" + std::to_string(m), "Menu", "Menu", "", "0", "", ""});
        for (int k = 0; k < 5; ++k)
            doc.MenuElements.push_back({"item" + std::to_string(m) + "_" + std::to_string(k),
                                        std::string(200, 'm'), "Item", "", "1", "actionPerformed()",
                                        ""});
    }
    return doc;
}

TEST(LargeDesignCompileTest, TheLargestDesignCompiles) {
    if (!fs::exists(kJavac)) {
        GTEST_SKIP() << "javac is needed: " << kJavac;
    }
    const fs::path dir =
        fs::temp_directory_path() / ("korvane_largest_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "src");
    std::string sources;
    for (const char* target : {"JFrame", "Applet"}) {
        DesignDocument doc = LargestDesign(target);
        const auto started = std::chrono::steady_clock::now();
        const GeneratedJava generated = GenerateJava(doc, Catalogue());
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ASSERT_TRUE(generated.ok()) << generated.refusal;
        std::cout << "[ largest ] " << target << ": " << generated.lines.size() << " lines in "
                  << seconds << " s\n";
        const fs::path source = dir / "src" / (doc.FileName + ".java");
        std::ofstream out(source);
        for (const std::string& line : generated.lines) out << line << "\n";
        sources += " " + source.string();
    }
    const fs::path log = dir / "javac.log";
    const auto started = std::chrono::steady_clock::now();
    const std::string javac = std::string(kJavac) + " -J-Xmx1g -nowarn -Xlint:none -d " +
                              (dir / "classes").string() + sources + " > " + log.string() + " 2>&1";
    EXPECT_EQ(std::system(javac.c_str()), 0) << ReadBytes(log.string()).substr(0, 4000);
    std::cout << "[ largest ] javac: "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()
              << " s\n";
    if (!HasFailure() && !std::getenv("KORVANE_KEEP_JAVAC")) fs::remove_all(dir);
}

}  // namespace
}  // namespace korvane::testing
