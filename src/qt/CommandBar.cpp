#include "qt/CommandBar.h"

#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "mainwindow/MainController.h"
#include "mainwindow/TargetSelector.h"
#include "platform/Conversions.h"

namespace korvane {
namespace {

QRect ButtonRect(const CommandBarButton& b, double top) {
    return QRect(TwipsToWholePixels(b.left), TwipsToWholePixels(top), TwipsToWholePixels(b.width),
                 TwipsToWholePixels(kCommandButtonHeight));
}

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QIcon GenerateCodeIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 96, 160), 2));
    painter.setFont(QFont("DejaVu Sans Mono", 11, QFont::Bold));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, "{}");
    return QIcon(pixmap);
}

CommandBar::CommandBar(MainController& main, QMenu* menuGenerateType, QWidget* parent)
    : QWidget(parent), main_(main), menu_(menuGenerateType) {
    setObjectName("Picture2");
    setFixedHeight(TwipsToWholePixels(kCommandBarHeight));
    const auto buttons = CommandBarButtons();
    QStyle* s = style();
    connect(AddImageButton(buttons[0].name, s->standardIcon(QStyle::SP_FileIcon)),
            &QToolButton::clicked, this, &CommandBar::newRequested);
    connect(AddImageButton(buttons[1].name, s->standardIcon(QStyle::SP_DialogOpenButton)),
            &QToolButton::clicked, this, &CommandBar::openRequested);
    connect(AddImageButton(buttons[2].name, s->standardIcon(QStyle::SP_DialogSaveButton)),
            &QToolButton::clicked, this, &CommandBar::saveRequested);
    connect(AddImageButton(buttons[4].name, GenerateCodeIcon()), &QToolButton::clicked, this,
            &CommandBar::generateRequested);

    target_ = new QPushButton(this);
    target_->setObjectName(Text(buttons[3].name));
    target_->setToolTip(Text(buttons[3].tooltip));
    target_->setGeometry(ButtonRect(buttons[3], kCommandButtonTop));
    connect(target_, &QPushButton::clicked, this, &CommandBar::TargetButtonClicked);

    // Below the visible height: it only records which kind the document last pressed.
    for (size_t k = 0; k < kindButtons_.size(); ++k) {
        QToolButton* b = new QToolButton(this);
        b->setObjectName("Toolbar2_" + Text(kKindRow[k]));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(ButtonRect(buttons[k < 3 ? k : 4], kKindRowTop));
        kindButtons_[k] = b;
    }
    Sync();
}

QToolButton* CommandBar::AddImageButton(std::string_view name, const QIcon& icon) {
    for (const CommandBarButton& b : CommandBarButtons()) {
        if (b.name != name) continue;
        QToolButton* button = new QToolButton(this);
        button->setObjectName(Text(b.name));
        button->setToolTip(Text(b.tooltip));
        button->setIcon(icon);
        button->setAutoRaise(true);
        button->setGeometry(ButtonRect(b, kCommandButtonTop));
        return button;
    }
    return nullptr;
}

void CommandBar::Sync() {
    target_->setText(QString::fromStdString(main_.TargetCaption));
    for (size_t k = 0; k < kindButtons_.size(); ++k)
        kindButtons_[k]->setChecked(main_.PressedTargetButton == kKindRow[k]);
}

void CommandBar::TargetButtonClicked() {
    const QRect r = target_->geometry();
    menu_->exec(mapToGlobal(QPoint(r.left(), r.bottom() + 1)));
}

void CommandBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Line2 and Line3 along the top edge, as wide as the window.
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::Base));
    painter.drawLine(0, 1, width(), 1);
    // Line1 and Line4, the separator between the file buttons and the target selector.
    const int top = TwipsToWholePixels(kSeparatorTop);
    const int bottom = TwipsToWholePixels(kSeparatorBottom);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(TwipsToWholePixels(kSeparatorLeft[0]), top,
                     TwipsToWholePixels(kSeparatorLeft[0]), bottom);
    painter.setPen(palette().color(QPalette::Base));
    painter.drawLine(TwipsToWholePixels(kSeparatorLeft[1]), top,
                     TwipsToWholePixels(kSeparatorLeft[1]), bottom);
}

}  // namespace korvane
