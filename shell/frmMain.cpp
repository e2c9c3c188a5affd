#include "shell/frmMain.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "chart/modVedicEphemeris.h"
#include "help/LinkLabel.h"
#include "help/WebPages.h"
#include "help/frmAbout.h"
#include "help/modHelp.h"
#include "reports/ReportBuilders.h"
#include "result/frmTarabeadResult.h"
#include "result/modRTB.h"
#include "shell/DialogService.h"
#include "shell/SharedState.h"
#include "shell/UniversalMoment.h"
#include "shell/WebSearch.h"
#include "timezones/modVedicPlanetPosition.h"

namespace tarabead {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The character code a keystroke types into a text box, or 0 for a key that types nothing:
// movement, Tab, Escape, and Ctrl shortcuts such as copy, cut, paste and undo. Mirrors the keys
// QLineEdit itself would insert as text; backspace, delete and Enter count as characters.
char32_t TypedCharacterCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return BackspaceCode;
        case Qt::Key_Delete:
            return DeleteCode;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return EnterCode;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return 0;
    }
    const QChar first = text.front();
    const bool typesText = first.isPrint() || first.category() == QChar::Other_Format ||
                           first.category() == QChar::Other_PrivateUse || first.isHighSurrogate();
    return typesText ? text.toUcs4().value(0) : 0;
}

// Keeps characters of the wrong family out of a text box whichever way they arrive. Typed keys
// are refused earlier, by the key filter, with its message; text that is pasted, dropped or
// composed by an input method is refused here, and onRefused tells the user once the edit has
// been undone. (Text the program sets itself is expected to pass; if it did not, the user would
// be told the same.)
class FamilyValidator final : public QValidator {
  public:
    FamilyValidator(KeyFamily family, QObject* parent, std::function<void()> onRefused)
        : QValidator(parent), family_(family), onRefused_(std::move(onRefused)) {}

    State validate(QString& input, int&) const override {
        const std::u16string_view text(reinterpret_cast<const char16_t*>(input.utf16()),
                                       static_cast<std::size_t>(input.size()));
        if (TextAccepted(family_, text)) return Acceptable;
        // Queued: the line edit is still in the middle of undoing the edit.
        QMetaObject::invokeMethod(parent(), onRefused_, Qt::QueuedConnection);
        return Invalid;
    }

  private:
    KeyFamily family_;
    std::function<void()> onRefused_;
};

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setupUi(this);
    optLat = {optLat_0, optLat_1};
    optLong = {optLong_0, optLong_1};

    QFont headingFont = lblHeading->font();
    headingFont.setBold(true);
    if (headingFont.pointSizeF() > 0) headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    lblHeading->setFont(headingFont);

    for (QLineEdit* box : {txtName, txtCity, txtState, txtCountry}) {
        box->installEventFilter(this);
        box->setValidator(new FamilyValidator(KeyFamily::Letters, this, [this, box] {
            RefuseInsertedText(box, KeyFamily::Letters);
        }));
    }
    for (QLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        box->installEventFilter(this);
        box->setValidator(new FamilyValidator(
            KeyFamily::Digits, this, [this, box] { RefuseInsertedText(box, KeyFamily::Digits); }));
    }

    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(Label8, &QLabel::linkActivated, this, &frmMain::Label8_Click);
    help::SelectLinkOnTabFocus(Label8);

    Form_Load();
    ApplyFontDependentSizes();

    // The Universal Time line follows every field the birth moment depends on.
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::UpdateUniversalTime);
    }
    for (QLineEdit* box : {txtLonDeg, txtLonMin}) {
        connect(box, &QLineEdit::textChanged, this, &frmMain::UpdateUniversalTime);
    }
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(chkDST), static_cast<QAbstractButton*>(optLong_0),
          static_cast<QAbstractButton*>(optLong_1)}) {
        connect(button, &QAbstractButton::toggled, this, &frmMain::UpdateUniversalTime);
    }
    QPalette quiet = lblZoneHint->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    lblZoneHint->setPalette(quiet);
    UpdateUniversalTime();
}

