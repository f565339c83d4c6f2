#include "mainwindow/Preview.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "codegen/CodeListing.h"
#include "codegen/GenerateCode.h"
#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "platform/Text.h"

namespace korvane {
namespace {

constexpr std::string_view kHostName = "KorvanePreview";

// The host's own code; every class it names is written in full, so that no class of the
// design's folder can hide one.
constexpr std::string_view kPlaceFirstWindow = R"(
    // Moves the first window that becomes displayable to (x, y), before it is shown.
    static void placeFirstWindow(final int x, final int y) {
        java.awt.Toolkit.getDefaultToolkit().addAWTEventListener(new java.awt.event.AWTEventListener() {
            boolean placed;
            public void eventDispatched(java.awt.AWTEvent event) {
                java.awt.event.HierarchyEvent e = (java.awt.event.HierarchyEvent) event;
                if (placed || !(e.getComponent() instanceof java.awt.Window)
                        || (e.getChangeFlags() & java.awt.event.HierarchyEvent.DISPLAYABILITY_CHANGED) == 0
                        || !e.getComponent().isDisplayable())
                    return;
                placed = true;
                e.getComponent().setLocation(x, y);
            }
        }, java.awt.AWTEvent.HIERARCHY_EVENT_MASK);
    }
}
)";

std::string Replaced(std::string text, std::string_view mark, std::string_view with) {
    for (size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + with.size()))
        text.replace(at, mark.size(), with);
    return text;
}

bool Swing(std::string_view target) {
    return target.starts_with('J');
}

// The lines of main that show the design's class.
std::string HostMain(std::string_view target, const std::string& cls) {
    const bool swing = Swing(target);
    const std::string frame = swing ? "javax.swing.JFrame" : "java.awt.Frame";
    const std::string content = swing ? "getContentPane()." : "";
    std::string text;
    if (target == "Panel" || target == "JPanel") {
        text = R"(        @frame@ window = new @frame@(@title@);
        window.@content@add(new @class@());
        window.addWindowListener(new java.awt.event.WindowAdapter() {
            public void windowClosing(java.awt.event.WindowEvent e) {
                java.lang.System.exit(0);
            }
        });
        window.pack();
        window.setLocation(x, y);
        window.setVisible(true);
)";
    } else if (target == "Dialog" || target == "JDialog") {
        text = R"(        @frame@ owner = new @frame@(@ownerTitle@);
        owner.@content@add(new @label@(@ownerText@));
        owner.pack();
        owner.setLocation(x, y);
        owner.setVisible(true);
        @class@ dialog = new @class@(owner, @title@);
        dialog.setLocation(x, y + owner.getHeight());
        dialog.setVisible(true);
        java.lang.System.exit(0);
)";
    } else {
        text = R"(        placeFirstWindow(x, y);
        @class@.main(args);
)";
    }
    text = Replaced(std::move(text), "@frame@", frame);
    text = Replaced(std::move(text), "@content@", content);
    text = Replaced(std::move(text), "@label@", swing ? "javax.swing.JLabel" : "java.awt.Label");
    text = Replaced(std::move(text), "@ownerText@",
                    JavaStringLiteral("The owner of the dialog " + cls +
                                      ": closing the dialog ends the preview."));
    text = Replaced(std::move(text), "@ownerTitle@", JavaStringLiteral(cls + " (its owner)"));
    text = Replaced(std::move(text), "@title@", JavaStringLiteral(cls));
    return Replaced(std::move(text), "@class@", cls);
}

std::string HostText(std::string_view target, const std::string& cls, const std::string& host) {
    return "public class " + host + " {\n" +
           "    public static void main(java.lang.String[] args) {\n"
           "        final int x = args.length > 1 ? java.lang.Integer.parseInt(args[0]) : 0;\n"
           "        final int y = args.length > 1 ? java.lang.Integer.parseInt(args[1]) : 0;\n" +
           HostMain(target, cls) + "    }\n" + std::string(kPlaceFirstWindow);
}

// A window standing in for a class the design's folder does not hold: titled with its name,
// saying what it is, closed by its close button.
struct StandIn {
    bool swing = false;
    bool dialog = false;
};

