#include "qt/AboutDialog.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "platform/Conversions.h"

// The resources live in a static library: they are registered on first use.
static void InitKorvaneResources() {
    Q_INIT_RESOURCE(korvane);
}

namespace korvane {
namespace {

int Px(double twips) {
    return TwipsToWholePixels(twips);
}

}  // namespace

QIcon ProgramIcon() {
    static const bool registered = (InitKorvaneResources(), true);
    (void)registered;
    return QIcon(":/korvane/korvane.png");
}

QLabel* AboutDialog::AddLabel(const char* name, const std::string& text, const char* family,
                              int left, int top, int width, int height) {
    QLabel* label = new QLabel(QString::fromStdString(text), this);
    label->setObjectName(name);
    if (family) label->setFont(QFont(family, 8));
    label->setGeometry(Px(left), Px(top), Px(width), Px(height));
    return label;
}

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutBox");
    setModal(true);
    form_.Load();
    setWindowTitle(QString::fromStdString(form_.Caption));
    setFixedSize(Px(4590), Px(2700));

    QLabel* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setGeometry(Px(240), Px(240), 32, 32);

    QLabel* title = AddLabel("Title", form_.Title, "MS Sans Serif", 1050, 180, 3300, 330);
    QFont titleFont = title->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    AddLabel("Version", form_.Version, "Tahoma", 1050, 540, 3300, 225);
    QLabel* description =
        AddLabel("Description", form_.Description, "Tahoma", 1050, 795, 3300, 450);
    description->setWordWrap(true);
    AddLabel("DateLine", form_.DateLine, "Tahoma", 1050, 1260, 3300, 225);

    for (int k = 0; k < 2; ++k) {
        QFrame* line = new QFrame(this);
        line->setObjectName("Line1");
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(Px(120), Px(1560 + 15 * k), Px(4350), 2);
    }
    AddLabel("ContactLine", form_.ContactLine, "Tahoma", 240, 1680, 2600, 225);
    AddLabel("Address", form_.Address, nullptr, 240, 1920, 2600, 225);

    QPushButton* ok = new QPushButton("&OK", this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(Px(2895), Px(2145), Px(1500), Px(345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace korvane
