// The main window as a user meets it: what a fresh window shows, which keys each text box takes,
// how a reading request checks the input, and how closing the window ends the program.
#include "shell/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QtTest>
#include <memory>
#include <optional>

#include "help/modHelp.h"
#include "shell/testing/RecordingDialogService.h"

using tarabead::frmMain;
using tarabead::MessageButtons;
using tarabead::MessageIcon;

namespace {

const QStringList LetterBoxes = {"txtName", "txtCity", "txtState", "txtCountry"};
const QStringList DigitBoxes = {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"};

void PressKey(QWidget* target, int key, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void Uncheck(QRadioButton* button) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

}  // namespace

class frmMainTest : public QObject {
    Q_OBJECT

  private:
    tarabead::testing::RecordingDialogService dialogs_;
    std::optional<tarabead::ScopedDialogService> useRecorder_;
    std::optional<tarabead::modHelp::ScopedEndProcess> endProcess_;
    int endCount_ = 0;
    std::unique_ptr<frmMain> window_;

    QLineEdit* Box(const QString& name) { return window_->findChild<QLineEdit*>(name); }

    // Everything a request needs, so that a test can empty just the fields it is about.
    void FillEveryField() {
        window_->txtName->setText("Asha Rao");
        window_->txtLatDeg->setText("18");
        window_->txtLatMin->setText("31");
        window_->txtLonDeg->setText("73");
        window_->txtLonMin->setText("51");
        window_->txtCity->setText("Pune");
        window_->txtState->setText("Maharashtra");
        window_->txtCountry->setText("India");
    }

    void ChooseDate(int day, int month, int year) {
        window_->cboDate->setCurrentIndex(day - 1);
        window_->cboMonth->setCurrentIndex(month - 1);
        window_->cboYear->setCurrentIndex(window_->cboYear->findText(QString::number(year)));
        QCOMPARE(window_->cboYear->currentText(), QString::number(year));
    }

    QString FocusName() const {
        return window_->focusWidget() ? window_->focusWidget()->objectName() : QString();
    }

  private slots:
    void initTestCase() { useRecorder_.emplace(dialogs_); }

    void init() {
        endCount_ = 0;
        endProcess_.emplace([this] { ++endCount_; });
        window_ = std::make_unique<frmMain>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        dialogs_.Clear();
    }

    void cleanup() {
        window_.reset();
        endProcess_.reset();
    }

    void freshWindowShowsTheFirstOfEveryList_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("days") << "cboDate" << 31 << "1"
                              << "31";
        QTest::newRow("months") << "cboMonth" << 12 << "January"
                                << "December";
        QTest::newRow("years") << "cboYear" << 146 << "1905"
                               << "2050";
        QTest::newRow("hours, 24 included") << "cboHour" << 25 << "0"
                                            << "24";
        QTest::newRow("minutes") << "cboMinute" << 60 << "0"
                                 << "59";
        QTest::newRow("zones") << "cboTimeZone" << 71 << "Alaska/Hawaii Daylight Time,AHDT,-9.0"
                               << "Yukon War Time,YWT,-8.0";
    }

    void freshWindowShowsTheFirstOfEveryList() {
        QFETCH(QString, list);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        auto* combo = window_->findChild<QComboBox*>(list);
        QVERIFY(combo);
        QCOMPARE(combo->count(), count);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), first);
        QCOMPARE(combo->itemText(count - 1), last);
        QVERIFY2(!combo->isEditable(), "lists are pick-only");
        combo->setCurrentIndex(count - 1);
        QCOMPARE(combo->currentText(), last);
    }

    void freshWindowHasEmptyBoxesAndDesignedChoices() {
        QCOMPARE(window_->windowTitle(), QString("Tarabead v1.20"));
        for (const QString& name : LetterBoxes + DigitBoxes) {
            QVERIFY2(Box(name)->text().isEmpty(), qPrintable(name));
            QCOMPARE(Box(name)->maxLength(), DigitBoxes.contains(name) ? 3 : 32767);
        }
        QVERIFY(window_->optLat[0]->isChecked());
        QVERIFY(!window_->optLat[1]->isChecked());
        QVERIFY(window_->optLong[0]->isChecked());
        QVERIFY(!window_->optLong[1]->isChecked());
        QVERIFY(!window_->chkDST->isChecked());
        QCOMPARE(window_->cboMonth->itemText(5), QString("June"));
        QCOMPARE(window_->cboTimeZone->itemText(34), QString("Indian Time, IST, +5.3"));

        // Captions, with "&" before the access key and "&&" for a shown ampersand.
        QCOMPARE(window_->cmdCalculate->text(), QString("&Get My Tarabead Reading"));
        QCOMPARE(window_->cmdOpen->text(), QString("&Open Previously Saved Reading"));
        QCOMPARE(window_->Command1->text(), QString("Click here to find Latitude && Longitude"));
        QCOMPARE(window_->lblHeading->text(),
                 QString("Enter your name and date of birth to get your Tarabead Reading!"));
        QCOMPARE(window_->optLat[1]->text(), QString("South"));
        QCOMPARE(window_->optLong[1]->text(), QString("West"));
        QVERIFY(window_->Label8->text().contains("<a href"));
    }

    void menusHoldTheirItemsInOrder() {
        const auto captions = [](const QList<QAction*>& actions) {
            QStringList texts;
            for (const QAction* action : actions) {
                texts << (action->isSeparator() ? QString("---") : action->text());
            }
            return texts;
        };
        QCOMPARE(captions(window_->menuBar()->actions()),
                 QStringList({"&File", "&Help", "Donate"}));
        QVERIFY2(!window_->mnuDonate->menu(), "Donate is a menu-bar item without sub-items");
        QCOMPARE(captions(window_->mnuFile->actions()),
                 QStringList({"Get My &Rasi Chart", "---", "&Exit"}));
        QCOMPARE(captions(window_->mnuHelp->actions()),
                 QStringList({"&Online Help", "&Visit Us Online", "---",
                              "Check for Software &Update", "---", "&About Software"}));
    }

    void tabKeyVisitsTheFieldsInFormOrder() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->txtName->setFocus();
        QStringList visited{FocusName()};
        for (int i = 0; i < 30 && visited.size() < 30; ++i) {
            QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
            if (FocusName() == visited.front()) break;
            visited << FocusName();
        }
        QCOMPARE(visited.mid(0, 14),
                 QStringList({"txtName", "cboDate", "cboMonth", "cboYear", "cboHour", "cboMinute",
                              "cboTimeZone", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin",
                              "txtCity", "txtState", "txtCountry"}));
        // Every other control can be reached from the keyboard too.
        for (const char* name :
             {"chkDST", "optLat_0", "optLong_0", "Command1", "cmdCalculate", "cmdOpen", "Label8"}) {
            QVERIFY2(visited.contains(name), name);
        }
    }

    void everyControlHasAnAccessibleName() {
        for (QWidget* control : window_->centralWidget()->findChildren<QWidget*>()) {
            const bool interactive =
                qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                qobject_cast<QAbstractButton*>(control) || control == window_->Label8;
            if (!interactive || control->parent()->inherits("QComboBox")) continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }

    void keyFilterLetsThroughOnlyItsFamily_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("kept");  // what the box holds afterwards
        QTest::addColumn<QString>("message");

        const QString letters = "Please enter only letters";
        const QString numbers = "Please enter only numbers";
        const auto row = [](const char* name, const QStringList& boxes, int key,
                            const QString& text, const QString& kept, const QString& message,
                            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::newRow(name) << boxes << key << text << modifiers << kept << message;
        };
        row("letters: capital A", LetterBoxes, Qt::Key_A, "A", "A", "");
        row("letters: small z", LetterBoxes, Qt::Key_Z, "z", "z", "");
        row("letters: blank", LetterBoxes, Qt::Key_Space, " ", " ", "");
        row("letters: AltGr letter", LetterBoxes, Qt::Key_Q, "q", "q", "",
            Qt::AltModifier | Qt::ControlModifier);
        row("letters: digit 5", LetterBoxes, Qt::Key_5, "5", "", letters);
        row("letters: hyphen", LetterBoxes, Qt::Key_Minus, "-", "", letters);
        row("letters: apostrophe", LetterBoxes, Qt::Key_Apostrophe, "'", "", letters);
        row("letters: full stop", LetterBoxes, Qt::Key_Period, ".", "", letters);
        row("letters: comma", LetterBoxes, Qt::Key_Comma, ",", "", letters);
        row("letters: e acute", LetterBoxes, Qt::Key_Eacute, QString(QChar(0xE9)), "", letters);
        row("letters: sharp s", LetterBoxes, Qt::Key_ssharp, QString(QChar(0xDF)), "", letters);
        row("letters: Greek alpha", LetterBoxes, Qt::Key_unknown, QString(QChar(0x3B1)), "",
            letters);
        row("letters: Enter", LetterBoxes, Qt::Key_Return, "\r", "", letters);
        row("letters: keypad Enter", LetterBoxes, Qt::Key_Enter, "\r", "", letters,
            Qt::KeypadModifier);
        row("digits: 0", DigitBoxes, Qt::Key_0, "0", "0", "");
        row("digits: 9", DigitBoxes, Qt::Key_9, "9", "9", "");
        row("digits: minus sign", DigitBoxes, Qt::Key_Minus, "-", "", numbers);
        row("digits: plus sign", DigitBoxes, Qt::Key_Plus, "+", "", numbers);
        row("digits: full stop", DigitBoxes, Qt::Key_Period, ".", "", numbers);
        row("digits: comma", DigitBoxes, Qt::Key_Comma, ",", "", numbers);
        row("digits: blank", DigitBoxes, Qt::Key_Space, " ", "", numbers);
        row("digits: letter a", DigitBoxes, Qt::Key_A, "a", "", numbers);
        row("digits: one half", DigitBoxes, Qt::Key_onehalf, QString(QChar(0xBD)), "", numbers);
        row("digits: Arabic-Indic three", DigitBoxes, Qt::Key_unknown, QString(QChar(0x663)), "",
            numbers);
        row("digits: Enter", DigitBoxes, Qt::Key_Return, "\r", "", numbers);
        // Keys that type nothing are not characters: no message, nothing inserted.
        row("any: Escape", LetterBoxes + DigitBoxes, Qt::Key_Escape, "\x1b", "", "");
        row("any: copy shortcut", LetterBoxes + DigitBoxes, Qt::Key_C, "\x03", "", "",
            Qt::ControlModifier);
        row("any: select-all shortcut", LetterBoxes + DigitBoxes, Qt::Key_A, "\x01", "", "",
            Qt::ControlModifier);
        row("any: arrow key", LetterBoxes + DigitBoxes, Qt::Key_Left, "", "", "");
    }

    void keyFilterLetsThroughOnlyItsFamily() {
        QFETCH(QStringList, boxes);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        for (const QString& name : boxes) {
            QLineEdit* box = Box(name);
            box->setFocus();
            dialogs_.Clear();
            PressKey(box, key, text, modifiers);
            QCoreApplication::processEvents();
            QCOMPARE(box->text(), kept);
            QCOMPARE(dialogs_.MessageTexts(),
                     message.isEmpty() ? QStringList() : QStringList{message});
            if (!message.isEmpty()) {
                QCOMPARE(dialogs_.Messages[0].Title, QString("Tarabead"));
                QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
                QCOMPARE(dialogs_.Messages[0].Buttons, MessageButtons::Ok);
            }
            QCOMPARE(FocusName(), name);
            box->clear();
        }
    }

    void editingKeysWorkInEveryBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("left");  // of "xy": which character remains
        QTest::newRow("backspace at the end") << int(Qt::Key_Backspace) << "\b" << 2 << "x";
        QTest::newRow("delete (127) at the start") << int(Qt::Key_Delete) << "\x7f" << 0 << "y";
    }

    void editingKeysWorkInEveryBox() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, left);
        for (const QString& name : LetterBoxes + DigitBoxes) {
            QLineEdit* box = Box(name);
            const QString content = DigitBoxes.contains(name) ? "12" : "xy";
            box->setText(content);
            box->setCursorPosition(cursor);
            PressKey(box, key, text);
            const QString expected = DigitBoxes.contains(name) ? (left == "x" ? "1" : "2") : left;
            QCOMPARE(box->text(), expected);
            QVERIFY(dialogs_.Messages.empty());
        }
    }

    void textThatIsNotTypedFollowsTheSameRules_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<bool>("byInputMethod");  // else pasted from the clipboard
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("pasted name with an apostrophe") << "txtName"
                                                        << "Asha"
                                                        << " O'Brien" << false << "Asha"
                                                        << "Please enter only letters";
        QTest::newRow("pasted two words") << "txtCity"
                                          << ""
                                          << "New Delhi" << false << "New Delhi"
                                          << "";
        QTest::newRow("pasted negative degrees") << "txtLatDeg"
                                                 << ""
                                                 << "-18" << false << ""
                                                 << "Please enter only numbers";
        QTest::newRow("pasted decimal minutes") << "txtLonMin"
                                                << ""
                                                << "5.5" << false << ""
                                                << "Please enter only numbers";
        QTest::newRow("pasted digits, cut to three") << "txtLonDeg"
                                                     << ""
                                                     << "12345" << false << "123"
                                                     << "";
        QTest::newRow("composed e acute") << "txtCountry"
                                          << "Per" << QString(QChar(0xE9)) << true << "Per"
                                          << "Please enter only letters";
        QTest::newRow("composed plain letter") << "txtState"
                                               << "Goa"
                                               << "n" << true << "Goan"
                                               << "";
    }

    void textThatIsNotTypedFollowsTheSameRules() {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, inserted);
        QFETCH(bool, byInputMethod);
        QFETCH(QString, after);
        QFETCH(QString, message);
        QLineEdit* target = Box(box);
        target->setText(before);
        target->setFocus();
        if (byInputMethod) {
            QInputMethodEvent event;
            event.setCommitString(inserted);
            QApplication::sendEvent(target, &event);
        } else {
            QGuiApplication::clipboard()->setText(inserted);
            target->paste();
        }
        QCOMPARE(target->text(), after);
        QCoreApplication::processEvents();  // the message follows once the edit is undone
        QCOMPARE(dialogs_.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(FocusName(), box);
    }

    void validateInputStopsAtTheFirstMissingField_data() {
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QStringList order = {"txtName",   "txtLatDeg", "txtLatMin", "txtLonDeg",
                                   "txtLonMin", "txtCity",   "txtState",  "txtCountry"};
        QTest::newRow("everything empty: only the name") << order << "Please Enter Your Name"
                                                         << "txtName";
        QTest::newRow("name typed") << order.mid(1) << "Please Enter Degree of Latitude"
                                    << "txtLatDeg";
        QTest::newRow("latitude degrees typed")
            << order.mid(2) << "Please Enter Minutes of Latitude"
            << "txtLatMin";
        QTest::newRow("latitude typed") << order.mid(3) << "Please Enter Degree of Longitude"
                                        << "txtLonDeg";
        QTest::newRow("longitude degrees typed")
            << order.mid(4) << "Please Enter Minute of Longitude"
            << "txtLonMin";
        QTest::newRow("coordinates typed") << order.mid(5) << "Please Enter Your City name"
                                           << "txtCity";
        QTest::newRow("city typed") << order.mid(6) << "Please Enter Your State name"
                                    << "txtState";
        QTest::newRow("state typed") << order.mid(7) << "Please Enter Your Country name"
                                     << "txtCountry";
        QTest::newRow("only the name missing") << QStringList{"txtName"} << "Please Enter Your Name"
                                               << "txtName";
        QTest::newRow("only the city missing")
            << QStringList{"txtCity"} << "Please Enter Your City name"
            << "txtCity";
        QTest::newRow("longitude minutes and country missing")
            << QStringList{"txtLonMin", "txtCountry"} << "Please Enter Minute of Longitude"
            << "txtLonMin";
    }

    void validateInputStopsAtTheFirstMissingField() {
        QFETCH(QStringList, emptied);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        FillEveryField();
        for (const QString& name : emptied) Box(name)->clear();
        window_->cmdCalculate->setFocus();
        QVERIFY(!window_->ValidateInput());
        QCOMPARE(dialogs_.MessageTexts(), QStringList{message});
        QCOMPARE(dialogs_.Messages[0].Title, QString("Tarabead"));
        QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
        QCOMPARE(dialogs_.Messages[0].Buttons, MessageButtons::Ok);
        QCOMPARE(FocusName(), focus);
    }

    void validateInputTakesUnusualButTypedValues_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("a name of one blank") << "txtName"
                                             << " ";
        QTest::newRow("999 degrees of latitude") << "txtLatDeg"
                                                 << "999";
        QTest::newRow("75 minutes of latitude") << "txtLatMin"
                                                << "75";
        QTest::newRow("a city of one blank") << "txtCity"
                                             << " ";
    }

    void validateInputTakesUnusualButTypedValues() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        FillEveryField();
        Box(box)->setText(text);
        QVERIFY(window_->ValidateInput());
        QVERIFY(dialogs_.Messages.empty());
    }

    void validateInputRestoresAMissingDirection_data() {
        QTest::addColumn<bool>("latitudeMissing");
        QTest::addColumn<bool>("longitudeMissing");
        QTest::addColumn<QString>("message");
        QTest::newRow("latitude") << true << false << "Please Select Direction For The Latitude";
        QTest::newRow("longitude") << false << true << "Please Select Direction For The Longitude";
        QTest::newRow("both: latitude first")
            << true << true << "Please Select Direction For The Latitude";
    }

    void validateInputRestoresAMissingDirection() {
        QFETCH(bool, latitudeMissing);
        QFETCH(bool, longitudeMissing);
        QFETCH(QString, message);
        FillEveryField();
        if (latitudeMissing) Uncheck(window_->optLat[0]);
        if (longitudeMissing) Uncheck(window_->optLong[0]);
        QVERIFY(!window_->ValidateInput());
        QCOMPARE(dialogs_.MessageTexts(), QStringList{message});
        QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
        // Only the direction that was reported is set back to North or East.
        QVERIFY(window_->optLat[0]->isChecked() == true);
        QCOMPARE(window_->optLong[0]->isChecked(), !(latitudeMissing && longitudeMissing));
        QVERIFY(!window_->optLat[1]->isChecked() && !window_->optLong[1]->isChecked());
    }

    void validateInputTakesSouthAndWest() {
        FillEveryField();
        window_->optLat[1]->setChecked(true);
        window_->optLong[1]->setChecked(true);
        QVERIFY(window_->ValidateInput());
        QVERIFY(dialogs_.Messages.empty());
        QVERIFY(!window_->optLat[0]->isChecked() && !window_->optLong[0]->isChecked());
    }

    void validateInputChecksTheCalendar_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        const QString february = "Please Enter Correct Date Or Month!";
        const QString thirtyFirst = "Please Enter Correct Date Or Month !";
        QTest::newRow("29 February 2000") << 29 << 2 << 2000 << "";
        QTest::newRow("29 February 2048") << 29 << 2 << 2048 << "";
        QTest::newRow("29 February 1905") << 29 << 2 << 1905 << february;
        QTest::newRow("30 February 2004") << 30 << 2 << 2004 << february;
        QTest::newRow("31 April 1990") << 31 << 4 << 1990 << thirtyFirst;
        QTest::newRow("31 November 2001") << 31 << 11 << 2001 << thirtyFirst;
        QTest::newRow("31 March 1990") << 31 << 3 << 1990 << "";
        QTest::newRow("31 December 2050") << 31 << 12 << 2050 << "";
    }

    void validateInputChecksTheCalendar() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        FillEveryField();
        ChooseDate(day, month, year);
        window_->cmdCalculate->setFocus();
        QCOMPARE(window_->ValidateInput(), message.isEmpty());
        QCOMPARE(dialogs_.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Information);
            QCOMPARE(dialogs_.Messages[0].Title, QString("Tarabead"));
        }
        // A date notice moves no focus and changes no list.
        QCOMPARE(FocusName(), QString("cmdCalculate"));
        QCOMPARE(window_->cboDate->currentIndex(), day - 1);
        QCOMPARE(window_->cboMonth->currentIndex(), month - 1);
    }

    void buttonMenuAndAccessKeyMakeTheSameRequest_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("File menu item") << "menu";
        QTest::newRow("access key Alt+G") << "key";
    }

    void buttonMenuAndAccessKeyMakeTheSameRequest() {
        QFETCH(QString, how);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        FillEveryField();
        window_->txtCountry->clear();
        window_->txtLatDeg->setFocus();
        if (how == "button") QTest::mouseClick(window_->cmdCalculate, Qt::LeftButton);
        if (how == "menu") window_->mnuCalculate->trigger();
        // The access key "presses" the button visibly, so its click comes a moment later.
        if (how == "key") QTest::keyClick(window_->focusWidget(), Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(dialogs_.MessageTexts(), QStringList{"Please Enter Your Country name"});
        QCOMPARE(FocusName(), QString("txtCountry"));
        QVERIFY(window_->isVisible());
    }

    void closingTheWindowEndsTheProgramOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("secondWindow");
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("File > Exit") << "exit" << false;
        QTest::newRow("close box, another window open") << "close" << true;
        QTest::newRow("File > Exit, another window open") << "exit" << true;
    }

    void closingTheWindowEndsTheProgramOnce() {
        QFETCH(QString, how);
        QFETCH(bool, secondWindow);
        QWidget other;
        if (secondWindow) other.show();
        window_->txtName->setText("Asha");
        if (how == "close") window_->close();
        if (how == "exit") window_->mnuExit->trigger();
        QCOMPARE(endCount_, 1);
        QVERIFY(!window_->isVisible());
        QVERIFY(!other.isVisible());
        QVERIFY(dialogs_.Messages.empty());  // no confirmation question
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
