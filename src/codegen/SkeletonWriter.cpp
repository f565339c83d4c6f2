#include "codegen/SkeletonWriter.h"

#include <algorithm>
#include <vector>

#include "codegen/JavaText.h"
#include "codegen/Listeners.h"
#include "document/DesignDocument.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string Pixels(double twips) {
    return std::to_string(TwipsToWholePixels(twips));
}

IntegerText PixelsOf(double twips) {
    return IntegerText(TwipsToWholePixels(twips));
}

// Rows of a split layout per method: at most 41 bytes of code each.
constexpr size_t kLayoutChunkRows = 1500;

// The bounds of the children first to end - 1.
void WriteBounds(JavaFile& file, size_t first, size_t end) {
    file.Emit(8, "Component c;");
    const std::vector<size_t>& childOrder = file.stacking.childOrder;
    for (size_t i = first; i < end; ++i) {
        const CodegenRow& row = file.table[childOrder.empty() ? i : childOrder[i]];
        file.Emit(8, {"c = parent.getComponent(", IntegerText(static_cast<int64_t>(i)), ");"});
        file.Emit(
            8, {"if (c.isVisible()) {c.setBounds(insets.left+", PixelsOf(row.left), ",insets.top+",
                PixelsOf(row.top), ",", PixelsOf(row.width), ",", PixelsOf(row.height), ");}"});
    }
}

}  // namespace

bool NeedsSwingImport(const JavaFile& file) {
    if (file.SwingTarget()) return true;
    for (const CodegenRow& row : file.table)
        if (!row.type.empty() && row.type.front() == 'J') return true;
    return PopupsNeedSwingImport(file.table);
}

std::optional<std::string> FontStyleExpression(std::string_view fontStyle) {
    const std::vector<std::string_view> words = Words(fontStyle);
    if (words.empty() || words.size() > 2) return std::nullopt;
    std::string expression;
    for (std::string_view word : words) {
        if (word != "PLAIN" && word != "BOLD" && word != "ITALIC") return std::nullopt;
        if (!expression.empty()) expression += "|";
        expression += "Font." + std::string(word);
    }
    return expression;
}

std::string JavaFontName(std::string_view fontName) {
    return fontName == "Times Roman" ? "TimesRoman" : std::string(fontName);
}

void WriteImportsAndHeader(JavaFile& file) {
    file.Emit(0, "import java.awt.*;");
    file.Emit(0, "import java.awt.event.*;");
    if (IsAppletTarget(file.generateType)) file.Emit(0, "import java.applet.Applet;");
    if (NeedsSwingImport(file)) file.Emit(0, "import javax.swing.*;");
    file.Emit(0, "");
    file.Emit(0, "public class " + file.className + " extends " + file.generateType + " {");
}

void WriteInitOpening(JavaFile& file) {
    file.Emit(0, "");
    file.Emit(4, "public void init() {");
}

void WriteLayoutAndFont(JavaFile& file) {
    const std::string layout = file.className + "Layout";
    file.Emit(8, layout + " customLayout = new " + layout + "();");
    file.Emit(0, "");
    // The checks before writing refuse a style without an expression.
    const std::string font = "new Font(" + JavaStringLiteral(JavaFontName(file.fontName)) + ", " +
                             FontStyleExpression(file.fontStyle).value_or("Font.PLAIN") + ", " +
                             std::to_string(file.fontSize) + ")";
    const std::string container = UsesContentPane(file.generateType) ? "getContentPane()." : "";
    file.Emit(8, container + "setFont(" + font + ");");
    file.Emit(8, container + "setLayout(customLayout);");
    file.Emit(0, "");
}

void WriteInitEnd(JavaFile& file) {
    file.Emit(8, "setSize(getPreferredSize());");
    file.Emit(0, "");
    file.Emit(4, "}");
    file.Emit(0, "");
}

int DesignedContentWidth(const JavaFile& file) {
    return TwipsToWholePixels(file.surfaceWidth - kDesignMargin);
}

void WriteLayoutClass(JavaFile& file) {
    const std::string layout = file.className + "Layout";
    file.Emit(0, "class " + layout + " implements LayoutManager {");
    file.Emit(0, "");
    file.Emit(4, "public " + layout + "() {");
    file.Emit(4, "}");
    file.Emit(0, "");
    file.Emit(4, "public void addLayoutComponent(String name, Component comp) {");
    file.Emit(4, "}");
    file.Emit(0, "");
    file.Emit(4, "public void removeLayoutComponent(Component comp) {");
    file.Emit(4, "}");
    file.Emit(0, "");
    file.Emit(4, "public Dimension preferredLayoutSize(Container parent) {");
    file.Emit(8, "Dimension dim = new Dimension(0, 0);");
    file.Emit(0, "");
    file.Emit(8, "Insets insets = parent.getInsets();");
    file.Emit(8, "dim.width = " + std::to_string(DesignedContentWidth(file)) +
                     " + insets.left + insets.right;");
    file.Emit(8, "dim.height = " + Pixels(file.surfaceHeight - kDesignMargin) +
                     " + insets.top + insets.bottom;");
    file.Emit(0, "");
    file.Emit(8, "return dim;");
    file.Emit(4, "}");
    file.Emit(0, "");
    file.Emit(4, "public Dimension minimumLayoutSize(Container parent) {");
    file.Emit(8, "Dimension dim = new Dimension(0, 0);");
    file.Emit(8, "return dim;");
    file.Emit(4, "}");
    file.Emit(0, "");
    file.Emit(4, "public void layoutContainer(Container parent) {");
    file.Emit(8, "Insets insets = parent.getInsets();");
    file.Emit(0, "");
    if (!file.splitLayout) {
        WriteBounds(file, 0, file.table.size());
        file.Emit(4, "}");
        file.Emit(0, "}");
        return;
    }
    const size_t chunks = (file.table.size() + kLayoutChunkRows - 1) / kLayoutChunkRows;
    for (size_t k = 1; k <= chunks; ++k)
        file.Emit(8, "place" + std::to_string(k) + "(parent, insets);");
    file.Emit(4, "}");
    for (size_t k = 1; k <= chunks; ++k) {
        file.Emit(0, "");
        file.Emit(4,
                  "private void place" + std::to_string(k) + "(Container parent, Insets insets) {");
        WriteBounds(file, (k - 1) * kLayoutChunkRows,
                    std::min(file.table.size(), k * kLayoutChunkRows));
        file.Emit(4, "}");
    }
    file.Emit(0, "}");
}

}  // namespace korvane
