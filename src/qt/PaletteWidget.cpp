#include "qt/PaletteWidget.h"

#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>
#include <functional>
#include <vector>

#include "platform/Conversions.h"

namespace korvane {
namespace {

int Px(double twips) {
    return TwipsToWholePixels(twips);
}

QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

const QColor kFrameFill(224, 224, 224);
const QColor kFrameLine(128, 128, 128);
constexpr double kTitleTop = 45;
constexpr double kDeleteTitleTop = 3180;
constexpr double kPanelHeight = 4200;

}  // namespace

PaletteWidget::PaletteWidget(MainController& main, QWidget* parent) : QWidget(parent), main_(main) {
    setObjectName("Picture_Toolbar");
    setMouseTracking(true);
    setMinimumSize(Px(kPalettePanelWidth), Px(kPanelHeight));
}

QSize PaletteWidget::sizeHint() const {
    return QSize(Px(kPalettePanelWidth), Px(kPanelHeight));
}

QRect PaletteWidget::ButtonRect(const PaletteButton& button) {
    return TwipsRect(button.Left, button.Top, kPaletteButtonSize, kPaletteButtonSize);
}

QRect PaletteWidget::TitleLabelRect() const {
    const Palettes& p = main_.palettes;
    double left = p.AwtVisible ? 105 : p.SwingLabelLeft;
    return TwipsRect(left, kTitleTop + 60, 570, 240);
}

QRect PaletteWidget::MenuButtonRect() {
    return TwipsRect(690, 90, 150, 150);
}

const PaletteButton* PaletteWidget::Find(const Button& b) const {
    const Palettes& p = main_.palettes;
    if (!b.valid()) return nullptr;
    switch (b.kind) {
        case PaletteKind::Awt:
            return &p.awt[static_cast<size_t>(b.number)];
        case PaletteKind::Swing:
            return &p.swing[static_cast<size_t>(b.number)];
        case PaletteKind::Delete:
            return &p.del[static_cast<size_t>(b.number)];
    }
    return nullptr;
}

PaletteWidget::Button PaletteWidget::ButtonAt(QPoint pixel) const {
    const Palettes& p = main_.palettes;
    // Later buttons lie in front (AWT button 1 covers the pointer button 0 in the same cell).
    auto search = [&](const auto& buttons, PaletteKind kind, int first) -> Button {
        for (int k = static_cast<int>(buttons.size()) - 1; k >= first; --k) {
            const PaletteButton& b = buttons[static_cast<size_t>(k)];
            if (b.Visible && ButtonRect(b).contains(pixel)) return Button{kind, k};
        }
        return Button{};
    };
    if (Button b = search(p.awt, PaletteKind::Awt, 0); b.valid()) return b;
    if (Button b = search(p.swing, PaletteKind::Swing, 0); b.valid()) return b;
    return search(p.del, PaletteKind::Delete, 1);
}

void PaletteWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Palettes& p = main_.palettes;
    painter.fillRect(rect(), palette().window());
    QFont font("Tahoma");
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    auto frame = [&](double top, double height) {
        painter.setPen(kFrameLine);
        painter.setBrush(kFrameFill);
        painter.drawRoundedRect(TwipsRect(15, top, 885, height), 4, 4);
    };
    // The title labels lie in front of every frame: the button frame starts above the foot of
    // the title box. The lines stay behind it.
    std::vector<std::function<void()>> labels;
    auto title = [&](double top, double labelLeft, const char* text, bool line) {
        frame(top, 405);
        painter.setPen(Qt::black);
        if (line) painter.drawLine(Px(105), Px(top + 345), Px(660), Px(top + 345));
        labels.push_back([&painter, top, labelLeft, text] {
            painter.setPen(Qt::black);
            painter.drawText(TwipsRect(labelLeft, top + 60, 570, 240),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
        });
    };
    if (p.AwtVisible) {
        title(kTitleTop, 105, "AWT", true);
        frame(315, 2880);
    }
    if (p.SwingVisible) {
        title(kTitleTop, p.SwingLabelLeft, "Swing", false);
        frame(315, 2475);
    }
    title(kDeleteTitleTop, 105, "Delete", true);
    frame(kDeleteTitleTop + 450, 465);
    for (const auto& label : labels) label();

    // With no document open the buttons are disabled, and drawn so.
    QStyleOption option;
    option.initFrom(this);
    auto draw = [&](QPoint at, const QImage& image) {
        if (p.ButtonsEnabled) {
            painter.drawImage(at, image);
        } else {
            painter.drawPixmap(at, style()->generatedIconPixmap(
                                       QIcon::Disabled, QPixmap::fromImage(image), &option));
        }
    };
    auto paintButtons = [&](const auto& buttons, PaletteKind kind, int first) {
        for (int k = first; k < static_cast<int>(buttons.size()); ++k) {
            const PaletteButton& b = buttons[static_cast<size_t>(k)];
            if (!b.Visible) continue;
            Canvas canvas(25, 25);
            PaintPaletteButton(canvas, 0, 0, b.look, kind, k);
            draw(ButtonRect(b).topLeft(),
                 QImage(canvas.Data().data(), 25, 25, 75, QImage::Format_RGB888));
        }
    };
    paintButtons(p.awt, PaletteKind::Awt, 0);
    paintButtons(p.swing, PaletteKind::Swing, 0);
    paintButtons(p.del, PaletteKind::Delete, 1);
    if (p.AwtVisible || p.SwingVisible) {
        Canvas glyph(10, 10);
        PaintPaletteMenuGlyph(glyph, 0, 0);
        QImage image(glyph.Data().data(), 10, 10, 30, QImage::Format_RGB888);
        painter.drawImage(MenuButtonRect().topLeft(), image);
    }
}

void PaletteWidget::mousePressEvent(QMouseEvent* event) {
    Palettes& p = main_.palettes;
    const QPoint pixel = event->position().toPoint();
    pressed_ = Button{};
    Button b = ButtonAt(pixel);
    if (!b.valid() || !p.ButtonsEnabled || event->button() != Qt::LeftButton) return;
    pressed_ = b;
    switch (b.kind) {
        case PaletteKind::Awt:
            p.AwtButtonMouseDown(b.number);
            break;
        case PaletteKind::Swing:
            p.SwingButtonMouseDown(b.number);
            break;
        case PaletteKind::Delete:
            p.DeleteButtonMouseDown(b.number);
            break;
    }
    update();
    emit paletteUsed();
}

void PaletteWidget::mouseMoveEvent(QMouseEvent* event) {
    Palettes& p = main_.palettes;
    const QPoint pixel = event->position().toPoint();
    Button b = pressed_.valid() ? pressed_ : ButtonAt(pixel);
    if (!b.valid()) {
        const float x = static_cast<float>(PixelsToTwips(pixel.x()));
        const float y = static_cast<float>(PixelsToTwips(pixel.y()));
        p.PanelMouseMove(0, 0, x, y);
    } else if (p.ButtonsEnabled) {
        switch (b.kind) {
            case PaletteKind::Awt:
                p.AwtButtonMouseMove(b.number);
                break;
            case PaletteKind::Swing:
                p.SwingButtonMouseMove(b.number);
                break;
            case PaletteKind::Delete:
                p.DeleteButtonMouseMove(b.number);
                break;
        }
    }
    update();
}

void PaletteWidget::mouseReleaseEvent(QMouseEvent* event) {
    Palettes& p = main_.palettes;
    const QPoint pixel = event->position().toPoint();
    const Button b = pressed_;
    pressed_ = Button{};
    if (event->button() != Qt::LeftButton) return;
    if (!b.valid()) {
        if ((p.AwtVisible || p.SwingVisible) && TitleLabelRect().contains(pixel)) {
            if (main_.DocumentLoaded())
                emit paletteMenuAt(mapToGlobal(MenuButtonRect().topLeft()).x());
            p.PaletteTitleClick();
        } else if ((p.AwtVisible || p.SwingVisible) && MenuButtonRect().contains(pixel))
            p.PaletteMenuButtonClick();
        update();
        return;
    }
    // Released elsewhere: no click, the button stays pressed (an armed tool).
    Button over = ButtonAt(pixel);
    if (over.kind != b.kind || over.number != b.number || !p.ButtonsEnabled) return;
    switch (b.kind) {
        case PaletteKind::Awt:
            p.AwtButtonClick(b.number);
            break;
        case PaletteKind::Swing:
            p.SwingButtonClick(b.number);
            break;
        case PaletteKind::Delete:
            p.DeleteButtonClick(b.number);
            break;
    }
    update();
    emit paletteUsed();
}

bool PaletteWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    Button b = ButtonAt(help->pos());
    QString tip;
    if (b.kind == PaletteKind::Delete && b.number == 1) {
        tip = "Delete";
    } else if (const PaletteEntry* e = b.kind == PaletteKind::Awt ? AwtPaletteEntry(b.number)
                                                                  : SwingPaletteEntry(b.number);
               b.valid() && e) {
        tip = QString::fromUtf8(e->tooltip.data(), static_cast<int>(e->tooltip.size()));
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

}  // namespace korvane
