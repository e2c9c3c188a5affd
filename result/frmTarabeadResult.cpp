#include "result/frmTarabeadResult.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTabBar>
#include <QTextEdit>

#include "help/modHelp.h"
#include "shell/frmMain.h"

namespace tarabead {

QPointer<frmTarabeadResult> frmTarabeadResult::instance_;

frmTarabeadResult* frmTarabeadResult::Instance() {
    if (!instance_) {
        instance_ = new frmTarabeadResult();
        instance_->Form_Load();
    }
    return instance_;
}

frmTarabeadResult* frmTarabeadResult::Loaded() { return instance_; }

frmTarabeadResult::frmTarabeadResult(QWidget* parent) : QMainWindow(parent) {
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    RTB = {RTB_0, RTB_1};
    for (std::size_t i = 0; i < RTB.size(); ++i) {
        // Report text in a comfortable reading size that follows the desktop's font.
        QFont font = RTB[i]->font();
        font.setPointSizeF(font.pointSizeF() * 1.1);
        RTB[i]->setFont(font);
        RTB[i]->document()->setDocumentMargin(14);
        writers_[i] = std::make_unique<reports::QtReportWriter>(RTB[i]);
    }
    TS->addTab(QStringLiteral("Nakshatra Details"));
    TS->addTab(QStringLiteral("Tarabead Results"));
    TS->setDocumentMode(true);
    TS->setExpanding(false);

    connect(TS, &QTabBar::currentChanged, this, &frmTarabeadResult::TS_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmTarabeadResult::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &frmTarabeadResult::mnuBack_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmTarabeadResult::cmdSave_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTarabeadResult::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmTarabeadResult::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmTarabeadResult::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmTarabeadResult::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmTarabeadResult::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmTarabeadResult::mnuDonate_Click);
    connect(Label61, &QLabel::linkActivated, this, &frmTarabeadResult::Label61_Click);
}

frmTarabeadResult::~frmTarabeadResult() = default;

reports::ReportWriter* frmTarabeadResult::Box(int index) {
    if (index < 0 || index >= static_cast<int>(writers_.size())) return nullptr;
    return writers_[static_cast<std::size_t>(index)].get();
}

void frmTarabeadResult::Form_Load() {
    TS->setCurrentIndex(0);
    TS_Click();
}

void frmTarabeadResult::TS_Click() {
    frames->setCurrentWidget(TS->currentIndex() == 0 ? fraNakshatra : fraRudraksha);
}

void frmTarabeadResult::cmdBack_Click() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<frmMain*>(window)) main->show();
    }
    unloadingByBack_ = true;
    instance_ = nullptr;  // the next reading makes a fresh window
    close();
}

void frmTarabeadResult::mnuBack_Click() { cmdBack_Click(); }

void frmTarabeadResult::cmdSave_Click() {
    // Saving a reading to a file comes with the reading-file feature.
}

void frmTarabeadResult::mnuExit_Click() { close(); }

void frmTarabeadResult::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmTarabeadResult::Form_Unload() {
    if (unloadingByBack_) return;
    instance_ = nullptr;
    modHelp::EndApplication();
}

// The web links and the About box come with the help feature.
void frmTarabeadResult::mnuOnline_Click() {}
void frmTarabeadResult::mnuVisit_Click() {}
void frmTarabeadResult::mnuUpdate_Click() {}
void frmTarabeadResult::mnuAbout_Click() {}
void frmTarabeadResult::mnuDonate_Click() {}
void frmTarabeadResult::Label61_Click() {}

}  // namespace tarabead