void frmMain::Form_Load() {
    for (int day = 1; day <= 31; ++day) cboDate->addItem(QString::number(day));
    static constexpr const char* MonthNames[] = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
    for (const char* month : MonthNames) cboMonth->addItem(QString::fromLatin1(month));
    for (int year = 1905; year <= 2050; ++year) cboYear->addItem(QString::number(year));
    for (int hour = 0; hour <= 24; ++hour) cboHour->addItem(QString::number(hour));
    for (int minute = 0; minute <= 59; ++minute) cboMinute->addItem(QString::number(minute));
    modVedicPlanetPosition::LoadTimeZones();
    for (const std::string& zone : modVedicPlanetPosition::TimeZoneNames) {
        cboTimeZone->addItem(QString::fromStdString(zone));
    }
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
        list->setCurrentIndex(0);
    }
}

void frmMain::ApplyFontDependentSizes() {
    for (QLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        // The minimum size hint already holds the frame, the margins and one widest character.
        const int width = box->minimumSizeHint().width() +
                          box->fontMetrics().horizontalAdvance(QStringLiteral("000"));
        box->setFixedWidth(width);
    }
    // The two groups line their labels up as if they were one form.
    const std::initializer_list<QLabel*> labels = {lblName,     lblDate,     lblTime,
                                                   lblTimeZone, lblLatitude, lblLongitude,
                                                   lblCity,     lblState,    lblCountry};
    int labelWidth = 0;
    for (QLabel* label : labels) {
        label->setMinimumWidth(0);
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    for (QLabel* label : labels) {
        label->setMinimumWidth(labelWidth);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        ApplyFontDependentSizes();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() { modHelp::EndApplication(); }

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        const char32_t code = TypedCharacterCode(*static_cast<QKeyEvent*>(event));
        if (box && code != 0) {
            int keyAscii = static_cast<int>(code);
            if (DispatchKeyPress(box, keyAscii) && keyAscii == 0) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::DispatchKeyPress(QLineEdit* box, int& keyAscii) {
    using Handler = void (frmMain::*)(int&);
    const std::pair<QLineEdit*, Handler> handlers[] = {
        {txtName, &frmMain::txtName_KeyPress},     {txtCity, &frmMain::txtCity_KeyPress},
        {txtState, &frmMain::txtState_KeyPress},   {txtCountry, &frmMain::txtCountry_KeyPress},
        {txtLatDeg, &frmMain::txtLatDeg_KeyPress}, {txtLatMin, &frmMain::txtLatMin_KeyPress},
        {txtLonDeg, &frmMain::txtLonDeg_KeyPress}, {txtLonMin, &frmMain::txtLonMin_KeyPress},
    };
    for (const auto& [owner, handler] : handlers) {
        if (owner == box) {
            (this->*handler)(keyAscii);
            return true;
        }
    }
    return false;
}

void frmMain::txtName_KeyPress(int& keyAscii) { LetterKeyPress(txtName, keyAscii); }
void frmMain::txtCity_KeyPress(int& keyAscii) { LetterKeyPress(txtCity, keyAscii); }
void frmMain::txtState_KeyPress(int& keyAscii) { LetterKeyPress(txtState, keyAscii); }
void frmMain::txtCountry_KeyPress(int& keyAscii) { LetterKeyPress(txtCountry, keyAscii); }
void frmMain::txtLatDeg_KeyPress(int& keyAscii) { DigitKeyPress(txtLatDeg, keyAscii); }
void frmMain::txtLatMin_KeyPress(int& keyAscii) { DigitKeyPress(txtLatMin, keyAscii); }
void frmMain::txtLonDeg_KeyPress(int& keyAscii) { DigitKeyPress(txtLonDeg, keyAscii); }
void frmMain::txtLonMin_KeyPress(int& keyAscii) { DigitKeyPress(txtLonMin, keyAscii); }

void frmMain::LetterKeyPress(QLineEdit* box, int& keyAscii) {
    if (KeyCodeAccepted(KeyFamily::Letters, static_cast<char32_t>(keyAscii))) return;
    keyAscii = 0;
    ShowMessage(this, ToQString(OnlyLettersMessage), MessageIcon::Critical);
    box->setFocus();
}

void frmMain::DigitKeyPress(QLineEdit*, int& keyAscii) {
    if (KeyCodeAccepted(KeyFamily::Digits, static_cast<char32_t>(keyAscii))) return;
    keyAscii = 0;
    ShowMessage(this, ToQString(OnlyNumbersMessage), MessageIcon::Critical);
}

void frmMain::RefuseInsertedText(QLineEdit* box, KeyFamily family) {
    ShowMessage(this, ToQString(RefusedCharacterMessage(family)), MessageIcon::Critical);
    if (family == KeyFamily::Letters) box->setFocus();
}

bool frmMain::ValidateInput() {
    BirthInput input;
    input.Name = txtName->text().toStdString();
    input.LatitudeDegrees = txtLatDeg->text().toStdString();
    input.LatitudeMinutes = txtLatMin->text().toStdString();
    input.LongitudeDegrees = txtLonDeg->text().toStdString();
    input.LongitudeMinutes = txtLonMin->text().toStdString();
    input.City = txtCity->text().toStdString();
    input.State = txtState->text().toStdString();
    input.Country = txtCountry->text().toStdString();
    input.North = optLat[0]->isChecked();
    input.South = optLat[1]->isChecked();
    input.East = optLong[0]->isChecked();
    input.West = optLong[1]->isChecked();
    input.DayIndex = cboDate->currentIndex();
    input.MonthIndex = cboMonth->currentIndex();
    input.Year = cboYear->currentText().toInt();

    const InputCheck check = CheckBirthInput(input);
    if (check.Problem == InputProblem::None) return true;

    ShowMessage(this, ToQString(check.Message),
                check.IsNotice ? MessageIcon::Information : MessageIcon::Critical);
    switch (check.Problem) {
        case InputProblem::NameMissing:
            txtName->setFocus();
            break;
        case InputProblem::LatitudeDegreesMissing:
            txtLatDeg->setFocus();
            break;
        case InputProblem::LatitudeMinutesMissing:
            txtLatMin->setFocus();
            break;
        case InputProblem::LongitudeDegreesMissing:
            txtLonDeg->setFocus();
            break;
        case InputProblem::LongitudeMinutesMissing:
            txtLonMin->setFocus();
            break;
        case InputProblem::CityMissing:
            txtCity->setFocus();
            break;
        case InputProblem::StateMissing:
            txtState->setFocus();
            break;
        case InputProblem::CountryMissing:
            txtCountry->setFocus();
            break;
        case InputProblem::LatitudeDirectionMissing:
            optLat[0]->setChecked(true);
            break;
        case InputProblem::LongitudeDirectionMissing:
            optLong[0]->setChecked(true);
            break;
        case InputProblem::ImpossibleDate:
        case InputProblem::None:
            break;
    }
    return false;
}

void frmMain::cmdCalculate_Click() {
    if (!ValidateInput()) return;
    RunReadingRequest();
}

void frmMain::RunReadingRequest() {
    modVedicPlanetPosition::LoadTimeZones();
    shared::BirthDetails = DetailsFromWindow();
    modVedicEphemeris::ComputeMoonNakshatra();
    shared::NakshatraName = modVedicEphemeris::MoonNakshatraName;
    ShowReading();
}

std::optional<std::pair<std::int16_t, std::int16_t>> frmMain::SelectedZoneOffset() const {
    const int row = cboTimeZone->currentIndex();
    if (row < 0 || row >= modVedicPlanetPosition::TimeZoneCount) return std::nullopt;
    return std::pair{modVedicPlanetPosition::TimeZoneHours[row],
                     modVedicPlanetPosition::TimeZoneMinutes[row]};
}

BirthDetails frmMain::DetailsFromWindow() const {
    auto number = [](const QString& text) { return static_cast<std::int16_t>(text.toShort()); };
    BirthDetails b;
    b.Month = static_cast<std::int16_t>(cboMonth->currentIndex() + 1);
    b.Day = number(cboDate->currentText());
    b.Year = number(cboYear->currentText());
    b.Hour = number(cboHour->currentText());
    b.Minute = number(cboMinute->currentText());
    if (const auto zone = SelectedZoneOffset()) {
        b.ZoneHours = static_cast<std::int16_t>(std::abs(zone->first));
        b.ZoneMinutes = static_cast<std::int16_t>(std::abs(zone->second));
    }
    b.LongitudeDegrees = number(txtLonDeg->text());
    b.LongitudeMinutes = number(txtLonMin->text());
    b.LatitudeDegrees = number(txtLatDeg->text());
    b.LatitudeMinutes = number(txtLatMin->text());
    b.LongitudeEast = optLong[0]->isChecked();
    b.LatitudeSouth = optLat[1]->isChecked();
    b.DaylightSaving = chkDST->isChecked();
    return b;
}

void frmMain::UpdateUniversalTime() {
    // Shown only once the longitude says which side of Greenwich the zone is counted from.
    if (txtLonDeg->text().isEmpty()) {
        lblUniversalTime->clear();
        lblZoneHint->clear();
        lblZoneHint->hide();
        return;
    }
    const BirthDetails details = DetailsFromWindow();
    lblUniversalTime->setText(QString::fromStdString(UniversalMomentText(details)));
    std::string hint;
    if (const auto zone = SelectedZoneOffset())
        hint = ZoneSideHint(details, zone->first, zone->second);
    lblZoneHint->setText(QString::fromStdString(hint));
    lblZoneHint->setVisible(!hint.empty());
}

void frmMain::ShowReading() {
    frmTarabeadResult* result = frmTarabeadResult::Instance();
    modNakshatraInformation::BuildNakshatraReport(*result, shared::NakshatraName);
    modTarabead::BuildRudrakshaReport(*result);
    result->ShowReportsFromTheTop();
    result->show();
    hide();
}

void frmMain::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMain::Command1_Click() {
    const std::pair<QLineEdit*, const char*> required[] = {
        {txtCity, "Please Enter City"},
        {txtState, "Please Enter State"},
        {txtCountry, "Please Enter Country"},
    };
    for (const auto& [box, message] : required) {
        if (box->text().isEmpty()) {
            ShowMessage(this, QString::fromLatin1(message), MessageIcon::Critical);
            box->setFocus();
            return;
        }
    }
    const QString searchText = txtCity->text() + QLatin1Char(' ') + txtState->text() +
                               QLatin1Char(' ') + txtCountry->text() +
                               QStringLiteral(" Latitude Longitude");
    WebSearch(searchText, help::WebPageAddress(help::WebPage::Home).toString());
}

void frmMain::cmdOpen_Click() {
    FileDialogRequest request;
    request.Title = QStringLiteral("Select the source file");
    request.NameFilter = QStringLiteral("Tarabead (*.tbx)");
    request.DefaultSuffix = QStringLiteral("tbx");
    const QString path = Dialogs().ChooseFile(this, FileDialogKind::Open, request);
    if (path.isEmpty()) return;
    const auto refuse = [this] {
        ShowMessage(this, QStringLiteral("Please Check The File."), MessageIcon::Critical);
    };
    if (!path.endsWith(QStringLiteral("tbx"))) return refuse();

    // Only the first line counts, and a name is short: a bounded read keeps a huge or binary
    // file from costing time or memory.
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return refuse();
    const QByteArray start = file.read(static_cast<qint64>(result::ReadingFileLineLimit));
    if (file.error() != QFileDevice::NoError) return refuse();
    file.close();
    shared::NakshatraName = result::NakshatraNameFromReadingFile(
        std::string_view(start.constData(), static_cast<std::size_t>(start.size())));
    ShowReading();
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuOnline_Click() { modHelp::OpenHelpPage(); }

void frmMain::mnuVisit_Click() { modHelp::OpenHomePage(); }

void frmMain::mnuUpdate_Click() { modHelp::OpenDownloadPage(); }

void frmMain::mnuAbout_Click() { ShowAbout(this); }

void frmMain::mnuDonate_Click() { modHelp::OpenDonatePage(); }

void frmMain::Label8_Click() { modHelp::OpenHomePage(); }

}  // namespace tarabead
