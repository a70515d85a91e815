#include "shell/frmAbout.h"

#include "platform/twips.h"
#include "shell/app_windows.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

struct LabelPlace {
    QLabel* frmAbout::*member;
    const char16_t* caption;
    int left, top, width, height; // twips
};

constexpr LabelPlace kLabels[] = {
    {&frmAbout::lblTitle, u"Vernalt", 720, 120, 4095, 360},
    {&frmAbout::lblVersion, u"Version 1.0  10/24/2007", 720, 480, 4095, 225},
    {&frmAbout::lblDescription,
     u"This program was developed to analyze snag, large tree and log data.", 720, 720, 5055, 450},
};

// A horizontal line from x1 to x2 at height y (twips), `thickness` pixels high.
QFrame* separatorLine(QWidget* parent, int x1, int x2, int y, int thickness, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, colour);
    line->setPalette(pal);
    line->setGeometry(twipsToPixelsX(x1), twipsToPixelsY(y), twipsToPixelsX(x2 - x1), thickness);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(u"Vernalt"_s);
    setFixedSize(twipsSize(5865, 2610));
    setModal(true);

    picIcon = new QLabel(this);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    picIcon->setPixmap(icon.pixmap(32, 32));
    placeTwips(picIcon, 240, 240, 480, 480);

    for (const LabelPlace& l : kLabels) {
        auto* label = new QLabel(QString::fromUtf16(l.caption), this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(label, l.left, l.top, l.width, l.height);
        this->*(l.member) = label;
    }
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    lblTitle->setFont(titleFont);

    Line1[0] = separatorLine(this, 240, 5672, 2040, 2, QColor(255, 255, 255));
    Line1[1] = separatorLine(this, 240, 5657, 2040, 1, QColor(128, 128, 128));

    cmdOK = new QPushButton(u"OK"_s, this);
    placeTwips(cmdOK, 4200, 2160, 1467, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    trackWindow(this);
}

void frmAbout::cmdOK_Click() {
    done(QDialog::Accepted);
}

void frmAbout::reject() {
    cmdOK_Click();
}

void frmAbout::showFor(QWidget* owner) {
    QPointer<frmAbout> about = new frmAbout(owner);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    // A dialog that has not been moved centres itself, frame included, on its owner.
    about->exec();
}

} // namespace vernalt
