// The web links: which address each page has, the user guide that ships as the online help, and
// every link and About item of both windows.
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include "help/WebPages.h"
#include "help/frmAbout.h"
#include "help/modHelp.h"
#include "help/testing/RecordingUrlOpener.h"
#include "help/testing/TemporarySettings.h"
#include "result/frmTarabeadResult.h"
#include "result/modRTB.h"
#include "shell/frmMain.h"
#include "shell/testing/RecordingDialogService.h"

using namespace tarabead;
using help::WebPage;

Q_DECLARE_METATYPE(tarabead::help::WebPage)

namespace {

// Addresses the tests put in the store, so that every page is told apart from the others.
const QVariantMap OwnAddresses = {{"Links/HomePage", "https://home.example/"},
                                  {"Links/Download", "https://home.example/download"},
                                  {"Links/Donate", "https://home.example/donate"}};

void Store(const testing::TemporarySettings& settings, const QVariantMap& values) {
    auto store = settings.Open();
    for (auto it = values.begin(); it != values.end(); ++it) store->setValue(it.key(), it.value());
    store->sync();
}

// Shows a window and makes it the active one, so that keys reach the focused control.
bool ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Clicks the link of a label that holds nothing but the link, on its text.
void ClickLink(QLabel* label) {
    const QRect text = label->contentsRect();
    const int x = (label->alignment() & Qt::AlignHCenter) ? text.center().x() : text.left() + 8;
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, text.center().y()));
}

