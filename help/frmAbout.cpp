#include "help/frmAbout.h"

#include <QEvent>
#include <utility>

#include "help/AppIcon.h"
#include "help/LinkLabel.h"
#include "help/modHelp.h"

namespace tarabead {

namespace {

constexpr int IconSize = 64;  // logical pixels

AboutBoxRunner& CustomRunner() {
    static AboutBoxRunner runner;
    return runner;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblIcon->setFixedSize(IconSize, IconSize);
    lblIcon->setPixmap(
        help::ApplicationIcon().pixmap(QSize(IconSize, IconSize), devicePixelRatioF()));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &QLabel::linkActivated, this, &frmAbout::lblHomePage_Click);
    help::SelectLinkOnTabFocus(lblHomePage);

    ApplyFontDependentSizes();
    cmdOK->setFocus();  // Enter closes the box at once; Tab reaches the link
}

void frmAbout::ApplyFontDependentSizes() {
    QFont titleFont = font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0) titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);
    // About 55 characters a line reads comfortably.
    const int textWidth = fontMetrics().averageCharWidth() * 55;
    lblDescription->setFixedWidth(textWidth);
    lblPrivacy->setFixedWidth(textWidth);
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyFontDependentSizes();
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }

void ShowAbout(QWidget* parent) {
    frmAbout box(parent);
    box.setWindowModality(Qt::ApplicationModal);
    if (CustomRunner()) {
        CustomRunner()(box);
    } else {
        box.exec();
    }
}

AboutBoxRunner SetAboutBoxRunner(AboutBoxRunner runner) {
    return std::exchange(CustomRunner(), std::move(runner));
}

}  // namespace tarabead