std::string StandInText(const std::string& qualified, const StandIn& kind) {
    const size_t dot = qualified.rfind('.');
    const std::string cls = dot == std::string::npos ? qualified : qualified.substr(dot + 1);
    const std::string base = std::string(kind.swing ? "javax.swing.J" : "java.awt.") +
                             (kind.dialog ? "Dialog" : "Frame");
    const std::string title = JavaStringLiteral(qualified);
    std::string text;
    if (dot != std::string::npos) text += "package " + qualified.substr(0, dot) + ";\n\n";
    text += "public class " + cls + " extends " + base + " {\n";
    text += "    public " + cls + "() {\n";
    text += kind.dialog ? "        super((java.awt.Frame) null, " + title + ");\n"
                        : "        super(" + title + ");\n";
    text += "        standIn();\n    }\n\n";
    if (kind.dialog) {
        text += "    public " + cls + "(java.awt.Frame owner, java.lang.String title) {\n";
        text += "        super(owner, " + title + ");\n        standIn();\n    }\n\n";
    }
    const std::string note = JavaStringLiteral("This window stands in for " + qualified +
                                               ", which the design's folder does not hold.");
    text += "    private void standIn() {\n";
    if (kind.swing) {
        text += "        getContentPane().add(new javax.swing.JLabel(" + note + "));\n";
        text += "        setDefaultCloseOperation(javax.swing.WindowConstants.DISPOSE_ON_CLOSE);\n";
    } else {
        text += "        add(new java.awt.Label(" + note + "));\n";
        text += "        addWindowListener(new java.awt.event.WindowAdapter() {\n";
        text += "            public void windowClosing(java.awt.event.WindowEvent e) {\n";
        text += "                dispose();\n            }\n        });\n";
    }
    text += "    }\n}\n";
    return text;
}

std::string DesignFolder(const DesignDocument& doc) {
    const std::string path(Trimmed(doc.FilePath));
    if (path.empty()) return {};
    return std::filesystem::path(path).parent_path().string();
}

// Whether the folder holds the class as source or compiled.
bool FolderHolds(const std::string& folder, const std::string& qualified) {
    if (folder.empty()) return false;
    std::string relative = qualified;
    std::replace(relative.begin(), relative.end(), '.', '/');
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::path(folder) / relative;
    return std::filesystem::is_regular_file(base.string() + ".java", ec) ||
           std::filesystem::is_regular_file(base.string() + ".class", ec);
}

// The classes the valid popup bindings open, with the kind of window each is opened as.
std::map<std::string, StandIn> PopupWindows(const DesignDocument& doc) {
    std::map<std::string, StandIn> windows;
    for (int slot = 1; slot <= doc.SlotCount(); ++slot) {
        const std::string& popup = doc.Slot(slot).ComponentPopup;
        if (!doc.IsLive(slot) || !IsPopupBinding(popup)) continue;
        const PopupBinding binding = PopupBinding::Read(popup);
        const auto [at, added] = windows.try_emplace(std::string(binding.className));
        // One class opened as a Swing and an AWT window is a Swing one, which is both.
        at->second.swing = at->second.swing || binding.kind.starts_with('J');
        if (added) at->second.dialog = binding.kind.ends_with("Dialog");
    }
    return windows;
}

}  // namespace

PreviewSource PreviewJava(const DesignDocument& doc, std::string_view target,
                          const EventCatalogue& catalogue) {
    PreviewSource source;
    if (doc.LiveCount() == 0) {
        source.refusal = kNoComponentMessage;
        return source;
    }
    DesignDocument copy = doc;
    copy.Target = std::string(target);
    if (copy.FileName.empty()) copy.FileName = kPreviewClassName;
    GeneratedJava generated = GenerateJava(copy, catalogue);
    if (!generated.ok()) {
        source.refusal = generated.refusal;
        return source;
    }
    CodeListing code;
    code.Lines = std::move(generated.lines);
    source.className = copy.FileName;
    source.fileText = code.FileText();
    source.warnings = generated.warnings;
    source.designFolder = DesignFolder(doc);

    const std::map<std::string, StandIn> windows = PopupWindows(doc);
    source.mainClass = std::string(kHostName);
    for (int n = 2; source.mainClass == source.className || windows.count(source.mainClass); ++n)
        source.mainClass = std::string(kHostName) + std::to_string(n);
    source.files.push_back({source.mainClass + ".java",
                            AsciiJavaSource(HostText(target, source.className, source.mainClass))});
    for (const auto& [cls, kind] : windows) {
        // The JDK's own classes need none, and none could be written.
        if (cls.starts_with("java.") || cls.starts_with("javax.") ||
            FolderHolds(source.designFolder, cls))
            continue;
        std::string path = cls;
        std::replace(path.begin(), path.end(), '.', '/');
        source.files.push_back({path + ".java", AsciiJavaSource(StandInText(cls, kind))});
        source.standIns.push_back(cls);
    }
    return source;
}

std::pair<int, int> PreviewPlace(const ScreenRect& screen, const ScreenRect& main, int width,
                                 int height) {
    constexpr int kGap = 8;
    const int screenRight = screen.left + screen.width;
    int x = main.left + main.width + kGap;
    if (x + width > screenRight) {
        const int left = main.left - kGap - width;
        x = left >= screen.left ? left : screenRight - width;
    }
    x = std::max(screen.left, x);
    const int y = std::max(screen.top, std::min(main.top, screen.top + screen.height - height));
    return {x, y};
}

}  // namespace korvane
