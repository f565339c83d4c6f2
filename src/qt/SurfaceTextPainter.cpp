#include "qt/SurfaceTextPainter.h"

#include <QFontMetrics>

#include "surface/SurfaceText.h"

namespace korvane {
namespace {

QRect ToRect(const PixelRect& r) {
    return QRect(static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width),
                 static_cast<int>(r.height));
}

}  // namespace

QFont SurfaceTextFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
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
