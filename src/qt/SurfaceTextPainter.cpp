#include "qt/SurfaceTextPainter.h"

#include <QFontMetrics>
#include <algorithm>

#include "surface/SurfaceText.h"

namespace korvane {
namespace {

QRect ToRect(const PixelRect& r) {
    return QRect(static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width),
                 static_cast<int>(r.height));
}

}  // namespace

namespace {

// A font far larger than any box is drawn no larger: its glyphs would only cost time.
constexpr int kLargestPixelSize = 512;

struct FamilyOf {
    const char* javaName;
    const char* family;
    QFont::StyleHint hint;
};

// Java's logical fonts and the names its font dialogs offer, as families any system has.
constexpr FamilyOf kFamilies[] = {
    {"Helvetica", "Sans Serif", QFont::SansSerif},
    {"SansSerif", "Sans Serif", QFont::SansSerif},
    {"Dialog", "Sans Serif", QFont::SansSerif},
    {"Arial", "Sans Serif", QFont::SansSerif},
    {"Serif", "Serif", QFont::Serif},
    {"TimesRoman", "Serif", QFont::Serif},
    {"Times Roman", "Serif", QFont::Serif},
    {"Times New Roman", "Serif", QFont::Serif},
    {"Monospaced", "Monospace", QFont::TypeWriter},
    {"Courier", "Monospace", QFont::TypeWriter},
    {"DialogInput", "Monospace", QFont::TypeWriter},
};

}  // namespace

QFont DesignTextFont(const DesignDocument& doc) {
    const QString name = QString::fromStdString(doc.FontName);
    QFont font(name);
    font.setStyleHint(QFont::SansSerif);
    for (const FamilyOf& f : kFamilies) {
        if (name.compare(f.javaName, Qt::CaseInsensitive) != 0) continue;
        font.setFamily(f.family);
        font.setStyleHint(f.hint);
    }
    const QString style = QString::fromStdString(doc.FontStyle).toUpper();
    if (style.contains("BOLD")) font.setBold(true);
    if (style.contains("ITALIC")) font.setItalic(true);
    font.setPixelSize(std::clamp(doc.FontSize, 1, kLargestPixelSize));
    return font;
}

void DrawComponentTexts(QPainter& painter, const ComponentRecord& component) {
    const int lineHeight = QFontMetrics(painter.font()).height();
    const std::vector<ShownText> texts = ComponentTexts(component, lineHeight);
    if (texts.empty()) return;
    painter.save();
    painter.setPen(Qt::black);
    for (const ShownText& t : texts) {
        painter.setClipRect(ToRect(t.clip));
        const int flags = (t.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                          (t.top ? Qt::AlignTop : Qt::AlignVCenter) | Qt::TextSingleLine;
        painter.drawText(ToRect(t.box), flags, QString::fromStdString(t.text));
    }
    painter.restore();
}

}  // namespace korvane