// The window a row names: the main window, or the result window of a reading.
struct EitherWindow {
    explicit EitherWindow(const QString& which) {
        if (which == "main") {
            window = &main;
        } else {
            result = frmTarabeadResult::Instance();
            window = result;
        }
    }
    ~EitherWindow() {
        if (result) result->cmdBack_Click();  // closes it without ending the program
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmMain main;
    frmTarabeadResult* result = nullptr;
    QMainWindow* window = nullptr;
};

}  // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

  private slots:
    void addressComesFromTheStoreOrTheDefault_data() {
        QTest::addColumn<WebPage>("page");
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("guide");
        QTest::addColumn<QUrl>("expected");

        const QString guide = "/opt/tarabead/share/tarabead/guide/index.html";
        const QVariantMap none;
        QTest::newRow("home page by default")
            << WebPage::Home << none << guide << QUrl("https://tarabead.org/");
        QTest::newRow("download page by default")
            << WebPage::Download << none << guide << QUrl("https://tarabead.org/download/");
        QTest::newRow("donation page by default")
            << WebPage::Donate << none << guide << QUrl("https://tarabead.org/donate/");
        QTest::newRow("help: the guide that ships with the program")
            << WebPage::Help << none << guide << QUrl::fromLocalFile(guide);
        QTest::newRow("help without a guide: the home page")
            << WebPage::Help << none << QString() << QUrl("https://tarabead.org/");
        QTest::newRow("help without a guide: the home page set in the store")
            << WebPage::Help << QVariantMap{{"Links/HomePage", "https://example.org/astro/"}}
            << QString() << QUrl("https://example.org/astro/");
        QTest::newRow("home page set in the store")
            << WebPage::Home << QVariantMap{{"Links/HomePage", "https://example.org/astro/"}}
            << guide << QUrl("https://example.org/astro/");
        QTest::newRow("download page set in the store")
            << WebPage::Download << QVariantMap{{"Links/Download", "https://example.org/get"}}
            << guide << QUrl("https://example.org/get");
        QTest::newRow("donation page set in the store")
            << WebPage::Donate << QVariantMap{{"Links/Donate", "https://example.org/give"}} << guide
            << QUrl("https://example.org/give");
        QTest::newRow("help set in the store wins over the guide")
            << WebPage::Help << QVariantMap{{"Links/Help", "https://example.org/help"}} << guide
            << QUrl("https://example.org/help");
        QTest::newRow("help set as a file path")
            << WebPage::Help << QVariantMap{{"Links/Help", "/usr/share/doc/tarabead/help.html"}}
            << guide << QUrl("file:///usr/share/doc/tarabead/help.html");
        QTest::newRow("a page's setting is not another page's")
            << WebPage::Download << QVariantMap{{"Links/HomePage", "https://example.org/"}} << guide
            << QUrl("https://tarabead.org/download/");
        QTest::newRow("a blank setting counts as not set")
            << WebPage::Download << QVariantMap{{"Links/Download", "   "}} << guide
            << QUrl("https://tarabead.org/download/");
        QTest::newRow("words that are no address count as not set")
            << WebPage::Donate << QVariantMap{{"Links/Donate", "see our web site"}} << guide
            << QUrl("https://tarabead.org/donate/");
        QTest::newRow("an address without a host counts as not set")
            << WebPage::Home << QVariantMap{{"Links/HomePage", "https:"}} << guide
            << QUrl("https://tarabead.org/");
    }

    void addressComesFromTheStoreOrTheDefault() {
        QFETCH(WebPage, page);
        QFETCH(QVariantMap, stored);
        QFETCH(QString, guide);
        QFETCH(QUrl, expected);
        testing::TemporarySettings settings;
        Store(settings, stored);
        QCOMPARE(help::WebPageAddress(page, *settings.Open(), guide), expected);
    }

    void userGuideShipsWithTheProgram() {
        const QString path = help::FindUserGuide();
        QVERIFY2(!path.isEmpty(), "no user guide found beside the program or in the build tree");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains("<title>Tarabead"));

        // It opens from the disk as it is: no style sheet, script or picture of its own.
        for (const char* outside : {"<link", "<script", "src=", "<img", "@import"}) {
            QVERIFY2(!html.contains(outside), outside);
        }
        QVERIFY2(!html.contains(QRegularExpression("url\\((?!#)")), "url() of a file");
        // Every link within the page leads somewhere.
        const QRegularExpression anchor("href=\"#([^\"]+)\"");
        for (const QRegularExpressionMatch& match : anchor.globalMatch(html)) {
            QVERIFY2(html.contains(QString("id=\"%1\"").arg(match.captured(1))),
                     qPrintable(match.captured(0)));
        }
        // It names the controls as the windows do.
        for (const char* caption :
             {"Get My Tarabead Reading", "Daylight Saving Time", "Time Zone",
              "Open Previously Saved Reading", "Nakshatra Details", "Tarabead Results",
              "Check for Software Update", "Online Help", "Visit Us Online", "Donate"}) {
            QVERIFY2(html.contains(caption), caption);
        }
    }

    void everyLinkOfBothWindowsOpensItsPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<WebPage>("page");
        for (const QString window : {"main", "result"}) {
            const QString label = window == "main" ? "Label8" : "Label61";
            const auto row = [&](const QString& control, WebPage page, const char* what) {
                QTest::newRow(qPrintable(QString("%1 window: %2").arg(window, what)))
                    << window << control << page;
            };
            row("mnuOnline", WebPage::Help, "Help > Online Help");
            row("mnuVisit", WebPage::Home, "Help > Visit Us Online");
            row("mnuUpdate", WebPage::Download, "Help > Check for Software Update");
            row("mnuDonate", WebPage::Donate, "Donate");
            row(label, WebPage::Home, "the link line");
        }
    }

    void everyLinkOfBothWindowsOpensItsPage() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(WebPage, page);

        testing::TemporarySettings settings;
        QVariantMap stored = OwnAddresses;
        // An update question that is due: no link asks it, and none changes its date.
        stored.insert("Settings/" + QString::fromLatin1(modRTB::EncodeText("Duration").c_str()),
                      QString::fromLatin1(modRTB::EncodeText("2020-01-01").c_str()));
        Store(settings, stored);
        const QByteArray before = settings.RawBytes();
        testing::RecordingDialogService dialogs;
        ScopedDialogService useRecorder(dialogs);
        testing::RecordingUrlOpener browser;
        const QUrl expected = help::WebPageAddress(page, *settings.Open(), help::FindUserGuide());
        QVERIFY(page == WebPage::Help ? expected.isLocalFile() : expected.host() == "home.example");

        EitherWindow either(window);
        QVERIFY(ShowActive(*either.window));
        if (auto* action = either.window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = either.window->findChild<QLabel*>(control);
            QVERIFY(label);
            ClickLink(label);
        }

        QCOMPARE(browser.Opened, QList<QUrl>{expected});
        QVERIFY(dialogs.Messages.empty());
        QCOMPARE(settings.RawBytes(), before);
    }

    void aboutShowsModallyOverEitherWindowAndReturnsToIt_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << "main";
        QTest::newRow("result window") << "result";
    }

    void aboutShowsModallyOverEitherWindowAndReturnsToIt() {
        QFETCH(QString, window);
        EitherWindow either(window);
        QVERIFY(ShowActive(*either.window));

        int shown = 0;
        const AboutBoxRunner previous = SetAboutBoxRunner([&](frmAbout& box) {
            ++shown;
            QCOMPARE(box.parentWidget(), either.window);
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            box.show();
            QCOMPARE(QApplication::activeModalWidget(), &box);
            QTest::mouseClick(box.cmdOK, Qt::LeftButton);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        });
        either.window->findChild<QAction*>("mnuAbout")->trigger();
        SetAboutBoxRunner(previous);

        QCOMPARE(shown, 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(either.window->isVisible());
    }
};

QTEST_MAIN(WebLinksTest)
#include "WebLinks_test.moc"
