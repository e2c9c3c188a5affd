// The About box: what it shows, how it closes and its link to the home page.
#include "help/frmAbout.h"

#include <QtTest>

#include "help/testing/RecordingUrlOpener.h"
#include "help/testing/TemporarySettings.h"

using namespace tarabead;

namespace {

// Shows the box and makes it the active window, so that keys reach the focused control.
bool ShowActive(frmAbout& box) {
    box.show();
    QApplication::setActiveWindow(&box);
    return QTest::qWaitForWindowActive(&box);
}

}  // namespace

class frmAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheProgramAndItsPurpose() {
        frmAbout box;
        QCOMPARE(box.windowTitle(), QString("Tarabead v1.20"));
        QVERIFY(box.isModal());
        QCOMPARE(box.lblTitle->text(), QString("Tarabead v1.20"));
        QVERIFY(box.lblTitle->font().bold());
        QVERIFY(!box.lblIcon->pixmap().isNull());
        QCOMPARE(box.lblIcon->pixmap().deviceIndependentSize().toSize(), QSize(64, 64));
        QVERIFY(box.lblDescription->text().contains("nakshatra"));
        QVERIFY(box.lblDescription->text().contains("Rudraksha"));
        QCOMPARE(box.cmdOK->text(), QString("OK"));
        QVERIFY(box.cmdOK->isDefault());

        box.show();
        QVERIFY(box.lblDescription->isVisible());
        // The text wraps within the box instead of stretching it across the screen.
        QVERIFY(box.width() < box.fontMetrics().averageCharWidth() * 90);
    }

    void closesWithOkEnterOrEscape_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK clicked") << "click" << int(QDialog::Accepted);
        QTest::newRow("Enter, OK being the default button") << "enter" << int(QDialog::Accepted);
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
    }

    void closesWithOkEnterOrEscape() {
        QFETCH(QString, how);
        QFETCH(int, result);
        frmAbout box;
        QVERIFY(ShowActive(box));
        QCOMPARE(QApplication::focusWidget(), box.cmdOK);

        if (how == "click") QTest::mouseClick(box.cmdOK, Qt::LeftButton);
        if (how == "enter") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (how == "escape") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), result);
    }

    void homePageLinkWorksByMouseAndKeyboard_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("clicked") << "click";
        QTest::newRow("one Tab from OK to the link, then Enter") << "tab";
        QTest::newRow("one Shift+Tab from OK to the link, then Enter") << "backtab";
    }

    void homePageLinkWorksByMouseAndKeyboard() {
        QFETCH(QString, how);
        testing::TemporarySettings settings;
        testing::RecordingUrlOpener browser;
        frmAbout box;
        QVERIFY(ShowActive(box));

        if (how != "click") {
            // Enter must follow the link, not press the default button OK.
            QTest::keyClick(QApplication::focusWidget(),
                            how == "tab" ? Qt::Key_Tab : Qt::Key_Backtab,
                            how == "tab" ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), box.lblHomePage);
            QTest::keyClick(box.lblHomePage, Qt::Key_Return);
        } else {
            const QRect text = box.lblHomePage->contentsRect();
            QTest::mouseClick(box.lblHomePage, Qt::LeftButton, {},
                              QPoint(text.left() + 8, text.center().y()));
        }

        QCOMPARE(browser.Opened, QList<QUrl>{QUrl("https://tarabead.org/")});
        QVERIFY2(box.isVisible(), "following the link leaves the box open");
    }
};

QTEST_MAIN(frmAboutTest)
#include "frmAbout_test.moc"
