// The result window: the two reports of a reading behind a tab strip.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "reports/QtReportWriter.h"
#include "reports/ReportWriter.h"
#include "ui_frmTarabeadResult.h"

class QTextEdit;

namespace tarabead {

/// One reading on screen: RTB[0] holds the nakshatra report (tab 1, "Nakshatra Details"),
/// RTB[1] the Rudraksha report (tab 2, "Tarabead Results"). The window exists from the first
/// report of a reading until Back or the end of the program; Instance() creates it.
class frmTarabeadResult : public QMainWindow,
                          public Ui::frmTarabeadResult,
                          public reports::ReportBoxes {
    Q_OBJECT

  public:
    /// The result window, created (and its Form_Load run) if it is not loaded.
    static frmTarabeadResult* Instance();
    /// The loaded result window, or null.
    static frmTarabeadResult* Loaded();

    ~frmTarabeadResult() override;

    std::array<QTextEdit*, 2> RTB{};

    /// Scrolls both reports back to their first line, where a reader starts.
    void ShowReportsFromTheTop();

    /// Report box index 0 or 1 for the report builders; null for any other index.
    reports::ReportWriter* Box(int index) override;

  public slots:
    void TS_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void cmdSave_Click();
    void mnuExit_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void Label61_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit frmTarabeadResult(QWidget* parent = nullptr);
    void Form_Load();
    void Form_Unload();
    /// Asks for a file to save into (title "Tarabead", nameFilter in Qt form), with .suffix added
    /// when the name has no extension; the user is asked before such a completed name replaces
    /// an existing file. Empty when the user cancels or declines.
    QString ChooseSaveName(const QString& nameFilter, const QString& suffix);

    std::array<std::unique_ptr<reports::QtReportWriter>, 2> writers_;
    bool unloadingByBack_ = false;
    static QPointer<frmTarabeadResult> instance_;
};

}  // namespace tarabead
