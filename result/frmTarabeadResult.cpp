#include "result/frmTarabeadResult.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTabBar>
#include <QTextEdit>

#include "help/LinkLabel.h"
#include "help/frmAbout.h"
#include "help/modHelp.h"
#include "result/ReadingDocument.h"
#include "result/modRTB.h"
#include "shell/DialogService.h"
#include "shell/SharedState.h"
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
    connect(mnuPrint, &QAction::triggered, this, &frmTarabeadResult::mnuPrint_Click);
    connect(mnuExportPdf, &QAction::triggered, this, &frmTarabeadResult::mnuExportPdf_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmTarabeadResult::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmTarabeadResult::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmTarabeadResult::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmTarabeadResult::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmTarabeadResult::mnuDonate_Click);
    connect(Label61, &QLabel::linkActivated, this, &frmTarabeadResult::Label61_Click);
    help::SelectLinkOnTabFocus(Label61);
}

frmTarabeadResult::~frmTarabeadResult() = default;

reports::ReportWriter* frmTarabeadResult::Box(int index) {
    if (index < 0 || index >= static_cast<int>(writers_.size())) return nullptr;
    return writers_[static_cast<std::size_t>(index)].get();
}

void frmTarabeadResult::ShowReportsFromTheTop() {
    for (QTextEdit* box : RTB) box->moveCursor(QTextCursor::Start);
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
    const QString path = ChooseSaveName(QStringLiteral("Tarabead (*.tbx)"), QStringLiteral("tbx"));
    if (path.isEmpty()) return;

    // Written to a temporary file that replaces the chosen one only when complete, so a failure
    // never leaves an empty or half-written reading, nor harms the file that was there.
    const std::string bytes = result::ReadingFileBytes(shared::NakshatraName);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.commit();
    if (!saved) {
        ShowMessage(this,
                    QStringLiteral("The reading could not be saved to %1.\n%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()),
                    MessageIcon::Critical);
    }
}

void frmTarabeadResult::mnuExit_Click() { close(); }

QString frmTarabeadResult::ChooseSaveName(const QString& nameFilter, const QString& suffix) {
    FileDialogRequest request;
    request.Title = QStringLiteral("Tarabead");
    request.NameFilter = nameFilter;
    request.DefaultSuffix = suffix;
    QString path = Dialogs().ChooseFile(this, FileDialogKind::Save, request);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    // The dialog asked about replacing the name as typed, so ask again when the completed name
    // is taken.
    path += QLatin1Char('.') + suffix;
    if (QFileInfo::exists(path)) {
        const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName());
        if (ShowMessage(this, question, MessageIcon::Information, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
            return {};
        }
    }
    return path;
}

void frmTarabeadResult::mnuPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tarabead reading"));
    if (!Dialogs().SetUpPrinter(this, printer)) return;
    result::PrintReading(shared::NakshatraName, printer);
}

void frmTarabeadResult::mnuExportPdf_Click() {
    const QString path = ChooseSaveName(QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    QString error;
    if (!result::ExportReadingPdf(shared::NakshatraName, path, error)) {
        ShowMessage(this,
                    QStringLiteral("The PDF could not be written to %1.\n%2")
                        .arg(QDir::toNativeSeparators(path), error),
                    MessageIcon::Critical);
    }
}

void frmTarabeadResult::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmTarabeadResult::Form_Unload() {
    if (unloadingByBack_) return;
    instance_ = nullptr;
    modHelp::EndApplication();
}

void frmTarabeadResult::mnuOnline_Click() { modHelp::OpenHelpPage(); }
void frmTarabeadResult::mnuVisit_Click() { modHelp::OpenHomePage(); }
void frmTarabeadResult::mnuUpdate_Click() { modHelp::OpenDownloadPage(); }
void frmTarabeadResult::mnuAbout_Click() { ShowAbout(this); }
void frmTarabeadResult::mnuDonate_Click() { modHelp::OpenDonatePage(); }
void frmTarabeadResult::Label61_Click() { modHelp::OpenHomePage(); }

}  // namespace tarabead
