// EndApplication closes every window once and ends the program once, however the close handlers
// it sets off call it again.
#include "help/modHelp.h"

#include <QMenu>
#include <QPointer>
#include <QtTest>
#include <functional>

namespace {

class CountingWindow : public QWidget {
  public:
    int Closes = 0;
    std::function<void()> OnClose;

  protected:
    void closeEvent(QCloseEvent* event) override {
        ++Closes;
        if (OnClose) OnClose();
        QWidget::closeEvent(event);
    }
};

}  // namespace

class modHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void endApplicationClosesEveryWindowOnceAndEndsOnce() {
        int ends = 0;
        tarabead::modHelp::ScopedEndProcess endProcess([&] { ++ends; });

        CountingWindow main, hidden, nested, deleter;
        auto* doomed = new CountingWindow;
        QPointer<CountingWindow> doomedGuard(doomed);
        main.show();
        hidden.hide();  // the main window is hidden while a reading is on screen
        nested.show();
        deleter.show();
        doomed->show();
        // Close handlers that end the program themselves, as every window's does.
        main.OnClose = [] { tarabead::modHelp::EndApplication(); };
        nested.OnClose = [] { tarabead::modHelp::EndApplication(); };
        // A close handler that takes another window with it before its turn comes.
        deleter.OnClose = [&] { delete doomedGuard.data(); };
        QMenu popup;  // menus are not windows of the program

        tarabead::modHelp::EndApplication();
        QCOMPARE(ends, 1);
        QVERIFY(tarabead::modHelp::ApplicationEnding());
        for (CountingWindow* window : {&main, &hidden, &nested, &deleter}) {
            QCOMPARE(window->Closes, 1);
            QVERIFY(!window->isVisible());
        }
        QVERIFY(doomedGuard.isNull() || doomedGuard->Closes == 1);

        tarabead::modHelp::EndApplication();  // a late call adds nothing
        QCOMPARE(ends, 1);
        QCOMPARE(main.Closes, 1);
        if (doomedGuard) delete doomedGuard.data();
    }

    void closeHandlerStartsTheEnd() {
        int ends = 0;
        tarabead::modHelp::ScopedEndProcess endProcess([&] { ++ends; });
        CountingWindow main, result;
        main.hide();
        result.show();
        result.OnClose = [] { tarabead::modHelp::EndApplication(); };
        result.close();  // the user closes the only window on screen
        QCOMPARE(ends, 1);
        QCOMPARE(main.Closes, 1);
        QCOMPARE(result.Closes, 1);
    }
};

QTEST_MAIN(modHelpTest)
#include "modHelp_test.moc"
