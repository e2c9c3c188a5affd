// The main window: the user types the birth details here and asks for a reading.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "shell/BirthDetails.h"
#include "shell/InputRules.h"
#include "ui_frmMain.h"

class QLineEdit;
class QRadioButton;

namespace tarabead {

/// The controls are public members named as in the form (txtName, cboDate, ...), like the
/// object names tests and accessibility tools find them by. The option-button pairs are also
/// reachable as arrays: optLat[0] "North", optLat[1] "South", optLong[0] "East", optLong[1]
/// "West".
class frmMain : public QMainWindow, public Ui::frmMain {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> optLat{};
    std::array<QRadioButton*, 2> optLong{};

    /// Checks the input in a fixed order; on the first problem shows its message, moves the
    /// focus or fixes the option buttons as that problem needs, and returns false.
    bool ValidateInput();

    /// Key filters of the eight text boxes: keyAscii is the typed character's code; setting it
    /// to 0 discards the keystroke.
    void txtName_KeyPress(int& keyAscii);
    void txtCity_KeyPress(int& keyAscii);
    void txtState_KeyPress(int& keyAscii);
    void txtCountry_KeyPress(int& keyAscii);
    void txtLatDeg_KeyPress(int& keyAscii);
    void txtLatMin_KeyPress(int& keyAscii);
    void txtLonDeg_KeyPress(int& keyAscii);
    void txtLonMin_KeyPress(int& keyAscii);

  public slots:
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void Command1_Click();
    void cmdOpen_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void Label8_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();

    /// The reading itself, once the input has passed ValidateInput.
    void RunReadingRequest();
    /// Writes both reports of the current NakshatraName into the result window, shows it and
    /// hides this window.
    void ShowReading();
    /// The birth details as the window's controls give them now (numbers as typed, 0 for an
    /// empty box), the zone magnitudes from the selected row.
    BirthDetails DetailsFromWindow() const;
    /// Signed hours and minutes of the selected zone row, as the zone table holds them (filled
    /// by LoadTimeZones); nothing when no row is selected.
    std::optional<std::pair<std::int16_t, std::int16_t>> SelectedZoneOffset() const;
    /// Refreshes the Universal Time line and the zone-side note under the zone list.
    void UpdateUniversalTime();

    void LetterKeyPress(QLineEdit* box, int& keyAscii);
    void DigitKeyPress(QLineEdit* box, int& keyAscii);
    /// Runs the key filter of box; false when box is not one of the eight text boxes.
    bool DispatchKeyPress(QLineEdit* box, int& keyAscii);
    /// Tells the user why text that did not come through the key filter (pasted, dropped or
    /// composed) was not taken.
    void RefuseInsertedText(QLineEdit* box, KeyFamily family);
    /// Sizes that follow the font: the coordinate boxes are as wide as their three digits.
    void ApplyFontDependentSizes();
};

}  // namespace tarabead
